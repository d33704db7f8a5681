// The model's parameters: the database to create, its shadow, the lists of schema-level
// objects and the switch that puts DROP statements before the CREATE statements.
#pragma once

#include "plugin/framework/ParamObjectInfoMixin.h"
#include "plugin/framework/ParamsList.h"

namespace Varne {

// Fourteen scalars and eight lists in the order of TModelPos (ModelAccess.h).
class TMyModelParamsInfo_P : public Morvik::TParamsList {
public:
  TMyModelParamsInfo_P();
};

} // namespace Varne
