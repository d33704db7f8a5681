// The schema window's mouse tools: the dispatch of every mouse event on the desktop, its
// elements and their handles by the current tool; moving, resizing, panning, zooming, and
// the drags that create new elements. Every position here is a desktop position unless a
// handler says otherwise.

#include "editor/DesignMouse.h"

#include "diagram/Entity.h"
#include "diagram/EntryPoint.h"
#include "diagram/Note.h"
#include "diagram/ProjectInfo.h"
#include "diagram/Relation.h"
#include "diagram/ResizeBox.h"
#include "diagram/ResizeLine.h"
#include "diagram/ScrolledScrollBox.h"
#include "diagram/SelectingRect.h"
#include "diagram/TextLabel.h"
#include "editor/VisualModel.h"
#include "editor/frmDesign.h"

#include <QString>
#include <algorithm>

namespace {

// How far the view scrolls towards a cursor outside it, per event.
constexpr int AutoScrollStep = 20;

bool Has(ui::TShiftState Shift, ui::TShiftFlag Flag) { return (Shift & Flag) != 0; }

// The tools that select and move with a press on an existing box.
bool IsSelectingTool(TDesignTool Tool) {
  return Tool == toolArrow || Tool == toolEntity || Tool == toolNote || Tool == toolProjectInfo;
}

// The schema element or handle an event comes from, or null for anything else.
TMorvikAbstract* ElementOf(ui::TObject* Sender) { return dynamic_cast<TMorvikAbstract*>(Sender); }

// The relation whose label Element is, or null.
TRelation* RelationOfLabel(const TMorvikAbstract* Element) {
  return Element && Element->DiagramKind() == TDiagramKind::TextLabel
             ? static_cast<const TTextLabel*>(Element)->Relation()
             : nullptr;
}

// The point (X, Y) of From in the coordinates of To (both on the desktop); To null: the
// desktop position.
ui::TPoint Translate(const ui::TControl* From, int X, int Y, const ui::TControl* To = nullptr) {
  ui::TPoint p{From->Left() + X, From->Top() + Y};
  if (To) p = ui::TPoint{p.x - To->Left(), p.y - To->Top()};
  return p;
}

// The position that keeps a box of this size inside the desktop.
ui::TPoint InsideDesktop(const ui::TControl* Box, int HorzRange, int VertRange) {
  int left = Box->Left(), top = Box->Top();
  if (left + Box->Width() > HorzRange) left = HorzRange - Box->Width();
  if (top + Box->Height() > VertRange) top = VertRange - Box->Height();
  return ui::TPoint{std::max(left, 0), std::max(top, 0)};
}

} // namespace

TDesignMouse::TDesignMouse(TfrmDesign& Design)
    : FDesign(Design), FTransientOwner(std::make_unique<ui::TComponent>(nullptr)) {}

TDesignMouse::~TDesignMouse() {
  FTransientOwner.reset();
  delete FCreationBox;
}

template <class T>
T* TDesignMouse::Transient(T* Control) {
  if (Control) FTransientOwner->InsertComponent(Control);
  return Control;
}

// ---- Dispatch ----------------------------------------------------------------------------

TDesignTool TDesignMouse::CurrentTool() const {
  const TDesignTool tool = FDesign.Host() ? FDesign.Host()->Tool() : toolArrow;
  return tool >= toolArrow && tool <= toolZoom ? tool : toolArrow;
}

void TDesignMouse::ToolUsed() {
  if (FDesign.Host() && !FDesign.Host()->StickyTool()) FDesign.Host()->SetTool(toolArrow);
}

