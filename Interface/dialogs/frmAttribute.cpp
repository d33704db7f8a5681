#include "Interface/dialogs/frmAttribute.h"

#include "Interface/dialogs/fraParamEdit.h"
#include "Interface/edit/CheckRecord.h"
#include "Interface/edit/EditColumn.h"
#include "ui/FailureReport.h"
#include "ui/MB.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTabWidget>
#include <QVBoxLayout>

using Morvik::TCheckRecord;

TfrmAttribute::TfrmAttribute(QWidget* Parent) : TfrmPropertyPages("pcAttribute", Parent) {
  setObjectName(QStringLiteral("frmAttribute"));
  setWindowTitle(QStringLiteral("Úprava atributu"));
  ShowMessage = [this](const QString& Message) {
    QMessageBox::information(this, QStringLiteral("Morvik"), Message);
  };

  pcAttribute = Pages();

  tsType = new QWidget;
  tsType->setObjectName(QStringLiteral("tsType"));
  lName = new QLabel(QStringLiteral("&Název atributu:"), tsType);
  edtName = new QLineEdit(tsType);
  edtName->setObjectName(QStringLiteral("edtName"));
  lName->setBuddy(edtName);
  chbxKey = new QCheckBox(QStringLiteral("&Klíčový atribut"), tsType);
  chbxKey->setObjectName(QStringLiteral("chbxKey"));
  lType = new QLabel(QStringLiteral("&Typ:"), tsType);
  cbxType = new QComboBox(tsType);
  cbxType->setObjectName(QStringLiteral("cbxType"));
  lType->setBuddy(cbxType);
  lTypeSetting = new QLabel(QStringLiteral("Nastavení typu:"), tsType);
  fraPEType = new TfraParamEdit(tsType);
  fraPEType->setObjectName(QStringLiteral("fraPEType"));
  auto* typeGrid = new QGridLayout(tsType);
  typeGrid->addWidget(lName, 0, 0);
  typeGrid->addWidget(edtName, 0, 1);
  typeGrid->addWidget(chbxKey, 1, 1);
  typeGrid->addWidget(lType, 2, 0);
  typeGrid->addWidget(cbxType, 2, 1);
  typeGrid->addWidget(lTypeSetting, 3, 0, 1, 2);
  typeGrid->addWidget(fraPEType, 4, 0, 1, 2);
  typeGrid->setRowStretch(4, 1);
  pcAttribute->addTab(tsType, QStringLiteral("Typ"));

  tsProperties = new QWidget;
  tsProperties->setObjectName(QStringLiteral("tsProperties"));
  fraPEColumn = new TfraParamEdit(tsProperties);
  fraPEColumn->setObjectName(QStringLiteral("fraPEColumn"));
  auto* propLayout = new QVBoxLayout(tsProperties);
  propLayout->addWidget(fraPEColumn);
  pcAttribute->addTab(tsProperties, QStringLiteral("Vlastnosti"));

  AddErrorPage();

  GuardedConnect(cbxType, &QComboBox::currentIndexChanged, [this](int Index) { cbxTypeChange(Index); });

  SetFirstFocus(edtName);
  SetDialogSize(383, 373, dsResizable, QSize(380, 370));
}

void TfrmAttribute::Setup(TEditColumn* Editor, bool New, const TCheckRecord* Record) {
  FEditor = Editor;
  FNew = New;
  FRecord = Record;
  setWindowTitle(New ? QStringLiteral("Nový atribut") : QStringLiteral("Úprava atributu"));
  fraPEColumn->SetParamObject(Editor);
  Morvik::TDataType* type = Editor ? Editor->GetDataType() : nullptr;
  const QString typeName = type ? QString::fromUtf8(type->GetName()) : QString();
  const int found = cbxType->findText(typeName, Qt::MatchFixedString); // capitals ignored
  if (found < 0) ShowMessage(QStringLiteral("Neznámý typ atributu!"));
  FLoading = true;
  cbxType->setCurrentIndex(found);
  FLoading = false;
  fraPEType->SetParamObject(type);
  ShowFinding(Record);
  if (!Record) pcAttribute->setCurrentWidget(tsType);
}

void TfrmAttribute::cbxTypeChange(int Index) {
  if (FLoading || !FEditor || Index < 0) return;
  fraPEType->SetParamObject(FEditor->SetDataType(Index));
}

void TfrmAttribute::FormActivate() {
  pcAttribute->setCurrentWidget(tsType);
  edtName->setFocus();
  if (!FRecord || FRecord->LevelCount() <= 2) return;
  const int type = FRecord->LevelType(2);
  if (type < TCheckRecord::ltTable) {
    pcAttribute->setCurrentWidget(tsProperties);
    fraPEColumn->SelectLocation(FRecord, 2);
  } else if (type == TCheckRecord::ltDataType) {
    // The type box keeps the column's own type, which the frame shows.
    pcAttribute->setCurrentWidget(tsType);
    fraPEType->SelectLocation(FRecord, 3);
  }
}

void TfrmAttribute::Refuse(const QString& Message) {
  MB(Message, QString(), mtError, MsgButtons({mbOK}), mbOK, 0);
  pcAttribute->setCurrentWidget(tsType);
  edtName->setFocus();
}

bool TfrmAttribute::CanClose() {
  const QString name = edtName->text();
  if (name.isEmpty()) {
    Refuse(QStringLiteral("Nebylo vyplněno jméno sloupce"));
    return false;
  }
  bool ok = true;
  if (TableColumns) {
    for (int i = 0; i < TableColumns->GetColumnCount(); ++i) {
      const QString other = QString::fromUtf8(TableColumns->GetColumn(i)->GetName());
      if (other.toUpper() == name.toUpper() && (FNew || EditedRow != i)) {
        Refuse(QStringLiteral("Sloupec tohoto jména již existuje"));
        ok = false;
      }
    }
  }
  if (FEditor) {
    FEditor->SetName(name.toUtf8().constData());
    FEditor->SetKey(chbxKey->isChecked());
  }
  return ok;
}
