// The parameter editor over mirrors of real plug-in objects, driven as a user drives it:
// selecting nodes, typing into the editors, adding and deleting list items, and storing the
// mirror back into the plug-in object afterwards.
#include "tests/Interface/edit/ObjectText.h"
#include "tests/Interface/edit/PluginFixture.h"

#include "Interface/dialogs/fraParamEdit.h"
#include "Interface/edit/CheckRecord.h"
#include "Interface/edit/EditParamObject.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace Morvik;
using namespace objecttext;
using namespace plugin;

namespace {

// The node of Name among the children of Parent (null: the top level): a list or item node
// by its text, a scalar node by the text before " = ".
QTreeWidgetItem* Node(QTreeWidget* Tree, const QString& Name, QTreeWidgetItem* Parent = nullptr) {
  const int count = Parent ? Parent->childCount() : Tree->topLevelItemCount();
  for (int i = 0; i < count; ++i) {
    QTreeWidgetItem* node = Parent ? Parent->child(i) : Tree->topLevelItem(i);
    if (node->text(0) == Name || node->text(0).startsWith(Name + QStringLiteral(" = "))) return node;
  }
  ADD_FAILURE() << "no node " << Name.toStdString();
  return nullptr;
}

// Every node of the tree in tree order.
void Walk(QTreeWidgetItem* Node, const std::function<void(QTreeWidgetItem*)>& Visit) {
  Visit(Node);
  for (int i = 0; i < Node->childCount(); ++i) Walk(Node->child(i), Visit);
}

class ParamEditFrame : public PluginTest {
protected:
  void SetUp() override {
    PluginTest::SetUp();
    if (HasFatalFailure()) return;
    frame = std::make_unique<TfraParamEdit>();
    frame->resize(600, 400);
    frame->show();
    tree = frame->tvParam;
  }
  void TearDown() override {
    frame.reset();
    mirror.reset();
    PluginTest::TearDown();
  }

  // The model dialog's way: a mirror of the model's parameters, shown in the frame.
  void ShowModel() {
    mirror = std::make_unique<TEditParamObject>(model.get());
    mirror->Load(model.get());
    frame->SetParamObject(mirror.get());
  }
  QTreeWidgetItem* Select(const QString& Name, QTreeWidgetItem* Parent = nullptr) {
    QTreeWidgetItem* node = Node(tree, Name, Parent);
    tree->setCurrentItem(node);
    return node;
  }

