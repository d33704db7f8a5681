// The program's shell: start-up order and splash, the action table with its menus and
// enabling, new schema windows, tools, zoom box, recent files, and closing the program with
// modified schemas. The whole start-up runs once, with the built plug-in beside the program.
#include "Interface/dialogs/frmSelectDB.h"
#include "app/MyPrinter.h"
#include "app/Startup.h"
#include "tests/app/StartedProgram.h"
#include "app/dmMain.h"
#include "app/frmMain.h"
#include "app/frmReport.h"
#include "app/frmSplash.h"
#include "diagram/ScrolledScrollBox.h"
#include "editor/Ruler.h"
#include "editor/VisualModel.h"
#include "editor/frmDesign.h"
#include "ui/MB.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QMenu>
#include <QPageSize>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include "diagram/Entity.h"
#include "diagram/EntryPoint.h"
#include "diagram/Note.h"
#include "diagram/ProjectInfo.h"
#include "diagram/Relation.h"
#include "diagram/TextLabel.h"
#include "editor/frmBrowser.h"
#include "Interface/MorvikInterface.h"
#include <QDialog>
#include <QMouseEvent>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

class Shell : public TStartedProgram {
protected:
  void SetUp() override {
    TStartedProgram::SetUp();
    dmMain->AskSaveSchemeName = [](const QString&) { return QString(); };
  }
};

TEST_F(Shell, StartsInItsFixedOrder) {
  const QStringList expected{"frmSplash",
                             "frmDesignSetting",
                             "dmMain",
                             "Application",
                             "frmMain",
                             "frmSchemeInfo",
                             "frmAbout",
                             "frmSelectReverse",
                             "frmSelectDB",
                             "frmFindDialog",
                             "frmReport",
                             "frmReverseItems",
                             "frmReverseProgress",
                             "frmReverseProperties",
                             "frmDateTimeSetting",
                             "fMB",
                             "frmPrintProperties",
                             "frmDocumentationProperties"};
  EXPECT_EQ(startup->CreationOrder, expected);
  EXPECT_EQ(startup->SplashTexts, (QStringList{"Inicializace aplikace", "Vytváření formulářů"}));
  EXPECT_EQ(frmMain->windowTitle(), "Morvik");
  EXPECT_EQ(QApplication::applicationName(), "Morvik");
  EXPECT_EQ(frmMain->PluginFolder, QDir(MORVIK_PLUGIN_DIR).absolutePath() + "/");
  EXPECT_TRUE(frmMain->IniFileName.endsWith("/morvik.ini"));
  EXPECT_TRUE(frmMain->HelpFileName.endsWith("/manual/main.html"));
  EXPECT_TRUE(frmMain->ImagesFolder.endsWith("/Images/"));
  // The plug-in list was filled from the folder beside the program.
  ASSERT_TRUE(frmSelectDB->HasSelection());
  EXPECT_EQ(frmSelectDB->SelectedModelName(), "InterBase 6");
  EXPECT_NE(dmMain->Printer, nullptr);
}

TEST(Splash, ShowsVersionAndBuildDateOrItsFormTexts) {
  TfrmSplash with("May 24 2001", "16:27:23", "2.0.0.0");
  EXPECT_EQ(with.lVersion->text(), "2.0.0.0");
  EXPECT_EQ(with.lDateTime->text(), "May 24 2001 (16:27:23)");
  EXPECT_EQ(with.Label1->text(), "Verze:");
  EXPECT_EQ(with.lProgress->text(), "Inicializace aplikace");
  EXPECT_EQ(with.size(), QSize(447, 237));
  TfrmSplash without("May 24 2001", "16:27:23", "");
  EXPECT_EQ(without.lVersion->text(), "8.8.8.8");
  EXPECT_EQ(without.lDateTime->text(), "Date");
  without.SetProgressText("Vytváření formulářů");
  EXPECT_EQ(without.lProgress->text(), "Vytváření formulářů");
  TfrmSplash own;
  EXPECT_EQ(own.lVersion->text(), "2.0.0.0");
  EXPECT_TRUE(own.lDateTime->text().endsWith(")"));
}

// The menu of the main menu bar (or sub-menu) that holds Action, as a path of titles.
QString MenuOf(const QAction* Action) {
  for (QMenu* top : dmMain->mnuMain) {
    for (QAction* a : top->actions()) {
      if (a == Action) return top->title();
      if (a->menu())
        for (QAction* b : a->menu()->actions())
          if (b == Action) return top->title() + "/" + a->menu()->title();
    }
  }
  return QString();
}

