#include "Interface/dialogs/frmEntityProperties.h"

#include "editor/AttributeRows.h"
#include "editor/PluginText.h"

#include "Interface/dialogs/DialogPages.h"

#include "Interface/dialogs/CheckFinding.h"
#include "Interface/dialogs/fraParamEdit.h"
#include "Interface/dialogs/frmAttribute.h"
#include "Interface/edit/CheckRecord.h"
#include "Interface/edit/EditTable.h"
#include "diagram/Entity.h"
#include "ui/Color.h"
#include "ui/FailureReport.h"
#include "ui/MB.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

using Morvik::TCheckRecord;

TfrmEntityProperties::TfrmEntityProperties(QWidget* Parent) : TfrmAbstractDialog(Parent) {
  setObjectName(QStringLiteral("frmEntityProperties"));
  setWindowTitle(QStringLiteral("Vlastnosti entity"));

  pgcEntity = new QTabWidget(Content());
  pgcEntity->setObjectName(QStringLiteral("pgcEntity"));

  tsProperties = new QWidget;
  tsProperties->setObjectName(QStringLiteral("tsProperties"));
  lName = new QLabel(QStringLiteral("&Název entity:"), tsProperties);
  edtName = new QLineEdit(tsProperties);
  edtName->setObjectName(QStringLiteral("edtName"));
  lName->setBuddy(edtName);
  chbxShowAttributes = new QCheckBox(QStringLiteral("Zobrazovat &atributy"), tsProperties);
  chbxShowAttributes->setObjectName(QStringLiteral("chbxShowAttributes"));
  fraPEEntity = new TfraParamEdit(tsProperties);
  fraPEEntity->setObjectName(QStringLiteral("fraPEEntity"));
  auto* propGrid = new QGridLayout(tsProperties);
  propGrid->addWidget(lName, 0, 0);
  propGrid->addWidget(edtName, 0, 1);
  propGrid->addWidget(chbxShowAttributes, 1, 1);
  propGrid->addWidget(fraPEEntity, 2, 0, 1, 2);
  propGrid->setRowStretch(2, 1);
  pgcEntity->addTab(tsProperties, QStringLiteral("Vlastnosti"));

  tsAttribute = new QWidget;
  tsAttribute->setObjectName(QStringLiteral("tsAttribute"));
  lvAttribute = new QTreeWidget(tsAttribute);
  lvAttribute->setObjectName(QStringLiteral("lvAttribute"));
  lvAttribute->setRootIsDecorated(false);
  lvAttribute->setHeaderLabels({QStringLiteral("Název"), QStringLiteral("K"), QStringLiteral("Typ")});
  // The columns fit the list at any size: the key keeps its narrow column, the name and the
  // type share the rest.
  QHeaderView* header = lvAttribute->header();
  header->setStretchLastSection(false);
  header->setSectionResizeMode(0, QHeaderView::Stretch);
  header->setSectionResizeMode(1, QHeaderView::Fixed);
  header->setSectionResizeMode(2, QHeaderView::Stretch);
  lvAttribute->setColumnWidth(1, 20);
  lvAttribute->setSelectionBehavior(QAbstractItemView::SelectRows);
  lvAttribute->setSelectionMode(QAbstractItemView::SingleSelection);
  lvAttribute->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lvAttribute->setStyleSheet(QStringLiteral("QTreeView::item { border: 1px solid #d0d0d0; }"));
  btnNew = PageButton(QStringLiteral("&Nový"), "btnNew", tsAttribute);
  btnEdit = PageButton(QStringLiteral("Z&měnit"), "btnEdit", tsAttribute);
  btnDelete = PageButton(QStringLiteral("&Smazat"), "btnDelete", tsAttribute);
  btnUp = PageButton(QString(), "btnUp", tsAttribute);
  btnUp->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
  btnUp->setToolTip(QStringLiteral("Nahoru"));
  btnDown = PageButton(QString(), "btnDown", tsAttribute);
  btnDown->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
  btnDown->setToolTip(QStringLiteral("Dolů"));
  auto* attrButtons = new QVBoxLayout;
  for (QPushButton* b : {btnNew, btnEdit, btnDelete, btnUp, btnDown}) attrButtons->addWidget(b);
  attrButtons->addStretch(1);
  auto* attrLayout = new QHBoxLayout(tsAttribute);
  attrLayout->addWidget(lvAttribute, 1);
  attrLayout->addLayout(attrButtons);
  pgcEntity->addTab(tsAttribute, QStringLiteral("Atributy"));

  mmNote = AddMemoPage(pgcEntity, QStringLiteral("Poznámka"), "tsNote", "mmNote", tsNote);

  mmError = AddErrorPage(pgcEntity, tsError);

  auto* layout = new QVBoxLayout(Content());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(pgcEntity);
  btnApply = AddButton(QStringLiteral("&Použít"), "btnApply");

  frmAttribute = new TfrmAttribute(this);

  GuardedConnect(btnNew, &QPushButton::clicked, [this] { btnNewClick(); });
  GuardedConnect(btnEdit, &QPushButton::clicked, [this] { btnEditClick(); });
  GuardedConnect(btnDelete, &QPushButton::clicked, [this] { btnDeleteClick(); });
  GuardedConnect(btnUp, &QPushButton::clicked, [this] { btnUpClick(); });
  GuardedConnect(btnDown, &QPushButton::clicked, [this] { btnDownClick(); });
  GuardedConnect(btnApply, &QPushButton::clicked, [this] { btnApplyClick(); });
  GuardedConnect(lvAttribute, &QTreeWidget::itemDoubleClicked, [this] { btnEditClick(); });

  SetFirstFocus(edtName);
  SetDialogSize(420, 400, dsResizable, QSize(360, 320));
}

