#include "plugin/schema/MyTable.h"

#include <string>

#include "plugin/framework/ListParamMixin.h"
#include "plugin/framework/ParamInfo.h"
#include "plugin/framework/PluginEntry.h"
#include "plugin/framework/StaticInstance.h"
#include "plugin/schema/ModelAccess.h"
#include "plugin/schema/SchemaItemLists.h"
#include "plugin/schema/SchemaItemSupport.h"
#include "plugin/schema/TableColumns.h"
#include "plugin/schema/Unique.h"
#include "plugin/schema/WatchedList.h"

namespace Varne {

namespace {

// "/*" and the comment with a tab after every line feed, "*/" and the start of the next line
// of the body; nothing for an empty comment.
void AppendColumnComment(Morvik::TTextBuffer& Out, const std::string& Comment) {
  if (Comment.empty()) return;
  Out.Append("/*");
  std::size_t Line = 0;
  for (std::size_t End; (End = Comment.find('\n', Line)) != std::string::npos; Line = End + 1)
    Out.Append(Comment.data() + Line, End + 1 - Line).Append('\t');
  Out.Append(Comment.data() + Line, Comment.size() - Line).Append("*/\n\t");
}

// Indexes or triggers of the table named TableName, each of class T, written straight into
// Out: the same texts as their own Generate.
template <class T>
void WriteItems(Morvik::TTextBuffer& Out, const Morvik::TListParamMixin<T>& Items, const char* TableName,
                bool WithDrop) {
  for (int I = 0; I < Items.GetItemsCount(); ++I)
    Items.GetTypedItem(I)->WriteScript(Out, TableName, WithDrop);
}

// The DROP statements of indexes or triggers, from the last to the first.
template <class T>
void WriteDrops(Morvik::TTextBuffer& Out, const Morvik::TListParamMixin<T>& Items) {
  for (int I = Items.GetItemsCount() - 1; I >= 0; --I) Items.GetTypedItem(I)->WriteDrop(Out);
}

} // namespace

TMyTableInfo_P::TMyTableInfo_P() {
  using Morvik::TListParamInfoCMixin;
  using Morvik::TLPGeneratorMixin;
  Add(new Morvik::TParamInfoC("File", "Table data are in external file", 1, Morvik::ptString));
  AddList(new TListParamInfoCMixin<TIndexParams>("Indexes", "List od indexes", 2),
          new TWatchedListGenerator<TIndex>());
  AddList(new TListParamInfoCMixin<TTriggerParams>("Triggers", "List od triggers", 0),
          new TWatchedListGenerator<TTrigger>());
  AddList(new TListParamInfoCMixin<TUniqueParams>("Unique", "List od unique constraints", -1),
          new TLPGeneratorMixin<TUnique>());
}

TMyTable::TMyTable(Morvik::TParent* Owner)
    : TParent(Owner), Morvik::TParamObjectMixin<TMyTableInfo>(Owner),
      Morvik::TTableMixin<TMyTableInfo, TMyColumn>(Owner),
      indexes(Morvik::TypedList<TIndex>(*ListAt(this, tpIndexes))),
      triggers(Morvik::TypedList<TTrigger>(*ListAt(this, tpTriggers))),
      uniques(Morvik::TypedList<TUnique>(*ListAt(this, tpUnique))) {}

void TMyTable::WriteDrop(Morvik::TTextBuffer& Out) const {
  Items::WriteDrop(Out, "TABLE", NameString().c_str());
}

void TMyTable::WriteIndexDrops(Morvik::TTextBuffer& Out) const { WriteDrops(Out, indexes); }

void TMyTable::WriteTriggerDrops(Morvik::TTextBuffer& Out) const { WriteDrops(Out, triggers); }

void TMyTable::WriteScript(Morvik::TTextBuffer& Out, bool WithDrop) {
  WriteTableAndIndexes(Out, WithDrop);
  WriteTriggers(Out, WithDrop);
}

void TMyTable::WriteTriggers(Morvik::TTextBuffer& Out, bool WithDrop) const {
  WriteItems(Out, triggers, NameString().c_str(), WithDrop);
}

void TMyTable::WriteTableAndIndexes(Morvik::TTextBuffer& Out, bool WithDrop) {
  if (!CommentText().empty()) Out.Append("/*").Append(CommentText()).Append("*/\n");
  if (WithDrop) WriteDrop(Out);
  Out.Append("CREATE TABLE ").Append(NameString());
  if (const std::string& File = ValueText(tpFile); !File.empty())
    Out.Append(" EXTERNAL FILE '").Append(File).Append('\'');

  // The body, always written: its items are the column definitions (each after its
  // comment), the primary key and the unique constraints, one line each.
  Out.Append(" (\n\t");
  bool FirstItem = true;
  auto NextItem = [&Out, &FirstItem] {
    if (!FirstItem) Out.Append(",\n\t");
    FirstItem = false;
  };
  for (int I = 0; I < GetColumnCount(); ++I) {
    const TMyColumn* Column = GetTypedColumn(I);
    NextItem();
    AppendColumnComment(Out, Column->CommentText());
    Column->WriteDefinition(Out);
  }

  // No key columns, no key.
  bool KeyOpen = false;
  for (int I = 0; I < GetColumnCount(); ++I) {
    const TMyColumn* Column = GetTypedColumn(I);
    if (!Column->GetKey()) continue;
    if (KeyOpen) {
      Out.Append(',');
    } else {
      NextItem();
      Out.Append("PRIMARY KEY (");
      KeyOpen = true;
    }
    Out.Append(Column->NameString());
  }
  if (KeyOpen) Out.Append(')');

  for (int I = 0; I < uniques.GetItemsCount(); ++I) {
    NextItem();
    uniques.GetTypedItem(I)->WriteText(Out);
  }
  Out.Append("\n);\n\n");

  WriteItems(Out, indexes, NameString().c_str(), WithDrop);
}

Morvik::TParamObjectInfo* MyTableInfo() { return &Morvik::TStaticInstance<TMyTableInfo>::Get(); }

void InitTablesUnit() {
  Morvik::TStaticInstance<TMyTableInfo>::Build();
  Morvik::TStaticInstance<TTableColumnsParams_P>::Build();
  Morvik::TStaticInstance<TIndexParams_P>::Build();
  Morvik::TStaticInstance<TTriggerParams_P>::Build();
  Morvik::TStaticInstance<TUniqueParams_P>::Build();
  Morvik::TStaticInstance<TMyTableInfo_P>::Build();
}

void FinalizeTablesUnit() {
  Morvik::TStaticInstance<TMyTableInfo_P>::Destroy();
  Morvik::TStaticInstance<TUniqueParams_P>::Destroy();
  Morvik::TStaticInstance<TTriggerParams_P>::Destroy();
  Morvik::TStaticInstance<TIndexParams_P>::Destroy();
  Morvik::TStaticInstance<TTableColumnsParams_P>::Destroy();
  Morvik::TStaticInstance<TMyTableInfo>::Destroy();
}

} // namespace Varne
