// The schema window's mouse tools: the dispatch of every mouse event on the desktop, its
// elements and their handles by the current tool; selection, moving, resizing and panning;
// and the creation of new elements. Every position here is a desktop position.

#include "editor/frmDesign.h"

#include "Interface/MorvikInterface.h"
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
#include "editor/DesignSamples.h"
#include "editor/VisualModel.h"

#include <QScrollBar>
#include <algorithm>
#include <memory>

namespace {

// How far the view scrolls towards a cursor outside it, per event.
constexpr int AutoScrollStep = 20;

bool Has(ui::TShiftState Shift, ui::TShiftFlag Flag) { return (Shift & Flag) != 0; }

// The tools that select and move with a press on an existing box.
bool IsSelectingTool(int Tool) {
  return Tool == toolArrow || Tool == toolEntity || Tool == toolNote || Tool == toolProjectInfo;
}

bool IsRectangleElement(const ui::TObject* Object) {
  return dynamic_cast<const TEntity*>(Object) || dynamic_cast<const TNote*>(Object) ||
         dynamic_cast<const TTextLabel*>(Object) || dynamic_cast<const TProjectInfo*>(Object);
}

// The relation whose label this is, or null for a free label.
TRelation* RelationOfLabel(const TTextLabel* Label) {
  return Label && Label->Tag() != 0 ? reinterpret_cast<TRelation*>(Label->Tag()) : nullptr;
}

TDesignMenu MenuOf(const TRectangle* Element) {
  if (dynamic_cast<const TEntity*>(Element)) return TDesignMenu::Entity;
  if (dynamic_cast<const TNote*>(Element)) return TDesignMenu::Note;
  if (dynamic_cast<const TProjectInfo*>(Element)) return TDesignMenu::ProjectInfo;
  return TDesignMenu::TextLabel;
}

} // namespace

// ---- Dispatch ----------------------------------------------------------------------------

int TfrmDesign::CurrentTool() const { return FHost ? FHost->Tool() : toolArrow; }

void TfrmDesign::ToolUsed() {
  if (FHost && !FHost->StickyTool()) FHost->SetTool(toolArrow);
}

TElementHandlers TfrmDesign::ElementHandlers() {
  TElementHandlers h;
  h.OnMouseDown = [this](ui::TObject* s, ui::TMouseButton b, ui::TShiftState sh, int x, int y) {
    if (dynamic_cast<TResizeBox*>(s))
      ResizeBoxMouseDown(s, b, sh, x, y);
    else if (dynamic_cast<TResizeLine*>(s))
      ResizeLineMouseDown(s, b, sh, x, y);
    else if (dynamic_cast<TRelation*>(s))
      RelationMouseDown(s, b, sh, x, y);
    else if (dynamic_cast<TEntryPoint*>(s))
      EntryPointMouseDown(s, b, sh, x, y);
    else if (IsRectangleElement(s))
      RectangleMouseDown(s, b, sh, x, y);
  };
  h.OnMouseMove = [this](ui::TObject* s, ui::TShiftState sh, int x, int y) {
    if (dynamic_cast<TResizeBox*>(s))
      ResizeBoxMouseMove(s, sh, x, y);
    else if (dynamic_cast<TResizeLine*>(s))
      ResizeLineMouseMove(s, sh, x, y);
    else if (dynamic_cast<TRelation*>(s))
      RelationMouseMove(s, sh, x, y);
    else if (dynamic_cast<TEntryPoint*>(s))
      EntryPointMouseMove(s, sh, x, y);
    else if (IsRectangleElement(s))
      RectangleMouseMove(s, sh, x, y);
  };
  h.OnMouseUp = [this](ui::TObject* s, ui::TMouseButton b, ui::TShiftState sh, int x, int y) {
    if (dynamic_cast<TResizeBox*>(s))
      ResizeBoxMouseUp(s, b, sh, x, y);
    else if (dynamic_cast<TResizeLine*>(s))
      return; // releases of line-end handles do nothing
    else if (dynamic_cast<TRelation*>(s))
      RelationMouseUp(s, b, sh, x, y);
    else if (dynamic_cast<TEntryPoint*>(s))
      return;
    else if (IsRectangleElement(s))
      RectangleMouseUp(s, b, sh, x, y);
  };
  h.OnDblClick = [this](ui::TObject* s) {
    if (dynamic_cast<TResizeBox*>(s))
      ResizeBoxDblClick(s);
    else if (IsRectangleElement(s) || dynamic_cast<TRelation*>(s))
      RectangleDblClick(s);
  };
  return h;
}

void TfrmDesign::sbxDesktopMouseDown(ui::TObject*, ui::TMouseButton Button, ui::TShiftState Shift, int X,
                                     int Y) {
  if (Has(Shift, ui::ssDouble)) return;
  FAfterDblClick = false;
  MouseDownInside = X >= 0 && Y >= 0 && X <= HorzRange() && Y <= VertRange();
  if (!MouseDownInside) return;
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
    default: break;
  }
}

void TfrmDesign::sbxDesktopMouseMove(ui::TObject*, ui::TShiftState Shift, int X, int Y) {
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
      if (RubberBanding)
        DragRubberBand(Shift, X, Y);
      else
        DragCreationBox(X, Y);
      break;
    default: break;
  }
}

