#include "editor/RepositoryGraphics.h"

namespace {

// File ordinals of the pen modes the drawing layer has.
constexpr int ModeNot = 3;
constexpr int ModeCopy = 4;
constexpr int ModeXor = 14;

} // namespace

TFontValue FontValue(const ui::TFont& Font) {
  TFontValue v;
  v.Name = Font.Name();
  v.Height = Font.Height();
  v.Size = Font.Size();
  v.Charset = Font.Charset();
  v.Color = Font.Color();
  v.Pitch = 0;
  v.Style = static_cast<int>(Font.Style() & 0xF);
  return v;
}

TBrushValue BrushValue(const ui::TBrush& Brush) {
  return TBrushValue{Brush.Color(), Brush.Style() == ui::TBrushStyle::bsClear ? 1 : 0};
}

TPenValue PenValue(const ui::TPen& Pen) {
  int mode = ModeCopy;
  if (Pen.Mode() == ui::TPenMode::pmXor) mode = ModeXor;
  if (Pen.Mode() == ui::TPenMode::pmNot) mode = ModeNot;
  return TPenValue{Pen.Color(), static_cast<int>(Pen.Style()), Pen.Width(), mode};
}

void AssignFontValue(ui::TFont& Font, const TFontValue& Value) {
  ui::TFont font;
  font.Assign(&Font);
  font.SetName(Value.Name);
  font.SetHeight(Value.Height);
  font.SetSize(Value.Size);
  font.SetCharset(Value.Charset);
  font.SetColor(Value.Color);
  font.SetStyle(static_cast<ui::TFontStyles>(Value.Style) & 0xF);
  Font.Assign(&font); // one change notification
}

void AssignBrushValue(ui::TBrush& Brush, const TBrushValue& Value) {
  ui::TBrush brush;
  brush.SetColor(Value.Color);
  brush.SetStyle(Value.Style == 1 ? ui::TBrushStyle::bsClear : ui::TBrushStyle::bsSolid);
  Brush.Assign(&brush);
}

void AssignPenValue(ui::TPen& Pen, const TPenValue& Value) {
  ui::TPen pen;
  pen.SetColor(Value.Color);
  pen.SetStyle(Value.Style >= 0 && Value.Style <= 5 ? static_cast<ui::TPenStyle>(Value.Style)
                                                    : ui::TPenStyle::psSolid);
  pen.SetWidth(Value.Width);
  pen.SetMode(Value.Mode == ModeXor   ? ui::TPenMode::pmXor
              : Value.Mode == ModeNot ? ui::TPenMode::pmNot
                                      : ui::TPenMode::pmCopy);
  Pen.Assign(&pen);
}
