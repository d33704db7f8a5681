#include "plugin/schema/SchemaItemSupport.h"

#include <cstring>

#include "plugin/framework/TextToInt.h"
#include "plugin/schema/ModelAccess.h"

namespace Varne::Items {

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

bool IsDropOn(const Morvik::TParent* Model)
{
    return Model && Morvik::TextToInt(Items::ValueAt(Model, mpDrop)) != 0;
}

const char* const MustBeSpecified = "Must be specified";
const char* const NameIsNotUnique = "Name is not unique";

bool IsEmptyAt(const Morvik::TParamObject* Object, int Pos)
{
    return *Items::ValueAt(Object, Pos) == '\0';
}

const char* ChosenOption(const Morvik::TParamObject* Object, int Pos)
{
    const Morvik::TParamInfo* Param = Object->GetParam(Object->GetKindIndex(Pos));
    const int Option = Morvik::TextToInt(Items::ValueAt(Object, Pos));
    if (Option < 0 || Option >= Param->GetOptionCount())
        return "";
    const char* Text = Param->GetOption(Option);
    return Text ? Text : "";
}

const Morvik::TTable* OwnerTable(const Morvik::TParent* Item)
{
    return dynamic_cast<const Morvik::TTable*>(Item->GetParent());
}

const Morvik::TParent* TableOwner(const Morvik::TParent* Item)
{
    const Morvik::TParent* Table = Item->GetParent();
    return Table ? Table->GetParent() : nullptr;
}

int CountTableItemsNamed(const Morvik::TParent* Model, int TableListPos, int ParamPos,
                         const char* Text)
{
    const auto* TheModel = dynamic_cast<const Morvik::TModel*>(Model);
    if (!TheModel)
        return 0;
    int Count = 0;
    for (int T = 0; T < TheModel->GetTableCount(); ++T) {
        const Morvik::TListParam* List = Items::ListAt(TheModel->GetTable(T), TableListPos);
        for (int I = 0; I < List->GetItemsCount(); ++I)
            if (std::strcmp(Items::ValueAt(List->GetItem(I), ParamPos), Text) == 0)
                ++Count;
    }
    return Count;
}

const char* CheckModelItemName(const Morvik::TParent* Item, int ModelListPos)
{
    const char* Name = Items::ValueAt(Item, 0);
    if (*Name == '\0')
        return MustBeSpecified;
    if (CountModelItemsNamed(Name, Item->GetParent(), ModelListPos, 0) > 1)
        return NameIsNotUnique;
    return nullptr;
}

}  // namespace Varne::Items
