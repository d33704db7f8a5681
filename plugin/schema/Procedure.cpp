#include "plugin/schema/Procedure.h"

#include "plugin/framework/Accumulator.h"
#include "plugin/framework/ListParamMixin.h"
#include "plugin/schema/ModelAccess.h"
#include "plugin/schema/ModuleBody.h"
#include "plugin/schema/SchemaItemSupport.h"

namespace {
namespace Items = Varne::Items;
enum { NamePos, ParamsPos, ReturnsPos, VariablesPos, TermPos, BodyPos };

// Items of a list joined in one pushed level of the accumulator.
void AppendItems(Morvik::TAC& Acc, Morvik::TListParam& List)
{
    for (int I = 0; I < List.GetItemsCount(); ++I)
        Acc.Printf("%s", List.GetItem(I)->Generate());
}
}  // namespace

TParameters::TParameters(Morvik::TParent* Owner) : Morvik::TParent(Owner), Varne::TVariables(Owner)
{
}

const char* TParameters::Generate()
{
    output.Clear();
    output.Append(Varne::ValueAt(this, 0)).Append(" ");
    Varne::DataTypeText(output, this, 1);
    return output.GetText();
}

TProcedureParams_P::TProcedureParams_P()
{
    Add(new Morvik::TParamInfoC("Name", "Name of trigger", 1, Morvik::ptString));
    AddList(new Varne::TVariablesListInfo("Parametres", "List of input parameters", 0),
            new Morvik::TLPGeneratorMixin<TParameters>);
    AddList(new Varne::TVariablesListInfo("ReturnValues ", "List of return values", 0),
            new Morvik::TLPGeneratorMixin<TParameters>);
    Varne::AddModuleBodyParams(*this, "String that terminates PROCEDURE definition",
                               "Body of procedure");
}

TProcedure::TProcedure(Morvik::TParent* Owner)
    : Morvik::TParent(Owner), Morvik::TParamObjectMixin<TProcedureParams>(Owner)
{
}

const char* TProcedure::Generate()
{
    const char* Name = Varne::ValueAt(this, NamePos);
    output.Clear();
    if (Varne::IsDropOn(GetParent()))
        output.Append("DROP PROCEDURE ").Append(Name).Append(";\n");
    Varne::AppendSetTerm(output, Varne::ValueAt(this, TermPos));
    output.Append("CREATE PROCEDURE ").Append(Name);

    // Input parameters only when there are any; the return values always, "()" when none.
    Morvik::TAC Acc(" ");
    Acc.Push(" (", ",", ")");
    AppendItems(Acc, *GetListParam(GetKindIndex(ParamsPos)));
    Acc.EndLevel(false);
    output.Append(Acc.GetText()).Append("\n");
    Acc.Reset();
    Acc.Push("(", ",", ")");
    AppendItems(Acc, *GetListParam(GetKindIndex(ReturnsPos)));
    Acc.EndLevel(true);
    output.Append("RETURNS ").Append(Acc.GetText()).Append("\n");

    output.Append("AS\n");
    Varne::AppendModuleBody(output, *this, VariablesPos);
    return output.GetText();
}

const char* TProcedure::Check(int Pos) const
{
    switch (Pos) {
    case NamePos:
        return Items::CheckModelItemName(this, Varne::mpProcedures);
    case ReturnsPos:
        return Varne::ListAt(this, ReturnsPos)->GetItemsCount() == 0
                   ? "There must be at least one return value"
                   : nullptr;
    default:
        return Varne::CheckModuleBody(*this, VariablesPos, Pos);
    }
}
