#include "diagram/Relation.h"

#include "diagram/Errors.h"
#include "diagram/Geometry.h"
#include "diagram/Rectangle.h"
#include "diagram/TextLabel.h"
#include "ui/ScopeGuard.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

// The symbol drawn at one end.
enum class TEndSymbol {
  ZeroOne,
  OneOne,
  ZeroMany,
  OneMany,
  Arrow,
  Nothing,
  StemOnly
};

TEndSymbol EndSymbol(TRelationKind Kind, bool BaseEnd) {
  if (Kind <= rkOneManyToOneMany) {
    static constexpr TEndSymbol pairs[] = {TEndSymbol::ZeroOne, TEndSymbol::OneOne, TEndSymbol::ZeroMany,
                                           TEndSymbol::OneMany};
    const int k = static_cast<int>(Kind);
    return pairs[BaseEnd ? k / 4 : k % 4];
  }
  if (Kind == rkNothingToArrow) return BaseEnd ? TEndSymbol::Nothing : TEndSymbol::Arrow;
  if (Kind == rkArrowToNothing) return BaseEnd ? TEndSymbol::Arrow : TEndSymbol::Nothing;
  return TEndSymbol::StemOnly;
}

// Value * Mul / Div rounded to the nearest integer, halves to even.
int RoundHalfEven(int Value, int Mul, int Div) {
  int64_t n = static_cast<int64_t>(Value) * Mul;
  int64_t d = Div;
  if (d < 0) {
    n = -n;
    d = -d;
  }
  int64_t q = n / d, r = n % d;
  if (r < 0) {
    r += d;
    --q;
  }
  if (2 * r > d || (2 * r == d && (q & 1) != 0)) ++q;
  return static_cast<int>(q);
}

// Point P on a segment within Tolerance of its axis-parallel extent.
bool NearOrthogonalSegment(const ui::TPoint& A, const ui::TPoint& B, int X, int Y, int Tolerance) {
  return std::min(A.x, B.x) - Tolerance <= X && X <= std::max(A.x, B.x) + Tolerance &&
         std::min(A.y, B.y) - Tolerance <= Y && Y <= std::max(A.y, B.y) + Tolerance;
}

} // namespace

TRelation::TRelation(ui::TComponent* Owner) : TLine(Owner) { Brush()->SetColor(ui::clBtnFace); }

TRelation::~TRelation() { FMainLabel = nullptr; }

void TRelation::SetRelationKind(const TRelationKind Value) {
  if (Value == FRelationKind) return;
  FRelationKind = Value;
  SetRequestedArea();
  TryRepaint();
}

void TRelation::SetGrowing(bool Value) {
  if (Value == FGrowing) return;
  FGrowing = Value;
  Invalidate();
}

void TRelation::SetMainLabel(TTextLabel* Value) {
  if (Value == FMainLabel) return;
  FMainLabel = Value;
  if (FMainLabel) {
    // Both hear of the other's removal, whoever owns them.
    FMainLabel->FreeNotification(this);
    FreeNotification(FMainLabel);
    ChangePositionOfMainLabel();
  }
}

void TRelation::SetRequestedArea() {
  const int n = FConclusionLength, w = FConclusionWidth;
  if (FRelationKind <= rkOneManyToOneMany) {
    FBaseAreaLength = n, FBaseAreaWidth = w, FTargetAreaLength = n, FTargetAreaWidth = w;
  } else if (FRelationKind == rkNothingToArrow) {
    FBaseAreaLength = 1, FBaseAreaWidth = 1, FTargetAreaLength = n, FTargetAreaWidth = w;
  } else if (FRelationKind == rkArrowToNothing) {
    FBaseAreaLength = n, FBaseAreaWidth = w, FTargetAreaLength = 1, FTargetAreaWidth = 1;
  } else if (FRelationKind == rkNone) {
    FBaseAreaLength = 1, FBaseAreaWidth = 1, FTargetAreaLength = 1, FTargetAreaWidth = 1;
  }
  // rkUserDefined keeps the areas it has.
}