TElementHandlers TDesignMouse::ElementHandlers() {
  TElementHandlers h;
  h.OnMouseDown = [this](ui::TObject* s, ui::TMouseButton b, ui::TShiftState sh, int x, int y) {
    TMorvikAbstract* e = ElementOf(s);
    switch (e ? e->DiagramKind() : TDiagramKind::Other) {
      case TDiagramKind::ResizeBox: ResizeBoxMouseDown(static_cast<TResizeBox*>(e), b, sh, x, y); break;
      case TDiagramKind::ResizeLine: ResizeLineMouseDown(static_cast<TResizeLine*>(e), b, sh, x, y); break;
      case TDiagramKind::Relation: RelationMouseDown(static_cast<TRelation*>(e), b, sh, x, y); break;
      case TDiagramKind::EntryPoint: EntryPointMouseDown(e, b, sh, x, y); break;
      case TDiagramKind::Other: break;
      default: RectangleMouseDown(AsBox(e), b, sh, x, y); break;
    }
  };
  h.OnMouseMove = [this](ui::TObject* s, ui::TShiftState sh, int x, int y) {
    TMorvikAbstract* e = ElementOf(s);
    switch (e ? e->DiagramKind() : TDiagramKind::Other) {
      case TDiagramKind::ResizeBox: ResizeBoxMouseMove(static_cast<TResizeBox*>(e), sh, x, y); break;
      case TDiagramKind::ResizeLine: ResizeLineMouseMove(static_cast<TResizeLine*>(e), sh, x, y); break;
      case TDiagramKind::Relation: RelationMouseMove(static_cast<TRelation*>(e), sh, x, y); break;
      case TDiagramKind::EntryPoint: EntryPointMouseMove(e, sh, x, y); break;
      case TDiagramKind::Other: break;
      default: RectangleMouseMove(AsBox(e), sh, x, y); break;
    }
  };
  h.OnMouseUp = [this](ui::TObject* s, ui::TMouseButton b, ui::TShiftState sh, int x, int y) {
    TMorvikAbstract* e = ElementOf(s);
    switch (e ? e->DiagramKind() : TDiagramKind::Other) {
      case TDiagramKind::ResizeBox: ResizeBoxMouseUp(static_cast<TResizeBox*>(e), b, sh, x, y); break;
      case TDiagramKind::Relation: RelationMouseUp(static_cast<TRelation*>(e), b, sh, x, y); break;
      // Releases of line-end handles and entry points do nothing.
      case TDiagramKind::ResizeLine:
      case TDiagramKind::EntryPoint:
      case TDiagramKind::Other: break;
      default: RectangleMouseUp(AsBox(e), b, sh, x, y); break;
    }
  };
  h.OnDblClick = [this](ui::TObject* s) {
    TMorvikAbstract* e = ElementOf(s);
    if (!e) return;
    if (e->DiagramKind() == TDiagramKind::ResizeBox) {
      if (TRectangle* host = static_cast<TResizeBox*>(e)->Host()) ElementDblClick(host);
    } else if (e->IsBox() || e->DiagramKind() == TDiagramKind::Relation) {
      ElementDblClick(static_cast<TMorvikGraphic*>(e));
    }
  };
  return h;
}

void TDesignMouse::sbxDesktopMouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) {
  if (Has(Shift, ui::ssDouble)) return;
  FAfterDblClick = false;
  FMouseDownInside = X >= 0 && Y >= 0 && X <= FDesign.HorzRange() && Y <= FDesign.VertRange();
  if (!FMouseDownInside) return;
  switch (CurrentTool()) {
    case toolArrow: StartRubberBand(Shift, X, Y); break;
    case toolHand: StartPan(X, Y); break;
    case toolEntity:
    case toolNote:
    case toolTextLabel:
    case toolProjectInfo:
      if (Button != ui::TMouseButton::mbLeft) break;
      if (Has(Shift, ui::ssCtrl))
        StartRubberBand(Shift, X, Y);
      else
        StartCreationBox(X, Y);
      break;
    case toolZoom: ZoomClick(Button, X, Y); break;
    case toolRelation:
    case toolEntryPoint: break;
  }
}

void TDesignMouse::sbxDesktopMouseMove(ui::TShiftState Shift, int X, int Y) {
  if (FAfterDblClick) return;
  switch (CurrentTool()) {
    case toolArrow: DragRubberBand(Shift, X, Y); break;
    case toolHand: Pan(Shift, X, Y); break;
    case toolEntity:
    case toolNote:
    case toolTextLabel:
    case toolProjectInfo:
      // A band started with Ctrl goes on as a band whatever the keys are now, and a
      // creation box as a creation box.
      if (FRubberBanding)
        DragRubberBand(Shift, X, Y);
      else
        DragCreationBox(X, Y);
      break;
    case toolRelation:
    case toolEntryPoint:
    case toolZoom: break;
  }
}

void TDesignMouse::sbxDesktopMouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) {
  if (FAfterDblClick) {
    FAfterDblClick = false;
    return;
  }
  if (!FMouseDownInside) return;
  const TDesignTool tool = CurrentTool();
  if (Button == ui::TMouseButton::mbRight) {
    if (tool != toolZoom) PopupAt(TDesignMenu::Desktop, ui::TPoint{X, Y});
    return;
  }
  if (Button != ui::TMouseButton::mbLeft) return;
  switch (tool) {
    case toolArrow: EndRubberBand(Shift); break;
    case toolEntity:
    case toolNote:
    case toolTextLabel:
    case toolProjectInfo:
      // Whatever keys are held now, what the press started is what ends: a band, or a
      // creation (which frees its box).
      if (FRubberBanding) {
        EndRubberBand(Shift);
        FreeCreationBox();
        break;
      }
      if (tool == toolEntity)
        FDesign.CreateEntityAt(Button, X, Y);
      else if (tool == toolNote)
        FDesign.CreateNoteAt(Button, X, Y);
      else if (tool == toolTextLabel)
        FDesign.CreateTextLabelAt(Button, X, Y);
      else
        FDesign.CreateProjectInfoAt(Button, X, Y);
      break;
    case toolHand:
    case toolRelation:
    case toolEntryPoint:
    case toolZoom: break;
  }
}

