// A stored procedure of the schema: name, input parameters, return values, local variables,
// the statement terminator and the body; and one input parameter or return value.
#pragma once

#include "plugin/datatypes/Variables.h"
#include "plugin/framework/ListParamMixin.h"
#include "plugin/framework/ParamObjectInfoMixin.h"
#include "plugin/framework/ParamObjectMixin.h"
#include "plugin/framework/ParamsList.h"
#include "plugin/schema/ScriptItem.h"

// An input parameter or a return value: a variable in all but its text, which is the name and
// the type alone.
class TParameters : public Varne::TVariables {
public:
  explicit TParameters(Morvik::TParent* Owner);
  void WriteText(Morvik::TTextBuffer& Out) const override;
  ~TParameters() override = default;
};

// Name, "Parametres", "ReturnValues " (lists of TParameters), Variables (list of
// Varne::TVariables), TermString, Body.
class TProcedureParams_P : public Morvik::TParamsList {
public:
  TProcedureParams_P();
};

using TProcedureParams = Morvik::TParamObjectInfoMixin<TProcedureParams_P>;

class TProcedure : public Morvik::TParamObjectMixin<TProcedureParams> {
public:
  explicit TProcedure(Morvik::TParent* Owner);
  const char* Generate() override { return Varne::GenerateScript(*this, output); }
  // Its text in the whole script, appended to Out; its DROP statement only when WithDrop is set.
  void WriteScript(Morvik::TTextBuffer& Out, bool WithDrop) const;
  // The DROP statement alone.
  void WriteDrop(Morvik::TTextBuffer& Out) const;
  const char* Check(int Pos) const override;
  // The model's lookups count the names of its list: a change tells them.
  void SetParamValue(int Idx, const char* Value) override;
  ~TProcedure() override = default;

private:
  // The three lists as their own classes.
  const Morvik::TListParamMixin<TParameters>& params;
  const Morvik::TListParamMixin<TParameters>& returns;
  const Morvik::TListParamMixin<Varne::TVariables>& variables;
};