TOctant TRelation::CountOctant(int X, int Y, int W, int H) {
  const int64_t x = X, y = Y, w = W, h = H;
  if (X > W / 2) {
    if (Y > H / 2) return w * y < h * x ? TOctant::RightBottom : TOctant::BottomRight;
    return w * (h - y) < h * x ? TOctant::RightTop : TOctant::TopRight;
  }
  if (Y > H / 2) return w * (h - y) < h * x ? TOctant::BottomLeft : TOctant::LeftBottom;
  return w * y < h * x ? TOctant::TopLeft : TOctant::LeftTop;
}

TOctant TRelation::CountOctant(const bool OfBase) const {
  const TRectangle* box = OfBase ? FBase : FTarget;
  if (!box) return TOctant::None;
  return OfBase ? CountOctant(FBaseX, FBaseY, box->Width(), box->Height())
                : CountOctant(FTargetX, FTargetY, box->Width(), box->Height());
}

void TRelation::GrowAsYouWant(ui::TRect& Rect, const int X, const int Y, const int Length,
                              const int HalfWidth, const int OddWidth, const TSide Side) {
  const int h = HalfWidth, o = OddWidth, n = Length;
  if (IsHorizontal(Side)) {
    Rect.Left = std::min(Rect.Left, X - h);
    Rect.Right = std::max(Rect.Right, X + h + o);
    if (Side == TSide::Top)
      Rect.Top = std::min(Rect.Top, Y - n);
    else
      Rect.Bottom = std::max(Rect.Bottom, Y + n);
  } else if (IsVertical(Side)) {
    Rect.Top = std::min(Rect.Top, Y - h);
    Rect.Bottom = std::max(Rect.Bottom, Y + h + o);
    if (Side == TSide::Right)
      Rect.Right = std::max(Rect.Right, X + n);
    else
      Rect.Left = std::min(Rect.Left, X - n);
  }
}

void TRelation::GetRectWhereDrawConclusion(ui::TRect& Area, const ui::TRect& Bounds, const int X, const int Y,
                                           const int Length, const int HalfWidth, const int OddWidth,
                                           const TSide Side) {
  const int h = HalfWidth, o = OddWidth, n = Length;
  switch (Side) {
    case TSide::Top: Area = ui::Rect(X - h, Y - n, X + h + o, Y); break;
    case TSide::Right: Area = ui::Rect(X, Y - h, X + n, Y + h + o); break;
    case TSide::Bottom: Area = ui::Rect(X - h, Y, X + h + o, Y + n); break;
    case TSide::Left: Area = ui::Rect(X - n, Y - h, X, Y + h + o); break;
    case TSide::None: Area = ui::Rect(X, Y, X, Y); break;
  }
  Area.Left -= Bounds.Left;
  Area.Right -= Bounds.Left;
  Area.Top -= Bounds.Top;
  Area.Bottom -= Bounds.Top;
}

void TRelation::CoordinateIntersection(int& X, int& Y, const int AreaWidth, const TSide Side,
                                       const TRectangle* Box) {
  const int h = AreaWidth / 2;
  if (IsHorizontal(Side)) {
    if (X > Box->Left() + Box->Width() - h) X = Box->Left() + Box->Width() - h - 1;
    if (X < Box->Left() + h) X = Box->Left() + h + 1;
  } else if (IsVertical(Side)) {
    if (Y > Box->Top() + Box->Height() - h) Y = Box->Top() + Box->Height() - h - 1;
    if (Y < Box->Top() + h) Y = Box->Top() + h + 1;
  }
}

