#include "diagram/SelectingRect.h"

#include <algorithm>
#include <cstdlib>

TSelectingRect::TSelectingRect(ui::TComponent* Owner) : TMorvikAbstract(Owner) {
  SetBounds(Left(), Top(), 40, 20);
}

void TSelectingRect::SetMode(TSelectingType M) {
  FMode = M;
  Invalidate();
}

void TSelectingRect::SetPosition(int X1, int Y1, int X2, int Y2) {
  FRising = (X2 < X1) != (Y2 < Y1);
  SetBounds(std::min(X1, X2), std::min(Y1, Y2), std::abs(X2 - X1), std::abs(Y2 - Y1));
  Invalidate();
}

void TSelectingRect::GetRect(ui::TRect& R) const {
  R = ui::Rect(Left(), Top(), Left() + Width() - 1, Top() + Height() - 1);
}

void TSelectingRect::Paint() {
  ui::TCanvas* c = Canvas();
  // White XOR inverts: visible on every colour and erased by drawing it again.
  c->Pen()->SetColor(ui::clWhite);
  c->Pen()->SetStyle(ui::TPenStyle::psDot);
  c->Pen()->SetMode(ui::TPenMode::pmXor);
  c->Pen()->SetWidth(1);
  const int W = Width(), H = Height();
  if (FMode == stRect) {
    c->Polyline({{0, 0}, {0, H - 1}, {W - 1, H - 1}, {W - 1, 0}, {0, 0}});
  } else if (FRising) {
    c->MoveTo(0, H - 1);
    c->LineTo(W - 1, 0);
  } else {
    c->MoveTo(0, 0);
    c->LineTo(W - 1, H - 1);
  }
  c->Pen()->SetMode(ui::TPenMode::pmCopy);
  c->Pen()->SetStyle(ui::TPenStyle::psSolid);
}
