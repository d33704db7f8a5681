// Type parameters of variables, procedure parameters and domains: their descriptions and
// enabling, the type text, and the local variable's declaration and checks.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "TestOwners.h"
#include "plugin/datatypes/Variables.h"
#include "plugin/framework/ParamEnabling.h"
#include "plugin/framework/StaticInstance.h"

namespace {

using namespace Varne;
using Morvik::TStaticInstance;

// A holder with five scalars of its own before the type parameters, as a domain has.
class TFiveThenTypes_P : public Morvik::TParamsList {
public:
  TFiveThenTypes_P() {
    for (const char* Name : {"Name", "Default", "NotNull", "Check", "Collation"})
      Add(new Morvik::TParamInfoC(Name, "", 1, Morvik::ptString));
    Append(GetTypesParams());
  }
};

using TFiveThenTypesInfo = Morvik::TParamObjectInfoMixin<TFiveThenTypes_P>;

class TFiveThenTypes : public Morvik::TParamObjectMixin<TFiveThenTypesInfo> {
public:
  TFiveThenTypes() : Morvik::TParent(nullptr), Morvik::TParamObjectMixin<TFiveThenTypesInfo>(nullptr) {}
};

class VariablesTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() {
    DataTypesTest::BuildTestLists();
    TStaticInstance<TTypesParams_P>::Build();
    TStaticInstance<TVariablesParams_P>::Build();
    TStaticInstance<TFiveThenTypes_P>::Build();
  }

  DataTypesTest::TPlainOwner procedure{nullptr};

  // Name, DataType, Precision, Scale, Length, CharSet, ArrayDim, SubType, SegmentSize.
  std::unique_ptr<TVariables> Variable(const std::vector<const char*>& Values) {
    auto Item = std::make_unique<TVariables>(&procedure);
    for (std::size_t I = 0; I < Values.size(); ++I) Item->SetParamValue(static_cast<int>(I), Values[I]);
    return Item;
  }
};

TEST_F(VariablesTest, TypeParametersAreDescribedInStoredOrder) {
  struct {
    const char* Name;
    const char* Help;
    Morvik::TParamType Type;
    const char* DependValues;
  } const Cases[] = {
      {"Name", "Name of variable", Morvik::ptString, nullptr},
      {"DataType", "Basic datatype", Morvik::ptEnum, nullptr},
      {"Precision", "NUMBER type precision", Morvik::ptNumber, "|0|1"},
      {"Scale", "NUMBER type scale", Morvik::ptNumber, "|0|1"},
      {"Length", "Character type length", Morvik::ptNumber, "2|3|4|5"},
      {"CharSet", "Character encoding", Morvik::ptString, "2|3|13"},
      {"ArrayDim", "Dimension in case of array definiton", Morvik::ptNumber, "|0|1|2|3|4|5|6|7|8|9|10|11|12"},
      {"SubType", "Type used in BLOB", Morvik::ptNumber, "13"},
      {"SegmentSize", "Size of one segment in BLOB", Morvik::ptNumber, "13"},
  };
  TVariables Item(&procedure);
  ASSERT_EQ(Item.GetParamCount(), 9);
  EXPECT_EQ(Item.GetListParamCount(), 0);
  for (int Pos = 0; Pos < 9; ++Pos) {
    const auto& Case = Cases[Pos];
    SCOPED_TRACE(Case.Name);
    EXPECT_EQ(Item.GetParamKind(Pos), Morvik::pkScalar);
    EXPECT_EQ(Item.GetKindIndex(Pos), Pos);
    const Morvik::TParamInfo* Param = Item.GetParam(Pos);
    EXPECT_STREQ(Param->GetName(), Case.Name);
    EXPECT_STREQ(Param->GetHelp(), Case.Help);
    EXPECT_EQ(Param->GetType(), Case.Type);
    EXPECT_EQ(Param->GetFlag(), 1);
    if (Case.DependValues) {
      EXPECT_EQ(Item.GetDependParam(Pos), 1);
      EXPECT_STREQ(Item.GetDependValues(Pos), Case.DependValues);
    } else {
      EXPECT_EQ(Item.GetDependParam(Pos), -1);
    }
  }
  // The appended descriptions are the shared ones.
  const TTypesParams_P& Types = GetTypesParams();
  ASSERT_EQ(Types.GetScalarCount(), 8);
  for (int I = 0; I < 8; ++I) EXPECT_EQ(Item.GetParam(I + 1), Types.GetScalarInfo(I));
  EXPECT_EQ(Types.GetDependParam(1), 0);
}

