#include "editor/CreateComp.h"

#include "diagram/Entity.h"
#include "diagram/EntryPoint.h"
#include "diagram/Note.h"
#include "diagram/ProjectInfo.h"
#include "diagram/ResizeBox.h"
#include "diagram/ResizeLine.h"
#include "diagram/SelectingRect.h"
#include "diagram/TextLabel.h"
#include "editor/DesignSamples.h"
#include "ui/Desktop.h"
#include "ui/ImageList.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

// Looks of every sample that differ from the classes' own defaults.
class FactoryTest : public ::testing::Test {
protected:
  FactoryTest() {
    TDesignSamples::SetCurrent(&Samples);
    Samples.DefEntity->Brush()->SetColor(ui::clAqua);
    Samples.DefEntity->Pen()->SetColor(ui::clNavy);
    Samples.DefEntity->Font()->SetSize(12);
    Samples.DefEntity->Font()->SetStyle(ui::fsBold);
    Samples.DefEntity->SetEffect3D(true);
    Samples.DefNote->Brush()->SetColor(ui::clTeal);
    Samples.DefNote->Font()->SetName("Courier New");
    Samples.DefProjectInfo->Brush()->SetColor(ui::clPurple);
    Samples.DefProjectInfo->SetFormatStr("yyyy-mm-dd");
    Samples.DefEntryPoint->Brush()->SetColor(ui::clGreen);
    Samples.DefEntryPoint->SetEffect3D(true);
    Samples.DefRelation->Pen()->SetColor(ui::clMaroon);
    Samples.DefRelation->Pen()->SetWidth(2);
    Samples.DefTextLabel->Brush()->SetColor(ui::clOlive);
    Samples.DefTextLabel->Font()->SetSize(14);
    Samples.DefFreeTextLabel->Brush()->SetColor(ui::clFuchsia);
    SetDesignImages(&Images);
  }
  ~FactoryTest() override {
    TDesignSamples::SetCurrent(nullptr);
    SetDesignImages(nullptr);
  }

  static void ExpectLook(const TMorvikGraphic* Element, const TMorvikGraphic* Sample) {
    EXPECT_TRUE(*Element->Brush() == *Sample->Brush());
    EXPECT_TRUE(*Element->Pen() == *Sample->Pen());
    EXPECT_EQ(Element->Effect3D(), Sample->Effect3D());
    auto* box = dynamic_cast<const TRectangle*>(Element);
    if (box) EXPECT_TRUE(*box->Font() == *dynamic_cast<const TRectangle*>(Sample)->Font());
  }

  TEntity* Entity(const QString& Name, int Left, int Top) {
    return CreateEntity(&Desktop, 100, 100, Name, Name, Left, Top, 80, 60, true, false, false, Handlers);
  }
  TNote* Note(const QString& Name, int Left, int Top) {
    return CreateNote(&Desktop, 100, 100, Name, "x", Left, Top, 80, 60, false, Handlers);
  }

  TDesignSamples Samples;
  ui::TDesktop Desktop;
  ui::TImageList Images{nullptr};
  TElementHandlers Handlers;
};

