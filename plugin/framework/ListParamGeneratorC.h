// Factory of the list object of one list parameter, held by a static parameter list.
#pragma once

#include "Interface/MorvikInterface.h"
#include "plugin/framework/RefCountMixin.h"

namespace Morvik {

class TListParamGeneratorC : public virtual TRefCountMixin {
public:
  // A new, empty list whose items will be owned by Owner; the caller owns the list.
  virtual TListParam* Create(TParent* Owner) const = 0;
  ~TListParamGeneratorC() override = default;
};

} // namespace Morvik
