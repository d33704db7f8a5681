// The editing side of a schema window bound to the real plug-in: the component browser and
// the error list it docks, the modification kinds and the check they re-run, deleting
// elements with their plug-in objects, relation labels, and the property commands with the
// dialogs played by the fake host.
#include "FakeDesignHost.h"
#include "ShownDesign.h"

#include "Interface/MorvikInterface.h"
#include "diagram/Entity.h"
#include "diagram/EntryPoint.h"
#include "diagram/Note.h"
#include "diagram/ProjectInfo.h"
#include "diagram/Relation.h"
#include "diagram/Resizer.h"
#include "diagram/ScrolledScrollBox.h"
#include "diagram/TextLabel.h"
#include "editor/DesignSamples.h"
#include "editor/VisualModel.h"
#include "editor/frmBrowser.h"
#include "editor/frmDesign.h"
#include "editor/frmErrorBrowser.h"

#include <QApplication>
#include <QListWidget>
#include <QMouseEvent>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

class DesignEditing : public ::testing::Test {
protected:
  void SetUp() override {
    TDesignSamples::SetCurrent(&samples);
    design = std::make_unique<TfrmDesign>(&host);
    ASSERT_TRUE(BindAndShow(*design, 900, 600)) << qPrintable(design->LoadError);
  }
  void TearDown() override {
    design.reset();
    TDesignSamples::SetCurrent(nullptr);
  }

  void Send(QEvent::Type Type, QPoint P, Qt::MouseButton Button, Qt::MouseButtons Held) {
    SendMouse(*design, Type, P, Button, Held);
  }
  void Drag(QPoint From, QPoint To) {
    Send(QEvent::MouseButtonPress, From, Qt::LeftButton, Qt::LeftButton);
    Send(QEvent::MouseMove, From + (To - From) / 2, Qt::NoButton, Qt::LeftButton);
    Send(QEvent::MouseMove, To, Qt::NoButton, Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, To, Qt::LeftButton, Qt::NoButton);
  }
  void Click(QPoint P) {
    Send(QEvent::MouseButtonPress, P, Qt::LeftButton, Qt::LeftButton);
    Send(QEvent::MouseButtonRelease, P, Qt::LeftButton, Qt::NoButton);
  }
  static QPoint Centre(const ui::TControl* C) {
    return QPoint(C->Left() + C->Width() / 2, C->Top() + C->Height() / 2);
  }
  TEntity* DrawEntity(QPoint From, QPoint To) {
    host.CurrentTool = toolEntity;
    Drag(From, To);
    return design->VisualModel->Entities.back();
  }
  TRelation* DrawRelation(const ui::TControl* From, const ui::TControl* To) {
    host.CurrentTool = toolRelation;
    Drag(Centre(From), Centre(To));
    return design->VisualModel->Relations.back();
  }
  // Two entities, a note, a free text label, an entry point on B, the relation from A to B and
  // one from the note to A, which the browser does not list; with ProjectInfo the project
  // block too.
  struct TBrowsedKinds {
    TEntity* A;
    TEntity* B;
    TNote* Note;
    TTextLabel* Label;
    TRelation* AB;
    TRelation* FromNote;
  };
  TBrowsedKinds DrawBrowsedKinds(bool ProjectInfo) {
    TEntity* a = DrawEntity(QPoint(20, 20), QPoint(140, 120));
    TEntity* b = DrawEntity(QPoint(300, 20), QPoint(420, 120));
    host.CurrentTool = toolNote;
    Drag(QPoint(20, 300), QPoint(140, 380));
    host.CurrentTool = toolTextLabel;
    Click(QPoint(300, 300));
    if (ProjectInfo) {
      host.CurrentTool = toolProjectInfo;
      Click(QPoint(500, 300));
    }
    host.CurrentTool = toolEntryPoint;
    Click(Centre(b));
    TRelation* ab = DrawRelation(a, b);
    TNote* note = design->VisualModel->Notes.at(0);
    TTextLabel* label = design->VisualModel->TextLabels.at(0);
    return {a, b, note, label, ab, DrawRelation(note, a)};
  }

