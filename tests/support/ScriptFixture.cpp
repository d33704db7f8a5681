#include "tests/support/ScriptFixture.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/PluginModel.h"

namespace SchemaTest {

namespace {

using Names = std::vector<std::string>;

int ToInt(const char* text) { return std::atoi(text); }

Names Sorted(Names names) {
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<Names> ModelUniques(Morvik::TTable* table) {
  std::vector<Names> uniques;
  for (int i = 0; i < table->GetColumnCount(); ++i) {
    Morvik::TColumn* c = table->GetColumn(i);
    if (ToInt(GetParam(c, "Unique").c_str()) != 0) uniques.push_back({c->GetName()});
  }
  Morvik::TListParam* constraints = List(table, "Unique");
  for (int u = 0; constraints && u < constraints->GetItemsCount(); ++u) {
    Morvik::TListParam* entries = List(constraints->GetItem(u), "Columns");
    Names columns;
    for (int e = 0; entries && e < entries->GetItemsCount(); ++e)
      columns.push_back(entries->GetItem(e)->GetParamValue(0));
    uniques.push_back(columns);
  }
  return uniques;
}

std::vector<Names> SortedLists(std::vector<Names> lists) {
  for (auto& l : lists) l = Sorted(l);
  std::sort(lists.begin(), lists.end());
  return lists;
}

std::string Rule(Morvik::TReference* r, int param) {
  const char* option = r->GetParam(param)->GetOption(ToInt(r->GetParamValue(param)));
  return option ? option : "RESTRICT";
}

// (child column, parent column) of every pair, sorted: the script may write the pairs in
// another order than the stored one.
using Pairs = std::vector<std::pair<std::string, std::string>>;

Pairs ModelPairs(Morvik::TReference* r) {
  Pairs pairs;
  for (int i = 0; i < r->GetPairCount(); ++i)
    pairs.push_back({r->GetPairColumn(1, i)->GetName(), r->GetPairColumn(0, i)->GetName()});
  std::sort(pairs.begin(), pairs.end());
  return pairs;
}

Pairs ExtractedPairs(const ExtractedForeignKey& k) {
  Pairs pairs;
  for (std::size_t i = 0; i < k.childColumns.size() && i < k.parentColumns.size(); ++i)
    pairs.push_back({k.childColumns[i], k.parentColumns[i]});
  std::sort(pairs.begin(), pairs.end());
  return pairs;
}

} // namespace

ScriptRun RunModelScript(Morvik::TModel* model, FirebirdDatabase& db, bool createsDatabase,
                         const std::string& charset) {
  ScriptRun run;
  run.script = model->Generate();
  const ProcessResult result = db.RunScript(run.script, createsDatabase, charset);
  run.output = result.output;
  if (result.exitCode != 0) {
    ADD_FAILURE() << "isql-fb refused the script (exit " << result.exitCode << "):\n"
                  << result.output << "\n--- script ---\n"
                  << run.script;
    return run;
  }
  const ProcessResult extracted = db.Extract(charset);
  if (extracted.exitCode != 0) {
    ADD_FAILURE() << "isql-fb -x failed:\n" << extracted.output;
    return run;
  }
  run.schema = ParseExtract(extracted.output);
  run.ok = true;
  return run;
}

std::string FirebirdFixtureName(const ::testing::TestParamInfo<FirebirdFixture>& info) {
  return info.param.name;
}

void ExpectSchemaMatchesModel(const ExtractedSchema& schema, Morvik::TModel* model) {
  Names modelTables;
  for (int t = 0; t < model->GetTableCount(); ++t) modelTables.push_back(model->GetTable(t)->GetName());
  EXPECT_EQ(Sorted(schema.TableNames()), Sorted(modelTables));

  for (int t = 0; t < model->GetTableCount(); ++t) {
    Morvik::TTable* table = model->GetTable(t);
    SCOPED_TRACE(std::string("table ") + table->GetName());
    const ExtractedTable* extracted = schema.Table(table->GetName());
    if (!extracted) {
      ADD_FAILURE() << "not in the database";
      continue;
    }
    Names columns, key;
    for (int i = 0; i < table->GetColumnCount(); ++i) {
      columns.push_back(table->GetColumn(i)->GetName());
      if (table->GetColumn(i)->GetKey()) key.push_back(table->GetColumn(i)->GetName());
    }
    EXPECT_EQ(extracted->ColumnNames(), columns);
    EXPECT_EQ(extracted->primaryKey.columns, key);
    std::vector<Names> uniques;
    for (const auto& u : extracted->uniques) uniques.push_back(u.columns);
    EXPECT_EQ(SortedLists(uniques), SortedLists(ModelUniques(table)));
  }

  EXPECT_EQ(schema.foreignKeys.size(), static_cast<size_t>(model->GetReferenceCount()));
  for (int i = 0; i < model->GetReferenceCount(); ++i) {
    Morvik::TReference* r = model->GetReference(i);
    const std::string child = r->GetChildTable()->GetName();
    const Pairs pairs = ModelPairs(r);
    SCOPED_TRACE("reference " + std::to_string(i) + " from " + child);
    auto found =
        std::find_if(schema.foreignKeys.begin(), schema.foreignKeys.end(), [&](const ExtractedForeignKey& k) {
          return k.childTable == child && ExtractedPairs(k) == pairs &&
                 (!*r->GetName() || k.name == r->GetName());
        });
    if (found == schema.foreignKeys.end()) {
      ADD_FAILURE() << "no such foreign key in the database";
      continue;
    }
    EXPECT_EQ(found->parentTable, r->GetParentTable()->GetName());
    EXPECT_EQ(found->onDelete, Rule(r, 0));
    EXPECT_EQ(found->onUpdate, Rule(r, 1));
  }
}

} // namespace SchemaTest
