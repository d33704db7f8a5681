// The built plug-in as the benchmarks reach it: loaded once through the shared loader and kept
// for the whole run, and new models made through its model list.
#pragma once

#include <cstdio>
#include <cstdlib>

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

} // namespace PluginBench