  // The texts of a group's nodes, in order.
  QStringList Nodes(TfrmBrowser::TGroup Group) const {
    QStringList texts;
    const QTreeWidgetItem* group = design->Browser->GroupNode(Group);
    for (int i = 0; i < group->childCount(); ++i) texts << group->child(i)->text(0);
    return texts;
  }
  int References() const { return design->Model->GetReferenceCount(); }
  int Tables() const { return design->Model->GetTableCount(); }
  // The selection handles on the desktop.
  int Handles() const {
    int handles = 0;
    for (int i = 0; i < design->Desktop->ControlCount(); ++i)
      handles += dynamic_cast<TResizer*>(design->Desktop->Control(i)) != nullptr;
    return handles;
  }
  // Every reference of the model joins tables that the model still has.
  bool ReferencesJoinLiveTables() const {
    Morvik::TModel* m = design->Model;
    for (int i = 0; i < m->GetReferenceCount(); ++i) {
      int found = 0;
      for (int t = 0; t < m->GetTableCount(); ++t) {
        found += m->GetTable(t) == m->GetReference(i)->GetParentTable() ? 1 : 0;
        found += m->GetTable(t) == m->GetReference(i)->GetChildTable() ? 1 : 0;
      }
      if (found != 2) return false;
    }
    return true;
  }

  TDesignSamples samples;
  FakeDesignHost host;
  std::unique_ptr<TfrmDesign> design;
};

TEST_F(DesignEditing, TheBrowserIsDockedAtTheLeftAndBothDockTogglesShowAndHideTheirWindow) {
  ASSERT_NE(design->Browser, nullptr);
  ASSERT_NE(design->ErrorBrowser, nullptr);
  EXPECT_EQ(design->Browser->parentWidget(), design->pnLeftDock);
  EXPECT_TRUE(design->Browser->isVisible());
  EXPECT_TRUE(design->ErrorBrowser->isHidden());
  // No check has run yet.
  EXPECT_EQ(design->ErrorBrowser->ErrorCount(), 0);

  design->ToggleDockedWindow(design->Browser, true);
  EXPECT_TRUE(design->Browser->isHidden());
  EXPECT_TRUE(design->pnLeftDock->isHidden());
  design->ToggleDockedWindow(design->Browser, true);
  EXPECT_EQ(design->Browser->parentWidget(), design->pnLeftDock);
  EXPECT_TRUE(design->Browser->isVisible());

  design->ToggleDockedWindow(design->ErrorBrowser, false);
  EXPECT_EQ(design->ErrorBrowser->parentWidget(), design->pnBottomDock);
  EXPECT_TRUE(design->ErrorBrowser->isVisible());
  design->ToggleDockedWindow(design->ErrorBrowser, false);
  EXPECT_TRUE(design->ErrorBrowser->isHidden());
  EXPECT_TRUE(design->pnBottomDock->isHidden());
}

