#include "diagram/ResizeBox.h"

#include "diagram/Rectangle.h"

#include <algorithm>
#include <cstdlib>

TResizeBox::TResizeBox(ui::TComponent* Owner) : TResizer(Owner) { SetBounds(Left(), Top(), 50, 50); }

TResizeBox::~TResizeBox() {
  if (Host() && Host()->Resizer() == this) Host()->SetResizer(nullptr);
  SetHostElement(nullptr);
}

TRectangle* TResizeBox::Host() const { return static_cast<TRectangle*>(HostElement()); }

void TResizeBox::SetState(TResizeState S) {
  FState = S;
  Invalidate();
}

void TResizeBox::SetHost(TRectangle* R) {
  TRectangle* previous = Host();
  if (previous && previous != R && previous->Resizer() == this) previous->SetResizer(nullptr);
  SetHostElement(R);
  if (R) {
    R->SetResizer(this);
    PlaceAroundHost();
  }
}

void TResizeBox::PlaceAroundHost() {
  const TRectangle* host = Host();
  const int s = FHandleSize;
  SetBounds(host->Left() - s / 2, host->Top() - s / 2, host->Width() + s, host->Height() + s);
}

void TResizeBox::HostSizeChanged(ui::TObject* Sender) {
  if (Host()) PlaceAroundHost();
}

void TResizeBox::SetHostPosition() {
  RequireHost();
  const int s = FHandleSize;
  Host()->SetBounds(Left() + s / 2, Top() + s / 2, Width() - s, Height() - s);
  SetHost(Host());
}

void TResizeBox::SetPosition(int X1, int Y1, int X2, int Y2) {
  SetBounds(std::min(X1, X2), std::min(Y1, Y2), std::abs(X2 - X1), std::abs(Y2 - Y1));
  Invalidate();
}

uint8_t TResizeBox::HandleCodeAt(int X, int Y, int W, int H, int S) {
  const int w2 = (W - S) / 2, h2 = (H - S) / 2;
  auto in = [](int v, int lo, int hi) { return lo <= v && v <= hi; };
  const bool left = in(X, 0, S), right = in(X, W - S - 1, W - 1);
  const bool top = in(Y, 0, S), bottom = in(Y, H - S - 1, H - 1);
  const bool middleX = in(X, w2, w2 + S), middleY = in(Y, h2, h2 + S);
  if (left && top) return hcTopLeft;
  if (right && bottom) return hcBottomRight;
  if (left && bottom) return hcBottomLeft;
  if (right && top) return hcTopRight;
  if (middleX && top) return hcTop;
  if (middleX && bottom) return hcBottom;
  if (left && middleY) return hcLeft;
  if (right && middleY) return hcRight;
  return hcNone;
}

ui::TCursor TResizeBox::CursorOfCode(uint8_t Code) {
  switch (Code) {
    case hcTop:
    case hcBottom: return ui::crSizeNS;
    case hcLeft:
    case hcRight: return ui::crSizeWE;
    case hcTopLeft:
    case hcBottomRight: return ui::crSizeNWSE;
    case hcBottomLeft:
    case hcTopRight: return ui::crSizeNESW;
    default: return ui::crDefault;
  }
}

void TResizeBox::MouseMove(ui::TShiftState Shift, int X, int Y) {
  TResizer::MouseMove(Shift, X, Y);
  if (!ChangeCursor()) {
    SetCursor(DefaultCursor());
    return;
  }
  if (FState == rsMoving) {
    SetCursor(ui::crDefault);
    FHandleCode = hcMoving;
    return;
  }
  FHandleCode = HandleCodeAt(X, Y, Width(), Height(), FHandleSize);
  SetCursor(CursorOfCode(FHandleCode));
}

void TResizeBox::Paint() {
  ui::TCanvas* c = Canvas();
  const int s = FHandleSize, W = Width(), H = Height();
  c->Pen()->SetStyle(ui::TPenStyle::psSolid);
  c->Pen()->SetMode(ui::TPenMode::pmCopy);
  c->Brush()->SetStyle(ui::TBrushStyle::bsSolid);
  if (FState == rsMoving) {
    c->Pen()->SetColor(ui::clBlack);
    c->Polyline({{s / 2, s / 2}, {s / 2, H - 3}, {W - 3, H - 3}, {W - 3, s / 2}, {s / 2, s / 2}});
    return;
  }
  c->Pen()->SetColor(FState == rsSelectedAsMany ? ui::clGray : ui::clBlack);
  c->Brush()->SetColor(FState == rsSelectedAsOne ? ui::clBlack : ui::clGray);
  const int w2 = (W - s) / 2, h2 = (H - s) / 2;
  const ui::TPoint corners[] = {{0, 0},         {0, H - s - 1}, {W - s - 1, H - s - 1},
                                {W - s - 1, 0}, {w2, 0},        {w2, H - s - 1},
                                {0, h2},        {W - s - 1, h2}};
  for (const ui::TPoint& p : corners) c->Rectangle(p.x, p.y, p.x + s, p.y + s);
}

void TResizeBox::AdjustScaling(const int FontSize) {
  TResizer::AdjustScaling(FontSize);
  HostSizeChanged(Host());
}

void TResizeBox::AdjustAfterScaling() { HostSizeChanged(Host()); }
