#include "plugin/schema/SchemaItemLists.h"

#include "plugin/datatypes/Variables.h"
#include "plugin/framework/StaticInstance.h"

namespace Varne {

using Morvik::TStaticInstance;

void BuildModelItemLists() {
  TStaticInstance<TFileSpecInfo_P>::Build();
  TStaticInstance<TTypesParams_P>::Build();
  TStaticInstance<TVariablesParams_P>::Build();
  TStaticInstance<TDomainInfo_P>::Build();
  TStaticInstance<TGeneratorInfo_P>::Build();
  TStaticInstance<TIExceptionInfo_P>::Build();
  TStaticInstance<TRoleInfo_P>::Build();
  TStaticInstance<TViewColumnInfo_P>::Build();
  TStaticInstance<TViewInfo_P>::Build();
  TStaticInstance<TProcedureParams_P>::Build();
}

void DestroyModelItemLists() {
  TStaticInstance<TProcedureParams_P>::Destroy();
  TStaticInstance<TViewInfo_P>::Destroy();
  TStaticInstance<TViewColumnInfo_P>::Destroy();
  TStaticInstance<TRoleInfo_P>::Destroy();
  TStaticInstance<TIExceptionInfo_P>::Destroy();
  TStaticInstance<TGeneratorInfo_P>::Destroy();
  TStaticInstance<TDomainInfo_P>::Destroy();
  TStaticInstance<TVariablesParams_P>::Destroy();
  TStaticInstance<TTypesParams_P>::Destroy();
  TStaticInstance<TFileSpecInfo_P>::Destroy();
}

} // namespace Varne
