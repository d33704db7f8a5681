#include "ui/Control.h"

#include "ui/Desktop.h"

namespace ui {

TControl::TControl(TComponent* Owner) : TComponent(Owner) {}

TControl::~TControl() {
  if (FParent) FParent->RemoveControl(this);
  FParent = nullptr;
}

void TControl::SetParent(TDesktop* Value) {
  if (Value == FParent) return;
  if (FParent) {
    Invalidate();
    FParent->RemoveControl(this);
  }
  FParent = Value;
  if (FParent) {
    FParent->InsertControl(this);
    Invalidate();
  }
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  const TRect old = BoundsRect();
  Invalidate();
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  Invalidate();
  try {
    Resize();
  } catch (...) {
    Invalidate();
    FLeft = old.Left;
    FTop = old.Top;
    FWidth = old.Width();
    FHeight = old.Height();
    Invalidate();
    throw;
  }
}

void TControl::SetVisible(bool Value) {
  if (Value == FVisible) return;
  if (FVisible) Invalidate();
  FVisible = Value;
  if (FVisible) Invalidate();
}

void TControl::SetCursor(TCursor Value) {
  if (Value == FCursor) return;
  FCursor = Value;
  if (FParent) FParent->ControlCursorChanged(this);
}

void TControl::ChangeScale(int M, int D) {
  SetBounds(MulDiv(FLeft, M, D), MulDiv(FTop, M, D), MulDiv(FWidth, M, D), MulDiv(FHeight, M, D));
}

void TControl::Invalidate() {
  if (FParent && FVisible) FParent->InvalidateRect(BoundsRect());
}

void TControl::BringToFront() {
  if (FParent) {
    FParent->MoveControl(this, true);
    Invalidate();
  }
}

void TControl::SendToBack() {
  if (FParent) {
    FParent->MoveControl(this, false);
    Invalidate();
  }
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick) OnDblClick(this);
}

void TControl::Resize() {
  if (OnResize) OnResize(this);
}

} // namespace ui
