// What stored procedures and triggers share: the list of local variables, the statement
// terminator and the body, their parameters, their text and their checks.
#pragma once

#include "Interface/MorvikInterface.h"
#include "plugin/datatypes/Variables.h"
#include "plugin/framework/ListParamMixin.h"
#include "plugin/framework/ParamsList.h"
#include "plugin/framework/TextBuffer.h"

namespace Varne {

// Adds "Variables" (a list of TVariables), "TermString" and "Body", in this order.
void AddModuleBodyParams(Morvik::TParamsList& List, const char* TermHelp, const char* BodyHelp);

// "SET TERM " + Term + " ;\n".
void AppendSetTerm(Morvik::TTextBuffer& Output, const char* Term);

// The list at VariablesPos of Module, a list of TVariables.
const Morvik::TListParamMixin<TVariables>& VariablesOf(const Morvik::TParamObject& Module, int VariablesPos);

// The text of every local variable, "BEGIN\n" + body + "\nEND\n", then the terminator and
// "\nSET TERM ; " + Term + "\n\n". VariablesPos is the position of "Variables" (the list
// Variables); "TermString" and "Body" follow it.
void AppendModuleBody(Morvik::TTextBuffer& Output, const Morvik::TParamObject& Module,
                      const Morvik::TListParamMixin<TVariables>& Variables, int VariablesPos);

// "Must be specified" at the position of "TermString" or "Body" when it is empty; NULL at
// every other position.
const char* CheckModuleBody(const Morvik::TParamObject& Module, int VariablesPos, int Pos);

} // namespace Varne
