#include "ui/Graphics.h"

#include "ui/Exception.h"
#include "ui/GraphicsCodes.h"

#include <QFontDatabase>
#include <QFontInfo>

#include <algorithm>
#include <cstdlib>

namespace ui {

void TPersistent::Assign(const TPersistent* Source) {
  throw Exception(QStringLiteral("Tento objekt nelze přiřadit."));
}

void TGraphicsObject::Changed() {
  if (OnChange) OnChange(this);
}

void TPen::SetColor(TColor Value) {
  if (Store(FColor, Value)) Changed();
}

void TPen::SetWidth(int Value) {
  if (Store(FWidth, std::clamp(Value, 0, MaxWidth))) Changed();
}

void TPen::SetStyle(TPenStyle Value) {
  if (Store(FStyle, Value)) Changed();
}

void TPen::SetMode(TPenMode Value) {
  if (Store(FMode, Value)) Changed();
}

bool TPen::operator==(const TPen& Other) const {
  return FColor == Other.FColor && FWidth == Other.FWidth && FStyle == Other.FStyle && FMode == Other.FMode;
}

void TPen::Assign(const TPersistent* Source) {
  const auto* src = dynamic_cast<const TPen*>(Source);
  if (!src) return TGraphicsObject::Assign(Source);
  if (*this == *src) return;
  FColor = src->FColor;
  FWidth = src->FWidth;
  FStyle = src->FStyle;
  FMode = src->FMode;
  Changed();
}

void TBrush::SetColor(TColor Value) {
  if (Store(FColor, Value)) Changed();
}

void TBrush::SetStyle(TBrushStyle Value) {
  if (Store(FStyle, Value)) Changed();
}

bool TBrush::operator==(const TBrush& Other) const {
  return FColor == Other.FColor && FStyle == Other.FStyle;
}

void TBrush::Assign(const TPersistent* Source) {
  const auto* src = dynamic_cast<const TBrush*>(Source);
  if (!src) return TGraphicsObject::Assign(Source);
  if (*this == *src) return;
  FColor = src->FColor;
  FStyle = src->FStyle;
  Changed();
}

int TFont::Size() const {
  return FHeight < 0 ? -MulDiv(FHeight, 72, PixelsPerInch) : MulDiv(FHeight, 72, PixelsPerInch);
}

void TFont::FontChanged() {
  FQFontValid = false;
  Changed();
}

void TFont::SetName(const QString& Value) {
  if (Store(FName, Value)) FontChanged();
}

void TFont::SetHeight(int Value) {
  if (Store(FHeight, std::clamp(Value, -MaxHeight, MaxHeight))) FontChanged();
}

void TFont::SetSize(int Value) {
  SetHeight(-MulDiv(std::clamp(Value, -MaxSize, MaxSize), PixelsPerInch, 72));
}

void TFont::SetColor(TColor Value) {
  if (Store(FColor, Value)) Changed(); // the colour is not part of the Qt font
}

void TFont::SetCharset(int Value) {
  if (Store(FCharset, Value)) FontChanged();
}

void TFont::SetStyle(TFontStyles Value) {
  if (Store(FStyle, Value)) FontChanged();
}

bool TFont::operator==(const TFont& Other) const {
  return FName == Other.FName && FHeight == Other.FHeight && FColor == Other.FColor &&
         FCharset == Other.FCharset && FStyle == Other.FStyle;
}

void TFont::Assign(const TPersistent* Source) {
  const auto* src = dynamic_cast<const TFont*>(Source);
  if (!src) return TGraphicsObject::Assign(Source);
  if (*this == *src) return;
  const bool shapeChanged =
      FName != src->FName || FHeight != src->FHeight || FCharset != src->FCharset || FStyle != src->FStyle;
  FName = src->FName;
  FHeight = src->FHeight;
  FColor = src->FColor;
  FCharset = src->FCharset;
  FStyle = src->FStyle;
  if (shapeChanged) FQFontValid = false;
  Changed();
}

const QFont& TFont::ToQFont() const {
  if (!FQFontValid) {
    QFont f(FName);
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(std::max(1, std::abs(FHeight)));
    SetQFontStyles(f, FStyle);
    FQFont = f;
    FQFontValid = true;
  }
  return FQFont;
}

namespace {

// The family's own name of the style with the font's weight and slant, or nothing.
QString FamilyStyle(const QString& Family, const QFont& F) {
  for (const QString& style : QFontDatabase::styles(Family))
    if (QFontDatabase::weight(Family, style) == F.weight() &&
        QFontDatabase::italic(Family, style) == F.italic())
      return style;
  return QString();
}

} // namespace

QFont ToDialogFont(const TFont* Font) {
  // The dialog lists the installed families: it starts on the one that draws the name
  // ("Arial" is drawn in its metric-compatible stand-in).
  const QString family = QFontInfo(Font->ToQFont()).family();
  QFont f(family);
  f.setPointSize(qMax(1, Font->Size()));
  SetQFontStyles(f, Font->Style());
  // The dialog finds its style entry by name. The name Qt makes up from a weight is
  // translated ("Normal" in Czech) and no family lists it, so the dialog would take its
  // first entry, often Bold: it gets the family's own name of the style.
  const QString style = FamilyStyle(family, f);
  if (!style.isEmpty()) f.setStyleName(style);
  return f;
}

void FromDialogFont(const QFont& F, TFont* Font) {
  // What the dialog returns as it started stays as stored: the name, and a height that
  // whole points only approximate.
  const QFont start = ToDialogFont(Font);
  if (F.family() != start.family()) Font->SetName(F.family());
  const int size = F.pointSize() > 0 ? F.pointSize() : MulDiv(F.pixelSize(), 72, TFont::PixelsPerInch);
  if (size != start.pointSize()) Font->SetSize(size);
  Font->SetStyle(QFontStyles(F));
}

} // namespace ui
