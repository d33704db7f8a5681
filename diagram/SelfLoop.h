#pragma once
// The loops of a relation whose two ends are the same box. Which loop is drawn follows from
// the octants of the two anchors; one table says for every shape which sides its ends leave
// from, how far its bounds reach, through which corners it runs and where its label stands.

#include "diagram/Geometry.h"

#include <array>
#include <vector>

// The twelve loop shapes, numbered as they always were (None before the first route):
// both ends on one side, ends on two neighbouring sides round the corner between them, and
// ends on opposite sides round one of the two other sides.
enum class TLoopShape {
  None = 0,
  Top = 1,
  Right = 2,
  Bottom = 3,
  Left = 4,
  TopRight = 5,
  RightBottom = 6,
  BottomLeft = 7,
  LeftTop = 8,
  AroundLeft = 9,    // top to bottom
  AroundRight = 10,  // top to bottom
  AroundTop = 11,    // right to left
  AroundBottom = 12, // right to left
};

constexpr bool IsLoopShape(TLoopShape Shape) {
  return Shape >= TLoopShape::Top && Shape <= TLoopShape::AroundBottom;
}

// How one edge of a loop's bounds is found: at the nearer (left, top) or farther (right,
// bottom) of the two anchors; the loop's stand-off beyond the box side on that edge's side;
// or at the box side the loop stands on (left: the box's right, top: its bottom, right: its
// left, bottom: one row below its top).
enum class TLoopBound {
  Anchors,
  Beyond,
  BoxSide
};

// A corner of a loop's path: each coordinate comes from the end the path starts at, the end
// it runs to, or one of the loop's outer lines.
enum class TLoopX {
  From,
  To,
  Left,
  Right
};
enum class TLoopY {
  From,
  To,
  Top,
  Bottom
};
struct TLoopCorner {
  TLoopX X;
  TLoopY Y;
};

// Where a loop's label is centred: on the middle of one outer line of the loop, or on one
// of its outer corners.
enum class TLoopLabel {
  Top,
  Right,
  Bottom,
  Left,
  TopRight,
  BottomRight,
  BottomLeft,
  TopLeft
};

struct TLoopShapeInfo {
  TLoopShape Shape;
  // The path runs from the end on First to the end on Second.
  TSide First, Second;
  // For ends on opposite sides: the octant one of the anchors must lie in.
  TOctant Via;
  TLoopBound Left, Top, Right, Bottom;
  std::array<TLoopCorner, 4> Corners;
  int CornerCount;
  TLoopLabel Label;
};

// The row of a shape; Shape must satisfy IsLoopShape.
const TLoopShapeInfo& LoopShapeInfo(TLoopShape Shape);

// The shape of a loop whose anchors lie in octants O1 and O2 (in either order).
TLoopShape LoopShapeOf(TOctant O1, TOctant O2);

// The loop's bounds around the box (L, T, R, B) for the anchors spanning X1..X2, Y1..Y2 and
// the stand-off SX, SY.
ui::TRect LoopBounds(TLoopShape Shape, int L, int T, int R, int B, int X1, int Y1, int X2, int Y2, int SX,
                     int SY);

// Corner points of the loop from the end (BX, BY) on BaseSide to the end (TX, TY), both ends
// excluded; X0, Y0, R, B are the loop's left, top, right and bottom lines. None gives none.
std::vector<ui::TPoint> LoopCorners(TLoopShape Shape, TSide BaseSide, int BX, int BY, int TX, int TY, int X0,
                                    int Y0, int R, int B);
