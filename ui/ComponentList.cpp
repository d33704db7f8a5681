#include "ui/ComponentList.h"

#include <algorithm>
#include <stdexcept>

namespace ui {

std::size_t TComponentList::SlotOf(const TComponent* Component) const {
  if (!Component) return NoSlot;
  if (FSlotField) {
    const std::size_t slot = FSlotField(Component);
    return slot >= FFirst && slot < FItems.size() && FItems[slot] == Component ? slot : NoSlot;
  }
  if (Indexed()) {
    const std::size_t* slot = FIndex.Find(Component);
    return slot ? *slot : NoSlot;
  }
  const auto first = FItems.begin() + static_cast<std::ptrdiff_t>(FFirst);
  const auto it = std::find(first, FItems.end(), Component);
  return it == FItems.end() ? NoSlot : static_cast<std::size_t>(it - FItems.begin());
}

void TComponentList::Place(TComponent* Component, std::size_t Slot) const {
  if (FSlotField)
    FSlotField(Component) = Slot;
  else if (Indexed())
    FIndex[Component] = Slot;
}

TComponent* TComponentList::At(int Index) const {
  if (HasHoles()) Compact();
  if (Index < 0 || static_cast<std::size_t>(Index) >= FCount) throw std::out_of_range("TComponentList::At");
  return FItems[FFirst + static_cast<std::size_t>(Index)];
}

int TComponentList::IndexOf(const TComponent* Component) const {
  std::size_t slot = SlotOf(Component);
  if (slot == NoSlot) return -1;
  if (HasHoles()) {
    Compact();
    slot = SlotOf(Component);
  }
  return static_cast<int>(slot - FFirst);
}

void TComponentList::Add(TComponent* Component) {
  if (!Component || Contains(Component)) return;
  Place(Component, FItems.size());
  FItems.push_back(Component);
  ++FCount;
  IndexWhenLong();
}

void TComponentList::AddFirst(TComponent* Component) {
  if (!Component || Contains(Component)) return;
  if (FFirst == 0) {
    // Room before the first component as large as the list, so that a run of additions at
    // the front moves the list only now and then.
    Compact();
    const std::size_t room = FItems.size() + 16;
    FItems.insert(FItems.begin(), room, nullptr);
    FFirst = room;
    if (FSlotField)
      for (std::size_t i = FFirst; i < FItems.size(); ++i) Place(FItems[i], i);
    else
      FIndex.ForEach([room](const void*, std::size_t& Slot) { Slot += room; });
  }
  Place(Component, FFirst - 1);
  FItems[--FFirst] = Component;
  ++FCount;
  IndexWhenLong();
}

void TComponentList::IndexWhenLong() {
  if (FSlotField || Indexed() || FCount <= SmallCount) return;
  FIndex.Reserve(FCount);
  for (std::size_t i = FFirst; i < FItems.size(); ++i) FIndex[FItems[i]] = i;
}

bool TComponentList::Remove(const TComponent* Component) {
  const std::size_t slot = SlotOf(Component);
  if (slot == NoSlot) return false;
  TakeOut(slot);
  return true;
}

void TComponentList::RemoveLast() {
  if (!IsEmpty()) TakeOut(FItems.size() - 1);
}

void TComponentList::TakeOut(std::size_t Slot) {
  TComponent* const component = FItems[Slot];
  --FCount;
  if (FSlotField || Indexed()) {
    // Only the pointer's value is used: the component may be freed.
    FItems[Slot] = nullptr;
    if (Indexed()) FIndex.Remove(component);
    while (FItems.size() > FFirst && !FItems.back()) FItems.pop_back();
    while (FFirst < FItems.size() && !FItems[FFirst]) ++FFirst;
  } else {
    FItems.erase(FItems.begin() + static_cast<std::ptrdiff_t>(Slot));
  }
  if (FCount == 0) {
    FItems.clear();
    FFirst = 0;
    FIndex.Clear();
  }
  // More holes than components: close them, so that the list never grows beyond twice its
  // count.
  if (FItems.size() - FFirst > 2 * FCount + 16) Compact();
}

std::vector<TComponent*> TComponentList::Items() const {
  if (HasHoles()) Compact();
  return std::vector<TComponent*>(FItems.begin() + static_cast<std::ptrdiff_t>(FFirst), FItems.end());
}

std::vector<TComponent*> TComponentList::TakeAll() {
  if (HasHoles()) Compact();
  std::vector<TComponent*> all = std::move(FItems);
  all.erase(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(FFirst));
  FItems.clear();
  FFirst = 0;
  FCount = 0;
  FIndex.Clear();
  return all;
}

void TComponentList::Compact() const {
  // The components close up from FFirst on; the room before it stays.
  std::size_t kept = FFirst;
  for (std::size_t i = FFirst; i < FItems.size(); ++i)
    if (TComponent* c = FItems[i]) {
      if (kept != i) Place(c, kept);
      FItems[kept++] = c;
    }
  FItems.resize(kept);
}

} // namespace ui
