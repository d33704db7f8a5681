#include "editor/ZoomMemory.h"

#include "diagram/Line.h"
#include "diagram/Rectangle.h"
#include "diagram/MorvikGraphic.h"
#include "ui/Desktop.h"

#include <vector>

TZoomMemory::TGeometry TZoomMemory::Capture(TMorvikAbstract* Element) {
  TGeometry g;
  g.Bounds = Element->BoundsRect();
  if (auto* line = dynamic_cast<TLine*>(Element)) {
    g.BaseX = line->BaseX();
    g.BaseY = line->BaseY();
    g.TargetX = line->TargetX();
    g.TargetY = line->TargetY();
  }
  return g;
}

void TZoomMemory::BeforeZoom(ui::TDesktop* Desktop, int Zoom) {
  std::unordered_map<const ui::TComponent*, TEntry> kept;
  for (int i = 0; i < Desktop->ComponentCount(); ++i) {
    // Handles and the rubber band follow their hosts; only the elements are remembered.
    auto* element = dynamic_cast<TMorvikGraphic*>(Desktop->Component(i));
    if (!element) continue;
    const TGeometry now = Capture(element);
    if (Zoom == 1000) {
      kept[element] = TEntry{element, now, now};
    } else {
      auto it = FEntries.find(element);
      if (it != FEntries.end() && it->second.Expected == now) kept.insert(*it);
    }
  }
  FEntries.swap(kept);
}

void TZoomMemory::RestoreNatural() {
  // Boxes first, so that the anchors of the lines fit into boxes of their old size.
  std::vector<std::pair<TLine*, TGeometry>> lines;
  for (auto& [component, entry] : FEntries) {
    TMorvikAbstract* element = entry.Element;
    if (auto* line = dynamic_cast<TLine*>(element)) {
      lines.emplace_back(line, entry.Natural);
      continue;
    }
    const ui::TRect& b = entry.Natural.Bounds;
    element->SetBounds(b.Left, b.Top, b.Width(), b.Height());
  }
  for (auto& [line, g] : lines) {
    line->SetBaseXY(g.BaseX, g.BaseY);
    line->SetTargetXY(g.TargetX, g.TargetY);
    line->TryRepaint();
  }
}

void TZoomMemory::AfterZoom(int Zoom) {
  if (Zoom == 1000) {
    FEntries.clear();
    return;
  }
  for (auto& [component, entry] : FEntries) entry.Expected = Capture(entry.Element);
}

void TZoomMemory::Forget(const ui::TComponent* Component) { FEntries.erase(Component); }
