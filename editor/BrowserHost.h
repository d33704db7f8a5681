// What the component browser and the error list need of their schema window. The schema
// window implements it; tests use a small fake.
#pragma once

#include "editor/ModifiedKind.h"

class QPoint;
class QWidget;
class TEntity;
class TMorvikGraphic;
class TRelation;
class TVisualModel;
namespace Morvik {
class TCheckRecord;
class TModel;
}

class TBrowserHost {
public:
  // The window's document; never null.
  virtual TVisualModel* DesignDocument() = 0;
  // The bound plug-in model, or null while none is bound.
  virtual Morvik::TModel* DesignModel() = 0;

  // Scrolls the desktop so that Element is in view and makes it the only selected element.
  virtual void LocateElement(TMorvikGraphic* Element) = 0;
  // Opens the pop-up menu of Element's kind (entity, note, project information, text label,
  // relation) at the screen position Pos.
  virtual void PopupElementMenu(TMorvikGraphic* Element, const QPoint& Pos) = 0;

  // The property dialogs, opened at a check finding; true when the user confirmed.
  virtual bool EditModelAt(const Morvik::TCheckRecord* Record) = 0;
  virtual bool EditEntityAt(TEntity* Entity, const Morvik::TCheckRecord* Record) = 0;
  virtual bool EditRelationAt(TRelation* Relation, const Morvik::TCheckRecord* Record) = 0;
  // Marks the schema modified (a structural kind re-runs the check).
  virtual void SetModified(bool Modified, TModifiedKind Kind) = 0;

  // A docked browser was hidden and has left its panel, which gives its room back.
  virtual void DockedWindowHidden(QWidget* Window) = 0;

protected:
  ~TBrowserHost() = default;
};