TEST_F(Shell, ActionTable) {
  struct Case {
    QAction* Action;
    const char* Caption;
    const char* Shortcut;
    const char* Menu;
    bool Enabled[3]; // with 0, 1 and 2 schema windows
  };
  TdmMain& m = *dmMain;
  const Case cases[] = {
      {m.acNew, "Nový", "Ctrl+N", "&Soubor", {true, true, true}},
      {m.acOpen, "&Otevřít", "Ctrl+O", "&Soubor", {true, true, true}},
      {m.acSave, "Uložit", "Ctrl+S", "&Soubor", {false, false, false}},
      {m.acSaveAs, "Uložit &jako", "", "&Soubor", {false, true, true}},
      {m.acClose, "&Zavřít", "", "&Soubor", {false, true, true}},
      {m.acSetPrinter, "Nastavení tiskárny...", "", "&Soubor", {true, true, true}},
      {m.acPrint, "Tisk...", "Ctrl+P", "&Soubor", {false, true, true}},
      {m.acExit, "&Konec", "Alt+X", "&Soubor", {true, true, true}},
      {m.acCut, "Vyříz&nout", "Ctrl+X", "Ú&pravy", {false, false, false}},
      {m.acCopy, "&Kopírovat", "Ctrl+C", "Ú&pravy", {false, false, false}},
      {m.acPaste, "&Vložit", "Ctrl+V", "Ú&pravy", {false, false, false}},
      {m.acDelete, "&Smazat", "Del", "Ú&pravy", {false, false, false}},
      {m.acReverse, "&Reverse", "", "&Model", {true, true, true}},
      {m.acDiffReverse, "Rozdílový reverse", "", "&Model", {false, true, true}},
      {m.acCheck, "&Zkontrolování modelu", "", "&Model", {false, true, true}},
      {m.acGenerate, "Generování skriptu...", "", "&Model", {false, true, true}},
      {m.acShowScript, "Zobraz &skript", "", "&Model", {false, false, false}},
      {m.acGenerateDoc, "Generování dokumentace...", "", "&Model", {false, true, true}},
      {m.acShowDoc, "Zobraz dokumentaci", "", "&Model", {false, false, false}},
      {m.acArrange, "&Přeuspořádat", "", "&Model", {false, true, true}},
      {m.acModelProperties, "Vlastnosti modelu", "", "&Model", {false, true, true}},
      {m.acSetting, "&Nastavení", "", "&Nastavení", {true, true, true}},
      {m.acSPDesign, "&Modelování", "", "&Zobrazit/&Palety", {true, true, true}},
      {m.acSPView, "&Zobrazit/schovat", "", "&Zobrazit/&Palety", {true, true, true}},
      {m.acShowBrowser, "&Seznam komponent", "", "&Zobrazit", {false, true, true}},
      {m.acShowErrorBrowser, "Seznam &chyb", "", "&Zobrazit", {false, true, true}},
      {m.acShowRulers, "P&ravítka", "", "&Zobrazit", {false, true, true}},
      {m.acWindowCascade, "&Kaskáda", "", "&Okna", {false, true, true}},
      {m.acWindowTileHorizontal, "Nad sebe &vodorovně", "", "&Okna", {false, true, true}},
      {m.acWindowTileVertical, "Vedle sebe &svisle", "", "&Okna", {false, true, true}},
      {m.acWindowMinimizeAll, "&Minimalizovat vše", "", "&Okna", {false, true, true}},
      {m.acWindowClose, "&Zavřít", "", "&Okna", {false, true, true}},
      {m.acSchemeInfo, "Informace o schématu", "", "&Informace", {false, true, true}},
      {m.acHelp, "&Nápověda", "F1", "&Informace", {true, true, true}},
      {m.acAbout, "&O aplikaci Morvik", "Ctrl+F1", "&Informace", {true, true, true}},
      {m.acArrow, "Šipka", "", "", {false, true, true}},
      {m.acEntity, "acEntity", "", "", {false, true, true}},
      {m.acProjectInfo, "Informace o projektu", "", "", {false, true, true}},
      {m.acScale, "Lupa", "", "", {false, true, true}},
      {m.acEntityDelete, "&Smazat", "", "", {false, false, false}},
      {m.acFidnInBrowser, "&Najdi v seznamu", "", "", {false, false, false}},
  };
  // Paste needs text on the clipboard, copy a selection, save a modified schema.
  QApplication::clipboard()->clear();
  for (int windows = 0; windows <= 2; ++windows) {
    if (windows > 0) {
      ASSERT_NE(New(), nullptr);
    }
    dmMain->UpdateActions();
    for (const Case& c : cases) {
      SCOPED_TRACE(c.Action->objectName().toStdString() + " with " + std::to_string(windows));
      EXPECT_EQ(c.Action->text(), QString::fromUtf8(c.Caption));
      EXPECT_EQ(c.Action->shortcut(), QKeySequence(c.Shortcut));
      EXPECT_EQ(MenuOf(c.Action), QString::fromUtf8(c.Menu));
      EXPECT_TRUE(c.Action->isVisible());
      EXPECT_EQ(c.Action->isEnabled(), c.Enabled[windows]);
    }
  }
  // The zoom box works only with a schema window.
  EXPECT_TRUE(frmMain->cbxZoom->isEnabled());
  for (TfrmDesign* d : frmMain->Designs()) d->CloseWithoutQuery();
  Settle();
  dmMain->UpdateActions();
  EXPECT_FALSE(frmMain->cbxZoom->isEnabled());
  EXPECT_EQ(dmMain->acNew->statusTip(), "Nový projekt");
  EXPECT_EQ(dmMain->acExit->toolTip(), "Ukončit");
  EXPECT_EQ(dmMain->acExit->statusTip(), "Ukončení programu");
  EXPECT_EQ(dmMain->Actions().size(), 62u);
}

// The paste action follows what the clipboard offers: its enabling asks for the formats when
// the clipboard changes and never fetches the text, however often the actions are updated.
TEST_F(Shell, PasteFollowsTheClipboardWithoutFetchingItsText) {
  // Clipboard data that counts how often its contents are fetched.
  class TCountedData : public QMimeData {
  public:
    explicit TCountedData(int* Fetches) : FFetches(Fetches) {}

  protected:
    QVariant retrieveData(const QString& Type, QMetaType As) const override {
      ++*FFetches;
      return QMimeData::retrieveData(Type, As);
    }

  private:
    int* FFetches;
  };
  ASSERT_NE(New(), nullptr);
  const struct {
    const char* What;
    const char* Format;
    bool Enabled;
  } cases[] = {{"a large text", "text/plain", true},
               {"a picture only", "image/png", false},
               {"text again", "text/plain", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.What);
    int fetches = 0;
    auto* data = new TCountedData(&fetches);
    data->setData(c.Format, QByteArray(4 << 20, 'x'));
    QGuiApplication::clipboard()->setMimeData(data); // the clipboard owns it
    for (int i = 0; i < 20; ++i) dmMain->UpdateActions();
    QTest::qWait(400); // the idle updates too
    EXPECT_EQ(dmMain->acPaste->isEnabled(), c.Enabled);
    EXPECT_EQ(fetches, 0);
  }
  QGuiApplication::clipboard()->clear();
  dmMain->UpdateActions();
  EXPECT_FALSE(dmMain->acPaste->isEnabled());
}

TEST_F(Shell, NewSchemasAreNumberedAlsoAfterAFailure) {
  const int before = dmMain->NewCount;
  TfrmDesign* first = New();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->windowTitle(), QStringLiteral("Nepojmenovaný %1 (InterBase 6)").arg(before + 1));
  EXPECT_NE(first->Model, nullptr);
  EXPECT_EQ(frmMain->ActiveDesign(), first);

  EXPECT_EQ(dmMain->NewDesign("../varne.so", "InterBase 6", "2.0"), nullptr);
  EXPECT_EQ(messages, QStringList{"Chyba při vytváření okna.\nNepodařilo se načíst DLL knihovnu!\n"});
  EXPECT_EQ(frmMain->Designs().size(), 1u);

  TfrmDesign* third = New();
  ASSERT_NE(third, nullptr);
  EXPECT_EQ(third->windowTitle(), QStringLiteral("Nepojmenovaný %1 (InterBase 6)").arg(before + 3));
  EXPECT_EQ(frmMain->Designs().size(), 2u);
}

