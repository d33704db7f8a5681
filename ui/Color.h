#pragma once
// Colours as 32-bit values $00BBGGRR; values with the top bit set name system colours.

#include <QColor>
#include <cstdint>

namespace ui {

using TColor = int32_t;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;

// System colours (index in the low byte).
constexpr TColor clSystemColor = static_cast<TColor>(0x80000000u);
constexpr TColor clWindow = clSystemColor | 5;
constexpr TColor clWindowFrame = clSystemColor | 6;
constexpr TColor clWindowText = clSystemColor | 8;
constexpr TColor clCaptionText = clSystemColor | 9;
constexpr TColor clHighlight = clSystemColor | 13;
constexpr TColor clHighlightText = clSystemColor | 14;
constexpr TColor clBtnFace = clSystemColor | 15;
constexpr TColor clBtnShadow = clSystemColor | 16;
constexpr TColor clBtnText = clSystemColor | 18;
constexpr TColor clBtnHighlight = clSystemColor | 20;

// Resolves a system colour to its fixed $00BBGGRR value; other values pass unchanged
// (the unused top byte is cleared).
TColor ColorToRGB(TColor Color);
// $00BBGGRR to an opaque QColor (system colours resolved first).
QColor ColorToQColor(TColor Color);
// QColor to $00BBGGRR (alpha dropped).
TColor QColorToColor(const QColor& Color);
// The same for a QRgb value as read from a QImage pixel.
TColor RgbToColor(unsigned int Rgb);

} // namespace ui
