// Reverse engineering on a schema window bound to the test plug-in, whose catalogue the
// data source names; the host's dialogs answer as each case sets them. After every run the
// model's tables and references and the diagram's entities and relations are compared.
#include "FakeDesignHost.h"

#include "Interface/MorvikInterface.h"
#include "diagram/Entity.h"
#include "diagram/EntryPoint.h"
#include "diagram/Relation.h"
#include "diagram/TextLabel.h"
#include "editor/VisualModel.h"
#include "editor/frmDesign.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <stdexcept>

namespace {

using Names = std::set<QString>;

class Reverse : public ::testing::Test {
protected:
  void SetUp() override {
    host.Folder = QStringLiteral(REVERSE_PLUGIN_DIR);
    design = std::make_unique<TfrmDesign>(&host);
    design->setAttribute(Qt::WA_DeleteOnClose, false);
    ASSERT_TRUE(design->BindModel("reversetest.so", "InterBase 6", "0.1")) << qPrintable(design->LoadError);
    design->resize(800, 600);
  }
  void TearDown() override { design.reset(); }

  void Run(const char* Source, const char* User = "sysdba") {
    host.NextLogin = TReverseLogin{User, "masterkey", Source};
    design->ReverseEngineer(0, false);
  }

  Names Tables() const {
    Names names;
    for (int i = 0; i < design->Model->GetTableCount(); ++i)
      names.insert(design->Model->GetTable(i)->GetName());
    return names;
  }
  Names References() const {
    Names names;
    for (int i = 0; i < design->Model->GetReferenceCount(); ++i)
      names.insert(design->Model->GetReference(i)->GetName());
    return names;
  }
  // Entity captions; each entity is bound to a table of the model of that name.
  Names Entities() const {
    Names names;
    for (TEntity* e : design->VisualModel->Entities) {
      EXPECT_TRUE(e->Table());
      if (e->Table()) EXPECT_EQ(e->Caption(), QString(e->Table()->GetName()));
      names.insert(e->Caption());
    }
    return names;
  }
  // "PARENT>CHILD:label" per relation, checked against its reference.
  Names Relations() const {
    Names names;
    for (TRelation* r : design->VisualModel->Relations) {
      Morvik::TReference* ref = r->Reference();
      EXPECT_TRUE(ref);
      auto* base = dynamic_cast<TEntity*>(r->Base());
      auto* target = dynamic_cast<TEntity*>(r->Target());
      EXPECT_TRUE(base && target);
      if (!ref || !base || !target) continue;
      EXPECT_EQ(base->Table(), ref->GetParentTable());
      EXPECT_EQ(target->Table(), ref->GetChildTable());
      names.insert(base->Caption() + ">" + target->Caption() + ":" +
                   (r->MainLabel() ? r->MainLabel()->Caption() : ""));
    }
    return names;
  }
  // The run left the progress window hidden and the cursor normal.
  void ExpectRestored() const {
    if (!host.ProgressShown.empty()) EXPECT_FALSE(host.ProgressShown.back());
    if (!host.BusyCalls.empty()) EXPECT_FALSE(host.BusyCalls.back());
  }

