#include "plugin/datatypes/DataTypeKinds.h"

#include "plugin/framework/ParamInfo.h"
#include "plugin/framework/StaticInstance.h"

namespace Varne {

namespace {

using Morvik::TParamInfoC;
using Morvik::TStaticInstance;

TParamInfoC* Number(const char* Name, const char* Help) {
  return new TParamInfoC(Name, Help, 1, Morvik::ptNumber);
}

TParamInfoC* Text(const char* Name, const char* Help) {
  return new TParamInfoC(Name, Help, 1, Morvik::ptString);
}

TParamInfoC* Precision() { return Number("Precision", "NUMBER type precision"); }
TParamInfoC* Scale() { return Number("Scale", "NUMBER type scale"); }
TParamInfoC* Length() { return Number("Length", "Character type length"); }
TParamInfoC* ArrayDim() { return Number("ArrayDim", "Dimension in case of array definiton"); }
TParamInfoC* CharSet() { return Text("CharSet", "Character encoding"); }

} // namespace

TNumberInfo_P::TNumberInfo_P() {
  Add(Precision());
  Add(Scale());
  Add(ArrayDim());
}

TLengthInfo_P::TLengthInfo_P() {
  Add(Length());
  Add(ArrayDim());
}

TNoParamsInfo_P::TNoParamsInfo_P() { Add(ArrayDim()); }

TCharInfo_P::TCharInfo_P() {
  Add(Length());
  Add(ArrayDim());
  Add(CharSet());
}

TBlobInfo_P::TBlobInfo_P() {
  Add(Number("SubType", "Type used in BLOB"));
  Add(Number("SegmentSize", "Size of one segment"));
  Add(CharSet());
}

TDomainTypeInfo_P::TDomainTypeInfo_P() { Add(Text("DomainName", "The name of domain")); }

void BuildDataTypeKinds() {
  TStaticInstance<TNumberInfo_P>::Build();
  TStaticInstance<TLengthInfo_P>::Build();
  TStaticInstance<TNoParamsInfo_P>::Build();
  TStaticInstance<TCharInfo_P>::Build();
  TStaticInstance<TBlobInfo_P>::Build();
  TStaticInstance<TDomainTypeInfo_P>::Build();
}

void DestroyDataTypeKinds() {
  TStaticInstance<TDomainTypeInfo_P>::Destroy();
  TStaticInstance<TBlobInfo_P>::Destroy();
  TStaticInstance<TCharInfo_P>::Destroy();
  TStaticInstance<TNoParamsInfo_P>::Destroy();
  TStaticInstance<TLengthInfo_P>::Destroy();
  TStaticInstance<TNumberInfo_P>::Destroy();
}

} // namespace Varne
