#include "Interface/edit/EditColumn.h"

#include "Interface/edit/EditPrecondition.h"

using namespace Morvik;

namespace {

TParamObjectInfo* ColumnInfoOf(TModelInfo* ModelInfo) {
  EDIT_REQUIRE(ModelInfo != NULL);
  return ModelInfo->GetColumnInfo();
}

TDataTypeInfo* DataTypeInfoOf(TModelInfo* ModelInfo, int Idx) {
  EDIT_REQUIRE(Idx >= 0 && Idx < ModelInfo->GetDataTypeCount());
  return ModelInfo->GetDataTypeInfo(Idx);
}

} // namespace

TEditColumn::TEditColumn(TModelInfo* _ModelInfo)
    : TEditParamObject(ColumnInfoOf(_ModelInfo)), ModelInfo(_ModelInfo),
      DataType(std::make_unique<TEditDataType>(DataTypeInfoOf(_ModelInfo, 0))) {}

TEditColumn::~TEditColumn() = default;

void TEditColumn::Load(TColumn* _Column) {
  EDIT_REQUIRE(_Column);
  TDataType* SourceType = _Column->GetDataType();
  EDIT_REQUIRE(SourceType);
  // The new type mirror is complete before the mirror changes, so that a failed load
  // leaves it as it was.
  auto NewType = std::make_unique<TEditDataType>(SourceType);
  NewType->Load(SourceType);
  TEditParamObject::Load(_Column);
  Column = _Column;
  TNameImpl::SetName(_Column->GetName());
  Key = _Column->GetKey();
  DataType = std::move(NewType);
  DataTypeIndex = -1;
}

void TEditColumn::Store() {
  EDIT_REQUIRE(Column);
  TEditParamObject::Store(Column);
  Column->SetName(Name.c_str());
  Column->SetKey(Key);
  if (DataTypeIndex != -1) DataType->SetTarget(Column->SetDataType(DataTypeIndex));
  DataType->Store();
}

bool TEditColumn::SetKey(bool _Key) {
  const bool Previous = Key;
  Key = _Key;
  return Previous;
}

TDataType* TEditColumn::SetDataType(int Idx) {
  DataType = std::make_unique<TEditDataType>(DataTypeInfoOf(ModelInfo, Idx));
  DataTypeIndex = Idx;
  return DataType.get();
}
