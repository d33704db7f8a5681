#include "diagram/TextLabel.h"

TTextLabel::TTextLabel(ui::TComponent* Owner) : TRectangle(Owner) {
  Brush()->SetColor(ui::clBtnFace);
  Pen()->SetColor(ui::clWindowFrame);
  CountNewSize(false);
}

void TTextLabel::SetCaption(const QString& Value) {
  if (Value == FCaption) return;
  FCaption = Value;
  CountNewSize(true);
}

void TTextLabel::CountNewSize(bool Repaint) {
  ui::TCanvas* c = Canvas();
  c->Font()->Assign(Font());
  const int w = c->TextWidth(FCaption) + 2 * FMarginX;
  const int h = c->TextHeight(FCaption) + 2 * FMarginY;
  if (w + 2 != Width() || h + 2 != Height())
    SetBounds(Left(), Top(), w + 2, h + 2);
  else if (Repaint)
    Invalidate();
}

void TTextLabel::MyMoveAndResize(ui::TObject* Sender) {
  TRectangle::MyMoveAndResize(Sender);
  CountNewSize(true);
  TellHimAboutMyChange();
}

void TTextLabel::ChangeScale(int M, int D) {
  TRectangle::ChangeScale(M, D);
  ScaleFont(M, D);
  FMarginX = ui::MulDiv(FMarginX, M, D);
  FMarginY = ui::MulDiv(FMarginY, M, D);
  CountNewSize(true);
  TellHimAboutMyChange();
}

void TTextLabel::AdjustScaling(const int FontSize) {
  TRectangle::AdjustScaling(FontSize); // the font size, when one is given
  FMarginX = DefMarginX;
  FMarginY = DefMarginY;
  CountNewSize(true);
  TellHimAboutMyChange();
}

void TTextLabel::AdjustAfterScaling() {
  CountNewSize(true);
  TellHimAboutMyChange();
}

void TTextLabel::Paint() {
  ui::TCanvas* c = CanvasWithOwnTextTools();
  CountNewSize(false);
  c->Rectangle(0, 0, Width() - 1, Height() - 1);
  c->TextOut(FMarginX, FMarginY, FCaption);
}

void TTextLabel::PaintSelfToPrintCanvas(const int MulX, const int MulY, const int DivX, const int DivY,
                                        const int X, const int Y, ui::TCanvas* Canvas) {
  if (!Canvas) return;
  const int x0 = X * MulX / DivX, y0 = Y * MulY / DivY;
  const int w = Width() * MulX / DivX, h = Height() * MulY / DivY;
  SetPrintTextTools(Canvas, MulY, DivY);
  Canvas->Rectangle(x0, y0, x0 + w - 1, y0 + h - 1);
  Canvas->TextOut(x0 + ui::MulDiv(FMarginX, MulX, DivX), y0 + ui::MulDiv(FMarginY, MulY, DivY), FCaption);
}

void TTextLabel::Notification(ui::TComponent* AComponent, ui::TOperation Operation) {
  TRectangle::Notification(AComponent, Operation);
  // Never keep pointing to a relation that is going away.
  if (Operation == ui::TOperation::opRemove && Tag() != 0 && Tag() == reinterpret_cast<intptr_t>(AComponent))
    SetTag(0);
}
