#include "plugin/framework/ParamsList.h"

#include <cassert>

namespace Morvik {

TParamsList::~TParamsList() {
  for (TParamInfoC* Info : scalarInfos) Info->Release();
  for (TListParamInfoC* Info : listInfos) Info->Release();
  for (TListParamGeneratorC* Generator : generators) Generator->Release();
}

void TParamsList::Add(TParamInfoC* Info, int DependParam, const char* DependValues) {
  scalarInfos.push_back(Info);
  kinds.push_back(pkScalar);
  kindIndexes.push_back(GetScalarCount() - 1);
  dependParams.push_back(DependParam);
  dependValues.push_back(DependValues ? DependValues : "");
}

void TParamsList::AddList(TListParamInfoC* Info, TListParamGeneratorC* Generator, int DependParam,
                          const char* DependValues) {
  listInfos.push_back(Info);
  generators.push_back(Generator);
  kinds.push_back(pkVector);
  kindIndexes.push_back(GetListCount() - 1);
  dependParams.push_back(DependParam);
  dependValues.push_back(DependValues ? DependValues : "");
}

void TParamsList::AddOption(const char* Text) {
  assert(!scalarInfos.empty() && "AddOption needs a scalar parameter");
  scalarInfos.back()->AddOption(Text);
}

void TParamsList::Append(const TParamsList& Other) {
  assert(&Other != this);
  const int S = GetScalarCount();
  const int L = GetListCount();
  for (TParamInfoC* Info : Other.scalarInfos) {
    Info->AddRef();
    scalarInfos.push_back(Info);
  }
  for (TListParamInfoC* Info : Other.listInfos) {
    Info->AddRef();
    listInfos.push_back(Info);
  }
  for (TListParamGeneratorC* Generator : Other.generators) {
    Generator->AddRef();
    generators.push_back(Generator);
  }
  for (int Pos = 0; Pos < Other.GetPositionCount(); ++Pos) {
    const TParamKind Kind = Other.GetKind(Pos);
    kinds.push_back(Kind);
    kindIndexes.push_back(Other.GetKindIndex(Pos) + (Kind == pkScalar ? S : L));
    const int Depend = Other.GetDependParam(Pos);
    dependParams.push_back(Depend == -1 ? -1 : Depend + S);
    dependValues.push_back(Other.GetDependValues(Pos));
  }
}

} // namespace Morvik
