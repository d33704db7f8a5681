// A view of the schema: a name, optional column names, the defining select and the check
// option; and one column name of a view.
#pragma once

#include "plugin/framework/ParamObjectInfoMixin.h"
#include "plugin/framework/ParamObjectMixin.h"
#include "plugin/framework/ParamsList.h"
#include "plugin/schema/ScriptItem.h"

// Name.
class TViewColumnInfo_P : public Morvik::TParamsList {
public:
  TViewColumnInfo_P();
};

using TViewColumnInfo = Morvik::TParamObjectInfoMixin<TViewColumnInfo_P>;

class TViewColumn : public Morvik::TParamObjectMixin<TViewColumnInfo> {
public:
  explicit TViewColumn(Morvik::TParent* Owner);
  // The column name as stored.
  const char* Generate() override;
  const char* Check(int Pos) const override;
  ~TViewColumn() override = default;
};

// Name, Columns (list of TViewColumn), Select, WithCheck.
class TViewInfo_P : public Morvik::TParamsList {
public:
  TViewInfo_P();
};

using TViewInfo = Morvik::TParamObjectInfoMixin<TViewInfo_P>;

class TView : public Morvik::TParamObjectMixin<TViewInfo> {
public:
  explicit TView(Morvik::TParent* Owner);
  const char* Generate() override { return Varne::GenerateScript(*this, output); }
  // Its text in the whole script, appended to Out; its DROP statement only when WithDrop is set.
  void WriteScript(Morvik::TTextBuffer& Out, bool WithDrop) const;
  // The DROP statement alone.
  void WriteDrop(Morvik::TTextBuffer& Out) const;
  const char* Check(int Pos) const override;
  // The model's lookups count the names of its list: a change tells them.
  void SetParamValue(int Idx, const char* Value) override;
  ~TView() override = default;
};
