// Whole scripts of fixture models, generated through the loaded plug-in, must run on a new
// Firebird database, and the schema read back must name the model's tables, columns and
// constraints.
#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/ScriptFixture.h"

using namespace SchemaTest;

namespace {

TEST(FirebirdTool, IsqlIsInstalled) {
  // A missing isql-fb fails the suite: scripts must not pass unexecuted.
  EXPECT_FALSE(FindIsql().empty()) << "isql-fb (firebird3.0-utils) is not installed";
}

TEST_P(FirebirdScriptTest, ScriptRunsAndSchemaMatchesModel) {
  const FirebirdFixture& fixture = GetParam();
  FirebirdDatabase db;
  fixture.build(model.get(), db.Path());
  const ScriptRun run = RunModelScript(model.get(), db, fixture.createsDatabase);
  ASSERT_TRUE(run.ok);
  SCOPED_TRACE("script:\n" + run.script + "\nextracted:\n" + run.schema.text);
  ExpectSchemaMatchesModel(run.schema, model.get());
  if (fixture.extra) fixture.extra(run.schema);
}

using Params = std::vector<std::pair<std::string, std::string>>;

// Every data type, with its parameters and without them where the server allows that.
void BuildDataTypes(Morvik::TModel* m, const std::string&) {
  AddTable(m, "TYPES",
           {{"ID", "INTEGER", {}, {}, true},
            {"N_PS", "NUMERIC", {{"Precision", "10"}, {"Scale", "2"}}},
            {"N_P", "NUMERIC", {{"Precision", "9"}}},
            {"N_S", "NUMERIC", {{"Scale", "2"}}},
            {"N_PLAIN", "NUMERIC"},
            {"D_PS", "DECIMAL", {{"Precision", "18"}, {"Scale", "4"}}},
            {"D_PLAIN", "DECIMAL"},
            {"C_LEN", "CHAR", {{"Length", "10"}}},
            {"C_PLAIN", "CHAR"},
            {"V_LEN", "VARCHAR", {{"Length", "40"}}},
            {"NC_LEN", "NCHAR", {{"Length", "5"}}},
            {"NC_PLAIN", "NCHAR"},
            {"NV_LEN", "NATIONAL CHARACTER VARYING", {{"Length", "30"}}},
            {"SI", "SMALLINT"},
            {"I", "INTEGER"},
            {"F", "FLOAT"},
            {"DP", "DOUBLE PRECISION"},
            {"DT", "DATE"},
            {"TM", "TIME"},
            {"TS", "TIMESTAMP"},
            {"B_PLAIN", "BLOB"},
            {"B_TEXT", "BLOB", {{"SubType", "1"}, {"SegmentSize", "80"}, {"CharSet", "UTF8"}}},
            {"B_SEG", "BLOB", {{"SegmentSize", "512"}}},
            {"B_SUB", "BLOB", {{"SubType", "0"}}}});
}

void CheckDataTypes(const ExtractedSchema& schema) {
  const ExtractedTable* t = schema.Table("TYPES");
  ASSERT_NE(t, nullptr);
  const std::vector<std::pair<const char*, const char*>> expected = {
      {"N_PS", "NUMERIC(10, 2)"},
      {"N_P", "NUMERIC(9, 0)"},
      {"D_PS", "DECIMAL(18, 4)"},
      {"C_LEN", "CHAR(10)"},
      {"C_PLAIN", "CHAR(1)"},
      {"V_LEN", "VARCHAR(40)"},
      {"NC_LEN", "CHAR(5) CHARACTER SET ISO8859_1"},
      {"SI", "SMALLINT"},
      {"NV_LEN", "VARCHAR(30) CHARACTER SET ISO8859_1"},
      {"F", "FLOAT"},
      {"DP", "DOUBLE PRECISION"},
      {"DT", "DATE"},
      {"TM", "TIME"},
      {"TS", "TIMESTAMP"},
      {"B_SEG", "BLOB SUB_TYPE 0 SEGMENT SIZE 512"},
      {"B_TEXT", "BLOB SUB_TYPE TEXT SEGMENT SIZE 80"},
  };
  for (const auto& [name, type] : expected) {
    const ExtractedColumn* c = t->Column(name);
    ASSERT_NE(c, nullptr) << name;
    EXPECT_EQ(c->definition.rfind(type, 0), 0u) << name << ": " << c->definition;
  }
}

// Array bounds and character sets; "0" writes no bounds.
void BuildArraysAndCharacterSets(Morvik::TModel* m, const std::string&) {
  AddTable(m, "ARRAYS",
           {{"I3", "INTEGER", {{"ArrayDim", "3"}}},
            {"I_RANGE", "INTEGER", {{"ArrayDim", "1:4"}}},
            {"I_ZERO", "INTEGER", {{"ArrayDim", "0"}}},
            {"N_ARR", "NUMERIC", {{"Precision", "10"}, {"Scale", "2"}, {"ArrayDim", "5"}}},
            {"DT_ARR", "DATE", {{"ArrayDim", "2"}}},
            {"C_ARR", "CHAR", {{"Length", "3"}, {"ArrayDim", "2"}, {"CharSet", "WIN1250"}}},
            {"V_CS", "VARCHAR", {{"Length", "20"}, {"ArrayDim", "4"}, {"CharSet", "UTF8"}}},
            {"C_CS", "CHAR", {{"CharSet", "WIN1250"}}},
            {"NC_ARR", "NCHAR", {{"Length", "4"}, {"ArrayDim", "2"}}},
            {"V_1250", "VARCHAR", {{"Length", "10"}, {"CharSet", "WIN1250"}}}});
}

void CheckArrays(const ExtractedSchema& schema) {
  const ExtractedTable* t = schema.Table("ARRAYS");
  ASSERT_NE(t, nullptr);
  const std::vector<std::pair<const char*, const char*>> expected = {
      {"I3", "INTEGER[3]"},
      {"I_RANGE", "INTEGER[4]"},
      {"I_ZERO", "INTEGER"},
      {"N_ARR", "NUMERIC(10, 2)[5]"},
      {"C_ARR", "CHAR(3)[2] CHARACTER SET WIN1250"},
      {"V_CS", "VARCHAR(20)[4]"},
      {"C_CS", "CHAR(1) CHARACTER SET WIN1250"},
      {"V_1250", "VARCHAR(10) CHARACTER SET WIN1250"},
  };
  for (const auto& [name, type] : expected) {
    const ExtractedColumn* c = t->Column(name);
    ASSERT_NE(c, nullptr) << name;
    EXPECT_EQ(c->definition.rfind(type, 0), 0u) << name << ": " << c->definition;
  }
  EXPECT_EQ(t->Column("I_ZERO")->definition, "INTEGER");
}

// NOT NULL, UNIQUE, DEFAULT and CHECK columns with Czech letters in values and comments.
void BuildColumnConstraints(Morvik::TModel* m, const std::string&) {
  m->SetComment("Zkušební schéma: příliš žluťoučký kůň");
  AddTable(
      m, "ZBOZI",
      {{"KOD", "INTEGER", {}, {}, true, "kód zboží"},
       {"NAZEV",
        "VARCHAR",
        {{"Length", "40"}},
        {{"NotNull", "1"},
         {"Default", "1"},
         {"DefaultValue", "žluťoučký kůň"},
         {"Check", "(NAZEV <> 'ďábelské ódy')"}},
        false,
        "název\nna dva řádky"},
       {"EAN", "CHAR", {{"Length", "13"}}, {{"Unique", "1"}}},
       {"MNOZSTVI", "INTEGER", {}, {{"Default", "1"}, {"DefaultValue", "0"}, {"Check", "(MNOZSTVI >= 0)"}}},
       {"POZNAMKA", "VARCHAR", {{"Length", "20"}}, {{"Default", "2"}}},
       {"AUTOR", "VARCHAR", {{"Length", "31"}}, {{"Default", "3"}, {"NotNull", "1"}}},
       {"CENA", "NUMERIC", {{"Precision", "12"}, {"Scale", "2"}}, {{"Default", "0"}}}},
      "Zboží na skladě");
}

void CheckColumnConstraints(const ExtractedSchema& schema) {
  const ExtractedTable* t = schema.Table("ZBOZI");
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->Column("NAZEV")->definition, "VARCHAR(40) DEFAULT 'žluťoučký kůň' NOT NULL");
  EXPECT_EQ(t->Column("MNOZSTVI")->definition, "INTEGER DEFAULT '0'");
  EXPECT_EQ(t->Column("POZNAMKA")->definition, "VARCHAR(20) DEFAULT NULL");
  EXPECT_EQ(t->Column("AUTOR")->definition, "VARCHAR(31) DEFAULT USER NOT NULL");
  EXPECT_EQ(t->Column("EAN")->definition, "CHAR(13) NOT NULL");
  EXPECT_EQ(t->Column("CENA")->definition, "NUMERIC(12, 2)");
  std::vector<std::string> checks = t->checks;
  std::sort(checks.begin(), checks.end());
  EXPECT_EQ(checks, (std::vector<std::string>{"(MNOZSTVI >= 0)", "(NAZEV <> 'ďábelské ódy')"}));
}

