#include "ui/ComponentList.h"

#include <stdexcept>

namespace ui {

TComponent* TComponentList::At(int Index) const {
  if (FItems.size() != static_cast<std::size_t>(FIndex.size())) Compact();
  if (Index < 0 || static_cast<std::size_t>(Index) >= FItems.size())
    throw std::out_of_range("TComponentList::At");
  return FItems[static_cast<std::size_t>(Index)];
}

void TComponentList::Add(TComponent* Component) {
  if (!Component || FIndex.contains(Component)) return;
  FIndex.insert(Component, FItems.size());
  FItems.push_back(Component);
}

void TComponentList::Remove(const TComponent* Component) {
  auto it = FIndex.find(Component);
  if (it == FIndex.end()) return;
  FItems[it.value()] = nullptr;
  FIndex.erase(it);
  while (!FItems.empty() && !FItems.back()) FItems.pop_back();
  // More holes than components: close them, so that the list never grows beyond twice its
  // count.
  if (FItems.size() > 2 * static_cast<std::size_t>(FIndex.size()) + 16) Compact();
}

std::vector<TComponent*> TComponentList::TakeAll() {
  Compact();
  std::vector<TComponent*> all;
  all.swap(FItems);
  FIndex.clear();
  return all;
}

void TComponentList::Compact() const {
  std::size_t kept = 0;
  for (TComponent* c : FItems)
    if (c) {
      FIndex[c] = kept;
      FItems[kept++] = c;
    }
  FItems.resize(kept);
}

} // namespace ui
