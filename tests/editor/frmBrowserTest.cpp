// The component browser over elements on a desktop and references of the built plug-in,
// with a fake schema window: nodes follow creation, renaming and deletion, and double
// click, Enter and the right button reach the window.
#include "tests/editor/FakeBrowserHost.h"
#include "tests/Interface/edit/PluginFixture.h"

#include "diagram/Entity.h"
#include "diagram/EntryPoint.h"
#include "diagram/Note.h"
#include "diagram/ProjectInfo.h"
#include "diagram/Relation.h"
#include "diagram/TextLabel.h"
#include "editor/NodeRows.h"
#include "editor/frmBrowser.h"
#include "ui/Desktop.h"

#include <QStyleOptionViewItem>
#include <QTest>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using plugin::PluginTest;

namespace {

class ComponentBrowser : public PluginTest {
protected:
  void SetUp() override {
    PluginTest::SetUp();
    if (HasFatalFailure()) return;
    host.Model = model.get();
    browser = std::make_unique<TfrmBrowser>(&host);
    browser->resize(300, 400);
    browser->show();
    tree = browser->tvComponents;
  }
  void TearDown() override {
    browser.reset();
    PluginTest::TearDown();
  }

  template <class T>
  T* Make(const QString& Name) {
    auto* element = new T(&desktop);
    element->SetParent(&desktop);
    element->SetName(Name);
    return element;
  }
  TEntity* Entity(const QString& Caption) {
    auto* entity = Make<TEntity>(Caption);
    entity->SetCaption(Caption);
    entity->SetValid(true);
    host.Document.AddEntity(entity);
    return entity;
  }
  TRelation* Relation(TRectangle* Base, TRectangle* Target, const char* Reference) {
    auto* relation = Make<TRelation>(QStringLiteral("Relation_%1").arg(host.Document.Relations.size()));
    relation->SetBase(Base);
    relation->SetTarget(Target);
    if (Reference) {
      relation->SetReference(model->NewReference(nullptr, nullptr));
      relation->Reference()->SetName(Reference);
    }
    host.Document.AddRelation(relation);
    return relation;
  }
  // The texts of a group's nodes.
  QStringList Texts(TfrmBrowser::TGroup Group) const {
    QStringList texts;
    const QTreeWidgetItem* group = browser->GroupNode(Group);
    for (int i = 0; i < group->childCount(); ++i) texts << group->child(i)->text(0);
    return texts;
  }
  QPoint OnItem(const QTreeWidgetItem* Node) const {
    tree->scrollToItem(Node);
    const QRect r = tree->visualItemRect(Node);
    return QPoint(r.left() + 20, r.center().y());
  }

  ui::TDesktop desktop;
  TFakeBrowserHost host;
  std::unique_ptr<TfrmBrowser> browser;
  QTreeWidget* tree = nullptr;
};

TEST_F(ComponentBrowser, StartsWithFiveGroupsInTheirOrder) {
  ASSERT_EQ(tree->topLevelItemCount(), 5);
  const QStringList groups = {"Entity", "Vstupní body", "Poznámky", "Texty", "Relace"};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(tree->topLevelItem(i)->text(0), groups[i]);
    EXPECT_EQ(tree->topLevelItem(i)->childCount(), 0);
    EXPECT_EQ(TfrmBrowser::NodeElement(tree->topLevelItem(i)), nullptr);
  }
  EXPECT_EQ(browser->windowTitle(), "Prohlížeč");
}

