#include "tests/support/FakeModel.h"

#include <algorithm>

namespace fake {

int TFakeDescription::AddScalar(const std::string& Name, Morvik::TParamType Type, int DependParam,
                                const char* DependValues, std::vector<std::string> Options) {
  scalars.push_back(std::make_unique<TFakeParamInfo>(Name, Type, std::move(Options)));
  const int Index = (int)scalars.size() - 1;
  entries.push_back(Entry{Morvik::pkScalar, Index, DependParam, DependValues});
  return Index;
}

TFakeListParamInfo* TFakeDescription::AddList(const std::string& Name, int NameParam, int DependParam,
                                              const char* DependValues) {
  lists.push_back(std::make_unique<TFakeListParamInfo>(Name, NameParam));
  entries.push_back(Entry{Morvik::pkVector, (int)lists.size() - 1, DependParam, DependValues});
  return lists.back().get();
}

Morvik::TListParamInfo* TFakeDescription::GetListParamInfo(int Idx) const {
  return lists.at((size_t)Idx).get();
}

TFakeParamObject::TFakeParamObject(Morvik::TParamObjectInfo* Info)
    : info(Info), values((size_t)Info->GetParamCount()) {
  for (int i = 0; i < Info->GetListParamCount(); ++i)
    lists.push_back(std::make_unique<TFakeListParam>(Info->GetListParamInfo(i)));
}

TFakeParamObject::~TFakeParamObject() = default;

Morvik::TListParam* TFakeParamObject::GetListParam(int Idx) { return lists.at((size_t)Idx).get(); }
const Morvik::TListParam* TFakeParamObject::GetListParam(int Idx) const {
  return lists.at((size_t)Idx).get();
}

const char* TFakeDataType::Generate() {
  Script = info->GetName();
  std::string Values;
  for (int i = 0; i < GetParamCount(); ++i) {
    if (!*GetParamValue(i)) continue;
    if (!Values.empty()) Values += ",";
    Values += GetParamValue(i);
  }
  if (!Values.empty()) Script += "(" + Values + ")";
  return Script.c_str();
}

TFakeColumn::TFakeColumn(TFakeModel* Model) : TFakeParamObject(&Model->Kind().Column), model(Model) {
  SetDataType(0);
}

Morvik::TDataType* TFakeColumn::SetDataType(int Idx) {
  dataType = std::make_unique<TFakeDataType>(model->Kind().DataTypes.at((size_t)Idx).get());
  return dataType.get();
}

TFakeTable::TFakeTable(TFakeModel* Model) : TFakeParamObject(&Model->Kind().Table), model(Model) {}

Morvik::TColumn* TFakeTable::AddColumn() {
  columns.push_back(std::make_unique<TFakeColumn>(model));
  return columns.back().get();
}

void TFakeTable::DeleteColumn(int Idx) {
  Morvik::TColumn* Gone = columns.at((size_t)Idx).get();
  for (int r = 0; r < model->GetReferenceCount(); ++r) {
    Morvik::TReference* Reference = model->GetReference(r);
    for (int j = 0; j < Reference->GetPairCount();) {
      if (Reference->GetPairColumn(0, j) == Gone || Reference->GetPairColumn(1, j) == Gone)
        Reference->DeletePair(j);
      else
        ++j;
    }
  }
  columns.erase(columns.begin() + Idx);
}

TFakeReference::TFakeReference(TFakeModel* Model, Morvik::TTable* Parent, Morvik::TTable* Child)
    : TFakeParamObject(&Model->Kind().Reference), parent(Parent), child(Child) {}

void TFakeModel::DeleteTable(Morvik::TTable* Table) {
  tables.erase(std::find_if(tables.begin(), tables.end(), [&](auto& t) { return t.get() == Table; }));
}

void TFakeModel::DeleteReference(Morvik::TReference* Reference) {
  references.erase(
      std::find_if(references.begin(), references.end(), [&](auto& r) { return r.get() == Reference; }));
}

} // namespace fake
