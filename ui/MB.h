// The program's modal message box: every button carries a Czech caption.
#pragma once

#include <QDialog>
#include <cstdint>
#include <vector>

class QLabel;
class QPushButton;
class QWidget;

enum TMsgDlgType {
  mtWarning = 0,
  mtError = 1,
  mtInformation = 2,
  mtConfirmation = 3,
  mtCustom = 4
};

enum TMsgDlgBtn {
  mbYes = 0,
  mbNo = 1,
  mbOK = 2,
  mbCancel = 3,
  mbAbort = 4,
  mbRetry = 5,
  mbIgnore = 6,
  mbAll = 7,
  mbNoToAll = 8,
  mbYesToAll = 9,
  mbHelp = 10
};

// A set of buttons: bit (1 << TMsgDlgBtn).
using TMsgDlgButtons = unsigned;
constexpr TMsgDlgButtons MsgButtons(std::initializer_list<TMsgDlgBtn> Buttons) {
  TMsgDlgButtons set = 0;
  for (TMsgDlgBtn b : Buttons) set |= 1u << b;
  return set;
}

// Modal results.
enum TModalResult : std::uint16_t {
  mrNone = 0,
  mrOk = 1,
  mrCancel = 2,
  mrAbort = 3,
  mrRetry = 4,
  mrIgnore = 5,
  mrYes = 6,
  mrNo = 7,
  mrAll = 8
};

class TfMB : public QDialog {
  Q_OBJECT
public:
  explicit TfMB(QWidget* Parent = nullptr);

  // Lays the box out for the message and buttons, shows it modally and returns the result.
  std::uint16_t Execute(const QString& Msg, const QString& Caption, TMsgDlgType DlgType,
                        TMsgDlgButtons Buttons, TMsgDlgBtn DefaultBtn, int HelpCtx);

  // Lays the box out without showing it (Execute does this first).
  void Prepare(const QString& Msg, const QString& Caption, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
               TMsgDlgBtn DefaultBtn, int HelpCtx);

  QLabel* lMsg;
  QWidget* pnButtons;
  QWidget* pnBMP;
  QLabel* imBMP;
  const std::vector<QPushButton*>& Buttons() const { return buttons; }
  QPushButton* FocusButton() const { return focusButton; }
  int HelpContext() const { return helpContext; }

  // The one message-box window of the program, made on first use.
  static TfMB* Instance();

protected:
  void keyPressEvent(QKeyEvent* Event) override;
  void reject() override;

private:
  void freeButtons();

  std::vector<QPushButton*> buttons;
  QPushButton* focusButton = nullptr;
  int helpContext = 0;
};

// Shows the message box. DefaultBtn is the button that takes the focus when it is shown.
std::uint16_t MB(const QString& Msg, const QString& Caption, TMsgDlgType DlgType, TMsgDlgButtons Buttons,
                 TMsgDlgBtn DefaultBtn = mbOK, int HelpCtx = 0);