int TRelation::CountCoordinate() {
  int bx = 0, by = 0, tx = 0, ty = 0;
  TSide baseSide = TSide::None, targetSide = TSide::None;
  TLoopShape shape = FRouteShape;
  ui::TRect r;
  if (!FSelfRelation) {
    const ui::TPoint B{FBase->Left() + FBaseX, FBase->Top() + FBaseY};
    const ui::TPoint T{FTarget->Left() + FTargetX, FTarget->Top() + FTargetY};
    if (Containt(B, FTarget->BoundsRect()) || Containt(T, FBase->BoundsRect())) {
      SetBounds(std::min(B.x, T.x), std::min(B.y, T.y), std::abs(B.x - T.x), std::abs(B.y - T.y));
      return -1;
    }
    GetIntersectionWith(FBase, B.x, B.y, T.x, T.y, bx, by, baseSide);
    GetIntersectionWith(FTarget, B.x, B.y, T.x, T.y, tx, ty, targetSide);
    CoordinateIntersection(bx, by, FBaseAreaWidth, baseSide, FBase);
    CoordinateIntersection(tx, ty, FTargetAreaWidth, targetSide, FTarget);
    r = ui::Rect(std::min(bx, tx), std::min(by, ty), std::max(bx, tx), std::max(by, ty));
  } else {
    const TRectangle* box = FBase;
    const int L = box->Left(), T = box->Top(), R = L + box->Width(), B = T + box->Height();
    const int x1 = std::min(L + FBaseX, L + FTargetX), x2 = std::max(L + FBaseX, L + FTargetX);
    const int y1 = std::min(T + FBaseY, T + FTargetY), y2 = std::max(T + FBaseY, T + FTargetY);
    const int sx = ConstX, sy = ConstY;
    const TOctant o1 = CountOctant(true), o2 = CountOctant(false);
    shape = LoopShapeOf(o1, o2);
    r = LoopBounds(shape, L, T, R, B, x1, y1, x2, y2, sx, sy);
    // Each end leaves the box on the side of its octant, straight out from its anchor.
    auto endOf = [&](TOctant octant, int ax, int ay, int& x, int& y, TSide& side) {
      side = SideOf(octant);
      switch (side) {
        case TSide::Top: x = L + ax, y = T; break;
        case TSide::Right: x = R, y = T + ay; break;
        case TSide::Bottom: x = L + ax, y = B; break;
        default: x = L, y = T + ay; break;
      }
    };
    endOf(o1, FBaseX, FBaseY, bx, by, baseSide);
    endOf(o2, FTargetX, FTargetY, tx, ty, targetSide);
    CoordinateIntersection(bx, by, FBaseAreaWidth, baseSide, box);
    CoordinateIntersection(tx, ty, FTargetAreaWidth, targetSide, box);
  }

  GrowAsYouWant(r, bx, by, FBaseAreaLength, FBaseAreaWidth / 2, FBaseAreaWidth % 2, baseSide);
  GrowAsYouWant(r, tx, ty, FTargetAreaLength, FTargetAreaWidth / 2, FTargetAreaWidth % 2, targetSide);
  GetRectWhereDrawConclusion(FBaseConclusionRect, r, bx, by, FBaseAreaLength, FBaseAreaWidth / 2,
                             FBaseAreaWidth % 2, baseSide);
  GetRectWhereDrawConclusion(FTargetConclusionRect, r, tx, ty, FTargetAreaLength, FTargetAreaWidth / 2,
                             FTargetAreaWidth % 2, targetSide);
  FBaseSide = baseSide;
  FTargetSide = targetSide;
  FRouteShape = shape;
  if (r == BoundsRect())
    Invalidate();
  else
    SetBounds(r.Left, r.Top, r.Width(), r.Height());
  return 0;
}

void TRelation::TryRepaint() {
  if (!FBase || !FTarget) {
    Invalidate();
    return;
  }
  // Between zoom steps the boxes and the anchors are scaled one after the other, in either
  // order; clamping an anchor to a box of the other scale would move it for good.
  if (!FZooming) {
    CoordinateBaseXY();
    CoordinateTargetXY();
  }
  int result = 0;
  try {
    result = CountCoordinate();
  } catch (const EMorvikError& e) {
    // A box moved onto the other or without size: keep the previous route.
    if (e.ErrorType() != emGeometry || e.ErrorCode() != geNoIntersectionExists) throw;
    Invalidate();
    return;
  }
  if (result == -1) ChangePositionOfMainLabel();
}