void TDesignMouse::ZoomClick(ui::TMouseButton Button, int X, int Y) {
  const int zoom = FDesign.Zoom();
  int to = zoom;
  if (Button == ui::TMouseButton::mbLeft) {
    if (zoom >= TfrmDesign::MaxZoom) return;
    to = zoom * 2;
  } else if (Button == ui::TMouseButton::mbRight) {
    if (zoom <= TfrmDesign::MinZoom) return;
    to = zoom / 2;
  }
  // The point of the visible part.
  FDesign.SetZoom(to, X - FDesign.sbxDesktop->HorzPosition(), Y - FDesign.sbxDesktop->VertPosition());
  FDesign.UpdateZoomCombo();
}

void TDesignMouse::PopupAt(TDesignMenu Menu, ui::TPoint P) {
  if (FDesign.Host())
    FDesign.Host()->PopupMenu(&FDesign, Menu, FDesign.Desktop->mapToGlobal(QPoint(P.x, P.y)));
}

void TDesignMouse::ShowPopup(TMorvikGraphic* Element, int X, int Y, TDesignMenu Menu) {
  FDesign.SelectOnly(Element);
  if (Element) PopupAt(Menu, Translate(Element, X, Y));
}

void TDesignMouse::RectangleMouseDown(TRectangle* Element, ui::TMouseButton Button, ui::TShiftState Shift,
                                      int X, int Y) {
  if (Has(Shift, ui::ssDouble)) return;
  FAfterDblClick = false;
  FMouseDownInside = true;
  const TDesignTool tool = CurrentTool();
  const ui::TPoint p = Translate(Element, X, Y);
  if (IsSelectingTool(tool)) {
    if (Button != ui::TMouseButton::mbLeft) return;
    if (!Has(Shift, ui::ssShift)) FDesign.DeselectAllBut(Element);
    if (!Element->Selected()) FDesign.Select(Element);
    // The press point in the coordinates of the element's handle box.
    const TResizeBox* box = FDesign.ResizeBoxOf(Element);
    FMouseDownPoint = box ? Translate(Element, X, Y, box) : ui::TPoint{X, Y};
    FResizeHandle = hcNone;
  } else if (tool == toolHand) {
    StartPan(p.x, p.y);
  } else if (tool == toolRelation) {
    StartRelationDrag(Element, Shift, p.x, p.y);
  } else if (tool == toolZoom) {
    ZoomClick(Button, p.x, p.y);
  }
}

void TDesignMouse::RectangleMouseMove(TRectangle* Element, ui::TShiftState Shift, int X, int Y) {
  if (FAfterDblClick) return;
  const TDesignTool tool = CurrentTool();
  const ui::TPoint p = Translate(Element, X, Y);
  if (IsSelectingTool(tool)) {
    if (!Has(Shift, ui::ssLeft) || !Element->Selected()) return;
    if (TResizeBox* box = FDesign.ResizeBoxOf(Element)) {
      const ui::TPoint b = Translate(Element, X, Y, box);
      ResizeBoxMouseMove(box, Shift, b.x, b.y);
    }
  } else if (tool == toolHand) {
    Pan(Shift, p.x, p.y);
  } else if (tool == toolRelation) {
    DragRelation(Shift, p.x, p.y);
  }
}

