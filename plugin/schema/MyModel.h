// The InterBase model: the schema's tables and references, the model parameters with the
// lists of schema-level objects, the whole script and the check of the model's parameters.
#pragma once

#include "plugin/schema/ModelLookups.h"
#include "plugin/schema/ModelMixin.h"
#include "plugin/schema/MyModelInfo.h"
#include "plugin/schema/MyReference.h"
#include "plugin/schema/MyTable.h"

namespace Varne {

class TMyModel : public virtual Morvik::TVectorsModel,
                 public virtual Morvik::TModelMixin<TMyModelInfo, TMyTable, TMyReference> {
public:
  TMyModel();

  // The whole script: comment, database, shadow, domains, generators, exceptions, roles,
  // every table with its indexes, every reference, views, procedures, and last the triggers
  // of every table. With Drop on, the statements that drop all of these come before the
  // first domain, in the reverse order, tables with children before their parents.
  const char* Generate() override;
  // "Must be specified" for an empty database file, shadow set number or shadow file.
  const char* Check(int Pos) const override;
  void Release() override { delete this; }
  Morvik::TReverse* GetReverse() override { return nullptr; }
  const Morvik::VTabs& GetTables() const override { return Tables(); }
  const Morvik::VRefs& GetReferences() const override { return References(); }
  // The containers' own operations; each also tells the lookups that the model changed.
  Morvik::TTable* NewTable() override;
  void DeleteTable(Morvik::TTable* Table) override;
  Morvik::TReference* NewReference(Morvik::TTable* Parent, Morvik::TTable* Child) override;
  void DeleteReference(Morvik::TReference* Reference) override;
  // What the checks of the model's objects look up over the whole model; checks only read
  // the model, so the lookups they gather serve even a const model.
  TModelLookups& Lookups() const { return lookups; }
  ~TMyModel() override = default;

private:
  void GenerateDataBase();
  void GenerateShadow();
  void GenerateDrops();

  mutable TModelLookups lookups;
};

} // namespace Varne
