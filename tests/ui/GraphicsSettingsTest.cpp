#include "ui/GraphicsSettings.h"
#include "ui/IniFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ui;

TEST(GraphicsSettings, FontBrushAndPenComeBackAsWritten)
{
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

TEST(GraphicsSettings, MissingOrBadSubKeysKeepTheCurrentValueAndStyleZeroClearsStyles)
{
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
