// The renamable name of tables, columns and references.
#pragma once

#include <string>

#include "Interface/MorvikInterface.h"

namespace Morvik {

class TVarNamedMixin : public virtual TVarNamedObject {
public:
  // The text is copied; NULL stores "".
  void SetName(const char* Name) override { name = Name ? Name : ""; }
  const char* GetName() const override { return name.c_str(); }
  // The stored name itself, for the plug-in's own writers.
  const std::string& NameString() const { return name; }

protected:
  TVarNamedMixin() = default;
  ~TVarNamedMixin() = default;

private:
  std::string name;
};

} // namespace Morvik
