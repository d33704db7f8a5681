#include "app/frmMain.h"

#include "app/MyPrinter.h"
#include "app/Settings.h"
#include "app/Startup.h"
#include "app/ZoomBox.h"
#include "app/dmMain.h"
#include "editor/frmDesign.h"
#include "ui/Exception.h"
#include "ui/FailureReport.h"
#include "ui/ImageList.h"
#include "ui/MB.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <exception>

TfrmMain* frmMain = nullptr;

TfrmMain::TfrmMain(const QString& ProgramPath, const QStringList& Arguments, QWidget* Parent)
    : QMainWindow(Parent), FArguments(Arguments) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QStringLiteral("Morvik"));
  resize(652, 480);
  QFont f(QStringLiteral("MS Sans Serif"));
  f.setPixelSize(11);
  setFont(f);
  QCoreApplication::instance()->installEventFilter(this);

  ClientArea = new QMdiArea(this);
  ClientArea->setObjectName(QStringLiteral("ClientArea"));
  setCentralWidget(ClientArea);
  for (QMenu* menu : dmMain->mnuMain) menuBar()->addMenu(menu);
  // The shortcuts work anywhere in the window.
  addActions(QList<QAction*>(dmMain->Actions().begin(), dmMain->Actions().end()));
  CreateToolBars();

  sbrPanel0 = new QLabel(this);
  sbrPanel0->setObjectName(QStringLiteral("sbrPanel0"));
  sbrPanel0->setFixedWidth(20);
  sbrPanel1 = new QLabel(this);
  sbrPanel1->setObjectName(QStringLiteral("sbrPanel1"));
  sbrPanel1->setMinimumWidth(500);
  statusBar()->setObjectName(QStringLiteral("sbrMain"));
  statusBar()->addWidget(sbrPanel0);
  statusBar()->addWidget(sbrPanel1, 1);

  connect(dmMain->miWindow, &QMenu::aboutToShow, this, [this] {
    // The list of open child windows follows the window commands.
    QMenu* menu = dmMain->miWindow;
    for (QAction* a : menu->actions())
      if (a->property("windowEntry").toBool()) {
        menu->removeAction(a);
        a->deleteLater();
      }
    const std::vector<QMdiSubWindow*> windows = ChildWindows();
    if (!windows.empty()) menu->addSeparator()->setProperty("windowEntry", true);
    int n = 1;
    for (QMdiSubWindow* w : windows) {
      // A "&" of the caption is shown as it stands.
      QString caption = w->windowTitle();
      caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
      QAction* a = menu->addAction(QStringLiteral("&%1 %2").arg(n++).arg(caption));
      a->setProperty("windowEntry", true);
      a->setCheckable(true);
      a->setChecked(w == ClientArea->currentSubWindow());
      connect(a, &QAction::triggered, ClientArea, [this, w] { ClientArea->setActiveSubWindow(w); });
    }
  });
  ui::GuardedConnect(ClientArea, &QMdiArea::subWindowActivated, this, [this] {
    if (TfrmDesign* design = ActiveDesign()) design->UpdateZoomCombo();
    UpdateCaption();
    sbrMainDrawPanel();
    dmMain->UpdateActions();
  });

  // The program's folders and files beside the program.
  const QFileInfo program(ProgramPath);
  const QString folder = program.absolutePath() + QLatin1Char('/');
  IniFileName = SettingsFileName(ProgramPath);
  PluginFolder = folder + QStringLiteral("DLL/");
  ImagesFolder = folder + QStringLiteral("Images/");
  HelpFileName = folder + QStringLiteral("manual/main.html");

  Settings = std::make_unique<TSettingsFile>(IniFileName);
  Settings->Load(
      *this, [](const QString& Path) { dmMain->AddReopenFile(Path); }, frmDesignSetting);
  try {
    dmMain->Printer = std::make_unique<TMyPrinter>();
  } catch (...) {
    // No usable printer: the program runs without one and the print commands stay off.
    dmMain->Printer.reset();
  }
  sbrMainDrawPanel();
}

