#include "app/frmReport.h"

#include "app/SqlLexer.h"
#include "app/frmFindDialog.h"
#include "ui/Exception.h"
#include "ui/FailureReport.h"
#include "ui/MB.h"
#include "ui/WholeFile.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPrinter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Courier New with characters 13 pixels high on a 96 dpi screen. Given in points, so that a
// printer draws it at the same size on paper.
QFont EditorFont() {
  QFont f(QStringLiteral("Courier New"));
  f.setStyleHint(QFont::Monospace);
  f.setPointSizeF(13 * 72.0 / 96);
  return f;
}

// The busy cursor while it lives.
struct TBusyCursor {
  TBusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~TBusyCursor() { QGuiApplication::restoreOverrideCursor(); }
  TBusyCursor(const TBusyCursor&) = delete;
  TBusyCursor& operator=(const TBusyCursor&) = delete;
};

QAction* MakeAction(QWidget* Owner, const QString& Caption, const QKeySequence& Shortcut,
                    const QString& Hint) {
  auto* action = new QAction(Caption, Owner);
  if (!Shortcut.isEmpty()) action->setShortcut(Shortcut);
  action->setStatusTip(Hint);
  action->setToolTip(Hint);
  Owner->addAction(action);
  return action;
}

} // namespace

TfrmReport::TfrmReport(TfrmFindDialog* FindDialog, QWidget* Parent)
    : TfrmAbstract(Parent), FFindDialog(FindDialog) {
  setWindowFlags(Qt::Window | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                 Qt::WindowMinMaxButtonsHint);
  setObjectName(QStringLiteral("frmReport"));
  setWindowTitle(QStringLiteral("Report"));
  setMinimumSize(250, 140);

  seReport = new QsciScintilla(this);
  seReport->setObjectName(QStringLiteral("seReport"));
  seReport->setUtf8(true);
  seReport->setFont(EditorFont());
  seReport->installEventFilter(this);
  snSQL = new TSqlLexer(EditorFont(), this);

  sbReport = new QStatusBar(this);
  sbReport->setSizeGripEnabled(false);
  sbPanel0 = new QLabel(sbReport);
  sbPanel0->setAlignment(Qt::AlignCenter);
  sbPanel0->setFixedWidth(60);
  sbPanel1 = new QLabel(sbReport);
  sbReport->addWidget(sbPanel0);
  sbReport->addWidget(sbPanel1, 1);

  CreateActions();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  CreateMenusAndToolBar(layout);
  layout->addWidget(seReport, 1);
  layout->addWidget(sbReport);

  AskSaveFileName = [this](const QString& Caption) {
    return QFileDialog::getSaveFileName(this, Caption, FFileName);
  };

  connect(seReport, &QsciScintilla::cursorPositionChanged, this, [this] { UpdateCaretStatus(); });
  connect(seReport, &QsciScintilla::textChanged, this, [this] {
    UpdateCaretStatus();
    acUndo->setEnabled(seReport->isUndoAvailable());
  });
  connect(seReport, &QsciScintilla::selectionChanged, this, [this] {
    const bool selected = seReport->hasSelectedText();
    acCut->setEnabled(selected);
    acCopy->setEnabled(selected);
    acDelete->setEnabled(selected);
  });
  if (FFindDialog)
    connect(FFindDialog->edSearchText, &QLineEdit::textChanged, this, [this] { UpdateFindAgain(); });

  SetHighlighting(true);
  UpdateFindAgain();
  UpdateCaretStatus();
  seReport->setFocus();
}

TfrmReport::~TfrmReport() {
  // The editor lets go of the highlighter before either is destroyed.
  seReport->setLexer(nullptr);
}

