// The built plug-in, loaded as the program loads it: dlopen, the one export Models, the
// model list, models created and deleted through the interface, unloading and loading again.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstring>

#include "Interface/MorvikInterface.h"

namespace {

class TLoadedPlugin {
public:
  TLoadedPlugin() : handle(dlopen(VARNE_PLUGIN_PATH, RTLD_NOW | RTLD_LOCAL)) {
    if (handle) models = reinterpret_cast<Morvik::TModelsFunc>(dlsym(handle, Morvik::ModelsExportName));
  }
  ~TLoadedPlugin() { Close(); }

  int Close() {
    const int Result = handle ? dlclose(handle) : 0;
    handle = nullptr;
    return Result;
  }

  void* handle;
  Morvik::TModelsFunc models = nullptr;
};

// Asking with RTLD_NOLOAD takes a reference when the library is there: give it back.
bool IsLoaded() {
  void* Handle = dlopen(VARNE_PLUGIN_PATH, RTLD_NOW | RTLD_NOLOAD);
  if (Handle == nullptr) return false;
  dlclose(Handle);
  return true;
}

TEST(PluginLoadTest, ModelsReturnsTheOneModelList) {
  TLoadedPlugin Plugin;
  ASSERT_NE(Plugin.handle, nullptr) << dlerror();
  ASSERT_NE(Plugin.models, nullptr);
  Morvik::TModels* Models = Plugin.models();
  ASSERT_NE(Models, nullptr);
  EXPECT_EQ(Plugin.models(), Models);

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
  EXPECT_EQ(Plugin.Close(), 0);
}

TEST(PluginLoadTest, ModelDescriptionAndNewModels) {
  TLoadedPlugin Plugin;
  ASSERT_NE(Plugin.models, nullptr) << dlerror();
  Morvik::TModels* Models = Plugin.models();
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
  EXPECT_EQ(Plugin.Close(), 0);
}

TEST(PluginLoadTest, UnloadsAndLoadsAgain) {
  for (int Round = 0; Round < 3; ++Round) {
    SCOPED_TRACE(Round);
    TLoadedPlugin Plugin;
    ASSERT_NE(Plugin.models, nullptr) << dlerror();
    Morvik::TModels* Models = Plugin.models();
    EXPECT_EQ(Models->GetCount(), 1);
    EXPECT_STREQ(Models->GetVersion(), "2.0");
    if (Morvik::TModelInfo* Info = Models->GetModelInfo(0)) {
      EXPECT_STREQ(Info->GetName(), "InterBase 6");
      EXPECT_EQ(Info->GetDataTypeCount(), 15);
      delete Models->CreateModel(0);
    }
    EXPECT_EQ(Plugin.Close(), 0);
    // Really gone from the process, not only released.
    EXPECT_FALSE(IsLoaded());
  }
}

} // namespace
