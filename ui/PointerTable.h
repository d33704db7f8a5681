#pragma once
// A table from pointers to values, open-addressed in one array of key and value pairs:
// finding, adding or removing a key reads one slot and its neighbours, and nothing is
// allocated per key. It grows by doubling and keeps at most half of its slots taken.
// Keys are only compared, never followed; null is no key.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace ui {

template <class V>
class TPointerTable {
public:
  bool IsEmpty() const { return FCount == 0; }
  std::size_t Count() const { return FCount; }

  // The value of Key; null when Key is not in the table.
  V* Find(const void* Key) { return const_cast<V*>(std::as_const(*this).Find(Key)); }
  const V* Find(const void* Key) const {
    if (!Key || FCount == 0) return nullptr;
    for (std::size_t i = Home(Key);; i = (i + 1) & FMask) {
      if (FSlots[i].Key == Key) return &FSlots[i].Value;
      if (!FSlots[i].Key) return nullptr;
    }
  }
  bool Contains(const void* Key) const { return Find(Key) != nullptr; }

  // The value of Key, added with a value-initialised value when Key is not in the table.
  // Key must not be null.
  V& operator[](const void* Key) {
    if (V* value = Find(Key)) return *value;
    Reserve(FCount + 1);
    std::size_t i = Home(Key);
    while (FSlots[i].Key) i = (i + 1) & FMask;
    FSlots[i].Key = Key;
    FSlots[i].Value = V();
    ++FCount;
    return FSlots[i].Value;
  }

  // Takes Key out; false when it was not in the table.
  bool Remove(const void* Key) {
    if (!Key || FCount == 0) return false;
    std::size_t hole = Home(Key);
    while (FSlots[hole].Key != Key) {
      if (!FSlots[hole].Key) return false;
      hole = (hole + 1) & FMask;
    }
    // The keys after the hole that would no longer be found across it move back into it.
    for (std::size_t i = (hole + 1) & FMask; FSlots[i].Key; i = (i + 1) & FMask) {
      const std::size_t home = Home(FSlots[i].Key);
      const bool reachable = hole <= i ? hole < home && home <= i : hole < home || home <= i;
      if (reachable) continue;
      FSlots[hole] = std::move(FSlots[i]);
      hole = i;
    }
    FSlots[hole] = TSlot{};
    --FCount;
    return true;
  }

  // Empties the table and gives its storage back.
  void Clear() {
    std::vector<TSlot>().swap(FSlots);
    FCount = 0;
    FMask = 0;
    FShift = 64;
  }

  // Makes room for Count keys without growing again.
  void Reserve(std::size_t Count) {
    if (2 * Count <= FSlots.size()) return;
    std::vector<TSlot> old;
    old.swap(FSlots);
    const std::size_t size = std::bit_ceil(std::max<std::size_t>(2 * Count, 16));
    FSlots.resize(size);
    FMask = size - 1;
    FShift = 64 - std::countr_zero(size);
    for (TSlot& slot : old)
      if (slot.Key) {
        std::size_t i = Home(slot.Key);
        while (FSlots[i].Key) i = (i + 1) & FMask;
        FSlots[i] = std::move(slot);
      }
  }

  // Calls Action(Key, Value) for every key, in no particular order.
  template <class F>
  void ForEach(F&& Action) {
    for (TSlot& slot : FSlots)
      if (slot.Key) Action(slot.Key, slot.Value);
  }

private:
  struct TSlot {
    const void* Key = nullptr;
    V Value{};
  };

  // Where the search for Key starts: the high bits of its address times the golden ratio.
  std::size_t Home(const void* Key) const {
    const auto address = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(Key));
    return static_cast<std::size_t>((address * 0x9E3779B97F4A7C15ull) >> FShift);
  }

  std::vector<TSlot> FSlots;
  std::size_t FCount = 0;
  std::size_t FMask = 0;
  int FShift = 64;
};

} // namespace ui
