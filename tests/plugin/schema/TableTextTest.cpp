// Column definitions and CREATE TABLE texts through the plug-in interface, and the
// parameters that tables and columns describe.
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/PluginModel.h"

using namespace SchemaTest;

namespace {

struct ColumnCase {
  const char* what;
  ColumnSpec spec;
  const char* definition;
};

TEST_F(PluginModelTest, ColumnDefinitions) {
  Morvik::TTable* table = model->NewTable();
  const std::vector<ColumnCase> cases = {
      {"new column", {"Q", "NUMERIC"}, "Q NUMERIC"},
      {"empty name", {"", "NUMERIC"}, " NUMERIC"},
      {"default value",
       {"Q", "NUMERIC", {}, {{"Default", "1"}, {"DefaultValue", "0"}}},
       "Q NUMERIC DEFAULT '0'"},
      {"empty default value", {"Q", "NUMERIC", {}, {{"Default", "1"}}}, "Q NUMERIC DEFAULT ''"},
      {"value written as stored",
       {"Q", "VARCHAR", {{"Length", "9"}}, {{"Default", "1"}, {"DefaultValue", "it's"}}},
       "Q VARCHAR(9) DEFAULT 'it's'"},
      {"default null", {"Q", "NUMERIC", {}, {{"Default", "2"}}}, "Q NUMERIC DEFAULT NULL "},
      {"default user and not null",
       {"Q", "NUMERIC", {}, {{"Default", "3"}, {"NotNull", "1"}}},
       "Q NUMERIC DEFAULT USER  NOT NULL"},
      {"system default keeps no value",
       {"Q", "NUMERIC", {}, {{"Default", "0"}, {"DefaultValue", "5"}}},
       "Q NUMERIC"},
      {"unset default keeps no value", {"Q", "NUMERIC", {}, {{"DefaultValue", "5"}}}, "Q NUMERIC"},
      {"default naming no option",
       {"Q", "NUMERIC", {}, {{"Default", "7"}, {"DefaultValue", "5"}}},
       "Q NUMERIC"},
      {"negative default", {"Q", "NUMERIC", {}, {{"Default", "-1"}}}, "Q NUMERIC"},
      {"unique sets not null", {"Q", "NUMERIC", {}, {{"Unique", "1"}}}, "Q NUMERIC NOT NULL UNIQUE"},
      {"key sets not null", {"Q", "INTEGER", {}, {}, true}, "Q INTEGER NOT NULL"},
      {"check as stored", {"Q", "INTEGER", {}, {{"Check", "(Q > 0)"}}}, "Q INTEGER CHECK (Q > 0)"},
      {"every clause",
       {"Q", "INTEGER", {}, {{"Default", "1"}, {"DefaultValue", "1"}, {"Unique", "1"}, {"Check", "(Q<>0)"}}},
       "Q INTEGER DEFAULT '1' NOT NULL UNIQUE CHECK (Q<>0)"},
      {"domain type writes the domain name", {"Q", "DOMAIN", {{"DomainName", "DMONEY"}}}, "Q DMONEY"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Morvik::TColumn* column = AddColumn(model.get(), table, c.spec);
    EXPECT_EQ(std::string(column->Generate()), c.definition);
  }
}

TEST_F(PluginModelTest, KeyAndUniqueHoldNotNull) {
  Morvik::TTable* table = model->NewTable();
  Morvik::TColumn* c = table->AddColumn();
  EXPECT_FALSE(c->GetKey());
  EXPECT_FALSE(c->SetKey(true));
  EXPECT_STREQ(c->GetParamValue(0), "1");
  c->SetParamValue(0, "0");
  c->SetParamValue(0, nullptr);
  EXPECT_STREQ(c->GetParamValue(0), "1") << "cleared while the key is set";
  EXPECT_TRUE(c->SetKey(false));
  EXPECT_STREQ(c->GetParamValue(0), "1") << "clearing the key keeps NotNull";
  c->SetParamValue(0, "0");
  EXPECT_STREQ(c->GetParamValue(0), "0");

  c->SetParamValue(1, "1");
  EXPECT_STREQ(c->GetParamValue(0), "1");
  c->SetParamValue(0, "");
  EXPECT_STREQ(c->GetParamValue(0), "1") << "cleared while Unique is set";
  c->SetParamValue(1, "0");
  EXPECT_STREQ(c->GetParamValue(0), "1") << "clearing Unique keeps NotNull";
  c->SetParamValue(0, nullptr);
  EXPECT_STREQ(c->GetParamValue(0), "");
  c->SetParamValue(1, nullptr);
  EXPECT_STREQ(c->GetParamValue(1), "");
}

TEST_F(PluginModelTest, NewDataTypeOnEverySetDataType) {
  Morvik::TColumn* c = model->NewTable()->AddColumn();
  EXPECT_STREQ(c->GetDataType()->GetName(), "NUMERIC");
  Morvik::TDataType* varchar = c->SetDataType(DataTypeIndex(*model, "VARCHAR"));
  EXPECT_EQ(c->GetDataType(), varchar);
  SetParam(varchar, "Length", "20");
  c->SetDataType(DataTypeIndex(*model, "VARCHAR"));
  EXPECT_EQ(GetParam(c->GetDataType(), "Length"), "");
  EXPECT_STREQ(c->GetDataType()->GetName(), "VARCHAR");
}

struct TableCase {
  const char* what;
  std::function<Morvik::TTable*(Morvik::TModel*)> build;
  const char* text;
};

TEST_F(PluginModelTest, CreateTableTexts) {
  const std::vector<TableCase> cases = {
      {"no columns", [](Morvik::TModel* m) { return AddTable(m, "T", {}); }, "CREATE TABLE T (\n\t\n);\n\n"},
      {"empty name", [](Morvik::TModel* m) { return AddTable(m, "", {}); }, "CREATE TABLE  (\n\t\n);\n\n"},
      {"external file",
       [](Morvik::TModel* m) {
         Morvik::TTable* t = AddTable(m, "T", {{"A"}});
         SetParam(t, "File", "f.dat");
         return t;
       },
       "CREATE TABLE T EXTERNAL FILE 'f.dat' (\n\tA INTEGER\n);\n\n"},
      {"key column and a second column",
       [](Morvik::TModel* m) {
         return AddTable(m, "T", {{"A", "NUMERIC", {}, {}, true}, {"B", "NUMERIC"}});
       },
       "CREATE TABLE T (\n\tA NUMERIC NOT NULL,\n\tB NUMERIC,\n\tPRIMARY KEY (A)\n);\n\n"},
      {"column comment of two lines",
       [](Morvik::TModel* m) {
         return AddTable(m, "T", {{"A", "NUMERIC", {}, {}, true}, {"B", "NUMERIC", {}, {}, false, "x\ny"}});
       },
       "CREATE TABLE T (\n\tA NUMERIC NOT NULL,\n\t/*x\n\ty*/\n\tB NUMERIC,\n\t"
       "PRIMARY KEY (A)\n);\n\n"},
      {"key columns in table order, then unique constraints",
       [](Morvik::TModel* m) {
         Morvik::TTable* t =
             AddTable(m, "T", {{"A"}, {"D", "INTEGER", {}, {}, true}, {"C"}, {"B", "INTEGER", {}, {}, true}});
         AddUnique(t, {"A"});
         AddUnique(t, {"C", "A"});
         return t;
       },
       "CREATE TABLE T (\n\tA INTEGER,\n\tD INTEGER NOT NULL,\n\tC INTEGER,\n\t"
       "B INTEGER NOT NULL,\n\tPRIMARY KEY (D,B),\n\tUNIQUE (A),\n\tUNIQUE (C,A)\n);\n\n"},
      {"unique constraint without entries and without key",
       [](Morvik::TModel* m) {
         Morvik::TTable* t = AddTable(m, "T", {{"A"}});
         AddUnique(t, {});
         return t;
       },
       "CREATE TABLE T (\n\tA INTEGER,\n\tUNIQUE ()\n);\n\n"},
      {"table comment", [](Morvik::TModel* m) { return AddTable(m, "T", {{"A"}}, "rows of T"); },
       "/*rows of T*/\nCREATE TABLE T (\n\tA INTEGER\n);\n\n"},
      {"exchanged columns",
       [](Morvik::TModel* m) {
         Morvik::TTable* t =
             AddTable(m, "T", {{"A", "INTEGER", {}, {}, true}, {"B", "INTEGER", {}, {}, true}, {"C"}});
         t->ExchangeColumns(0, 2);
         t->ExchangeColumns(1, 1);
         return t;
       },
       "CREATE TABLE T (\n\tC INTEGER,\n\tB INTEGER NOT NULL,\n\tA INTEGER NOT NULL,\n\t"
       "PRIMARY KEY (B,A)\n);\n\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ModelPtr m(plugin.Models()->CreateModel(0));
    Morvik::TTable* t = c.build(m.get());
    EXPECT_EQ(std::string(t->Generate()), c.text);
  }
}

TEST_F(PluginModelTest, DropTableFollowsTheModelSwitch) {
  Morvik::TTable* t = AddTable(model.get(), "T", {{"A"}}, "c");
  const std::string create = "CREATE TABLE T (\n\tA INTEGER\n);\n\n";
  for (const char* off : {"", "0"}) {
    SetParam(model.get(), "Drop", off);
    EXPECT_EQ(std::string(t->Generate()), "/*c*/\n" + create);
  }
  SetParam(model.get(), "Drop", "1");
  EXPECT_EQ(std::string(t->Generate()), "/*c*/\nDROP TABLE T;\n" + create);
}

// Indexes follow the table's statement, then triggers, each list in list order.
TEST_F(PluginModelTest, IndexesAndTriggersFollowTheStatement) {
  Morvik::TTable* t = AddTable(model.get(), "T", {{"A"}, {"B"}});
  Morvik::TParamObject* trigger = AddItem(t, "Triggers", {{"Name", "TR"}, {"TermString", "^"}});
  Morvik::TParamObject* i1 = AddItem(t, "Indexes", {{"Name", "I1"}});
  AddItem(i1, "Columns", {{"Column", "A"}});
  Morvik::TParamObject* i2 = AddItem(t, "Indexes", {{"Name", "I2"}});
  AddItem(i2, "Columns", {{"Column", "B"}});
  const std::string expected = "CREATE TABLE T (\n\tA INTEGER,\n\tB INTEGER\n);\n\n" +
                               std::string(i1->Generate()) + i2->Generate() + trigger->Generate();
  EXPECT_EQ(std::string(t->Generate()), expected);
}

TEST_F(PluginModelTest, TableAndColumnParameters) {
  Morvik::TTable* t = model->NewTable();
  ASSERT_EQ(t->GetParamCount(), 1);
  ASSERT_EQ(t->GetListParamCount(), 3);
  EXPECT_STREQ(t->GetParam(0)->GetName(), "File");
  EXPECT_STREQ(t->GetParam(0)->GetHelp(), "Table data are in external file");
  struct {
    int pos;
    const char* name;
    const char* help;
    int itemName;
  } lists[] = {{1, "Indexes", "List od indexes", 2},
               {2, "Triggers", "List od triggers", 0},
               {3, "Unique", "List od unique constraints", -1}};
  for (const auto& l : lists) {
    EXPECT_EQ(t->GetParamKind(l.pos), Morvik::pkVector);
    const Morvik::TListParamInfo* info = t->GetListParamInfo(t->GetKindIndex(l.pos));
    EXPECT_STREQ(info->GetName(), l.name);
    EXPECT_STREQ(info->GetHelp(), l.help);
    EXPECT_EQ(info->GetItemNameParam(), l.itemName);
    EXPECT_EQ(t->GetDependParam(l.pos), -1);
  }
  const Morvik::TListParamInfo* unique = t->GetListParamInfo(2);
  ASSERT_EQ(unique->GetParamCount(), 0);
  ASSERT_EQ(unique->GetListParamCount(), 1);
  const Morvik::TListParamInfo* entries = unique->GetListParamInfo(0);
  EXPECT_STREQ(entries->GetName(), "Columns");
  EXPECT_STREQ(entries->GetHelp(), "List of columns in this unique constraint");
  EXPECT_EQ(entries->GetItemNameParam(), 0);
  ASSERT_EQ(entries->GetParamCount(), 1);
  EXPECT_STREQ(entries->GetParam(0)->GetName(), "Column");
  EXPECT_STREQ(entries->GetParam(0)->GetHelp(), "Name of column");

  Morvik::TColumn* c = t->AddColumn();
  struct {
    const char* name;
    const char* help;
    Morvik::TParamType type;
    int depend;
    const char* values;
  } columnParams[] = {
      {"NotNull", "Doesn't allow to insert NULL values", Morvik::ptBoolean, -1, ""},
      {"Unique", "Doesn't allow to insert duplicated values", Morvik::ptBoolean, -1, ""},
      {"Default", "What to set if value is not specified (system default,some value,null,user)",
       Morvik::ptEnum, -1, ""},
      {"DefaultValue", "Default value for column", Morvik::ptString, 2, "1"},
      {"Check", "Condition that must be always true", Morvik::ptString, -1, ""},
  };
  ASSERT_EQ(c->GetParamCount(), 5);
  ASSERT_EQ(c->GetListParamCount(), 0);
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(columnParams[i].name);
    EXPECT_STREQ(c->GetParam(i)->GetName(), columnParams[i].name);
    EXPECT_STREQ(c->GetParam(i)->GetHelp(), columnParams[i].help);
    EXPECT_EQ(c->GetParam(i)->GetType(), columnParams[i].type);
    EXPECT_EQ(c->GetDependParam(i), columnParams[i].depend);
    EXPECT_STREQ(c->GetDependValues(i), columnParams[i].values);
    EXPECT_STREQ(c->GetParamValue(i), "");
  }
  const Morvik::TParamInfo* def = c->GetParam(2);
  ASSERT_EQ(def->GetOptionCount(), 4);
  EXPECT_STREQ(def->GetOption(0), "");
  EXPECT_STREQ(def->GetOption(1), "value");
  EXPECT_STREQ(def->GetOption(2), "NULL ");
  EXPECT_STREQ(def->GetOption(3), "USER ");
  EXPECT_EQ(model->GetColumnInfo()->GetParam(2), def);
  EXPECT_EQ(model->GetTableInfo()->GetListParamInfo(2), unique);
}

} // namespace
