// The enabling rule: a parameter is enabled while the scalar it depends on is enabled and
// holds one of its "|"-separated values.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestLists.h"

namespace FrameworkTest {
namespace {

TEST(DependValuesTest, PiecesBetweenBars) {
  struct TCase {
    const char* Values;
    const char* Value;
    bool Expected;
  };
  const TCase Cases[] = {
      {"|0|1", "", true},       {"|0|1", "0", true},    {"|0|1", "1", true},    {"|0|1", "2", false},
      {"2|3|4|5", "", false},   {"2|3|4|5", "2", true}, {"2|3|4|5", "5", true}, {"2|3|4|5", "6", false},
      {"2|3|4|5", "23", false}, {"13", "13", true},     {"13", "1", false},     {"13", "133", false},
      {"a||b", "", true},       {"a|", "", true},       {"a|b", "", false},     {"", "", true},
      {"", "x", false},         {"1|2", "1|2", false},  {"ab", "AB", false},    {"1", " 1", false},
      {"|0|1", nullptr, true},
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(Morvik::IsDependValue(Case.Values, Case.Value), Case.Expected)
        << '"' << Case.Values << "\" with \"" << (Case.Value ? Case.Value : "(null)") << '"';
}

// Positions: 0 A; 1 B on A "|0|1"; 2 List on B "x"; 3 C on A "2|3|4|5"; 4 D on C "7";
// 5 E on F "1" and 6 F on E "1" (a circle); 7 G on itself "" (a circle of one).
struct TChainList_P : TParamsList {
  TChainList_P() {
    Add(new TParamInfoC("A", "", 1, ptEnum));
    Add(new TParamInfoC("B", "", 1, ptString), 0, "|0|1");
    AddList(new TListParamInfoCMixin<TItemInfo>("List", "", 0), new TLPGeneratorMixin<TItem>, 1, "x");
    Add(new TParamInfoC("C", "", 1, ptNumber), 0, "2|3|4|5");
    Add(new TParamInfoC("D", "", 1, ptString), 2, "7");
    Add(new TParamInfoC("E", "", 1, ptBoolean), 5, "1");
    Add(new TParamInfoC("F", "", 1, ptBoolean), 4, "1");
    Add(new TParamInfoC("G", "", 1, ptString), 6, "");
  }
};
using TChainInfo = TParamObjectInfoMixin<TChainList_P>;

class TChain : public TParamObjectMixin<TChainInfo> {
public:
  TChain() : TParent(nullptr), TParamObjectMixin<TChainInfo>(nullptr) {}
};

class ParamEnablingTest : public ::testing::Test {
protected:
  ParamEnablingTest() {
    TStaticInstance<TItemList_P>::Build();
    TStaticInstance<TChainList_P>::Build();
  }
  ~ParamEnablingTest() override {
    TStaticInstance<TChainList_P>::Destroy();
    TStaticInstance<TItemList_P>::Destroy();
  }
};

TEST_F(ParamEnablingTest, ScalarPositionsFollowTheKindIndexes) {
  TChain Chain;
  EXPECT_EQ(ScalarPosition(Chain, 0), 0);
  EXPECT_EQ(ScalarPosition(Chain, 1), 1);
  EXPECT_EQ(ScalarPosition(Chain, 2), 3);
  EXPECT_EQ(ScalarPosition(Chain, 6), 7);
  EXPECT_EQ(ScalarPosition(Chain, 7), -1);
}

TEST_F(ParamEnablingTest, ChainsAndCircles) {
  struct TCase {
    std::vector<const char*> Values; // A B C D E F G
    std::string Enabled;             // one letter per position 0..7, 1 enabled
  };
  const TCase Cases[] = {
      // Unset A: B enabled by the empty piece, C disabled and with it D.
      {{"", "", "", "", "", "", ""}, "11000000"},
      {{"0", "x", "", "", "", "", ""}, "11100000"},
      {{"1", "y", "", "", "", "", ""}, "11000000"},
      // A 2: B disabled, so its list is disabled whatever B holds.
      {{"2", "x", "", "", "", "", ""}, "10010000"},
      {{"5", "", "7", "", "", "", ""}, "10011000"},
      {{"5", "", "8", "", "", "", ""}, "10010000"},
      // D needs C enabled as well as C holding 7.
      {{"1", "", "7", "", "", "", ""}, "11000000"},
      {{"6", "", "7", "", "", "", ""}, "10000000"},
      // A circle stays disabled whatever its values.
      {{"", "", "", "", "1", "1", ""}, "11000000"},
  };
  for (const auto& Case : Cases) {
    TChain Chain;
    for (int I = 0; I < 7; ++I) Chain.SetParamValue(I, Case.Values[static_cast<std::size_t>(I)]);
    std::string Enabled;
    for (int Pos = 0; Pos < 8; ++Pos) Enabled += IsParamEnabled(Chain, Pos) ? '1' : '0';
    EXPECT_EQ(Enabled, Case.Enabled) << "A=" << Case.Values[0] << " B=" << Case.Values[1]
                                     << " C=" << Case.Values[2];
  }
}

} // namespace
} // namespace FrameworkTest