TEST_F(ComponentBrowser, NodesFollowCreationRenameAndDeletion) {
  TEntity* orders = Entity("ORDERS");
  TEntity* items = Entity("ITEMS");
  auto* entryPoint = Make<TEntryPoint>("EntryPoint_0");
  entryPoint->SetEntity(orders);
  host.Document.AddEntryPoint(entryPoint);
  auto* note = Make<TNote>("Note_0");
  note->SetText("  Orders are kept\nfor ten years\n");
  auto* label = Make<TTextLabel>("TextLabel_0");
  label->SetCaption("Free text");
  TRelation* fk = Relation(orders, items, "FK_1");
  TRelation* unnamed = Relation(items, orders, "");
  TRelation* toNote = Relation(note, orders, "FK_NOTE");
  auto* relationLabel = Make<TTextLabel>("TextLabel_1");
  relationLabel->SetCaption("FK_1");
  relationLabel->SetTag(reinterpret_cast<intptr_t>(fk));
  auto* info = Make<TProjectInfo>("ProjectInfo_0");

  browser->AddEntityNode(orders);
  browser->AddEntityNode(items);
  browser->AddEntryPointNode(entryPoint);
  browser->AddNoteNode(note);
  browser->AddTextLabelNode(label);
  browser->AddTextLabelNode(relationLabel);
  browser->AddRelationNode(fk);
  browser->AddRelationNode(unnamed);
  browser->AddRelationNode(toNote);
  browser->AddProjectInfoNode(info);

  EXPECT_EQ(Texts(TfrmBrowser::grEntities), QStringList({"ORDERS", "ITEMS"}));
  EXPECT_EQ(Texts(TfrmBrowser::grEntryPoints), QStringList({"Bod (ORDERS)"}));
  EXPECT_EQ(Texts(TfrmBrowser::grNotes), QStringList({"Orders are kept for "}));
  EXPECT_EQ(Texts(TfrmBrowser::grTextLabels), QStringList({"Free text"}));
  EXPECT_EQ(Texts(TfrmBrowser::grRelations), QStringList({"FK_1", "Nespecifikovano"}));
  ASSERT_EQ(tree->topLevelItemCount(), 6);
  EXPECT_EQ(tree->topLevelItem(5)->text(0), "Informace o projektu");
  EXPECT_EQ(TfrmBrowser::NodeElement(browser->NodeOf(fk)), fk);
  EXPECT_EQ(browser->NodeOf(relationLabel), nullptr);
  EXPECT_EQ(browser->NodeOf(toNote), nullptr);

  // Renaming.
  orders->SetCaption("PURCHASES");
  browser->UpdateEntityNode(orders);
  EXPECT_EQ(Texts(TfrmBrowser::grEntities), QStringList({"PURCHASES", "ITEMS"}));
  EXPECT_EQ(Texts(TfrmBrowser::grEntryPoints), QStringList({"Bod (PURCHASES)"}));
  // A relation's node also renews its ends: their dialogs open from the relation's.
  items->SetCaption("LINES");
  fk->Reference()->SetName("FK_ORDERS");
  browser->UpdateRelationNode(fk);
  EXPECT_EQ(Texts(TfrmBrowser::grEntities), QStringList({"PURCHASES", "LINES"}));
  note->SetText("");
  browser->UpdateNoteNode(note);
  label->SetCaption("Other text");
  browser->UpdateTextLabelNode(label);
  EXPECT_EQ(Texts(TfrmBrowser::grRelations), QStringList({"FK_ORDERS", "Nespecifikovano"}));
  EXPECT_EQ(Texts(TfrmBrowser::grNotes), QStringList({""}));
  EXPECT_EQ(Texts(TfrmBrowser::grTextLabels), QStringList({"Other text"}));

  // Deleting: an entity with its entry point and relations, then the rest.
  browser->RemoveRelationNode(fk);
  browser->RemoveRelationNode(unnamed);
  browser->RemoveEntryPointNode(entryPoint);
  browser->RemoveEntityNode(orders);
  browser->RemoveTextLabelNode(relationLabel); // never listed: nothing
  EXPECT_EQ(Texts(TfrmBrowser::grEntities), QStringList({"LINES"}));
  EXPECT_TRUE(Texts(TfrmBrowser::grEntryPoints).isEmpty());
  EXPECT_TRUE(Texts(TfrmBrowser::grRelations).isEmpty());
  EXPECT_EQ(browser->NodeOf(orders), nullptr);
  browser->RemoveNoteNode(note);
  browser->RemoveTextLabelNode(label);
  browser->RemoveProjectInfoNode();
  EXPECT_EQ(tree->topLevelItemCount(), 5);
  EXPECT_EQ(browser->NodeOf(info), nullptr);
  browser->RemoveProjectInfoNode(); // none left: nothing
  browser->RemoveEntityNode(orders);
  EXPECT_EQ(tree->topLevelItemCount(), 5);
  // An element that comes back gets its node again.
  browser->AddEntityNode(orders);
  EXPECT_EQ(Texts(TfrmBrowser::grEntities), QStringList({"LINES", "PURCHASES"}));
}

