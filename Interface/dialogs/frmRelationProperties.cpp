#include "Interface/dialogs/frmRelationProperties.h"

#include "editor/PluginText.h"

#include "Interface/dialogs/fraParamEdit.h"
#include "Interface/dialogs/frmEditRefColumns.h"
#include "Interface/dialogs/frmEntityProperties.h"
#include "Interface/edit/CheckRecord.h"
#include "Interface/edit/EditReference.h"
#include "Interface/edit/EditTable.h"
#include "diagram/Relation.h"
#include "diagram/TextLabel.h"
#include "editor/VisualModel.h"
#include "ui/FailureReport.h"
#include "ui/MB.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

using Morvik::TCheckRecord;
using Morvik::TColumn;
using Morvik::TTable;

namespace {

constexpr int ColumnRole = Qt::UserRole;
constexpr int IndexRole = Qt::UserRole + 1;

} // namespace

TfrmRelationProperties::TfrmRelationProperties(TfrmEntityProperties* EntityDialog, QWidget* Parent)
    : TfrmPropertyPages("pgcRelation", Parent), FEntityDialog(EntityDialog) {
  setObjectName(QStringLiteral("frmRelationProperties"));
  setWindowTitle(QStringLiteral("Vlastnosti relace"));

  pgcRelation = Pages();

  tsProperties = new QWidget;
  tsProperties->setObjectName(QStringLiteral("tsProperties"));
  lName = new QLabel(QStringLiteral("&Název relace:"), tsProperties);
  edtName = new QLineEdit(tsProperties);
  edtName->setObjectName(QStringLiteral("edtName"));
  lName->setBuddy(edtName);
  fraPERelation = new TfraParamEdit(tsProperties);
  fraPERelation->setObjectName(QStringLiteral("fraPERelation"));
  auto* propGrid = new QGridLayout(tsProperties);
  propGrid->addWidget(lName, 0, 0);
  propGrid->addWidget(edtName, 0, 1);
  propGrid->addWidget(fraPERelation, 1, 0, 1, 2);
  propGrid->setRowStretch(1, 1);
  pgcRelation->addTab(tsProperties, QStringLiteral("Vlastnosti"));

  tsColumns = new TRowsPage("tsColumns", "lvColumns");
  lvColumns = tsColumns->List();
  lvColumns->setHeaderLabels({QStringLiteral("Primární"), QStringLiteral("Cizí")});
  // The two columns share the list's width, so that it never scrolls sideways.
  lvColumns->header()->setSectionResizeMode(QHeaderView::Stretch);
  btnNew = tsColumns->AddButton(QStringLiteral("&Nový"), "btnNew");
  btnEdit = tsColumns->AddButton(QStringLiteral("&Upravit"), "btnEdit");
  btnDel = tsColumns->AddButton(QStringLiteral("&Smazat"), "btnDel");
  tsColumns->AddGap(12);
  btnPrimEnt = tsColumns->AddButton(QStringLiteral("Primární entita"), "btnPrimEnt");
  Button1 = tsColumns->AddButton(QStringLiteral("Sekundární entita"), "Button1");
  pgcRelation->addTab(tsColumns, QStringLiteral("Atributy"));

  AddNotePage();
  AddErrorPage();
  AddApplyButton();

  frmEditRefColumns = new TfrmEditRefColumns(this);

  GuardedConnect(btnNew, &QPushButton::clicked, [this] { btnNewClick(); });
  GuardedConnect(btnEdit, &QPushButton::clicked, [this] { btnEditClick(); });
  GuardedConnect(btnDel, &QPushButton::clicked, [this] { btnDelClick(); });
  GuardedConnect(btnPrimEnt, &QPushButton::clicked, [this] { btnPrimEntClick(); });
  GuardedConnect(Button1, &QPushButton::clicked, [this] { Button1Click(); });
  GuardedConnect(lvColumns, &QTreeWidget::itemDoubleClicked, [this] { btnEditClick(); });

  SetFirstFocus(edtName);
  SetDialogSize(520, 380, dsResizable, QSize(420, 300));
}

TfrmRelationProperties::~TfrmRelationProperties() = default;

bool TfrmRelationProperties::Execute(TRelation* Relation, TVisualModel* Document, const TCheckRecord* Record,
                                     Morvik::TModel* Model) {
  FRelation = Relation;
  FDocument = Document;
  FModel = Model;
  FRecord = Record;
  FDeleted = TDeletedColumns();
  const bool stored = EditModally();
  FMirror.reset();
  FRecord = nullptr;
  return stored;
}

void TfrmRelationProperties::LoadData() {
  edtName->setText(FromPlugin(FRelation->Reference()->GetName()));
  auto mirror = std::make_unique<TEditReference>(FModel);
  mirror->Load(FRelation->Reference());
  FMirror = std::move(mirror);
  fraPERelation->SetParamObject(FMirror.get());
  mmNote->setPlainText(FromPlugin(FMirror->GetComment()));
  lvColumns->clear();
  for (int i = 0; i < FMirror->GetPairCount(); ++i)
    AddPairRow(FMirror->GetPairColumn(0, i), FMirror->GetPairColumn(1, i));
  mmError->clear();
}