TEST_F(FactoryTest, EveryKindTakesItsSamplesLookItsNameAndContent) {
  int clicks = 0;
  Handlers.OnDblClick = [&clicks](ui::TObject*) { ++clicks; };

  TEntity* e =
      CreateEntity(&Desktop, 100, 100, "Entity_0", "Osoba", 10, 20, 120, 80, false, true, false, Handlers);
  ExpectLook(e, Samples.DefEntity);
  EXPECT_EQ(e->Name(), "Entity_0");
  EXPECT_EQ(e->Caption(), "Osoba");
  EXPECT_EQ(e->BoundsRect(), ui::Bounds(10, 20, 120, 80));
  EXPECT_FALSE(e->DrawAll());
  EXPECT_TRUE(e->IsNew());
  EXPECT_TRUE(e->Valid());
  EXPECT_EQ(e->Images(), &Images);
  EXPECT_EQ(e->Owner(), &Desktop);
  EXPECT_EQ(e->Parent(), &Desktop);
  ASSERT_TRUE(e->OnDblClick);
  e->DoDblClick();
  EXPECT_EQ(clicks, 1);

  TNote* n =
      CreateNote(&Desktop, 100, 100, "Note_2", "první\ndruhý\r\ntřetí", 200, 30, 90, 70, false, Handlers);
  ExpectLook(n, Samples.DefNote);
  EXPECT_EQ(n->Name(), "Note_2");
  EXPECT_EQ(n->Lines(), QStringList({"první", "druhý", "třetí"}));
  EXPECT_EQ(n->BoundsRect(), ui::Bounds(200, 30, 90, 70));

  const QDateTime created(QDate(2001, 5, 24), QTime(16, 27, 40));
  const QDateTime updated(QDate(2002, 1, 2), QTime(3, 4, 5));
  TProjectInfo* p = CreateProjectInfo(&Desktop, 100, 100, "ProjectInfo_0", 300, 40, true, "Autor", "Firma",
                                      "Projekt", "1.0", "M", "S", "InterBase 6", created, updated, Handlers);
  ExpectLook(p, Samples.DefProjectInfo);
  EXPECT_EQ(p->FormatStr(), "yyyy-mm-dd");
  EXPECT_EQ(p->Name(), "ProjectInfo_0");
  EXPECT_EQ(p->Author(), "Autor");
  EXPECT_EQ(p->Firm(), "Firma");
  EXPECT_EQ(p->Project(), "Projekt");
  EXPECT_EQ(p->Version(), "1.0");
  EXPECT_EQ(p->Model(), "M");
  EXPECT_EQ(p->SubModel(), "S");
  EXPECT_EQ(p->DBServer(), "InterBase 6");
  EXPECT_EQ(p->CreatedAt(), created);
  EXPECT_EQ(p->UpdatedAt(), updated);
  EXPECT_EQ(p->Left(), 300);
  EXPECT_EQ(p->Top(), 40);

  TTextLabel* l = CreateTextLabel(&Desktop, 100, 100, "TextLabel_1", "Popis", 50, 300, Handlers);
  ExpectLook(l, Samples.DefTextLabel); // relation labels' look, never the free one
  EXPECT_EQ(l->Caption(), "Popis");
  EXPECT_EQ(l->Left(), 50);
  EXPECT_EQ(l->Top(), 300);
  EXPECT_GT(l->Width(), 0); // sized to its caption

  TEntryPoint* ep = CreateEntryPoint(&Desktop, 100, 100, "EntryPoint_0", e, Handlers);
  ASSERT_NE(ep, nullptr);
  ExpectLook(ep, Samples.DefEntryPoint);
  EXPECT_EQ(ep->Entity(), e);
  EXPECT_EQ(e->EntryPoint(), ep);

  TEntity* other = Entity("Entity_1", 400, 300);
  TRelation* r = CreateRelation(&Desktop, 100, 100, "Relation_0", e, 20, 20, other, 30, 30, rkNone, Handlers);
  ASSERT_NE(r, nullptr);
  ExpectLook(r, Samples.DefRelation);
  EXPECT_EQ(r->Name(), "Relation_0");
  EXPECT_TRUE(r->Visible());
  EXPECT_EQ(Desktop.Control(0), r); // behind every box
}

