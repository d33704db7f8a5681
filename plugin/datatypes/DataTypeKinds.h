// The six parameter lists of the column data types. Each data type takes its parameters
// from exactly one of them, and several types share one; none has list parameters or
// dependencies, so position, scalar index and kind index coincide.
#pragma once

#include "plugin/framework/ParamObjectInfoMixin.h"
#include "plugin/framework/ParamsList.h"

namespace Varne {

// NUMERIC, DECIMAL: Precision, Scale, ArrayDim.
class TNumberInfo_P : public Morvik::TParamsList {
public:
  TNumberInfo_P();
};

// NCHAR, NATIONAL CHARACTER VARYING: Length, ArrayDim.
class TLengthInfo_P : public Morvik::TParamsList {
public:
  TLengthInfo_P();
};

// SMALLINT, INTEGER, FLOAT, DOUBLE PRECISION, DATE, TIME, TIMESTAMP: ArrayDim.
class TNoParamsInfo_P : public Morvik::TParamsList {
public:
  TNoParamsInfo_P();
};

// CHAR, VARCHAR: Length, ArrayDim, CharSet.
class TCharInfo_P : public Morvik::TParamsList {
public:
  TCharInfo_P();
};

// BLOB: SubType, SegmentSize, CharSet.
class TBlobInfo_P : public Morvik::TParamsList {
public:
  TBlobInfo_P();
};

// DOMAIN: DomainName.
class TDomainTypeInfo_P : public Morvik::TParamsList {
public:
  TDomainTypeInfo_P();
};

using TNumberInfo = Morvik::TParamObjectInfoMixin<TNumberInfo_P>;
using TLengthInfo = Morvik::TParamObjectInfoMixin<TLengthInfo_P>;
using TNoParamsInfo = Morvik::TParamObjectInfoMixin<TNoParamsInfo_P>;
using TCharInfo = Morvik::TParamObjectInfoMixin<TCharInfo_P>;
using TBlobInfo = Morvik::TParamObjectInfoMixin<TBlobInfo_P>;
using TDomainTypeInfo = Morvik::TParamObjectInfoMixin<TDomainTypeInfo_P>;

// Builds the six lists, each only while its built flag is clear, in the order Number,
// Length, NoParams, Char, Blob, DomainType; the destroyer goes the other way.
void BuildDataTypeKinds();
void DestroyDataTypeKinds();

} // namespace Varne
