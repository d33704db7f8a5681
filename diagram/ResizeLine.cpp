#include "diagram/ResizeLine.h"

#include "diagram/Errors.h"
#include "diagram/Line.h"
#include "diagram/Rectangle.h"

TResizeLine::TResizeLine(ui::TComponent* Owner) : TResizer(Owner) {
  SetBounds(Left(), Top(), DefHandleSize, DefHandleSize);
}

TLine* TResizeLine::Host() const { return static_cast<TLine*>(HostElement()); }

void TResizeLine::SetHost(TLine* L) {
  if (L == Host()) return;
  SetHostElement(L);
  if (L) GotoHostPosition();
}

void TResizeLine::SetHostSite(THostSite Site) {
  if (Site == FHostSite) return;
  FHostSite = Site;
  if (Host()) GotoHostPosition();
}

void TResizeLine::GotoHostPosition() {
  RequireHost();
  const TLine* host = Host();
  const int half = FHandleSize / 2;
  if (FHostSite == hsBase) {
    const TRectangle* box = host->Base();
    if (!box)
      RaiseDiagramError(geHostHasNotDefinedBase, emDiagram, QString::fromLatin1(gaHostHasNotDefinedBase));
    SetBounds(box->Left() + host->BaseX() - half, box->Top() + host->BaseY() - half, Width(), Height());
  } else {
    const TRectangle* box = host->Target();
    if (!box)
      RaiseDiagramError(geHostHasNotDefinedTarget, emDiagram, QString::fromLatin1(gaHostHasNotDefinedTarget));
    SetBounds(box->Left() + host->TargetX() - half, box->Top() + host->TargetY() - half, Width(), Height());
  }
}

void TResizeLine::SetHostPosition() {
  RequireHost();
  TLine* host = Host();
  // The anchor is the handle's centre, the point GotoHostPosition puts on it.
  const int half = FHandleSize / 2;
  if (FHostSite == hsTarget) {
    if (const TRectangle* box = host->Target())
      host->SetTargetXY(Left() + half - box->Left(), Top() + half - box->Top());
  } else {
    if (const TRectangle* box = host->Base())
      host->SetBaseXY(Left() + half - box->Left(), Top() + half - box->Top());
  }
}

void TResizeLine::HostSizeChanged(ui::TObject* Sender) {
  if (Host()) GotoHostPosition();
}

void TResizeLine::MouseMove(ui::TShiftState Shift, int X, int Y) {
  TResizer::MouseMove(Shift, X, Y);
  SetCursor(ChangeCursor() ? ui::crSizeAll : DefaultCursor());
}

void TResizeLine::Paint() {
  ui::TCanvas* c = Canvas();
  c->Brush()->SetStyle(ui::TBrushStyle::bsSolid);
  c->Brush()->SetColor(ui::clBlack);
  c->FillRect(ui::Rect(0, 0, Width(), Height()));
}

void TResizeLine::AdjustScaling(const int FontSize) {
  // Back to the exact size at 100 %, still centred on the anchor.
  TResizer::AdjustScaling(FontSize);
  SetBounds(Left(), Top(), DefHandleSize, DefHandleSize);
  const TLine* host = Host();
  if (host && (FHostSite == hsBase ? host->Base() : host->Target())) GotoHostPosition();
}
