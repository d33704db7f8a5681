// Schema-level objects, indexes and triggers on a real database: the generated script runs
// through isql-fb, the extracted metadata lists every object, and the objects work.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/ExtractedSchema.h"
#include "tests/support/FirebirdRunner.h"
#include "tests/support/PluginModel.h"

using namespace SchemaTest;

namespace {

using Values = std::vector<std::pair<std::string, std::string>>;

// Adds an item to a named list; "DataType" is given by its keyword and stored as its option index.
Morvik::TParamObject* Add(Morvik::TParamObject* owner, const std::string& list, const Values& values) {
  Morvik::TListParam* items = List(owner, list);
  if (!items) return nullptr;
  Morvik::TParamObject* item = items->AddItem();
  for (const auto& [name, value] : values) {
    if (name != "DataType") {
      SetParam(item, name, value);
      continue;
    }
    const Morvik::TParamInfo* type = item->GetParam(ScalarIndex(*item, "DataType"));
    int option = -1;
    for (int i = 0; i < type->GetOptionCount(); ++i)
      if (value == type->GetOption(i)) option = i;
    EXPECT_GE(option, 0) << "no data type " << value;
    SetParam(item, "DataType", std::to_string(option));
  }
  return item;
}

bool Contains(const std::vector<std::string>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

// The extracted statement that starts with words and names the object, "" when none does.
std::string Statement(const ExtractedSchema& schema, const std::string& words, const std::string& name) {
  for (const auto& s : schema.statements)
    if (s.rfind(words, 0) == 0 && s.find(" " + name + " ") != std::string::npos) return s;
  return "";
}

// Every kind of schema object: domains of every type, generators (when withGenerators is
// set), exceptions, roles, two tables with a foreign key, a column typed by a domain, indexes,
// triggers of every place and operation, views and procedures; the objects use one another.
void AddEveryObjectKind(Morvik::TModel* m, bool withGenerators) {
  // Domains of every kind of type and clause.
  Add(m, "Domains",
      {{"Name", "D_NAME"},
       {"DataType", "VARCHAR"},
       {"Length", "40"},
       {"CharSet", "UTF8"},
       {"Default", "'n/a'"},
       {"NotNull", "1"},
       {"Check", "(VALUE <> '')"},
       {"Collation", "UNICODE"}});
  Add(m, "Domains",
      {{"Name", "D_MONEY"}, {"DataType", "NUMERIC"}, {"Precision", "15"}, {"Scale", "2"}, {"Default", "0"}});
  Add(m, "Domains", {{"Name", "D_RATE"}, {"DataType", "DECIMAL"}, {"Precision", "9"}, {"Scale", "3"}});
  Add(m, "Domains", {{"Name", "D_CODE"}, {"DataType", "CHAR"}, {"Length", "3"}, {"NotNull", "1"}});
  Add(m, "Domains", {{"Name", "D_NATIONAL"}, {"DataType", "NCHAR"}, {"Length", "5"}});
  Add(m, "Domains", {{"Name", "D_NATIONAL_VAR"}, {"DataType", "NCHAR VARYING"}, {"Length", "10"}});
  Add(m, "Domains", {{"Name", "D_SMALL"}, {"DataType", "SMALLINT"}, {"Check", "(VALUE >= 0)"}});
  Add(m, "Domains", {{"Name", "D_VECTOR"}, {"DataType", "INTEGER"}, {"ArrayDim", "4"}});
  Add(m, "Domains", {{"Name", "D_FLOAT"}, {"DataType", "FLOAT"}});
  Add(m, "Domains", {{"Name", "D_DOUBLE"}, {"DataType", "DOUBLE PRECISION"}});
  Add(m, "Domains", {{"Name", "D_DAY"}, {"DataType", "DATE"}, {"Default", "CURRENT_DATE"}});
  Add(m, "Domains", {{"Name", "D_TIME"}, {"DataType", "TIME"}});
  Add(m, "Domains", {{"Name", "D_STAMP"}, {"DataType", "TIMESTAMP"}});
  Add(m, "Domains",
      {{"Name", "D_NOTE"},
       {"DataType", "BLOB"},
       {"SubType", "1"},
       {"SegmentSize", "80"},
       {"CharSet", "UTF8"}});

  if (withGenerators) {
    Add(m, "Generators", {{"Name", "G_ORDER"}, {"Init", "100"}});
    Add(m, "Generators", {{"Name", "G_PLAIN"}});
  }
  // Without generators the next numbers come from the table itself.
  const std::string nextOrder =
      withGenerators ? "GEN_ID(G_ORDER, 1)" : "(SELECT COALESCE(MAX(ID), 100) + 1 FROM ORDERS)";
  const std::string nextPlain = withGenerators ? "GEN_ID(G_PLAIN, 1)" : "(SELECT COUNT(*) FROM ORDERS)";
  Add(m, "Exceptions", {{"Name", "E_NEGATIVE"}, {"Message", "Quantity must not be negative"}});
  Add(m, "Exceptions", {{"Name", "E_LOCKED"}, {"Message", "It''s locked"}});
  Add(m, "Roles", {{"Name", "R_READER"}});
  Add(m, "Roles", {{"Name", "R_WRITER"}});

  Morvik::TTable* customer = AddTable(m, "CUSTOMER",
                                      {{"ID", "INTEGER", {}, {}, true},
                                       {"NAME", "VARCHAR", {{"Length", "40"}}},
                                       {"BALANCE", "DOMAIN", {{"DomainName", "D_MONEY"}}}});
  Morvik::TTable* orders = AddTable(m, "ORDERS",
                                    {{"ID", "INTEGER", {}, {}, true},
                                     {"CUSTOMER_ID", "INTEGER"},
                                     {"QTY", "INTEGER"},
                                     {"STAMP", "TIMESTAMP"}});
  AddReference(m, customer, orders, {{"ID", "CUSTOMER_ID"}}, "FK_ORDERS_CUSTOMER");

  // Ascending unique, descending, plain two-column and descending unique indexes.
  Morvik::TParamObject* index =
      Add(customer, "Indexes", {{"Name", "IX_CUSTOMER_NAME"}, {"Unique", "1"}, {"Sort", "1"}});
  Add(index, "Columns", {{"Column", "NAME"}});
  index = Add(orders, "Indexes", {{"Name", "IX_ORDERS_QTY"}, {"Sort", "2"}});
  Add(index, "Columns", {{"Column", "QTY"}});
  index = Add(orders, "Indexes", {{"Name", "IX_ORDERS_CUSTOMER_QTY"}, {"Unique", "0"}});
  Add(index, "Columns", {{"Column", "CUSTOMER_ID"}});
  Add(index, "Columns", {{"Column", "QTY"}});
  index = Add(orders, "Indexes", {{"Name", "IX_ORDERS_STAMP"}, {"Unique", "1"}, {"Sort", "2"}});
  Add(index, "Columns", {{"Column", "STAMP"}});

  // A trigger of every place and operation, with variables; two of them raise exceptions.
  Morvik::TParamObject* trigger = Add(orders, "Triggers",
                                      {{"Name", "TR_ORDERS_BI"},
                                       {"Active", "1"},
                                       {"Place", "0"},
                                       {"Operation", "0"},
                                       {"Position", "0"},
                                       {"TermString", "^"},
                                       {"Body", "IF (NEW.QTY < 0) THEN EXCEPTION E_NEGATIVE;\n"
                                                "NEXT_ID = " +
                                                    nextOrder +
                                                    ";\n"
                                                    "IF (NEW.ID IS NULL) THEN NEW.ID = NEXT_ID;"}});
  Add(trigger, "Variables", {{"Name", "NEXT_ID"}, {"DataType", "INTEGER"}});
  trigger = Add(orders, "Triggers",
                {{"Name", "TR_ORDERS_AI"},
                 {"Place", "1"},
                 {"Operation", "0"},
                 {"TermString", "!!"},
                 {"Body", "SELECT COUNT(*) FROM ORDERS INTO :ROWS_NOW;"}});
  Add(trigger, "Variables", {{"Name", "ROWS_NOW"}, {"DataType", "INTEGER"}});
  Add(orders, "Triggers",
      {{"Name", "TR_ORDERS_BU"},
       {"Active", "1"},
       {"Place", "0"},
       {"Operation", "2"},
       {"Position", "5"},
       {"TermString", "^"},
       {"Body", "IF (NEW.QTY < 0) THEN EXCEPTION E_NEGATIVE;"}});
  trigger = Add(orders, "Triggers",
                {{"Name", "TR_ORDERS_AU"},
                 {"Active", "2"},
                 {"Place", "1"},
                 {"Operation", "2"},
                 {"TermString", "^"},
                 {"Body", "FLAG = 1;"}});
  Add(trigger, "Variables", {{"Name", "FLAG"}, {"DataType", "SMALLINT"}});
  Add(orders, "Triggers",
      {{"Name", "TR_ORDERS_BD"},
       {"Place", "0"},
       {"Operation", "1"},
       {"TermString", "^"},
       {"Body", "IF (OLD.QTY > 100) THEN EXCEPTION E_LOCKED;"}});
  trigger = Add(orders, "Triggers",
                {{"Name", "TR_ORDERS_AD"},
                 {"Active", "1"},
                 {"Place", "1"},
                 {"Operation", "1"},
                 {"TermString", "^"},
                 {"Body", "OLD_QTY = OLD.QTY;\nNOTE = 'gone';"}});
  Add(trigger, "Variables",
      {{"Name", "OLD_QTY"}, {"DataType", "NUMERIC"}, {"Precision", "15"}, {"Scale", "2"}});
  Add(trigger, "Variables",
      {{"Name", "NOTE"}, {"DataType", "VARCHAR"}, {"Length", "20"}, {"CharSet", "UTF8"}});

  // A view over two tables, and one with the check option over one table.
  Morvik::TParamObject* view =
      Add(m, "Views",
          {{"Name", "V_CUSTOMER_ORDERS"},
           {"Select", "SELECT C.NAME, O.ID, O.QTY\nFROM CUSTOMER C JOIN ORDERS O ON O.CUSTOMER_ID = C.ID"}});
  for (const char* column : {"CUSTOMER_NAME", "ORDER_ID", "QTY"}) Add(view, "Columns", {{"Name", column}});
  Add(m, "Views",
      {{"Name", "V_POSITIVE_ORDERS"},
       {"Select", "SELECT ID, CUSTOMER_ID, QTY FROM ORDERS WHERE QTY > 0"},
       {"WithCheck", "1"}});

  // A procedure with parameters, return values and variables that selects from a table.
  Morvik::TParamObject* proc =
      Add(m, "Procedures",
          {{"Name", "P_CUSTOMER_TOTAL"},
           {"TermString", "^"},
           {"Body", "SELECT COUNT(*), SUM(QTY) FROM ORDERS WHERE CUSTOMER_ID = :CUST INTO :N, :S;\n"
                    "ORDER_COUNT = N;\nTOTAL_QTY = COALESCE(S, 0);\nTAG = LABEL;\nSUSPEND;"}});
  Add(proc, "Parametres", {{"Name", "CUST"}, {"DataType", "INTEGER"}});
  Add(proc, "Parametres",
      {{"Name", "LABEL"}, {"DataType", "VARCHAR"}, {"Length", "20"}, {"CharSet", "UTF8"}});
  Add(proc, "ReturnValues ", {{"Name", "ORDER_COUNT"}, {"DataType", "INTEGER"}});
  Add(proc, "ReturnValues ", {{"Name", "TOTAL_QTY"}, {"DataType", "DOUBLE PRECISION"}});
  Add(proc, "ReturnValues ", {{"Name", "TAG"}, {"DataType", "VARCHAR"}, {"Length", "20"}});
  Add(proc, "Variables", {{"Name", "N"}, {"DataType", "INTEGER"}});
  Add(proc, "Variables", {{"Name", "S"}, {"DataType", "DOUBLE PRECISION"}});
  proc = Add(m, "Procedures",
             {{"Name", "P_NEXT"}, {"TermString", "!!"}, {"Body", "NEXT_ID = " + nextPlain + ";\nSUSPEND;"}});
  Add(proc, "ReturnValues ", {{"Name", "NEXT_ID"}, {"DataType", "INTEGER"}});
}

class ItemsOnFirebird : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_FALSE(FindIsql().empty()) << "isql-fb is required for these tests";
    ASSERT_TRUE(plugin.Loaded()) << plugin.Error();
    model.reset(plugin.Models()->CreateModel(0));
    ASSERT_TRUE(model);
  }

