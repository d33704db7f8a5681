// The part of a schema window that the test and fuzz hosts share: elements are made at zoom
// 1000 without handlers, and bind to the tables and references the readers hand them as the
// schema window binds (the entity shows its table's name and columns, the relation's label
// its reference's name).
#pragma once

#include "diagram/Entity.h"
#include "diagram/Relation.h"
#include "diagram/TextLabel.h"
#include "editor/AttributeRows.h"
#include "editor/SchemaHost.h"

#include "Interface/MorvikInterface.h"

#include <QString>

namespace testsupport {

class TBoundSchemaHost : public TSchemaHost {
public:
  int SchemaZoom() const override { return 1000; }
  TElementHandlers SchemaHandlers() override { return {}; }
  void BindEntityToTable(TEntity* Entity, Morvik::TTable* Table) override {
    Entity->SetTable(Table);
    Entity->SetCaption(QString::fromUtf8(Table->GetName()));
    FillAttributeRows(*Entity, *Table);
  }
  void BindRelationToReference(TRelation* Relation, Morvik::TReference* Reference) override {
    Relation->SetReference(Reference);
    if (Relation->MainLabel() && Reference)
      Relation->MainLabel()->SetCaption(QString::fromUtf8(Reference->GetName()));
  }
};

} // namespace testsupport
