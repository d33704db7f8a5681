// The base windows most windows of the program derive from.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QSize>
#include <QString>

#include "ui/FailureReport.h"

#include <initializer_list>
#include <utility>
#include <vector>

class QHBoxLayout;
class QPushButton;

// An ordinary window of the program: centred on the screen, 413 x 352.
class TfrmAbstract : public QDialog {
  Q_OBJECT
public:
  explicit TfrmAbstract(QWidget* Parent = nullptr);

  // Places the window in the middle of the primary screen.
  void CenterOnScreen();

protected:
  // Connects Signal of Sender to Action in this window, guarded: whatever Action throws is
  // shown with MB under the window's title and goes no further. Action takes the signal's
  // leading arguments, or none. An event handler guards itself with ui::Guarded.
  template <class TSender, class TSignal, class TAction>
  QMetaObject::Connection GuardedConnect(TSender* Sender, TSignal Signal, TAction Action) {
    return ui::GuardedConnect(Sender, Signal, this, std::move(Action), ui::TFailureTitle::Context);
  }
};

// The base of every property dialog: the content above, the button row (OK, Zrušit and any
// further buttons) at the bottom right, built with Qt layouts. exec() returns the modal
// result, mrOk or mrCancel.
//
// How a dialog uses it, in its constructor:
// - Content: put the controls on Content() and give it a layout of its own, e.g.
//     auto* grid = new QGridLayout(Content());
//     grid->setContentsMargins(0, 0, 0, 0);
//     grid->addWidget(...);
//   Content() takes all the room above the button row; the base keeps 8 px around the edges.
// - Further buttons: AddButton(QStringLiteral("&Použít"), "btnApply") appends a button after
//   Zrušit; it does not close the dialog, connect its clicked() yourself (GuardedConnect).
// - Size: SetDialogSize(Width, Height) gives the client size from the window's description.
//   A dialog border keeps that size fixed (dsFixed, the default); dsResizable makes it the
//   starting size with Minimum as the least size. Neither is ever smaller than the layout
//   needs, so no control is cut off. Call it after the content is built.
// - First focus: SetFirstFocus(Control); without it the window opens on the first control
//   of the content that takes focus.
// - Tab order: the content's controls in the order they were made, or as SetContentTabOrder
//   gives them; the buttons of the row always come after the content.
// - Keys: Return presses the focused button; with the focus elsewhere it presses OK (the
//   default button). Esc and the close box are Zrušit. Buttons a dialog makes keep Qt's
//   auto-default, so Return presses them too when they have the focus.
// - Closing: override CanClose() to refuse OK (return false, the dialog stays open); override
//   done() for work on every closing. Connect every slot with GuardedConnect: a failure is
//   shown with MB.
class TfrmAbstractDialog : public TfrmAbstract {
  Q_OBJECT
public:
  enum TDialogSizing {
    dsFixed,
    dsResizable
  };

  explicit TfrmAbstractDialog(QWidget* Parent = nullptr);

  QPushButton* btnOK;
  QPushButton* btnCancel;

  // The area above the button row, for the dialog's own controls and layout.
  QWidget* Content() const { return pnContent; }
  // The buttons of the row from left to right: OK, Zrušit, then the added ones.
  const std::vector<QPushButton*>& RowButtons() const { return rowButtons; }
  TDialogSizing Sizing() const { return sizing; }

protected:
  // Appends a button to the row, right of the last one; Name becomes its object name.
  QPushButton* AddButton(const QString& Caption, const char* Name);
  // Client size and sizing; see above.
  void SetDialogSize(int Width, int Height, TDialogSizing Sizing = dsFixed, QSize Minimum = QSize());
  void SetFirstFocus(QWidget* Control) { firstFocus = Control; }
  // Orders the given content controls one after another in the tab chain.
  void SetContentTabOrder(std::initializer_list<QWidget*> Controls);

  // Called when OK is pressed; return false to keep the dialog open.
  virtual bool CanClose() { return true; }
  void reject() override;
  // Settles the size, puts the buttons last in the tab chain and focuses the first control.
  void showEvent(QShowEvent* Event) override;

private:
  void applySizing();
  void buttonsLastInTabOrder();
  QWidget* firstContentControl() const;

  QWidget* pnContent;
  QHBoxLayout* buttonRow;
  std::vector<QPushButton*> rowButtons;
  QPointer<QWidget> firstFocus;
  TDialogSizing sizing = dsFixed;
  QSize startSize;
  QSize minimumClientSize;
};
