// A sequential number generator of the schema, with an optional initial value.
#pragma once

#include "plugin/framework/ParamObjectInfoMixin.h"
#include "plugin/framework/ParamObjectMixin.h"
#include "plugin/framework/ParamsList.h"
#include "plugin/schema/ScriptItem.h"

// Name, Init.
class TGeneratorInfo_P : public Morvik::TParamsList {
public:
  TGeneratorInfo_P();
};

using TGeneratorInfo = Morvik::TParamObjectInfoMixin<TGeneratorInfo_P>;

class TGenerator : public Morvik::TParamObjectMixin<TGeneratorInfo> {
public:
  explicit TGenerator(Morvik::TParent* Owner);
  const char* Generate() override { return Varne::GenerateScript(*this, output); }
  // Its text in the whole script, appended to Out; its removing statement only when WithDrop is set.
  void WriteScript(Morvik::TTextBuffer& Out, bool WithDrop) const;
  // The removing statement alone.
  void WriteDrop(Morvik::TTextBuffer& Out) const;
  const char* Check(int Pos) const override;
  // The model's lookups count the names of its list: a change tells them.
  void SetParamValue(int Idx, const char* Value) override;
  ~TGenerator() override = default;
};
