// The model unit: the static descriptions of the model and of the schema-level items that
// its lists hold, built at load in dependency order and torn down in reverse at unload.
#include "plugin/framework/PluginEntry.h"
#include "plugin/framework/StaticInstance.h"
#include "plugin/schema/MyModel.h"
#include "plugin/schema/SchemaItemLists.h"

namespace Varne {

void InitModelUnit() {
  BuildModelItemLists();
  Morvik::TStaticInstance<TMyModelParamsInfo_P>::Build();
  Morvik::TStaticInstance<TMyModelInfo>::Build();
}

void FinalizeModelUnit() {
  Morvik::TStaticInstance<TMyModelInfo>::Destroy();
  Morvik::TStaticInstance<TMyModelParamsInfo_P>::Destroy();
  DestroyModelItemLists();
}

Morvik::TModelInfo* MyModelInfo() { return &Morvik::TStaticInstance<TMyModelInfo>::Get(); }

Morvik::TModel* CreateMyModel() { return new TMyModel; }

} // namespace Varne