// Single- and multi-column keys, unique constraints and foreign keys with every rule.
void BuildKeys(Morvik::TModel* m, const std::string&) {
  Morvik::TTable* zakaznik = AddTable(m, "ZAKAZNIK",
                                      {{"ID", "INTEGER", {}, {}, true},
                                       {"ICO", "CHAR", {{"Length", "8"}}, {{"Unique", "1"}}},
                                       {"JMENO", "VARCHAR", {{"Length", "30"}}, {{"NotNull", "1"}}},
                                       {"MESTO", "VARCHAR", {{"Length", "30"}}, {{"NotNull", "1"}}}},
                                      "Odběratelé");
  AddUnique(zakaznik, {"JMENO", "MESTO"});
  Morvik::TTable* obdobi = AddTable(m, "OBDOBI",
                                    {{"ROK", "SMALLINT", {}, {}, true},
                                     {"MESIC", "SMALLINT", {}, {}, true},
                                     {"POPIS", "VARCHAR", {{"Length", "20"}}}});
  Morvik::TTable* faktura = AddTable(m, "FAKTURA",
                                     {{"CISLO", "INTEGER", {}, {}, true},
                                      {"ZAKAZNIK", "INTEGER"},
                                      {"ICO", "CHAR", {{"Length", "8"}}},
                                      {"JMENO", "VARCHAR", {{"Length", "30"}}},
                                      {"MESTO", "VARCHAR", {{"Length", "30"}}},
                                      {"ROK", "SMALLINT"},
                                      {"MESIC", "SMALLINT"},
                                      {"PREDCHOZI", "INTEGER", {}, {{"Default", "2"}}}});
  // Every ON DELETE and every ON UPDATE option at least once.
  AddReference(m, zakaznik, faktura, {{"ID", "ZAKAZNIK"}}, "FK_FAKTURA_ZAKAZNIK", "0", "1");
  AddReference(m, zakaznik, faktura, {{"ICO", "ICO"}}, "", "1", "2");
  Morvik::TReference* byName = AddReference(m, zakaznik, faktura, {{"JMENO", "JMENO"}, {"MESTO", "MESTO"}},
                                            "FK_FAKTURA_JMENO", "2", "3");
  byName->SetComment("Odběratel podle jména a města");
  AddReference(m, obdobi, faktura, {{"ROK", "ROK"}, {"MESIC", "MESIC"}}, "FK_FAKTURA_OBDOBI", "3", "0");
  AddReference(m, faktura, faktura, {{"CISLO", "PREDCHOZI"}}, "FK_FAKTURA_PREDCHOZI");
}

