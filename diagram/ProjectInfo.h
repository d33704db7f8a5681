#pragma once
// The title block of a schema: project, version, model, sub-model, author, firm, database
// server and the creation and update stamps, in nine rows with two separators. It always
// takes the size its rows need (once it is on a desktop, where text can be measured).

#include "diagram/Rectangle.h"

#include <QDateTime>
#include <array>
#include <QString>

// Date and time as text by a format of the letters d, dd, ddd, dddd, m, mm, mmm, mmmm, yy,
// yyyy, h, hh, n, nn, s, ss, z, zzz (m and mm after h or hh mean minutes), with text in
// single or double quotes copied as it stands and every other character kept.
QString FormatDateTime(const QString& Format, const QDateTime& Value);

class TProjectInfo : public TRectangle {
public:
  static constexpr int DefMargin = 10;
  static constexpr int DefExtraHeight = 35;
  static constexpr const char* DefFormatStr = "d. m. yyyy hh:nn:ss";

  explicit TProjectInfo(ui::TComponent* Owner);
  TDiagramKind DiagramKind() const override { return TDiagramKind::ProjectInfo; }
  // The block takes the size of its contents.
  bool CanResize() const override { return false; }

  const QString& Project() const { return FProject; }
  const QString& Model() const { return FModel; }
  const QString& SubModel() const { return FSubModel; }
  const QString& Version() const { return FVersion; }
  const QString& DBServer() const { return FDBServer; }
  const QString& Author() const { return FAuthor; }
  const QString& Firm() const { return FFirm; }
  const QDateTime& CreatedAt() const { return FCreatedAt; }
  const QDateTime& UpdatedAt() const { return FUpdatedAt; }
  const QString& FormatStr() const { return FFormatStr; }
  // Each stores a changed value and re-measures the block.
  void SetProject(const QString& Value);
  void SetModel(const QString& Value);
  void SetSubModel(const QString& Value);
  void SetVersion(const QString& Value);
  void SetDBServer(const QString& Value);
  void SetAuthor(const QString& Value);
  void SetFirm(const QString& Value);
  void SetCreatedAt(const QDateTime& Value);
  void SetUpdatedAt(const QDateTime& Value);
  void SetFormatStr(const QString& Value);

  int RowHeight() const { return FRowHeight; }
  int LabelWidth() const { return FLabelWidth; }
  int ValueWidth() const { return FValueWidth; }
  int Margin() const { return FMargin; }
  int ExtraHeight() const { return FExtraHeight; }

  // The size the rows need; only on a desktop (otherwise the arguments stay as they are).
  void CountNewWidthAndHeight(int& AWidth, int& AHeight);
  // Replaces a proposed size by the computed one.
  bool CanResize(int& NewWidth, int& NewHeight);
  // Takes the computed size, or repaints when it already has it.
  void MyResizeAndInvalidate();

  // Any other size than the computed one is refused.
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void SetParent(ui::TDesktop* Value) override;
  void RepaintRequest(ui::TObject* Sender) override;
  void FontChanged(ui::TObject* Sender) override;
  void ChangeScale(int M, int D) override;
  void AdjustScaling(const int FontSize) override;
  void PaintSelfToPrintCanvas(const int MulX, const int MulY, const int DivX, const int DivY, const int X,
                              const int Y, ui::TCanvas* Canvas) override;

protected:
  void Paint() override;

private:
  template <typename T>
  void Store(T& Field, const T& Value);
  // The nine (caption, value) rows, in painting order.
  struct TRow {
    QString Caption;
    QString Value;
  };
  std::array<TRow, 9> Rows() const;

  QString FProject, FModel, FSubModel, FVersion, FDBServer, FAuthor, FFirm;
  QDateTime FCreatedAt, FUpdatedAt;
  QString FFormatStr = QString::fromLatin1(DefFormatStr);
  int FRowHeight = 0;
  int FLabelWidth = 0;
  int FValueWidth = 0;
  int FMargin = DefMargin;
  int FExtraHeight = DefExtraHeight;
};
