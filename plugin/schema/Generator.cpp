#include "plugin/schema/Generator.h"

#include "plugin/schema/ModelAccess.h"
#include "plugin/schema/ModelLookups.h"
#include "plugin/schema/SchemaItemSupport.h"

namespace {
namespace Items = Varne::Items;
enum {
  NamePos,
  InitPos
};
} // namespace

TGeneratorInfo_P::TGeneratorInfo_P() {
  Add(new Morvik::TParamInfoC("Name", "Name of generator", 1, Morvik::ptString));
  Add(new Morvik::TParamInfoC("Init", "Initial value of generator", 1, Morvik::ptNumber));
}

TGenerator::TGenerator(Morvik::TParent* Owner)
    : Morvik::TParent(Owner), Morvik::TParamObjectMixin<TGeneratorInfo>(Owner) {}

void TGenerator::WriteDrop(Morvik::TTextBuffer& Out) const {
  // Generators have no DROP statement: the row goes from the system table itself.
  Out.Append("DELETE FROM RDB$GENERATORS WHERE RDB$GENERATOR_NAME = '")
      .Append(Varne::ValueAt(this, NamePos))
      .Append("';\n");
}

void TGenerator::WriteScript(Morvik::TTextBuffer& Out, bool WithDrop) const {
  const char* Name = Varne::ValueAt(this, NamePos);
  if (WithDrop) WriteDrop(Out);
  Out.Append("CREATE GENERATOR ").Append(Name).Append(";\n");
  if (!Varne::IsEmptyAt(this, InitPos))
    Out.Append("SET GENERATOR ")
        .Append(Name)
        .Append(" TO ")
        .Append(Varne::ValueAt(this, InitPos))
        .Append(";\n");
  Out.Append("\n");
}

void TGenerator::SetParamValue(int Idx, const char* Value) {
  TParamObjectMixin::SetParamValue(Idx, Value);
  Varne::ModelChanged(this);
}

const char* TGenerator::Check(int Pos) const {
  if (Pos == NamePos) return Items::CheckModelItemName(this, Varne::mpGenerators);
  return nullptr;
}
