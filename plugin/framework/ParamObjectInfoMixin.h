// The description side of a parameter object: answers TParamObjectInfo from the one
// static parameter list X_P of its kind.
#pragma once

#include "Interface/MorvikInterface.h"
#include "plugin/framework/ParamsList.h"
#include "plugin/framework/StaticInstance.h"

namespace Morvik {

template <class X_P>
class TParamObjectInfoMixin : public virtual TParamObjectInfo {
public:
  // The static list; built at load through TStaticInstance<X_P>::Build.
  static const X_P& GetParamsList() { return TStaticInstance<X_P>::Get(); }

  int GetParamCount() const override { return GetParamsList().GetScalarCount(); }
  TParamInfo* GetParam(int Idx) const override { return GetParamsList().GetScalarInfo(Idx); }
  int GetListParamCount() const override { return GetParamsList().GetListCount(); }
  TListParamInfo* GetListParamInfo(int Idx) const override { return GetParamsList().GetListInfo(Idx); }
  TParamKind GetParamKind(int Pos) const override { return GetParamsList().GetKind(Pos); }
  int GetKindIndex(int Pos) const override { return GetParamsList().GetKindIndex(Pos); }
  int GetDependParam(int Pos) const override { return GetParamsList().GetDependParam(Pos); }
  const char* GetDependValues(int Pos) const override { return GetParamsList().GetDependValues(Pos); }
  ~TParamObjectInfoMixin() override = default;
};

} // namespace Morvik