  // The database with secondary files and a shadow with secondary files.
  void Database(const std::string& mode) {
    const std::string dir = db.Folder() + "/";
    SetParam(model.get(), "DataBase", "1");
    SetParam(model.get(), "DataBaseFile", db.Path());
    SetParam(model.get(), "User", "SYSDBA");
    SetParam(model.get(), "Password", "masterkey");
    SetParam(model.get(), "PageSize", "4096");
    SetParam(model.get(), "CharSet", "UTF8");
    Add(model.get(), "SecFiles",
        {{"FileName", dir + "second.fdb"}, {"StartingAt", "2000"}, {"Length", "1000"}});
    Add(model.get(), "SecFiles", {{"FileName", dir + "third.fdb"}, {"Length", "500"}});
    Add(model.get(), "SecFiles", {{"FileName", dir + "fourth.fdb"}, {"StartingAt", "5000"}});
    SetParam(model.get(), "Shadow", "1");
    SetParam(model.get(), "SetNumber", "1");
    SetParam(model.get(), "Mode", mode);
    SetParam(model.get(), "Conditional", "1");
    SetParam(model.get(), "ShadowFile", dir + "shadow.shd");
    SetParam(model.get(), "ShadowLength", "1000");
    Add(model.get(), "SecShadowFiles", {{"FileName", dir + "shadow2.shd"}, {"Length", "500"}});
    Add(model.get(), "SecShadowFiles", {{"FileName", dir + "shadow3.shd"}, {"StartingAt", "3000"}});
  }

