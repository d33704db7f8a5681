// The columns that storing a table mirror deleted from its plug-in table. Columns are held
// as identities taken while they still existed, so that the report can be compared with
// pointers to columns that are gone without ever reaching them.
#pragma once

#include "Interface/MorvikInterface.h"

#include <cstdint>
#include <vector>

class TDeletedColumns {
public:
  void Add(const Morvik::TColumn* Column) { Identities.push_back(IdentityOf(Column)); }
  void Append(const TDeletedColumns& Other) {
    Identities.insert(Identities.end(), Other.Identities.begin(), Other.Identities.end());
  }
  bool Contains(const Morvik::TColumn* Column) const {
    const std::uintptr_t Identity = IdentityOf(Column);
    for (std::uintptr_t Deleted : Identities)
      if (Deleted == Identity) return true;
    return false;
  }
  int Count() const { return static_cast<int>(Identities.size()); }
  bool Empty() const { return Identities.empty(); }

private:
  static std::uintptr_t IdentityOf(const Morvik::TColumn* Column) {
    return reinterpret_cast<std::uintptr_t>(Column);
  }

  std::vector<std::uintptr_t> Identities;
};
