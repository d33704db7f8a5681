// Parameter lists: positions, kinds and indexes, options, appending, shared descriptions.
#include <gtest/gtest.h>

#include "TestLists.h"

namespace FrameworkTest {
namespace {

// A description that reports its destruction.
class TTracedInfo : public TParamInfoC {
public:
  TTracedInfo(const char* Name, bool& Destroyed)
      : TParamInfoCommonC(Name, ""), TParamInfoC(Name, "", 1, ptString), destroyed(Destroyed) {}
  ~TTracedInfo() override { destroyed = true; }

private:
  bool& destroyed;
};

class TTracedGenerator : public TLPGeneratorMixin<TItem> {
public:
  explicit TTracedGenerator(bool& Destroyed) : destroyed(Destroyed) {}
  ~TTracedGenerator() override { destroyed = true; }

private:
  bool& destroyed;
};

TParamInfoC* Scalar(const char* Name) { return new TParamInfoC(Name, "", 1, ptString); }
TListParamInfoC* ListInfo(const char* Name) { return new TListParamInfoCMixin<TItemInfo>(Name, "", -1); }
TListParamGeneratorC* Generator() { return new TLPGeneratorMixin<TItem>; }

struct TPositionCase {
  TParamKind Kind;
  int KindIndex;
  int DependParam;
  const char* DependValues;
  const char* Name;
};

void ExpectPositions(const TParamsList& List, std::initializer_list<TPositionCase> Cases) {
  ASSERT_EQ(List.GetPositionCount(), static_cast<int>(Cases.size()));
  int Pos = 0;
  for (const auto& Case : Cases) {
    SCOPED_TRACE(Pos);
    EXPECT_EQ(List.GetKind(Pos), Case.Kind);
    EXPECT_EQ(List.GetKindIndex(Pos), Case.KindIndex);
    EXPECT_EQ(List.GetDependParam(Pos), Case.DependParam);
    EXPECT_STREQ(List.GetDependValues(Pos), Case.DependValues);
    const char* Name = Case.Kind == pkScalar ? List.GetScalarInfo(Case.KindIndex)->GetName()
                                             : List.GetListInfo(Case.KindIndex)->GetName();
    EXPECT_STREQ(Name, Case.Name);
    ++Pos;
  }
}

TEST(ParamsListTest, PositionsMixScalarsAndListsInOrderOfAdding) {
  TParamsList List;
  List.Add(Scalar("A"));
  List.AddList(ListInfo("L"), Generator(), 0, "1");
  List.Add(Scalar("B"), 0, "|0|1");
  EXPECT_EQ(List.GetScalarCount(), 2);
  EXPECT_EQ(List.GetListCount(), 1);
  ExpectPositions(List,
                  {{pkScalar, 0, -1, "", "A"}, {pkVector, 0, 0, "1", "L"}, {pkScalar, 1, 0, "|0|1", "B"}});
  EXPECT_NE(List.GetGenerator(0), nullptr);
}

TEST(ParamsListTest, AddOptionGoesToTheLastScalarEvenAfterAList) {
  TParamsList List;
  List.Add(Scalar("First"));
  List.Add(new TParamInfoC("Mode", "", 1, ptEnum));
  List.AddList(ListInfo("L"), Generator());
  List.AddOption("");
  List.AddOption("AUTOMATIC ");
  EXPECT_EQ(List.GetScalarInfo(0)->GetOptionCount(), 0);
  ASSERT_EQ(List.GetScalarInfo(1)->GetOptionCount(), 2);
  EXPECT_STREQ(List.GetScalarInfo(1)->GetOption(1), "AUTOMATIC ");
}

TEST(ParamsListTest, AppendShiftsIndexesAndDependencies) {
  TParamsList Types;
  Types.Add(Scalar("DataType"));
  Types.Add(Scalar("Precision"), 0, "0|1");
  Types.AddList(ListInfo("Items"), Generator(), 1, "5");

  TParamsList List;
  List.Add(Scalar("Name"));
  List.Add(Scalar("Check"));
  List.AddList(ListInfo("Own"), Generator());
  List.Add(Scalar("Default"), 1, "1");
  List.Append(Types);

  EXPECT_EQ(List.GetScalarCount(), 5);
  EXPECT_EQ(List.GetListCount(), 2);
  ExpectPositions(List, {{pkScalar, 0, -1, "", "Name"},
                         {pkScalar, 1, -1, "", "Check"},
                         {pkVector, 0, -1, "", "Own"},
                         {pkScalar, 2, 1, "1", "Default"},
                         {pkScalar, 3, -1, "", "DataType"},
                         {pkScalar, 4, 3, "0|1", "Precision"},
                         {pkVector, 1, 4, "5", "Items"}});
  EXPECT_EQ(List.GetScalarInfo(3), Types.GetScalarInfo(0));
  EXPECT_EQ(List.GetGenerator(1), Types.GetGenerator(0));
}

TEST(ParamsListTest, SharedDescriptionSurvivesTheFirstList) {
  bool InfoDestroyed = false;
  bool GeneratorDestroyed = false;
  auto* Info = new TTracedInfo("Shared", InfoDestroyed);
  auto* Gen = new TTracedGenerator(GeneratorDestroyed);
  auto* First = new TParamsList;
  First->Add(Info);
  First->AddList(ListInfo("Items"), Gen);
  {
    TParamsList Second;
    Second.Append(*First);
    EXPECT_EQ(Info->GetRefCount(), 2);
    EXPECT_EQ(Gen->GetRefCount(), 2);

    delete First;
    EXPECT_FALSE(InfoDestroyed);
    EXPECT_FALSE(GeneratorDestroyed);
    EXPECT_EQ(Info->GetRefCount(), 1);
    EXPECT_STREQ(Second.GetScalarInfo(0)->GetName(), "Shared");
    EXPECT_STREQ(Second.GetListInfo(0)->GetName(), "Items");
    std::unique_ptr<TListParam> Made(Second.GetGenerator(0)->Create(nullptr));
    EXPECT_EQ(Made->GetItemsCount(), 0);
  }
  EXPECT_TRUE(InfoDestroyed);
  EXPECT_TRUE(GeneratorDestroyed);
}

TEST(ParamsListTest, StaticInstanceIsBuiltOnceAndDestroyedOnce) {
  using TInstance = TStaticInstance<TItemList_P>;
  ASSERT_FALSE(TInstance::IsBuilt());
  TItemList_P& Built = TInstance::Build();
  TParamInfoC* Name = Built.GetScalarInfo(0);
  // A second unit reaching the same list gets the same list, not a new one.
  EXPECT_EQ(&TInstance::Build(), &Built);
  EXPECT_EQ(TInstance::Get().GetScalarInfo(0), Name);
  EXPECT_EQ(Name->GetRefCount(), 1);
  EXPECT_EQ(&TItemInfo::GetParamsList(), &Built);
  TInstance::Destroy();
  EXPECT_FALSE(TInstance::IsBuilt());
  // A second finaliser finds the flag clear and leaves the storage alone.
  TInstance::Destroy();
  EXPECT_FALSE(TInstance::IsBuilt());
  // Built again after unloading, as after loading the library again.
  EXPECT_EQ(TInstance::Build().GetScalarCount(), 2);
  TInstance::Destroy();
}

} // namespace
} // namespace FrameworkTest
