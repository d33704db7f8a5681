#pragma once
// When the program was built: one stamp, shown alike by the splash and the about window.

#include <QString>

struct TBuildStamp {
  QString Date; // in the form "May 24 2001"
  QString Time; // in the form "16:27:23"

  // The stamp of the program's own build.
  static const TBuildStamp& Program();
};
