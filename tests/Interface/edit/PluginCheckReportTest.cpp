// The check walk over a model of the real plug-in with findings at every level: the model's
// own parameters and list items, tables, their list items, columns, data types, references
// and pairs, in walk order with their paths and levels.
#include "PluginFixture.h"

#include "CheckReportRows.h"
#include "Interface/edit/CheckReport.h"

#include <gtest/gtest.h>

using namespace Morvik;
using namespace checkrows;
using namespace plugin;

namespace {

using PluginCheckReport = PluginTest;

TEST_F(PluginCheckReport, ANewModelHasNoFindings) { EXPECT_EQ(TCheckReport(model.get()).Count(), 0); }

TEST_F(PluginCheckReport, FindingsAtEveryLevelInWalkOrder) {
  TModel* m = model.get();
  Set(m, "DataBase", "1"); // DataBaseFile required, and empty
  Set(m, "Shadow", "0");   // the shadow's required values are not asked
  Set(AddItem(m, "Generators"), "Name", "G");
  Set(AddItem(m, "Generators"), "Name", "G");
  Set(AddItem(m, "Exceptions"), "Name", "E_NO_MESSAGE");

  TTable* orders = m->NewTable();
  orders->SetName("ORDERS");
  TColumn* id = AddColumn(m, orders, "ID", "INTEGER");
  id->SetKey(true);
  AddColumn(m, orders, "CODE", "VARCHAR", "10");
  AddColumn(m, orders, "CODE", "VARCHAR", "20");
  AddColumn(m, orders, "", "DOMAIN");
  TParamObject* index = AddItem(orders, "Indexes");
  Set(index, "Name", "IX_1");
  Set(AddItem(AddItem(orders, "Unique"), "Columns"), "Column", "CODE");
  AddItem(orders, "Unique");

  TTable* twin = m->NewTable();
  twin->SetName("ORDERS");
  TTable* nameless = m->NewTable();
  TColumn* ref = AddColumn(m, nameless, "ORDER_CODE", "VARCHAR", "20");
  m->NewTable();

  TReference* fk = m->NewReference(orders, nameless);
  fk->SetName("FK_1");
  Set(fk, "OnDelete", "2");
  fk->AddPair(orders->GetColumn(1), ref);
  fk->AddPair(orders->GetColumn(2), ref);
  TReference* empty = m->NewReference(orders, twin);
  empty->SetName("FK_EMPTY");

  const std::vector<Row> expected = {
      {"DataBaseFile=\"\"/", "0:1", "Must be specified"},
      {"Generators/G/Name=\"G\"/", "0:16 1:0 0:0", "Name is not unique"},
      {"Generators/G/Name=\"G\"/", "0:16 1:1 0:0", "Name is not unique"},
      {"Exceptions/E_NO_MESSAGE/Message=\"\"/", "0:17 1:0 0:1", "Must be specified"},
      {"Entity=\"ORDERS\"/", "3:0 2:0", "Name is not unique"},
      {"Entity=\"ORDERS\"/Indexes/IX_1/Columns/", "3:0 0:1 1:0 0:3",
       "Index must have some columns specified"},
      {"Entity=\"ORDERS\"/Unique/Item_1/Columns/", "3:0 0:3 1:1 0:0",
       "Unique constraint must have some columns specified"},
      {"Entity=\"ORDERS\"/Attribute=\"CODE\"/", "3:0 4:1 2:0", "Name is not unique"},
      {"Entity=\"ORDERS\"/Attribute=\"CODE\"/NotNull=\"FALSE\"/", "3:0 4:1 0:0",
       "Must be NOT NULL because it's part of UNIQUE constraint"},
      {"Entity=\"ORDERS\"/Attribute=\"CODE\"/", "3:0 4:2 2:0", "Name is not unique"},
      {"Entity=\"ORDERS\"/Attribute=\"CODE\"/NotNull=\"FALSE\"/", "3:0 4:2 0:0",
       "Must be NOT NULL because it's part of UNIQUE constraint"},
      {"Entity=\"ORDERS\"/Attribute=\"\"/", "3:0 4:3 2:0", "Name must be specified"},
      {"Entity=\"ORDERS\"/Attribute=\"\"/DataType/DomainName=\"\"/", "3:0 4:3 5:0 0:0",
       "You must specify domain name"},
      {"Entity=\"ORDERS\"/", "3:1 2:0", "Name is not unique"},
      {"Entity=\"ORDERS\"/", "3:1 4:-1", "There are no columns in table"},
      {"Entity=\"\"/", "3:2 2:0", "Name must be specified"},
      {"Entity=\"\"/", "3:3 2:0", "Name must be specified"},
      {"Entity=\"\"/", "3:3 4:-1", "There are no columns in table"},
      {"Relation=\"FK_1\"/", "6:0 7:-1", "Referenced key must be PRIMARY KEY or UNIQUE constraint"},
      {"Relation=\"FK_1\"/Pair_0/", "6:0 7:0", "Columns must be of the same type"},
      {"Relation=\"FK_EMPTY\"/", "6:1 7:-1", "There are no columns in reference"},
  };
  TCheckReport report(m);
  EXPECT_EQ(Rows(report), expected);
}

} // namespace
