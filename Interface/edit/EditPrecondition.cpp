#include "Interface/edit/EditPrecondition.h"

namespace Morvik {

EEditPrecondition::EEditPrecondition(const char* Condition)
    : std::logic_error(std::string("Assertion failed: ") + Condition + ", file Interface/edit"),
      condition(Condition) {}

void RaiseEditPrecondition(const char* Condition) { throw EEditPrecondition(Condition); }

}  // namespace Morvik
