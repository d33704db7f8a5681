#pragma once
// A free multi-line note, drawn as a sheet of paper with a folded upper-right corner.

#include "diagram/Rectangle.h"

#include <QString>
#include <QStringList>

class TNote : public TRectangle {
public:
  // Metrics at 100 % zoom.
  static constexpr int DefFoldSize = 10;
  static constexpr int DefLeftMargin = 10;
  static constexpr int DefMinWidth = 50;
  static constexpr int DefMinHeight = 35;

  explicit TNote(ui::TComponent* Owner);
  TDiagramKind DiagramKind() const override { return TDiagramKind::Note; }
  // A note that sizes itself to its text is not resized by hand.
  bool CanResize() const override { return !FAutoSize; }

  // One row per line; lines are neither wrapped nor clipped.
  const QStringList& Lines() const { return FLines; }
  // Copies the lines; then sizes the note (with AutoSize) or repaints it.
  void SetLines(const QStringList& Value);
  // The lines as one text joined with line feeds; setting splits at CR LF, LF or CR.
  QString Text() const { return FLines.join(QLatin1Char('\n')); }
  void SetText(const QString& Value);
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);

  int FoldSize() const { return FFoldSize; }
  int LeftMargin() const { return FLeftMargin; }
  int MinWidth() const override { return FMinWidth; }
  int MinHeight() const override { return FMinHeight; }

  // The size the lines need (never below the minimum).
  void CountNewWidthAndHeight(int& AWidth, int& AHeight);
  // Takes the size the lines need, or repaints when it already has it.
  void ChangeSize();

  void MyMoveAndResize(ui::TObject* Sender) override;
  void FontChanged(ui::TObject* Sender) override;
  void ChangeScale(int M, int D) override;
  void AdjustScaling(const int FontSize) override;
  void PaintSelfToPrintCanvas(const int MulX, const int MulY, const int DivX, const int DivY, const int X,
                              const int Y, ui::TCanvas* Canvas) override;

protected:
  void Paint() override;

private:
  void LinesChanged();
  int LineHeight(ui::TCanvas* Canvas);

  QStringList FLines;
  bool FAutoSize = false;
  int FFoldSize = DefFoldSize;
  int FLeftMargin = DefLeftMargin;
  int FMinWidth = DefMinWidth;
  int FMinHeight = DefMinHeight;
};