void TDesignMouse::RectangleMouseUp(TRectangle* Element, ui::TMouseButton Button, ui::TShiftState Shift,
                                    int X, int Y) {
  if (FAfterDblClick) {
    FAfterDblClick = false;
    return;
  }
  const TDesignTool tool = CurrentTool();
  const ui::TPoint p = Translate(Element, X, Y);
  if (Element->DiagramKind() == TDiagramKind::Entity && tool == toolEntryPoint) {
    FDesign.CreateEntryPointFor(static_cast<TEntity*>(Element), Button);
  } else if (IsSelectingTool(tool)) {
    if (Button == ui::TMouseButton::mbLeft && (FMoving || FResizeHandle != hcNone))
      if (TResizeBox* box = FDesign.ResizeBoxOf(Element)) {
        const ui::TPoint b = Translate(Element, X, Y, box);
        ResizeBoxMouseUp(box, Button, Shift, b.x, b.y);
      }
  } else if (tool == toolRelation) {
    if (Button == ui::TMouseButton::mbLeft) EndRelationDrag(Shift, p.x, p.y);
  }
  if (Button != ui::TMouseButton::mbRight || tool == toolZoom) return;
  if (TRelation* relation = RelationOfLabel(Element)) {
    // The menu of the relation, at the point of the label.
    FDesign.SelectOnly(relation);
    PopupAt(TDesignMenu::Relation, p);
    return;
  }
  ShowPopup(Element, X, Y, TfrmDesign::MenuOf(Element));
}

void TDesignMouse::ElementDblClick(TMorvikGraphic* Element) {
  // The press and release that come with the double click do nothing more.
  FAfterDblClick = true;
  FMoving = false;
  FResizeHandle = hcNone;
  // A relation's label edits its relation.
  if (TRelation* relation = RelationOfLabel(Element)) Element = relation;
  const TDiagramKind kind = Element->DiagramKind();
  if (kind != TDiagramKind::Note && kind != TDiagramKind::ProjectInfo) FDesign.SelectOnly(Element);
  if (FDesign.Host()) FDesign.Host()->EditElement(&FDesign, Element);
}

void TDesignMouse::RelationMouseDown(TRelation* Relation, ui::TMouseButton Button, ui::TShiftState Shift,
                                     int X, int Y) {
  if (Has(Shift, ui::ssDouble)) return;
  FAfterDblClick = false;
  const ui::TPoint p = Translate(Relation, X, Y);
  if (CurrentTool() == toolArrow) {
    FMouseDownInside = true;
    if (TRelation* hit = FDesign.VisualModel->RelationAt(p))
      FDesign.Select(hit);
    else
      StartRubberBand(Shift, p.x, p.y);
    return;
  }
  sbxDesktopMouseDown(Button, Shift, p.x, p.y);
}

void TDesignMouse::RelationMouseMove(TRelation* Relation, ui::TShiftState Shift, int X, int Y) {
  const ui::TPoint p = Translate(Relation, X, Y);
  sbxDesktopMouseMove(Shift, p.x, p.y);
}

void TDesignMouse::RelationMouseUp(TRelation* Relation, ui::TMouseButton Button, ui::TShiftState Shift, int X,
                                   int Y) {
  const ui::TPoint p = Translate(Relation, X, Y);
  if (Button == ui::TMouseButton::mbLeft) {
    sbxDesktopMouseUp(Button, Shift, p.x, p.y);
  } else if (Button == ui::TMouseButton::mbRight && CurrentTool() != toolZoom) {
    if (FAfterDblClick) {
      FAfterDblClick = false;
      return;
    }
    if (TRelation* hit = FDesign.VisualModel->RelationAt(p)) {
      const ui::TPoint h = Translate(Relation, X, Y, hit);
      ShowPopup(hit, h.x, h.y, TDesignMenu::Relation);
    } else {
      PopupAt(TDesignMenu::Desktop, p);
    }
  }
}

void TDesignMouse::EntryPointMouseDown(ui::TControl* Point, ui::TMouseButton Button, ui::TShiftState Shift,
                                       int X, int Y) {
  if (Has(Shift, ui::ssDouble)) return;
  const ui::TPoint p = Translate(Point, X, Y);
  if (CurrentTool() == toolHand)
    StartPan(p.x, p.y);
  else if (CurrentTool() == toolZoom)
    ZoomClick(Button, p.x, p.y);
}

void TDesignMouse::EntryPointMouseMove(ui::TControl* Point, ui::TShiftState Shift, int X, int Y) {
  const ui::TPoint p = Translate(Point, X, Y);
  if (CurrentTool() == toolHand) Pan(Shift, p.x, p.y);
}

