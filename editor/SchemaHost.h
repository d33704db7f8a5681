#pragma once
// What the schema file's readers need of the schema window that receives the elements: the
// desktop that owns them, the document that lists them, the bound plug-in model, the zoom
// and handlers of new elements, the binding of elements to plug-in objects and the component
// browser. The schema window implements it; tests use a small fake.

#include "editor/CreateComp.h"

class TVisualModel;
class TEntity;
class TRelation;
class TMorvikGraphic;
namespace ui {
class TDesktop;
}
namespace Morvik {
class TModel;
class TTable;
class TReference;
} // namespace Morvik

class TSchemaHost {
public:
  virtual ~TSchemaHost() = default;

  // Owner and parent of every element the readers create.
  virtual ui::TDesktop* SchemaDesktop() = 0;
  virtual TVisualModel& SchemaDocument() = 0;
  // The bound model, which gets the new tables and references; null while none is bound.
  virtual Morvik::TModel* SchemaModel() = 0;
  // The zoom per mille that new elements are made at (the readers are called at 1000).
  virtual int SchemaZoom() const = 0;
  virtual TElementHandlers SchemaHandlers() = 0;

  // The element shows its plug-in object: an entity its table's name and columns, a relation
  // its reference (and its label the reference's name).
  virtual void BindEntityToTable(TEntity* Entity, Morvik::TTable* Table) = 0;
  virtual void BindRelationToReference(TRelation* Relation, Morvik::TReference* Reference) = 0;
  // The element is to be listed in the component browser (entities, notes, entry points, the
  // project-information block, complete relations and free text labels).
  virtual void AddToBrowser(TMorvikGraphic* Element) = 0;
};
