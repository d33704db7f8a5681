#include "PluginFixture.h"

namespace plugin {

int Scalar(const Morvik::TParamObjectInfo* Info, const std::string& Name) {
  for (int i = 0; i < Info->GetParamCount(); ++i)
    if (Name == Info->GetParam(i)->GetName()) return i;
  ADD_FAILURE() << "no parameter " << Name;
  return -1;
}

int ListIndex(const Morvik::TParamObjectInfo* Info, const std::string& Name) {
  for (int i = 0; i < Info->GetListParamCount(); ++i)
    if (Name == Info->GetListParamInfo(i)->GetName()) return i;
  ADD_FAILURE() << "no list " << Name;
  return -1;
}

int Position(const Morvik::TParamObjectInfo* Info, const std::string& Name) {
  const int count = Info->GetParamCount() + Info->GetListParamCount();
  for (int p = 0; p < count; ++p) {
    const int k = Info->GetKindIndex(p);
    const char* name = Info->GetParamKind(p) == Morvik::pkScalar ? Info->GetParam(k)->GetName()
                                                                 : Info->GetListParamInfo(k)->GetName();
    if (Name == name) return p;
  }
  ADD_FAILURE() << "no position " << Name;
  return -1;
}

void Set(Morvik::TParamObject* Object, const std::string& Name, const std::string& Value) {
  const int i = Scalar(Object, Name);
  if (i >= 0) Object->SetParamValue(i, Value.c_str());
}

std::string Get(const Morvik::TParamObject* Object, const std::string& Name) {
  const int i = Scalar(Object, Name);
  return i >= 0 ? Object->GetParamValue(i) : "";
}

Morvik::TParamObject* AddItem(Morvik::TParamObject* Owner, const std::string& List) {
  const int i = ListIndex(Owner, List);
  return i >= 0 ? Owner->GetListParam(i)->AddItem() : nullptr;
}

int DataTypeIndex(const Morvik::TModelInfo* Info, const std::string& Keyword) {
  for (int i = 0; i < Info->GetDataTypeCount(); ++i)
    if (Keyword == Info->GetDataTypeInfo(i)->GetName()) return i;
  ADD_FAILURE() << "no data type " << Keyword;
  return 0;
}

Morvik::TColumn* AddColumn(Morvik::TModel* Model, Morvik::TTable* Table, const std::string& Name,
                           const std::string& Type, const std::string& Size) {
  Morvik::TColumn* column = Table->AddColumn();
  column->SetName(Name.c_str());
  Morvik::TDataType* dataType = column->SetDataType(DataTypeIndex(Model, Type));
  if (!Size.empty()) dataType->SetParamValue(0, Size.c_str());
  return column;
}

} // namespace plugin
