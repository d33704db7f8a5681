// The InterBase reference: a foreign key of the child table that refers to the parent
// table's primary key or one of its unique keys.
#pragma once

#include <vector>

#include "plugin/framework/ParamObjectInfoMixin.h"
#include "plugin/framework/ParamsList.h"
#include "plugin/schema/ReferenceMixin.h"
#include "plugin/schema/ScriptItem.h"

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
  const char* Generate() override { return Varne::GenerateScript(*this, output); }

  // Whether the parent-side columns form the parent table's primary key, a unique column
  // or one of its unique constraints; only the whole reference (-1) is checked.
  const char* CheckPairs(int Idx) const override;
  // ALTER TABLE of the child table adding the foreign key, appended to Out. The pairs are
  // written in the order of the key that CheckPairs matches, whatever their stored order: the
  // server looks for a key with the referenced columns in that order.
  void WriteScript(Morvik::TTextBuffer& Out) const;
  // ALTER TABLE of the child table dropping the named foreign key; nothing for a reference
  // without a name, whose constraint has no name known before the server gives it one.
  void WriteDrop(Morvik::TTextBuffer& Out) const;
  // While the model's Drop is on, the whole reference (-1) is reported when it has no name
  // and lies on a cycle of such keys: no order of DROP TABLE statements can remove its tables.
  const char* Check(int Pos) const override;
  // Whether a key has a name decides what the model's check finds: a rename tells its lookups.
  void SetName(const char* Name) override;
  ~TMyReference() override = default;

private:
  // Whether the parent-side columns form the parent table's primary key, a unique column or
  // one of its unique constraints (in that order of preference). When they do and Order is
  // given, it receives the pair indexes in the order of that key's columns.
  bool MatchesKey(std::vector<int>* Order) const;
};

// The static reference description.
Morvik::TParamObjectInfo* MyReferenceInfo();

} // namespace Varne