void TDesignMouse::ResizeBoxMouseDown(TResizeBox* Box, ui::TMouseButton Button, ui::TShiftState Shift, int X,
                                      int Y) {
  if (Has(Shift, ui::ssDouble)) return;
  FAfterDblClick = false;
  FMouseDownInside = true;
  TRectangle* host = Box->Host();
  const TDesignTool tool = CurrentTool();
  const ui::TPoint p = Translate(Box, X, Y);
  if (IsSelectingTool(tool)) {
    if (Has(Shift, ui::ssShift)) {
      if (host) FDesign.Deselect(host);
      return;
    }
    if (Button != ui::TMouseButton::mbLeft) return;
    if (host && host->DiagramKind() == TDiagramKind::Entity) {
      const ui::TPoint e = Translate(Box, X, Y, host);
      static_cast<TEntity*>(host)->CustomClick(e.x, e.y);
    }
    // The handle under this press, never one left from an earlier move.
    const uint8_t code = Box->EnableResize()
                             ? TResizeBox::HandleCodeAt(X, Y, Box->Width(), Box->Height(), Box->HandleSize())
                             : uint8_t{hcNone};
    FResizeHandle = hcNone;
    if (IsResizeHandle(code) && host) {
      FDesign.DeselectAllBut(host);
      FResizeHandle = static_cast<THandleCode>(code);
      FGrabOffset = ui::TPoint{0, 0};
      if (HandleMovesSide(code, TSide::Top)) FGrabOffset.y = Y;
      if (HandleMovesSide(code, TSide::Bottom)) FGrabOffset.y = Box->Height() - Y;
      if (HandleMovesSide(code, TSide::Left)) FGrabOffset.x = X;
      if (HandleMovesSide(code, TSide::Right)) FGrabOffset.x = Box->Width() - X;
    }
    FMouseDownPoint = ui::TPoint{X, Y};
  } else if (tool == toolHand) {
    StartPan(p.x, p.y);
  } else if (tool == toolRelation) {
    if (host) {
      const ui::TPoint h = Translate(Box, X, Y, host);
      RectangleMouseDown(host, Button, Shift, h.x, h.y);
    }
  } else if (tool == toolZoom) {
    ZoomClick(Button, p.x, p.y);
  }
}

void TDesignMouse::ResizeBoxMouseMove(TResizeBox* Box, ui::TShiftState Shift, int X, int Y) {
  if (FAfterDblClick) return;
  TRectangle* host = Box->Host();
  const TDesignTool tool = CurrentTool();
  if (IsSelectingTool(tool)) {
    if (!Has(Shift, ui::ssLeft) || !FMouseDownInside) return;
    if (FResizeHandle != hcNone)
      ResizeBy(Box, X, Y);
    else if (Box->EnableMove())
      MoveSelection(Box, X, Y);
  } else if (tool == toolHand) {
    const ui::TPoint p = Translate(Box, X, Y);
    Pan(Shift, p.x, p.y);
  } else if (tool == toolRelation && host) {
    const ui::TPoint h = Translate(Box, X, Y, host);
    RectangleMouseMove(host, Shift, h.x, h.y);
  }
}

void TDesignMouse::ResizeBoxMouseUp(TResizeBox* Box, ui::TMouseButton Button, ui::TShiftState Shift, int X,
                                    int Y) {
  if (FAfterDblClick) {
    FAfterDblClick = false;
    return;
  }
  TRectangle* host = Box->Host();
  const TDesignTool tool = CurrentTool();
  if (Button == ui::TMouseButton::mbLeft) {
    if (IsSelectingTool(tool)) {
      if (FResizeHandle != hcNone)
        EndResize(Box);
      else
        EndMove();
    } else if (host && (tool == toolRelation ||
                        (tool == toolEntryPoint && host->DiagramKind() == TDiagramKind::Entity))) {
      const ui::TPoint h = Translate(Box, X, Y, host);
      RectangleMouseUp(host, Button, Shift, h.x, h.y);
    }
  } else if (Button == ui::TMouseButton::mbRight && tool != toolZoom && host) {
    const ui::TPoint h = Translate(Box, X, Y, host);
    ShowPopup(host, h.x, h.y, TfrmDesign::MenuOf(host));
  }
}

void TDesignMouse::ResizeLineMouseDown(TResizeLine* Handle, ui::TMouseButton Button, ui::TShiftState Shift,
                                       int X, int Y) {
  if (Has(Shift, ui::ssDouble)) return;
  FMouseDownInside = true;
  const ui::TPoint p = Translate(Handle, X, Y);
  if (CurrentTool() == toolHand)
    StartPan(p.x, p.y);
  else if (CurrentTool() == toolZoom)
    ZoomClick(Button, p.x, p.y);
}

