#pragma once
// A windowless control: a component with integer bounds relative to its desktop, drawn by
// the desktop on its own surface. It paints through its canvas, receives mouse events in its
// own coordinates while the desktop routes them to it, and hears of every change of its
// position or size through Resize (OnResize).

#include "ui/Canvas.h"
#include "ui/Component.h"
#include "ui/Types.h"

#include <QString>

namespace ui {

class TDesktop;

class TControl : public TComponent {
public:
  explicit TControl(TComponent* Owner);
  ~TControl() override;

  TDesktop* Parent() const { return FParent; }
  // Puts the control on a desktop (on top of its controls) or takes it off (null).
  virtual void SetParent(TDesktop* Value);

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // Left, top, left + width, top + height.
  TRect BoundsRect() const { return TRect{FLeft, FTop, FLeft + FWidth, FTop + FHeight}; }
  TRect ClientRect() const { return TRect{0, 0, FWidth, FHeight}; }
  // Stores the bounds; when any of them changed, repaints the old and the new area and
  // calls Resize. When Resize throws, the previous bounds are restored and the exception
  // passes on.
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
  void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
  void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
  void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }

  bool Visible() const { return FVisible; }
  virtual void SetVisible(bool Value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value) { FEnabled = Value; }
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  const QString& Hint() const { return FHint; }
  void SetHint(const QString& Value) { FHint = Value; }

  // Scales position and size by M / D (integer multiply-then-divide, rounded).
  virtual void ChangeScale(int M, int D);

  // Schedules a repaint of the control's area (nothing while it has no desktop).
  void Invalidate();
  // Same as Invalidate: the desktop repaints on its next paint cycle.
  void Repaint() { Invalidate(); }

  // Moves the control to the top or the bottom of its desktop's painting order.
  void BringToFront();
  void SendToBack();

  // The control's canvas: during painting it draws onto the desktop, the image or the page
  // at the control's place; otherwise it only measures text.
  TCanvas* Canvas() { return &FCanvas; }

  // Hit test in own coordinates; a control answers for its whole rectangle by default.
  virtual bool HitTest(int X, int Y) { return true; }

  // Called once the control was fully loaded (after its properties were set by a reader).
  virtual void Loaded() {}

  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnResize;

  // Entry points for the desktop (coordinates are the control's own).
  void DoMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) { MouseDown(Button, Shift, X, Y); }
  void DoMouseMove(TShiftState Shift, int X, int Y) { MouseMove(Shift, X, Y); }
  void DoMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) { MouseUp(Button, Shift, X, Y); }
  void DoClick() { Click(); }
  void DoDblClick() { DblClick(); }
  void DoPaint() { Paint(); }

protected:
  virtual void Paint() {}
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void Click();
  virtual void DblClick();
  // After every change of position or size.
  virtual void Resize();

private:
  friend class TDesktop;
  // The field that holds a control's slot in its desktop's list.
  static std::size_t& ParentSlot(const TComponent* Control) {
    return static_cast<const TControl*>(Control)->FParentSlot;
  }

  TDesktop* FParent = nullptr;
  mutable std::size_t FParentSlot = 0;
  int FLeft = 0;
  int FTop = 0;
  int FWidth = 0;
  int FHeight = 0;
  bool FVisible = true;
  bool FEnabled = true;
  TCursor FCursor = crDefault;
  QString FHint;
  TCanvas FCanvas;
};

} // namespace ui
