// Test-only parameter lists and objects built from the framework templates.
#pragma once

#include "plugin/framework/Framework.h"

namespace FrameworkTest {

using namespace Morvik;

// Item: Name (text), Size (number).
struct TItemList_P : TParamsList {
  TItemList_P() {
    Add(new TParamInfoC("Name", "Item name", 1, ptString));
    Add(new TParamInfoC("Size", "Item size", 1, ptNumber));
  }
};
using TItemInfo = TParamObjectInfoMixin<TItemList_P>;

class TItem : public TParamObjectMixin<TItemInfo> {
public:
  explicit TItem(TParent* Owner) : TParent(Owner), TParamObjectMixin<TItemInfo>(Owner) {}
  const char* Generate() override {
    output.Clear();
    return output.Append("ITEM ").Append(GetParamValue(0)).GetText();
  }
};

// Piece: counts the pieces alive, so that tests see nested items destroyed.
struct TPieceList_P : TParamsList {
  TPieceList_P() { Add(new TParamInfoC("Name", "Piece name", 1, ptString)); }
};
using TPieceInfo = TParamObjectInfoMixin<TPieceList_P>;

class TPiece : public TParamObjectMixin<TPieceInfo> {
public:
  explicit TPiece(TParent* Owner) : TParent(Owner), TParamObjectMixin<TPieceInfo>(Owner) { ++Alive; }
  ~TPiece() override { --Alive; }
  static inline int Alive = 0;
};

// Part: Name, then the list Pieces.
struct TPartList_P : TParamsList {
  TPartList_P() {
    Add(new TParamInfoC("Name", "Part name", 1, ptString));
    AddList(new TListParamInfoCMixin<TPieceInfo>("Pieces", "Pieces of the part", 0),
            new TLPGeneratorMixin<TPiece>);
  }
};
using TPartInfo = TParamObjectInfoMixin<TPartList_P>;

class TPart : public TParamObjectMixin<TPartInfo> {
public:
  explicit TPart(TParent* Owner) : TParent(Owner), TParamObjectMixin<TPartInfo>(Owner) {}
};

// Holder: 0 Mode (enum "", "ON ", "OFF "), 1 Items (list of TItem), 2 Note enabled by
// Mode "1|2", 3 Parts (list of TPart, always enabled).
struct THolderList_P : TParamsList {
  THolderList_P() {
    Add(new TParamInfoC("Mode", "Mode of the holder", 1, ptEnum));
    AddList(new TListParamInfoCMixin<TItemInfo>("Items", "Items of the holder", 0),
            new TLPGeneratorMixin<TItem>);
    AddOption("");
    AddOption("ON ");
    AddOption("OFF ");
    Add(new TParamInfoC("Note", "Note of the holder", 1, ptMemo), 0, "1|2");
    AddList(new TListParamInfoCMixin<TPartInfo>("Parts", "Parts of the holder", -1),
            new TLPGeneratorMixin<TPart>);
  }
};
using THolderInfo = TParamObjectInfoMixin<THolderList_P>;

class THolder : public TParamObjectMixin<THolderInfo> {
public:
  explicit THolder(TParent* Owner) : TParent(Owner), TParamObjectMixin<THolderInfo>(Owner) {}
};

// Builds the test lists for one test and destroys them afterwards, items first.
struct TTestLists {
  TTestLists() {
    TStaticInstance<TItemList_P>::Build();
    TStaticInstance<TPieceList_P>::Build();
    TStaticInstance<TPartList_P>::Build();
    TStaticInstance<THolderList_P>::Build();
  }
  ~TTestLists() {
    TStaticInstance<THolderList_P>::Destroy();
    TStaticInstance<TPartList_P>::Destroy();
    TStaticInstance<TPieceList_P>::Destroy();
    TStaticInstance<TItemList_P>::Destroy();
  }
};

} // namespace FrameworkTest
