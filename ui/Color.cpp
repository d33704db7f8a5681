#include "ui/Color.h"

namespace ui {

TColor ColorToRGB(TColor Color) {
  if ((Color & clSystemColor) == 0) return Color & 0x00FFFFFF;
  switch (Color & 0xFF) {
    case 5: return 0xFFFFFF;  // window
    case 6: return 0x646464;  // window frame
    case 8: return 0x000000;  // window text
    case 9: return 0xFFFFFF;  // caption text
    case 13: return 0xD77800; // highlight
    case 14: return 0xFFFFFF; // highlight text
    case 15: return 0xF0F0F0; // button face
    case 16: return 0xA0A0A0; // button shadow
    case 18: return 0x000000; // button text
    case 20: return 0xFFFFFF; // button highlight
    default: return 0x000000;
  }
}

QColor ColorToQColor(TColor Color) {
  const TColor c = ColorToRGB(Color);
  return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

TColor QColorToColor(const QColor& Color) {
  return static_cast<TColor>(Color.red() | (Color.green() << 8) | (Color.blue() << 16));
}

TColor RgbToColor(unsigned int Rgb) {
  return static_cast<TColor>(((Rgb >> 16) & 0xFF) | (Rgb & 0xFF00) | ((Rgb & 0xFF) << 16));
}

} // namespace ui