TEST_F(DesignEditing, ModificationKindsStampTheirTimesAndStructuralOnesRerunTheCheck) {
  // An entity without columns is a finding of the check.
  DrawEntity(QPoint(20, 20), QPoint(140, 120));
  struct Case {
    bool Modified;
    TModifiedKind Kind;
    bool Updated, Changed, Checked;
  };
  const Case cases[] = {
      {true, mkNothing, true, false, false},   {true, mkDrawing, true, false, false},
      {true, mkModel, true, true, true},       {true, mkCreation, true, true, true},
      {false, mkNothing, false, false, false}, {false, mkDrawing, false, false, false},
      {false, mkModel, false, true, false},    {false, mkCreation, false, true, false},
  };
  const QDateTime old = QDateTime::fromString(QStringLiteral("2001-01-01T00:00:00"), Qt::ISODate);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.Modified << " " << c.Kind);
    design->SetModified(false, mkNothing);
    TVisualModel& doc = *design->VisualModel;
    doc.UpdatedAt = doc.ChangedAt = doc.CheckedAt = old;
    design->ErrorBrowser->lbErrors->clear();
    design->SetModified(c.Modified, c.Kind);
    EXPECT_EQ(design->Modified(), c.Modified);
    EXPECT_EQ(doc.UpdatedAt != old, c.Updated);
    EXPECT_EQ(doc.ChangedAt != old, c.Changed);
    EXPECT_EQ(doc.CheckedAt != old, c.Checked);
    EXPECT_EQ(design->ErrorBrowser->lbErrors->count() > 0, c.Checked);
    if (c.Checked) {
      EXPECT_GT(design->ErrorBrowser->ErrorCount(), 0);
      EXPECT_TRUE(design->ErrorBrowser->isVisible());
    }
  }
  // Without findings the check hides the list again.
  design->SelectOnly(design->VisualModel->Entities[0]);
  design->DeleteSelection();
  EXPECT_EQ(design->ErrorBrowser->ErrorCount(), 0);
  EXPECT_TRUE(design->ErrorBrowser->isHidden());
}

TEST_F(DesignEditing, DeletingAnEntityTakesItsRelationsLabelEntryPointAndEveryReferenceOfItsTable) {
  TEntity* a = DrawEntity(QPoint(20, 20), QPoint(140, 120));
  TEntity* b = DrawEntity(QPoint(300, 20), QPoint(420, 120));
  TEntity* c = DrawEntity(QPoint(20, 300), QPoint(140, 400));
  TRelation* ab = DrawRelation(a, b);
  DrawRelation(c, a);
  DrawRelation(b, c);
  // A reference of a's table that no relation shows.
  design->Model->NewReference(b->Table(), a->Table());
  host.CurrentTool = toolEntryPoint;
  Click(Centre(a));
  ab->Reference()->SetName("FK_AB");
  design->SelectOnly(ab);
  ASSERT_TRUE(design->CanShowRelationLabel());
  design->ShowRelationLabel();
  ASSERT_NE(ab->MainLabel(), nullptr);
  EXPECT_EQ(ab->MainLabel()->Caption(), "FK_AB");
  ASSERT_EQ(design->VisualModel->EntryPoints.size(), 1u);
  ASSERT_EQ(Tables(), 3);
  ASSERT_EQ(References(), 4);
  ASSERT_EQ(Nodes(TfrmBrowser::grRelations).size(), 3);
  ASSERT_EQ(Nodes(TfrmBrowser::grEntryPoints).size(), 1);

  design->SelectOnly(a);
  design->DeleteSelection();

  EXPECT_EQ(Tables(), 2);
  EXPECT_EQ(References(), 1);
  EXPECT_TRUE(ReferencesJoinLiveTables());
  EXPECT_EQ(design->VisualModel->Entities.size(), 2u);
  EXPECT_EQ(design->VisualModel->Relations.size(), 1u);
  EXPECT_TRUE(design->VisualModel->TextLabels.empty());
  EXPECT_TRUE(design->VisualModel->EntryPoints.empty());
  EXPECT_EQ(Nodes(TfrmBrowser::grEntities).size(), 2);
  EXPECT_EQ(Nodes(TfrmBrowser::grRelations).size(), 1);
  EXPECT_TRUE(Nodes(TfrmBrowser::grEntryPoints).isEmpty());
  EXPECT_TRUE(design->Selection.empty());
  EXPECT_EQ(Handles(), 0);
  EXPECT_TRUE(design->Modified());
  // The model's own walks read only what is left.
  EXPECT_NE(design->Model->Generate(), nullptr);
  design->CheckModel();

  // A selected relation takes its end handles with it.
  design->SelectOnly(design->VisualModel->Relations.front());
  ASSERT_EQ(Handles(), 2);
  design->DeleteSelection();
  EXPECT_TRUE(design->VisualModel->Relations.empty());
  EXPECT_EQ(Handles(), 0);
  EXPECT_EQ(References(), 0);

  // The rest at once, with a reference that no relation shows between the two: every
  // reference goes once.
  design->Model->NewReference(c->Table(), b->Table());
  design->SelectOnly(b);
  design->Select(c);
  ASSERT_EQ(Handles(), 2);
  design->DeleteSelection();
  EXPECT_EQ(Handles(), 0);
  EXPECT_EQ(Tables(), 0);
  EXPECT_EQ(References(), 0);
  EXPECT_TRUE(design->VisualModel->Relations.empty());
  EXPECT_TRUE(design->Selection.empty());
}