void TDesignMouse::ResizeLineMouseMove(TResizeLine* Handle, ui::TShiftState Shift, int X, int Y) {
  const TDesignTool tool = CurrentTool();
  if (tool == toolHand) {
    const ui::TPoint p = Translate(Handle, X, Y);
    Pan(Shift, p.x, p.y);
    return;
  }
  if ((tool != toolArrow && tool != toolRelation) || !Has(Shift, ui::ssLeft)) return;
  TLine* line = Handle->Host();
  if (!line) return;
  TRectangle* end = Handle->HostSite() == hsBase ? line->Base() : line->Target();
  if (!end) return;
  // The handle follows the cursor, kept inside the box at its end.
  const int cx = Handle->Left() + X - Handle->Width() / 2;
  const int cy = Handle->Top() + Y - Handle->Height() / 2;
  const int minX = end->Left() + 2, maxX = end->Left() + end->Width() - Handle->Width() - 2;
  const int minY = end->Top() + 2, maxY = end->Top() + end->Height() - Handle->Height() - 2;
  const int left = std::clamp(cx, minX, std::max(minX, maxX));
  const int top = std::clamp(cy, minY, std::max(minY, maxY));
  Handle->SetBounds(left, top, Handle->Width(), Handle->Height());
  Handle->SetHostPosition();
  FDesign.SetModified(true, mkDrawing);
}

// ---- Rubber band, moving, resizing, panning ---------------------------------------------

void TDesignMouse::AutoScroll(int X, int Y) {
  TScrolledScrollBox* view = FDesign.sbxDesktop;
  const int h = view->HorzPosition(), v = view->VertPosition();
  const int vx = X - h, vy = Y - v;
  if (vx < 0 && h > 0)
    view->SetHorzPosition(h - AutoScrollStep);
  else if (vx > FDesign.ClientWidth() && FDesign.ClientWidth() + h < FDesign.HorzRange())
    view->SetHorzPosition(h + AutoScrollStep);
  if (vy < 0 && v > 0)
    view->SetVertPosition(v - AutoScrollStep);
  else if (vy > FDesign.ClientHeight() && FDesign.ClientHeight() + v < FDesign.VertRange())
    view->SetVertPosition(v + AutoScrollStep);
}

void TDesignMouse::StartRubberBand(ui::TShiftState Shift, int X, int Y) {
  if (Has(Shift, ui::ssLeft) && !FRubberBanding) {
    FRubberBanding = true;
    FRubberBand = Transient(CreateSelectingRect(FDesign.Desktop, X, Y, 0, 0, stRect));
    if (!Has(Shift, ui::ssShift)) FDesign.ClearSelection();
  }
  FRubberStart = ui::TPoint{X, Y};
}

void TDesignMouse::DragRubberBand(ui::TShiftState Shift, int X, int Y) {
  if (!Has(Shift, ui::ssLeft) || !FRubberBanding || !FRubberBand) return;
  // The start is a desktop position: scrolling the view leaves it where it is.
  AutoScroll(X, Y);
  FRubberBand->SetPosition(FRubberStart.x, FRubberStart.y, X, Y);
}

void TDesignMouse::EndRubberBand(ui::TShiftState Shift) {
  if (!FRubberBanding || Has(Shift, ui::ssLeft)) return;
  FRubberBanding = false;
  if (!FRubberBand) return;
  ui::TRect r;
  FRubberBand->GetRect(r);
  std::vector<TRectangle*> inside;
  ui::TDesktop* desktop = FDesign.Desktop;
  for (int i = 0; i < desktop->ControlCount(); ++i)
    if (TRectangle* e = AsBox(ElementOf(desktop->Control(i))); e && e->IsInRect(r)) inside.push_back(e);
  TSelectingRect* band = FRubberBand;
  FRubberBand = nullptr;
  delete band;
  for (TRectangle* e : inside) FDesign.Select(e);
}

void TDesignMouse::MoveSelection(TResizeBox* Box, int X, int Y) {
  const auto& selection = FDesign.Selection;
  if (selection.empty() || !Box) return;
  const int dx = X - FMouseDownPoint.x, dy = Y - FMouseDownPoint.y;
  if (selection.size() == 1) {
    Box->SetState(rsMoving);
    Box->SetBounds(Box->Left() + dx, Box->Top() + dy, Box->Width(), Box->Height());
  } else {
    if (!FMoving || !FGroupBox) {
      const ui::TRect r = FDesign.SelectionBounds();
      FGroupBox =
          Transient(CreateResizeBox(FDesign.Desktop, FDesign.Zoom(), 1000, r.Left, r.Top, r.Width(),
                                    r.Height(), rsMoving, false, true, nullptr, true, TElementHandlers{}));
    }
    FGroupBox->SetBounds(FGroupBox->Left() + dx, FGroupBox->Top() + dy, FGroupBox->Width(),
                         FGroupBox->Height());
    FMouseDownPoint = ui::TPoint{X, Y};
  }
  const ui::TPoint p = Translate(Box, X, Y);
  AutoScroll(p.x, p.y);
  FMoving = true;
}

