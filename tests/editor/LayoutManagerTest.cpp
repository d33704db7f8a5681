// Automatic layout on real boxes: rows of entities for given box sizes and desktop sizes,
// and the blocks of the whole arrangement.
#include "editor/LayoutManager.h"

#include "diagram/Entity.h"
#include "diagram/Note.h"
#include "diagram/ProjectInfo.h"
#include "diagram/TextLabel.h"
#include "editor/VisualModel.h"
#include "ui/Desktop.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Size {
  int W, H;
};
struct Place {
  int Left, Top;
  bool operator==(const Place&) const = default;
};

void PrintTo(const Place& P, std::ostream* Out) { *Out << "(" << P.Left << ", " << P.Top << ")"; }

// Desktop size, box sizes in list order, and where the boxes go.
struct FlowCase {
  const char* What;
  int Width, Height;
  std::vector<Size> Boxes;
  std::vector<Place> Expected;
};

const std::vector<FlowCase> FlowCases = {
    {"three boxes of 100 to a row of 400",
     400,
     1000,
     {{100, 50}, {100, 50}, {100, 50}, {100, 50}},
     {{20, 20}, {150, 20}, {280, 20}, {20, 100}}},
    {"the next row starts below the tallest box, the first of its row",
     400,
     1000,
     {{100, 80}, {100, 40}, {100, 60}, {100, 40}},
     {{20, 20}, {150, 20}, {280, 20}, {20, 130}}},
    {"the tallest box last in its row",
     400,
     1000,
     {{100, 40}, {100, 40}, {100, 90}, {100, 40}},
     {{20, 20}, {150, 20}, {280, 20}, {20, 140}}},
    {"a box wider than the desktop, first of all, sits a row below the start",
     300,
     1000,
     {{400, 50}, {100, 50}},
     {{20, 50}, {20, 130}}},
    {"a box wider than the desktop has a row of its own",
     400,
     1000,
     {{100, 50}, {500, 60}, {100, 50}},
     {{20, 20}, {20, 100}, {20, 190}}},
    {"at the bottom the remaining boxes are pulled up and overlap",
     250,
     200,
     {{100, 50}, {100, 50}, {100, 50}, {100, 50}},
     {{20, 20}, {20, 100}, {20, 130}, {20, 130}}},
    {"a box taller than the desktop stays at the top margin",
     400,
     200,
     {{100, 300}, {100, 50}, {100, 50}},
     {{20, 20}, {150, 20}, {280, 20}}},
    {"a box taller than the desktop in a later row goes up to the top margin",
     150,
     200,
     {{100, 50}, {100, 300}, {100, 50}},
     {{20, 20}, {20, 20}, {20, 130}}},
    {"a desktop smaller than the margins", 30, 30, {{60, 40}, {60, 40}}, {{20, 20}, {20, 20}}},
};

class LayoutTest : public ::testing::Test {
protected:
  template <class T>
  T* Make(int W, int H) {
    auto* Box = new T(&Desktop);
    Box->SetParent(&Desktop);
    Box->SetBounds(500, 500, W, H);
    return Box;
  }
  TEntity* AddEntity(Size S, bool IsNew = false) {
    auto* Entity = new TEntity(&Desktop);
    Entity->SetParent(&Desktop);
    Entity->SetAutoSize(false);
    Entity->SetBounds(500, 500, S.W, S.H);
    Entity->SetIsNew(IsNew);
    if (IsNew) Entity->SetVisible(false);
    Doc.AddEntity(Entity);
    return Entity;
  }
  static Place At(const TRectangle* Box) { return {Box->Left(), Box->Top()}; }
  std::vector<Place> EntityPlaces() const {
    std::vector<Place> Places;
    for (const TEntity* Entity : Doc.Entities) Places.push_back(At(Entity));
    return Places;
  }

  ui::TDesktop Desktop;
  TVisualModel Doc;
};

TEST_F(LayoutTest, ArrangeAllPutsEntitiesInRows) {
  for (const FlowCase& Case : FlowCases) {
    SCOPED_TRACE(Case.What);
    TVisualModel Fresh;
    std::swap(Doc.Entities, Fresh.Entities);
    for (const Size& S : Case.Boxes) AddEntity(S);
    TLayoutManager().ArrangeAll(&Doc, Case.Width, Case.Height);
    EXPECT_EQ(EntityPlaces(), Case.Expected);
    for (size_t I = 0; I < Case.Boxes.size(); ++I) {
      EXPECT_EQ(Doc.Entities[I]->Width(), Case.Boxes[I].W) << I;
      EXPECT_EQ(Doc.Entities[I]->Height(), Case.Boxes[I].H) << I;
    }
  }
}

