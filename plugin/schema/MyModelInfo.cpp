#include "plugin/schema/MyModelInfo.h"

#include "plugin/datatypes/DataTypeRegistry.h"
#include "plugin/schema/MyColumn.h"
#include "plugin/schema/MyReference.h"
#include "plugin/schema/MyTable.h"

namespace Varne {

const char* TMyModelInfo::GetName() const { return "InterBase 6"; }

Morvik::TParamObjectInfo* TMyModelInfo::GetTableInfo() const { return MyTableInfo(); }

Morvik::TParamObjectInfo* TMyModelInfo::GetColumnInfo() const { return MyColumnInfo(); }

Morvik::TParamObjectInfo* TMyModelInfo::GetReferenceInfo() const { return MyReferenceInfo(); }

int TMyModelInfo::GetDataTypeCount() const { return GetDTInfo().GetDataTypeCount(); }

Morvik::TDataTypeInfo* TMyModelInfo::GetDataTypeInfo(int Idx) const {
  return GetDTInfo().GetDataTypeInfo(Idx);
}

} // namespace Varne
