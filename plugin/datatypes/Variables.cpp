#include "plugin/datatypes/Variables.h"

#include "plugin/datatypes/DataTypeObjects.h"
#include "plugin/framework/ParamAccess.h"
#include "plugin/framework/ParamInfo.h"
#include "plugin/framework/StaticInstance.h"
#include "plugin/framework/TextToInt.h"

namespace Varne {

namespace {

using Morvik::TParamInfoC;
using Morvik::ValueAt;

// DataType options, the column types without DOMAIN.
constexpr int TypeVARCHAR = 3;
constexpr int TypeNCHARVARYING = 5;
constexpr int TypeDATE = 10;
constexpr int TypeBLOB = 13;

constexpr int VarNamePos = 0;
constexpr int VarTypeBase = 1;

TParamInfoC* Number(const char* Name, const char* Help) {
  return new TParamInfoC(Name, Help, 1, Morvik::ptNumber);
}

bool IsSet(const char* Value) { return Value && *Value; }

} // namespace

TTypesParams_P::TTypesParams_P() {
  // The dependency values are DataType option indexes; a leading "|" also enables the
  // parameter while no type is chosen.
  Add(new TParamInfoC("DataType", "Basic datatype", 1, Morvik::ptEnum));
  for (const char* Option : {"NUMERIC", "DECIMAL", "CHAR", "VARCHAR", "NCHAR", "NCHAR VARYING", "SMALLINT",
                             "INTEGER", "FLOAT", "DOUBLE PRECISION", "DATE", "TIME", "TIMESTAMP", "BLOB"})
    AddOption(Option);
  Add(Number("Precision", "NUMBER type precision"), 0, "|0|1");
  Add(Number("Scale", "NUMBER type scale"), 0, "|0|1");
  Add(Number("Length", "Character type length"), 0, "2|3|4|5");
  Add(new TParamInfoC("CharSet", "Character encoding", 1, Morvik::ptString), 0, "2|3|13");
  Add(Number("ArrayDim", "Dimension in case of array definiton"), 0, "|0|1|2|3|4|5|6|7|8|9|10|11|12");
  Add(Number("SubType", "Type used in BLOB"), 0, "13");
  Add(Number("SegmentSize", "Size of one segment in BLOB"), 0, "13");
}

TVariablesParams_P::TVariablesParams_P() {
  Add(new TParamInfoC("Name", "Name of variable", 1, Morvik::ptString));
  Append(GetTypesParams());
}

const TTypesParams_P& GetTypesParams() { return Morvik::TStaticInstance<TTypesParams_P>::Get(); }

void DataTypeText(Morvik::TTextBuffer& Out, const Morvik::TParamObject* Object, int Base) {
  auto V = [&](int Offset) { return ValueAt(Object, Base + Offset); };

  const int Type = Morvik::TextToInt(V(tpDataType));
  const Morvik::TParamInfo* TypeInfo = Object->GetParam(Object->GetKindIndex(Base + tpDataType));
  // "-1" (no choice) or an index from elsewhere names no type: nothing is guessed.
  if (Type < 0 || Type >= TypeInfo->GetOptionCount()) return;
  Out.Append(TypeInfo->GetOption(Type));

  if (Type == TypeBLOB) {
    if (IsSet(V(tpSubType))) Out.Append(" SUB_TYPE ").Append(V(tpSubType));
    if (IsSet(V(tpSegmentSize))) Out.Append(" SEGMENT SIZE ").Append(V(tpSegmentSize));
  }

  if (Type <= 1) {
    // A scale is only written after a precision.
    if (IsSet(V(tpPrecision))) {
      Out.Append("(").Append(V(tpPrecision));
      if (IsSet(V(tpScale))) Out.Append(",").Append(V(tpScale));
      Out.Append(")");
    }
  } else if (Type <= 5) {
    if (IsSet(V(tpLength))) Out.Append("(").Append(V(tpLength)).Append(")");
  }

  if (Type < TypeBLOB && Morvik::TextToInt(V(tpArrayDim)) != 0)
    Out.Append("[").Append(V(tpArrayDim)).Append("]");

  if ((Type == 2 || Type == 3 || Type == TypeBLOB) && IsSet(V(tpCharSet)))
    Out.Append(" CHARACTER SET ").Append(V(tpCharSet));
}

const char* CheckTypeParams(const Morvik::TParamObject* Object, int Base, int Pos, bool CheckType) {
  const int Type = Morvik::TextToInt(ValueAt(Object, Base + tpDataType));
  if (Pos == Base + tpDataType && CheckType) {
    const Morvik::TParamInfo* TypeInfo = Object->GetParam(Object->GetKindIndex(Base + tpDataType));
    return Type < 0 || Type >= TypeInfo->GetOptionCount() ? MsgNoDataType : nullptr;
  }
  if (Pos == Base + tpLength && (Type == TypeVARCHAR || Type == TypeNCHARVARYING))
    return IsSet(ValueAt(Object, Pos)) ? nullptr : MsgNoLength;
  return nullptr;
}

TVariables::TVariables(Morvik::TParent* Owner)
    : Morvik::TParent(Owner), Morvik::TParamObjectMixin<TVariablesParams>(Owner) {}

const char* TVariables::Check(int Pos) const {
  switch (Pos) {
    case VarNamePos: return IsSet(ValueAt(this, Pos)) ? nullptr : MsgVariableNameMissing;
    case VarTypeBase + tpDataType:
      return Morvik::TextToInt(ValueAt(this, Pos)) >= TypeDATE ? MsgVariableTypeRefused : nullptr;
    case VarTypeBase + tpArrayDim: return IsSet(ValueAt(this, Pos)) ? MsgVariableArrayRefused : nullptr;
    default: return CheckTypeParams(this, VarTypeBase, Pos, false);
  }
}

const char* TVariables::Generate() {
  output.Clear();
  WriteText(output);
  return output.GetText();
}

void TVariables::WriteText(Morvik::TTextBuffer& Out) const {
  Out.Append("DECLARE VARIABLE ").Append(ValueAt(this, VarNamePos)).Append(" ");
  DataTypeText(Out, this, VarTypeBase);
  Out.Append(";\n");
}

} // namespace Varne
