#include "plugin/schema/Procedure.h"

#include "plugin/framework/ListParamMixin.h"
#include "plugin/schema/ModelAccess.h"
#include "plugin/schema/ModelLookups.h"
#include "plugin/schema/ModuleBody.h"
#include "plugin/schema/SchemaItemSupport.h"

namespace {
namespace Items = Varne::Items;
enum {
  NamePos,
  ParamsPos,
  ReturnsPos,
  VariablesPos,
  TermPos,
  BodyPos
};

// "(" + the texts of the parameters or return values joined by "," + ")".
void AppendParameters(Morvik::TTextBuffer& Out, const Morvik::TListParamMixin<TParameters>& Params) {
  Out.Append('(');
  for (int I = 0; I < Params.GetItemsCount(); ++I) {
    if (I > 0) Out.Append(',');
    Params.GetTypedItem(I)->WriteText(Out);
  }
  Out.Append(')');
}
} // namespace

TParameters::TParameters(Morvik::TParent* Owner) : Morvik::TParent(Owner), Varne::TVariables(Owner) {}

void TParameters::WriteText(Morvik::TTextBuffer& Out) const {
  Out.Append(Varne::ValueAt(this, 0)).Append(" ");
  Varne::DataTypeText(Out, this, 1);
}

TProcedureParams_P::TProcedureParams_P() {
  Add(new Morvik::TParamInfoC("Name", "Name of trigger", 1, Morvik::ptString));
  AddList(new Varne::TVariablesListInfo("Parametres", "List of input parameters", 0),
          new Morvik::TLPGeneratorMixin<TParameters>);
  AddList(new Varne::TVariablesListInfo("ReturnValues ", "List of return values", 0),
          new Morvik::TLPGeneratorMixin<TParameters>);
  Varne::AddModuleBodyParams(*this, "String that terminates PROCEDURE definition", "Body of procedure");
}

TProcedure::TProcedure(Morvik::TParent* Owner)
    : Morvik::TParent(Owner), Morvik::TParamObjectMixin<TProcedureParams>(Owner),
      params(Morvik::TypedList<TParameters>(*Varne::ListAt(this, ParamsPos))),
      returns(Morvik::TypedList<TParameters>(*Varne::ListAt(this, ReturnsPos))),
      variables(Varne::VariablesOf(*this, VariablesPos)) {}

void TProcedure::WriteDrop(Morvik::TTextBuffer& Out) const {
  Items::WriteDrop(Out, "PROCEDURE", Varne::ValueAt(this, NamePos));
}

void TProcedure::WriteScript(Morvik::TTextBuffer& Out, bool WithDrop) const {
  const char* Name = Varne::ValueAt(this, NamePos);
  if (WithDrop) WriteDrop(Out);
  Varne::AppendSetTerm(Out, Varne::ValueAt(this, TermPos));
  Out.Append("CREATE PROCEDURE ").Append(Name);

  // Input parameters only when there are any; the return values always, "()" when none.
  if (params.GetItemsCount() > 0) {
    Out.Append(' ');
    AppendParameters(Out, params);
  }
  Out.Append("\nRETURNS ");
  AppendParameters(Out, returns);
  Out.Append('\n');

  Out.Append("AS\n");
  Varne::AppendModuleBody(Out, *this, variables, VariablesPos);
}

void TProcedure::SetParamValue(int Idx, const char* Value) {
  TParamObjectMixin::SetParamValue(Idx, Value);
  Varne::ModelChanged(this);
}

const char* TProcedure::Check(int Pos) const {
  switch (Pos) {
    case NamePos: return Items::CheckModelItemName(this, Varne::mpProcedures);
    case ReturnsPos:
      return Varne::ListAt(this, ReturnsPos)->GetItemsCount() == 0 ? "There must be at least one return value"
                                                                   : nullptr;
    default: return Varne::CheckModuleBody(*this, VariablesPos, Pos);
  }
}
