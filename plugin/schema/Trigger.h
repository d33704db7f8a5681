// A trigger of a table: name, activity, firing place and operation, position, local
// variables, the statement terminator and the body.
#pragma once

#include "plugin/datatypes/Variables.h"
#include "plugin/framework/ListParamMixin.h"
#include "plugin/framework/ParamObjectInfoMixin.h"
#include "plugin/framework/ParamObjectMixin.h"
#include "plugin/framework/ParamsList.h"
#include "plugin/schema/ScriptItem.h"

// Name, Active, Place, Operation, Position, Variables (list of Varne::TVariables),
// TermString, Body.
class TTriggerParams_P : public Morvik::TParamsList {
public:
  TTriggerParams_P();
};

using TTriggerParams = Morvik::TParamObjectInfoMixin<TTriggerParams_P>;

// Its owner is the table whose "Triggers" list holds it.
class TTrigger : public Morvik::TParamObjectMixin<TTriggerParams> {
public:
  explicit TTrigger(Morvik::TParent* Owner);
  const char* Generate() override { return Varne::GenerateScript(*this, output); }
  // Its text in the whole script, appended to Out, for the table named TableName; its DROP statement only
  // when WithDrop is set.
  void WriteScript(Morvik::TTextBuffer& Out, const char* TableName, bool WithDrop) const;
  // The DROP statement alone.
  void WriteDrop(Morvik::TTextBuffer& Out) const;
  const char* Check(int Pos) const override;
  // The model's lookups count the names of every table's triggers: a change tells them.
  void SetParamValue(int Idx, const char* Value) override;
  ~TTrigger() override = default;

private:
  // The "Variables" list as its own class.
  const Morvik::TListParamMixin<Varne::TVariables>& variables;
};