// Nodes removed within a run of removals leave when the run ends and leave the tree as the
// same removals one at a time do: the staying nodes in their order, the current and selected
// node kept when it stays, else the next staying node, the previous one or the group. Until
// then a removed node no longer gives its element.
TEST_F(ComponentBrowser, ARunOfRemovalsEndsAsSingleRemovalsDo) {
  constexpr int Count = 40;
  std::vector<TEntity*> entities;
  for (int i = 0; i < Count; ++i) entities.push_back(Entity(QStringLiteral("E%1").arg(i)));
  auto single = std::make_unique<TfrmBrowser>(&host);
  single->resize(300, 400);
  single->show();
  struct Case {
    const char* What;
    std::vector<int> Removed; // rows, in the order of removal
    int Current;              // row; -1: no current node
    const char* CurrentAfter; // the current node's text at the end
  };
  auto rows = [](int From, int To, int Step) {
    std::vector<int> list;
    for (int i = From; i <= To; i += Step) list.push_back(i);
    return list;
  };
  const Case cases[] = {
      {"many go around a staying current node", rows(1, Count - 1, 2), 10, "E10"},
      {"the current node goes, a later one stays", rows(5, 25, 1), 10, "E26"},
      {"the current node and all after it go",
       [&] {
         std::vector<int> list = rows(20, Count - 1, 1);
         list.push_back(3);
         return list;
       }(),
       30, "E19"},
      {"every node goes", rows(0, Count - 1, 1), 7, "Entity"},
      {"one goes before the current node", {2}, 30, "E30"},
      {"the last two go, the current one of them", {39, 38}, 38, "E37"},
      {"many go without a current node", rows(0, Count - 1, 3), -1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    for (TfrmBrowser* b : {browser.get(), single.get()}) {
      for (TEntity* e : entities) b->RemoveEntityNode(e);
      for (TEntity* e : entities) b->AddEntityNode(e);
      QTreeWidgetItem* group = b->GroupNode(TfrmBrowser::grEntities);
      b->tvComponents->setCurrentItem(c.Current < 0 ? nullptr : group->child(c.Current));
      if (c.Current < 0) b->tvComponents->clearSelection();
    }
    std::vector<QTreeWidgetItem*> goneNodes;
    {
      const TNodeRemovalRun run(browser.get());
      for (int row : c.Removed) {
        goneNodes.push_back(browser->NodeOf(entities[static_cast<size_t>(row)]));
        browser->RemoveEntityNode(entities[static_cast<size_t>(row)]);
        single->RemoveEntityNode(entities[static_cast<size_t>(row)]);
      }
      EXPECT_EQ(browser->GroupNode(TfrmBrowser::grEntities)->childCount(), Count);
      for (QTreeWidgetItem* node : goneNodes) EXPECT_EQ(TfrmBrowser::NodeElement(node), nullptr);
      EXPECT_EQ(browser->NodeOf(entities[static_cast<size_t>(c.Removed.front())]), nullptr);
    }
    QStringList staying;
    for (int i = 0; i < Count; ++i)
      if (std::find(c.Removed.begin(), c.Removed.end(), i) == c.Removed.end())
        staying << QStringLiteral("E%1").arg(i);
    EXPECT_EQ(Texts(TfrmBrowser::grEntities), staying);
    auto texts = [](const QList<QTreeWidgetItem*>& Nodes) {
      QStringList list;
      for (const QTreeWidgetItem* node : Nodes) list << node->text(0);
      return list;
    };
    const QTreeWidgetItem* current = tree->currentItem();
    const QTreeWidgetItem* singleCurrent = single->tvComponents->currentItem();
    EXPECT_EQ(current ? current->text(0) : QString(), c.CurrentAfter);
    EXPECT_EQ(singleCurrent ? singleCurrent->text(0) : QString(), c.CurrentAfter);
    EXPECT_EQ(texts(tree->selectedItems()), texts(single->tvComponents->selectedItems()));
    EXPECT_EQ(texts(tree->selectedItems()).join(""), c.CurrentAfter);
    // The nodes that stay still find their elements, also after later additions and removals.
    for (TEntity* e : entities) {
      if (QTreeWidgetItem* node = browser->NodeOf(e)) {
        EXPECT_EQ(TfrmBrowser::NodeElement(node), e);
      }
    }
    TEntity* back = entities[static_cast<size_t>(c.Removed.front())];
    browser->RemoveEntityNode(back); // gone already: nothing
    browser->AddEntityNode(back);
    if (!staying.isEmpty()) browser->RemoveEntityNode(host.Document.FindEntityByName(staying.takeFirst()));
    staying << back->Caption();
    EXPECT_EQ(Texts(TfrmBrowser::grEntities), staying);
  }
}

TEST_F(ComponentBrowser, NoteTexts) {
  const struct {
    const char* Text;
    const char* Node;
  } cases[] = {
      {"  Orders are kept\nfor ten years", "Orders are kept for "},
      {"", ""},
      {"\t short \r\n", "short"},
      {"a\r\nb", "a b"},
      {"exactly twenty chars", "exactly twenty chars"},
  };
  for (const auto& c : cases) {
    auto* note = Make<TNote>("Note");
    note->SetText(QString::fromUtf8(c.Text));
    EXPECT_EQ(TfrmBrowser::NoteText(note), QString::fromUtf8(c.Node)) << c.Text;
    delete note;
  }
}

TEST_F(ComponentBrowser, DoubleClickEnterAndRightButtonReachTheWindow) {
  TEntity* orders = Entity("ORDERS");
  TEntity* items = Entity("ITEMS");
  auto* entryPoint = Make<TEntryPoint>("EntryPoint_0");
  entryPoint->SetEntity(orders);
  TRelation* fk = Relation(orders, items, "FK_1");
  browser->AddEntityNode(orders);
  browser->AddEntryPointNode(entryPoint);
  browser->AddRelationNode(fk);
  tree->expandAll();
  using Calls = std::vector<std::string>;

  QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, OnItem(browser->NodeOf(orders)));
  EXPECT_EQ(host.What(), Calls({"locate"}));
  EXPECT_EQ(host.Calls.back().Element, orders);

  host.Calls.clear(); // a group node, and beside an item, do nothing
  QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {},
                     OnItem(browser->GroupNode(TfrmBrowser::grRelations)));
  const QRect row = tree->visualItemRect(browser->NodeOf(fk));
  QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, QPoint(row.right() - 2, row.center().y()));
  EXPECT_TRUE(host.Calls.empty());
  EXPECT_FALSE(browser->LocateNode(nullptr));

  // An entry point stands for its entity.
  tree->setCurrentItem(browser->NodeOf(entryPoint));
  QTest::keyClick(tree, Qt::Key_Return);
  ASSERT_EQ(host.What(), Calls({"locate"}));
  EXPECT_EQ(host.Calls.back().Element, orders);

  host.Calls.clear();
  browser->tvComponentsContextPopup(OnItem(browser->NodeOf(fk)));
  EXPECT_EQ(tree->currentItem(), browser->NodeOf(fk));
  ASSERT_EQ(host.What(), Calls({"locate", "popup"}));
  EXPECT_EQ(host.Calls[1].Element, fk);
  host.Calls.clear(); // an entry point's node gets no menu
  browser->tvComponentsContextPopup(OnItem(browser->NodeOf(entryPoint)));
  EXPECT_EQ(host.What(), Calls({"locate"}));

  browser->ShowElement(fk);
  EXPECT_EQ(tree->currentItem(), browser->NodeOf(fk));
  browser->ShowElement(items); // no node: the selection stays
  EXPECT_EQ(tree->currentItem(), browser->NodeOf(fk));
}

