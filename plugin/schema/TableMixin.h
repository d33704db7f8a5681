// The generic table: an ordered list of owned columns beside its name and parameters.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "Interface/MorvikInterface.h"
#include "plugin/framework/ParamObjectMixin.h"
#include "plugin/framework/Parent.h"
#include "plugin/framework/RemoveReferencesTo.h"
#include "plugin/framework/VarNamedMixin.h"

namespace Morvik {

// Col is constructed as Col(TParent* Owner).
template <class Info, class Col>
class TTableMixin : public virtual TTable,
                    public virtual TVarNamedMixin,
                    public virtual TParamObjectMixin<Info> {
public:
  explicit TTableMixin(TParent* Owner) : TParent(Owner), TParamObjectMixin<Info>(Owner) {}

  // Columns go first, in table order, before the parameter part and the name.
  ~TTableMixin() override {
    for (auto& Column : columns) Column.reset();
  }

  int GetColumnCount() const override { return static_cast<int>(columns.size()); }
  TColumn* GetColumn(int Idx) const override { return columns[Index(Idx)].get(); }
  TColumn* AddColumn() override {
    columns.push_back(std::make_unique<Col>(static_cast<TParent*>(this)));
    return columns.back().get();
  }
  // Pairs of references that use the column go first; index and unique-constraint entries
  // name columns by text and stay as they are.
  void DeleteColumn(int Idx) override {
    Col* Column = columns[Index(Idx)].get();
    if (auto* Model = dynamic_cast<TModel*>(this->GetParent())) RemoveReferencesTo(Model, Column);
    columns.erase(columns.begin() + Idx);
  }
  void ExchangeColumns(int Idx1, int Idx2) override { std::swap(columns[Index(Idx1)], columns[Index(Idx2)]); }

  Col* GetTypedColumn(int Idx) const { return columns[Index(Idx)].get(); }

private:
  static std::size_t Index(int Idx) { return static_cast<std::size_t>(Idx); }

  std::vector<std::unique_ptr<Col>> columns;
};

} // namespace Morvik
