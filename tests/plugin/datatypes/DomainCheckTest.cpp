// The DOMAIN type's check: the named domain must exist in the model that owns the column.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

#include "TestOwners.h"
#include "plugin/datatypes/DataTypeObjects.h"
#include "plugin/datatypes/DataTypeRegistry.h"
#include "plugin/datatypes/MyDTGenerator.h"

namespace {

using namespace Varne;
using DataTypesTest::TPlainOwner;
using DataTypesTest::TTestModel;

class DomainCheckTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() { DataTypesTest::BuildTestLists(); }

  std::unique_ptr<TTestModel> model = std::make_unique<TTestModel>();
  TPlainOwner table{model.get()};
  TPlainOwner column{&table};
  TMyDTGenerator generator;

  std::unique_ptr<Morvik::TDataType> Domain(Morvik::TParent* Owner, const char* Name) {
    std::unique_ptr<Morvik::TDataType> Type(generator.CreateDataType(dtDOMAIN, Owner));
    Type->SetParamValue(0, Name);
    return Type;
  }
};

TEST_F(DomainCheckTest, NamedDomainMustBeADomainOfTheModel) {
  struct {
    std::initializer_list<const char*> Domains;
    const char* Name;
    const char* Expected;
  } const Cases[] = {
      {{}, "", MsgNoDomainName},
      {{"D_MONEY"}, "", MsgNoDomainName},
      {{"D_MONEY"}, "D_MONEY", nullptr},
      {{"D_A", "D_B", "D_MONEY"}, "D_MONEY", nullptr},
      {{"D_MONEY", "D_MONEY"}, "D_MONEY", nullptr},
      {{}, "D_MONEY", MsgNoSuchDomain},
      {{"d_money"}, "D_MONEY", MsgNoSuchDomain},
      {{"D_MONEY "}, "D_MONEY", MsgNoSuchDomain},
      {{"D_MONEYS"}, "D_MONEY", MsgNoSuchDomain},
      {{""}, " ", MsgNoSuchDomain},
  };
  for (const auto& Case : Cases) {
    model = std::make_unique<TTestModel>();
    TPlainOwner Table{model.get()};
    TPlainOwner Column{&Table};
    model->AddDomains(Case.Domains);
    auto Type = Domain(&Column, Case.Name);
    const char* Message = Type->Check(0);
    if (Case.Expected)
      EXPECT_STREQ(Message, Case.Expected) << '"' << Case.Name << '"';
    else
      EXPECT_EQ(Message, nullptr) << '"' << Case.Name << '"';
  }
}

TEST_F(DomainCheckTest, OnlyTheDomainNamePositionIsChecked) {
  for (const char* Name : {"", "NO_SUCH"}) {
    auto Type = Domain(&column, Name);
    EXPECT_EQ(Type->Check(-1), nullptr);
    EXPECT_EQ(Type->Check(1), nullptr);
  }
}

TEST_F(DomainCheckTest, NewDomainTypeAsksForAName) {
  std::unique_ptr<Morvik::TDataType> Type(generator.CreateDataType(dtDOMAIN, &column));
  EXPECT_STREQ(Type->Check(0), MsgNoDomainName);
  EXPECT_EQ(Type->Check(-1), nullptr);
  EXPECT_STREQ(Type->Generate(), "");
}

TEST_F(DomainCheckTest, FollowsTheListAsItChanges) {
  auto Type = Domain(&column, "D_X");
  EXPECT_STREQ(Type->Check(0), MsgNoSuchDomain);
  model->AddDomains({"D_X"});
  EXPECT_EQ(Type->Check(0), nullptr);
  model->GetListParam(model->GetKindIndex(15))->DeleteItem(0);
  EXPECT_STREQ(Type->Check(0), MsgNoSuchDomain);
}

TEST_F(DomainCheckTest, WithoutAModelThreeOwnersUpTheCheckReportsAnError) {
  // No owner at all, a column without table, a table without model, and a third owner
  // that is no model.
  TPlainOwner LooseColumn{nullptr};
  TPlainOwner LooseTable{nullptr};
  TPlainOwner ColumnOfLooseTable{&LooseTable};
  TPlainOwner NotAModel{nullptr};
  TPlainOwner TableOfNoModel{&NotAModel};
  TPlainOwner ColumnOfNoModel{&TableOfNoModel};
  for (Morvik::TParent* Owner :
       {static_cast<Morvik::TParent*>(nullptr), static_cast<Morvik::TParent*>(&LooseColumn),
        static_cast<Morvik::TParent*>(&ColumnOfLooseTable),
        static_cast<Morvik::TParent*>(&ColumnOfNoModel)}) {
    auto Type = Domain(Owner, "D_MONEY");
    EXPECT_STREQ(Type->Check(0), MsgNoModel);
  }
  // A domain type owned directly by the table is one level short as well.
  model->AddDomains({"D_MONEY"});
  EXPECT_STREQ(Domain(&table, "D_MONEY")->Check(0), MsgNoModel);
  EXPECT_EQ(Domain(&column, "D_MONEY")->Check(0), nullptr);
}

} // namespace
