// Saving a schema onto a really full disk: the save fails with the system's reason, the old
// file keeps its bytes, and the schema stays modified, so that closing still asks about it.
#include "FakeDesignHost.h"

#include "editor/DesignSamples.h"
#include "editor/VisualModel.h"
#include "editor/XMLMaker.h"
#include "editor/frmDesign.h"
#include "ui/Exception.h"

#include "tests/support/FullDisk.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using test_support::FileBytes;
using test_support::FreeCases;
using test_support::NoSpaceText;
using test_support::TFullDisk;

namespace {

class SchemaFullDisk : public ::testing::Test {
protected:
  void SetUp() override { TDesignSamples::SetCurrent(&samples); }
  void TearDown() override { TDesignSamples::SetCurrent(nullptr); }

  TDesignSamples samples;
  FakeDesignHost host;
};

} // namespace

TEST_F(SchemaFullDisk, SaveFailsWithTheReasonKeepsTheOldFileAndTheSchemaModified) {
  const QByteArray old = FileBytes(QStringLiteral(REPOSITORY_FIXTURES "/schema.xml"));
  ASSERT_FALSE(old.isEmpty());
  for (const qint64 free : FreeCases) {
    SCOPED_TRACE(free);
    TFullDisk disk;
    ASSERT_TRUE(disk.Mounted());
    const QString path = disk.FilePath("schema.xml");
    {
      QFile file(path);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      ASSERT_EQ(file.write(old), old.size());
    }
    TfrmDesign window(&host);
    window.setAttribute(Qt::WA_DeleteOnClose, false);
    window.resize(800, 600);
    window.show();
    window.SetFileName(path, QString());
    ASSERT_TRUE(window.LoadSchema()) << qPrintable(host.Joined.join("|"));
    disk.Fill(free);

    // A change that makes the file larger than the room left.
    window.VisualModel->DocumentationPath = QString(6 * 1024, QLatin1Char('d'));
    window.SetModified(true, mkDrawing);
    host.Joined.clear();
    host.Reopened.clear();
    EXPECT_FALSE(window.Save());
    ASSERT_EQ(host.Joined.size(), 1);
    const QString& message = host.Joined[0];
    EXPECT_TRUE(message.startsWith(QStringLiteral("Chyba při ukládání schématu.\n"))) << qPrintable(message);
    EXPECT_TRUE(message.contains(path)) << qPrintable(message);
    EXPECT_TRUE(message.contains(NoSpaceText())) << qPrintable(message);
    EXPECT_EQ(FileBytes(path), old);
    EXPECT_EQ(disk.Files(), QStringList({"schema.xml"}));
    EXPECT_TRUE(window.Modified());
    EXPECT_TRUE(host.Reopened.isEmpty());

    // With room again the same save goes through.
    disk.Empty();
    host.Joined.clear();
    EXPECT_TRUE(window.Save()) << qPrintable(host.Joined.join("|"));
    EXPECT_FALSE(window.Modified());
    EXPECT_TRUE(FileBytes(path).contains(QByteArray(6 * 1024, 'd')));
  }
}

// The writer's own file, made in memory first and then written at once.
TEST_F(SchemaFullDisk, TheWritersFileMadeInMemoryKeepsTheOldBytes) {
  for (const qint64 free : FreeCases) {
    SCOPED_TRACE(free);
    TFullDisk disk;
    ASSERT_TRUE(disk.Mounted());
    const QString path = disk.FilePath("forms.xml");
    {
      TXMLMaker small;
      small.EmptyElement(u"a");
      small.GenerateXMLFile(path);
    }
    const QByteArray old = FileBytes(path);
    disk.Fill(free);
    TXMLMaker maker;
    for (int i = 0; i < 900; ++i) maker.EmptyElement(u"element");
    try {
      maker.GenerateXMLFile(path);
      ADD_FAILURE() << "the write reported success";
    } catch (const ui::Exception& e) {
      EXPECT_TRUE(e.Message().contains(NoSpaceText())) << e.Message().toStdString();
    }
    EXPECT_EQ(FileBytes(path), old);
    EXPECT_EQ(disk.Files(), QStringList({"forms.xml"}));
  }
}