// References whose pairs list the key's columns in another order than the key: against a
// two-column primary key whose columns are not the first of their table, and against a
// two-column unique constraint.
void BuildPermutedPairs(Morvik::TModel* m, const std::string&) {
  Morvik::TTable* period = AddTable(m, "PERIOD",
                                    {{"NOTE", "VARCHAR", {{"Length", "20"}}},
                                     {"YR", "SMALLINT", {}, {}, true},
                                     {"MON", "SMALLINT", {}, {}, true}});
  Morvik::TTable* place = AddTable(m, "PLACE",
                                   {{"ID", "INTEGER", {}, {}, true},
                                    {"X", "INTEGER", {}, {{"NotNull", "1"}}},
                                    {"Y", "INTEGER", {}, {{"NotNull", "1"}}}});
  AddUnique(place, {"X", "Y"});
  Morvik::TTable* visit = AddTable(m, "VISIT",
                                   {{"ID", "INTEGER", {}, {}, true},
                                    {"V_MON", "SMALLINT"},
                                    {"V_YR", "SMALLINT"},
                                    {"B1", "INTEGER"},
                                    {"B2", "INTEGER"}});
  AddReference(m, period, visit, {{"MON", "V_MON"}, {"YR", "V_YR"}}, "FK_VISIT_PERIOD");
  AddReference(m, place, visit, {{"Y", "B2"}, {"X", "B1"}}, "FK_VISIT_PLACE");
}

