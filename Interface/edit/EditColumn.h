// Editable mirror of a column: name, key flag, data type and the column's parameters.
#pragma once

#include "Interface/MorvikInterface.h"
#include "Interface/edit/EditDataType.h"
#include "Interface/edit/EditParamObject.h"
#include "Interface/edit/NameImpl.h"

#include <memory>

class TEditTable;

class TEditColumn : public virtual Morvik::TColumn, public TEditParamObject, public Morvik::TNameImpl {
public:
  explicit TEditColumn(Morvik::TModelInfo* ModelInfo);
  ~TEditColumn() override;

  // Copies a column (a plug-in column or another column mirror); it becomes the target.
  void Load(Morvik::TColumn* _Column);
  // Writes parameters, name, key, a newly chosen type and the type's values into the target.
  void Store();
  // True while the mirror has no column to store into.
  bool IsNew() const { return Column == nullptr; }
  // The column last loaded from or stored into.
  Morvik::TColumn* GetTarget() const { return Column; }

  // Morvik::TColumn
  bool SetKey(bool _Key) override;
  bool GetKey() const override { return Key; }
  // Replaces the data-type mirror by an empty one of model data type Idx.
  Morvik::TDataType* SetDataType(int Idx) override;
  Morvik::TDataType* GetDataType() const override { return DataType.get(); }

private:
  friend class TEditTable; // binds a new mirror to the column it creates

  Morvik::TModelInfo* ModelInfo;
  Morvik::TColumn* Column = nullptr;
  std::unique_ptr<TEditDataType> DataType;
  int DataTypeIndex = 0;
  bool Key = false;
};
