#include "plugin/schema/MyTable.h"

#include <string>

#include "plugin/framework/Accumulator.h"
#include "plugin/framework/ListParamMixin.h"
#include "plugin/framework/ParamInfo.h"
#include "plugin/framework/PluginEntry.h"
#include "plugin/framework/StaticInstance.h"
#include "plugin/schema/ModelAccess.h"
#include "plugin/schema/SchemaItemLists.h"
#include "plugin/schema/TableColumns.h"
#include "plugin/schema/Unique.h"

namespace Varne {

namespace {

// "/*" and the comment with a tab after every line feed, "*/" and the start of the next line
// of the body; nothing for an empty comment.
void AppendColumnComment(std::string& Prefix, const char* Comment)
{
    Prefix.clear();
    if (!*Comment)
        return;
    Prefix.append("/*");
    for (const char* C = Comment; *C; ++C) {
        Prefix.push_back(*C);
        if (*C == '\n')
            Prefix.push_back('\t');
    }
    Prefix.append("*/\n\t");
}

Morvik::TListParam& ListOf(Morvik::TParamObject& Object, int Pos)
{
    return *Object.GetListParam(Object.GetKindIndex(Pos));
}

void AppendItems(Morvik::TTextBuffer& Output, Morvik::TListParam& List)
{
    for (int I = 0; I < List.GetItemsCount(); ++I)
        Output.Append(List.GetItem(I)->Generate());
}

}  // namespace

TMyTableInfo_P::TMyTableInfo_P()
{
    using Morvik::TLPGeneratorMixin;
    using Morvik::TListParamInfoCMixin;
    Add(new Morvik::TParamInfoC("File", "Table data are in external file", 1, Morvik::ptString));
    AddList(new TListParamInfoCMixin<TIndexParams>("Indexes", "List od indexes", 2),
            new TLPGeneratorMixin<TIndex>());
    AddList(new TListParamInfoCMixin<TTriggerParams>("Triggers", "List od triggers", 0),
            new TLPGeneratorMixin<TTrigger>());
    AddList(new TListParamInfoCMixin<TUniqueParams>("Unique", "List od unique constraints", -1),
            new TLPGeneratorMixin<TUnique>());
}

TMyTable::TMyTable(Morvik::TParent* Owner)
    : TParent(Owner),
      Morvik::TParamObjectMixin<TMyTableInfo>(Owner),
      Morvik::TTableMixin<TMyTableInfo, TMyColumn>(Owner)
{
}

const char* TMyTable::Generate()
{
    output.Clear();
    if (*GetComment())
        output.Append("/*").Append(GetComment()).Append("*/\n");
    if (IsDropOn(GetParent()))
        output.Append("DROP TABLE ").Append(NameText()).Append(";\n");
    output.Append("CREATE TABLE ").Append(NameText());
    if (*GetParamValue(tpFile))
        output.Append(" EXTERNAL FILE '").Append(GetParamValue(tpFile)).Append("'");

    Morvik::TAC Body(" ");
    Body.Push(" (\n\t", ",\n\t", "\n);\n\n");
    std::string Comment;
    for (int I = 0; I < GetColumnCount(); ++I) {
        TMyColumn* Column = GetTypedColumn(I);
        // One item: the comment prefix, then the definition.
        AppendColumnComment(Comment, Column->GetComment());
        Body.AppendItem(Comment.c_str());
        Body.Append(Column->Generate());
    }

    // The key text stays empty without key columns: its level is closed without force.
    Morvik::TAC Key(" ");
    Key.Push("(", ",", ")");
    for (int I = 0; I < GetColumnCount(); ++I) {
        if (GetTypedColumn(I)->GetKey())
            Key.AppendItem(GetTypedColumn(I)->GetName());
    }
    Key.Pop(nullptr, false);
    if (*Key.GetText())
        Body.Printf("PRIMARY KEY %s", Key.GetText());

    Morvik::TListParam& Uniques = ListOf(*this, tpUnique);
    for (int I = 0; I < Uniques.GetItemsCount(); ++I)
        Body.Printf("%s", Uniques.GetItem(I)->Generate());
    Body.Pop(nullptr, true);
    output.Append(Body.GetText());

    AppendItems(output, ListOf(*this, tpIndexes));
    AppendItems(output, ListOf(*this, tpTriggers));
    return output.GetText();
}

Morvik::TParamObjectInfo* MyTableInfo() { return &Morvik::TStaticInstance<TMyTableInfo>::Get(); }

void InitTablesUnit()
{
    Morvik::TStaticInstance<TMyTableInfo>::Build();
    Morvik::TStaticInstance<TTableColumnsParams_P>::Build();
    Morvik::TStaticInstance<TIndexParams_P>::Build();
    Morvik::TStaticInstance<TTriggerParams_P>::Build();
    Morvik::TStaticInstance<TUniqueParams_P>::Build();
    Morvik::TStaticInstance<TMyTableInfo_P>::Build();
}

void FinalizeTablesUnit()
{
    Morvik::TStaticInstance<TMyTableInfo_P>::Destroy();
    Morvik::TStaticInstance<TUniqueParams_P>::Destroy();
    Morvik::TStaticInstance<TTriggerParams_P>::Destroy();
    Morvik::TStaticInstance<TIndexParams_P>::Destroy();
    Morvik::TStaticInstance<TTableColumnsParams_P>::Destroy();
    Morvik::TStaticInstance<TMyTableInfo>::Destroy();
}

}  // namespace Varne
