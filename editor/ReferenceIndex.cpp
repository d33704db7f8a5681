#include "editor/ReferenceIndex.h"

#include "Interface/MorvikInterface.h"

TReferenceIndex::TReferenceIndex(const Morvik::TModel& Model) {
  for (int i = 0; i < Model.GetReferenceCount(); ++i) {
    Morvik::TReference* reference = Model.GetReference(i);
    if (!reference) continue;
    FAlive[reference] = true;
    const Morvik::TTable* parent = reference->GetParentTable();
    const Morvik::TTable* child = reference->GetChildTable();
    if (parent) FByTable[parent].push_back(reference);
    if (child && child != parent) FByTable[child].push_back(reference);
  }
}

std::vector<Morvik::TReference*> TReferenceIndex::Of(const Morvik::TTable* Table) const {
  std::vector<Morvik::TReference*> alive;
  if (const auto* references = FByTable.Find(Table))
    for (Morvik::TReference* reference : *references)
      if (FAlive.Contains(reference)) alive.push_back(reference);
  return alive;
}

bool TReferenceIndex::Contains(const Morvik::TReference* Reference) const {
  return FAlive.Contains(Reference);
}

void TReferenceIndex::Deleted(const Morvik::TReference* Reference) { FAlive.Remove(Reference); }
