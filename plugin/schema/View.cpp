#include "plugin/schema/View.h"

#include "plugin/framework/ListParamMixin.h"
#include "plugin/framework/TextToInt.h"
#include "plugin/schema/ModelAccess.h"
#include "plugin/schema/ModelLookups.h"
#include "plugin/schema/SchemaItemSupport.h"

namespace {
namespace Items = Varne::Items;
enum {
  ColumnNamePos
};
enum {
  NamePos,
  ColumnsPos,
  SelectPos,
  WithCheckPos
};
} // namespace

TViewColumnInfo_P::TViewColumnInfo_P() {
  Add(new Morvik::TParamInfoC("Name", "Name column in the view", 1, Morvik::ptString));
}

TViewColumn::TViewColumn(Morvik::TParent* Owner)
    : Morvik::TParent(Owner), Morvik::TParamObjectMixin<TViewColumnInfo>(Owner) {}

const char* TViewColumn::Generate() {
  output.Clear();
  output.Append(Varne::ValueAt(this, ColumnNamePos));
  return output.GetText();
}

const char* TViewColumn::Check(int Pos) const {
  if (Pos == ColumnNamePos && Varne::IsEmptyAt(this, ColumnNamePos)) return Items::MustBeSpecified;
  return nullptr;
}

TViewInfo_P::TViewInfo_P() {
  Add(new Morvik::TParamInfoC("Name", "Name for the view", 1, Morvik::ptString));
  AddList(new Morvik::TListParamInfoCMixin<TViewColumnInfo>("Columns", "Names of columns", 0),
          new Morvik::TLPGeneratorMixin<TViewColumn>);
  Add(new Morvik::TParamInfoC("Select", "Selection criteria for rows in view", 1, Morvik::ptMemo));
  Add(new Morvik::TParamInfoC("WithCheck", "Update restriction in case violation of WHERE's conditions", 1,
                              Morvik::ptBoolean));
}

TView::TView(Morvik::TParent* Owner) : Morvik::TParent(Owner), Morvik::TParamObjectMixin<TViewInfo>(Owner) {}

void TView::WriteDrop(Morvik::TTextBuffer& Out) const {
  Items::WriteDrop(Out, "VIEW", Varne::ValueAt(this, NamePos));
}

void TView::WriteScript(Morvik::TTextBuffer& Out, bool WithDrop) const {
  const char* Name = Varne::ValueAt(this, NamePos);
  if (WithDrop) WriteDrop(Out);
  Out.Append("CREATE VIEW ").Append(Name).Append(" ");

  // The column names in parentheses, only when there are any; each column's text is its
  // name as stored.
  const Morvik::TListParam* Columns = Varne::ListAt(this, ColumnsPos);
  for (int I = 0; I < Columns->GetItemsCount(); ++I)
    Out.Append(I == 0 ? '(' : ',').Append(Varne::ValueAt(Columns->GetItem(I), ColumnNamePos));
  if (Columns->GetItemsCount() > 0) Out.Append(')');

  Out.Append("\nAS\n").Append(Varne::ValueAt(this, SelectPos));
  if (Morvik::TextToInt(Varne::ValueAt(this, WithCheckPos)) != 0) Out.Append("\nWITH CHECK OPTION");
  Out.Append(";\n\n");
}

void TView::SetParamValue(int Idx, const char* Value) {
  TParamObjectMixin::SetParamValue(Idx, Value);
  Varne::ModelChanged(this);
}

const char* TView::Check(int Pos) const {
  if (Pos == NamePos) return Items::CheckModelItemName(this, Varne::mpViews);
  if (Pos == SelectPos && Varne::IsEmptyAt(this, SelectPos)) return Items::MustBeSpecified;
  return nullptr;
}