void TfrmReport::CreateActions() {
  acSave = MakeAction(this, QStringLiteral("&Uložit"), QKeySequence(Qt::CTRL | Qt::Key_S),
                      QStringLiteral("Uložení textu do souboru"));
  acSaveAs = MakeAction(this, QStringLiteral("Uložit &jako"), QKeySequence(),
                        QStringLiteral("Uložení textu do jiného souboru"));
  acPrint = MakeAction(this, QStringLiteral("&Tisk"), QKeySequence(Qt::CTRL | Qt::Key_P),
                       QStringLiteral("Vytištění textu"));
  acFind = MakeAction(this, QStringLiteral("&Hledat"), QKeySequence(Qt::CTRL | Qt::Key_F),
                      QStringLiteral("Vyhledávání slova v textu"));
  acFindAgain = MakeAction(this, QStringLiteral("&Najdi další"), QKeySequence(Qt::Key_F3),
                           QStringLiteral("Další výskyt hledaného slova"));
  acSyntax = MakeAction(this, QStringLiteral("Zvýrazněná &syntaxe"), QKeySequence(),
                        QStringLiteral("Zapnutí/vypnutí zvýraznění syntaxe"));
  acSyntax->setCheckable(true);
  acSyntax->setChecked(true);
  acCut = MakeAction(this, QStringLiteral("Vyříz&nout"), QKeySequence(Qt::CTRL | Qt::Key_X),
                     QStringLiteral("Přesunutí označeného textu do schránky"));
  acCopy = MakeAction(this, QStringLiteral("&Kopírovat"), QKeySequence(Qt::CTRL | Qt::Key_C),
                      QStringLiteral("Zkopírování označeného textu do schránky"));
  acPaste = MakeAction(this, QStringLiteral("&Vložit"), QKeySequence(Qt::CTRL | Qt::Key_V),
                       QStringLiteral("Vložení obsahu schránky do textu"));
  acDelete = MakeAction(this, QStringLiteral("&Smazat"), QKeySequence(Qt::Key_Delete),
                        QStringLiteral("Smazání označeného textu"));
  acSelectAll = MakeAction(this, QStringLiteral("&Označit vše"), QKeySequence(Qt::CTRL | Qt::Key_A),
                           QStringLiteral("Označení celého textu"));
  acUndo = MakeAction(this, QStringLiteral("&Zpět"), QKeySequence(Qt::ALT | Qt::Key_Backspace),
                      QStringLiteral("Zpět"));
  // Without a selection Del is the editor's own key, so the action stands aside.
  for (QAction* a : {acCut, acCopy, acDelete, acUndo}) a->setEnabled(false);

  GuardedConnect(acSave, &QAction::triggered, [this] { acSaveExecute(); });
  GuardedConnect(acSaveAs, &QAction::triggered, [this] { acSaveAsExecute(); });
  GuardedConnect(acPrint, &QAction::triggered, [this] { acPrintExecute(); });
  GuardedConnect(acFind, &QAction::triggered, [this] { acFindExecute(); });
  GuardedConnect(acFindAgain, &QAction::triggered, [this] { acFindAgainExecute(); });
  GuardedConnect(acSyntax, &QAction::triggered, [this] { acSyntaxExecute(); });
  connect(acCut, &QAction::triggered, seReport, &QsciScintilla::cut);
  connect(acCopy, &QAction::triggered, seReport, &QsciScintilla::copy);
  connect(acPaste, &QAction::triggered, seReport, &QsciScintilla::paste);
  connect(acDelete, &QAction::triggered, seReport, &QsciScintilla::removeSelectedText);
  connect(acSelectAll, &QAction::triggered, seReport, [this] { seReport->selectAll(true); });
  connect(acUndo, &QAction::triggered, seReport, &QsciScintilla::undo);
}

void TfrmReport::CreateMenusAndToolBar(QVBoxLayout* Layout) {
  auto* menu = new QMenuBar(this);
  QMenu* file = menu->addMenu(QStringLiteral("&Soubor"));
  file->addAction(acSave);
  file->addAction(acSaveAs);
  file->addSeparator();
  file->addAction(acPrint);
  QMenu* edit = menu->addMenu(QStringLiteral("Ú&pravy"));
  for (QAction* a : {acCut, acCopy, acPaste, acDelete, acSelectAll}) edit->addAction(a);
  edit->addSeparator();
  edit->addAction(acUndo);
  QMenu* search = menu->addMenu(QStringLiteral("Hle&dat"));
  search->addAction(acFind);
  search->addAction(acFindAgain);
  QMenu* script = menu->addMenu(QStringLiteral("S&kript"));
  script->addAction(acSyntax);
  Layout->setMenuBar(menu);

  auto* tools = new QToolBar(this);
  tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
  for (QAction* a : {acSave, acPrint}) tools->addAction(a);
  tools->addSeparator();
  for (QAction* a : {acCut, acCopy, acPaste, acUndo}) tools->addAction(a);
  tools->addSeparator();
  for (QAction* a : {acFind, acFindAgain}) tools->addAction(a);
  tools->addSeparator();
  tools->addAction(acSyntax);
  Layout->addWidget(tools);
}

void TfrmReport::LoadText(const QString& Text, const QString& Caption, bool Syntax) {
  acSyntax->setChecked(Syntax);
  SetHighlighting(Syntax);
  setWindowTitle(Caption);
  FFileName.clear();
  seReport->setText(Text);
  seReport->SendScintilla(QsciScintillaBase::SCI_EMPTYUNDOBUFFER);
  acUndo->setEnabled(false);
  sbPanel1->clear();
  UpdateCaretStatus();
}

void TfrmReport::ShowText(const QString& Text, const QString& Caption, bool Syntax) {
  LoadText(Text, Caption, Syntax);
  seReport->setFocus();
  exec();
}

