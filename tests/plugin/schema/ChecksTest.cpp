// Every check message of tables, columns, references, unique constraints and column
// entries, through the plug-in interface.
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/PluginModel.h"

using namespace SchemaTest;

namespace {

const char* const NoColumns = "Unique constraint must have some columns specified";
const char* const SameSet = "This set of columns was already specified";
const char* const NoName = "You must specify the name of the column from this table";
const char* const Repeated = "You have already specified this column";
const char* const NoSuchColumn = "There is no such column in this table";
const char* const UniqueNotNull = "Must be NOT NULL because it's part of UNIQUE constraint";
const char* const NotAKey = "Referenced key must be PRIMARY KEY or UNIQUE constraint";

std::string Text(const char* message) { return message ? message : "(null)"; }

// Check at every position from -1 to the last, as the program asks.
std::vector<std::string> AllChecks(const Morvik::TParamObject* object) {
  std::vector<std::string> found;
  for (int pos = -1; pos < object->GetParamCount() + object->GetListParamCount(); ++pos)
    found.push_back(Text(object->Check(pos)));
  return found;
}

TEST_F(PluginModelTest, NewObjectsReport) {
  using V = std::vector<std::string>;
  Morvik::TTable* t = model->NewTable();
  Morvik::TTable* u = model->NewTable();
  Morvik::TColumn* c = t->AddColumn();
  Morvik::TReference* r = model->NewReference(t, u);
  EXPECT_EQ(AllChecks(t), V(5, "(null)"));
  EXPECT_EQ(AllChecks(c), V(6, "(null)"));
  EXPECT_EQ(AllChecks(r), V(3, "(null)"));
  EXPECT_EQ(Text(r->CheckPairs(-1)), "(null)") << "no key and no pairs";
  Morvik::TParamObject* unique = List(t, "Unique")->AddItem();
  EXPECT_EQ(AllChecks(unique), (V{"(null)", NoColumns}));
  Morvik::TParamObject* entry = List(unique, "Columns")->AddItem();
  EXPECT_EQ(AllChecks(entry), (V{"(null)", NoName}));
}

struct Case {
  const char* what;
  std::function<const Morvik::TParamObject*(Morvik::TModel*)> build; // the object to check
  const char* message;                                               // of Check(0), nullptr when valid
};

void RunCases(Morvik::TModels* models, const std::vector<Case>& cases) {
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ModelPtr m(models->CreateModel(0));
    const Morvik::TParamObject* object = c.build(m.get());
    EXPECT_EQ(Text(object->Check(0)), Text(c.message));
    EXPECT_EQ(Text(object->Check(-1)), "(null)");
  }
}

TEST_F(PluginModelTest, ColumnMustBeNotNullInAUniqueConstraint) {
  RunCases(plugin.Models(),
           {
               {"named by a unique constraint",
                [](Morvik::TModel* m) {
                  Morvik::TTable* t = AddTable(m, "T", {{"A"}, {"B"}});
                  AddUnique(t, {"B"});
                  AddUnique(t, {"C", "A"});
                  return FindColumn(t, "A");
                },
                UniqueNotNull},
               {"a name that differs in capitals",
                [](Morvik::TModel* m) {
                  Morvik::TTable* t = AddTable(m, "T", {{"A"}});
                  AddUnique(t, {"a"});
                  return FindColumn(t, "A");
                },
                nullptr},
               {"declared not null",
                [](Morvik::TModel* m) {
                  Morvik::TTable* t = AddTable(m, "T", {{"A", "INTEGER", {}, {{"NotNull", "1"}}}});
                  AddUnique(t, {"A"});
                  return FindColumn(t, "A");
                },
                nullptr},
               {"not null cleared after the key",
                [](Morvik::TModel* m) {
                  Morvik::TTable* t = AddTable(m, "T", {{"A", "INTEGER", {}, {}, true}});
                  Morvik::TColumn* c = FindColumn(t, "A");
                  c->SetKey(false);
                  c->SetParamValue(0, "0");
                  return c;
                },
                nullptr},
               {"a constraint of another table",
                [](Morvik::TModel* m) {
                  Morvik::TTable* t = AddTable(m, "T", {{"A"}});
                  AddUnique(AddTable(m, "U", {{"A"}}), {"A"});
                  return FindColumn(t, "A");
                },
                nullptr},
           });
}