TEST_F(Shell, ToolsAreCheckedOneAtATime) {
  TfrmDesign* d = New();
  ASSERT_NE(d, nullptr);
  const auto noTool = static_cast<TDesignTool>(42); // names no tool: the arrow
  struct Case {
    TDesignTool Tool;
    QAction* Checked;
    bool Sticky;
    ui::TCursor Cursor;
  };
  const Case cases[] = {{toolHand, dmMain->acHand, true, ui::crHandPoint},
                        {toolZoom, dmMain->acScale, true, ui::crCross},
                        {toolArrow, dmMain->acArrow, true, ui::crArrow},
                        {noTool, dmMain->acArrow, true, ui::crArrow}};
  for (const Case& c : cases) {
    dmMain->SetTool(c.Tool);
    EXPECT_EQ(dmMain->Tool(), c.Tool == noTool ? toolArrow : c.Tool);
    EXPECT_EQ(dmMain->StickyTool(), c.Sticky);
    EXPECT_EQ(d->Desktop->DefaultCursor(), c.Cursor);
    int checked = 0;
    for (QAction* a : dmMain->Actions())
      if (TdmMain::Category(a) == "Design" && a->isChecked()) ++checked;
    EXPECT_EQ(checked, 1);
    EXPECT_TRUE(c.Checked->isChecked());
  }
  // A creation tool keeps the stickiness; a shift-release on its button makes it sticky and
  // marks the button, a plain release makes it a one-use tool.
  dmMain->SetStickyTool(false);
  dmMain->acEntity->trigger();
  EXPECT_EQ(dmMain->Tool(), toolEntity);
  EXPECT_FALSE(dmMain->StickyTool());
  QToolButton* entity = frmMain->DesignButtons[3];
  ASSERT_EQ(entity->defaultAction(), dmMain->acEntity);
  frmMain->sbtnDesignMouseUp(entity, Qt::ShiftModifier);
  EXPECT_TRUE(dmMain->StickyTool());
  EXPECT_TRUE(entity->property("marked").toBool());
  frmMain->sbtnDesignMouseUp(entity, Qt::NoModifier);
  EXPECT_FALSE(dmMain->StickyTool());
  EXPECT_FALSE(entity->property("marked").toBool());
  // The arrow is never marked.
  dmMain->acArrow->trigger();
  frmMain->sbtnDesignMouseUp(frmMain->DesignButtons[0], Qt::ShiftModifier);
  EXPECT_FALSE(frmMain->DesignButtons[0]->property("marked").toBool());
}

TEST_F(Shell, EditingActionsFollowTheSelectionAndActOnTheActiveWindow) {
  TfrmDesign* d = New();
  ASSERT_NE(d, nullptr);
  dmMain->SetTool(toolEntity);
  TEntity* a = d->CreateEntityAt(ui::TMouseButton::mbLeft, 40, 40);
  dmMain->SetTool(toolEntity);
  TEntity* b = d->CreateEntityAt(ui::TMouseButton::mbLeft, 400, 40);
  ASSERT_TRUE(a && b);
  ASSERT_EQ(d->Model->GetTableCount(), 2);
  d->ClearSelection();
  dmMain->UpdateActions();
  EXPECT_FALSE(dmMain->acEntityProperties->isEnabled());
  for (QAction* action : {dmMain->acDelete, dmMain->acCut, dmMain->acCopy}) EXPECT_FALSE(action->isEnabled());
  EXPECT_TRUE(dmMain->acModelProperties->isEnabled());
  d->Select(a);
  dmMain->UpdateActions();
  for (QAction* action : {dmMain->acDelete, dmMain->acCut, dmMain->acCopy}) EXPECT_TRUE(action->isEnabled());
  EXPECT_TRUE(dmMain->acEntityProperties->isEnabled());
  EXPECT_TRUE(dmMain->acEntityDelete->isEnabled());
  EXPECT_FALSE(dmMain->acNoteProperties->isEnabled());
  EXPECT_FALSE(dmMain->acRelationDelete->isEnabled());
  // Deleting through the action takes the entity and its table away.
  dmMain->acEntityDelete->trigger();
  EXPECT_EQ(d->VisualModel->Entities, std::vector<TEntity*>{b});
  EXPECT_EQ(d->Model->GetTableCount(), 1);
  d->CloseWithoutQuery();
  Settle();
}

TEST_F(Shell, EachKindOfElementPopsUpItsOwnMenu) {
  TfrmDesign* d = New();
  ASSERT_NE(d, nullptr);
  const std::pair<TDesignMenu, QMenu*> cases[] = {
      {TDesignMenu::Desktop, dmMain->mnuDesktop},     {TDesignMenu::Entity, dmMain->mnuEntity},
      {TDesignMenu::Note, dmMain->mnuNote},           {TDesignMenu::ProjectInfo, dmMain->mnuProjectInfo},
      {TDesignMenu::TextLabel, dmMain->mnuTextLabel}, {TDesignMenu::Relation, dmMain->mnuRelation}};
  for (const auto& [kind, menu] : cases) {
    dmMain->PopupMenu(d, kind, d->mapToGlobal(QPoint(50, 50)));
    EXPECT_TRUE(menu->isVisible()) << menu->objectName().toStdString();
    menu->hide();
  }
}

// The items of a menu: actions by name, "-" for a separator, a submenu as its caption with
// its items in brackets.
QString Items(const QMenu* Menu) {
  QStringList items;
  for (QAction* a : Menu->actions()) {
    if (a->isSeparator())
      items << "-";
    else if (const QMenu* sub = a->menu())
      items << a->text() + "[" + Items(sub) + "]";
    else
      items << a->objectName();
  }
  return items.join(' ');
}

// The enabled actions of a menu and its submenus, by name.
QStringList EnabledItems(const QMenu* Menu) {
  QStringList items;
  for (QAction* a : Menu->actions()) {
    if (const QMenu* sub = a->menu())
      items << EnabledItems(sub);
    else if (!a->isSeparator() && a->isEnabled())
      items << a->objectName();
  }
  return items;
}

