#pragma once
// A one-line caption in a small frame: free-standing on the desktop, or kept beside a
// relation as its label. It always takes the size of its text.
//
// A label that belongs to a relation holds that relation in its Tag (the relation's
// address, as reinterpret_cast<intptr_t>(relation)); a free-standing label has Tag 0. When
// that relation is removed the label hears of it and its Tag returns to 0.

#include "diagram/Rectangle.h"

#include <QString>

class TRelation;

class TTextLabel : public TRectangle {
public:
  static constexpr int DefMarginX = 3;
  static constexpr int DefMarginY = 2;

  explicit TTextLabel(ui::TComponent* Owner);
  TDiagramKind DiagramKind() const override { return TDiagramKind::TextLabel; }
  // A label takes the size of its text; a relation's label follows its relation.
  bool CanResize() const override { return false; }
  bool CanMove() const override { return Tag() == 0; }
  // The relation whose label this is, or null for a free label. The label forgets the
  // relation when it goes, so the pointer is always one to a live relation.
  TRelation* Relation() const { return Tag() != 0 ? reinterpret_cast<TRelation*>(Tag()) : nullptr; }

  const QString& Caption() const { return FCaption; }
  void SetCaption(const QString& Value);
  int MarginX() const { return FMarginX; }
  int MarginY() const { return FMarginY; }

  // Takes the size of the caption plus the margins and a one-pixel frame on each side;
  // when the size does not change, repaints if Repaint is set.
  void CountNewSize(bool Repaint);

  void MyMoveAndResize(ui::TObject* Sender) override;
  void ChangeScale(int M, int D) override;
  void AdjustScaling(const int FontSize) override;
  void AdjustAfterScaling() override;
  void PaintSelfToPrintCanvas(const int MulX, const int MulY, const int DivX, const int DivY, const int X,
                              const int Y, ui::TCanvas* Canvas) override;

protected:
  void Paint() override;
  void Notification(ui::TComponent* AComponent, ui::TOperation Operation) override;

private:
  QString FCaption = QStringLiteral("TextLabel");
  int FMarginX = DefMarginX;
  int FMarginY = DefMarginY;
};
