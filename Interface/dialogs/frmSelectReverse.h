#pragma once
// The choice of a reverse-engineering source: every source that plug-in discovery found, or
// only the sources of one model.

#include "Interface/dialogs/frmSelectDB.h"
#include "ui/frmAbstract.h"

#include <vector>

class QTreeWidget;
class QTreeWidgetItem;
namespace Morvik {
class TModelInfo;
}

class TfrmSelectReverse : public TfrmAbstractDialog {
  Q_OBJECT
public:
  explicit TfrmSelectReverse(QWidget* Parent = nullptr);

  // Fills lvReverse, once, with the sources discovery found. Each row: the source name,
  // then model name, author, version, file name and source index (the last two not shown).
  void SetSources(const std::vector<TReverseSourceRow>& Rows);
  // lvReverseOnly := the rows of lvReverse whose model name is ModelName exactly.
  void FilterByModel(const QString& ModelName);
  void FilterByModel(const Morvik::TModelInfo* Model);
  // Shows lvReverseOnly (OnlyThisModel) or lvReverse modally, the first row selected when
  // none is; true when closed with OK and a row is selected.
  bool Execute(bool OnlyThisModel);
  // Closes with OK when the shown list has a selected row.
  void lvReverseDblClick();

  // The selected row of the shown list, or null.
  QTreeWidgetItem* SelectedRow() const;
  // The selected row's source index (sub-item 4), or -1 without a row or a number there.
  int SelectedSourceIndex() const;
  QString SelectedFileName() const;
  QString SelectedModelName() const;
  QString SelectedVersion() const;

  QTreeWidget* lvReverse;
  QTreeWidget* lvReverseOnly;

private:
  QTreeWidget* MakeList(const char* Name);
  QTreeWidget* Shown() const;
  bool FOnlyThisModel = false;
};
