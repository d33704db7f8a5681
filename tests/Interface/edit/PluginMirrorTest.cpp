// The mirrors and parameter functions against the real plug-in, as the property dialogs use
// them: load, edit, store, and what the plug-in objects look like afterwards.
#include "PluginFixture.h"
#include "PreconditionMatchers.h"

#include "ObjectText.h"
#include "Interface/edit/EditParamObject.h"
#include "Interface/edit/EditReference.h"
#include "Interface/edit/EditTable.h"
#include "Interface/edit/ParamFunctions.h"

#include <gtest/gtest.h>

using namespace Morvik;
using namespace objecttext;
using namespace plugin;

namespace {

class PluginMirrors : public PluginTest {
protected:
  void SetUp() override {
    PluginTest::SetUp();
    if (HasFatalFailure()) return;
    parent = model->NewTable();
    parent->SetName("PARENT");
    parent->SetComment("parent note");
    Set(parent, "File", "ext.dat");
    a = AddColumn(model.get(), parent, "A", "INTEGER");
    a->SetKey(true);
    b = AddColumn(model.get(), parent, "B", "VARCHAR", "10");
    c = AddColumn(model.get(), parent, "C", "NUMERIC", "5");
    d = AddColumn(model.get(), parent, "D", "CHAR", "3");
    TParamObject* index = AddItem(parent, "Indexes");
    Set(index, "Name", "IX_B");
    Set(AddItem(index, "Columns"), "Column", "B");

    child = model->NewTable();
    child->SetName("CHILD");
    x = AddColumn(model.get(), child, "X", "INTEGER");
    y = AddColumn(model.get(), child, "Y", "VARCHAR", "10");
    z = AddColumn(model.get(), child, "Z", "CHAR", "3");

    r1 = model->NewReference(parent, child);
    r1->AddPair(a, x);
    r1->AddPair(b, y);
    r2 = model->NewReference(parent, child);
    r2->AddPair(d, z);
    r2->AddPair(b, y);
    r3 = model->NewReference(child, parent); // the edited table on the child side
    r3->AddPair(x, a);
  }