  std::unique_ptr<TfraParamEdit> frame;
  std::unique_ptr<TEditParamObject> mirror;
  QTreeWidget* tree = nullptr;
};

TEST_F(ParamEditFrame, EditsEveryValueTypeAndTheStoredModelHasThem) {
  ShowModel();
  ASSERT_EQ(tree->currentItem(), tree->topLevelItem(0)); // the first node starts selected
  EXPECT_FALSE(frame->IsEmpty());

  // yes/no
  Select("DataBase");
  ASSERT_FALSE(frame->chbxBoolean->isHidden());
  EXPECT_EQ(frame->chbxBoolean->text(), "DataBase");
  frame->chbxBoolean->click();
  EXPECT_EQ(tree->topLevelItem(0)->text(0), "DataBase = TRUE");

  // text
  QTreeWidgetItem* file = Select("DataBaseFile");
  ASSERT_FALSE(frame->edString->isHidden());
  EXPECT_EQ(frame->lParamName->text(), "DataBaseFile:");
  EXPECT_EQ(frame->lHelp->text(), "Name of primary database file");
  QTest::keyClicks(frame->edString, "db.gdb");
  EXPECT_EQ(file->text(0), "DataBaseFile = \"db.gdb\"");

  // number, through its filter
  QTreeWidgetItem* pageSize = Select("PageSize");
  ASSERT_FALSE(frame->edNumber->isHidden());
  QTest::keyClicks(frame->edNumber, "12-3a");
  EXPECT_EQ(frame->edNumber->text(), "123");
  EXPECT_EQ(pageSize->text(0), "PageSize = 123");
  Select("FileLength");
  QTest::keyClicks(frame->edNumber, "-5");
  EXPECT_EQ(frame->edNumber->text(), "-5");

  // enumeration, once the shadow that enables it is on
  Select("Shadow");
  frame->chbxBoolean->click();
  QTreeWidgetItem* mode = Select("Mode");
  ASSERT_FALSE(frame->lbxList->isHidden());
  ASSERT_EQ(frame->lbxList->count(), 3);
  EXPECT_EQ(frame->lbxList->item(2)->text(), "MANUAL ");
  frame->lbxList->setCurrentRow(2);
  EXPECT_EQ(mode->text(0), "Mode = MANUAL ");

  // multi-line text of a new view, named through its naming parameter
  QTreeWidgetItem* views = Select("Views");
  frame->acNewExecute();
  ASSERT_EQ(views->childCount(), 1);
  QTreeWidgetItem* view = views->child(0);
  EXPECT_EQ(view->text(0), "Views");
  Select("Name", view);
  QTest::keyClicks(frame->edString, "V_ALL");
  EXPECT_EQ(view->text(0), "V_ALL");
  QTreeWidgetItem* select = Select("Select", view);
  ASSERT_FALSE(frame->mmMemo->isHidden());
  QTest::keyClicks(frame->mmMemo, "SELECT 1");
  QTest::keyClick(frame->mmMemo, Qt::Key_Return);
  QTest::keyClicks(frame->mmMemo, "FROM T");
  EXPECT_EQ(select->text(0), "Select = ...");

  mirror->Store(model.get());
  EXPECT_EQ(Get(model.get(), "DataBase"), "1");
  EXPECT_EQ(Get(model.get(), "DataBaseFile"), "db.gdb");
  EXPECT_EQ(Get(model.get(), "PageSize"), "123");
  EXPECT_EQ(Get(model.get(), "FileLength"), "-5");
  EXPECT_EQ(Get(model.get(), "Shadow"), "1");
  EXPECT_EQ(Get(model.get(), "Mode"), "2");
  const TListParam* stored = model->GetListParam(ListIndex(model.get(), "Views"));
  ASSERT_EQ(stored->GetItemsCount(), 1);
  EXPECT_EQ(Get(stored->GetItem(0), "Name"), "V_ALL");
  EXPECT_EQ(Get(stored->GetItem(0), "Select"), "SELECT 1\nFROM T");
}

TEST_F(ParamEditFrame, DependantsGreyOutAndComeBackWithTheirYesNo) {
  Set(model.get(), "Shadow", "1");
  Set(model.get(), "Conditional", "1");
  ShowModel();
  const QStringList dependants = {"SetNumber",  "Mode",         "Conditional",
                                  "ShadowFile", "ShadowLength", "SecShadowFiles"};
  for (const QString& name : dependants)
    EXPECT_FALSE(TfraParamEdit::NodeDisabled(Node(tree, name))) << name.toStdString();
  EXPECT_TRUE(TfraParamEdit::NodeDisabled(Node(tree, "DataBaseFile"))); // DataBase is unset

  Select("Shadow");
  frame->chbxBoolean->click();
  for (const QString& name : dependants)
    EXPECT_TRUE(TfraParamEdit::NodeDisabled(Node(tree, name))) << name.toStdString();
  Select("Conditional");
  EXPECT_TRUE(frame->chbxBoolean->isHidden()); // a disabled node shows no editor
  Select("SecShadowFiles");
  EXPECT_FALSE(frame->acNew->isEnabled());
  frame->acNewExecute();
  EXPECT_EQ(Node(tree, "SecShadowFiles")->childCount(), 0);

  Select("Shadow");
  frame->chbxBoolean->click();
  for (const QString& name : dependants)
    EXPECT_FALSE(TfraParamEdit::NodeDisabled(Node(tree, name))) << name.toStdString();
  EXPECT_EQ(Node(tree, "Conditional")->text(0), "Conditional = TRUE");
  Select("Conditional");
  EXPECT_TRUE(frame->chbxBoolean->isChecked());
  EXPECT_EQ(Get(mirror.get(), "Conditional"), "1");
  EXPECT_EQ(Get(mirror.get(), "Shadow"), "1");
}

TEST_F(ParamEditFrame, NewAndDeleteListItems) {
  Set(AddItem(model.get(), "Domains"), "Name", "D_OLD");
  ShowModel();
  TListParam* domains = mirror->GetListParam(ListIndex(model.get(), "Domains"));
  QTreeWidgetItem* list = Select("Domains");
  EXPECT_TRUE(frame->acNew->isEnabled());
  EXPECT_FALSE(frame->acDelete->isEnabled());
  frame->acNew->trigger();
  ASSERT_EQ(domains->GetItemsCount(), 2);
  ASSERT_EQ(list->childCount(), 2);
  QTreeWidgetItem* added = list->child(1);
  EXPECT_EQ(added->text(0), "Domains"); // named after the list until its name is set
  EXPECT_EQ(TfraParamEdit::NodeItem(added), domains->GetItem(1));
  EXPECT_TRUE(added->isExpanded());
  EXPECT_GT(added->childCount(), 0);

  Select("Name", added);
  QTest::keyClicks(frame->edString, "D_NEW");
  EXPECT_EQ(added->text(0), "D_NEW");
  frame->edString->clear();
  QTest::keyClicks(frame->edString, "X");
  QTest::keyClick(frame->edString, Qt::Key_Backspace);
  EXPECT_EQ(added->text(0), "Domains");
  QTest::keyClicks(frame->edString, "D_NEW");

  tree->setCurrentItem(list->child(0));
  EXPECT_FALSE(frame->acNew->isEnabled());
  EXPECT_TRUE(frame->acDelete->isEnabled());
  frame->acDelete->trigger();
  EXPECT_EQ(tree->currentItem(), list);
  ASSERT_EQ(list->childCount(), 1);
  EXPECT_EQ(list->child(0)->text(0), "D_NEW");
  ASSERT_EQ(domains->GetItemsCount(), 1);
  EXPECT_EQ(Get(domains->GetItem(0), "Name"), "D_NEW");

  mirror->Store(model.get());
  const TListParam* stored = model->GetListParam(ListIndex(model.get(), "Domains"));
  ASSERT_EQ(stored->GetItemsCount(), 1);
  EXPECT_EQ(Get(stored->GetItem(0), "Name"), "D_NEW");
}

// A right click on a list offers New, on a list item Delete, and on a scalar nothing; it selects
// the node clicked first, and the item chosen acts on that node.
TEST_F(ParamEditFrame, RightClickOffersNewOnAListAndDeleteOnAnItem) {
  Set(AddItem(model.get(), "Domains"), "Name", "D_OLD");
  Set(AddItem(model.get(), "Generators"), "Name", "G_1");
  ShowModel();
  TListParam* domains = mirror->GetListParam(ListIndex(model.get(), "Domains"));
  QTreeWidgetItem* list = Node(tree, "Domains");
  QTreeWidgetItem* generators = Node(tree, "Generators");
  QTreeWidgetItem* disabledList = Node(tree, "SecShadowFiles"); // Shadow is unset
  ASSERT_TRUE(list && generators && disabledList);
  ASSERT_TRUE(TfraParamEdit::NodeDisabled(disabledList));
  // The menu that a right click on Node pops up, or null.
  const auto rightClick = [&](QTreeWidgetItem* Node) -> QMenu* {
    if (QWidget* open = QApplication::activePopupWidget()) open->hide();
    tree->scrollToItem(Node);
    const QPoint p = tree->visualItemRect(Node).center();
    QContextMenuEvent e(QContextMenuEvent::Mouse, p, tree->viewport()->mapToGlobal(p));
    QApplication::sendEvent(tree->viewport(), &e);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
  };

  struct Case {
    const char* What;
    QTreeWidgetItem* Node;
    QMenu* Menu; // null: none opens
    QAction* Item;
    bool Enabled;
  };
  const Case cases[] = {
      {"a list", list, frame->mnuVector, frame->acNew, true},
      {"an item", list->child(0), frame->mnuParamObject, frame->acDelete, true},
      {"an item of another list", generators->child(0), frame->mnuParamObject, frame->acDelete, true},
      {"a disabled list", disabledList, frame->mnuVector, frame->acNew, false},
      {"a scalar", Node(tree, "PageSize"), nullptr, nullptr, false},
      {"a scalar of an item", list->child(0)->child(0), nullptr, nullptr, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    Select("DataBase");
    QMenu* menu = rightClick(c.Node);
    EXPECT_EQ(tree->currentItem(), c.Node);
    EXPECT_EQ(menu, c.Menu);
    if (!menu) continue;
    EXPECT_EQ(menu->actions(), QList<QAction*>{c.Item});
    EXPECT_EQ(c.Item->isEnabled(), c.Enabled);
    menu->hide();
  }

  // New from the list's menu adds an item to that list; Delete from the new item's menu takes
  // it away again.
  QMenu* menu = rightClick(list);
  ASSERT_EQ(menu, frame->mnuVector);
  QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(frame->acNew).center());
  ASSERT_EQ(domains->GetItemsCount(), 2);
  ASSERT_EQ(list->childCount(), 2);
  EXPECT_EQ(generators->childCount(), 1);
  menu = rightClick(list->child(1));
  ASSERT_EQ(menu, frame->mnuParamObject);
  QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(frame->acDelete).center());
  EXPECT_EQ(domains->GetItemsCount(), 1);
  ASSERT_EQ(list->childCount(), 1);
  EXPECT_EQ(list->child(0)->text(0), "D_OLD");
  EXPECT_EQ(tree->currentItem(), list);
}

