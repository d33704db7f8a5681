// What the schema-level objects, indexes and triggers read from themselves and from their
// owners: values and lists by position, the model's Drop switch, chosen option texts, the
// owner table, and names counted over a model list or over the tables of the whole model.
#pragma once

#include "Interface/MorvikInterface.h"
#include "plugin/framework/Parent.h"

namespace Varne::Items {

// The value of the scalar parameter at a position.
const char* ValueAt(const Morvik::TParamObject* Object, int Pos);
// The list parameter at a position.
const Morvik::TListParam* ListAt(const Morvik::TParamObject* Object, int Pos);
Morvik::TListParam* ListAt(Morvik::TParamObject* Object, int Pos);
// Whether the model's "Drop" parameter reads as a number other than 0; false without a model.
bool IsDropOn(const Morvik::TParent* Model);

// Positions of the table's lists that indexes and triggers read.
constexpr int TableIndexesPos = 1;
constexpr int TableTriggersPos = 2;

// True when the scalar at a position holds the empty text.
bool IsEmptyAt(const Morvik::TParamObject* Object, int Pos);
// The option text chosen by the enumeration at a position, read as a number; "" when the
// value names no option of the parameter (a stored "-1" or "7").
const char* ChosenOption(const Morvik::TParamObject* Object, int Pos);

// The owner of an index or trigger as a table; NULL when the owner is something else.
const Morvik::TTable* OwnerTable(const Morvik::TParent* Item);
// The owner of the owner of an index or trigger: the model of its table.
const Morvik::TParent* TableOwner(const Morvik::TParent* Item);

// How many items of the list at TableListPos of every table of the model hold Text, byte for
// byte, in their scalar at ParamPos; 0 without a model.
int CountTableItemsNamed(const Morvik::TParent* Model, int TableListPos, int ParamPos,
                         const char* Text);

// The check of the Name (position 0) of a model-level item: "Must be specified" for an
// empty name, "Name is not unique" when another item of the model's list at ModelListPos
// has the same name byte for byte.
const char* CheckModelItemName(const Morvik::TParent* Item, int ModelListPos);

// Texts shared by the checks.
extern const char* const MustBeSpecified;
extern const char* const NameIsNotUnique;

}  // namespace Varne::Items
