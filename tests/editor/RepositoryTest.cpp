// The typed tree: dotted paths, result codes, write-once items and typed reads.

#include "editor/Repository.h"
#include "StoreErrors.h"

#include <gtest/gtest.h>

TEST(Repository, AddItemResultCodes) {
  TRepository store;
  store.AddList("A");
  store.WriteString("A.S", "text");
  struct Case {
    const char* path;
    TRepositoryType type;
    TRepositoryValue value;
    int result;
  } cases[] = {
      {"", rtString, QString("x"), rrWrongParameters},
      {"A.N", rtInteger, {}, rrWrongParameters},           // a leaf without a value
      {"A.N", rtInteger, QString("1"), rrWrongParameters}, // a value of another kind
      {"A.S", rtString, QString("again"), rrAlreadyExists},
      {"B.X", rtString, QString("x"), rrNoFather},
      {".X", rtString, QString("x"), rrNoFather},
      {"A.S.X", rtString, QString("x"), rrParentNotBranch},
      {"A.B", rtList, {}, rrOk}, // a branch ignores the value
      {"A.B.X", rtInteger, 5, rrOk},
  };
  for (auto& c : cases) EXPECT_EQ(store.AddItem(c.path, c.type, c.value), c.result) << c.path;
  EXPECT_EQ(store.ReadString("A.S", ""), "text"); // the first value stays
  EXPECT_EQ(store.ReadInteger("A.B.X", 0), 5);
  // A path that begins with '.' names no parent also while none is remembered.
  TRepository fresh;
  EXPECT_EQ(fresh.AddItem(".X", rtString, QString("x")), rrNoFather);
}

TEST(Repository, WritersRaiseEveryFailedAdd) {
  TRepository store;
  store.AddList("A");
  store.WriteString("A.S", "text");
  EXPECT_STORE_ERROR(store.WriteString("", "x"), 1);
  EXPECT_STORE_ERROR(store.WriteInteger("A.S", 1), 4);
  EXPECT_STORE_ERROR(store.WriteBoolean("B.X", true), 5);
  EXPECT_STORE_ERROR(store.AddEntity("A.S.E"), 6);
  EXPECT_EQ(store.ReadString("A.S", ""), "text");
}

TEST(Repository, RaiseOnErrorComposesTheMessage) {
  EXPECT_EQ(TRepository::RaiseOnError(0), 0);
  EXPECT_EQ(TRepository::RaiseOnError(7), 0);
  const char* texts[] = {"You try call method with wrong parameters.",
                         "Not exists record with this name.",
                         "You want cast another type.",
                         "Object with this name already exists.",
                         "I can not find father for this item.",
                         "Your parent do not suppose branch."};
  for (int code = 1; code <= 6; ++code) {
    const auto e = StoreError([&] { TRepository::RaiseOnError(code); });
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->Message(),
              QString("MorvikError: 02E-63-000%1\rDescription: %2").arg(code).arg(texts[code - 1]));
    EXPECT_EQ(e->Priority(), 100);
  }
}

TEST(Repository, ReadersFallBackToTheirDefault) {
  TRepository store;
  store.WriteString("S", "text");
  store.AddList("L");
  store.WriteInteger("L.N", 7);
  const TRepositoryItem* item = nullptr;
  EXPECT_EQ(store.FindItem("S", rtInteger, &item), rrAnotherType);
  EXPECT_EQ(store.FindItem("Missing", rtInteger, &item), rrNotExists);
  EXPECT_EQ(store.FindItem("", rtInteger, &item), rrWrongParameters);
  EXPECT_EQ(store.FindItem("S.X", rtString, &item), rrNotExists); // through a leaf
  EXPECT_EQ(store.FindItem("L", rtEntity, &item), rrAnotherType); // branch types differ
  EXPECT_EQ(store.ReadInteger("S", -1), -1);
  EXPECT_EQ(store.ReadInteger("Missing", -2), -2);
  EXPECT_EQ(store.ReadString("", "d"), "d");
  EXPECT_EQ(store.ReadInteger("l.n", -3), -3); // names are case-sensitive
  EXPECT_EQ(store.ReadInteger("L.N", -3), 7);
  EXPECT_EQ(store.ReadMemo("S", "m"), "m"); // a string is no memo
}

