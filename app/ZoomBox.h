// The zoom boxes of the main window's tool bar and of the print dialog: the zooms they offer,
// as percent entries from the largest down to the schema window's smallest zoom, which shows
// rounded ("12%" for 125 per mille).
#pragma once

#include <QString>

class QComboBox;

class TZoomBox {
public:
  // Box offers the entries.
  static void Fill(QComboBox* Box);
  // The zoom per mille of an entry, never below the schema window's smallest.
  static int ZoomOfText(const QString& Text);
  // The entry of a zoom per mille.
  static QString TextOfZoom(int PerMille);
  // Box shows the entry of the zoom (none when it offers no such entry), without telling
  // anyone of a change.
  static void Show(QComboBox* Box, int PerMille);
};
