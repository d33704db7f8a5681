#pragma once
// The editor of the date-time format of the project-information block, with the current
// date and time shown in the format as it is typed.

#include "ui/frmAbstract.h"

class QLabel;
class QLineEdit;

class TfrmDateTimeSetting : public TfrmAbstractDialog {
  Q_OBJECT
public:
  explicit TfrmDateTimeSetting(QWidget* Parent = nullptr);

  // Shows the window with Format; on OK Format takes the edited text and the result is true.
  bool Execute(QString& Format);

  // Shows the current date and time in the edit's format.
  void UpdateExample();

  QLabel* Label1;
  QLineEdit* edtDTFormat;
  QLabel* Label2;
  QLabel* lblExample;

protected:
  void showEvent(QShowEvent* Event) override;
};
