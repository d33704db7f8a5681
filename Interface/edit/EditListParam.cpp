#include "Interface/edit/EditListParam.h"

#include "Interface/edit/EditPrecondition.h"

#include <utility>

using namespace Morvik;

TEditListParam::TEditListParam(TParamObjectInfo* _ParamObjectInfo)
    : ParamObjectInfo(RequireParamObjectInfo(_ParamObjectInfo)) {}

TEditListParam::~TEditListParam() = default;

void TEditListParam::Load(TListParam* _ListParam) {
  EDIT_REQUIRE(_ListParam != NULL);
  ListParam = _ListParam;
  if (_ListParam == this) return; // already a copy of itself
  // The copies are built aside so that a failed item load leaves the mirror as it was.
  std::vector<std::unique_ptr<TEditParamObject>> Items;
  const int Count = _ListParam->GetItemsCount();
  Items.reserve(static_cast<std::size_t>(Count));
  for (int i = 0; i < Count; ++i) {
    auto Item = std::make_unique<TEditParamObject>(ParamObjectInfo);
    Item->Load(_ListParam->GetItem(i));
    Items.push_back(std::move(Item));
  }
  List = std::move(Items);
}

void TEditListParam::Store(TListParam* NewParam) {
  EDIT_REQUIRE(NewParam != NULL);
  EDIT_REQUIRE(NewParam->GetItemsCount() == 0);
  ListParam = NewParam;
  for (auto& Item : List) Item->Store(NewParam->AddItem());
}

int TEditListParam::GetItemsCount() const { return static_cast<int>(List.size()); }

TParamObject* TEditListParam::AddItem() {
  List.push_back(std::make_unique<TEditParamObject>(ParamObjectInfo));
  return List.back().get();
}

TParamObject* TEditListParam::GetItem(int Idx) {
  EDIT_REQUIRE(Idx >= 0 && Idx < (int)List.size());
  return List[static_cast<std::size_t>(Idx)].get();
}

const TParamObject* TEditListParam::GetItem(int Idx) const {
  EDIT_REQUIRE(Idx >= 0 && Idx < (int)List.size());
  return List[static_cast<std::size_t>(Idx)].get();
}

void TEditListParam::ExchangeItems(int Idx1, int Idx2) {
  EDIT_REQUIRE(Idx1 >= 0 && Idx1 < (int)List.size());
  EDIT_REQUIRE(Idx2 >= 0 && Idx2 < (int)List.size());
  std::swap(List[static_cast<std::size_t>(Idx1)], List[static_cast<std::size_t>(Idx2)]);
}

void TEditListParam::DeleteItem(int Idx) {
  EDIT_REQUIRE(Idx >= 0 && Idx < (int)List.size());
  List.erase(List.begin() + Idx);
}
