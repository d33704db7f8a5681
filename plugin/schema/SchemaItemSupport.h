// What the schema objects share: the DROP statement, the name check and the message texts.
#pragma once

#include "Interface/MorvikInterface.h"
#include "plugin/framework/Parent.h"
#include "plugin/framework/TextBuffer.h"

namespace Varne::Items {

// "DROP " + Kind + " " + Name + ";\n".
void WriteDrop(Morvik::TTextBuffer& Out, const char* Kind, const char* Name);

// The check of the Name (position 0) of a model-level item: "Must be specified" for an
// empty name, "Name is not unique" when another item of the model's list at ModelListPos
// has the same name byte for byte.
const char* CheckModelItemName(const Morvik::TParent* Item, int ModelListPos);

// Texts shared by the checks.
extern const char* const MustBeSpecified;
extern const char* const NameIsNotUnique;

} // namespace Varne::Items
