// Parameter functions over any parameter object, a plug-in object or a mirror: where a
// parameter sits, whether it is enabled, and how its value reads.
#pragma once

#include "Interface/MorvikInterface.h"

// The first position of the parameter of that kind and kind index; -1 when there is none.
int FindParamPosition(const Morvik::TParamObject* Object, Morvik::TParamKind Kind, int KindIndex);

// The enabling rule: a parameter is enabled when it depends on nothing, or when the scalar
// it depends on is enabled itself and holds one of the "|"-separated accepted values (an
// empty piece accepts the empty value). A position outside the object, a controlling
// parameter that has no position, and a chain of dependencies that runs in a circle all
// count as disabled.
bool IsParamEnabled(const Morvik::TParamObject* Object, int Pos);

// Scalar parameter Idx as a user reads it: "TRUE"/"FALSE" for yes/no, the chosen option's
// text for an enumeration ("" when the value names no option), else the value itself.
const char* GetParamDisplayText(const Morvik::TParamObject* Object, int Idx);

// A value text read as a decimal integer: leading white space, an optional sign, the digits
// up to the first other character; 0 when there are none.
int TextToInt(const char* Text);
