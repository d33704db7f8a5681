#include "plugin/schema/Unique.h"

#include <cstring>

#include "plugin/framework/ListParamMixin.h"
#include "plugin/framework/TextToInt.h"
#include "plugin/schema/ModelAccess.h"
#include "plugin/schema/TableColumns.h"

namespace Varne {

namespace {

constexpr int ColumnUniquePos = 1;
const char* const AlreadySpecified = "This set of columns was already specified";

bool Contains(const Morvik::TListParam& Entries, const char* Name) {
  for (int I = 0; I < Entries.GetItemsCount(); ++I) {
    if (std::strcmp(Entries.GetItem(I)->GetParamValue(0), Name) == 0) return true;
  }
  return false;
}

} // namespace

TUniqueParams_P::TUniqueParams_P() {
  AddList(new Morvik::TListParamInfoCMixin<TTableColumnsParams>(
              "Columns", "List of columns in this unique constraint", 0),
          new Morvik::TLPGeneratorMixin<TUniqueColumns>());
}

TUnique::TUnique(Morvik::TParent* Owner) : TParent(Owner), Morvik::TParamObjectMixin<TUniqueParams>(Owner) {}

const Morvik::TListParam& TUnique::Columns() const { return *GetListParam(0); }

const char* TUnique::Generate() {
  output.Clear();
  WriteText(output);
  return output.GetText();
}

void TUnique::WriteText(Morvik::TTextBuffer& Out) const {
  // Each entry's text is its column name as stored.
  const Morvik::TListParam& Entries = Columns();
  Out.Append("UNIQUE (");
  for (int I = 0; I < Entries.GetItemsCount(); ++I) {
    if (I > 0) Out.Append(',');
    Out.Append(Entries.GetItem(I)->GetParamValue(0));
  }
  Out.Append(')');
}

const char* TUnique::Check(int Pos) const {
  if (Pos != 0) return nullptr;
  const Morvik::TListParam& Entries = Columns();
  if (Entries.GetItemsCount() == 0) return "Unique constraint must have some columns specified";

  const auto* Table = dynamic_cast<const Morvik::TTable*>(GetParent());
  if (!Table) return nullptr;

  // A single column that is already declared unique.
  if (Entries.GetItemsCount() == 1) {
    const char* Name = Entries.GetItem(0)->GetParamValue(0);
    for (int I = 0; I < Table->GetColumnCount(); ++I) {
      const Morvik::TColumn* Column = Table->GetColumn(I);
      if (std::strcmp(Column->GetName(), Name) == 0) {
        if (Morvik::TextToInt(Column->GetParamValue(ColumnUniquePos)) != 0) return AlreadySpecified;
        break;
      }
    }
  }

  // Another constraint of the table over the same set, in any order.
  const Morvik::TListParam* Others = ListAt(Table, tpUnique);
  for (int U = 0; U < Others->GetItemsCount(); ++U) {
    const Morvik::TParamObject* Other = Others->GetItem(U);
    if (Other == static_cast<const Morvik::TParamObject*>(this)) continue;
    const Morvik::TListParam& OtherEntries = *Other->GetListParam(0);
    if (OtherEntries.GetItemsCount() != Entries.GetItemsCount()) continue;
    bool Same = true;
    for (int I = 0; I < Entries.GetItemsCount() && Same; ++I)
      Same = Contains(OtherEntries, Entries.GetItem(I)->GetParamValue(0));
    if (Same) return AlreadySpecified;
  }
  return nullptr;
}

} // namespace Varne
