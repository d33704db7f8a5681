#pragma once
// The relation dialog: name, note, parameters and column pairs of a relation's plug-in
// reference, edited on a mirror and stored in one go on OK or Apply. From here the entity
// dialog of either table can be opened; the pairs then follow what it stored.

#include "Interface/edit/DeletedColumns.h"
#include "Interface/dialogs/RowsPage.h"
#include "Interface/dialogs/frmPropertyPages.h"

#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTreeWidget;
class QTreeWidgetItem;
class TEditReference;
class TRelation;
class TVisualModel;
class TfraParamEdit;
class TfrmEditRefColumns;
class TfrmEntityProperties;
namespace Morvik {
class TCheckRecord;
class TColumn;
class TModel;
class TTable;
}

class TfrmRelationProperties : public TfrmPropertyPages {
  Q_OBJECT
public:
  // EntityDialog: the entity dialog that the two entity buttons open (not owned).
  explicit TfrmRelationProperties(TfrmEntityProperties* EntityDialog, QWidget* Parent = nullptr);
  ~TfrmRelationProperties() override;

  // Loads Relation's reference, shows the dialog modally and stores on OK. True when
  // anything was stored: on OK, after Apply, or by an entity dialog opened from here.
  bool Execute(TRelation* Relation, TVisualModel* Document, const Morvik::TCheckRecord* Record,
               Morvik::TModel* Model);
  // The reference mirror while the dialog is open; null otherwise.
  TEditReference* Mirror() const { return FMirror.get(); }
  int SelectedRow() const { return tsColumns->SelectedRow(); }
  void SelectRow(int Row) { tsColumns->SelectRow(Row); }
  // The columns a row pairs (null when it names none) and its indexes in the two tables.
  static Morvik::TColumn* RowColumn(const QTreeWidgetItem* Row, int Side);
  static int RowIndex(const QTreeWidgetItem* Row, int Side);

  // Components.
  QTabWidget* pgcRelation;
  QWidget* tsProperties;
  TRowsPage* tsColumns;
  QLabel* lName;
  QLineEdit* edtName;
  TfraParamEdit* fraPERelation;
  QTreeWidget* lvColumns;
  QPushButton* btnNew;
  QPushButton* btnEdit;
  QPushButton* btnDel;
  QPushButton* btnPrimEnt;
  QPushButton* Button1;
  // The pair dialog this one opens.
  TfrmEditRefColumns* frmEditRefColumns;

  // After an entity dialog stored: pairs whose column it deleted go, the others stay as
  // the user left them, with the tables' current names and places.
  void RefreshPairs();

  // Event handlers.
  void btnNewClick();
  void btnEditClick();
  void btnDelClick();
  void btnPrimEntClick();
  void Button1Click();
  void FormActivate() override;

protected:
  bool Editing() const override { return FMirror != nullptr; }
  void LoadData() override;
  void StoreData() override;

private:
  // Adds a row for the pair (Parent, Child); either may be null.
  void AddPairRow(Morvik::TColumn* Parent, Morvik::TColumn* Child);
  void SetRow(QTreeWidgetItem* Row, Morvik::TColumn* Parent, Morvik::TColumn* Child);
  void EditTable(Morvik::TTable* Table);

  TfrmEntityProperties* FEntityDialog;
  TRelation* FRelation = nullptr;
  TVisualModel* FDocument = nullptr;
  Morvik::TModel* FModel = nullptr;
  const Morvik::TCheckRecord* FRecord = nullptr;
  std::unique_ptr<TEditReference> FMirror;
  TDeletedColumns FDeleted;
};
