#pragma once
// Plane geometry on desktop coordinates. Sides of a box: 1 top, 2 right, 3 bottom, 4 left.

#include "ui/Types.h"

class TRectangle;

// Point inside Rect with all four bounds inclusive.
bool Containt(const ui::TPoint& Point, const ui::TRect& Rect);

// Where the segment (X1, Y1)-(X2, Y2) crosses the border of the box Rect (its desktop
// bounds) and which side it crosses; sides are tried top, bottom, left, right and the first
// crossed wins. A box of zero width or height is first given 1. Returns 0; raises
// EMorvikError "No intersection exists." (module 2, number 3) when no side is crossed.
int GetIntersectionWith(TRectangle* Rect, const int X1, const int Y1, const int X2, const int Y2, int& X,
                        int& Y, int& Side);
