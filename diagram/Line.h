#pragma once
// A line between two boxes: its two ends (Base and Target, not owned), an anchor point in
// each box (relative to the box's top-left corner), registration in both boxes' line slots,
// and the straight route between the two anchors that follows the boxes.

#include "diagram/MorvikGraphic.h"

class TRectangle;

class TLine : public TMorvikGraphic {
public:
  explicit TLine(ui::TComponent* Owner);
  // Frees the line's slots in both boxes.
  ~TLine() override;

  TRectangle* Base() const { return FBase; }
  TRectangle* Target() const { return FTarget; }
  virtual void SetBase(TRectangle* Value);
  virtual void SetTarget(TRectangle* Value);

  int BaseX() const { return FBaseX; }
  int BaseY() const { return FBaseY; }
  int TargetX() const { return FTargetX; }
  int TargetY() const { return FTargetY; }
  // Accepted when the value differs, is at least 2 and lies inside the box (if any).
  void SetBaseX(const int Value);
  void SetBaseY(const int Value);
  void SetTargetX(const int Value);
  void SetTargetY(const int Value);
  void SetBaseXY(const int X, const int Y);
  void SetTargetXY(const int X, const int Y);

  int Tolerance() const { return FTolerance; }
  void SetTolerance(const int Value);

  int BaseSlot() const { return FBaseSlot; }
  int TargetSlot() const { return FTargetSlot; }
  bool SelfRelation() const { return FSelfRelation; }
  bool Falling() const { return FFalling; }
  int MinX() const { return FMinX; }
  int MaxX() const { return FMaxX; }
  int MinY() const { return FMinY; }
  int MaxY() const { return FMaxY; }

  // Both anchors to the middle of their boxes (when both ends are set).
  void CenterAnchorsInEntities();
  // Clamp the anchor into its box (below width and height).
  void CoordinateBaseXY();
  void CoordinateTargetXY();

  bool IsInRect(const ui::TRect& Rect) override { return false; }
  void MySelect() override;
  // Straight-line hit test, X and Y in desktop coordinates.
  virtual bool IsClickAcceptable(const int X, const int Y);

  // Recomputes the route and bounds when both ends are set; always repaints.
  void TryRepaint() override;
  // Both ends became the same box.
  virtual void SetSelfRelation() = 0;
  // Hooks after an end was replaced.
  virtual void BaseChanged() {}
  virtual void TargetChanged() {}

  void ChangeScale(int M, int D) override;
  void AdjustAfterScaling() override;
  // Back at 100 %: the anchors return to their exact 100 % values.
  void AdjustScaling(const int FontSize) override;
  // A zoom step has begun that scales the boxes and the line one after the other: anchors are
  // not clamped to the boxes until AdjustAfterScaling.
  void ZoomStarted() { FZooming = FBase && FTarget; }

protected:
  void Paint() override;
  void Notification(ui::TComponent* AComponent, ui::TOperation Operation) override;
  // Bounds of the two anchor points and the direction of the line between them.
  void CountCoordinate();
  // Control bounds from MinX..MaxX, MinY..MaxY.
  void CountNewSize();
  // Takes a new anchor coordinate that fits its box along that side, and re-routes.
  void StoreAnchor(int& Field, int Value, const TRectangle* Box, bool AlongWidth);

  TRectangle* FBase = nullptr;
  TRectangle* FTarget = nullptr;
  int FBaseX = 1;
  int FBaseY = 1;
  int FTargetX = 1;
  int FTargetY = 1;
  int FMinX = 0;
  int FMaxX = 0;
  int FMinY = 0;
  int FMaxY = 0;
  bool FFalling = false;
  int FTolerance = 4;
  int FBaseSlot = -1;
  int FTargetSlot = -1;
  bool FSelfRelation = false;
  // Between a zoom step and AdjustAfterScaling: anchors are not clamped to the boxes.
  bool FZooming = false;
  // The zoom has placed the anchors where they are now: rounding and clamping while zoomed
  // stay out of the 100 % anchors.
  void NoteZoomedAnchors();

private:
  // An anchor moved since the zoom last placed it counts at 100 % as it stands now, scaled
  // back by the zoom.
  void FollowAnchors();
  ui::TPoint FNaturalBase{1, 1}, FNaturalTarget{1, 1}; // the anchors at 100 %
  ui::TPoint FZoomedBase{1, 1}, FZoomedTarget{1, 1};   // the anchors as the zoom left them
  long long FZoomM = 1, FZoomD = 1;                    // the zoom the line stands at, in lowest terms
};
