#pragma once
// The frame of eight square handles around a selected box; also the drag frame that shows
// where a new box will be created. Its handle code tells the schema window whether a drag
// moves the selection or resizes it.

#include "diagram/Geometry.h"
#include "diagram/Resizer.h"

#include <cstdint>

// The handle codes: a point on no handle, any point while moving, and the eight handles in
// the middle of each side and on each corner.
enum THandleCode : uint8_t {
  hcNone = 0,
  hcMoving = 1,
  hcTop = 2,
  hcBottom = 3,
  hcLeft = 4,
  hcRight = 5,
  hcTopLeft = 6,
  hcBottomLeft = 7,
  hcTopRight = 8,
  hcBottomRight = 9
};

// A drag on the handle resizes the box.
constexpr bool IsResizeHandle(uint8_t Code) { return Code >= hcTop && Code <= hcBottomRight; }
// Dragging the handle moves that side of the box.
constexpr bool HandleMovesSide(uint8_t Code, TSide Side) {
  switch (Side) {
    case TSide::Top: return Code == hcTop || Code == hcTopLeft || Code == hcTopRight;
    case TSide::Bottom: return Code == hcBottom || Code == hcBottomLeft || Code == hcBottomRight;
    case TSide::Left: return Code == hcLeft || Code == hcTopLeft || Code == hcBottomLeft;
    case TSide::Right: return Code == hcRight || Code == hcTopRight || Code == hcBottomRight;
    case TSide::None: return false;
  }
  return false;
}

class TRectangle;

enum TResizeState {
  rsSelectedAsOne,
  rsSelectedAsMany,
  rsSelectedAsUnactive,
  rsMoving
};
using TResizeBoxState = TResizeState;

class TResizeBox : public TResizer {
public:
  explicit TResizeBox(ui::TComponent* Owner);
  TDiagramKind DiagramKind() const override { return TDiagramKind::ResizeBox; }
  // The host no longer points to this frame.
  ~TResizeBox() override;

  TResizeState State() const { return FState; }
  // Stores and repaints, always.
  void SetState(TResizeState S);
  TRectangle* Host() const;
  // The previous host forgets the frame; the new one points to it and the frame is placed
  // around it.
  void SetHost(TRectangle* R);
  uint8_t HandleCode() const { return FHandleCode; }

  // The handle code of a point (X, Y) of a frame of W x H with handles of size S, ignoring
  // the moving state.
  static uint8_t HandleCodeAt(int X, int Y, int W, int H, int S);
  static ui::TCursor CursorOfCode(uint8_t Code);

  // Follows the host: the frame surrounds it again.
  void HostSizeChanged(ui::TObject* Sender) override;
  // After the frame was dragged or resized: the host takes the frame's inside. Raises
  // "Host is not defined." without a host.
  void SetHostPosition();
  // Bounds spanned by two points (the drag frame of the creation tools).
  void SetPosition(int X1, int Y1, int X2, int Y2);

  void AdjustScaling(const int FontSize) override;
  void AdjustAfterScaling() override;

protected:
  void Paint() override;
  void MouseMove(ui::TShiftState Shift, int X, int Y) override;

private:
  void PlaceAroundHost();

  TResizeState FState = rsSelectedAsOne;
  uint8_t FHandleCode = hcNone;
};
