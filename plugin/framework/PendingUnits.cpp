// Weak stand-ins for the units whose static descriptions are not written yet, so that the
// library links and loads. Each unit's real definitions replace them.
#include "plugin/framework/PluginEntry.h"

namespace Varne {

__attribute__((weak)) void InitDataTypesUnit() {}
__attribute__((weak)) void InitModelUnit() {}
__attribute__((weak)) void InitReferencesUnit() {}
__attribute__((weak)) void InitTablesUnit() {}
__attribute__((weak)) void InitColumnsUnit() {}

__attribute__((weak)) void FinalizeColumnsUnit() {}
__attribute__((weak)) void FinalizeTablesUnit() {}
__attribute__((weak)) void FinalizeReferencesUnit() {}
__attribute__((weak)) void FinalizeModelUnit() {}
__attribute__((weak)) void FinalizeDataTypesUnit() {}

__attribute__((weak)) Morvik::TModelInfo* MyModelInfo() { return nullptr; }
__attribute__((weak)) Morvik::TModel* CreateMyModel() { return nullptr; }

}  // namespace Varne
