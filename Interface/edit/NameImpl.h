// The renamable name of the table, column and reference mirrors.
#pragma once

#include "Interface/MorvikInterface.h"

#include <string>

namespace Morvik {

class TNameImpl : public virtual TVarNamedObject {
public:
  const char* GetName() const override { return Name.c_str(); }
  // NULL clears the name.
  void SetName(const char* NewName) override { Name = NewName ? NewName : ""; }

protected:
  TNameImpl() = default;
  ~TNameImpl() = default;

  std::string Name;
};

} // namespace Morvik
