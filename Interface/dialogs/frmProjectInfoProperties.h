#pragma once
// The project-information dialog: the six texts of the schema's title block that the user
// writes, with the database server and the two time stamps shown but not editable.

#include "ui/frmAbstract.h"

class QLineEdit;
class TProjectInfo;

class TfrmProjectInfoProperties : public TfrmAbstractDialog {
  Q_OBJECT
public:
  explicit TfrmProjectInfoProperties(QWidget* Parent = nullptr);

  // Fills the nine edits from Info (the times in its own date format); on OK writes project,
  // version, model, sub-model, author and firm back. True on OK.
  bool Execute(TProjectInfo* Info);

  // Components.
  QLineEdit* edtName;
  QLineEdit* edtVersion;
  QLineEdit* edtModel;
  QLineEdit* edtSubModel;
  QLineEdit* edtAuthor;
  QLineEdit* edtFirm;
  QLineEdit* edtDBServer;
  QLineEdit* edtCreatedAt;
  QLineEdit* edtUpdatedAt;

  void FormActivate();

protected:
  void showEvent(QShowEvent* Event) override;
};
