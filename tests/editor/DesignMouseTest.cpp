// Drawing with the mouse on a schema window bound to the real plug-in: the dispatch of the
// tools, selection, moving and resizing, relation drops, and the elements that creation
// leaves in the document and the model. Events are sent to the desktop in its own
// positions, as the mouse gives them.
#include "FakeDesignHost.h"
#include "ShownDesign.h"

#include "Interface/MorvikInterface.h"
#include "diagram/Entity.h"
#include "diagram/EntryPoint.h"
#include "diagram/Note.h"
#include "diagram/ProjectInfo.h"
#include "diagram/Relation.h"
#include "diagram/ResizeBox.h"
#include "diagram/ResizeLine.h"
#include "diagram/ScrolledScrollBox.h"
#include "diagram/SelectingRect.h"
#include "diagram/TextLabel.h"
#include "editor/DesignSamples.h"
#include "editor/VisualModel.h"
#include "editor/frmDesign.h"
#include "ui/ImageList.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class DesignMouse : public ::testing::Test {
protected:
  void SetUp() override {
    TDesignSamples::SetCurrent(&samples);
    design = std::make_unique<TfrmDesign>(&host);
    ASSERT_TRUE(BindAndShow(*design, 800, 600)) << qPrintable(design->LoadError);
  }
  void TearDown() override {
    design.reset();
    TDesignSamples::SetCurrent(nullptr);
  }

  void Send(QEvent::Type Type, QPoint P, Qt::MouseButton Button, Qt::MouseButtons Held,
            Qt::KeyboardModifiers Keys = Qt::NoModifier) {
    SendMouse(*design, Type, P, Button, Held, Keys);
  }
  void Press(QPoint P, Qt::MouseButton Button = Qt::LeftButton, Qt::KeyboardModifiers Keys = Qt::NoModifier) {
    Send(QEvent::MouseButtonPress, P, Button, Button, Keys);
  }
  void Move(QPoint P, Qt::MouseButtons Held = Qt::LeftButton, Qt::KeyboardModifiers Keys = Qt::NoModifier) {
    Send(QEvent::MouseMove, P, Qt::NoButton, Held, Keys);
  }
  void Release(QPoint P, Qt::MouseButton Button = Qt::LeftButton,
               Qt::KeyboardModifiers Keys = Qt::NoModifier) {
    Send(QEvent::MouseButtonRelease, P, Button, Qt::NoButton, Keys);
  }
  // Press, a few moves and the release.
  void Drag(QPoint From, QPoint To, Qt::KeyboardModifiers Keys = Qt::NoModifier) {
    Press(From, Qt::LeftButton, Keys);
    Move(From + (To - From) / 2, Qt::LeftButton, Keys);
    Move(To, Qt::LeftButton, Keys);
    Release(To, Qt::LeftButton, Keys);
  }
  void Click(QPoint P, Qt::MouseButton Button = Qt::LeftButton, Qt::KeyboardModifiers Keys = Qt::NoModifier) {
    Press(P, Button, Keys);
    Release(P, Button, Keys);
  }

  // A new entity drawn with the entity tool as a box from From to To.
  TEntity* DrawEntity(QPoint From, QPoint To) {
    host.CurrentTool = toolEntity;
    Drag(From, To);
    return design->VisualModel->Entities.empty() ? nullptr : design->VisualModel->Entities.back();
  }
  static QPoint Centre(const ui::TControl* C) {
    return QPoint(C->Left() + C->Width() / 2, C->Top() + C->Height() / 2);
  }
  int Count(const std::function<bool(ui::TControl*)>& Test) const {
    int n = 0;
    for (int i = 0; i < design->Desktop->ControlCount(); ++i) n += Test(design->Desktop->Control(i)) ? 1 : 0;
    return n;
  }
  // Handle boxes without a host (creation and group boxes) and rubber bands left behind.
  int StrayHandles() const {
    return Count([](ui::TControl* c) {
      auto* box = dynamic_cast<TResizeBox*>(c);
      return (box && !box->Host()) || dynamic_cast<TSelectingRect*>(c);
    });
  }

  TDesignSamples samples;
  FakeDesignHost host;
  std::unique_ptr<TfrmDesign> design;
};

