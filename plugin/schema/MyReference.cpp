#include "plugin/schema/MyReference.h"

#include <cstring>

#include "plugin/framework/ParamInfo.h"
#include "plugin/framework/PluginEntry.h"
#include "plugin/framework/StaticInstance.h"
#include "plugin/framework/TextToInt.h"
#include "plugin/schema/ModelAccess.h"

namespace Varne {

namespace {

enum : int {
  OnDeletePos = 0,
  OnUpdatePos = 1
};
constexpr int ColumnUniquePos = 1;
constexpr int ParentSide = 0;
constexpr int ChildSide = 1;

const char* const NotAKey = "Referenced key must be PRIMARY KEY or UNIQUE constraint";

void AddRuleOptions(Morvik::TParamsList& List) {
  List.AddOption("NO ACTION");
  List.AddOption("CASCADE");
  List.AddOption("SET NULL");
  List.AddOption("SET DEFAULT");
}

bool EntriesContain(const Morvik::TListParam& Entries, const char* Name) {
  for (int I = 0; I < Entries.GetItemsCount(); ++I) {
    if (std::strcmp(Entries.GetItem(I)->GetParamValue(0), Name) == 0) return true;
  }
  return false;
}

} // namespace

TMyReferenceInfo_P::TMyReferenceInfo_P() {
  using Morvik::TParamInfoC;
  Add(new TParamInfoC("OnDelete", "What to do with foreign key when referenced key is deleted", 1,
                      Morvik::ptEnum));
  AddRuleOptions(*this);
  Add(new TParamInfoC("OnUpdate", "What to do with foreign key when referenced key is updated", 1,
                      Morvik::ptEnum));
  AddRuleOptions(*this);
}

TMyReference::TMyReference(Morvik::TParent* Owner, Morvik::TTable* Parent, Morvik::TTable* Child)
    : TParent(Owner), Morvik::TParamObjectMixin<TMyReferenceInfo>(Owner),
      Morvik::TReferenceMixin<TMyReferenceInfo>(Owner, Parent, Child) {}

const char* TMyReference::CheckPairs(int Idx) const {
  if (Idx != -1) return nullptr;
  const int N = GetPairCount();
  const Morvik::TTable* Parent = GetParentTable();

  // A column named twice on the parent side never makes a key of N distinct columns.
  bool Distinct = true;
  for (int I = 0; I < N && Distinct; ++I) {
    for (int J = I + 1; J < N && Distinct; ++J) {
      const Morvik::TColumn* A = GetPairColumn(ParentSide, I);
      const Morvik::TColumn* B = GetPairColumn(ParentSide, J);
      Distinct = A != B && std::strcmp(A->GetName(), B->GetName()) != 0;
    }
  }
  if (!Distinct) return NotAKey;

  // The primary key, in any order.
  int KeyColumns = 0;
  for (int I = 0; I < Parent->GetColumnCount(); ++I) KeyColumns += Parent->GetColumn(I)->GetKey() ? 1 : 0;
  bool AllKey = true;
  for (int I = 0; I < N && AllKey; ++I) AllKey = GetPairColumn(ParentSide, I)->GetKey();
  if (N == KeyColumns && AllKey) return nullptr;

  // One column declared unique.
  if (N == 1 && Morvik::TextToInt(GetPairColumn(ParentSide, 0)->GetParamValue(ColumnUniquePos)))
    return nullptr;

  // A unique constraint over exactly these columns, by name.
  const Morvik::TListParam* Uniques = ListAt(Parent, tpUnique);
  for (int U = 0; U < Uniques->GetItemsCount(); ++U) {
    const Morvik::TListParam& Entries = *Uniques->GetItem(U)->GetListParam(0);
    if (Entries.GetItemsCount() != N) continue;
    bool All = true;
    for (int I = 0; I < N && All; ++I) All = EntriesContain(Entries, GetPairColumn(ParentSide, I)->GetName());
    if (All) return nullptr;
  }
  return NotAKey;
}

const char* TMyReference::Generate() {
  output.Clear();
  WriteScript(output);
  return output.GetText();
}

void TMyReference::WriteScript(Morvik::TTextBuffer& Out) const {
  auto AppendColumns = [this, &Out](int Side) {
    Out.Append('(');
    for (int I = 0; I < GetPairCount(); ++I) {
      if (I > 0) Out.Append(',');
      Out.Append(GetPairColumn(Side, I)->GetName());
    }
    Out.Append(')');
  };

  if (*GetComment()) Out.Append("/*").Append(GetComment()).Append("*/\n");
  Out.Append("ALTER TABLE ").Append(GetChildTable()->GetName()).Append(" ADD \n\t");
  if (*GetName()) Out.Append("CONSTRAINT ").Append(GetName()).Append(" ");
  Out.Append("FOREIGN KEY ");
  AppendColumns(ChildSide);
  Out.Append(" REFERENCES ").Append(GetParentTable()->GetName()).Append(" ");
  AppendColumns(ParentSide);
  // A rule index that names no option (a stored "-1" or "7") writes no clause.
  if (const char* Rule = ChosenOption(this, OnDeletePos); *Rule) Out.Append(" \n\tON DELETE ").Append(Rule);
  if (const char* Rule = ChosenOption(this, OnUpdatePos); *Rule) Out.Append("\n\tON UPDATE ").Append(Rule);
  Out.Append(";\n");
}

Morvik::TParamObjectInfo* MyReferenceInfo() { return &Morvik::TStaticInstance<TMyReferenceInfo>::Get(); }

void InitReferencesUnit() {
  Morvik::TStaticInstance<TMyReferenceInfo_P>::Build();
  Morvik::TStaticInstance<TMyReferenceInfo>::Build();
}

void FinalizeReferencesUnit() {
  Morvik::TStaticInstance<TMyReferenceInfo>::Destroy();
  Morvik::TStaticInstance<TMyReferenceInfo_P>::Destroy();
}

} // namespace Varne
