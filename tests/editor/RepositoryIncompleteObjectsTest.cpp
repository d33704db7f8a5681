// Plug-in objects with a part missing (a column without its data type, a pair without one of
// its columns) are refused by the store with its own error, instead of being read through a
// null pointer; a refused reference leaves nothing of itself in the store.

#include "tests/support/FakeKind.h"
#include "editor/Repository.h"
#include "StoreErrors.h"

#include <gtest/gtest.h>

namespace {

class RepositoryIncompleteObjects : public ::testing::Test {
protected:
  RepositoryIncompleteObjects() {
    store.AddList("Entities");
    store.AddEntity("Entities.E0");
    store.AddList("Relations");
    store.AddRelation("Relations.R0");
    parent = model.NewTable();
    parent->SetName("PARENT");
    Morvik::TColumn* id = parent->AddColumn();
    id->SetName("ID");
    id->SetDataType(0);
    child = model.NewTable();
    child->SetName("CHILD");
    Morvik::TColumn* ref = child->AddColumn();
    ref->SetName("PARENT_ID");
    ref->SetDataType(0);
  }

  FakeKind kind;
  fake::TFakeModel model{kind};
  TRepository store;
  Morvik::TTable* parent = nullptr;
  Morvik::TTable* child = nullptr;
};

TEST_F(RepositoryIncompleteObjects, ColumnWithoutADataType) {
  auto* name = dynamic_cast<fake::TFakeColumn*>(parent->AddColumn());
  name->SetName("NAME");
  name->DropDataType();
  EXPECT_STORE_ERROR(store.SaveTable("Entities.E0.Data", parent), reUnknownDataType);
  EXPECT_EQ(store.ReadString("Entities.E0.Data.0.DataType.Name", ""), "INTEGER"); // the column before
  const TRepositoryItem* item = nullptr;
  EXPECT_EQ(store.FindItem("Entities.E0.Data.1", rtColumn, &item), rrNotExists);
}

TEST_F(RepositoryIncompleteObjects, PairWithAColumnMissing) {
  for (int side : {0, 1}) {
    SCOPED_TRACE(side == 0 ? "parent side" : "child side");
    Morvik::TReference* reference = model.NewReference(parent, child);
    reference->SetName("FK");
    reference->AddPair(parent->GetColumn(0), child->GetColumn(0));
    reference->AddPair(side == 0 ? nullptr : parent->GetColumn(0), side == 1 ? nullptr : child->GetColumn(0));
    EXPECT_STORE_ERROR(store.SaveReference("Relations.R0.Data", reference), reUnknownColumn);
    const TRepositoryItem* item = nullptr;
    EXPECT_EQ(store.FindItem("Relations.R0.Data", rtReference, &item), rrNotExists);
  }
  // A complete reference is stored as before.
  Morvik::TReference* complete = model.NewReference(parent, child);
  complete->AddPair(parent->GetColumn(0), child->GetColumn(0));
  store.SaveReference("Relations.R0.Data", complete);
  EXPECT_EQ(store.ReadString("Relations.R0.Data.Child_0", ""), "PARENT_ID");
}

} // namespace
