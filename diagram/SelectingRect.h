#pragma once
// The dotted rubber band of a selection by rectangle, or the dotted rubber line drawn while
// a relation is dragged from one box to another. It inverts the pixels under its dots, so
// it shows on any desktop colour and drawing it twice restores the desktop.

#include "diagram/MorvikAbstract.h"

enum TSelectingType {
  stRect,
  stLine
};
using TSelectingMode = TSelectingType;

class TSelectingRect : public TMorvikAbstract {
public:
  explicit TSelectingRect(ui::TComponent* Owner);

  TSelectingType Mode() const { return FMode; }
  void SetMode(TSelectingType M);
  // The rubber line runs from the lower-left to the upper-right corner.
  bool Rising() const { return FRising; }

  // Bounds spanned by the two points; the rubber line joins them.
  void SetPosition(int X1, int Y1, int X2, int Y2);
  // The rectangle with its right and bottom edges included.
  void GetRect(ui::TRect& R) const;

protected:
  void Paint() override;

private:
  TSelectingType FMode = stRect;
  bool FRising = false;
};
