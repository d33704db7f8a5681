#include "tests/support/PluginModel.h"

#include <gtest/gtest.h>

namespace SchemaTest {

int ScalarIndex(const Morvik::TParamObjectInfo& info, const std::string& name) {
  for (int i = 0; i < info.GetParamCount(); ++i)
    if (name == info.GetParam(i)->GetName()) return i;
  return -1;
}

int ListIndex(const Morvik::TParamObjectInfo& info, const std::string& name) {
  for (int i = 0; i < info.GetListParamCount(); ++i)
    if (name == info.GetListParamInfo(i)->GetName()) return i;
  return -1;
}

void SetParam(Morvik::TParamObject* object, const std::string& name, const std::string& value) {
  const int i = ScalarIndex(*object, name);
  if (i < 0) {
    ADD_FAILURE() << "no parameter named " << name;
    return;
  }
  object->SetParamValue(i, value.c_str());
}

std::string GetParam(const Morvik::TParamObject* object, const std::string& name) {
  const int i = ScalarIndex(*object, name);
  if (i < 0) {
    ADD_FAILURE() << "no parameter named " << name;
    return "";
  }
  return object->GetParamValue(i);
}

Morvik::TListParam* List(Morvik::TParamObject* object, const std::string& name) {
  const int i = ListIndex(*object, name);
  if (i < 0) {
    ADD_FAILURE() << "no list parameter named " << name;
    return nullptr;
  }
  return object->GetListParam(i);
}

Morvik::TParamObject* AddItem(Morvik::TParamObject* owner, const std::string& list,
                              std::initializer_list<std::pair<std::string, std::string>> values) {
  Morvik::TListParam* l = List(owner, list);
  if (!l) return nullptr;
  Morvik::TParamObject* item = l->AddItem();
  for (const auto& [name, value] : values) SetParam(item, name, value);
  return item;
}

int DataTypeIndex(const Morvik::TModelInfo& info, const std::string& keyword) {
  for (int i = 0; i < info.GetDataTypeCount(); ++i)
    if (keyword == info.GetDataTypeInfo(i)->GetName()) return i;
  return -1;
}

Morvik::TColumn* AddColumn(Morvik::TModel* model, Morvik::TTable* table, const ColumnSpec& spec) {
  Morvik::TColumn* column = table->AddColumn();
  column->SetName(spec.name.c_str());
  const int type = DataTypeIndex(*model, spec.type);
  if (type < 0) {
    ADD_FAILURE() << "no data type " << spec.type;
  } else {
    Morvik::TDataType* dataType = column->SetDataType(type);
    for (const auto& [name, value] : spec.typeParams) SetParam(dataType, name, value);
  }
  for (const auto& [name, value] : spec.params) SetParam(column, name, value);
  if (spec.key) column->SetKey(true);
  if (!spec.comment.empty()) column->SetComment(spec.comment.c_str());
  return column;
}

Morvik::TTable* AddTable(Morvik::TModel* model, const std::string& name,
                         const std::vector<ColumnSpec>& columns, const std::string& comment) {
  Morvik::TTable* table = model->NewTable();
  table->SetName(name.c_str());
  if (!comment.empty()) table->SetComment(comment.c_str());
  for (const auto& spec : columns) AddColumn(model, table, spec);
  return table;
}

Morvik::TColumn* FindColumn(Morvik::TTable* table, const std::string& name) {
  for (int i = 0; i < table->GetColumnCount(); ++i)
    if (name == table->GetColumn(i)->GetName()) return table->GetColumn(i);
  ADD_FAILURE() << "no column " << name << " in " << table->GetName();
  return nullptr;
}

Morvik::TParamObject* AddUnique(Morvik::TTable* table, const std::vector<std::string>& columns) {
  Morvik::TListParam* uniques = List(table, "Unique");
  if (!uniques) return nullptr;
  Morvik::TParamObject* unique = uniques->AddItem();
  for (const auto& c : columns) AddItem(unique, "Columns", {{"Column", c}});
  return unique;
}

Morvik::TReference* AddReference(Morvik::TModel* model, Morvik::TTable* parent, Morvik::TTable* child,
                                 const std::vector<std::pair<std::string, std::string>>& pairs,
                                 const std::string& name, const std::string& onDelete,
                                 const std::string& onUpdate) {
  Morvik::TReference* reference = model->NewReference(parent, child);
  reference->SetName(name.c_str());
  for (const auto& [p, c] : pairs) reference->AddPair(FindColumn(parent, p), FindColumn(child, c));
  SetParam(reference, "OnDelete", onDelete);
  SetParam(reference, "OnUpdate", onUpdate);
  return reference;
}

} // namespace SchemaTest