QString TfrmReport::Text() const { return seReport->text(); }

void TfrmReport::SetHighlighting(bool On) {
  if (On) {
    if (seReport->lexer() != snSQL) seReport->setLexer(snSQL);
  } else if (seReport->lexer()) {
    seReport->setLexer(nullptr);
    seReport->setFont(EditorFont());
  }
}

void TfrmReport::UpdateCaretStatus() {
  int line = 0, index = 0;
  seReport->getCursorPosition(&line, &index);
  // The index counts bytes of the line; the column counts characters.
  const long lineStart = seReport->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
  const long column =
      seReport->SendScintilla(QsciScintillaBase::SCI_COUNTCHARACTERS, lineStart, lineStart + index);
  sbPanel0->setText(QString::number(column + 1) + QStringLiteral(" : ") + QString::number(line + 1));
}

void TfrmReport::UpdateFindAgain() {
  acFindAgain->setEnabled(FFindDialog && !FFindDialog->SearchText().isEmpty());
}

bool TfrmReport::event(QEvent* Event) {
  // The hints of the viewer's own tool bar and menus end here, at their window: the program
  // shows hints in the viewer's status bar while the viewer is visible.
  if (Event->type() == QEvent::StatusTip) {
    sbPanel1->setText(static_cast<QStatusTipEvent*>(Event)->tip());
    return true;
  }
  return TfrmAbstract::event(Event);
}

bool TfrmReport::eventFilter(QObject* Watched, QEvent* Event) {
  if (Watched == seReport &&
      (Event->type() == QEvent::KeyPress || Event->type() == QEvent::ShortcutOverride)) {
    auto* key = static_cast<QKeyEvent*>(Event);
    if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
      if (Event->type() == QEvent::ShortcutOverride) {
        Event->accept();
        return true;
      }
      ui::Guarded([this] { reject(); }, windowTitle());
      return true;
    }
  }
  return TfrmAbstract::eventFilter(Watched, Event);
}

void TfrmReport::WriteLines(const QString& FileName) const {
  const QString text = Text();
  QByteArray bytes;
  bytes.reserve(text.size() + text.size() / 16);
  // A line break ends a line; text after the last break is one more line.
  qsizetype start = 0;
  const qsizetype n = text.size();
  for (qsizetype i = 0; i < n; ++i) {
    const QChar c = text.at(i);
    if (c != QLatin1Char('\n') && c != QLatin1Char('\r')) continue;
    bytes += QStringView(text).mid(start, i - start).toUtf8();
    bytes += "\r\n";
    if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n')) ++i;
    start = i + 1;
  }
  if (start < n) {
    bytes += QStringView(text).mid(start).toUtf8();
    bytes += "\r\n";
  }

  ui::WriteWholeFile(FileName, bytes);
}

void TfrmReport::SaveInto(const QString& Name) {
  try {
    WriteLines(Name);
  } catch (...) {
    const QString detail = ui::MessageOf(std::current_exception(), ui::UnexpectedErrorText());
    MB(QStringLiteral("Chyba při ukládání skriptu do souboru ") + Name + QStringLiteral(".\n") + detail,
       windowTitle(), mtError, MsgButtons({mbOK}));
    return;
  }
  FFileName = Name;
}

void TfrmReport::acSaveExecute() {
  if (FFileName.isEmpty())
    acSaveAsExecute();
  else
    SaveInto(FFileName);
}

void TfrmReport::acSaveAsExecute() {
  const QString name =
      AskSaveFileName ? AskSaveFileName(acSaveAs->text().remove(QLatin1Char('&'))) : QString();
  if (!name.isEmpty()) SaveInto(name);
}

void TfrmReport::acSyntaxExecute() { SetHighlighting(acSyntax->isChecked()); }

