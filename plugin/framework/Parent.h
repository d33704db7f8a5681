// The owner link that every plug-in parameter object carries.
#pragma once

#include "Interface/MorvikInterface.h"

namespace Morvik {

// The most derived class of an object constructs this part with the owner its own
// constructor received (there is deliberately no default constructor).
class TParent : public virtual TParamObject {
public:
  explicit TParent(TParent* Parent) : parent(Parent) {}
  TParent(const TParent&) = delete;
  TParent& operator=(const TParent&) = delete;

  // The owning object, or NULL for an object without owner (the model).
  virtual TParent* GetParent() const { return parent; }
  ~TParent() override = default;

private:
  TParent* const parent;
};

} // namespace Morvik