TEST_F(DesignMouse, EachToolDoesItsOwnThingOnFreeDesktopAndOnAnEntity) {
  struct Case {
    const char* What;
    TDesignTool Tool;
    bool OnEntity; // else on free desktop
    Qt::MouseButton Button;
    Qt::KeyboardModifiers Keys;
    int Entities, Notes, Labels, Selected, ToolAfter, Zoom, Menus;
  };
  const Case cases[] = {
      {"arrow click on free desktop", toolArrow, false, Qt::LeftButton, Qt::NoModifier, 1, 0, 0, 0, toolArrow,
       1000, 0},
      {"arrow click on the entity", toolArrow, true, Qt::LeftButton, Qt::NoModifier, 1, 0, 0, 1, toolArrow,
       1000, 0},
      {"entity tool on free desktop", toolEntity, false, Qt::LeftButton, Qt::NoModifier, 2, 0, 0, 1,
       toolArrow, 1000, 0},
      {"entity tool with Ctrl", toolEntity, false, Qt::LeftButton, Qt::ControlModifier, 1, 0, 0, 0,
       toolEntity, 1000, 0},
      {"entity tool on the entity selects it", toolEntity, true, Qt::LeftButton, Qt::NoModifier, 1, 0, 0, 1,
       toolEntity, 1000, 0},
      {"entity tool, right button", toolEntity, false, Qt::RightButton, Qt::NoModifier, 1, 0, 0, 0,
       toolEntity, 1000, 1},
      {"note tool", toolNote, false, Qt::LeftButton, Qt::NoModifier, 1, 1, 0, 1, toolArrow, 1000, 0},
      {"text tool", toolTextLabel, false, Qt::LeftButton, Qt::NoModifier, 1, 0, 1, 1, toolArrow, 1000, 0},
      {"relation tool on free desktop", toolRelation, false, Qt::LeftButton, Qt::NoModifier, 1, 0, 0, 0,
       toolRelation, 1000, 0},
      {"entry-point tool on free desktop", toolEntryPoint, false, Qt::LeftButton, Qt::NoModifier, 1, 0, 0, 0,
       toolEntryPoint, 1000, 0},
      {"zoom in", toolZoom, false, Qt::LeftButton, Qt::NoModifier, 1, 0, 0, 0, toolZoom, 2000, 0},
      {"zoom out pops no menu", toolZoom, false, Qt::RightButton, Qt::NoModifier, 1, 0, 0, 0, toolZoom, 500,
       0},
      {"zoom in on the entity", toolZoom, true, Qt::LeftButton, Qt::NoModifier, 1, 0, 0, 0, toolZoom, 2000,
       0},
      {"arrow right click on free desktop", toolArrow, false, Qt::RightButton, Qt::NoModifier, 1, 0, 0, 0,
       toolArrow, 1000, 1},
      {"arrow right click on the entity", toolArrow, true, Qt::RightButton, Qt::NoModifier, 1, 0, 0, 1,
       toolArrow, 1000, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    SetUp();
    TEntity* entity = DrawEntity(QPoint(100, 100), QPoint(220, 200));
    ASSERT_NE(entity, nullptr);
    design->ClearSelection();
    host.CurrentTool = c.Tool;
    host.Menus.clear();
    Click(c.OnEntity ? Centre(entity) : QPoint(400, 350), c.Button, c.Keys);
    EXPECT_EQ(static_cast<int>(design->VisualModel->Entities.size()), c.Entities);
    EXPECT_EQ(design->Model->GetTableCount(), c.Entities);
    EXPECT_EQ(static_cast<int>(design->VisualModel->Notes.size()), c.Notes);
    EXPECT_EQ(static_cast<int>(design->VisualModel->TextLabels.size()), c.Labels);
    EXPECT_EQ(static_cast<int>(design->Selection.size()), c.Selected);
    EXPECT_EQ(host.CurrentTool, c.ToolAfter);
    EXPECT_EQ(design->Zoom(), c.Zoom);
    EXPECT_EQ(static_cast<int>(host.Menus.size()), c.Menus);
    EXPECT_EQ(StrayHandles(), 0);
    TearDown();
  }
}

TEST_F(DesignMouse, NewElementsTakeTheirNamesAndAFreedNumberIsTakenAgain) {
  TEntity* e0 = DrawEntity(QPoint(20, 20), QPoint(120, 100));
  TEntity* e1 = DrawEntity(QPoint(200, 20), QPoint(300, 100));
  ASSERT_TRUE(e0 && e1);
  EXPECT_EQ(e0->Name(), "Entity_0");
  EXPECT_EQ(e0->Caption(), "Entita_0");
  EXPECT_EQ(e1->Name(), "Entity_1");
  EXPECT_STREQ(e1->Table()->GetName(), "Entita_1");

  // Entity_0 goes away with its table; the next entity takes its number again.
  design->ClearSelection();
  design->VisualModel->RemoveEntity(e0);
  design->Model->DeleteTable(e0->Table());
  delete e0;
  TEntity* again = DrawEntity(QPoint(20, 200), QPoint(120, 300));
  EXPECT_EQ(again->Name(), "Entity_0");
  EXPECT_EQ(design->Model->GetTableCount(), 2);

  host.CurrentTool = toolNote;
  Click(QPoint(400, 40));
  host.CurrentTool = toolTextLabel;
  Click(QPoint(400, 200));
  host.CurrentTool = toolEntryPoint;
  Click(Centre(e1));
  host.CurrentTool = toolProjectInfo;
  Click(QPoint(500, 300));
  ASSERT_EQ(design->VisualModel->Notes.size(), 1u);
  EXPECT_EQ(design->VisualModel->Notes[0]->Name(), "Note_0");
  ASSERT_EQ(design->VisualModel->TextLabels.size(), 1u);
  EXPECT_EQ(design->VisualModel->TextLabels[0]->Name(), "TextLabel_0");
  EXPECT_EQ(design->VisualModel->TextLabels[0]->Caption(), "Text 0");
  ASSERT_EQ(design->VisualModel->EntryPoints.size(), 1u);
  EXPECT_EQ(design->VisualModel->EntryPoints[0]->Name(), "EntryPoint_0");
  EXPECT_EQ(design->VisualModel->EntryPoints[0]->Entity(), e1);
  ASSERT_NE(design->VisualModel->ProjectInfo, nullptr);
  EXPECT_EQ(design->VisualModel->ProjectInfo->Name(), "ProjectInfo_0");

  // A second entry point on the same entity and a second project block are not made.
  host.CurrentTool = toolEntryPoint;
  Click(Centre(e1));
  host.CurrentTool = toolProjectInfo;
  Click(QPoint(600, 400));
  EXPECT_EQ(design->VisualModel->EntryPoints.size(), 1u);
  EXPECT_EQ(Count([](ui::TControl* c) { return dynamic_cast<TProjectInfo*>(c) != nullptr; }), 1);
  EXPECT_TRUE(design->Modified());
}

TEST_F(DesignMouse, StickyToolsStayAndTheProjectToolAlwaysReturnsToTheArrow) {
  host.Sticky = true;
  DrawEntity(QPoint(20, 20), QPoint(120, 100));
  DrawEntity(QPoint(200, 20), QPoint(300, 100));
  EXPECT_EQ(design->VisualModel->Entities.size(), 2u);
  EXPECT_EQ(host.CurrentTool, toolEntity);
  host.CurrentTool = toolProjectInfo;
  Click(QPoint(400, 300));
  EXPECT_EQ(host.CurrentTool, toolArrow);
  host.Sticky = false;
  DrawEntity(QPoint(20, 200), QPoint(120, 300));
  EXPECT_EQ(host.CurrentTool, toolArrow);
}

TEST_F(DesignMouse, ABoxDrawnPastTheDesktopEdgeIsCutAtTheEdge) {
  design->SetDesktopSize(0, 0, 1000, 800);
  TEntity* e = nullptr;
  host.CurrentTool = toolEntity;
  design->sbxDesktop->SetHorzPosition(design->HorzRange());
  Drag(QPoint(900, 100), QPoint(1200, 250));
  ASSERT_EQ(design->VisualModel->Entities.size(), 1u);
  e = design->VisualModel->Entities[0];
  EXPECT_LE(e->Left() + e->Width(), 1000);
  EXPECT_GE(e->Left(), 0);

  // The project block without a creation box stands at the release point.
  host.CurrentTool = toolProjectInfo;
  TProjectInfo* info = design->CreateProjectInfoAt(ui::TMouseButton::mbLeft, 300, 200);
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(info->Left(), 300);
  EXPECT_EQ(info->Top(), 200);
}

TEST_F(DesignMouse, RelationsDroppedOnEveryKindOfTarget) {
  TEntity* a = DrawEntity(QPoint(20, 20), QPoint(140, 120));
  TEntity* b = DrawEntity(QPoint(300, 20), QPoint(420, 120));
  host.CurrentTool = toolNote;
  Drag(QPoint(20, 300), QPoint(140, 380));
  host.CurrentTool = toolTextLabel;
  Click(QPoint(300, 300));
  TNote* note = design->VisualModel->Notes.at(0);
  TTextLabel* label = design->VisualModel->TextLabels.at(0);
  struct Case {
    const char* What;
    ui::TControl* From;
    QPoint To;
    int Relations, References;
  };
  const Case cases[] = {
      {"entity to entity", a, Centre(b), 1, 1},
      {"entity to itself", a, Centre(a) + QPoint(10, 10), 2, 2},
      {"entity to note", a, Centre(note), 3, 2},
      {"label to entity", label, Centre(b), 4, 2},
      {"entity to free desktop", a, QPoint(600, 500), 4, 2},
      {"note to note", note, Centre(note) + QPoint(5, 5), 4, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    host.CurrentTool = toolRelation;
    Drag(Centre(c.From), c.To);
    EXPECT_EQ(static_cast<int>(design->VisualModel->Relations.size()), c.Relations);
    EXPECT_EQ(design->Model->GetReferenceCount(), c.References);
    EXPECT_EQ(host.CurrentTool, toolArrow);
    EXPECT_EQ(StrayHandles(), 0);
  }
  TRelation* first = design->VisualModel->Relations[0];
  EXPECT_EQ(first->Name(), "Relation_0");
  EXPECT_EQ(first->Base(), a);
  EXPECT_EQ(first->Target(), b);
  EXPECT_EQ(first->Reference()->GetParentTable(), a->Table());
  EXPECT_EQ(first->Reference()->GetChildTable(), b->Table());
}

TEST_F(DesignMouse, RubberBandSelectsTheBoxesInsideAndShiftAddsToThem) {
  TEntity* a = DrawEntity(QPoint(20, 20), QPoint(140, 120));
  TEntity* b = DrawEntity(QPoint(300, 20), QPoint(420, 120));
  TEntity* c = DrawEntity(QPoint(20, 300), QPoint(140, 400));
  host.CurrentTool = toolArrow;
  Drag(QPoint(5, 5), QPoint(450, 200));
  EXPECT_EQ(design->Selection, (std::vector<TMorvikGraphic*>{a, b}));
  Drag(QPoint(5, 250), QPoint(200, 450), Qt::ShiftModifier);
  EXPECT_EQ(design->Selection.size(), 3u);
  EXPECT_TRUE(c->Selected());
  // A band without Shift starts afresh.
  Drag(QPoint(5, 250), QPoint(200, 450));
  EXPECT_EQ(design->Selection, (std::vector<TMorvikGraphic*>{c}));
  EXPECT_EQ(StrayHandles(), 0);
  // Shift on a selected box's frame deselects it.
  Click(Centre(c), Qt::LeftButton, Qt::ShiftModifier);
  EXPECT_TRUE(design->Selection.empty());
}

TEST_F(DesignMouse, AGroupDraggedPastTheLeftEdgeLandsAtZeroKeepingItsDistances) {
  TEntity* a = DrawEntity(QPoint(100, 100), QPoint(200, 180));
  TEntity* b = DrawEntity(QPoint(300, 150), QPoint(400, 230));
  host.CurrentTool = toolArrow;
  Drag(QPoint(50, 50), QPoint(450, 300));
  ASSERT_EQ(design->Selection.size(), 2u);
  const int gap = b->Left() - a->Left(), rise = b->Top() - a->Top();
  const int topBefore = a->Top();
  Drag(Centre(a), Centre(a) + QPoint(-400, 0));
  EXPECT_EQ(a->Left(), 0);
  EXPECT_EQ(b->Left() - a->Left(), gap);
  EXPECT_EQ(b->Top() - a->Top(), rise);
  EXPECT_EQ(a->Top(), topBefore);
  EXPECT_EQ(StrayHandles(), 0);
  // And past the right and bottom edges: the group's far edges land on the desktop's.
  Drag(Centre(a), Centre(a) + QPoint(design->HorzRange(), design->VertRange()));
  EXPECT_EQ(b->Left() + b->Width(), design->HorzRange());
  EXPECT_EQ(b->Top() + b->Height(), design->VertRange());
  EXPECT_EQ(b->Left() - a->Left(), gap);
}

TEST_F(DesignMouse, HandlesResizeByTheirEdgeAndNeverBelowTheMinimum) {
  struct Case {
    const char* What;
    QPoint Handle; // as a fraction of the box: 0 left/top, 1 middle, 2 right/bottom
    QPoint By;
    int DLeft, DTop, DWidth, DHeight;
  };
  const Case cases[] = {
      {"top", {1, 0}, {30, -20}, 0, -20, 0, 20},          {"bottom", {1, 2}, {30, 20}, 0, 0, 0, 20},
      {"left", {0, 1}, {-20, 30}, -20, 0, 20, 0},         {"right", {2, 1}, {20, 30}, 0, 0, 20, 0},
      {"top left", {0, 0}, {-20, -10}, -20, -10, 20, 10}, {"bottom left", {0, 2}, {-20, 10}, -20, 0, 20, 10},
      {"top right", {2, 0}, {20, -10}, 0, -10, 20, 10},   {"bottom right", {2, 2}, {20, 10}, 0, 0, 20, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    SetUp();
    TEntity* e = DrawEntity(QPoint(200, 200), QPoint(320, 300));
    e->SetAutoSize(false);
    e->SetBounds(200, 200, 120, 100);
    design->ClearSelection();
    host.CurrentTool = toolArrow;
    Click(Centre(e));
    TResizeBox* box = design->ResizeBoxOf(e);
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(box->EnableResize());
    const int s = box->HandleSize();
    const QPoint handle(box->Left() + (c.Handle.x() == 0   ? 1
                                       : c.Handle.x() == 1 ? box->Width() / 2
                                                           : box->Width() - 2),
                        box->Top() + (c.Handle.y() == 0   ? 1
                                      : c.Handle.y() == 1 ? box->Height() / 2
                                                          : box->Height() - 2));
    ASSERT_GE(TResizeBox::HandleCodeAt(handle.x() - box->Left(), handle.y() - box->Top(), box->Width(),
                                       box->Height(), s),
              2);
    const ui::TRect before = e->BoundsRect();
    Drag(handle, handle + c.By);
    EXPECT_EQ(e->Left() - before.Left, c.DLeft);
    EXPECT_EQ(e->Top() - before.Top, c.DTop);
    EXPECT_EQ(e->Width() - before.Width(), c.DWidth);
    EXPECT_EQ(e->Height() - before.Height(), c.DHeight);
    // Shrinking far stops at the minimum size.
    const QPoint now(box->Left() + (c.Handle.x() == 0   ? 1
                                    : c.Handle.x() == 1 ? box->Width() / 2
                                                        : box->Width() - 2),
                     box->Top() + (c.Handle.y() == 0   ? 1
                                   : c.Handle.y() == 1 ? box->Height() / 2
                                                       : box->Height() - 2));
    Drag(now, now - c.By * 20);
    EXPECT_GE(e->Width(), e->MinWidth());
    EXPECT_GE(e->Height(), e->MinHeight());
    EXPECT_EQ(StrayHandles(), 0);
    TearDown();
  }
}

TEST_F(DesignMouse, APressOnTheBodyMovesEvenAfterTheMouseRestedOnAHandle) {
  TEntity* e = DrawEntity(QPoint(200, 200), QPoint(320, 300));
  e->SetAutoSize(false);
  e->SetBounds(200, 200, 120, 100);
  design->ClearSelection();
  host.CurrentTool = toolArrow;
  Click(Centre(e));
  TResizeBox* box = design->ResizeBoxOf(e);
  ASSERT_NE(box, nullptr);
  // The mouse passes over the bottom-right handle without a button.
  Move(QPoint(box->Left() + box->Width() - 2, box->Top() + box->Height() - 2), Qt::NoButton);
  ASSERT_EQ(box->HandleCode(), hcBottomRight);
  const ui::TRect before = e->BoundsRect();
  Drag(Centre(e), Centre(e) + QPoint(40, 30));
  EXPECT_EQ(e->Left(), before.Left + 40);
  EXPECT_EQ(e->Top(), before.Top + 30);
  EXPECT_EQ(e->Width(), before.Width());
  EXPECT_EQ(e->Height(), before.Height());
}

TEST_F(DesignMouse, ADoubleClickOpensItsDialogOnceAndTheClicksAroundItMoveNothing) {
  TEntity* e = DrawEntity(QPoint(200, 200), QPoint(320, 300));
  host.CurrentTool = toolArrow;
  design->ClearSelection();
  const QPoint p = Centre(e);
  const ui::TRect before = e->BoundsRect();
  Press(p);
  Release(p);
  Send(QEvent::MouseButtonDblClick, p, Qt::LeftButton, Qt::LeftButton);
  Move(p + QPoint(30, 30));
  Release(p + QPoint(30, 30));
  ASSERT_EQ(host.Edited.size(), 1u);
  EXPECT_EQ(host.Edited[0], e);
  EXPECT_EQ(e->BoundsRect(), before);
  EXPECT_EQ(design->Selection, (std::vector<TMorvikGraphic*>{e}));
}

TEST_F(DesignMouse, ChangingCtrlBetweenPressAndReleaseLeavesNothingBehind) {
  DrawEntity(QPoint(20, 20), QPoint(140, 120));
  host.Sticky = true;
  host.CurrentTool = toolEntity;
  // A creation box ended with Ctrl held creates, and the box goes.
  Press(QPoint(300, 300));
  Move(QPoint(400, 380));
  Release(QPoint(400, 380), Qt::LeftButton, Qt::ControlModifier);
  EXPECT_EQ(StrayHandles(), 0);
  EXPECT_EQ(design->VisualModel->Entities.size(), 2u);
  // A band started with Ctrl and ended without it selects, and creates nothing.
  Press(QPoint(5, 5), Qt::LeftButton, Qt::ControlModifier);
  Move(QPoint(500, 500), Qt::LeftButton);
  Release(QPoint(500, 500));
  EXPECT_EQ(StrayHandles(), 0);
  EXPECT_EQ(design->VisualModel->Entities.size(), 2u);
  EXPECT_EQ(design->Selection.size(), 2u);
}

TEST_F(DesignMouse, AReleaseAfterAPressBeyondTheDesktopDoesNothing) {
  design->SetDesktopSize(0, 0, 300, 200);
  host.CurrentTool = toolEntity;
  Press(QPoint(350, 250));
  Release(QPoint(100, 100));
  EXPECT_TRUE(design->VisualModel->Entities.empty());
  EXPECT_EQ(StrayHandles(), 0);
}

// A right click pops up the menu of the element's kind with every tool but the zoom, and
// leaves that element alone selected: a relation's label gives its relation's menu, the handle
// box of a selected label the label's own; on free desktop the selection stays.
TEST_F(DesignMouse, ARightClickPopsUpTheMenuOfTheKindClickedWithEveryToolButTheZoom) {
  TEntity* a = DrawEntity(QPoint(40, 40), QPoint(160, 120));
  TEntity* b = DrawEntity(QPoint(400, 40), QPoint(520, 120));
  ASSERT_TRUE(a && b);
  host.CurrentTool = toolRelation;
  Drag(Centre(a), Centre(b));
  host.CurrentTool = toolNote;
  Drag(QPoint(40, 300), QPoint(160, 380));
  host.CurrentTool = toolTextLabel;
  Click(QPoint(300, 300));
  host.CurrentTool = toolProjectInfo;
  Click(QPoint(500, 300));
  ASSERT_EQ(design->VisualModel->Relations.size(), 1u);
  TRelation* relation = design->VisualModel->Relations[0];
  TNote* note = design->VisualModel->Notes.at(0);
  TTextLabel* label = design->VisualModel->TextLabels.at(0);
  TProjectInfo* info = design->VisualModel->ProjectInfo;
  relation->Reference()->SetName("FK_AB");
  design->SelectOnly(relation);
  design->ShowRelationLabel();
  TTextLabel* relationLabel = relation->MainLabel();
  ASSERT_TRUE(info && relationLabel);
  // A point in the middle of the relation's line, clear of the boxes and their handles.
  std::vector<QPoint> line;
  for (int x = relation->Left(); x < relation->Left() + relation->Width(); ++x)
    for (int y = relation->Top(); y < relation->Top() + relation->Height(); ++y)
      if (design->VisualModel->RelationAt(ui::TPoint{x, y}) == relation &&
          design->Desktop->ControlAtPos(ui::TPoint{x, y}) == relation)
        line.emplace_back(x, y);
  ASSERT_FALSE(line.empty());
  const QPoint onLine = line[line.size() / 2];

  struct Target {
    const char* What;
    TMorvikGraphic* Element;
    QPoint At;
    TMorvikGraphic* SelectedBefore; // its handle box takes the click when it is the element
    TDesignMenu Menu;
    TMorvikGraphic* SelectedAfter; // null: the selection stays
  };
  const Target targets[] = {
      {"an entity", a, Centre(a), b, TDesignMenu::Entity, a},
      {"a selected entity's box", a, Centre(a), a, TDesignMenu::Entity, a},
      {"a note", note, Centre(note), a, TDesignMenu::Note, note},
      {"a selected note's box", note, Centre(note), note, TDesignMenu::Note, note},
      {"a free label", label, Centre(label), a, TDesignMenu::TextLabel, label},
      {"the project block", info, Centre(info), a, TDesignMenu::ProjectInfo, info},
      {"a relation's label", relationLabel, Centre(relationLabel), a, TDesignMenu::Relation, relation},
      {"a selected relation label's box", relationLabel, Centre(relationLabel), relationLabel,
       TDesignMenu::TextLabel, relationLabel},
      {"a relation", relation, onLine, a, TDesignMenu::Relation, relation},
      {"free desktop", nullptr, QPoint(700, 500), a, TDesignMenu::Desktop, nullptr},
  };
  const TDesignTool tools[] = {toolArrow,      toolHand,      toolEntity,      toolRelation, toolNote,
                               toolEntryPoint, toolTextLabel, toolProjectInfo, toolZoom};
  for (const Target& t : targets) {
    for (const TDesignTool tool : tools) {
      SCOPED_TRACE(std::string(t.What) + ", tool " + std::to_string(tool));
      host.CurrentTool = tool;
      design->SelectOnly(t.SelectedBefore);
      const std::vector<TMorvikGraphic*> before = design->Selection;
      const int zoom = design->Zoom();
      host.Menus.clear();
      Click(t.At, Qt::RightButton);
      if (tool == toolZoom) {
        // The zoom tool zooms out and pops up nothing.
        EXPECT_TRUE(host.Menus.empty());
        EXPECT_EQ(design->Zoom(), zoom / 2);
        design->SetZoom(1000, 0, 0);
        design->sbxDesktop->SetHorzPosition(0);
        design->sbxDesktop->SetVertPosition(0);
        continue;
      }
      EXPECT_EQ(host.Menus, std::vector<TDesignMenu>{t.Menu});
      EXPECT_EQ(design->Selection, t.SelectedAfter ? std::vector<TMorvikGraphic*>{t.SelectedAfter} : before);
      EXPECT_EQ(design->Zoom(), zoom);
      EXPECT_EQ(design->VisualModel->Entities.size(), 2u);
      EXPECT_EQ(design->VisualModel->Relations.size(), 1u);
      EXPECT_TRUE(design->VisualModel->EntryPoints.empty());
      EXPECT_EQ(StrayHandles(), 0);
    }
  }
}

// Dragging a selected relation's end handle slides that end's anchor inside its own box; the
// handle stays 2 pixels inside the box however far the cursor goes.
TEST_F(DesignMouse, ARelationsEndSlidesInsideItsBoxWithTheArrowAndTheRelationTool) {
  TEntity* a = DrawEntity(QPoint(100, 100), QPoint(260, 220));
  TEntity* b = DrawEntity(QPoint(500, 300), QPoint(660, 420));
  ASSERT_TRUE(a && b);
  for (TEntity* e : {a, b}) e->SetAutoSize(false);
  a->SetBounds(100, 100, 160, 120);
  b->SetBounds(500, 300, 160, 120);
  host.CurrentTool = toolRelation;
  Drag(Centre(a), Centre(b));
  ASSERT_EQ(design->VisualModel->Relations.size(), 1u);
  TRelation* r = design->VisualModel->Relations[0];
  design->ClearSelection();
  design->Select(r);
  auto* baseHandle =
      dynamic_cast<TResizeLine*>(design->Desktop->FindComponent("ResLine_" + r->Name() + "_B"));
  auto* targetHandle =
      dynamic_cast<TResizeLine*>(design->Desktop->FindComponent("ResLine_" + r->Name() + "_T"));
  ASSERT_TRUE(baseHandle && targetHandle);
  const int size = baseHandle->Width(), half = size / 2;
  ASSERT_EQ(size, 5);

  struct Case {
    const char* What;
    TDesignTool Tool;
    bool Base; // else the target end
    QPoint To; // where the cursor ends, desktop position
    bool Slides;
    int AnchorX, AnchorY; // the end's anchor afterwards, when it slid
  };
  const Case cases[] = {
      {"arrow, inside the box", toolArrow, true, {130, 110}, true, 30, 10},
      {"arrow, past the right and bottom sides", toolArrow, true, {900, 700}, true, 160 - size, 120 - size},
      {"arrow, past the left and top sides", toolArrow, true, {0, 0}, true, 4, 4},
      {"arrow, along the top side", toolArrow, true, {200, 90}, true, 100, 4},
      {"relation tool, the target end past its bottom",
       toolRelation,
       false,
       {520, 500},
       true,
       20,
       120 - size},
      {"relation tool, the target end past its left side", toolRelation, false, {300, 350}, true, 4, 50},
      {"entity tool moves no end", toolEntity, true, {140, 200}, false, 0, 0},
      {"note tool moves no end", toolNote, false, {600, 320}, false, 0, 0},
      {"text tool moves no end", toolTextLabel, true, {140, 200}, false, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    TResizeLine* handle = c.Base ? baseHandle : targetHandle;
    const TEntity* box = c.Base ? a : b;
    const QPoint anchor = c.Base ? QPoint(r->BaseX(), r->BaseY()) : QPoint(r->TargetX(), r->TargetY());
    const QPoint other = c.Base ? QPoint(r->TargetX(), r->TargetY()) : QPoint(r->BaseX(), r->BaseY());
    design->SetModified(false, mkNothing);
    host.CurrentTool = c.Tool;
    // The mouse passes over the handle first without a button: nothing moves.
    Move(Centre(handle), Qt::NoButton);
    Move(c.To, Qt::NoButton);
    EXPECT_EQ(c.Base ? r->BaseX() : r->TargetX(), anchor.x());
    Drag(Centre(handle), c.To);
    const QPoint now = c.Base ? QPoint(r->BaseX(), r->BaseY()) : QPoint(r->TargetX(), r->TargetY());
    EXPECT_EQ(now, c.Slides ? QPoint(c.AnchorX, c.AnchorY) : anchor);
    EXPECT_EQ(c.Base ? QPoint(r->TargetX(), r->TargetY()) : QPoint(r->BaseX(), r->BaseY()), other);
    EXPECT_EQ(design->Modified(), c.Slides);
    // The handle sits on the anchor, inside the box, and the relation stays selected.
    EXPECT_EQ(handle->Left(), box->Left() + now.x() - half);
    EXPECT_EQ(handle->Top(), box->Top() + now.y() - half);
    EXPECT_GE(handle->Left(), box->Left() + 2);
    EXPECT_LE(handle->Left() + size, box->Left() + box->Width() - 2);
    EXPECT_GE(handle->Top(), box->Top() + 2);
    EXPECT_LE(handle->Top() + size, box->Top() + box->Height() - 2);
    EXPECT_EQ(design->Selection, (std::vector<TMorvikGraphic*>{r}));
    EXPECT_EQ(r->Base(), a);
    EXPECT_EQ(r->Target(), b);
    EXPECT_EQ(design->VisualModel->Relations.size(), 1u);
    EXPECT_EQ(StrayHandles(), 0);
  }
}

// The hand keeps the grabbed point of the desktop under the cursor, with the left button alone:
// while a key or another button is held the desktop stays, and once it is let go the grabbed
// point comes back under the cursor.
TEST_F(DesignMouse, PanningStopsWhileAKeyOrAnotherButtonIsHeldAndGoesOnAfterwards) {
  design->SetDesktopSize(0, 0, 4000, 3000);
  TEntity* e = DrawEntity(QPoint(700, 700), QPoint(820, 800));
  ASSERT_NE(e, nullptr);
  design->ClearSelection();
  struct Case {
    const char* What;
    Qt::MouseButtons Held;
    Qt::KeyboardModifiers Keys;
  };
  const Case stoppers[] = {
      {"Ctrl", Qt::LeftButton, Qt::ControlModifier},
      {"Shift", Qt::LeftButton, Qt::ShiftModifier},
      {"Alt", Qt::LeftButton, Qt::AltModifier},
      {"Ctrl and Shift", Qt::LeftButton, Qt::ControlModifier | Qt::ShiftModifier},
      {"the right button too", Qt::LeftButton | Qt::RightButton, Qt::NoModifier},
      {"the middle button too", Qt::LeftButton | Qt::MiddleButton, Qt::NoModifier},
      {"no button", Qt::NoButton, Qt::NoModifier},
  };
  // Grabbed on free desktop and on an entity: the same panning.
  for (const bool onEntity : {false, true}) {
    for (const Case& c : stoppers) {
      SCOPED_TRACE(std::string(c.What) + (onEntity ? " on the entity" : " on free desktop"));
      design->sbxDesktop->SetHorzPosition(500);
      design->sbxDesktop->SetVertPosition(500);
      host.CurrentTool = toolHand;
      const QPoint grab = onEntity ? Centre(e) : QPoint(900, 900);
      Press(grab);
      Move(grab + QPoint(-20, -30));
      ASSERT_EQ(design->sbxDesktop->HorzPosition(), 520);
      ASSERT_EQ(design->sbxDesktop->VertPosition(), 530);
      // The desktop's point under the cursor: the grabbed point, moved with the view.
      Move(grab + QPoint(-40, 10), c.Held, c.Keys);
      Move(grab + QPoint(-60, 20), c.Held, c.Keys);
      EXPECT_EQ(design->sbxDesktop->HorzPosition(), 520);
      EXPECT_EQ(design->sbxDesktop->VertPosition(), 530);
      // Let go: the next move pans so that the grabbed point is under the cursor again.
      // Sent at the desktop's point 40 left of and 10 above the grabbed one, as the view shows
      // it now: the view follows by that much.
      Move(grab + QPoint(-40, -10));
      EXPECT_EQ(design->sbxDesktop->HorzPosition(), 560);
      EXPECT_EQ(design->sbxDesktop->VertPosition(), 540);
      Release(grab);
      // The release ends it: moves without a press pan nothing.
      const int h = design->sbxDesktop->HorzPosition(), v = design->sbxDesktop->VertPosition();
      Move(grab + QPoint(100, 100), Qt::NoButton);
      EXPECT_EQ(design->sbxDesktop->HorzPosition(), h);
      EXPECT_EQ(design->sbxDesktop->VertPosition(), v);
      EXPECT_TRUE(design->Selection.empty());
      EXPECT_EQ(e->Left(), 700);
    }
  }
}

// Deleting what a drag holds ends the drag: no outline or line stays on the desktop, the place
// where the line was takes presses again, and the next group move lands where it is dragged.
TEST_F(DesignMouse, DeletingWhatADragHoldsEndsTheDragWithoutATrace) {
  TEntity* a = DrawEntity(QPoint(100, 100), QPoint(200, 180));
  TEntity* b = DrawEntity(QPoint(300, 100), QPoint(400, 180));
  TEntity* c = DrawEntity(QPoint(100, 400), QPoint(200, 480));
  TEntity* d = DrawEntity(QPoint(300, 400), QPoint(400, 480));
  ASSERT_TRUE(a && b && c && d);
  host.CurrentTool = toolArrow;

  // A group move: the Delete key while the button is still held.
  Drag(QPoint(50, 50), QPoint(450, 250));
  ASSERT_EQ(design->Selection.size(), 2u);
  const QPoint grab = Centre(a), dropped = grab + QPoint(100, 200);
  Press(grab);
  Move(dropped);
  ASSERT_EQ(StrayHandles(), 1);
  design->DeleteSelection();
  Release(dropped);
  EXPECT_EQ(StrayHandles(), 0);
  EXPECT_EQ(design->VisualModel->Entities, (std::vector<TEntity*>{c, d}));
  Drag(QPoint(50, 350), QPoint(450, 550));
  ASSERT_EQ(design->Selection.size(), 2u);
  const ui::TRect cBefore = c->BoundsRect(), dBefore = d->BoundsRect();
  Drag(Centre(c), Centre(c) + QPoint(40, 30));
  EXPECT_EQ(c->BoundsRect(),
            ui::Bounds(cBefore.Left + 40, cBefore.Top + 30, cBefore.Width(), cBefore.Height()));
  EXPECT_EQ(d->BoundsRect(),
            ui::Bounds(dBefore.Left + 40, dBefore.Top + 30, dBefore.Width(), dBefore.Height()));

  // A relation drag from a selected entity that is deleted on the way.
  design->SelectOnly(c);
  host.CurrentTool = toolRelation;
  const QPoint from = Centre(c), to = Centre(c) + QPoint(250, -200);
  Press(from);
  Move(to);
  ASSERT_EQ(StrayHandles(), 1);
  design->DeleteSelection();
  Release(to);
  EXPECT_EQ(StrayHandles(), 0);
  EXPECT_TRUE(design->VisualModel->Relations.empty());
  // Where the line lay, the entity tool creates and the arrow draws a band.
  const QPoint inside = from + (to - from) * 3 / 4;
  ASSERT_EQ(design->Desktop->ControlAtPos(ui::TPoint{inside.x(), inside.y()}), nullptr);
  host.CurrentTool = toolEntity;
  Click(inside);
  ASSERT_EQ(design->VisualModel->Entities.size(), 2u);
  TEntity* added = design->VisualModel->Entities.back();
  EXPECT_EQ(added->Left(), inside.x());
  design->ClearSelection();
  host.CurrentTool = toolArrow;
  Drag(QPoint(added->Left() - 10, added->Top() - 10),
       QPoint(added->Left() + added->Width() + 10, added->Top() + added->Height() + 10));
  EXPECT_EQ(design->Selection, (std::vector<TMorvikGraphic*>{added}));
}

// The right button's menus are the window's own: the windowing system's context-menu event
// that comes with a real right click climbs to no window around the desktop, whatever the tool.
TEST_F(DesignMouse, ARealRightClickRaisesNoOtherMenuThanTheWindowsOwn) {
  struct MenuWatch : QObject {
    int Seen = 0;
    bool eventFilter(QObject*, QEvent* Event) override {
      if (Event->type() == QEvent::ContextMenu) ++Seen;
      return false;
    }
  } watch;
  design->installEventFilter(&watch);
  design->SetDesktopSize(0, 0, 300, 200);
  struct Case {
    const char* What;
    TDesignTool Tool;
    QPoint At;
    int Zoom;
    size_t Menus;
  };
  const Case cases[] = {
      {"the zoom tool zooms out", toolZoom, QPoint(100, 100), 500, 0},
      {"the arrow pops up the desktop menu", toolArrow, QPoint(100, 100), 1000, 1},
      {"beyond the desktop nothing happens", toolArrow, QPoint(350, 250), 1000, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    design->SetZoom(1000, 0, 0);
    design->sbxDesktop->SetHorzPosition(0);
    design->sbxDesktop->SetVertPosition(0);
    host.CurrentTool = c.Tool;
    host.Menus.clear();
    watch.Seen = 0;
    // Through the window, as the windowing system delivers a click.
    const QPoint at = design->Desktop->mapTo(design->window(), c.At);
    QTest::mouseClick(design->window()->windowHandle(), Qt::RightButton, Qt::NoModifier, at);
    EXPECT_EQ(design->Zoom(), c.Zoom);
    EXPECT_EQ(host.Menus.size(), c.Menus);
    EXPECT_EQ(watch.Seen, 0);
  }
  design->removeEventFilter(&watch);
}

TEST_F(DesignMouse, TheHandPansWithTheLeftButtonAloneAndARelationLabelStaysPut) {
  design->SetDesktopSize(0, 0, 4000, 3000);
  design->sbxDesktop->SetHorzPosition(500);
  design->sbxDesktop->SetVertPosition(500);
  host.CurrentTool = toolHand;
  Press(QPoint(900, 900));
  Move(QPoint(880, 870));
  EXPECT_EQ(design->sbxDesktop->HorzPosition(), 520);
  EXPECT_EQ(design->sbxDesktop->VertPosition(), 530);
  Move(QPoint(850, 850), Qt::LeftButton, Qt::ShiftModifier);
  EXPECT_EQ(design->sbxDesktop->HorzPosition(), 520);
  Release(QPoint(850, 850));
}

} // namespace
