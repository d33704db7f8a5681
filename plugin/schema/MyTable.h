// The InterBase table: its columns, an external data file, indexes, triggers and unique
// constraints, and its script text.
#pragma once

#include "plugin/framework/ListParamMixin.h"
#include "plugin/framework/ParamObjectInfoMixin.h"
#include "plugin/framework/ParamsList.h"
#include "plugin/schema/MyColumn.h"
#include "plugin/schema/ScriptItem.h"
#include "plugin/schema/Index.h"
#include "plugin/schema/TableMixin.h"
#include "plugin/schema/Trigger.h"
#include "plugin/schema/Unique.h"

namespace Varne {

// File, Indexes, Triggers, Unique.
class TMyTableInfo_P : public Morvik::TParamsList {
public:
  TMyTableInfo_P();
};

using TMyTableInfo = Morvik::TParamObjectInfoMixin<TMyTableInfo_P>;

class TMyTable : public Morvik::TTableMixin<TMyTableInfo, TMyColumn> {
public:
  explicit TMyTable(Morvik::TParent* Owner);
  const char* Generate() override { return Varne::GenerateScript(*this, output); }

  // CREATE TABLE with its columns, primary key and unique constraints, then the indexes
  // and the triggers, appended to Out; the DROP statements of the table, its indexes and its
  // triggers only when WithDrop is set.
  void WriteScript(Morvik::TTextBuffer& Out, bool WithDrop);
  // The same in two parts: the table with its indexes, and its triggers. The whole script
  // writes the triggers after everything else, as their bodies may use any object.
  void WriteTableAndIndexes(Morvik::TTextBuffer& Out, bool WithDrop);
  void WriteTriggers(Morvik::TTextBuffer& Out, bool WithDrop) const;
  // DROP TABLE alone.
  void WriteDrop(Morvik::TTextBuffer& Out) const;
  // The DROP statements of the table's indexes, resp. triggers, from the last to the first.
  void WriteIndexDrops(Morvik::TTextBuffer& Out) const;
  void WriteTriggerDrops(Morvik::TTextBuffer& Out) const;
  // A table reports nothing itself; its list items check themselves.
  const char* Check(int Pos) const override { return nullptr; }
  ~TMyTable() override = default;

  // The name that the table's statements, indexes and triggers write.
  const char* NameText() const { return GetName(); }

private:
  // The "Indexes", "Triggers" and "Unique" lists as their own classes.
  const Morvik::TListParamMixin<TIndex>& indexes;
  const Morvik::TListParamMixin<TTrigger>& triggers;
  const Morvik::TListParamMixin<TUnique>& uniques;
};

// The static table description.
Morvik::TParamObjectInfo* MyTableInfo();

} // namespace Varne