TEST_F(DesignEditing, BrowserNodesFollowCreationRenameAndDeletion) {
  const auto [a, b, note, label, ab, fromNote] = DrawBrowsedKinds(false);
  EXPECT_EQ(Nodes(TfrmBrowser::grEntities), QStringList({a->Caption(), b->Caption()}));
  EXPECT_EQ(Nodes(TfrmBrowser::grEntryPoints), QStringList({"Bod (" + b->Caption() + ")"}));
  EXPECT_EQ(Nodes(TfrmBrowser::grNotes).size(), 1);
  EXPECT_EQ(Nodes(TfrmBrowser::grTextLabels), QStringList({label->Caption()}));
  EXPECT_EQ(Nodes(TfrmBrowser::grRelations), QStringList({TfrmBrowser::RelationText(ab)}));

  // Renames in the dialogs.
  host.Dialog = [&](const void* Element, const Morvik::TCheckRecord*) {
    if (Element == b) {
      b->Table()->SetName("KUNDE");
      design->BindEntityToTable(b, b->Table());
    } else if (Element == ab) {
      ab->Reference()->SetName("FK_KUNDE");
    } else if (Element == label) {
      label->SetCaption(QStringLiteral("Nadpis"));
    }
    return true;
  };
  for (TMorvikGraphic* e : std::initializer_list<TMorvikGraphic*>{b, ab, label})
    EXPECT_TRUE(design->EditElementProperties(e));
  EXPECT_EQ(Nodes(TfrmBrowser::grEntities), QStringList({a->Caption(), "KUNDE"}));
  EXPECT_EQ(Nodes(TfrmBrowser::grEntryPoints), QStringList({"Bod (KUNDE)"}));
  EXPECT_EQ(Nodes(TfrmBrowser::grRelations), QStringList({"FK_KUNDE"}));
  EXPECT_EQ(Nodes(TfrmBrowser::grTextLabels), QStringList({"Nadpis"}));

  // Deletions, one kind after another.
  design->SelectOnly(label);
  design->DeleteSelectedTextLabel();
  EXPECT_TRUE(Nodes(TfrmBrowser::grTextLabels).isEmpty());
  design->SelectOnly(b);
  design->DeleteSelectedEntryPoint();
  EXPECT_TRUE(Nodes(TfrmBrowser::grEntryPoints).isEmpty());
  design->SelectOnly(ab);
  design->DeleteSelectedRelation();
  EXPECT_TRUE(Nodes(TfrmBrowser::grRelations).isEmpty());
  EXPECT_EQ(References(), 0);
  design->SelectOnly(note);
  design->DeleteSelectedNote();
  EXPECT_TRUE(Nodes(TfrmBrowser::grNotes).isEmpty());
  EXPECT_TRUE(design->VisualModel->Relations.empty());
  design->SelectOnly(a);
  design->Select(b);
  design->DeleteSelection();
  EXPECT_TRUE(Nodes(TfrmBrowser::grEntities).isEmpty());
  EXPECT_EQ(Tables(), 0);
}

