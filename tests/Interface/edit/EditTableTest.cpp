// Table, column and reference mirrors over the fake model: identity of stored columns, the
// report of deleted columns, pairs, and the column editor.
#include "tests/support/FakeKind.h"
#include "PreconditionMatchers.h"

#include "ObjectText.h"
#include "Interface/edit/EditColumn.h"
#include "Interface/edit/EditReference.h"
#include "Interface/edit/EditTable.h"

#include <gtest/gtest.h>

using namespace Morvik;
using namespace objecttext;

namespace {

TColumn* AddColumn(TTable* Table, const char* Name, int Type = 0, const char* Value = nullptr) {
  TColumn* Column = Table->AddColumn();
  Column->SetName(Name);
  TDataType* DataType = Column->SetDataType(Type);
  if (Value) DataType->SetParamValue(0, Value);
  return Column;
}

class EditTable : public ::testing::Test {
protected:
  void SetUp() override {
    t1 = model.NewTable();
    t1->SetName("T1");
    a = AddColumn(t1, "A");
    b = AddColumn(t1, "B", 1, "10");
    c = AddColumn(t1, "C", 2, "5");
    t2 = model.NewTable();
    t2->SetName("T2");
    x = AddColumn(t2, "X");
    y = AddColumn(t2, "Y", 1, "10");
    r1 = model.NewReference(t1, t2);
    r1->AddPair(a, x);
    r1->AddPair(b, y);
    r1->AddPair(c, x);
  }

