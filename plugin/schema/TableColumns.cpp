#include "plugin/schema/TableColumns.h"

#include <cstring>

#include "plugin/framework/ParamInfo.h"
#include "plugin/schema/ModelAccess.h"

namespace Varne {

TTableColumnsParams_P::TTableColumnsParams_P() {
  Add(new Morvik::TParamInfoC("Column", "Name of column", 1, Morvik::ptString));
}

const char* CheckTableColumnEntry(const Morvik::TParamObject& Entry, int Position) {
  const char* Name = Entry.GetParamValue(0);
  if (!*Name) return "You must specify the name of the column from this table";

  const auto* Owner = dynamic_cast<const Morvik::TParent*>(&Entry)->GetParent();
  if (Owner) {
    const Morvik::TListParam* Siblings = ListAt(Owner, Position);
    int Same = 0;
    for (int I = 0; I < Siblings->GetItemsCount(); ++I) {
      if (std::strcmp(Siblings->GetItem(I)->GetParamValue(0), Name) == 0) ++Same;
    }
    if (Same > 1) return "You have already specified this column";
  }

  const auto* Table = Owner ? dynamic_cast<const Morvik::TTable*>(Owner->GetParent()) : nullptr;
  if (Table) {
    for (int I = 0; I < Table->GetColumnCount(); ++I) {
      if (std::strcmp(Table->GetColumn(I)->GetName(), Name) == 0) return nullptr;
    }
  }
  return "There is no such column in this table";
}

} // namespace Varne
