// The numbers that stand for pen styles, pen modes, brush styles and font styles in the
// settings file and in schema files, written down once, and the font styles on a Qt font.
// A number that stands for nothing reads as no value; each reader decides what that keeps.
#pragma once

#include "ui/Graphics.h"

#include <optional>

class QFont;

namespace ui {

// 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 clear.
int PenStyleCode(TPenStyle Style);
std::optional<TPenStyle> PenStyleOfCode(int Code);
// 3 not, 4 copy, 14 xor.
int PenModeCode(TPenMode Mode);
std::optional<TPenMode> PenModeOfCode(int Code);
// 0 solid, 1 clear (the hatches that follow are not drawn by this program).
int BrushStyleCode(TBrushStyle Style);
std::optional<TBrushStyle> BrushStyleOfCode(int Code);
// 1 bold + 2 italic + 4 underline + 8 strikeout; other bits of a code are ignored.
int FontStyleCode(TFontStyles Styles);
TFontStyles FontStylesOfCode(int Code);

// Bold, italic, underline and strikeout of a Qt font: set exactly Styles, and read back.
void SetQFontStyles(QFont& Font, TFontStyles Styles);
TFontStyles QFontStyles(const QFont& Font);

} // namespace ui
