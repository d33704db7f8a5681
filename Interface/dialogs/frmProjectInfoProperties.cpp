#include "Interface/dialogs/frmProjectInfoProperties.h"

#include "diagram/ProjectInfo.h"
#include "ui/FailureReport.h"
#include "ui/MB.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

QFrame* Bevel(QWidget* Parent) {
  auto* line = new QFrame(Parent);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

} // namespace

TfrmProjectInfoProperties::TfrmProjectInfoProperties(QWidget* Parent) : TfrmAbstractDialog(Parent) {
  setObjectName(QStringLiteral("frmProjectInfoProperties"));
  setWindowTitle(QStringLiteral("Vlastnosti projektu"));
  auto* grid = new QGridLayout(Content());
  grid->setContentsMargins(0, 0, 0, 0);
  int row = 0;
  auto addRow = [&](const QString& Caption, const char* Name, bool Editable) {
    auto* label = new QLabel(Caption, Content());
    auto* edit = new QLineEdit(Content());
    edit->setObjectName(QString::fromLatin1(Name));
    edit->setEnabled(Editable);
    label->setBuddy(edit);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    ++row;
    return edit;
  };
  edtName = addRow(QStringLiteral("&Název projektu:"), "edtName", true);
  edtVersion = addRow(QStringLiteral("&Verze:"), "edtVersion", true);
  edtModel = addRow(QStringLiteral("&Model:"), "edtModel", true);
  edtSubModel = addRow(QStringLiteral("&Podmodel:"), "edtSubModel", true);
  edtAuthor = addRow(QStringLiteral("&Autor:"), "edtAuthor", true);
  edtFirm = addRow(QStringLiteral("&Firma:"), "edtFirm", true);
  grid->addWidget(Bevel(Content()), row++, 0, 1, 2);
  edtDBServer = addRow(QStringLiteral("Databázový Server:"), "edtDBServer", false);
  edtCreatedAt = addRow(QStringLiteral("Vytvořeno:"), "edtCreatedAt", false);
  edtUpdatedAt = addRow(QStringLiteral("Upraveno:"), "edtUpdatedAt", false);
  grid->addWidget(Bevel(Content()), row++, 0, 1, 2);
  grid->setRowStretch(row, 1);
  grid->setColumnStretch(1, 1);
  SetFirstFocus(edtName);
  SetDialogSize(281, 297);
}

bool TfrmProjectInfoProperties::Execute(TProjectInfo* Info) {
  edtName->setText(Info->Project());
  edtVersion->setText(Info->Version());
  edtModel->setText(Info->Model());
  edtSubModel->setText(Info->SubModel());
  edtAuthor->setText(Info->Author());
  edtFirm->setText(Info->Firm());
  edtDBServer->setText(Info->DBServer());
  // The block's format is in the letters of the block, not Qt's.
  edtCreatedAt->setText(FormatDateTime(Info->FormatStr(), Info->CreatedAt()));
  edtUpdatedAt->setText(FormatDateTime(Info->FormatStr(), Info->UpdatedAt()));
  if (exec() != mrOk) return false;
  Info->SetProject(edtName->text());
  Info->SetVersion(edtVersion->text());
  Info->SetModel(edtModel->text());
  Info->SetSubModel(edtSubModel->text());
  Info->SetAuthor(edtAuthor->text());
  Info->SetFirm(edtFirm->text());
  return true;
}

void TfrmProjectInfoProperties::showEvent(QShowEvent* Event) {
  TfrmAbstractDialog::showEvent(Event);
  ui::Guarded([this] { FormActivate(); }, windowTitle());
}

void TfrmProjectInfoProperties::FormActivate() {
  if (edtName->isVisible()) edtName->setFocus();
}
