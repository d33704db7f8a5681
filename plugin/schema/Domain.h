// A domain of the schema: a named column type with an optional default, not-null flag,
// check expression and collation.
#pragma once

#include "plugin/framework/ParamObjectInfoMixin.h"
#include "plugin/framework/ParamObjectMixin.h"
#include "plugin/framework/ParamsList.h"
#include "plugin/schema/ScriptItem.h"

// Name, Default, NotNull, Check, Collation, then the eight type parameters of variables
// (DataType at position 5).
class TDomainInfo_P : public Morvik::TParamsList {
public:
  TDomainInfo_P();
};

using TDomainInfo = Morvik::TParamObjectInfoMixin<TDomainInfo_P>;

class TDomain : public Morvik::TParamObjectMixin<TDomainInfo> {
public:
  explicit TDomain(Morvik::TParent* Owner);
  const char* Generate() override { return Varne::GenerateScript(*this, output); }
  // Its text in the whole script, appended to Out; its DROP statement only when WithDrop is set.
  void WriteScript(Morvik::TTextBuffer& Out, bool WithDrop) const;
  // The DROP statement alone.
  void WriteDrop(Morvik::TTextBuffer& Out) const;
  const char* Check(int Pos) const override;
  // The model's lookups count the names of its list: a change tells them.
  void SetParamValue(int Idx, const char* Value) override;
  ~TDomain() override = default;
};