TEST_F(FactoryTest, RelationEndsAreNormalisedAndTheKindChosen) {
  TEntity* a = Entity("Entity_0", 0, 0);
  TEntity* b = Entity("Entity_1", 300, 0);
  TNote* note = Note("Note_0", 0, 300);
  TNote* note2 = Note("Note_1", 300, 300);
  TTextLabel* free = CreateTextLabel(&Desktop, 100, 100, "TextLabel_0", "Volný", 150, 400, Handlers);
  TTextLabel* owned = CreateTextLabel(&Desktop, 100, 100, "TextLabel_1", "Popiska", 150, 200, Handlers);
  owned->SetTag(reinterpret_cast<intptr_t>(b));

  const struct {
    const char* What;
    TRectangle* Base;
    TRectangle* Target;
    TRelationKind Asked;
    TRectangle* ExpectedBase; // null: no relation
    TRectangle* ExpectedTarget;
    TRelationKind Kind;
  } cases[] = {
      {"two entities", a, b, rkNone, a, b, rkOneOneToZeroMany},
      {"two entities, kind given", a, b, rkZeroOneToOneMany, a, b, rkZeroOneToOneMany},
      {"entity to note", a, note, rkNone, note, a, rkNothingToArrow},
      {"note to entity", note, a, rkNone, note, a, rkNothingToArrow},
      {"entity to free label", b, free, rkNone, free, b, rkNothingToArrow},
      {"entity to note, kind given", a, note, rkOneOneToOneOne, note, a, rkOneOneToOneOne},
      {"relation label to entity", owned, a, rkNone, nullptr, nullptr, rkNone},
      {"entity to relation label", a, owned, rkNone, nullptr, nullptr, rkNone},
      {"note to note", note, note2, rkNone, nullptr, nullptr, rkNone},
      {"note to free label", note, free, rkNone, nullptr, nullptr, rkNone},
      {"entity to nothing", a, nullptr, rkNone, nullptr, nullptr, rkNone},
  };
  int n = 0;
  for (const auto& c : cases) {
    const int controls = Desktop.ControlCount();
    const int components = Desktop.ComponentCount();
    TRelation* r = CreateRelation(&Desktop, 100, 100, "Relation_" + QString::number(n++), c.Base, 2, 3,
                                  c.Target, 4, 5, c.Asked, Handlers);
    if (!c.ExpectedBase) {
      EXPECT_EQ(r, nullptr) << c.What;
      EXPECT_EQ(Desktop.ControlCount(), controls) << c.What;
      EXPECT_EQ(Desktop.ComponentCount(), components) << c.What;
      continue;
    }
    ASSERT_NE(r, nullptr) << c.What;
    EXPECT_EQ(r->Base(), c.ExpectedBase) << c.What;
    EXPECT_EQ(r->Target(), c.ExpectedTarget) << c.What;
    EXPECT_EQ(r->RelationKind(), c.Kind) << c.What;
    // Each anchor stays with the end it was given for.
    const bool swapped = c.ExpectedBase != c.Base;
    EXPECT_EQ(r->BaseX(), swapped ? 4 : 2) << c.What;
    EXPECT_EQ(r->BaseY(), swapped ? 5 : 3) << c.What;
    EXPECT_EQ(r->TargetX(), swapped ? 2 : 4) << c.What;
    EXPECT_EQ(r->TargetY(), swapped ? 3 : 5) << c.What;
  }
}

TEST_F(FactoryTest, ASecondEntryPointGivesNullAndLeavesNothingBehind) {
  TEntity* e = Entity("Entity_0", 100, 200);
  TEntryPoint* first = CreateEntryPoint(&Desktop, 100, 100, "EntryPoint_0", e, Handlers);
  ASSERT_NE(first, nullptr);
  const int controls = Desktop.ControlCount();
  const int components = Desktop.ComponentCount();
  TEntryPoint* second = nullptr;
  EXPECT_NO_THROW(second = CreateEntryPoint(&Desktop, 100, 100, "EntryPoint_1", e, Handlers));
  EXPECT_EQ(second, nullptr);
  EXPECT_EQ(Desktop.ControlCount(), controls);
  EXPECT_EQ(Desktop.ComponentCount(), components);
  EXPECT_EQ(Desktop.FindComponent("EntryPoint_1"), nullptr);
  EXPECT_EQ(e->EntryPoint(), first);
}

TEST_F(FactoryTest, HandlesAreNamedAfterTheirHost) {
  TEntity* e = Entity("Entity_4", 200, 100);
  TResizeBox* box =
      CreateResizeBox(&Desktop, 100, 100, 0, 0, 0, 0, rsSelectedAsMany, false, true, e, true, Handlers);
  EXPECT_EQ(box->Name(), "ResBox_Entity_4");
  EXPECT_EQ(box->Host(), e);
  EXPECT_EQ(box->BoundsRect(), ui::Bounds(e->Left() - 2, e->Top() - 2, e->Width() + 5, e->Height() + 5));
  EXPECT_EQ(box->State(), rsSelectedAsMany);
  EXPECT_FALSE(box->EnableResize());
  EXPECT_TRUE(box->EnableMove());
  EXPECT_EQ(box->DefaultCursor(), ui::crArrow);

  TResizeBox* frame =
      CreateResizeBox(&Desktop, 100, 100, 10, 20, 30, 40, rsMoving, true, true, nullptr, false, Handlers);
  EXPECT_TRUE(frame->Name().isEmpty());
  EXPECT_EQ(frame->BoundsRect(), ui::Bounds(10, 20, 30, 40));
  EXPECT_FALSE(frame->Visible());

  TEntity* other = Entity("Entity_5", 400, 100);
  TRelation* r = CreateRelation(&Desktop, 100, 100, "Relation_2", e, 10, 10, other, 10, 10, rkNone, Handlers);
  ASSERT_NE(r, nullptr);
  CreateResizeLine(&Desktop, 100, 100, true, r, Handlers);
  auto* base = dynamic_cast<TResizeLine*>(Desktop.FindComponent("ResLine_Relation_2_B"));
  auto* target = dynamic_cast<TResizeLine*>(Desktop.FindComponent("ResLine_Relation_2_T"));
  ASSERT_NE(base, nullptr);
  ASSERT_NE(target, nullptr);
  EXPECT_EQ(base->Name(), "ResLine_Relation_2_B");
  EXPECT_EQ(target->Name(), "ResLine_Relation_2_T");
  EXPECT_EQ(base->HostSite(), hsBase);
  EXPECT_EQ(target->HostSite(), hsTarget);
  EXPECT_EQ(base->Host(), r);
  EXPECT_EQ(target->Host(), r);
  EXPECT_EQ(base->DefaultCursor(), ui::crArrow);

  TSelectingRect* band = CreateSelectingRect(&Desktop, 5, 6, 70, 80, stLine);
  EXPECT_EQ(band->BoundsRect(), ui::Bounds(5, 6, 70, 80));
  EXPECT_EQ(band->Mode(), stLine);
  EXPECT_TRUE(band->Visible());
  EXPECT_EQ(band->Parent(), &Desktop);
}

