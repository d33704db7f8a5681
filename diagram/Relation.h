#pragma once
// The line of a relation between two boxes, with a cardinality symbol at each end.
//
// Routing: each end leaves its box where the segment between the two anchors crosses the
// box's border, kept away from the side's corners so the whole symbol stands beside the
// box; a relation whose two ends are the same box is drawn as an orthogonal loop of one of
// twelve shapes around the box (diagram/SelfLoop.h), chosen by the octants in which its two
// anchors lie.
// The control's bounds hold the route and both symbol areas.
//
// Painting draws both ends (the built-in symbols, or a user hook for rkUserDefined), then
// the line or loop between the outer ends of the two symbol areas, and records those end
// points for the hit test and the label placement.

#include "diagram/Geometry.h"
#include "diagram/Line.h"
#include "diagram/SelfLoop.h"

#include <functional>
#include <vector>

namespace Morvik {
class TReference;
}
class TTextLabel;

// The part before "To" names the symbol at the Base end, the part after it the Target end.
enum TRelationKind {
  rkZeroOneToZeroOne,
  rkZeroOneToOneOne,
  rkZeroOneToZeroMany,
  rkZeroOneToOneMany,
  rkOneOneToZeroOne,
  rkOneOneToOneOne,
  rkOneOneToZeroMany,
  rkOneOneToOneMany,
  rkZeroManyToZeroOne,
  rkZeroManyToOneOne,
  rkZeroManyToZeroMany,
  rkZeroManyToOneMany,
  rkOneManyToZeroOne,
  rkOneManyToOneOne,
  rkOneManyToZeroMany,
  rkOneManyToOneMany,
  rkNothingToArrow,
  rkArrowToNothing,
  rkNone,
  rkUserDefined
};

// Draws one end of an rkUserDefined relation into Rect (the relation's own coordinates;
// Direction is the end's side) and returns in X, Y where the connecting line continues.
// The hook draws on TRelation::DrawingCanvas() of the Sender.
using TDrawConclusion = std::function<void(TLine* Sender, const ui::TRect& Rect, const bool BaseConclusion,
                                           const TSide Direction, int& X, int& Y)>;

// How far a self-relation loop stands off its box, horizontally and vertically.
constexpr int ConstX = 30;
constexpr int ConstY = 30;

class TRelation : public TLine {
public:
  // End-symbol area at 100 % zoom: length (away from the box) and width (along the side).
  static constexpr int DefConclusionLength = 20;
  static constexpr int DefConclusionWidth = 9;
  // Symbol offsets, counted outwards from the box edge (0 is the first row outside).
  static constexpr int DefBarOffset = 5;
  static constexpr int DefSecondBarOffset = 8;
  static constexpr int DefCircleOffset = 9;
  static constexpr int DefFootOffset = 7;
  static constexpr int DefArrowOffset = 10;

  explicit TRelation(ui::TComponent* Owner);
  TDiagramKind DiagramKind() const override { return TDiagramKind::Relation; }
  ~TRelation() override;

  TRelationKind RelationKind() const { return FRelationKind; }
  void SetRelationKind(const TRelationKind Value);
  bool Growing() const { return FGrowing; }
  void SetGrowing(bool Value);
  TTextLabel* MainLabel() const { return FMainLabel; }
  // Stores a changed label (not owned) and places it.
  void SetMainLabel(TTextLabel* Value);
  const TDrawConclusion& OnDrawConclusion() const { return FOnDrawConclusion; }
  void SetOnDrawConclusion(TDrawConclusion Value) { FOnDrawConclusion = std::move(Value); }

  // The plug-in reference shown (owned by the model), or null.
  Morvik::TReference* Reference() const { return FReference; }
  void SetReference(Morvik::TReference* Value) { FReference = Value; }
  // The plug-in reference is already gone: deleting the relation leaves the model alone.
  bool ReferenceDropped() const { return FReferenceDropped; }
  void SetReferenceDropped(bool Value) { FReferenceDropped = Value; }
  // Created by reverse engineering and not yet placed.
  bool IsNew() const { return FIsNew; }
  void SetIsNew(bool Value) { FIsNew = Value; }

  int ConclusionLength() const { return FConclusionLength; }
  int ConclusionWidth() const { return FConclusionWidth; }
  int BaseAreaLength() const { return FBaseAreaLength; }
  int BaseAreaWidth() const { return FBaseAreaWidth; }
  int TargetAreaLength() const { return FTargetAreaLength; }
  int TargetAreaWidth() const { return FTargetAreaWidth; }
  TSide BaseSide() const { return FBaseSide; }
  TSide TargetSide() const { return FTargetSide; }
  // Symbol areas in the relation's own coordinates (right and bottom excluded).
  const ui::TRect& BaseConclusionRect() const { return FBaseConclusionRect; }
  const ui::TRect& TargetConclusionRect() const { return FTargetConclusionRect; }
  // Loop shape of a self relation (None before the first route).
  TLoopShape RouteShape() const { return FRouteShape; }
  bool Painted() const { return FPainted; }
  // Outer ends of the two symbol areas as last painted, in desktop coordinates.
  ui::TPoint PaintedBaseEnd() const { return FPaintedBaseEnd; }
  ui::TPoint PaintedTargetEnd() const { return FPaintedTargetEnd; }
  int BarOffset() const { return FBarOffset; }
  int SecondBarOffset() const { return FSecondBarOffset; }
  int CircleOffset() const { return FCircleOffset; }
  int FootOffset() const { return FFootOffset; }
  int ArrowOffset() const { return FArrowOffset; }

