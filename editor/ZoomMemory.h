#pragma once
// Remembers the geometry that the elements of a desktop had at 100 %, so that zooming back
// to 100 % gives every element that was not changed meanwhile exactly its old place, size
// and anchors, however the zoom steps rounded. An element changed while zoomed keeps what
// the steps give it, and is remembered anew the next time the zoom leaves 100 %.

#include "ui/Types.h"

#include <unordered_map>

namespace ui {
class TDesktop;
class TComponent;
}
class TMorvikAbstract;

class TZoomMemory {
public:
  // Before the zoom leaves Zoom (per mille): notes what every element has now.
  void BeforeZoom(ui::TDesktop* Desktop, int Zoom);
  // After the steps reached 1000 and before the elements adjust: gives back the noted
  // geometry to every element that is unchanged since the last zoom.
  void RestoreNatural();
  // After the zoom reached Zoom: notes what the elements have now, to tell later whether
  // they were changed at this zoom.
  void AfterZoom(int Zoom);
  // The element is going away.
  void Forget(const ui::TComponent* Component);
  void Clear() { FEntries.clear(); }
  int Count() const { return static_cast<int>(FEntries.size()); }

private:
  struct TGeometry {
    ui::TRect Bounds;
    int BaseX = 0, BaseY = 0, TargetX = 0, TargetY = 0;
    bool operator==(const TGeometry&) const = default;
  };
  struct TEntry {
    TMorvikAbstract* Element = nullptr;
    TGeometry Natural;
    TGeometry Expected;
  };
  static TGeometry Capture(TMorvikAbstract* Element);

  // By the element as a component, so that one going away is found by its pointer alone.
  std::unordered_map<const ui::TComponent*, TEntry> FEntries;
};
