// The about window.
#pragma once

#include "ui/frmAbstract.h"

class QLabel;

class TfrmAbout : public TfrmAbstract {
  Q_OBJECT
public:
  // BuildDate in the form "May 24 2001", BuildTime "16:27:40"; FileVersion empty when the
  // version block cannot be read.
  TfrmAbout(const QString& BuildDate, const QString& BuildTime, const QString& FileVersion,
            QWidget* Parent = nullptr);
  // Uses the program's own build date and version block.
  explicit TfrmAbout(QWidget* Parent = nullptr);

  QLabel* lDateTime;
  QLabel* lVersion;
  QPushButton* btnOK;

protected:
  // OK is also the cancel button: Esc answers OK.
  void reject() override;
};
