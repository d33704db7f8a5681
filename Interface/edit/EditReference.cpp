#include "Interface/edit/EditReference.h"

#include "Interface/edit/EditPrecondition.h"
#include "Interface/edit/EditTable.h"

using namespace Morvik;

namespace {

TParamObjectInfo* ReferenceInfoOf(TModelInfo* ModelInfo) {
  EDIT_REQUIRE(ModelInfo != NULL);
  return ModelInfo->GetReferenceInfo();
}

} // namespace

TEditReference::TEditReference(TModelInfo* ModelInfo) : TEditParamObject(ReferenceInfoOf(ModelInfo)) {}

TEditReference::~TEditReference() = default;

void TEditReference::Load(TReference* _Reference) {
  EDIT_REQUIRE(_Reference);
  TEditParamObject::Load(_Reference);
  Reference = _Reference;
  TNameImpl::SetName(_Reference->GetName());
  ParentColumns.clear();
  ChildColumns.clear();
  for (int i = 0; i < _Reference->GetPairCount(); ++i) {
    ParentColumns.push_back(_Reference->GetPairColumn(0, i));
    ChildColumns.push_back(_Reference->GetPairColumn(1, i));
  }
}

void TEditReference::Store() {
  EDIT_REQUIRE(Reference);
  // Every pair must name live columns of the reference's two tables: a column that a
  // table store deleted and PrunePairs did not drop would reach the plug-in freed. The
  // pair columns are only compared, never reached, and nothing changes before this holds.
  const TTable* ParentTable = Reference->GetParentTable();
  const TTable* ChildTable = Reference->GetChildTable();
  for (int i = 0; i < GetPairCount(); ++i) {
    EDIT_REQUIRE(ParentTable && IndexOfColumn(ParentTable, GetPairColumn(0, i)) != -1);
    EDIT_REQUIRE(ChildTable && IndexOfColumn(ChildTable, GetPairColumn(1, i)) != -1);
  }
  TEditParamObject::Store(Reference);
  Reference->SetName(Name.c_str());
  while (Reference->GetPairCount() != 0) Reference->DeletePair(0);
  for (int i = 0; i < GetPairCount(); ++i) Reference->AddPair(GetPairColumn(0, i), GetPairColumn(1, i));
}

void TEditReference::PrunePairs(const TDeletedColumns& Deleted) {
  int i = 0;
  while (i < GetPairCount()) {
    const auto Idx = static_cast<std::size_t>(i);
    if (Deleted.Contains(ParentColumns[Idx]) || Deleted.Contains(ChildColumns[Idx]))
      DeletePair(i);
    else
      ++i;
  }
}

int TEditReference::GetPairCount() const { return static_cast<int>(ParentColumns.size()); }

void TEditReference::AddPair(TColumn* Parent, TColumn* Child) {
  ParentColumns.push_back(Parent);
  ChildColumns.push_back(Child);
}

void TEditReference::DeletePair(int Idx) {
  EDIT_REQUIRE(Idx >= 0 && Idx < (int)ParentColumns.size());
  ParentColumns.erase(ParentColumns.begin() + Idx);
  ChildColumns.erase(ChildColumns.begin() + Idx);
}

TColumn* TEditReference::GetPairColumn(int Side, int Idx) const {
  EDIT_REQUIRE(Idx >= 0 && Idx < (int)ParentColumns.size());
  const auto Pos = static_cast<std::size_t>(Idx);
  return Side == 0 ? ParentColumns[Pos] : ChildColumns[Pos];
}

void TEditReference::SetPairColumn(int Side, int Idx, TColumn* Column) {
  EDIT_REQUIRE(Idx >= 0 && Idx < (int)ParentColumns.size());
  const auto Pos = static_cast<std::size_t>(Idx);
  (Side == 0 ? ParentColumns[Pos] : ChildColumns[Pos]) = Column;
}

const char* TEditReference::CheckPairs(int Idx) const {
  // The answer is the loaded reference's; a pair it does not have has no finding there.
  if (!Reference || Idx < -1 || Idx >= Reference->GetPairCount()) return NULL;
  return Reference->CheckPairs(Idx);
}

TTable* TEditReference::GetParentTable() const {
  EDIT_REQUIRE(Reference);
  return Reference->GetParentTable();
}

TTable* TEditReference::GetChildTable() const {
  EDIT_REQUIRE(Reference);
  return Reference->GetChildTable();
}
