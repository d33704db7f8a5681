// The objects of one kind a model owns, in creation order, reachable both as their interface
// class and as their own class. Adding and deleting cost the same however many objects the
// list holds: a deletion leaves a hole that the next read of the whole list or of an index
// closes, so a run of deletions costs in proportion to what was deleted.
#pragma once

#include <cstddef>
#include <memory>
#include <unordered_map>
#include <vector>

namespace Morvik {

// Base: the interface class; Own: the plug-in's class of the objects, derived from Base.
template <class Base, class Own>
class TOwnedList {
public:
  TOwnedList() = default;
  TOwnedList(const TOwnedList&) = delete;
  TOwnedList& operator=(const TOwnedList&) = delete;

  ~TOwnedList() { Clear(); }

  // Destroys the objects in creation order; each one goes while the list still holds the
  // others (and null for those gone before it).
  void Clear() {
    for (auto& Owned : items) Owned.reset();
    items.clear();
    typed.clear();
    index.clear();
  }

  int Count() const { return static_cast<int>(index.size()); }
  Base* At(std::size_t Idx) const { return Items()[Idx].get(); }

  Own* Add(std::unique_ptr<Own> Object) {
    Own* Typed = Object.get();
    index.emplace(static_cast<const Base*>(Typed), items.size());
    typed.push_back(Typed);
    items.push_back(std::move(Object));
    return Typed;
  }

  // Destroys Object after taking it out of the list; an object not in the list (or NULL)
  // does nothing.
  void Delete(const Base* Object) {
    auto Found = index.find(Object);
    if (Found == index.end()) return;
    const std::size_t Slot = Found->second;
    index.erase(Found);
    std::unique_ptr<Base> Owned = std::move(items[Slot]);
    typed[Slot] = nullptr;
    while (!items.empty() && !items.back()) {
      items.pop_back();
      typed.pop_back();
    }
    // More holes than objects: close them, so that the list never grows beyond twice its
    // count.
    if (items.size() > 2 * index.size() + 16) Compact();
  }

  const std::vector<std::unique_ptr<Base>>& Items() const {
    Compact();
    return items;
  }
  const std::vector<Own*>& Typed() const {
    Compact();
    return typed;
  }

private:
  void Compact() const {
    if (items.size() == index.size()) return;
    std::size_t Kept = 0;
    for (std::size_t I = 0; I < items.size(); ++I)
      if (items[I]) {
        index[items[I].get()] = Kept;
        typed[Kept] = typed[I];
        items[Kept++] = std::move(items[I]);
      }
    items.resize(Kept);
    typed.resize(Kept);
  }

  // Null where an object was deleted; never null at the end.
  mutable std::vector<std::unique_ptr<Base>> items;
  mutable std::vector<Own*> typed;
  // The slot of each object in both vectors.
  mutable std::unordered_map<const Base*, std::size_t> index;
};

} // namespace Morvik