void TfrmDesign::sbxDesktopMouseUp(ui::TObject*, ui::TMouseButton Button, ui::TShiftState Shift, int X,
                                   int Y) {
  if (FAfterDblClick) {
    FAfterDblClick = false;
    return;
  }
  if (!MouseDownInside) return;
  const int tool = CurrentTool();
  if (Button == ui::TMouseButton::mbRight) {
    if (tool != toolZoom && FHost)
      FHost->PopupMenu(this, TDesignMenu::Desktop, Desktop->mapToGlobal(QPoint(X, Y)));
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
      if (RubberBanding) {
        EndRubberBand(Shift);
        FreeCreationBox();
        break;
      }
      if (tool == toolEntity)
        CreateEntityAt(Button, X, Y);
      else if (tool == toolNote)
        CreateNoteAt(Button, X, Y);
      else if (tool == toolTextLabel)
        CreateTextLabelAt(Button, X, Y);
      else
        CreateProjectInfoAt(Button, X, Y);
      break;
    default: break;
  }
}

void TfrmDesign::ZoomClick(ui::TMouseButton Button, int X, int Y) {
  int zoom = FZoom;
  if (Button == ui::TMouseButton::mbLeft) {
    if (FZoom > 3999) return;
    zoom = FZoom * 2;
  } else if (Button == ui::TMouseButton::mbRight) {
    if (FZoom < 126) return;
    zoom = FZoom / 2;
  }
  // The point of the visible part.
  SetZoom(zoom, X - sbxDesktop->HorzPosition(), Y - sbxDesktop->VertPosition());
  UpdateZoomCombo();
}

void TfrmDesign::ShowPopup(TMorvikGraphic* Element, int X, int Y, TDesignMenu Menu) {
  SelectOnly(Element);
  if (FHost && Element)
    FHost->PopupMenu(this, Menu, Desktop->mapToGlobal(QPoint(Element->Left() + X, Element->Top() + Y)));
}

void TfrmDesign::RectangleMouseDown(ui::TObject* Sender, ui::TMouseButton Button, ui::TShiftState Shift,
                                    int X, int Y) {
  auto* element = dynamic_cast<TRectangle*>(Sender);
  if (!element) return;
  if (Has(Shift, ui::ssDouble)) return;
  FAfterDblClick = false;
  MouseDownInside = true;
  const int tool = CurrentTool();
  if (IsSelectingTool(tool)) {
    if (Button != ui::TMouseButton::mbLeft) return;
    if (!Has(Shift, ui::ssShift)) DeselectAllBut(element);
    if (!element->Selected()) Select(element);
    // The press point in the coordinates of the element's handle box.
    const TResizeBox* box = ResizeBoxOf(element);
    MouseDownPoint = box ? ui::TPoint{X + element->Left() - box->Left(), Y + element->Top() - box->Top()}
                         : ui::TPoint{X, Y};
    ResizeHandle = hcNone;
  } else if (tool == toolHand) {
    StartPan(element->Left() + X, element->Top() + Y);
  } else if (tool == toolRelation) {
    StartRelationDrag(element, Shift, element->Left() + X, element->Top() + Y);
  } else if (tool == toolZoom) {
    ZoomClick(Button, element->Left() + X, element->Top() + Y);
  }
}

void TfrmDesign::RectangleMouseMove(ui::TObject* Sender, ui::TShiftState Shift, int X, int Y) {
  auto* element = dynamic_cast<TRectangle*>(Sender);
  if (!element || FAfterDblClick) return;
  const int tool = CurrentTool();
  if (IsSelectingTool(tool)) {
    if (!Has(Shift, ui::ssLeft) || !element->Selected()) return;
    if (TResizeBox* box = ResizeBoxOf(element))
      ResizeBoxMouseMove(box, Shift, X + element->Left() - box->Left(), Y + element->Top() - box->Top());
  } else if (tool == toolHand) {
    Pan(Shift, element->Left() + X, element->Top() + Y);
  } else if (tool == toolRelation) {
    DragRelation(Shift, element->Left() + X, element->Top() + Y);
  }
}

void TfrmDesign::RectangleMouseUp(ui::TObject* Sender, ui::TMouseButton Button, ui::TShiftState Shift, int X,
                                  int Y) {
  auto* element = dynamic_cast<TRectangle*>(Sender);
  if (!element) return;
  if (FAfterDblClick) {
    FAfterDblClick = false;
    return;
  }
  const int tool = CurrentTool();
  auto* entity = dynamic_cast<TEntity*>(element);
  if (entity && tool == toolEntryPoint) {
    CreateEntryPointFor(entity, Button);
  } else if (IsSelectingTool(tool)) {
    if (Button == ui::TMouseButton::mbLeft && (Moving || ResizeHandle != hcNone))
      if (TResizeBox* box = ResizeBoxOf(element))
        ResizeBoxMouseUp(box, Button, Shift, X + element->Left() - box->Left(),
                         Y + element->Top() - box->Top());
  } else if (tool == toolRelation) {
    if (Button == ui::TMouseButton::mbLeft) EndRelationDrag(Shift, element->Left() + X, element->Top() + Y);
  }
  if (Button != ui::TMouseButton::mbRight || tool == toolZoom) return;
  if (auto* label = dynamic_cast<TTextLabel*>(element)) {
    if (TRelation* relation = RelationOfLabel(label)) {
      // The menu of the relation, at the point of the label.
      SelectOnly(relation);
      if (FHost)
        FHost->PopupMenu(this, TDesignMenu::Relation,
                         Desktop->mapToGlobal(QPoint(element->Left() + X, element->Top() + Y)));
      return;
    }
  }
  ShowPopup(element, X, Y, MenuOf(element));
}

