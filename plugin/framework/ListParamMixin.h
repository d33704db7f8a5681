// List parameters: the list object over owned items of class T, its generator, and the
// description of a list parameter joined with the description of its items.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "Interface/MorvikInterface.h"
#include "plugin/framework/ListParamGeneratorC.h"
#include "plugin/framework/ParamInfo.h"
#include "plugin/framework/Parent.h"

namespace Morvik {

// T is an item class constructed as T(TParent* Owner); every item gets the list's owner
// (the object holding the list) as its owner.
template <class T>
class TListParamMixin : public virtual TListParam {
public:
  explicit TListParamMixin(TParent* Owner) : owner(Owner) {}
  TListParamMixin(const TListParamMixin&) = delete;
  TListParamMixin& operator=(const TListParamMixin&) = delete;

  ~TListParamMixin() override {
    for (auto& Item : items) Item.reset();
  }

  int GetItemsCount() const override { return static_cast<int>(items.size()); }
  TParamObject* AddItem() override {
    items.push_back(std::make_unique<T>(owner));
    return items.back().get();
  }
  TParamObject* GetItem(int Idx) override { return items[Index(Idx)].get(); }
  const TParamObject* GetItem(int Idx) const override { return items[Index(Idx)].get(); }
  void ExchangeItems(int Idx1, int Idx2) override { std::swap(items[Index(Idx1)], items[Index(Idx2)]); }
  void DeleteItem(int Idx) override {
    items[Index(Idx)].reset();
    items.erase(items.begin() + Idx);
  }

  // Item Idx as its own class.
  T* GetTypedItem(int Idx) const { return items[Index(Idx)].get(); }
  TParent* GetOwner() const { return owner; }

private:
  static std::size_t Index(int Idx) { return static_cast<std::size_t>(Idx); }

  std::vector<std::unique_ptr<T>> items;
  TParent* const owner;
};

// A list that TLPGeneratorMixin<T> made, with its items as their own class T.
template <class T>
const TListParamMixin<T>& TypedList(const TListParam& List) {
  return dynamic_cast<const TListParamMixin<T>&>(List);
}

template <class T>
class TLPGeneratorMixin : public TListParamGeneratorC {
public:
  TListParam* Create(TParent* Owner) const override { return new TListParamMixin<T>(Owner); }
};

// X is TParamObjectInfoMixin<X_P> over the item list X_P.
template <class X>
class TListParamInfoCMixin : public virtual TListParamInfoC, public virtual X {
public:
  TListParamInfoCMixin(const char* Name, const char* Help, int ItemNameParam)
      : TParamInfoCommonC(Name, Help), TListParamInfoC(Name, Help, ItemNameParam) {}
  ~TListParamInfoCMixin() override = default;
};

} // namespace Morvik
