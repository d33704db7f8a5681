// Positions, the enabling rule and display texts over a plug-in object and over its mirror.
#include "tests/support/FakeModel.h"
#include "PreconditionMatchers.h"

#include "Interface/edit/EditParamObject.h"
#include "Interface/edit/ParamFunctions.h"

#include <gtest/gtest.h>

using namespace Morvik;

namespace {

// Positions: 0 Kind, 1 Flag (Kind in 1|2), 2 Size (Flag = 1), 3 list Items (Kind unset or 0),
// 4 Orphan (depends on a scalar that does not exist), 5 CycleA <-> 6 CycleB, 7 Self, 8 Note,
// 9 Label.
struct EnablingDescription : fake::TFakeDescription {
  EnablingDescription() {
    AddScalar("Kind", ptEnum, -1, "", {"none", "ASC", "DESC"});
    AddScalar("Flag", ptBoolean, 0, "1|2");
    AddScalar("Size", ptNumber, 1, "1");
    AddList("Items", 0, 0, "|0")->AddScalar("ItemName");
    AddScalar("Orphan", ptString, 42, "");
    AddScalar("CycleA", ptString, 5, ""); // scalar index 5 is CycleB
    AddScalar("CycleB", ptString, 4, ""); // scalar index 4 is CycleA
    AddScalar("Self", ptString, 6, "|x"); // scalar index 6 is itself
    AddScalar("Note", ptMemo);
    AddScalar("Label", ptString);
  }
};

class ParamFunctions : public ::testing::TestWithParam<bool> {
protected:
  // The plug-in object itself, or a mirror loaded from it: the rule reads both alike.
  TParamObject* Object() {
    if (!GetParam()) return &plugin;
    mirror.Load(&plugin);
    return &mirror;
  }

  EnablingDescription description;
  fake::TFakeParamObject plugin{&description};
  TEditParamObject mirror{&description};
};

TEST_P(ParamFunctions, FindsPositionsByKindAndIndex) {
  struct Case {
    TParamKind kind;
    int index;
    int position;
  };
  const Case cases[] = {{pkScalar, 0, 0}, {pkScalar, 2, 2},  {pkVector, 0, 3},  {pkScalar, 3, 4},
                        {pkScalar, 8, 9}, {pkScalar, 9, -1}, {pkVector, 1, -1}, {pkScalar, -1, -1}};
  TParamObject* object = Object();
  for (const Case& c : cases)
    EXPECT_EQ(FindParamPosition(object, c.kind, c.index), c.position) << c.kind << "/" << c.index;
}

TEST_P(ParamFunctions, EnablingFollowsTheChainOfControllingValues) {
  struct Case {
    const char* kind;
    const char* flag;
    bool flagOn, sizeOn, itemsOn;
  };
  const Case cases[] = {
      {"", "", false, false, true}, // unset kind: the empty piece of "|0" accepts it
      {"0", "1", false, false, true},
      {"1", "1", true, true, false},
      {"2", "1", true, true, false},
      {"2", "0", true, false, false},
      {"2", "", true, false, false},
      {"3", "1", false, false, false},  // Flag is disabled, so Size is too, whatever Flag holds
      {"1 ", "1", false, false, false}, // pieces compare exactly
      {"01", "1", false, false, false},
  };
  for (const Case& c : cases) {
    plugin.SetParamValue(0, c.kind);
    plugin.SetParamValue(1, c.flag);
    TParamObject* object = Object();
    SCOPED_TRACE(std::string("Kind='") + c.kind + "' Flag='" + c.flag + "'");
    EXPECT_TRUE(IsParamEnabled(object, 0));
    EXPECT_EQ(IsParamEnabled(object, 1), c.flagOn);
    EXPECT_EQ(IsParamEnabled(object, 2), c.sizeOn);
    EXPECT_EQ(IsParamEnabled(object, 3), c.itemsOn);
  }
}

TEST_P(ParamFunctions, CirclesAndMissingPositionsCountAsDisabled) {
  TParamObject* object = Object();
  EXPECT_FALSE(IsParamEnabled(object, 4)); // controlling scalar has no position
  EXPECT_FALSE(IsParamEnabled(object, 5)); // A needs B needs A ...
  EXPECT_FALSE(IsParamEnabled(object, 6));
  EXPECT_FALSE(IsParamEnabled(object, 7));  // needs itself
  EXPECT_FALSE(IsParamEnabled(object, -1)); // what FindParamPosition gives for "not found"
  EXPECT_FALSE(IsParamEnabled(object, 10)); // past the last position
  EXPECT_TRUE(IsParamEnabled(object, 9));
}

TEST_P(ParamFunctions, DisplayTextOfEveryValueType) {
  struct Case {
    int scalar;
    const char* value;
    const char* shown;
  };
  const Case cases[] = {
      {1, "", "FALSE"},
      {1, "0", "FALSE"},
      {1, "1", "TRUE"},
      {1, "2", "TRUE"},
      {1, "-1", "TRUE"},
      {1, " 7x", "TRUE"},
      {1, "yes", "FALSE"},
      {0, "", "none"},
      {0, "0", "none"},
      {0, "1", "ASC"},
      {0, "2", "DESC"},
      {0, " +2", "DESC"},
      {0, "abc", "none"},
      {0, "3", ""},
      {0, "-1", ""},
      {0, "99999999999999", ""},
      {0, "-2147483649", ""},
      {2, "12", "12"},
      {2, "12abc", "12abc"},
      {7, "two\nlines", "two\nlines"},
      {8, "", ""},
      {8, "  spaced ", "  spaced "},
  };
  for (const Case& c : cases) {
    plugin.SetParamValue(c.scalar, c.value);
    EXPECT_STREQ(GetParamDisplayText(Object(), c.scalar), c.shown)
        << "scalar " << c.scalar << " value '" << c.value << "'";
  }
}

TEST_P(ParamFunctions, RejectsAScalarIndexOutsideTheObject) {
  TParamObject* object = Object();
  ExpectPrecondition([&] { GetParamDisplayText(object, 9); }, "Idx>=0 && Idx<Object->GetParamCount()");
  ExpectPrecondition([&] { GetParamDisplayText(object, -1); }, "Idx>=0 && Idx<Object->GetParamCount()");
  ExpectPrecondition([&] { IsParamEnabled(nullptr, 0); }, "Object != NULL");
}

INSTANTIATE_TEST_SUITE_P(PluginAndMirror, ParamFunctions, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Mirror" : "Plugin"; });

} // namespace