void TfrmRelationProperties::StoreData() {
  FMirror->SetName(edtName->text().toUtf8().constData());
  FMirror->SetComment(mmNote->toPlainText().toUtf8().constData());
  if (TTextLabel* label = FRelation->MainLabel()) label->SetCaption(FromPlugin(FMirror->GetName()));
  while (FMirror->GetPairCount() > 0) FMirror->DeletePair(0);
  TTable* parent = FMirror->GetParentTable();
  TTable* child = FMirror->GetChildTable();
  for (int i = 0; i < lvColumns->topLevelItemCount(); ++i) {
    const QTreeWidgetItem* row = lvColumns->topLevelItem(i);
    const int p = RowIndex(row, 0);
    const int c = RowIndex(row, 1);
    // A pair whose column is no longer in its table is left out.
    if (p < 0 || p >= parent->GetColumnCount() || c < 0 || c >= child->GetColumnCount()) continue;
    FMirror->AddPair(parent->GetColumn(p), child->GetColumn(c));
  }
  FMirror->Store();
  fraPERelation->SetParamObject(nullptr);
  FMirror.reset();
}

TColumn* TfrmRelationProperties::RowColumn(const QTreeWidgetItem* Row, int Side) {
  return reinterpret_cast<TColumn*>(Row->data(Side, ColumnRole).value<quintptr>());
}

int TfrmRelationProperties::RowIndex(const QTreeWidgetItem* Row, int Side) {
  return Row->data(Side, IndexRole).toInt();
}

void TfrmRelationProperties::SetRow(QTreeWidgetItem* Row, TColumn* Parent, TColumn* Child) {
  TTable* tables[2] = {FMirror->GetParentTable(), FMirror->GetChildTable()};
  TColumn* columns[2] = {Parent, Child};
  for (int side = 0; side < 2; ++side) {
    Row->setText(side, columns[side] ? FromPlugin(columns[side]->GetName()) : QString());
    Row->setData(side, ColumnRole, QVariant::fromValue(reinterpret_cast<quintptr>(columns[side])));
    Row->setData(side, IndexRole, columns[side] ? IndexOfColumn(tables[side], columns[side]) : -1);
  }
}

void TfrmRelationProperties::AddPairRow(TColumn* Parent, TColumn* Child) {
  SetRow(new QTreeWidgetItem(lvColumns), Parent, Child);
}

void TfrmRelationProperties::btnNewClick() {
  if (!FMirror) return;
  TTable* parent = FMirror->GetParentTable();
  TTable* child = FMirror->GetChildTable();
  int childIdx = -1;
  int parentIdx = -1;
  if (!frmEditRefColumns->Execute(parent, child, nullptr, childIdx, parentIdx)) return;
  AddPairRow(parent->GetColumn(parentIdx), child->GetColumn(childIdx));
}

void TfrmRelationProperties::btnEditClick() {
  if (!FMirror) return;
  const int selected = SelectedRow();
  if (selected < 0) return;
  QTreeWidgetItem* row = lvColumns->topLevelItem(selected);
  TTable* parent = FMirror->GetParentTable();
  TTable* child = FMirror->GetChildTable();
  int childIdx = RowIndex(row, 1);
  int parentIdx = RowIndex(row, 0);
  if (!frmEditRefColumns->Execute(parent, child, FRecord, childIdx, parentIdx)) return;
  SetRow(row, parent->GetColumn(parentIdx), child->GetColumn(childIdx));
}

void TfrmRelationProperties::btnDelClick() {
  if (!FMirror) return;
  const int selected = SelectedRow();
  if (selected < 0) return;
  delete lvColumns->takeTopLevelItem(selected);
  tsColumns->KeepSelectionAt(selected);
}

void TfrmRelationProperties::EditTable(TTable* Table) {
  if (!FMirror || !FEntityDialog || !FDocument) return;
  TEntity* entity = FDocument->FindEntityByTable(Table);
  if (!entity) return; // a table that no entity shows: nothing to open
  if (!FEntityDialog->Execute(entity, FModel, nullptr)) return;
  MarkStored();
  FDeleted.Append(FEntityDialog->DeletedColumns());
  RefreshPairs();
}

void TfrmRelationProperties::btnPrimEntClick() {
  if (FMirror) EditTable(FMirror->GetParentTable());
}

void TfrmRelationProperties::Button1Click() {
  if (FMirror) EditTable(FMirror->GetChildTable());
}

void TfrmRelationProperties::RefreshPairs() {
  FMirror->PrunePairs(FDeleted);
  const int selected = SelectedRow();
  for (int i = lvColumns->topLevelItemCount() - 1; i >= 0; --i) {
    QTreeWidgetItem* row = lvColumns->topLevelItem(i);
    TColumn* parent = RowColumn(row, 0);
    TColumn* child = RowColumn(row, 1);
    if ((parent && FDeleted.Contains(parent)) || (child && FDeleted.Contains(child)))
      delete lvColumns->takeTopLevelItem(i);
    else
      SetRow(row, parent, child); // names and places as the tables have them now
  }
  tsColumns->KeepSelectionAt(selected);
}

void TfrmRelationProperties::FormActivate() {
  ShowFinding(FRecord);
  pgcRelation->setCurrentWidget(tsProperties);
  // A pair's finding opens the pair dialog on it.
  GoToFinding(FRecord, fraPERelation, TCheckRecord::ltPair, tsColumns, [this] { btnEditClick(); });
}
