#pragma once
// Base of the selection handles that follow a host element: the host (not owned, forgotten
// when it goes), the handle size that follows the zoom, and the switches of moving,
// resizing and the cursor.

#include "diagram/MorvikAbstract.h"

class TMorvikGraphic;

class TResizer : public TMorvikAbstract {
public:
  // Side of a square handle at 100 % zoom.
  static constexpr int DefHandleSize = 5;

  explicit TResizer(ui::TComponent* Owner);

  bool EnableMove() const { return FEnableMove; }
  void SetEnableMove(bool Value) { FEnableMove = Value; }
  bool EnableResize() const { return FEnableResize; }
  // Also sets ChangeCursor to the same value.
  void SetEnableResize(bool Value);
  bool ChangeCursor() const { return FChangeCursor; }
  void SetChangeCursor(bool Value) { FChangeCursor = Value; }
  ui::TCursor DefaultCursor() const { return FDefaultCursor; }
  void SetDefaultCursor(ui::TCursor Value) { FDefaultCursor = Value; }
  int HandleSize() const { return FHandleSize; }

  // The host moved or changed size; every handle class follows it in its own way.
  virtual void HostSizeChanged(ui::TObject* Sender);

  // The handle size follows each zoom step.
  void ChangeScale(int M, int D) override;
  // Back at 100 %: the handle size is exactly its 100 % size again.
  void AdjustScaling(const int FontSize) override;

protected:
  // The element followed, or null; the handle hears when it is removed.
  TMorvikGraphic* HostElement() const { return FHostElement; }
  void SetHostElement(TMorvikGraphic* Value);
  // Raises "Host is not defined." without a host.
  void RequireHost() const;
  void Notification(ui::TComponent* AComponent, ui::TOperation Operation) override;

  int FHandleSize = DefHandleSize;

private:
  TMorvikGraphic* FHostElement = nullptr;
  bool FEnableMove = true;
  bool FEnableResize = true;
  bool FChangeCursor = true;
  ui::TCursor FDefaultCursor = ui::crDefault;
};