TfrmMain::~TfrmMain() {
  QCoreApplication::instance()->removeEventFilter(this);
  // The schema windows go while the data module, their host, is still there.
  ClientArea->closeAllSubWindows();
  for (QMdiSubWindow* w : ClientArea->subWindowList()) delete w;
}

QToolBar* TfrmMain::NewToolBar(const char* Name, const QString& Title) {
  auto* bar = new QToolBar(Title, this);
  bar->setObjectName(QLatin1String(Name));
  bar->setIconSize(QSize(16, 16));
  addToolBar(Qt::TopToolBarArea, bar);
  return bar;
}

void TfrmMain::CreateToolBars() {
  tbrFile = NewToolBar("tbrFile", QStringLiteral("Soubor"));
  tbrFile->addAction(dmMain->acNew);
  tbrFile->addAction(dmMain->acOpen);
  if (auto* open = qobject_cast<QToolButton*>(tbrFile->widgetForAction(dmMain->acOpen))) {
    open->setMenu(dmMain->mnuReOpen);
    open->setPopupMode(QToolButton::MenuButtonPopup);
  }
  tbrFile->addAction(dmMain->acSave);
  tbrFile->addAction(dmMain->acPrint);
  tbrFile->addAction(dmMain->acSetting);

  tbrDesign = NewToolBar("tbrDesign", QStringLiteral("Modelování"));
  const std::pair<QAction*, const char*> tools[] = {
      {dmMain->acArrow, "sbtnArrow"},    {dmMain->acHand, "sbtnHand"},
      {dmMain->acScale, "sbtnScale"},    {nullptr, nullptr},
      {dmMain->acEntity, "sbtnEntity"},  {dmMain->acRelation, "sbtnRelation"},
      {dmMain->acNote, "sbtnNote"},      {dmMain->acEntryPoint, "sbtnEntryPoint"},
      {dmMain->acText, "sbtnTextLabel"}, {dmMain->acProjectInfo, "sbtnProjectInfo"}};
  for (const auto& [action, name] : tools) {
    if (!action) {
      tbrDesign->addSeparator();
      continue;
    }
    tbrDesign->addAction(action);
    auto* button = qobject_cast<QToolButton*>(tbrDesign->widgetForAction(action));
    button->setObjectName(QLatin1String(name));
    // Arrow, hand and zoom stay until another tool is chosen.
    button->setProperty("tag", DesignButtons.size() < 3 ? 1 : 0);
    DesignButtons.push_back(button);
    ui::GuardedConnect(button, &QToolButton::released, this, [this, button] {
      sbtnDesignMouseUp(button, QGuiApplication::queryKeyboardModifiers());
    });
  }

  tbrView = NewToolBar("tbrView", QStringLiteral("Zobrazit/schovat"));
  tbrView->addAction(dmMain->acShowBrowser);
  tbrView->addAction(dmMain->acShowRulers);
  tbrView->addAction(dmMain->acShowErrorBrowser);
  cbxZoom = new QComboBox(tbrView);
  cbxZoom->setObjectName(QStringLiteral("cbxZoom"));
  TZoomBox::Fill(cbxZoom);
  cbxZoom->setFixedWidth(69);
  cbxZoom->setToolTip(QStringLiteral("Změna měřítka"));
  cbxZoom->setStatusTip(QStringLiteral("Změna měřítka"));
  cbxZoom->setCurrentIndex(2);
  cbxZoom->setEnabled(false);
  tbrView->addWidget(cbxZoom);
  ui::GuardedConnect(cbxZoom, &QComboBox::activated, this, [this] { cbxZoomChange(); });

  addToolBarBreak(Qt::TopToolBarArea);
  tbrWindow = NewToolBar("tbrWindow", QStringLiteral("Okna"));
  tbrWindow->addAction(dmMain->acWindowCascade);
  tbrWindow->addAction(dmMain->acWindowTileHorizontal);
  tbrWindow->addAction(dmMain->acWindowTileVertical);
  tbrClipboard = NewToolBar("tbrClipboard", QStringLiteral("Schránka"));
  for (QAction* a : {dmMain->acCut, dmMain->acCopy, dmMain->acPaste, dmMain->acDelete})
    tbrClipboard->addAction(a);
  tbrDatabase = NewToolBar("tbrDatabase", QStringLiteral("Databáze"));
  for (QAction* a : {dmMain->acReverse, dmMain->acDiffReverse, dmMain->acCheck, dmMain->acGenerate,
                     dmMain->acShowScript, static_cast<QAction*>(nullptr), dmMain->acGenerateDoc,
                     dmMain->acShowDoc, static_cast<QAction*>(nullptr), dmMain->acArrange})
    if (a)
      tbrDatabase->addAction(a);
    else
      tbrDatabase->addSeparator();

  // The palette actions show and hide their tool bars.
  const std::pair<QAction*, QToolBar*> palettes[] = {
      {dmMain->acSPFile, tbrFile},         {dmMain->acSPDesign, tbrDesign},
      {dmMain->acSPWindow, tbrWindow},     {dmMain->acSPClipboard, tbrClipboard},
      {dmMain->acSPDatabase, tbrDatabase}, {dmMain->acSPView, tbrView}};
  for (const auto& [action, bar] : palettes) {
    action->setChecked(true);
    connect(action, &QAction::triggered, bar, [bar = bar](bool Checked) { bar->setVisible(Checked); });
    connect(bar, &QToolBar::visibilityChanged, action,
            [action = action, bar = bar] { action->setChecked(!bar->isHidden()); });
  }
}

