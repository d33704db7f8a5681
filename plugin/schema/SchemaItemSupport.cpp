#include "plugin/schema/SchemaItemSupport.h"

#include "plugin/schema/ModelAccess.h"

namespace Varne::Items {

const char* const MustBeSpecified = "Must be specified";
const char* const NameIsNotUnique = "Name is not unique";

void WriteDrop(Morvik::TTextBuffer& Out, const char* Kind, const char* Name) {
  Out.Append("DROP ").Append(Kind).Append(" ").Append(Name).Append(";\n");
}

const char* CheckModelItemName(const Morvik::TParent* Item, int ModelListPos) {
  const char* Name = ValueAt(Item, 0);
  if (*Name == '\0') return MustBeSpecified;
  if (CountModelItemsNamed(Name, Item->GetParent(), ModelListPos, 0) > 1) return NameIsNotUnique;
  return nullptr;
}

} // namespace Varne::Items
