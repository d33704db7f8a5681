#include "ui/ComponentList.h"

#include <algorithm>
#include <stdexcept>

namespace ui {

std::size_t TComponentList::SlotOf(const TComponent* Component) const {
  if (Indexed()) return FIndex.value(Component, NoSlot);
  const auto first = FItems.begin() + static_cast<std::ptrdiff_t>(FFirst);
  const auto it = std::find(first, FItems.end(), Component);
  return it == FItems.end() || !Component ? NoSlot : static_cast<std::size_t>(it - FItems.begin());
}

TComponent* TComponentList::At(int Index) const {
  if (HasHoles()) Compact();
  if (Index < 0 || static_cast<std::size_t>(Index) >= FItems.size() - FFirst)
    throw std::out_of_range("TComponentList::At");
  return FItems[FFirst + static_cast<std::size_t>(Index)];
}

int TComponentList::IndexOf(const TComponent* Component) const {
  std::size_t slot = SlotOf(Component);
  if (slot == NoSlot) return -1;
  if (HasHoles()) {
    Compact();
    slot = FIndex.value(Component);
  }
  return static_cast<int>(slot - FFirst);
}

void TComponentList::Add(TComponent* Component) {
  if (!Component || Contains(Component)) return;
  if (Indexed()) FIndex.insert(Component, FItems.size());
  FItems.push_back(Component);
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
    for (auto& slot : FIndex) slot += room;
  }
  if (Indexed()) FIndex.insert(Component, FFirst - 1);
  FItems[--FFirst] = Component;
  IndexWhenLong();
}

void TComponentList::IndexWhenLong() {
  if (Indexed() || FItems.size() - FFirst <= SmallCount) return;
  FIndex.reserve(static_cast<qsizetype>(FItems.size() - FFirst));
  for (std::size_t i = FFirst; i < FItems.size(); ++i) FIndex.insert(FItems[i], i);
}

bool TComponentList::Remove(const TComponent* Component) {
  const std::size_t slot = SlotOf(Component);
  if (slot == NoSlot) return false;
  if (Indexed()) {
    FItems[slot] = nullptr;
    FIndex.remove(Component);
    while (FItems.size() > FFirst && !FItems.back()) FItems.pop_back();
    while (FFirst < FItems.size() && !FItems[FFirst]) ++FFirst;
  } else {
    FItems.erase(FItems.begin() + static_cast<std::ptrdiff_t>(slot));
  }
  if (FItems.size() == FFirst) {
    FItems.clear();
    FFirst = 0;
    FIndex.clear();
  }
  // More holes than components: close them, so that the list never grows beyond twice its
  // count.
  if (FItems.size() - FFirst > 2 * static_cast<std::size_t>(Count()) + 16) Compact();
  return true;
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
  FIndex.clear();
  return all;
}

void TComponentList::Compact() const {
  // The components close up from FFirst on; the room before it stays.
  const bool indexed = Indexed();
  std::size_t kept = FFirst;
  for (std::size_t i = FFirst; i < FItems.size(); ++i)
    if (TComponent* c = FItems[i]) {
      if (indexed) FIndex[c] = kept;
      FItems[kept++] = c;
    }
  FItems.resize(kept);
}

} // namespace ui
