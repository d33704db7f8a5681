// Editable mirror of a list parameter; every item is a TEditParamObject over the list's
// item description.
#pragma once

#include "Interface/MorvikInterface.h"
#include "Interface/edit/EditParamObject.h"

#include <memory>
#include <vector>

class TEditListParam : public virtual Morvik::TListParam {
public:
  explicit TEditListParam(Morvik::TParamObjectInfo* _ParamObjectInfo);
  TEditListParam(const TEditListParam&) = delete;
  TEditListParam& operator=(const TEditListParam&) = delete;
  ~TEditListParam() override;

  // Replaces the items by copies of the given list's items.
  void Load(Morvik::TListParam* _ListParam);
  // Appends one new item per mirror item to an empty list and stores each into it.
  void Store(Morvik::TListParam* NewParam);

  int GetItemsCount() const override;
  Morvik::TParamObject* AddItem() override;
  Morvik::TParamObject* GetItem(int Idx) override;
  const Morvik::TParamObject* GetItem(int Idx) const override;
  void ExchangeItems(int Idx1, int Idx2) override;
  void DeleteItem(int Idx) override;

private:
  Morvik::TParamObjectInfo* ParamObjectInfo;
  std::vector<std::unique_ptr<TEditParamObject>> List;
  Morvik::TListParam* ListParam = nullptr;
};
