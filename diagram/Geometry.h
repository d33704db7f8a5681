#pragma once
// Plane geometry on desktop coordinates: the sides and octants of a box.

#include "ui/Types.h"

class TRectangle;

// The sides of a box, clockwise from the top (None before a route is computed).
enum class TSide {
  None = 0,
  Top = 1,
  Right = 2,
  Bottom = 3,
  Left = 4
};

// The top and bottom sides run along the box's width.
constexpr bool IsHorizontal(TSide Side) { return Side == TSide::Top || Side == TSide::Bottom; }
constexpr bool IsVertical(TSide Side) { return Side == TSide::Right || Side == TSide::Left; }

// The eight octants of a box that its diagonals and middle lines cut out, clockwise from the
// left half of the top side; each is named after its side, then the half of that side.
enum class TOctant {
  None = 0,
  TopLeft = 1,
  TopRight = 2,
  RightTop = 3,
  RightBottom = 4,
  BottomRight = 5,
  BottomLeft = 6,
  LeftBottom = 7,
  LeftTop = 8
};

// The side an octant lies on.
constexpr TSide SideOf(TOctant Octant) { return static_cast<TSide>((static_cast<int>(Octant) + 1) / 2); }

// Point inside Rect with all four bounds inclusive.
bool Containt(const ui::TPoint& Point, const ui::TRect& Rect);

// Multiplies the zoom ratio M / D by ByM / ByD (nothing for a non-positive factor), reduced to
// lowest terms and kept to a precision far beyond pixels, so that arbitrary ratios cannot grow
// without bound.
void ScaleZoomRatio(long long& M, long long& D, int ByM, int ByD);

// Where the segment (X1, Y1)-(X2, Y2) crosses the border of the box Rect (its desktop
// bounds) and which side it crosses; sides are tried top, bottom, left, right and the first
// crossed wins. A box of zero width or height is first given 1. Returns 0; raises
// EMorvikError "No intersection exists." (module 2, number 3) when no side is crossed.
int GetIntersectionWith(TRectangle* Rect, const int X1, const int Y1, const int X2, const int Y2, int& X,
                        int& Y, TSide& Side);
