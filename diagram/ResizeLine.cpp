#include "diagram/ResizeLine.h"

#include "diagram/Errors.h"
#include "diagram/Line.h"
#include "diagram/Rectangle.h"

TResizeLine::TResizeLine(ui::TComponent* Owner) : TResizer(Owner) {
  SetBounds(Left(), Top(), DefHandleSize, DefHandleSize);
}

void TResizeLine::SetHost(TLine* L) {
  if (L == FHost) return;
  FHost = L;
  if (L) {
    L->FreeNotification(this);
    GotoHostPosition();
  }
}

void TResizeLine::SetHostSite(THostSite Site) {
  if (Site == FHostSite) return;
  FHostSite = Site;
  if (FHost) GotoHostPosition();
}

void TResizeLine::GotoHostPosition() {
  if (!FHost) RaiseDiagramError(geHostIsNotDefined, emDiagram, QString::fromLatin1(gaHostIsNotDefined));
  const int half = FHandleSize / 2;
  if (FHostSite == hsBase) {
    const TRectangle* box = FHost->Base();
    if (!box)
      RaiseDiagramError(geHostHasNotDefinedBase, emDiagram, QString::fromLatin1(gaHostHasNotDefinedBase));
    SetBounds(box->Left() + FHost->BaseX() - half, box->Top() + FHost->BaseY() - half, Width(), Height());
  } else {
    const TRectangle* box = FHost->Target();
    if (!box)
      RaiseDiagramError(geHostHasNotDefinedTarget, emDiagram, QString::fromLatin1(gaHostHasNotDefinedTarget));
    SetBounds(box->Left() + FHost->TargetX() - half, box->Top() + FHost->TargetY() - half, Width(), Height());
  }
}

void TResizeLine::SetHostPosition() {
  if (!FHost) RaiseDiagramError(geHostIsNotDefined, emDiagram, QString::fromLatin1(gaHostIsNotDefined));
  // The anchor is the handle's centre, the point GotoHostPosition puts on it.
  const int half = FHandleSize / 2;
  if (FHostSite == hsTarget) {
    if (const TRectangle* box = FHost->Target())
      FHost->SetTargetXY(Left() + half - box->Left(), Top() + half - box->Top());
  } else {
    if (const TRectangle* box = FHost->Base())
      FHost->SetBaseXY(Left() + half - box->Left(), Top() + half - box->Top());
  }
}

void TResizeLine::HostSizeChanged(ui::TObject* Sender) {
  if (FHost) GotoHostPosition();
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

void TResizeLine::Notification(ui::TComponent* AComponent, ui::TOperation Operation) {
  TResizer::Notification(AComponent, Operation);
  if (Operation == ui::TOperation::opRemove && FHost && static_cast<ui::TComponent*>(FHost) == AComponent)
    FHost = nullptr;
}

void TResizeLine::ChangeScale(int M, int D) {
  TResizer::ChangeScale(M, D);
  FHandleSize = ui::MulDiv(FHandleSize, M, D);
}

void TResizeLine::AdjustScaling(const int FontSize) {
  // Back to the exact size at 100 %, still centred on the anchor.
  FHandleSize = DefHandleSize;
  SetBounds(Left(), Top(), DefHandleSize, DefHandleSize);
  if (FHost && (FHostSite == hsBase ? FHost->Base() : FHost->Target())) GotoHostPosition();
}
