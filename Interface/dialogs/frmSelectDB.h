#pragma once
// The choice of the target database of a new schema: one row per model of every plug-in in
// the plug-in folder, found by loading each library once at start-up and unloading it
// again. The same scan collects the reverse-engineering sources that the models offer.

#include "ui/frmAbstract.h"

#include <QString>
#include <functional>
#include <vector>

class QTreeWidget;

// One reverse-engineering source of a model.
struct TReverseSourceRow {
  QString SourceName;
  QString ModelName;
  int SourceIndex = 0;
  QString Version;
  QString Author;
  QString FileName;
  bool operator==(const TReverseSourceRow&) const = default;
};

class TfrmSelectDB : public TfrmAbstractDialog {
  Q_OBJECT
public:
  explicit TfrmSelectDB(QWidget* Parent = nullptr);

  // The plain message display of the scan (an information box unless replaced).
  std::function<void(const QString& Message)> ShowMessage;

  // Empties the list and fills it from the libraries "*.so" of Folder, in name order; the
  // first row is selected. Folder ends with '/'.
  void Scan(const QString& Folder);
  void AddModelItem(const QString& ModelName, const QString& FileName, const QString& Author,
                    const QString& Version);
  void AddReverseItem(const TReverseSourceRow& Row);
  // The sources of every model, in the order of the scan; kept for the reverse dialogs.
  const std::vector<TReverseSourceRow>& ReverseItems() const { return FReverseItems; }

  // Closes with OK when a row is selected.
  void lvTargetDBDblClick();
  // The selected row's file name, model name and version; empty without a selection.
  bool HasSelection() const;
  QString SelectedFileName() const;
  QString SelectedModelName() const;
  QString SelectedVersion() const;

  QTreeWidget* lvTargetDB;

private:
  void ScanLibrary(const QString& Folder, const QString& FileName);
  QString SelectedText(int Column) const;

  std::vector<TReverseSourceRow> FReverseItems;
};
