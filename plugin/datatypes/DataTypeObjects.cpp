#include "plugin/datatypes/DataTypeObjects.h"

#include <cstring>

#include "plugin/framework/ParamAccess.h"

namespace Varne {

namespace {

// Position of the model's "Domains" list and of a domain's "Name".
constexpr int DomainsPos = 15;
constexpr int DomainNamePos = 0;

bool IsSet(const char* Value) { return Value && *Value; }

bool IsBlank(char C) { return C == ' ' || C == '\t' || C == '\n' || C == '\r'; }

void WriteArrayDim(Morvik::TTextBuffer& Out, const char* Value) {
  if (IsArrayDimWritten(Value)) Out.Append("[").Append(Value).Append("]");
}

} // namespace

bool IsArrayDimWritten(const char* Value) {
  if (!IsSet(Value)) return false;
  const char* P = Value;
  while (IsBlank(*P)) ++P;
  if (*P == '+' || *P == '-') ++P;
  if (*P != '0') return true;
  while (*P == '0') ++P;
  while (IsBlank(*P)) ++P;
  return *P != '\0';
}

void WriteSizedTypeText(Morvik::TTextBuffer& Out, const Morvik::TDataType& Type) {
  const int Count = Type.GetParamCount();
  Out.Append(Type.GetName());
  if (Count == 3) {
    // A scale is only written after a precision: "(,s)" and "(s)" are both wrong.
    const char* Precision = Type.GetParamValue(0);
    const char* Scale = Type.GetParamValue(1);
    if (IsSet(Precision)) {
      Out.Append("(").Append(Precision);
      if (IsSet(Scale)) Out.Append(",").Append(Scale);
      Out.Append(")");
    }
  } else if (Count == 2) {
    const char* Length = Type.GetParamValue(0);
    if (IsSet(Length)) Out.Append("(").Append(Length).Append(")");
  }
  if (Count > 0) WriteArrayDim(Out, Type.GetParamValue(Count - 1));
}

void WriteCharTypeText(Morvik::TTextBuffer& Out, const Morvik::TDataType& Type) {
  Out.Append(Type.GetName());
  const char* Length = Type.GetParamValue(0);
  if (IsSet(Length)) Out.Append("(").Append(Length).Append(")");
  WriteArrayDim(Out, Type.GetParamValue(1));
  const char* CharSet = Type.GetParamValue(2);
  if (IsSet(CharSet)) Out.Append(" CHARACTER SET ").Append(CharSet);
}

void WriteBlobTypeText(Morvik::TTextBuffer& Out, const Morvik::TDataType& Type) {
  Out.Append(Type.GetName());
  const char* SubType = Type.GetParamValue(0);
  if (IsSet(SubType)) Out.Append(" SUB_TYPE ").Append(SubType);
  const char* SegmentSize = Type.GetParamValue(1);
  if (IsSet(SegmentSize)) Out.Append(" SEGMENT SIZE ").Append(SegmentSize);
  const char* CharSet = Type.GetParamValue(2);
  if (IsSet(CharSet)) Out.Append(" CHARACTER SET ").Append(CharSet);
}

void WriteDomainTypeText(Morvik::TTextBuffer& Out, const Morvik::TDataType& Type) {
  Out.Append(Type.GetParamValue(0));
}

const char* CheckVaryingLength(const Morvik::TDataType& Type, int Pos) {
  return Pos == 0 && !IsSet(Type.GetParamValue(0)) ? MsgNoLength : nullptr;
}

const char* CheckDomainType(const Morvik::TDataType& Type, const Morvik::TParent* Owner, int Pos) {
  if (Pos != 0) return nullptr;
  const char* DomainName = Type.GetParamValue(0);
  if (!IsSet(DomainName)) return MsgNoDomainName;

  // Column, table, model.
  const Morvik::TParent* Table = Owner ? Owner->GetParent() : nullptr;
  const Morvik::TParent* ModelPart = Table ? Table->GetParent() : nullptr;
  const auto* Model = dynamic_cast<const Morvik::TModel*>(ModelPart);
  if (!Model) return MsgNoModel;
  const int Positions = Model->GetParamCount() + Model->GetListParamCount();
  if (Positions <= DomainsPos || Model->GetParamKind(DomainsPos) != Morvik::pkVector) return MsgNoModel;

  const Morvik::TListParam* Domains = Morvik::ListAt(Model, DomainsPos);
  if (!Domains) return MsgNoModel;
  for (int I = 0; I < Domains->GetItemsCount(); ++I) {
    const Morvik::TParamObject* Domain = Domains->GetItem(I);
    const char* Name = Morvik::ValueAt(Domain, DomainNamePos);
    if (std::strcmp(Name, DomainName) == 0) return nullptr;
  }
  return MsgNoSuchDomain;
}

} // namespace Varne
