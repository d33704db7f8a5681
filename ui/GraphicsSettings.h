// Fonts, brushes and pens in the settings file: a font key stands for the five keys
// Key_Name, Key_Size, Key_Charset, Key_Color and Key_Style, a brush key for Key_Color and
// Key_Style, a pen key for Key_Color, Key_Style, Key_Width and Key_Mode. Readers take the
// object's current value as the default of every sub-key. The numbers of styles and modes
// are those of ui/GraphicsCodes.h.
#pragma once

#include "ui/Graphics.h"

class TIniFile;
class QString;

// The font sizes, in points, that a look read from the file may have: the smallest that stays
// readable and the largest the font dialog offers.
inline constexpr int MinLookFontSize = 6;
inline constexpr int MaxLookFontSize = 512;

void WriteFontSetting(TIniFile& IniFile, const QString& Section, const QString& Key, const ui::TFont* Font);
void ReadFontSetting(const TIniFile& IniFile, const QString& Section, const QString& Key, ui::TFont* Font);
void WriteBrushSetting(TIniFile& IniFile, const QString& Section, const QString& Key,
                       const ui::TBrush* Brush);
void ReadBrushSetting(const TIniFile& IniFile, const QString& Section, const QString& Key, ui::TBrush* Brush);
void WritePenSetting(TIniFile& IniFile, const QString& Section, const QString& Key, const ui::TPen* Pen);
void ReadPenSetting(const TIniFile& IniFile, const QString& Section, const QString& Key, ui::TPen* Pen);
