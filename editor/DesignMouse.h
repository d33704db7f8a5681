#pragma once
// The mouse of a schema window: the current drawing tool routes every press, move, release
// and double click on the desktop, on its elements and on their selection handles to
// selecting, moving, resizing, panning, zooming and the creation of new elements. It holds
// the state of the drag under way and the controls that live only during one drag (rubber
// band, creation box, group box, relation line); a drag whose element goes away ends
// without leaving any of them behind.

#include "diagram/ResizeBox.h"
#include "editor/CreateComp.h"
#include "editor/DesignHost.h"
#include "ui/Types.h"

#include <memory>

class TEntity;
class TfrmDesign;
class TMorvikGraphic;
class TRectangle;
class TRelation;
class TResizeLine;
class TSelectingRect;
namespace ui {
class TComponent;
class TControl;
}

class TDesignMouse {
public:
  explicit TDesignMouse(TfrmDesign& Design);
  // Frees the controls of a drag under way (they stand on the window's desktop).
  ~TDesignMouse();
  TDesignMouse(const TDesignMouse&) = delete;
  TDesignMouse& operator=(const TDesignMouse&) = delete;

  // The handlers every element and handle of the window gets; they route by the kind of
  // the sender.
  TElementHandlers ElementHandlers();

  // The desktop where no element is (desktop positions).
  void sbxDesktopMouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y);
  void sbxDesktopMouseMove(ui::TShiftState Shift, int X, int Y);
  void sbxDesktopMouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y);

  // Element and handle events (coordinates are the sender's own).
  void RectangleMouseDown(TRectangle* Element, ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y);
  void RectangleMouseMove(TRectangle* Element, ui::TShiftState Shift, int X, int Y);
  void RectangleMouseUp(TRectangle* Element, ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y);
  void ElementDblClick(TMorvikGraphic* Element);
  void RelationMouseDown(TRelation* Relation, ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y);
  void RelationMouseMove(TRelation* Relation, ui::TShiftState Shift, int X, int Y);
  void RelationMouseUp(TRelation* Relation, ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y);
  void EntryPointMouseDown(ui::TControl* Point, ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y);
  void EntryPointMouseMove(ui::TControl* Point, ui::TShiftState Shift, int X, int Y);
  void ResizeBoxMouseDown(TResizeBox* Box, ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y);
  void ResizeBoxMouseMove(TResizeBox* Box, ui::TShiftState Shift, int X, int Y);
  void ResizeBoxMouseUp(TResizeBox* Box, ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y);
  void ResizeLineMouseDown(TResizeLine* Handle, ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y);
  void ResizeLineMouseMove(TResizeLine* Handle, ui::TShiftState Shift, int X, int Y);
  // Zooms in (left) or out (right) at (X, Y), a desktop position.
  void ZoomClick(ui::TMouseButton Button, int X, int Y);

  // Desktop positions (X, Y) of the event.
  void StartRubberBand(ui::TShiftState Shift, int X, int Y);
  void DragRubberBand(ui::TShiftState Shift, int X, int Y);
  void EndRubberBand(ui::TShiftState Shift);
  // (X, Y): the event in the coordinates of the handle box under the mouse.
  void MoveSelection(TResizeBox* Box, int X, int Y);
  void EndMove();
  void ResizeBy(TResizeBox* Box, int X, int Y);
  void EndResize(TResizeBox* Box);
  void StartPan(int X, int Y);
  void Pan(ui::TShiftState Shift, int X, int Y);

  void StartCreationBox(int X, int Y);
  void DragCreationBox(int X, int Y);
  void FreeCreationBox();
  // The placement of a new box at a release at (X, Y): the creation box cut to the desktop,
  // or the point when there is none.
  ui::TRect PlacementRect(int X, int Y) const;
  void StartRelationDrag(TRectangle* Element, ui::TShiftState Shift, int X, int Y);
  void DragRelation(ui::TShiftState Shift, int X, int Y);
  TRelation* EndRelationDrag(ui::TShiftState Shift, int X, int Y);

  // The tool of the window's host (the arrow without one, or for a value out of range).
  TDesignTool CurrentTool() const;
  // Back to the arrow unless the tool is sticky.
  void ToolUsed();

  // Component is going away: a drag that holds it ends, and its controls go.
  void Forget(const ui::TComponent* Component);
  // The selection is about to change: a move under way ends without placing anything.
  void SelectionChanging();

  // The state of the drag under way, for the window's tests and commands.
  bool MouseDownInside() const { return FMouseDownInside; }
  bool Moving() const { return FMoving; }
  bool RubberBanding() const { return FRubberBanding; }
  TSelectingRect* RubberBand() const { return FRubberBand; }
  bool RelationDragging() const { return FRelationDragging; }
  TSelectingRect* RelationLine() const { return FRelationLine; }

private:
  // Scrolls 20 pixels towards a cursor (desktop position) outside the visible part.
  void AutoScroll(int X, int Y);
  // SelectOnly, then the menu pops up at (X, Y) of Element.
  void ShowPopup(TMorvikGraphic* Element, int X, int Y, TDesignMenu Menu);
  // Menu pops up at the desktop position P.
  void PopupAt(TDesignMenu Menu, ui::TPoint P);
  // Ends a move or resize under way without placing anything; the group outline goes.
  void AbandonMove();
  void FreeRelationLine();
  // Takes the owner of a control that lives only during one drag; the desktop stays its
  // parent.
  template <class T>
  T* Transient(T* Control);

  TfrmDesign& FDesign;
  // Drawn on the desktop, but owned apart from the elements: no element points at these, so
  // their removal need not be told to every element of a large desktop.
  std::unique_ptr<ui::TComponent> FTransientOwner;

  bool FMouseDownInside = false;
  bool FMoving = false;
  TResizeBox* FGroupBox = nullptr;
  THandleCode FResizeHandle = hcNone;
  ui::TPoint FGrabOffset{0, 0};
  ui::TPoint FMouseDownPoint{0, 0};
  bool FRubberBanding = false;
  TSelectingRect* FRubberBand = nullptr;
  ui::TPoint FRubberStart{0, 0};
  ui::TPoint FPanPoint{0, 0};
  TResizeBox* FCreationBox = nullptr;
  ui::TPoint FCreationStart{0, 0};
  bool FRelationDragging = false;
  TSelectingRect* FRelationLine = nullptr;
  ui::TPoint FRelationStart{0, 0};
  TRectangle* FRelationBase = nullptr;
  // A double click was handled: the press and release that follow it do nothing more.
  bool FAfterDblClick = false;
};