// Finding the one selected element in the browser selects its node and gives the tree the
// focus; a relation's label stands for its relation. Without exactly one selected element, or
// for an element the browser does not list, the browser's selection stays.
TEST_F(DesignEditing, FindingTheSelectedElementInTheBrowserSelectsItsNode) {
  const auto [a, b, note, label, ab, unlisted] = DrawBrowsedKinds(true);
  TProjectInfo* info = design->VisualModel->ProjectInfo;
  ASSERT_NE(info, nullptr);
  ab->Reference()->SetName("FK_AB");
  design->SelectOnly(ab);
  design->ShowRelationLabel();
  TTextLabel* abLabel = ab->MainLabel();
  ASSERT_NE(abLabel, nullptr);

  TfrmBrowser* browser = design->Browser;
  QTreeWidget* tree = browser->tvComponents;
  QTreeWidgetItem* start = browser->GroupNode(TfrmBrowser::grEntities);
  struct Case {
    const char* What;
    std::vector<TMorvikGraphic*> Selected;
    TMorvikGraphic* Found; // null: the browser's selection stays
  };
  const Case cases[] = {
      {"an entity", {a}, a},
      {"a note", {note}, note},
      {"a free text label", {label}, label},
      {"the project block", {info}, info},
      {"a relation between entities", {ab}, ab},
      {"a relation's label", {abLabel}, ab},
      {"nothing selected", {}, nullptr},
      {"two entities", {a, b}, nullptr},
      {"a relation from a note", {unlisted}, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    design->ClearSelection();
    for (TMorvikGraphic* e : c.Selected) design->Select(e);
    ASSERT_EQ(design->Selection, c.Selected);
    tree->setCurrentItem(start);
    design->setFocus();
    QApplication::processEvents();
    design->FindSelectedInBrowser();
    QApplication::processEvents();
    QTreeWidgetItem* expected = c.Found ? browser->NodeOf(c.Found) : start;
    ASSERT_NE(expected, nullptr);
    EXPECT_EQ(tree->currentItem(), expected);
    if (c.Found) {
      EXPECT_TRUE(tree->hasFocus());
    }
    // The desktop's selection is left as it was.
    EXPECT_EQ(design->Selection, c.Selected);
  }
}

TEST_F(DesignEditing, TheRelationDialogKeepsTheLabelWithTheReferencesName) {
  TEntity* a = DrawEntity(QPoint(20, 20), QPoint(140, 120));
  TEntity* b = DrawEntity(QPoint(300, 20), QPoint(420, 120));
  TRelation* ab = DrawRelation(a, b);
  const char* newName = "";
  host.Dialog = [&](const void*, const Morvik::TCheckRecord*) {
    ab->Reference()->SetName(newName);
    return true;
  };
  auto labels = [&] { return design->VisualModel->TextLabels.size(); };
  struct Step {
    const char* What;
    const char* Name;
    bool FromLabel;    // the dialog opened from the relation's label
    bool HideFirst;    // the user hid the label before
    const char* Label; // the label's caption after, or null for none
  };
  const Step steps[] = {
      {"naming an unnamed reference shows its label", "FK_1", false, false, "FK_1"},
      {"from the label a new name renames the label", "FK_2", true, false, "FK_2"},
      {"from the label an empty name hides it", "", true, false, nullptr},
      {"a name again shows it", "FK_3", false, false, "FK_3"},
      {"a label hidden by the user stays hidden", "FK_4", false, true, nullptr},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.What);
    if (s.HideFirst) {
      design->SelectOnly(ab);
      ASSERT_TRUE(design->CanHideRelationLabel());
      design->HideRelationLabel();
    }
    newName = s.Name;
    design->SelectOnly(s.FromLabel ? static_cast<TMorvikGraphic*>(ab->MainLabel()) : ab);
    EXPECT_TRUE(s.FromLabel ? design->EditSelectedTextLabel() : design->EditSelectedRelation());
    if (s.Label) {
      ASSERT_NE(ab->MainLabel(), nullptr);
      EXPECT_EQ(ab->MainLabel()->Caption(), s.Label);
      EXPECT_EQ(labels(), 1u);
      EXPECT_EQ(Nodes(TfrmBrowser::grRelations), QStringList({s.Label}));
    } else {
      EXPECT_EQ(ab->MainLabel(), nullptr);
      EXPECT_EQ(labels(), 0u);
    }
    EXPECT_TRUE(host.Dialogs.back() == ab);
  }
  // A cancelled dialog changes nothing and marks nothing.
  design->SetModified(false, mkNothing);
  host.Dialog = nullptr;
  design->SelectOnly(ab);
  EXPECT_FALSE(design->EditSelectedRelation());
  EXPECT_FALSE(design->Modified());
}

