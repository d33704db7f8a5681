#include "plugin/schema/ModelAccess.h"

#include <cstring>

#include "plugin/framework/TextToInt.h"

namespace Varne {

const char* ValueAt(const Morvik::TParamObject* Object, int Pos)
{
    return Object->GetParamValue(Object->GetKindIndex(Pos));
}

const Morvik::TListParam* ListAt(const Morvik::TParamObject* Object, int Pos)
{
    return Object->GetListParam(Object->GetKindIndex(Pos));
}

Morvik::TListParam* ListAt(Morvik::TParamObject* Object, int Pos)
{
    return Object->GetListParam(Object->GetKindIndex(Pos));
}

const char* ChosenOption(const Morvik::TParamObject* Object, int Pos)
{
    const Morvik::TParamInfo* Param = Object->GetParam(Object->GetKindIndex(Pos));
    const int Option = Morvik::TextToInt(ValueAt(Object, Pos));
    if (Option < 0 || Option >= Param->GetOptionCount())
        return "";
    const char* Text = Param->GetOption(Option);
    return Text ? Text : "";
}

const Morvik::TTable* OwnerTable(const Morvik::TParent* Object)
{
    return Object ? dynamic_cast<const Morvik::TTable*>(Object->GetParent()) : nullptr;
}

const Morvik::TModel* OwnerModel(const Morvik::TParent* Object)
{
    return Object ? dynamic_cast<const Morvik::TModel*>(Object->GetParent()) : nullptr;
}

bool IsDropOn(const Morvik::TParent* Model)
{
    return Model && Morvik::TextToInt(ValueAt(Model, mpDrop)) != 0;
}

int CountModelItemsNamed(const char* Text, const Morvik::TParent* Model, int ListPos,
                         int ParamPos)
{
    if (!Model)
        return 0;
    const Morvik::TListParam* List = ListAt(Model, ListPos);
    int Count = 0;
    for (int I = 0; I < List->GetItemsCount(); ++I) {
        if (std::strcmp(ValueAt(List->GetItem(I), ParamPos), Text ? Text : "") == 0)
            ++Count;
    }
    return Count;
}

}  // namespace Varne