  // Runs the whole script; the script creates the database.
  ExtractedSchema RunAndExtract() {
    const std::string script = model->Generate();
    const ProcessResult run = db.RunScript(script, true);
    EXPECT_EQ(run.exitCode, 0) << run.output << "\n--- script ---\n" << script;
    const ProcessResult extract = db.Extract();
    EXPECT_EQ(extract.exitCode, 0) << extract.output;
    return ParseExtract(extract.output);
  }

  LoadedPlugin plugin;
  ModelPtr model;
  FirebirdDatabase db;
};

TEST_F(ItemsOnFirebird, EveryObjectKindRunsAndIsExtracted) {
  Database("2");
  AddEveryObjectKind(model.get(), true);

  const ExtractedSchema schema = RunAndExtract();

  // Secondary files and the shadow appear in the extract's comment block.
  const std::string dir = db.Folder() + "/";
  for (const std::string& file :
       {"ALTER DATABASE ADD FILE '" + dir + "second.fdb' STARTING 2000 LENGTH 1000",
        "ALTER DATABASE ADD FILE '" + dir + "third.fdb' STARTING 3000",
        "ALTER DATABASE ADD FILE '" + dir + "fourth.fdb' STARTING 5000",
        "CREATE SHADOW 1 '" + dir + "shadow.shd' MANUAL LENGTH 1000",
        "FILE '" + dir + "shadow2.shd' LENGTH 500", "FILE '" + dir + "shadow3.shd' STARTING 3000"})
    EXPECT_NE(schema.text.find(file), std::string::npos) << file << "\n" << schema.text;

  const auto domains = schema.NamesAfter("CREATE DOMAIN");
  for (const char* name : {"D_NAME", "D_MONEY", "D_RATE", "D_CODE", "D_NATIONAL", "D_NATIONAL_VAR", "D_SMALL",
                           "D_VECTOR", "D_FLOAT", "D_DOUBLE", "D_DAY", "D_TIME", "D_STAMP", "D_NOTE"})
    EXPECT_TRUE(Contains(domains, name)) << name;
  const std::string name = Statement(schema, "CREATE DOMAIN", "D_NAME");
  EXPECT_NE(name.find("VARCHAR(40)"), std::string::npos) << name;
  EXPECT_NE(name.find("NOT NULL"), std::string::npos) << name;
  EXPECT_NE(name.find("COLLATE UNICODE"), std::string::npos) << name;
  EXPECT_NE(Statement(schema, "CREATE DOMAIN", "D_VECTOR").find("INTEGER[4]"), std::string::npos);
  EXPECT_NE(Statement(schema, "CREATE DOMAIN", "D_NOTE").find("SEGMENT SIZE 80"), std::string::npos);

  for (const char* g : {"G_ORDER", "G_PLAIN"})
    EXPECT_TRUE(Contains(schema.NamesAfter("CREATE GENERATOR"), g)) << g;
  for (const char* e : {"E_NEGATIVE", "E_LOCKED"})
    EXPECT_TRUE(Contains(schema.NamesAfter("CREATE EXCEPTION"), e)) << e;
  for (const char* r : {"R_READER", "R_WRITER"})
    EXPECT_TRUE(Contains(schema.NamesAfter("CREATE ROLE"), r)) << r;
  for (const char* v : {"V_CUSTOMER_ORDERS", "V_POSITIVE_ORDERS"})
    EXPECT_TRUE(Contains(schema.NamesAfter("CREATE VIEW"), v)) << v;
  EXPECT_NE(Statement(schema, "CREATE VIEW", "V_CUSTOMER_ORDERS").find("(CUSTOMER_NAME, ORDER_ID, QTY)"),
            std::string::npos);
  EXPECT_NE(Statement(schema, "CREATE VIEW", "V_POSITIVE_ORDERS").find("WITH CHECK OPTION"),
            std::string::npos);
  for (const char* p : {"P_CUSTOMER_TOTAL", "P_NEXT"})
    EXPECT_TRUE(Contains(schema.NamesAfter("CREATE OR ALTER PROCEDURE"), p)) << p;

  struct IndexRow {
    const char* name;
    const char* words;
  };
  for (const auto& row :
       {IndexRow{"IX_CUSTOMER_NAME", "CREATE UNIQUE INDEX IX_CUSTOMER_NAME ON CUSTOMER (NAME)"},
        IndexRow{"IX_ORDERS_QTY", "CREATE DESCENDING INDEX IX_ORDERS_QTY ON ORDERS (QTY)"},
        IndexRow{"IX_ORDERS_CUSTOMER_QTY",
                 "CREATE INDEX IX_ORDERS_CUSTOMER_QTY ON ORDERS (CUSTOMER_ID, QTY)"},
        IndexRow{"IX_ORDERS_STAMP", "CREATE UNIQUE DESCENDING INDEX IX_ORDERS_STAMP ON ORDERS (STAMP)"}})
    EXPECT_NE(schema.text.find(row.words), std::string::npos) << row.name << "\n" << schema.text;

  struct TriggerRow {
    const char* name;
    const char* header;
  };
  for (const auto& row : {TriggerRow{"TR_ORDERS_BI", "ACTIVE BEFORE INSERT POSITION 0"},
                          TriggerRow{"TR_ORDERS_AI", "ACTIVE AFTER INSERT POSITION 0"},
                          TriggerRow{"TR_ORDERS_BU", "ACTIVE BEFORE UPDATE POSITION 5"},
                          TriggerRow{"TR_ORDERS_AU", "INACTIVE AFTER UPDATE POSITION 0"},
                          TriggerRow{"TR_ORDERS_BD", "ACTIVE BEFORE DELETE POSITION 0"},
                          TriggerRow{"TR_ORDERS_AD", "ACTIVE AFTER DELETE POSITION 0"}}) {
    const std::string statement = Statement(schema, "CREATE TRIGGER", row.name);
    EXPECT_NE(statement.find(std::string(row.name) + " FOR ORDERS"), std::string::npos) << row.name;
    EXPECT_NE(statement.find(row.header), std::string::npos) << statement;
  }
  EXPECT_NE(Statement(schema, "CREATE TRIGGER", "TR_ORDERS_AD").find("DECLARE VARIABLE NOTE VARCHAR(20)"),
            std::string::npos);

  // The objects work: the generator's initial value, the trigger's exception, the procedure's
  // select, and the view's check option.
  ProcessResult q = db.Query("SELECT GEN_ID(G_ORDER, 0) AS G FROM RDB$DATABASE;\n");
  EXPECT_EQ(q.exitCode, 0) << q.output;
  EXPECT_NE(q.output.find("100"), std::string::npos) << q.output;
  q = db.Query("INSERT INTO CUSTOMER (ID, NAME) VALUES (1, 'Alice');\n"
               "INSERT INTO ORDERS (CUSTOMER_ID, QTY) VALUES (1, 5);\n"
               "INSERT INTO ORDERS (CUSTOMER_ID, QTY) VALUES (1, 7);\n"
               "COMMIT;\n"
               "SELECT ORDER_COUNT, TOTAL_QTY, TAG FROM P_CUSTOMER_TOTAL(1, 'mine');\n"
               "SELECT MIN(ID) AS FIRST_ID FROM ORDERS;\n");
  EXPECT_EQ(q.exitCode, 0) << q.output;
  EXPECT_NE(q.output.find("mine"), std::string::npos) << q.output;
  EXPECT_NE(q.output.find("12"), std::string::npos) << q.output;
  EXPECT_NE(q.output.find("101"), std::string::npos) << "the id came from the generator\n" << q.output;
  q = db.Query("INSERT INTO ORDERS (CUSTOMER_ID, QTY) VALUES (1, -1);\n");
  EXPECT_NE(q.exitCode, 0);
  EXPECT_NE(q.output.find("Quantity must not be negative"), std::string::npos) << q.output;
  q = db.Query("INSERT INTO V_POSITIVE_ORDERS (ID, CUSTOMER_ID, QTY) VALUES (50, 1, 0);\n");
  EXPECT_NE(q.exitCode, 0) << "the check option refuses a row the view would not show\n" << q.output;
}

