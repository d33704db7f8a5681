#include "plugin/schema/MyReference.h"

#include <algorithm>
#include <cstring>

#include "plugin/framework/ParamInfo.h"
#include "plugin/framework/PluginEntry.h"
#include "plugin/framework/StaticInstance.h"
#include "plugin/framework/TextToInt.h"
#include "plugin/schema/ModelAccess.h"
#include "plugin/schema/ModelLookups.h"

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
const char* const UnnamedInCycle =
    "Must be named for DROP because it's part of a cycle of unnamed foreign keys";

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
  return MatchesKey(nullptr) ? nullptr : NotAKey;
}

bool TMyReference::MatchesKey(std::vector<int>* Order) const {
  const int N = GetPairCount();
  const Morvik::TTable* Parent = GetParentTable();
  auto ParentColumn = [this](int I) { return GetPairColumn(ParentSide, I); };
  // The pair whose parent-side column is Column, resp. is named Name; -1 when none is.
  auto PairOf = [&](const Morvik::TColumn* Column) {
    for (int I = 0; I < N; ++I)
      if (ParentColumn(I) == Column) return I;
    return -1;
  };
  auto PairNamed = [&](const char* Name) {
    for (int I = 0; I < N; ++I)
      if (std::strcmp(ParentColumn(I)->GetName(), Name) == 0) return I;
    return -1;
  };
  // Order takes the pairs in the key's order only when every key column has its pair.
  auto Keep = [Order, N](const std::vector<int>& KeyOrder) {
    if (Order && static_cast<int>(KeyOrder.size()) == N &&
        std::find(KeyOrder.begin(), KeyOrder.end(), -1) == KeyOrder.end())
      *Order = KeyOrder;
    return true;
  };

  // A column named twice on the parent side never makes a key of N distinct columns.
  for (int I = 0; I < N; ++I) {
    for (int J = I + 1; J < N; ++J) {
      const Morvik::TColumn* A = ParentColumn(I);
      const Morvik::TColumn* B = ParentColumn(J);
      if (A == B || std::strcmp(A->GetName(), B->GetName()) == 0) return false;
    }
  }

  // The primary key, in any order; its columns stand in the order of the table.
  int KeyColumns = 0;
  for (int I = 0; I < Parent->GetColumnCount(); ++I) KeyColumns += Parent->GetColumn(I)->GetKey() ? 1 : 0;
  bool AllKey = true;
  for (int I = 0; I < N && AllKey; ++I) AllKey = ParentColumn(I)->GetKey();
  if (N == KeyColumns && AllKey) {
    std::vector<int> KeyOrder;
    for (int I = 0; I < Parent->GetColumnCount(); ++I)
      if (Parent->GetColumn(I)->GetKey()) KeyOrder.push_back(PairOf(Parent->GetColumn(I)));
    return Keep(KeyOrder);
  }

  // One column declared unique.
  if (N == 1 && Morvik::TextToInt(ParentColumn(0)->GetParamValue(ColumnUniquePos))) return Keep({0});

  // A unique constraint over exactly these columns, by name, in the order of its entries.
  const Morvik::TListParam* Uniques = ListAt(Parent, tpUnique);
  for (int U = 0; U < Uniques->GetItemsCount(); ++U) {
    const Morvik::TListParam& Entries = *Uniques->GetItem(U)->GetListParam(0);
    if (Entries.GetItemsCount() != N) continue;
    bool All = true;
    for (int I = 0; I < N && All; ++I) All = EntriesContain(Entries, ParentColumn(I)->GetName());
    if (!All) continue;
    std::vector<int> KeyOrder;
    for (int E = 0; E < N; ++E) KeyOrder.push_back(PairNamed(Entries.GetItem(E)->GetParamValue(0)));
    return Keep(KeyOrder);
  }
  return false;
}

const char* TMyReference::Check(int Pos) const {
  if (Pos != -1 || *GetName() || !IsDropOn(GetParent())) return nullptr;
  TModelLookups* Lookups = LookupsOf(GetParent());
  return Lookups && Lookups->UnnamedKeys().InCycle(this) ? UnnamedInCycle : nullptr;
}

void TMyReference::SetName(const char* Name) {
  TVarNamedMixin::SetName(Name);
  ModelChanged(GetParent());
}

void TMyReference::WriteScript(Morvik::TTextBuffer& Out) const {
  std::vector<int> Order;
  MatchesKey(&Order);
  if (Order.empty())
    for (int I = 0; I < GetPairCount(); ++I) Order.push_back(I);
  auto AppendColumns = [this, &Out, &Order](int Side) {
    Out.Append('(');
    for (std::size_t I = 0; I < Order.size(); ++I) {
      if (I > 0) Out.Append(',');
      Out.Append(GetPairColumn(Side, Order[I])->GetName());
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

void TMyReference::WriteDrop(Morvik::TTextBuffer& Out) const {
  if (*GetName())
    Out.Append("ALTER TABLE ")
        .Append(GetChildTable()->GetName())
        .Append(" DROP CONSTRAINT ")
        .Append(GetName())
        .Append(";\n");
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
