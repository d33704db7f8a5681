#include "app/frmFindDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TfrmFindDialog::TfrmFindDialog(QWidget* Parent) : TfrmAbstractDialog(Parent) {
  setObjectName(QStringLiteral("frmFindDialog"));
  setWindowTitle(QStringLiteral("Hledání slov v textu"));

  QWidget* content = Content();
  auto* grid = new QGridLayout(content);
  grid->setContentsMargins(0, 0, 0, 0);

  Label1 = new QLabel(QStringLiteral("&Hledané slovo:"), content);
  edSearchText = new QLineEdit(content);
  edSearchText->setObjectName(QStringLiteral("edSearchText"));
  Label1->setBuddy(edSearchText);
  grid->addWidget(Label1, 0, 0);
  grid->addWidget(edSearchText, 0, 1, 1, 2);

  gbSearchOptions = new QGroupBox(QStringLiteral(" Možnosti "), content);
  auto* options = new QVBoxLayout(gbSearchOptions);
  cbSearchCaseSensitive = new QCheckBox(QStringLiteral("Záleží na velikosti písmen"), gbSearchOptions);
  cbSearchWholeWords = new QCheckBox(QStringLiteral("Pouze celá slova"), gbSearchOptions);
  cbSearchFromCursor = new QCheckBox(QStringLiteral("Search Od kurzoru"), gbSearchOptions);
  cbSearchSelectedOnly = new QCheckBox(QStringLiteral("V bloku"), gbSearchOptions);
  for (QCheckBox* box : {cbSearchCaseSensitive, cbSearchWholeWords, cbSearchFromCursor, cbSearchSelectedOnly})
    options->addWidget(box);
  grid->addWidget(gbSearchOptions, 1, 0, 1, 2);

  rgSearchDirection = new QGroupBox(QStringLiteral(" Směr "), content);
  auto* direction = new QVBoxLayout(rgSearchDirection);
  rbForward = new QRadioButton(QStringLiteral("Do&předu"), rgSearchDirection);
  rbBackward = new QRadioButton(QStringLiteral("&Dozadu"), rgSearchDirection);
  rbForward->setChecked(true);
  direction->addWidget(rbForward);
  direction->addWidget(rbBackward);
  direction->addStretch();
  grid->addWidget(rgSearchDirection, 1, 2);

  btnOK->setText(QStringLiteral("&Ok"));
  SetFirstFocus(edSearchText);
  SetDialogSize(380, 200);
}

QString TfrmFindDialog::SearchText() const { return edSearchText->text(); }

bool TfrmFindDialog::SearchBackwards() const { return rbBackward->isChecked(); }
