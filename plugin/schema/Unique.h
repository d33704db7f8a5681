// Unique constraints: items of a table's "Unique" list, each a list of column entries,
// written as a clause inside CREATE TABLE.
#pragma once

#include "plugin/framework/ParamObjectInfoMixin.h"
#include "plugin/framework/ParamObjectMixin.h"
#include "plugin/framework/ParamsList.h"

namespace Varne {

// One list: "Columns" of TUniqueColumns entries.
class TUniqueParams_P : public Morvik::TParamsList {
public:
  TUniqueParams_P();
};

using TUniqueParams = Morvik::TParamObjectInfoMixin<TUniqueParams_P>;

class TUnique : public Morvik::TParamObjectMixin<TUniqueParams> {
public:
  explicit TUnique(Morvik::TParent* Owner);

  // "UNIQUE (" and the entries' names joined by "," and ")".
  const char* Generate() override;
  // The same text, appended to Out.
  void WriteText(Morvik::TTextBuffer& Out) const;
  const char* Check(int Pos) const override;

private:
  const Morvik::TListParam& Columns() const;
};

} // namespace Varne
