#pragma once
// Runs an action when its scope ends, however it ends: the closing half of a pair of calls
// (begin and end of an update, a value set for a while and restored) that must stay paired
// when an exception passes. The action must not throw.

#include <utility>

namespace ui {

template <class F>
class TScopeGuard {
public:
  explicit TScopeGuard(F Action) : FAction(std::move(Action)) {}
  ~TScopeGuard() { FAction(); }
  TScopeGuard(const TScopeGuard&) = delete;
  TScopeGuard& operator=(const TScopeGuard&) = delete;

private:
  F FAction;
};

} // namespace ui