void CheckPermutedPairs(const ExtractedSchema& schema) {
  ASSERT_EQ(schema.foreignKeys.size(), 2u);
  for (const ExtractedForeignKey& key : schema.foreignKeys) {
    if (key.name == "FK_VISIT_PERIOD") {
      EXPECT_EQ(key.childColumns, (std::vector<std::string>{"V_YR", "V_MON"}));
      EXPECT_EQ(key.parentColumns, (std::vector<std::string>{"YR", "MON"}));
    } else {
      EXPECT_EQ(key.childColumns, (std::vector<std::string>{"B1", "B2"}));
      EXPECT_EQ(key.parentColumns, (std::vector<std::string>{"X", "Y"}));
    }
  }
}

// The script creates its own database: user, page size, length and default character set.
void BuildDatabaseOn(Morvik::TModel* m, const std::string& path) {
  SetParam(m, "DataBase", "1");
  SetParam(m, "DataBaseFile", path);
  SetParam(m, "User", "SYSDBA");
  SetParam(m, "Password", "masterkey");
  SetParam(m, "PageSize", "8192");
  SetParam(m, "FileLength", "2000");
  SetParam(m, "CharSet", "WIN1250");
  m->SetComment("Databáze skladu");
  Morvik::TTable* sklad = AddTable(
      m, "SKLAD",
      {{"ID", "INTEGER", {}, {}, true},
       {"NAZEV",
        "VARCHAR",
        {{"Length", "30"}},
        {{"Default", "1"}, {"DefaultValue", "Hlavní sklad Čelákovice"}, {"Check", "(NAZEV <> 'ŘEŽ')"}}}});
  Morvik::TTable* polozka = AddTable(m, "POLOZKA",
                                     {{"SKLAD", "INTEGER", {}, {}, true},
                                      {"CISLO", "INTEGER", {}, {}, true},
                                      {"POPIS", "BLOB", {{"SubType", "1"}}}});
  AddReference(m, sklad, polozka, {{"ID", "SKLAD"}}, "FK_POLOZKA_SKLAD", "1", "1");
}

void CheckDatabaseOn(const ExtractedSchema& schema) {
  EXPECT_NE(schema.text.find("PAGE_SIZE 8192 DEFAULT CHARACTER SET WIN1250"), std::string::npos);
  const ExtractedTable* t = schema.Table("SKLAD");
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->Column("NAZEV")->definition, "VARCHAR(30) DEFAULT 'Hlavní sklad Čelákovice'");
  EXPECT_EQ(t->checks, std::vector<std::string>{"(NAZEV <> 'ŘEŽ')"});
}

// Columns typed by domains of the model.
void BuildDomainColumns(Morvik::TModel* m, const std::string&) {
  AddItem(m, "Domains",
          {{"Name", "DMONEY"},
           {"DataType", "0"},
           {"Precision", "12"},
           {"Scale", "2"},
           {"Default", "0"},
           {"Check", "(VALUE >= 0)"}});
  AddItem(m, "Domains", {{"Name", "DKOD"}, {"DataType", "3"}, {"Length", "10"}, {"CharSet", "WIN1250"}});
  AddTable(m, "UCET",
           {{"KOD", "DOMAIN", {{"DomainName", "DKOD"}}, {}, true},
            {"ZUSTATEK", "DOMAIN", {{"DomainName", "DMONEY"}}},
            {"LIMIT_CASTKA", "DOMAIN", {{"DomainName", "DMONEY"}}, {{"Check", "(LIMIT_CASTKA < 1000000)"}}}});
}

