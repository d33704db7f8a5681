#pragma once
// The diagram-look settings window: the sample elements that new elements copy their look
// from, the desktop colours and the default desktop size, edited on a preview, applied to
// the open schemas and kept in the settings file.

#include "editor/DesignSamples.h"
#include "ui/frmAbstract.h"

#include <QSize>
#include <functional>
#include <memory>
#include <vector>

class QCheckBox;
class QColorDialog;
class QFontDialog;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QTabWidget;
class QWidget;
class TDesignSettingTarget;
class TIniFile;
class TRectangle;
namespace ui {
class TDesktop;
class TControl;
}

class TfrmDesignSetting : public TfrmAbstractDialog {
  Q_OBJECT
public:
  explicit TfrmDesignSetting(QWidget* Parent = nullptr);
  ~TfrmDesignSetting() override;

  // The sample sets this window owns; registered as the current ones for the factories.
  TDesignSamples& Samples() { return *FSamples; }

  // Shows the window modally for the active schema window (or null).
  int Execute(TDesignSettingTarget* Design);

  void WriteSettings(TIniFile& IniFile, const QString& Section) const;
  void ReadSettings(const TIniFile& IniFile, const QString& Section);
  // The three rows of the sample entity.
  static void FillSampleEntity(TEntity* Entity);

  // The open schema windows that Apply reaches; none when not set.
  std::function<std::vector<TDesignSettingTarget*>()> OpenDesigns;
  // The printer's page size in pixels; an empty size when no printer is known.
  std::function<QSize()> PrinterPageSize;

  // Opening: first item, its view, the Cancel copy, first page, current desktop size.
  void FormActivate();
  // Applies the look to the open schemas and the size to the given one; false (and nothing
  // changed) when a size edit holds no positive number.
  bool Apply();

  QTabWidget* pgcOptions;
  QWidget* tsComponents;
  QWidget* tsDesktop;
  QListWidget* lbxComponents;
  QWidget* pnExample;
  ui::TDesktop* pbDesktop;
  QPushButton* btnFont;
  QPushButton* btnBrushColor;
  QPushButton* btnPenColor;
  QCheckBox* chbx3D;
  QPushButton* btnDefault;
  QPushButton* btnDTSetting;
  QLabel* lFontName;
  QCheckBox* chbxCreateLabel;
  QLineEdit* edDefDesktopWPag;
  QLineEdit* edDefDesktopHPag;
  QLineEdit* edDefDesktopWPix;
  QLineEdit* edDefDesktopHPix;
  QGroupBox* grbActDesktopSize;
  QLineEdit* edActDesktopWPag;
  QLineEdit* edActDesktopHPag;
  QLineEdit* edActDesktopWPix;
  QLineEdit* edActDesktopHPix;
  QLabel* lActPagCaption;
  QLabel* lActPixCaption;
  QLabel* lPageSize;
  QPushButton* btnApply;
  QColorDialog* cdBrushColor;
  QColorDialog* cdPenColor;
  QFontDialog* fdFont;

  // Handlers.
  void lbxComponentsClick();
  void btnFontClick();
  void btnBrushColorClick();
  void btnPenColorClick();
  void chbx3DClick();
  void btnDTSettingClick();
  void btnDefaultClick();
  void pgcOptionsChange();

  // The sample shown for the selected item (null for "Plocha").
  TMorvikGraphic* CurrentSample() const;
  bool DesktopPageVisited() const { return FDesktopPageVisited; }

protected:
  bool CanClose() override;
  // Closing without OK (Cancel, Esc, the close box) restores the Cancel copy.
  void done(int Result) override;
  void showEvent(QShowEvent* Event) override;

private:
  void CenterSample();
  void UpdateFontName();
  void EditsFromSamples();
  void FilterDigits(QLineEdit* Edit);
  // Validates the size edits that Apply takes; shows the refusal.
  bool SizesValid();

  std::unique_ptr<TDesignSamples> FSamples;
  TDesignSettingTarget* FDesign = nullptr;
  bool FDesktopPageVisited = false;
  // The hidden boxes the relation sample runs between.
  TRectangle* FRelationBase = nullptr;
  TRectangle* FRelationTarget = nullptr;
};