// With Drop on, the script re-creates the schema on a database that already holds it: it
// drops every object first, so that nothing still depends on what it drops, and then
// creates everything again. Generators stay out: their removal from the system table is
// refused by Firebird, and is only checked as text.
TEST_F(ItemsOnFirebird, DropOnRecreatesTheSchemaOverItself) {
  AddEveryObjectKind(model.get(), false);
  SetParam(model.get(), "Drop", "0");
  const std::string created = model->Generate();
  ProcessResult run = db.RunScript(created, false);
  ASSERT_EQ(run.exitCode, 0) << run.output << "\n--- script ---\n" << created;
  const ProcessResult first = db.Extract();
  ASSERT_EQ(first.exitCode, 0) << first.output;

  SetParam(model.get(), "Drop", "1");
  const std::string recreated = model->Generate();
  ASSERT_NE(recreated.find("DROP TABLE ORDERS;"), std::string::npos);
  ASSERT_EQ(recreated.substr(recreated.size() - created.size()), created)
      << "then it creates as with Drop off";
  run = db.RunScript(recreated, false);
  ASSERT_EQ(run.exitCode, 0) << run.output << "\n--- script ---\n" << recreated;
  const ProcessResult second = db.Extract();
  ASSERT_EQ(second.exitCode, 0) << second.output;
  const ExtractedSchema before = ParseExtract(first.output);
  ASSERT_NE(before.Table("ORDERS"), nullptr);
  EXPECT_EQ(ParseExtract(second.output).statements, before.statements);
}