void TRelation::BaseChanged() { ChangePositionOfMainLabel(); }
void TRelation::TargetChanged() { ChangePositionOfMainLabel(); }

void TRelation::ResetPaintedEnds() {
  FPaintedBaseEnd = ui::TPoint{Left(), Top()};
  FPaintedTargetEnd = ui::TPoint{Left() + Width(), Top() + Height()};
}

void TRelation::ChangeScale(int M, int D) {
  TLine::ChangeScale(M, D); // anchors stay unclamped until AdjustAfterScaling
  ResetPaintedEnds();
  FConclusionLength = ui::MulDiv(FConclusionLength, M, D);
  FConclusionWidth = ui::MulDiv(FConclusionWidth, M, D);
  SetRequestedArea();
  TryRepaint();
  ChangePositionOfMainLabel();
}

void TRelation::AdjustScaling(const int FontSize) {
  FConclusionLength = DefConclusionLength;
  FConclusionWidth = DefConclusionWidth;
  SetRequestedArea();
  TLine::AdjustScaling(FontSize); // the anchors at 100 %, and the route
  ChangePositionOfMainLabel();
}

void TRelation::AdjustAfterScaling() {
  FZooming = false;
  ResetPaintedEnds();
  SetRequestedArea();
  TryRepaint();
  NoteZoomedAnchors();
  ChangePositionOfMainLabel();
}

void TRelation::Resize() {
  TLine::Resize();
  ChangePositionOfMainLabel();
}

void TRelation::Notification(ui::TComponent* AComponent, ui::TOperation Operation) {
  TLine::Notification(AComponent, Operation);
  if (Operation == ui::TOperation::opRemove && FMainLabel &&
      static_cast<ui::TComponent*>(FMainLabel) == AComponent)
    FMainLabel = nullptr;
}

void TRelation::DrawConclusion(const ui::TRect& Rect, ui::TCanvas* Canvas, const bool BaseConclusion,
                               const TSide Direction, int& X, int& Y) {
  X = 0;
  Y = 0;
  ui::TCanvas* previous = FDrawingCanvas;
  FDrawingCanvas = Canvas;
  const ui::TScopeGuard restore([this, previous] { FDrawingCanvas = previous; });
  if (FOnDrawConclusion && FRelationKind == rkUserDefined)
    FOnDrawConclusion(this, Rect, BaseConclusion, Direction, X, Y);
  else
    MyDrawConclusion(Rect, Canvas, BaseConclusion, Direction, X, Y);
}