void TfrmReport::PrintText(QPrinter& Target) {
  using S = QsciScintillaBase;
  // The text's area: 25 mm from the left, top and bottom edges of the sheet and 15 mm from
  // the right one, in the painter's coordinates, which start at the printable area unless
  // the printer paints the full sheet.
  const double dotsPerMm = Target.resolution() / 25.4;
  const QRect sheet = Target.paperRect(QPrinter::DevicePixel).toRect();
  const QRect printable = Target.pageRect(QPrinter::DevicePixel).toRect();
  QRect area(qRound(25 * dotsPerMm), qRound(25 * dotsPerMm), sheet.width() - qRound(40 * dotsPerMm),
             sheet.height() - qRound(50 * dotsPerMm));
  if (!Target.fullPage()) {
    area.translate(sheet.topLeft() - printable.topLeft());
    area = area.intersected(QRect(QPoint(0, 0), printable.size()));
  }
  if (area.isEmpty()) throw ui::Exception(QStringLiteral("Stránka tiskárny je pro text příliš malá."));

  Target.setDocName(windowTitle());
  seReport->SendScintilla(S::SCI_SETPRINTCOLOURMODE, S::SC_PRINT_COLOURONWHITE);
  seReport->SendScintilla(S::SCI_SETPRINTWRAPMODE, S::SC_WRAP_WORD);
  seReport->SendScintilla(S::SCI_SETPRINTMAGNIFICATION, 0);
  QPainter painter;
  if (!painter.begin(&Target)) throw ui::Exception(QStringLiteral("Tiskárnu se nepodařilo spustit."));
  const long length = seReport->SendScintilla(S::SCI_GETLENGTH);
  long position = 0;
  for (bool first = true;; first = false) {
    if (!first && !Target.newPage()) {
      Target.abort();
      throw ui::Exception(QStringLiteral("Tiskárna nepřijala další stránku."));
    }
    const long next = seReport->SendScintilla(S::SCI_FORMATRANGE, 1, &painter, area, position, length);
    // Each sheet takes at least one line; a sheet that takes nothing ends the printing.
    if (next <= position || next >= length) break;
    position = next;
  }
  painter.end();
}

void TfrmReport::acPrintExecute() {
  QPrinter* target = Printer ? Printer() : nullptr;
  if (!target) return;
  const TBusyCursor busy;
  PrintText(*target);
}

void TfrmReport::acFindExecute() {
  if (!FFindDialog || FFindDialog->exec() != mrOk) return;
  FindFromDialog();
}

bool TfrmReport::FindFromDialog() {
  if (!FFindDialog) return false;
  TSearchOptions options;
  options.MatchCase = FFindDialog->cbSearchCaseSensitive->isChecked();
  options.WholeWord = FFindDialog->cbSearchWholeWords->isChecked();
  options.Backwards = FFindDialog->SearchBackwards();
  options.EntireScope = !FFindDialog->cbSearchFromCursor->isChecked();
  options.SelectedOnly = FFindDialog->cbSearchSelectedOnly->isChecked();
  FSearchOptions = options;
  return SearchText(FFindDialog->SearchText(), options);
}

void TfrmReport::acFindAgainExecute() {
  if (!FFindDialog) return;
  TSearchOptions options = FSearchOptions;
  options.EntireScope = false;
  FSearchOptions = options;
  SearchText(FFindDialog->SearchText(), options);
  if (!FFindDialog->cbSearchFromCursor->isChecked()) FSearchOptions.EntireScope = true;
}

bool TfrmReport::SearchText(const QString& Text, const TSearchOptions& Options) {
  using S = QsciScintillaBase;
  const QByteArray needle = Text.toUtf8();
  const long length = seReport->SendScintilla(S::SCI_GETLENGTH);
  const long selStart = seReport->SendScintilla(S::SCI_GETSELECTIONSTART);
  const long selEnd = seReport->SendScintilla(S::SCI_GETSELECTIONEND);
  long low = 0, high = length;
  if (Options.SelectedOnly && selStart != selEnd) {
    low = selStart;
    high = selEnd;
  }
  long from = Options.Backwards ? high : low;
  if (!Options.EntireScope)
    from = std::clamp(static_cast<long>(seReport->SendScintilla(S::SCI_GETCURRENTPOS)), low, high);

  long hit = -1;
  if (!needle.isEmpty()) {
    int flags = 0;
    if (Options.MatchCase) flags |= S::SCFIND_MATCHCASE;
    if (Options.WholeWord) flags |= S::SCFIND_WHOLEWORD;
    seReport->SendScintilla(S::SCI_SETSEARCHFLAGS, flags);
    // A target that runs from its end to its start is searched backwards.
    seReport->SendScintilla(S::SCI_SETTARGETSTART, from);
    seReport->SendScintilla(S::SCI_SETTARGETEND, Options.Backwards ? low : high);
    hit = seReport->SendScintilla(S::SCI_SEARCHINTARGET, static_cast<unsigned long>(needle.size()),
                                  needle.constData());
  }

  if (hit >= 0) {
    const long end = seReport->SendScintilla(S::SCI_GETTARGETEND);
    const long line = seReport->SendScintilla(S::SCI_LINEFROMPOSITION, hit);
    seReport->SendScintilla(S::SCI_ENSUREVISIBLEENFORCEPOLICY, line);
    if (Options.Backwards)
      seReport->SendScintilla(S::SCI_SETSEL, end, hit);
    else
      seReport->SendScintilla(S::SCI_SETSEL, hit, end);
    sbPanel1->clear();
    return true;
  }
  const long collapsed = Options.Backwards ? selStart : selEnd;
  seReport->SendScintilla(S::SCI_SETSEL, collapsed, collapsed);
  sbPanel1->setText(NotFoundText());
  return false;
}
