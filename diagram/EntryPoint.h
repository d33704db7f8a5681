#pragma once
// A small black triangle on the top edge of a box, flush with its right edge and pointing
// down at it, that marks the box as an entry point of the diagram. It follows the box.

#include "diagram/MorvikGraphic.h"

class TRectangle;

class TEntryPoint : public TMorvikGraphic {
public:
  static constexpr int DefWidth = 9;
  static constexpr int DefHeight = 17;

  explicit TEntryPoint(ui::TComponent* Owner);
  TDiagramKind DiagramKind() const override { return TDiagramKind::EntryPoint; }
  // The marked box loses its entry point.
  ~TEntryPoint() override;

  TRectangle* Entity() const { return FEntity; }
  // Marks R (or nothing). Raises "Entry point is defined yet." when R already has another
  // entry point; then both this marker and R stay as they were.
  void SetEntity(TRectangle* R);

  bool IsEntryPoint() const override { return true; }
  // Moves onto the box's top edge at its right end and repaints.
  void TryRepaint() override;
  bool IsInRect(const ui::TRect& Rect) override { return false; }
  void MySelect() override {}

  void AdjustScaling(const int FontSize) override;
  void AdjustAfterScaling() override { TryRepaint(); }
  void PaintSelfToPrintCanvas(const int MulX, const int MulY, const int DivX, const int DivY, const int X,
                              const int Y, ui::TCanvas* Canvas) override;

protected:
  void Paint() override;
  void Notification(ui::TComponent* AComponent, ui::TOperation Operation) override;

private:
  void MoveToEntity();

  TRectangle* FEntity = nullptr;
};
