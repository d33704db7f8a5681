// The number of the diagram error a call raises, for tests that expect one.
#pragma once

#include "diagram/Errors.h"

#include <functional>

// The error number of the EMorvikError that Action raises, or 0 when it raises none; Check,
// when given, looks at the raised error as well.
inline int ErrorNumberOf(const std::function<void()>& Action,
                         const std::function<void(const EMorvikError&)>& Check = {}) {
  try {
    Action();
  } catch (const EMorvikError& e) {
    if (Check) Check(e);
    return e.ErrorCode();
  }
  return 0;
}
