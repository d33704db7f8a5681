#pragma once
// The choice of what to read from the database: one page per group of the plug-in, one
// check box per item.

#include "ui/frmAbstract.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTabWidget;
namespace Morvik {
class TReverseGroup;
class TReverseGroups;
}

class TfrmReverseItems : public TfrmAbstractDialog {
  Q_OBJECT
public:
  explicit TfrmReverseItems(QWidget* Parent = nullptr);

  // Mode 0: schemas (users) and object types; mode 1: the objects found. Shows the groups
  // modally; on OK writes the ticks back into the items and returns true, otherwise changes
  // nothing.
  bool Execute(Morvik::TReverseGroups* Groups, int Mode);
  void LoadGroups();
  void AddGroupPage(Morvik::TReverseGroup* Group);
  // The check list of page Page ("chlbxReverse_" + Page), or null.
  QListWidget* GetPageCheckList(int Page) const;
  void StoreSelection();

  // Ticks, clears or inverts every entry of the active page; ticks every entry of all pages.
  void btnSelectAllClick();
  void btnDeselectAllClick();
  void btnReverseAllClick();
  void btnSelectAllInAllClick();

  QLabel* lCap;
  QTabWidget* pcReverse;
  QPushButton* btnSelectAll;
  QPushButton* btnDeselectAll;
  QPushButton* btnReverseAll;
  QPushButton* btnSelectAllInAll;

private:
  enum class TTick {
    Set,
    Clear,
    Invert
  };
  static void TickAll(QListWidget* List, TTick Tick);

  Morvik::TReverseGroups* FGroups = nullptr;
  int FMode = 0;
};