void TfrmDesign::RectangleDblClick(ui::TObject* Sender) {
  auto* element = dynamic_cast<TMorvikGraphic*>(Sender);
  if (!element) return;
  // The press and release that come with the double click do nothing more.
  FAfterDblClick = true;
  Moving = false;
  ResizeHandle = hcNone;
  // A relation's label edits its relation.
  if (auto* label = dynamic_cast<TTextLabel*>(element))
    if (TRelation* relation = RelationOfLabel(label)) element = relation;
  if (!dynamic_cast<TNote*>(element) && !dynamic_cast<TProjectInfo*>(element)) SelectOnly(element);
  if (FHost) FHost->EditElement(this, element);
}

void TfrmDesign::RelationMouseDown(ui::TObject* Sender, ui::TMouseButton Button, ui::TShiftState Shift, int X,
                                   int Y) {
  auto* relation = dynamic_cast<TRelation*>(Sender);
  if (!relation || Has(Shift, ui::ssDouble)) return;
  FAfterDblClick = false;
  const ui::TPoint p{relation->Left() + X, relation->Top() + Y};
  if (CurrentTool() == toolArrow) {
    MouseDownInside = true;
    if (TRelation* hit = VisualModel->RelationAt(p))
      Select(hit);
    else
      StartRubberBand(Shift, p.x, p.y);
    return;
  }
  sbxDesktopMouseDown(Desktop, Button, Shift, p.x, p.y);
}

void TfrmDesign::RelationMouseMove(ui::TObject* Sender, ui::TShiftState Shift, int X, int Y) {
  auto* relation = dynamic_cast<TRelation*>(Sender);
  if (!relation) return;
  sbxDesktopMouseMove(Desktop, Shift, relation->Left() + X, relation->Top() + Y);
}

void TfrmDesign::RelationMouseUp(ui::TObject* Sender, ui::TMouseButton Button, ui::TShiftState Shift, int X,
                                 int Y) {
  auto* relation = dynamic_cast<TRelation*>(Sender);
  if (!relation) return;
  const ui::TPoint p{relation->Left() + X, relation->Top() + Y};
  if (Button == ui::TMouseButton::mbLeft) {
    sbxDesktopMouseUp(Desktop, Button, Shift, p.x, p.y);
  } else if (Button == ui::TMouseButton::mbRight && CurrentTool() != toolZoom) {
    if (FAfterDblClick) {
      FAfterDblClick = false;
      return;
    }
    if (TRelation* hit = VisualModel->RelationAt(p))
      ShowPopup(hit, p.x - hit->Left(), p.y - hit->Top(), TDesignMenu::Relation);
    else if (FHost)
      FHost->PopupMenu(this, TDesignMenu::Desktop, Desktop->mapToGlobal(QPoint(p.x, p.y)));
  }
}

void TfrmDesign::EntryPointMouseDown(ui::TObject* Sender, ui::TMouseButton Button, ui::TShiftState Shift,
                                     int X, int Y) {
  auto* point = dynamic_cast<TEntryPoint*>(Sender);
  if (!point || Has(Shift, ui::ssDouble)) return;
  if (CurrentTool() == toolHand)
    StartPan(point->Left() + X, point->Top() + Y);
  else if (CurrentTool() == toolZoom)
    ZoomClick(Button, point->Left() + X, point->Top() + Y);
}

void TfrmDesign::EntryPointMouseMove(ui::TObject* Sender, ui::TShiftState Shift, int X, int Y) {
  auto* point = dynamic_cast<TEntryPoint*>(Sender);
  if (point && CurrentTool() == toolHand) Pan(Shift, point->Left() + X, point->Top() + Y);
}

void TfrmDesign::ResizeBoxMouseDown(ui::TObject* Sender, ui::TMouseButton Button, ui::TShiftState Shift,
                                    int X, int Y) {
  auto* box = dynamic_cast<TResizeBox*>(Sender);
  if (!box || Has(Shift, ui::ssDouble)) return;
  FAfterDblClick = false;
  MouseDownInside = true;
  TRectangle* host = box->Host();
  const int tool = CurrentTool();
  if (IsSelectingTool(tool)) {
    if (Has(Shift, ui::ssShift)) {
      if (host) Deselect(host);
      return;
    }
    if (Button != ui::TMouseButton::mbLeft) return;
    if (auto* entity = dynamic_cast<TEntity*>(host))
      entity->CustomClick(box->Left() + X - entity->Left(), box->Top() + Y - entity->Top());
    // The handle under this press, never one left from an earlier move.
    const uint8_t code = box->EnableResize()
                             ? TResizeBox::HandleCodeAt(X, Y, box->Width(), box->Height(), box->HandleSize())
                             : uint8_t{hcNone};
    ResizeHandle = hcNone;
    if (IsResizeHandle(code) && host) {
      DeselectAllBut(host);
      ResizeHandle = code;
      const bool top = HandleMovesSide(code, TSide::Top);
      const bool bottom = HandleMovesSide(code, TSide::Bottom);
      const bool left = HandleMovesSide(code, TSide::Left);
      const bool right = HandleMovesSide(code, TSide::Right);
      GrabOffset = ui::TPoint{0, 0};
      if (top) GrabOffset.y = Y;
      if (bottom) GrabOffset.y = box->Height() - Y;
      if (left) GrabOffset.x = X;
      if (right) GrabOffset.x = box->Width() - X;
    }
    MouseDownPoint = ui::TPoint{X, Y};
  } else if (tool == toolHand) {
    StartPan(box->Left() + X, box->Top() + Y);
  } else if (tool == toolRelation) {
    if (host)
      RectangleMouseDown(host, Button, Shift, box->Left() + X - host->Left(), box->Top() + Y - host->Top());
  } else if (tool == toolZoom) {
    ZoomClick(Button, box->Left() + X, box->Top() + Y);
  }
}

