#include "editor/RepositoryGraphics.h"

#include "ui/GraphicsCodes.h"

TFontValue FontValue(const ui::TFont& Font) {
  TFontValue v;
  v.Name = Font.Name();
  v.Height = Font.Height();
  v.Size = Font.Size();
  v.Charset = Font.Charset();
  v.Color = Font.Color();
  v.Pitch = 0;
  v.Style = ui::FontStyleCode(Font.Style());
  return v;
}

TBrushValue BrushValue(const ui::TBrush& Brush) {
  return TBrushValue{Brush.Color(), ui::BrushStyleCode(Brush.Style())};
}

TPenValue PenValue(const ui::TPen& Pen) {
  return TPenValue{Pen.Color(), ui::PenStyleCode(Pen.Style()), Pen.Width(), ui::PenModeCode(Pen.Mode())};
}

void AssignFontValue(ui::TFont& Font, const TFontValue& Value) {
  ui::TFont font;
  font.Assign(&Font);
  font.SetName(Value.Name);
  font.SetHeight(Value.Height);
  font.SetSize(Value.Size);
  font.SetCharset(Value.Charset);
  font.SetColor(Value.Color);
  font.SetStyle(ui::FontStylesOfCode(Value.Style));
  Font.Assign(&font); // one change notification
}

void AssignBrushValue(ui::TBrush& Brush, const TBrushValue& Value) {
  ui::TBrush brush;
  brush.SetColor(Value.Color);
  brush.SetStyle(ui::BrushStyleOfCode(Value.Style).value_or(ui::TBrushStyle::bsSolid));
  Brush.Assign(&brush);
}

void AssignPenValue(ui::TPen& Pen, const TPenValue& Value) {
  ui::TPen pen;
  pen.SetColor(Value.Color);
  pen.SetStyle(ui::PenStyleOfCode(Value.Style).value_or(ui::TPenStyle::psSolid));
  pen.SetWidth(Value.Width);
  pen.SetMode(ui::PenModeOfCode(Value.Mode).value_or(ui::TPenMode::pmCopy));
  Pen.Assign(&pen);
}