TEST_F(ComponentBrowser, AnInvalidEntityIsDrawnRedUnlessSelected) {
  TEntity* good = Entity("GOOD");
  TEntity* bad = Entity("BAD");
  bad->SetValid(false);
  browser->AddEntityNode(good);
  browser->AddEntityNode(bad);
  auto colour = [&](const TEntity* Entity, bool Selected) {
    const QModelIndex index = tree->indexFromItem(browser->NodeOf(Entity));
    QStyleOptionViewItem option;
    option.palette.setColor(QPalette::Text, Qt::black);
    if (Selected) option.state |= QStyle::State_Selected;
    browser->tvComponentsCustomDrawItem(index, &option);
    return option.palette.color(QPalette::Text);
  };
  EXPECT_EQ(colour(good, false), QColor(Qt::black));
  EXPECT_EQ(colour(bad, false), QColor(Qt::red));
  EXPECT_EQ(colour(bad, true), QColor(Qt::black));
}

TEST_F(ComponentBrowser, HidingTheDockedBrowserFloatsItButTheWindowAroundItDoesNot) {
  QWidget window;
  auto* panel = new QWidget(&window);
  auto* layout = new QVBoxLayout(panel);
  TfrmBrowser* docked = new TfrmBrowser(&host, &window);
  docked->setParent(panel, Qt::Widget);
  layout->addWidget(docked);
  window.show();
  ASSERT_FALSE(docked->isWindow());

  window.hide();
  window.show();
  EXPECT_FALSE(docked->isWindow());
  EXPECT_TRUE(host.Calls.empty());

  const QSize size = docked->size();
  docked->hide();
  EXPECT_TRUE(docked->isWindow());
  EXPECT_EQ(docked->parentWidget(), &window); // still owned by the schema window
  EXPECT_EQ(docked->size(), size);
  ASSERT_EQ(host.What(), std::vector<std::string>({"undocked"}));
  EXPECT_EQ(host.Calls[0].Element, docked);
}

} // namespace

namespace {

// The rows of appended and removed nodes against a plain list, through growth of the tree.
TEST(NodeRows, RowsFollowAppendsAndRemovalsAnywhere) {
  TNodeRows rows;
  std::vector<int> list; // node numbers in row order
  unsigned seed = 7;
  auto next = [&] { return seed = seed * 1103515245u + 12345u, static_cast<int>((seed >> 8) % 1000); };
  for (int step = 0; step < 3000; ++step) {
    if (list.empty() || next() % 3 != 0) {
      list.push_back(rows.Append());
    } else {
      const auto at = list.begin() + next() % static_cast<int>(list.size());
      rows.Remove(*at);
      list.erase(at);
    }
    if (step % 97 == 0) {
      for (size_t row = 0; row < list.size(); ++row) ASSERT_EQ(rows.Row(list[row]), static_cast<int>(row));
    }
  }
  EXPECT_EQ(rows.Count(), static_cast<int>(list.size()));
  rows.Remove(list.front());
  rows.Remove(list.front()); // a second time: nothing
  EXPECT_EQ(rows.Count(), static_cast<int>(list.size()) - 1);
}

} // namespace
