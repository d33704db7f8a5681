#include "plugin/schema/Role.h"

#include "plugin/schema/ModelAccess.h"
#include "plugin/schema/ModelLookups.h"
#include "plugin/schema/SchemaItemSupport.h"

namespace {
namespace Items = Varne::Items;
enum {
  NamePos
};
} // namespace

TRoleInfo_P::TRoleInfo_P() {
  Add(new Morvik::TParamInfoC("Name", "Name associated with role", 1, Morvik::ptString));
}

TRole::TRole(Morvik::TParent* Owner) : Morvik::TParent(Owner), Morvik::TParamObjectMixin<TRoleInfo>(Owner) {}

void TRole::WriteDrop(Morvik::TTextBuffer& Out) const {
  Items::WriteDrop(Out, "ROLE", Varne::ValueAt(this, NamePos));
}

void TRole::WriteScript(Morvik::TTextBuffer& Out, bool WithDrop) const {
  const char* Name = Varne::ValueAt(this, NamePos);
  if (WithDrop) WriteDrop(Out);
  Out.Append("CREATE ROLE ").Append(Name).Append(";\n\n");
}

void TRole::SetParamValue(int Idx, const char* Value) {
  TParamObjectMixin::SetParamValue(Idx, Value);
  Varne::ModelChanged(this);
}

const char* TRole::Check(int Pos) const {
  return Pos == NamePos ? Items::CheckModelItemName(this, Varne::mpRoles) : nullptr;
}
