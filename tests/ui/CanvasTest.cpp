// Pixel rules of the canvas: lines leave out their end pixel, rectangles and fills cover
// [x1, x2) x [y1, y2), XOR combines with the pixels, text sits by its top-left corner.

#include "tests/support/PixelHelpers.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>

using namespace testing_pixels;
using ui::TColor;

TEST(Canvas, LineLeavesOutItsEndPixel) {
  struct Case {
    const char* name;
    int x1, y1, x2, y2;
    int endX, endY;       // the left-out pixel
    int beforeX, beforeY; // the last drawn pixel
  };
  const Case cases[] = {
      {"right", 1, 1, 8, 1, 8, 1, 7, 1},       {"left", 8, 2, 1, 2, 1, 2, 2, 2},
      {"down", 3, 1, 3, 7, 3, 7, 3, 6},        {"up", 4, 7, 4, 1, 4, 1, 4, 2},
      {"diagonal", 1, 1, 6, 6, 6, 6, 5, 5},    {"diagonal back", 6, 6, 1, 1, 1, 1, 2, 2},
      {"up right", 1, 6, 6, 1, 6, 1, 5, 2},    {"down left, steep", 5, 1, 3, 8, 3, 8, 3, 7},
      {"single step", 4, 4, 5, 4, 5, 4, 4, 4}, {"single step back", 5, 4, 4, 4, 4, 4, 5, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QImage img = MakeImage(10, 10);
    {
      ImageCanvas ic(img);
      ic.Canvas.MoveTo(c.x1, c.y1);
      ic.Canvas.LineTo(c.x2, c.y2);
      EXPECT_EQ(ic.Canvas.PenPos(), ui::Point(c.x2, c.y2));
    }
    EXPECT_EQ(Px(img, c.x1, c.y1), ui::clBlack);
    EXPECT_EQ(Px(img, c.beforeX, c.beforeY), ui::clBlack);
    EXPECT_EQ(Px(img, c.endX, c.endY), ui::clWhite);
  }
}

TEST(Canvas, ClosedPolylineDrawsEveryCornerOnceSoXorShowsNoGaps) {
  QImage img = MakeImage(8, 6);
  {
    ImageCanvas ic(img);
    ic.Canvas.Pen()->SetMode(ui::TPenMode::pmXor);
    ic.Canvas.Pen()->SetColor(ui::clWhite);
    ic.Canvas.Polyline({{1, 1}, {6, 1}, {6, 4}, {1, 4}, {1, 1}});
  }
  // White XOR white is black; a corner drawn twice would turn white again.
  EXPECT_EQ(Row(img, 1, 0, 7), ".######.");
  EXPECT_EQ(Row(img, 4, 0, 7), ".######.");
  EXPECT_EQ(Column(img, 1, 0, 5), ".####.");
  EXPECT_EQ(Column(img, 6, 0, 5), ".####.");
}

TEST(Canvas, RectangleAndFillRectLeaveOutRightAndBottomEdge) {
  QImage img = MakeImage(12, 8);
  {
    ImageCanvas ic(img);
    ic.Canvas.Brush()->SetColor(ui::clRed);
    ic.Canvas.Rectangle(1, 1, 6, 5); // outline over columns 1..5, rows 1..4
    ic.Canvas.FillRect(ui::Rect(7, 1, 10, 4));
  }
  EXPECT_EQ(Row(img, 1, 0, 6), ".#####.");
  EXPECT_EQ(Row(img, 2, 0, 6, ui::clBlack), ".#???#.");
  EXPECT_EQ(Px(img, 3, 2), ui::clRed);
  EXPECT_EQ(Row(img, 4, 0, 6), ".#####.");
  EXPECT_EQ(Row(img, 5, 0, 6), ".......");
  EXPECT_EQ(Row(img, 1, 6, 11, ui::clRed), ".###..");
  EXPECT_EQ(Column(img, 8, 0, 5, ui::clRed), ".###..");
}

TEST(Canvas, XorModeOnImageCombinesAndDrawingTwiceRestores) {
  const TColor background = 0x302010; // $00BBGGRR
  QImage img = MakeImage(10, 3, background);
  {
    ImageCanvas ic(img);
    ic.Canvas.Pen()->SetMode(ui::TPenMode::pmXor);
    ic.Canvas.Pen()->SetColor(ui::clWhite);
    ic.Canvas.MoveTo(0, 1);
    ic.Canvas.LineTo(6, 1);
  }
  EXPECT_EQ(Px(img, 0, 1), 0xCFDFEF);
  EXPECT_EQ(Px(img, 5, 1), 0xCFDFEF);
  EXPECT_EQ(Px(img, 6, 1), background);
  EXPECT_EQ(qAlpha(img.pixel(0, 1)), 255);
  // The same line again, and a dotted line twice, leave the background as it was.
  {
    ImageCanvas ic(img);
    ic.Canvas.Pen()->SetMode(ui::TPenMode::pmXor);
    ic.Canvas.Pen()->SetColor(ui::clWhite);
    ic.Canvas.MoveTo(0, 1);
    ic.Canvas.LineTo(6, 1);
    ic.Canvas.Pen()->SetStyle(ui::TPenStyle::psDot);
    for (int i = 0; i < 2; ++i) {
      ic.Canvas.MoveTo(0, 1);
      ic.Canvas.LineTo(9, 1);
    }
  }
  for (int x = 0; x < 10; ++x) EXPECT_EQ(Px(img, x, 1), background) << x;
}

TEST(Canvas, TextSitsByItsTopLeftCornerOnTheBrushColour) {
  QImage img = MakeImage(80, 30);
  int w = 0, h = 0;
  {
    ImageCanvas ic(img);
    ic.Canvas.Font()->SetName("DejaVu Sans");
    ic.Canvas.Font()->SetHeight(-12);
    ic.Canvas.Font()->SetColor(ui::clBlack);
    ic.Canvas.Brush()->SetColor(ui::clYellow);
    w = ic.Canvas.TextWidth("Ab");
    h = ic.Canvas.TextHeight("Ab");
    ic.Canvas.TextOut(10, 5, "Ab");
  }
  ASSERT_GT(w, 4);
  ASSERT_GT(h, 8);
  // Opaque background: the text cell is filled with the brush colour, nothing beyond it.
  EXPECT_EQ(Px(img, 10, 5), ui::clYellow);
  EXPECT_EQ(Px(img, 10 + w - 1, 5 + h - 1), ui::clYellow);
  EXPECT_EQ(Px(img, 9, 5), ui::clWhite);
  EXPECT_EQ(Px(img, 10, 4), ui::clWhite);
  EXPECT_EQ(Px(img, 10 + w, 5), ui::clWhite);
  EXPECT_EQ(Px(img, 10, 5 + h), ui::clWhite);
  EXPECT_GT(CountInk(img, 10, 5, 10 + w - 1, 5 + h - 1, ui::clYellow), 10);

  // A clear brush leaves the background alone.
  QImage clear = MakeImage(80, 30);
  {
    ImageCanvas ic(clear);
    ic.Canvas.Font()->SetHeight(-12);
    ic.Canvas.Brush()->SetStyle(ui::TBrushStyle::bsClear);
    ic.Canvas.TextOut(10, 5, "Ab");
  }
  EXPECT_EQ(CountInk(clear, 0, 0, 79, 29, ui::clYellow), 80 * 30);
}

TEST(Canvas, MeasuresTheSameWithAndWithoutAPainter) {
  ui::TCanvas measuring;
  measuring.Font()->SetHeight(-11);
  QImage img = MakeImage(10, 10);
  ImageCanvas ic(img);
  ic.Canvas.Font()->SetHeight(-11);
  for (const QString& s : {QString("Entity_1"), QString::fromUtf8("XyŠ"), QString("")}) {
    EXPECT_EQ(measuring.TextWidth(s), ic.Canvas.TextWidth(s)) << s.toStdString();
    EXPECT_EQ(measuring.TextHeight(s), ic.Canvas.TextHeight(s));
  }
  measuring.Font()->SetStyle(ui::fsBold);
  ic.Canvas.Font()->SetStyle(ui::fsBold);
  EXPECT_EQ(measuring.TextWidth("Entity_1"), ic.Canvas.TextWidth("Entity_1"));
  // Drawing without a painter does nothing and does not fail.
  measuring.Rectangle(0, 0, 5, 5);
  measuring.TextOut(0, 0, "x");
}

TEST(Canvas, EllipseAndPolygonStayInsideTheirBox) {
  QImage img = MakeImage(20, 20);
  {
    ImageCanvas ic(img);
    ic.Canvas.Brush()->SetColor(ui::clBlack);
    ic.Canvas.Ellipse(2, 2, 11, 11);
    ic.Canvas.Polygon({{12, 2}, {18, 2}, {15, 8}});
  }
  EXPECT_EQ(CountInk(img, 0, 0, 1, 19), 0);
  EXPECT_EQ(CountInk(img, 2, 11, 11, 19), 0); // the ellipse ends at row 10
  EXPECT_EQ(Px(img, 6, 6), ui::clBlack);
  EXPECT_EQ(Px(img, 15, 4), ui::clBlack);
  EXPECT_EQ(Px(img, 18, 2), ui::clBlack);
}

// Values at the ends of the integer range (read from a file) paint without overflow: the pen
// and the font keep them in range and the canvas computes its clip in wide integers.
TEST(Canvas, ExtremePenWidthAndFontHeightPaint) {
  const int max = std::numeric_limits<int>::max(), min = std::numeric_limits<int>::min();
  struct Case {
    const char* name;
    int penWidth;
    int fontHeight;
  };
  const Case cases[] = {{"largest", max, max}, {"smallest", min, min}, {"just beyond", 1001, -10001}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QImage img = MakeImage(20, 20);
    {
      ImageCanvas ic(img);
      ic.Canvas.Pen()->SetWidth(c.penWidth);
      EXPECT_LE(ic.Canvas.Pen()->Width(), ui::TPen::MaxWidth);
      EXPECT_GE(ic.Canvas.Pen()->Width(), 0);
      ic.Canvas.MoveTo(2, 2);
      ic.Canvas.LineTo(15, 15);
      ic.Canvas.LineTo(2, 15);
      ic.Canvas.Rectangle(1, 1, 10, 10);
      ic.Canvas.Polygon({{0, 0}, {5, 0}, {5, 5}});
      ic.Canvas.Font()->SetHeight(c.fontHeight);
      EXPECT_LE(std::abs(ic.Canvas.Font()->Height()), ui::TFont::MaxHeight);
      ic.Canvas.Font()->SetSize(ui::MulDiv(ic.Canvas.Font()->Size(), 200, 100));
      EXPECT_GT(ic.Canvas.TextHeight(QStringLiteral("X")), 0);
    }
    EXPECT_EQ(Px(img, 2, 2), ui::clBlack);
  }
}