void CheckDomainColumns(const ExtractedSchema& schema) {
  std::vector<std::string> domains = schema.NamesAfter("CREATE DOMAIN");
  std::sort(domains.begin(), domains.end());
  EXPECT_EQ(domains, (std::vector<std::string>{"DKOD", "DMONEY"}));
  const ExtractedTable* t = schema.Table("UCET");
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->Column("KOD")->definition, "DKOD NOT NULL");
  EXPECT_EQ(t->Column("ZUSTATEK")->definition, "DMONEY");
  EXPECT_EQ(t->checks, std::vector<std::string>{"(LIMIT_CASTKA < 1000000)"});
}

// A table's trigger that calls a procedure, which reads a table made after the trigger's own.
void BuildTriggerCallsProcedure(Morvik::TModel* m, const std::string&) {
  AddTable(m, "SALES", {{"ID", "INTEGER", {}, {}, true}, {"SALES_REP", "INTEGER"}});
  AddTable(m, "EMP_PROJ",
           {{"EMP_NO", "INTEGER", {}, {}, true}, {"PROJ_ID", "CHAR", {{"Length", "5"}}, {}, true}});
  Morvik::TParamObject* proc = AddItem(
      m, "Procedures",
      {{"Name", "GET_EMP_PROJ"},
       {"TermString", "^"},
       {"Body", "FOR SELECT PROJ_ID FROM EMP_PROJ WHERE EMP_NO = :EMP_NO INTO :PROJ_ID DO SUSPEND;"}});
  AddItem(proc, "Parametres", {{"Name", "EMP_NO"}, {"DataType", "7"}});
  AddItem(proc, "ReturnValues ", {{"Name", "PROJ_ID"}, {"DataType", "2"}, {"Length", "5"}});
  Morvik::TParamObject* trigger =
      AddItem(m->GetTable(0), "Triggers",
              {{"Name", "POST_NEW_ORDER"},
               {"Active", "1"},
               {"Place", "1"},
               {"Operation", "0"},
               {"TermString", "^"},
               {"Body", "FOR SELECT PROJ_ID FROM GET_EMP_PROJ(NEW.SALES_REP) INTO :P DO POST_EVENT P;"}});
  AddItem(trigger, "Variables", {{"Name", "P"}, {"DataType", "2"}, {"Length", "5"}});
}

// A table's trigger that writes into a table made after its own, through a view.
void BuildTriggerInsertsIntoLaterTable(Morvik::TModel* m, const std::string&) {
  AddTable(m, "ITEM", {{"ID", "INTEGER", {}, {}, true}, {"PRICE", "INTEGER"}});
  AddTable(m, "PRICE_LOG", {{"ITEM_ID", "INTEGER"}, {"PRICE", "INTEGER"}});
  AddItem(m, "Views", {{"Name", "V_PRICE_LOG"}, {"Select", "SELECT ITEM_ID, PRICE FROM PRICE_LOG"}});
  AddItem(m->GetTable(0), "Triggers",
          {{"Name", "ITEM_PRICE_LOG"},
           {"Active", "1"},
           {"Place", "1"},
           {"Operation", "2"},
           {"TermString", "^"},
           {"Body", "INSERT INTO PRICE_LOG (ITEM_ID, PRICE) VALUES (NEW.ID, NEW.PRICE);\n"
                    "INSERT INTO V_PRICE_LOG (ITEM_ID, PRICE) VALUES (OLD.ID, OLD.PRICE);"}});
}

// The extracted schema holds the trigger, named name.
std::function<void(const ExtractedSchema&)> HasTrigger(const std::string& name) {
  return [name](const ExtractedSchema& schema) {
    const std::vector<std::string> triggers = schema.NamesAfter("CREATE TRIGGER");
    EXPECT_NE(std::find(triggers.begin(), triggers.end(), name), triggers.end()) << schema.text;
  };
}

// Builds the model's schema with Drop off on a new database, then runs its script with Drop
// on over it: the exit code of isql (it stops at the first refused statement) and the schema
// read back before and after.
struct DropRun {
  int exitCode = -1;
  std::string output, script;
  ExtractedSchema before, after;
};

