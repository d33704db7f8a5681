#include "diagram/MorvikGraphic.h"

#include "diagram/Resizer.h"

TMorvikGraphic::TMorvikGraphic(ui::TComponent* Owner) : TMorvikAbstract(Owner) {
  FBrush.SetColor(0xFFFF00);
  FPen.OnChange = [this](ui::TObject* Sender) { PenChanged(Sender); };
  FBrush.OnChange = [this](ui::TObject* Sender) { BrushChanged(Sender); };
}

TMorvikGraphic::~TMorvikGraphic() {
  FBrush.OnChange = nullptr;
  FPen.OnChange = nullptr;
}

void TMorvikGraphic::SetSelected(const bool Value) {
  FSelected = Value;
  MySelect();
}

void TMorvikGraphic::SetEffect3D(const bool Value) {
  if (Value == FEffect3D) return;
  FEffect3D = Value;
  Invalidate();
}

void TMorvikGraphic::SetPen(const ui::TPen* Value) {
  if (Value) FPen.Assign(Value);
}

void TMorvikGraphic::SetBrush(const ui::TBrush* Value) {
  if (Value) FBrush.Assign(Value);
}

void TMorvikGraphic::SetResizer(TResizer* Value) {
  if (Value == FResizer) return;
  FResizer = Value;
  if (FResizer) FResizer->FreeNotification(this);
}

void TMorvikGraphic::Assign(const ui::TPersistent* Source) {
  const auto* src = dynamic_cast<const TMorvikGraphic*>(Source);
  if (!src) return TMorvikAbstract::Assign(Source);
  FBrush.Assign(&src->FBrush);
  FPen.Assign(&src->FPen);
  SetEffect3D(src->FEffect3D);
}

void TMorvikGraphic::TellHimAboutMyChange() {
  if (FResizer) FResizer->HostSizeChanged(this);
}

void TMorvikGraphic::Line(const int X1, const int Y1, const int X2, const int Y2) {
  Canvas()->MoveTo(X1, Y1);
  Canvas()->LineTo(X2, Y2);
}

ui::TCanvas* TMorvikGraphic::CanvasWithOwnTools() {
  ui::TCanvas* c = Canvas();
  c->Pen()->Assign(&FPen);
  c->Brush()->Assign(&FBrush);
  return c;
}

void TMorvikGraphic::SetPrintTools(ui::TCanvas* Canvas, ui::TColor BrushColor) {
  Canvas->Pen()->SetColor(ui::clBlack);
  Canvas->Pen()->SetStyle(ui::TPenStyle::psSolid);
  Canvas->Pen()->SetMode(ui::TPenMode::pmCopy);
  Canvas->Brush()->SetColor(BrushColor);
  Canvas->Brush()->SetStyle(ui::TBrushStyle::bsSolid);
}

int TMorvikGraphic::ScaleNeverZero(int Value, int M, int D) {
  const int r = ui::MulDiv(Value, M, D);
  return r == 0 ? 1 : r;
}

void TMorvikGraphic::RepaintRequest(ui::TObject* Sender) { Invalidate(); }
void TMorvikGraphic::PenChanged(ui::TObject* Sender) { Invalidate(); }
void TMorvikGraphic::BrushChanged(ui::TObject* Sender) { Invalidate(); }

void TMorvikGraphic::Notification(ui::TComponent* AComponent, ui::TOperation Operation) {
  TMorvikAbstract::Notification(AComponent, Operation);
  if (Operation == ui::TOperation::opRemove && FResizer &&
      static_cast<ui::TComponent*>(FResizer) == AComponent)
    FResizer = nullptr;
}
