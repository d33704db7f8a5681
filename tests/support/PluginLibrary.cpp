#include "tests/support/PluginLibrary.h"

#include <dlfcn.h>

namespace testsupport {

TPluginLibrary::TPluginLibrary(const char* Path) {
  handle = dlopen(Path, RTLD_NOW | RTLD_LOCAL);
  if (!handle) {
    const char* text = dlerror();
    error = text ? text : "dlopen failed";
    return;
  }
  entry = reinterpret_cast<Morvik::TModelsFunc>(dlsym(handle, Morvik::ModelsExportName));
  if (!entry) {
    error = "no Models export";
    return;
  }
  models = entry();
  if (!models) error = "Models returned NULL";
}

TPluginLibrary::~TPluginLibrary() { Unload(); }

bool TPluginLibrary::Unload() {
  if (!handle) return false;
  const bool closed = dlclose(handle) == 0;
  handle = nullptr;
  entry = nullptr;
  models = nullptr;
  return closed;
}

bool LibraryLoaded(const char* Path) {
  // Asking with RTLD_NOLOAD takes a reference when the library is there: give it back.
  void* h = dlopen(Path, RTLD_NOW | RTLD_NOLOAD);
  if (!h) return false;
  dlclose(h);
  return true;
}

const TPluginLibrary& BuiltPlugin() {
  // Never freed: models made from it may outlive every other static.
  static const TPluginLibrary* plugin = new TPluginLibrary(VARNE_PLUGIN_PATH);
  return *plugin;
}

} // namespace testsupport