  TTable *parent = nullptr, *child = nullptr;
  TColumn *a, *b, *c, *d, *x, *y, *z;
  TReference *r1, *r2, *r3;
};

TEST_F(PluginMirrors, TableStoreDeletesReordersAndAddsInOneGoKeepingColumnIdentity) {
  TEditReference relation(model.get()); // the relation dialog, open meanwhile
  relation.Load(r1);
  TDataType* typeOfB = b->GetDataType();

  TEditTable table(model.get());
  table.Load(parent);
  ASSERT_EQ(ColumnNames(&table), "A,B,C,D,");
  EXPECT_TRUE(table.GetColumn(0)->GetKey());
  EXPECT_STREQ(table.GetColumn(1)->GetDataType()->GetName(), "VARCHAR");
  EXPECT_STREQ(table.GetComment(), "parent note");

  table.SetComment("edited");
  Set(&table, "File", "");
  TParamObject* index = table.GetListParam(ListIndex(&table, "Indexes"))->GetItem(0);
  Set(index, "Name", "IX_B2");
  Set(AddItem(AddItem(&table, "Unique"), "Columns"), "Column", "C");
  table.DeleteColumn(3);          // D       -> A B C
  table.DeleteColumn(0);          // A       -> B C
  table.ExchangeColumns(0, 1);    //         -> C B
  TColumn* e = table.AddColumn(); //         -> C B E
  table.ExchangeColumns(1, 2);    //         -> C E B
  e->SetName("E");
  e->SetKey(true);
  e->SetDataType(DataTypeIndex(model.get(), "VARCHAR"))->SetParamValue(0, "20");
  Set(e, "Default", "1");
  Set(e, "DefaultValue", "x");
  TColumn* mirrorOfB = table.GetColumn(2);
  mirrorOfB->GetDataType()->SetParamValue(0, "30");
  Set(mirrorOfB, "NotNull", "1");
  TColumn* mirrorOfC = table.GetColumn(0);
  mirrorOfC->SetKey(true);
  mirrorOfC->SetDataType(DataTypeIndex(model.get(), "NUMERIC"))->SetParamValue(0, "7");

  const TDeletedColumns deleted = table.Store();

  ASSERT_EQ(ColumnNames(parent), "C,E,B,");
  EXPECT_EQ(parent->GetColumn(0), c);
  EXPECT_EQ(parent->GetColumn(2), b);
  TColumn* newE = parent->GetColumn(1);
  EXPECT_TRUE(newE->GetKey());
  EXPECT_TRUE(c->GetKey());
  EXPECT_FALSE(b->GetKey());
  EXPECT_EQ(b->GetDataType(), typeOfB); // unchanged type: same object, new values
  // C's type chosen again is a new object: shown over the fake model, whose objects tell
  // themselves apart; the plug-in may give the new one the old one's address.
  EXPECT_STREQ(b->Generate(), "B VARCHAR(30) NOT NULL");
  EXPECT_STREQ(c->Generate(), "C NUMERIC(7) NOT NULL");
  EXPECT_STREQ(newE->Generate(), "E VARCHAR(20) DEFAULT 'x' NOT NULL");
  EXPECT_EQ(Get(parent, "File"), "");
  EXPECT_STREQ(parent->GetComment(), "edited");
  EXPECT_EQ(Dump(parent), "{;#edited[{;;IX_B2;#[{B;#}]}][][{#[{C;#}]}]}");

  // References lose exactly the pairs of the deleted columns, on either side.
  EXPECT_EQ(Pairs(r1), "B-Y,");
  EXPECT_EQ(Pairs(r2), "B-Y,");
  EXPECT_EQ(Pairs(r3), "");
  EXPECT_EQ(deleted.Count(), 2);
  EXPECT_TRUE(deleted.Contains(a));
  EXPECT_TRUE(deleted.Contains(d));
  EXPECT_FALSE(deleted.Contains(b));
  relation.PrunePairs(deleted);
  EXPECT_EQ(Pairs(&relation), Pairs(r1));
  relation.Store();
  EXPECT_EQ(Pairs(r1), "B-Y,");
}

TEST_F(PluginMirrors, ColumnEditorCreatesAColumnThroughTheTableMirror) {
  TEditTable table(model.get());
  table.Load(child);
  TEditColumn* editor = table.EditNewColumn();
  editor->SetName("N");
  editor->SetDataType(DataTypeIndex(model.get(), "VARCHAR"))->SetParamValue(0, "5");
  Set(editor, "Unique", "1");
  editor->Store();
  editor = table.EditColumn(0);
  editor->SetName("X2");
  editor->SetKey(true);
  editor->Store();
  table.Store();
  EXPECT_EQ(ColumnNames(child), "X2,Y,Z,N,");
  EXPECT_EQ(child->GetColumn(0), x);
  EXPECT_STREQ(x->Generate(), "X2 INTEGER NOT NULL");
  EXPECT_STREQ(child->GetColumn(3)->Generate(), "N VARCHAR(5) NOT NULL UNIQUE");
}

TEST_F(PluginMirrors, ReferenceMirrorRewritesNameParametersAndPairs) {
  TEditReference relation(model.get());
  relation.Load(r2);
  EXPECT_EQ(relation.GetParentTable(), parent);
  EXPECT_EQ(relation.GetChildTable(), child);
  EXPECT_EQ(IndexOfColumn(relation.GetParentTable(), relation.GetPairColumn(0, 0)), 3);
  EXPECT_EQ(IndexOfColumn(relation.GetChildTable(), relation.GetPairColumn(0, 0)), -1);
  relation.SetName("FK_PC");
  Set(&relation, "OnDelete", "1");
  relation.DeletePair(1);
  relation.AddPair(a, x);
  relation.Store();
  EXPECT_EQ(Pairs(r2), "D-Z,A-X,");
  EXPECT_STREQ(r2->GetName(), "FK_PC");
  EXPECT_EQ(Get(r2, "OnDelete"), "1");
  EXPECT_STREQ(relation.CheckPairs(-1), "Referenced key must be PRIMARY KEY or UNIQUE constraint");
  while (relation.GetPairCount()) relation.DeletePair(0);
  relation.Store();
  EXPECT_EQ(r2->GetPairCount(), 0);
}

TEST_F(PluginMirrors, ModelParametersWithNestedListsSurviveTwoStores) {
  Set(model.get(), "DataBase", "1");
  Set(model.get(), "DataBaseFile", "db.gdb");
  TParamObject* procedure = AddItem(model.get(), "Procedures");
  Set(procedure, "Name", "P1");
  Set(procedure, "Body", "SUSPEND;\nEXIT;");
  TParamObject* parameter = AddItem(procedure, "Parametres");
  Set(parameter, "Name", "A");
  Set(parameter, "DataType", "3");
  Set(parameter, "Length", "8");
  model->SetComment("schema");
  const std::string before = Dump(model.get());

  TEditParamObject mirror(model.get());
  mirror.Load(model.get());
  EXPECT_EQ(Dump(&mirror), before);
  mirror.Store(model.get());
  mirror.Store(model.get());
  EXPECT_EQ(Dump(model.get()), before);
  EXPECT_NE(AddItem(&mirror, "Generators"), nullptr);
  mirror.Store(model.get());
  EXPECT_EQ(model->GetListParam(ListIndex(model.get(), "Generators"))->GetItemsCount(), 1);
}

TEST_F(PluginMirrors, EnablingOverThePluginsDependencies) {
  TParamObject* domain = AddItem(model.get(), "Domains");
  struct Case {
    const char* dataBase;
    const char* type;
    bool file, files, precision, length, subType;
  };
  const Case cases[] = {
      {"", "", false, false, true, false, false},    {"0", "0", false, false, true, false, false},
      {"1", "1", true, true, true, false, false},    {"1", "3", true, true, false, true, false},
      {"2", "13", false, false, false, false, true}, {"1 ", "13 ", false, false, false, false, false},
  };
  TEditParamObject mirror(model.get());
  for (const Case& c : cases) {
    Set(model.get(), "DataBase", c.dataBase);
    Set(domain, "DataType", c.type);
    mirror.Load(model.get());
    TParamObject* mirrorDomain = mirror.GetListParam(ListIndex(model.get(), "Domains"))->GetItem(0);
    for (TParamObject* m : {static_cast<TParamObject*>(model.get()), static_cast<TParamObject*>(&mirror)}) {
      TParamObject* dom = m == &mirror ? mirrorDomain : domain;
      SCOPED_TRACE(std::string(m == &mirror ? "mirror" : "plug-in") + " DataBase='" + c.dataBase +
                   "' DataType='" + c.type + "'");
      EXPECT_EQ(IsParamEnabled(m, Position(m, "DataBaseFile")), c.file);
      EXPECT_EQ(IsParamEnabled(m, Position(m, "SecFiles")), c.files);
      EXPECT_TRUE(IsParamEnabled(m, Position(m, "Domains")));
      EXPECT_EQ(IsParamEnabled(dom, Position(dom, "Precision")), c.precision);
      EXPECT_EQ(IsParamEnabled(dom, Position(dom, "Length")), c.length);
      EXPECT_EQ(IsParamEnabled(dom, Position(dom, "SubType")), c.subType);
    }
  }
  EXPECT_FALSE(IsParamEnabled(model.get(), FindParamPosition(model.get(), pkScalar, 99)));
  EXPECT_FALSE(IsParamEnabled(model.get(), 22));
}

TEST_F(PluginMirrors, DisplayTextsOfThePluginsParameters) {
  TParamObject* trigger = AddItem(parent, "Triggers");
  TParamObject* procedure = AddItem(model.get(), "Procedures");
  struct Case {
    TParamObject* object;
    const char* name;
    const char* value;
    const char* shown;
  };
  const Case cases[] = {
      {a, "NotNull", "", "FALSE"},
      {a, "NotNull", "1", "TRUE"},
      {a, "NotNull", "0", "FALSE"},
      {a, "NotNull", "x", "FALSE"},
      {a, "Default", "", ""},
      {a, "Default", "1", "value"},
      {a, "Default", "2", "NULL "},
      {a, "Default", "3", "USER "},
      {a, "Default", "4", ""},
      {a, "Default", "-1", ""},
      {r1, "OnDelete", "", "NO ACTION"},
      {r1, "OnDelete", "3", "SET DEFAULT"},
      {r1, "OnDelete", "9", ""},
      {trigger, "Place", "", "BEFORE "},
      {trigger, "Place", "1", "AFTER "},
      {trigger, "Place", "2", ""},
      {parent, "File", "data 1.ext", "data 1.ext"},
      {b->GetDataType(), "Length", "abc", "abc"},
      {procedure, "Body", "BEGIN\n  EXIT;\nEND", "BEGIN\n  EXIT;\nEND"},
  };
  for (const Case& c : cases) {
    // NotNull of a key column refuses to be cleared; the key is cleared for this table.
    a->SetKey(false);
    Set(c.object, c.name, c.value);
    const int idx = Scalar(c.object, c.name);
    EXPECT_STREQ(GetParamDisplayText(c.object, idx), c.shown) << c.name << " = '" << c.value << "'";
  }
}

} // namespace
