#include "editor/LayoutManager.h"

#include "diagram/Entity.h"
#include "diagram/Note.h"
#include "diagram/ProjectInfo.h"
#include "diagram/TextLabel.h"
#include "editor/VisualModel.h"

#include <algorithm>

namespace {

// Boxes in rows within (0, 0, Right, Bottom): a box that does not fit beside the previous
// one starts a new row below the row's tallest box; once the rows reach the bottom, the
// remaining boxes stay at the lowest top that keeps them inside, and overlap.
class TRowFlow {
public:
  TRowFlow(int Right, int Bottom, int Y) : FRight(Right), FBottom(Bottom), FY(Y) {}

  void Place(TRectangle* Box) {
    const int W = Box->Width();
    const int H = Box->Height();
    if (FX + W + TLayoutManager::Margin > FRight) {
      FY += FRowMax + TLayoutManager::Gap;
      FX = TLayoutManager::Margin;
      FRowMax = 0;
    }
    FRowMax = std::max(FRowMax, H);
    // A box taller than the area goes to the top margin, never above the area.
    if (FY + H + TLayoutManager::Margin > FBottom)
      FY = std::max(TLayoutManager::Margin, FBottom - H - TLayoutManager::Margin);
    Box->SetBounds(FX, FY, W, H);
    FX += W + TLayoutManager::Gap;
    ++FPlaced;
  }

  // The next boxes start a block of rows below the current row.
  void NewBlock() {
    FY += FRowMax + TLayoutManager::BlockGap;
    FX = TLayoutManager::Margin;
    FRowMax = 0;
  }

  int Placed() const { return FPlaced; }

private:
  const int FRight;
  const int FBottom;
  int FX = TLayoutManager::Margin;
  int FY;
  int FRowMax = 0;
  int FPlaced = 0;
};

} // namespace

void TLayoutManager::PlaceNew(TVisualModel* Document, int Width, int Height, int& ScrollX, int& ScrollY) {
  FNew.clear();
  for (TEntity* Entity : Document->Entities)
    if (Entity->IsNew()) FNew.push_back(Entity);
  TRowFlow Flow(Width, Height, Margin);
  for (TEntity* Entity : FNew) {
    Flow.Place(Entity);
    Entity->SetVisible(true);
    Entity->SetIsNew(false);
  }
  ScrollX = 0;
  ScrollY = 0;
}

void TLayoutManager::ArrangeAll(TVisualModel* Document, int Right, int Bottom) {
  int Top = Margin;
  if (TProjectInfo* Info = Document->ProjectInfo) {
    Info->SetBounds(Margin, Margin, Info->Width(), Info->Height());
    Top = Info->Height() + 2 * Margin;
  }
  TRowFlow Flow(Right, Bottom, Top);
  // Relation labels (Tag holds their relation) follow their relations.
  for (TTextLabel* Label : Document->TextLabels)
    if (Label->Tag() == 0) Flow.Place(Label);
  const int Labels = Flow.Placed();
  if (Labels > 0) Flow.NewBlock();
  for (TNote* Note : Document->Notes) Flow.Place(Note);
  if (Flow.Placed() > Labels) Flow.NewBlock();
  for (TEntity* Entity : Document->Entities) Flow.Place(Entity);
}
