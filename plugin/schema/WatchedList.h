// A list parameter whose items the model's lookups gather (the indexes and triggers of a
// table): adding or deleting an item tells the lookups of its owner's model.
#pragma once

#include "plugin/framework/ListParamMixin.h"
#include "plugin/schema/ModelLookups.h"

namespace Varne {

template <class T>
class TWatchedList : public Morvik::TListParamMixin<T> {
public:
  using Morvik::TListParamMixin<T>::TListParamMixin;

  Morvik::TParamObject* AddItem() override {
    Morvik::TParamObject* Item = Morvik::TListParamMixin<T>::AddItem();
    ModelChanged(this->GetOwner());
    return Item;
  }
  void DeleteItem(int Idx) override {
    Morvik::TListParamMixin<T>::DeleteItem(Idx);
    ModelChanged(this->GetOwner());
  }
};

template <class T>
class TWatchedListGenerator : public Morvik::TListParamGeneratorC {
public:
  Morvik::TListParam* Create(Morvik::TParent* Owner) const override { return new TWatchedList<T>(Owner); }
};

} // namespace Varne
