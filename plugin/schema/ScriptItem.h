// Generate of the objects that the whole script writes one by one, written once.
#pragma once

#include "plugin/framework/TextBuffer.h"
#include "plugin/schema/ModelAccess.h"

namespace Varne {

// The text of Item's Generate in its Output: what Item's WriteScript appends to the whole
// script, alone, with the object's DROP statement first while the model's "Drop" is on.
// - An item of a table, WriteScript(Out, TableName, WithDrop), takes the switch of its
//   table's model and writes for its table's name.
// - An item of the model, WriteScript(Out, WithDrop), takes the switch of the model that owns
//   it.
// - A reference, WriteScript(Out), is its statement alone: only the model's whole script
//   drops references.
template <class Item>
const char* GenerateScript(Item& Object, Morvik::TTextBuffer& Output) {
  Output.Clear();
  if constexpr (requires(Morvik::TTextBuffer & Out) { Object.WriteScript(Out, "", true); })
    Object.WriteScript(Output, OwnerTableName(&Object), IsDropOn(TableOwner(&Object)));
  else if constexpr (requires(Morvik::TTextBuffer & Out) { Object.WriteScript(Out, true); })
    Object.WriteScript(Output, IsDropOn(Object.GetParent()));
  else
    Object.WriteScript(Output);
  return Output.GetText();
}

} // namespace Varne
