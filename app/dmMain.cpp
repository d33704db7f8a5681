#include "app/dmMain.h"

#include "app/ClipboardOffer.h"
#include "app/PagePrinting.h"
#include "Interface/dialogs/PropertyDialogs.h"
#include "diagram/Entity.h"
#include "diagram/Note.h"
#include "diagram/ProjectInfo.h"
#include "diagram/Relation.h"
#include "diagram/TextLabel.h"
#include "app/frmPrintProperties.h"
#include "app/frmReport.h"
#include "app/frmSchemeInfo.h"
#include "docgen/frmDocumentationProperties.h"

#include "Interface/dialogs/frmReverseItems.h"
#include "Interface/dialogs/frmReverseProgress.h"
#include "Interface/dialogs/frmReverseProperties.h"
#include "Interface/dialogs/frmSelectDB.h"
#include "Interface/dialogs/frmSelectReverse.h"
#include "app/DesignSettingLink.h"
#include "app/MyPrinter.h"
#include "app/Startup.h"
#include "app/ZoomBox.h"
#include "app/frmAbout.h"
#include "app/frmDesignSetting.h"
#include "app/frmMain.h"
#include "diagram/Resizer.h"
#include "editor/CreateComp.h"
#include "editor/DesignSamples.h"
#include "editor/Ruler.h"
#include "editor/VisualModel.h"
#include "editor/frmBrowser.h"
#include "editor/frmErrorBrowser.h"
#include "editor/frmDesign.h"
#include "ui/Component.h"
#include "ui/Desktop.h"
#include "ui/Exception.h"
#include "ui/FailureReport.h"
#include "ui/ImageList.h"
#include "ui/MB.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QLayout>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <exception>

TdmMain* dmMain = nullptr;

namespace {

// The pictures of the action list, by index; 17 and 18 are the modified mark.
const char* const ActionPictures[] = {
    "new",          "open",
    "save",         "saveas",
    "close",        "exit",
    "cascade",      "tilehorizontal",
    "tilevertical", "minimizeall",
    "windowclose",  "arrow",
    "hand",         "entity",
    "relation",     "note",
    "entrypoint",   "modified",
    "modified",     "text",
    "projectinfo",  "scale",
    "cut",          "copy",
    "paste",        "delete",
    "properties",   "addtext",
    "removetext",   "modelproperties",
    "reverse",      "diffreverse",
    "check",        "generate",
    "showscript",   "generatedoc",
    "showdoc",      "arrange",
    "showbrowser",  "showerrorbrowser",
    "showrulers",   "findinbrowser",
    "palette",      "setting",
    "setprinter",   "print",
    "help",         "schemeinfo",
    "about",        "key",
};

QImage Picture(const char* Name) {
  QImage image(QStringLiteral(":/pictures/%1.png").arg(QLatin1String(Name)));
  return image.convertToFormat(QImage::Format_ARGB32);
}

// The long part of a hint: after "|", or the whole hint.
QString LongHint(const QString& Hint) {
  const int bar = Hint.indexOf(QLatin1Char('|'));
  return bar < 0 ? Hint : Hint.mid(bar + 1);
}

// The open and save dialogs of schema files: ".xml" by default.
void SetUpSchemeDialog(QFileDialog& Dialog, QFileDialog::AcceptMode Mode) {
  Dialog.setAcceptMode(Mode);
  Dialog.setOption(QFileDialog::DontUseNativeDialog);
  Dialog.setNameFilters({QStringLiteral("Morvik scheme (*.xml)"), QStringLiteral("Všechny soubory (*)")});
  Dialog.setDefaultSuffix(QStringLiteral("xml"));
}

QString ShortHint(const QString& Hint) {
  const int bar = Hint.indexOf(QLatin1Char('|'));
  return bar < 0 ? Hint : Hint.left(bar);
}

} // namespace

