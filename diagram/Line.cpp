#include "diagram/Line.h"

#include "diagram/Geometry.h"
#include "diagram/Rectangle.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <numeric>

namespace {

// An anchor coordinate is at least 2 and lies inside its box along that side (with no box
// known, any coordinate of at least 2 is taken).
bool AnchorFits(int Value, const TRectangle* Box, bool AlongWidth) {
  return Value >= 2 && !(Box && Value >= (AlongWidth ? Box->Width() : Box->Height()));
}

} // namespace

TLine::TLine(ui::TComponent* Owner) : TMorvikGraphic(Owner) { SetBounds(Left(), Top(), 50, 50); }

TLine::~TLine() {
  if (FBase) FBase->RemoveLine(this, FBaseSlot);
  if (FTarget) FTarget->RemoveLine(this, FTargetSlot);
  FBase = nullptr;
  FTarget = nullptr;
}

void TLine::SetBase(TRectangle* Value) {
  if (FBase) FBase->RemoveLine(this, FBaseSlot);
  FBase = Value;
  FSelfRelation = FTarget != nullptr && FTarget == Value;
  if (Value) {
    Value->FreeNotification(this);
    CoordinateBaseXY();
    FBaseSlot = Value->InsertLine(this);
    if (FSelfRelation) SetSelfRelation();
  }
  TryRepaint();
  BaseChanged();
}

void TLine::SetTarget(TRectangle* Value) {
  if (FTarget) FTarget->RemoveLine(this, FTargetSlot);
  FTarget = Value;
  FSelfRelation = FBase != nullptr && FBase == Value;
  if (Value) {
    Value->FreeNotification(this);
    CoordinateTargetXY();
    FTargetSlot = Value->InsertLine(this);
    if (FSelfRelation) SetSelfRelation();
  }
  TryRepaint();
  TargetChanged();
}

void TLine::StoreAnchor(int& Field, int Value, const TRectangle* Box, bool AlongWidth) {
  if (Value == Field || !AnchorFits(Value, Box, AlongWidth)) return;
  Field = Value;
  TryRepaint();
}

void TLine::SetBaseX(const int Value) { StoreAnchor(FBaseX, Value, FBase, true); }

void TLine::SetBaseY(const int Value) { StoreAnchor(FBaseY, Value, FBase, false); }

void TLine::SetTargetX(const int Value) { StoreAnchor(FTargetX, Value, FTarget, true); }

void TLine::SetTargetY(const int Value) { StoreAnchor(FTargetY, Value, FTarget, false); }

void TLine::SetBaseXY(const int X, const int Y) {
  if ((X == FBaseX && Y == FBaseY) || !AnchorFits(X, FBase, true) || !AnchorFits(Y, FBase, false)) return;
  FBaseX = X;
  FBaseY = Y;
  TryRepaint();
}

void TLine::SetTargetXY(const int X, const int Y) {
  if ((X == FTargetX && Y == FTargetY) || !AnchorFits(X, FTarget, true) || !AnchorFits(Y, FTarget, false))
    return;
  FTargetX = X;
  FTargetY = Y;
  TryRepaint();
}

void TLine::SetTolerance(const int Value) {
  if (Value == FTolerance || Value < 0) return;
  FTolerance = Value;
}

void TLine::CenterAnchorsInEntities() {
  if (!FBase || !FTarget) return;
  FBaseX = FBase->Width() / 2;
  FBaseY = FBase->Height() / 2;
  FTargetX = FTarget->Width() / 2;
  FTargetY = FTarget->Height() / 2;
  TryRepaint();
}

void TLine::CoordinateBaseXY() {
  if (!FBase) return;
  if (FBaseX >= FBase->Width()) FBaseX = FBase->Width() - 1;
  if (FBaseY >= FBase->Height()) FBaseY = FBase->Height() - 1;
}

void TLine::CoordinateTargetXY() {
  if (!FTarget) return;
  if (FTargetX >= FTarget->Width()) FTargetX = FTarget->Width() - 1;
  if (FTargetY >= FTarget->Height()) FTargetY = FTarget->Height() - 1;
}

void TLine::MySelect() { Invalidate(); }

void TLine::CountCoordinate() {
  const int bx = FBase->Left() + FBaseX, by = FBase->Top() + FBaseY;
  const int tx = FTarget->Left() + FTargetX, ty = FTarget->Top() + FTargetY;
  FMinX = std::min(bx, tx);
  FMaxX = std::max(bx, tx);
  FMinY = std::min(by, ty);
  FMaxY = std::max(by, ty);
  FFalling = !((ty >= by && tx >= bx) || (ty < by && tx < bx));
}

