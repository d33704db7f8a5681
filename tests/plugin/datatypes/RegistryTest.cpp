// The fifteen data types as the program sees them: keywords in registry order, their
// parameters, the generator and the unit's build and tear-down.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "TestOwners.h"
#include "plugin/datatypes/DataTypeInfo.h"
#include "plugin/datatypes/DataTypeRegistry.h"
#include "plugin/datatypes/MyDTGenerator.h"
#include "plugin/framework/PluginEntry.h"
#include "plugin/framework/Parent.h"

namespace {

using Morvik::TDataType;
using Morvik::TDataTypeInfo;
using Varne::GetDTInfo;

struct TTypeCase {
  int Index;
  const char* Keyword;
  std::vector<std::string> Params;
};

const TTypeCase TypeCases[] = {
    {0, "NUMERIC", {"Precision", "Scale", "ArrayDim"}},
    {1, "DECIMAL", {"Precision", "Scale", "ArrayDim"}},
    {2, "CHAR", {"Length", "ArrayDim", "CharSet"}},
    {3, "VARCHAR", {"Length", "ArrayDim", "CharSet"}},
    {4, "NCHAR", {"Length", "ArrayDim"}},
    {5, "NATIONAL CHARACTER VARYING", {"Length", "ArrayDim"}},
    {6, "SMALLINT", {"ArrayDim"}},
    {7, "INTEGER", {"ArrayDim"}},
    {8, "FLOAT", {"ArrayDim"}},
    {9, "DOUBLE PRECISION", {"ArrayDim"}},
    {10, "DATE", {"ArrayDim"}},
    {11, "TIME", {"ArrayDim"}},
    {12, "TIMESTAMP", {"ArrayDim"}},
    {13, "BLOB", {"SubType", "SegmentSize", "CharSet"}},
    {14, "DOMAIN", {"DomainName"}},
};

struct THelpCase {
  const char* Name;
  const char* Help;
  Morvik::TParamType Type;
};

const THelpCase HelpCases[] = {
    {"Precision", "NUMBER type precision", Morvik::ptNumber},
    {"Scale", "NUMBER type scale", Morvik::ptNumber},
    {"ArrayDim", "Dimension in case of array definiton", Morvik::ptNumber},
    {"Length", "Character type length", Morvik::ptNumber},
    {"CharSet", "Character encoding", Morvik::ptString},
    {"SubType", "Type used in BLOB", Morvik::ptNumber},
    {"SegmentSize", "Size of one segment", Morvik::ptNumber},
    {"DomainName", "The name of domain", Morvik::ptString},
};

const THelpCase* HelpOf(const char* Name) {
  for (const auto& Case : HelpCases)
    if (std::strcmp(Case.Name, Name) == 0) return &Case;
  return nullptr;
}

class RegistryTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() { DataTypesTest::BuildTestLists(); }
  DataTypesTest::TPlainOwner column{nullptr};
  Varne::TMyDTGenerator generator;

  std::unique_ptr<TDataType> Create(int Index) {
    return std::unique_ptr<TDataType>(generator.CreateDataType(Index, &column));
  }
};

TEST_F(RegistryTest, OffersFifteenTypesInStoredOrderWithTheirParameters) {
  ASSERT_EQ(GetDTInfo().GetDataTypeCount(), 15);
  for (const auto& Case : TypeCases) {
    SCOPED_TRACE(Case.Keyword);
    const TDataTypeInfo* Info = GetDTInfo().GetDataTypeInfo(Case.Index);
    ASSERT_NE(Info, nullptr);
    EXPECT_STREQ(Info->GetName(), Case.Keyword);
    ASSERT_EQ(Info->GetParamCount(), static_cast<int>(Case.Params.size()));
    EXPECT_EQ(Info->GetListParamCount(), 0);
    for (int I = 0; I < Info->GetParamCount(); ++I) {
      const Morvik::TParamInfo* Param = Info->GetParam(I);
      EXPECT_EQ(Param->GetName(), Case.Params[static_cast<std::size_t>(I)]);
      const THelpCase* Help = HelpOf(Param->GetName());
      ASSERT_NE(Help, nullptr);
      EXPECT_STREQ(Param->GetHelp(), Help->Help);
      EXPECT_EQ(Param->GetType(), Help->Type);
      EXPECT_EQ(Param->GetFlag(), 1);
      EXPECT_EQ(Param->GetOptionCount(), 0);
      // Always enabled, position and index coincide.
      EXPECT_EQ(Info->GetParamKind(I), Morvik::pkScalar);
      EXPECT_EQ(Info->GetKindIndex(I), I);
      EXPECT_EQ(Info->GetDependParam(I), -1);
    }
  }
}

TEST_F(RegistryTest, KeywordLookupInOrderFindsEachTypeAgain) {
  std::set<std::string> Seen;
  for (int I = 0; I < GetDTInfo().GetDataTypeCount(); ++I) {
    const char* Keyword = GetDTInfo().GetDataTypeInfo(I)->GetName();
    EXPECT_TRUE(Seen.insert(Keyword).second) << Keyword;
    int Found = -1;
    for (int J = 0; J < GetDTInfo().GetDataTypeCount() && Found < 0; ++J)
      if (std::strcmp(GetDTInfo().GetDataTypeInfo(J)->GetName(), Keyword) == 0) Found = J;
    EXPECT_EQ(Found, I) << Keyword;
  }
}

