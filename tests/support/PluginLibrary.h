// The built plug-in, loaded as the program loads it: dlopen of the library, then its one
// export, Models. The one loader of every test, fuzz target and benchmark (the
// plugin_loader library).
#pragma once

#include "Interface/MorvikInterface.h"

#include <memory>
#include <string>

namespace testsupport {

// One loading of a plug-in library, unloaded when the object goes (or at Unload).
class TPluginLibrary {
public:
  explicit TPluginLibrary(const char* Path = VARNE_PLUGIN_PATH);
  ~TPluginLibrary();
  TPluginLibrary(const TPluginLibrary&) = delete;
  TPluginLibrary& operator=(const TPluginLibrary&) = delete;

  // True when the library is open and Models gave its model list.
  bool Loaded() const { return models != nullptr; }
  // What Models returned, or null (then Error says why).
  Morvik::TModels* Models() const { return models; }
  // The export itself, or null.
  Morvik::TModelsFunc Entry() const { return entry; }
  const std::string& Error() const { return error; }
  // Unloads the library now; true when it was open and dlclose succeeded.
  bool Unload();

private:
  void* handle = nullptr;
  Morvik::TModelsFunc entry = nullptr;
  Morvik::TModels* models = nullptr;
  std::string error;
};

// The plug-in of this build tree, loaded at the first call and kept until the process ends:
// for programs whose models live in statics until exit (benchmarks, fuzz targets).
const TPluginLibrary& BuiltPlugin();

// True when the library at Path is in the process; asks without loading it.
bool LibraryLoaded(const char* Path);

// A model made by the plug-in is destroyed through its own virtual destructor.
struct TModelDeleter {
  void operator()(Morvik::TModel* Model) const { delete Model; }
};
using TModelPtr = std::unique_ptr<Morvik::TModel, TModelDeleter>;

} // namespace testsupport
