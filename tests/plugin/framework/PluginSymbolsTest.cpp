// The built plug-in exports exactly Models and has no unique symbols, which would keep it
// loaded after dlclose.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Output(const std::string& Command) {
  std::string Out;
  FILE* Pipe = popen(Command.c_str(), "r");
  if (!Pipe) return Out;
  char Chunk[4096];
  std::size_t Read;
  while ((Read = fread(Chunk, 1, sizeof Chunk, Pipe)) > 0) Out.append(Chunk, Read);
  EXPECT_EQ(pclose(Pipe), 0) << Command;
  return Out;
}

TEST(PluginSymbolsTest, ExportsOnlyModels) {
  const std::string Listing = Output(std::string("nm -D --defined-only ") + VARNE_PLUGIN_PATH);
  std::vector<std::string> Names;
  std::istringstream Lines(Listing);
  std::string Line;
  while (std::getline(Lines, Line)) {
    std::istringstream Fields(Line);
    std::string Address, Type, Name;
    Fields >> Address >> Type >> Name;
    if (!Name.empty()) {
      Names.push_back(Name);
      EXPECT_EQ(Type, "T") << Line;
    }
  }
  EXPECT_EQ(Names, std::vector<std::string>{"Models"}) << Listing;
}

TEST(PluginSymbolsTest, HasNoUniqueSymbols) {
  const std::string Symbols = Output(std::string("readelf -sW ") + VARNE_PLUGIN_PATH);
  ASSERT_NE(Symbols.find("Models"), std::string::npos);
  EXPECT_EQ(Symbols.find("UNIQUE"), std::string::npos);
}

} // namespace
