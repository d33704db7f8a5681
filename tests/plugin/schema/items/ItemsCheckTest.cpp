// Check messages of the schema-level objects, indexes and triggers, and the persisted
// parameter names and options of their descriptions.
#include "ItemsPlugin.h"

using namespace items_test;

namespace {

const char* const kMust = "Must be specified";
const char* const kNotUnique = "Name is not unique";

class ItemsCheck : public ItemsTest {};

// Every position of an item and -1, with the message expected there ("" for none).
void ExpectMessages(Morvik::TParamObject* item, const std::vector<std::string>& expected,
                    const std::string& what) {
  const int positions = item->GetParamCount() + item->GetListParamCount();
  ASSERT_EQ(static_cast<int>(expected.size()), positions + 1) << what;
  for (int pos = -1; pos < positions; ++pos)
    EXPECT_EQ(Message(item, pos), expected[pos + 1]) << what << ", position " << pos;
}

TEST_F(ItemsCheck, FileSpecifications) {
  struct Case {
    Values values;
    std::vector<std::string> expected; // -1, FileName, StartingAt, Length
  };
  const Case cases[] = {
      {{}, {"You must specify Length or Starting Page", "You must specify filename", "", ""}},
      {{{0, "f"}}, {"You must specify Length or Starting Page", "", "", ""}},
      {{{1, "2000"}}, {"", "You must specify filename", "", ""}},
      {{{0, "f"}, {2, "x"}}, {"", "", "", ""}},
  };
  for (int list : {mpSecFiles, mpSecShadowFiles})
    for (const auto& c : cases) ExpectMessages(Add(M(), list, c.values), c.expected, "file");
}

// Domains, generators, exceptions, roles, views and procedures: the name is required and
// unique within its own list only, byte for byte.
TEST_F(ItemsCheck, NamesOfModelItems) {
  struct Kind {
    int list;
    const char* what;
  };
  const Kind kinds[] = {{mpDomains, "domain"}, {mpGenerators, "generator"}, {mpExceptions, "exception"},
                        {mpRoles, "role"},     {mpViews, "view"},           {mpProcedures, "procedure"}};
  for (const auto& kind : kinds) {
    Morvik::TParamObject* unnamed = Add(M(), kind.list);
    Morvik::TParamObject* unnamed2 = Add(M(), kind.list);
    EXPECT_EQ(Message(unnamed, 0), kMust) << kind.what;
    EXPECT_EQ(Message(unnamed2, 0), kMust) << kind.what << ": empty names are no duplicates";
    Morvik::TParamObject* a = Add(M(), kind.list, {{0, "A"}});
    EXPECT_EQ(Message(a, 0), "") << kind.what;
    Morvik::TParamObject* small = Add(M(), kind.list, {{0, "a"}});
    EXPECT_EQ(Message(a, 0), "") << kind.what << ": case differs";
    Morvik::TParamObject* a2 = Add(M(), kind.list, {{0, "A"}});
    EXPECT_EQ(Message(a, 0), kNotUnique) << kind.what;
    EXPECT_EQ(Message(a2, 0), kNotUnique) << kind.what;
    EXPECT_EQ(Message(small, 0), "") << kind.what;
    Set(a2, 0, "A ");
    EXPECT_EQ(Message(a, 0), "") << kind.what << ": whole text compared";
    Set(a2, 0, "A");
    EXPECT_EQ(Message(a, 0), kNotUnique) << kind.what;
    List(M(), kind.list)->DeleteItem(4);
    EXPECT_EQ(Message(a, 0), "") << kind.what << ": the other deleted";
  }
  // The same name in every list collides with nothing.
  for (const auto& kind : kinds) Add(M(), kind.list, {{0, "SAME"}});
  for (const auto& kind : kinds) {
    Morvik::TListParam* list = List(M(), kind.list);
    EXPECT_EQ(Message(list->GetItem(list->GetItemsCount() - 1), 0), "") << kind.what;
  }
}

TEST_F(ItemsCheck, OtherPositionsOfModelItems) {
  // Domain: only the name is checked, whatever the type.
  ExpectMessages(Add(M(), mpDomains, {{0, "D"}, {5, "13"}, {10, "3"}}),
                 {"", "", "", "", "", "", "", "", "", "", "", "", "", ""}, "domain");
  ExpectMessages(Add(M(), mpGenerators, {{0, "G"}}), {"", "", ""}, "generator without Init");
  ExpectMessages(Add(M(), mpExceptions, {{0, "E"}}), {"", "", kMust}, "exception without message");
  ExpectMessages(Add(M(), mpExceptions, {{0, "E2"}, {1, "m"}}), {"", "", ""}, "exception");
  ExpectMessages(Add(M(), mpRoles, {{0, "R"}}), {"", ""}, "role");

  // View: -1, Name, Columns, Select, WithCheck.
  Morvik::TParamObject* view = Add(M(), mpViews, {{0, "V"}});
  ExpectMessages(view, {"", "", "", kMust, ""}, "view without select");
  Set(view, 2, "SELECT 1 FROM RDB$DATABASE");
  ExpectMessages(view, {"", "", "", "", ""}, "view");
  Morvik::TParamObject* column = Add(view, 1);
  ExpectMessages(column, {"", kMust}, "view column without name");
  Set(column, 0, "C");
  ExpectMessages(column, {"", ""}, "view column");
  Add(view, 1, {{0, "C"}});
  EXPECT_EQ(Message(column, 0), "") << "view column names are not compared";

  // Procedure: -1, Name, Parametres, ReturnValues, Variables, TermString, Body.
  Morvik::TParamObject* proc = Add(M(), mpProcedures, {{0, "P"}});
  ExpectMessages(proc, {"", "", "", "There must be at least one return value", "", kMust, kMust},
                 "empty procedure");
  Add(proc, 2, {{0, "R"}, {1, "7"}});
  Set(proc, 4, "^");
  Set(proc, 5, "SUSPEND;");
  ExpectMessages(proc, {"", "", "", "", "", "", ""}, "procedure");
  Add(proc, 1);
  Add(proc, 3);
  EXPECT_EQ(Message(proc, 1), "") << "items are checked by themselves";
  EXPECT_EQ(Message(proc, 3), "");
}

// Parameters, return values and variables of procedures and triggers share one check.
TEST_F(ItemsCheck, ParametersReturnValuesAndVariables) {
  Morvik::TParamObject* proc = Add(M(), mpProcedures, {{0, "P"}});
  Morvik::TTable* table = NewTable(M(), "T");
  Morvik::TParamObject* trigger = Add(table, tpTriggers, {{0, "TR"}});
  const char* const kType = "This type cannot be uses in variable";
  const char* const kArray = "Arrays cannot be uses in variable";
  struct Case {
    Values values;
    const char* name;
    const char* type;
    const char* array;
  };
  const Case cases[] = {
      {{}, kMust, "", ""},
      {{{0, "X"}, {1, "9"}}, "", "", ""},
      {{{0, "X"}, {1, "10"}}, "", kType, ""},
      {{{0, "X"}, {1, "13"}}, "", kType, ""},
      {{{0, "X"}, {1, "7"}, {6, "0"}}, "", "", kArray},
  };
  for (auto* holder : {static_cast<Morvik::TParamObject*>(proc), trigger})
    for (int list : {1, 2, 3, 5}) {
      if (holder == trigger && list != 5) continue;
      if (holder == proc && list == 5) continue;
      for (const auto& c : cases) {
        Morvik::TParamObject* item = Add(holder, list, c.values);
        EXPECT_EQ(Message(item, -1), "");
        EXPECT_EQ(Message(item, 0), c.name);
        EXPECT_EQ(Message(item, 1), c.type);
        EXPECT_EQ(Message(item, 6), c.array);
      }
    }
}

TEST_F(ItemsCheck, IndexNamesAcrossTheModel) {
  Morvik::TTable* t1 = NewTable(M(), "T1");
  Morvik::TTable* t2 = NewTable(M(), "T2");
  Morvik::TParamObject* fresh = Add(t1, tpIndexes);
  // -1, Unique, Sort, Name, Columns
  ExpectMessages(fresh,
                 {"", "", "", "You must specify name of index", "Index must have some columns specified"},
                 "new index");

  Morvik::TParamObject* a = Add(t1, tpIndexes, {{2, "IX"}, {1, "9"}, {0, "x"}});
  Add(a, 3, {{0, "A"}});
  ExpectMessages(a, {"", "", "", "", ""}, "index");
  Morvik::TParamObject* b = Add(t2, tpIndexes, {{2, "IX"}});
  EXPECT_EQ(Message(a, 2), "Index name must be unique");
  EXPECT_EQ(Message(b, 2), "Index name must be unique");
  Set(b, 2, "ix");
  EXPECT_EQ(Message(a, 2), "");
  EXPECT_EQ(Message(b, 2), "");
  Add(t1, tpTriggers, {{0, "IX"}});
  EXPECT_EQ(Message(a, 2), "") << "an index and a trigger may share a name";
  Add(t1, tpIndexes, {{2, "IX"}});
  EXPECT_EQ(Message(a, 2), "Index name must be unique") << "same table";
  List(t1, tpIndexes)->DeleteItem(2);
  EXPECT_EQ(Message(a, 2), "") << "the other deleted";
  Add(t1, tpIndexes, {{2, "ix"}});
  EXPECT_EQ(Message(b, 2), "Index name must be unique");
  M()->DeleteTable(t1);
  EXPECT_EQ(Message(b, 2), "");
}

TEST_F(ItemsCheck, TriggerNamesAcrossTheModel) {
  Morvik::TTable* t1 = NewTable(M(), "T1");
  Morvik::TTable* t2 = NewTable(M(), "T2");
  // -1, Name, Active, Place, Operation, Position, Variables, TermString, Body
  Morvik::TParamObject* fresh = Add(t1, tpTriggers);
  ExpectMessages(fresh, {"", kMust, "", "", "", "", "", kMust, kMust}, "new trigger");
  Morvik::TParamObject* a =
      Add(t1, tpTriggers, {{0, "TRG"}, {1, "7"}, {2, "1"}, {3, "x"}, {4, "y"}, {6, "^"}, {7, "b"}});
  ExpectMessages(a, {"", "", "", "", "", "", "", "", ""}, "trigger");
  Morvik::TParamObject* b = Add(t2, tpTriggers, {{0, "TRG"}});
  EXPECT_EQ(Message(a, 0), "Trigger name must be unique");
  EXPECT_EQ(Message(b, 0), "Trigger name must be unique");
  Set(b, 0, "trg");
  EXPECT_EQ(Message(a, 0), "");
  Set(b, 0, "TRG");
  EXPECT_EQ(Message(a, 0), "Trigger name must be unique");
  List(t2, tpTriggers)->DeleteItem(0);
  EXPECT_EQ(Message(a, 0), "") << "the other deleted";
  Morvik::TParamObject* index = Add(t2, tpIndexes, {{2, "TRG"}});
  EXPECT_EQ(Message(a, 0), "");
  EXPECT_EQ(Message(index, 2), "") << "a trigger and an index may share a name";
}

// Names, value types and option orders are stored in schema files.
struct ParamRow {
  const char* name;
  int type; // TParamType, or -1 for a list parameter
  std::vector<const char*> options;
};

void ExpectDescription(const Morvik::TParamObjectInfo* info, const std::vector<ParamRow>& rows,
                       const std::string& what) {
  ASSERT_EQ(info->GetParamCount() + info->GetListParamCount(), static_cast<int>(rows.size())) << what;
  for (int pos = 0; pos < static_cast<int>(rows.size()); ++pos) {
    const ParamRow& row = rows[pos];
    const int idx = info->GetKindIndex(pos);
    if (row.type < 0) {
      ASSERT_EQ(info->GetParamKind(pos), Morvik::pkVector) << what << " " << row.name;
      EXPECT_STREQ(info->GetListParamInfo(idx)->GetName(), row.name) << what;
      continue;
    }
    ASSERT_EQ(info->GetParamKind(pos), Morvik::pkScalar) << what << " " << row.name;
    const Morvik::TParamInfo* param = info->GetParam(idx);
    EXPECT_STREQ(param->GetName(), row.name) << what;
    EXPECT_EQ(static_cast<int>(param->GetType()), row.type) << what << " " << row.name;
    EXPECT_EQ(param->GetFlag(), 1) << what << " " << row.name;
    ASSERT_EQ(param->GetOptionCount(), static_cast<int>(row.options.size())) << what << " " << row.name;
    for (int o = 0; o < param->GetOptionCount(); ++o)
      EXPECT_STREQ(param->GetOption(o), row.options[o]) << what << " " << row.name;
    EXPECT_EQ(param->GetOption(param->GetOptionCount()), nullptr) << what << " " << row.name;
    EXPECT_EQ(param->GetOption(-1), nullptr) << what << " " << row.name;
  }
}

const std::vector<const char*> kTypes = {
    "NUMERIC", "DECIMAL",          "CHAR", "VARCHAR", "NCHAR",     "NCHAR VARYING", "SMALLINT", "INTEGER",
    "FLOAT",   "DOUBLE PRECISION", "DATE", "TIME",    "TIMESTAMP", "BLOB"};
const std::vector<ParamRow> kVariable = {
    {"Name", 0, {}},     {"DataType", 3, kTypes}, {"Precision", 1, {}},
    {"Scale", 1, {}},    {"Length", 1, {}},       {"CharSet", 0, {}},
    {"ArrayDim", 1, {}}, {"SubType", 1, {}},      {"SegmentSize", 1, {}}};

const Morvik::TListParamInfo* ListInfo(const Morvik::TParamObjectInfo* holder, int pos) {
  return holder->GetListParamInfo(holder->GetKindIndex(pos));
}

TEST_F(ItemsCheck, PersistedDescriptions) {
  struct ModelList {
    int pos;
    const char* name;
    std::vector<ParamRow> rows;
  };
  std::vector<ParamRow> domain = {
      {"Name", 0, {}}, {"Default", 0, {}}, {"NotNull", 2, {}}, {"Check", 0, {}}, {"Collation", 0, {}}};
  domain.insert(domain.end(), kVariable.begin() + 1, kVariable.end());
  const std::vector<ParamRow> file = {{"FileName", 0, {}}, {"StartingAt", 1, {}}, {"Length", 1, {}}};
  const ModelList lists[] = {
      {mpSecFiles, "SecFiles", file},
      {mpSecShadowFiles, "SecShadowFiles", file},
      {mpDomains, "Domains", domain},
      {mpGenerators, "Generators", {{"Name", 0, {}}, {"Init", 1, {}}}},
      {mpExceptions, "Exceptions", {{"Name", 0, {}}, {"Message", 0, {}}}},
      {mpRoles, "Roles", {{"Name", 0, {}}}},
      {mpViews, "Views", {{"Name", 0, {}}, {"Columns", -1, {}}, {"Select", 5, {}}, {"WithCheck", 2, {}}}},
      {mpProcedures,
       "Procedures",
       {{"Name", 0, {}},
        {"Parametres", -1, {}},
        {"ReturnValues ", -1, {}},
        {"Variables", -1, {}},
        {"TermString", 0, {}},
        {"Body", 5, {}}}},
  };
  for (const auto& l : lists) {
    const Morvik::TListParamInfo* info = ListInfo(M(), l.pos);
    EXPECT_STREQ(info->GetName(), l.name);
    EXPECT_EQ(info->GetItemNameParam(), 0) << l.name;
    ExpectDescription(info, l.rows, l.name);
  }
  const Morvik::TListParamInfo* views = ListInfo(M(), mpViews);
  const Morvik::TListParamInfo* viewColumns = ListInfo(views, 1);
  EXPECT_EQ(viewColumns->GetItemNameParam(), 0);
  ExpectDescription(viewColumns, {{"Name", 0, {}}}, "view column");
  const Morvik::TListParamInfo* procs = ListInfo(M(), mpProcedures);
  for (int pos : {1, 2, 3}) {
    EXPECT_EQ(ListInfo(procs, pos)->GetItemNameParam(), 0);
    ExpectDescription(ListInfo(procs, pos), kVariable, "procedure list " + std::to_string(pos));
  }

  const Morvik::TParamObjectInfo* table = M()->GetTableInfo();
  const Morvik::TListParamInfo* indexes = ListInfo(table, tpIndexes);
  EXPECT_STREQ(indexes->GetName(), "Indexes");
  EXPECT_EQ(indexes->GetItemNameParam(), 2);
  ExpectDescription(indexes,
                    {{"Unique", 2, {}},
                     {"Sort", 3, {"", "ASCENDING ", "DESCENDING "}},
                     {"Name", 0, {}},
                     {"Columns", -1, {}}},
                    "index");
  EXPECT_STREQ(ListInfo(indexes, 3)->GetHelp(), "List of columns in index");
  ExpectDescription(ListInfo(indexes, 3), {{"Column", 0, {}}}, "index column");

  const Morvik::TListParamInfo* triggers = ListInfo(table, tpTriggers);
  EXPECT_STREQ(triggers->GetName(), "Triggers");
  EXPECT_EQ(triggers->GetItemNameParam(), 0);
  ExpectDescription(triggers,
                    {{"Name", 0, {}},
                     {"Active", 3, {"", "ACTIVE ", "INACTIVE "}},
                     {"Place", 3, {"BEFORE ", "AFTER "}},
                     {"Operation", 3, {"INSERT ", "DELETE ", "UPDATE "}},
                     {"Position", 1, {}},
                     {"Variables", -1, {}},
                     {"TermString", 0, {}},
                     {"Body", 5, {}}},
                    "trigger");
  ExpectDescription(ListInfo(triggers, 5), kVariable, "trigger variable");

  // The domain's type parameters are enabled by its own DataType (scalar 5).
  const Morvik::TListParamInfo* domains = ListInfo(M(), mpDomains);
  EXPECT_EQ(domains->GetDependParam(4), -1);
  EXPECT_EQ(domains->GetDependParam(5), -1);
  for (int pos = 6; pos <= 12; ++pos) EXPECT_EQ(domains->GetDependParam(pos), 5) << pos;
  EXPECT_STREQ(domains->GetDependValues(8), "2|3|4|5");
}

// Items are owned by their holder: deleting items, tables and the model frees everything
// (the sanitizers see the rest).
TEST_F(ItemsCheck, NestedListsBelongToTheirHolders) {
  Morvik::TParamObject* proc = Add(M(), mpProcedures, {{0, "P"}});
  Add(proc, 1, {{0, "A"}});
  Add(proc, 2, {{0, "B"}});
  Add(proc, 3, {{0, "C"}});
  Morvik::TParamObject* view = Add(M(), mpViews, {{0, "V"}});
  Add(view, 1, {{0, "X"}});
  Morvik::TTable* table = NewTable(M(), "T");
  Morvik::TParamObject* index = Add(table, tpIndexes, {{2, "IX"}});
  Add(index, 3, {{0, "A"}});
  Morvik::TParamObject* trigger = Add(table, tpTriggers, {{0, "TR"}});
  Add(trigger, 5, {{0, "v"}});
  List(M(), mpProcedures)->DeleteItem(0);
  EXPECT_EQ(List(M(), mpProcedures)->GetItemsCount(), 0);
  List(table, tpIndexes)->DeleteItem(0);
  EXPECT_EQ(Value(List(table, tpTriggers)->GetItem(0), 0), "TR");
}

} // namespace
