#include "ui/GraphicsSettings.h"

#include "ui/IniFile.h"

#include <QString>

using namespace ui;

namespace {

QString sub(const QString& Key, const char* Suffix) { return Key + QLatin1String(Suffix); }

struct TPenModeOrdinal {
  TPenMode mode;
  int ordinal;
};
const TPenModeOrdinal PenModes[] = {{TPenMode::pmNot, 3}, {TPenMode::pmCopy, 4}, {TPenMode::pmXor, 14}};

struct TPenStyleOrdinal {
  TPenStyle style;
  int ordinal;
};
const TPenStyleOrdinal PenStyles[] = {{TPenStyle::psSolid, 0},      {TPenStyle::psDash, 1},
                                      {TPenStyle::psDot, 2},        {TPenStyle::psDashDot, 3},
                                      {TPenStyle::psDashDotDot, 4}, {TPenStyle::psClear, 5}};

} // namespace

int FontStyleToFlags(const TFont* Font) {
  const TFontStyles s = Font->Style();
  return ((s & fsBold) ? 1 : 0) + ((s & fsItalic) ? 2 : 0) + ((s & fsUnderline) ? 4 : 0) +
         ((s & fsStrikeOut) ? 8 : 0);
}

void FlagsToFontStyle(int Flags, TFont* Font) {
  TFontStyles s = 0;
  if (Flags & 1) s |= fsBold;
  if (Flags & 2) s |= fsItalic;
  if (Flags & 4) s |= fsUnderline;
  if (Flags & 8) s |= fsStrikeOut;
  Font->SetStyle(s);
}

int PenModeToOrdinal(TPenMode Mode) {
  for (const auto& m : PenModes)
    if (m.mode == Mode) return m.ordinal;
  return 4;
}

int PenStyleToOrdinal(TPenStyle Style) {
  for (const auto& s : PenStyles)
    if (s.style == Style) return s.ordinal;
  return 0;
}

int BrushStyleToOrdinal(TBrushStyle Style) { return Style == TBrushStyle::bsClear ? 1 : 0; }

void WriteFontSetting(TIniFile& IniFile, const QString& Section, const QString& Key, const TFont* Font) {
  IniFile.WriteString(Section, sub(Key, "_Name"), Font->Name());
  IniFile.WriteInteger(Section, sub(Key, "_Size"), Font->Size());
  IniFile.WriteInteger(Section, sub(Key, "_Charset"), Font->Charset());
  IniFile.WriteInteger(Section, sub(Key, "_Color"), Font->Color());
  IniFile.WriteInteger(Section, sub(Key, "_Style"), FontStyleToFlags(Font));
}

void ReadFontSetting(const TIniFile& IniFile, const QString& Section, const QString& Key, TFont* Font) {
  Font->SetName(IniFile.ReadString(Section, sub(Key, "_Name"), Font->Name()));
  Font->SetSize(IniFile.ReadInteger(Section, sub(Key, "_Size"), Font->Size()));
  const int charset = IniFile.ReadInteger(Section, sub(Key, "_Charset"), Font->Charset());
  if (charset >= 0 && charset <= 255) Font->SetCharset(charset);
  Font->SetColor(IniFile.ReadInteger(Section, sub(Key, "_Color"), Font->Color()));
  FlagsToFontStyle(IniFile.ReadInteger(Section, sub(Key, "_Style"), FontStyleToFlags(Font)), Font);
}

void WriteBrushSetting(TIniFile& IniFile, const QString& Section, const QString& Key, const TBrush* Brush) {
  IniFile.WriteInteger(Section, sub(Key, "_Color"), Brush->Color());
  IniFile.WriteInteger(Section, sub(Key, "_Style"), BrushStyleToOrdinal(Brush->Style()));
}

void ReadBrushSetting(const TIniFile& IniFile, const QString& Section, const QString& Key, TBrush* Brush) {
  Brush->SetColor(IniFile.ReadInteger(Section, sub(Key, "_Color"), Brush->Color()));
  const int style = IniFile.ReadInteger(Section, sub(Key, "_Style"), BrushStyleToOrdinal(Brush->Style()));
  // Hatched brushes are not drawn by this program; an unknown ordinal keeps the style.
  if (style == 0)
    Brush->SetStyle(TBrushStyle::bsSolid);
  else if (style == 1)
    Brush->SetStyle(TBrushStyle::bsClear);
}

void WritePenSetting(TIniFile& IniFile, const QString& Section, const QString& Key, const TPen* Pen) {
  IniFile.WriteInteger(Section, sub(Key, "_Color"), Pen->Color());
  IniFile.WriteInteger(Section, sub(Key, "_Style"), PenStyleToOrdinal(Pen->Style()));
  IniFile.WriteInteger(Section, sub(Key, "_Width"), Pen->Width());
  IniFile.WriteInteger(Section, sub(Key, "_Mode"), PenModeToOrdinal(Pen->Mode()));
}

void ReadPenSetting(const TIniFile& IniFile, const QString& Section, const QString& Key, TPen* Pen) {
  Pen->SetColor(IniFile.ReadInteger(Section, sub(Key, "_Color"), Pen->Color()));
  const int style = IniFile.ReadInteger(Section, sub(Key, "_Style"), PenStyleToOrdinal(Pen->Style()));
  for (const auto& s : PenStyles)
    if (s.ordinal == style) Pen->SetStyle(s.style);
  const int width = IniFile.ReadInteger(Section, sub(Key, "_Width"), Pen->Width());
  if (width >= 0) Pen->SetWidth(width);
  const int mode = IniFile.ReadInteger(Section, sub(Key, "_Mode"), PenModeToOrdinal(Pen->Mode()));
  for (const auto& m : PenModes)
    if (m.ordinal == mode) Pen->SetMode(m.mode);
}
