// The error list of one schema window: runs the model check, lists the findings one per line
// with a summary line at the end, and on a double click opens the property dialog of the
// object that a finding concerns, at the finding's place.
#pragma once

#include "ui/frmAbstract.h"

#include <memory>

class QListWidget;
class QListWidgetItem;
class TBrowserHost;
class TfrmBrowser;
namespace Morvik {
class TCheckRecord;
class TCheckReport;
}

class TfrmErrorBrowser : public TfrmAbstract {
  Q_OBJECT
public:
  // Parent: the schema window, which owns the list. Browser: the window's component
  // browser, whose node follows a name changed in a dialog opened from the list (may be null).
  TfrmErrorBrowser(TBrowserHost* Host, TfrmBrowser* Browser, QWidget* Parent = nullptr);
  ~TfrmErrorBrowser() override;

  QListWidget* lbErrors;

  // Checks the window's model and lists the findings; returns the summary text.
  QString RunCheck();
  // Findings of the last check; 0 before the first one.
  int ErrorCount() const;
  // The finding of a line, or null for the summary line.
  static const Morvik::TCheckRecord* LineRecord(const QListWidgetItem* Line);
  // "chyba." for 1, "chyby." for 2 to 4, else "chyb.".
  static QString ErrorWord(int Count);

  // Event handlers; Pos in the list's viewport.
  void lvErrorsDblClick(const QPoint& Pos);
  void FormHide();

protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override;
  void hideEvent(QHideEvent* Event) override;
  // Esc does not close a docked window.
  void keyPressEvent(QKeyEvent* Event) override;

private:
  // Opens the dialog that Record points at; true when the user confirmed it.
  bool OpenRecord(const Morvik::TCheckRecord* Record);

  TBrowserHost* FHost;
  TfrmBrowser* FBrowser;
  QWidget* FOwnerWindow;
  std::unique_ptr<Morvik::TCheckReport> FReport;
};