// Generators are removed from the system table, last but the domains, the last first.
TEST_F(ItemsOnFirebird, GeneratorsAreDroppedAsText) {
  AddEveryObjectKind(model.get(), true);
  SetParam(model.get(), "Drop", "1");
  const std::string script = model->Generate();
  EXPECT_NE(script.find("DROP EXCEPTION E_NEGATIVE;\n"
                        "DELETE FROM RDB$GENERATORS WHERE RDB$GENERATOR_NAME = 'G_PLAIN';\n"
                        "DELETE FROM RDB$GENERATORS WHERE RDB$GENERATOR_NAME = 'G_ORDER';\n"
                        "DROP DOMAIN D_NOTE;\n"),
            std::string::npos)
      << script;
}

// Every Mode of the shadow runs: no choice, AUTO and MANUAL.
TEST_F(ItemsOnFirebird, ShadowModes) {
  struct Case {
    const char* mode;
    const char* extracted;
  };
  for (const Case c : {Case{"", "AUTO"}, Case{"1", "AUTO"}, Case{"2", "MANUAL"}}) {
    SCOPED_TRACE(std::string("Mode '") + c.mode + "'");
    FirebirdDatabase fresh;
    ModelPtr one(plugin.Models()->CreateModel(0));
    SetParam(one.get(), "DataBase", "1");
    SetParam(one.get(), "DataBaseFile", fresh.Path());
    SetParam(one.get(), "Shadow", "1");
    SetParam(one.get(), "SetNumber", "3");
    SetParam(one.get(), "Mode", c.mode);
    SetParam(one.get(), "ShadowFile", fresh.Folder() + "/s.shd");
    const std::string script = one->Generate();
    const ProcessResult run = fresh.RunScript(script, true);
    ASSERT_EQ(run.exitCode, 0) << run.output << "\n" << script;
    const ProcessResult extract = fresh.Extract();
    EXPECT_NE(extract.output.find("CREATE SHADOW 3 '" + fresh.Folder() + "/s.shd' " + c.extracted),
              std::string::npos)
        << extract.output;
  }
}

} // namespace