void TDesignMouse::EndMove() {
  if (!FMoving) return;
  FMoving = false;
  const auto& selection = FDesign.Selection;
  if (selection.size() > 1 && FGroupBox) {
    const ui::TPoint p = InsideDesktop(FGroupBox, FDesign.HorzRange(), FDesign.VertRange());
    FGroupBox->SetBounds(p.x, p.y, FGroupBox->Width(), FGroupBox->Height());
    const ui::TRect old = FDesign.SelectionBounds();
    const int dx = FGroupBox->Left() - old.Left, dy = FGroupBox->Top() - old.Top;
    for (TMorvikGraphic* s : selection) {
      TResizeBox* box = FDesign.ResizeBoxOf(AsBox(s));
      if (!box) continue;
      box->SetBounds(box->Left() + dx, box->Top() + dy, box->Width(), box->Height());
      box->SetHostPosition();
      box->SetState(rsSelectedAsMany);
    }
    TResizeBox* group = FGroupBox;
    FGroupBox = nullptr;
    delete group;
  } else if (!selection.empty()) {
    if (TResizeBox* box = FDesign.ResizeBoxOf(AsBox(selection.front()))) {
      const ui::TPoint p = InsideDesktop(box, FDesign.HorzRange(), FDesign.VertRange());
      box->SetBounds(p.x, p.y, box->Width(), box->Height());
      box->SetHostPosition();
      box->SetState(rsSelectedAsOne);
    }
  }
  FDesign.SetModified(true, mkDrawing);
}

void TDesignMouse::AbandonMove() {
  FMoving = false;
  FResizeHandle = hcNone;
  TResizeBox* group = FGroupBox;
  FGroupBox = nullptr;
  delete group;
}

void TDesignMouse::SelectionChanging() {
  if (FMoving || FGroupBox) AbandonMove();
}

void TDesignMouse::ResizeBy(TResizeBox* Box, int X, int Y) {
  if (!Box || FResizeHandle == hcNone) return;
  const ui::TPoint c = Translate(Box, X, Y);
  const TRectangle* host = Box->Host();
  const int minW = host ? host->MinWidth() : 0, minH = host ? host->MinHeight() : 0;
  const int right = Box->Left() + Box->Width(), bottom = Box->Top() + Box->Height();
  auto atLeast = [](int Value, int Min) { return Value < Min + 4 ? Min + 4 : Value; };
  const int fromRight = atLeast(c.x + FGrabOffset.x - Box->Left(), minW);
  const int fromLeft = atLeast(right - c.x + FGrabOffset.x, minW);
  const int fromBottom = atLeast(c.y + FGrabOffset.y - Box->Top(), minH);
  const int fromTop = atLeast(bottom - c.y + FGrabOffset.y, minH);
  const THandleCode code = FResizeHandle;
  int left = Box->Left(), top = Box->Top(), width = Box->Width(), height = Box->Height();
  if (HandleMovesSide(code, TSide::Top)) {
    height = fromTop;
    top = bottom - height;
  }
  if (HandleMovesSide(code, TSide::Bottom)) height = fromBottom;
  if (HandleMovesSide(code, TSide::Left)) {
    width = fromLeft;
    left = right - width;
  }
  if (HandleMovesSide(code, TSide::Right)) width = fromRight;
  Box->SetState(rsMoving);
  Box->SetBounds(left, top, width, height);
  AutoScroll(c.x, c.y);
}

void TDesignMouse::EndResize(TResizeBox* Box) {
  if (!Box) return;
  // Cut to the desktop as a creation box is.
  const ui::TRect r = FDesign.CutToDesktop(Box);
  Box->SetBounds(r.Left, r.Top, r.Width(), r.Height());
  if (Box->Host()) Box->SetHostPosition();
  FResizeHandle = hcNone;
  Box->SetState(rsSelectedAsOne);
  FDesign.SetModified(true, mkDrawing);
}

void TDesignMouse::StartPan(int X, int Y) { FPanPoint = ui::TPoint{X, Y}; }

void TDesignMouse::Pan(ui::TShiftState Shift, int X, int Y) {
  // Only the left button, no key and no other button.
  if ((Shift & ~ui::ssDouble) != ui::ssLeft) return;
  TScrolledScrollBox* view = FDesign.sbxDesktop;
  // The desktop moves under the cursor: work in the cursor's place in the view.
  const int vx = X - view->HorzPosition(), vy = Y - view->VertPosition();
  const int px = FPanPoint.x - view->HorzPosition(), py = FPanPoint.y - view->VertPosition();
  view->SetHorzPosition(view->HorzPosition() + px - vx);
  view->SetVertPosition(view->VertPosition() + py - vy);
  // The point stays the cursor's place on the desktop as it is now shown.
  FPanPoint = ui::TPoint{vx + view->HorzPosition(), vy + view->VertPosition()};
}

