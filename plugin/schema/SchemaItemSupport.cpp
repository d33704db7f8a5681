#include "plugin/schema/SchemaItemSupport.h"

#include <cstring>

#include "plugin/framework/TextToInt.h"

namespace Varne {

const char* const MustBeSpecified = "Must be specified";
const char* const NameIsNotUnique = "Name is not unique";

const char* ValueAt(const Morvik::TParamObject& Object, int Pos)
{
    return Object.GetParamValue(Object.GetKindIndex(Pos));
}

bool IsEmptyAt(const Morvik::TParamObject& Object, int Pos)
{
    return *ValueAt(Object, Pos) == '\0';
}

const Morvik::TListParam* ListAt(const Morvik::TParamObject& Object, int Pos)
{
    return Object.GetListParam(Object.GetKindIndex(Pos));
}

const char* ChosenOption(const Morvik::TParamObject& Object, int Pos)
{
    const Morvik::TParamInfo* Param = Object.GetParam(Object.GetKindIndex(Pos));
    const int Option = Morvik::TextToInt(ValueAt(Object, Pos));
    if (Option < 0 || Option >= Param->GetOptionCount())
        return "";
    const char* Text = Param->GetOption(Option);
    return Text ? Text : "";
}

const Morvik::TModel* OwnerModel(const Morvik::TParent& Item)
{
    return dynamic_cast<const Morvik::TModel*>(Item.GetParent());
}

const Morvik::TTable* OwnerTable(const Morvik::TParent& Item)
{
    return dynamic_cast<const Morvik::TTable*>(Item.GetParent());
}

const Morvik::TModel* TableOwnerModel(const Morvik::TParent& Item)
{
    const Morvik::TParent* Table = Item.GetParent();
    return Table ? dynamic_cast<const Morvik::TModel*>(Table->GetParent()) : nullptr;
}

bool DropOn(const Morvik::TModel* Model)
{
    return Model && Morvik::TextToInt(ValueAt(*Model, ModelDropPos)) != 0;
}

namespace {

int CountNamed(const Morvik::TListParam& List, int ParamPos, const char* Text)
{
    int Count = 0;
    for (int I = 0; I < List.GetItemsCount(); ++I)
        if (std::strcmp(ValueAt(*List.GetItem(I), ParamPos), Text) == 0)
            ++Count;
    return Count;
}

}  // namespace

int CountTableItemsNamed(const Morvik::TModel* Model, int TableListPos, int ParamPos,
                         const char* Text)
{
    if (!Model)
        return 0;
    int Count = 0;
    for (int T = 0; T < Model->GetTableCount(); ++T)
        Count += CountNamed(*ListAt(*Model->GetTable(T), TableListPos), ParamPos, Text);
    return Count;
}

const char* CheckModelItemName(const Morvik::TParent& Item, int ModelListPos)
{
    const char* Name = ValueAt(Item, 0);
    if (*Name == '\0')
        return MustBeSpecified;
    const Morvik::TModel* Model = OwnerModel(Item);
    if (Model && CountNamed(*ListAt(*Model, ModelListPos), 0, Name) > 1)
        return NameIsNotUnique;
    return nullptr;
}

}  // namespace Varne
