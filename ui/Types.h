#pragma once
// Basic value types of the drawing layer: points, rectangles, mouse state, cursors,
// and the integer multiply-then-divide used by every scaling.

#include <cstdint>
#include <functional>
#include <algorithm>

namespace ui {

class TObject {
public:
  virtual ~TObject() = default;
};

// A notification with the object that caused it.
using TNotifyEvent = std::function<void(TObject* Sender)>;

struct TPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// Right and Bottom lie just outside the rectangle unless a caller says otherwise.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

inline TPoint Point(int x, int y) { return TPoint{x, y}; }
inline TRect Rect(int Left, int Top, int Right, int Bottom) { return TRect{Left, Top, Right, Bottom}; }
inline TRect Bounds(int Left, int Top, int Width, int Height) {
  return TRect{Left, Top, Left + Width, Top + Height};
}
// Point inside the half-open rectangle (right and bottom edges excluded).
inline bool PtInRect(const TRect& R, const TPoint& P) {
  return P.x >= R.Left && P.x < R.Right && P.y >= R.Top && P.y < R.Bottom;
}
// Intersection of two half-open rectangles; returns false when it is empty.
inline bool IntersectRect(TRect& Out, const TRect& A, const TRect& B) {
  Out = TRect{std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right),
              std::min(A.Bottom, B.Bottom)};
  if (Out.IsEmpty()) {
    Out = TRect{};
    return false;
  }
  return true;
}

// Number * Numerator / Denominator with a 64-bit product, rounded to the nearest integer,
// halves away from zero. A zero denominator gives -1.
inline int MulDiv(int Number, int Numerator, int Denominator) {
  if (Denominator == 0) return -1;
  const int64_t p = static_cast<int64_t>(Number) * Numerator;
  int64_t d = Denominator;
  const bool negative = (p < 0) != (d < 0);
  const int64_t ap = p < 0 ? -p : p;
  const int64_t ad = d < 0 ? -d : d;
  const int64_t q = (ap + ad / 2) / ad;
  return static_cast<int>(negative ? -q : q);
}

enum class TMouseButton {
  mbLeft,
  mbRight,
  mbMiddle
};

// Keys and buttons held during a mouse event.
enum TShiftFlag : unsigned {
  ssShift = 1u << 0,
  ssAlt = 1u << 1,
  ssCtrl = 1u << 2,
  ssLeft = 1u << 3,
  ssRight = 1u << 4,
  ssMiddle = 1u << 5,
  ssDouble = 1u << 6,
};
using TShiftState = unsigned;

// Cursor identifiers (16-bit, as stored by elements and handles).
using TCursor = int16_t;
constexpr TCursor crDefault = 0;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crSizeAll = -22;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crHandPoint = -21;

using TMouseEvent =
    std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

} // namespace ui