void TRelation::MyDrawConclusion(const ui::TRect& Rect, ui::TCanvas* Canvas, const bool BaseConclusion,
                                 const TSide Direction, int& X, int& Y) {
  ui::TCanvas* c = Canvas;
  if (FRelationKind == rkNone) {
    c->SetPixel(Rect.Left, Rect.Top, c->Pen()->Color());
    X = Rect.Left;
    Y = Rect.Top;
    return;
  }
  // The stem along the middle of the area.
  const bool vertical = IsHorizontal(Direction); // a stem off the top or bottom side stands upright
  if (vertical) {
    X = Rect.Left + (Rect.Right - Rect.Left) / 2;
    c->MoveTo(X, Rect.Top);
    c->LineTo(X, Rect.Bottom);
    Y = Direction == TSide::Top ? Rect.Top : Rect.Bottom;
  } else {
    Y = Rect.Top + (Rect.Bottom - Rect.Top) / 2;
    c->MoveTo(Rect.Left, Y);
    c->LineTo(Rect.Right, Y);
    X = Direction == TSide::Left ? Rect.Left : Rect.Right;
  }
  if (FConclusionLength < 10) return; // too small to tell the symbols apart

  const int stemX = X, stemY = Y;
  // Column (vertical stem: row) at offset K outwards from the box edge.
  auto at = [&](int K) {
    switch (Direction) {
      case TSide::Top: return Rect.Bottom - 1 - K;
      case TSide::Bottom: return Rect.Top + K;
      case TSide::Right: return Rect.Left + K;
      default: return Rect.Right - 1 - K;
    }
  };
  auto bar = [&](int K) {
    const int p = at(K);
    if (vertical) {
      c->MoveTo(Rect.Left, p);
      c->LineTo(Rect.Right, p);
    } else {
      c->MoveTo(p, Rect.Top);
      c->LineTo(p, Rect.Bottom);
    }
  };
  auto circle = [&]() {
    const int k = FCircleOffset;
    switch (Direction) {
      case TSide::Top: {
        const int w = Rect.Right - Rect.Left;
        c->Ellipse(Rect.Left, Rect.Bottom - k - w, Rect.Right, Rect.Bottom - k);
        break;
      }
      case TSide::Bottom: {
        const int w = Rect.Right - Rect.Left;
        c->Ellipse(Rect.Left, Rect.Top + k, Rect.Right, Rect.Top + k + w);
        break;
      }
      case TSide::Right: {
        const int w = Rect.Bottom - Rect.Top;
        c->Ellipse(Rect.Left + k, Rect.Top, Rect.Left + k + w, Rect.Bottom);
        break;
      }
      default: {
        const int w = Rect.Bottom - Rect.Top;
        c->Ellipse(Rect.Right - k - w, Rect.Top, Rect.Right - k, Rect.Bottom);
        break;
      }
    }
  };
  auto foot = [&]() {
    const int edge = at(0), toe = at(FFootOffset);
    if (vertical) {
      c->MoveTo(Rect.Left, edge);
      c->LineTo(stemX, toe);
      c->MoveTo(Rect.Right - 1, edge);
      c->LineTo(stemX, toe);
    } else {
      c->MoveTo(edge, Rect.Top);
      c->LineTo(toe, stemY);
      c->MoveTo(edge, Rect.Bottom - 1);
      c->LineTo(toe, stemY);
    }
  };
  auto arrow = [&]() {
    const int tip = at(0), base = at(FArrowOffset);
    if (vertical)
      c->Polygon({{stemX, tip}, {Rect.Left, base}, {Rect.Right - 1, base}});
    else
      c->Polygon({{tip, stemY}, {base, Rect.Top}, {base, Rect.Bottom - 1}});
  };

  switch (EndSymbol(FRelationKind, BaseConclusion)) {
    case TEndSymbol::ZeroOne:
      bar(FBarOffset);
      circle();
      break;
    case TEndSymbol::OneOne:
      bar(FBarOffset);
      bar(FSecondBarOffset);
      break;
    case TEndSymbol::ZeroMany:
      foot();
      circle();
      break;
    case TEndSymbol::OneMany:
      foot();
      bar(FSecondBarOffset);
      break;
    case TEndSymbol::Arrow: arrow(); break;
    case TEndSymbol::Nothing: c->SetPixel(Rect.Left, Rect.Top, c->Pen()->Color()); break;
    case TEndSymbol::StemOnly: break;
  }
}

void TRelation::DrawRoute(ui::TCanvas* Canvas, int X0, int Y0, int W, int H, const ui::TRect& BaseRect,
                          const ui::TRect& TargetRect, ui::TPoint& BaseEnd, ui::TPoint& TargetEnd) {
  ui::TCanvas* c = Canvas;
  int bx, by, tx, ty;
  DrawConclusion(BaseRect, c, true, FBaseSide, bx, by);
  DrawConclusion(TargetRect, c, false, FTargetSide, tx, ty);
  if (!FSelfRelation) {
    // An end on the far edge of the bounds is drawn on the last column or row inside.
    auto clamp = [&](int& x, int& y) {
      if (x == X0 + W) x = X0 + W - 1;
      if (y == Y0 + H) y = Y0 + H - 1;
    };
    clamp(bx, by);
    clamp(tx, ty);
    c->MoveTo(bx, by);
    c->LineTo(tx, ty);
    c->SetPixel(tx, ty, c->Pen()->Color());
  } else {
    c->MoveTo(bx, by);
    for (const ui::TPoint& p :
         LoopCorners(FRouteShape, FBaseSide, bx, by, tx, ty, X0, Y0, X0 + W - 1, Y0 + H - 1))
      c->LineTo(p.x, p.y);
    if (FTargetSide == TSide::Bottom)
      c->LineTo(tx, ty - 1);
    else if (FTargetSide == TSide::Right)
      c->LineTo(tx - 1, ty);
    else
      c->LineTo(tx, ty);
  }
  BaseEnd = ui::TPoint{bx, by};
  TargetEnd = ui::TPoint{tx, ty};
}

