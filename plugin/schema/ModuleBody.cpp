#include "plugin/schema/ModuleBody.h"

#include "plugin/datatypes/Variables.h"
#include "plugin/schema/ModelAccess.h"
#include "plugin/schema/SchemaItemSupport.h"

namespace Varne {

void AddModuleBodyParams(Morvik::TParamsList& List, const char* TermHelp, const char* BodyHelp) {
  List.AddList(new TVariablesListInfo("Variables", "List of variable declarations", 0),
               new TVariablesListGenerator);
  List.Add(new Morvik::TParamInfoC("TermString", TermHelp, 1, Morvik::ptString));
  List.Add(new Morvik::TParamInfoC("Body", BodyHelp, 1, Morvik::ptMemo));
}

void AppendSetTerm(Morvik::TTextBuffer& Output, const char* Term) {
  Output.Append("SET TERM ").Append(Term).Append(" ;\n");
}

const Morvik::TListParamMixin<TVariables>& VariablesOf(const Morvik::TParamObject& Module, int VariablesPos) {
  return Morvik::TypedList<TVariables>(*ListAt(&Module, VariablesPos));
}

void AppendModuleBody(Morvik::TTextBuffer& Output, const Morvik::TParamObject& Module,
                      const Morvik::TListParamMixin<TVariables>& Variables, int VariablesPos) {
  const char* Term = ValueAt(&Module, VariablesPos + 1);
  for (int I = 0; I < Variables.GetItemsCount(); ++I) Variables.GetTypedItem(I)->WriteText(Output);
  Output.Append("BEGIN\n").Append(ValueAt(&Module, VariablesPos + 2)).Append("\nEND\n");
  Output.Append(Term).Append("\nSET TERM ; ").Append(Term).Append("\n\n");
}

const char* CheckModuleBody(const Morvik::TParamObject& Module, int VariablesPos, int Pos) {
  if (Pos != VariablesPos + 1 && Pos != VariablesPos + 2) return nullptr;
  return IsEmptyAt(&Module, Pos) ? Items::MustBeSpecified : nullptr;
}

} // namespace Varne
