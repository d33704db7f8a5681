#pragma once
// A box element: filled rectangle with a black border, optional 3-D bevel, its own font,
// the slots of the lines attached to it and at most one entry point.

#include "diagram/MorvikGraphic.h"
#include "ui/Graphics.h"

#include <vector>

class TLine;

class TRectangle : public TMorvikGraphic {
public:
  explicit TRectangle(ui::TComponent* Owner);
  ~TRectangle() override;

  // Line slots: never compacted, so a line's slot index stays valid for its lifetime.
  int InsertLine(TLine* Line);
  // Content of slot Index (null for an empty slot); raises error 9 outside the slots.
  TLine* GetLine(int Index) const;
  void RemoveLine(TLine* Line, int Index);
  // Destroys every attached line, in slot order.
  void FreeAllLines();
  int LineCount() const { return FLineCount; }
  int SlotCount() const { return static_cast<int>(FLines.size()); }

  TMorvikGraphic* EntryPoint() const { return FEntryPoint; }
  // Raises error 1 when an entry point is set, error 2 when Value is not an entry point.
  void SetEntryPoint(TMorvikGraphic* Value);
  // Forgets the entry point (does not destroy it).
  void DeleteEntryPoint();

  ui::TFont* Font() { return &FFont; }
  const ui::TFont* Font() const { return &FFont; }
  // Copies the font's attributes and repaints.
  void SetFont(const ui::TFont* Value);

  bool IsInRect(const ui::TRect& Rect) override;
  void MySelect() override;
  void Assign(const ui::TPersistent* Source) override;
  void AdjustScaling(const int FontSize) override;
  // The attached lines hold their anchors while the box and they are scaled.
  void ChangeScale(int M, int D) override;

  // May a user resize the box by its handles, or move it?
  virtual bool CanResize() const { return true; }
  virtual bool CanMove() const { return true; }
  // The smallest size a resize by the handles leaves.
  virtual int MinWidth() const { return 0; }
  virtual int MinHeight() const { return 0; }

  // After every change of position or size: the lines and the entry point follow.
  virtual void MyMoveAndResize(ui::TObject* Sender);
  virtual void FontChanged(ui::TObject* Sender);

protected:
  void Paint() override;
  // Black border (and bevel with Effect3D) with the canvas pen; the element's own pen is
  // left untouched.
  void DrawBorder();
  // The element's canvas carrying its own pen, brush and font, ready to paint text.
  ui::TCanvas* CanvasWithOwnTextTools();
  // Readies a print canvas for a box with text: black pen, white brush and the element's
  // font in black, its height at the print's vertical scale.
  void SetPrintTextTools(ui::TCanvas* Canvas, const int MulY, const int DivY) const;
  // The font size at a zoom step of M / D. Steps round; back at 100 % the font gets exactly
  // the height it had at 100 %.
  void ScaleFont(int M, int D);
  // Grows a box that is smaller than the minimum and tells its handles after each step.
  void KeepMinimumSize(int MinWidth, int MinHeight);
  void Notification(ui::TComponent* AComponent, ui::TOperation Operation) override;

private:
  std::vector<TLine*> FLines;
  int FLineCount = 0;
  TMorvikGraphic* FEntryPoint = nullptr;
  ui::TFont FFont;

  // The font's height at 100 % zoom and the zoom the element stands at (FZoomM / FZoomD,
  // in lowest terms), so that rounding while zoomed never reaches the stored font.
  void FollowFontHeight();
  void SetScaledFontHeight(int Height);
  int FNaturalFontHeight = 0;
  int FLastFontHeight = 0;
  long long FZoomM = 1, FZoomD = 1;
  bool FScalingFont = false;
};

// Control as one of the boxes a user selects (IsBox), or null.
inline TRectangle* AsBox(TMorvikAbstract* Control) {
  return Control && Control->IsBox() ? static_cast<TRectangle*>(Control) : nullptr;
}
