// TAC: items, directives, nesting, character handling and growth.
#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "plugin/framework/Accumulator.h"

namespace {

using Morvik::TAC;

TEST(AccumulatorTest, ItemsAreJoinedBySeparator) {
  TAC Ac(", ");
  EXPECT_EQ(Ac.Printf("%s", "a"), 1);
  EXPECT_EQ(Ac.Printf("%s", "b"), 2);
  EXPECT_EQ(Ac.Printf("%s", "c"), 3);
  EXPECT_STREQ(Ac.GetText(), "a, b, c");
  EXPECT_STREQ(Ac.Text(), "a, b, c");
}

TEST(AccumulatorTest, SeparatorDirectiveCountsAFurtherItem) {
  TAC Ac(", ");
  EXPECT_EQ(Ac.Printf("%s%;%s", "a", "b"), 2);
  EXPECT_EQ(Ac.Printf("c"), 3);
  EXPECT_STREQ(Ac.GetText(), "a, b, c");
}

TEST(AccumulatorTest, AppendWritesNoSeparatorAndCountsNoItem) {
  TAC Ac(", ");
  EXPECT_EQ(Ac.AppendItem("x"), 1);
  EXPECT_EQ(Ac.Append("ab"), 2);
  EXPECT_EQ(Ac.Append("cdef", 1), 1);
  EXPECT_EQ(Ac.Append("xyz", 10), 3);
  EXPECT_EQ(Ac.Append(nullptr), 0);
  EXPECT_EQ(Ac.Append(""), 0);
  EXPECT_EQ(Ac.GetItemCount(), 1);
  EXPECT_EQ(Ac.AppendItem(nullptr), 1);
  EXPECT_EQ(Ac.Printf(nullptr), 1);
  EXPECT_EQ(Ac.AppendItem("yz", 1), 2);
  EXPECT_STREQ(Ac.GetText(), "xabcxyz, y");
}

TEST(AccumulatorTest, ResetEmptiesTheLevel) {
  TAC Ac(", ");
  Ac.Printf("a");
  Ac.Printf("b");
  EXPECT_EQ(Ac.Reset(), 0);
  EXPECT_STREQ(Ac.GetText(), "");
  EXPECT_EQ(Ac.Printf("c"), 1);
  EXPECT_STREQ(Ac.GetText(), "c");
}

TEST(AccumulatorTest, NullSeparatorIsABlank) {
  TAC Ac(nullptr);
  Ac.Printf("a");
  Ac.Printf("b");
  Ac.SetSeparator(nullptr);
  Ac.Printf("c");
  Ac.SetSeparator("+");
  Ac.Printf("d");
  EXPECT_STREQ(Ac.GetText(), "a b c+d");
}

struct TDirectiveCase {
  const char* Name;
  std::function<int(TAC&)> Write;
  const char* Expected;
};

TEST(AccumulatorTest, EachDirective) {
  const TDirectiveCase Cases[] = {
      {"text", [](TAC& A) { return A.Printf("<%s>", "it's"); }, "<it's>"},
      {"null text", [](TAC& A) { return A.Printf("<%s>", static_cast<const char*>(nullptr)); }, "<>"},
      {"translated", [](TAC& A) { return A.Printf("%X", "it's \"x\""); }, "it\\'s \\\"x\\\""},
      {"quoted", [](TAC& A) { return A.Printf("%x", "it's"); }, "\"it\\'s\""},
      {"character", [](TAC& A) { return A.Printf("[%c]", 'A'); }, "[A]"},
      {"character low byte", [](TAC& A) { return A.Printf("[%c]", 0x141); }, "[A]"},
      {"character zero", [](TAC& A) { return A.Printf("[%c]", 0); }, "[]"},
      {"int", [](TAC& A) { return A.Printf("%d|%i", -42, INT_MIN); }, "-42|-2147483648"},
      {"long", [](TAC& A) { return A.Printf("%l", LONG_MAX); }, "9223372036854775807"},
      {"double", [](TAC& A) { return A.Printf("%f|%f", 1.5, -0.25); }, "1.500000|-0.250000"},
      {"double rounded", [](TAC& A) { return A.Printf("%f", 2.0000005); }, "2.000001"},
      {"date", [](TAC& A) { return A.Printf("%D", "24.5.2001"); }, "\"2001-05-24\""},
      {"date other separators", [](TAC& A) { return A.Printf("%D", " 1/12/1999 10:00"); }, "\"1999-12-01\""},
      {"date edges", [](TAC& A) { return A.Printf("%D", "31.12.0001"); }, "\"0001-12-31\""},
      {"percent", [](TAC& A) { return A.Printf("100%%"); }, "100%"},
      {"unknown", [](TAC& A) { return A.Printf("%q"); }, "q"},
      {"percent at the end", [](TAC& A) { return A.Printf("abc%"); }, "abc"},
  };
  for (const auto& Case : Cases) {
    TAC Ac(", ");
    EXPECT_EQ(Case.Write(Ac), 1) << Case.Name;
    EXPECT_STREQ(Ac.GetText(), Case.Expected) << Case.Name;
  }
}

TEST(AccumulatorTest, InvalidDateWritesNoItemAtAll) {
  const char* Invalid[] = {"32.1.2000", "0.1.2000", "1.13.2000", "1.0.2000", "1.1.99",
                           "1.1.",      "1.1",      "",          "abc",      nullptr};
  for (const char* Date : Invalid) {
    TAC Ac(", ");
    Ac.Printf("x");
    EXPECT_EQ(Ac.Printf("DATE %D%;y", Date), 1) << (Date ? Date : "(null)");
    EXPECT_STREQ(Ac.GetText(), "x") << (Date ? Date : "(null)");
    EXPECT_EQ(Ac.GetItemCount(), 1);
  }
}

TEST(AccumulatorTest, HugeDoublesAreWrittenWhole) {
  TAC Ac(", ", 16);
  Ac.Printf("%f", DBL_MAX);
  Ac.Printf("%f", -1e300);
  const std::string Text = Ac.GetText();
  char Expected[1000];
  std::snprintf(Expected, sizeof Expected, "%f, %f", DBL_MAX, -1e300);
  EXPECT_EQ(Text, Expected);
  EXPECT_EQ(Text.size(), 309u + 7u + 2u + 302u + 7u);
}

TEST(AccumulatorTest, DoublesIgnoreTheLocale) {
  // Build a locale with a decimal comma for this process, if the machine can.
  char Dir[] = "/tmp/morvik-locale-XXXXXX";
  ASSERT_NE(mkdtemp(Dir), nullptr);
  const std::string Command =
      std::string("localedef -i de_DE -f UTF-8 ") + Dir + "/de_DE.UTF-8 >/dev/null 2>&1";
  const bool Made = std::system(Command.c_str()) == 0;
  if (Made) setenv("LOCPATH", Dir, 1);
  const bool Set = Made && std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
  char Printed[32];
  std::snprintf(Printed, sizeof Printed, "%f", 1.5);
  TAC Ac(";");
  Ac.Printf("%f", 1.5);
  std::setlocale(LC_NUMERIC, "C");
  unsetenv("LOCPATH");
  std::system((std::string("rm -rf ") + Dir).c_str());
  if (!Set) GTEST_SKIP() << "no locale with a decimal comma can be made here";
  ASSERT_STREQ(Printed, "1,500000");
  EXPECT_STREQ(Ac.GetText(), "1.500000");
}

TEST(AccumulatorTest, CharacterTranslationEscapesAndQuotes) {
  TAC Ac("");
  EXPECT_EQ(Ac.AppendTranslated("it's", true), 5);
  EXPECT_STREQ(Ac.GetText(), "\"it\\'s\"");

  Ac.Reset();
  Ac.SetTranslation("abc", "xyz", "-");
  EXPECT_EQ(Ac.AppendTranslated("a-b-c-d", false), 4);
  EXPECT_STREQ(Ac.GetText(), "xyzd");

  // The escape applies to the translated character.
  Ac.Reset();
  Ac.SetTranslation("q", "'", nullptr);
  EXPECT_EQ(Ac.AppendTranslated("q", false), 2);
  EXPECT_STREQ(Ac.GetText(), "\\'");

  Ac.Reset();
  Ac.SetTranslation(nullptr, nullptr);
  Ac.SetEscape('!', "a");
  Ac.SetQuotes("<", nullptr);
  EXPECT_EQ(Ac.AppendTranslated("a'b", true), 4);
  EXPECT_STREQ(Ac.GetText(), "<!a'b<");

  Ac.Reset();
  Ac.SetQuotes("[", "]");
  EXPECT_EQ(Ac.AppendTranslated(nullptr, true), 0);
  EXPECT_STREQ(Ac.GetText(), "[]");
}

TEST(AccumulatorTest, GrowsAsOftenAsNeededWithoutCuttingText) {
  TAC Ac(", ", 4);
  EXPECT_EQ(Ac.GetCapacity(), 4);
  const std::string Long(1000, 'x');
  EXPECT_EQ(Ac.Append(Long.c_str()), 1000);
  EXPECT_EQ(Ac.GetCapacity(), 1024);
  EXPECT_EQ(std::string(Ac.GetText()), Long);
  const std::string Quoted(3000, '\'');
  EXPECT_EQ(Ac.AppendTranslated(Quoted.c_str(), true), 6000);
  EXPECT_EQ(std::string(Ac.GetText()).size(), 1000u + 6002u);
  EXPECT_EQ(Ac.GetCapacity(), 8192);
  EXPECT_EQ(TAC(nullptr, 0).GetCapacity(), 1024);
  EXPECT_EQ(TAC(nullptr, -5).GetCapacity(), 1024);
}

TEST(AccumulatorTest, NestedLevelWithItemsIsWrappedIntoTheParent) {
  TAC Ac(",\n");
  Ac.Printf("a");
  EXPECT_EQ(Ac.Push("(", ", ", ")"), 0);
  Ac.Printf("x");
  Ac.Printf("%d", 2);
  EXPECT_EQ(Ac.GetItemCount(), 2);
  EXPECT_STREQ(Ac.GetText(), "a");
  EXPECT_EQ(Ac.Pop("EMPTY"), 2);
  EXPECT_STREQ(Ac.GetText(), "a,\n(x, 2)");
  EXPECT_EQ(Ac.GetItemCount(), 2);
}

TEST(AccumulatorTest, EmptyLevelVanishesUnlessForced) {
  TAC Ac(", ");
  Ac.Printf("a");
  Ac.Push("(", ",", ")");
  EXPECT_EQ(Ac.Pop("none", false), 0);
  EXPECT_STREQ(Ac.GetText(), "a");
  EXPECT_EQ(Ac.GetItemCount(), 1);

  Ac.Push("RETURNS (", ",", ")");
  EXPECT_EQ(Ac.Pop("none", true), 0);
  Ac.Push("[", ",", "]");
  EXPECT_EQ(Ac.EndLevel(true), 0);
  Ac.Push("{", ",", "}");
  EXPECT_EQ(Ac.EndLevel(), 0);
  EXPECT_STREQ(Ac.GetText(), "a, RETURNS (none), []");
  EXPECT_EQ(Ac.GetItemCount(), 3);
}

TEST(AccumulatorTest, PopAtTheOutermostLevelChangesNothing) {
  TAC Ac(", ");
  Ac.Printf("a");
  EXPECT_EQ(Ac.Pop("x", true), -1);
  EXPECT_EQ(Ac.EndLevel(true), -1);
  EXPECT_STREQ(Ac.GetText(), "a");
}

TEST(AccumulatorTest, LevelWithoutPrefixIsAnItemOfItsOwn) {
  TAC Ac(", ");
  Ac.Printf("a");
  Ac.Push(nullptr, "|", nullptr);
  Ac.Printf("b");
  Ac.Printf("c");
  EXPECT_EQ(Ac.Pop(), 2);
  EXPECT_STREQ(Ac.GetText(), "a, b|c");
  EXPECT_EQ(Ac.GetItemCount(), 2);
}

TEST(AccumulatorTest, LevelsNestSeveralDeep) {
  TAC Ac("; ");
  Ac.Printf("CREATE");
  Ac.Push("(", ", ", ")");
  Ac.Printf("a");
  Ac.Push("KEY (", " ", ")");
  Ac.Printf("k1");
  Ac.Push("<", "", ">");
  EXPECT_EQ(Ac.Pop(), 0);
  Ac.Printf("k2");
  EXPECT_EQ(Ac.Pop(), 2);
  EXPECT_EQ(Ac.Pop(), 2);
  EXPECT_STREQ(Ac.GetText(), "CREATE; (a, KEY (k1 k2))");
}

TEST(AccumulatorTest, TablesAndQuotesBelongToTheCurrentLevel) {
  TAC Ac(", ");
  Ac.SetQuotes("'");
  Ac.SetEscape('\\', "x");
  Ac.Push("(", ", ", ")");
  // Inherited from the level below.
  Ac.Printf("%x", "ax");
  Ac.SetQuotes("[", "]");
  Ac.SetTranslation("a", "A");
  Ac.SetEscape('#', "A");
  Ac.Printf("%x", "ax");
  Ac.AppendTranslated("a", true);
  Ac.Pop();
  // The outer level's own tables again.
  Ac.Printf("%x", "ax");
  EXPECT_STREQ(Ac.GetText(), "('a\\x', [#Ax][#A]), 'a\\x'");
}

TEST(AccumulatorTest, ResetAndSeparatorOfAPushedLevel) {
  TAC Ac(", ");
  Ac.Printf("a");
  Ac.Push("(", ",", ")");
  Ac.Printf("x");
  EXPECT_EQ(Ac.Reset(), 0);
  Ac.SetSeparator("+");
  Ac.Printf("y");
  Ac.Printf("z");
  Ac.Pop();
  Ac.Printf("b");
  EXPECT_STREQ(Ac.GetText(), "a, (y+z), b");
}

TEST(AccumulatorTest, DestructorFreesLevelsNotPopped) {
  // The leak checker of the test build reports any level left behind.
  auto* Ac = new TAC(", ");
  Ac->Printf("a");
  Ac->Push("(", ",", ")");
  Ac->Printf("b");
  Ac->Push("(", ",", ")");
  Ac->Printf("%s", std::string(5000, 'c').c_str());
  delete Ac;
  SUCCEED();
}

} // namespace
