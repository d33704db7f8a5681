#include "app/DesignSettingLink.h"

#include "editor/frmDesign.h"

TDesignSettingLink::TDesignSettingLink(TfrmDesign* Design) : QObject(Design), FDesign(Design) {}

TDesignSettingLink* TDesignSettingLink::Of(TfrmDesign* Design) {
  if (auto* link = Design->findChild<TDesignSettingLink*>(QString(), Qt::FindDirectChildrenOnly)) return link;
  return new TDesignSettingLink(Design);
}

ui::TDesktop* TDesignSettingLink::DesignDesktop() { return FDesign->Desktop; }

int TDesignSettingLink::DesignZoom() const { return FDesign->Zoom(); }

void TDesignSettingLink::GetDesktopSize(int& WidthPages, int& HeightPages, int& WidthPixels,
                                        int& HeightPixels) const {
  WidthPages = FDesign->DesktopWidthPag();
  HeightPages = FDesign->DesktopHeightPag();
  WidthPixels = FDesign->DesktopWidthPix();
  HeightPixels = FDesign->DesktopHeightPix();
}

bool TDesignSettingLink::SetDesktopSize(int WidthPages, int HeightPages, int WidthPixels, int HeightPixels) {
  return FDesign->SetDesktopSize(WidthPages, HeightPages, WidthPixels, HeightPixels);
}

void TDesignSettingLink::SetModified(bool Modified, TModifiedKind Kind) {
  FDesign->SetModified(Modified, Kind);
}
