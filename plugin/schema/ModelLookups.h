// What the checks of a model's objects look up over the whole model: which foreign keys
// without a name lie on a cycle, and how many indexes, resp. triggers, of all its tables carry
// a name. Each is gathered at its first use and kept until the model changes, so that checking
// every object of the model costs one pass over it, not one pass per object.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>

#include "Interface/MorvikInterface.h"
#include "plugin/framework/Parent.h"
#include "plugin/schema/UnnamedKeys.h"

namespace Varne {

class TModelLookups {
public:
  explicit TModelLookups(const Morvik::TModel& Model) : model(Model) {}
  TModelLookups(const TModelLookups&) = delete;
  TModelLookups& operator=(const TModelLookups&) = delete;

  // Forgets everything gathered. Called whenever a table or a reference comes or goes, a
  // reference is renamed, or an index or a trigger comes, goes or changes.
  void Changed();
  const TUnnamedKeys& UnnamedKeys();
  // The number of items of the list at TableListPos of every table whose scalar parameter at
  // ParamPos equals Text byte for byte (capitals differ).
  int CountTableItemsNamed(const char* Text, int TableListPos, int ParamPos);

private:
  using TNameCounts = std::unordered_map<std::string, int>;

  const Morvik::TModel& model;
  std::optional<TUnnamedKeys> unnamedKeys;
  // By table list position and parameter position.
  std::map<std::pair<int, int>, TNameCounts> tableItemNames;
};

// The lookups of Object's model: Object itself or the first of its owners that is a model of
// this plug-in; NULL when there is none.
TModelLookups* LookupsOf(const Morvik::TParent* Object);
// Tells the lookups of Object's model, if any, that what they gather changed.
void ModelChanged(const Morvik::TParent* Object);

} // namespace Varne
