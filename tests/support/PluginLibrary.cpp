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
  auto entry = reinterpret_cast<Morvik::TModelsFunc>(dlsym(handle, Morvik::ModelsExportName));
  if (!entry) {
    error = "no Models export";
    return;
  }
  models = entry();
  if (!models) error = "Models returned NULL";
}

TPluginLibrary::~TPluginLibrary() {
  if (handle) dlclose(handle);
}

} // namespace testsupport
