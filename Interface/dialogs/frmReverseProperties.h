#pragma once
// The options of a reverse-engineering source and the login: data source, user name and
// password.

#include "ui/frmAbstract.h"

class QLabel;
class QLineEdit;
class QWidget;
class TfraParamEdit;
namespace Morvik {
class TParamObject;
}

class TfrmReverseProperties : public TfrmAbstractDialog {
  Q_OBJECT
public:
  explicit TfrmReverseProperties(QWidget* Parent = nullptr);

  // Shows Options (not owned; null: the source has none) and the window modally; true on
  // OK. The edits keep their texts from one run to the next.
  bool Execute(Morvik::TParamObject* Options);
  // Hides the options without any (the window 144 pixels high), shows them otherwise (340).
  void FormActivate();

  QWidget* pnParam;
  QLabel* lParam;
  TfraParamEdit* fraPEReverse;
  QLineEdit* edtDataSource;
  QLineEdit* edtName;
  QLineEdit* edtPasswd;

protected:
  void showEvent(QShowEvent* Event) override;
};
