#include "Interface/edit/EditPrecondition.h"

#include <cstddef>

namespace Morvik {

EEditPrecondition::EEditPrecondition(const char* Condition)
    : std::logic_error(std::string("Assertion failed: ") + Condition + ", file Interface/edit"),
      condition(Condition) {}

void RaiseEditPrecondition(const char* Condition) { throw EEditPrecondition(Condition); }

TParamObjectInfo* RequireParamObjectInfo(TParamObjectInfo* _ParamObjectInfo) {
  EDIT_REQUIRE(_ParamObjectInfo != NULL); // the text callers see
  return _ParamObjectInfo;
}

} // namespace Morvik
