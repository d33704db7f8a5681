// The built plug-in as the benchmarks reach it: loaded once as the program loads it, and new
// models made through its model list.
#pragma once

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "Interface/MorvikInterface.h"

namespace PluginBench {

// The model list of the built plug-in; ends the program when it cannot be loaded.
inline Morvik::TModels* LoadModels() {
  static void* handle = dlopen(VARNE_PLUGIN_PATH, RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    std::fprintf(stderr, "cannot load %s: %s\n", VARNE_PLUGIN_PATH, dlerror());
    std::exit(1);
  }
  auto models = reinterpret_cast<Morvik::TModelsFunc>(dlsym(handle, Morvik::ModelsExportName));
  if (!models) {
    std::fprintf(stderr, "no Models in %s\n", VARNE_PLUGIN_PATH);
    std::exit(1);
  }
  return models();
}

struct ModelDeleter {
  void operator()(Morvik::TModel* m) const { delete m; }
};
using ModelPtr = std::unique_ptr<Morvik::TModel, ModelDeleter>;

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
