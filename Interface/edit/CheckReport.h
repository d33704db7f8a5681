// The model check: a walk over a model that collects every object's findings, with the
// findings that only the program tests, each with the location of the object concerned.
#pragma once

#include "Interface/MorvikInterface.h"
#include "Interface/edit/CheckRecord.h"

#include <memory>
#include <vector>

namespace Morvik {

class TCheckReport {
public:
  // Runs the whole walk over the model.
  explicit TCheckReport(TModel* Model);
  TCheckReport(const TCheckReport&) = delete;
  TCheckReport& operator=(const TCheckReport&) = delete;
  ~TCheckReport();

  int Count() const { return static_cast<int>(Records.size()); }
  // Record Idx in the order the walk found them.
  TCheckRecord* Record(int Idx) const;
  TModel* GetModel() const { return Model; }

private:
  friend class TCheckWalk;

  TModel* Model;
  std::vector<std::unique_ptr<TCheckRecord>> Records;
};

} // namespace Morvik
