#include "ui/PointerTable.h"

#include <gtest/gtest.h>
#include <map>
#include <random>

// The table against a map through a long random run of additions, changes and removals over
// a pool of keys, growing from empty past several doublings and shrinking again, so that
// runs of neighbouring keys form, wrap around the end of the array and close up behind
// removals. Small pools keep the table small, where runs wrap most often. Keys are placed by
// their address, or by a hash given with them that many keys share.
TEST(PointerTable, AnswersAsAMapThroughAdditionsAndRemovals) {
  static char pool[700];
  struct TCase {
    std::size_t Keys;
    bool GivenHash;
  };
  for (const TCase t :
       {TCase{6, false}, TCase{40, false}, TCase{700, false}, TCase{40, true}, TCase{700, true}}) {
    SCOPED_TRACE(testing::Message() << t.Keys
                                    << (t.GivenHash ? " keys by a given hash" : " keys by address"));
    const std::size_t keys = t.Keys;
    ui::TPointerTable<int> table;
    const auto hash = [](const void* Key) {
      return static_cast<std::size_t>(static_cast<const char*>(Key) - pool) % 7;
    };
    const auto put = [&](const void* Key) -> int& {
      return t.GivenHash ? table.At(Key, hash(Key)) : table[Key];
    };
    const auto remove = [&](const void* Key) {
      return t.GivenHash ? table.Remove(Key, hash(Key)) : table.Remove(Key);
    };
    const auto find = [&](const void* Key) {
      return t.GivenHash ? table.Find(Key, hash(Key)) : table.Find(Key);
    };
    std::map<const void*, int> plain;
    std::mt19937 random(7);
    for (int step = 0; step < 60000; ++step) {
      const void* key = &pool[random() % keys];
      // Mostly additions in the first third of every round, mostly removals after it.
      const bool growing = step % 9000 < 3000;
      if (random() % 10 < (growing ? 7u : 3u)) {
        const int value = static_cast<int>(random() % 1000);
        put(key) = value;
        plain[key] = value;
      } else {
        ASSERT_EQ(remove(key), plain.erase(key) == 1);
      }
      SCOPED_TRACE(step);
      ASSERT_EQ(table.Count(), plain.size());
      if (step % 101 == 0) {
        for (const char& c : pool) {
          if (&c == pool + keys) break;
          const auto it = plain.find(&c);
          const int* value = find(&c);
          ASSERT_EQ(value != nullptr, it != plain.end());
          if (value) ASSERT_EQ(*value, it->second);
          if (t.GivenHash) {
            const auto same = [&c](const void* Key) { return Key == &c; };
            ASSERT_EQ(table.FindKey(hash(&c), same), value ? &c : nullptr);
          }
        }
        std::map<const void*, int> seen;
        table.ForEach([&seen](const void* Key, int& Value) { ASSERT_TRUE(seen.emplace(Key, Value).second); });
        ASSERT_EQ(seen, plain);
      }
      if (step % 20000 == 19999) {
        table.Clear();
        plain.clear();
        ASSERT_TRUE(table.IsEmpty());
      }
    }
    // A new key starts from its value's default; null is no key.
    EXPECT_EQ(put(&pool[0]), plain[&pool[0]]);
    EXPECT_EQ(table.Find(nullptr), nullptr);
    EXPECT_FALSE(table.Remove(nullptr));
  }
}