void TfrmDesign::ResizeBoxMouseMove(ui::TObject* Sender, ui::TShiftState Shift, int X, int Y) {
  auto* box = dynamic_cast<TResizeBox*>(Sender);
  if (!box || FAfterDblClick) return;
  TRectangle* host = box->Host();
  const int tool = CurrentTool();
  if (IsSelectingTool(tool)) {
    if (!Has(Shift, ui::ssLeft) || !MouseDownInside) return;
    if (ResizeHandle != hcNone)
      ResizeBy(box, X, Y);
    else if (box->EnableMove())
      MoveSelection(box, X, Y);
  } else if (tool == toolHand) {
    Pan(Shift, box->Left() + X, box->Top() + Y);
  } else if (tool == toolRelation && host) {
    RectangleMouseMove(host, Shift, box->Left() + X - host->Left(), box->Top() + Y - host->Top());
  }
}

void TfrmDesign::ResizeBoxMouseUp(ui::TObject* Sender, ui::TMouseButton Button, ui::TShiftState Shift, int X,
                                  int Y) {
  auto* box = dynamic_cast<TResizeBox*>(Sender);
  if (!box) return;
  if (FAfterDblClick) {
    FAfterDblClick = false;
    return;
  }
  TRectangle* host = box->Host();
  const int tool = CurrentTool();
  if (Button == ui::TMouseButton::mbLeft) {
    if (IsSelectingTool(tool)) {
      if (ResizeHandle != hcNone)
        EndResize(box);
      else
        EndMove();
    } else if (tool == toolRelation && host) {
      RectangleMouseUp(host, Button, Shift, box->Left() + X - host->Left(), box->Top() + Y - host->Top());
    } else if (tool == toolEntryPoint && dynamic_cast<TEntity*>(host)) {
      RectangleMouseUp(host, Button, Shift, box->Left() + X - host->Left(), box->Top() + Y - host->Top());
    }
  } else if (Button == ui::TMouseButton::mbRight && tool != toolZoom && host) {
    ShowPopup(host, box->Left() + X - host->Left(), box->Top() + Y - host->Top(), MenuOf(host));
  }
}

void TfrmDesign::ResizeBoxDblClick(ui::TObject* Sender) {
  auto* box = dynamic_cast<TResizeBox*>(Sender);
  if (box && box->Host()) RectangleDblClick(box->Host());
}

void TfrmDesign::ResizeLineMouseDown(ui::TObject* Sender, ui::TMouseButton Button, ui::TShiftState Shift,
                                     int X, int Y) {
  auto* handle = dynamic_cast<TResizeLine*>(Sender);
  if (!handle || Has(Shift, ui::ssDouble)) return;
  MouseDownInside = true;
  if (CurrentTool() == toolHand)
    StartPan(handle->Left() + X, handle->Top() + Y);
  else if (CurrentTool() == toolZoom)
    ZoomClick(Button, handle->Left() + X, handle->Top() + Y);
}

void TfrmDesign::ResizeLineMouseMove(ui::TObject* Sender, ui::TShiftState Shift, int X, int Y) {
  auto* handle = dynamic_cast<TResizeLine*>(Sender);
  if (!handle) return;
  const int tool = CurrentTool();
  if (tool == toolHand) {
    Pan(Shift, handle->Left() + X, handle->Top() + Y);
    return;
  }
  if ((tool != toolArrow && tool != toolRelation) || !Has(Shift, ui::ssLeft)) return;
  TLine* line = handle->Host();
  if (!line) return;
  TRectangle* end = handle->HostSite() == hsBase ? line->Base() : line->Target();
  if (!end) return;
  // The handle follows the cursor, kept inside the box at its end.
  const int cx = handle->Left() + X - handle->Width() / 2;
  const int cy = handle->Top() + Y - handle->Height() / 2;
  const int minX = end->Left() + 2, maxX = end->Left() + end->Width() - handle->Width() - 2;
  const int minY = end->Top() + 2, maxY = end->Top() + end->Height() - handle->Height() - 2;
  const int left = std::clamp(cx, minX, std::max(minX, maxX));
  const int top = std::clamp(cy, minY, std::max(minY, maxY));
  handle->SetBounds(left, top, handle->Width(), handle->Height());
  handle->SetHostPosition();
  SetModified(true, 1);
}

template <class T>
T* TfrmDesign::Transient(T* Control) {
  // Drawn on the desktop, but owned apart from the elements: no element points at it, so its
  // removal need not be told to every element of a large desktop.
  if (Control) FTransientOwner->InsertComponent(Control);
  return Control;
}

// ---- Selection -----------------------------------------------------------------------------

