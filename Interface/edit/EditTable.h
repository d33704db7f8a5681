// Editable mirror of a table: name, parameters and column mirrors, with a column editor
// through which one column is edited at a time.
#pragma once

#include "Interface/MorvikInterface.h"
#include "Interface/edit/DeletedColumns.h"
#include "Interface/edit/EditColumn.h"
#include "Interface/edit/EditParamObject.h"
#include "Interface/edit/NameImpl.h"

#include <memory>
#include <vector>

class TEditTable : public virtual Morvik::TTable, public TEditParamObject, public Morvik::TNameImpl {
public:
  explicit TEditTable(Morvik::TModelInfo* ModelInfo);
  ~TEditTable() override;

  void Load(Morvik::TTable* _Table);
  // Writes the mirror into the loaded table: existing columns keep their identity and
  // are brought into the mirror's order, new ones are created, the rest are deleted.
  // Returns the plug-in columns that this store deleted.
  TDeletedColumns Store();
  // Every plug-in column that the stores of this mirror deleted, in deletion order.
  const TDeletedColumns& DeletedColumns() const { return Deleted; }
  Morvik::TTable* GetTarget() const { return Table; }

  // Appends a new column mirror and returns the column editor loaded from it.
  TEditColumn* EditNewColumn();
  // Returns the column editor loaded from column mirror Idx.
  TEditColumn* EditColumn(int Idx);
  // Removes the last column mirror (a new column whose editing was cancelled).
  void DropLastColumn();

  // Morvik::TTable
  int GetColumnCount() const override;
  Morvik::TColumn* GetColumn(int Idx) const override;
  Morvik::TColumn* AddColumn() override;
  void DeleteColumn(int Idx) override;
  void ExchangeColumns(int Idx1, int Idx2) override;

private:
  void Forget(TEditColumn* Column);

  std::vector<std::unique_ptr<TEditColumn>> Columns;
  Morvik::TModelInfo* ModelInfo;
  Morvik::TTable* Table = nullptr;
  std::unique_ptr<TEditColumn> ColumnEditor;
  TDeletedColumns Deleted;
};

// The first index of Column among the columns of Table; -1 when it is not there.
int IndexOfColumn(const Morvik::TTable* Table, const Morvik::TColumn* Column);