// A schema of every kind of element, drawn with the mouse: two entities joined by a relation
// that shows its label, an entry point on the first, a note, a free label and the project
// block.
class PopupMenus : public Shell {
protected:
  void SetUp() override {
    Shell::SetUp();
    d = New();
    ASSERT_NE(d, nullptr);
    d->sbxDesktop->SetHorzPosition(0);
    d->sbxDesktop->SetVertPosition(0);
    a = DrawEntity(QPoint(40, 40), QPoint(160, 120));
    b = DrawEntity(QPoint(400, 40), QPoint(520, 120));
    dmMain->SetTool(toolRelation);
    Drag(Centre(a), Centre(b));
    dmMain->SetTool(toolNote);
    Drag(QPoint(40, 300), QPoint(160, 380));
    dmMain->SetTool(toolTextLabel);
    Click(QPoint(300, 300));
    dmMain->SetTool(toolProjectInfo);
    Click(QPoint(500, 300));
    dmMain->SetTool(toolEntryPoint);
    Click(Centre(a));
    dmMain->SetTool(toolArrow);
    const TVisualModel& m = *d->VisualModel;
    ASSERT_TRUE(m.Relations.size() == 1 && m.Notes.size() == 1 && m.TextLabels.size() == 1 &&
                m.EntryPoints.size() == 1 && m.ProjectInfo);
    relation = m.Relations[0];
    note = m.Notes[0];
    label = m.TextLabels[0];
    info = m.ProjectInfo;
    relation->Reference()->SetName("FK_AB");
    d->SelectOnly(relation);
    d->ShowRelationLabel();
    relationLabel = relation->MainLabel();
    ASSERT_NE(relationLabel, nullptr);
    d->ClearSelection();
    d->SetModified(false, mkNothing);
  }
  void TearDown() override {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->hide();
    Shell::TearDown();
  }

  void Mouse(QEvent::Type Type, QPoint P, Qt::MouseButton Button, Qt::MouseButtons Held) {
    QWidget* w = d->Desktop;
    QMouseEvent e(Type, QPointF(P), w->mapToGlobal(QPointF(P)), Button, Held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
  }
  void Click(QPoint P, Qt::MouseButton Button = Qt::LeftButton) {
    Mouse(QEvent::MouseButtonPress, P, Button, Button);
    Mouse(QEvent::MouseButtonRelease, P, Button, Qt::NoButton);
  }
  void Drag(QPoint From, QPoint To) {
    Mouse(QEvent::MouseButtonPress, From, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, To, Qt::NoButton, Qt::LeftButton);
    Mouse(QEvent::MouseButtonRelease, To, Qt::LeftButton, Qt::NoButton);
  }
  TEntity* DrawEntity(QPoint From, QPoint To) {
    dmMain->SetTool(toolEntity);
    Drag(From, To);
    return d->VisualModel->Entities.empty() ? nullptr : d->VisualModel->Entities.back();
  }
  static QPoint Centre(const ui::TControl* C) {
    return QPoint(C->Left() + C->Width() / 2, C->Top() + C->Height() / 2);
  }
  // A point of the relation's line that no other element covers.
  QPoint OnRelation() const {
    for (int x = relation->Left(); x < relation->Left() + relation->Width(); ++x)
      for (int y = relation->Top(); y < relation->Top() + relation->Height(); ++y)
        if (d->VisualModel->RelationAt(ui::TPoint{x, y}) == relation &&
            d->Desktop->ControlAtPos(ui::TPoint{x, y}) == relation)
          return QPoint(x, y);
    ADD_FAILURE() << "no free point on the relation";
    return QPoint();
  }
  // The menu that a right click at P pops up, or null.
  QMenu* RightClick(QPoint P) {
    if (QWidget* popup = QApplication::activePopupWidget()) popup->hide();
    Click(P, Qt::RightButton);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
  }
  // Clicks the item of Action in the popped-up Menu (opening its submenu first when it is in one).
  static void Choose(QMenu* Menu, QAction* Action) {
    for (QAction* a : Menu->actions()) {
      if (a == Action) {
        ASSERT_TRUE(a->isEnabled()) << qPrintable(a->objectName());
        QTest::mouseClick(Menu, Qt::LeftButton, {}, Menu->actionGeometry(a).center());
        return;
      }
      if (QMenu* sub = a->menu(); sub && sub->actions().contains(Action)) {
        // The submenu opens after a short delay, as it does under the mouse.
        QTest::mouseClick(Menu, Qt::LeftButton, {}, Menu->actionGeometry(a).center());
        for (int i = 0; i < 50 && !sub->isVisible(); ++i) QTest::qWait(10);
        ASSERT_TRUE(sub->isVisible());
        Choose(sub, Action);
        return;
      }
    }
    ADD_FAILURE() << "no item " << qPrintable(Action->objectName());
  }

  TfrmDesign* d = nullptr;
  TEntity *a = nullptr, *b = nullptr;
  TRelation* relation = nullptr;
  TNote* note = nullptr;
  TTextLabel *label = nullptr, *relationLabel = nullptr;
  TProjectInfo* info = nullptr;
};

// A right click selects the element alone and pops up its kind's menu with its items, enabled
// for that element; a right click on free desktop keeps the selection.
TEST_F(PopupMenus, EachKindOffersItsItemsForTheElementClicked) {
  const QString edit = "&Edit[acCut acCopy %1]";
  struct Case {
    const char* What;
    std::function<QPoint()> At;
    QMenu* Menu;
    QString Items;
    TMorvikGraphic* Selected; // null: the selection stays as it was
    QStringList Enabled;
  };
  const QStringList common{"acCut", "acCopy", "acFidnInBrowser"};
  const std::vector<Case> cases = {
      {"an entity with an entry point", [&] { return Centre(a); }, dmMain->mnuEntity,
       edit.arg("acEntityDelete") + " - acEntryPointDelete acFidnInBrowser acEntityProperties", a,
       common + QStringList{"acEntityDelete", "acEntryPointDelete", "acEntityProperties"}},
      {"an entity without one", [&] { return Centre(b); }, dmMain->mnuEntity,
       edit.arg("acEntityDelete") + " - acEntryPointDelete acFidnInBrowser acEntityProperties", b,
       common + QStringList{"acEntityDelete", "acEntityProperties"}},
      {"a relation", [&] { return OnRelation(); }, dmMain->mnuRelation,
       edit.arg("acRelationDelete") + " - acFidnInBrowser acAddText acRemoveTextLabel - acRelationProperties",
       relation, common + QStringList{"acRelationDelete", "acRemoveTextLabel", "acRelationProperties"}},
      {"a relation's label", [&] { return Centre(relationLabel); }, dmMain->mnuRelation,
       edit.arg("acRelationDelete") + " - acFidnInBrowser acAddText acRemoveTextLabel - acRelationProperties",
       relation, common + QStringList{"acRelationDelete", "acRemoveTextLabel", "acRelationProperties"}},
      {"a note", [&] { return Centre(note); }, dmMain->mnuNote,
       edit.arg("acNoteDelete") + " - acFidnInBrowser acNoteProperties", note,
       common + QStringList{"acNoteDelete", "acNoteProperties"}},
      {"a free text label", [&] { return Centre(label); }, dmMain->mnuTextLabel,
       edit.arg("acTextLabelDelete") + " - acFidnInBrowser acTextLabelProperties", label,
       common + QStringList{"acTextLabelDelete", "acTextLabelProperties"}},
      {"the project block", [&] { return Centre(info); }, dmMain->mnuProjectInfo,
       edit.arg("acProjectInfoDelete") + " - acFidnInBrowser acProjectInfoProperties", info,
       common + QStringList{"acProjectInfoDelete", "acProjectInfoProperties"}},
      {"free desktop", [] { return QPoint(700, 500); }, dmMain->mnuDesktop,
       "&Edit[acCut acCopy acPaste acDelete] acModelProperties", nullptr,
       QStringList{"acCut", "acCopy", "acDelete", "acModelProperties"}},
  };
  QGuiApplication::clipboard()->clear();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    // Something else is selected before: the click's element replaces it.
    d->SelectOnly(note == c.Selected ? static_cast<TMorvikGraphic*>(a) : note);
    const std::vector<TMorvikGraphic*> before = d->Selection;
    QMenu* menu = RightClick(c.At());
    ASSERT_EQ(menu, c.Menu);
    EXPECT_EQ(Items(menu), c.Items);
    EXPECT_EQ(d->Selection, c.Selected ? std::vector<TMorvikGraphic*>{c.Selected} : before);
    QStringList enabled = EnabledItems(menu);
    QStringList expected = c.Enabled;
    enabled.sort();
    expected.sort();
    EXPECT_EQ(enabled, expected);
    menu->hide();
  }
  // With the label hidden, the relation's menu offers to show it again.
  d->SelectOnly(relation);
  d->HideRelationLabel();
  QMenu* menu = RightClick(OnRelation());
  ASSERT_EQ(menu, dmMain->mnuRelation);
  EXPECT_TRUE(dmMain->acAddText->isEnabled());
  EXPECT_FALSE(dmMain->acRemoveTextLabel->isEnabled());
}