TResizeBox* TfrmDesign::ResizeBoxOf(const TRectangle* Element) const {
  if (!Element || Element->Name().isEmpty()) return nullptr;
  return dynamic_cast<TResizeBox*>(Desktop->FindComponent(QStringLiteral("ResBox_") + Element->Name()));
}

void TfrmDesign::Select(TMorvikGraphic* Element) {
  if (!Element || Element->Selected()) return;
  if (std::find(Selection.begin(), Selection.end(), Element) != Selection.end()) return;
  if (Element->IsEntryPoint()) return;
  auto* rectangle = dynamic_cast<TRectangle*>(Element);
  auto* line = dynamic_cast<TLine*>(Element);
  if (!rectangle && !line) return;
  if (line || (!Selection.empty() && dynamic_cast<TLine*>(Selection.front()))) ClearSelection();
  if (rectangle) {
    rectangle->BringToFront();
    bool resize = true, move = true;
    if (dynamic_cast<TProjectInfo*>(rectangle)) resize = false;
    if (auto* e = dynamic_cast<TEntity*>(rectangle); e && e->AutoSize()) resize = false;
    if (auto* n = dynamic_cast<TNote*>(rectangle); n && n->AutoSize()) resize = false;
    if (auto* l = dynamic_cast<TTextLabel*>(rectangle)) {
      resize = false;
      if (RelationOfLabel(l)) move = false;
    }
    CreateResizeBox(Desktop, FZoom, 1000, rectangle->Left(), rectangle->Top(), rectangle->Width(),
                    rectangle->Height(), Selection.empty() ? rsSelectedAsOne : rsSelectedAsMany, resize, move,
                    rectangle, true, ElementHandlers());
  } else {
    CreateResizeLine(Desktop, FZoom, 1000, true, line, ElementHandlers());
  }
  Selection.push_back(Element);
  Element->SetSelected(true);
  if (Selection.size() == 2)
    if (auto* first = dynamic_cast<TRectangle*>(Selection.front()))
      if (TResizeBox* box = ResizeBoxOf(first)) box->SetState(rsSelectedAsMany);
}

void TfrmDesign::Deselect(TMorvikGraphic* Element) {
  if (!Element) return;
  auto it = std::find(Selection.begin(), Selection.end(), Element);
  // A move carries the selection as it was: a selection that changes under it ends it.
  if (it != Selection.end() && (Moving || GroupBox)) AbandonMove();
  Element->SetSelected(false);
  if (auto* rectangle = dynamic_cast<TRectangle*>(Element)) {
    delete ResizeBoxOf(rectangle);
  } else if (auto* line = dynamic_cast<TLine*>(Element)) {
    for (const char* end : {"_T", "_B"})
      delete Desktop->FindComponent(QStringLiteral("ResLine_") + line->Name() + QLatin1String(end));
  }
  it = std::find(Selection.begin(), Selection.end(), Element);
  if (it != Selection.end()) Selection.erase(it);
  if (Selection.size() == 1)
    if (auto* only = dynamic_cast<TRectangle*>(Selection.front()))
      if (TResizeBox* box = ResizeBoxOf(only)) box->SetState(rsSelectedAsOne);
}

void TfrmDesign::ClearSelection() {
  while (!Selection.empty()) Deselect(Selection.front());
}

void TfrmDesign::DeselectAllBut(TMorvikGraphic* Element) {
  const std::vector<TMorvikGraphic*> others = Selection;
  for (TMorvikGraphic* s : others)
    if (s != Element) Deselect(s);
}

void TfrmDesign::SelectOnly(TMorvikGraphic* Element) {
  DeselectAllBut(Element);
  if (Element && !Element->Selected()) Select(Element);
}

ui::TRect TfrmDesign::SelectionBounds() const {
  if (Selection.empty()) return ui::TRect{};
  ui::TRect r = Selection.front()->BoundsRect();
  for (TMorvikGraphic* s : Selection) {
    if (!dynamic_cast<TRectangle*>(s)) continue;
    const ui::TRect b = s->BoundsRect();
    r.Left = std::min(r.Left, b.Left);
    r.Top = std::min(r.Top, b.Top);
    r.Right = std::max(r.Right, b.Right);
    r.Bottom = std::max(r.Bottom, b.Bottom);
  }
  return r;
}

void TfrmDesign::AutoScroll(int X, int Y) {
  const int h = sbxDesktop->HorzPosition(), v = sbxDesktop->VertPosition();
  const int vx = X - h, vy = Y - v;
  if (vx < 0 && h > 0)
    sbxDesktop->SetHorzPosition(h - AutoScrollStep);
  else if (vx > ClientWidth() && ClientWidth() + h < HorzRange())
    sbxDesktop->SetHorzPosition(h + AutoScrollStep);
  if (vy < 0 && v > 0)
    sbxDesktop->SetVertPosition(v - AutoScrollStep);
  else if (vy > ClientHeight() && ClientHeight() + v < VertRange())
    sbxDesktop->SetVertPosition(v + AutoScrollStep);
}

void TfrmDesign::StartRubberBand(ui::TShiftState Shift, int X, int Y) {
  if (Has(Shift, ui::ssLeft) && !RubberBanding) {
    RubberBanding = true;
    RubberBand = Transient(CreateSelectingRect(Desktop, X, Y, 0, 0, stRect));
    if (!Has(Shift, ui::ssShift)) ClearSelection();
  }
  RubberStart = ui::TPoint{X, Y};
}

