// The palette actions of the main window: each shows and hides its tool bar, from its menu item
// or from the context menu of the tool-bar area, and stays checked exactly while its tool bar
// is shown. The program is started as it starts, with the built plug-in beside it.
#include "app/Startup.h"
#include "app/dmMain.h"
#include "app/frmMain.h"
#include "editor/frmDesign.h"
#include "tests/app/StartedProgram.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

namespace {

// How a palette action is fired.
enum class TRoute {
  Action,   // its item in the main menu, as the action is one object everywhere
  AreaMenu, // a click in the context menu of the tool-bar area
};

class Palettes : public TStartedProgram {
protected:
  static std::vector<QAction*> Actions() {
    return {dmMain->acSPFile,      dmMain->acSPDesign,   dmMain->acSPWindow,
            dmMain->acSPClipboard, dmMain->acSPDatabase, dmMain->acSPView};
  }
  // Every tool bar shown or hidden as Shown says, and every action checked the same.
  static void ExpectShown(const std::vector<bool>& Shown) {
    const std::vector<QToolBar*> bars = frmMain->ToolBars();
    const std::vector<QAction*> actions = Actions();
    for (size_t i = 0; i < bars.size(); ++i) {
      SCOPED_TRACE(bars[i]->objectName().toStdString());
      EXPECT_EQ(bars[i]->isVisible(), Shown[i]);
      EXPECT_EQ(actions[i]->isChecked(), Shown[i]);
    }
  }

  // Right-clicks a shown tool bar other than Except and clicks Action in the menu that pops
  // up; returns the menu's actions.
  static QList<QAction*> ClickInAreaMenu(QAction* Action, const QToolBar* Except) {
    QToolBar* bar = nullptr;
    for (QToolBar* b : frmMain->ToolBars())
      if (b != Except && b->isVisible()) bar = b;
    if (!bar) return {};
    // The bar's far end, beside its buttons.
    const QPoint at(bar->width() - 2, bar->height() / 2);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, bar->mapToGlobal(at));
    QApplication::sendEvent(bar, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) return {};
    const QList<QAction*> items = menu->actions();
    if (items.contains(Action)) {
      const QPoint item = menu->actionGeometry(Action).center();
      QTest::mouseMove(menu, item);
      QTest::mouseClick(menu, Qt::LeftButton, {}, item);
    }
    menu->close();
    QApplication::processEvents();
    return items;
  }
  static void Fire(QAction* Action, TRoute Route, const QToolBar* Bar) {
    if (Route == TRoute::Action)
      Action->trigger();
    else
      ClickInAreaMenu(Action, Bar);
    QApplication::processEvents();
  }
};

TEST_F(Palettes, EachActionHidesAndShowsItsOwnToolBar) {
  struct Case {
    QAction* Action;
    const char* Bar;
    TRoute Hide, Show;
  };
  const Case cases[] = {
      {dmMain->acSPFile, "tbrFile", TRoute::Action, TRoute::Action},
      {dmMain->acSPDesign, "tbrDesign", TRoute::AreaMenu, TRoute::AreaMenu},
      {dmMain->acSPWindow, "tbrWindow", TRoute::Action, TRoute::AreaMenu},
      {dmMain->acSPClipboard, "tbrClipboard", TRoute::AreaMenu, TRoute::Action},
      {dmMain->acSPDatabase, "tbrDatabase", TRoute::Action, TRoute::Action},
      {dmMain->acSPView, "tbrView", TRoute::AreaMenu, TRoute::AreaMenu},
  };
  const std::vector<bool> all(6, true);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Bar);
    auto* bar = frmMain->findChild<QToolBar*>(QString::fromLatin1(c.Bar));
    ASSERT_NE(bar, nullptr);
    const std::vector<QToolBar*> bars = frmMain->ToolBars();
    const size_t index = std::find(bars.begin(), bars.end(), bar) - bars.begin();
    ASSERT_LT(index, bars.size());
    EXPECT_EQ(Actions()[index], c.Action);
    ExpectShown(all);

    std::vector<bool> hidden = all;
    hidden[index] = false;
    Fire(c.Action, c.Hide, bar);
    ExpectShown(hidden);
    // The idle update agrees, with and without a schema window.
    dmMain->UpdateActions();
    ExpectShown(hidden);
    ASSERT_NE(dmMain->NewDesign("varne.so", "InterBase 6", "2.0"), nullptr);
    QApplication::processEvents();
    dmMain->UpdateActions();
    ExpectShown(hidden);
    EXPECT_TRUE(c.Action->isEnabled());

    Fire(c.Action, c.Show, bar);
    ExpectShown(all);
    dmMain->UpdateActions();
    ExpectShown(all);
    TearDown();
  }
}

TEST_F(Palettes, TheToolBarAreaMenuListsThePalettesInTheirOrder) {
  const QList<QAction*> items = ClickInAreaMenu(nullptr, nullptr);
  EXPECT_EQ(items, (QList<QAction*>{dmMain->acSPDesign, dmMain->acSPFile, dmMain->acSPWindow,
                                    dmMain->acSPClipboard, dmMain->acSPDatabase, dmMain->acSPView}));
  // The main menu's "Palety" holds the same actions.
  QMenu* palettes = nullptr;
  for (QAction* top : frmMain->menuBar()->actions())
    if (top->text() == "&Zobrazit" && top->menu())
      for (QAction* sub : top->menu()->actions())
        if (sub->text() == "&Palety") palettes = sub->menu();
  ASSERT_NE(palettes, nullptr);
  EXPECT_EQ(palettes->actions(), items);
}

TEST_F(Palettes, TheCheckFollowsTheToolBarHoweverItIsShownOrHidden) {
  // Hidden and shown by other means than its action (as the bar's own view toggle does).
  frmMain->tbrClipboard->hide();
  QApplication::processEvents();
  EXPECT_FALSE(dmMain->acSPClipboard->isChecked());
  dmMain->UpdateActions();
  EXPECT_FALSE(dmMain->acSPClipboard->isChecked());
  frmMain->tbrClipboard->show();
  QApplication::processEvents();
  EXPECT_TRUE(dmMain->acSPClipboard->isChecked());

  // A tool bar that is out of sight only because the main window is hidden is still shown.
  frmMain->hide();
  QApplication::processEvents();
  dmMain->UpdateActions();
  for (QAction* a : Actions()) EXPECT_TRUE(a->isChecked()) << a->objectName().toStdString();
  frmMain->show();
  QApplication::processEvents();
  ExpectShown(std::vector<bool>(6, true));
}

} // namespace
