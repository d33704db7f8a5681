#include "Interface/edit/EditTable.h"

#include "Interface/edit/EditPrecondition.h"

#include <utility>

using namespace Morvik;

namespace {

TParamObjectInfo* TableInfoOf(TModelInfo* ModelInfo) {
  EDIT_REQUIRE(ModelInfo != NULL);
  return ModelInfo->GetTableInfo();
}

} // namespace

TEditTable::TEditTable(TModelInfo* _ModelInfo)
    : TEditParamObject(TableInfoOf(_ModelInfo)), ModelInfo(_ModelInfo),
      ColumnEditor(std::make_unique<TEditColumn>(_ModelInfo)) {}

TEditTable::~TEditTable() = default;

void TEditTable::Load(TTable* _Table) {
  EDIT_REQUIRE(_Table);
  std::vector<std::unique_ptr<TEditColumn>> Loaded;
  const int Count = _Table->GetColumnCount();
  Loaded.reserve(static_cast<std::size_t>(Count));
  for (int i = 0; i < Count; ++i) {
    auto Column = std::make_unique<TEditColumn>(ModelInfo);
    Column->Load(_Table->GetColumn(i));
    Loaded.push_back(std::move(Column));
  }
  TEditParamObject::Load(_Table);
  Table = _Table;
  TNameImpl::SetName(_Table->GetName());
  for (const auto& Column : Columns) Forget(Column.get());
  Columns = std::move(Loaded);
}

TDeletedColumns TEditTable::Store() {
  EDIT_REQUIRE(Table);
  // Every bound column mirror must find its own plug-in column in the table, and no two
  // mirrors may share one; this is settled before the table changes.
  const int PluginCount = Table->GetColumnCount();
  std::vector<bool> Claimed(static_cast<std::size_t>(PluginCount), false);
  for (const auto& c : Columns) {
    if (c->IsNew()) continue;
    int j = 0;
    while (j < PluginCount && (Claimed[static_cast<std::size_t>(j)] || Table->GetColumn(j) != c->Column)) ++j;
    EDIT_REQUIRE(j != Table->GetColumnCount());
    Claimed[static_cast<std::size_t>(j)] = true;
  }

  TEditParamObject::Store(Table);
  Table->SetName(Name.c_str());
  const int MirrorCount = static_cast<int>(Columns.size());
  for (int i = 0; i < MirrorCount; ++i) {
    TEditColumn& c = *Columns[static_cast<std::size_t>(i)];
    int j;
    if (!c.IsNew()) {
      // Positions below i already hold the columns placed in earlier steps.
      j = i;
      while (j < Table->GetColumnCount() && Table->GetColumn(j) != c.Column) ++j;
      EDIT_REQUIRE(j != Table->GetColumnCount());
    } else {
      c.Column = Table->AddColumn();
      j = Table->GetColumnCount() - 1;
    }
    c.Store();
    if (i != j) Table->ExchangeColumns(i, j);
  }
  // Behind the mirror's columns stand the columns that the user deleted. Each is
  // reported before it goes; the plug-in drops the reference pairs that use it.
  TDeletedColumns StoreDeleted;
  while (Table->GetColumnCount() > MirrorCount) {
    StoreDeleted.Add(Table->GetColumn(MirrorCount));
    Table->DeleteColumn(MirrorCount);
  }
  Deleted.Append(StoreDeleted);
  return StoreDeleted;
}

TEditColumn* TEditTable::EditNewColumn() {
  AddColumn();
  ColumnEditor->Load(Columns.back().get());
  return ColumnEditor.get();
}

TEditColumn* TEditTable::EditColumn(int Idx) {
  EDIT_REQUIRE(Idx >= 0 && Idx < (int)Columns.size());
  ColumnEditor->Load(Columns[static_cast<std::size_t>(Idx)].get());
  return ColumnEditor.get();
}

void TEditTable::DropLastColumn() {
  EDIT_REQUIRE(!Columns.empty());
  Forget(Columns.back().get());
  Columns.pop_back();
}

void TEditTable::Forget(TEditColumn* Column) {
  // The column editor must not store into a mirror that is gone.
  if (ColumnEditor->Column == Column) ColumnEditor->Column = nullptr;
}

int TEditTable::GetColumnCount() const { return static_cast<int>(Columns.size()); }

TColumn* TEditTable::GetColumn(int Idx) const {
  EDIT_REQUIRE(Idx >= 0 && Idx < (int)Columns.size());
  return Columns[static_cast<std::size_t>(Idx)].get();
}

TColumn* TEditTable::AddColumn() {
  Columns.push_back(std::make_unique<TEditColumn>(ModelInfo));
  return Columns.back().get();
}

void TEditTable::DeleteColumn(int Idx) {
  EDIT_REQUIRE(Idx >= 0 && Idx < (int)Columns.size());
  Forget(Columns[static_cast<std::size_t>(Idx)].get());
  Columns.erase(Columns.begin() + Idx);
}

void TEditTable::ExchangeColumns(int Idx1, int Idx2) {
  EDIT_REQUIRE(Idx1 >= 0 && Idx1 < (int)Columns.size());
  EDIT_REQUIRE(Idx2 >= 0 && Idx2 < (int)Columns.size());
  std::swap(Columns[static_cast<std::size_t>(Idx1)], Columns[static_cast<std::size_t>(Idx2)]);
}

int IndexOfColumn(const TTable* Table, const TColumn* Column) {
  EDIT_REQUIRE(Table);
  for (int i = 0; i < Table->GetColumnCount(); ++i)
    if (Table->GetColumn(i) == Column) return i;
  return -1;
}