void TfrmDesign::DragRubberBand(ui::TShiftState Shift, int X, int Y) {
  if (!Has(Shift, ui::ssLeft) || !RubberBanding || !RubberBand) return;
  // The start is a desktop position: scrolling the view leaves it where it is.
  AutoScroll(X, Y);
  RubberBand->SetPosition(RubberStart.x, RubberStart.y, X, Y);
}

void TfrmDesign::EndRubberBand(ui::TShiftState Shift) {
  if (!RubberBanding || Has(Shift, ui::ssLeft)) return;
  RubberBanding = false;
  if (RubberBand) {
    ui::TRect r;
    RubberBand->GetRect(r);
    std::vector<TRectangle*> inside;
    for (int i = 0; i < Desktop->ControlCount(); ++i)
      if (auto* e = dynamic_cast<TRectangle*>(Desktop->Control(i)))
        if (IsRectangleElement(e) && e->IsInRect(r)) inside.push_back(e);
    delete RubberBand;
    RubberBand = nullptr;
    for (TRectangle* e : inside) Select(e);
  }
}

void TfrmDesign::MoveSelection(TResizeBox* Box, int X, int Y) {
  if (Selection.empty() || !Box) return;
  const int dx = X - MouseDownPoint.x, dy = Y - MouseDownPoint.y;
  if (Selection.size() == 1) {
    Box->SetState(rsMoving);
    Box->SetBounds(Box->Left() + dx, Box->Top() + dy, Box->Width(), Box->Height());
  } else {
    if (!Moving || !GroupBox) {
      const ui::TRect r = SelectionBounds();
      GroupBox = Transient(CreateResizeBox(Desktop, FZoom, 1000, r.Left, r.Top, r.Width(), r.Height(),
                                           rsMoving, false, true, nullptr, true, TElementHandlers{}));
    }
    GroupBox->SetBounds(GroupBox->Left() + dx, GroupBox->Top() + dy, GroupBox->Width(), GroupBox->Height());
    MouseDownPoint = ui::TPoint{X, Y};
  }
  AutoScroll(Box->Left() + X, Box->Top() + Y);
  Moving = true;
}

namespace {

// The position that keeps a box of this size inside the desktop.
ui::TPoint InsideDesktop(const ui::TControl* Box, int HorzRange, int VertRange) {
  int left = Box->Left(), top = Box->Top();
  if (left + Box->Width() > HorzRange) left = HorzRange - Box->Width();
  if (top + Box->Height() > VertRange) top = VertRange - Box->Height();
  return ui::TPoint{std::max(left, 0), std::max(top, 0)};
}

} // namespace

void TfrmDesign::EndMove() {
  if (!Moving) return;
  Moving = false;
  if (Selection.size() > 1 && GroupBox) {
    const ui::TPoint p = InsideDesktop(GroupBox, HorzRange(), VertRange());
    GroupBox->SetBounds(p.x, p.y, GroupBox->Width(), GroupBox->Height());
    const ui::TRect old = SelectionBounds();
    const int dx = GroupBox->Left() - old.Left, dy = GroupBox->Top() - old.Top;
    for (TMorvikGraphic* s : Selection) {
      auto* rectangle = dynamic_cast<TRectangle*>(s);
      TResizeBox* box = ResizeBoxOf(rectangle);
      if (!box) continue;
      box->SetBounds(box->Left() + dx, box->Top() + dy, box->Width(), box->Height());
      box->SetHostPosition();
      box->SetState(rsSelectedAsMany);
    }
    TResizeBox* group = GroupBox;
    GroupBox = nullptr;
    delete group;
  } else if (!Selection.empty()) {
    TResizeBox* box = ResizeBoxOf(dynamic_cast<TRectangle*>(Selection.front()));
    if (box) {
      const ui::TPoint p = InsideDesktop(box, HorzRange(), VertRange());
      box->SetBounds(p.x, p.y, box->Width(), box->Height());
      box->SetHostPosition();
      box->SetState(rsSelectedAsOne);
    }
  }
  SetModified(true, 1);
}

