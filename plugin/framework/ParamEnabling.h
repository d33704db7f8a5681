// Which parameters of an object are enabled by the values of the others.
#pragma once

#include "Interface/MorvikInterface.h"

namespace Morvik {

// True when Value equals one of the pieces of DependValues cut at each "|". An empty
// piece ("|0|1", "a||b", "a|") matches the empty value. Exact, character for character.
bool IsDependValue(const char* DependValues, const char* Value);

// The position of the scalar parameter with scalar index ScalarIdx; -1 when there is none.
int ScalarPosition(const TParamObjectInfo& Info, int ScalarIdx);

// The parameter at Pos is enabled when it depends on nothing, or when the scalar
// parameter it depends on is itself enabled and holds one of its depend values. A chain of
// dependencies that runs in a circle counts as disabled.
bool IsParamEnabled(const TParamObject& Object, int Pos);

} // namespace Morvik