TEST(Repository, EveryLeafTypeKeepsItsValue) {
  TRepository store;
  const QDateTime when(QDate(2001, 6, 1), QTime(9, 30, 15));
  const TFontValue font{"Arial", -11, 8, 238, 0x0000FF, 2, 1 | 4};
  const TBrushValue brush{int32_t(0x80000005), 1};
  const TPenValue pen{0x00FF00, 2, 3, 4};
  store.WriteString("String", "Žluťoučký");
  store.WriteMemo("Memo", "a\r\nb");
  store.WriteInteger("Integer", -2147483647 - 1);
  store.WriteBoolean("Boolean", true);
  store.WriteDateTime("DateTime", when);
  store.WriteFont("Font", font);
  store.WriteBrush("Brush", brush);
  store.WritePen("Pen", pen);
  EXPECT_EQ(store.ReadString("String", ""), "Žluťoučký");
  EXPECT_EQ(store.ReadMemo("Memo", ""), "a\r\nb");
  EXPECT_EQ(store.ReadInteger("Integer", 0), -2147483647 - 1);
  EXPECT_TRUE(store.ReadBoolean("Boolean", false));
  EXPECT_EQ(store.ReadDateTime("DateTime", {}), when);
  // Fonts, brushes and pens come back as copies: changing one leaves the stored value.
  TFontValue read = store.ReadFont("Font", {});
  EXPECT_EQ(read, font);
  read.Name = "Courier";
  EXPECT_EQ(store.ReadFont("Font", {}), font);
  EXPECT_EQ(store.ReadBrush("Brush", {}), brush);
  EXPECT_EQ(store.ReadPen("Pen", {}), pen);
  const TPenValue fallback{1, 2, 3, 5};
  EXPECT_EQ(store.ReadPen("Brush", fallback), fallback);
}

TEST(Repository, RememberedParentNeverChangesAResult) {
  TRepository store;
  store.AddList("A");
  store.WriteInteger("A.X", 1);
  store.AddList("B");
  store.WriteInteger("B.Y", 2);
  store.WriteInteger("A.Z", 3); // back to A after B was remembered
  EXPECT_EQ(store.AddItem("A.X", rtInteger, 9), rrAlreadyExists);
  store.AddList("A.C");
  store.WriteInteger("A.C.V", 4);
  EXPECT_EQ(store.AddItem("A.Z", rtInteger, 9), rrAlreadyExists); // remembered is A.C
  const TRepositoryItem* a = nullptr;
  ASSERT_EQ(store.FindItem("A", rtList, &a), rrOk);
  ASSERT_EQ(a->Children()->Count(), 3);
  EXPECT_EQ(a->Children()->At(0).Name(), "X");
  EXPECT_EQ(a->Children()->At(1).Name(), "Z");
  EXPECT_EQ(a->Children()->At(2).Name(), "C");
  EXPECT_EQ(store.ReadInteger("B.Y", 0), 2);
  EXPECT_EQ(store.ReadInteger("A.C.V", 0), 4);
}

// Long lists are searched through an index: every item is found and every name stays unique
// on both sides of the length at which the index takes over, in the order written.
TEST(Repository, LongListsFindEveryItemOnce) {
  TRepository store;
  store.AddList("L");
  for (int i = 0; i < 300; ++i) {
    store.WriteInteger(QString("L.I%1").arg(i), i);
    for (int j = 0; j <= i; j += 37)
      EXPECT_EQ(store.AddItem(QString("L.I%1").arg(j), rtInteger, -1), rrAlreadyExists);
  }
  store.WriteInteger("Top", 0); // forget the remembered parent: lookups from the root
  for (int i = 0; i < 300; ++i) {
    EXPECT_EQ(store.ReadInteger(QString("L.I%1").arg(i), -1), i);
    EXPECT_EQ(store.AddItem(QString("L.I%1").arg(i), rtInteger, -1), rrAlreadyExists);
  }
  const TRepositoryItem* list = nullptr;
  ASSERT_EQ(store.FindItem("L", rtList, &list), rrOk);
  ASSERT_EQ(list->Children()->Count(), 300);
  EXPECT_EQ(list->Children()->At(299).Name(), "I299");
}
