#pragma once
// The entity dialog: name, note, parameters and columns of an entity's plug-in table, and
// whether the entity box shows its attribute rows. It edits a mirror of the table and
// writes it back in one go on OK or Apply.

#include "Interface/edit/DeletedColumns.h"
#include "Interface/dialogs/RowsPage.h"
#include "Interface/dialogs/frmPropertyPages.h"

#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class TEditTable;
class TEntity;
class TfraParamEdit;
class TfrmAttribute;
namespace Morvik {
class TCheckRecord;
class TModel;
}

class TfrmEntityProperties : public TfrmPropertyPages {
  Q_OBJECT
public:
  // Text colours of the column rows: added in this dialog and not stored yet, and stored.
  static constexpr unsigned NewColumnColor = 0x008000;
  static constexpr unsigned StoredColumnColor = 0xFF0000;

  explicit TfrmEntityProperties(QWidget* Parent = nullptr);
  ~TfrmEntityProperties() override;

  // Loads Entity's table, shows the dialog modally and stores on OK. True when anything was
  // stored: on OK, and on Cancel after Apply. Record: a finding to show, or null.
  bool Execute(TEntity* Entity, Morvik::TModel* Model, const Morvik::TCheckRecord* Record);
  // The plug-in columns that the stores of the last Execute deleted.
  const TDeletedColumns& DeletedColumns() const { return FDeleted; }
  // The table mirror while the dialog is open; null otherwise.
  TEditTable* Mirror() const { return FMirror.get(); }
  // The selected row of the column list; -1 when none.
  int SelectedRow() const { return tsAttribute->SelectedRow(); }
  void SelectRow(int Row) { tsAttribute->SelectRow(Row); }

  // Components.
  QTabWidget* pgcEntity;
  QWidget* tsProperties;
  TRowsPage* tsAttribute;
  QLabel* lName;
  QLineEdit* edtName;
  QCheckBox* chbxShowAttributes;
  TfraParamEdit* fraPEEntity;
  QTreeWidget* lvAttribute;
  QPushButton* btnNew;
  QPushButton* btnEdit;
  QPushButton* btnDelete;
  QPushButton* btnUp;
  QPushButton* btnDown;
  // The attribute dialog this one opens.
  TfrmAttribute* frmAttribute;

  void FillAttributes();

  // Event handlers.
  void btnNewClick();
  void btnEditClick();
  void btnDeleteClick();
  void btnUpClick();
  void btnDownClick();
  void FormActivate() override;

protected:
  bool Editing() const override { return FMirror != nullptr; }
  void LoadData() override;
  void StoreData() override;

private:
  // Fills the attribute dialog's name, key and type list for Editor's column.
  void PrepareAttributeDialog();

  TEntity* FEntity = nullptr;
  Morvik::TModel* FModel = nullptr;
  const Morvik::TCheckRecord* FRecord = nullptr;
  std::unique_ptr<TEditTable> FMirror;
  TDeletedColumns FDeleted;
};
