#include "diagram/SelfLoop.h"

namespace {

using LB = TLoopBound;
using X = TLoopX;
using Y = TLoopY;
using S = TSide;
using O = TOctant;

constexpr TLoopShapeInfo Shapes[] = {
    {TLoopShape::Top,
     S::Top,
     S::Top,
     O::None,
     LB::Anchors,
     LB::Beyond,
     LB::Anchors,
     LB::BoxSide,
     {{{X::From, Y::Top}, {X::To, Y::Top}}},
     2,
     TLoopLabel::Top},
    {TLoopShape::Right,
     S::Right,
     S::Right,
     O::None,
     LB::BoxSide,
     LB::Anchors,
     LB::Beyond,
     LB::Anchors,
     {{{X::Right, Y::From}, {X::Right, Y::To}}},
     2,
     TLoopLabel::Right},
    {TLoopShape::Bottom,
     S::Bottom,
     S::Bottom,
     O::None,
     LB::Anchors,
     LB::BoxSide,
     LB::Anchors,
     LB::Beyond,
     {{{X::From, Y::Bottom}, {X::To, Y::Bottom}}},
     2,
     TLoopLabel::Bottom},
    {TLoopShape::Left,
     S::Left,
     S::Left,
     O::None,
     LB::Beyond,
     LB::Anchors,
     LB::BoxSide,
     LB::Anchors,
     {{{X::Left, Y::From}, {X::Left, Y::To}}},
     2,
     TLoopLabel::Left},
    {TLoopShape::TopRight,
     S::Top,
     S::Right,
     O::None,
     LB::Anchors,
     LB::Beyond,
     LB::Beyond,
     LB::Anchors,
     {{{X::From, Y::Top}, {X::Right, Y::Top}, {X::Right, Y::To}}},
     3,
     TLoopLabel::TopRight},
    {TLoopShape::RightBottom,
     S::Right,
     S::Bottom,
     O::None,
     LB::Anchors,
     LB::Anchors,
     LB::Beyond,
     LB::Beyond,
     {{{X::Right, Y::From}, {X::Right, Y::Bottom}, {X::To, Y::Bottom}}},
     3,
     TLoopLabel::BottomRight},
    {TLoopShape::BottomLeft,
     S::Bottom,
     S::Left,
     O::None,
     LB::Beyond,
     LB::Anchors,
     LB::Anchors,
     LB::Beyond,
     {{{X::From, Y::Bottom}, {X::Left, Y::Bottom}, {X::Left, Y::To}}},
     3,
     TLoopLabel::BottomLeft},
    {TLoopShape::LeftTop,
     S::Left,
     S::Top,
     O::None,
     LB::Beyond,
     LB::Beyond,
     LB::Anchors,
     LB::Anchors,
     {{{X::Left, Y::From}, {X::Left, Y::Top}, {X::To, Y::Top}}},
     3,
     TLoopLabel::TopLeft},
    {TLoopShape::AroundLeft,
     S::Top,
     S::Bottom,
     O::TopLeft,
     LB::Beyond,
     LB::Beyond,
     LB::Anchors,
     LB::Beyond,
     {{{X::From, Y::Top}, {X::Left, Y::Top}, {X::Left, Y::Bottom}, {X::To, Y::Bottom}}},
     4,
     TLoopLabel::Left},
    {TLoopShape::AroundRight,
     S::Top,
     S::Bottom,
     O::TopRight,
     LB::Anchors,
     LB::Beyond,
     LB::Beyond,
     LB::Beyond,
     {{{X::From, Y::Top}, {X::Right, Y::Top}, {X::Right, Y::Bottom}, {X::To, Y::Bottom}}},
     4,
     TLoopLabel::Right},
    {TLoopShape::AroundTop,
     S::Right,
     S::Left,
     O::LeftTop,
     LB::Beyond,
     LB::Beyond,
     LB::Beyond,
     LB::Anchors,
     {{{X::Right, Y::From}, {X::Right, Y::Top}, {X::Left, Y::Top}, {X::Left, Y::To}}},
     4,
     TLoopLabel::Top},
    {TLoopShape::AroundBottom,
     S::Right,
     S::Left,
     O::LeftBottom,
     LB::Beyond,
     LB::Anchors,
     LB::Beyond,
     LB::Beyond,
     {{{X::Right, Y::From}, {X::Right, Y::Bottom}, {X::Left, Y::Bottom}, {X::Left, Y::To}}},
     4,
     TLoopLabel::Bottom},
};

static_assert(std::size(Shapes) == 12);

} // namespace

const TLoopShapeInfo& LoopShapeInfo(TLoopShape Shape) { return Shapes[static_cast<int>(Shape) - 1]; }

TLoopShape LoopShapeOf(TOctant O1, TOctant O2) {
  const TSide a = SideOf(O1), b = SideOf(O2);
  for (const TLoopShapeInfo& s : Shapes) {
    const bool sides = (s.First == a && s.Second == b) || (s.First == b && s.Second == a);
    if (sides && (s.Via == O::None || s.Via == O1 || s.Via == O2)) return s.Shape;
  }
  return TLoopShape::None;
}

ui::TRect LoopBounds(TLoopShape Shape, int L, int T, int R, int B, int X1, int Y1, int X2, int Y2, int SX,
                     int SY) {
  const TLoopShapeInfo& s = LoopShapeInfo(Shape);
  auto edge = [](TLoopBound Bound, int Anchor, int Beyond, int BoxSide) {
    return Bound == LB::Anchors ? Anchor : Bound == LB::Beyond ? Beyond : BoxSide;
  };
  return ui::Rect(edge(s.Left, X1, L - SX, R), edge(s.Top, Y1, T - SY, B), edge(s.Right, X2, R + SX, L),
                  edge(s.Bottom, Y2, B + SY, T + 1));
}

std::vector<ui::TPoint> LoopCorners(TLoopShape Shape, TSide BaseSide, int BX, int BY, int TX, int TY, int X0,
                                    int Y0, int R, int B) {
  if (!IsLoopShape(Shape)) return {};
  const TLoopShapeInfo& s = LoopShapeInfo(Shape);
  // The table's path runs from the end on First; from the other end it is walked backwards.
  const bool fromBase = s.First == s.Second || BaseSide == s.First;
  const int fx = fromBase ? BX : TX, fy = fromBase ? BY : TY;
  const int tx = fromBase ? TX : BX, ty = fromBase ? TY : BY;
  std::vector<ui::TPoint> points;
  points.reserve(static_cast<size_t>(s.CornerCount));
  for (int i = 0; i < s.CornerCount; ++i) {
    const TLoopCorner& c = s.Corners[static_cast<size_t>(fromBase ? i : s.CornerCount - 1 - i)];
    const int x = c.X == X::From ? fx : c.X == X::To ? tx : c.X == X::Left ? X0 : R;
    const int y = c.Y == Y::From ? fy : c.Y == Y::To ? ty : c.Y == Y::Top ? Y0 : B;
    points.push_back(ui::TPoint{x, y});
  }
  return points;
}
