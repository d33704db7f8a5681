#include "ui/PointerTable.h"

#include <gtest/gtest.h>
#include <map>
#include <random>

// The table against a map through a long random run of additions, changes and removals over
// a pool of keys, growing from empty past several doublings and shrinking again, so that
// runs of neighbouring keys form, wrap around the end of the array and close up behind
// removals. Small pools keep the table small, where runs wrap most often.
TEST(PointerTable, AnswersAsAMapThroughAdditionsAndRemovals) {
  static char pool[700];
  for (const std::size_t keys : {6u, 40u, 700u}) {
    SCOPED_TRACE(keys);
    ui::TPointerTable<int> table;
    std::map<const void*, int> plain;
    std::mt19937 random(7);
    for (int step = 0; step < 60000; ++step) {
      const void* key = &pool[random() % keys];
      // Mostly additions in the first third of every round, mostly removals after it.
      const bool growing = step % 9000 < 3000;
      if (random() % 10 < (growing ? 7u : 3u)) {
        const int value = static_cast<int>(random() % 1000);
        table[key] = value;
        plain[key] = value;
      } else {
        ASSERT_EQ(table.Remove(key), plain.erase(key) == 1);
      }
      SCOPED_TRACE(step);
      ASSERT_EQ(table.Count(), plain.size());
      if (step % 101 == 0) {
        for (const char& c : pool) {
          if (&c == pool + keys) break;
          const auto it = plain.find(&c);
          const int* value = table.Find(&c);
          ASSERT_EQ(value != nullptr, it != plain.end());
          if (value) ASSERT_EQ(*value, it->second);
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
    EXPECT_EQ(table[&pool[0]], plain[&pool[0]]);
    EXPECT_EQ(table.Find(nullptr), nullptr);
    EXPECT_FALSE(table.Remove(nullptr));
  }
}
