// The item descriptions of the model's lists, built by the model unit's initialiser before
// the model's own parameter list, and the item classes that the model's and the table's
// list parameters hold:
//   SecFiles, SecShadowFiles  TFileSpec    (TFileSpecInfo)      SecondaryFiles.h
//   Domains                   TDomain      (TDomainInfo)        Domain.h
//   Generators                TGenerator   (TGeneratorInfo)     Generator.h
//   Exceptions                TIException  (TIExceptionInfo)    IException.h
//   Roles                     TRole        (TRoleInfo)          Role.h
//   Views                     TView        (TViewInfo)          View.h
//   Procedures                TProcedure   (TProcedureParams)   Procedure.h
//   table Indexes             TIndex       (TIndexParams)       Index.h
//   table Triggers            TTrigger     (TTriggerParams)     Trigger.h
// A list parameter of one of them is AddList(new Morvik::TListParamInfoCMixin<Info>(name,
// help, item-name parameter), new Morvik::TLPGeneratorMixin<Item>).
#pragma once

#include "plugin/schema/Domain.h"
#include "plugin/schema/SecondaryFiles.h"
#include "plugin/schema/Generator.h"
#include "plugin/schema/IException.h"
#include "plugin/schema/Index.h"
#include "plugin/schema/Procedure.h"
#include "plugin/schema/Role.h"
#include "plugin/schema/Trigger.h"
#include "plugin/schema/View.h"

namespace Varne {

// Builds, each only while not yet built and in this order, the descriptions of secondary
// files, the type and variable parameters, domains, generators, exceptions, roles, view
// columns, views and procedures. The model's parameter list comes after them.
void BuildModelItemLists();
// Destroys the same descriptions in the reverse order, each only while built.
void DestroyModelItemLists();

// The descriptions of indexes and triggers, which the tables unit builds after the
// column-entry description and before the unique constraint's:
//   Morvik::TStaticInstance<TIndexParams_P>::Build();
//   Morvik::TStaticInstance<TTriggerParams_P>::Build();
// and destroys in the reverse order.

} // namespace Varne
