#pragma once
// An ordered list of components without repeats, in the order they were added: adding,
// removing and asking whether a component is in it cost the same however long the list is.
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
  // The component at Index in the order of adding, counting only those still in the list.
  TComponent* At(int Index) const;
  // The component added last of those still in the list; null when it is empty.
  TComponent* Last() const { return FItems.empty() ? nullptr : FItems.back(); }
  // Appends Component unless it is in the list already.
  void Add(TComponent* Component);
  // Takes Component out; nothing when it is not in the list.
  void Remove(const TComponent* Component);
  // Every component in order, leaving the list empty.
  std::vector<TComponent*> TakeAll();

private:
  void Compact() const;

  // Null where a component was removed; never null at the end.
  mutable std::vector<TComponent*> FItems;
  mutable QHash<const TComponent*, std::size_t> FIndex;
};

} // namespace ui
