#pragma once
// A drawable element with its own pen and brush (whose changes repaint it), a selected
// state, a 3-D look and the handle box that currently follows it.

#include "diagram/MorvikAbstract.h"
#include "ui/Graphics.h"

class TResizer;

class TMorvikGraphic : public TMorvikAbstract {
public:
  explicit TMorvikGraphic(ui::TComponent* Owner);
  ~TMorvikGraphic() override;

  bool Selected() const { return FSelected; }
  // Stores the value and shows it (MySelect), also when it did not change.
  void SetSelected(const bool Value);
  bool Effect3D() const { return FEffect3D; }
  void SetEffect3D(const bool Value);

  ui::TPen* Pen() { return &FPen; }
  const ui::TPen* Pen() const { return &FPen; }
  ui::TBrush* Brush() { return &FBrush; }
  const ui::TBrush* Brush() const { return &FBrush; }
  // Copy the attributes into the element's own pen or brush.
  void SetPen(const ui::TPen* Value);
  void SetBrush(const ui::TBrush* Value);

  // The handle box following this element (not owned), or null.
  TResizer* Resizer() const { return FResizer; }
  void SetResizer(TResizer* Value);

  // Copies brush, pen and the 3-D look of another graphic element.
  void Assign(const ui::TPersistent* Source) override;

  // Tells the handle box (if any) that this element moved or changed size.
  void TellHimAboutMyChange();

  // Straight line on the element's canvas with the canvas pen (end pixel left out).
  void Line(const int X1, const int Y1, const int X2, const int Y2);

  // True only for entry points (the one kind a box accepts as its entry point).
  virtual bool IsEntryPoint() const { return false; }

  // Brings the element up to date with what it depends on and repaints it (lines re-route,
  // entry points follow their box); by default only repaints.
  virtual void TryRepaint() { Invalidate(); }

  virtual void MySelect() = 0;
  virtual void RepaintRequest(ui::TObject* Sender);
  virtual void PenChanged(ui::TObject* Sender);
  virtual void BrushChanged(ui::TObject* Sender);
  // Does the element lie in a selection rectangle?
  virtual bool IsInRect(const ui::TRect& Rect) = 0;

protected:
  void Notification(ui::TComponent* AComponent, ui::TOperation Operation) override;
  // The element's canvas carrying the element's own pen and brush, ready to paint.
  ui::TCanvas* CanvasWithOwnTools();
  // Readies a print canvas: a black, solid, copying pen and a solid brush of BrushColor.
  static void SetPrintTools(ui::TCanvas* Canvas, ui::TColor BrushColor);
  // A metric at a zoom step of M / D that never drops to 0 (a minimum size, an anchor).
  static int ScaleNeverZero(int Value, int M, int D);

private:
  bool FSelected = false;
  bool FEffect3D = false;
  ui::TPen FPen; // destroyed after the brush
  ui::TBrush FBrush;
  TResizer* FResizer = nullptr;
};