TEST_F(PluginModelTest, UniqueConstraintChecks) {
  auto second = [](Morvik::TTable* t) { return List(t, "Unique")->GetItem(1); };
  RunCases(plugin.Models(),
           {
               {"no entries", [](Morvik::TModel* m) { return AddUnique(AddTable(m, "T", {{"A"}}), {}); },
                NoColumns},
               {"the same set in another order, first",
                [](Morvik::TModel* m) {
                  Morvik::TTable* t = AddTable(m, "T", {{"A"}, {"B"}});
                  Morvik::TParamObject* u = AddUnique(t, {"A", "B"});
                  AddUnique(t, {"B", "A"});
                  return u;
                },
                SameSet},
               {"the same set in another order, second",
                [second](Morvik::TModel* m) {
                  Morvik::TTable* t = AddTable(m, "T", {{"A"}, {"B"}});
                  AddUnique(t, {"A", "B"});
                  AddUnique(t, {"B", "A"});
                  return second(t);
                },
                SameSet},
               {"the same set in two tables",
                [](Morvik::TModel* m) {
                  AddUnique(AddTable(m, "U", {{"A"}, {"B"}}), {"A", "B"});
                  return AddUnique(AddTable(m, "T", {{"A"}, {"B"}}), {"B", "A"});
                },
                nullptr},
               {"a part of another set",
                [](Morvik::TModel* m) {
                  Morvik::TTable* t = AddTable(m, "T", {{"A"}, {"B"}});
                  AddUnique(t, {"A", "B"});
                  return AddUnique(t, {"A"});
                },
                nullptr},
               {"one column declared unique",
                [](Morvik::TModel* m) {
                  return AddUnique(AddTable(m, "T", {{"A", "INTEGER", {}, {{"Unique", "1"}}}}), {"A"});
                },
                SameSet},
               {"one column declared not unique",
                [](Morvik::TModel* m) {
                  return AddUnique(AddTable(m, "T", {{"A", "INTEGER", {}, {{"Unique", "0"}}}}), {"A"});
                },
                nullptr},
               {"one entry naming no column",
                [](Morvik::TModel* m) { return AddUnique(AddTable(m, "T", {{"A"}}), {"Z"}); }, nullptr},
               {"the primary key is not compared",
                [](Morvik::TModel* m) {
                  return AddUnique(AddTable(m, "T", {{"A", "INTEGER", {}, {}, true}}), {"A"});
                },
                nullptr},
           });
}

// Entries of unique constraints and of indexes check the same way, each through its own list.
TEST_F(PluginModelTest, ColumnEntryChecks) {
  for (const char* holder : {"Unique", "Indexes"}) {
    SCOPED_TRACE(holder);
    auto entryOf = [holder](Morvik::TTable* t, std::vector<std::string> names,
                            int which) -> const Morvik::TParamObject* {
      Morvik::TParamObject* owner = List(t, holder)->AddItem();
      for (const auto& n : names) AddItem(owner, "Columns", {{"Column", n}});
      return List(owner, "Columns")->GetItem(which);
    };
    RunCases(
        plugin.Models(),
        {
            {"empty", [&](Morvik::TModel* m) { return entryOf(AddTable(m, "T", {{"A"}}), {""}, 0); }, NoName},
            {"repeated, first",
             [&](Morvik::TModel* m) {
               return entryOf(AddTable(m, "T", {{"A"}}), {"A", "B", "A"}, 0);
             },
             Repeated},
            {"repeated, second",
             [&](Morvik::TModel* m) {
               return entryOf(AddTable(m, "T", {{"A"}}), {"A", "B", "A"}, 2);
             },
             Repeated},
            {"no such column",
             [&](Morvik::TModel* m) { return entryOf(AddTable(m, "T", {{"ID"}}), {"id"}, 0); }, NoSuchColumn},
            {"a column of another table",
             [&](Morvik::TModel* m) {
               AddTable(m, "U", {{"X"}});
               return entryOf(AddTable(m, "T", {{"A"}}), {"X"}, 0);
             },
             NoSuchColumn},
            {"a column of the table",
             [&](Morvik::TModel* m) {
               return entryOf(AddTable(m, "T", {{"A"}, {"B"}}), {"A", "B"}, 1);
             },
             nullptr},
            {"a deleted column",
             [&](Morvik::TModel* m) {
               Morvik::TTable* t = AddTable(m, "T", {{"A"}, {"B"}});
               const Morvik::TParamObject* e = entryOf(t, {"A"}, 0);
               t->DeleteColumn(0);
               return e;
             },
             NoSuchColumn},
        });
  }
}

TEST_F(PluginModelTest, DeletedColumnStaysInUniqueConstraintText) {
  Morvik::TTable* t = AddTable(model.get(), "T", {{"A"}, {"B"}});
  AddUnique(t, {"A", "B"});
  t->DeleteColumn(0);
  EXPECT_EQ(std::string(t->Generate()), "CREATE TABLE T (\n\tB INTEGER,\n\tUNIQUE (A,B)\n);\n\n");
}

struct PairsCase {
  const char* what;
  std::vector<ColumnSpec> parentColumns;
  std::vector<std::vector<std::string>> uniques;
  std::vector<std::string> pairs; // parent-side column names, in pair order
  const char* message;
};

