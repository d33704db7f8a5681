#pragma once
// An ordered list of components without repeats: adding at either end, removing, asking
// whether a component is in it and where, cost the same however long the list is.
// A removal leaves a hole that a later read by index closes, so a run of removals followed
// by one walk over the list costs in proportion to what was removed and walked.

#include <QHash>
#include <cstddef>
#include <vector>

namespace ui {

class TComponent;

class TComponentList {
public:
  int Count() const { return static_cast<int>(FIndex.size()); }
  bool IsEmpty() const { return FIndex.isEmpty(); }
  bool Contains(const TComponent* Component) const { return FIndex.contains(Component); }
  // The component at Index in the list's order, counting only those still in the list.
  TComponent* At(int Index) const;
  // Where Component stands in the list's order; -1 when it is not in the list.
  int IndexOf(const TComponent* Component) const;
  // The last component of those still in the list; null when it is empty.
  TComponent* Last() const { return FItems.size() > FFirst ? FItems.back() : nullptr; }
  // Appends Component unless it is in the list already.
  void Add(TComponent* Component);
  // Puts Component before every other one unless it is in the list already.
  void AddFirst(TComponent* Component);
  // Takes Component out; nothing when it is not in the list.
  void Remove(const TComponent* Component);
  // Every component in order.
  std::vector<TComponent*> Items() const;
  // Every component in order, leaving the list empty.
  std::vector<TComponent*> TakeAll();

private:
  bool HasHoles() const { return FItems.size() - FFirst != static_cast<std::size_t>(FIndex.size()); }
  void Compact() const;

  // The components stand in FItems from FFirst on, null where one was removed; the slots
  // before FFirst are free room for AddFirst. Never null at FFirst or at the end.
  mutable std::vector<TComponent*> FItems;
  mutable std::size_t FFirst = 0;
  // The slot of each component in FItems.
  mutable QHash<const TComponent*, std::size_t> FIndex;
};

} // namespace ui
