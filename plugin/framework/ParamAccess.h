// Parameter values and lists of an object read by position (scalars and lists counted
// together), as the descriptions order them.
#pragma once

#include "Interface/MorvikInterface.h"

namespace Morvik {

// The value of the scalar parameter at position Pos of Object.
inline const char* ValueAt(const TParamObject* Object, int Pos) {
  return Object->GetParamValue(Object->GetKindIndex(Pos));
}

// The list parameter at position Pos of Object.
inline const TListParam* ListAt(const TParamObject* Object, int Pos) {
  return Object->GetListParam(Object->GetKindIndex(Pos));
}

inline TListParam* ListAt(TParamObject* Object, int Pos) {
  return Object->GetListParam(Object->GetKindIndex(Pos));
}

} // namespace Morvik
