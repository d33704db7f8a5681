// What the schema-level objects, indexes and triggers read from themselves and from their
// owners: values and lists by position, chosen option texts, the model's Drop switch and
// names counted over the tables of the whole model.
#pragma once

#include "Interface/MorvikInterface.h"
#include "plugin/framework/Parent.h"

namespace Varne {

// Positions in the model's parameters that the items read.
constexpr int ModelDomainsPos = 15;
constexpr int ModelGeneratorsPos = 16;
constexpr int ModelExceptionsPos = 17;
constexpr int ModelRolesPos = 18;
constexpr int ModelViewsPos = 19;
constexpr int ModelProceduresPos = 20;
constexpr int ModelDropPos = 21;
// Positions of the table's lists.
constexpr int TableIndexesPos = 1;
constexpr int TableTriggersPos = 2;

// The value of the scalar parameter at a position.
const char* ValueAt(const Morvik::TParamObject& Object, int Pos);
// True when the scalar at a position holds the empty text.
bool IsEmptyAt(const Morvik::TParamObject& Object, int Pos);
// The list parameter at a position.
const Morvik::TListParam* ListAt(const Morvik::TParamObject& Object, int Pos);
// The option text chosen by the enumeration at a position, read as a number; "" when the
// value names no option of the parameter (a stored "-1" or "7").
const char* ChosenOption(const Morvik::TParamObject& Object, int Pos);

// The owner of an item as a model or a table; NULL when the owner is something else.
const Morvik::TModel* OwnerModel(const Morvik::TParent& Item);
const Morvik::TTable* OwnerTable(const Morvik::TParent& Item);
// The model that owns the table that owns an index or trigger.
const Morvik::TModel* TableOwnerModel(const Morvik::TParent& Item);

// True when the model's Drop switch reads as a number other than 0; false without a model.
bool DropOn(const Morvik::TModel* Model);

// How many items of the list at TableListPos of every table of the model hold Text, byte for
// byte, in their scalar at ParamPos.
int CountTableItemsNamed(const Morvik::TModel* Model, int TableListPos, int ParamPos,
                         const char* Text);

// "Must be specified" for an empty name, "Name is not unique" when another item of the
// model's list at ModelListPos has the same name (position 0 of every model item).
const char* CheckModelItemName(const Morvik::TParent& Item, int ModelListPos);

// Texts shared by the checks.
extern const char* const MustBeSpecified;
extern const char* const NameIsNotUnique;

}  // namespace Varne
