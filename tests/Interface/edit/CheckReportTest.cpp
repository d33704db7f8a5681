// The check walk over the fake model: order, paths, levels and messages of every record,
// including references whose tables or pair columns are missing.
#include "tests/support/FakeKind.h"
#include "PreconditionMatchers.h"

#include "CheckReportRows.h"
#include "Interface/edit/CheckReport.h"

#include <gtest/gtest.h>

using namespace Morvik;
using namespace checkrows;

namespace {

fake::TFakeColumn* AddColumn(TTable* table, const char* name, int type = 0, const char* value = nullptr) {
  TColumn* column = table->AddColumn();
  column->SetName(name);
  TDataType* dataType = column->SetDataType(type);
  if (value) dataType->SetParamValue(0, value);
  return dynamic_cast<fake::TFakeColumn*>(column);
}

fake::TFakeParamObject* Fake(TParamObject* object) { return dynamic_cast<fake::TFakeParamObject*>(object); }

TEST(CheckReport, AnEmptyValidModelHasNoFindings) {
  FakeKind kind;
  fake::TFakeModel model(kind);
  TCheckReport report(&model);
  EXPECT_EQ(report.Count(), 0);
  EXPECT_EQ(report.GetModel(), &model);
  ExpectPrecondition([&] { report.Record(0); }, "Idx>=0 && Idx<Count()");
  ExpectPrecondition([&] { TCheckReport nothing(nullptr); }, "Model");
}

TEST(CheckReport, WalksEveryLevelInOrderWithPathsAndLevels) {
  FakeKind kind;
  fake::TFakeModel model(kind);
  model.Findings = {{-1, "model finding"},
                    {0, "Title must be specified"},
                    {1, "disabled, never shown"},
                    {2, "domain list finding"}};
  TParamObject* domain = model.GetListParam(0)->AddItem();
  domain->SetParamValue(0, "D_MONEY");
  Fake(domain)->Findings[-1] = "bad domain";
  Fake(model.GetListParam(0)->AddItem())->Findings[0] = "DomainName must be specified";

  TTable* t0 = model.NewTable();
  t0->SetName("T1");
  t0->SetParamValue(0, "USERS");
  Fake(t0)->Findings[0] = "Tablespace finding";
  Fake(t0->GetListParam(1)->AddItem())->Findings[0] = "Body must be specified";
  fake::TFakeColumn* id = AddColumn(t0, "ID");
  id->SetParamValue(1, "1");
  id->Findings[1] = "NotNull finding";
  fake::TFakeColumn* name = AddColumn(t0, "NAME", 1);
  Fake(name->GetDataType())->Findings[0] = "Length must be specified";
  AddColumn(t0, "ID");
  Fake(AddColumn(t0, "")->GetDataType())->Findings[-1] = "type finding";

  TTable* t1 = model.NewTable();
  t1->SetName("T1");
  Fake(t1)->Findings[-1] = "table finding";

  TTable* t2 = model.NewTable();
  fake::TFakeColumn* c = AddColumn(t2, "C");
  fake::TFakeColumn* untyped = AddColumn(t2, "NOTYPE");
  untyped->DropDataType();
  AddColumn(model.NewTable(), "Q");

  TReference* fkA = model.NewReference(t0, t2);
  fkA->SetName("FK_A");
  fkA->SetParamValue(0, "7");
  Fake(fkA)->Findings[0] = "OnDelete finding";
  fkA->AddPair(id, c);
  fkA->AddPair(name, c);
  auto* fakeA = dynamic_cast<fake::TFakeReference*>(fkA);
  fakeA->PairFindings = {{-1, "Referenced key must be PRIMARY KEY or UNIQUE constraint"},
                         {0, "pair finding"}};

  TReference* fkB = model.NewReference(t0, t1);
  fkB->SetName("FK_B");
  dynamic_cast<fake::TFakeReference*>(fkB)->PairFindings[-1] = "whole pairs finding";

  TReference* fkC = model.NewReference(nullptr, t2);
  fkC->SetName("FK_C");
  fkC->AddPair(nullptr, c);
  dynamic_cast<fake::TFakeReference*>(fkC)->PairFindings = {{-1, "never asked"}, {0, "never asked"}};

  TReference* fkD = model.NewReference(t0, t2);
  fkD->SetName("FK_D");
  fkD->AddPair(id, untyped);

  const std::vector<Row> expected = {
      {"", "2:0", "model finding"},
      {"Title=\"\"/", "0:0", "Title must be specified"},
      {"Domains/", "0:2", "domain list finding"},
      {"Domains/D_MONEY/", "0:2 1:0 2:0", "bad domain"},
      {"Domains//DomainName=\"\"/", "0:2 1:1 0:0", "DomainName must be specified"},
      {"Entity=\"T1\"/", "3:0 2:0", "Name is not unique"},
      {"Entity=\"T1\"/Tablespace=\"USERS\"/", "3:0 0:0", "Tablespace finding"},
      {"Entity=\"T1\"/Triggers/Item_0/Body=\"\"/", "3:0 0:2 1:0 0:0", "Body must be specified"},
      {"Entity=\"T1\"/Attribute=\"ID\"/", "3:0 4:0 2:0", "Name is not unique"},
      {"Entity=\"T1\"/Attribute=\"ID\"/NotNull=\"TRUE\"/", "3:0 4:0 0:1", "NotNull finding"},
      {"Entity=\"T1\"/Attribute=\"NAME\"/DataType/Length=\"\"/", "3:0 4:1 5:0 0:0",
       "Length must be specified"},
      {"Entity=\"T1\"/Attribute=\"ID\"/", "3:0 4:2 2:0", "Name is not unique"},
      {"Entity=\"T1\"/Attribute=\"\"/", "3:0 4:3 2:0", "Name must be specified"},
      {"Entity=\"T1\"/Attribute=\"\"/DataType/", "3:0 4:3 5:0 2:0", "type finding"},
      {"Entity=\"T1\"/", "3:1 2:0", "Name is not unique"},
      {"Entity=\"T1\"/", "3:1 4:-1", "There are no columns in table"},
      {"Entity=\"T1\"/", "3:1 2:0", "table finding"},
      {"Entity=\"\"/", "3:2 2:0", "Name must be specified"},
      {"Entity=\"\"/Attribute=\"NOTYPE\"/DataType/", "3:2 4:1 5:0 2:0", "Chybí datový typ"},
      {"Entity=\"\"/", "3:3 2:0", "Name must be specified"},
      {"Relation=\"FK_A\"/OnDelete=\"\"/", "6:0 0:0", "OnDelete finding"},
      {"Relation=\"FK_A\"/", "6:0 7:-1", "Referenced key must be PRIMARY KEY or UNIQUE constraint"},
      {"Relation=\"FK_A\"/Pair_0/", "6:0 7:0", "pair finding"},
      {"Relation=\"FK_A\"/Pair_1/", "6:0 7:1", "Columns must be of the same type"},
      {"Relation=\"FK_B\"/", "6:1 7:-1", "There are no columns in reference"},
      {"Relation=\"FK_B\"/", "6:1 7:-1", "whole pairs finding"},
      {"Relation=\"FK_C\"/", "6:2 2:0", "Chybí nadřízená tabulka"},
      {"Relation=\"FK_C\"/Pair_0/", "6:2 7:0", "Chybí sloupec dvojice"},
      {"Relation=\"FK_D\"/Pair_0/", "6:3 7:0", "Sloupec dvojice nemá datový typ"},
  };
  TCheckReport report(&model);
  EXPECT_EQ(Rows(report), expected);

  // The report holds copies: it stays readable after the model changes.
  model.DeleteReference(fkA);
  t0->SetName("gone");
  EXPECT_STREQ(report.Record(5)->Path(), "Entity=\"T1\"/");
}

TEST(CheckReport, EnablingDecidesWhichParametersAndListsAreWalked) {
  FakeKind kind;
  kind.Model.SetDepend(2, 0, "Set"); // Domains only while Title is "Set"
  fake::TFakeModel model(kind);
  model.Findings[1] = "Owner finding";
  Fake(model.GetListParam(0)->AddItem())->Findings[0] = "item finding";
  EXPECT_EQ(TCheckReport(&model).Count(), 0);
  model.SetParamValue(0, "Set");
  EXPECT_EQ(Rows(TCheckReport(&model)),
            (std::vector<Row>{{"Owner=\"\"/", "0:1", "Owner finding"},
                              {"Domains//DomainName=\"\"/", "0:2 1:0 0:0", "item finding"}}));
}

TEST(CheckReport, PairsOfEqualTypeTextsPassAndOthersDiffer) {
  FakeKind kind;
  fake::TFakeModel model(kind);
  TTable* parent = model.NewTable();
  parent->SetName("P");
  TTable* child = model.NewTable();
  child->SetName("C");
  TReference* fk = model.NewReference(parent, child);
  fk->SetName("FK");
  struct Case {
    int parentType;
    const char* parentValue;
    int childType;
    const char* childValue;
    bool same;
  };
  const Case cases[] = {{1, "10", 1, "10", true},
                        {1, "10", 1, "20", false},
                        {1, "10", 2, "10", false},
                        {0, nullptr, 0, nullptr, true},
                        {2, "5", 2, "5", true}};
  for (const Case& c : cases) {
    const std::string n = std::to_string(parent->GetColumnCount());
    fk->AddPair(AddColumn(parent, ("p" + n).c_str(), c.parentType, c.parentValue),
                AddColumn(child, ("c" + n).c_str(), c.childType, c.childValue));
  }
  std::vector<Row> expected;
  for (int i = 0; i < (int)std::size(cases); ++i)
    if (!cases[i].same)
      expected.push_back({"Relation=\"FK\"/Pair_" + std::to_string(i) + "/", "6:0 7:" + std::to_string(i),
                          "Columns must be of the same type"});
  EXPECT_EQ(Rows(TCheckReport(&model)), expected);
}

TEST(CheckReport, NameUniquenessHoldsForManyTablesAndColumns) {
  // Enough tables and columns that names are counted in a table rather than compared.
  FakeKind kind;
  fake::TFakeModel model(kind);
  for (int t = 0; t < 12; ++t) {
    TTable* table = model.NewTable();
    table->SetName(t == 10 ? "T1" : ("T" + std::to_string(t)).c_str());
    for (int c = 0; c < (t == 0 ? 12 : 1); ++c)
      AddColumn(table, c == 9 ? "C2" : ("C" + std::to_string(c)).c_str());
  }
  std::vector<Row> expected = {
      {"Entity=\"T0\"/Attribute=\"C2\"/", "3:0 4:2 2:0", "Name is not unique"},
      {"Entity=\"T0\"/Attribute=\"C2\"/", "3:0 4:9 2:0", "Name is not unique"},
      {"Entity=\"T1\"/", "3:1 2:0", "Name is not unique"},
      {"Entity=\"T1\"/", "3:10 2:0", "Name is not unique"},
  };
  EXPECT_EQ(Rows(TCheckReport(&model)), expected);
}

} // namespace
