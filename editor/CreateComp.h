#pragma once
// One factory per kind of desktop element: owner and parent, the look of the kind's sample
// of the current design settings, the zoom (M / D), the name and content, the bounds and
// the schema window's handlers, always in this order. The factories do not register the
// element in the document or the browser; the callers do. Positions and sizes are held
// within the largest desktop at the zoom (TDesignSamples::MaxDesktopPix * M / D).

#include "diagram/Relation.h"
#include "diagram/ResizeBox.h"
#include "diagram/SelectingRect.h"
#include "ui/Types.h"

#include <QDateTime>
#include <QString>

namespace ui {
class TDesktop;
class TImageList;
}
class TEntity;
class TNote;
class TProjectInfo;
class TTextLabel;
class TEntryPoint;
class TRectangle;
class TLine;

// The schema window's handlers given to an element.
struct TElementHandlers {
  ui::TMouseEvent OnMouseDown;
  ui::TMouseMoveEvent OnMouseMove;
  ui::TMouseEvent OnMouseUp;
  ui::TNotifyEvent OnDblClick;
};

// The icons of key attributes that new entities show (the data module's image list);
// null until it is registered.
void SetDesignImages(ui::TImageList* Images);
ui::TImageList* DesignImages();

// A position or size from outside (a file, the clipboard, a dialog) held within the largest
// desktop at the zoom M / D, so that no later arithmetic on it leaves the integer range. Takes
// a wider type, so that a sum of two stored values can be held before it is narrowed.
int WithinDesktop(long long Value, int M, int D);

TEntity* CreateEntity(ui::TDesktop* Desktop, int M, int D, const QString& Name, const QString& Caption,
                      int Left, int Top, int Width, int Height, bool DrawAll, bool IsNew, bool AutoSize,
                      const TElementHandlers& Handlers);

// Text: the note's lines, separated by line breaks.
TNote* CreateNote(ui::TDesktop* Desktop, int M, int D, const QString& Name, const QString& Text, int Left,
                  int Top, int Width, int Height, bool AutoSize, const TElementHandlers& Handlers);

TProjectInfo* CreateProjectInfo(ui::TDesktop* Desktop, int M, int D, const QString& Name, int Left, int Top,
                                bool Visible, const QString& Author, const QString& Firm,
                                const QString& Project, const QString& Version, const QString& Model,
                                const QString& SubModel, const QString& DBServer, const QDateTime& CreatedAt,
                                const QDateTime& UpdatedAt, const TElementHandlers& Handlers);

// Always with the look of relation labels; a free label's caller gives it its own look.
TTextLabel* CreateTextLabel(ui::TDesktop* Desktop, int M, int D, const QString& Name, const QString& Caption,
                            int Left, int Top, const TElementHandlers& Handlers);

// Null (and nothing left behind) when Entity already has an entry point.
TEntryPoint* CreateEntryPoint(ui::TDesktop* Desktop, int M, int D, const QString& Name, TRectangle* Entity,
                              const TElementHandlers& Handlers);

// Null unless one end is an entity and the other an entity, a note or a free text label;
// an entity base with another kind of target is swapped, anchors with their ends, so that
// a note or label is always the base. rkNone chooses the kind.
TRelation* CreateRelation(ui::TDesktop* Desktop, int M, int D, const QString& Name, TRectangle* Base,
                          int BaseX, int BaseY, TRectangle* Target, int TargetX, int TargetY,
                          TRelationKind Kind, const TElementHandlers& Handlers);

// With a Host the box takes the host's bounds and the name "ResBox_" + host name.
TResizeBox* CreateResizeBox(ui::TDesktop* Desktop, int M, int D, int Left, int Top, int Width, int Height,
                            TResizeState State, bool EnableResize, bool EnableMove, TRectangle* Host,
                            bool Visible, const TElementHandlers& Handlers);

// The two end handles "ResLine_" + line name + "_B" and "_T".
void CreateResizeLine(ui::TDesktop* Desktop, int M, int D, bool Visible, TLine* Host,
                      const TElementHandlers& Handlers);

TSelectingRect* CreateSelectingRect(ui::TDesktop* Desktop, int Left, int Top, int Width, int Height,
                                    TSelectingType Mode);