// Every item chosen from a pop-up menu acts on the element that was clicked.
TEST_F(PopupMenus, TheItemsActOnTheElementClicked) {
  // Properties: each opens its kind's dialog, which is cancelled here and changes nothing.
  struct Dialog {
    const char* What;
    std::function<QPoint()> At;
    QAction* Item;
    const char* Window;
  };
  const std::vector<Dialog> dialogs = {
      {"entity", [&] { return Centre(a); }, dmMain->acEntityProperties, "TfrmEntityProperties"},
      {"relation", [&] { return OnRelation(); }, dmMain->acRelationProperties, "TfrmRelationProperties"},
      {"relation's label", [&] { return Centre(relationLabel); }, dmMain->acRelationProperties,
       "TfrmRelationProperties"},
      {"note", [&] { return Centre(note); }, dmMain->acNoteProperties, "TfrmNoteProperties"},
      {"text label", [&] { return Centre(label); }, dmMain->acTextLabelProperties, "TfrmTextLabelProperties"},
      {"project block", [&] { return Centre(info); }, dmMain->acProjectInfoProperties,
       "TfrmProjectInfoProperties"},
      {"desktop", [] { return QPoint(700, 500); }, dmMain->acModelProperties, "TfrmModelProperties"},
  };
  for (const Dialog& c : dialogs) {
    SCOPED_TRACE(c.What);
    QMenu* menu = RightClick(c.At());
    ASSERT_NE(menu, nullptr);
    QString opened;
    QTimer::singleShot(0, [&opened] {
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        opened = dialog->metaObject()->className();
        dialog->reject();
      }
    });
    Choose(menu, c.Item);
    Settle();
    EXPECT_EQ(opened, c.Window);
    EXPECT_FALSE(d->Modified());
  }

  // Finding in the browser: the clicked element's node, a relation's for its label.
  TfrmBrowser* browser = d->Browser;
  const std::pair<std::function<QPoint()>, TMorvikGraphic*> finds[] = {
      {[&] { return Centre(b); }, b},       {[&] { return Centre(relationLabel); }, relation},
      {[&] { return Centre(note); }, note}, {[&] { return Centre(label); }, label},
      {[&] { return Centre(info); }, info},
  };
  for (const auto& [at, element] : finds) {
    SCOPED_TRACE(qPrintable(element->Name()));
    browser->tvComponents->setCurrentItem(browser->GroupNode(TfrmBrowser::grEntities));
    Choose(RightClick(at()), dmMain->acFidnInBrowser);
    EXPECT_EQ(browser->tvComponents->currentItem(), browser->NodeOf(element));
  }

  // Hiding and showing the relation's label.
  Choose(RightClick(OnRelation()), dmMain->acRemoveTextLabel);
  EXPECT_EQ(relation->MainLabel(), nullptr);
  EXPECT_TRUE(d->Modified());
  Choose(RightClick(OnRelation()), dmMain->acAddText);
  ASSERT_NE(relation->MainLabel(), nullptr);
  EXPECT_EQ(relation->MainLabel()->Caption(), "FK_AB");
  relationLabel = relation->MainLabel();

  // Copying from the menu puts the clicked element on the clipboard.
  QGuiApplication::clipboard()->clear();
  Choose(RightClick(Centre(note)), dmMain->acCopy);
  EXPECT_TRUE(QGuiApplication::clipboard()->text().contains("_clip_" + note->Name()));
  EXPECT_FALSE(QGuiApplication::clipboard()->text().contains("_clip_" + a->Name()));

  // Deleting, kind by kind; the desktop's delete takes what is selected.
  const int tables = d->Model->GetTableCount();
  Choose(RightClick(Centre(a)), dmMain->acEntryPointDelete);
  EXPECT_TRUE(d->VisualModel->EntryPoints.empty());
  Choose(RightClick(Centre(label)), dmMain->acTextLabelDelete);
  EXPECT_TRUE(d->VisualModel->TextLabels == std::vector<TTextLabel*>{relationLabel});
  Choose(RightClick(Centre(info)), dmMain->acProjectInfoDelete);
  EXPECT_EQ(d->VisualModel->ProjectInfo, nullptr);
  Choose(RightClick(Centre(note)), dmMain->acNoteDelete);
  EXPECT_TRUE(d->VisualModel->Notes.empty());
  Choose(RightClick(Centre(relationLabel)), dmMain->acRelationDelete);
  EXPECT_TRUE(d->VisualModel->Relations.empty());
  EXPECT_TRUE(d->VisualModel->TextLabels.empty());
  EXPECT_EQ(d->Model->GetReferenceCount(), 0);
  Choose(RightClick(Centre(b)), dmMain->acEntityDelete);
  EXPECT_EQ(d->VisualModel->Entities, std::vector<TEntity*>{a});
  EXPECT_EQ(d->Model->GetTableCount(), tables - 1);
  d->SelectOnly(a);
  Choose(RightClick(QPoint(700, 500)), dmMain->acDelete);
  EXPECT_TRUE(d->VisualModel->Entities.empty());
  EXPECT_EQ(d->Model->GetTableCount(), 0);
  EXPECT_TRUE(d->Modified());
}

