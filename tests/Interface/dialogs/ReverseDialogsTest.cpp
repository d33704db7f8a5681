// The windows of reverse engineering: the sources that discovery finds in the test plug-in,
// the source choice, the login window, the item pages with their buttons, and the progress
// bar. Modal windows are answered by a click queued before they open.
#include "Interface/MorvikInterface.h"
#include "Interface/dialogs/frmReverseItems.h"
#include "Interface/dialogs/frmReverseProgress.h"
#include "Interface/dialogs/frmReverseProperties.h"
#include "Interface/dialogs/frmSelectDB.h"
#include "Interface/dialogs/frmSelectReverse.h"

#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// Queues a click on Button for when the window's modal loop runs.
void ClickLater(QPushButton* Button) {
  QTimer::singleShot(0, Button, [Button] { Button->click(); });
}

TEST(ReverseSources, DiscoveryListsEverySourceAndTheChoiceGivesItsIndex) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString folder = dir.path() + "/";
  ASSERT_TRUE(QFile::copy(VARNE_PLUGIN_PATH, folder + "varne.so"));
  ASSERT_TRUE(QFile::copy(REVERSE_PLUGIN, folder + "reversetest.so"));
  TfrmSelectDB discovery;
  QStringList messages;
  discovery.ShowMessage = [&](const QString& m) { messages << m; };
  discovery.Scan(folder);
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_EQ(discovery.lvTargetDB->topLevelItemCount(), 2);
  // The delivered plug-in adds no source; the test plug-in its two.
  const std::vector<TReverseSourceRow> expected{
      {"Katalog", "InterBase 6", 0, "0.1", "Reverse test catalogue", "reversetest.so"},
      {"Katalog bez voleb", "InterBase 6", 1, "0.1", "Reverse test catalogue", "reversetest.so"}};
  EXPECT_EQ(discovery.ReverseItems(), expected);

  TfrmSelectReverse choice;
  EXPECT_EQ(choice.windowTitle(), QStringLiteral("Výběr zdroje pro reverse"));
  choice.SetSources(discovery.ReverseItems());
  choice.FilterByModel(QStringLiteral("Other"));
  EXPECT_EQ(choice.lvReverseOnly->topLevelItemCount(), 0);
  ClickLater(choice.btnOK);
  EXPECT_FALSE(choice.Execute(true));
  EXPECT_EQ(choice.SelectedSourceIndex(), -1);

  choice.FilterByModel(QStringLiteral("InterBase 6"));
  ASSERT_EQ(choice.lvReverseOnly->topLevelItemCount(), 2);
  // Each shown heading stands over the data it names, in both lists.
  for (const QTreeWidget* list : {choice.lvReverse, choice.lvReverseOnly}) {
    QStringList columns;
    for (int v = 0; v < list->columnCount(); ++v) {
      const int c = list->header()->logicalIndex(v);
      if (!list->isColumnHidden(c))
        columns << list->headerItem()->text(c) + ": " + list->topLevelItem(1)->text(c);
    }
    EXPECT_EQ(columns, QStringList({"Název: Katalog bez voleb", "Autor: Reverse test catalogue", "Verze: 0.1",
                                    "DLL: reversetest.so"}))
        << list->objectName().toStdString();
  }
  ClickLater(choice.btnOK);
  ASSERT_TRUE(choice.Execute(true));
  EXPECT_EQ(choice.SelectedSourceIndex(), 0);
  EXPECT_EQ(choice.SelectedFileName(), "reversetest.so");

  choice.lvReverse->setCurrentItem(choice.lvReverse->topLevelItem(1));
  ClickLater(choice.btnOK);
  ASSERT_TRUE(choice.Execute(false));
  EXPECT_EQ(choice.SelectedSourceIndex(), 1);
  // A row whose index is no number gives no source.
  choice.lvReverse->topLevelItem(1)->setText(5, "x");
  EXPECT_EQ(choice.SelectedSourceIndex(), -1);
  EXPECT_FALSE(choice.lvReverse->isHidden());
  EXPECT_TRUE(choice.lvReverseOnly->isHidden());
  ClickLater(choice.btnCancel);
  EXPECT_FALSE(choice.Execute(false));
}

TEST(ReverseProperties, OptionsHiddenWithoutAnyAndTheLoginKept) {
  TfrmReverseProperties dialog;
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Nastavení reversu"));
  EXPECT_EQ(dialog.edtPasswd->echoMode(), QLineEdit::Password);
  dialog.edtDataSource->setText("v1");
  dialog.edtName->setText("sysdba");
  dialog.edtPasswd->setText("masterkey");
  bool hidden = false;
  int height = 0;
  QTimer::singleShot(0, &dialog, [&] {
    hidden = dialog.pnParam->isHidden();
    height = dialog.height();
    dialog.btnOK->click();
  });
  EXPECT_TRUE(dialog.Execute(nullptr));
  EXPECT_TRUE(hidden);
  EXPECT_GE(height, 144);
  EXPECT_LT(height, 340);
  ClickLater(dialog.btnCancel);
  EXPECT_FALSE(dialog.Execute(nullptr));
  EXPECT_EQ(dialog.edtName->text(), "sysdba");
}