// New entities flow by the same rule among the entities already placed, which stay.
TEST_F(LayoutTest, PlaceNewPlacesOnlyTheNewEntities) {
  for (const FlowCase& Case : FlowCases) {
    SCOPED_TRACE(Case.What);
    TVisualModel Fresh;
    std::swap(Doc.Entities, Fresh.Entities);
    TEntity* Old = AddEntity({70, 70});
    Old->SetBounds(333, 444, 70, 70);
    for (const Size& S : Case.Boxes) AddEntity(S, true);
    int ScrollX = 55, ScrollY = 66;
    TLayoutManager().PlaceNew(&Doc, Case.Width, Case.Height, ScrollX, ScrollY);
    std::vector<Place> Expected{{333, 444}};
    Expected.insert(Expected.end(), Case.Expected.begin(), Case.Expected.end());
    EXPECT_EQ(EntityPlaces(), Expected);
    for (const TEntity* Entity : Doc.Entities) {
      EXPECT_TRUE(Entity->Visible());
      EXPECT_FALSE(Entity->IsNew());
    }
    EXPECT_EQ(ScrollX, 0);
    EXPECT_EQ(ScrollY, 0);
  }
}

// The project block at the top left, then free labels, notes and entities, each kind a
// block of its own when the kind before it placed anything; relation labels stay.
TEST_F(LayoutTest, ArrangeAllPlacesTheKindsInBlocks) {
  struct Case {
    const char* What;
    bool Info;
    int Labels, Notes;
    int FirstEntityTop; // with labels of height LabelH, notes 60 and entities 50 high
  };
  auto* Info = new TProjectInfo(&Desktop);
  Info->SetParent(&Desktop);
  Info->SetBounds(300, 300, Info->Width(), Info->Height());
  const int InfoH = Info->Height();
  auto* Probe = Make<TTextLabel>(100, 20);
  const int LabelH = Probe->Height();
  ASSERT_GT(InfoH, 0);
  const Case Cases[] = {
      {"entities alone", false, 0, 0, 20},
      {"entities below the project block", true, 0, 0, InfoH + 40},
      {"labels, then entities", true, 2, 0, InfoH + 40 + LabelH + 20},
      {"notes, then entities", false, 0, 2, 20 + 60 + 20},
      {"labels, notes, then entities", false, 1, 1, 20 + LabelH + 20 + 60 + 20},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.What);
    TVisualModel D;
    if (C.Info) D.SetProjectInfo(Info);
    TTextLabel* RelationLabel = Make<TTextLabel>(100, 20);
    RelationLabel->SetTag(1);
    D.AddTextLabel(RelationLabel);
    const Place RelationLabelAt = At(RelationLabel);
    for (int I = 0; I < C.Labels; ++I) D.AddTextLabel(Make<TTextLabel>(100, 20));
    for (int I = 0; I < C.Notes; ++I) {
      auto* Note = Make<TNote>(100, 60);
      D.AddNote(Note);
    }
    TEntity* Entity = Make<TEntity>(100, 50);
    Entity->SetAutoSize(false);
    Entity->SetBounds(500, 500, 100, 50);
    D.AddEntity(Entity);

    TLayoutManager().ArrangeAll(&D, 2000, 2000);
    if (C.Info) EXPECT_EQ(At(Info), (Place{20, 20}));
    EXPECT_EQ(At(RelationLabel), RelationLabelAt) << "a relation label follows its relation";
    int X = 20;
    for (size_t I = 1; I < D.TextLabels.size(); ++I) {
      EXPECT_EQ(At(D.TextLabels[I]), (Place{X, C.Info ? InfoH + 40 : 20})) << "label " << I;
      X += D.TextLabels[I]->Width() + 30;
    }
    for (const TNote* Note : D.Notes)
      EXPECT_EQ(Note->Top(), C.FirstEntityTop - 60 - 20) << "notes form the block above the entities";
    EXPECT_EQ(At(Entity), (Place{20, C.FirstEntityTop}));
  }
}

} // namespace
