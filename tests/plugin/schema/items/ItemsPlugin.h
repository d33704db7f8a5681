// The plug-in loaded as the program loads it, and small helpers that address parameters
// by position, for the tests of the schema-level objects, indexes and triggers.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "Interface/MorvikInterface.h"
#include "plugin/schema/ModelAccess.h"
#include "tests/support/PluginModel.h"

namespace items_test {

// Positions of the model's and the table's parameters.
using enum Varne::TModelPos;
using enum Varne::TTablePos;

using Plugin = SchemaTest::LoadedPlugin;

// The plug-in, loaded once for a suite, and one new model for every test.
class ItemsTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() { plugin = new Plugin; }
  static void TearDownTestSuite() {
    delete plugin;
    plugin = nullptr;
  }
  void SetUp() override {
    ASSERT_TRUE(plugin->Loaded()) << plugin->Error();
    model.reset(plugin->Models()->CreateModel(0));
    ASSERT_NE(model, nullptr);
  }
  Morvik::TModel* M() const { return model.get(); }

  inline static Plugin* plugin = nullptr;
  SchemaTest::ModelPtr model;
};

inline Morvik::TListParam* List(Morvik::TParamObject* o, int pos) {
  return o->GetListParam(o->GetKindIndex(pos));
}
inline void Set(Morvik::TParamObject* o, int pos, const char* value) {
  o->SetParamValue(o->GetKindIndex(pos), value);
}
inline std::string Value(Morvik::TParamObject* o, int pos) { return o->GetParamValue(o->GetKindIndex(pos)); }

using Values = std::vector<std::pair<int, const char*>>;

// Appends an item to the list at a position and sets values at positions of the item.
inline Morvik::TParamObject* Add(Morvik::TParamObject* holder, int listPos, const Values& values = {}) {
  Morvik::TParamObject* item = List(holder, listPos)->AddItem();
  for (const auto& [pos, text] : values) Set(item, pos, text);
  return item;
}

inline std::string Text(Morvik::TParamObject* o) {
  const char* text = o->Generate();
  return text ? text : "<null>";
}
inline std::string Message(Morvik::TParamObject* o, int pos) {
  const char* text = o->Check(pos);
  return text ? text : "";
}

inline Morvik::TTable* NewTable(Morvik::TModel* model, const char* name) {
  Morvik::TTable* table = model->NewTable();
  table->SetName(name);
  return table;
}

} // namespace items_test