// Ctrl+C with nothing selected leaves the clipboard as it was and the schema unchanged; with
// an element selected it copies that element.
TEST_F(PopupMenus, CopyingWithNothingSelectedLeavesTheClipboardAlone) {
  frmMain->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(frmMain));
  d->ClearSelection();
  dmMain->UpdateActions();
  QGuiApplication::clipboard()->setText("kept");
  QTest::keyClick(frmMain, Qt::Key_C, Qt::ControlModifier);
  Settle();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "kept");
  EXPECT_FALSE(d->Modified());
  EXPECT_TRUE(messages.isEmpty()) << qPrintable(messages.join("|"));

  d->SelectOnly(note);
  dmMain->UpdateActions();
  QTest::keyClick(frmMain, Qt::Key_C, Qt::ControlModifier);
  Settle();
  EXPECT_TRUE(QGuiApplication::clipboard()->text().contains("_clip_" + note->Name()));
  EXPECT_FALSE(d->Modified());
}

TEST_F(Shell, ZoomBoxZoomsTheActiveWindow) {
  TfrmDesign* d = New();
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(frmMain->cbxZoom->currentText(), "100%");
  const std::pair<const char*, int> cases[] = {{"12%", 125}, {"400%", 4000}, {"50%", 500}, {"100%", 1000}};
  for (const auto& [text, zoom] : cases) {
    frmMain->cbxZoom->setCurrentText(text);
    frmMain->cbxZoomChange();
    EXPECT_EQ(d->Zoom(), zoom) << text;
    EXPECT_EQ(frmMain->cbxZoom->currentText(), text);
  }
  d->SetZoomCentered(250);
  EXPECT_EQ(frmMain->cbxZoom->currentText(), "25%");
}

TEST_F(Shell, RulersMarkThePagesOfThePdfPrinter) {
  auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
  pdf->setOutputFormat(QPrinter::PdfFormat);
  pdf->setPageSize(QPageSize(QPageSize::A5));
  dmMain->Printer = std::make_unique<TMyPrinter>(std::move(pdf));
  const int page = dmMain->Printer->PageWidth;
  TfrmDesign* d = New();
  ASSERT_NE(d, nullptr);
  // The component browser's toggle gives its room to the desktop, so that a page fits.
  dmMain->acShowBrowser->trigger();
  QApplication::processEvents();
  d->sbxDesktop->SetHorzPosition(0);
  const QImage top = d->pbTopRuler->grab().toImage();
  ASSERT_GT(top.width(), TfrmDesign::RulerSize + page);
  for (int x : {TfrmDesign::RulerSize, TfrmDesign::RulerSize + page}) {
    int black = 0;
    for (int y = 0; y < top.height(); ++y) black += top.pixelColor(x, y) == Qt::black;
    EXPECT_EQ(black, top.height()) << x;
  }
  // The default desktop of 4 x 2 pages is measured in the printer's pages.
  EXPECT_EQ(d->DesktopWidthPag(), 4);
  EXPECT_EQ(d->DesktopWidthPix(), 4 * page);
  dmMain->Printer = std::make_unique<TMyPrinter>();
}

TEST_F(Shell, RecentFiles) {
  for (QAction* a : dmMain->miReOpen->actions()) delete a;
  dmMain->AddReopenFile("/a/one.xml");
  dmMain->AddReopenFile("/a/two.xml");
  // Paths differing in capitals are different files.
  dmMain->AddReopenFile("/A/ONE.XML");
  EXPECT_EQ(dmMain->ReopenFiles(), (QStringList{"/A/ONE.XML", "/a/two.xml", "/a/one.xml"}));
  EXPECT_EQ(dmMain->miReOpen->actions()[0]->text(), "&0  /A/ONE.XML");
  EXPECT_EQ(dmMain->miReOpen->actions()[1]->text(), "&1  /a/two.xml");
  dmMain->AddReopenFile("/a/one.xml");
  EXPECT_EQ(dmMain->ReopenFiles(), (QStringList{"/a/one.xml", "/A/ONE.XML", "/a/two.xml"}));
  // "&" in a path is shown as it stands, and the entry keeps the path.
  dmMain->AddReopenFile("/a/Tom & Jerry.xml");
  EXPECT_EQ(dmMain->miReOpen->actions()[0]->text(), "&0  /a/Tom && Jerry.xml");
  EXPECT_EQ(dmMain->ReopenFiles().first(), "/a/Tom & Jerry.xml");
  for (int i = 0; i < 10; ++i) dmMain->AddReopenFile(QStringLiteral("/b/%1.xml").arg(i));
  const QStringList files = dmMain->ReopenFiles();
  ASSERT_EQ(files.size(), 10);
  EXPECT_EQ(files.first(), "/b/9.xml");
  EXPECT_EQ(files.last(), "/b/0.xml");
  EXPECT_EQ(dmMain->miReOpen->actions()[9]->text(), "&9  /b/0.xml");
  EXPECT_TRUE(dmMain->miReOpen->isEnabled());
  // The drop-down of the open button repeats the entries.
  ASSERT_EQ(dmMain->mnuReOpen->actions().size(), 10);
  EXPECT_EQ(dmMain->mnuReOpen->actions()[0]->text(), "&0  /b/9.xml");
}

