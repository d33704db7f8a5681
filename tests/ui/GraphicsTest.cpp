// Pen, brush and font notify only real changes; colours convert between $00BBGGRR and Qt;
// MulDiv rounds to the nearest integer.

#include "ui/Color.h"
#include "ui/Exception.h"
#include "ui/Graphics.h"
#include "ui/Types.h"

#include <gtest/gtest.h>

TEST(MulDiv, RoundsToNearestWithHalvesAwayFromZero) {
  struct Case {
    int n, m, d, expected;
  };
  const Case cases[] = {
      {10, 1, 2, 5},
      {5, 1, 2, 3},
      {-5, 1, 2, -3},
      {3, 50, 100, 2},
      {1, 50, 100, 1},
      {1, 25, 100, 0},
      {7, 200, 100, 14},
      {-7, 50, 100, -4},
      {9, 100, 200, 5},
      {5, -1, 2, -3},
      {100000, 100000, 100000, 100000}, // the product needs 64 bits
      {1, 1, 0, -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ui::MulDiv(c.n, c.m, c.d), c.expected) << c.n << "*" << c.m << "/" << c.d;
  }
  EXPECT_EQ(ui::MulDiv(2000000000, 3, 4), 1500000000);
}

TEST(Color, ConvertsBetweenBgrValuesAndQColor) {
  struct Case {
    ui::TColor color;
    int r, g, b;
  };
  const Case cases[] = {
      {0x000000, 0, 0, 0},
      {0xFFFF00, 0, 255, 255},
      {0x0000FF, 255, 0, 0},
      {0x808080, 128, 128, 128},
      {0xC0C0C0, 192, 192, 192},
      {0x123456, 0x56, 0x34, 0x12},
      {ui::clBtnFace, 240, 240, 240},
      {ui::clCaptionText, 255, 255, 255},
  };
  for (const Case& c : cases) {
    const QColor q = ui::ColorToQColor(c.color);
    EXPECT_EQ(q.red(), c.r) << std::hex << c.color;
    EXPECT_EQ(q.green(), c.g);
    EXPECT_EQ(q.blue(), c.b);
    EXPECT_EQ(q.alpha(), 255);
    EXPECT_EQ(ui::QColorToColor(q), ui::ColorToRGB(c.color));
    EXPECT_EQ(ui::RgbToColor(q.rgb()), ui::ColorToRGB(c.color));
  }
}

namespace {
struct Counter {
  int n = 0;
  ui::TNotifyEvent Event() {
    return [this](ui::TObject*) { ++n; };
  }
};
} // namespace

TEST(Graphics, ASetterThatChangesNothingNotifiesNothing) {
  ui::TPen pen;
  ui::TBrush brush;
  ui::TFont font;
  Counter p, b, f;
  pen.OnChange = p.Event();
  brush.OnChange = b.Event();
  font.OnChange = f.Event();

  pen.SetColor(ui::clBlack);
  pen.SetWidth(1);
  pen.SetStyle(ui::TPenStyle::psSolid);
  pen.SetMode(ui::TPenMode::pmCopy);
  brush.SetColor(ui::clWhite);
  brush.SetStyle(ui::TBrushStyle::bsSolid);
  font.SetName(font.Name());
  font.SetHeight(font.Height());
  font.SetSize(font.Size());
  font.SetStyle(0);
  EXPECT_EQ(p.n + b.n + f.n, 0);

  pen.SetColor(ui::clRed);
  pen.SetMode(ui::TPenMode::pmXor);
  brush.SetColor(ui::clAqua);
  font.SetStyle(ui::fsBold);
  font.SetColor(ui::clYellow);
  EXPECT_EQ(p.n, 2);
  EXPECT_EQ(b.n, 1);
  EXPECT_EQ(f.n, 2);
}

TEST(Graphics, AssignNotifiesOnceAndOnlyWhenSomethingDiffers) {
  ui::TPen a, b;
  Counter n;
  a.OnChange = n.Event();
  a.Assign(&b);
  EXPECT_EQ(n.n, 0);
  b.SetColor(ui::clGray);
  b.SetWidth(3);
  b.SetStyle(ui::TPenStyle::psDot);
  a.Assign(&b);
  EXPECT_EQ(n.n, 1);
  EXPECT_TRUE(a == b);

  ui::TFont f1, f2;
  Counter nf;
  f1.OnChange = nf.Event();
  f2.SetName("Arial");
  f2.SetSize(12);
  f2.SetStyle(ui::fsBold | ui::fsItalic);
  f1.Assign(&f2);
  f1.Assign(&f2);
  EXPECT_EQ(nf.n, 1);
  EXPECT_TRUE(f1.ToQFont().bold());
  EXPECT_TRUE(f1.ToQFont().italic());
  EXPECT_EQ(f1.ToQFont().pixelSize(), 16);

  ui::TBrush brush;
  EXPECT_THROW(brush.Assign(&a), ui::Exception);
}

TEST(Graphics, FontSizeAndHeightFollowEachOtherThroughZoomSteps) {
  ui::TFont font;
  struct Case {
    int size, height;
  };
  for (const Case& c : {Case{8, -11}, Case{10, -13}, Case{4, -5}, Case{16, -21}, Case{1, -1}}) {
    font.SetSize(c.size);
    EXPECT_EQ(font.Height(), c.height) << c.size;
    EXPECT_EQ(font.Size(), c.size) << c.size;
  }
  // 100 % -> 50 % -> 100 % keeps 8 points.
  font.SetSize(8);
  font.SetSize(ui::MulDiv(font.Size(), 50, 100));
  font.SetSize(ui::MulDiv(font.Size(), 200, 100));
  EXPECT_EQ(font.Size(), 8);
}
