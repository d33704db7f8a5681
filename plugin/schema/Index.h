// An index of a table: unique or not, its sort order, its name and its column list.
#pragma once

#include "plugin/framework/ParamObjectInfoMixin.h"
#include "plugin/framework/ParamObjectMixin.h"
#include "plugin/framework/ParamsList.h"
#include "plugin/schema/ScriptItem.h"

// Unique, Sort, Name, Columns (list of TIndexColumns).
class TIndexParams_P : public Morvik::TParamsList {
public:
  TIndexParams_P();
};

using TIndexParams = Morvik::TParamObjectInfoMixin<TIndexParams_P>;

// Its owner is the table whose "Indexes" list holds it.
class TIndex : public Morvik::TParamObjectMixin<TIndexParams> {
public:
  explicit TIndex(Morvik::TParent* Owner);
  const char* Generate() override { return Varne::GenerateScript(*this, output); }
  // Its text in the whole script, appended to Out, for the table named TableName; its DROP statement only
  // when WithDrop is set.
  void WriteScript(Morvik::TTextBuffer& Out, const char* TableName, bool WithDrop) const;
  // The DROP statement alone.
  void WriteDrop(Morvik::TTextBuffer& Out) const;
  const char* Check(int Pos) const override;
  // The model's lookups count the names of every table's indexs: a change tells them.
  void SetParamValue(int Idx, const char* Value) override;
  ~TIndex() override = default;
};
