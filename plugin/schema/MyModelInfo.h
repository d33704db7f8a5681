// The static description of the InterBase 6 model, which every model also answers as.
#pragma once

#include "Interface/MorvikInterface.h"
#include "plugin/framework/ParamObjectInfoMixin.h"
#include "plugin/schema/MyModelParams.h"

namespace Varne {

class TMyModelInfo : public virtual Morvik::TModelInfo,
                     public virtual Morvik::TParamObjectInfoMixin<TMyModelParamsInfo_P> {
public:
  // "InterBase 6".
  const char* GetName() const override;
  Morvik::TParamObjectInfo* GetTableInfo() const override;
  Morvik::TParamObjectInfo* GetColumnInfo() const override;
  Morvik::TParamObjectInfo* GetReferenceInfo() const override;
  // The model offers no reverse engineering.
  Morvik::TReverseSources* GetReverseSources() const override { return nullptr; }
  int GetDataTypeCount() const override;
  Morvik::TDataTypeInfo* GetDataTypeInfo(int Idx) const override;
  ~TMyModelInfo() override = default;
};

} // namespace Varne
