// The InterBase model through the plug-in interface: its containers, its parameters, the
// whole script and the check of its own parameters.
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/PluginModel.h"

using namespace SchemaTest;

namespace {

using Morvik::TParamObject;

TEST_F(PluginModelTest, NewModelIsEmptyAndDescribesItself) {
  EXPECT_EQ(model->GetTableCount(), 0);
  EXPECT_EQ(model->GetReferenceCount(), 0);
  EXPECT_EQ(model->GetReverse(), nullptr);
  EXPECT_EQ(model->GetReverseSources(), nullptr);
  EXPECT_STREQ(model->GetName(), "InterBase 6");
  EXPECT_EQ(model->GetDataTypeCount(), 15);
  ASSERT_EQ(model->GetParamCount(), 14);
  ASSERT_EQ(model->GetListParamCount(), 8);
  for (int i = 0; i < 14; ++i) EXPECT_STREQ(model->GetParamValue(i), "") << i;
  for (int i = 0; i < 8; ++i) EXPECT_EQ(model->GetListParam(i)->GetItemsCount(), 0) << i;
  EXPECT_STREQ(model->GetComment(), "");

  // The model answers as the static description of the model list.
  Morvik::TModelInfo* info = plugin.Models()->GetModelInfo(0);
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(model->GetTableInfo(), info->GetTableInfo());
  EXPECT_EQ(model->GetColumnInfo(), info->GetColumnInfo());
  EXPECT_EQ(model->GetReferenceInfo(), info->GetReferenceInfo());
  EXPECT_EQ(model->GetParam(0), info->GetParam(0));
  EXPECT_EQ(model->GetListParamInfo(7), info->GetListParamInfo(7));
  EXPECT_EQ(model->GetDataTypeInfo(14), info->GetDataTypeInfo(14));
  EXPECT_STREQ(info->GetName(), "InterBase 6");
  EXPECT_EQ(info->GetReverseSources(), nullptr);
}

TEST_F(PluginModelTest, TablesKeepCreationOrderWhenOneIsDeleted) {
  Morvik::TTable* t0 = model->NewTable();
  Morvik::TTable* t1 = model->NewTable();
  Morvik::TTable* t2 = model->NewTable();
  EXPECT_EQ(model->GetTable(0), t0);
  EXPECT_EQ(model->GetTable(2), t2);
  EXPECT_STREQ(t1->GetName(), "");

  model->DeleteTable(t1);
  ASSERT_EQ(model->GetTableCount(), 2);
  EXPECT_EQ(model->GetTable(0), t0);
  EXPECT_EQ(model->GetTable(1), t2);

  model->DeleteTable(nullptr);
  model->DeleteReference(nullptr);
  EXPECT_EQ(model->GetTableCount(), 2);
}

TEST_F(PluginModelTest, ReferencesKeepTheirTablesAndOrder) {
  Morvik::TTable* t = model->NewTable();
  Morvik::TTable* u = model->NewTable();
  Morvik::TReference* self = model->NewReference(t, t);
  Morvik::TReference* r = model->NewReference(t, u);
  EXPECT_EQ(self->GetParentTable(), t);
  EXPECT_EQ(self->GetChildTable(), t);
  EXPECT_EQ(r->GetParentTable(), t);
  EXPECT_EQ(r->GetChildTable(), u);
  EXPECT_EQ(r->GetPairCount(), 0);
  EXPECT_STREQ(r->GetName(), "");

  model->DeleteReference(self);
  ASSERT_EQ(model->GetReferenceCount(), 1);
  EXPECT_EQ(model->GetReference(0), r);
}

// A column used on the parent side of one pair and on the child side of another loses both
// pairs, in every reference of the model; other pairs keep their order.
TEST_F(PluginModelTest, DeletingAColumnRemovesEveryPairThatUsesIt) {
  Morvik::TTable* a = AddTable(model.get(), "A", {{"ID"}, {"X"}, {"Y"}});
  Morvik::TTable* b = AddTable(model.get(), "B", {{"ID"}, {"P"}, {"Q"}});
  Morvik::TReference* ab = AddReference(model.get(), a, b, {{"X", "P"}, {"ID", "ID"}, {"Y", "Q"}});
  Morvik::TReference* ba = AddReference(model.get(), b, a, {{"ID", "X"}, {"Q", "Y"}});

  a->DeleteColumn(1); // X
  ASSERT_EQ(a->GetColumnCount(), 2);
  EXPECT_STREQ(a->GetColumn(1)->GetName(), "Y");
  ASSERT_EQ(ab->GetPairCount(), 2);
  EXPECT_STREQ(ab->GetPairColumn(0, 0)->GetName(), "ID");
  EXPECT_STREQ(ab->GetPairColumn(0, 1)->GetName(), "Y");
  ASSERT_EQ(ba->GetPairCount(), 1);
  EXPECT_STREQ(ba->GetPairColumn(1, 0)->GetName(), "Y");

  // A reference whose last pair goes stays in the model.
  b->DeleteColumn(2); // Q
  b->DeleteColumn(1); // P
  EXPECT_EQ(ba->GetPairCount(), 0);
  EXPECT_EQ(model->GetReferenceCount(), 2);
}

struct ParamRow {
  int pos;
  const char* name;
  Morvik::TParamKind kind;
  int kindIndex;
  int dependParam;
  const char* dependValues;
  int type; // TParamType for scalars, -1 for lists
  const char* help;
};

TEST_F(PluginModelTest, ParametersInPositionOrder) {
  using Morvik::pkScalar;
  using Morvik::pkVector;
  const std::vector<ParamRow> rows = {
      {0, "DataBase", pkScalar, 0, -1, "", 2, "Create database?"},
      {1, "DataBaseFile", pkScalar, 1, 0, "1", 0, "Name of primary database file"},
      {2, "User", pkScalar, 2, 0, "1", 0, "Login name:You must specify this if you aren't conneceted"},
      {3, "Password", pkScalar, 3, 0, "1", 0, "Login password"},
      {4, "PageSize", pkScalar, 4, 0, "1", 1, "Size of one page in BYTES"},
      {5, "FileLength", pkScalar, 5, 0, "1", 1, "Size of primary database file in PAGES"},
      {6, "CharSet", pkScalar, 6, 0, "1", 0, "Default character set"},
      {7, "SecFiles", pkVector, 0, 0, "1", -1, "Secondary database files"},
      {8, "Shadow", pkScalar, 7, -1, "", 2, "Create shadow?"},
      {9, "SetNumber", pkScalar, 8, 7, "1", 1, "Identifies group of shadow files"},
      {10, "Mode", pkScalar, 9, 7, "1", 3, "Shadow ctivation should be automatic/maual"},
      {11, "Conditional", pkScalar, 10, 7, "1", 2, "Shadow will continue after activation"},
      {12, "ShadowFile", pkScalar, 11, 7, "1", 0, "Name of primary database file"},
      {13, "ShadowLength", pkScalar, 12, 7, "1", 1, "Size of primary shadow file in PAGES"},
      {14, "SecShadowFiles", pkVector, 1, 7, "1", -1, "Secondary shadow files"},
      {15, "Domains", pkVector, 2, -1, "", -1, "Common column types"},
      {16, "Generators", pkVector, 3, -1, "", -1, "Sequential number generators"},
      {17, "Exceptions", pkVector, 4, -1, "", -1, "User-defined error messages for triggers&procedures"},
      {18, "Roles", pkVector, 5, -1, "", -1, "Collections of privileges"},
      {19, "Views", pkVector, 6, -1, "", -1, "List of views"},
      {20, "Procedures", pkVector, 7, -1, "", -1, "List of stored procedures"},
      {21, "Drop", pkScalar, 13, -1, "", 2, "Drop objects before CREATE"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(model->GetParamKind(row.pos), row.kind);
    EXPECT_EQ(model->GetKindIndex(row.pos), row.kindIndex);
    EXPECT_EQ(model->GetDependParam(row.pos), row.dependParam);
    EXPECT_STREQ(model->GetDependValues(row.pos), row.dependValues);
    if (row.kind == pkScalar) {
      const Morvik::TParamInfo* info = model->GetParam(row.kindIndex);
      EXPECT_STREQ(info->GetName(), row.name);
      EXPECT_STREQ(info->GetHelp(), row.help);
      EXPECT_EQ(info->GetType(), row.type);
      EXPECT_EQ(info->GetFlag(), 1);
      if (row.pos != 10) {
        EXPECT_EQ(info->GetOptionCount(), 0);
      }
    } else {
      const Morvik::TListParamInfo* info = model->GetListParamInfo(row.kindIndex);
      EXPECT_STREQ(info->GetName(), row.name);
      EXPECT_STREQ(info->GetHelp(), row.help);
      EXPECT_EQ(info->GetItemNameParam(), 0);
    }
  }
  const Morvik::TParamInfo* mode = model->GetParam(9);
  ASSERT_EQ(mode->GetOptionCount(), 3);
  EXPECT_STREQ(mode->GetOption(0), "");
  EXPECT_STREQ(mode->GetOption(1), "AUTO ");
  EXPECT_STREQ(mode->GetOption(2), "MANUAL ");
  // The two file lists share their item description, each list its own description.
  EXPECT_NE(model->GetListParamInfo(0), model->GetListParamInfo(1));
  EXPECT_EQ(model->GetListParamInfo(0)->GetParam(0), model->GetListParamInfo(1)->GetParam(0));
}

struct ScriptCase {
  const char* what;
  std::vector<std::pair<const char*, const char*>> values;
  const char* comment;
  const char* script;
};

TEST_F(PluginModelTest, DatabaseAndShadowStatements) {
  const std::vector<ScriptCase> cases = {
      {"new model", {}, "", ""},
      {"comment alone", {}, "a note", "/*a note*/\n"},
      {"database file only", {{"DataBase", "1"}, {"DataBaseFile", "D"}}, "", "CREATE DATABASE 'D';\n\n"},
      {"database off", {{"DataBase", "0"}, {"DataBaseFile", "D"}}, "", ""},
      {"database with blanks", {{"DataBase", " 1"}, {"DataBaseFile", "D"}}, "", ""},
      {"shadow not exactly 1", {{"Shadow", "1 "}, {"ShadowFile", "S"}}, "", ""},
      {"password without user",
       {{"DataBase", "1"}, {"DataBaseFile", "D"}, {"Password", "P"}},
       "",
       "CREATE DATABASE 'D';\n\n"},
      {"every database clause",
       {{"DataBase", "1"},
        {"DataBaseFile", "d.fdb"},
        {"User", "U"},
        {"Password", "P"},
        {"PageSize", "4096"},
        {"FileLength", "500"},
        {"CharSet", "WIN1250"}},
       "",
       "CREATE DATABASE 'd.fdb'\n\tUSER 'U' PASSWORD 'P'\n\tPAGE_SIZE = 4096"
       "\n\tLENGTH = 500 PAGES\n\tDEFAULT CHARACTER SET WIN1250;\n\n"},
      {"example of database and shadow",
       {{"DataBase", "1"},
        {"DataBaseFile", "D"},
        {"User", "U"},
        {"PageSize", "4096"},
        {"Shadow", "1"},
        {"SetNumber", "1"},
        {"Mode", "1"},
        {"ShadowFile", "S"},
        {"ShadowLength", "100"}},
       "",
       "CREATE DATABASE 'D'\n\tUSER 'U'\n\tPAGE_SIZE = 4096;\n\n"
       "CREATE SHADOW 1 AUTO 'S' \n\tLENGTH = 100 PAGES;\n\n"},
      {"plain shadow",
       {{"Shadow", "1"}, {"SetNumber", "2"}, {"Mode", "0"}, {"Conditional", "0"}, {"ShadowFile", "S"}},
       "",
       "CREATE SHADOW 2 'S' ;\n\n"},
      {"manual conditional shadow",
       {{"Shadow", "1"}, {"SetNumber", "2"}, {"Mode", "2"}, {"Conditional", "1"}, {"ShadowFile", "S"}},
       "",
       "CREATE SHADOW 2 MANUAL CONDITIONAL 'S' ;\n\n"},
      {"mode naming no option",
       {{"Shadow", "1"}, {"SetNumber", "2"}, {"Mode", "7"}, {"ShadowFile", "S"}},
       "",
       "CREATE SHADOW 2 'S' ;\n\n"},
      {"negative mode",
       {{"Shadow", "1"}, {"SetNumber", "2"}, {"Mode", "-1"}, {"ShadowFile", "S"}},
       "",
       "CREATE SHADOW 2 'S' ;\n\n"},
      {"values written as stored",
       {{"DataBase", "1"}, {"DataBaseFile", "it's.fdb"}, {"PageSize", "big"}},
       "x",
       "/*x*/\nCREATE DATABASE 'it's.fdb'\n\tPAGE_SIZE = big;\n\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ModelPtr m(plugin.Models()->CreateModel(0));
    for (const auto& [name, value] : c.values) SetParam(m.get(), name, value);
    m->SetComment(c.comment);
    EXPECT_EQ(std::string(m->Generate()), c.script);
    EXPECT_EQ(std::string(m->Generate()), c.script) << "a second Generate differs";
  }
}

TEST_F(PluginModelTest, SecondaryFilesStandInTheirStatements) {
  SetParam(model.get(), "DataBase", "1");
  SetParam(model.get(), "DataBaseFile", "D");
  SetParam(model.get(), "Shadow", "1");
  SetParam(model.get(), "SetNumber", "1");
  SetParam(model.get(), "ShadowFile", "S");
  TParamObject* f1 = AddItem(model.get(), "SecFiles", {{"FileName", "F1"}, {"Length", "10"}});
  TParamObject* f2 = AddItem(model.get(), "SecFiles", {{"FileName", "F2"}});
  TParamObject* s1 = AddItem(model.get(), "SecShadowFiles", {{"FileName", "S1"}});
  const std::string t1 = f1->Generate(), t2 = f2->Generate(), ts = s1->Generate();
  EXPECT_EQ(std::string(model->Generate()), "CREATE DATABASE 'D'\n\t" + t1 + "\n\t" + t2 + ";\n\n" +
                                                "CREATE SHADOW 1 'S' \n\t" + ts + ";\n\n");
}

// Schema-level objects come first, then every table with its indexes, then every reference,
// then views and procedures, whose bodies name tables, and the triggers of every table last:
// their bodies may name any of these.
TEST_F(PluginModelTest, WholeScriptOrder) {
  Morvik::TTable* t1 = AddTable(model.get(), "T1", {{"A", "INTEGER", {}, {}, true}});
  Morvik::TTable* t2 = AddTable(model.get(), "T2", {{"B"}});
  Morvik::TReference* r = AddReference(model.get(), t1, t2, {{"A", "B"}});
  Morvik::TTable* t3 = AddTable(model.get(), "T3", {{"C"}});
  TParamObject* index = AddItem(t3, "Indexes", {{"Name", "IX"}});
  AddItem(index, "Columns", {{"Column", "C"}});
  std::vector<TParamObject*> first, last;
  for (const char* list : {"Domains", "Generators", "Exceptions", "Roles"})
    first.push_back(AddItem(model.get(), list, {{"Name", std::string("X_") + list}}));
  for (const char* list : {"Views", "Procedures"})
    last.push_back(AddItem(model.get(), list, {{"Name", std::string("X_") + list}}));
  // Two items of one list keep their order.
  first.push_back(AddItem(model.get(), "Roles", {{"Name", "Y_Roles"}}));

  std::string expected;
  for (TParamObject* item : first) expected += item->Generate();
  // The tables' texts before they have triggers: each with its indexes.
  for (Morvik::TTable* t : {t1, t2, t3}) expected += t->Generate();
  expected += r->Generate();
  for (TParamObject* item : last) expected += item->Generate();
  for (auto [table, name] : {std::pair{t3, "TR_3A"}, {t1, "TR_1"}, {t3, "TR_3B"}})
    AddItem(table, "Triggers", {{"Name", name}, {"TermString", "^"}, {"Body", "X = 1;"}});
  for (Morvik::TTable* t : {t1, t3}) {
    Morvik::TListParam* triggers = List(t, "Triggers");
    for (int i = 0; i < triggers->GetItemsCount(); ++i) expected += triggers->GetItem(i)->Generate();
  }
  for (const char* part :
       {"CREATE TABLE T3", "INDEX IX", "TRIGGER TR_1 ", "TRIGGER TR_3A ", "TRIGGER TR_3B "})
    ASSERT_NE(expected.find(part), std::string::npos) << part;
  EXPECT_EQ(std::string(model->Generate()), expected);
}

// With every kind of object filled in, the whole script is each object's own text, in script
// order: the script writes them straight into its own text. With Drop on, each object's own
// text starts with its DROP, but the script drops everything first, in the reverse order,
// and then creates it exactly as with Drop off.
TEST_F(PluginModelTest, WholeScriptIsEveryObjectsOwnText) {
  SetParam(model.get(), "Drop", "1");
  std::vector<TParamObject*> first, last;
  first.push_back(AddItem(model.get(), "Domains",
                          {{"Name", "D"}, {"DataType", "3"}, {"Length", "20"}, {"NotNull", "1"}}));
  first.push_back(AddItem(model.get(), "Generators", {{"Name", "G"}, {"Init", "5"}}));
  first.push_back(AddItem(model.get(), "Exceptions", {{"Name", "E"}, {"Message", "m"}}));
  first.push_back(AddItem(model.get(), "Roles", {{"Name", "R"}}));
  TParamObject* view =
      AddItem(model.get(), "Views", {{"Name", "V"}, {"Select", "SELECT A FROM T1"}, {"WithCheck", "1"}});
  AddItem(view, "Columns", {{"Name", "A"}});
  TParamObject* proc =
      AddItem(model.get(), "Procedures", {{"Name", "P"}, {"TermString", "^"}, {"Body", "R = A;"}});
  TParamObject* param = AddItem(proc, "Parametres", {{"Name", "A"}, {"DataType", "7"}});
  TParamObject* result = AddItem(proc, "ReturnValues ", {{"Name", "R"}, {"DataType", "7"}});
  TParamObject* variable = AddItem(proc, "Variables", {{"Name", "X"}, {"DataType", "0"}, {"Precision", "9"}});
  last = {view, proc};

  Morvik::TTable* t1 = AddTable(model.get(), "T1",
                                {{"A", "INTEGER", {}, {}, true, "two\nlines"},
                                 {"B", "VARCHAR", {{"Length", "10"}}, {{"NotNull", "1"}}},
                                 {"C",
                                  "NUMERIC",
                                  {{"Precision", "9"}, {"Scale", "2"}},
                                  {{"Default", "1"}, {"DefaultValue", "0"}, {"Check", "(C > 0)"}}}},
                                "table note");
  TParamObject* unique = AddUnique(t1, {"B"});
  TParamObject* index = AddItem(t1, "Indexes", {{"Name", "IX"}, {"Unique", "1"}, {"Sort", "2"}});
  AddItem(index, "Columns", {{"Column", "B"}});
  AddItem(index, "Columns", {{"Column", "C"}});
  TParamObject* trigger = AddItem(t1, "Triggers",
                                  {{"Name", "TR"},
                                   {"Active", "1"},
                                   {"Place", "0"},
                                   {"Operation", "2"},
                                   {"TermString", "^"},
                                   {"Body", "X = 1;"}});
  AddItem(trigger, "Variables", {{"Name", "X"}, {"DataType", "7"}});
  Morvik::TTable* t2 = AddTable(model.get(), "T2", {{"K", "INTEGER", {}, {}, true}, {"A"}});
  Morvik::TReference* r = AddReference(model.get(), t2, t1, {{"K", "A"}}, "FK", "1", "2");

  // The texts of the parts stand in the texts of their owners.
  const std::string table = t1->Generate();
  const std::string tail = std::string(index->Generate()) + trigger->Generate();
  ASSERT_GT(table.size(), tail.size());
  EXPECT_EQ(table.substr(table.size() - tail.size()), tail);
  for (int i = 0; i < t1->GetColumnCount(); ++i)
    EXPECT_NE(table.find(t1->GetColumn(i)->Generate()), std::string::npos) << i;
  EXPECT_NE(table.find(unique->Generate()), std::string::npos);
  const std::string procedure = proc->Generate();
  EXPECT_NE(procedure.find(" (" + std::string(param->Generate()) + ")\n"), std::string::npos);
  EXPECT_NE(procedure.find("RETURNS (" + std::string(result->Generate()) + ")\n"), std::string::npos);
  EXPECT_NE(procedure.find(variable->Generate()), std::string::npos);
  EXPECT_NE(std::string(trigger->Generate()).find("DECLARE VARIABLE X INTEGER;\n"), std::string::npos);

  for (TParamObject* item : {first[0], first[2], first[3], view, proc, index, trigger})
    EXPECT_EQ(std::string(item->Generate()).rfind("DROP ", 0), 0u) << item->Generate();
  EXPECT_EQ(table.find("DROP TABLE T1;\nCREATE TABLE T1"), std::string("/*table note*/\n").size());

  SetParam(model.get(), "Drop", "0");
  std::string expected;
  for (TParamObject* item : first) expected += item->Generate();
  // The trigger stands at the end of its table's text, and of the whole script.
  const std::string triggerText = trigger->Generate();
  const std::string tableText = t1->Generate();
  ASSERT_EQ(tableText.substr(tableText.size() - triggerText.size()), triggerText);
  expected += tableText.substr(0, tableText.size() - triggerText.size());
  expected += t2->Generate();
  expected += r->Generate();
  for (TParamObject* item : last) expected += item->Generate();
  expected += triggerText;
  for (const char* part : {"CREATE UNIQUE DESCENDING INDEX IX", "DECLARE VARIABLE X", "UNIQUE (B)",
                           "/*two\n\tlines*/", "RETURNS (R"})
    ASSERT_NE(expected.find(part), std::string::npos) << part;
  ASSERT_EQ(expected.find("DROP"), std::string::npos);
  EXPECT_EQ(std::string(model->Generate()), expected);

  SetParam(model.get(), "Drop", "1");
  const std::string drops = "DROP TRIGGER TR;\n"
                            "DROP PROCEDURE P;\n"
                            "DROP VIEW V;\n"
                            "ALTER TABLE T1 DROP CONSTRAINT FK;\n"
                            "DROP INDEX IX;\n"
                            "DROP TABLE T2;\n"
                            "DROP TABLE T1;\n"
                            "DROP ROLE R;\n"
                            "DROP EXCEPTION E;\n"
                            "DELETE FROM RDB$GENERATORS WHERE RDB$GENERATOR_NAME = 'G';\n"
                            "DROP DOMAIN D;\n"
                            "\n";
  EXPECT_EQ(std::string(model->Generate()), drops + expected);
}

// A foreign key without a name has no name to drop it by: the drop block leaves it out, and
// it goes with its child table, which is dropped before the key's parent. Otherwise tables are
// dropped from the last to the first.
TEST_F(PluginModelTest, DropsChildTablesBeforeTheParentsOfTheirUnnamedKeys) {
  struct Key {
    const char* parent;
    const char* child;
    const char* name;
  };
  struct Case {
    const char* what;
    std::vector<const char*> tables; // in model order
    std::vector<Key> keys;
    const char* drops; // the table drops, each "DROP TABLE " + name + ";\n", joined
  };
  const std::vector<Case> cases = {
      {"no keys: the last first", {"A", "B", "C"}, {}, "C B A"},
      {"a child made before its parent", {"C", "P"}, {{"P", "C", ""}}, "C P"},
      {"a named key binds no order", {"C", "P"}, {{"P", "C", "FK_C"}}, "P C"},
      {"a chain made from its middle", {"B", "C", "A"}, {{"A", "B", ""}, {"B", "C", ""}}, "C B A"},
      {"two children of one parent", {"P", "C1", "C2"}, {{"P", "C1", ""}, {"P", "C2", ""}}, "C2 C1 P"},
      {"children first, parents last", {"C1", "C2", "P"}, {{"P", "C1", ""}, {"P", "C2", ""}}, "C2 C1 P"},
      {"a key to its own table", {"S", "T"}, {{"S", "S", ""}}, "T S"},
      {"a child with two parents", {"C", "P1", "P2"}, {{"P1", "C", ""}, {"P2", "C", ""}}, "C P2 P1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ModelPtr m(plugin.Models()->CreateModel(0));
    std::map<std::string, Morvik::TTable*> tables;
    for (const char* name : c.tables)
      tables[name] = AddTable(m.get(), name, {{"K", "INTEGER", {}, {}, true}, {"R1"}, {"R2"}});
    int column = 0;
    std::string namedDrops;
    for (const Key& key : c.keys) {
      const std::string childColumn = "R" + std::to_string(++column);
      AddReference(m.get(), tables[key.parent], tables[key.child], {{"K", childColumn}}, key.name);
      if (*key.name)
        namedDrops += std::string("ALTER TABLE ") + key.child + " DROP CONSTRAINT " + key.name + ";\n";
    }
    SetParam(m.get(), "Drop", "1");
    std::string drops;
    std::istringstream names(c.drops);
    for (std::string name; names >> name;) drops += "DROP TABLE " + name + ";\n";
    EXPECT_EQ(std::string(m->Generate()).rfind(namedDrops + drops + "\nCREATE TABLE " + c.tables[0], 0), 0u)
        << m->Generate();
  }
}

TEST_F(PluginModelTest, CheckAsksForTheDatabaseAndShadowFiles) {
  const int total = model->GetParamCount() + model->GetListParamCount();
  for (int pos = -1; pos < total; ++pos) {
    const bool required = pos == 1 || pos == 9 || pos == 12;
    const char* found = model->Check(pos);
    if (required)
      EXPECT_STREQ(found, "Must be specified") << pos;
    else
      EXPECT_EQ(found, nullptr) << pos;
  }
  for (const char* name : {"DataBaseFile", "SetNumber", "ShadowFile"}) SetParam(model.get(), name, "x");
  for (int pos = -1; pos < total; ++pos) EXPECT_EQ(model->Check(pos), nullptr) << pos;
}

} // namespace
