// Parameter-object and list mirrors: copying in, storing back, and their preconditions.
#include "tests/support/FakeModel.h"
#include "PreconditionMatchers.h"

#include "ObjectText.h"
#include "Interface/edit/EditListParam.h"
#include "Interface/edit/EditParamObject.h"

#include <gtest/gtest.h>

using namespace Morvik;
using namespace objecttext;

namespace {

// Scalars Name, Size; list Fields of items (FieldName, list Parts of items (PartName));
// list Tags of items (Tag).
struct NestedDescription : fake::TFakeDescription {
  NestedDescription() {
    AddScalar("Name");
    fake::TFakeListParamInfo* fields = AddList("Fields");
    fields->AddScalar("FieldName");
    fields->AddList("Parts")->AddScalar("PartName");
    AddScalar("Size", ptNumber);
    AddList("Tags")->AddScalar("Tag");
  }
};

TParamObject* AddItem(TParamObject* Owner, int List, const char* Name) {
  TParamObject* Item = Owner->GetListParam(List)->AddItem();
  Item->SetParamValue(0, Name);
  return Item;
}

class EditParamObject : public ::testing::Test {
protected:
  void SetUp() override {
    plugin.SetParamValue(0, "T1");
    plugin.SetComment("table note");
    TParamObject* id = AddItem(&plugin, 0, "ID");
    AddItem(id, 0, "p1");
    AddItem(id, 0, "p2");
    AddItem(&plugin, 0, "CODE");
    AddItem(&plugin, 1, "hot");
  }