std::vector<QToolBar*> TfrmMain::ToolBars() const {
  return {tbrFile, tbrDesign, tbrWindow, tbrClipboard, tbrDatabase, tbrView};
}

QMenu* TfrmMain::createPopupMenu() {
  // A copy, since the caller frees the menu it gets.
  auto* menu = new QMenu(this);
  menu->addActions(dmMain->mnuPalette->actions());
  return menu;
}

bool TfrmMain::HasActiveDesign() const { return ActiveDesign() != nullptr; }

TfrmDesign* TfrmMain::ActiveDesign() const {
  QMdiSubWindow* w = ClientArea->currentSubWindow();
  return w ? qobject_cast<TfrmDesign*>(w->widget()) : nullptr;
}

std::vector<QMdiSubWindow*> TfrmMain::ChildWindows() const {
  const QList<QMdiSubWindow*> list = ClientArea->subWindowList();
  return {list.begin(), list.end()};
}

std::vector<TfrmDesign*> TfrmMain::Designs() const {
  std::vector<TfrmDesign*> designs;
  for (QMdiSubWindow* w : ClientArea->subWindowList())
    if (auto* d = qobject_cast<TfrmDesign*>(w->widget())) designs.push_back(d);
  return designs;
}

QString TfrmMain::Caption() const {
  // A maximised child window shows its caption in the frame's, as multiple-document frames do.
  QMdiSubWindow* w = ClientArea ? ClientArea->currentSubWindow() : nullptr;
  if (w && w->isMaximized()) return QStringLiteral("Morvik - [") + w->windowTitle() + QStringLiteral("]");
  return QStringLiteral("Morvik");
}

void TfrmMain::UpdateCaption() {
  if (windowTitle() != Caption()) setWindowTitle(Caption());
}

void TfrmMain::changeEvent(QEvent* Event) {
  QMainWindow::changeEvent(Event);
  // Qt's maximised child window also writes into the frame's caption, appending its own
  // caption to whatever the frame showed when it was maximised: the frame's own caption is
  // put back once Qt is done.
  if (Event->type() == QEvent::WindowTitleChange && windowTitle() != Caption())
    QTimer::singleShot(0, this, [this] { ui::Guarded([this] { UpdateCaption(); }); });
}

QMdiSubWindow* TfrmMain::AddDesign(TfrmDesign* Design) {
  QMdiSubWindow* window = ClientArea->addSubWindow(Design);
  window->setAttribute(Qt::WA_DeleteOnClose);
  connect(window, &QMdiSubWindow::windowStateChanged, this, [this] { UpdateCaption(); });
  connect(window, &QWidget::windowTitleChanged, this, [this] { UpdateCaption(); });
  connect(window, &QObject::destroyed, this,
          [this] { QTimer::singleShot(0, this, [this] { UpdateCaption(); }); });
  window->resize(std::max(ClientArea->width() * 3 / 4, 400), std::max(ClientArea->height() * 3 / 4, 300));
  window->show();
  ClientArea->setActiveSubWindow(window);
  return window;
}

