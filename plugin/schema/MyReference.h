// The InterBase reference: a foreign key of the child table that refers to the parent
// table's primary key or one of its unique keys.
#pragma once

#include "plugin/framework/ParamObjectInfoMixin.h"
#include "plugin/framework/ParamsList.h"
#include "plugin/schema/ReferenceMixin.h"

namespace Varne {

// OnDelete, OnUpdate.
class TMyReferenceInfo_P : public Morvik::TParamsList {
public:
  TMyReferenceInfo_P();
};

using TMyReferenceInfo = Morvik::TParamObjectInfoMixin<TMyReferenceInfo_P>;

class TMyReference : public Morvik::TReferenceMixin<TMyReferenceInfo> {
public:
  TMyReference(Morvik::TParent* Owner, Morvik::TTable* Parent, Morvik::TTable* Child);

  // Whether the parent-side columns form the parent table's primary key, a unique column
  // or one of its unique constraints; only the whole reference (-1) is checked.
  const char* CheckPairs(int Idx) const override;
  // ALTER TABLE of the child table adding the foreign key.
  const char* Generate() override;
  // The same text, appended to Out.
  void WriteScript(Morvik::TTextBuffer& Out) const;
  const char* Check(int Pos) const override { return nullptr; }
  ~TMyReference() override = default;
};

// The static reference description.
Morvik::TParamObjectInfo* MyReferenceInfo();

} // namespace Varne
