#include "Interface/edit/EditDataType.h"

#include "Interface/edit/EditPrecondition.h"

using namespace Morvik;

namespace {

TDataTypeInfo* RequireTypeInfo(TDataTypeInfo* Info) {
  EDIT_REQUIRE(Info != NULL);
  // A mirror built over another mirror shares that mirror's description, so that it does
  // not depend on the other mirror's lifetime.
  if (auto* Mirror = dynamic_cast<TEditDataType*>(Info)) return Mirror->GetInfo();
  return Info;
}

} // namespace

TEditDataType::TEditDataType(TDataTypeInfo* _Info)
    : TEditParamObject(RequireTypeInfo(_Info)), Info(RequireTypeInfo(_Info)) {
  const char* Keyword = Info->GetName();
  Name = Keyword ? Keyword : "";
}

TEditDataType::~TEditDataType() = default;

void TEditDataType::Load(TDataType* Object) {
  EDIT_REQUIRE(Object != NULL);
  TEditParamObject::Load(Object);
  DataType = Object;
}

void TEditDataType::Store() {
  EDIT_REQUIRE(DataType);
  TEditParamObject::Store(DataType);
}
