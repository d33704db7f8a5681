// What the checks of a model's objects look up over the whole model: which foreign keys
// without a name lie on a cycle, how many indexes, resp. triggers, of all its tables carry a
// name, and how many items of one of its lists do. Each is gathered at its first use and kept until the model changes, so that checking
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
  // reference is renamed, or an index, a trigger or an item of a model list comes, goes or
  // changes.
  void Changed();
  const TUnnamedKeys& UnnamedKeys();
  // The number of items of the list at TableListPos of every table whose scalar parameter at
  // ParamPos equals Text byte for byte (capitals differ).
  int CountTableItemsNamed(const char* Text, int TableListPos, int ParamPos);
  // The same count over the model's own list at ListPos.
  int CountModelItemsNamed(const char* Text, int ListPos, int ParamPos);

private:
  using TNameCounts = std::unordered_map<std::string, int>;
  // By list position and parameter position.
  using TNameCountsOf = std::map<std::pair<int, int>, TNameCounts>;

  static void CountNames(TNameCounts& Counts, const Morvik::TListParam& List, int ParamPos);
  static int Count(const TNameCounts& Counts, const char* Text);

  const Morvik::TModel& model;
  std::optional<TUnnamedKeys> unnamedKeys;
  TNameCountsOf tableItemNames;
  TNameCountsOf modelItemNames;
};

// The lookups of Object's model: Object itself or the first of its owners that is a model of
// this plug-in; NULL when there is none.
TModelLookups* LookupsOf(const Morvik::TParent* Object);
// Tells the lookups of Object's model, if any, that what they gather changed.
void ModelChanged(const Morvik::TParent* Object);

} // namespace Varne
