#pragma once
// The find dialog of the script viewer: the searched text and the search options. Its fields
// keep their values between searches; it opens on the searched text.

#include "ui/frmAbstract.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

class TfrmFindDialog : public TfrmAbstractDialog {
  Q_OBJECT
public:
  explicit TfrmFindDialog(QWidget* Parent = nullptr);

  // The searched text.
  QString SearchText() const;
  // "Do&zadu" is chosen.
  bool SearchBackwards() const;

  QLabel* Label1;
  QLineEdit* edSearchText;
  QGroupBox* gbSearchOptions;
  QCheckBox* cbSearchCaseSensitive;
  QCheckBox* cbSearchWholeWords;
  QCheckBox* cbSearchFromCursor;
  QCheckBox* cbSearchSelectedOnly;
  QGroupBox* rgSearchDirection;
  QRadioButton* rbForward;
  QRadioButton* rbBackward;
};