  FakeDesignHost host;
  std::unique_ptr<TfrmDesign> design;
};

const Names V1Tables{"CUSTOMER", "ORDERS", "ITEM"};
const Names V1References{"FK_ORDERS_CUSTOMER", "FK_ITEM_ORDERS"};
const Names V1Relations{"CUSTOMER>ORDERS:FK_ORDERS_CUSTOMER", "ORDERS>ITEM:FK_ITEM_ORDERS"};

TEST_F(Reverse, FullReverseMakesAnEntityPerTableAndARelationPerReference) {
  Run("v1");
  EXPECT_EQ(Tables(), V1Tables);
  EXPECT_EQ(References(), V1References);
  EXPECT_EQ(Entities(), V1Tables);
  EXPECT_EQ(Relations(), V1Relations);
  EXPECT_EQ(design->VisualModel->TextLabels.size(), 2u);
  EXPECT_TRUE(design->Modified());
  EXPECT_TRUE(host.Messages.isEmpty()) << qPrintable(host.Messages.join("|"));
  // Source 0 offers the model's parameters as its options; both item dialogs were shown.
  ASSERT_EQ(host.ReverseOptions.size(), 1u);
  EXPECT_EQ(host.ReverseOptions[0], dynamic_cast<Morvik::TParamObject*>(design->Model));
  EXPECT_EQ(host.ItemModes, (std::vector<int>{0, 1}));
  // Every step of the plug-in reached the progress window.
  EXPECT_TRUE(host.Progress.Texts.contains("start Načítání 5"));
  EXPECT_TRUE(host.Progress.Texts.contains("FK_ITEM_ORDERS"));
  ExpectRestored();

  // Names by number; the new boxes sit inside the desktop without overlapping.
  std::set<QString> names;
  for (TEntity* e : design->VisualModel->Entities) {
    names.insert(e->Name());
    EXPECT_FALSE(e->IsNew());
    EXPECT_GE(e->Left(), 0);
    EXPECT_GE(e->Top(), 0);
    EXPECT_LE(e->Left() + e->Width(), design->HorzRange());
    for (TEntity* o : design->VisualModel->Entities) {
      const ui::TRect a = e->BoundsRect(), b = o->BoundsRect();
      const bool overlap = a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
      if (o != e) EXPECT_FALSE(overlap) << qPrintable(e->Name());
    }
  }
  EXPECT_EQ(names, (std::set<QString>{"Entity_0", "Entity_1", "Entity_2"}));
}

// A new relation is anchored as one that the mouse draws from the centre of its parent's box
// to the centre of its child's, so that its line runs between the boxes.
TEST_F(Reverse, NewRelationsAreAnchoredAsIfDrawnFromCentreToCentre) {
  Run("v1");
  const std::vector<TRelation*> reversed = design->VisualModel->Relations;
  ASSERT_EQ(reversed.size(), 2u);
  auto anchors = [](const TRelation* r) {
    return QStringLiteral("%1,%2>%3,%4").arg(r->BaseX()).arg(r->BaseY()).arg(r->TargetX()).arg(r->TargetY());
  };
  for (TRelation* r : reversed) {
    TRectangle* base = r->Base();
    TRectangle* target = r->Target();
    design->Mouse().StartRelationDrag(base, ui::ssLeft, base->Left() + base->Width() / 2,
                                      base->Top() + base->Height() / 2);
    TRelation* drawn = design->Mouse().EndRelationDrag(0, target->Left() + target->Width() / 2,
                                                       target->Top() + target->Height() / 2);
    ASSERT_TRUE(drawn);
    ASSERT_EQ(drawn->Target(), target);
    EXPECT_EQ(anchors(r), anchors(drawn)) << qPrintable(r->Name());
    EXPECT_NE(anchors(r), "0,0>0,0");
  }
}

TEST_F(Reverse, DifferentialReverseDropsChangesAndAddsTablesAndReferences) {
  Run("v1");
  TEntity* item = nullptr;
  TEntity* customer = nullptr;
  for (TEntity* e : design->VisualModel->Entities) {
    if (e->Caption() == "ITEM") item = e;
    if (e->Caption() == "CUSTOMER") customer = e;
  }
  ASSERT_TRUE(item && customer);
  ASSERT_TRUE(design->CreateEntryPointFor(item, ui::TMouseButton::mbLeft));

  Run("v2");
  const Names tables{"CUSTOMER", "ORDERS", "PRODUCT"};
  EXPECT_EQ(Tables(), tables);
  EXPECT_EQ(References(), (Names{"FK_ORDERS_CUSTOMER", "FK_ORDERS_PRODUCT"}));
  EXPECT_EQ(Entities(), tables);
  EXPECT_EQ(Relations(), (Names{"CUSTOMER>ORDERS:FK_ORDERS_CUSTOMER", "PRODUCT>ORDERS:FK_ORDERS_PRODUCT"}));
  // The dropped table's entry point and its relation's label went with it.
  EXPECT_TRUE(design->VisualModel->EntryPoints.empty());
  EXPECT_EQ(design->VisualModel->TextLabels.size(), 2u);
  // The changed table shows its new column.
  EXPECT_GE(customer->GetAttributeIndex("EMAIL"), 0);
  ExpectRestored();
}

TEST_F(Reverse, CancelAtAnyDialogLeavesModelAndDiagramAlone) {
  struct Case {
    const char* Name;
    bool Properties, Schemas, Items;
    std::vector<int> Modes;
  };
  for (const Case& c : {Case{"properties", false, true, true, {}}, Case{"schemas", true, false, true, {0}},
                        Case{"items", true, true, false, {0, 1}}}) {
    SCOPED_TRACE(c.Name);
    host.AcceptProperties = c.Properties;
    host.AcceptSchemas = c.Schemas;
    host.AcceptItems = c.Items;
    host.ItemModes.clear();
    Run("v1");
    EXPECT_EQ(host.ItemModes, c.Modes);
    EXPECT_TRUE(Tables().empty());
    EXPECT_TRUE(design->VisualModel->Entities.empty());
    EXPECT_TRUE(design->VisualModel->Relations.empty());
    EXPECT_FALSE(design->Modified());
    ExpectRestored();
  }
}

TEST_F(Reverse, FailuresAreShownWithTheirTextAndChangeNothing) {
  struct Case {
    const char* Source;
    const char* User;
    QString Message;
  };
  for (const Case& c : {Case{"fail-schemas", "sysdba", "Dotaz na schémata selhal: no permission"},
                        Case{"fail-items", "sysdba", "Dotaz na objekty selhal: table locked"},
                        Case{"v1", "nobody", "Login refused for nobody"},
                        Case{"v1", "crash", "Nepodařilo se připojit na server."}}) {
    SCOPED_TRACE(c.Message.toStdString());
    host.Messages.clear();
    Run(c.Source, c.User);
    EXPECT_EQ(host.Messages, QStringList{c.Message});
    EXPECT_TRUE(Tables().empty());
    EXPECT_TRUE(design->VisualModel->Entities.empty());
    EXPECT_FALSE(design->Modified());
    ExpectRestored();
  }
}

TEST_F(Reverse, AnyOtherFailurePassesOnWithProgressAndCursorRestored) {
  host.NextLogin = TReverseLogin{"sysdba", "", "fail-result"};
  EXPECT_THROW(design->ReverseEngineer(0, true), std::runtime_error);
  ASSERT_FALSE(host.ProgressShown.empty());
  ExpectRestored();
  EXPECT_TRUE(design->VisualModel->Entities.empty());
}

TEST_F(Reverse, NewReferenceToATableWithoutEntityIsDeletedFromTheModel) {
  // CUSTOMER is in the model but not in the diagram: the run changes it and adds no entity.
  design->Model->NewTable()->SetName("CUSTOMER");
  Run("v1");
  EXPECT_EQ(Tables(), V1Tables);
  EXPECT_EQ(Entities(), (Names{"ORDERS", "ITEM"}));
  EXPECT_EQ(References(), (Names{"FK_ITEM_ORDERS"}));
  EXPECT_EQ(Relations(), (Names{"ORDERS>ITEM:FK_ITEM_ORDERS"}));
}

TEST_F(Reverse, ModelWithoutReverseObjectGetsAMessage) {
  design->ReverseEngineer(-1, false);
  EXPECT_TRUE(host.Messages.isEmpty());
  EXPECT_TRUE(host.ReverseOptions.empty());

  host.Folder = QStringLiteral(MORVIK_PLUGIN_DIR "/");
  ASSERT_TRUE(design->BindModel("varne.so", "InterBase 6", "2.0"));
  design->ReverseEngineer(0, true);
  ASSERT_EQ(host.Messages.size(), 1);
  EXPECT_TRUE(host.Messages[0].contains("reverse engineering"));
  EXPECT_TRUE(host.ReverseOptions.empty());
  EXPECT_TRUE(host.ProgressShown.empty());
}

} // namespace
