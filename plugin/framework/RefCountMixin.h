// Reference count of a shared plug-in object (parameter descriptions, list generators).
#pragma once

namespace Morvik {

// Starts with one holder; Release deletes the whole object when the last holder lets go.
class TRefCountMixin {
public:
  TRefCountMixin() = default;
  TRefCountMixin(const TRefCountMixin&) = delete;
  TRefCountMixin& operator=(const TRefCountMixin&) = delete;

  void AddRef() { ++count; }
  void Release() {
    if (--count == 0) delete this;
  }
  int GetRefCount() const { return count; }

  virtual ~TRefCountMixin() = default;

private:
  int count = 1;
};

} // namespace Morvik
