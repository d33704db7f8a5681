#include "Interface/dialogs/frmRelationProperties.h"

#include "editor/PluginText.h"

#include "Interface/dialogs/DialogPages.h"

#include "Interface/dialogs/CheckFinding.h"
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
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

using Morvik::TCheckRecord;
using Morvik::TColumn;
using Morvik::TTable;

namespace {

constexpr int ColumnRole = Qt::UserRole;
constexpr int IndexRole = Qt::UserRole + 1;

} // namespace

TfrmRelationProperties::TfrmRelationProperties(TfrmEntityProperties* EntityDialog, QWidget* Parent)
    : TfrmAbstractDialog(Parent), FEntityDialog(EntityDialog) {
  setObjectName(QStringLiteral("frmRelationProperties"));
  setWindowTitle(QStringLiteral("Vlastnosti relace"));

  pgcRelation = new QTabWidget(Content());
  pgcRelation->setObjectName(QStringLiteral("pgcRelation"));

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

  tsColumns = new QWidget;
  tsColumns->setObjectName(QStringLiteral("tsColumns"));
  lvColumns = new QTreeWidget(tsColumns);
  lvColumns->setObjectName(QStringLiteral("lvColumns"));
  lvColumns->setRootIsDecorated(false);
  lvColumns->setHeaderLabels({QStringLiteral("Primární"), QStringLiteral("Cizí")});
  lvColumns->setColumnWidth(0, 200);
  lvColumns->setColumnWidth(1, 200);
  lvColumns->setSelectionBehavior(QAbstractItemView::SelectRows);
  lvColumns->setSelectionMode(QAbstractItemView::SingleSelection);
  lvColumns->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lvColumns->setStyleSheet(QStringLiteral("QTreeView::item { border: 1px solid #d0d0d0; }"));
  btnNew = PageButton(QStringLiteral("&Nový"), "btnNew", tsColumns);
  btnEdit = PageButton(QStringLiteral("&Upravit"), "btnEdit", tsColumns);
  btnDel = PageButton(QStringLiteral("&Smazat"), "btnDel", tsColumns);
  btnPrimEnt = PageButton(QStringLiteral("Primární entita"), "btnPrimEnt", tsColumns);
  Button1 = PageButton(QStringLiteral("Sekundární entita"), "Button1", tsColumns);
  auto* pairButtons = new QVBoxLayout;
  for (QPushButton* b : {btnNew, btnEdit, btnDel}) pairButtons->addWidget(b);
  pairButtons->addSpacing(12);
  for (QPushButton* b : {btnPrimEnt, Button1}) pairButtons->addWidget(b);
  pairButtons->addStretch(1);
  auto* pairLayout = new QHBoxLayout(tsColumns);
  pairLayout->addWidget(lvColumns, 1);
  pairLayout->addLayout(pairButtons);
  pgcRelation->addTab(tsColumns, QStringLiteral("Atributy"));

  mmNote = AddMemoPage(pgcRelation, QStringLiteral("Poznámka"), "tsNote", "mmNote", tsNote);

  mmError = AddErrorPage(pgcRelation, tsError);

  auto* layout = new QVBoxLayout(Content());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(pgcRelation);
  btnApply = AddButton(QStringLiteral("&Použít"), "btnApply");

  frmEditRefColumns = new TfrmEditRefColumns(this);

  GuardedConnect(btnNew, &QPushButton::clicked, [this] { btnNewClick(); });
  GuardedConnect(btnEdit, &QPushButton::clicked, [this] { btnEditClick(); });
  GuardedConnect(btnDel, &QPushButton::clicked, [this] { btnDelClick(); });
  GuardedConnect(btnPrimEnt, &QPushButton::clicked, [this] { btnPrimEntClick(); });
  GuardedConnect(Button1, &QPushButton::clicked, [this] { Button1Click(); });
  GuardedConnect(btnApply, &QPushButton::clicked, [this] { btnApplyClick(); });
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
  FStored = false;
  LoadData();
  const bool ok = exec() == mrOk;
  if (ok) StoreData();
  FMirror.reset();
  FRecord = nullptr;
  return ok || FStored;
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
  FStored = true;
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

int TfrmRelationProperties::SelectedRow() const {
  QTreeWidgetItem* item = lvColumns->currentItem();
  return item && item->isSelected() ? lvColumns->indexOfTopLevelItem(item) : -1;
}

void TfrmRelationProperties::SelectRow(int Row) {
  if (Row < 0 || Row >= lvColumns->topLevelItemCount()) {
    lvColumns->setCurrentItem(nullptr);
    lvColumns->clearSelection();
    return;
  }
  lvColumns->setCurrentItem(lvColumns->topLevelItem(Row));
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
  const int count = lvColumns->topLevelItemCount();
  SelectRow(count == 0 ? -1 : std::min(selected, count - 1));
}

void TfrmRelationProperties::EditTable(TTable* Table) {
  if (!FMirror || !FEntityDialog || !FDocument) return;
  TEntity* entity = FDocument->FindEntityByTable(Table);
  if (!entity) return; // a table that no entity shows: nothing to open
  if (!FEntityDialog->Execute(entity, FModel, nullptr)) return;
  FStored = true;
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
  const int count = lvColumns->topLevelItemCount();
  SelectRow(selected < 0 || count == 0 ? -1 : std::min(selected, count - 1));
}

void TfrmRelationProperties::btnApplyClick() {
  if (!FMirror) return;
  StoreData();
  LoadData();
}

void TfrmRelationProperties::showEvent(QShowEvent* Event) {
  TfrmAbstractDialog::showEvent(Event);
  ui::Guarded([this] { FormActivate(); }, windowTitle());
}

void TfrmRelationProperties::FormActivate() {
  pgcRelation->setTabVisible(pgcRelation->indexOf(tsError), FRecord != nullptr);
  pgcRelation->setCurrentWidget(tsProperties);
  if (!FRecord) return;
  mmError->setPlainText(CheckFindingText(FRecord));
  if (FRecord->LevelCount() <= 1) return;
  const int type = FRecord->LevelType(1);
  if (type < TCheckRecord::ltTable) {
    fraPERelation->SelectLocation(FRecord, 1);
  } else if (type == TCheckRecord::ltPair) {
    pgcRelation->setCurrentWidget(tsColumns);
    lvColumns->setFocus();
    const int row = FRecord->LevelIndex(1);
    if (row >= 0 && row < lvColumns->topLevelItemCount()) {
      SelectRow(row);
      // The pair dialog opens once this window is on the screen.
      QTimer::singleShot(0, this, [this] { ui::Guarded([this] { btnEditClick(); }, windowTitle()); });
    }
  }
}