TEST_F(RegistryTest, TypesOfOneKindShareTheirParameterDescriptions) {
  const auto* Numeric = GetDTInfo().GetDataTypeInfo(Varne::dtNUMERIC);
  const auto* Decimal = GetDTInfo().GetDataTypeInfo(Varne::dtDECIMAL);
  EXPECT_NE(static_cast<const void*>(Numeric), static_cast<const void*>(Decimal));
  for (int I = 0; I < 3; ++I) EXPECT_EQ(Numeric->GetParam(I), Decimal->GetParam(I));
  EXPECT_EQ(GetDTInfo().GetDataTypeInfo(Varne::dtCHAR)->GetParam(2),
            GetDTInfo().GetDataTypeInfo(Varne::dtVARCHAR)->GetParam(2));
  EXPECT_EQ(GetDTInfo().GetDataTypeInfo(Varne::dtINTEGER)->GetParam(0),
            GetDTInfo().GetDataTypeInfo(Varne::dtTIMESTAMP)->GetParam(0));
}

TEST_F(RegistryTest, IndexesOutsideTheRegistryGiveNothing) {
  for (int Index : {-1, 15, 1000}) {
    EXPECT_EQ(GetDTInfo().GetDataTypeInfo(Index), nullptr) << Index;
    EXPECT_EQ(Create(Index), nullptr) << Index;
  }
}

TEST_F(RegistryTest, GeneratorMakesANewEmptyObjectOfTheTypeForItsOwner) {
  for (const auto& Case : TypeCases) {
    SCOPED_TRACE(Case.Keyword);
    auto First = Create(Case.Index);
    auto Second = Create(Case.Index);
    ASSERT_NE(First, nullptr);
    ASSERT_NE(Second, nullptr);
    EXPECT_NE(First.get(), Second.get());
    EXPECT_STREQ(First->GetName(), Case.Keyword);
    EXPECT_EQ(dynamic_cast<Morvik::TParent&>(*First).GetParent(), &column);
    // The object answers its description from the same shared list as the registry.
    ASSERT_EQ(First->GetParamCount(), static_cast<int>(Case.Params.size()));
    for (int I = 0; I < First->GetParamCount(); ++I) {
      EXPECT_EQ(First->GetParam(I), GetDTInfo().GetDataTypeInfo(Case.Index)->GetParam(I));
      EXPECT_STREQ(First->GetParamValue(I), "");
    }
    EXPECT_EQ(First->GetListParamCount(), 0);
    EXPECT_STREQ(First->GetComment(), "");
  }
}

TEST_F(RegistryTest, ValuesAndCommentAreKeptPerObject) {
  auto Type = Create(Varne::dtVARCHAR);
  auto Other = Create(Varne::dtVARCHAR);
  Type->SetParamValue(0, "20");
  Type->SetParamValue(2, nullptr);
  Type->SetComment("free text");
  EXPECT_STREQ(Type->GetParamValue(0), "20");
  EXPECT_STREQ(Type->GetParamValue(1), "");
  EXPECT_STREQ(Type->GetParamValue(2), "");
  EXPECT_STREQ(Type->GetComment(), "free text");
  EXPECT_STREQ(Other->GetParamValue(0), "");
  EXPECT_STREQ(Other->GetComment(), "");
}

TEST_F(RegistryTest, UnitTearDownEmptiesTheRegistryAndBuildingAgainRestoresIt) {
  Varne::FinalizeDataTypesUnit();
  EXPECT_EQ(GetDTInfo().GetDataTypeInfo(0), nullptr);
  EXPECT_EQ(Create(0), nullptr);
  EXPECT_FALSE(Morvik::TStaticInstance<Varne::TNumberInfo_P>::IsBuilt());
  EXPECT_FALSE(Morvik::TStaticInstance<Varne::DOMAINDTInfo>::IsBuilt());
  // A second tear-down finds nothing left to destroy.
  Varne::FinalizeDataTypesUnit();

  Varne::InitDataTypesUnit();
  Varne::InitDataTypesUnit();
  ASSERT_NE(GetDTInfo().GetDataTypeInfo(14), nullptr);
  EXPECT_STREQ(GetDTInfo().GetDataTypeInfo(14)->GetName(), "DOMAIN");
  auto Blob = Create(Varne::dtBLOB);
  ASSERT_NE(Blob, nullptr);
  EXPECT_STREQ(Blob->GetName(), "BLOB");
  EXPECT_EQ(Blob->GetParamCount(), 3);
}

TEST_F(RegistryTest, ColumnTypeKnowsItsColumnAndThroughItTheTable) {
  std::unique_ptr<Morvik::TModel> Model(Varne::CreateMyModel());
  ASSERT_NE(Model, nullptr);
  Morvik::TTable* Table = Model->NewTable();
  Morvik::TColumn* Column = Table->AddColumn();
  auto* TypeLink = dynamic_cast<Morvik::TParent*>(Column->GetDataType());
  ASSERT_NE(TypeLink, nullptr);
  EXPECT_EQ(TypeLink->GetParent(), dynamic_cast<Morvik::TParent*>(Column));
  EXPECT_EQ(TypeLink->GetParent()->GetParent(), dynamic_cast<Morvik::TParent*>(Table));

  auto* Blob = dynamic_cast<Morvik::TParent*>(Column->SetDataType(Varne::dtBLOB));
  ASSERT_NE(Blob, nullptr);
  EXPECT_EQ(Blob->GetParent(), dynamic_cast<Morvik::TParent*>(Column));
}

} // namespace