// The relation dialog opens the entity dialogs of both ends: their renames show in the
// browser as soon as the relation dialog is done, also after its Cancel.
TEST_F(DesignEditing, EntitiesRenamedFromTheRelationDialogAreRenamedInTheBrowser) {
  TEntity* a = DrawEntity(QPoint(20, 20), QPoint(140, 120));
  TEntity* b = DrawEntity(QPoint(300, 20), QPoint(420, 120));
  TRelation* ab = DrawRelation(a, b);
  host.Dialog = [&](const void*, const Morvik::TCheckRecord*) {
    a->SetCaption("CUSTOMERS");
    b->SetCaption("ORDERS");
    return true; // an entity dialog stored, whatever the relation dialog's answer
  };
  design->SelectOnly(ab);
  EXPECT_TRUE(design->EditSelectedRelation());
  EXPECT_EQ(Nodes(TfrmBrowser::grEntities), QStringList({"CUSTOMERS", "ORDERS"}));
}

TEST_F(DesignEditing, ADialogConfirmedFromTheErrorListRenamesTheBrowsersNode) {
  TEntity* a = DrawEntity(QPoint(20, 20), QPoint(140, 120));
  design->CheckModel();
  ASSERT_GT(design->ErrorBrowser->ErrorCount(), 0);
  host.Dialog = [&](const void* Element, const Morvik::TCheckRecord* Record) {
    EXPECT_EQ(Element, static_cast<const void*>(a));
    EXPECT_NE(Record, nullptr);
    a->Table()->SetName("ZAKAZNIK");
    design->BindEntityToTable(a, a->Table());
    return true;
  };
  QListWidget* list = design->ErrorBrowser->lbErrors;
  list->scrollToItem(list->item(0));
  design->ErrorBrowser->lvErrorsDblClick(list->visualItemRect(list->item(0)).center());
  EXPECT_EQ(host.Dialogs.size(), 1u);
  EXPECT_EQ(Nodes(TfrmBrowser::grEntities), QStringList({"ZAKAZNIK"}));
  EXPECT_EQ(design->Selection.size(), 1u);
  EXPECT_TRUE(design->Modified());
}

TEST_F(DesignEditing, DeletingTheProjectBlockClearsItFromTheSchema) {
  // Deleted as the single selected block and as part of the selection.
  for (const bool WholeSelection : {false, true}) {
    SCOPED_TRACE(WholeSelection);
    TProjectInfo* block = design->CreateProjectInfoAt(ui::TMouseButton::mbLeft, 100, 100);
    ASSERT_NE(block, nullptr);
    ASSERT_EQ(design->VisualModel->ProjectInfo, block);
    design->SetModified(false, mkNothing);
    design->ClearSelection();
    design->Select(block);
    if (WholeSelection)
      design->DeleteSelection();
    else
      design->DeleteSelectedProjectInfo();
    EXPECT_EQ(design->VisualModel->ProjectInfo, nullptr);
    EXPECT_FALSE(design->HasSelection());
    EXPECT_EQ(design->Desktop->ControlCount(), 0);
    EXPECT_TRUE(design->Modified());
  }
}

} // namespace