void TfrmMain::showEvent(QShowEvent* Event) {
  QMainWindow::showEvent(Event);
  if (FirstActivation) QTimer::singleShot(0, this, [this] { ui::Guarded([this] { FormActivate(); }); });
}

void TfrmMain::FormActivate() {
  if (!FirstActivation) return;
  FirstActivation = false;
  // A name without its folder is taken from the folder the program started in; the recent
  // files keep the whole path, so that it holds in any later start. An empty argument names no
  // file.
  if (!FArguments.isEmpty() && !FArguments.first().isEmpty())
    dmMain->OpenFile(QFileInfo(FArguments.first()).absoluteFilePath());
}

void TfrmMain::sbrMainDrawPanel() {
  TfrmDesign* design = ActiveDesign();
  if (!design) {
    sbrPanel0->clear();
    return;
  }
  const bool modified = design->Modified();
  QPixmap mark = QPixmap::fromImage(dmMain->imlActions->Image(modified ? 17 : 18));
  if (!modified) {
    QImage grey = mark.toImage().convertToFormat(QImage::Format_Grayscale8);
    QImage faded(grey.size(), QImage::Format_ARGB32);
    faded.fill(Qt::transparent);
    QPainter p(&faded);
    p.setOpacity(0.35);
    p.drawImage(0, 0, grey);
    mark = QPixmap::fromImage(faded);
  }
  sbrPanel0->setPixmap(mark);
  sbrPanel0->setProperty("modified", modified);
}

void TfrmMain::sbtnDesignMouseUp(QToolButton* Button, Qt::KeyboardModifiers Shift) {
  if (!Button->isChecked()) return;
  const bool shift = Shift & Qt::ShiftModifier;
  dmMain->SetStickyTool(shift);
  for (QToolButton* b : DesignButtons) {
    b->setProperty("marked", false);
    b->setStyleSheet(QString());
  }
  if (shift && Button->property("tag").toInt() != 1) {
    Button->setProperty("marked", true);
    Button->setStyleSheet(QStringLiteral("QToolButton { border: 2px solid #2050a0; }"));
  }
}

void TfrmMain::cbxZoomChange() {
  const QString text = cbxZoom->currentText();
  if (text.isEmpty()) return;
  if (TfrmDesign* design = ActiveDesign()) design->SetZoomCentered(TZoomBox::ZoomOfText(text));
}

void TfrmMain::ShowHint(const QString& Hint) {
  QLabel* panel = ReportHintPanel ? ReportHintPanel() : nullptr;
  (panel ? panel : sbrPanel1)->setText(Hint);
}

bool TfrmMain::eventFilter(QObject* Watched, QEvent* Event) {
  // Qt hands a hint up to the control's own window only, and a dialog has no status bar: every
  // hint, the main window's own included, is taken here before it reaches any window.
  if (Event->type() == QEvent::StatusTip && Watched->isWidgetType()) {
    ShowHint(static_cast<QStatusTipEvent*>(Event)->tip());
    return true;
  }
  return QMainWindow::eventFilter(Watched, Event);
}

bool TfrmMain::CloseAllDesigns() {
  for (TfrmDesign* design : Designs())
    if (!design->FormCloseQuery()) return false;
  for (TfrmDesign* design : Designs()) design->CloseWithoutQuery();
  return true;
}

void TfrmMain::closeEvent(QCloseEvent* Event) {
  bool closed = false;
  if (!ui::Guarded([&] { closed = CloseAllDesigns(); }) || !closed) {
    Event->ignore();
    return;
  }
  try {
    Settings->Save(*this, dmMain->ReopenFiles(), frmDesignSetting);
  } catch (...) {
    // The program closes all the same; an unwritable settings file only loses this session's
    // settings.
  }
  Event->accept();
}
