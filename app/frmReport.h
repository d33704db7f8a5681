#pragma once
// The script viewer: a generated SQL script (or any text) in a highlighting editor, which the
// user can edit, search, save and print. Esc closes it.

#include "ui/frmAbstract.h"

#include <QString>
#include <functional>

class QAction;
class QLabel;
class QPrinter;
class QStatusBar;
class TSqlLexer;
class QsciScintilla;
class TfrmFindDialog;

// The options of one search.
struct TSearchOptions {
  bool MatchCase = false;
  bool WholeWord = false;
  bool Backwards = false;
  // From the start (forwards) or the end (backwards) of the scope instead of the caret.
  bool EntireScope = false;
  // Only within the selection.
  bool SelectedOnly = false;
  bool operator==(const TSearchOptions&) const = default;
};

class TfrmReport : public TfrmAbstract {
  Q_OBJECT
public:
  // FindDialog is the program's find dialog; the viewer does not own it.
  explicit TfrmReport(TfrmFindDialog* FindDialog, QWidget* Parent = nullptr);
  ~TfrmReport() override;

  // Shows Text under Caption, highlighted when Syntax, modally.
  void ShowText(const QString& Text, const QString& Caption, bool Syntax);
  // What ShowText does before it shows the window: the highlighting, the caption, no file
  // name, the text.
  void LoadText(const QString& Text, const QString& Caption, bool Syntax);

  QString Text() const;
  // The file the text was last saved to; empty until then.
  const QString& FileName() const { return FFileName; }
  const TSearchOptions& SearchOptions() const { return FSearchOptions; }

  // The printer that acPrint prints on; null: printing reports that there is none.
  std::function<QPrinter*()> Printer;
  // Asks for the file to save into (empty: cancelled). By default the save dialog.
  std::function<QString(const QString& Caption)> AskSaveFileName;

  // The actions. The edit actions act on the editor.
  void acSaveExecute();
  void acSaveAsExecute();
  void acPrintExecute();
  void acFindExecute();
  void acFindAgainExecute();
  void acSyntaxExecute();
  // The search of acFind after the dialog was confirmed: options from the dialog's fields;
  // true when the text was found.
  bool FindFromDialog();
  // Searches for Text with Options; found: the hit is selected and panel 1 cleared; not
  // found: panel 1 says so and the selection collapses in the search's direction.
  bool SearchText(const QString& Text, const TSearchOptions& Options);

  // Writes the text into FileName, every line ended by CR LF. Throws on failure; the file
  // keeps its old content then.
  void WriteLines(const QString& FileName) const;
  // Prints the text on Printer with the window's caption as the document's title.
  void PrintText(QPrinter& Target);

  QsciScintilla* seReport;
  TSqlLexer* snSQL;
  QStatusBar* sbReport;
  QLabel* sbPanel0; // caret position
  QLabel* sbPanel1; // search result
  QAction* acSave;
  QAction* acSaveAs;
  QAction* acPrint;
  QAction* acFind;
  QAction* acFindAgain;
  QAction* acSyntax;
  QAction* acCut;
  QAction* acCopy;
  QAction* acPaste;
  QAction* acDelete;
  QAction* acSelectAll;
  QAction* acUndo;

  static QString NotFoundText() { return QStringLiteral("Hledané slovo nebylo nalezeno!"); }

protected:
  bool event(QEvent* Event) override;
  bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
  void CreateActions();
  void CreateMenusAndToolBar(class QVBoxLayout* Layout);
  void UpdateCaretStatus();
  void UpdateFindAgain();
  // Attaches or removes the SQL highlighter.
  void SetHighlighting(bool On);
  void SaveInto(const QString& Name);

  TfrmFindDialog* FFindDialog;
  QString FFileName;
  TSearchOptions FSearchOptions;
};
