#pragma once
// Between the drawing layer's pen, brush and font and the values the schema store keeps.
// The store's numbers for styles and modes are those of the file, ui/GraphicsCodes.h.

#include "editor/RepositoryValues.h"
#include "ui/Graphics.h"

TFontValue FontValue(const ui::TFont& Font);
TBrushValue BrushValue(const ui::TBrush& Brush);
TPenValue PenValue(const ui::TPen& Pen);

// Sets the drawing object from a stored value; a font's size, set after its height, decides.
// Styles and modes the drawing layer lacks become solid and copy.
void AssignFontValue(ui::TFont& Font, const TFontValue& Value);
void AssignBrushValue(ui::TBrush& Brush, const TBrushValue& Value);
void AssignPenValue(ui::TPen& Pen, const TPenValue& Value);