void TLine::CountNewSize() { SetBounds(FMinX, FMinY, FMaxX - FMinX + 1, FMaxY - FMinY + 1); }

void TLine::TryRepaint() {
  if (FBase && FTarget) {
    if (!FZooming) {
      CoordinateBaseXY();
      CoordinateTargetXY();
    }
    CountCoordinate();
    CountNewSize();
  }
  Invalidate();
}

bool TLine::IsClickAcceptable(const int X, const int Y) {
  const long long u = X - Left(), v = Y - Top();
  const long long w = Width(), h = Height();
  if (w <= 1 && h <= 1) {
    // Both anchors on one pixel: hit only within the tolerance around it.
    const double d = std::sqrt(static_cast<double>(u * u + v * v));
    return d <= FTolerance;
  }
  if (X < Left() || X >= Left() + Width() || Y < Top() || Y >= Top() + Height()) return false;
  const double denominator = std::sqrt(static_cast<double>((h - 1) * (h - 1) + (1 - w) * (1 - w)));
  long long numerator;
  if (!FFalling)
    numerator = u * (h - 1) + v * (1 - w);
  else
    numerator = u * (h - 1) + (v - h + 1) * (w - 1);
  const double distance = static_cast<double>(std::llabs(numerator)) / denominator;
  return FTolerance >= distance;
}

void TLine::FollowAnchors() {
  auto natural = [this](int Value) {
    const long long v = Value * FZoomD;
    const long long n = (2 * v + (v < 0 ? -FZoomM : FZoomM)) / (2 * FZoomM);
    return static_cast<int>(std::clamp<long long>(n, 1, std::numeric_limits<int>::max()));
  };
  if (ui::Point(FBaseX, FBaseY) != FZoomedBase) FNaturalBase = ui::Point(natural(FBaseX), natural(FBaseY));
  if (ui::Point(FTargetX, FTargetY) != FZoomedTarget)
    FNaturalTarget = ui::Point(natural(FTargetX), natural(FTargetY));
}

void TLine::NoteZoomedAnchors() {
  FZoomedBase = ui::Point(FBaseX, FBaseY);
  FZoomedTarget = ui::Point(FTargetX, FTargetY);
}

void TLine::ChangeScale(int M, int D) {
  ZoomStarted();
  TMorvikGraphic::ChangeScale(M, D);
  FollowAnchors();
  ScaleZoomRatio(FZoomM, FZoomD, M, D);
  FBaseX = ScaleNeverZero(FBaseX, M, D);
  FBaseY = ScaleNeverZero(FBaseY, M, D);
  FTargetX = ScaleNeverZero(FTargetX, M, D);
  FTargetY = ScaleNeverZero(FTargetY, M, D);
  NoteZoomedAnchors();
}

void TLine::AdjustAfterScaling() {
  FZooming = false;
  TryRepaint();
  NoteZoomedAnchors();
}

void TLine::AdjustScaling(const int FontSize) {
  FollowAnchors();
  FZoomM = FZoomD = 1;
  FBaseX = FNaturalBase.x;
  FBaseY = FNaturalBase.y;
  FTargetX = FNaturalTarget.x;
  FTargetY = FNaturalTarget.y;
  FZooming = false;
  TryRepaint();
  NoteZoomedAnchors();
}

void TLine::Paint() {
  const int w = Width(), h = Height();
  if (FBase && FTarget) {
    if (!FFalling)
      Line(0, 0, w - 1, h - 1);
    else
      Line(w - 1, 0, 0, h - 1);
    return;
  }
  ui::TCanvas* c = Canvas();
  c->Polyline({{0, 0}, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}, {0, 0}});
  c->LineTo(w - 1, h - 1);
  Line(w - 1, 0, 0, h - 1);
}

void TLine::Notification(ui::TComponent* AComponent, ui::TOperation Operation) {
  TMorvikGraphic::Notification(AComponent, Operation);
  if (Operation != ui::TOperation::opRemove) return;
  bool changed = false;
  if (FBase && static_cast<ui::TComponent*>(FBase) == AComponent) {
    FBase = nullptr;
    changed = true;
  }
  if (FTarget && static_cast<ui::TComponent*>(FTarget) == AComponent) {
    FTarget = nullptr;
    changed = true;
  }
  if (changed) {
    FSelfRelation = false;
    Invalidate();
  }
}