TEST_F(VariablesTest, DataTypeOptionsAreTheColumnTypesWithoutDomain) {
  const std::vector<std::string> Expected = {
      "NUMERIC", "DECIMAL",          "CHAR", "VARCHAR", "NCHAR",     "NCHAR VARYING", "SMALLINT", "INTEGER",
      "FLOAT",   "DOUBLE PRECISION", "DATE", "TIME",    "TIMESTAMP", "BLOB"};
  const Morvik::TParamInfo* DataType = GetTypesParams().GetScalarInfo(0);
  ASSERT_EQ(DataType->GetOptionCount(), static_cast<int>(Expected.size()));
  for (int I = 0; I < DataType->GetOptionCount(); ++I)
    EXPECT_EQ(DataType->GetOption(I), Expected[static_cast<std::size_t>(I)]);
}

TEST_F(VariablesTest, TypeParametersAreEnabledByTheChosenType) {
  // Positions in the variable: 2 Precision, 3 Scale, 4 Length, 5 CharSet, 6 ArrayDim,
  // 7 SubType, 8 SegmentSize.
  struct {
    const char* DataType;
    const char* Enabled; // one letter per position 2..8
  } const Cases[] = {
      {"", "yynnynn"},   {"0", "yynnynn"},  {"1", "yynnynn"},  {"2", "nnyyynn"},
      {"3", "nnyyynn"},  {"4", "nnynynn"},  {"5", "nnynynn"},  {"7", "nnnnynn"},
      {"12", "nnnnynn"}, {"13", "nnnynyy"}, {"-1", "nnnnnnn"}, {"14", "nnnnnnn"},
  };
  for (const auto& Case : Cases) {
    TVariables Item(&procedure);
    Item.SetParamValue(1, Case.DataType);
    std::string Enabled;
    for (int Pos = 2; Pos <= 8; ++Pos) Enabled += Morvik::IsParamEnabled(Item, Pos) ? 'y' : 'n';
    EXPECT_EQ(Enabled, Case.Enabled) << "DataType \"" << Case.DataType << '"';
    EXPECT_TRUE(Morvik::IsParamEnabled(Item, 0));
    EXPECT_TRUE(Morvik::IsParamEnabled(Item, 1));
  }
}

struct TDeclarationCase {
  std::vector<const char*> Values;
  const char* Expected;
};

const TDeclarationCase DeclarationCases[] = {
    {{"total", "0", "15", "2"}, "DECLARE VARIABLE total NUMERIC(15,2);\n"},
    {{"n", "1", "9"}, "DECLARE VARIABLE n DECIMAL(9);\n"},
    // An empty DataType reads as NUMERIC.
    {{"n"}, "DECLARE VARIABLE n NUMERIC;\n"},
    {{"n", "", "5"}, "DECLARE VARIABLE n NUMERIC(5);\n"},
    // A scale without a precision writes no parentheses.
    {{"n", "0", "", "2"}, "DECLARE VARIABLE n NUMERIC;\n"},
    {{"s", "3", "", "", "20", "cs"}, "DECLARE VARIABLE s VARCHAR(20) CHARACTER SET cs;\n"},
    {{"s", "2", "", "", "10", "cs", "2"}, "DECLARE VARIABLE s CHAR(10)[2] CHARACTER SET cs;\n"},
    {{"s", "2"}, "DECLARE VARIABLE s CHAR;\n"},
    // NCHAR and NCHAR VARYING write no character set.
    {{"s", "4", "", "", "10", "cs"}, "DECLARE VARIABLE s NCHAR(10);\n"},
    {{"s", "5", "", "", "10", "cs"}, "DECLARE VARIABLE s NCHAR VARYING(10);\n"},
    // Values left over from another type are ignored.
    {{"i", "7", "10", "2", "30", "cs", "", "1", "80"}, "DECLARE VARIABLE i INTEGER;\n"},
    {{"i", "7", "", "", "", "", "3"}, "DECLARE VARIABLE i INTEGER[3];\n"},
    {{"i", "7", "", "", "", "", "0"}, "DECLARE VARIABLE i INTEGER;\n"},
    {{"i", "7", "", "", "", "", "x"}, "DECLARE VARIABLE i INTEGER;\n"},
    {{"i", "7", "", "", "", "", "1:4"}, "DECLARE VARIABLE i INTEGER[1:4];\n"},
    {{"d", "9"}, "DECLARE VARIABLE d DOUBLE PRECISION;\n"},
    {{"b", "13", "", "", "", "cs", "4", "1", "80"},
     "DECLARE VARIABLE b BLOB SUB_TYPE 1 SEGMENT SIZE 80 CHARACTER SET cs;\n"},
    {{"b", "13", "", "", "", "", "", "", "80"}, "DECLARE VARIABLE b BLOB SEGMENT SIZE 80;\n"},
    // Enumeration indexes that name no type write no type.
    {{"x", "-1", "5"}, "DECLARE VARIABLE x ;\n"},
    {{"x", "14", "", "", "", "", "2"}, "DECLARE VARIABLE x ;\n"},
    {{"x", "99"}, "DECLARE VARIABLE x ;\n"},
    // An empty name leaves two blanks before the type.
    {{"", "7"}, "DECLARE VARIABLE  INTEGER;\n"},
    // A new variable.
    {{}, "DECLARE VARIABLE  NUMERIC;\n"},
};

