// The built plug-in as the benchmarks reach it: loaded once through the shared loader and kept
// for the whole run, new models made through its model list, and their columns.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Interface/MorvikInterface.h"
#include "tests/support/PluginLibrary.h"

namespace PluginBench {

using ModelPtr = testsupport::TModelPtr;

// The model list of the built plug-in; ends the program when it cannot be loaded.
inline Morvik::TModels* LoadModels() {
  const testsupport::TPluginLibrary& plugin = testsupport::BuiltPlugin();
  if (!plugin.Loaded()) {
    std::fprintf(stderr, "cannot load %s: %s\n", VARNE_PLUGIN_PATH, plugin.Error().c_str());
    std::exit(1);
  }
  return plugin.Models();
}

// A new model; ends the program when the plug-in makes none.
inline ModelPtr NewModel() {
  ModelPtr m(LoadModels()->CreateModel(0));
  if (!m) {
    std::fprintf(stderr, "the plug-in created no model\n");
    std::exit(1);
  }
  return m;
}

// The registry index of a data type by its keyword; ends the program when there is none.
inline int DataType(const Morvik::TModel& m, const char* keyword) {
  for (int i = 0; i < m.GetDataTypeCount(); ++i)
    if (!std::strcmp(m.GetDataTypeInfo(i)->GetName(), keyword)) return i;
  std::fprintf(stderr, "no data type %s\n", keyword);
  std::exit(1);
}

// A new last column of the table, with its name and data type.
inline Morvik::TColumn* AddColumn(Morvik::TTable* table, const char* name, int type) {
  Morvik::TColumn* column = table->AddColumn();
  column->SetName(name);
  column->SetDataType(type);
  return column;
}

} // namespace PluginBench