// The tool bar's expand and collapse open and close every node of the tree, nested ones too.
TEST_F(ParamEditFrame, ExpandAndCollapseWorkOnTheWholeTree) {
  TParamObject* domain = AddItem(model.get(), "Domains");
  Set(domain, "Name", "D_1");
  Set(AddItem(model.get(), "Generators"), "Name", "G_1");
  ShowModel();
  EXPECT_EQ(frame->ToolBar1->actions(),
            (QList<QAction*>{frame->acExpand, frame->acCollapse, frame->acNew, frame->acDelete}));
  // The nodes that have children, and how many of them are open.
  std::vector<QTreeWidgetItem*> parents;
  for (int i = 0; i < tree->topLevelItemCount(); ++i)
    Walk(tree->topLevelItem(i), [&](QTreeWidgetItem* node) {
      if (node->childCount() > 0) parents.push_back(node);
    });
  ASSERT_GE(parents.size(), 3u); // the two lists and an item at least
  const auto open = [&] {
    return std::count_if(parents.begin(), parents.end(), [](QTreeWidgetItem* n) { return n->isExpanded(); });
  };
  EXPECT_EQ(open(), static_cast<long>(parents.size())); // all open after SetParamObject
  const auto press = [&](QAction* Action) {
    QWidget* button = frame->ToolBar1->widgetForAction(Action);
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(Action->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
  };
  Select("Name", Node(tree, "D_1", Node(tree, "Domains")));
  press(frame->acCollapse);
  EXPECT_EQ(open(), 0);
  press(frame->acExpand);
  EXPECT_EQ(open(), static_cast<long>(parents.size()));
  press(frame->acCollapse);
  press(frame->acCollapse);
  EXPECT_EQ(open(), 0);
  press(frame->acExpand);
  EXPECT_EQ(open(), static_cast<long>(parents.size()));

  // A node that a closing branch hides gives the selection to the closed node that hides it,
  // so that Delete never takes away an item out of sight.
  QTreeWidgetItem* domains = Node(tree, "Domains");
  QTreeWidgetItem* item = Node(tree, "D_1", domains);
  struct Case {
    const char* What;
    std::function<void()> Close;
    QTreeWidgetItem* Selected;
  };
  const Case cases[] = {
      {"collapsing the whole tree", [&] { press(frame->acCollapse); }, domains},
      {"closing the list", [&] { tree->collapseItem(domains); }, domains},
      {"closing the item", [&] { tree->collapseItem(item); }, item},
  };
  frame->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    press(frame->acExpand);
    tree->setCurrentItem(item);
    ASSERT_TRUE(frame->acDelete->isEnabled());
    c.Close();
    EXPECT_EQ(tree->currentItem(), c.Selected);
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_Delete);
    EXPECT_EQ(domains->childCount(), c.Selected == item ? 0 : 1);
    if (domains->childCount() == 0) {
      tree->setCurrentItem(domains);
      frame->acNewExecute();
      item = domains->child(0);
    }
  }
}

