#pragma once
// Font, brush and pen as the schema store keeps them: plain values, copied in and copied out,
// so that nothing read from the store is shared with it or needs freeing. Colours are 32-bit
// $00BBGGRR values; a value with the top bit set names a system colour.

#include <QString>
#include <cstdint>

struct TFontValue {
  QString Name;
  int Height = 0;  // pixels; negative gives the character height
  int Size = 0;    // points
  int Charset = 1; // 238 is central European
  int32_t Color = 0;
  int Pitch = 0; // 0 default, 1 variable, 2 fixed
  int Style = 0; // the font style code of ui/GraphicsCodes.h
  friend bool operator==(const TFontValue&, const TFontValue&) = default;
};

struct TBrushValue {
  int32_t Color = 0xFFFFFF;
  int Style = 0; // the brush style code of ui/GraphicsCodes.h; hatches (2 to 7) are kept as read
  friend bool operator==(const TBrushValue&, const TBrushValue&) = default;
};

struct TPenValue {
  int32_t Color = 0;
  int Style = 0; // the pen style code of ui/GraphicsCodes.h; 6 (inside frame) is kept as read
  int Width = 1;
  int Mode = 4; // the pen mode code of ui/GraphicsCodes.h: copy
  friend bool operator==(const TPenValue&, const TPenValue&) = default;
};
