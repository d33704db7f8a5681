// The numbers files keep for styles and modes: each one both ways, and numbers that stand for
// nothing.
#include "ui/GraphicsCodes.h"

#include <QFont>
#include <gtest/gtest.h>

using namespace ui;

TEST(GraphicsCodes, EveryStyleAndModeHasItsStoredNumber) {
  const std::pair<TPenStyle, int> pens[] = {{TPenStyle::psSolid, 0},      {TPenStyle::psDash, 1},
                                            {TPenStyle::psDot, 2},        {TPenStyle::psDashDot, 3},
                                            {TPenStyle::psDashDotDot, 4}, {TPenStyle::psClear, 5}};
  for (const auto& [style, code] : pens) {
    EXPECT_EQ(PenStyleCode(style), code);
    EXPECT_EQ(PenStyleOfCode(code), style);
  }
  const std::pair<TPenMode, int> modes[] = {
      {TPenMode::pmNot, 3}, {TPenMode::pmCopy, 4}, {TPenMode::pmXor, 14}};
  for (const auto& [mode, code] : modes) {
    EXPECT_EQ(PenModeCode(mode), code);
    EXPECT_EQ(PenModeOfCode(code), mode);
  }
  const std::pair<TBrushStyle, int> brushes[] = {{TBrushStyle::bsSolid, 0}, {TBrushStyle::bsClear, 1}};
  for (const auto& [style, code] : brushes) {
    EXPECT_EQ(BrushStyleCode(style), code);
    EXPECT_EQ(BrushStyleOfCode(code), style);
  }
  const std::pair<TFontStyles, int> fonts[] = {{0, 0},           {fsBold, 1},      {fsItalic, 2},
                                               {fsUnderline, 4}, {fsStrikeOut, 8}, {fsBold | fsStrikeOut, 9}};
  for (const auto& [styles, code] : fonts) {
    EXPECT_EQ(FontStyleCode(styles), code);
    EXPECT_EQ(FontStylesOfCode(code), styles);
  }
}

TEST(GraphicsCodes, NumbersThatStandForNothingGiveNoValue) {
  for (int code : {-1, 6, 7}) EXPECT_FALSE(PenStyleOfCode(code)) << code;
  for (int code : {0, 1, 5, 13, 15}) EXPECT_FALSE(PenModeOfCode(code)) << code;
  for (int code : {-1, 2, 7}) EXPECT_FALSE(BrushStyleOfCode(code)) << code;
  EXPECT_EQ(FontStylesOfCode(16 | 2), TFontStyles{fsItalic});
}

TEST(GraphicsCodes, FontStylesOnAQtFont) {
  QFont f;
  SetQFontStyles(f, fsItalic | fsUnderline);
  EXPECT_FALSE(f.bold());
  EXPECT_TRUE(f.italic());
  EXPECT_TRUE(f.underline());
  EXPECT_FALSE(f.strikeOut());
  EXPECT_EQ(QFontStyles(f), fsItalic | fsUnderline);
  SetQFontStyles(f, fsBold);
  EXPECT_EQ(QFontStyles(f), TFontStyles{fsBold});
}