TEST_F(PluginModelTest, CheckPairs) {
  const ColumnSpec a1{"A1", "INTEGER", {}, {}, true}, a2{"A2", "INTEGER", {}, {}, true};
  const ColumnSpec x{"X"}, y{"Y"}, lower{"x"};
  const ColumnSpec ux{"X", "INTEGER", {}, {{"Unique", "1"}}};
  const std::vector<PairsCase> cases = {
      {"the key in another order", {a1, a2}, {}, {"A2", "A1"}, nullptr},
      {"the key in its order", {a1, a2}, {}, {"A1", "A2"}, nullptr},
      {"a part of the key", {a1, a2}, {}, {"A1"}, NotAKey},
      {"one key column named twice", {a1, a2}, {}, {"A1", "A1"}, NotAKey},
      {"the key and one more column", {a1, a2, x}, {}, {"A1", "A2", "X"}, NotAKey},
      {"a unique column", {a1, ux}, {}, {"X"}, nullptr},
      {"a column that is not unique", {a1, x}, {}, {"X"}, NotAKey},
      {"a one-column constraint", {a1, x}, {{"X"}}, {"X"}, nullptr},
      {"a constraint in any order", {a1, x, y}, {{"X", "Y"}}, {"Y", "X"}, nullptr},
      {"a part of a constraint", {a1, x, y}, {{"X", "Y"}}, {"X"}, NotAKey},
      {"a constraint column named twice", {a1, x, y}, {{"X", "Y"}}, {"X", "X"}, NotAKey},
      {"the second constraint", {a1, x, y}, {{"X", "Y"}, {"Y"}}, {"Y"}, nullptr},
      {"a constraint differing in capitals", {a1, lower}, {{"X"}}, {"x"}, NotAKey},
      {"no key and no pairs", {x}, {}, {}, nullptr},
      {"an empty constraint and no pairs", {x}, {{}}, {}, nullptr},
      {"a key and no pairs", {a1}, {}, {}, NotAKey},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ModelPtr m(plugin.Models()->CreateModel(0));
    Morvik::TTable* parent = AddTable(m.get(), "P", c.parentColumns);
    for (const auto& u : c.uniques) AddUnique(parent, u);
    Morvik::TTable* child = AddTable(m.get(), "C", {{"C1"}});
    Morvik::TReference* r = m->NewReference(parent, child);
    for (const auto& name : c.pairs) r->AddPair(FindColumn(parent, name), child->GetColumn(0));
    EXPECT_EQ(Text(r->CheckPairs(-1)), Text(c.message));
    EXPECT_EQ(Text(r->CheckPairs(0)), "(null)");
  }
}

// Foreign keys without a name that lie on a cycle of such keys are reported while Drop is on.
// Each step changes the model and then asks every key, so that an answer the check kept from
// before the change shows.
TEST_F(PluginModelTest, UnnamedKeysOnACycleFollowEveryChange) {
  const std::string inCycle = "Must be named for DROP because it's part of a cycle of unnamed foreign keys";
  std::vector<Morvik::TTable*> tables;
  for (const char* name : {"A", "B", "C", "D"})
    tables.push_back(AddTable(model.get(), name, {{"K", "INTEGER", {}, {}, true}, {"R"}}));
  std::vector<Morvik::TReference*> keys;
  auto key = [&](int parent, int child) {
    keys.push_back(AddReference(model.get(), tables[parent], tables[child], {{"K", "R"}}));
  };
  // The report of each key, in the order of keys: 1 where it warns.
  auto expect = [&](const std::string& warns, const char* what) {
    SCOPED_TRACE(what);
    ASSERT_EQ(warns.size(), keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
      EXPECT_EQ(Text(keys[i]->Check(-1)), warns[i] == '1' ? inCycle : "(null)") << i;
  };
  SetParam(model.get(), "Drop", "1");
  key(0, 1); // A-B
  key(1, 0); // B-A
  key(1, 2); // B-C
  key(2, 3); // C-D
  expect("1100", "one cycle, a chain leading out");
  key(3, 2); // D-C
  expect("11011", "two cycles joined one way");
  key(2, 0); // C-A
  expect("111111", "all in one");
  keys[5]->SetName("FK_A");
  expect("110110", "a named key binds nothing");
  keys[5]->SetName("");
  expect("111111", "named no more");
  SetParam(model.get(), "Drop", "0");
  expect("000000", "Drop off");
  SetParam(model.get(), "Drop", "1");
  model->DeleteReference(keys[2]);
  keys.erase(keys.begin() + 2);
  expect("11110", "B-C deleted: C-A leads one way");
  for (int i : {3, 2}) {
    model->DeleteReference(keys[i]);
    keys.erase(keys.begin() + i);
  }
  model->DeleteTable(tables[3]);
  tables[3] = AddTable(model.get(), "E", {{"K", "INTEGER", {}, {}, true}, {"R"}});
  key(0, 3); // A-E
  key(3, 2); // E-C
  expect("11111", "D gone, E closes A-E-C-A");
}

} // namespace