  FakeKind kind;
  fake::TFakeModel model{kind};
  TTable *t1, *t2;
  TColumn *a, *b, *c, *x, *y;
  TReference* r1;
};

TEST_F(EditTable, StoreKeepsColumnIdentityThroughDeletingReorderingAndAdding) {
  TEditReference relation(&model); // a relation dialog that is open meanwhile
  relation.Load(r1);
  TDataType* typeOfB = b->GetDataType();
  const long typeOfC = dynamic_cast<fake::TFakeParamObject&>(*c->GetDataType()).Serial;

  TEditTable table(&model);
  table.Load(t1);
  ASSERT_EQ(ColumnNames(&table), "A,B,C,");
  table.SetName("T1 renamed");
  table.DeleteColumn(0);          // B C
  table.ExchangeColumns(0, 1);    // C B
  TColumn* d = table.AddColumn(); // C B D
  table.ExchangeColumns(1, 2);    // C D B
  d->SetName("D");
  d->SetKey(true);
  d->SetDataType(1)->SetParamValue(0, "20");
  table.GetColumn(2)->SetKey(true);
  table.GetColumn(2)->GetDataType()->SetParamValue(0, "30"); // B keeps its type
  table.GetColumn(0)->SetDataType(2)->SetParamValue(0, "7"); // C: the same type chosen again

  const TDeletedColumns deleted = table.Store();

  ASSERT_EQ(ColumnNames(t1), "C,D,B,");
  EXPECT_STREQ(t1->GetName(), "T1 renamed");
  EXPECT_EQ(t1->GetColumn(0), c);
  EXPECT_EQ(t1->GetColumn(2), b);
  EXPECT_TRUE(t1->GetColumn(1)->GetKey());
  EXPECT_TRUE(b->GetKey());
  EXPECT_FALSE(c->GetKey());
  EXPECT_EQ(b->GetDataType(), typeOfB);
  EXPECT_STREQ(b->GetDataType()->Generate(), "VARCHAR(30)");
  EXPECT_NE(dynamic_cast<fake::TFakeParamObject&>(*c->GetDataType()).Serial, typeOfC); // a new object
  EXPECT_STREQ(c->GetDataType()->Generate(), "NUMERIC(7)");
  EXPECT_STREQ(t1->GetColumn(1)->GetDataType()->Generate(), "VARCHAR(20)");
  auto* mirrorOfD = dynamic_cast<TEditColumn*>(table.GetColumn(1));
  ASSERT_NE(mirrorOfD, nullptr);
  EXPECT_FALSE(mirrorOfD->IsNew());
  EXPECT_EQ(mirrorOfD->GetTarget(), t1->GetColumn(1));

  // Exactly the pairs of the deleted column are gone, in the plug-in and in the mirror.
  EXPECT_EQ(deleted.Count(), 1);
  EXPECT_TRUE(deleted.Contains(a));
  EXPECT_FALSE(deleted.Contains(b));
  EXPECT_EQ(Pairs(r1), "B-Y,C-X,");
  relation.PrunePairs(deleted);
  EXPECT_EQ(relation.GetPairCount(), 2);
  EXPECT_EQ(relation.GetPairColumn(0, 0), b);
  EXPECT_EQ(relation.GetPairColumn(1, 0), y);
  EXPECT_EQ(relation.GetPairColumn(0, 1), c);
  EXPECT_EQ(relation.GetPairColumn(1, 1), x);
}

TEST_F(EditTable, DeletionsOfEveryStoreAreReportedForPruning) {
  TEditReference relation(&model);
  relation.Load(r1);
  TEditTable child(&model);
  child.Load(t2);
  child.DeleteColumn(0); // X, used by pairs 0 and 2
  EXPECT_EQ(child.Store().Count(), 1);
  child.AddColumn()->SetName("Z"); // the second store of the same dialog (Apply, then OK)
  EXPECT_EQ(child.Store().Count(), 0);
  EXPECT_EQ(child.DeletedColumns().Count(), 1);
  relation.PrunePairs(child.DeletedColumns());
  ASSERT_EQ(relation.GetPairCount(), 1);
  EXPECT_EQ(relation.GetPairColumn(0, 0), b);
  EXPECT_EQ(Pairs(r1), "B-Y,");
  EXPECT_EQ(ColumnNames(t2), "Y,Z,");
}

TEST_F(EditTable, StoringNothingChangedKeepsEverything) {
  TEditTable table(&model);
  table.Load(t1);
  EXPECT_TRUE(table.Store().Empty());
  EXPECT_EQ(ColumnNames(t1), "A,B,C,");
  EXPECT_EQ(t1->GetColumn(0), a);
  EXPECT_EQ(Pairs(r1), "A-X,B-Y,C-X,");
  EXPECT_STREQ(c->GetDataType()->Generate(), "NUMERIC(5)");
}

TEST_F(EditTable, ColumnEditorStoresIntoItsMirrorAndCancelDropsTheNewOne) {
  TEditTable table(&model);
  table.Load(t1);
  TEditColumn* editor = table.EditNewColumn();
  EXPECT_EQ(table.GetColumnCount(), 4);
  editor->SetName("E");
  editor->SetKey(true);
  editor->SetDataType(1)->SetParamValue(0, "5");
  editor->Store();
  TColumn* e = table.GetColumn(3);
  EXPECT_STREQ(e->GetName(), "E");
  EXPECT_TRUE(e->GetKey());
  EXPECT_STREQ(e->GetDataType()->GetName(), "VARCHAR");
  EXPECT_STREQ(e->GetDataType()->GetParamValue(0), "5");

  table.EditNewColumn()->SetName("dropped");
  table.DropLastColumn();
  EXPECT_EQ(table.GetColumnCount(), 4);

  editor = table.EditColumn(1);
  EXPECT_STREQ(editor->GetName(), "B");
  EXPECT_STREQ(editor->GetDataType()->GetParamValue(0), "10");
  editor->GetDataType()->SetParamValue(0, "11");
  editor->SetName("B2");
  editor->Store();
  EXPECT_STREQ(b->GetName(), "B"); // the plug-in only changes when the table is stored
  table.Store();
  EXPECT_EQ(ColumnNames(t1), "A,B2,C,E,");
  EXPECT_EQ(t1->GetColumn(1), b);
  EXPECT_STREQ(b->GetDataType()->Generate(), "VARCHAR(11)");
  EXPECT_STREQ(t1->GetColumn(3)->GetDataType()->Generate(), "VARCHAR(5)");

  // An editor whose column mirror is gone refuses to store.
  editor = table.EditColumn(3);
  table.DeleteColumn(3);
  ExpectPrecondition([&] { editor->Store(); }, "Column");
}

TEST_F(EditTable, AMirrorColumnMissingFromTheTableLeavesTheTableUntouched) {
  TEditTable table(&model);
  table.Load(t1);
  table.SetName("changed");
  t1->DeleteColumn(2); // the plug-in column of mirror column 2 is gone behind the mirror's back
  ExpectPrecondition([&] { table.Store(); }, "j != Table->GetColumnCount()");
  EXPECT_STREQ(t1->GetName(), "T1");
  EXPECT_EQ(ColumnNames(t1), "A,B,");
}

TEST_F(EditTable, ReferenceMirrorStoresItsPairsInOrder) {
  TEditReference relation(&model);
  ExpectPrecondition([&] { relation.GetParentTable(); }, "Reference");
  EXPECT_EQ(relation.CheckPairs(-1), nullptr);
  dynamic_cast<fake::TFakeReference*>(r1)->PairFindings[0] = "pair 0 finding";
  relation.Load(r1);
  EXPECT_EQ(relation.GetParentTable(), t1);
  EXPECT_EQ(relation.GetChildTable(), t2);
  relation.SetName("FK_1");
  relation.SetParamValue(0, "1");
  relation.DeletePair(0);
  relation.SetPairColumn(1, 1, y);
  relation.AddPair(a, x);
  relation.Store();
  EXPECT_EQ(Pairs(r1), "B-Y,C-Y,A-X,");
  EXPECT_STREQ(r1->GetName(), "FK_1");
  EXPECT_STREQ(r1->GetParamValue(0), "1");
  EXPECT_STREQ(relation.CheckPairs(0), "pair 0 finding");
  relation.AddPair(a, y);
  EXPECT_EQ(relation.CheckPairs(3), nullptr); // a pair the plug-in reference does not have

  while (relation.GetPairCount()) relation.DeletePair(0);
  relation.Store();
  EXPECT_EQ(r1->GetPairCount(), 0);
  ExpectPrecondition([&] { relation.GetPairColumn(0, 0); }, "Idx>=0 && Idx<(int)ParentColumns.size()");
}

TEST_F(EditTable, AReferenceMirrorNeverStoresAPairOfAColumnThatIsGone) {
  TEditReference relation(&model);
  relation.Load(r1);
  relation.SetName("renamed");
  TEditTable table(&model);
  table.Load(t1);
  table.DeleteColumn(0);
  table.Store(); // A is gone, and the relation mirror was not pruned
  ExpectPrecondition([&] { relation.Store(); },
                     "ParentTable && IndexOfColumn(ParentTable, GetPairColumn(0, i)) != -1");
  EXPECT_EQ(Pairs(r1), "B-Y,C-X,");
  EXPECT_STREQ(r1->GetName(), "");

  relation.PrunePairs(table.DeletedColumns());
  relation.SetPairColumn(1, 0, c); // a parent column on the child side
  ExpectPrecondition([&] { relation.Store(); },
                     "ChildTable && IndexOfColumn(ChildTable, GetPairColumn(1, i)) != -1");
  relation.SetPairColumn(1, 0, y);
  relation.Store();
  EXPECT_EQ(Pairs(r1), "B-Y,C-X,");
  EXPECT_STREQ(r1->GetName(), "renamed");
}

TEST_F(EditTable, IndexOfColumnFindsOnlyColumnsOfThatTable) {
  EXPECT_EQ(IndexOfColumn(t1, c), 2);
  EXPECT_EQ(IndexOfColumn(t1, x), -1);
  EXPECT_EQ(IndexOfColumn(t2, nullptr), -1);
}

TEST_F(EditTable, TableMirrorPreconditions) {
  TEditTable table(&model);
  ExpectPrecondition([&] { table.Store(); }, "Table");
  ExpectPrecondition([&] { table.Load(nullptr); }, "_Table");
  ExpectPrecondition([&] { table.GetColumn(0); }, "Idx>=0 && Idx<(int)Columns.size()");
  ExpectPrecondition([&] { table.EditColumn(0); }, "Idx>=0 && Idx<(int)Columns.size()");
  table.AddColumn();
  ExpectPrecondition([&] { table.ExchangeColumns(0, 1); }, "Idx2>=0 && Idx2<(int)Columns.size()");
  ExpectPrecondition([&] { table.DeleteColumn(1); }, "Idx>=0 && Idx<(int)Columns.size()");
  ExpectPrecondition([&] { table.GetColumn(0)->SetDataType(3); },
                     "Idx>=0 && Idx<ModelInfo->GetDataTypeCount()");
  TEditColumn column(&model);
  ExpectPrecondition([&] { column.Store(); }, "Column");
  TEditDataType type(model.GetDataTypeInfo(1));
  ExpectPrecondition([&] { type.Store(); }, "DataType");
}

} // namespace
