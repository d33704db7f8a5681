#include "plugin/schema/UnnamedKeys.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace Varne {

namespace {

// A key that the script drops by name, or one that its own table's drop removes, binds no
// order.
bool BindsOrder(const Morvik::TReference* Reference) {
  const char* Name = Reference->GetName();
  return (!Name || !*Name) && Reference->GetParentTable() && Reference->GetChildTable() &&
         Reference->GetParentTable() != Reference->GetChildTable();
}

} // namespace

TUnnamedKeys::TUnnamedKeys(const Morvik::TModel& Model)
    : children(static_cast<std::size_t>(Model.GetTableCount())) {
  for (int I = 0; I < Model.GetTableCount(); ++I) indexes.emplace(Model.GetTable(I), I);
  for (int I = 0; I < Model.GetReferenceCount(); ++I) {
    const Morvik::TReference* Reference = Model.GetReference(I);
    if (!BindsOrder(Reference)) continue;
    const int Parent = IndexOf(Reference->GetParentTable());
    const int Child = IndexOf(Reference->GetChildTable());
    if (Parent >= 0 && Child >= 0) children[static_cast<std::size_t>(Parent)].push_back(Child);
  }
  for (std::vector<int>& Children : children) {
    std::sort(Children.begin(), Children.end(), std::greater<int>());
    Children.erase(std::unique(Children.begin(), Children.end()), Children.end());
  }
  FindGroups();
}

int TUnnamedKeys::IndexOf(const Morvik::TTable* Table) const {
  const auto It = indexes.find(Table);
  return It == indexes.end() ? -1 : It->second;
}

std::vector<int> TUnnamedKeys::DropOrder() const {
  // Depth first from the last table, along parent to child: a table is written once all its
  // children are, or are already on the way (a cycle).
  const int Count = static_cast<int>(children.size());
  std::vector<int> Order;
  std::vector<bool> Seen(children.size(), false);
  std::vector<std::pair<int, std::size_t>> Path; // a table and its next child to visit
  for (int Start = Count - 1; Start >= 0; --Start) {
    if (Seen[static_cast<std::size_t>(Start)]) continue;
    Seen[static_cast<std::size_t>(Start)] = true;
    Path.emplace_back(Start, 0);
    while (!Path.empty()) {
      const int Table = Path.back().first;
      const std::vector<int>& Children = children[static_cast<std::size_t>(Table)];
      if (Path.back().second == Children.size()) {
        Order.push_back(Table);
        Path.pop_back();
        continue;
      }
      const int Child = Children[Path.back().second++];
      if (Seen[static_cast<std::size_t>(Child)]) continue;
      Seen[static_cast<std::size_t>(Child)] = true;
      Path.emplace_back(Child, 0);
    }
  }
  return Order;
}

void TUnnamedKeys::FindGroups() {
  // Tarjan's walk, depth first without recursion: a table whose walk finds no way back above
  // itself closes a group of everything still open since it was reached.
  const std::size_t Count = children.size();
  constexpr int Unseen = -1;
  std::vector<int> Reached(Count, Unseen); // the order in which the walk reached each table
  std::vector<int> Lowest(Count, 0);       // the earliest open table reachable from it
  std::vector<bool> Open(Count, false);
  std::vector<int> OpenTables;
  std::vector<std::pair<int, std::size_t>> Path; // a table and its next child to visit
  groups.assign(Count, 0);
  int Next = 0;
  int Group = 0;
  auto Enter = [&](int Table) {
    const auto T = static_cast<std::size_t>(Table);
    Reached[T] = Lowest[T] = Next++;
    Open[T] = true;
    OpenTables.push_back(Table);
    Path.emplace_back(Table, 0);
  };
  for (std::size_t Start = 0; Start < Count; ++Start) {
    if (Reached[Start] != Unseen) continue;
    Enter(static_cast<int>(Start));
    while (!Path.empty()) {
      const auto Table = static_cast<std::size_t>(Path.back().first);
      const std::vector<int>& Children = children[Table];
      if (Path.back().second < Children.size()) {
        const auto Child = static_cast<std::size_t>(Children[Path.back().second++]);
        if (Reached[Child] == Unseen)
          Enter(static_cast<int>(Child));
        else if (Open[Child])
          Lowest[Table] = std::min(Lowest[Table], Reached[Child]);
        continue;
      }
      Path.pop_back();
      if (!Path.empty()) {
        const auto Parent = static_cast<std::size_t>(Path.back().first);
        Lowest[Parent] = std::min(Lowest[Parent], Lowest[Table]);
      }
      if (Lowest[Table] != Reached[Table]) continue;
      for (bool Closed = false; !Closed;) {
        const auto Member = static_cast<std::size_t>(OpenTables.back());
        OpenTables.pop_back();
        Open[Member] = false;
        groups[Member] = Group;
        Closed = Member == Table;
      }
      ++Group;
    }
  }
}

bool TUnnamedKeys::InCycle(const Morvik::TReference* Reference) const {
  if (!BindsOrder(Reference)) return false;
  const int Parent = IndexOf(Reference->GetParentTable());
  const int Child = IndexOf(Reference->GetChildTable());
  // The key leads from its parent to its child; a way back closes the cycle.
  return Parent >= 0 && Child >= 0 &&
         groups[static_cast<std::size_t>(Parent)] == groups[static_cast<std::size_t>(Child)];
}

} // namespace Varne
