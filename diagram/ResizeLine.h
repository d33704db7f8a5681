#pragma once
// One square handle on one end of a selected line; dragging it moves that end's anchor
// inside its box. The handle's centre stands on the anchor.

#include "diagram/Resizer.h"

class TLine;

enum THostSite {
  hsBase,
  hsTarget
};

class TResizeLine : public TResizer {
public:
  explicit TResizeLine(ui::TComponent* Owner);
  TDiagramKind DiagramKind() const override { return TDiagramKind::ResizeLine; }

  TLine* Host() const;
  void SetHost(TLine* L);
  THostSite HostSite() const { return FHostSite; }
  void SetHostSite(THostSite Site);

  // Centres the handle on the anchor of its end. Raises "Host is not defined.", "Host has
  // defined no base." or "Host has defined no target." when the line or that end is missing.
  void GotoHostPosition();
  // Writes the handle's centre back as the anchor of its end (the line accepts it only
  // inside the box). A missing end box is ignored; a missing line raises "Host is not
  // defined.".
  void SetHostPosition();
  void HostSizeChanged(ui::TObject* Sender) override;

  void AdjustScaling(const int FontSize) override;
  void AdjustAfterScaling() override { GotoHostPosition(); }

protected:
  void Paint() override;
  void MouseMove(ui::TShiftState Shift, int X, int Y) override;

private:
  THostSite FHostSite = hsBase;
};
