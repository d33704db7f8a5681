// The library's entry: the exported Models and the ordered set-up and tear-down of the
// static descriptions of the plug-in's units.
#pragma once

#include "Interface/MorvikInterface.h"

// The library's only export: the static model list. Repeated calls return the same object.
extern "C" __attribute__((visibility("default"))) Morvik::TModels* Models();

namespace Varne {

// Each unit builds its static descriptions (TStaticInstance<...>::Build) in its
// initialiser and destroys them (TStaticInstance<...>::Destroy) in its finaliser. At load
// the initialisers run in this order; at unload the finalisers run in the reverse order.
void InitDataTypesUnit();
void InitModelUnit();
void InitReferencesUnit();
void InitTablesUnit();
void InitColumnsUnit();

void FinalizeColumnsUnit();
void FinalizeTablesUnit();
void FinalizeReferencesUnit();
void FinalizeModelUnit();
void FinalizeDataTypesUnit();

// The static description of the InterBase 6 model (the model unit's).
Morvik::TModelInfo* MyModelInfo();
// A new InterBase 6 model owned by the caller.
Morvik::TModel* CreateMyModel();

} // namespace Varne
