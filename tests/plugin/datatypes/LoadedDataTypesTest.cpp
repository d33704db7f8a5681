// The data types as the program reaches them in the loaded plug-in: the model's type list,
// a column's data-type object and its text inside the column definition, and the DOMAIN
// type checked against the model's own domains.
#include <gtest/gtest.h>

#include <string>

#include "Interface/MorvikInterface.h"
#include "tests/support/PluginModel.h"

namespace {

using SchemaTest::ScalarIndex;

class LoadedDataTypesTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(plugin.Loaded()) << plugin.Error();
    model = plugin.Models()->CreateModel(0);
    ASSERT_NE(model, nullptr);
    table = model->NewTable();
    ASSERT_NE(table, nullptr);
    table->SetName("T");
    column = table->AddColumn();
    column->SetName("Q");
  }

  void TearDown() override {
    delete model;
    if (plugin.Loaded()) EXPECT_TRUE(plugin.Unload());
  }

  // The model's "Domains" list, found by name as the program finds it.
  Morvik::TListParam* Domains() { return SchemaTest::List(model, "Domains"); }

  int TypeIndex(const char* Keyword) const { return SchemaTest::DataTypeIndex(*model, Keyword); }

  SchemaTest::LoadedPlugin plugin;
  Morvik::TModel* model = nullptr;
  Morvik::TTable* table = nullptr;
  Morvik::TColumn* column = nullptr;
};

TEST_F(LoadedDataTypesTest, ModelListsTheFifteenTypesInStoredOrder) {
  const char* const Keywords[] = {
      "NUMERIC",   "DECIMAL", "CHAR",  "VARCHAR",          "NCHAR", "NATIONAL CHARACTER VARYING",
      "SMALLINT",  "INTEGER", "FLOAT", "DOUBLE PRECISION", "DATE",  "TIME",
      "TIMESTAMP", "BLOB",    "DOMAIN"};
  ASSERT_EQ(model->GetDataTypeCount(), 15);
  for (int I = 0; I < 15; ++I) EXPECT_STREQ(model->GetDataTypeInfo(I)->GetName(), Keywords[I]);
}

TEST_F(LoadedDataTypesTest, NewColumnIsNumericAndEachTypeChangeStartsEmpty) {
  ASSERT_NE(column->GetDataType(), nullptr);
  EXPECT_STREQ(column->GetDataType()->GetName(), "NUMERIC");
  EXPECT_STREQ(column->GetDataType()->Generate(), "NUMERIC");

  Morvik::TDataType* Varchar = column->SetDataType(TypeIndex("VARCHAR"));
  ASSERT_NE(Varchar, nullptr);
  EXPECT_EQ(column->GetDataType(), Varchar);
  Varchar->SetParamValue(ScalarIndex(*Varchar, "Length"), "20");
  Varchar->SetParamValue(ScalarIndex(*Varchar, "CharSet"), "UTF8");
  EXPECT_STREQ(column->Generate(), "Q VARCHAR(20) CHARACTER SET UTF8");

  column->SetDataType(TypeIndex("CHAR"));
  Morvik::TDataType* Again = column->SetDataType(TypeIndex("VARCHAR"));
  for (int I = 0; I < Again->GetParamCount(); ++I) EXPECT_STREQ(Again->GetParamValue(I), "");
  EXPECT_STREQ(column->Generate(), "Q VARCHAR");
}

TEST_F(LoadedDataTypesTest, ColumnDefinitionCarriesTheTypeText) {
  struct {
    const char* Keyword;
    const char* Param;
    const char* Value;
    const char* Expected;
  } const Cases[] = {
      {"NUMERIC", "Precision", "10", "Q NUMERIC(10)"},
      {"NUMERIC", "Scale", "2", "Q NUMERIC"},
      {"INTEGER", "ArrayDim", "0", "Q INTEGER"},
      {"INTEGER", "ArrayDim", "1:3", "Q INTEGER[1:3]"},
      {"BLOB", "SegmentSize", "80", "Q BLOB SEGMENT SIZE 80"},
      {"DOMAIN", "DomainName", "D_MONEY", "Q D_MONEY"},
  };
  for (const auto& Case : Cases) {
    Morvik::TDataType* Type = column->SetDataType(TypeIndex(Case.Keyword));
    Type->SetParamValue(ScalarIndex(*Type, Case.Param), Case.Value);
    EXPECT_STREQ(column->Generate(), Case.Expected);
  }
}

TEST_F(LoadedDataTypesTest, DomainTypeLooksTheNameUpAmongTheModelsDomains) {
  Morvik::TDataType* Type = column->SetDataType(TypeIndex("DOMAIN"));
  EXPECT_STREQ(Type->Check(0), "You must specify domain name");
  Type->SetParamValue(0, "D_MONEY");
  EXPECT_STREQ(Type->Check(0), "There is no such DOMAIN in this model");

  Morvik::TListParam* List = Domains();
  ASSERT_NE(List, nullptr);
  Morvik::TParamObject* Domain = List->AddItem();
  const int Name = ScalarIndex(*Domain, "Name");
  Domain->SetParamValue(Name, "d_money");
  EXPECT_STREQ(Type->Check(0), "There is no such DOMAIN in this model");
  List->AddItem()->SetParamValue(Name, "D_MONEY");
  EXPECT_EQ(Type->Check(0), nullptr);
  EXPECT_EQ(Type->Check(-1), nullptr);
}

TEST_F(LoadedDataTypesTest, VariablesOfAProcedureDeclareTheirTypes) {
  Morvik::TListParam* Procedures = SchemaTest::List(model, "Procedures");
  ASSERT_NE(Procedures, nullptr);
  Morvik::TParamObject* Procedure = Procedures->AddItem();
  Morvik::TListParam* Variables = SchemaTest::List(Procedure, "Variables");
  ASSERT_NE(Variables, nullptr);
  Morvik::TParamObject* Variable = Variables->AddItem();
  Variable->SetParamValue(ScalarIndex(*Variable, "Name"), "total");
  Variable->SetParamValue(ScalarIndex(*Variable, "DataType"), "0");
  Variable->SetParamValue(ScalarIndex(*Variable, "Precision"), "15");
  Variable->SetParamValue(ScalarIndex(*Variable, "Scale"), "2");
  EXPECT_STREQ(Variable->Generate(), "DECLARE VARIABLE total NUMERIC(15,2);\n");
  EXPECT_NE(std::string(Procedure->Generate()).find("DECLARE VARIABLE total NUMERIC(15,2);\n"),
            std::string::npos);
}

} // namespace
