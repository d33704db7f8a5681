#include "plugin/schema/MyModel.h"

#include "plugin/framework/ListParamMixin.h"
#include "plugin/framework/TextToInt.h"
#include "plugin/schema/Domain.h"
#include "plugin/schema/Generator.h"
#include "plugin/schema/IException.h"
#include "plugin/schema/ModelAccess.h"
#include "plugin/schema/Procedure.h"
#include "plugin/schema/Role.h"
#include "plugin/schema/UnnamedKeys.h"
#include "plugin/schema/View.h"

namespace Varne {

namespace {

// A yes/no switch of the model is on only when it holds exactly "1".
bool IsOn(const char* Value) { return Value[0] == '1' && Value[1] == '\0'; }

// The items of a model list, each of class T, written straight into Out: the same texts as
// their own Generate.
template <class T>
void WriteItems(Morvik::TTextBuffer& Out, const Morvik::TListParam* List) {
  const auto& Items = Morvik::TypedList<T>(*List);
  for (int I = 0; I < Items.GetItemsCount(); ++I) Items.GetTypedItem(I)->WriteScript(Out, false);
}

// The removing statements of the items of a model list, from the last to the first.
template <class T>
void WriteDrops(Morvik::TTextBuffer& Out, const Morvik::TListParam* List) {
  const auto& Items = Morvik::TypedList<T>(*List);
  for (int I = Items.GetItemsCount() - 1; I >= 0; --I) Items.GetTypedItem(I)->WriteDrop(Out);
}

} // namespace

TMyModel::TMyModel() : TParent(nullptr), Morvik::TParamObjectMixin<TMyModelInfo>(nullptr), lookups(*this) {}

Morvik::TTable* TMyModel::NewTable() {
  lookups.Changed();
  return TModelMixin::NewTable();
}

void TMyModel::DeleteTable(Morvik::TTable* Table) {
  lookups.Changed();
  TModelMixin::DeleteTable(Table);
}

Morvik::TReference* TMyModel::NewReference(Morvik::TTable* Parent, Morvik::TTable* Child) {
  lookups.Changed();
  return TModelMixin::NewReference(Parent, Child);
}

void TMyModel::DeleteReference(Morvik::TReference* Reference) {
  lookups.Changed();
  TModelMixin::DeleteReference(Reference);
}

void TMyModel::GenerateDataBase() {
  output.Append("CREATE DATABASE '").Append(ValueAt(this, mpDataBaseFile)).Append("'");
  if (*ValueAt(this, mpUser)) {
    output.Append("\n\tUSER '").Append(ValueAt(this, mpUser)).Append("'");
    if (*ValueAt(this, mpPassword))
      output.Append(" PASSWORD '").Append(ValueAt(this, mpPassword)).Append("'");
  }
  if (*ValueAt(this, mpPageSize)) output.Append("\n\tPAGE_SIZE = ").Append(ValueAt(this, mpPageSize));
  if (*ValueAt(this, mpFileLength))
    output.Append("\n\tLENGTH = ").Append(ValueAt(this, mpFileLength)).Append(" PAGES");
  if (*ValueAt(this, mpCharSet)) output.Append("\n\tDEFAULT CHARACTER SET ").Append(ValueAt(this, mpCharSet));
  Morvik::TListParam* Files = ListAt(this, mpSecFiles);
  for (int I = 0; I < Files->GetItemsCount(); ++I)
    output.Append("\n\t").Append(Files->GetItem(I)->Generate());
  output.Append(";\n\n");
}

void TMyModel::GenerateShadow() {
  // A Mode index that names no option writes nothing for it.
  output.Append("CREATE SHADOW ")
      .Append(ValueAt(this, mpSetNumber))
      .Append(" ")
      .Append(ChosenOption(this, mpMode));
  if (IsOn(ValueAt(this, mpConditional))) output.Append("CONDITIONAL ");
  output.Append("'").Append(ValueAt(this, mpShadowFile)).Append("' ");
  if (*ValueAt(this, mpShadowLength))
    output.Append("\n\tLENGTH = ").Append(ValueAt(this, mpShadowLength)).Append(" PAGES");
  Morvik::TListParam* Files = ListAt(this, mpSecShadowFiles);
  for (int I = 0; I < Files->GetItemsCount(); ++I)
    output.Append("\n\t").Append(Files->GetItem(I)->Generate());
  output.Append(";\n\n");
}

void TMyModel::GenerateDrops() {
  // Whatever depends on an object goes before it: the reverse of the creation order, with
  // triggers first, as they may use procedures, and foreign keys before their tables.
  const std::vector<TMyTable*>& Tables = TypedTables();
  const std::vector<TMyReference*>& References = TypedReferences();
  for (auto Table = Tables.rbegin(); Table != Tables.rend(); ++Table) (*Table)->WriteTriggerDrops(output);
  WriteDrops<TProcedure>(output, ListAt(this, mpProcedures));
  WriteDrops<TView>(output, ListAt(this, mpViews));
  for (auto Reference = References.rbegin(); Reference != References.rend(); ++Reference)
    (*Reference)->WriteDrop(output);
  for (auto Table = Tables.rbegin(); Table != Tables.rend(); ++Table) (*Table)->WriteIndexDrops(output);
  // A foreign key without a name goes only with its child table, so every child goes before
  // its parents.
  for (int Table : TUnnamedKeys(*this).DropOrder())
    Tables[static_cast<std::size_t>(Table)]->WriteDrop(output);
  WriteDrops<TRole>(output, ListAt(this, mpRoles));
  WriteDrops<TIException>(output, ListAt(this, mpExceptions));
  WriteDrops<TGenerator>(output, ListAt(this, mpGenerators));
  WriteDrops<TDomain>(output, ListAt(this, mpDomains));
  output.Append("\n");
}

const char* TMyModel::Generate() {
  output.Clear();
  if (*GetComment()) output.Append("/*").Append(GetComment()).Append("*/\n");
  if (IsOn(ValueAt(this, mpDataBase))) GenerateDataBase();
  if (IsOn(ValueAt(this, mpShadow))) GenerateShadow();
  // With Drop on, everything the script creates is dropped first, so that the script
  // re-creates the schema on a database that holds it.
  if (IsDropOn(this)) GenerateDrops();
  WriteItems<TDomain>(output, ListAt(this, mpDomains));
  WriteItems<TGenerator>(output, ListAt(this, mpGenerators));
  WriteItems<TIException>(output, ListAt(this, mpExceptions));
  WriteItems<TRole>(output, ListAt(this, mpRoles));
  // Tables and references write straight into the script, the same text as their own
  // Generate.
  for (TMyTable* Table : TypedTables()) Table->WriteTableAndIndexes(output, false);
  for (const TMyReference* Reference : TypedReferences()) Reference->WriteScript(output);
  // View and procedure bodies name tables, which the server resolves at CREATE time.
  WriteItems<TView>(output, ListAt(this, mpViews));
  WriteItems<TProcedure>(output, ListAt(this, mpProcedures));
  // Trigger bodies may use any table, view or procedure; nothing uses a trigger.
  for (const TMyTable* Table : TypedTables()) Table->WriteTriggers(output, false);
  return output.GetText();
}

const char* TMyModel::Check(int Pos) const {
  switch (Pos) {
    case mpDataBaseFile:
    case mpSetNumber:
    case mpShadowFile: return *ValueAt(this, Pos) ? nullptr : "Must be specified";
    default: return nullptr;
  }
}

} // namespace Varne
