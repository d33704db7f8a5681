// The base windows most windows of the program derive from.
#pragma once

#include <QDialog>
#include <QString>

#include <exception>
#include <functional>

class QPushButton;

// An ordinary window of the program: centred on the screen, 413 x 352.
class TfrmAbstract : public QDialog {
  Q_OBJECT
public:
  explicit TfrmAbstract(QWidget* Parent = nullptr);

  // Places the window in the middle of the primary screen.
  void CenterOnScreen();

  // The message shown for a failure that carries no text of its own.
  static QString UnexpectedErrorText();

protected:
  // Runs Action for a slot or an event handler: whatever it throws is shown with MB under
  // the window's title and goes no further, so nothing reaches the event loop.
  void Guard(const std::function<void()>& Action);
  // Shows the caught Error with MB; never throws.
  void ShowFailure(std::exception_ptr Error);
};

// A property dialog: closes through OK (default button) or Cancel (Esc). exec() returns
// the modal result, mrOk or mrCancel.
class TfrmAbstractDialog : public TfrmAbstract {
  Q_OBJECT
public:
  explicit TfrmAbstractDialog(QWidget* Parent = nullptr);

  QPushButton* btnOK;
  QPushButton* btnCancel;

protected:
  // Width of the client area; the two buttons stay at their places from the left.
  void SetClientSize(int Width, int Height);
  // Called when OK is pressed; return false to keep the dialog open.
  virtual bool CanClose() { return true; }
  void reject() override;
};
