#pragma once
// The text-label dialog: the caption, font and colours of a free text label, each change
// shown on the desktop at once; Cancel gives the label back its caption and look.

#include "ui/frmAbstract.h"

#include <QString>
#include <memory>

class QColorDialog;
class QFontDialog;
class QLabel;
class QLineEdit;
class QPushButton;
class TTextLabel;

class TfrmTextLabelProperties : public TfrmAbstractDialog {
  Q_OBJECT
public:
  // The longest caption the edit takes (a longer caption that a label has already is kept).
  static constexpr int MaxCaptionLength = 30;

  explicit TfrmTextLabelProperties(QWidget* Parent = nullptr);
  ~TfrmTextLabelProperties() override;

  // Edits Label; true on OK. On any other end the label takes back its caption and look.
  bool Execute(TTextLabel* Label);

  // Components.
  QLabel* Label1;
  QLineEdit* edtCaption;
  QPushButton* btnFont;
  QPushButton* btnBack;
  QPushButton* btnBorder;
  QColorDialog* cdColor;
  QFontDialog* fdFont;
  // The label's look (brush, pen, 3-D setting, font) as it was before editing.
  std::unique_ptr<TTextLabel> OldTextLabel;

  // Event handlers.
  void edtCaptionChange();
  void btnFontClick();
  void btnBackClick();
  void btnBorderClick();
  void FormActivate();

protected:
  void showEvent(QShowEvent* Event) override;

private:
  TTextLabel* FLabel = nullptr;
  QString FOldCaption;
  // Set while Execute fills the edit: the change is not the user's.
  bool FLoading = false;
};
