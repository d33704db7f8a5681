#include "diagram/Entity.h"

#include "ui/ImageList.h"

#include <algorithm>

namespace {

const QString kDeltaSample = QStringLiteral("Xy\u0160");

// Key rows are bold, every other row is not, whatever the entity's own font says.
ui::TFontStyles RowStyle(ui::TFontStyles Regular, const TAttributeRecord& Row) {
  return Row.Value != 0 ? (Regular | ui::fsBold) : (Regular & ~ui::fsBold);
}

} // namespace

TEntity::TEntity(ui::TComponent* Owner) : TRectangle(Owner), FAttributes(new TAttributes) {
  Brush()->SetColor(0xC0C0C0);
  SetEffect3D(true);
  FAttributes->OnChange = [this](ui::TObject* Sender) { MyOnChangeAttributes(Sender); };
}

TEntity::~TEntity() { FAttributes->OnChange = nullptr; }

template <typename T>
void TEntity::Store(T& Field, const T& Value, bool Repaint) {
  if (Value == Field) return;
  Field = Value;
  SetSize(Repaint);
}

void TEntity::SetCaption(const QString& Value) { Store(FCaption, Value, true); }

void TEntity::SetAutoSize(bool Value) { Store(FAutoSize, Value, true); }

void TEntity::SetDrawAll(bool Value) { Store(FDrawAll, Value, false); }

void TEntity::SetDrawProperty(bool Value) { Store(FDrawProperty, Value, false); }

void TEntity::SetEntityType(TEntityType Value) { Store(FEntityType, Value, true); }

void TEntity::SetImages(ui::TImageList* Value) {
  if (Value == FImages) return;
  FImages = Value;
  if (FImages) FImages->FreeNotification(this);
  SetSize(true);
}

void TEntity::CountNewDelta() {
  ui::TCanvas* c = Canvas();
  c->Font()->Assign(Font());
  FDelta = c->TextHeight(kDeltaSample) + 2;
}

void TEntity::CountNewWidthAndHeight(int& AWidth, int& AHeight) {
  ui::TCanvas* c = Canvas();
  c->Font()->Assign(Font());
  CountNewDelta();
  const int T = FToggleSize, M = FMargin, E = FExtraHeight;
  AWidth = c->TextWidth(FCaption) + M;
  if (FEntityType != TEntityType::etNone) AWidth += 8;
  AHeight = c->TextHeight(FCaption) + T + M;
  if (FDrawAll) {
    AHeight = T + E + (FAttributes->Count() + 1) * FDelta;
    if (FImages) AWidth += FImages->Width() + 6;
    int nameMax = 0, propMax = 0;
    const ui::TFontStyles regular = Font()->Style();
    for (const TAttributeRecord& r : FAttributes->Items()) {
      c->Font()->SetStyle(RowStyle(regular, r));
      nameMax = std::max(nameMax, c->TextWidth(r.Name));
      propMax = std::max(propMax, c->TextWidth(r.Property));
    }
    c->Font()->SetStyle(regular);
    const int I = FImages ? FImages->Width() + 6 : 0;
    if (FDrawProperty)
      AWidth = std::max(AWidth, nameMax + propMax + T + E + I);
    else
      AWidth = std::max(AWidth, nameMax + T + E + I);
  }
  AWidth = std::max(AWidth, FMinWidth);
  AHeight = std::max(AHeight, FMinHeight);
}

void TEntity::SetSize(bool Repaint) {
  if (FAutoSize) {
    int w = 0, h = 0;
    CountNewWidthAndHeight(w, h);
    SetBounds(Left(), Top(), w, h);
    TellHimAboutMyChange();
  }
  KeepMinimumSize(FMinWidth, FMinHeight);
  if (Repaint || !FAutoSize) Invalidate();
}

int TEntity::GetAttributeIndex(const QString& Name) const {
  const auto& items = FAttributes->Items();
  for (size_t i = 0; i < items.size(); ++i)
    if (items[i].Name == Name) return static_cast<int>(i);
  return -1;
}

void TEntity::CustomClick(int X, int Y) {
  FClickPoint = ui::TPoint{X, Y};
  Click();
}

void TEntity::Loaded() {
  TRectangle::Loaded();
  SetSize(false);
  MyMoveAndResize(this);
}

