// The site as a browser shows it: index.html in headless Chromium, frames and all.

#include "tests/docgen/DocSchema.h"

#include "diagram/Entity.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace docgen_test;

namespace {

class BrowserTest : public DocSchemaTest {};

// Pixels of the image within Area whose colour is near Colour.
int CountNear(const QImage& Image, const QRect& Area, QColor Colour, int Tolerance) {
  int n = 0;
  for (int y = Area.top(); y <= Area.bottom(); ++y)
    for (int x = Area.left(); x <= Area.right(); ++x) {
      const QColor c = Image.pixelColor(x, y);
      if (std::abs(c.red() - Colour.red()) <= Tolerance &&
          std::abs(c.green() - Colour.green()) <= Tolerance &&
          std::abs(c.blue() - Colour.blue()) <= Tolerance)
        ++n;
    }
  return n;
}

TEST_F(BrowserTest, TheFramesOfTheIndexShowTheMenuAndTheModelPage) {
  AddEntity("Entity_0", "ZÁKAZNÍK");
  const QString site = Temp.filePath("site");
  ASSERT_TRUE(Generate(site, true, true, true, true, true, true).isEmpty());

  QTemporaryDir profile;
  ASSERT_TRUE(profile.isValid());
  const QString shot = qEnvironmentVariableIsSet("DOCGEN_SHOT") ? qEnvironmentVariable("DOCGEN_SHOT")
                                                                : Temp.filePath("index.png");
  QProcess chromium;
  chromium.setProcessChannelMode(QProcess::MergedChannels);
  chromium.start("/usr/bin/chromium",
                 {"--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                  "--disable-background-networking", "--disable-component-update", "--disable-sync",
                  "--hide-scrollbars", "--user-data-dir=" + profile.path(), "--window-size=1000,700",
                  "--virtual-time-budget=5000", "--screenshot=" + shot, "file://" + site + "/index.html"});
  ASSERT_TRUE(chromium.waitForFinished(180000)) << chromium.errorString().toStdString();
  const QImage image(shot);
  ASSERT_FALSE(image.isNull()) << chromium.readAll().toStdString();

  // The menu frame: its title bar in the site's blue, white text on it, and the black menu row.
  const QRect bar(0, 0, image.width(), 50);
  EXPECT_GT(CountNear(image, bar, QColor(0x46, 0x82, 0xB4), 8), image.width() * 20);
  EXPECT_GT(CountNear(image, bar, Qt::white, 40), 100);
  EXPECT_GT(CountNear(image, QRect(0, 55, image.width(), 20), Qt::black, 8), image.width() * 5);
  // The body frame below it: the model page's headings (white on blue) and dark text.
  const QRect body(0, 80, image.width(), image.height() - 80);
  EXPECT_GT(CountNear(image, body, QColor(0x46, 0x82, 0xB4), 8), 1000);
  EXPECT_GT(CountNear(image, body, QColor(0x1E, 0x1E, 0x1E), 60), 200);
  // A failing check keeps the screenshot in the build folder.
  if (HasFailure()) QFile::copy(shot, "docgen-browser-failure.png");
}

} // namespace