TEST_F(ParamEditFrame, SelectLocationFollowsARecordAndStopsAtAStaleLevel) {
  for (const char* name : {"G_1", "G_2"}) Set(AddItem(model.get(), "Generators"), "Name", name);
  ShowModel();
  const int generators = Position(model.get(), "Generators");
  const int drop = Position(model.get(), "Drop");
  const int count = tree->topLevelItemCount();
  const TCheckRecord root;
  QTreeWidgetItem* list = Node(tree, "Generators");

  struct Case {
    const char* what;
    std::vector<std::pair<TCheckRecord::TLevelType, int>> levels;
    int level;
    QTreeWidgetItem* expected; // null: the selection stays where it was
  };
  const std::vector<Case> cases = {
      {"a scalar of the model", {{TCheckRecord::ltParam, drop}}, 0, Node(tree, "Drop")},
      {"a scalar of a list item",
       {{TCheckRecord::ltParam, generators}, {TCheckRecord::ltListItem, 1}, {TCheckRecord::ltParam, 0}},
       0,
       list->child(1)->child(0)},
      {"the object itself", {{TCheckRecord::ltObject, 0}}, 0, nullptr},
      {"a position past the last node", {{TCheckRecord::ltParam, count}}, 0, nullptr},
      {"a negative position", {{TCheckRecord::ltParam, -1}}, 0, nullptr},
      {"an item past the last one",
       {{TCheckRecord::ltParam, generators}, {TCheckRecord::ltListItem, 2}},
       0,
       list},
      {"a list without its item level", {{TCheckRecord::ltParam, generators}}, 0, list},
      {"a parameter past the item's last",
       {{TCheckRecord::ltParam, generators}, {TCheckRecord::ltListItem, 0}, {TCheckRecord::ltParam, 99}},
       0,
       list->child(0)},
      {"a level past the record's last", {{TCheckRecord::ltParam, drop}}, 1, nullptr},
      {"a level of a table", {{TCheckRecord::ltTable, 0}}, 0, nullptr},
  };
  for (const Case& c : cases) {
    TCheckRecord record = root;
    for (const auto& [type, index] : c.levels) record.AddLevel("x/", type, index);
    QTreeWidgetItem* before = Select("DataBaseFile");
    frame->SelectLocation(&record, c.level, nullptr);
    EXPECT_EQ(tree->currentItem(), c.expected ? c.expected : before) << c.what;
  }
}

