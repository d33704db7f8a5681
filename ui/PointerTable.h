#pragma once
// A table from pointers to values, open-addressed in one array of slots: finding, adding or
// removing a key reads one slot and its neighbours, and nothing is allocated per key. It
// grows by doubling and keeps at most half of its slots taken. Keys are only compared, never
// followed; null is no key.
// A key is placed by its address, or by a hash the caller gives with it (a name's, say); a
// key placed by a given hash is found again only through that hash. Each slot keeps its
// key's hash, so that growing and removing never read the keys' objects.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>

namespace ui {

template <class V>
class TPointerTable {
public:
  bool IsEmpty() const { return FCount == 0; }
  std::size_t Count() const { return FCount; }

  // The value of Key; null when Key is not in the table.
  V* Find(const void* Key) { return Find(Key, AddressHash(Key)); }
  const V* Find(const void* Key) const { return Find(Key, AddressHash(Key)); }
  V* Find(const void* Key, std::size_t Hash) { return const_cast<V*>(std::as_const(*this).Find(Key, Hash)); }
  const V* Find(const void* Key, std::size_t Hash) const {
    const std::size_t i = SlotOf(Key, Hash);
    return i == NoSlot ? nullptr : &FSlots[i].Value;
  }
  bool Contains(const void* Key) const { return Find(Key) != nullptr; }

  // A key of Hash that Matches accepts; null when there is none.
  template <class P>
  const void* FindKey(std::size_t Hash, P&& Matches) const {
    if (FCount == 0) return nullptr;
    for (std::size_t i = Home(Hash); FSlots[i].Key; i = (i + 1) & Mask())
      if (FSlots[i].Hash == Hash && Matches(FSlots[i].Key)) return FSlots[i].Key;
    return nullptr;
  }

  // The value of Key, added with a value-initialised value when Key is not in the table.
  // Key must not be null.
  V& operator[](const void* Key) { return At(Key, AddressHash(Key)); }
  V& At(const void* Key, std::size_t Hash) {
    if (V* value = Find(Key, Hash)) return *value;
    Reserve(FCount + 1);
    std::size_t i = Home(Hash);
    while (FSlots[i].Key) i = (i + 1) & Mask();
    FSlots[i] = TSlot{Key, Hash, V()};
    ++FCount;
    return FSlots[i].Value;
  }

  // Takes Key out; false when it was not in the table.
  bool Remove(const void* Key) { return Remove(Key, AddressHash(Key)); }
  bool Remove(const void* Key, std::size_t Hash) {
    std::size_t hole = SlotOf(Key, Hash);
    if (hole == NoSlot) return false;
    // The keys after the hole that would no longer be found across it move back into it.
    for (std::size_t i = (hole + 1) & Mask(); FSlots[i].Key; i = (i + 1) & Mask()) {
      const std::size_t home = Home(FSlots[i].Hash);
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
    FSlots.reset();
    FCount = 0;
    FBits = 0;
  }

  // Makes room for Count keys without growing again.
  void Reserve(std::size_t Count) {
    if (2 * Count <= Size()) return;
    const std::unique_ptr<TSlot[]> old = std::move(FSlots);
    const std::size_t oldSize = Size();
    const std::size_t size = std::bit_ceil(std::max<std::size_t>(2 * Count, 16));
    FSlots = std::make_unique<TSlot[]>(size);
    FBits = static_cast<std::uint8_t>(std::countr_zero(size));
    for (std::size_t o = 0; o < oldSize; ++o)
      if (old[o].Key) {
        std::size_t i = Home(old[o].Hash);
        while (FSlots[i].Key) i = (i + 1) & Mask();
        FSlots[i] = std::move(old[o]);
      }
  }

  // Calls Action(Key, Value) for every key, in no particular order.
  template <class F>
  void ForEach(F&& Action) {
    for (std::size_t i = 0; i < Size(); ++i)
      if (FSlots[i].Key) Action(FSlots[i].Key, FSlots[i].Value);
  }

private:
  static constexpr std::size_t NoSlot = static_cast<std::size_t>(-1);

  struct TSlot {
    const void* Key = nullptr;
    std::size_t Hash = 0;
    V Value{};
  };

  static std::size_t AddressHash(const void* Key) { return reinterpret_cast<std::uintptr_t>(Key); }
  std::size_t Size() const { return FBits == 0 ? 0 : std::size_t{1} << FBits; }
  std::size_t Mask() const { return Size() - 1; }
  // Where the search for a key of Hash starts: the high bits of the hash times the golden
  // ratio. Only asked of a table with slots.
  std::size_t Home(std::size_t Hash) const {
    return static_cast<std::size_t>((static_cast<std::uint64_t>(Hash) * 0x9E3779B97F4A7C15ull) >>
                                    (64 - FBits));
  }
  std::size_t SlotOf(const void* Key, std::size_t Hash) const {
    if (!Key || FCount == 0) return NoSlot;
    for (std::size_t i = Home(Hash); FSlots[i].Key; i = (i + 1) & Mask())
      if (FSlots[i].Key == Key) return i;
    return NoSlot;
  }

  // Size() slots; a table that never held a key has none.
  std::unique_ptr<TSlot[]> FSlots;
  std::uint32_t FCount = 0;
  std::uint8_t FBits = 0;
};

} // namespace ui
