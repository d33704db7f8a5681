// The one static instance of a description class (a parameter list, a model or type
// description), built at load behind a built flag and destroyed at unload.
#pragma once

#include <cassert>
#include <new>

namespace Morvik {

// Several units may build the same instance: Build does the work only while the flag is
// clear. Destroy runs the destructor only while the flag is set and clears it, so an
// instance shared by two units is destroyed once. The storage is static and never freed;
// it needs no dynamic initialisation, so it is ready before any load-time code runs.
template <class T>
class TStaticInstance {
public:
  static bool IsBuilt() { return built; }

  static T& Build() {
    if (!built) {
      ::new (static_cast<void*>(storage)) T();
      built = true;
    }
    return Get();
  }

  static void Destroy() {
    if (built) {
      built = false;
      std::launder(reinterpret_cast<T*>(storage))->~T();
    }
  }

  static T& Get() {
    assert(built && "static description used before it was built");
    return *std::launder(reinterpret_cast<T*>(storage));
  }

private:
  alignas(T) static inline unsigned char storage[sizeof(T)] = {};
  static inline bool built = false;
};

} // namespace Morvik
