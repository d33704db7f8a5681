// The built plug-in loaded as the program loads it (dlopen, the one export), one new model,
// and helpers that address parameters and data types by their persisted names.
#pragma once

#include "Interface/MorvikInterface.h"
#include "tests/support/PluginLibrary.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace plugin {

class PluginTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_NE(loaded.Models(), nullptr) << loaded.Error();
    model.reset(loaded.Models()->CreateModel(0));
    ASSERT_NE(model, nullptr);
  }
  void TearDown() override { model.reset(); }

  testsupport::TPluginLibrary loaded{VARNE_PLUGIN_PATH};
  testsupport::TModelPtr model;
};

// Scalar index, list index and position of a named parameter; a missing name fails the test.
int Scalar(const Morvik::TParamObjectInfo* Info, const std::string& Name);
int ListIndex(const Morvik::TParamObjectInfo* Info, const std::string& Name);
int Position(const Morvik::TParamObjectInfo* Info, const std::string& Name);
void Set(Morvik::TParamObject* Object, const std::string& Name, const std::string& Value);
std::string Get(const Morvik::TParamObject* Object, const std::string& Name);
Morvik::TParamObject* AddItem(Morvik::TParamObject* Owner, const std::string& List);
int DataTypeIndex(const Morvik::TModelInfo* Info, const std::string& Keyword);
// A column of the given type, with its first type parameter (length, precision) set when given.
Morvik::TColumn* AddColumn(Morvik::TModel* Model, Morvik::TTable* Table, const std::string& Name,
                           const std::string& Type, const std::string& Size = "");

} // namespace plugin