TEST_F(FactoryTest, AtHalfZoomTheLookIsHalvedAndTheBoundsTakenAsTheyAre) {
  TEntity* e =
      CreateEntity(&Desktop, 50, 100, "Entity_0", "Osoba", 10, 20, 60, 40, true, false, false, Handlers);
  EXPECT_EQ(e->Font()->Size(), 6);
  EXPECT_EQ(e->Margin(), TEntity::DefMargin / 2);
  EXPECT_EQ(e->BoundsRect(), ui::Bounds(10, 20, 60, 40));
  EXPECT_EQ(Samples.DefEntity->Font()->Size(), 12); // the sample keeps its look

  TTextLabel* l = CreateTextLabel(&Desktop, 50, 100, "TextLabel_0", "Popis", 5, 5, Handlers);
  EXPECT_EQ(l->Font()->Size(), 7);
  EXPECT_EQ(Samples.DefTextLabel->Font()->Size(), 14);
}

// Positions from files, the clipboard or dialogs are held within the largest desktop at the
// zoom, so that nothing computed from them later leaves the integer range.
TEST_F(FactoryTest, PositionsAndSizesAreHeldWithinTheLargestDesktop) {
  const int max = TDesignSamples::MaxDesktopPix, huge = std::numeric_limits<int>::max();
  TEntity* e =
      CreateEntity(&Desktop, 100, 100, "Entity_0", "A", huge, -huge, huge, 40, true, false, false, Handlers);
  EXPECT_EQ(e->BoundsRect(), ui::Bounds(max, 0, max, 40));
  TNote* n = CreateNote(&Desktop, 200, 100, "Note_0", "x", -5, huge - 1, 300, huge, false, Handlers);
  EXPECT_EQ(n->BoundsRect(), ui::Bounds(0, 2 * max, 300, 2 * max)); // at 200 % the desktop is twice as large
  TTextLabel* l = CreateTextLabel(&Desktop, 100, 100, "TextLabel_0", "Popis", huge, huge, Handlers);
  EXPECT_EQ(ui::Point(l->Left(), l->Top()), ui::Point(max, max));
  // A relation between the farthest boxes routes without overflow.
  TEntity* far =
      CreateEntity(&Desktop, 100, 100, "Entity_1", "B", 0, huge, huge, huge, true, false, false, Handlers);
  TRelation* r =
      CreateRelation(&Desktop, 100, 100, "Relation_0", e, 10, 10, far, huge, huge, rkNone, Handlers);
  ASSERT_NE(r, nullptr);
  EXPECT_LE(r->BoundsRect().Right, 2 * max + TRelation::DefConclusionLength);
}

TEST(FactoryWithoutSettings, ElementsKeepTheirClassLook) {
  ASSERT_EQ(TDesignSamples::Current(), nullptr);
  ui::TDesktop desktop;
  TEntity* e = CreateEntity(&desktop, 100, 100, "Entity_0", "A", 0, 0, 60, 40, true, false, true, {});
  TEntity plain(nullptr);
  EXPECT_TRUE(*e->Brush() == *plain.Brush());
  EXPECT_TRUE(*e->Font() == *plain.Font());
}

} // namespace