TEST_F(VariablesTest, DeclarationWritesNameAndTypeText) {
  for (const auto& Case : DeclarationCases) {
    auto Item = Variable(Case.Values);
    EXPECT_STREQ(Item->Generate(), Case.Expected);
  }
}

TEST_F(VariablesTest, TypeTextReadsFromTheGivenBasePosition) {
  TFiveThenTypes Holder;
  ASSERT_EQ(Holder.GetParamCount(), 13);
  EXPECT_EQ(Holder.GetDependParam(6), 5);
  Holder.SetParamValue(0, "D_NAME");
  Holder.SetParamValue(4, "99");
  Holder.SetParamValue(5, "3");
  Holder.SetParamValue(8, "40");
  Holder.SetParamValue(9, "UTF8");
  Morvik::TTextBuffer Out;
  Out.Append("AS ");
  DataTypeText(Out, &Holder, 5);
  EXPECT_STREQ(Out.GetText(), "AS VARCHAR(40) CHARACTER SET UTF8");
}

TEST_F(VariablesTest, ChecksNameTypeAndArray) {
  struct {
    std::vector<const char*> Values;
    int Pos;
    const char* Expected;
  } const Cases[] = {
      // A new variable asks for its name only.
      {{}, 0, MsgVariableNameMissing},
      {{}, 1, nullptr},
      {{}, 6, nullptr},
      {{}, -1, nullptr},
      {{"v"}, 0, nullptr},
      {{" "}, 0, nullptr},
      {{"v", "0"}, 1, nullptr},
      {{"v", "9"}, 1, nullptr},
      {{"v", "10"}, 1, MsgVariableTypeRefused},
      {{"v", "11"}, 1, MsgVariableTypeRefused},
      {{"v", "12"}, 1, MsgVariableTypeRefused},
      {{"v", "13"}, 1, MsgVariableTypeRefused},
      {{"v", "-1"}, 1, nullptr},
      {{"v", "7", "", "", "", "", "3"}, 6, MsgVariableArrayRefused},
      // Only an empty dimension passes, although "0" writes none.
      {{"v", "7", "", "", "", "", "0"}, 6, MsgVariableArrayRefused},
      {{"v", "13", "x", "x", "x", "x", "", "x", "x"}, 2, nullptr},
      {{"v", "13", "x", "x", "x", "x", "", "x", "x"}, 8, nullptr},
      {{"", "13", "", "", "", "", "1"}, -1, nullptr},
  };
  for (const auto& Case : Cases) {
    auto Item = Variable(Case.Values);
    const char* Message = Item->Check(Case.Pos);
    if (Case.Expected)
      EXPECT_STREQ(Message, Case.Expected) << "position " << Case.Pos;
    else
      EXPECT_EQ(Message, nullptr) << "position " << Case.Pos;
  }
}

TEST_F(VariablesTest, VariablesListMakesItemsOwnedByTheListsHolder) {
  auto* Generator = new TVariablesListGenerator;
  std::unique_ptr<Morvik::TListParam> List(Generator->Create(&procedure));
  Morvik::TParamObject* Item = List->AddItem();
  ASSERT_NE(Item, nullptr);
  EXPECT_EQ(dynamic_cast<Morvik::TParent&>(*Item).GetParent(), &procedure);
  Item->SetParamValue(0, "v");
  Item->SetParamValue(1, "7");
  EXPECT_STREQ(List->GetItem(0)->Generate(), "DECLARE VARIABLE v INTEGER;\n");
  Generator->Release();
}

} // namespace