DropRun RunDropOverBuiltSchema(Morvik::TModel* m) {
  DropRun run;
  FirebirdDatabase db;
  SetParam(m, "Drop", "0");
  const ScriptRun built = RunModelScript(m, db, false);
  EXPECT_TRUE(built.ok);
  run.before = built.schema;
  SetParam(m, "Drop", "1");
  run.script = m->Generate();
  const ProcessResult result = db.RunScript(run.script, false);
  run.exitCode = result.exitCode;
  run.output = result.output;
  const ProcessResult extract = db.Extract();
  EXPECT_EQ(extract.exitCode, 0) << extract.output;
  run.after = ParseExtract(extract.output);
  return run;
}

// Foreign keys without a name in a chain of three tables, made from the middle, and one to
// its own table: the script with Drop on drops every child before its parent, and re-creates
// the schema over itself.
TEST_F(PluginModelTest, DropOnRecreatesTablesJoinedByUnnamedKeys) {
  Morvik::TTable* line =
      AddTable(model.get(), "ORDER_LINE",
               {{"ID", "INTEGER", {}, {}, true}, {"ORDER_ID", "INTEGER"}, {"NEXT_ID", "INTEGER"}});
  Morvik::TTable* item =
      AddTable(model.get(), "LINE_NOTE", {{"ID", "INTEGER", {}, {}, true}, {"LINE_ID", "INTEGER"}});
  Morvik::TTable* order = AddTable(model.get(), "ORDERS", {{"ID", "INTEGER", {}, {}, true}});
  AddReference(model.get(), order, line, {{"ID", "ORDER_ID"}});
  AddReference(model.get(), line, item, {{"ID", "LINE_ID"}});
  AddReference(model.get(), line, line, {{"ID", "NEXT_ID"}});

  const DropRun run = RunDropOverBuiltSchema(model.get());
  ASSERT_EQ(run.exitCode, 0) << run.output << "\n--- script ---\n" << run.script;
  ASSERT_EQ(run.before.foreignKeys.size(), 3u);
  EXPECT_EQ(run.after.statements, run.before.statements);
  ExpectSchemaMatchesModel(run.after, model.get());
}