TdmMain::TdmMain(QObject* Parent) : QObject(Parent), FImageOwner(std::make_unique<ui::TComponent>(nullptr)) {
  Q_INIT_RESOURCE(pictures);
  setObjectName(QStringLiteral("dmMain"));
  imlActions = new ui::TImageList(FImageOwner.get());
  for (const char* name : ActionPictures) imlActions->Add(Picture(name));
  imlDesign = new ui::TImageList(FImageOwner.get());
  imlDesign->Add(Picture("key"));
  SetDesignImages(imlDesign);
  MessageDisplay = [](const QString& Message) {
    QMessageBox::information(QApplication::activeWindow(), QStringLiteral("Morvik"), Message);
  };
  AskOpenFileName = [] {
    QFileDialog dialog(QApplication::activeWindow(), QStringLiteral("Otevření projektu"));
    SetUpSchemeDialog(dialog, QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? dialog.selectedFiles().first()
               : QString();
  };
  AskSaveSchemeName = [](const QString& Preset) {
    QFileDialog dialog(QApplication::activeWindow(), QStringLiteral("Uložení projektu"));
    SetUpSchemeDialog(dialog, QFileDialog::AcceptSave);
    // The overwrite question is the schema window's.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.selectFile(Preset);
    return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
               ? dialog.selectedFiles().first()
               : QString();
  };
  UrlOpener = [](const QUrl& Url) { return QDesktopServices::openUrl(Url); };
  CreateActions();
  CreateMenus();
  // The enabling rules follow the program's state as the user works.
  auto* timer = new QTimer(this);
  connect(timer, &QTimer::timeout, this, [this] {
    try {
      UpdateActions();
    } catch (...) {
      // Tried again on the next tick; a failure of the enabling leaves the user nothing to do.
    }
  });
  timer->start(150);
}

TdmMain::~TdmMain() {
  if (DesignImages() == imlDesign) SetDesignImages(nullptr);
  while (FBusy > 0) SetBusy(false);
}

QString TdmMain::Category(const QAction* Action) { return Action->property("category").toString(); }

QAction* TdmMain::MakeAction(const char* Name, const char* Category, const QString& Caption,
                             const QString& Shortcut, const QString& Hint, const char* Picture) {
  auto* a = new QAction(Caption, this);
  a->setObjectName(QLatin1String(Name));
  a->setProperty("category", QLatin1String(Category));
  if (!Shortcut.isEmpty()) a->setShortcut(QKeySequence(Shortcut));
  a->setToolTip(ShortHint(Hint));
  a->setStatusTip(LongHint(Hint));
  a->setProperty("hint", Hint);
  if (Picture) a->setIcon(QIcon(QPixmap::fromImage(::Picture(Picture))));
  FActions.push_back(a);
  return a;
}

void TdmMain::OnExecute(QAction* Action, std::function<void()> Handler) {
  ui::GuardedConnect(Action, &QAction::triggered, this, std::move(Handler));
}

void TdmMain::CreateActions() {
  // clang-format off
  acNew = MakeAction("acNew", "File", "Nový", "Ctrl+N", "Nový projekt|Nový projekt", "new");
  acOpen = MakeAction("acOpen", "File", "&Otevřít", "Ctrl+O", "Otevření uloženého projektu|Otevření uloženého projektu", "open");
  acSave = MakeAction("acSave", "File", "Uložit", "Ctrl+S", "Uložení projektu|Uložení projektu", "save");
  acSaveAs = MakeAction("acSaveAs", "File", "Uložit &jako", "", "Uložení projektu pod jiným jménem|Uložení projektu pod jiným jménem", "saveas");
  acClose = MakeAction("acClose", "File", "&Zavřít", "", "Zavření aktuálního projektu|Zavření aktuálního projektu", "close");
  acExit = MakeAction("acExit", "File", "&Konec", "Alt+X", "Ukončit|Ukončení programu", "exit");
  acWindowCascade = MakeAction("acWindowCascade", "Window", "&Kaskáda", "", "Kaskáda|Seřadí okna za sebe (do kaskády)", "cascade");
  acWindowTileHorizontal = MakeAction("acWindowTileHorizontal", "Window", "Nad sebe &vodorovně", "", "Vodorovně|Seřadí okna tak aby byly pod sebou a nekryla se", "tilehorizontal");
  acWindowTileVertical = MakeAction("acWindowTileVertical", "Window", "Vedle sebe &svisle", "", "Svisle|Seřadí okna tak aby byly vedle sebe a nekryla se", "tilevertical");
  acWindowMinimizeAll = MakeAction("acWindowMinimizeAll", "Window", "&Minimalizovat vše", "", "Minimalizace všech oken|Minimalizace všech oken", "minimizeall");
  acWindowClose = MakeAction("acWindowClose", "Window", "&Zavřít", "", "Zavření okna|Zavření okna", "windowclose");
  acArrow = MakeAction("acArrow", "Design", "Šipka", "", "Šipka|Základní mód - vybírání objektů, označování, ...", "arrow");
  acHand = MakeAction("acHand", "Design", "Ruka", "", "Posun|Posun (scrolování) plochy", "hand");
  acEntity = MakeAction("acEntity", "Design", "acEntity", "", "Entita|Vložení nové entity", "entity");
  acRelation = MakeAction("acRelation", "Design", "Relace", "", "Relace|Vytvoření nové relace nebo propojení s poznámkou", "relation");
  acNote = MakeAction("acNote", "Design", "Poznámka", "", "Poznámka|Vložení nové poznámky", "note");
  acEntryPoint = MakeAction("acEntryPoint", "Design", "Vstupní bod", "", "Vstupní bod|Vytvoření nového vstupního bodu nad entitou", "entrypoint");
  acText = MakeAction("acText", "Design", "Text", "", "Text|Vytvoření nového textu", "text");
  acProjectInfo = MakeAction("acProjectInfo", "Design", "Informace o projektu", "", "Informace o projektu|Vložení komponenty zobrazující informace o projektu", "projectinfo");
  acScale = MakeAction("acScale", "Design", "Lupa", "", "Změna měřítka|Změna měřítka pracovní plochy", "scale");
  acCut = MakeAction("acCut", "Edit", "Vyříz&nout", "Ctrl+X", "Přesunutí označených komponent do schránky|Přesunutí označených komponent do schránky", "cut");
  acCopy = MakeAction("acCopy", "Edit", "&Kopírovat", "Ctrl+C", "Zkopírování označených komponent do schránky|Zkopírování označených komponent do schránky", "copy");
  acPaste = MakeAction("acPaste", "Edit", "&Vložit", "Ctrl+V", "Vložení komponent ze schránky|Vložení komponent ze schránky", "paste");
  acDelete = MakeAction("acDelete", "Edit", "&Smazat", "Del", "Smazání označených komponent|Smazání označených komponent", "delete");
  acEntityDelete = MakeAction("acEntityDelete", "Entity", "&Smazat", "", "Smazání entity|Smazání entity", "delete");
  acEntityProperties = MakeAction("acEntityProperties", "Entity", "&Vlastnosti", "", "Vlastnosti entity|Vlastnosti entity", "properties");
  acEntryPointDelete = MakeAction("acEntryPointDelete", "EntryPoint", "Smazat vstupní &bod", "", "Smazání vstupního bodu|Smazání vstupního bodu", "delete");
  acNoteDelete = MakeAction("acNoteDelete", "Note", "&Smazat", "", "Smazání poznámky|Smazání poznámky", "delete");
  acNoteProperties = MakeAction("acNoteProperties", "Note", "&Vlastnosti", "", "Vlastnosti poznámky|Vlastnosti poznámky", "properties");
  acRelationDelete = MakeAction("acRelationDelete", "Relation", "&Smazat", "", "Smazání relace|Smazání relace", "delete");
  acRelationProperties = MakeAction("acRelationProperties", "Relation", "&Vlastnosti", "", "Vlastnosti relace|Vlastnosti relace", "properties");
  acAddText = MakeAction("acAddText", "Relation", "&Zobrazit popisku", "", "Zobrazení popisky relace|Zobrazení popisky relace", "addtext");
  acRemoveTextLabel = MakeAction("acRemoveTextLabel", "Relation", "Schovej popisku", "", "Schování popisku relace|Schování popisku relace", "removetext");
  acTextLabelDelete = MakeAction("acTextLabelDelete", "TextLabel", "&Smazat", "", "Smazání textu|Smazání textu", "delete");
  acTextLabelProperties = MakeAction("acTextLabelProperties", "TextLabel", "&Vlastnosti", "", "Vlastnosti textu|Vlastnosti textu", "properties");
  acProjectInfoDelete = MakeAction("acProjectInfoDelete", "ProjectInfo", "&Smazat", "", "Smazání InfoBoxu o projektu|Smazání InfoBoxu o projektu", "delete");
  acProjectInfoProperties = MakeAction("acProjectInfoProperties", "ProjectInfo", "&Vlastnosti", "", "Vlastnosti InfoBoxu|Vlastnosti InfoBoxu", "properties");
  acModelProperties = MakeAction("acModelProperties", "ProjectInfo", "Vlastnosti modelu", "", "Vlastnosti modelu|Vlastnosti modelu", "modelproperties");
  acReverse = MakeAction("acReverse", "Model", "&Reverse", "", "Reversní inženýrství|Vytvoření nového projektu reversním inženýrstvím ze zvolené databáze", "reverse");
  acDiffReverse = MakeAction("acDiffReverse", "Model", "Rozdílový reverse", "", "Rozdílový reverse|Rozdílový reverse", "diffreverse");
  acCheck = MakeAction("acCheck", "Model", "&Zkontrolování modelu", "", "Zkontrolování schéma, zda neobsahuje chyby|Zkontrolování schéma, zda neobsahuje chyby", "check");
  acGenerate = MakeAction("acGenerate", "Model", "Generování skriptu...", "", "Generování skriptu|Generování skriptu", "generate");
  acShowScript = MakeAction("acShowScript", "Model", "Zobraz &skript", "", "Zobrazení naposledy vygenerovaného skriptu|Zobrazení naposledy vygenerovaného skriptu", "showscript");
  acGenerateDoc = MakeAction("acGenerateDoc", "Model", "Generování dokumentace...", "", "Generování dokumentace|Generování dokumentace projektu", "generatedoc");
  acShowDoc = MakeAction("acShowDoc", "Model", "Zobraz dokumentaci", "", "Zobrazení vygenerované dokumentace|Zobrazení naposledy vygenerované dokumentace", "showdoc");
  acArrange = MakeAction("acArrange", "Model", "&Přeuspořádat", "", "Přeuspořádání komponent|Přeuspořádání komponent na pracovní ploše", "arrange");
  acShowBrowser = MakeAction("acShowBrowser", "Show", "&Seznam komponent", "", "Zobrazení/schování okna se seznamem komponent|Zobrazení/schování okna se seznamem komponent", "showbrowser");
  acShowErrorBrowser = MakeAction("acShowErrorBrowser", "Show", "Seznam &chyb", "", "Zobrazení/schování okna se seznamem chyb|Zobrazení/schování okna se seznamem chyb", "showerrorbrowser");
  acShowRulers = MakeAction("acShowRulers", "Show", "P&ravítka", "", "Zobrazení/schování pravítka|Zobrazení/schování pravítka", "showrulers");
  acFidnInBrowser = MakeAction("acFidnInBrowser", "Show", "&Najdi v seznamu", "", "Nalezení komponenty v seznamu komponent|Nalezení komponenty v seznamu komponent", "findinbrowser");
  acSPFile = MakeAction("acSPFile", "Show", "&Soubor", "", "Paleta soubor|Paleta pro práci se soubory", nullptr);
  acSPDesign = MakeAction("acSPDesign", "Show", "&Modelování", "", "Paleta modelování|Paleta pro modelování", nullptr);
  acSPWindow = MakeAction("acSPWindow", "Show", "&Okna", "", "Paleta okna|Paleta pro práci s okny", nullptr);
  acSPClipboard = MakeAction("acSPClipboard", "Show", "S&chránka", "", "Paleta Schránka|Paleta pro práci se schránkou", nullptr);
  acSPDatabase = MakeAction("acSPDatabase", "Show", "&Databáze", "", "Paleta Databáze|Paleta Databáze", nullptr);
  acSPView = MakeAction("acSPView", "Show", "&Zobrazit/schovat", "", "Paleta zobrazit|Paleta pro zobrazení/schování objektů", nullptr);
  acSetting = MakeAction("acSetting", "Setting", "&Nastavení", "", "Nastavení prostředí, programu, ...|Nastavení prostředí, programu, ...", "setting");
  acSetPrinter = MakeAction("acSetPrinter", "Print", "Nastavení tiskárny...", "", "Nastavení tiskárny|Nastavení tiskárny", "setprinter");
  acPrint = MakeAction("acPrint", "Print", "Tisk...", "Ctrl+P", "Tisk schématu|Tisk schématu", "print");
  acHelp = MakeAction("acHelp", "Help", "&Nápověda", "F1", "Nápověda|Nápověda", "help");
  acSchemeInfo = MakeAction("acSchemeInfo", "Help", "Informace o schématu", "", "Informace o projektu (statistiky)|Informace o projektu (statistiky)", "schemeinfo");
  acAbout = MakeAction("acAbout", "Help", "&O aplikaci Morvik", "Ctrl+F1", "Informace o aplikaci Morvik|Informace o aplikaci Morvik", "about");
  // clang-format on

  for (QAction* a : {acArrow, acHand, acEntity, acRelation, acNote, acEntryPoint, acText, acProjectInfo,
                     acScale, acShowBrowser, acShowErrorBrowser, acShowRulers, acSPFile, acSPDesign,
                     acSPWindow, acSPClipboard, acSPDatabase, acSPView})
    a->setCheckable(true);
  acArrow->setChecked(true);
  acShowRulers->setChecked(true);

  // Enabling rules. An action given no rule stays disabled.
  const auto always = [] { return true; };
  const auto never = [] { return false; };
  const auto design = [this] { return HasDesign(); };
  const auto children = [] { return frmMain && !frmMain->ChildWindows().empty(); };
  for (QAction* a : FActions) FEnabling[a] = never;
  for (QAction* a : {acNew, acExit, acAbout, acSetting, acSPFile, acSPDesign, acSPWindow, acSPClipboard,
                     acSPDatabase, acSPView})
    FEnabling[a] = always;
  for (QAction* a : {acClose, acArrow, acHand, acEntity, acRelation, acNote, acEntryPoint, acText, acScale,
                     acShowBrowser, acShowErrorBrowser, acShowRulers})
    FEnabling[a] = design;
  FEnabling[acOpen] = always;
  FEnabling[acSave] = [this] { return HasDesign() && Design()->Modified(); };
  FEnabling[acSaveAs] = design;
  FEnabling[acCut] = [this] { return HasDesign() && Design()->HasSelection(); };
  FEnabling[acCopy] = [this] { return HasDesign() && Design()->HasSelection(); };
  // The clipboard's text is fetched by the paste only: the rule asks what it offers.
  FEnabling[acPaste] = [this, offer = new TClipboardOffer(QApplication::clipboard(), this)] {
    return HasDesign() && offer->HasText();
  };
  FEnabling[acProjectInfo] = [this] { return HasDesign() && !Design()->VisualModel->ProjectInfo; };
  for (QAction* a : {acWindowCascade, acWindowTileHorizontal, acWindowTileVertical, acWindowMinimizeAll})
    FEnabling[a] = children;
  FEnabling[acWindowClose] = [] { return frmMain && frmMain->ClientArea->currentSubWindow(); };
  FEnabling[acSetPrinter] = [this] { return Printer != nullptr; };
  FEnabling[acPrint] = [this] { return HasDesign() && Printer != nullptr; };
  for (QAction* a : {acCheck, acGenerate, acGenerateDoc, acArrange, acSchemeInfo}) FEnabling[a] = design;
  FEnabling[acReverse] = always;
  FEnabling[acDiffReverse] = design;
  FEnabling[acShowScript] = [this] { return HasDesign() && !Design()->VisualModel->Script.isEmpty(); };
  FEnabling[acShowDoc] = [this] {
    return HasDesign() && !Design()->VisualModel->DocumentationPath.isEmpty();
  };
  FEnabling[acHelp] = [] { return frmMain && QFileInfo::exists(frmMain->HelpFileName); };

  // Tools.
  const std::pair<QAction*, TDesignTool> tools[] = {{acArrow, toolArrow},    {acHand, toolHand},
                                                    {acEntity, toolEntity},  {acRelation, toolRelation},
                                                    {acNote, toolNote},      {acEntryPoint, toolEntryPoint},
                                                    {acText, toolTextLabel}, {acProjectInfo, toolProjectInfo},
                                                    {acScale, toolZoom}};
  for (const auto& [action, tool] : tools) OnExecute(action, [this, tool = tool] { SetTool(tool); });

  OnExecute(acNew, [this] { acNewExecute(); });
  OnExecute(acPrint, [this] { acPrintExecute(); });
  WireEditingCommands();
  OnExecute(acOpen, [this] { acOpenExecute(); });
  // The schema-wide commands of the active window.
  const std::pair<QAction*, void (TfrmDesign::*)()> commands[] = {
      {acCheck, &TfrmDesign::CheckModelCommand},   {acGenerate, &TfrmDesign::GenerateScript},
      {acShowScript, &TfrmDesign::ShowScript},     {acGenerateDoc, &TfrmDesign::DocumentationProperties},
      {acShowDoc, &TfrmDesign::ShowDocumentation}, {acArrange, &TfrmDesign::Arrange},
      {acSchemeInfo, &TfrmDesign::ShowSchemeInfo}};
  for (const auto& [action, command] : commands)
    OnExecute(action, [this, command = command] {
      if (TfrmDesign* design = Design()) (design->*command)();
    });
  OnExecute(acSave, [this] { acSaveExecute(); });
  OnExecute(acSaveAs, [this] { acSaveAsExecute(); });
  OnExecute(acCut, [this] { acCutExecute(); });
  OnExecute(acCopy, [this] { acCopyExecute(); });
  OnExecute(acReverse, [this] { acReverseExecute(); });
  OnExecute(acDiffReverse, [this] { acDiffReverseExecute(); });
  OnExecute(acPaste, [this] { acPasteExecute(); });
  OnExecute(acClose, [this] { acCloseExecute(); });
  OnExecute(acExit, [this] { acExitExecute(); });
  OnExecute(acWindowCascade, [this] { acWindowCascadeExecute(); });
  OnExecute(acWindowTileHorizontal, [this] { acWindowTileHorizontalExecute(); });
  OnExecute(acWindowTileVertical, [this] { acWindowTileVerticalExecute(); });
  OnExecute(acWindowMinimizeAll, [this] { acWindowMinimizeAllExecute(); });
  OnExecute(acWindowClose, [this] { acWindowCloseExecute(); });
  OnExecute(acShowBrowser, [this] { acShowBrowserExecute(); });
  OnExecute(acShowErrorBrowser, [this] { acShowErrorBrowserExecute(); });
  OnExecute(acShowRulers, [this] { acShowRulersExecute(); });
  OnExecute(acSetting, [this] { acSettingExecute(); });
  OnExecute(acSetPrinter, [this] { acSetPrinterExecute(); });
  OnExecute(acHelp, [this] { acHelpExecute(); });
  OnExecute(acAbout, [this] { acAboutExecute(); });
}

void TdmMain::CreateMenus() {
  auto menu = [this](const QString& Title, const char* Name) {
    FMenus.push_back(std::make_unique<QMenu>(Title));
    FMenus.back()->setObjectName(QLatin1String(Name));
    return FMenus.back().get();
  };
  auto add = [](QMenu* Menu, std::initializer_list<QAction*> Items) {
    for (QAction* a : Items)
      if (a)
        Menu->addAction(a);
      else
        Menu->addSeparator();
  };
  QMenu* file = menu(QStringLiteral("&Soubor"), "miFile");
  add(file, {acNew, acOpen});
  miReOpen = menu(QStringLiteral("&Dříve otevřené"), "miReOpen");
  miReOpen->menuAction()->setToolTip(QStringLiteral("Dříve otevřené soubory"));
  miReOpen->menuAction()->setStatusTip(QStringLiteral("Dříve otevřené soubory"));
  miReOpen->setEnabled(false);
  file->addMenu(miReOpen);
  add(file, {acSave, acSaveAs, acClose, nullptr, acSetPrinter, acPrint, nullptr, acExit});
  QMenu* edit = menu(QStringLiteral("Ú&pravy"), "miEdit");
  add(edit, {acCut, acCopy, acPaste, acDelete});
  QMenu* model = menu(QStringLiteral("&Model"), "miModel");
  add(model, {acReverse, acDiffReverse, nullptr, acCheck, acGenerate, acShowScript, nullptr, acGenerateDoc,
              acShowDoc, nullptr, acArrange, acModelProperties});
  QMenu* setting = menu(QStringLiteral("&Nastavení"), "miSetting");
  add(setting, {acSetting});
  QMenu* view = menu(QStringLiteral("&Zobrazit"), "miView");
  QMenu* palettes = menu(QStringLiteral("&Palety"), "miPalettes");
  add(palettes, {acSPDesign, acSPFile, acSPWindow, acSPClipboard, acSPDatabase, acSPView});
  view->addMenu(palettes);
  add(view, {acShowBrowser, acShowErrorBrowser, acShowRulers});
  miWindow = menu(QStringLiteral("&Okna"), "miWindow");
  add(miWindow,
      {acWindowCascade, acWindowMinimizeAll, acWindowTileVertical, acWindowTileHorizontal, acWindowClose});
  QMenu* info = menu(QStringLiteral("&Informace"), "miInfo");
  add(info, {acSchemeInfo, acHelp, nullptr, acAbout});
  mnuMain = {file, edit, model, setting, view, miWindow, info};

  mnuPalette = menu(QString(), "mnuPalette");
  add(mnuPalette, {acSPDesign, acSPFile, acSPWindow, acSPClipboard, acSPDatabase, acSPView});

  auto editMenu = [&](QMenu* Owner, std::initializer_list<QAction*> Items) {
    QMenu* sub = menu(QStringLiteral("&Edit"), "miEdit");
    add(sub, Items);
    Owner->addMenu(sub);
  };
  mnuDesktop = menu(QString(), "mnuDesktop");
  editMenu(mnuDesktop, {acCut, acCopy, acPaste, acDelete});
  add(mnuDesktop, {acModelProperties});
  mnuEntity = menu(QString(), "mnuEntity");
  editMenu(mnuEntity, {acCut, acCopy, acEntityDelete});
  add(mnuEntity, {nullptr, acEntryPointDelete, acFidnInBrowser, acEntityProperties});
  mnuRelation = menu(QString(), "mnuRelation");
  editMenu(mnuRelation, {acCut, acCopy, acRelationDelete});
  add(mnuRelation, {nullptr, acFidnInBrowser, acAddText, acRemoveTextLabel, nullptr, acRelationProperties});
  mnuNote = menu(QString(), "mnuNote");
  editMenu(mnuNote, {acCut, acCopy, acNoteDelete});
  add(mnuNote, {nullptr, acFidnInBrowser, acNoteProperties});
  mnuProjectInfo = menu(QString(), "mnuProjectInfo");
  editMenu(mnuProjectInfo, {acCut, acCopy, acProjectInfoDelete});
  add(mnuProjectInfo, {nullptr, acFidnInBrowser, acProjectInfoProperties});
  mnuTextLabel = menu(QString(), "mnuTextLabel");
  editMenu(mnuTextLabel, {acCut, acCopy, acTextLabelDelete});
  add(mnuTextLabel, {nullptr, acFidnInBrowser, acTextLabelProperties});
  mnuEntryPoint = menu(QString(), "mnuEntryPoint");
  mnuReOpen = menu(QString(), "mnuReOpen");
}

bool TdmMain::HasDesign() const { return frmMain && frmMain->HasActiveDesign(); }

TfrmDesign* TdmMain::Design() const { return frmMain ? frmMain->ActiveDesign() : nullptr; }

void TdmMain::UpdateActions() {
  for (QAction* a : FActions) a->setEnabled(FEnabling[a]());
  TfrmDesign* design = Design();
  if (design) {
    acShowBrowser->setChecked(design->Browser && !design->Browser->isHidden());
    acShowErrorBrowser->setChecked(design->ErrorBrowser && !design->ErrorBrowser->isHidden());
    acShowRulers->setChecked(!design->pbTopRuler->isHidden());
  }
  if (frmMain) {
    // The zoom box works only with a schema window to zoom.
    frmMain->cbxZoom->setEnabled(design != nullptr);
    const std::vector<QToolBar*> bars = frmMain->ToolBars();
    QAction* const palettes[] = {acSPFile, acSPDesign, acSPWindow, acSPClipboard, acSPDatabase, acSPView};
    for (size_t i = 0; i < bars.size(); ++i) palettes[i]->setChecked(!bars[i]->isHidden());
  }
}

// ---- The host of the schema windows ------------------------------------------------------

void TdmMain::SetTool(TDesignTool Tool) {
  int cursor = ui::crArrow;
  QAction* action = acArrow;
  switch (Tool) {
    case toolHand:
      FStickyTool = true;
      cursor = ui::crHandPoint;
      action = acHand;
      break;
    case toolEntity: action = acEntity; break;
    case toolRelation: action = acRelation; break;
    case toolNote: action = acNote; break;
    case toolEntryPoint: action = acEntryPoint; break;
    case toolTextLabel: action = acText; break;
    case toolProjectInfo: action = acProjectInfo; break;
    case toolZoom:
      FStickyTool = true;
      cursor = ui::crCross;
      action = acScale;
      break;
    default:
      Tool = toolArrow;
      FStickyTool = true;
      break;
  }
  SetCursorOnDesigns(cursor);
  FTool = Tool;
  CheckToolAction(action);
}

void TdmMain::CheckToolAction(QAction* Action) {
  for (QAction* a : FActions)
    if (Category(a) == QLatin1String("Design")) a->setChecked(false);
  Action->setChecked(true);
}

void TdmMain::SetCursorOnDesigns(int Cursor) {
  if (!frmMain) return;
  const auto cursor = static_cast<ui::TCursor>(Cursor);
  for (TfrmDesign* design : frmMain->Designs()) {
    ui::TDesktop* desktop = design->Desktop;
    const ui::TCursor old = desktop->DefaultCursor();
    desktop->SetDefaultCursor(cursor);
    for (int i = 0; i < desktop->ComponentCount(); ++i) {
      auto* handle = dynamic_cast<TResizer*>(desktop->Component(i));
      if (!handle) continue;
      if (cursor != ui::crArrow && old == ui::crArrow) {
        handle->SetDefaultCursor(cursor);
        handle->SetChangeCursor(false);
      } else if (cursor == ui::crArrow && old != ui::crArrow) {
        handle->SetDefaultCursor(ui::crArrow);
        if (handle->EnableResize()) handle->SetChangeCursor(true);
      }
    }
  }
}

void TdmMain::SetBusy(bool Busy) {
  if (Busy) {
    ++FBusy;
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (FBusy > 0) {
    --FBusy;
    QApplication::restoreOverrideCursor();
  }
}

QString TdmMain::PluginFolder() const { return frmMain ? frmMain->PluginFolder : QString(); }

QSize TdmMain::PrinterPageSize() const {
  return Printer ? QSize(Printer->PageWidth, Printer->PageHeight) : QSize();
}

void TdmMain::ModifiedChanged(TfrmDesign*) {
  if (frmMain) frmMain->sbrMainDrawPanel();
}

void TdmMain::ShowZoom(TfrmDesign*, int Zoom) {
  if (!frmMain) return;
  TZoomBox::Show(frmMain->cbxZoom, Zoom);
}

void TdmMain::ShowMessage(const QString& Message) {
  if (MessageDisplay) MessageDisplay(Message);
}

// ---- New, open, recent files ---------------------------------------------------------------

void TdmMain::acNewExecute() {
  if (!frmSelectDB) return;
  if (frmSelectDB->exec() != QDialog::Accepted || !frmSelectDB->HasSelection()) return;
  NewDesign(frmSelectDB->SelectedFileName(), frmSelectDB->SelectedModelName(),
            frmSelectDB->SelectedVersion());
}

TfrmDesign* TdmMain::NewDesign(const QString& DLLFileName, const QString& DBModelName,
                               const QString& DLLVersion) {
  TfrmDesign* design = nullptr;
  try {
    design = new TfrmDesign(this);
    ++NewCount;
    const QString name = QStringLiteral("Nepojmenovaný ") + QString::number(NewCount);
    if (!design->BindModel(DLLFileName, DBModelName, DLLVersion))
      throw ui::Exception(QStringLiteral("Nepodařilo se načíst DLL knihovnu!\n"));
    design->SetFileName(QString(), name);
    if (frmMain) frmMain->AddDesign(design);
    return design;
  } catch (...) {
    const QString message = ui::MessageOf(std::current_exception(), QString());
    ShowMessage(QStringLiteral("Chyba při vytváření okna.\n") + message);
    delete design;
    return nullptr;
  }
}

void TdmMain::acOpenExecute() {
  const QString file = AskOpenFileName ? AskOpenFileName() : QString();
  if (!file.isEmpty()) OpenFile(file);
}

void TdmMain::OpenFile(const QString& FileName) {
  auto* design = new TfrmDesign(this);
  if (frmMain) frmMain->AddDesign(design);
  design->SetFileName(FileName, QString());
  if (!design->LoadSchema()) design->CloseWithoutQuery();
  AddReopenFile(FileName);
}

QStringList TdmMain::ReopenFiles() const {
  QStringList paths;
  for (const QAction* a : miReOpen->actions()) paths << a->data().toString();
  return paths;
}

void TdmMain::AddReopenFile(const QString& FileName) {
  // Each entry keeps its path; its caption shows the path's "&" as it stands.
  QList<QAction*> entries = miReOpen->actions();
  QAction* entry = nullptr;
  for (QAction* a : entries)
    if (a->data().toString() == FileName) {
      entry = a;
      break;
    }
  if (entry && entry == entries.first()) return;
  if (entry) {
    miReOpen->removeAction(entry);
  } else {
    entry = new QAction(miReOpen);
    entry->setData(FileName);
    ui::GuardedConnect(entry, &QAction::triggered, this, [this, entry] { miReOpenClick(entry); });
  }
  entries = miReOpen->actions();
  miReOpen->insertAction(entries.isEmpty() ? nullptr : entries.first(), entry);
  entries = miReOpen->actions();
  for (int i = 0; i < entries.size(); ++i) {
    QString path = entries[i]->data().toString();
    path.replace(QLatin1Char('&'), QStringLiteral("&&"));
    const QString number = QString::number(i) + QStringLiteral("  ");
    entries[i]->setText((i <= 9 ? QStringLiteral("&") : QString()) + number + path);
    entries[i]->setStatusTip(QStringLiteral("Dříve otevřené soubory"));
  }
  while (miReOpen->actions().size() > 10) {
    QAction* last = miReOpen->actions().at(10);
    miReOpen->removeAction(last);
    delete last;
  }
  miReOpen->setEnabled(!miReOpen->actions().isEmpty());
  mnuReOpen->clear();
  for (QAction* a : miReOpen->actions()) mnuReOpen->addAction(a);
}

void TdmMain::miReOpenClick(QAction* Item) { OpenFile(Item->data().toString()); }

QString TdmMain::AskSaveFileName(const QString& Preset) {
  return AskSaveSchemeName ? AskSaveSchemeName(Preset) : QString();
}

void TdmMain::acSaveExecute() {
  if (TfrmDesign* design = Design()) design->Save();
}

void TdmMain::acSaveAsExecute() {
  if (TfrmDesign* design = Design()) design->SaveAs();
}

void TdmMain::acCutExecute() {
  if (TfrmDesign* design = Design()) design->Cut();
}

void TdmMain::acCopyExecute() {
  if (TfrmDesign* design = Design()) design->CopyToClipboard();
}

void TdmMain::acPasteExecute() {
  if (TfrmDesign* design = Design()) design->PasteFromClipboard();
}

// ---- Commands ----------------------------------------------------------------------------

void TdmMain::acCloseExecute() {
  // The window's frame closes it, and the window asks about unsaved changes.
  if (TfrmDesign* design = Design()) {
    if (QWidget* frame = design->parentWidget())
      frame->close();
    else
      design->close();
  }
}

void TdmMain::acExitExecute() {
  if (frmMain) frmMain->close();
}

void TdmMain::acWindowCascadeExecute() { frmMain->ClientArea->cascadeSubWindows(); }

namespace {

// Tiles the child windows of the main window over its whole client area: in rows one above
// another (Rows) or in columns side by side. The windows are restored first and the frame
// laid out again, since a maximised child window changes the room the frame gives the area.
void TileChildWindows(bool Rows) {
  const std::vector<QMdiSubWindow*> windows = frmMain->ChildWindows();
  for (QMdiSubWindow* w : windows) w->showNormal();
  if (QLayout* layout = frmMain->layout()) layout->activate();
  const QRect area = frmMain->ClientArea->viewport()->rect();
  const int n = static_cast<int>(windows.size());
  const int length = Rows ? area.height() : area.width();
  for (int i = 0; i < n; ++i) {
    const int from = length * i / n, to = length * (i + 1) / n;
    windows[static_cast<size_t>(i)]->setGeometry(Rows ? QRect(0, from, area.width(), to - from)
                                                      : QRect(from, 0, to - from, area.height()));
  }
}

} // namespace

void TdmMain::acWindowTileHorizontalExecute() { TileChildWindows(true); }

void TdmMain::acWindowTileVerticalExecute() { TileChildWindows(false); }

void TdmMain::acWindowMinimizeAllExecute() {
  // A maximised window would hand its state on to each window activated after it, and
  // so bring the minimised ones back.
  QMdiArea* area = frmMain->ClientArea;
  const bool keep = area->testOption(QMdiArea::DontMaximizeSubWindowOnActivation);
  area->setOption(QMdiArea::DontMaximizeSubWindowOnActivation, true);
  const std::vector<QMdiSubWindow*> windows = frmMain->ChildWindows();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) (*it)->showMinimized();
  area->setOption(QMdiArea::DontMaximizeSubWindowOnActivation, keep);
}

void TdmMain::acWindowCloseExecute() {
  if (QMdiSubWindow* window = frmMain->ClientArea->currentSubWindow()) window->close();
}

void TdmMain::acShowBrowserExecute() {
  if (TfrmDesign* design = Design()) design->ToggleDockedWindow(design->Browser, true);
}

void TdmMain::acShowErrorBrowserExecute() {
  if (TfrmDesign* design = Design()) design->ToggleDockedWindow(design->ErrorBrowser, false);
}

void TdmMain::acShowRulersExecute() {
  if (TfrmDesign* design = Design()) design->SetRulersVisible(acShowRulers->isChecked());
}

void TdmMain::acSettingExecute() {
  if (!frmDesignSetting) return;
  TfrmDesign* design = Design();
  frmDesignSetting->Execute(design ? TDesignSettingLink::Of(design) : nullptr);
}

void TdmMain::acSetPrinterExecute() {
  if (!Printer) return;
  QPageSetupDialog dialog(Printer->Printer(), QApplication::activeWindow());
  if (dialog.exec() != QDialog::Accepted) return;
  Printer->Measure();
  // The desktops keep their sizes; their rulers mark the new page.
  if (frmMain)
    for (TfrmDesign* design : frmMain->Designs()) {
      design->ReapplyDesktopSize();
      design->RepaintRulers(TfrmDesign::rulBoth);
    }
}

void TdmMain::acHelpExecute() {
  const QString help = frmMain ? frmMain->HelpFileName : QString();
  if (!OpenLocalUrl(QUrl::fromLocalFile(help)))
    MB(QStringLiteral("Nemohu spustit prohlížeč HTML souborů abych otevřel soubor s nápovědou\n") + help,
       QStringLiteral("Chyba!"), mtError, MsgButtons({mbOK}), mbOK, 0);
}

void TdmMain::acAboutExecute() {
  if (frmAbout) frmAbout->exec();
}

void TdmMain::PopupMenu(TfrmDesign*, TDesignMenu Menu, const QPoint& GlobalPos) {
  QMenu* menu = nullptr;
  switch (Menu) {
    case TDesignMenu::Desktop: menu = mnuDesktop; break;
    case TDesignMenu::Entity: menu = mnuEntity; break;
    case TDesignMenu::Note: menu = mnuNote; break;
    case TDesignMenu::ProjectInfo: menu = mnuProjectInfo; break;
    case TDesignMenu::TextLabel: menu = mnuTextLabel; break;
    case TDesignMenu::Relation: menu = mnuRelation; break;
  }
  if (!menu) return;
  // The items' enabling follows the selection the click has just made.
  UpdateActions();
  menu->popup(GlobalPos);
}

void TdmMain::acPrintExecute() {
  TfrmDesign* design = Design();
  if (!design || !Printer || !frmPrintProperties) return;
  PrintDesign(*frmPrintProperties, *Printer, *design, [] { return AskPdfFileName(frmMain); });
}

// ---- Script, documentation -------------------------------------------------------------------

void TdmMain::ShowJoinedMessage(const QString& Text, const QString& Detail) {
  ShowMessage(Text + QLatin1Char('\n') + Detail);
}

void TdmMain::ShowScript(TfrmDesign*, const QString& Script, const QString& Caption) {
  if (frmReport) frmReport->ShowText(Script, Caption, true);
}

QString TdmMain::DocumentationProperties(TfrmDesign* Design) {
  QString path;
  if (frmDocumentationProperties && Design) frmDocumentationProperties->Execute(Design, path);
  return path;
}

bool TdmMain::OpenLocalUrl(const QUrl& Url) {
  // Only a file of this computer: never a program's address or a remote one.
  if (!Url.isLocalFile() || !UrlOpener) return false;
  return UrlOpener(Url);
}

void TdmMain::ShowSchemeInfo(TfrmDesign* Design) {
  if (!frmSchemeInfo || !Design) return;
  const TDesignSamples* samples = TDesignSamples::Current();
  const QString format = samples && samples->DefProjectInfo ? samples->DefProjectInfo->FormatStr()
                                                            : QString::fromLatin1(TProjectInfo::DefFormatStr);
  frmSchemeInfo->FillInfo(*Design->VisualModel, Design->Model, format);
  frmSchemeInfo->exec();
}

QString TdmMain::ImagesFolder() const { return frmMain ? frmMain->ImagesFolder : QString(); }

void TdmMain::GenerateScript() {
  if (TfrmDesign* design = Design()) design->GenerateScript();
}

void TdmMain::ShowDocumentation() {
  if (TfrmDesign* design = Design()) design->ShowDocumentation();
}

void TdmMain::Progress(int, int) {
  // Repaint while the site is written; the busy cursor keeps the user's input out.
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

TPropertyDialogs& TdmMain::PropertyDialogs() {
  if (!FPropertyDialogs) FPropertyDialogs = std::make_unique<TPropertyDialogs>();
  return *FPropertyDialogs;
}

bool TdmMain::EditElement(TfrmDesign* Design, TMorvikGraphic* Element) {
  return Design && Element && Design->EditElementProperties(Element);
}

bool TdmMain::EditModel(TfrmDesign* Design, const Morvik::TCheckRecord* Record) {
  return Design && PropertyDialogs().EditModel(Design, Record);
}

bool TdmMain::EditEntity(TfrmDesign* Design, TEntity* Entity, const Morvik::TCheckRecord* Record) {
  return Design && Entity && PropertyDialogs().EditElement(Design, Entity, Record);
}

bool TdmMain::EditRelation(TfrmDesign* Design, TRelation* Relation, const Morvik::TCheckRecord* Record) {
  return Design && Relation && PropertyDialogs().EditElement(Design, Relation, Record);
}

bool TdmMain::EditNote(TfrmDesign* Design, TNote* Note) {
  return Design && Note && PropertyDialogs().EditElement(Design, Note);
}

bool TdmMain::EditTextLabel(TfrmDesign* Design, TTextLabel* TextLabel) {
  return Design && TextLabel && PropertyDialogs().EditElement(Design, TextLabel);
}

bool TdmMain::EditProjectInfo(TfrmDesign* Design, TProjectInfo* ProjectInfo) {
  return Design && ProjectInfo && PropertyDialogs().EditElement(Design, ProjectInfo);
}

void TdmMain::WireEditingCommands() {
  // The one selected element of a kind, or null.
  const auto selectedIs = [this](auto Test) {
    return [this, Test] {
      TfrmDesign* d = Design();
      return d && d->Selection.size() == 1 && Test(d->Selection.front());
    };
  };
  const auto isEntity = [](TMorvikGraphic* e) { return dynamic_cast<TEntity*>(e) != nullptr; };
  const auto isRelation = [](TMorvikGraphic* e) { return dynamic_cast<TRelation*>(e) != nullptr; };
  const auto isNote = [](TMorvikGraphic* e) { return dynamic_cast<TNote*>(e) != nullptr; };
  const auto isLabel = [](TMorvikGraphic* e) { return dynamic_cast<TTextLabel*>(e) != nullptr; };
  const auto isInfo = [](TMorvikGraphic* e) { return dynamic_cast<TProjectInfo*>(e) != nullptr; };
  const auto any = [this] { return HasDesign() && Design()->HasSelection(); };

  const struct {
    QAction* Action;
    std::function<bool()> Enabled;
    std::function<void(TfrmDesign*)> Command;
  } commands[] = {
      {acEntityProperties, selectedIs(isEntity), [](TfrmDesign* d) { d->EditSelectedEntity(); }},
      {acRelationProperties, selectedIs(isRelation), [](TfrmDesign* d) { d->EditSelectedRelation(); }},
      {acNoteProperties, selectedIs(isNote), [](TfrmDesign* d) { d->EditSelectedNote(); }},
      {acTextLabelProperties, selectedIs(isLabel), [](TfrmDesign* d) { d->EditSelectedTextLabel(); }},
      {acProjectInfoProperties, selectedIs(isInfo), [](TfrmDesign* d) { d->EditSelectedProjectInfo(); }},
      {acModelProperties, [this] { return HasDesign(); }, [](TfrmDesign* d) { d->EditModelProperties(); }},
      {acDelete, any, [](TfrmDesign* d) { d->DeleteSelection(); }},
      {acEntityDelete, selectedIs(isEntity), [](TfrmDesign* d) { d->DeleteSelectedEntity(); }},
      {acRelationDelete, selectedIs(isRelation), [](TfrmDesign* d) { d->DeleteSelectedRelation(); }},
      {acNoteDelete, selectedIs(isNote), [](TfrmDesign* d) { d->DeleteSelectedNote(); }},
      {acTextLabelDelete, selectedIs(isLabel), [](TfrmDesign* d) { d->DeleteSelectedTextLabel(); }},
      {acProjectInfoDelete, selectedIs(isInfo), [](TfrmDesign* d) { d->DeleteSelectedProjectInfo(); }},
      {acEntryPointDelete, [this] { return HasDesign() && Design()->SelectedEntityHasEntryPoint(); },
       [](TfrmDesign* d) { d->DeleteSelectedEntryPoint(); }},
      {acAddText, [this] { return HasDesign() && Design()->CanShowRelationLabel(); },
       [](TfrmDesign* d) { d->ShowRelationLabel(); }},
      {acRemoveTextLabel, [this] { return HasDesign() && Design()->CanHideRelationLabel(); },
       [](TfrmDesign* d) { d->HideRelationLabel(); }},
      {acFidnInBrowser, any, [](TfrmDesign* d) { d->FindSelectedInBrowser(); }},
  };
  for (const auto& c : commands) {
    SetEnabling(c.Action, c.Enabled);
    OnExecute(c.Action, [this, command = c.Command] {
      if (TfrmDesign* design = Design()) command(design);
    });
  }
}

// ---- Reverse engineering -------------------------------------------------------------------

void TdmMain::acReverseExecute() {
  if (!frmSelectReverse || !frmSelectReverse->Execute(false)) return;
  const int source = frmSelectReverse->SelectedSourceIndex();
  if (TfrmDesign* design =
          NewDesign(frmSelectReverse->SelectedFileName(), frmSelectReverse->SelectedModelName(),
                    frmSelectReverse->SelectedVersion()))
    design->ReverseEngineer(source, false);
}

void TdmMain::acDiffReverseExecute() {
  TfrmDesign* design = Design();
  if (!design || !frmSelectReverse) return;
  frmSelectReverse->FilterByModel(design->Model);
  if (!frmSelectReverse->Execute(true)) return;
  design->ReverseEngineer(frmSelectReverse->SelectedSourceIndex(), true);
}

bool TdmMain::ReverseProperties(Morvik::TParamObject* Options, TReverseLogin& Login) {
  if (!frmReverseProperties || !frmReverseProperties->Execute(Options)) return false;
  Login.User = frmReverseProperties->edtName->text();
  Login.Password = frmReverseProperties->edtPasswd->text();
  Login.DataSource = frmReverseProperties->edtDataSource->text();
  return true;
}

bool TdmMain::ReverseItems(Morvik::TReverseGroups* Groups, int Mode) {
  return frmReverseItems && Groups && frmReverseItems->Execute(Groups, Mode);
}

Morvik::TProgress* TdmMain::ReverseProgress() {
  return frmReverseProgress ? frmReverseProgress->Progress() : nullptr;
}

void TdmMain::ShowProgress(bool Visible) {
  if (Visible)
    ::ShowProgress();
  else
    ::HideProgress();
}
