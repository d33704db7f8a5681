// The type parameters of domains, procedure parameters and variables (eight scalars in the
// holder's own list), their SQL type text, and the local variable of procedures and
// triggers.
#pragma once

#include "Interface/MorvikInterface.h"
#include "plugin/framework/ListParamMixin.h"
#include "plugin/framework/ParamObjectInfoMixin.h"
#include "plugin/framework/ParamObjectMixin.h"
#include "plugin/framework/ParamsList.h"
#include "plugin/framework/Parent.h"
#include "plugin/framework/TextBuffer.h"

namespace Varne {

// DataType (enumeration NUMERIC ... BLOB), Precision, Scale, Length, CharSet, ArrayDim,
// SubType, SegmentSize; every one after DataType depends on it. Holders append it.
class TTypesParams_P : public Morvik::TParamsList {
public:
  TTypesParams_P();
};

// Name, then the whole of TTypesParams_P: positions 0 Name, 1 DataType ... 8 SegmentSize.
// Built after TTypesParams_P (TStaticInstance<...>::Build of both, in this order).
class TVariablesParams_P : public Morvik::TParamsList {
public:
  TVariablesParams_P();
};

using TVariablesParams = Morvik::TParamObjectInfoMixin<TVariablesParams_P>;

// The one static TTypesParams_P; it must be built.
const TTypesParams_P& GetTypesParams();

// Offsets of the type parameters from the DataType position of their holder.
enum TTypeParamOffset : int {
  tpDataType = 0,
  tpPrecision,
  tpScale,
  tpLength,
  tpCharSet,
  tpArrayDim,
  tpSubType,
  tpSegmentSize
};

// Appends the SQL type text of the eight type parameters of Object that stand at the
// positions Base (DataType) to Base + 7 (SegmentSize). A DataType that names no option
// writes nothing at all.
void DataTypeText(Morvik::TTextBuffer& Out, const Morvik::TParamObject* Object, int Base);

// Checks of the type parameters at Base (DataType) to Base + 7 that the server would refuse:
// at Base + 3 a VARCHAR or NCHAR VARYING without a length; at Base, when CheckType is set,
// a DataType that names no data type. Null for every other position.
const char* CheckTypeParams(const Morvik::TParamObject* Object, int Base, int Pos, bool CheckType);

// Check messages of variables, procedure parameters and return values.
inline constexpr const char* MsgVariableNameMissing = "Must be specified";
inline constexpr const char* MsgVariableTypeRefused = "This type cannot be uses in variable";
inline constexpr const char* MsgVariableArrayRefused = "Arrays cannot be uses in variable";

// One local variable: an item of a procedure's or a trigger's "Variables" list, owned by
// the list, with the procedure or trigger as its owner. Procedure parameters derive from
// it and replace WriteText only.
class TVariables : public Morvik::TParamObjectMixin<TVariablesParams> {
public:
  explicit TVariables(Morvik::TParent* Owner);
  // Name required, DATE/TIME/TIMESTAMP/BLOB and arrays refused.
  const char* Check(int Pos) const override;
  // "DECLARE VARIABLE " name " " type ";\n".
  const char* Generate() override;
  // The text of Generate, appended to Out.
  virtual void WriteText(Morvik::TTextBuffer& Out) const;
  ~TVariables() override = default;
};

// The description of a list of variables or procedure parameters (name, help, item-name
// parameter 0), and the generator of a "Variables" list.
using TVariablesListInfo = Morvik::TListParamInfoCMixin<TVariablesParams>;
using TVariablesListGenerator = Morvik::TLPGeneratorMixin<TVariables>;

} // namespace Varne
