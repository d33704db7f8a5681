// A named collection of privileges of the schema.
#pragma once

#include "plugin/framework/ParamObjectInfoMixin.h"
#include "plugin/framework/ParamObjectMixin.h"
#include "plugin/framework/ParamsList.h"
#include "plugin/schema/ScriptItem.h"

// Name.
class TRoleInfo_P : public Morvik::TParamsList {
public:
  TRoleInfo_P();
};

using TRoleInfo = Morvik::TParamObjectInfoMixin<TRoleInfo_P>;

class TRole : public Morvik::TParamObjectMixin<TRoleInfo> {
public:
  explicit TRole(Morvik::TParent* Owner);
  const char* Generate() override { return Varne::GenerateScript(*this, output); }
  // Its text in the whole script, appended to Out; its DROP statement only when WithDrop is set.
  void WriteScript(Morvik::TTextBuffer& Out, bool WithDrop) const;
  // The DROP statement alone.
  void WriteDrop(Morvik::TTextBuffer& Out) const;
  const char* Check(int Pos) const override;
  // The model's lookups count the names of its list: a change tells them.
  void SetParamValue(int Idx, const char* Value) override;
  ~TRole() override = default;
};
