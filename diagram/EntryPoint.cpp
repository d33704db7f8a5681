#include "diagram/EntryPoint.h"

#include "diagram/Errors.h"
#include "diagram/Rectangle.h"

TEntryPoint::TEntryPoint(ui::TComponent* Owner) : TMorvikGraphic(Owner) {
  SetBounds(Left(), Top(), DefWidth, DefHeight);
  Pen()->SetColor(ui::clBlack);
  Brush()->SetColor(ui::clBlack);
}

TEntryPoint::~TEntryPoint() {
  if (FEntity && FEntity->EntryPoint() == this) FEntity->DeleteEntryPoint();
  FEntity = nullptr;
}

void TEntryPoint::SetEntity(TRectangle* R) {
  // Refuse before anything is unlinked, so a failed call changes nothing.
  if (R && R != FEntity && R->EntryPoint())
    RaiseDiagramError(geEntryPointIsStillDefined, emDiagram, QString::fromLatin1(gaEntryPointIsStillDefined));
  if (FEntity && FEntity->EntryPoint() == this) FEntity->DeleteEntryPoint();
  FEntity = nullptr;
  if (R) {
    R->SetEntryPoint(this);
    R->FreeNotification(this);
  }
  FEntity = R;
  TryRepaint();
}

void TEntryPoint::MoveToEntity() {
  if (!FEntity) return;
  const int left = FEntity->Left() + FEntity->Width() - Width();
  const int top = FEntity->Top() - Height();
  if (left != Left() || top != Top()) SetBounds(left, top, Width(), Height());
}

void TEntryPoint::TryRepaint() {
  MoveToEntity();
  Invalidate();
}

void TEntryPoint::AdjustScaling(const int FontSize) {
  SetBounds(Left(), Top(), DefWidth, DefHeight);
  // The place depends on the size: no frame may paint the marker where it stood before.
  TryRepaint();
}

void TEntryPoint::Paint() {
  MoveToEntity();
  ui::TCanvas* c = CanvasWithOwnTools();
  const int W = Width(), H = Height();
  c->Polygon({{0, 0}, {W - 1, 0}, {(W - 1) / 2, H - 1}});
}

void TEntryPoint::PaintSelfToPrintCanvas(const int MulX, const int MulY, const int DivX, const int DivY,
                                         const int X, const int Y, ui::TCanvas* Canvas) {
  if (!Canvas) return;
  const int w = Width() * MulX / DivX, h = Height() * MulY / DivY;
  const int x0 = X * MulX / DivX, y0 = Y * MulY / DivY;
  SetPrintTools(Canvas, ui::clBlack);
  Canvas->Polygon({{x0, y0}, {x0 + w - 1, y0}, {x0 + w / 2 - 1, y0 + h - 1}});
}

void TEntryPoint::Notification(ui::TComponent* AComponent, ui::TOperation Operation) {
  TMorvikGraphic::Notification(AComponent, Operation);
  if (Operation == ui::TOperation::opRemove && FEntity && static_cast<ui::TComponent*>(FEntity) == AComponent)
    FEntity = nullptr;
}
