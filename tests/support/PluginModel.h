// The plug-in as the program reaches it: the built library loaded by the shared loader,
// and small helpers that build a model through the interface alone, addressing parameters by
// their persisted names.
#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "Interface/MorvikInterface.h"
#include "tests/support/PluginLibrary.h"

namespace SchemaTest {

// The built plug-in of this build tree.
using LoadedPlugin = testsupport::TPluginLibrary;

using ModelPtr = testsupport::TModelPtr;

// A test with the plug-in loaded and one new model created through the model list.
class PluginModelTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(plugin.Loaded()) << plugin.Error();
    model.reset(plugin.Models()->CreateModel(0));
    ASSERT_NE(model, nullptr);
  }
  void TearDown() override { model.reset(); }

  LoadedPlugin plugin;
  ModelPtr model;
};

// Scalar index of the parameter with this name, -1 when there is none.
int ScalarIndex(const Morvik::TParamObjectInfo& info, const std::string& name);
// List index of the list parameter with this name, -1 when there is none.
int ListIndex(const Morvik::TParamObjectInfo& info, const std::string& name);

// Sets a scalar parameter by name; a missing name fails the current test.
void SetParam(Morvik::TParamObject* object, const std::string& name, const std::string& value);
std::string GetParam(const Morvik::TParamObject* object, const std::string& name);
// The list parameter of this name; a missing name fails the current test and gives nullptr.
Morvik::TListParam* List(Morvik::TParamObject* object, const std::string& name);
// Adds an item to a named list and sets its scalars by name.
Morvik::TParamObject* AddItem(Morvik::TParamObject* owner, const std::string& list,
                              std::initializer_list<std::pair<std::string, std::string>> values);

// Registry index of a data-type keyword, -1 when the model has no such type.
int DataTypeIndex(const Morvik::TModelInfo& info, const std::string& keyword);

struct ColumnSpec {
  std::string name;
  std::string type = "INTEGER";
  std::vector<std::pair<std::string, std::string>> typeParams = {};
  std::vector<std::pair<std::string, std::string>> params = {}; // NotNull, Default ...
  bool key = false;
  std::string comment = "";
};

Morvik::TTable* AddTable(Morvik::TModel* model, const std::string& name,
                         const std::vector<ColumnSpec>& columns, const std::string& comment = "");
Morvik::TColumn* AddColumn(Morvik::TModel* model, Morvik::TTable* table, const ColumnSpec& spec);
Morvik::TColumn* FindColumn(Morvik::TTable* table, const std::string& name);
// A unique constraint of the table over the named columns.
Morvik::TParamObject* AddUnique(Morvik::TTable* table, const std::vector<std::string>& columns);
// A reference from child to parent with pairs of (parent column, child column) names.
Morvik::TReference* AddReference(Morvik::TModel* model, Morvik::TTable* parent, Morvik::TTable* child,
                                 const std::vector<std::pair<std::string, std::string>>& pairs,
                                 const std::string& name = "", const std::string& onDelete = "",
                                 const std::string& onUpdate = "");

} // namespace SchemaTest
