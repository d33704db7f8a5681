// Files written onto a really full disk: the old file keeps its bytes, no half-written file is
// left behind, and the failure names the file and the system's reason.
#include "ui/Exception.h"
#include "ui/IniFile.h"
#include "ui/WholeFile.h"

#include "tests/support/FullDisk.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using test_support::FileBytes;
using test_support::FreeCases;
using test_support::NoSpaceText;
using test_support::TFullDisk;

namespace {

const QByteArray OldBytes(3 * 1024, 'o');
const QByteArray NewBytes(12 * 1024, 'n');

} // namespace

TEST(WholeFileOnAFullDisk, KeepsTheOldBytesAndReportsTheSystemsReason) {
  for (const qint64 free : FreeCases) {
    SCOPED_TRACE(free);
    TFullDisk disk;
    ASSERT_TRUE(disk.Mounted());
    const QString path = disk.FilePath("schema.xml");
    ui::WriteWholeFile(path, OldBytes);
    disk.Fill(free);

    // At once, and in pieces as the streaming writers write.
    for (const bool inPieces : {false, true}) {
      SCOPED_TRACE(inPieces);
      try {
        if (inPieces) {
          ui::TWholeFile file(path);
          for (qsizetype at = 0; at < NewBytes.size(); at += 1000) file.Write(NewBytes.mid(at, 1000));
          file.Commit();
        } else {
          ui::WriteWholeFile(path, NewBytes);
        }
        ADD_FAILURE() << "the write reported success";
      } catch (const ui::Exception& e) {
        EXPECT_TRUE(e.Message().contains(path)) << e.Message().toStdString();
        EXPECT_TRUE(e.Message().contains(NoSpaceText())) << e.Message().toStdString();
      }
      EXPECT_EQ(FileBytes(path), OldBytes);
      EXPECT_EQ(disk.Files(), QStringList({"schema.xml"}));
    }
    // With room again the file is written.
    disk.Empty();
    ui::WriteWholeFile(path, NewBytes);
    EXPECT_EQ(FileBytes(path), NewBytes);
  }
}

TEST(WholeFileOnAFullDisk, TheSettingsFileKeepsItsOldBytesAndGivesTheReason) {
  for (const qint64 free : FreeCases) {
    SCOPED_TRACE(free);
    TFullDisk disk;
    ASSERT_TRUE(disk.Mounted());
    const QString path = disk.FilePath("morvik.ini");
    {
      TIniFile ini(path);
      ini.WriteString("MainWindow", "Left", "10");
      ASSERT_TRUE(ini.UpdateFile());
    }
    const QByteArray old = FileBytes(path);
    disk.Fill(free);
    TIniFile ini(path);
    for (int i = 0; i < 400; ++i)
      ini.WriteString("Design_Setting", QString("Key%1").arg(i), QString(20, 'v'));
    QString reason;
    EXPECT_FALSE(ini.UpdateFile(&reason));
    EXPECT_TRUE(reason.contains(NoSpaceText())) << reason.toStdString();
    EXPECT_EQ(FileBytes(path), old);
    EXPECT_EQ(disk.Files(), QStringList({"morvik.ini"}));
  }
}