// The recent-file entry of Path in Menu; null when it has none.
QAction* EntryOf(QMenu* Menu, const QString& Path) {
  for (QAction* a : Menu->actions())
    if (a->data().toString() == Path) return a;
  return nullptr;
}

TEST_F(Shell, ARecentEntryOpensItsSchemaAndAGoneFileIsReported) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString kept = dir.filePath("kept.xml");
  const QString other = dir.filePath("other.xml");
  const QString gone = dir.filePath("gone.xml");
  for (const QString& path : {kept, other, gone})
    ASSERT_TRUE(QFile::copy(QStringLiteral(SCHEMA_FIXTURES "/schema.xml"), path));
  for (const QString& path : {gone, other, kept, dir.filePath("top.xml")}) dmMain->AddReopenFile(path);
  ASSERT_TRUE(QFile::remove(gone));

  struct Case {
    const char* What;
    QString Path;
    QMenu* Menu;     // the File menu's entries or the Open button's drop-down
    QString Title;   // of the window it opens; empty: none opens
    QString Message; // how the message shown starts; empty: no message
  };
  const Case cases[] = {
      {"an entry of the File menu", kept, dmMain->miReOpen, "kept.xml (InterBase 6)", {}},
      {"an entry of the Open button", other, dmMain->mnuReOpen, "other.xml (InterBase 6)", {}},
      {"the top entry", other, dmMain->miReOpen, "other.xml (InterBase 6)", {}},
      {"a file that is gone", gone, dmMain->miReOpen, {}, QStringLiteral("Chyba při načítání schématu.\n")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    messages.clear();
    const QStringList before = dmMain->ReopenFiles();
    QAction* entry = EntryOf(c.Menu, c.Path);
    ASSERT_NE(entry, nullptr);
    entry->trigger();
    Settle();
    if (c.Title.isEmpty()) {
      EXPECT_TRUE(frmMain->Designs().empty());
    } else {
      ASSERT_EQ(frmMain->Designs().size(), 1u);
      TfrmDesign* design = frmMain->ActiveDesign();
      ASSERT_NE(design, nullptr);
      EXPECT_EQ(design->windowTitle(), c.Title);
      EXPECT_EQ(design->VisualModel->Entities.size(), 2u);
      EXPECT_FALSE(design->Modified());
    }
    if (c.Message.isEmpty()) {
      EXPECT_TRUE(messages.isEmpty()) << qPrintable(messages.join("|"));
    } else {
      ASSERT_EQ(messages.size(), 1);
      EXPECT_TRUE(messages[0].startsWith(c.Message)) << qPrintable(messages[0]);
      EXPECT_TRUE(messages[0].contains(c.Path)) << qPrintable(messages[0]);
    }
    // The entry moves to the top, also when its file is gone; the others keep their order.
    QStringList expected = before;
    expected.removeOne(c.Path);
    expected.prepend(c.Path);
    EXPECT_EQ(dmMain->ReopenFiles(), expected);
    EXPECT_EQ(dmMain->miReOpen->actions()[0]->text(), "&0  " + c.Path);
    EXPECT_EQ(dmMain->mnuReOpen->actions()[0]->data().toString(), c.Path);
    for (TfrmDesign* d : frmMain->Designs()) d->CloseWithoutQuery();
    Settle();
  }
}

TEST_F(Shell, OpenSaveAndSaveAsThroughTheActions) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString fixture = QStringLiteral(SCHEMA_FIXTURES "/schema.xml");
  dmMain->AskOpenFileName = [fixture] { return fixture; };
  dmMain->acOpen->trigger();
  Settle();
  ASSERT_EQ(frmMain->Designs().size(), 1u) << qPrintable(messages.join("|"));
  TfrmDesign* design = frmMain->ActiveDesign();
  ASSERT_NE(design, nullptr);
  EXPECT_EQ(design->VisualModel->Entities.size(), 2u);
  EXPECT_EQ(dmMain->ReopenFiles().first(), fixture);

  const QString copy = dir.filePath("copy.xml");
  dmMain->AskSaveSchemeName = [copy](const QString&) { return copy; };
  dmMain->UpdateActions();
  EXPECT_FALSE(dmMain->acSave->isEnabled());
  dmMain->acSaveAs->trigger();
  EXPECT_TRUE(QFile::exists(copy));
  EXPECT_EQ(design->windowTitle(), "copy.xml (InterBase 6)");
  EXPECT_EQ(dmMain->ReopenFiles().first(), copy);
  design->SetModified(true, mkDrawing);
  dmMain->UpdateActions();
  ASSERT_TRUE(dmMain->acSave->isEnabled());
  dmMain->acSave->trigger();
  EXPECT_FALSE(design->Modified());
  EXPECT_TRUE(messages.isEmpty()) << qPrintable(messages.join("|"));

  // A file that cannot be read: its error, no window, and still a recent file.
  const QString bad = dir.filePath("bad.xml");
  QFile f(bad);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("not a schema");
  f.close();
  dmMain->OpenFile(bad);
  Settle();
  EXPECT_EQ(frmMain->Designs().size(), 1u);
  ASSERT_EQ(messages.size(), 1);
  EXPECT_TRUE(messages[0].startsWith(QStringLiteral("Chyba při načítání schématu.\n")));
  EXPECT_EQ(dmMain->ReopenFiles().first(), bad);
}

