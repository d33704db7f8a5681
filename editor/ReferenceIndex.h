#pragma once
// The references of a model by the tables they join, made with one walk over the model, for
// deleting many entities one after another without walking every reference for each. It is
// told of every reference deleted while it lives; no reference may be added meanwhile.

#include "ui/PointerTable.h"

#include <vector>

namespace Morvik {
class TModel;
class TTable;
class TReference;
} // namespace Morvik

class TReferenceIndex {
public:
  explicit TReferenceIndex(const Morvik::TModel& Model);

  // The references that join Table (as parent or child) and were not deleted since, in the
  // model's order.
  std::vector<Morvik::TReference*> Of(const Morvik::TTable* Table) const;
  // Whether Reference was in the model when the index was made and is not deleted since.
  bool Contains(const Morvik::TReference* Reference) const;
  void Deleted(const Morvik::TReference* Reference);

private:
  ui::TPointerTable<std::vector<Morvik::TReference*>> FByTable;
  ui::TPointerTable<bool> FAlive;
};
