#pragma once
// The note dialog: the text of a note and whether it takes the size of its text.

#include "ui/frmAbstract.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class TNote;

class TfrmNoteProperties : public TfrmAbstractDialog {
  Q_OBJECT
public:
  explicit TfrmNoteProperties(QWidget* Parent = nullptr);

  // Shows Note's lines and automatic size; on OK writes both back and repaints the note.
  // True on OK.
  bool Execute(TNote* Note);

  // Components.
  QLabel* Label1;
  QPlainTextEdit* mmNoteText;
  QCheckBox* chbxAutosize;
};