TfrmEntityProperties::~TfrmEntityProperties() = default;

bool TfrmEntityProperties::Execute(TEntity* Entity, Morvik::TModel* Model, const TCheckRecord* Record) {
  FEntity = Entity;
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

void TfrmEntityProperties::LoadData() {
  auto mirror = std::make_unique<TEditTable>(FModel);
  mirror->Load(FEntity->Table());
  FMirror = std::move(mirror);
  edtName->setText(FromPlugin(FMirror->GetName()));
  mmNote->setPlainText(FromPlugin(FMirror->GetComment()));
  chbxShowAttributes->setChecked(FEntity->DrawAll());
  FillAttributes();
  fraPEEntity->SetParamObject(FMirror.get());
  mmError->clear();
}

void TfrmEntityProperties::StoreData() {
  FMirror->SetName(edtName->text().toUtf8().constData());
  FMirror->SetComment(mmNote->toPlainText().toUtf8().constData());
  FDeleted.Append(FMirror->Store());
  FStored = true;
  FEntity->SetCaption(FromPlugin(FMirror->GetName()));
  FEntity->SetDrawAll(chbxShowAttributes->isChecked());
  FillAttributeRows(*FEntity, *FMirror);
  FEntity->Repaint();
  fraPEEntity->SetParamObject(nullptr);
  FMirror.reset();
}

int TfrmEntityProperties::SelectedRow() const {
  QTreeWidgetItem* item = lvAttribute->currentItem();
  return item && item->isSelected() ? lvAttribute->indexOfTopLevelItem(item) : -1;
}

void TfrmEntityProperties::SelectRow(int Row) {
  if (Row < 0 || Row >= lvAttribute->topLevelItemCount()) {
    lvAttribute->setCurrentItem(nullptr);
    lvAttribute->clearSelection();
    return;
  }
  lvAttribute->setCurrentItem(lvAttribute->topLevelItem(Row));
}

void TfrmEntityProperties::FillAttributes() {
  const int selected = SelectedRow();
  lvAttribute->clear();
  for (int i = 0; i < FMirror->GetColumnCount(); ++i) {
    Morvik::TColumn* column = FMirror->GetColumn(i);
    auto* row = new QTreeWidgetItem(lvAttribute);
    row->setText(0, FromPlugin(column->GetName()));
    row->setText(1, column->GetKey() ? QStringLiteral("K") : QString());
    const Morvik::TDataType* type = column->GetDataType();
    row->setText(2, type ? FromPlugin(type->GetName()) : QString());
    const auto* mirror = dynamic_cast<const TEditColumn*>(column);
    const QColor color = ui::ColorToQColor(mirror && mirror->IsNew() ? NewColumnColor : StoredColumnColor);
    for (int c = 0; c < 3; ++c) row->setForeground(c, color);
  }
  const int count = lvAttribute->topLevelItemCount();
  SelectRow(selected < 0 || count == 0 ? -1 : std::min(selected, count - 1));
}

void TfrmEntityProperties::PrepareAttributeDialog() {
  frmAttribute->cbxType->blockSignals(true);
  frmAttribute->cbxType->clear();
  for (int i = 0; i < FModel->GetDataTypeCount(); ++i)
    frmAttribute->cbxType->addItem(FromPlugin(FModel->GetDataTypeInfo(i)->GetName()));
  frmAttribute->cbxType->setCurrentIndex(-1);
  frmAttribute->cbxType->blockSignals(false);
  frmAttribute->TableColumns = FMirror.get();
}

void TfrmEntityProperties::btnNewClick() {
  if (!FMirror) return;
  PrepareAttributeDialog();
  frmAttribute->edtName->clear();
  frmAttribute->chbxKey->setChecked(false);
  TEditColumn* editor = FMirror->EditNewColumn();
  frmAttribute->EditedRow = -1;
  frmAttribute->Setup(editor, true, nullptr);
  if (frmAttribute->exec() == mrOk) {
    editor->Store();
    FillAttributes();
  } else {
    FMirror->DropLastColumn();
  }
}

void TfrmEntityProperties::btnEditClick() {
  if (!FMirror) return;
  const int row = SelectedRow();
  if (row < 0) return;
  TEditColumn* editor = FMirror->EditColumn(row);
  PrepareAttributeDialog();
  frmAttribute->edtName->setText(FromPlugin(editor->GetName()));
  frmAttribute->chbxKey->setChecked(editor->GetKey());
  frmAttribute->EditedRow = row;
  frmAttribute->Setup(editor, false, FRecord);
  if (frmAttribute->exec() == mrOk) {
    editor->Store();
    FillAttributes();
  }
}

void TfrmEntityProperties::btnDeleteClick() {
  if (!FMirror) return;
  const int row = SelectedRow();
  if (row < 0) return;
  FMirror->DeleteColumn(row);
  FillAttributes();
}

void TfrmEntityProperties::btnUpClick() {
  if (!FMirror) return;
  const int row = SelectedRow();
  if (row <= 0) return;
  FMirror->ExchangeColumns(row, row - 1);
  FillAttributes();
  SelectRow(row - 1);
}

void TfrmEntityProperties::btnDownClick() {
  if (!FMirror) return;
  const int row = SelectedRow();
  if (row < 0 || row >= FMirror->GetColumnCount() - 1) return;
  FMirror->ExchangeColumns(row, row + 1);
  FillAttributes();
  SelectRow(row + 1);
}

void TfrmEntityProperties::btnApplyClick() {
  if (!FMirror) return;
  StoreData();
  LoadData();
}

void TfrmEntityProperties::showEvent(QShowEvent* Event) {
  TfrmAbstractDialog::showEvent(Event);
  ui::Guarded([this] { FormActivate(); }, windowTitle());
}

void TfrmEntityProperties::FormActivate() {
  pgcEntity->setTabVisible(pgcEntity->indexOf(tsError), FRecord != nullptr);
  pgcEntity->setCurrentWidget(tsProperties);
  if (!FRecord) return;
  mmError->setPlainText(CheckFindingText(FRecord));
  if (FRecord->LevelCount() <= 1) return;
  const int type = FRecord->LevelType(1);
  if (type < TCheckRecord::ltTable) {
    fraPEEntity->SelectLocation(FRecord, 1);
  } else if (type == TCheckRecord::ltColumn) {
    pgcEntity->setCurrentWidget(tsAttribute);
    lvAttribute->setFocus();
    const int row = FRecord->LevelIndex(1);
    if (row >= 0 && row < lvAttribute->topLevelItemCount()) {
      SelectRow(row);
      // The attribute dialog opens once this window is on the screen.
      QTimer::singleShot(0, this, [this] { ui::Guarded([this] { btnEditClick(); }, windowTitle()); });
    }
  }
}
