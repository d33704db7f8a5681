// The settings file and a saved script written onto a really full disk: the old file keeps its
// bytes and the failure is reported with the system's reason.
#include "app/Settings.h"
#include "app/frmDesignSetting.h"
#include "app/frmFindDialog.h"
#include "app/frmReport.h"
#include "ui/MB.h"

#include "tests/support/FullDisk.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

using test_support::FileBytes;
using test_support::FreeCases;
using test_support::NoSpaceText;
using test_support::TFullDisk;

TEST(AppFullDisk, TheSettingsKeepTheirOldFileAndTheReportGivesTheReason) {
  for (const qint64 free : FreeCases) {
    SCOPED_TRACE(free);
    TFullDisk disk;
    ASSERT_TRUE(disk.Mounted());
    TSettingsFile file(disk.FilePath("morvik.ini"));
    QStringList reports;
    file.ReportFailure = [&reports](const QString& Message) { reports << Message; };
    QWidget window;
    ASSERT_TRUE(file.Save(window, {"/a.xml"}, nullptr));
    const QByteArray old = FileBytes(file.FileName());
    disk.Fill(free);

    // Long recent paths and the look defaults make the file larger than the room left.
    QStringList recent;
    for (int i = 0; i < 10; ++i)
      recent << QStringLiteral("/%1/%2.xml").arg(QString(800, QLatin1Char('p'))).arg(i);
    const TfrmDesignSetting look;
    EXPECT_FALSE(file.Save(window, recent, &look));
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].startsWith(QStringLiteral("Nastavení se nepodařilo uložit do souboru ") +
                                      file.FileName() + QStringLiteral(".\n")))
        << qPrintable(reports[0]);
    EXPECT_TRUE(reports[0].contains(NoSpaceText())) << qPrintable(reports[0]);
    EXPECT_EQ(FileBytes(file.FileName()), old);
    EXPECT_EQ(disk.Files(), QStringList({"morvik.ini"}));
  }
}

TEST(AppFullDisk, ASavedScriptKeepsItsOldFileAndTheReportGivesTheReason) {
  for (const qint64 free : FreeCases) {
    SCOPED_TRACE(free);
    TFullDisk disk;
    ASSERT_TRUE(disk.Mounted());
    const QString path = disk.FilePath("script.sql");
    TfrmFindDialog find;
    TfrmReport report(&find);
    report.AskSaveFileName = [&path](const QString&) { return path; };
    report.LoadText(QStringLiteral("CREATE TABLE T (ID INTEGER);\n"), QStringLiteral("Skript"), true);
    report.acSave->trigger();
    ASSERT_EQ(report.FileName(), path);
    const QByteArray old = FileBytes(path);
    ASSERT_FALSE(old.isEmpty());
    disk.Fill(free);

    report.seReport->setText(QString(12 * 1024, QLatin1Char('x')));
    QString shown;
    QTimer::singleShot(0, [&shown] {
      auto* box = qobject_cast<TfMB*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      shown = box->lMsg->text();
      box->done(mrOk);
    });
    report.acSave->trigger();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Chyba při ukládání skriptu do souboru ") + path))
        << qPrintable(shown);
    EXPECT_TRUE(shown.contains(NoSpaceText())) << qPrintable(shown);
    EXPECT_EQ(FileBytes(path), old);
    EXPECT_EQ(disk.Files(), QStringList({"script.sql"}));
  }
}
