#include "app/BuildStamp.h"
#include "app/frmAbout.h"
#include "app/frmSplash.h"
#include "ui/MB.h"

#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

TEST(AboutWindow, ShowsBuildDateTimeAndVersionOrItsFormText) {
  const TfrmAbout about(QStringLiteral("May 24 2001"), QStringLiteral("16:27:40"), QStringLiteral("2.0.0.0"));
  EXPECT_EQ(about.windowTitle(), "O aplikaci Morvik");
  EXPECT_EQ(about.lDateTime->text(), "May 24 2001 (16:27:40)");
  EXPECT_EQ(about.lVersion->text(), "2.0.0.0");
  EXPECT_EQ(about.size(), QSize(208, 212));

  const TfrmAbout unreadable(QStringLiteral("May 24 2001"), QStringLiteral("16:27:40"), QString());
  EXPECT_EQ(unreadable.lVersion->text(), "8.8.8.8");

  const TfrmAbout own;
  EXPECT_EQ(own.lVersion->text().count('.'), 3);
}

// The splash and the about window, however far apart they were compiled, show one moment.
TEST(AboutWindow, ShowsTheSameBuildMomentAsTheSplash) {
  const TBuildStamp& stamp = TBuildStamp::Program();
  const QString shown = stamp.Date + " (" + stamp.Time + ")";
  EXPECT_EQ(TfrmSplash().lDateTime->text(), shown);
  EXPECT_EQ(TfrmAbout().lDateTime->text(), shown);
  EXPECT_EQ(stamp.Time.size(), 8); // "16:27:23"
}

TEST(AboutWindow, EscapeAnswersOk) {
  TfrmAbout about;
  QTimer::singleShot(0, [&] { QTest::keyClick(&about, Qt::Key_Escape); });
  EXPECT_EQ(about.exec(), mrOk);
}
