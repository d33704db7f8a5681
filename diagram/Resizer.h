#pragma once
// Base of the selection handles that follow a host element.

#include "diagram/MorvikAbstract.h"

class TResizer : public TMorvikAbstract {
public:
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

  // The host moved or changed size; every handle class follows it in its own way.
  virtual void HostSizeChanged(ui::TObject* Sender);

private:
  bool FEnableMove = true;
  bool FEnableResize = true;
  bool FChangeCursor = true;
  ui::TCursor FDefaultCursor = ui::crDefault;
};
