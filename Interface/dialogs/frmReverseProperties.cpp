#include "Interface/dialogs/frmReverseProperties.h"

#include "Interface/dialogs/fraParamEdit.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
constexpr int Width = 420;
constexpr int HeightWithoutOptions = 144;
constexpr int HeightWithOptions = 340;
} // namespace

TfrmReverseProperties::TfrmReverseProperties(QWidget* Parent) : TfrmAbstractDialog(Parent) {
  setObjectName(QStringLiteral("frmReverseProperties"));
  setWindowTitle(QStringLiteral("Nastavení reversu"));
  auto* layout = new QVBoxLayout(Content());
  layout->setContentsMargins(0, 0, 0, 0);

  pnParam = new QWidget(Content());
  pnParam->setObjectName(QStringLiteral("pnParam"));
  auto* params = new QVBoxLayout(pnParam);
  params->setContentsMargins(0, 0, 0, 0);
  lParam = new QLabel(QStringLiteral("Vlastnosti:"), pnParam);
  fraPEReverse = new TfraParamEdit(pnParam);
  fraPEReverse->setObjectName(QStringLiteral("fraPEReverse"));
  params->addWidget(lParam);
  params->addWidget(fraPEReverse, 1);
  layout->addWidget(pnParam, 1);

  auto* login = new QWidget(Content());
  auto* form = new QFormLayout(login);
  form->setContentsMargins(0, 0, 0, 0);
  edtDataSource = new QLineEdit(login);
  edtDataSource->setObjectName(QStringLiteral("edtDataSource"));
  edtName = new QLineEdit(login);
  edtName->setObjectName(QStringLiteral("edtName"));
  edtPasswd = new QLineEdit(login);
  edtPasswd->setObjectName(QStringLiteral("edtPasswd"));
  edtPasswd->setEchoMode(QLineEdit::Password);
  form->addRow(QStringLiteral("Datový zdroj:"), edtDataSource);
  form->addRow(QStringLiteral("Jméno:"), edtName);
  form->addRow(QStringLiteral("Heslo:"), edtPasswd);
  layout->addWidget(login);
  SetFirstFocus(edtDataSource);
  SetDialogSize(Width, HeightWithOptions);
}

bool TfrmReverseProperties::Execute(Morvik::TParamObject* Options) {
  fraPEReverse->SetParamObject(Options);
  return exec() == QDialog::Accepted;
}

void TfrmReverseProperties::FormActivate() {
  const bool none = !fraPEReverse->ParamObject() || fraPEReverse->IsEmpty();
  pnParam->setVisible(!none);
  SetDialogSize(Width, none ? HeightWithoutOptions : HeightWithOptions);
}

void TfrmReverseProperties::showEvent(QShowEvent* Event) {
  FormActivate();
  TfrmAbstractDialog::showEvent(Event);
}
