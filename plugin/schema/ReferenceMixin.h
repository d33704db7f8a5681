// The generic reference: its two tables and the column pairs, parent side and child side.
#pragma once

#include <vector>

#include "Interface/MorvikInterface.h"
#include "plugin/framework/ParamObjectMixin.h"
#include "plugin/framework/Parent.h"
#include "plugin/framework/VarNamedMixin.h"

namespace Morvik {

// Nothing here owns what it points to: tables belong to the model, columns to their tables.
template <class Info>
class TReferenceMixin : public virtual TReference,
                        public virtual TVarNamedMixin,
                        public virtual TParamObjectMixin<Info> {
public:
  TReferenceMixin(TParent* Owner, TTable* Parent, TTable* Child)
      : TParent(Owner), TParamObjectMixin<Info>(Owner), parentTable(Parent), childTable(Child) {}
  ~TReferenceMixin() override = default;

  int GetPairCount() const override { return static_cast<int>(parentColumns.size()); }
  void AddPair(TColumn* Parent, TColumn* Child) override {
    parentColumns.push_back(Parent);
    childColumns.push_back(Child);
  }
  void DeletePair(int Idx) override {
    parentColumns.erase(parentColumns.begin() + Idx);
    childColumns.erase(childColumns.begin() + Idx);
  }
  TColumn* GetPairColumn(int Side, int Idx) const override {
    return Side == 0 ? parentColumns[Index(Idx)] : childColumns[Index(Idx)];
  }
  void SetPairColumn(int Side, int Idx, TColumn* Column) override {
    (Side == 0 ? parentColumns : childColumns)[Index(Idx)] = Column;
  }
  TTable* GetParentTable() const override { return parentTable; }
  TTable* GetChildTable() const override { return childTable; }

private:
  static std::size_t Index(int Idx) { return static_cast<std::size_t>(Idx); }

  TTable* const parentTable;
  TTable* const childTable;
  std::vector<TColumn*> parentColumns;
  std::vector<TColumn*> childColumns;
};

} // namespace Morvik
