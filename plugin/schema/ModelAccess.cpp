#include "plugin/schema/ModelAccess.h"

#include "plugin/framework/TextToInt.h"
#include "plugin/schema/ModelLookups.h"

namespace Varne {

bool IsEmptyAt(const Morvik::TParamObject* Object, int Pos) { return *ValueAt(Object, Pos) == '\0'; }

const char* ChosenOption(const Morvik::TParamObject* Object, int Pos) {
  return OptionText(Object, Pos, Morvik::TextToInt(ValueAt(Object, Pos)));
}

const char* OptionText(const Morvik::TParamObject* Object, int Pos, int Option) {
  const Morvik::TParamInfo* Param = Object->GetParam(Object->GetKindIndex(Pos));
  if (Option < 0 || Option >= Param->GetOptionCount()) return "";
  const char* Text = Param->GetOption(Option);
  return Text ? Text : "";
}

const Morvik::TTable* OwnerTable(const Morvik::TParent* Object) {
  return Object ? dynamic_cast<const Morvik::TTable*>(Object->GetParent()) : nullptr;
}

const char* OwnerTableName(const Morvik::TParent* Object) {
  const Morvik::TTable* Table = OwnerTable(Object);
  return Table ? Table->GetName() : "";
}

const Morvik::TParent* TableOwner(const Morvik::TParent* Object) {
  const Morvik::TParent* Table = Object ? Object->GetParent() : nullptr;
  return Table ? Table->GetParent() : nullptr;
}

bool IsDropOn(const Morvik::TParent* Model) {
  return Model && Morvik::TextToInt(ValueAt(Model, mpDrop)) != 0;
}

int CountModelItemsNamed(const char* Text, const Morvik::TParent* Model, int ListPos, int ParamPos) {
  TModelLookups* Lookups = LookupsOf(Model);
  return Lookups ? Lookups->CountModelItemsNamed(Text, ListPos, ParamPos) : 0;
}

int CountTableItemsNamed(const char* Text, const Morvik::TParent* Model, int TableListPos, int ParamPos) {
  TModelLookups* Lookups = LookupsOf(Model);
  return Lookups ? Lookups->CountTableItemsNamed(Text, TableListPos, ParamPos) : 0;
}

} // namespace Varne
