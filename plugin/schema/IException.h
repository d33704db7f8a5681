// A user-defined error message of the schema, raised by name from triggers and procedures.
#pragma once

#include "plugin/framework/ParamObjectInfoMixin.h"
#include "plugin/framework/ParamObjectMixin.h"
#include "plugin/framework/ParamsList.h"
#include "plugin/schema/ScriptItem.h"

// Name, Message.
class TIExceptionInfo_P : public Morvik::TParamsList {
public:
  TIExceptionInfo_P();
};

using TIExceptionInfo = Morvik::TParamObjectInfoMixin<TIExceptionInfo_P>;

class TIException : public Morvik::TParamObjectMixin<TIExceptionInfo> {
public:
  explicit TIException(Morvik::TParent* Owner);
  const char* Generate() override { return Varne::GenerateScript(*this, output); }
  // Its text in the whole script, appended to Out; its DROP statement only when WithDrop is set.
  void WriteScript(Morvik::TTextBuffer& Out, bool WithDrop) const;
  // The DROP statement alone.
  void WriteDrop(Morvik::TTextBuffer& Out) const;
  const char* Check(int Pos) const override;
  // The model's lookups count the names of its list: a change tells them.
  void SetParamValue(int Idx, const char* Value) override;
  ~TIException() override = default;
};
