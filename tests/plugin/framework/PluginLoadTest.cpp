// The built plug-in, loaded as the program loads it: the one export Models, the
// model list, models created and deleted through the interface, unloading and loading again.
#include <gtest/gtest.h>

#include <cstring>

#include "Interface/MorvikInterface.h"
#include "tests/support/PluginLibrary.h"

namespace {

using testsupport::TPluginLibrary;

TEST(PluginLoadTest, ModelsReturnsTheOneModelList) {
  TPluginLibrary Plugin;
  ASSERT_NE(Plugin.Entry(), nullptr) << Plugin.Error();
  Morvik::TModels* Models = Plugin.Entry()();
  ASSERT_NE(Models, nullptr);
  EXPECT_EQ(Plugin.Entry()(), Models);

  EXPECT_EQ(Models->GetCount(), 1);
  EXPECT_STREQ(Models->GetVersion(), "2.0");
  ASSERT_NE(Models->GetAuthor(), nullptr);
  EXPECT_GT(std::strlen(Models->GetAuthor()), 0u);
  EXPECT_EQ(Models->IndexOf("InterBase 6"), 0);
  EXPECT_EQ(Models->IndexOf("Another database"), 0);
  EXPECT_EQ(Models->IndexOf(""), 0);
  EXPECT_EQ(Models->GetModelInfo(-1), nullptr);
  EXPECT_EQ(Models->GetModelInfo(1), nullptr);
  EXPECT_EQ(Models->CreateModel(-1), nullptr);
  EXPECT_EQ(Models->CreateModel(1), nullptr);
  EXPECT_TRUE(Plugin.Unload());
}

TEST(PluginLoadTest, ModelDescriptionAndNewModels) {
  TPluginLibrary Plugin;
  ASSERT_TRUE(Plugin.Loaded()) << Plugin.Error();
  Morvik::TModels* Models = Plugin.Models();
  Morvik::TModelInfo* Info = Models->GetModelInfo(0);
  ASSERT_NE(Info, nullptr);

  EXPECT_STREQ(Info->GetName(), "InterBase 6");
  EXPECT_EQ(Info->GetDataTypeCount(), 15);
  EXPECT_EQ(Info->GetReverseSources(), nullptr);
  EXPECT_EQ(Models->GetModelInfo(0), Info);

  Morvik::TModel* First = Models->CreateModel(0);
  Morvik::TModel* Second = Models->CreateModel(0);
  ASSERT_NE(First, nullptr);
  ASSERT_NE(Second, nullptr);
  EXPECT_NE(First, Second);
  EXPECT_STREQ(First->GetName(), "InterBase 6");
  EXPECT_EQ(First->GetTableCount(), 0);
  // The program deletes its models through the virtual destructor before unloading.
  delete First;
  delete Second;
  EXPECT_TRUE(Plugin.Unload());
}

TEST(PluginLoadTest, UnloadsAndLoadsAgain) {
  for (int Round = 0; Round < 3; ++Round) {
    SCOPED_TRACE(Round);
    TPluginLibrary Plugin;
    ASSERT_TRUE(Plugin.Loaded()) << Plugin.Error();
    Morvik::TModels* Models = Plugin.Models();
    EXPECT_EQ(Models->GetCount(), 1);
    EXPECT_STREQ(Models->GetVersion(), "2.0");
    if (Morvik::TModelInfo* Info = Models->GetModelInfo(0)) {
      EXPECT_STREQ(Info->GetName(), "InterBase 6");
      EXPECT_EQ(Info->GetDataTypeCount(), 15);
      delete Models->CreateModel(0);
    }
    EXPECT_TRUE(Plugin.Unload());
    // Really gone from the process, not only released.
    EXPECT_FALSE(testsupport::LibraryLoaded(VARNE_PLUGIN_PATH));
  }
}

} // namespace