  NestedDescription description;
  fake::TFakeParamObject plugin{&description};
};

TEST_F(EditParamObject, LoadCopiesValuesCommentAndNestedLists) {
  TEditParamObject mirror(&description);
  EXPECT_EQ(Dump(&mirror), "{;;#[][]}");
  mirror.Load(&plugin);
  EXPECT_EQ(Dump(&mirror), Dump(&plugin));
  EXPECT_EQ(Dump(&mirror), "{T1;;#table note[{ID;#[{p1;#}{p2;#}]}{CODE;#[]}][{hot;#}]}");
  // A copy, not a view: changing the mirror leaves the plug-in object alone.
  mirror.SetParamValue(0, "T2");
  mirror.GetListParam(0)->GetItem(0)->GetListParam(0)->DeleteItem(0);
  EXPECT_STREQ(plugin.GetParamValue(0), "T1");
  EXPECT_EQ(plugin.GetListParam(0)->GetItem(0)->GetListParam(0)->GetItemsCount(), 2);
}

TEST_F(EditParamObject, StoreRebuildsEveryListAndGivesTheSameStateTwice) {
  TEditParamObject mirror(&description);
  mirror.Load(&plugin);
  mirror.SetParamValue(1, "");
  mirror.SetParamValue(0, "T1 renamed");
  mirror.SetComment("");
  mirror.GetListParam(0)->ExchangeItems(0, 1);
  AddItem(mirror.GetListParam(0)->GetItem(0), 0, "c1");
  mirror.GetListParam(1)->DeleteItem(0); // Tags emptied in the mirror

  const long oldField = dynamic_cast<fake::TFakeParamObject&>(*plugin.GetListParam(0)->GetItem(0)).Serial;
  mirror.Store(&plugin);
  const std::string expected = "{T1 renamed;;#[{CODE;#[{c1;#}]}{ID;#[{p1;#}{p2;#}]}][]}";
  EXPECT_EQ(Dump(&plugin), expected);
  for (int i = 0; i < 2; ++i) // items are made anew
    EXPECT_NE(dynamic_cast<fake::TFakeParamObject&>(*plugin.GetListParam(0)->GetItem(i)).Serial, oldField);
  mirror.Store(&plugin);
  EXPECT_EQ(Dump(&plugin), expected);
  EXPECT_EQ(mirror.GetEditedObject(), &plugin);
}

TEST_F(EditParamObject, ADescriptionWithoutParametersCopiesOnlyTheComment) {
  fake::TFakeDescription empty;
  fake::TFakeParamObject source(&empty), target(&empty);
  source.SetComment("only this");
  TEditParamObject mirror(&empty);
  EXPECT_EQ(mirror.GetParamCount(), 0);
  EXPECT_EQ(mirror.GetListParamCount(), 0);
  mirror.Load(&source);
  mirror.Store(&target);
  EXPECT_STREQ(target.GetComment(), "only this");
}

TEST_F(EditParamObject, GenerateAndCheckAnswerForTheObjectLastLoadedOrStored) {
  TEditParamObject mirror(&description);
  EXPECT_STREQ(mirror.Generate(), "");
  EXPECT_EQ(mirror.Check(-1), nullptr);
  plugin.Script = "CREATE TABLE T1";
  plugin.Findings[2] = "Size must be specified";
  mirror.Load(&plugin);
  mirror.SetParamValue(1, "10"); // not what the plug-in object holds
  EXPECT_STREQ(mirror.Generate(), "CREATE TABLE T1");
  EXPECT_STREQ(mirror.Check(2), "Size must be specified");
  EXPECT_EQ(mirror.Check(-1), nullptr);
}

TEST_F(EditParamObject, ExchangeItemsSwapsTheTwoItems) {
  TEditListParam list(description.GetListParamInfo(0));
  TParamObject* first = list.AddItem();
  TParamObject* second = list.AddItem();
  TParamObject* third = list.AddItem();
  list.ExchangeItems(0, 2);
  EXPECT_EQ(list.GetItem(0), third);
  EXPECT_EQ(list.GetItem(1), second);
  EXPECT_EQ(list.GetItem(2), first);
  list.ExchangeItems(1, 1);
  EXPECT_EQ(list.GetItem(1), second);
}

TEST_F(EditParamObject, ViolatedPreconditionsRaiseInsteadOfReadingOutOfRange) {
  TEditParamObject mirror(&description);
  mirror.Load(&plugin);
  TListParam* fields = mirror.GetListParam(0);
  struct Case {
    std::function<void()> call;
    const char* condition;
  };
  const Case cases[] = {
      {[&] { mirror.GetParamValue(2); }, "Idx>=0 && Idx<(int)Params.size()"},
      {[&] { mirror.SetParamValue(-1, "x"); }, "Idx>=0 && Idx<(int)Params.size()"},
      {[&] { mirror.GetParam(5); }, "Idx>=0 && Idx<(int)Params.size()"},
      {[&] { mirror.GetListParam(2); }, "Idx>=0 && Idx<(int)ListParams.size()"},
      {[&] { mirror.GetListParamInfo(-1); }, "Idx>=0 && Idx<(int)ListParams.size()"},
      {[&] { fields->GetItem(2); }, "Idx>=0 && Idx<(int)List.size()"},
      {[&] { fields->DeleteItem(-1); }, "Idx>=0 && Idx<(int)List.size()"},
      {[&] { fields->ExchangeItems(0, 2); }, "Idx2>=0 && Idx2<(int)List.size()"},
      {[&] { fields->ExchangeItems(-1, 0); }, "Idx1>=0 && Idx1<(int)List.size()"},
      {[&] { mirror.Load(nullptr); }, "Object != NULL"},
      {[&] { mirror.Store(nullptr); }, "Object != NULL"},
      {[&] { mirror.Store(&mirror); }, "Object != this"},
      {[&] { TEditParamObject bad(nullptr); }, "_ParamObjectInfo != NULL"},
      {[&] { TEditListParam bad(nullptr); }, "_ParamObjectInfo != NULL"},
      {[&] { TEditParamObject::ClearListParams(nullptr); }, "EditedObject != NULL"},
  };
  for (const Case& c : cases) ExpectPrecondition(c.call, c.condition);
}

TEST_F(EditParamObject, AnObjectOfAnotherKindIsRefusedAndLeftUntouched) {
  // Same shape, other descriptions: a mirror only loads from and stores into its own kind.
  NestedDescription other;
  fake::TFakeParamObject stranger(&other);
  stranger.SetParamValue(0, "keep");
  AddItem(&stranger, 0, "keep too");
  TEditParamObject mirror(&description);
  mirror.Load(&plugin);
  ExpectPrecondition([&] { mirror.Store(&stranger); }, "Object->GetParam(i) == ParamObjectInfo->GetParam(i)");
  EXPECT_EQ(Dump(&stranger), "{keep;;#[{keep too;#[]}][]}");
  ExpectPrecondition([&] { mirror.Load(&stranger); }, "Object->GetParam(i) == ParamObjectInfo->GetParam(i)");
  EXPECT_STREQ(mirror.GetParamValue(0), "T1");

  fake::TFakeDescription smaller;
  smaller.AddScalar("Name");
  fake::TFakeParamObject small(&smaller);
  ExpectPrecondition([&] { mirror.Load(&small); },
                     "Object->GetParamCount() == ParamObjectInfo->GetParamCount()");
}

TEST_F(EditParamObject, StoringAListIntoAListThatStillHasItemsIsRefused) {
  TEditListParam list(description.GetListParamInfo(1));
  list.AddItem();
  ExpectPrecondition([&] { list.Store(plugin.GetListParam(1)); }, "NewParam->GetItemsCount() == 0");
  EXPECT_EQ(plugin.GetListParam(1)->GetItemsCount(), 1);
}

} // namespace
