// Editable mirror of a column's data type: the type's keyword and its parameter values.
#pragma once

#include "Interface/MorvikInterface.h"
#include "Interface/edit/EditParamObject.h"

class TEditDataType : public virtual Morvik::TDataType, public TEditParamObject {
public:
  // Info: the type's description, or any data-type object of that type.
  explicit TEditDataType(Morvik::TDataTypeInfo* Info);
  ~TEditDataType() override;

  // Copies the values of a data-type object of the same type; it becomes the target.
  void Load(Morvik::TDataType* Object);
  // Writes the values into the target data type.
  void Store();

  // The data type last loaded from or assigned as the target; NULL until then.
  Morvik::TDataType* GetTarget() const { return DataType; }
  void SetTarget(Morvik::TDataType* Target) { DataType = Target; }
  // The description this mirror was built over.
  Morvik::TDataTypeInfo* GetInfo() const { return Info; }

  const char* GetName() const override { return Name; }

private:
  Morvik::TDataTypeInfo* Info;
  const char* Name;
  Morvik::TDataType* DataType = nullptr;
};
