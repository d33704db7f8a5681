#pragma once
// What the diagram-look settings window needs of an open schema window: its desktop, its
// zoom and its desktop size. The schema window implements it.

#include "editor/ModifiedKind.h"

namespace ui {
class TDesktop;
}

class TDesignSettingTarget {
public:
  virtual ~TDesignSettingTarget() = default;

  // The desktop whose elements take the look.
  virtual ui::TDesktop* DesignDesktop() = 0;
  // Zoom per mille (125 ... 4000).
  virtual int DesignZoom() const = 0;
  // The desktop's size in pages (0 when it was given in pixels) and in pixels.
  virtual void GetDesktopSize(int& WidthPages, int& HeightPages, int& WidthPixels,
                              int& HeightPixels) const = 0;
  // Gives the desktop a new size; true when it changed.
  virtual bool SetDesktopSize(int WidthPages, int HeightPages, int WidthPixels, int HeightPixels) = 0;
  // Marks the schema changed (a change of the drawing).
  virtual void SetModified(bool Modified, TModifiedKind Kind) = 0;
};
