#pragma once
// The choice of one column pair of a relation: a column of the parent ("primary") table and
// one of the child ("foreign") table.

#include "Interface/dialogs/frmPropertyPages.h"

class QComboBox;
class QLabel;
class QTabWidget;
namespace Morvik {
class TCheckRecord;
class TTable;
}

class TfrmEditRefColumns : public TfrmPropertyPages {
  Q_OBJECT
public:
  explicit TfrmEditRefColumns(QWidget* Parent = nullptr);

  // Offers the columns of both tables with the given ones selected (-1: none), shows the
  // window modally and returns the selections in the two indexes, also on Cancel. True on OK.
  bool Execute(const Morvik::TTable* ParentTable, const Morvik::TTable* ChildTable,
               const Morvik::TCheckRecord* Record, int& ChildIndex, int& ParentIndex);

  // Components.
  QTabWidget* pcColumns;
  QWidget* tsColumns;
  QLabel* lParent;
  QComboBox* cbxParent;
  QLabel* lChild;
  QComboBox* cbxChild;

protected:
  // FormCloseQuery: OK needs a column on both sides.
  bool CanClose() override;
};
