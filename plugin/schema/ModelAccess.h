// What schema objects read of themselves and of their owners: values, lists and chosen
// options by position, the owner table and model, the model's Drop switch, and names counted
// over a model list or over a list of every table of the model.
#pragma once

#include "Interface/MorvikInterface.h"
#include "plugin/framework/ParamAccess.h"
#include "plugin/framework/Parent.h"

namespace Varne {

// Positions of the model parameters (scalars and lists counted together).
enum TModelPos : int {
  mpDataBase = 0,
  mpDataBaseFile = 1,
  mpUser = 2,
  mpPassword = 3,
  mpPageSize = 4,
  mpFileLength = 5,
  mpCharSet = 6,
  mpSecFiles = 7,
  mpShadow = 8,
  mpSetNumber = 9,
  mpMode = 10,
  mpConditional = 11,
  mpShadowFile = 12,
  mpShadowLength = 13,
  mpSecShadowFiles = 14,
  mpDomains = 15,
  mpGenerators = 16,
  mpExceptions = 17,
  mpRoles = 18,
  mpViews = 19,
  mpProcedures = 20,
  mpDrop = 21,
};

// Positions of the table parameters.
enum TTablePos : int {
  tpFile = 0,
  tpIndexes = 1,
  tpTriggers = 2,
  tpUnique = 3,
};

// The value of the scalar parameter at position Pos of Object; the list parameter at
// position Pos of Object.
using Morvik::ListAt;
using Morvik::ValueAt;

// True when the scalar parameter at position Pos of Object holds the empty text.
bool IsEmptyAt(const Morvik::TParamObject* Object, int Pos);
// The option text that the enumeration at position Pos chooses; "" when its value names no
// option (a stored "-1" or "7").
const char* ChosenOption(const Morvik::TParamObject* Object, int Pos);
// The text of option Option of the enumeration at position Pos; "" when there is no such
// option.
const char* OptionText(const Morvik::TParamObject* Object, int Pos, int Option);
// The owner of Object as a table; NULL when it is something else.
const Morvik::TTable* OwnerTable(const Morvik::TParent* Object);
// The name of the owner table; "" when the owner is no table.
const char* OwnerTableName(const Morvik::TParent* Object);
// The owner of the owner of Object (the model of an index's or trigger's table); NULL when
// there is none.
const Morvik::TParent* TableOwner(const Morvik::TParent* Object);
// Whether the model's "Drop" parameter reads as a number other than 0; false without one.
bool IsDropOn(const Morvik::TParent* Model);

// The number of items of the model's list at ListPos whose scalar parameter at ParamPos
// equals Text byte for byte (capitals differ); the item that asks counts too. Both counts come
// from the model's lookups; 0 when Model is no model of this plug-in.
int CountModelItemsNamed(const char* Text, const Morvik::TParent* Model, int ListPos, int ParamPos);
// The same count over the list at TableListPos of every table of the model.
int CountTableItemsNamed(const char* Text, const Morvik::TParent* Model, int TableListPos, int ParamPos);

} // namespace Varne
