#include "plugin/framework/PluginEntry.h"

#include "plugin/framework/SupportedModels.h"

namespace {

constinit Varne::TSupportedModels SupportedModels;

__attribute__((constructor)) void LoadUnits() {
  Varne::InitDataTypesUnit();
  Varne::InitModelUnit();
  Varne::InitReferencesUnit();
  Varne::InitTablesUnit();
  Varne::InitColumnsUnit();
}

__attribute__((destructor)) void UnloadUnits() {
  Varne::FinalizeColumnsUnit();
  Varne::FinalizeTablesUnit();
  Varne::FinalizeReferencesUnit();
  Varne::FinalizeModelUnit();
  Varne::FinalizeDataTypesUnit();
}

} // namespace

extern "C" Morvik::TModels* Models() { return &SupportedModels; }
