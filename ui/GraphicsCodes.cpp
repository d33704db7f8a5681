#include "ui/GraphicsCodes.h"

#include <QFont>

namespace ui {

namespace {

template <class T>
struct TCode {
  T Value;
  int Code;
};

constexpr TCode<TPenStyle> PenStyleCodes[] = {{TPenStyle::psSolid, 0},      {TPenStyle::psDash, 1},
                                              {TPenStyle::psDot, 2},        {TPenStyle::psDashDot, 3},
                                              {TPenStyle::psDashDotDot, 4}, {TPenStyle::psClear, 5}};
constexpr TCode<TPenMode> PenModeCodes[] = {
    {TPenMode::pmCopy, 4}, {TPenMode::pmXor, 14}, {TPenMode::pmNot, 3}};
constexpr TCode<TBrushStyle> BrushStyleCodes[] = {{TBrushStyle::bsSolid, 0}, {TBrushStyle::bsClear, 1}};

// Each font style with its bit in the code and its attribute of a Qt font.
struct TFontStyleCode {
  TFontStyle Style;
  int Code;
  void (QFont::*Set)(bool);
  bool (QFont::*Get)() const;
};
const TFontStyleCode FontStyleCodes[] = {{fsBold, 1, &QFont::setBold, &QFont::bold},
                                         {fsItalic, 2, &QFont::setItalic, &QFont::italic},
                                         {fsUnderline, 4, &QFont::setUnderline, &QFont::underline},
                                         {fsStrikeOut, 8, &QFont::setStrikeOut, &QFont::strikeOut}};

template <class T, std::size_t N>
int CodeOf(const TCode<T> (&Codes)[N], T Value) {
  for (const auto& c : Codes)
    if (c.Value == Value) return c.Code;
  return Codes[0].Code; // every enumerator has its code; this is never reached
}

template <class T, std::size_t N>
std::optional<T> ValueOf(const TCode<T> (&Codes)[N], int Code) {
  for (const auto& c : Codes)
    if (c.Code == Code) return c.Value;
  return std::nullopt;
}

} // namespace

int PenStyleCode(TPenStyle Style) { return CodeOf(PenStyleCodes, Style); }
std::optional<TPenStyle> PenStyleOfCode(int Code) { return ValueOf(PenStyleCodes, Code); }
int PenModeCode(TPenMode Mode) { return CodeOf(PenModeCodes, Mode); }
std::optional<TPenMode> PenModeOfCode(int Code) { return ValueOf(PenModeCodes, Code); }
int BrushStyleCode(TBrushStyle Style) { return CodeOf(BrushStyleCodes, Style); }
std::optional<TBrushStyle> BrushStyleOfCode(int Code) { return ValueOf(BrushStyleCodes, Code); }

int FontStyleCode(TFontStyles Styles) {
  int code = 0;
  for (const auto& s : FontStyleCodes)
    if (Styles & s.Style) code |= s.Code;
  return code;
}

TFontStyles FontStylesOfCode(int Code) {
  TFontStyles styles = 0;
  for (const auto& s : FontStyleCodes)
    if (Code & s.Code) styles |= s.Style;
  return styles;
}

void SetQFontStyles(QFont& Font, TFontStyles Styles) {
  for (const auto& s : FontStyleCodes) (Font.*s.Set)((Styles & s.Style) != 0);
}

TFontStyles QFontStyles(const QFont& Font) {
  TFontStyles styles = 0;
  for (const auto& s : FontStyleCodes)
    if ((Font.*s.Get)()) styles |= s.Style;
  return styles;
}

} // namespace ui
