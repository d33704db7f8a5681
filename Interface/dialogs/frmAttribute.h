#pragma once
// The attribute dialog: one column of the table that the entity dialog has open, edited
// through that table mirror's column editor. The entity dialog fills the name, the key and
// the type list, calls Setup and stores the editor into its column after OK.

#include "Interface/dialogs/frmPropertyPages.h"

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTabWidget;
class TEditColumn;
class TfraParamEdit;
namespace Morvik {
class TCheckRecord;
class TTable;
}

class TfrmAttribute : public TfrmPropertyPages {
  Q_OBJECT
public:
  explicit TfrmAttribute(QWidget* Parent = nullptr);

  // Prepares the window for Editor; New tells a column added in this edit from an existing
  // one. Record: the finding the window shows, or null.
  void Setup(TEditColumn* Editor, bool New, const Morvik::TCheckRecord* Record);

  // The columns the name must differ from, and the row of the column being edited there
  // (-1 for a new column); set by the entity dialog before the window is shown.
  const Morvik::TTable* TableColumns = nullptr;
  int EditedRow = -1;
  // The plain message display (an information box unless replaced).
  std::function<void(const QString& Message)> ShowMessage;

  // Components.
  QTabWidget* pcAttribute;
  QWidget* tsType;
  QWidget* tsProperties;
  QLabel* lName;
  QLineEdit* edtName;
  QCheckBox* chbxKey;
  QLabel* lType;
  QComboBox* cbxType;
  QLabel* lTypeSetting;
  TfraParamEdit* fraPEType;
  TfraParamEdit* fraPEColumn;

  // Event handlers.
  void cbxTypeChange(int Index);
  void FormActivate() override;

protected:
  bool CanClose() override;

private:
  void Refuse(const QString& Message);

  TEditColumn* FEditor = nullptr;
  bool FNew = false;
  const Morvik::TCheckRecord* FRecord = nullptr;
  // Set while Setup selects the type: the selection is not the user's.
  bool FLoading = false;
};
