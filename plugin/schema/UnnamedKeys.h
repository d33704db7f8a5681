// The foreign keys without a name between two different tables of a model. The script cannot
// drop such a key by name: it goes only with its child table, so while it stands its parent
// table can be dropped only after its child.
#pragma once

#include <unordered_map>
#include <vector>

#include "Interface/MorvikInterface.h"

namespace Varne {

class TUnnamedKeys {
public:
  explicit TUnnamedKeys(const Morvik::TModel& Model);

  // The indexes of the model's tables in the order to drop them: each child of an unnamed key
  // before its parent, and otherwise the last table first. Within a cycle of unnamed keys no
  // order serves; there the cycle is cut where the walk meets it again.
  std::vector<int> DropOrder() const;
  // Whether Reference is one of the unnamed keys and lies on a cycle of them, so that no
  // order of the DROP statements can remove its tables.
  bool InCycle(const Morvik::TReference* Reference) const;

private:
  // The table's index in the model; -1 for none of its tables.
  int IndexOf(const Morvik::TTable* Table) const;
  // Splits the tables into groups, each of the tables that reach one another along unnamed
  // keys: a key lies on a cycle exactly when its two tables share a group.
  void FindGroups();

  std::unordered_map<const Morvik::TTable*, int> indexes;
  // For each table, the tables that hold an unnamed key to it, the last in the model first.
  std::vector<std::vector<int>> children;
  // For each table, the number of its group.
  std::vector<int> groups;
};

} // namespace Varne
