#include "Interface/dialogs/frmTextLabelProperties.h"

#include "diagram/TextLabel.h"
#include "ui/Color.h"
#include "ui/FailureReport.h"
#include "ui/Graphics.h"
#include "ui/MB.h"

#include <QColorDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TfrmTextLabelProperties::TfrmTextLabelProperties(QWidget* Parent) : TfrmAbstractDialog(Parent) {
  setObjectName(QStringLiteral("frmTextLabelProperties"));
  setWindowTitle(QStringLiteral("Vlastnosti textu"));

  Label1 = new QLabel(QStringLiteral("&Nová popiska textu:"), Content());
  edtCaption = new QLineEdit(Content());
  edtCaption->setObjectName(QStringLiteral("edtCaption"));
  edtCaption->setMaxLength(MaxCaptionLength);
  Label1->setBuddy(edtCaption);
  btnFont = new QPushButton(QStringLiteral("&Font"), Content());
  btnFont->setObjectName(QStringLiteral("btnFont"));
  btnBack = new QPushButton(QStringLiteral("&Pozadí"), Content());
  btnBack->setObjectName(QStringLiteral("btnBack"));
  btnBorder = new QPushButton(QStringLiteral("O&rámování"), Content());
  btnBorder->setObjectName(QStringLiteral("btnBorder"));
  auto* looks = new QHBoxLayout;
  looks->addWidget(btnFont);
  looks->addWidget(btnBack);
  looks->addWidget(btnBorder);
  auto* layout = new QGridLayout(Content());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Label1, 0, 0);
  layout->addWidget(edtCaption, 1, 0);
  layout->addLayout(looks, 2, 0);
  layout->setRowStretch(3, 1);

  cdColor = new QColorDialog(this);
  fdFont = new QFontDialog(this);
  fdFont->setOption(QFontDialog::ScalableFonts);
  OldTextLabel = std::make_unique<TTextLabel>(nullptr);
  OldTextLabel->SetEffect3D(false);
  OldTextLabel->Font()->SetName(QStringLiteral("Arial"));
  OldTextLabel->Font()->SetHeight(-11);

  GuardedConnect(edtCaption, &QLineEdit::textChanged, [this] { edtCaptionChange(); });
  GuardedConnect(btnFont, &QPushButton::clicked, [this] { btnFontClick(); });
  GuardedConnect(btnBack, &QPushButton::clicked, [this] { btnBackClick(); });
  GuardedConnect(btnBorder, &QPushButton::clicked, [this] { btnBorderClick(); });

  SetFirstFocus(edtCaption);
  SetDialogSize(246, 125);
}

TfrmTextLabelProperties::~TfrmTextLabelProperties() = default;

bool TfrmTextLabelProperties::Execute(TTextLabel* Label) {
  FLabel = nullptr;
  FOldCaption = Label->Caption();
  FLoading = true;
  // A caption that is already longer than the edit takes is shown whole.
  edtCaption->setMaxLength(std::max<int>(MaxCaptionLength, static_cast<int>(FOldCaption.size())));
  edtCaption->setText(FOldCaption);
  FLoading = false;
  FLabel = Label;
  OldTextLabel->Assign(Label);
  const bool ok = exec() == mrOk;
  if (ok) {
    Label->SetCaption(edtCaption->text());
  } else {
    Label->Assign(OldTextLabel.get());
    Label->SetCaption(FOldCaption);
    Label->CountNewSize(true);
  }
  FLabel = nullptr;
  return ok;
}

void TfrmTextLabelProperties::edtCaptionChange() {
  if (!FLoading && FLabel) FLabel->SetCaption(edtCaption->text());
}

void TfrmTextLabelProperties::btnFontClick() {
  if (!FLabel) return;
  fdFont->setCurrentFont(ui::ToDialogFont(FLabel->Font()));
  if (fdFont->exec() != QDialog::Accepted) return;
  ui::TFont font;
  font.Assign(FLabel->Font());
  ui::FromDialogFont(fdFont->selectedFont(), &font);
  FLabel->SetFont(&font);
}

void TfrmTextLabelProperties::btnBackClick() {
  if (!FLabel) return;
  cdColor->setCurrentColor(ui::ColorToQColor(FLabel->Brush()->Color()));
  if (cdColor->exec() != QDialog::Accepted) return;
  FLabel->Brush()->SetColor(ui::QColorToColor(cdColor->selectedColor()));
}

void TfrmTextLabelProperties::btnBorderClick() {
  if (!FLabel) return;
  cdColor->setCurrentColor(ui::ColorToQColor(FLabel->Pen()->Color()));
  if (cdColor->exec() != QDialog::Accepted) return;
  FLabel->Pen()->SetColor(ui::QColorToColor(cdColor->selectedColor()));
}

void TfrmTextLabelProperties::showEvent(QShowEvent* Event) {
  TfrmAbstractDialog::showEvent(Event);
  ui::Guarded([this] { FormActivate(); }, windowTitle());
}

void TfrmTextLabelProperties::FormActivate() {
  if (edtCaption->isVisible()) edtCaption->setFocus();
}
