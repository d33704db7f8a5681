// Pens, brushes and fonts of the drawing layer through the store's values and back.

#include "editor/RepositoryGraphics.h"
#include "editor/Repository.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>

TEST(RepositoryGraphics, DrawingObjectsSurviveTheFile) {
  ui::TFont font;
  font.SetName("Arial");
  font.SetSize(10);
  font.SetCharset(238);
  font.SetColor(0x123456);
  font.SetStyle(ui::fsBold | ui::fsStrikeOut);
  ui::TBrush brush;
  brush.SetColor(ui::TColor(0x80000005));
  brush.SetStyle(ui::TBrushStyle::bsClear);
  ui::TPen pen;
  pen.SetColor(0x00FF00);
  pen.SetStyle(ui::TPenStyle::psDashDot);
  pen.SetWidth(3);
  pen.SetMode(ui::TPenMode::pmXor);

  TRepository store;
  store.WriteFont("F", FontValue(font));
  store.WriteBrush("B", BrushValue(brush));
  store.WritePen("P", PenValue(pen));
  const QString text = store.SaveToText();
  EXPECT_TRUE(text.contains("<font name=\"F\" fontname=\"Arial\" height=\"-13\" size=\"10\" "
                            "charset=\"238\" color=\"1193046\" pitch=\"0\" style=\"9\"/>"));
  EXPECT_TRUE(text.contains("<brush name=\"B\" color=\"-2147483643\" style=\"1\"/>"));
  EXPECT_TRUE(text.contains("<pen name=\"P\" color=\"65280\" style=\"3\" width=\"3\" mode=\"14\"/>"));

  TRepository read;
  read.LoadFromText(text);
  ui::TFont font2;
  ui::TBrush brush2;
  ui::TPen pen2;
  int changes = 0;
  font2.OnChange = [&](ui::TObject*) { ++changes; };
  AssignFontValue(font2, read.ReadFont("F", {}));
  AssignBrushValue(brush2, read.ReadBrush("B", {}));
  AssignPenValue(pen2, read.ReadPen("P", {}));
  EXPECT_TRUE(font2 == font);
  EXPECT_TRUE(brush2 == brush);
  EXPECT_TRUE(pen2 == pen);
  EXPECT_EQ(changes, 1);
}

// Values the drawing layer cannot show fall back to solid and copy; the size decides the height.
TEST(RepositoryGraphics, ForeignValuesFallBack) {
  ui::TPen pen;
  AssignPenValue(pen, TPenValue{0, 6, 1, 9});
  EXPECT_EQ(pen.Style(), ui::TPenStyle::psSolid);
  EXPECT_EQ(pen.Mode(), ui::TPenMode::pmCopy);
  ui::TBrush brush;
  AssignBrushValue(brush, TBrushValue{0, 4});
  EXPECT_EQ(brush.Style(), ui::TBrushStyle::bsSolid);
  ui::TFont font;
  AssignFontValue(font, TFontValue{"Arial", -40, 8, 238, 0, 0, 0});
  EXPECT_EQ(font.Size(), 8);
  EXPECT_EQ(font.Height(), -11);
}

// A schema file with numbers at the ends of the integer range: the font and pen keep them in
// range (the design-settings tests zoom and paint a box with such values).
TEST(RepositoryGraphics, ExtremeNumbersAreClamped) {
  const int max = std::numeric_limits<int>::max(), min = std::numeric_limits<int>::min();
  struct Case {
    const char* name;
    int height, size, width;
    int expectedHeight, expectedWidth;
  };
  const Case cases[] = {
      {"largest", max, max, max, -ui::TFont::MaxHeight, ui::TPen::MaxWidth},
      {"smallest", min, min, min, ui::TFont::MaxHeight, 0},
      {"height only", min, 0, 1, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ui::TFont font;
    AssignFontValue(font, TFontValue{"Arial", c.height, c.size, 238, 0, 0, 0});
    EXPECT_EQ(font.Height(), c.expectedHeight);
    ui::TPen pen;
    AssignPenValue(pen, TPenValue{0, 0, c.width, 13});
    EXPECT_EQ(pen.Width(), c.expectedWidth);
    // A zoom step on the font stays in range.
    font.SetSize(ui::MulDiv(font.Size(), 200, 100));
    EXPECT_LE(std::abs(font.Height()), ui::TFont::MaxHeight);
  }
}
