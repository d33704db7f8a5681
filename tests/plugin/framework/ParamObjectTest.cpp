// Parameter objects and list parameters built from the framework templates.
#include <gtest/gtest.h>

#include <string>

#include "TestLists.h"

namespace FrameworkTest {
namespace {

class ParamObjectTest : public ::testing::Test {
protected:
  TTestLists lists;
};

TEST_F(ParamObjectTest, NewObjectHasEmptyValuesCommentAndLists) {
  THolder Holder(nullptr);
  ASSERT_EQ(Holder.GetParamCount(), 2);
  ASSERT_EQ(Holder.GetListParamCount(), 2);
  for (int I = 0; I < Holder.GetParamCount(); ++I) EXPECT_STREQ(Holder.GetParamValue(I), "") << I;
  for (int I = 0; I < Holder.GetListParamCount(); ++I)
    EXPECT_EQ(Holder.GetListParam(I)->GetItemsCount(), 0) << I;
  EXPECT_STREQ(Holder.GetComment(), "");
  EXPECT_EQ(Holder.GetParent(), nullptr);
}

TEST_F(ParamObjectTest, NullTextsStoreEmptyAndValuesStayApart) {
  THolder Holder(nullptr);
  Holder.SetParamValue(0, "1");
  Holder.SetParamValue(1, "note");
  Holder.SetComment("comment");
  Holder.SetParamValue(1, nullptr);
  EXPECT_STREQ(Holder.GetParamValue(1), "");
  EXPECT_STREQ(Holder.GetParamValue(0), "1");
  EXPECT_STREQ(Holder.GetComment(), "comment");
  Holder.SetComment(nullptr);
  EXPECT_STREQ(Holder.GetComment(), "");
  EXPECT_STREQ(Holder.GetParamValue(0), "1");
}

TEST_F(ParamObjectTest, ValuesAreCopies) {
  THolder Holder(nullptr);
  std::string Text = "first";
  Holder.SetParamValue(1, Text.c_str());
  Holder.SetComment(Text.c_str());
  Text = "changed";
  EXPECT_STREQ(Holder.GetParamValue(1), "first");
  EXPECT_STREQ(Holder.GetComment(), "first");
}

TEST_F(ParamObjectTest, DefaultCheckAndGenerateReportAndWriteNothing) {
  THolder Holder(nullptr);
  Holder.SetParamValue(0, "2");
  EXPECT_EQ(Holder.Check(-1), nullptr);
  for (int Pos = 0; Pos < 4; ++Pos) EXPECT_EQ(Holder.Check(Pos), nullptr) << Pos;
  EXPECT_STREQ(Holder.Generate(), "");
}

TEST_F(ParamObjectTest, DescriptionIsSharedByAllObjectsOfAKind) {
  THolder First(nullptr), Second(nullptr);
  for (int I = 0; I < 2; ++I) {
    EXPECT_EQ(First.GetParam(I), Second.GetParam(I));
    EXPECT_EQ(First.GetListParamInfo(I), Second.GetListParamInfo(I));
  }
  EXPECT_STREQ(First.GetParam(0)->GetName(), "Mode");
  EXPECT_STREQ(First.GetParam(1)->GetName(), "Note");
  EXPECT_STREQ(First.GetListParamInfo(1)->GetName(), "Parts");
  EXPECT_STREQ(First.GetListParamInfo(0)->GetHelp(), "Items of the holder");
  EXPECT_EQ(First.GetListParamInfo(0)->GetItemNameParam(), 0);
  EXPECT_EQ(First.GetListParamInfo(1)->GetItemNameParam(), -1);
  // The list description describes the items.
  TListParamInfo* Items = First.GetListParamInfo(0);
  EXPECT_EQ(Items->GetParamCount(), 2);
  EXPECT_EQ(Items->GetListParamCount(), 0);
  EXPECT_STREQ(Items->GetParam(1)->GetName(), "Size");
  EXPECT_EQ(Items->GetParam(1)->GetType(), ptNumber);
}

TEST_F(ParamObjectTest, OptionsOutsideTheRangeAreNull) {
  THolder Holder(nullptr);
  TParamInfo* Mode = Holder.GetParam(0);
  ASSERT_EQ(Mode->GetOptionCount(), 3);
  EXPECT_STREQ(Mode->GetOption(0), "");
  EXPECT_STREQ(Mode->GetOption(2), "OFF ");
  EXPECT_EQ(Mode->GetOption(-1), nullptr);
  EXPECT_EQ(Mode->GetOption(3), nullptr);
  EXPECT_EQ(Mode->GetOption(99), nullptr);
  TParamInfo* Note = Holder.GetParam(1);
  EXPECT_EQ(Note->GetOptionCount(), 0);
  EXPECT_EQ(Note->GetOption(0), nullptr);
  EXPECT_EQ(Note->GetFlag(), 1);
  EXPECT_EQ(Note->GetType(), ptMemo);
}

TEST_F(ParamObjectTest, ListObjectStaysTheSameWhileItemsChange) {
  THolder Holder(nullptr);
  const THolder& Const = Holder;
  TListParam* Items = Holder.GetListParam(0);
  EXPECT_EQ(Const.GetListParam(0), Items);
  Items->AddItem();
  Items->AddItem();
  Items->DeleteItem(0);
  EXPECT_EQ(Holder.GetListParam(0), Items);
  EXPECT_EQ(Const.GetListParam(0), Items);
  EXPECT_NE(Holder.GetListParam(1), Items);
}

TEST_F(ParamObjectTest, ItemsBelongToTheObjectHoldingTheList) {
  THolder Holder(nullptr);
  TParamObject* Item = Holder.GetListParam(0)->AddItem();
  auto* Owned = dynamic_cast<TParent*>(Item);
  ASSERT_NE(Owned, nullptr);
  EXPECT_EQ(Owned->GetParent(), static_cast<TParent*>(&Holder));
  // A nested item reports the item holding its list.
  TParamObject* Part = Holder.GetListParam(1)->AddItem();
  TParamObject* Piece = Part->GetListParam(0)->AddItem();
  EXPECT_EQ(dynamic_cast<TParent*>(Piece)->GetParent(), dynamic_cast<TParent*>(Part));
}

// Names the items of a list after their position so that order can be read back.
std::string Names(const TListParam& List) {
  std::string Out;
  for (int I = 0; I < List.GetItemsCount(); ++I) Out += std::string(List.GetItem(I)->GetParamValue(0)) + ";";
  return Out;
}

TEST_F(ParamObjectTest, AddDeleteAndExchangeItems) {
  THolder Holder(nullptr);
  TListParam* Items = Holder.GetListParam(0);
  TParamObject* First = Items->AddItem();
  EXPECT_EQ(Items->GetItem(0), First);
  EXPECT_EQ(static_cast<const TListParam*>(Items)->GetItem(0), First);
  First->SetParamValue(0, "a");
  Items->AddItem()->SetParamValue(0, "b");
  TParamObject* Third = Items->AddItem();
  Third->SetParamValue(0, "c");
  Third->SetParamValue(1, "3");

  Items->DeleteItem(1);
  EXPECT_EQ(Items->GetItemsCount(), 2);
  EXPECT_EQ(Items->GetItem(1), Third);
  EXPECT_EQ(Names(*Items), "a;c;");

  Items->ExchangeItems(0, 1);
  EXPECT_EQ(Names(*Items), "c;a;");
  EXPECT_EQ(Items->GetItem(0), Third);
  EXPECT_STREQ(Third->GetParamValue(1), "3");
  Items->ExchangeItems(1, 1);
  EXPECT_EQ(Names(*Items), "c;a;");

  Items->DeleteItem(1);
  Items->DeleteItem(0);
  EXPECT_EQ(Items->GetItemsCount(), 0);
  TParamObject* Again = Items->AddItem();
  EXPECT_EQ(Items->GetItem(0), Again);
}

TEST_F(ParamObjectTest, TypedItemsAndOwnerOfTheList) {
  THolder Holder(nullptr);
  auto* Parts = dynamic_cast<TListParamMixin<TPart>*>(Holder.GetListParam(1));
  ASSERT_NE(Parts, nullptr);
  EXPECT_EQ(Parts->GetOwner(), static_cast<TParent*>(&Holder));
  TParamObject* Added = Parts->AddItem();
  EXPECT_EQ(static_cast<TParamObject*>(Parts->GetTypedItem(0)), Added);
}

TEST_F(ParamObjectTest, DestroyingTheHolderDestroysNestedItems) {
  ASSERT_EQ(TPiece::Alive, 0);
  {
    THolder Holder(nullptr);
    TListParam* Parts = Holder.GetListParam(1);
    for (int P = 0; P < 2; ++P) {
      TListParam* Pieces = Parts->AddItem()->GetListParam(0);
      for (int I = 0; I < 3; ++I) Pieces->AddItem();
    }
    EXPECT_EQ(TPiece::Alive, 6);
    Parts->DeleteItem(0);
    EXPECT_EQ(TPiece::Alive, 3);
  }
  EXPECT_EQ(TPiece::Alive, 0);
}

// Indexes are the caller's contract; the test build checks them, so that a caller's
// mistake stops the program instead of corrupting memory.
TEST_F(ParamObjectTest, IndexesOutsideTheCountsStopTheTestBuild) {
#ifndef _GLIBCXX_ASSERTIONS
  GTEST_SKIP() << "index checks are on in the sanitizer build only";
#else
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  THolder Holder(nullptr);
  Holder.GetListParam(0)->AddItem();
  EXPECT_DEATH(Holder.GetParamValue(2), "");
  EXPECT_DEATH(Holder.SetParamValue(-1, "x"), "");
  EXPECT_DEATH(Holder.GetListParam(2), "");
  EXPECT_DEATH(Holder.GetParam(2), "");
  EXPECT_DEATH(Holder.GetParamKind(4), "");
  EXPECT_DEATH(Holder.GetListParam(0)->GetItem(1), "");
  EXPECT_DEATH(Holder.GetListParam(0)->ExchangeItems(0, 1), "");
  EXPECT_DEATH(Holder.GetListParam(0)->DeleteItem(1), "");
#endif
}

// A renamable object, as tables, columns and references are.
class TNamedItem : public TItem, public TVarNamedMixin {
public:
  explicit TNamedItem(TParent* Owner) : TParent(Owner), TItem(Owner) {}
};

TEST_F(ParamObjectTest, VarNamedStartsEmptyAndCopiesNames) {
  TNamedItem Item(nullptr);
  EXPECT_STREQ(Item.GetName(), "");
  std::string Name = "CUSTOMER";
  Item.SetName(Name.c_str());
  Name = "other";
  EXPECT_STREQ(Item.GetName(), "CUSTOMER");
  Item.SetName(nullptr);
  EXPECT_STREQ(Item.GetName(), "");
}

} // namespace
} // namespace FrameworkTest
