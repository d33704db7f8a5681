// Editable mirror of a reference: name, parameters and column pairs. The pairs point at
// plug-in columns, which the mirror does not own.
#pragma once

#include "Interface/MorvikInterface.h"
#include "Interface/edit/DeletedColumns.h"
#include "Interface/edit/EditParamObject.h"
#include "Interface/edit/NameImpl.h"

#include <vector>

class TEditReference : public virtual Morvik::TReference, public TEditParamObject, public Morvik::TNameImpl {
public:
  explicit TEditReference(Morvik::TModelInfo* ModelInfo);
  ~TEditReference() override;

  void Load(Morvik::TReference* _Reference);
  // Writes name, parameters, comment and the pairs (rebuilt in the mirror's order). Every
  // pair must pair a column of the parent table with one of the child table.
  void Store();
  // Drops the pairs that use a column that storing a table deleted.
  void PrunePairs(const TDeletedColumns& Deleted);
  Morvik::TReference* GetTarget() const { return Reference; }

  // Morvik::TReference
  int GetPairCount() const override;
  void AddPair(Morvik::TColumn* Parent, Morvik::TColumn* Child) override;
  void DeletePair(int Idx) override;
  Morvik::TColumn* GetPairColumn(int Side, int Idx) const override;
  void SetPairColumn(int Side, int Idx, Morvik::TColumn* Column) override;
  const char* CheckPairs(int Idx) const override;
  Morvik::TTable* GetParentTable() const override;
  Morvik::TTable* GetChildTable() const override;

private:
  std::vector<Morvik::TColumn*> ParentColumns;
  std::vector<Morvik::TColumn*> ChildColumns;
  Morvik::TReference* Reference = nullptr;
};
