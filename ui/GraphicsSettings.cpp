#include "ui/GraphicsSettings.h"

#include "ui/GraphicsCodes.h"
#include "ui/IniFile.h"

#include <QString>

#include <algorithm>

using namespace ui;

namespace {

QString sub(const QString& Key, const char* Suffix) { return Key + QLatin1String(Suffix); }

} // namespace

void WriteFontSetting(TIniFile& IniFile, const QString& Section, const QString& Key, const TFont* Font) {
  IniFile.WriteString(Section, sub(Key, "_Name"), Font->Name());
  IniFile.WriteInteger(Section, sub(Key, "_Size"), Font->Size());
  IniFile.WriteInteger(Section, sub(Key, "_Charset"), Font->Charset());
  IniFile.WriteInteger(Section, sub(Key, "_Color"), Font->Color());
  IniFile.WriteInteger(Section, sub(Key, "_Style"), FontStyleCode(Font->Style()));
}

void ReadFontSetting(const TIniFile& IniFile, const QString& Section, const QString& Key, TFont* Font) {
  Font->SetName(IniFile.ReadString(Section, sub(Key, "_Name"), Font->Name()));
  // A size of 0 names none and keeps the current one; others are held to the sizes a look may
  // have, their sign (which tells character from cell height) kept.
  const int size = IniFile.ReadInteger(Section, sub(Key, "_Size"), Font->Size());
  if (size != 0)
    Font->SetSize(size > 0 ? std::clamp(size, MinLookFontSize, MaxLookFontSize)
                           : std::clamp(size, -MaxLookFontSize, -MinLookFontSize));
  const int charset = IniFile.ReadInteger(Section, sub(Key, "_Charset"), Font->Charset());
  if (charset >= 0 && charset <= 255) Font->SetCharset(charset);
  Font->SetColor(IniFile.ReadInteger(Section, sub(Key, "_Color"), Font->Color()));
  Font->SetStyle(
      FontStylesOfCode(IniFile.ReadInteger(Section, sub(Key, "_Style"), FontStyleCode(Font->Style()))));
}

void WriteBrushSetting(TIniFile& IniFile, const QString& Section, const QString& Key, const TBrush* Brush) {
  IniFile.WriteInteger(Section, sub(Key, "_Color"), Brush->Color());
  IniFile.WriteInteger(Section, sub(Key, "_Style"), BrushStyleCode(Brush->Style()));
}

void ReadBrushSetting(const TIniFile& IniFile, const QString& Section, const QString& Key, TBrush* Brush) {
  Brush->SetColor(IniFile.ReadInteger(Section, sub(Key, "_Color"), Brush->Color()));
  const int style = IniFile.ReadInteger(Section, sub(Key, "_Style"), BrushStyleCode(Brush->Style()));
  // Hatched brushes are not drawn by this program; an unknown code keeps the style.
  if (const auto s = BrushStyleOfCode(style)) Brush->SetStyle(*s);
}

void WritePenSetting(TIniFile& IniFile, const QString& Section, const QString& Key, const TPen* Pen) {
  IniFile.WriteInteger(Section, sub(Key, "_Color"), Pen->Color());
  IniFile.WriteInteger(Section, sub(Key, "_Style"), PenStyleCode(Pen->Style()));
  IniFile.WriteInteger(Section, sub(Key, "_Width"), Pen->Width());
  IniFile.WriteInteger(Section, sub(Key, "_Mode"), PenModeCode(Pen->Mode()));
}

void ReadPenSetting(const TIniFile& IniFile, const QString& Section, const QString& Key, TPen* Pen) {
  Pen->SetColor(IniFile.ReadInteger(Section, sub(Key, "_Color"), Pen->Color()));
  const int style = IniFile.ReadInteger(Section, sub(Key, "_Style"), PenStyleCode(Pen->Style()));
  if (const auto s = PenStyleOfCode(style)) Pen->SetStyle(*s);
  const int width = IniFile.ReadInteger(Section, sub(Key, "_Width"), Pen->Width());
  if (width >= 0) Pen->SetWidth(width);
  const int mode = IniFile.ReadInteger(Section, sub(Key, "_Mode"), PenModeCode(Pen->Mode()));
  if (const auto m = PenModeOfCode(mode)) Pen->SetMode(*m);
}
