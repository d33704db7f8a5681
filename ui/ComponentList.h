#pragma once
// An ordered list of components without repeats: adding at either end, removing, asking
// whether a component is in it and where, cost the same however long the list is.
// A removal leaves a hole that a later read by index closes, so a run of removals followed
// by one walk over the list costs in proportion to what was removed and walked.
// Most lists are short (the links of one element, the parts of one control): up to
// SmallCount components they are searched in place and keep no index, so that they cost one
// small block each.

#include <QHash>
#include <cstddef>
#include <vector>

namespace ui {

class TComponent;

class TComponentList {
public:
  int Count() const { return static_cast<int>(Indexed() ? FIndex.size() : FItems.size() - FFirst); }
  bool IsEmpty() const { return FItems.size() == FFirst; }
  bool Contains(const TComponent* Component) const { return SlotOf(Component) != NoSlot; }
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
  // Takes Component out; false (and nothing done) when it is not in the list.
  bool Remove(const TComponent* Component);
  // Every component in order.
  std::vector<TComponent*> Items() const;
  // Every component in order, leaving the list empty.
  std::vector<TComponent*> TakeAll();

private:
  static constexpr std::size_t SmallCount = 16;
  static constexpr std::size_t NoSlot = static_cast<std::size_t>(-1);

  bool Indexed() const { return !FIndex.isEmpty(); }
  bool HasHoles() const {
    return Indexed() && FItems.size() - FFirst != static_cast<std::size_t>(FIndex.size());
  }
  // Where Component stands in FItems; NoSlot when it is not in the list.
  std::size_t SlotOf(const TComponent* Component) const;
  // Indexes the list once it holds more than SmallCount components.
  void IndexWhenLong();
  void Compact() const;

  // The components stand in FItems from FFirst on, null where one was removed (only in an
  // indexed list); the slots before FFirst are free room for AddFirst. Never null at FFirst
  // or at the end.
  mutable std::vector<TComponent*> FItems;
  mutable std::size_t FFirst = 0;
  // The slot of each component in FItems; empty while the list is short.
  mutable QHash<const TComponent*, std::size_t> FIndex;
};

} // namespace ui