// Browsing touches no value: an unset yes/no, an unset or out-of-range enumeration and a
// memo with CR LF line ends stay byte for byte after every node was selected and the mirror
// stored, in the model and in a reference alike.
TEST_F(ParamEditFrame, BrowsingWithoutEditingChangesNothing) {
  TModel* m = model.get();
  Set(m, "Shadow", "1");
  Set(m, "Mode", "7");
  TParamObject* view = AddItem(m, "Views");
  Set(view, "Name", "V");
  Set(view, "Select", "SELECT A\r\nFROM T\r\n");
  TParamObject* domain = AddItem(m, "Domains");
  Set(domain, "Name", "D");
  TTable* parent = m->NewTable();
  TTable* child = m->NewTable();
  TReference* reference = m->NewReference(parent, child);
  Set(reference, "OnUpdate", "9");

  TEditParamObject referenceMirror(m->GetReferenceInfo());
  referenceMirror.Load(reference);
  mirror = std::make_unique<TEditParamObject>(m);
  mirror->Load(m);
  for (auto [object, edited] : {std::pair<TParamObject*, TEditParamObject*>{m, mirror.get()},
                                std::pair<TParamObject*, TEditParamObject*>{reference, &referenceMirror}}) {
    const std::string before = Dump(object);
    frame->SetParamObject(edited);
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
      Walk(tree->topLevelItem(i), [&](QTreeWidgetItem* node) { tree->setCurrentItem(node); });
    tree->setCurrentItem(tree->topLevelItem(0));
    edited->Store(object);
    EXPECT_EQ(Dump(object), before);
  }
  EXPECT_EQ(Get(m, "DataBase"), "");
  EXPECT_EQ(Get(m, "Mode"), "7");
  EXPECT_EQ(Get(reference, "OnDelete"), "");
}

TEST_F(ParamEditFrame, EnumerationTextsAndEmptiness) {
  Set(model.get(), "Shadow", "1");
  Set(model.get(), "Mode", "-1");
  ShowModel();
  EXPECT_EQ(Node(tree, "Mode")->text(0), "Mode = ");
  Select("Mode");
  EXPECT_EQ(frame->lbxList->currentRow(), -1);

  TfraParamEdit fresh;
  EXPECT_FALSE(fresh.IsEmpty()); // nothing shown yet
}

} // namespace
