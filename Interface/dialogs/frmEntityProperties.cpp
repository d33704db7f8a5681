#include "Interface/dialogs/frmEntityProperties.h"

#include "editor/AttributeRows.h"
#include "editor/PluginText.h"

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
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QTreeWidget>

using Morvik::TCheckRecord;

TfrmEntityProperties::TfrmEntityProperties(QWidget* Parent) : TfrmPropertyPages("pgcEntity", Parent) {
  setObjectName(QStringLiteral("frmEntityProperties"));
  setWindowTitle(QStringLiteral("Vlastnosti entity"));

  pgcEntity = Pages();

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

  tsAttribute = new TRowsPage("tsAttribute", "lvAttribute");
  lvAttribute = tsAttribute->List();
  lvAttribute->setHeaderLabels({QStringLiteral("Název"), QStringLiteral("K"), QStringLiteral("Typ")});
  // The columns fit the list at any size: the key keeps its narrow column, the name and the
  // type share the rest.
  QHeaderView* header = lvAttribute->header();
  header->setStretchLastSection(false);
  header->setSectionResizeMode(0, QHeaderView::Stretch);
  header->setSectionResizeMode(1, QHeaderView::Fixed);
  header->setSectionResizeMode(2, QHeaderView::Stretch);
  lvAttribute->setColumnWidth(1, 20);
  btnNew = tsAttribute->AddButton(QStringLiteral("&Nový"), "btnNew");
  btnEdit = tsAttribute->AddButton(QStringLiteral("Z&měnit"), "btnEdit");
  btnDelete = tsAttribute->AddButton(QStringLiteral("&Smazat"), "btnDelete");
  btnUp = tsAttribute->AddButton(QString(), "btnUp");
  btnUp->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
  btnUp->setToolTip(QStringLiteral("Nahoru"));
  btnDown = tsAttribute->AddButton(QString(), "btnDown");
  btnDown->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
  btnDown->setToolTip(QStringLiteral("Dolů"));
  pgcEntity->addTab(tsAttribute, QStringLiteral("Atributy"));

  AddNotePage();
  AddErrorPage();
  AddApplyButton();

  frmAttribute = new TfrmAttribute(this);

  GuardedConnect(btnNew, &QPushButton::clicked, [this] { btnNewClick(); });
  GuardedConnect(btnEdit, &QPushButton::clicked, [this] { btnEditClick(); });
  GuardedConnect(btnDelete, &QPushButton::clicked, [this] { btnDeleteClick(); });
  GuardedConnect(btnUp, &QPushButton::clicked, [this] { btnUpClick(); });
  GuardedConnect(btnDown, &QPushButton::clicked, [this] { btnDownClick(); });
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
  const bool stored = EditModally();
  FMirror.reset();
  FRecord = nullptr;
  return stored;
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
  FEntity->SetCaption(FromPlugin(FMirror->GetName()));
  FEntity->SetDrawAll(chbxShowAttributes->isChecked());
  FillAttributeRows(*FEntity, *FMirror);
  FEntity->Repaint();
  fraPEEntity->SetParamObject(nullptr);
  FMirror.reset();
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
  tsAttribute->KeepSelectionAt(selected);
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

void TfrmEntityProperties::FormActivate() {
  ShowFinding(FRecord);
  pgcEntity->setCurrentWidget(tsProperties);
  // A column's finding opens the attribute dialog on it.
  GoToFinding(FRecord, fraPEEntity, TCheckRecord::ltColumn, tsAttribute, [this] { btnEditClick(); });
}