void TfrmDesign::ResizeBy(TResizeBox* Box, int X, int Y) {
  if (!Box || ResizeHandle == hcNone) return;
  const ui::TPoint c{Box->Left() + X, Box->Top() + Y};
  int minW = 0, minH = 0;
  if (auto* e = dynamic_cast<TEntity*>(Box->Host())) {
    minW = e->MinWidth();
    minH = e->MinHeight();
  } else if (auto* n = dynamic_cast<TNote*>(Box->Host())) {
    minW = n->MinWidth();
    minH = n->MinHeight();
  }
  const int right = Box->Left() + Box->Width(), bottom = Box->Top() + Box->Height();
  auto atLeast = [](int Value, int Min) { return Value < Min + 4 ? Min + 4 : Value; };
  const int fromRight = atLeast(c.x + GrabOffset.x - Box->Left(), minW);
  const int fromLeft = atLeast(right - c.x + GrabOffset.x, minW);
  const int fromBottom = atLeast(c.y + GrabOffset.y - Box->Top(), minH);
  const int fromTop = atLeast(bottom - c.y + GrabOffset.y, minH);
  const int code = ResizeHandle;
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

void TfrmDesign::EndResize(TResizeBox* Box) {
  if (!Box) return;
  // Cut to the desktop as a creation box is.
  const ui::TRect r = CutToDesktop(Box);
  Box->SetBounds(r.Left, r.Top, r.Width(), r.Height());
  if (Box->Host()) Box->SetHostPosition();
  ResizeHandle = hcNone;
  Box->SetState(rsSelectedAsOne);
  SetModified(true, 1);
}

void TfrmDesign::StartPan(int X, int Y) { PanPoint = ui::TPoint{X, Y}; }

void TfrmDesign::Pan(ui::TShiftState Shift, int X, int Y) {
  // Only the left button, no key and no other button.
  if ((Shift & ~ui::ssDouble) != ui::ssLeft) return;
  // The desktop moves under the cursor: work in the cursor's place in the view.
  const int vx = X - sbxDesktop->HorzPosition(), vy = Y - sbxDesktop->VertPosition();
  const int px = PanPoint.x - sbxDesktop->HorzPosition(), py = PanPoint.y - sbxDesktop->VertPosition();
  sbxDesktop->SetHorzPosition(sbxDesktop->HorzPosition() + px - vx);
  sbxDesktop->SetVertPosition(sbxDesktop->VertPosition() + py - vy);
  // The point stays the cursor's place on the desktop as it is now shown.
  PanPoint = ui::TPoint{vx + sbxDesktop->HorzPosition(), vy + sbxDesktop->VertPosition()};
}

void TfrmDesign::ForgetMouseState(const ui::TComponent* Component) {
  if (!Component) return;
  if (Component == GroupBox) GroupBox = nullptr, Moving = false;
  if (Component == CreationBox) CreationBox = nullptr;
  if (Component == RubberBand) RubberBand = nullptr, RubberBanding = false;
  if (Component == RelationLine) RelationLine = nullptr, RelationDragging = false;
  // A drag from an element that goes ends with its line: nothing is left to press on.
  if (Component == RelationBase) {
    RelationBase = nullptr;
    RelationDragging = false;
    TSelectingRect* line = RelationLine;
    RelationLine = nullptr;
    delete line;
  }
}

void TfrmDesign::AbandonMove() {
  Moving = false;
  ResizeHandle = hcNone;
  TResizeBox* group = GroupBox;
  GroupBox = nullptr;
  delete group;
}

// ---- Creation ------------------------------------------------------------------------------

void TfrmDesign::ElementAdded(TMorvikGraphic* Element) {
  AddBrowserNode(Element);
  if (OnElementAdded) OnElementAdded(Element);
}

void TfrmDesign::StartCreationBox(int X, int Y) {
  FreeCreationBox();
  CreationStart = ui::TPoint{X, Y};
  CreationBox = CreateResizeBox(Desktop, FZoom, 1000, X, Y, 0, 0, rsMoving, false, false, nullptr, true,
                                TElementHandlers{});
}

void TfrmDesign::DragCreationBox(int X, int Y) {
  if (CreationBox) CreationBox->SetPosition(CreationStart.x, CreationStart.y, X, Y);
}

void TfrmDesign::FreeCreationBox() {
  TResizeBox* box = CreationBox;
  CreationBox = nullptr;
  delete box;
}

ui::TRect TfrmDesign::CutToDesktop(const ui::TControl* Box) const {
  int left = Box->Left(), top = Box->Top(), width = Box->Width(), height = Box->Height();
  if (left < 0) {
    width += left;
    left = 0;
  }
  if (top < 0) {
    height += top;
    top = 0;
  }
  if (left + width > HorzRange()) width = HorzRange() - left;
  if (top + height > VertRange()) height = VertRange() - top;
  return ui::Bounds(left, top, width, height);
}

ui::TRect TfrmDesign::PlacementRect(int X, int Y) const {
  if (!CreationBox) return ui::TRect{X, Y, X, Y};
  const ui::TRect r = CutToDesktop(CreationBox);
  return ui::Bounds(r.Left, r.Top, std::max(r.Width(), 0), std::max(r.Height(), 0));
}

void TfrmDesign::NewElementPlaced(TMorvikGraphic* Element, int Kind) {
  ElementAdded(Element);
  SetModified(true, Kind);
  ClearSelection();
  Select(Element);
  ToolUsed();
}

TEntity* TfrmDesign::CreateEntityAt(ui::TMouseButton Button, int X, int Y) {
  TEntity* entity = nullptr;
  if (Button == ui::TMouseButton::mbLeft) {
    const ui::TRect r = PlacementRect(X, Y);
    const int n = VisualModel->NextFreeEntityNumber();
    entity = CreateEntity(Desktop, FZoom, 1000, QStringLiteral("Entity_%1").arg(n),
                          QStringLiteral("Entita_%1").arg(n), r.Left, r.Top, r.Width(), r.Height(), true,
                          false, true, ElementHandlers());
    KeepInsideDesktop(entity);
    BindEntityToTable(entity, nullptr);
    VisualModel->AddEntity(entity);
    NewElementPlaced(entity, 3);
  }
  FreeCreationBox();
  return entity;
}

TNote* TfrmDesign::CreateNoteAt(ui::TMouseButton Button, int X, int Y) {
  TNote* note = nullptr;
  if (Button == ui::TMouseButton::mbLeft) {
    const ui::TRect r = PlacementRect(X, Y);
    const int n = VisualModel->NextFreeNoteNumber();
    note = CreateNote(Desktop, FZoom, 1000, QStringLiteral("Note_%1").arg(n),
                      QStringLiteral("Poznamka %1").arg(n), r.Left, r.Top, r.Width(), r.Height(), false,
                      ElementHandlers());
    VisualModel->AddNote(note);
    NewElementPlaced(note, 1);
  }
  FreeCreationBox();
  return note;
}

TTextLabel* TfrmDesign::CreateTextLabelAt(ui::TMouseButton Button, int X, int Y) {
  TTextLabel* label = nullptr;
  if (Button == ui::TMouseButton::mbLeft) {
    const ui::TRect r = PlacementRect(X, Y);
    const int n = VisualModel->NextFreeTextLabelNumber();
    label = CreateTextLabel(Desktop, FZoom, 1000, QStringLiteral("TextLabel_%1").arg(n),
                            QStringLiteral("Text %1").arg(n), r.Left, r.Top, ElementHandlers());
    // The look of free labels, at the window's zoom.
    if (const TDesignSamples* samples = TDesignSamples::Current()) {
      ui::TComponent owner(nullptr);
      auto* look = new TTextLabel(&owner);
      TDesignSamples::CopyLook(look, samples->DefFreeTextLabel);
      if (FZoom != 1000) look->ChangeScale(FZoom, 1000);
      TDesignSamples::CopyLook(label, look);
      label->SetBounds(r.Left, r.Top, label->Width(), label->Height());
    }
    VisualModel->AddTextLabel(label);
    NewElementPlaced(label, 1);
  }
  FreeCreationBox();
  return label;
}

TProjectInfo* TfrmDesign::CreateProjectInfoAt(ui::TMouseButton Button, int X, int Y) {
  TProjectInfo* info = nullptr;
  if (Button == ui::TMouseButton::mbLeft && !VisualModel->ProjectInfo) {
    const ui::TRect r = PlacementRect(X, Y);
    info = CreateProjectInfo(Desktop, FZoom, 1000, QStringLiteral("ProjectInfo_0"), r.Left, r.Top, true,
                             QString(), QString(), QString(), QString(), QString(), QString(),
                             VisualModel->DBModelName, VisualModel->CreatedAt, VisualModel->UpdatedAt,
                             ElementHandlers());
    KeepInsideDesktop(info);
    SetModified(true, 1);
    ClearSelection();
    Select(info);
    VisualModel->SetProjectInfo(info);
    ElementAdded(info);
  }
  if (Button == ui::TMouseButton::mbLeft && FHost) FHost->SetTool(toolArrow);
  FreeCreationBox();
  return info;
}

TEntryPoint* TfrmDesign::CreateEntryPointFor(TEntity* Entity, ui::TMouseButton Button) {
  if (Button != ui::TMouseButton::mbLeft || !Entity) return nullptr;
  const int n = VisualModel->NextFreeEntryPointNumber();
  TEntryPoint* point = CreateEntryPoint(Desktop, FZoom, 1000, QStringLiteral("EntryPoint_%1").arg(n), Entity,
                                        ElementHandlers());
  if (point) {
    VisualModel->AddEntryPoint(point);
    ElementAdded(point);
    SetModified(true, 1);
  }
  ToolUsed();
  return point;
}

void TfrmDesign::StartRelationDrag(TRectangle* Element, ui::TShiftState Shift, int X, int Y) {
  if (Has(Shift, ui::ssLeft) && !RelationDragging) {
    RelationDragging = true;
    RelationLine = Transient(CreateSelectingRect(Desktop, X, Y, 0, 0, stLine));
    RelationBase = Element;
  }
  RelationStart = ui::TPoint{X, Y};
}

void TfrmDesign::DragRelation(ui::TShiftState Shift, int X, int Y) {
  if (!Has(Shift, ui::ssLeft) || !RelationDragging || !RelationLine) return;
  AutoScroll(X, Y);
  RelationLine->SetPosition(RelationStart.x, RelationStart.y, X, Y);
}

TRelation* TfrmDesign::EndRelationDrag(ui::TShiftState Shift, int X, int Y) {
  if (!RelationDragging || Has(Shift, ui::ssLeft)) return nullptr;
  RelationDragging = false;
  TRelation* relation = nullptr;
  TRectangle* target = nullptr;
  for (int i = Desktop->ControlCount() - 1; i >= 0 && !target; --i) {
    auto* r = dynamic_cast<TRectangle*>(Desktop->Control(i));
    if (!r || !IsRectangleElement(r) || !r->Visible()) continue;
    if (r->Left() < X && X < r->Left() + r->Width() && r->Top() < Y && Y < r->Top() + r->Height()) target = r;
  }
  if (target && RelationBase) {
    const int n = VisualModel->NextFreeRelationNumber();
    relation = CreateRelation(Desktop, FZoom, 1000, QStringLiteral("Relation_%1").arg(n), RelationBase,
                              RelationStart.x - RelationBase->Left(), RelationStart.y - RelationBase->Top(),
                              target, X - target->Left(), Y - target->Top(), rkNone, ElementHandlers());
    if (relation) {
      if (TVisualModel::IsRelationComplete(relation)) BindRelationToReference(relation, nullptr);
      VisualModel->AddRelation(relation);
      ElementAdded(relation);
      SetModified(true, 3);
    }
  }
  TSelectingRect* line = RelationLine;
  RelationLine = nullptr;
  RelationBase = nullptr;
  delete line;
  ToolUsed();
  return relation;
}
