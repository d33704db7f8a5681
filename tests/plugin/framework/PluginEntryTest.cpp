// The library entry on its own: the units of this test stand in for the plug-in's units
// and record when the entry calls them, so that the order of set-up and tear-down shows.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <string>

#include "plugin/framework/PluginEntry.h"

namespace {

std::string& Log() {
  static std::string Calls;
  return Calls;
}

int ModelInfoCalls = 0;
int CreateModelCalls = 0;

} // namespace

namespace Varne {

void InitDataTypesUnit() { Log() += "D"; }
void InitModelUnit() { Log() += "M"; }
void InitReferencesUnit() { Log() += "R"; }
void InitTablesUnit() { Log() += "T"; }
void InitColumnsUnit() { Log() += "C"; }

void FinalizeColumnsUnit() { Log() += "c"; }
void FinalizeTablesUnit() { Log() += "t"; }
void FinalizeReferencesUnit() { Log() += "r"; }
void FinalizeModelUnit() { Log() += "m"; }
// Runs last, after the test program has finished: a wrong order fails the program.
void FinalizeDataTypesUnit() {
  Log() += "d";
  if (Log() != "DMRTC"
               "ctrmd") {
    std::fprintf(stderr, "units torn down in the wrong order: %s\n", Log().c_str());
    _exit(1);
  }
}

Morvik::TModelInfo* MyModelInfo() {
  ++ModelInfoCalls;
  return nullptr;
}

Morvik::TModel* CreateMyModel() {
  ++CreateModelCalls;
  return nullptr;
}

} // namespace Varne

namespace {

TEST(PluginEntryTest, UnitsAreSetUpInOrderBeforeAnyCall) { EXPECT_EQ(Log(), "DMRTC"); }

TEST(PluginEntryTest, ModelListAsksTheModelUnitForModelZeroOnly) {
  Morvik::TModels* Models = ::Models();
  ASSERT_NE(Models, nullptr);
  EXPECT_EQ(::Models(), Models);
  for (int Idx : {-1, 1, 2, 0}) Models->GetModelInfo(Idx);
  EXPECT_EQ(ModelInfoCalls, 1);
  for (int Idx : {-5, 1, 0}) Models->CreateModel(Idx);
  EXPECT_EQ(CreateModelCalls, 1);
  EXPECT_EQ(Log(), "DMRTC");
}

} // namespace
