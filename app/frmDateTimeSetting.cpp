#include "app/frmDateTimeSetting.h"

#include "diagram/ProjectInfo.h"
#include "ui/FailureReport.h"
#include "ui/MB.h"

#include <QBoxLayout>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TfrmDateTimeSetting::TfrmDateTimeSetting(QWidget* Parent) : TfrmAbstractDialog(Parent) {
  setWindowTitle(QStringLiteral("Nastavení formátu datumu a času"));
  auto* layout = new QVBoxLayout(Content());
  layout->setContentsMargins(0, 0, 0, 0);
  Label1 = new QLabel(QStringLiteral("Formátovací řetězec:"), Content());
  edtDTFormat = new QLineEdit(Content());
  edtDTFormat->setObjectName(QStringLiteral("edtDTFormat"));
  Label1->setBuddy(edtDTFormat);
  Label2 = new QLabel(QStringLiteral("Výsledek:"), Content());
  lblExample = new QLabel(Content());
  lblExample->setObjectName(QStringLiteral("lblExample"));
  lblExample->setAlignment(Qt::AlignHCenter);
  auto* bevel = new QFrame(Content());
  bevel->setFrameShape(QFrame::HLine);
  bevel->setFrameShadow(QFrame::Sunken);
  layout->addWidget(Label1);
  layout->addWidget(edtDTFormat);
  layout->addSpacing(6);
  layout->addWidget(Label2);
  layout->addWidget(lblExample);
  layout->addStretch(1);
  layout->addWidget(bevel);
  SetDialogSize(232, 154);
  GuardedConnect(edtDTFormat, &QLineEdit::textChanged, [this] { UpdateExample(); });
}

bool TfrmDateTimeSetting::Execute(QString& Format) {
  edtDTFormat->setText(Format);
  UpdateExample();
  if (exec() != mrOk) return false;
  Format = edtDTFormat->text();
  return true;
}

void TfrmDateTimeSetting::UpdateExample() {
  lblExample->setText(FormatDateTime(edtDTFormat->text(), QDateTime::currentDateTime()));
}

void TfrmDateTimeSetting::showEvent(QShowEvent* Event) {
  TfrmAbstractDialog::showEvent(Event);
  ui::Guarded([this] { UpdateExample(); }, windowTitle());
}