void TEntity::RepaintRequest(ui::TObject* Sender) { SetSize(false); }
void TEntity::FontChanged(ui::TObject* Sender) { SetSize(false); }

void TEntity::MyMoveAndResize(ui::TObject* Sender) {
  TRectangle::MyMoveAndResize(Sender);
  SetSize(false);
}

void TEntity::MyOnChangeAttributes(ui::TObject* Sender) { SetSize(false); }

void TEntity::MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) {
  FClickPoint = ui::TPoint{X, Y};
  TRectangle::MouseDown(Button, Shift, X, Y);
}

void TEntity::Click() {
  const int T = FToggleSize;
  if (FClickPoint.x >= 0 && FClickPoint.x <= T && FClickPoint.y >= 0 && FClickPoint.y <= T)
    SetDrawAll(!FDrawAll);
  TRectangle::Click();
}

void TEntity::Notification(ui::TComponent* AComponent, ui::TOperation Operation) {
  TRectangle::Notification(AComponent, Operation);
  if (Operation == ui::TOperation::opRemove && FImages && static_cast<ui::TComponent*>(FImages) == AComponent)
    FImages = nullptr;
}

void TEntity::ChangeScale(int M, int D) {
  FMinWidth = ScaleNeverZero(FMinWidth, M, D);
  FMinHeight = ScaleNeverZero(FMinHeight, M, D);
  TRectangle::ChangeScale(M, D);
  ScaleFont(M, D);
  FToggleSize = ui::MulDiv(FToggleSize, M, D);
  FMargin = ui::MulDiv(FMargin, M, D);
  FExtraHeight = ui::MulDiv(FExtraHeight, M, D);
  SetSize(true);
}

void TEntity::AdjustScaling(const int FontSize) {
  TRectangle::AdjustScaling(FontSize); // the font size, when one is given
  FToggleSize = DefToggleSize;
  FMargin = DefMargin;
  FExtraHeight = DefExtraHeight;
  FMinWidth = DefMinWidth;
  FMinHeight = DefMinHeight;
  SetSize(true);
}

void TEntity::Paint() {
  ui::TCanvas* c = CanvasWithOwnTextTools();
  CountNewDelta();
  const int W = Width(), H = Height();
  const int T = FToggleSize, M = FMargin;
  c->FillRect(ui::Rect(0, 0, W - 1, H - 1));

  const auto& rows = FAttributes->Items();
  if (FDrawAll && !rows.empty()) {
    c->TextOut((W - c->TextWidth(FCaption)) / 2, T, FCaption);
    const int sy = T + FDelta + 5;
    const ui::TColor penColor = c->Pen()->Color();
    c->Pen()->SetColor(ui::clGray);
    c->MoveTo(1, sy);
    c->LineTo(W - 1, sy);
    if (Effect3D()) {
      c->Pen()->SetColor(ui::clWhite);
      c->MoveTo(1, sy + 1);
      c->LineTo(W - 1, sy + 1);
    }
    c->Pen()->SetColor(penColor);

    const int nameX = FImages ? FImages->Width() + M / 2 + 4 : M / 2;
    DrawRows(c, 6, FImages ? FImages->Width() : 0, FImages ? FImages->Height() : 0, nameX, T + FDelta + 11,
             FDelta, 5);
  } else {
    c->TextOut((W - c->TextWidth(FCaption)) / 2, (H - c->TextHeight(FCaption)) / 2, FCaption);
  }

  c->Pen()->SetColor(ui::clBlack);
  DrawCornerMark(c);
  DrawBorder();
  DrawToggleBox(c);
}

void TEntity::DrawRows(ui::TCanvas* C, int IconX, int IconWidth, int IconHeight, int NameX, int FirstY,
                       int Delta, int Gap) {
  const ui::TFontStyles regular = Font()->Style();
  const auto& rows = FAttributes->Items();
  int nameMax = 0;
  int y = FirstY;
  for (const TAttributeRecord& r : rows) {
    C->Font()->SetStyle(RowStyle(regular, r));
    if (r.Value > 0 && FImages)
      FImages->StretchDraw(C, ui::Rect(IconX, y, IconX + IconWidth, y + IconHeight), r.Value - 1, true);
    C->TextOut(NameX, y, r.Name);
    nameMax = std::max(nameMax, C->TextWidth(r.Name));
    y += Delta;
  }
  if (FDrawProperty) {
    y = FirstY;
    for (const TAttributeRecord& r : rows) {
      C->Font()->SetStyle(RowStyle(regular, r));
      C->TextOut(NameX + nameMax + Gap, y, r.Property);
      y += Delta;
    }
  }
  C->Font()->SetStyle(regular);
}