void TRelation::Paint() {
  FPainted = true;
  ui::TCanvas* c = CanvasWithOwnTools();
  if (!FBase || !FTarget) {
    TLine::Paint(); // the placeholder of a line with an end missing
    return;
  }
  ui::TPoint b, t;
  DrawRoute(c, 0, 0, Width(), Height(), FBaseConclusionRect, FTargetConclusionRect, b, t);
  FPaintedBaseEnd = ui::TPoint{b.x + Left(), b.y + Top()};
  FPaintedTargetEnd = ui::TPoint{t.x + Left(), t.y + Top()};
  ChangePositionOfMainLabel();
}

void TRelation::PaintSelfToPrintCanvas(const int MulX, const int MulY, const int DivX, const int DivY,
                                       const int X, const int Y, ui::TCanvas* Canvas) {
  if (!Canvas || !FBase || !FTarget) return;
  const int w = Width() * MulX / DivX, h = Height() * MulY / DivY;
  const int x0 = X * MulX / DivX, y0 = Y * MulY / DivY;
  SetPrintTools(Canvas, ui::clWhite);

  auto sx = [&](int v) { return RoundHalfEven(v, MulX, DivX); };
  auto sy = [&](int v) { return RoundHalfEven(v, MulY, DivY); };
  auto area = [&](const ui::TRect& r) {
    return ui::Rect(sx(r.Left) + x0, sy(r.Top) + y0, sx(r.Right) + x0, sy(r.Bottom) + y0);
  };
  FBarOffset = sx(DefBarOffset);
  FSecondBarOffset = sx(DefSecondBarOffset);
  FCircleOffset = sx(DefCircleOffset);
  FFootOffset = sx(DefFootOffset);
  FArrowOffset = sx(DefArrowOffset);
  const ui::TScopeGuard restore([this] {
    FBarOffset = DefBarOffset;
    FSecondBarOffset = DefSecondBarOffset;
    FCircleOffset = DefCircleOffset;
    FFootOffset = DefFootOffset;
    FArrowOffset = DefArrowOffset;
  });
  ui::TPoint b, t;
  DrawRoute(Canvas, x0, y0, w, h, area(FBaseConclusionRect), area(FTargetConclusionRect), b, t);
}

bool TRelation::IsClickAcceptable(const int X, const int Y) {
  const ui::TPoint own{X - Left(), Y - Top()};
  if (ui::PtInRect(FBaseConclusionRect, own) || ui::PtInRect(FTargetConclusionRect, own)) return true;
  const int tol = Tolerance();

  if (FSelfRelation) {
    if (!IsLoopShape(FRouteShape)) RaiseBadShape("IsClickAcceptable()");
    const ui::TPoint b = FPaintedBaseEnd, t = FPaintedTargetEnd;
    std::vector<ui::TPoint> path{b};
    for (const ui::TPoint& p : LoopCorners(FRouteShape, FBaseSide, b.x, b.y, t.x, t.y, Left(), Top(),
                                           Left() + Width() - 1, Top() + Height() - 1))
      path.push_back(p);
    path.push_back(t);
    for (size_t i = 0; i + 1 < path.size(); ++i)
      if (NearOrthogonalSegment(path[i], path[i + 1], X, Y, tol)) return true;
    return false;
  }

  // Distance from the click to the drawn segment (never to its extension beyond the ends).
  const ui::TPoint p1 = FPaintedBaseEnd, p2 = FPaintedTargetEnd;
  if (p1 == p2) return false;
  const int64_t dx = p2.x - p1.x, dy = p2.y - p1.y;
  const int64_t ux = X - p1.x, uy = Y - p1.y;
  const double t = static_cast<double>(ux * dx + uy * dy) / static_cast<double>(dx * dx + dy * dy);
  double distance;
  if (t < 0 || t > 1) {
    const double d1 = std::hypot(static_cast<double>(ux), static_cast<double>(uy));
    const double d2 = std::hypot(static_cast<double>(X - p2.x), static_cast<double>(Y - p2.y));
    distance = std::min(d1, d2);
  } else {
    distance =
        std::fabs(static_cast<double>(dy * ux - dx * uy)) / std::sqrt(static_cast<double>(dx * dx + dy * dy));
  }
  return distance <= tol;
}

