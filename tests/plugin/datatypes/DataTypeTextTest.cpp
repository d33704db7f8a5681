// The SQL type text of every column data type, written from the stored values.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "TestOwners.h"
#include "plugin/datatypes/DataTypeObjects.h"
#include "plugin/datatypes/DataTypeRegistry.h"
#include "plugin/datatypes/MyDTGenerator.h"

namespace {

using namespace Varne;

struct TTextCase {
  int Type;
  std::vector<const char*> Values; // by parameter index; missing ones stay unset
  const char* Expected;
};

const TTextCase TextCases[] = {
    // New objects write their keyword alone; a new DOMAIN writes nothing.
    {dtNUMERIC, {}, "NUMERIC"},
    {dtDECIMAL, {}, "DECIMAL"},
    {dtCHAR, {}, "CHAR"},
    {dtVARCHAR, {}, "VARCHAR"},
    {dtNCHAR, {}, "NCHAR"},
    {dtNVCHAR, {}, "NATIONAL CHARACTER VARYING"},
    {dtSMALLINT, {}, "SMALLINT"},
    {dtINTEGER, {}, "INTEGER"},
    {dtFLOAT, {}, "FLOAT"},
    {dtDOUBLE, {}, "DOUBLE PRECISION"},
    {dtDATE, {}, "DATE"},
    {dtTIME, {}, "TIME"},
    {dtTIMESTAMP, {}, "TIMESTAMP"},
    {dtBLOB, {}, "BLOB"},
    {dtDOMAIN, {}, ""},

    // Precision and scale.
    {dtNUMERIC, {"10", "2"}, "NUMERIC(10,2)"},
    {dtNUMERIC, {"10"}, "NUMERIC(10)"},
    {dtNUMERIC, {"10", "", "5"}, "NUMERIC(10)[5]"},
    {dtNUMERIC, {"10", "2", "5"}, "NUMERIC(10,2)[5]"},
    {dtDECIMAL, {"18", "4"}, "DECIMAL(18,4)"},
    {dtDECIMAL, {"", "", "2:7"}, "DECIMAL[2:7]"},
    // A scale without a precision writes no parentheses at all.
    {dtNUMERIC, {"", "2"}, "NUMERIC"},
    {dtDECIMAL, {"", "2", "3"}, "DECIMAL[3]"},

    // Array dimensions; a zero dimension declares no array.
    {dtINTEGER, {"3"}, "INTEGER[3]"},
    {dtSMALLINT, {"1:10"}, "SMALLINT[1:10]"},
    {dtFLOAT, {"4"}, "FLOAT[4]"},
    {dtDOUBLE, {"2,3"}, "DOUBLE PRECISION[2,3]"},
    {dtDATE, {"2"}, "DATE[2]"},
    {dtTIME, {"2"}, "TIME[2]"},
    {dtTIMESTAMP, {"2"}, "TIMESTAMP[2]"},
    {dtINTEGER, {"0"}, "INTEGER"},
    {dtINTEGER, {"00"}, "INTEGER"},
    {dtINTEGER, {" 0 "}, "INTEGER"},
    {dtNUMERIC, {"9", "", "0"}, "NUMERIC(9)"},
    {dtNCHAR, {"5", "0"}, "NCHAR(5)"},
    {dtCHAR, {"5", "0"}, "CHAR(5)"},
    {dtINTEGER, {"0:5"}, "INTEGER[0:5]"},

    // Lengths, written as stored.
    {dtNCHAR, {"10"}, "NCHAR(10)"},
    {dtNVCHAR, {"10", "2"}, "NATIONAL CHARACTER VARYING(10)[2]"},
    {dtVARCHAR, {"abc"}, "VARCHAR(abc)"},
    {dtCHAR, {" 12"}, "CHAR( 12)"},

    // Character sets.
    {dtVARCHAR, {"20", "4", "cs"}, "VARCHAR(20)[4] CHARACTER SET cs"},
    {dtCHAR, {"", "", "cs"}, "CHAR CHARACTER SET cs"},
    {dtCHAR, {"1", "", "WIN1250"}, "CHAR(1) CHARACTER SET WIN1250"},

    // BLOB: sub-type, segment size, character set; no array.
    {dtBLOB, {"", "80"}, "BLOB SEGMENT SIZE 80"},
    {dtBLOB, {"1", "", "cs"}, "BLOB SUB_TYPE 1 CHARACTER SET cs"},
    {dtBLOB, {"TEXT", "80", "UTF8"}, "BLOB SUB_TYPE TEXT SEGMENT SIZE 80 CHARACTER SET UTF8"},

    // DOMAIN: the name alone, not even the keyword.
    {dtDOMAIN, {"D_MONEY"}, "D_MONEY"},
};

class DataTypeTextTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() { DataTypesTest::BuildTestLists(); }
  DataTypesTest::TPlainOwner column{nullptr};
  TMyDTGenerator generator;
};

TEST_F(DataTypeTextTest, WritesTheKeywordAndTheValuesAsStored) {
  for (const auto& Case : TextCases) {
    std::unique_ptr<Morvik::TDataType> Type(generator.CreateDataType(Case.Type, &column));
    ASSERT_NE(Type, nullptr);
    for (std::size_t I = 0; I < Case.Values.size(); ++I)
      Type->SetParamValue(static_cast<int>(I), Case.Values[I]);
    EXPECT_STREQ(Type->Generate(), Case.Expected) << "type " << Case.Type;
  }
}

TEST_F(DataTypeTextTest, TextFollowsTheCurrentValuesAndIgnoresTheComment) {
  std::unique_ptr<Morvik::TDataType> Type(generator.CreateDataType(dtVARCHAR, &column));
  Type->SetParamValue(0, "20");
  EXPECT_STREQ(Type->Generate(), "VARCHAR(20)");
  Type->SetComment("kept, never written");
  Type->SetParamValue(0, "30");
  EXPECT_STREQ(Type->Generate(), "VARCHAR(30)");
  Type->SetParamValue(0, "");
  EXPECT_STREQ(Type->Generate(), "VARCHAR");
}

TEST_F(DataTypeTextTest, TypesOtherThanDomainReportNothing) {
  for (int Index = dtNUMERIC; Index < dtDOMAIN; ++Index) {
    std::unique_ptr<Morvik::TDataType> Type(generator.CreateDataType(Index, &column));
    for (int I = 0; I < Type->GetParamCount(); ++I) Type->SetParamValue(I, "-x-");
    for (int Pos = -1; Pos < Type->GetParamCount(); ++Pos)
      EXPECT_EQ(Type->Check(Pos), nullptr) << "type " << Index << " position " << Pos;
  }
}

TEST(ArrayDimTest, OnlyAnEmptyValueOrAPlainZeroWritesNoBounds) {
  struct {
    const char* Value;
    bool Written;
  } const Cases[] = {{"", false},   {"0", false},     {"000", false}, {"-0", false},
                     {"+0", false}, {"\t0\n", false}, {"1", true},    {"10", true},
                     {"0:5", true}, {"-1", true},     {"x", true},    {" ", true}};
  for (const auto& Case : Cases)
    EXPECT_EQ(IsArrayDimWritten(Case.Value), Case.Written) << '"' << Case.Value << '"';
  EXPECT_FALSE(IsArrayDimWritten(nullptr));
}

} // namespace
