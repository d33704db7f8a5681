// What code inside the plug-in reaches directly: the model's containers and the name count
// over a model list.
#include <gtest/gtest.h>

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

} // namespace
