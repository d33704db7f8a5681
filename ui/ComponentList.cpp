#include "ui/ComponentList.h"

#include <algorithm>
#include <stdexcept>

namespace ui {

TComponent* TComponentList::At(int Index) const {
  if (HasHoles()) Compact();
  if (Index < 0 || static_cast<std::size_t>(Index) >= FItems.size() - FFirst)
    throw std::out_of_range("TComponentList::At");
  return FItems[FFirst + static_cast<std::size_t>(Index)];
}

int TComponentList::IndexOf(const TComponent* Component) const {
  if (!FIndex.contains(Component)) return -1;
  if (HasHoles()) Compact();
  return static_cast<int>(FIndex.value(Component) - FFirst);
}

void TComponentList::Add(TComponent* Component) {
  if (!Component || FIndex.contains(Component)) return;
  FIndex.insert(Component, FItems.size());
  FItems.push_back(Component);
}

void TComponentList::AddFirst(TComponent* Component) {
  if (!Component || FIndex.contains(Component)) return;
  if (FFirst == 0) {
    // Room before the first component as large as the list, so that a run of additions at
    // the front moves the list only now and then.
    Compact();
    const std::size_t room = FItems.size() + 16;
    FItems.insert(FItems.begin(), room, nullptr);
    FFirst = room;
    for (auto& slot : FIndex) slot += room;
  }
  FIndex.insert(Component, --FFirst);
  FItems[FFirst] = Component;
}

void TComponentList::Remove(const TComponent* Component) {
  auto it = FIndex.find(Component);
  if (it == FIndex.end()) return;
  FItems[it.value()] = nullptr;
  FIndex.erase(it);
  while (FItems.size() > FFirst && !FItems.back()) FItems.pop_back();
  while (FFirst < FItems.size() && !FItems[FFirst]) ++FFirst;
  if (FIndex.isEmpty()) {
    FItems.clear();
    FFirst = 0;
  }
  // More holes than components: close them, so that the list never grows beyond twice its
  // count.
  if (FItems.size() - FFirst > 2 * static_cast<std::size_t>(FIndex.size()) + 16) Compact();
}

std::vector<TComponent*> TComponentList::Items() const {
  if (HasHoles()) Compact();
  return std::vector<TComponent*>(FItems.begin() + static_cast<std::ptrdiff_t>(FFirst), FItems.end());
}

std::vector<TComponent*> TComponentList::TakeAll() {
  std::vector<TComponent*> all = Items();
  FItems.clear();
  FFirst = 0;
  FIndex.clear();
  return all;
}

void TComponentList::Compact() const {
  // The components close up from FFirst on; the room before it stays.
  std::size_t kept = FFirst;
  for (std::size_t i = FFirst; i < FItems.size(); ++i)
    if (TComponent* c = FItems[i]) {
      FIndex[c] = kept;
      FItems[kept++] = c;
    }
  FItems.resize(kept);
}

} // namespace ui
