// The documentation dialog: the site's folder and content for one schema window, generated as
// often as wanted without leaving the dialog.
#pragma once

#include "ui/frmAbstract.h"

#include <QString>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TDocumentationHost;
class TfrmDesign;

class TfrmDocumentationProperties : public TfrmAbstractDialog {
  Q_OBJECT
public:
  explicit TfrmDocumentationProperties(TDocumentationHost* Host, QWidget* Parent = nullptr);

  // Shows the dialog modally for Design. Path gets the "index.html" of the last site generated
  // while the dialog was open, or an empty text when none was.
  void Execute(TfrmDesign* Design, QString& Path);

  QLabel* Label1;
  QLineEdit* edDocFileName;
  QPushButton* btnBrowse;
  QGroupBox* GroupBox1;
  QCheckBox* chbxEntity;
  QCheckBox* chbxRelation;
  QCheckBox* chbxScript;
  QPushButton* btnScript;
  QLabel* lScriptInfo;
  QCheckBox* chbxNote;
  QCheckBox* chbxAddInfo;
  QCheckBox* chbxDescription;
  QPushButton* btnView;

  // The edit gets the folder of the document's last documentation; the script warning is
  // brought up to date.
  void FormActivate();
  void btnBrowseClick();
  // Warns while the script switch is on and the document has no script yet.
  void chbxScriptClick();
  void btnScriptClick();
  // Generates the site into the edit's folder; the dialog stays open.
  void btnOKClick();

protected:
  // The generate button generates and never closes the dialog.
  bool CanClose() override;
  void showEvent(QShowEvent* Event) override;

private:
  void UpdateViewButton();

  TDocumentationHost* FHost;
  TfrmDesign* FDesign = nullptr;
  QString FPath;
};
