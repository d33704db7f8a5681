// A desktop with plain boxes and relations on it, for routing, painting and hit tests.
#pragma once

#include "GuiApp.h"
#include "diagram/Rectangle.h"
#include "diagram/Relation.h"
#include "ui/Desktop.h"
#include "tests/support/PixelHelpers.h"

#include <gtest/gtest.h>

#include <ostream>

namespace ui {
inline std::ostream& operator<<(std::ostream& os, const TRect& r) {
  return os << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}
inline std::ostream& operator<<(std::ostream& os, const TPoint& p) {
  return os << "(" << p.x << ", " << p.y << ")";
}
} // namespace ui

// A new element of type T on the desktop, owned by it.
template <typename T>
T* Place(ui::TDesktop& Desktop) {
  auto* e = new T(&Desktop);
  e->SetParent(&Desktop);
  return e;
}

class DiagramFixture : public ::testing::Test {
protected:
  DiagramFixture() { Desktop.SetColor(ui::clWhite); }

  TRectangle* Box(int Left, int Top, int Width, int Height) {
    auto* box = new TRectangle(&Desktop);
    box->SetParent(&Desktop);
    box->SetBounds(Left, Top, Width, Height);
    return box;
  }

  // A relation of Kind from Base to Target with the anchors given (relative to each box).
  TRelation* Relate(TRectangle* Base, ui::TPoint BaseAnchor, TRectangle* Target, ui::TPoint TargetAnchor,
                    TRelationKind Kind = rkOneOneToZeroMany) {
    auto* r = new TRelation(&Desktop);
    r->SetParent(&Desktop);
    r->SetBase(Base);
    r->SetBaseXY(BaseAnchor.x, BaseAnchor.y);
    r->SetTarget(Target);
    r->SetTargetXY(TargetAnchor.x, TargetAnchor.y);
    r->SetRelationKind(Kind);
    return r;
  }

  // Two 100 x 50 boxes side by side, 100 pixels apart (base and target), related from
  // centre to centre: the base end leaves the base's right side at (100, 25).
  TRelation* SideBySide(TRelationKind Kind = rkOneOneToZeroMany) {
    base = Box(0, 0, 100, 50);
    target = Box(200, 0, 100, 50);
    return Relate(base, {50, 25}, target, {50, 25}, Kind);
  }

  QImage Render(int W = 400, int H = 320) {
    QImage img = testing_pixels::MakeImage(W, H);
    Desktop.RenderTo(img);
    return img;
  }

  QApplication& App = GuiApp();
  ui::TDesktop Desktop;
  TRectangle* base = nullptr; // of SideBySide
  TRectangle* target = nullptr;
};