void TDesignMouse::Forget(const ui::TComponent* Component) {
  if (!Component) return;
  if (Component == FGroupBox) FGroupBox = nullptr, FMoving = false;
  if (Component == FCreationBox) FCreationBox = nullptr;
  if (Component == FRubberBand) FRubberBand = nullptr, FRubberBanding = false;
  if (Component == FRelationLine) FRelationLine = nullptr, FRelationDragging = false;
  // A drag from an element that goes ends with its line: nothing is left to press on.
  if (Component == FRelationBase) {
    FRelationBase = nullptr;
    FRelationDragging = false;
    FreeRelationLine();
  }
}

// ---- Creation drags ---------------------------------------------------------------------

void TDesignMouse::StartCreationBox(int X, int Y) {
  FreeCreationBox();
  FCreationStart = ui::TPoint{X, Y};
  FCreationBox = CreateResizeBox(FDesign.Desktop, FDesign.Zoom(), 1000, X, Y, 0, 0, rsMoving, false, false,
                                 nullptr, true, TElementHandlers{});
}

void TDesignMouse::DragCreationBox(int X, int Y) {
  if (FCreationBox) FCreationBox->SetPosition(FCreationStart.x, FCreationStart.y, X, Y);
}

void TDesignMouse::FreeCreationBox() {
  TResizeBox* box = FCreationBox;
  FCreationBox = nullptr;
  delete box;
}

ui::TRect TDesignMouse::PlacementRect(int X, int Y) const {
  if (!FCreationBox) return ui::TRect{X, Y, X, Y};
  const ui::TRect r = FDesign.CutToDesktop(FCreationBox);
  return ui::Bounds(r.Left, r.Top, std::max(r.Width(), 0), std::max(r.Height(), 0));
}

void TDesignMouse::StartRelationDrag(TRectangle* Element, ui::TShiftState Shift, int X, int Y) {
  if (Has(Shift, ui::ssLeft) && !FRelationDragging) {
    FRelationDragging = true;
    FRelationLine = Transient(CreateSelectingRect(FDesign.Desktop, X, Y, 0, 0, stLine));
    FRelationBase = Element;
  }
  FRelationStart = ui::TPoint{X, Y};
}

void TDesignMouse::DragRelation(ui::TShiftState Shift, int X, int Y) {
  if (!Has(Shift, ui::ssLeft) || !FRelationDragging || !FRelationLine) return;
  AutoScroll(X, Y);
  FRelationLine->SetPosition(FRelationStart.x, FRelationStart.y, X, Y);
}

void TDesignMouse::FreeRelationLine() {
  TSelectingRect* line = FRelationLine;
  FRelationLine = nullptr;
  delete line;
}

TRelation* TDesignMouse::EndRelationDrag(ui::TShiftState Shift, int X, int Y) {
  if (!FRelationDragging || Has(Shift, ui::ssLeft)) return nullptr;
  FRelationDragging = false;
  TRelation* relation = nullptr;
  TRectangle* target = nullptr;
  ui::TDesktop* desktop = FDesign.Desktop;
  for (int i = desktop->ControlCount() - 1; i >= 0 && !target; --i) {
    TRectangle* r = AsBox(ElementOf(desktop->Control(i)));
    if (!r || !r->Visible()) continue;
    if (r->Left() < X && X < r->Left() + r->Width() && r->Top() < Y && Y < r->Top() + r->Height()) target = r;
  }
  if (target && FRelationBase) {
    TVisualModel& document = *FDesign.VisualModel;
    const int n = document.NextFreeRelationNumber();
    relation =
        CreateRelation(desktop, FDesign.Zoom(), 1000, QStringLiteral("Relation_%1").arg(n), FRelationBase,
                       FRelationStart.x - FRelationBase->Left(), FRelationStart.y - FRelationBase->Top(),
                       target, X - target->Left(), Y - target->Top(), rkNone, ElementHandlers());
    if (relation) {
      if (TVisualModel::IsRelationComplete(relation)) FDesign.BindRelationToReference(relation, nullptr);
      document.AddRelation(relation);
      FDesign.ElementAdded(relation);
      FDesign.SetModified(true, mkCreation);
    }
  }
  FRelationBase = nullptr;
  FreeRelationLine();
  ToolUsed();
  return relation;
}
