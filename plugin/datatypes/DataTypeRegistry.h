// The registry of the model's fifteen data types, index 0 NUMERIC to 14 DOMAIN. Stored
// schemas name a column's type by its keyword and find the index again as the first equal
// keyword in this order, so the order is part of what a stored schema means.
#pragma once

#include "Interface/MorvikInterface.h"

namespace Varne {

// Registry indexes.
enum TDataTypeIndex : int {
  dtNUMERIC = 0,
  dtDECIMAL,
  dtCHAR,
  dtVARCHAR,
  dtNCHAR,
  dtNVCHAR,
  dtSMALLINT,
  dtINTEGER,
  dtFLOAT,
  dtDOUBLE,
  dtDATE,
  dtTIME,
  dtTIMESTAMP,
  dtBLOB,
  dtDOMAIN,
  dtCount
};

// Answers from the static table of descriptions and factories that the data-type unit
// fills at load.
class TDTInfo final {
public:
  constexpr TDTInfo() = default;
  // The description of data type I; NULL outside 0..14 or while the unit is not loaded.
  virtual Morvik::TDataTypeInfo* GetDataTypeInfo(int I) const;
  // Always 15.
  virtual int GetDataTypeCount() const;
};

// The one registry; the model description answers GetDataTypeCount and GetDataTypeInfo
// from it.
const TDTInfo& GetDTInfo();

// A new data-type object of data type Index for Owner, owned by the caller; NULL outside
// 0..14. TMyDTGenerator calls it.
Morvik::TDataType* CreateRegisteredDataType(int Index, Morvik::TParent* Owner);

} // namespace Varne
