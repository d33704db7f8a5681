// Column entries: the items of the column lists of indexes and unique constraints, each
// naming one column of the owner's table by its name text.
#pragma once

#include "plugin/framework/ParamObjectInfoMixin.h"
#include "plugin/framework/ParamObjectMixin.h"
#include "plugin/framework/ParamsList.h"

namespace Varne {

// One scalar: "Column".
class TTableColumnsParams_P : public Morvik::TParamsList {
public:
  TTableColumnsParams_P();
};

using TTableColumnsParams = Morvik::TParamObjectInfoMixin<TTableColumnsParams_P>;

// The checks of an entry, shared by both entry classes: Position is the position of the
// "Columns" list in the description of the entry's owner.
const char* CheckTableColumnEntry(const Morvik::TParamObject& Entry, int Position);

// N is the position of the "Columns" list in the owner's description: an entry finds its
// sibling entries through it.
template <int N>
class TTableColumns : public Morvik::TParamObjectMixin<TTableColumnsParams> {
public:
  explicit TTableColumns(Morvik::TParent* Owner)
      : TParent(Owner), Morvik::TParamObjectMixin<TTableColumnsParams>(Owner) {}

  // The column name as stored.
  const char* Generate() override {
    output.Clear();
    output.Append(GetParamValue(0));
    return output.GetText();
  }
  const char* Check(int Pos) const override { return Pos == 0 ? CheckTableColumnEntry(*this, N) : nullptr; }
};

using TIndexColumns = TTableColumns<3>;
using TUniqueColumns = TTableColumns<0>;

} // namespace Varne
