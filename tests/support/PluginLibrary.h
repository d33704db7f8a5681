// The built plug-in, loaded for a test as the program loads it: dlopen of the library, then
// its one export, Models. Unloaded when the object goes.
#pragma once

#include "Interface/MorvikInterface.h"

#include <memory>
#include <string>

namespace testsupport {

class TPluginLibrary {
public:
  explicit TPluginLibrary(const char* Path);
  ~TPluginLibrary();
  TPluginLibrary(const TPluginLibrary&) = delete;
  TPluginLibrary& operator=(const TPluginLibrary&) = delete;

  // True when the library is open and Models gave its model list.
  bool Loaded() const { return models != nullptr; }
  // What Models returned, or null (then Error says why).
  Morvik::TModels* Models() const { return models; }
  const std::string& Error() const { return error; }

private:
  void* handle = nullptr;
  Morvik::TModels* models = nullptr;
  std::string error;
};

// A model made by the plug-in is destroyed through its own virtual destructor.
struct TModelDeleter {
  void operator()(Morvik::TModel* Model) const { delete Model; }
};
using TModelPtr = std::unique_ptr<Morvik::TModel, TModelDeleter>;

} // namespace testsupport
