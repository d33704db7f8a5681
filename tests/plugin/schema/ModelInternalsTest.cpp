// What code inside the plug-in reaches directly: the model's containers and the name count
// over a model list.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "plugin/schema/ModelAccess.h"
#include "plugin/schema/MyModel.h"

namespace {

TEST(ModelInternals, CountModelItemsNamed) {
  Varne::TMyModel model;
  const Morvik::TParent* owner = &model;
  EXPECT_EQ(Varne::CountModelItemsNamed("A", owner, Varne::mpDomains, 0), 0);

  Morvik::TListParam* domains = model.GetListParam(model.GetKindIndex(Varne::mpDomains));
  for (const char* name : {"A", "a", "A", ""}) domains->AddItem()->SetParamValue(0, name);
  EXPECT_EQ(Varne::CountModelItemsNamed("A", owner, Varne::mpDomains, 0), 2);
  EXPECT_EQ(Varne::CountModelItemsNamed("a", owner, Varne::mpDomains, 0), 1);
  EXPECT_EQ(Varne::CountModelItemsNamed("", owner, Varne::mpDomains, 0), 1);
  EXPECT_EQ(Varne::CountModelItemsNamed("A ", owner, Varne::mpDomains, 0), 0);
  // Another list of the model is not counted.
  EXPECT_EQ(Varne::CountModelItemsNamed("A", owner, Varne::mpGenerators, 0), 0);
  EXPECT_EQ(Varne::CountModelItemsNamed("A", nullptr, Varne::mpDomains, 0), 0);
}

TEST(ModelInternals, ContainersInCreationOrder) {
  Varne::TMyModel model;
  Morvik::TTable* t = model.NewTable();
  Morvik::TTable* u = model.NewTable();
  Morvik::TReference* r = model.NewReference(t, u);
  const Morvik::TVectorsModel& vectors = model;
  ASSERT_EQ(vectors.GetTables().size(), 2u);
  EXPECT_EQ(vectors.GetTables()[0].get(), t);
  EXPECT_EQ(vectors.GetTables()[1].get(), u);
  ASSERT_EQ(vectors.GetReferences().size(), 1u);
  EXPECT_EQ(vectors.GetReferences()[0].get(), r);
  model.DeleteTable(t);
  EXPECT_EQ(vectors.GetTables()[0].get(), u);
  // The Drop switch as the objects with a DROP statement read it from their owner.
  EXPECT_FALSE(Varne::IsDropOn(&model));
  model.SetParamValue(model.GetKindIndex(Varne::mpDrop), "1");
  EXPECT_TRUE(Varne::IsDropOn(&model));
}

// Runs of deletions from both ends and between, read between the runs through the interface
// and the containers alike: the rest keeps its creation order.
TEST(ModelInternals, DeletionsInRunsKeepTheRestInCreationOrder) {
  Varne::TMyModel model;
  const Morvik::TVectorsModel& vectors = model;
  std::vector<Morvik::TTable*> tables;
  std::vector<Morvik::TReference*> references;
  for (int i = 0; i < 40; ++i) tables.push_back(model.NewTable());
  for (size_t i = 0; i < 40; ++i) references.push_back(model.NewReference(tables[i], tables[(i * 7) % 40]));
  auto check = [&](const char* Step) {
    ASSERT_EQ(model.GetTableCount(), static_cast<int>(tables.size())) << Step;
    ASSERT_EQ(vectors.GetTables().size(), tables.size()) << Step;
    for (size_t i = 0; i < tables.size(); ++i) {
      EXPECT_EQ(model.GetTable(static_cast<int>(i)), tables[i]) << Step << " " << i;
      EXPECT_EQ(vectors.GetTables()[i].get(), tables[i]) << Step << " " << i;
    }
    ASSERT_EQ(model.GetReferenceCount(), static_cast<int>(references.size())) << Step;
    ASSERT_EQ(vectors.GetReferences().size(), references.size()) << Step;
    for (size_t i = 0; i < references.size(); ++i)
      EXPECT_EQ(model.GetReference(static_cast<int>(i)), references[i]) << Step << " " << i;
  };
  Varne::TMyModel other;
  Morvik::TTable* stranger = other.NewTable();
  for (size_t at : {size_t{0}, size_t{39}, size_t{12}}) {
    for (int k = 0; k < 6; ++k) {
      const size_t i = std::min(at, references.size() - 1);
      model.DeleteReference(references[i]);
      references.erase(references.begin() + static_cast<std::ptrdiff_t>(i));
    }
    check("references");
  }
  // Tables go once no reference names them; one of another model stays where it is.
  references.clear();
  while (model.GetReferenceCount() > 0) model.DeleteReference(model.GetReference(0));
  model.DeleteTable(stranger);
  EXPECT_EQ(other.GetTable(0), stranger);
  for (size_t i = tables.size(); i-- > 0;)
    if (i % 3 != 1) {
      model.DeleteTable(tables[i]);
      tables.erase(tables.begin() + static_cast<std::ptrdiff_t>(i));
    }
  check("tables");
  tables.push_back(model.NewTable());
  check("a table after the deletions");
}

} // namespace
