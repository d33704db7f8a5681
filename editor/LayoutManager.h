#pragma once
// Automatic layout of a schema window's boxes: rows from left to right and from top to
// bottom, in desktop positions. It places the new entities after reverse engineering and
// re-arranges the whole diagram; only boxes move, relations and entry points follow them.
// A manager serves one call: create it, call one operation, free it.

#include <vector>

class TVisualModel;
class TEntity;

class TLayoutManager {
public:
  // Pixels at the current zoom: between the area's edges and the boxes, between boxes and
  // rows, and between the blocks of ArrangeAll.
  static constexpr int Margin = 20;
  static constexpr int Gap = 30;
  static constexpr int BlockGap = 20;

  TLayoutManager() = default;
  TLayoutManager(const TLayoutManager&) = delete;
  TLayoutManager& operator=(const TLayoutManager&) = delete;

  // Places every entity of the document whose IsNew is set, in the order of Entities, in
  // the area (0, 0, Width, Height), makes it visible and clears its IsNew. ScrollX and
  // ScrollY receive the view origin that shows the placed entities, (0, 0).
  void PlaceNew(TVisualModel* Document, int Width, int Height, int& ScrollX, int& ScrollY);
  // Re-arranges every box of the document in the area (0, 0, Right, Bottom): the
  // project-information block at the top left, then the free text labels, the notes and
  // the entities, each kind a block of rows in the order of its list.
  void ArrangeAll(TVisualModel* Document, int Right, int Bottom);

private:
  // The entities PlaceNew places.
  std::vector<TEntity*> FNew;
};
