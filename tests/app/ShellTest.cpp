// The program's shell: start-up order and splash, the action table with its menus and
// enabling, new schema windows, tools, zoom box, recent files, and closing the program with
// modified schemas. The whole start-up runs once, with the built plug-in beside the program.
#include "Interface/dialogs/frmSelectDB.h"
#include "app/MorvikApplication.h"
#include "app/MyPrinter.h"
#include "app/Startup.h"
#include "tests/app/StartedProgram.h"
#include "app/dmMain.h"
#include "app/frmMain.h"
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
#include <QMenu>
#include <QPageSize>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include "diagram/Entity.h"
#include "Interface/MorvikInterface.h"
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

const QString ProgramPath = QStringLiteral(MORVIK_PLUGIN_DIR "/../morvik");

class Shell : public ::testing::Test {
protected:
  static void SetUpTestSuite() { startup = StartProgram(ProgramPath); }
  static void TearDownTestSuite() {
    delete startup;
    startup = nullptr;
  }
  void SetUp() override {
    messages.clear();
    dmMain->MessageDisplay = [](const QString& m) { messages << m; };
    dmMain->AskSaveSchemeName = [](const QString&) { return QString(); };
  }
  void TearDown() override {
    for (TfrmDesign* d : frmMain->Designs()) d->CloseWithoutQuery();
    Settle();
  }
  static void Settle() {
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
  }
  static TfrmDesign* New() {
    TfrmDesign* d = dmMain->NewDesign("varne.so", "InterBase 6", "2.0");
    Settle();
    return d;
  }

  static TStartup* startup;
  static QStringList messages;
};
TStartup* Shell::startup = nullptr;
QStringList Shell::messages;

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
      {m.acCut, "&Vyříznout", "Ctrl+X", "Ú&pravy", {false, false, false}},
      {m.acCopy, "&Kopírovat", "Ctrl+C", "Ú&pravy", {false, false, false}},
      {m.acPaste, "&Vložit", "Ctrl+V", "Ú&pravy", {false, false, false}},
      {m.acDelete, "&Smazat", "Del", "Ú&pravy", {false, false, false}},
      {m.acReverse, "&Reverse", "", "&Model", {true, true, true}},
      {m.acDiffReverse, "Rozdílový reverse", "", "&Model", {false, true, true}},
      {m.acCheck, "&Zkontrolování modelu", "", "&Model", {false, true, true}},
      {m.acGenerate, "Generování skriptu...", "", "&Model", {false, true, true}},
      {m.acShowScript, "&Zobraz skript", "", "&Model", {false, false, false}},
      {m.acGenerateDoc, "Generování dokumentace...", "", "&Model", {false, true, true}},
      {m.acShowDoc, "Zobraz dokumentaci", "", "&Model", {false, false, false}},
      {m.acArrange, "&Přeuspořádat", "", "&Model", {false, true, true}},
      {m.acModelProperties, "Vlastnosti modelu", "", "&Model", {false, true, true}},
      {m.acSetting, "&Nastavení", "", "&Nastavení", {true, true, true}},
      {m.acSPDesign, "&Modelování", "", "&Zobrazit/&Palety", {true, true, true}},
      {m.acSPView, "&Zobrazit/schovat", "", "&Zobrazit/&Palety", {true, true, true}},
      {m.acShowBrowser, "&Seznam komponent", "", "&Zobrazit", {false, true, true}},
      {m.acShowErrorBrowser, "&Seznam chyb", "", "&Zobrazit", {false, true, true}},
      {m.acShowRulers, "&Pravítka", "", "&Zobrazit", {false, true, true}},
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
    if (windows > 0) ASSERT_NE(New(), nullptr);
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
  struct Case {
    int Tool;
    QAction* Checked;
    bool Sticky;
    ui::TCursor Cursor;
  };
  const Case cases[] = {{toolHand, dmMain->acHand, true, ui::crHandPoint},
                        {toolZoom, dmMain->acScale, true, ui::crCross},
                        {toolArrow, dmMain->acArrow, true, ui::crArrow},
                        {42, dmMain->acArrow, true, ui::crArrow}}; // no tool: the arrow
  for (const Case& c : cases) {
    dmMain->SetTool(c.Tool);
    EXPECT_EQ(dmMain->Tool(), c.Tool == 42 ? toolArrow : c.Tool);
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
  dmMain->FStickyTool = false;
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
  design->SetModified(true, 1);
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
  a->SetModified(true, 1);
  c->SetModified(true, 1);
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
  d->SetModified(true, 1);
  EXPECT_TRUE(frmMain->sbrPanel0->property("modified").toBool());
  EXPECT_FALSE(frmMain->sbrPanel0->pixmap().isNull());
  frmMain->ShowHint("Nový projekt");
  EXPECT_EQ(frmMain->sbrPanel1->text(), "Nový projekt");
  d->SetModified(false, 0);
  d->CloseWithoutQuery();
  Settle();
  EXPECT_TRUE(frmMain->sbrPanel0->pixmap().isNull());
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

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  TMorvikApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
