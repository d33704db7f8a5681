#pragma once
// An ordered list of components without repeats: adding at either end, removing, asking
// whether a component is in it and where, cost the same however long the list is.
// A removal leaves a hole that a later read by index closes, so a run of removals followed
// by one walk over the list costs in proportion to what was removed and walked.
// Most lists are short (the links of one element, the parts of one control): up to
// SmallCount components they are searched in place and keep no index, so that they cost one
// small block each.
// A list that holds each component at most once among all lists of its kind (an owner's
// components, a desktop's controls) keeps each component's slot in a field of the component
// instead of an index: finding one there reads the component and the list, and nothing else.

#include "ui/PointerTable.h"

#include <cstddef>
#include <vector>

namespace ui {

class TComponent;

class TComponentList {
public:
  // The field of a component that holds its slot in the one list of a kind that has it.
  using TSlotField = std::size_t& (*)(const TComponent* Component);

  TComponentList() = default;
  // A list whose components keep their slot in SlotField: no component may be in two lists
  // that share the field.
  explicit TComponentList(TSlotField SlotField) : FSlotField(SlotField) {}
  TComponentList(const TComponentList&) = delete;
  TComponentList& operator=(const TComponentList&) = delete;

  int Count() const { return static_cast<int>(FCount); }
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
  // Takes the last component out without reading it (it may be freed already).
  void RemoveLast();
  // Every component in order.
  std::vector<TComponent*> Items() const;
  // Every component in order, leaving the list empty.
  std::vector<TComponent*> TakeAll();

private:
  static constexpr std::size_t SmallCount = 16;
  static constexpr std::size_t NoSlot = static_cast<std::size_t>(-1);

  bool Indexed() const { return !FIndex.IsEmpty(); }
  bool HasHoles() const { return FItems.size() - FFirst != FCount; }
  // Where Component stands in FItems; NoSlot when it is not in the list.
  std::size_t SlotOf(const TComponent* Component) const;
  // Records that Component stands at Slot, in the index or the component's field.
  void Place(TComponent* Component, std::size_t Slot) const;
  // Indexes a list without a slot field once it holds more than SmallCount components.
  void IndexWhenLong();
  void TakeOut(std::size_t Slot);
  void Compact() const;

  // The components stand in FItems from FFirst on, null where one was removed (only in an
  // indexed list or one with a slot field); the slots before FFirst are free room for
  // AddFirst. Never null at FFirst or at the end.
  mutable std::vector<TComponent*> FItems;
  mutable std::size_t FFirst = 0;
  std::size_t FCount = 0;
  TSlotField FSlotField = nullptr;
  // Without a slot field, the slot of each component in FItems; empty while the list is
  // short.
  mutable TPointerTable<std::size_t> FIndex;
};

} // namespace ui
