#include "Interface/edit/EditParamObject.h"

#include "Interface/edit/EditListParam.h"
#include "Interface/edit/EditPrecondition.h"

using namespace Morvik;

TEditParamObject::TEditParamObject(TParamObjectInfo* _ParamObjectInfo)
    : ParamObjectInfo(RequireParamObjectInfo(_ParamObjectInfo)),
      Params(static_cast<std::size_t>(ParamObjectInfo->GetParamCount())) {
  const int ListCount = ParamObjectInfo->GetListParamCount();
  ListParams.reserve(static_cast<std::size_t>(ListCount));
  for (int i = 0; i < ListCount; ++i) {
    TParamObjectInfo* ItemInfo = ParamObjectInfo->GetListParamInfo(i);
    ListParams.push_back(std::make_unique<TEditListParam>(ItemInfo));
  }
}

TEditParamObject::~TEditParamObject() = default;

void TEditParamObject::Load(TParamObject* Object) {
  EDIT_REQUIRE(Object != NULL);
  RequireSameKind(Object);
  EditedObject = Object;
  for (int i = 0; i < Object->GetParamCount(); ++i) {
    const char* Value = Object->GetParamValue(i);
    Params[static_cast<std::size_t>(i)] = Value ? Value : "";
  }
  for (int j = 0; j < Object->GetListParamCount(); ++j)
    ListParams[static_cast<std::size_t>(j)]->Load(Object->GetListParam(j));
  const char* Text = Object->GetComment();
  Comment = Text ? Text : "";
}

void TEditParamObject::Store(TParamObject* Object) {
  EDIT_REQUIRE(Object != NULL);
  // Storing into itself would empty its own lists before copying them.
  EDIT_REQUIRE(Object != this);
  // A mirror of another kind leaves the object untouched.
  RequireSameKind(Object);
  EditedObject = Object;
  for (int i = 0; i < Object->GetParamCount(); ++i)
    Object->SetParamValue(i, Params[static_cast<std::size_t>(i)].c_str());
  ClearListParams(Object);
  for (int j = 0; j < Object->GetListParamCount(); ++j)
    ListParams[static_cast<std::size_t>(j)]->Store(Object->GetListParam(j));
  Object->SetComment(Comment.c_str());
}

void TEditParamObject::RequireSameKind(const TParamObject* Object) const {
  EDIT_REQUIRE(Object->GetParamCount() == ParamObjectInfo->GetParamCount());
  for (int i = 0; i < Object->GetParamCount(); ++i)
    EDIT_REQUIRE(Object->GetParam(i) == ParamObjectInfo->GetParam(i));
  EDIT_REQUIRE(Object->GetListParamCount() == ParamObjectInfo->GetListParamCount());
}

void TEditParamObject::ClearListParams(TParamObject* EditedObject) {
  EDIT_REQUIRE(EditedObject != NULL);
  for (int i = 0; i < EditedObject->GetListParamCount(); ++i) {
    TListParam* List = EditedObject->GetListParam(i);
    while (List->GetItemsCount() != 0) List->DeleteItem(0);
  }
}

int TEditParamObject::GetParamCount() const { return static_cast<int>(Params.size()); }

TParamInfo* TEditParamObject::GetParam(int Idx) const {
  EDIT_REQUIRE(Idx >= 0 && Idx < (int)Params.size());
  return ParamObjectInfo->GetParam(Idx);
}

int TEditParamObject::GetListParamCount() const { return static_cast<int>(ListParams.size()); }

TListParamInfo* TEditParamObject::GetListParamInfo(int Idx) const {
  EDIT_REQUIRE(Idx >= 0 && Idx < (int)ListParams.size());
  return ParamObjectInfo->GetListParamInfo(Idx);
}

TParamKind TEditParamObject::GetParamKind(int Pos) const {
  EDIT_REQUIRE(Pos >= 0 && Pos < (int)(Params.size() + ListParams.size()));
  return ParamObjectInfo->GetParamKind(Pos);
}

int TEditParamObject::GetKindIndex(int Pos) const {
  EDIT_REQUIRE(Pos >= 0 && Pos < (int)(Params.size() + ListParams.size()));
  return ParamObjectInfo->GetKindIndex(Pos);
}

int TEditParamObject::GetDependParam(int Pos) const {
  EDIT_REQUIRE(Pos >= 0 && Pos < (int)(Params.size() + ListParams.size()));
  return ParamObjectInfo->GetDependParam(Pos);
}

const char* TEditParamObject::GetDependValues(int Pos) const {
  EDIT_REQUIRE(Pos >= 0 && Pos < (int)(Params.size() + ListParams.size()));
  return ParamObjectInfo->GetDependValues(Pos);
}

const char* TEditParamObject::GetParamValue(int Idx) const {
  EDIT_REQUIRE(Idx >= 0 && Idx < (int)Params.size());
  return Params[static_cast<std::size_t>(Idx)].c_str();
}

void TEditParamObject::SetParamValue(int Idx, const char* Value) {
  EDIT_REQUIRE(Idx >= 0 && Idx < (int)Params.size());
  Params[static_cast<std::size_t>(Idx)] = Value ? Value : "";
}

TListParam* TEditParamObject::GetListParam(int Idx) {
  EDIT_REQUIRE(Idx >= 0 && Idx < (int)ListParams.size());
  return ListParams[static_cast<std::size_t>(Idx)].get();
}

const TListParam* TEditParamObject::GetListParam(int Idx) const {
  EDIT_REQUIRE(Idx >= 0 && Idx < (int)ListParams.size());
  return ListParams[static_cast<std::size_t>(Idx)].get();
}

const char* TEditParamObject::Generate() { return EditedObject ? EditedObject->Generate() : ""; }

const char* TEditParamObject::Check(int Pos) const { return EditedObject ? EditedObject->Check(Pos) : NULL; }

void TEditParamObject::SetComment(const char* Text) { Comment = Text ? Text : ""; }

const char* TEditParamObject::GetComment() const { return Comment.c_str(); }
