// Reading value texts as numbers.
#include <gtest/gtest.h>

#include <climits>

#include "plugin/framework/TextToInt.h"

namespace {

struct TTextToIntCase {
  const char* Text;
  int Expected;
};

TEST(TextToIntTest, ReadsTheLeadingNumber) {
  const TTextToIntCase Cases[] = {
      {nullptr, 0}, {"", 0},    {"abc", 0},        {"-", 0},   {"+", 0},   {" ", 0},     {" 12a", 12},
      {"-7", -7},   {"+3", 3},  {"\t\r\n 42", 42}, {"007", 7}, {"1 2", 1}, {"12.9", 12}, {"x12", 0},
      {"--5", 0},   {"+-5", 0}, {"- 5", 0},        {"-0", 0},  {"1", 1},   {"0", 0},
  };
  for (const auto& Case : Cases)
    EXPECT_EQ(Morvik::TextToInt(Case.Text), Case.Expected) << (Case.Text ? Case.Text : "(null)");
}

TEST(TextToIntTest, SaturatesAtTheIntRange) {
  const TTextToIntCase Cases[] = {
      {"2147483647", INT_MAX},
      {"2147483648", INT_MAX},
      {"+99999999999999999999999999", INT_MAX},
      {"-2147483648", INT_MIN},
      {"-2147483649", INT_MIN},
      {"-99999999999999999999999999x", INT_MIN},
      {"00000000000000000000000000012", 12},
  };
  for (const auto& Case : Cases) EXPECT_EQ(Morvik::TextToInt(Case.Text), Case.Expected) << Case.Text;
}

} // namespace