struct Item : Morvik::TReverseItem {
  Item(std::string T, bool S) : text(std::move(T)), selected(S) {}
  const char* GetText() const override { return text.c_str(); }
  void SetSelected(bool S) override { selected = S; }
  int GetSelected() const override { return selected ? 1 : 0; }
  std::string text;
  bool selected;
};
struct Group : Morvik::TReverseGroup {
  explicit Group(std::string C) : caption(std::move(C)) {}
  int GetItemsCount() const override { return static_cast<int>(items.size()); }
  Morvik::TReverseItem* GetItem(int Idx) override { return &items[static_cast<std::size_t>(Idx)]; }
  const char* GetCaption() const override { return caption.c_str(); }
  std::string caption;
  std::vector<Item> items;
};
struct Groups : Morvik::TReverseGroups {
  int GetCount() const override { return static_cast<int>(groups.size()); }
  Morvik::TReverseGroup* GetGroup(int Idx) override { return &groups[static_cast<std::size_t>(Idx)]; }
  std::vector<Group> groups;
};

Groups Sample() {
  Groups g;
  g.groups.emplace_back("Tabulky");
  g.groups[0].items = {{"A", true}, {"B", false}, {"C", true}};
  g.groups.emplace_back("Pohledy");
  g.groups[1].items = {{"V", false}};
  g.groups.emplace_back("Prázdná");
  return g;
}

std::vector<int> Ticks(const Groups& G) {
  std::vector<int> ticks;
  for (const Group& g : G.groups)
    for (const Item& i : g.items) ticks.push_back(i.GetSelected());
  return ticks;
}

TEST(ReverseItems, PagesPerGroupButtonsAndTicksWrittenBackOnlyOnOk) {
  TfrmReverseItems dialog;
  Groups groups = Sample();
  // Mode 0: the pages as the groups say, the all-pages button hidden; Cancel writes nothing.
  QTimer::singleShot(0, &dialog, [&] {
    EXPECT_EQ(dialog.pcReverse->count(), 3);
    EXPECT_EQ(dialog.pcReverse->tabText(1), "Pohledy");
    EXPECT_FALSE(dialog.btnSelectAllInAll->isVisible());
    EXPECT_TRUE(dialog.lCap->text().startsWith("Označte schémata"));
    QListWidget* list = dialog.GetPageCheckList(0);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->objectName(), "chlbxReverse_0");
    EXPECT_EQ(list->item(2)->checkState(), Qt::Checked);
    EXPECT_EQ(dialog.GetPageCheckList(2)->count(), 0);
    dialog.btnDeselectAll->click();
    dialog.btnCancel->click();
  });
  EXPECT_FALSE(dialog.Execute(&groups, 0));
  EXPECT_EQ(Ticks(groups), (std::vector<int>{1, 0, 1, 0}));

  // Mode 1: the buttons act on the active page or on all; OK writes the ticks back.
  struct Case {
    const char* Name;
    QPushButton* Button;
    int Page;
    std::vector<int> Ticks;
  };
  for (const Case& c : {Case{"select all", dialog.btnSelectAll, 0, {1, 1, 1, 0}},
                        Case{"deselect all", dialog.btnDeselectAll, 0, {0, 0, 0, 0}},
                        Case{"invert", dialog.btnReverseAll, 0, {0, 1, 0, 0}},
                        Case{"invert other page", dialog.btnReverseAll, 1, {1, 0, 1, 1}},
                        Case{"all pages", dialog.btnSelectAllInAll, 0, {1, 1, 1, 1}}}) {
    SCOPED_TRACE(c.Name);
    groups = Sample();
    QTimer::singleShot(0, &dialog, [&] {
      EXPECT_TRUE(dialog.btnSelectAllInAll->isVisible());
      EXPECT_EQ(dialog.lCap->text(), QStringLiteral("Označte položky, které chcete reversovat:"));
      dialog.pcReverse->setCurrentIndex(c.Page);
      c.Button->click();
      dialog.btnOK->click();
    });
    EXPECT_TRUE(dialog.Execute(&groups, 1));
    EXPECT_EQ(Ticks(groups), c.Ticks);
  }
}

TEST(ReverseProgress, BarFollowsStepsAndStopsAtItsMaximum) {
  TfrmReverseProgress window;
  SetProgressWindow(&window);
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Průběh načítání z databáze"));
  EXPECT_EQ(window.pbReverse->maximum(), 100);
  TMyProgressBar* bar = window.Progress();
  ShowProgress();
  EXPECT_TRUE(window.isVisible());
  bar->Start("Tabulky", 2);
  EXPECT_EQ(window.windowTitle(), "Tabulky");
  EXPECT_EQ(window.pbReverse->maximum(), 2);
  EXPECT_EQ(window.pbReverse->value(), 0);
  bar->Step("A");
  EXPECT_EQ(window.pbReverse->value(), 1);
  EXPECT_EQ(window.lDescription->text(), "A");
  bar->Step("B");
  bar->Step("C");
  EXPECT_EQ(bar->StepCount(), 3);
  EXPECT_EQ(window.pbReverse->value(), 2);
  EXPECT_EQ(window.lDescription->text(), "C");
  bar->Start("Nic", -5);
  bar->Step("X");
  EXPECT_EQ(window.pbReverse->maximum(), 0);
  EXPECT_EQ(window.pbReverse->value(), 0);
  HideProgress();
  EXPECT_FALSE(window.isVisible());
  SetProgressWindow(nullptr);
}

} // namespace
