#include "plugin/schema/Domain.h"

#include "plugin/datatypes/Variables.h"
#include "plugin/framework/TextToInt.h"
#include "plugin/schema/ModelAccess.h"
#include "plugin/schema/ModelLookups.h"
#include "plugin/schema/SchemaItemSupport.h"

namespace {
namespace Items = Varne::Items;
enum {
  NamePos,
  DefaultPos,
  NotNullPos,
  CheckPos,
  CollationPos,
  DataTypePos
};
} // namespace

TDomainInfo_P::TDomainInfo_P() {
  Add(new Morvik::TParamInfoC("Name", "Name of domain", 1, Morvik::ptString));
  Add(new Morvik::TParamInfoC("Default", "Default value for column with this domain", 1, Morvik::ptString));
  Add(new Morvik::TParamInfoC("NotNull", "NotNull flag for column with this domain", 1, Morvik::ptBoolean));
  Add(new Morvik::TParamInfoC("Check", "Constraint check expression for column with this domain", 1,
                              Morvik::ptString));
  // COLLATE takes a collation name.
  Add(new Morvik::TParamInfoC("Collation", "Collation order", 1, Morvik::ptString));
  Append(Varne::GetTypesParams());
}

TDomain::TDomain(Morvik::TParent* Owner)
    : Morvik::TParent(Owner), Morvik::TParamObjectMixin<TDomainInfo>(Owner) {}

void TDomain::WriteDrop(Morvik::TTextBuffer& Out) const {
  Items::WriteDrop(Out, "DOMAIN", Varne::ValueAt(this, NamePos));
}

void TDomain::WriteScript(Morvik::TTextBuffer& Out, bool WithDrop) const {
  const char* Name = Varne::ValueAt(this, NamePos);
  if (WithDrop) WriteDrop(Out);
  Out.Append("CREATE DOMAIN ").Append(Name).Append(" AS ");
  Varne::DataTypeText(Out, this, DataTypePos);
  if (!Varne::IsEmptyAt(this, DefaultPos))
    Out.Append("\n\tDEFAULT ").Append(Varne::ValueAt(this, DefaultPos));
  if (Morvik::TextToInt(Varne::ValueAt(this, NotNullPos)) == 1) Out.Append("\n\tNOT NULL ");
  if (!Varne::IsEmptyAt(this, CheckPos)) Out.Append("\n\tCHECK ").Append(Varne::ValueAt(this, CheckPos));
  if (!Varne::IsEmptyAt(this, CollationPos))
    Out.Append("\n\tCOLLATE ").Append(Varne::ValueAt(this, CollationPos));
  Out.Append(";\n\n");
}

void TDomain::SetParamValue(int Idx, const char* Value) {
  TParamObjectMixin::SetParamValue(Idx, Value);
  Varne::ModelChanged(this);
}

const char* TDomain::Check(int Pos) const {
  if (Pos == NamePos) return Items::CheckModelItemName(this, Varne::mpDomains);
  return Varne::CheckTypeParams(this, DataTypePos, Pos, true);
}