// Foreign keys without a name that form a cycle: no order of DROP TABLE removes their tables.
// While Drop is on the check warns at each of them, and the script with Drop on is refused
// over the built schema exactly when the check warns.
TEST_F(PluginModelTest, UnnamedKeysInACycleWarnWhereDropIsRefused) {
  const char* const inCycle = "Must be named for DROP because it's part of a cycle of unnamed foreign keys";
  struct Key {
    const char* parent;
    const char* child;
    const char* name;
    bool warns;
  };
  struct Case {
    const char* what;
    std::vector<const char*> tables;
    std::vector<Key> keys;
  };
  const std::vector<Case> cases = {
      {"two unnamed keys", {"A", "B"}, {{"A", "B", "", true}, {"B", "A", "", true}}},
      {"one of the two named", {"A", "B"}, {{"A", "B", "FK_B_A", false}, {"B", "A", "", false}}},
      {"three in a cycle and one leading out",
       {"A", "B", "C", "D"},
       {{"A", "B", "", true}, {"B", "C", "", true}, {"C", "A", "", true}, {"C", "D", "", false}}},
      {"a key to its own table", {"A"}, {{"A", "A", "", false}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ModelPtr m(plugin.Models()->CreateModel(0));
    std::map<std::string, Morvik::TTable*> tables;
    for (const char* name : c.tables)
      tables[name] =
          AddTable(m.get(), name, {{"K", "INTEGER", {}, {}, true}, {"R1"}, {"R2"}, {"R3"}, {"R4"}});
    std::vector<Morvik::TReference*> references;
    for (const Key& key : c.keys)
      references.push_back(AddReference(m.get(), tables[key.parent], tables[key.child],
                                        {{"K", "R" + std::to_string(references.size() + 1)}}, key.name));
    SetParam(m.get(), "Drop", "0");
    for (Morvik::TReference* r : references) EXPECT_EQ(r->Check(-1), nullptr) << "Drop off";

    const DropRun run = RunDropOverBuiltSchema(m.get());
    bool anyWarns = false;
    for (std::size_t i = 0; i < references.size(); ++i) {
      const char* found = references[i]->Check(-1);
      EXPECT_EQ(std::string(found ? found : "(null)"), c.keys[i].warns ? inCycle : "(null)") << i;
      anyWarns = anyWarns || c.keys[i].warns;
    }
    EXPECT_EQ(run.exitCode != 0, anyWarns) << run.output << "\n--- script ---\n" << run.script;
  }
}

// The checks that warn of texts the server refuses: every case is checked and its script run
// on a new database, which refuses it exactly when the check warns.
TEST_F(PluginModelTest, ChecksWarnWhereTheServerRefuses) {
  const char* const noLength = "Varying character type must have a length";
  const char* const noType = "You must specify data type";
  const char* const noTime = "Trigger must fire BEFORE or AFTER";
  const char* const noEvent = "Trigger must fire on INSERT, DELETE or UPDATE";
  const char* const nullDefault = "Can't default to NULL because it's NOT NULL";
  using Object = Morvik::TParamObject;
  struct Case {
    const char* what;
    std::function<Object*(Morvik::TModel*)> build; // the object that warns
    int pos;
    const char* message; // nullptr: the script runs
  };
  // Column A of table T, resp. its data-type object.
  auto addColumn = [](Morvik::TModel* m, const ColumnSpec& spec) {
    return AddTable(m, "T", {{"ID", "INTEGER", {}, {}, true}, spec})->GetColumn(1);
  };
  auto column = [addColumn](const ColumnSpec& spec) {
    return [=](Morvik::TModel* m) -> Object* { return addColumn(m, spec); };
  };
  auto columnType = [addColumn](const ColumnSpec& spec) {
    return [=](Morvik::TModel* m) -> Object* { return addColumn(m, spec)->GetDataType(); };
  };
  using ItemValues = std::initializer_list<std::pair<std::string, std::string>>;
  auto domain = [](ItemValues values) {
    return [values = std::vector<std::pair<std::string, std::string>>(values)](Morvik::TModel* m) {
      Object* d = AddItem(m, "Domains", {{"Name", "D"}});
      for (const auto& [name, value] : values) SetParam(d, name, value);
      return d;
    };
  };
  // A trigger on T; body and terminator make a valid trigger.
  auto trigger = [](ItemValues values) {
    return [values = std::vector<std::pair<std::string, std::string>>(values)](Morvik::TModel* m) {
      Morvik::TTable* t = AddTable(m, "T", {{"ID", "INTEGER", {}, {}, true}});
      Object* tr =
          AddItem(t, "Triggers", {{"Name", "TR"}, {"TermString", "^"}, {"Body", "IF (1 = 0) THEN EXIT;"}});
      for (const auto& [name, value] : values) SetParam(tr, name, value);
      return tr;
    };
  };
  auto triggerVariable = [trigger](ItemValues values) {
    return [values = std::vector<std::pair<std::string, std::string>>(values),
            build = trigger({})](Morvik::TModel* m) {
      Object* v = AddItem(build(m), "Variables", {{"Name", "V"}});
      for (const auto& [name, value] : values) SetParam(v, name, value);
      return v;
    };
  };
  auto procedureParameter = [](ItemValues values) {
    return [values = std::vector<std::pair<std::string, std::string>>(values)](Morvik::TModel* m) {
      Object* p = AddItem(m, "Procedures", {{"Name", "P"}, {"TermString", "^"}, {"Body", "R = 1;"}});
      AddItem(p, "ReturnValues ", {{"Name", "R"}, {"DataType", "7"}});
      Object* a = AddItem(p, "Parametres", {{"Name", "A"}});
      for (const auto& [name, value] : values) SetParam(a, name, value);
      return a;
    };
  };
  const std::vector<Case> cases = {
      {"VARCHAR column without a length", columnType({"A", "VARCHAR"}), 0, noLength},
      {"VARCHAR column with a length", columnType({"A", "VARCHAR", {{"Length", "10"}}}), 0, nullptr},
      {"NATIONAL CHARACTER VARYING column without a length", columnType({"A", "NATIONAL CHARACTER VARYING"}),
       0, noLength},
      {"CHAR column without a length", columnType({"A", "CHAR"}), 0, nullptr},
      {"VARCHAR domain without a length", domain({{"DataType", "3"}}), 8, noLength},
      {"NCHAR VARYING domain without a length", domain({{"DataType", "5"}}), 8, noLength},
      {"NCHAR VARYING domain with a length", domain({{"DataType", "5"}, {"Length", "5"}}), 8, nullptr},
      {"VARCHAR procedure parameter without a length", procedureParameter({{"DataType", "3"}}), 4, noLength},
      {"NCHAR VARYING trigger variable without a length", triggerVariable({{"DataType", "5"}}), 4, noLength},
      {"domain whose type names no data type", domain({{"DataType", "-1"}}), 5, noType},
      {"domain without a type value is NUMERIC", domain({}), 5, nullptr},
      {"column without a data-type object",
       [](Morvik::TModel* m) -> Object* {
         Morvik::TTable* t = AddTable(m, "T", {{"ID", "INTEGER", {}, {}, true}, {"A"}});
         t->GetColumn(1)->SetDataType(99);
         return t->GetColumn(1);
       },
       -1, noType},
      {"trigger at a time that does not exist", trigger({{"Place", "2"}}), 2, noTime},
      {"trigger at a negative time", trigger({{"Place", "-1"}}), 2, noTime},
      {"trigger on an event that does not exist", trigger({{"Operation", "3"}}), 3, noEvent},
      {"trigger after update", trigger({{"Place", "1"}, {"Operation", "2"}}), 3, nullptr},
      {"NOT NULL column defaulting to NULL",
       column({"A", "INTEGER", {}, {{"Default", "2"}, {"NotNull", "1"}}}), 2, nullDefault},
      {"unique column defaulting to NULL", column({"A", "INTEGER", {}, {{"Default", "2"}, {"Unique", "1"}}}),
       2, nullDefault},
      {"key column defaulting to NULL",
       [](Morvik::TModel* m) -> Object* {
         return AddTable(m, "T", {{"A", "INTEGER", {}, {{"Default", "2"}}, true}})->GetColumn(0);
       },
       2, nullDefault},
      {"nullable column defaulting to NULL", column({"A", "INTEGER", {}, {{"Default", "2"}}}), 2, nullptr},
  };
  FirebirdDatabase empty;
  ASSERT_EQ(empty.RunScript("", false).exitCode, 0);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ModelPtr m(plugin.Models()->CreateModel(0));
    Object* object = c.build(m.get());
    const char* found = object->Check(c.pos);
    EXPECT_EQ(found ? found : "(null)", std::string(c.message ? c.message : "(null)"));
    FirebirdDatabase db;
    db.CopyFrom(empty);
    const std::string script = m->Generate();
    const ProcessResult run = db.RunScript(script, false);
    EXPECT_EQ(run.exitCode != 0, c.message != nullptr) << run.output << "\n--- script ---\n" << script;
  }
}

const std::vector<FirebirdFixture> Fixtures = {
    {"DataTypes", false, BuildDataTypes, CheckDataTypes},
    {"ArraysAndCharacterSets", false, BuildArraysAndCharacterSets, CheckArrays},
    {"ColumnConstraints", false, BuildColumnConstraints, CheckColumnConstraints},
    {"KeysAndForeignKeys", false, BuildKeys},
    {"PermutedPairs", false, BuildPermutedPairs, CheckPermutedPairs},
    {"DomainColumns", false, BuildDomainColumns, CheckDomainColumns},
    {"DatabaseOn", true, BuildDatabaseOn, CheckDatabaseOn},
    {"TriggerCallsProcedure", false, BuildTriggerCallsProcedure, HasTrigger("POST_NEW_ORDER")},
    {"TriggerInsertsIntoLaterTable", false, BuildTriggerInsertsIntoLaterTable, HasTrigger("ITEM_PRICE_LOG")},
};

INSTANTIATE_TEST_SUITE_P(Tables, FirebirdScriptTest, ::testing::ValuesIn(Fixtures), FirebirdFixtureName);

} // namespace
