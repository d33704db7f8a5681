#pragma once
// The root of everything drawn on the schema desktop: the zoom and print protocol.
//
// Zoom: the desktop's owner scales every element in steps of two through ChangeScale(M, D);
// after the last step it calls AdjustAfterScaling on every element (boxes first, then
// relations and labels, then handles); at 100 % it also calls AdjustScaling(-1) so that
// metrics return exactly to their 100 % values (a FontSize > 0 also sets the font size).
//
// Print: PaintSelfToPrintCanvas draws the element onto Canvas with its own point (u, v)
// at (X * MulX / DivX + u * MulX / DivX, Y * MulY / DivY + v * MulY / DivY).

#include "ui/Control.h"

#include <cstdint>

// The kinds of controls on a schema desktop that the schema window tells apart.
enum class TDiagramKind : uint8_t {
  Other,
  Entity,
  Note,
  TextLabel,
  ProjectInfo,
  Relation,
  EntryPoint,
  ResizeBox,
  ResizeLine
};

class TMorvikAbstract : public ui::TControl {
public:
  explicit TMorvikAbstract(ui::TComponent* Owner);

  bool Valid() const { return FValid; }
  void SetValid(bool Value) { FValid = Value; }

  // What the control is; Other for those nobody tells apart (bands, bare boxes).
  virtual TDiagramKind DiagramKind() const { return TDiagramKind::Other; }
  // An entity, a note, a text label or the project block: the boxes a user selects and moves.
  bool IsBox() const {
    const TDiagramKind kind = DiagramKind();
    return kind == TDiagramKind::Entity || kind == TDiagramKind::Note || kind == TDiagramKind::TextLabel ||
           kind == TDiagramKind::ProjectInfo;
  }

  virtual void AdjustScaling(const int FontSize) {}
  virtual void AdjustAfterScaling() {}
  virtual void PaintSelfToPrintCanvas(const int MulX, const int MulY, const int DivX, const int DivY,
                                      const int X, const int Y, ui::TCanvas* Canvas) {}

  void ChangeScale(int M, int D) override;

private:
  bool FValid = false;
};