void TEntity::DrawCornerMark(ui::TCanvas* C) {
  const int W = Width(), T = FToggleSize;
  switch (FEntityType) {
    case TEntityType::etNone: break;
    case TEntityType::etKernel: C->Rectangle(W - T - 2, 4, W - 4, T + 2); break;
    case TEntityType::etCharacteric:
      C->Rectangle(W - 4 - T - T / 2, 4, W - 4 - T / 2, T + 4);
      C->Rectangle(W - 4 - T, 4 + T / 2, W - 4, 4 + T + T / 2);
      break;
    case TEntityType::etAssociative:
      C->Polyline({{W - 4 - T / 2, 4},
                   {W - 4, 4 + T / 2},
                   {W - 4 - T / 2, 4 + T},
                   {W - 4 - T, 4 + T / 2},
                   {W - 4 - T / 2, 4}});
      break;
  }
}

void TEntity::DrawToggleBox(ui::TCanvas* C) {
  const int T = FToggleSize;
  C->Pen()->SetColor(ui::clBlack);
  C->Rectangle(0, 0, T, T);
  if (Effect3D()) {
    C->Pen()->SetColor(ui::clGray);
    C->MoveTo(T - 2, 2);
    C->LineTo(T - 2, T - 2);
    C->LineTo(1, T - 2);
    C->Pen()->SetColor(ui::clWhite);
    C->LineTo(1, 1);
    C->LineTo(T - 1, 1);
    C->Pen()->SetColor(ui::clBlack);
  }
  if (T >= 5) {
    C->Brush()->SetColor(ui::clBlack);
    C->Brush()->SetStyle(ui::TBrushStyle::bsSolid);
    if (FDrawAll)
      C->Polygon({{3, 3}, {T - 4, 3}, {T / 2, T - 4}});
    else
      C->Polygon({{3, T - 4}, {T - 4, T - 4}, {T / 2, 3}});
  }
}

void TEntity::PaintSelfToPrintCanvas(const int MulX, const int MulY, const int DivX, const int DivY,
                                     const int X, const int Y, ui::TCanvas* Canvas) {
  if (!Canvas) return;
  auto sx = [&](int h) { return ui::MulDiv(h, MulX, DivX); };
  auto sy = [&](int v) { return ui::MulDiv(v, MulY, DivY); };
  const int x0 = X * MulX / DivX, y0 = Y * MulY / DivY;
  const int w = Width() * MulX / DivX, h = Height() * MulY / DivY;
  const int T = FToggleSize, M = FMargin;

  SetPrintTextTools(Canvas, MulY, DivY);
  Canvas->Rectangle(x0, y0, x0 + w, y0 + h);
  const int delta = Canvas->TextHeight(kDeltaSample) + sy(2);

  const auto& rows = FAttributes->Items();
  if (FDrawAll && !rows.empty()) {
    Canvas->TextOut(x0 + (w - Canvas->TextWidth(FCaption)) / 2, y0 + sy(T), FCaption);
    const int lineY = y0 + sy(T) + delta + sy(5);
    Canvas->MoveTo(x0, lineY);
    Canvas->LineTo(x0 + w, lineY);
    // The key icons grow with the printer's resolution, as the text does.
    const int iconWidth = FImages ? sx(FImages->Width()) : 0,
              iconHeight = FImages ? sy(FImages->Height()) : 0;
    const int nameX = x0 + sx(M) / 2 + (FImages ? iconWidth + sx(4) : 0);
    DrawRows(Canvas, x0 + sx(6), iconWidth, iconHeight, nameX, y0 + sy(T) + sy(11) + delta, delta, sx(5));
  } else {
    Canvas->TextOut(x0 + (w - Canvas->TextWidth(FCaption)) / 2, y0 + (h - Canvas->TextHeight(FCaption)) / 2,
                    FCaption);
  }
}
