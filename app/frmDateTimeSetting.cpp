#include "app/frmDateTimeSetting.h"

#include "diagram/ProjectInfo.h"
#include "ui/MB.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TfrmDateTimeSetting::TfrmDateTimeSetting(QWidget* Parent) : TfrmAbstractDialog(Parent) {
  setWindowTitle(QStringLiteral("Nastavení formátu datumu a času"));
  SetClientSize(232, 154);
  CenterOnScreen();
  Label1 = new QLabel(QStringLiteral("Formátovací řetězec:"), this);
  Label1->setGeometry(8, 8, 216, 14);
  edtDTFormat = new QLineEdit(this);
  edtDTFormat->setObjectName(QStringLiteral("edtDTFormat"));
  edtDTFormat->setGeometry(8, 24, 216, 21);
  Label2 = new QLabel(QStringLiteral("Výsledek:"), this);
  Label2->setGeometry(8, 56, 216, 14);
  lblExample = new QLabel(this);
  lblExample->setObjectName(QStringLiteral("lblExample"));
  lblExample->setAlignment(Qt::AlignHCenter);
  lblExample->setGeometry(8, 74, 216, 14);
  auto* bevel = new QFrame(this);
  bevel->setFrameShape(QFrame::HLine);
  bevel->setGeometry(8, 108, 216, 2);
  connect(edtDTFormat, &QLineEdit::textChanged, this, [this] { Guard([this] { UpdateExample(); }); });
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
  Guard([this] { UpdateExample(); });
}
