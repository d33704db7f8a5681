#pragma once
// A schema window as the diagram-look settings window sees it. Each schema window has one,
// made on first use and freed with the window.

#include "app/DesignSettingTarget.h"

#include <QObject>

class TfrmDesign;

class TDesignSettingLink : public QObject, public TDesignSettingTarget {
  Q_OBJECT
public:
  // The link of Design.
  static TDesignSettingLink* Of(TfrmDesign* Design);

  ui::TDesktop* DesignDesktop() override;
  int DesignZoom() const override;
  void GetDesktopSize(int& WidthPages, int& HeightPages, int& WidthPixels, int& HeightPixels) const override;
  bool SetDesktopSize(int WidthPages, int HeightPages, int WidthPixels, int HeightPixels) override;
  void SetModified(bool Modified, TModifiedKind Kind) override;

private:
  explicit TDesignSettingLink(TfrmDesign* Design);
  TfrmDesign* FDesign;
};
