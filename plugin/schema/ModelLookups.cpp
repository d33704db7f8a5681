#include "plugin/schema/ModelLookups.h"

#include "plugin/schema/ModelAccess.h"
#include "plugin/schema/MyModel.h"

namespace Varne {

void TModelLookups::Changed() {
  unnamedKeys.reset();
  tableItemNames.clear();
  modelItemNames.clear();
}

const TUnnamedKeys& TModelLookups::UnnamedKeys() {
  if (!unnamedKeys) unnamedKeys.emplace(model);
  return *unnamedKeys;
}

int TModelLookups::CountTableItemsNamed(const char* Text, int TableListPos, int ParamPos) {
  const auto [Names, New] = tableItemNames.try_emplace({TableListPos, ParamPos});
  if (New)
    for (int T = 0; T < model.GetTableCount(); ++T)
      CountNames(Names->second, *ListAt(model.GetTable(T), TableListPos), ParamPos);
  return Count(Names->second, Text);
}

int TModelLookups::CountModelItemsNamed(const char* Text, int ListPos, int ParamPos) {
  const auto [Names, New] = modelItemNames.try_emplace({ListPos, ParamPos});
  if (New) CountNames(Names->second, *ListAt(&model, ListPos), ParamPos);
  return Count(Names->second, Text);
}

void TModelLookups::CountNames(TNameCounts& Counts, const Morvik::TListParam& List, int ParamPos) {
  for (int I = 0; I < List.GetItemsCount(); ++I) ++Counts[ValueAt(List.GetItem(I), ParamPos)];
}

int TModelLookups::Count(const TNameCounts& Counts, const char* Text) {
  const auto Found = Counts.find(Text ? Text : "");
  return Found == Counts.end() ? 0 : Found->second;
}

TModelLookups* LookupsOf(const Morvik::TParent* Object) {
  // Items lie at most a few owners below their model.
  for (; Object; Object = Object->GetParent()) {
    if (Object->GetParent()) continue;
    const auto* Model = dynamic_cast<const TMyModel*>(Object);
    return Model ? &Model->Lookups() : nullptr;
  }
  return nullptr;
}

void ModelChanged(const Morvik::TParent* Object) {
  if (TModelLookups* Lookups = LookupsOf(Object)) Lookups->Changed();
}

} // namespace Varne
