#pragma once
// Small concrete elements and a desktop with image rendering for the diagram tests.

#include "diagram/Line.h"
#include "diagram/MorvikGraphic.h"
#include "diagram/Rectangle.h"
#include "ui/Desktop.h"
#include "tests/support/PixelHelpers.h"

// A line with the self-relation hook counted.
class TTestLine : public TLine {
public:
  using TLine::TLine;
  int SelfRelationCalls = 0;
  void SetSelfRelation() override { ++SelfRelationCalls; }
};

// A marker that boxes accept as their entry point; counts the repaints asked of it.
class TTestEntryPoint : public TMorvikGraphic {
public:
  using TMorvikGraphic::TMorvikGraphic;
  int Repaints = 0;
  bool IsEntryPoint() const override { return true; }
  void MySelect() override {}
  bool IsInRect(const ui::TRect&) override { return false; }
  void TryRepaint() override { ++Repaints; }
};

// Puts an element on the desktop at the given bounds.
template <class T>
T* Place(ui::TDesktop& Desktop, T* Element, int L, int T_, int W, int H) {
  Element->SetParent(&Desktop);
  Element->SetBounds(L, T_, W, H);
  return Element;
}

inline QImage Render(ui::TDesktop& Desktop, int W, int H) {
  QImage img = testing_pixels::MakeImage(W, H);
  Desktop.SetColor(ui::clWhite);
  Desktop.RenderTo(img);
  return img;
}
