#include "diagram/Geometry.h"

#include "diagram/Errors.h"
#include "diagram/Rectangle.h"

#include <algorithm>
#include <numeric>

namespace {

using Real = long double;

// Crossing of the segment with the horizontal side y = S running from L over N pixels.
bool CrossesHorizontal(Real S, Real L, Real N, Real X1, Real Y1, Real X2, Real Y2, int& X) {
  if (Y2 == Y1) return false;
  const Real t = (S - Y1) / (Y2 - Y1);
  const Real x = X1 + t * (X2 - X1);
  const Real m = (x - L) / N;
  if (m < 0 || m > 1 || t < 0 || t > 1) return false;
  X = static_cast<int>(x);
  return true;
}

// Crossing of the segment with the vertical side x = S running from T over N pixels.
bool CrossesVertical(Real S, Real T, Real N, Real X1, Real Y1, Real X2, Real Y2, int& Y) {
  if (X2 == X1) return false;
  const Real t = (S - X1) / (X2 - X1);
  const Real y = Y1 + t * (Y2 - Y1);
  const Real m = (y - T) / N;
  if (m < 0 || m > 1 || t < 0 || t > 1) return false;
  Y = static_cast<int>(T + N * m);
  return true;
}

} // namespace

bool Containt(const ui::TPoint& Point, const ui::TRect& Rect) {
  return Rect.Left <= Point.x && Point.x <= Rect.Right && Rect.Top <= Point.y && Point.y <= Rect.Bottom;
}

int GetIntersectionWith(TRectangle* Rect, const int X1, const int Y1, const int X2, const int Y2, int& X,
                        int& Y, TSide& Side) {
  if (Rect->Width() == 0) Rect->SetWidth(1);
  if (Rect->Height() == 0) Rect->SetHeight(1);
  const Real left = Rect->Left(), top = Rect->Top();
  const Real width = Rect->Width(), height = Rect->Height();
  const Real x1 = X1, y1 = Y1, x2 = X2, y2 = Y2;
  Side = TSide::None;
  Y = Rect->Top();
  if (CrossesHorizontal(top, left, width, x1, y1, x2, y2, X)) {
    Side = TSide::Top;
    return 0;
  }
  Y = Rect->Top() + Rect->Height();
  if (CrossesHorizontal(top + height, left, width, x1, y1, x2, y2, X)) {
    Side = TSide::Bottom;
    return 0;
  }
  X = Rect->Left();
  if (CrossesVertical(left, top, height, x1, y1, x2, y2, Y)) {
    Side = TSide::Left;
    return 0;
  }
  X = Rect->Left() + Rect->Width();
  if (CrossesVertical(left + width, top, height, x1, y1, x2, y2, Y)) {
    Side = TSide::Right;
    return 0;
  }
  RaiseDiagramError(geNoIntersectionExists, emGeometry, QString::fromLatin1(gaNoIntersectionExists));
}

void ScaleZoomRatio(long long& M, long long& D, int ByM, int ByD) {
  if (ByM <= 0 || ByD <= 0) return;
  M *= ByM;
  D *= ByD;
  const long long g = std::gcd(M, D);
  M /= g;
  D /= g;
  while (M > (1LL << 30) || D > (1LL << 30)) {
    M = std::max(1LL, M / 2);
    D = std::max(1LL, D / 2);
  }
}
