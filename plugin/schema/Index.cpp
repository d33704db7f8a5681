#include "plugin/schema/Index.h"

#include <cstring>

#include "plugin/framework/ListParamMixin.h"
#include "plugin/schema/ModelAccess.h"
#include "plugin/schema/ModelLookups.h"
#include "plugin/schema/SchemaItemSupport.h"
#include "plugin/schema/TableColumns.h"

namespace {
enum {
  UniquePos,
  SortPos,
  NamePos,
  ColumnsPos
};
} // namespace

TIndexParams_P::TIndexParams_P() {
  Add(new Morvik::TParamInfoC("Unique",
                              "Prevents insertion or updating of duplicate values into indexed columns", 1,
                              Morvik::ptBoolean));
  Add(new Morvik::TParamInfoC("Sort", "How to sort index columns ", 1, Morvik::ptEnum));
  AddOption("");
  AddOption("ASCENDING ");
  AddOption("DESCENDING ");
  Add(new Morvik::TParamInfoC("Name", "Name of index", 1, Morvik::ptString));
  AddList(
      new Morvik::TListParamInfoCMixin<Varne::TTableColumnsParams>("Columns", "List of columns in index", 0),
      new Morvik::TLPGeneratorMixin<Varne::TIndexColumns>);
}

TIndex::TIndex(Morvik::TParent* Owner)
    : Morvik::TParent(Owner), Morvik::TParamObjectMixin<TIndexParams>(Owner) {}

void TIndex::SetParamValue(int Idx, const char* Value) {
  TParamObjectMixin::SetParamValue(Idx, Value);
  Varne::ModelChanged(this);
}

void TIndex::WriteDrop(Morvik::TTextBuffer& Out) const {
  Varne::Items::WriteDrop(Out, "INDEX", Varne::ValueAt(this, NamePos));
}

void TIndex::WriteScript(Morvik::TTextBuffer& Out, const char* TableName, bool WithDrop) const {
  const char* Name = Varne::ValueAt(this, NamePos);
  if (WithDrop) WriteDrop(Out);
  Out.Append("CREATE ");
  if (std::strcmp(Varne::ValueAt(this, UniquePos), "1") == 0) Out.Append("UNIQUE ");
  // A value that names no option writes no sort word.
  Out.Append(Varne::ChosenOption(this, SortPos));
  Out.Append("INDEX ").Append(Name).Append(" ON ").Append(TableName).Append(" (\n\t");
  // Each entry's text is its column name as stored.
  const Morvik::TListParam* Columns = Varne::ListAt(this, ColumnsPos);
  for (int I = 0; I < Columns->GetItemsCount(); ++I) {
    if (I > 0) Out.Append(",\n\t");
    Out.Append(Columns->GetItem(I)->GetParamValue(0));
  }
  Out.Append("\n);\n\n");
}

const char* TIndex::Check(int Pos) const {
  if (Pos == NamePos) {
    const char* Name = Varne::ValueAt(this, NamePos);
    if (*Name == '\0') return "You must specify name of index";
    // Index names are unique over all tables of the model.
    if (Varne::CountTableItemsNamed(Name, Varne::TableOwner(this), Varne::tpIndexes, NamePos) > 1)
      return "Index name must be unique";
  }
  if (Pos == ColumnsPos && Varne::ListAt(this, ColumnsPos)->GetItemsCount() == 0)
    return "Index must have some columns specified";
  return nullptr;
}
