// The settings file: where it lives, and the main window's placement, the recent files and
// the look defaults coming back after a restart, written and read in a temporary folder.
#include "app/Settings.h"
#include "app/frmDesignSetting.h"
#include "diagram/Entity.h"
#include "editor/DesignSamples.h"
#include "ui/IniFile.h"

#include <QApplication>
#include <QDir>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <limits>
#include <utility>

namespace {

class Settings : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(dir.isValid()); }
  QString Ini() const { return dir.filePath("morvik.ini"); }

  // A "restart": a fresh window, list and look read from the file.
  struct TRestarted {
    QWidget Window;
    QStringList Recent;
    TfrmDesignSetting Look;
  };
  void Restart(TRestarted& R) const {
    R.Window.resize(652, 480);
    TSettingsFile(Ini()).Load(
        R.Window, [&R](const QString& Path) { R.Recent.prepend(Path); }, &R.Look);
  }

  QTemporaryDir dir;
};

TEST_F(Settings, LiveBesideTheProgramOrElseInTheUsersConfigurationFolder) {
  EXPECT_EQ(SettingsFileName(dir.filePath("morvik")), dir.filePath("morvik.ini"));
  const QString elsewhere = SettingsFileName("/no/such/folder/morvik");
  EXPECT_EQ(elsewhere,
            QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).filePath("morvik.ini"));
}

TEST_F(Settings, PlacementRecentFilesAndLookSurviveARestart) {
  const QStringList recent{"/data/a&b.xml", "/data/A&B.xml", "/data/c.xml"};
  {
    QWidget window;
    window.move(30, 40);
    window.resize(700, 500);
    TfrmDesignSetting look;
    look.Samples().DefEntity->SetEffect3D(false);
    look.Samples().DesktopWPix = "6000";
    ASSERT_TRUE(TSettingsFile(Ini()).Save(window, recent, &look));
  }
  TIniFile written(Ini());
  EXPECT_EQ(written.ReadString("ReOpenFiles", "0", ""), "/data/a&b.xml");
  EXPECT_EQ(written.ReadString("ReOpenFiles", "2", ""), "/data/c.xml");
  EXPECT_EQ(written.ReadInteger("MainWindow", "State", -1), 0);

  TRestarted r;
  Restart(r);
  EXPECT_EQ(r.Window.pos(), QPoint(30, 40));
  EXPECT_EQ(r.Window.size(), QSize(700, 500));
  EXPECT_FALSE(r.Window.isMaximized());
  EXPECT_EQ(r.Recent, recent);
  EXPECT_FALSE(r.Look.Samples().DefEntity->Effect3D());
  EXPECT_EQ(r.Look.Samples().DesktopWPix, "6000");
}

TEST_F(Settings, AMaximisedCloseKeepsTheLastNormalPlacement) {
  {
    QWidget window;
    window.move(30, 40);
    window.resize(700, 500);
    ASSERT_TRUE(TSettingsFile(Ini()).Save(window, {}, nullptr));
    window.showMaximized();
    QApplication::processEvents();
    ASSERT_TRUE(TSettingsFile(Ini()).Save(window, {}, nullptr));
  }
  EXPECT_EQ(TIniFile(Ini()).ReadInteger("MainWindow", "State", -1), 2);
  TRestarted r;
  Restart(r);
  EXPECT_TRUE(r.Window.windowState() & Qt::WindowMaximized);
  r.Window.setWindowState(Qt::WindowNoState);
  EXPECT_EQ(r.Window.size(), QSize(700, 500));

  // A minimised window comes back normal.
  TIniFile ini(Ini());
  ini.WriteInteger("MainWindow", "State", 1);
  ASSERT_TRUE(ini.UpdateFile());
  TRestarted m;
  Restart(m);
  EXPECT_EQ(m.Window.windowState(), Qt::WindowNoState);
  EXPECT_EQ(m.Window.pos(), QPoint(30, 40));
}

// A placement the screen cannot hold comes back on the screen: at most its size, and at least
// partly visible with its top edge on it. A placement that fits is kept exactly.
TEST_F(Settings, TheMainWindowIsHeldOnTheScreen) {
  constexpr int Max = std::numeric_limits<int>::max(), Min = std::numeric_limits<int>::min();
  const struct {
    const char* What;
    int Left, Top, Width, Height;
  } cases[] = {
      {"as large as the integers go", 0, 0, Max, Max},
      {"far to the left and above", -5000, -5000, 300, 200},
      {"far to the right and below", 100000, 100000, 300, 200},
      {"everything at the limits", Min, Max, Min, Max},
      {"fitting", 30, 40, 300, 200},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    {
      TIniFile ini(Ini());
      for (const auto& [key, value] :
           {std::pair{"Left", c.Left}, {"Top", c.Top}, {"Width", c.Width}, {"Height", c.Height}})
        ini.WriteInteger("MainWindow", key, value);
      ASSERT_TRUE(ini.UpdateFile());
    }
    TRestarted r;
    Restart(r);
    const QRect screen = r.Window.screen()->availableGeometry();
    const QRect placed = r.Window.geometry();
    EXPECT_LE(placed.width(), screen.width());
    EXPECT_LE(placed.height(), screen.height());
    EXPECT_GE(placed.top(), screen.top());
    EXPECT_GE(placed.intersected(screen).width(), std::min(100, placed.width()));
    EXPECT_GE(placed.intersected(screen).height(), std::min(100, placed.height()));
    if (c.Left == 30) EXPECT_EQ(placed, QRect(30, 40, 300, 200));
  }
}

TEST_F(Settings, WithoutAFileEverythingKeepsItsDefault) {
  TRestarted r;
  Restart(r);
  EXPECT_EQ(r.Window.size(), QSize(652, 480));
  EXPECT_TRUE(r.Recent.isEmpty());
  EXPECT_EQ(r.Look.Samples().DesktopWPag, "4");
  EXPECT_EQ(r.Look.Samples().DesktopHPix, "2000");
  EXPECT_TRUE(r.Look.Samples().DefEntity->Effect3D());
}

TEST_F(Settings, AFileThatCannotBeWrittenIsReportedOnce) {
  // A folder where the file should be.
  ASSERT_TRUE(QDir(dir.path()).mkdir("morvik.ini"));
  TSettingsFile file(Ini());
  QStringList reports;
  file.ReportFailure = [&reports](const QString& m) { reports << m; };
  QWidget window;
  EXPECT_FALSE(file.Save(window, {"/a.xml"}, nullptr));
  EXPECT_FALSE(file.Save(window, {"/a.xml"}, nullptr));
  ASSERT_EQ(reports.size(), 1);
  EXPECT_TRUE(reports[0].contains(Ini()));
}

} // namespace
