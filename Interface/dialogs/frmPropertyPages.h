#pragma once
// The base of the property dialogs whose content is one page control: the dialog's own pages
// come first, then the pages every such dialog ends with, made here: the note page of the
// dialogs that edit a plug-in object's note, and the error page that shows a finding of the
// model check. Dialogs that edit a mirror add the "&Použít" button: it stores the mirror and
// loads a fresh one, the dialog staying open.
//
// How a dialog uses it, in its constructor: name the page control (the base makes it and lets
// it fill the content), add its own pages to Pages(), then AddNotePage(), AddErrorPage() and
// AddApplyButton() as it has them. A dialog with Apply overrides Editing, LoadData and
// StoreData and runs itself through EditModally.

#include "ui/frmAbstract.h"

#include <functional>

class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QWidget;
class TRowsPage;
class TfraParamEdit;
namespace Morvik {
class TCheckRecord;
}

class TfrmPropertyPages : public TfrmAbstractDialog {
  Q_OBJECT
public:
  // The pages and the button made here; null where the dialog has none.
  QWidget* tsNote = nullptr;
  QPlainTextEdit* mmNote = nullptr;
  QWidget* tsError = nullptr;
  QPlainTextEdit* mmError = nullptr;
  QPushButton* btnApply = nullptr;

  // Shows Record's finding on the error page; without one hides the page and empties it.
  void ShowFinding(const Morvik::TCheckRecord* Record);
  // Apply: stores and loads again while a mirror is open; nothing otherwise.
  void btnApplyClick();
  // Called, guarded, each time the window is shown: the dialog's own first steps.
  virtual void FormActivate() {}

protected:
  // PagesName: the object name of the page control.
  TfrmPropertyPages(const char* PagesName, QWidget* Parent);

  QTabWidget* Pages() const { return pages; }
  // Appends the note page "Poznámka": mmNote on tsNote.
  void AddNotePage();
  // Appends the error page "Popis chyby": the read-only mmError on tsError.
  void AddErrorPage();
  // Appends "&Použít" to the button row.
  void AddApplyButton();
  // Goes to the place of Record's finding below the dialog's own object (level 1): a
  // parameter is selected in Params; a row of RowType is selected on Rows, whose editor
  // (EditRow) opens once this window is on the screen.
  void GoToFinding(const Morvik::TCheckRecord* Record, TfraParamEdit* Params, int RowType, TRowsPage* Rows,
                   std::function<void()> EditRow);

  // Loads, shows the dialog modally and stores on OK. True when anything was stored: on OK,
  // by Apply, or by whatever the dialog marked with MarkStored meanwhile.
  bool EditModally();
  void MarkStored() { stored = true; }
  // Whether a mirror is open; the loading of a fresh one and its storing.
  virtual bool Editing() const { return false; }
  virtual void LoadData() {}
  virtual void StoreData() {}

  void showEvent(QShowEvent* Event) override;

private:
  QTabWidget* pages;
  bool stored = false;
};
