// The name check and the message texts that the schema-level objects share.
#pragma once

#include "Interface/MorvikInterface.h"
#include "plugin/framework/Parent.h"

namespace Varne::Items {

// The check of the Name (position 0) of a model-level item: "Must be specified" for an
// empty name, "Name is not unique" when another item of the model's list at ModelListPos
// has the same name byte for byte.
const char* CheckModelItemName(const Morvik::TParent* Item, int ModelListPos);

// Texts shared by the checks.
extern const char* const MustBeSpecified;
extern const char* const NameIsNotUnique;

}  // namespace Varne::Items
