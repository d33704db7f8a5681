#include "diagram/Note.h"

#include <QRegularExpression>

#include <algorithm>

namespace {
const QString kLineSample = QStringLiteral("MyŠ");
}

TNote::TNote(ui::TComponent* Owner) : TRectangle(Owner) {
  Brush()->SetColor(ui::clYellow);
  SetEffect3D(true);
}

void TNote::SetLines(const QStringList& Value) {
  FLines = Value;
  LinesChanged();
  if (!FAutoSize) Invalidate();
}

void TNote::SetText(const QString& Value) {
  static const QRegularExpression breaks(QStringLiteral("\r\n|\n|\r"));
  QStringList lines = Value.split(breaks);
  // A text that ends with a line break has no empty last line.
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  SetLines(lines);
}

void TNote::SetAutoSize(bool Value) {
  if (Value == FAutoSize) return;
  FAutoSize = Value;
  if (FAutoSize) ChangeSize();
}

void TNote::LinesChanged() {
  if (FAutoSize) ChangeSize();
}

void TNote::FontChanged(ui::TObject* Sender) {
  if (FAutoSize)
    ChangeSize();
  else
    Invalidate();
}

int TNote::LineHeight(ui::TCanvas* Canvas) { return Canvas->TextHeight(kLineSample); }

void TNote::CountNewWidthAndHeight(int& AWidth, int& AHeight) {
  ui::TCanvas* c = Canvas();
  int widest = 0;
  for (const QString& line : FLines) widest = std::max(widest, c->TextWidth(line));
  AWidth = std::max(FMinWidth, widest + 2 * FLeftMargin);
  AHeight =
      std::max(FMinHeight, static_cast<int>(FLines.size()) * LineHeight(c) + FFoldSize + 2 + FLeftMargin / 2);
}

void TNote::ChangeSize() {
  Canvas()->Font()->Assign(Font());
  int w = 0, h = 0;
  CountNewWidthAndHeight(w, h);
  if (w == Width() && h == Height())
    Invalidate();
  else
    SetBounds(Left(), Top(), w, h);
  TellHimAboutMyChange();
}

void TNote::MyMoveAndResize(ui::TObject* Sender) {
  TRectangle::MyMoveAndResize(Sender);
  if (FAutoSize) {
    ChangeSize();
    return;
  }
  KeepMinimumSize(FMinWidth, FMinHeight);
}

void TNote::ChangeScale(int M, int D) {
  FMinWidth = ScaleNeverZero(FMinWidth, M, D);
  FMinHeight = ScaleNeverZero(FMinHeight, M, D);
  TRectangle::ChangeScale(M, D);
  ScaleFont(M, D);
  FFoldSize = ui::MulDiv(FFoldSize, M, D);
  FLeftMargin = ui::MulDiv(FLeftMargin, M, D);
  if (FAutoSize) ChangeSize();
}

void TNote::AdjustScaling(const int FontSize) {
  TRectangle::AdjustScaling(FontSize); // the font size, when one is given
  FFoldSize = DefFoldSize;
  FLeftMargin = DefLeftMargin;
  FMinWidth = DefMinWidth;
  FMinHeight = DefMinHeight;
  if (FAutoSize)
    ChangeSize();
  else
    Invalidate();
}

void TNote::Paint() {
  ui::TCanvas* c = CanvasWithOwnTextTools();
  const int W = Width(), H = Height(), F = FFoldSize;
  c->FillRect(ui::Rect(0, 0, W, H));

  const int lh = LineHeight(c);
  for (int i = 0; i < FLines.size(); ++i) c->TextOut(FLeftMargin, (i + 1) * lh, FLines[i]);

  c->Pen()->SetColor(ui::clBlack);
  c->Polyline({{0, 0}, {W - 1 - F, 0}, {W - 1, F}, {W - 1, H - 1}, {0, H - 1}, {0, 0}});
  c->Polyline({{W - 1 - F, 0}, {W - 1, 0}, {W - 1, F}});
  c->Polyline({{W - 1 - F, 0}, {W - 1 - F, F}, {W - 1, F}});

  if (Effect3D()) {
    c->MoveTo(1, H - 2);
    c->Pen()->SetColor(ui::clWhite);
    c->LineTo(1, 1);
    c->LineTo(W - F - 2, 1);
    c->LineTo(W - F - 2, F + 1);
    c->Pen()->SetColor(ui::clGray);
    c->LineTo(W - 2, F + 1);
    c->LineTo(W - 2, H - 2);
    c->LineTo(1, H - 2);
    c->MoveTo(W - F + 1, 1);
    c->Pen()->SetColor(ui::clWhite);
    c->LineTo(W - 2, 1);
    c->Pen()->SetColor(ui::clGray);
    c->LineTo(W - 2, F);
  }
}

void TNote::PaintSelfToPrintCanvas(const int MulX, const int MulY, const int DivX, const int DivY,
                                   const int X, const int Y, ui::TCanvas* Canvas) {
  if (!Canvas) return;
  const int x0 = X * MulX / DivX, y0 = Y * MulY / DivY;
  const int w = Width() * MulX / DivX, h = Height() * MulY / DivY;
  const int fx = ui::MulDiv(FFoldSize, MulX, DivX), fy = ui::MulDiv(FFoldSize, MulY, DivY);
  SetPrintTextTools(Canvas, MulY, DivY);

  // Each row clears everything below its top, so no earlier row is touched.
  const int lh = LineHeight(Canvas);
  const int textX = x0 + ui::MulDiv(FLeftMargin, MulX, DivX);
  for (int i = 0; i < FLines.size(); ++i) {
    const int rowY = y0 + (i + 1) * lh;
    const int clipTop = i == 0 ? y0 : rowY;
    Canvas->TextRect(ui::Rect(x0, clipTop, x0 + w, y0 + h), textX, rowY, FLines[i]);
  }
  Canvas->Polyline({{x0, y0},
                    {x0 + w - 1 - fx, y0},
                    {x0 + w - 1, y0 + fy},
                    {x0 + w - 1, y0 + h - 1},
                    {x0, y0 + h - 1},
                    {x0, y0}});
  Canvas->Polyline({{x0 + w - 1 - fx, y0}, {x0 + w - 1, y0}, {x0 + w - 1, y0 + fy}});
}
