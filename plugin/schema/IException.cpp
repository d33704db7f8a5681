#include "plugin/schema/IException.h"

#include "plugin/schema/ModelAccess.h"
#include "plugin/schema/ModelLookups.h"
#include "plugin/schema/SchemaItemSupport.h"

namespace {
namespace Items = Varne::Items;
enum {
  NamePos,
  MessagePos
};
} // namespace

TIExceptionInfo_P::TIExceptionInfo_P() {
  Add(new Morvik::TParamInfoC("Name", "Name associated with the exception message", 1, Morvik::ptString));
  Add(new Morvik::TParamInfoC("Message", "Exception message", 1, Morvik::ptString));
}

TIException::TIException(Morvik::TParent* Owner)
    : Morvik::TParent(Owner), Morvik::TParamObjectMixin<TIExceptionInfo>(Owner) {}

void TIException::WriteDrop(Morvik::TTextBuffer& Out) const {
  Items::WriteDrop(Out, "EXCEPTION", Varne::ValueAt(this, NamePos));
}

void TIException::WriteScript(Morvik::TTextBuffer& Out, bool WithDrop) const {
  const char* Name = Varne::ValueAt(this, NamePos);
  if (WithDrop) WriteDrop(Out);
  Out.Append("CREATE EXCEPTION ")
      .Append(Name)
      .Append(" '")
      .Append(Varne::ValueAt(this, MessagePos))
      .Append("';\n\n");
}

void TIException::SetParamValue(int Idx, const char* Value) {
  TParamObjectMixin::SetParamValue(Idx, Value);
  Varne::ModelChanged(this);
}

const char* TIException::Check(int Pos) const {
  if (Pos == NamePos) return Items::CheckModelItemName(this, Varne::mpExceptions);
  if (Pos == MessagePos && Varne::IsEmptyAt(this, MessagePos)) return Items::MustBeSpecified;
  return nullptr;
}
