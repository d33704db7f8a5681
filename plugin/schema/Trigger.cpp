#include "plugin/schema/Trigger.h"

#include "plugin/framework/ListParamMixin.h"
#include "plugin/schema/ModelAccess.h"
#include "plugin/schema/ModelLookups.h"
#include "plugin/schema/ModuleBody.h"
#include "plugin/schema/SchemaItemSupport.h"

namespace {
namespace Items = Varne::Items;
enum {
  NamePos,
  ActivePos,
  PlacePos,
  OperationPos,
  PositionPos,
  VariablesPos,
  TermPos,
  BodyPos
};
} // namespace

TTriggerParams_P::TTriggerParams_P() {
  Add(new Morvik::TParamInfoC("Name", "Name of trigger", 1, Morvik::ptString));
  Add(new Morvik::TParamInfoC("Active", "Specifies trigger action at transaction end", 1, Morvik::ptEnum));
  AddOption("");
  AddOption("ACTIVE ");
  AddOption("INACTIVE ");
  Add(new Morvik::TParamInfoC("Place", "Specifies where the trigger fires", 1, Morvik::ptEnum));
  AddOption("BEFORE ");
  AddOption("AFTER ");
  Add(new Morvik::TParamInfoC("Operation", "Specifies the table operation that causes the trigger to fire", 1,
                              Morvik::ptEnum));
  AddOption("INSERT ");
  AddOption("DELETE ");
  AddOption("UPDATE ");
  Add(new Morvik::TParamInfoC("Position", "Order of triggers on same action 0=first", 1, Morvik::ptNumber));
  Varne::AddModuleBodyParams(*this, "String that terminates TRIGGER definition", "Body of trigger");
}

TTrigger::TTrigger(Morvik::TParent* Owner)
    : Morvik::TParent(Owner), Morvik::TParamObjectMixin<TTriggerParams>(Owner),
      variables(Varne::VariablesOf(*this, VariablesPos)) {}

void TTrigger::SetParamValue(int Idx, const char* Value) {
  TParamObjectMixin::SetParamValue(Idx, Value);
  Varne::ModelChanged(this);
}

void TTrigger::WriteDrop(Morvik::TTextBuffer& Out) const {
  Items::WriteDrop(Out, "TRIGGER", Varne::ValueAt(this, NamePos));
}

void TTrigger::WriteScript(Morvik::TTextBuffer& Out, const char* TableName, bool WithDrop) const {
  const char* Name = Varne::ValueAt(this, NamePos);
  if (WithDrop) WriteDrop(Out);
  Varne::AppendSetTerm(Out, Varne::ValueAt(this, TermPos));
  Out.Append("CREATE TRIGGER ").Append(Name).Append(" FOR ").Append(TableName);
  Out.Append("\n\t");
  // A value that names no option writes nothing for it.
  Out.Append(Varne::ChosenOption(this, ActivePos))
      .Append(Varne::ChosenOption(this, PlacePos))
      .Append(Varne::ChosenOption(this, OperationPos));
  if (!Varne::IsEmptyAt(this, PositionPos))
    Out.Append(" POSITION ").Append(Varne::ValueAt(this, PositionPos));
  Out.Append("\nAS\n");
  Varne::AppendModuleBody(Out, *this, variables, VariablesPos);
}

const char* TTrigger::Check(int Pos) const {
  switch (Pos) {
    case NamePos: {
      const char* Name = Varne::ValueAt(this, NamePos);
      if (*Name == '\0') return Items::MustBeSpecified;
      // Trigger names are unique over all tables of the model.
      if (Varne::CountTableItemsNamed(Name, Varne::TableOwner(this), Varne::tpTriggers, NamePos) > 1)
        return "Trigger name must be unique";
      return nullptr;
    }
    // A value that names no option leaves the trigger without its time or its event.
    case PlacePos:
      return *Varne::ChosenOption(this, PlacePos) ? nullptr : "Trigger must fire BEFORE or AFTER";
    case OperationPos:
      return *Varne::ChosenOption(this, OperationPos) ? nullptr
                                                      : "Trigger must fire on INSERT, DELETE or UPDATE";
    default: return Varne::CheckModuleBody(*this, VariablesPos, Pos);
  }
}
