// The data-type generator that every column embeds: makes the column's data-type object
// from a registry index.
#pragma once

#include "Interface/MorvikInterface.h"
#include "plugin/datatypes/DataTypeRegistry.h"

namespace Varne {

class TMyDTGenerator : public Morvik::TDataTypeGenerator {
public:
  constexpr TMyDTGenerator() = default;
  // A new object of data type Idx (0..14) whose owner is Owner (the column's TParent
  // part); the caller owns it. NULL for an index that is no data type.
  Morvik::TDataType* CreateDataType(int Idx, Morvik::TParent* Owner) const override {
    return CreateRegisteredDataType(Idx, Owner);
  }
};

} // namespace Varne
