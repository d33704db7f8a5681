#include "plugin/schema/MyModelParams.h"

#include "plugin/framework/ListParamMixin.h"
#include "plugin/framework/ParamInfo.h"
#include "plugin/schema/SchemaItemLists.h"
#include "plugin/schema/WatchedList.h"

namespace Varne {

namespace {

// Scalar indexes of the two switches that enable the database and the shadow parameters.
constexpr int DataBaseScalar = 0;
constexpr int ShadowScalar = 7;
const char* const On = "1";

template <class T, class X>
void AddModelList(Morvik::TParamsList& List, const char* Name, const char* Help, int DependParam = -1,
                  const char* DependValues = "") {
  // Every model list names its items by their first scalar (Name, or FileName for files).
  List.AddList(new Morvik::TListParamInfoCMixin<X>(Name, Help, 0), new TWatchedListGenerator<T>(),
               DependParam, DependValues);
}

} // namespace

TMyModelParamsInfo_P::TMyModelParamsInfo_P() {
  using Morvik::ptBoolean;
  using Morvik::ptEnum;
  using Morvik::ptNumber;
  using Morvik::ptString;
  using Morvik::TParamInfoC;

  Add(new TParamInfoC("DataBase", "Create database?", 1, ptBoolean));
  Add(new TParamInfoC("DataBaseFile", "Name of primary database file", 1, ptString), DataBaseScalar, On);
  Add(new TParamInfoC("User", "Login name:You must specify this if you aren't conneceted", 1, ptString),
      DataBaseScalar, On);
  Add(new TParamInfoC("Password", "Login password", 1, ptString), DataBaseScalar, On);
  Add(new TParamInfoC("PageSize", "Size of one page in BYTES", 1, ptNumber), DataBaseScalar, On);
  Add(new TParamInfoC("FileLength", "Size of primary database file in PAGES", 1, ptNumber), DataBaseScalar,
      On);
  Add(new TParamInfoC("CharSet", "Default character set", 1, ptString), DataBaseScalar, On);
  AddModelList<TFileSpec, TFileSpecInfo>(*this, "SecFiles", "Secondary database files", DataBaseScalar, On);

  Add(new TParamInfoC("Shadow", "Create shadow?", 1, ptBoolean));
  Add(new TParamInfoC("SetNumber", "Identifies group of shadow files", 1, ptNumber), ShadowScalar, On);
  Add(new TParamInfoC("Mode", "Shadow ctivation should be automatic/maual", 1, ptEnum), ShadowScalar, On);
  // The server's syntax is AUTO | MANUAL; the stored value is the option index.
  AddOption("");
  AddOption("AUTO ");
  AddOption("MANUAL ");
  Add(new TParamInfoC("Conditional", "Shadow will continue after activation", 1, ptBoolean), ShadowScalar,
      On);
  Add(new TParamInfoC("ShadowFile", "Name of primary database file", 1, ptString), ShadowScalar, On);
  Add(new TParamInfoC("ShadowLength", "Size of primary shadow file in PAGES", 1, ptNumber), ShadowScalar, On);
  AddModelList<TFileSpec, TFileSpecInfo>(*this, "SecShadowFiles", "Secondary shadow files", ShadowScalar, On);

  AddModelList<TDomain, TDomainInfo>(*this, "Domains", "Common column types");
  AddModelList<TGenerator, TGeneratorInfo>(*this, "Generators", "Sequential number generators");
  AddModelList<TIException, TIExceptionInfo>(*this, "Exceptions",
                                             "User-defined error messages for triggers&procedures");
  AddModelList<TRole, TRoleInfo>(*this, "Roles", "Collections of privileges");
  AddModelList<TView, TViewInfo>(*this, "Views", "List of views");
  AddModelList<TProcedure, TProcedureParams>(*this, "Procedures", "List of stored procedures");

  Add(new TParamInfoC("Drop", "Drop objects before CREATE", 1, ptBoolean));
}

} // namespace Varne
