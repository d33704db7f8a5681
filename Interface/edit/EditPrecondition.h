// Precondition checks of the editable mirrors and the check report. They are active in
// every build: a violated condition is a programming error of the caller, raised as an
// exception whose text names the condition and this folder, so that the caller can show it
// instead of reading out of range.
#pragma once

#include <stdexcept>
#include <string>

namespace Morvik {

class TParamObjectInfo;

class EEditPrecondition : public std::logic_error {
public:
  explicit EEditPrecondition(const char* Condition);
  const char* Condition() const { return condition.c_str(); }

private:
  std::string condition;
};

[[noreturn]] void RaiseEditPrecondition(const char* Condition);

// The description a mirror is built over, checked before any member is built from it.
TParamObjectInfo* RequireParamObjectInfo(TParamObjectInfo* _ParamObjectInfo);

} // namespace Morvik

// Checks COND and raises EEditPrecondition with its source text when it does not hold.
#define EDIT_REQUIRE(COND)                                                                                   \
  do {                                                                                                       \
    if (!(COND)) ::Morvik::RaiseEditPrecondition(#COND);                                                     \
  } while (false)