// Answers each message box with the button of the given caption, in turn.
void AnswerBoxes(QStringList Captions, QStringList* Asked) {
  QTimer::singleShot(0, [Captions, Asked]() mutable {
    auto* box = qobject_cast<TfMB*>(QApplication::activeModalWidget());
    if (!box) return;
    *Asked << box->lMsg->text();
    const QString caption = Captions.takeFirst();
    if (!Captions.isEmpty()) AnswerBoxes(Captions, Asked);
    for (QPushButton* b : box->Buttons())
      if (b->text() == caption) b->click();
  });
}

TEST_F(Shell, ClosingTheProgramAsksEveryModifiedSchema) {
  TfrmDesign* a = New();
  TfrmDesign* b = New();
  TfrmDesign* c = New();
  ASSERT_TRUE(a && b && c);
  a->SetModified(true, mkDrawing);
  c->SetModified(true, mkDrawing);
  QPointer<TfrmDesign> pa(a), pb(b), pc(c);

  // Cancel in the second question: nothing closes, the program runs on.
  QStringList asked;
  AnswerBoxes({"&Ne", "&Zrušit"}, &asked);
  dmMain->acExit->trigger();
  Settle();
  EXPECT_EQ(asked.size(), 2);
  EXPECT_TRUE(frmMain->isVisible());
  EXPECT_TRUE(pa && pb && pc);

  // A failed save (Yes) keeps everything open too.
  asked.clear();
  AnswerBoxes({"&Ano"}, &asked);
  EXPECT_FALSE(frmMain->CloseAllDesigns());
  Settle();
  EXPECT_EQ(asked.size(), 1);
  EXPECT_TRUE(pa && pb && pc);

  // No to both: every window closes without a further question.
  asked.clear();
  AnswerBoxes({"&Ne", "&Ne"}, &asked);
  EXPECT_TRUE(frmMain->CloseAllDesigns());
  Settle();
  EXPECT_EQ(asked.size(), 2);
  EXPECT_FALSE(pa || pb || pc);
  EXPECT_TRUE(frmMain->Designs().empty());
}

TEST_F(Shell, TheStatusBarShowsTheModifiedMarkAndHints) {
  TfrmDesign* d = New();
  ASSERT_NE(d, nullptr);
  EXPECT_FALSE(frmMain->sbrPanel0->property("modified").toBool());
  d->SetModified(true, mkDrawing);
  EXPECT_TRUE(frmMain->sbrPanel0->property("modified").toBool());
  EXPECT_FALSE(frmMain->sbrPanel0->pixmap().isNull());
  frmMain->ShowHint("Nový projekt");
  EXPECT_EQ(frmMain->sbrPanel1->text(), "Nový projekt");
  d->SetModified(false, mkNothing);
  d->CloseWithoutQuery();
  Settle();
  EXPECT_TRUE(frmMain->sbrPanel0->pixmap().isNull());
}

// While the script viewer is visible every hint goes to its status bar, its own items' hints
// and the program's alike; once it is hidden the main window's status bar shows them again.
TEST_F(Shell, WhileTheScriptViewerIsVisibleTheHintsShowInItsStatusBar) {
  frmMain->ShowHint(QString());
  frmReport->LoadText("SELECT 1;", "Vygenerovaný skript", true);
  frmReport->resize(900, 400);
  frmReport->show();
  Settle();
  // Pointing at a tool button sends its hint to the button's window.
  const auto point = [](QToolBar* Bar, QAction* Action) {
    QWidget* button = Bar->widgetForAction(Action);
    ASSERT_NE(button, nullptr);
    QStatusTipEvent tip(button->statusTip());
    QApplication::sendEvent(button, &tip);
  };
  point(frmReport->findChild<QToolBar*>(), frmReport->acFind);
  EXPECT_EQ(frmReport->sbPanel1->text(), "Vyhledávání slova v textu");
  point(frmMain->tbrFile, dmMain->acOpen);
  EXPECT_EQ(frmReport->sbPanel1->text(), "Otevření uloženého projektu");
  EXPECT_TRUE(frmMain->sbrPanel1->text().isEmpty());

  frmReport->hide();
  Settle();
  point(frmMain->tbrFile, dmMain->acOpen);
  EXPECT_EQ(frmMain->sbrPanel1->text(), "Otevření uloženého projektu");
  EXPECT_EQ(frmReport->sbPanel1->text(), "Otevření uloženého projektu");
  frmMain->ShowHint(QString());
}

// A dialog has no status bar of its own: the hints of its controls go where the program's
// hints go, the script viewer's status bar while it is visible and the main window's otherwise.
TEST_F(Shell, TheHintsOfADialogsControlsShowInTheProgramsStatusBar) {
  QDialog dialog;
  auto* button = new QToolButton(&dialog);
  button->setStatusTip(QStringLiteral("Nová položka"));
  frmReport->LoadText("SELECT 1;", "Vygenerovaný skript", true);
  for (const bool viewerShown : {false, true}) {
    frmMain->ShowHint(QString());
    frmReport->sbPanel1->clear();
    frmReport->setVisible(viewerShown);
    Settle();
    QStatusTipEvent tip(button->statusTip());
    QApplication::sendEvent(button, &tip);
    QLabel* shown = viewerShown ? frmReport->sbPanel1 : frmMain->sbrPanel1;
    QLabel* other = viewerShown ? frmMain->sbrPanel1 : frmReport->sbPanel1;
    EXPECT_EQ(shown->text(), "Nová položka") << viewerShown;
    EXPECT_TRUE(other->text().isEmpty()) << viewerShown;
  }
  frmReport->hide();
  frmMain->ShowHint(QString());
}

TEST_F(Shell, AnExceptionOfAHandlerIsShownAndTheProgramGoesOn) {
  QObject target;
  QString shown;
  QTimer::singleShot(10, [&shown] {
    auto* box = qobject_cast<TfMB*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    shown = box->lMsg->text();
    box->Buttons().front()->click();
  });
  QTimer::singleShot(0, &target, [] { throw std::runtime_error("Selhání obsluhy"); });
  for (int i = 0; i < 20 && shown.isEmpty(); ++i) {
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  EXPECT_EQ(shown, "Selhání obsluhy");
}

} // namespace