  // The areas both ends reserve, from RelationKind.
  void SetRequestedArea();
  void SetSelfRelation() override {}

  // Octant of the box in which the end's anchor lies (None without the box).
  TOctant CountOctant(const bool OfBase) const;
  // Octant of (X, Y) in a box of W x H (X, Y relative to its top-left corner); a point on a
  // diagonal or a middle line falls in the octant anticlockwise of it.
  static TOctant CountOctant(int X, int Y, int W, int H);
  // Computes route and bounds; -1 when it only spanned the two anchors because one of them
  // lies inside the other box, 0 otherwise. Raises "No intersection exists." when a box
  // border is not crossed.
  int CountCoordinate();
  // Widens Rect to hold the symbol area of an end at (X, Y) on Side.
  static void GrowAsYouWant(ui::TRect& Rect, const int X, const int Y, const int Length, const int HalfWidth,
                            const int OddWidth, const TSide Side);
  // The symbol area of an end at (X, Y) on Side, relative to the top-left corner of Bounds.
  static void GetRectWhereDrawConclusion(ui::TRect& Area, const ui::TRect& Bounds, const int X, const int Y,
                                         const int Length, const int HalfWidth, const int OddWidth,
                                         const TSide Side);
  // Keeps an end point on Side of Box at least half the area width from the side's corners.
  static void CoordinateIntersection(int& X, int& Y, const int AreaWidth, const TSide Side,
                                     const TRectangle* Box);

  // Re-routes when both ends are set. A route that cannot be computed leaves the previous
  // one in place.
  void TryRepaint() override;
  void BaseChanged() override;
  void TargetChanged() override;

  // Draws one end into Rect on Canvas; X, Y receive where the line continues.
  void DrawConclusion(const ui::TRect& Rect, ui::TCanvas* Canvas, const bool BaseConclusion,
                      const TSide Direction, int& X, int& Y);
  virtual void MyDrawConclusion(const ui::TRect& Rect, ui::TCanvas* Canvas, const bool BaseConclusion,
                                const TSide Direction, int& X, int& Y);
  // The canvas being drawn on while ends are drawn (for a user hook); null otherwise.
  ui::TCanvas* DrawingCanvas() const { return FDrawingCanvas; }

  // Does a click at (X, Y) (desktop coordinates) hit the relation?
  bool IsClickAcceptable(const int X, const int Y) override;
  // Places the main label beside the line or loop.
  void ChangePositionOfMainLabel();

  void ChangeScale(int M, int D) override;
  void AdjustScaling(const int FontSize) override;
  void AdjustAfterScaling() override;
  void PaintSelfToPrintCanvas(const int MulX, const int MulY, const int DivX, const int DivY, const int X,
                              const int Y, ui::TCanvas* Canvas) override;

protected:
  void Paint() override;
  void Resize() override;
  void Notification(ui::TComponent* AComponent, ui::TOperation Operation) override;

private:
  // Both ends, then the line or loop, inside the box (X0, Y0, W, H) of Canvas; returns
  // the drawn end points.
  void DrawRoute(ui::TCanvas* Canvas, int X0, int Y0, int W, int H, const ui::TRect& BaseRect,
                 const ui::TRect& TargetRect, ui::TPoint& BaseEnd, ui::TPoint& TargetEnd);
  void ResetPaintedEnds();
  [[noreturn]] void RaiseBadShape(const char* Operation) const;

  TRelationKind FRelationKind = rkNone;
  bool FGrowing = false;
  TTextLabel* FMainLabel = nullptr;
  TDrawConclusion FOnDrawConclusion;
  Morvik::TReference* FReference = nullptr;
  bool FReferenceDropped = false;
  bool FIsNew = false;

  int FConclusionLength = DefConclusionLength;
  int FConclusionWidth = DefConclusionWidth;
  int FBaseAreaLength = 1;
  int FBaseAreaWidth = 1;
  int FTargetAreaLength = 1;
  int FTargetAreaWidth = 1;
  TSide FBaseSide = TSide::None;
  TSide FTargetSide = TSide::None;
  ui::TRect FBaseConclusionRect;
  ui::TRect FTargetConclusionRect;
  TLoopShape FRouteShape = TLoopShape::None;

  bool FPainted = false;
  ui::TPoint FPaintedBaseEnd;
  ui::TPoint FPaintedTargetEnd;
  int FBarOffset = DefBarOffset;
  int FSecondBarOffset = DefSecondBarOffset;
  int FCircleOffset = DefCircleOffset;
  int FFootOffset = DefFootOffset;
  int FArrowOffset = DefArrowOffset;
  ui::TCanvas* FDrawingCanvas = nullptr;
};
