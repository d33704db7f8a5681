// Whole scripts of fixture models, generated through the loaded plug-in, must run on a new
// Firebird database, and the schema read back must name the model's tables, columns and
// constraints.
#include <algorithm>
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
  // Every ON DELETE and every ON UPDATE option at least once. The server wants the
  // referenced columns in the order of the key (the model's check accepts any order).
  AddReference(m, zakaznik, faktura, {{"ID", "ZAKAZNIK"}}, "FK_FAKTURA_ZAKAZNIK", "0", "1");
  AddReference(m, zakaznik, faktura, {{"ICO", "ICO"}}, "", "1", "2");
  Morvik::TReference* byName = AddReference(m, zakaznik, faktura, {{"JMENO", "JMENO"}, {"MESTO", "MESTO"}},
                                            "FK_FAKTURA_JMENO", "2", "3");
  byName->SetComment("Odběratel podle jména a města");
  AddReference(m, obdobi, faktura, {{"ROK", "ROK"}, {"MESIC", "MESIC"}}, "FK_FAKTURA_OBDOBI", "3", "0");
  AddReference(m, faktura, faktura, {{"CISLO", "PREDCHOZI"}}, "FK_FAKTURA_PREDCHOZI");
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

const std::vector<FirebirdFixture> Fixtures = {
    {"DataTypes", false, BuildDataTypes, CheckDataTypes},
    {"ArraysAndCharacterSets", false, BuildArraysAndCharacterSets, CheckArrays},
    {"ColumnConstraints", false, BuildColumnConstraints, CheckColumnConstraints},
    {"KeysAndForeignKeys", false, BuildKeys},
    {"DomainColumns", false, BuildDomainColumns, CheckDomainColumns},
    {"DatabaseOn", true, BuildDatabaseOn, CheckDatabaseOn},
};

INSTANTIATE_TEST_SUITE_P(Tables, FirebirdScriptTest, ::testing::ValuesIn(Fixtures), FirebirdFixtureName);

} // namespace
