#include "Interface/dialogs/frmNoteProperties.h"

#include "diagram/Note.h"
#include "ui/MB.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TfrmNoteProperties::TfrmNoteProperties(QWidget* Parent) : TfrmAbstractDialog(Parent) {
  setObjectName(QStringLiteral("frmNoteProperties"));
  setWindowTitle(QStringLiteral("Vlastnosti poznámky"));
  Label1 = new QLabel(QStringLiteral("&Text:"), Content());
  mmNoteText = new QPlainTextEdit(Content());
  mmNoteText->setObjectName(QStringLiteral("mmNoteText"));
  mmNoteText->setTabChangesFocus(true);
  Label1->setBuddy(mmNoteText);
  chbxAutosize = new QCheckBox(QStringLiteral("&Automatická velikost"), Content());
  chbxAutosize->setObjectName(QStringLiteral("chbxAutosize"));
  auto* layout = new QVBoxLayout(Content());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(Label1);
  layout->addWidget(mmNoteText, 1);
  layout->addWidget(chbxAutosize);
  SetFirstFocus(mmNoteText);
  SetDialogSize(350, 250, dsResizable, QSize(270, 170));
}

bool TfrmNoteProperties::Execute(TNote* Note) {
  mmNoteText->setPlainText(Note->Lines().join(QLatin1Char('\n')));
  chbxAutosize->setChecked(Note->AutoSize());
  if (exec() != mrOk) return false;
  Note->SetAutoSize(chbxAutosize->isChecked());
  Note->SetLines(mmNoteText->toPlainText().split(QLatin1Char('\n')));
  Note->Repaint();
  return true;
}
