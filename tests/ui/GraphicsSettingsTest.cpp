#include "ui/GraphicsSettings.h"
#include "ui/IniFile.h"

#include <QTemporaryDir>
#include <cstdlib>
#include <limits>
#include <gtest/gtest.h>

using namespace ui;

TEST(GraphicsSettings, FontBrushAndPenComeBackAsWritten) {
  QTemporaryDir dir;
  const QString path = dir.filePath("look.ini");
  TFont font;
  font.SetName(QStringLiteral("Arial"));
  font.SetSize(12);
  font.SetCharset(238);
  font.SetColor(clMaroon);
  font.SetStyle(fsItalic | fsStrikeOut);
  TBrush brush;
  brush.SetColor(clLime);
  brush.SetStyle(TBrushStyle::bsClear);
  TPen pen;
  pen.SetColor(clNavy);
  pen.SetStyle(TPenStyle::psDot);
  pen.SetWidth(3);
  pen.SetMode(TPenMode::pmXor);
  {
    TIniFile ini(path);
    WriteFontSetting(ini, "Design_Setting", "Entity_Font", &font);
    WriteBrushSetting(ini, "Design_Setting", "Entity_Brush", &brush);
    WritePenSetting(ini, "Design_Setting", "Entity_Pen", &pen);
    ASSERT_TRUE(ini.UpdateFile());
  }
  const TIniFile ini(path);
  EXPECT_EQ(ini.ReadInteger("Design_Setting", "Entity_Font_Style", -1), 2 + 8);
  EXPECT_EQ(ini.ReadInteger("Design_Setting", "Entity_Pen_Mode", -1), 14);
  EXPECT_EQ(ini.ReadInteger("Design_Setting", "Entity_Pen_Style", -1), 2);
  EXPECT_EQ(ini.ReadInteger("Design_Setting", "Entity_Brush_Style", -1), 1);
  EXPECT_EQ(ini.ReadInteger("Design_Setting", "Entity_Font_Color", -1), clMaroon);

  TFont f;
  TBrush b;
  TPen p;
  ReadFontSetting(ini, "Design_Setting", "Entity_Font", &f);
  ReadBrushSetting(ini, "Design_Setting", "Entity_Brush", &b);
  ReadPenSetting(ini, "Design_Setting", "Entity_Pen", &p);
  EXPECT_TRUE(f == font);
  EXPECT_TRUE(b == brush);
  EXPECT_TRUE(p == pen);
}

TEST(GraphicsSettings, MissingOrBadSubKeysKeepTheCurrentValueAndStyleZeroClearsStyles) {
  QTemporaryDir dir;
  const QString path = dir.filePath("hand.ini");
  {
    TIniFile ini(path);
    ini.WriteString("S", "F_Style", "0");
    ini.WriteString("S", "F_Size", "big");
    ini.WriteString("S", "F_Charset", "999");
    ini.WriteString("S", "P_Mode", "77");
    ini.WriteString("S", "P_Width", "-2");
    ini.WriteString("S", "B_Style", "6");
    ASSERT_TRUE(ini.UpdateFile());
  }
  const TIniFile ini(path);
  TFont f;
  f.SetName(QStringLiteral("Arial"));
  f.SetSize(10);
  f.SetCharset(238);
  f.SetStyle(fsBold | fsUnderline);
  ReadFontSetting(ini, "S", "F", &f);
  EXPECT_EQ(f.Style(), 0u);
  EXPECT_EQ(f.Size(), 10);
  EXPECT_EQ(f.Charset(), 238);
  EXPECT_EQ(f.Name(), "Arial");

  TPen p;
  p.SetWidth(2);
  ReadPenSetting(ini, "S", "P", &p);
  EXPECT_EQ(p.Mode(), TPenMode::pmCopy);
  EXPECT_EQ(p.Width(), 2);
  TBrush b;
  b.SetStyle(TBrushStyle::bsClear);
  ReadBrushSetting(ini, "S", "B", &b);
  EXPECT_EQ(b.Style(), TBrushStyle::bsClear);
}

// Numbers at the ends of the integer range, as a hand-edited ini file may hold them: the
// pen keeps them within its range, the font within the sizes a look may have (a size of 0
// keeps the font's own), and painting with them stays defined.
TEST(GraphicsSettings, ExtremeNumbersAreClampedToTheDrawingRanges) {
  struct Case {
    const char* name;
    const char* size;
    const char* width;
    int expectedHeight; // of the font after reading
    int expectedWidth;  // of the pen after reading
  };
  const int largest = MulDiv(MaxLookFontSize, TFont::PixelsPerInch, 72);
  const int smallest = MulDiv(MinLookFontSize, TFont::PixelsPerInch, 72);
  const Case cases[] = {
      {"largest", "2147483647", "2147483647", -largest, TPen::MaxWidth},
      {"smallest", "-2147483648", "-2147483648", largest, 2}, // a negative width is ignored
      {"just beyond", "513", "1001", -largest, TPen::MaxWidth},
      {"at the limit", "512", "1000", -largest, TPen::MaxWidth},
      {"no size", "0", "0", TFont().Height(), 0},
      {"too small to read", "1", "1", -smallest, 1},
      {"too small, as a cell height", "-2", "1", smallest, 1},
      {"ordinary", "9", "3", -12, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir dir;
    const QString path = dir.filePath("extreme.ini");
    {
      TIniFile ini(path);
      ini.WriteString("S", "F_Size", c.size);
      ini.WriteString("S", "P_Width", c.width);
      ASSERT_TRUE(ini.UpdateFile());
    }
    const TIniFile ini(path);
    TFont f;
    ReadFontSetting(ini, "S", "F", &f);
    TPen p;
    p.SetWidth(2);
    ReadPenSetting(ini, "S", "P", &p);
    EXPECT_EQ(f.Height(), c.expectedHeight);
    EXPECT_EQ(p.Width(), c.expectedWidth);
    EXPECT_GE(f.ToQFont().pixelSize(), 1);
  }
}

TEST(GraphicsSettings, FontAndPenSettersKeepTheirRanges) {
  struct Case {
    int value;
    int height;     // SetHeight(value)
    int sizeHeight; // SetSize(value)
    int width;      // pen SetWidth(value)
  };
  const int max = std::numeric_limits<int>::max(), min = std::numeric_limits<int>::min();
  const Case cases[] = {
      {max, TFont::MaxHeight, -TFont::MaxHeight, TPen::MaxWidth},
      {min, -TFont::MaxHeight, TFont::MaxHeight, 0},
      {-1, -1, 1, 0},
      {12, 12, -16, 12},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    TFont f;
    f.SetHeight(c.value);
    EXPECT_EQ(f.Height(), c.height);
    EXPECT_GE(f.ToQFont().pixelSize(), 1);
    // A zoom step on the largest font: size times two and back stays in range.
    f.SetSize(MulDiv(f.Size(), 200, 100));
    EXPECT_LE(std::abs(f.Height()), TFont::MaxHeight);
    f.SetSize(c.value);
    EXPECT_EQ(f.Height(), c.sizeHeight);
    TPen p;
    p.SetWidth(c.value);
    EXPECT_EQ(p.Width(), c.width);
  }
}