void TRelation::RaiseBadShape(const char* Operation) const {
  RaiseDiagramError(geBadNuberOfSelfRelation, emDiagram,
                    QString::asprintf(gaBadNuberOfSelfRelation, Name().toUtf8().constData(), Operation));
}

void TRelation::ChangePositionOfMainLabel() {
  if (!FMainLabel) return;
  const int w = FMainLabel->Width(), h = FMainLabel->Height();
  const int RL = Left(), RT = Top(), RR = RL + Width(), RB = RT + Height();
  int X = FMainLabel->Left(), Y = FMainLabel->Top();
  if (!FSelfRelation) {
    if (FPainted) {
      const ui::TPoint a = FPaintedBaseEnd, b = FPaintedTargetEnd;
      X = std::min(a.x, b.x) + std::abs(b.x - a.x) / 2 - w / 2;
      Y = std::min(a.y, b.y) + std::abs(b.y - a.y) / 2 - h / 2;
    } else {
      X = RL + (Width() - w) / 2;
      Y = RT + (Height() - h) / 2;
    }
  } else {
    const TRectangle* box = FBase;
    const int BL = box->Left(), BT = box->Top(), BR = BL + box->Width(), BB = BT + box->Height();
    const int m = 3;
    if (!IsLoopShape(FRouteShape)) RaiseBadShape("ChangePositionOfMainLabel()");
    // Centred on its place on the loop, then moved sideways (or, in the middle of the top
    // or bottom line, up or down) clear of the box.
    switch (LoopShapeInfo(FRouteShape).Label) {
      case TLoopLabel::Top:
        X = RL + Width() / 2 - w / 2;
        Y = RT - h / 2;
        if (Y + h >= BT) Y = BT - h - m;
        break;
      case TLoopLabel::Right:
        X = RR - w / 2;
        Y = RT + Height() / 2 - h / 2;
        if (X < BR) X = BR + m;
        break;
      case TLoopLabel::Bottom:
        X = RL + Width() / 2 - w / 2;
        Y = RB - h / 2;
        if (Y <= BB) Y = BB + m;
        break;
      case TLoopLabel::Left:
        X = RL - w / 2;
        Y = RT + Height() / 2 - h / 2;
        if (X + w >= BL) X = BL - w - m;
        break;
      case TLoopLabel::TopRight:
        X = RR - w / 2;
        Y = RT - h / 2;
        if (BR >= X && Y + h >= BT) X = BR + m;
        break;
      case TLoopLabel::BottomRight:
        X = RR - w / 2;
        Y = RB - h / 2;
        if (BR >= X && BB >= Y) X = BR + m;
        break;
      case TLoopLabel::BottomLeft:
        X = RL - w / 2;
        Y = RB - h / 2;
        if (X + w >= BL && BB >= Y) X = BL - w - m;
        break;
      case TLoopLabel::TopLeft:
        X = RL - w / 2;
        Y = RT - h / 2;
        if (X + w >= BL && Y + h >= BT) X = BL - w - m;
        break;
    }
  }
  if (X != FMainLabel->Left() || Y != FMainLabel->Top()) FMainLabel->SetBounds(X, Y, w, h);
}
