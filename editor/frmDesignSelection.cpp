// The schema window's selection, and the new elements that the creation tools of its mouse
// place on the desktop. Every position here is a desktop position.

#include "editor/frmDesign.h"

#include "diagram/Entity.h"
#include "diagram/EntryPoint.h"
#include "diagram/Note.h"
#include "diagram/ProjectInfo.h"
#include "diagram/Relation.h"
#include "diagram/ResizeBox.h"
#include "diagram/ResizeLine.h"
#include "diagram/TextLabel.h"
#include "editor/DesignMouse.h"
#include "editor/DesignSamples.h"
#include "editor/VisualModel.h"
#include "ui/ScopeGuard.h"

#include <algorithm>

TElementHandlers TfrmDesign::ElementHandlers() { return FMouse->ElementHandlers(); }

// ---- Selection -----------------------------------------------------------------------------

TResizeBox* TfrmDesign::ResizeBoxOf(const TRectangle* Element) const {
  if (!Element || Element->Name().isEmpty()) return nullptr;
  return dynamic_cast<TResizeBox*>(Desktop->FindComponent(QStringLiteral("ResBox_") + Element->Name()));
}

void TfrmDesign::Select(TMorvikGraphic* Element) {
  if (!Element || Element->Selected()) return;
  if (FSelected.contains(Element)) return;
  if (Element->IsEntryPoint()) return;
  TRectangle* rectangle = AsBox(Element);
  TLine* line = Element->DiagramKind() == TDiagramKind::Relation ? static_cast<TRelation*>(Element) : nullptr;
  if (!rectangle && !line) return;
  if (line || (!Selection.empty() && !AsBox(Selection.front()))) ClearSelection();
  if (rectangle) {
    rectangle->BringToFront();
    const bool resize = rectangle->CanResize(), move = rectangle->CanMove();
    CreateResizeBox(Desktop, FZoom, 1000, rectangle->Left(), rectangle->Top(), rectangle->Width(),
                    rectangle->Height(), Selection.empty() ? rsSelectedAsOne : rsSelectedAsMany, resize, move,
                    rectangle, true, ElementHandlers());
  } else {
    CreateResizeLine(Desktop, FZoom, 1000, true, line, ElementHandlers());
  }
  Selection.push_back(Element);
  FSelected.insert(Element);
  Element->SetSelected(true);
  if (Selection.size() == 2)
    if (TRectangle* first = AsBox(Selection.front()))
      if (TResizeBox* box = ResizeBoxOf(first)) box->SetState(rsSelectedAsMany);
}

void TfrmDesign::Deselect(TMorvikGraphic* Element) {
  if (!Element) return;
  const bool chosen = FSelected.contains(Element);
  // A move carries the selection as it was: a selection that changes under it ends it.
  if (chosen) FMouse->SelectionChanging();
  // Handles are made for an element only as it is selected, so one that is not has none to
  // look for (a deletion deselects every element it takes).
  const bool handles = chosen || Element->Selected();
  Element->SetSelected(false);
  if (handles) DeleteHandles(Element);
  if (FSelected.remove(Element)) {
    // Not there while the selection is walked whole.
    auto it = std::find(Selection.begin(), Selection.end(), Element);
    if (it != Selection.end()) Selection.erase(it);
  }
  ShowSingleSelection();
}

void TfrmDesign::DeleteHandles(TMorvikGraphic* Element) {
  if (TRectangle* rectangle = AsBox(Element)) {
    delete ResizeBoxOf(rectangle);
  } else if (Element->DiagramKind() == TDiagramKind::Relation) {
    for (const char* end : {"_T", "_B"})
      delete Desktop->FindComponent(QStringLiteral("ResLine_") + Element->Name() + QLatin1String(end));
  }
}

void TfrmDesign::ShowSingleSelection() {
  if (Selection.size() == 1)
    if (TRectangle* only = AsBox(Selection.front()))
      if (TResizeBox* box = ResizeBoxOf(only)) box->SetState(rsSelectedAsOne);
}

void TfrmDesign::KeepSelected(const std::vector<TMorvikGraphic*>& Chosen) {
  std::vector<TMorvikGraphic*> kept;
  for (TMorvikGraphic* s : Chosen)
    if (FSelected.contains(s)) kept.push_back(s);
  if (kept.empty()) return;
  kept.insert(kept.end(), Selection.begin(), Selection.end());
  Selection.swap(kept);
  ShowSingleSelection();
}

void TfrmDesign::ClearSelection() { DeselectAllBut(nullptr); }

void TfrmDesign::DeselectAllBut(TMorvikGraphic* Element) {
  // Taken whole, so that no deselection moves the rest of the list.
  std::vector<TMorvikGraphic*> chosen;
  chosen.swap(Selection);
  const ui::TScopeGuard rest([this, &chosen] { KeepSelected(chosen); });
  for (TMorvikGraphic* s : chosen)
    if (s != Element && FSelected.contains(s)) Deselect(s);
}

void TfrmDesign::SelectOnly(TMorvikGraphic* Element) {
  DeselectAllBut(Element);
  if (Element && !Element->Selected()) Select(Element);
}

ui::TRect TfrmDesign::SelectionBounds() const {
  if (Selection.empty()) return ui::TRect{};
  ui::TRect r = Selection.front()->BoundsRect();
  for (TMorvikGraphic* s : Selection) {
    if (!s->IsBox()) continue;
    const ui::TRect b = s->BoundsRect();
    r.Left = std::min(r.Left, b.Left);
    r.Top = std::min(r.Top, b.Top);
    r.Right = std::max(r.Right, b.Right);
    r.Bottom = std::max(r.Bottom, b.Bottom);
  }
  return r;
}

// ---- Creation ------------------------------------------------------------------------------

void TfrmDesign::ElementAdded(TMorvikGraphic* Element) {
  AddBrowserNode(Element);
  if (OnElementAdded) OnElementAdded(Element);
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

void TfrmDesign::NewElementPlaced(TMorvikGraphic* Element, TModifiedKind Kind) {
  ElementAdded(Element);
  SetModified(true, Kind);
  ClearSelection();
  Select(Element);
  FMouse->ToolUsed();
}

TEntity* TfrmDesign::CreateEntityAt(ui::TMouseButton Button, int X, int Y) {
  TEntity* entity = nullptr;
  if (Button == ui::TMouseButton::mbLeft) {
    const ui::TRect r = FMouse->PlacementRect(X, Y);
    const int n = VisualModel->NextFreeEntityNumber();
    entity = CreateEntity(Desktop, FZoom, 1000, QStringLiteral("Entity_%1").arg(n),
                          QStringLiteral("Entita_%1").arg(n), r.Left, r.Top, r.Width(), r.Height(), true,
                          false, true, ElementHandlers());
    KeepInsideDesktop(entity);
    BindEntityToTable(entity, nullptr);
    VisualModel->AddEntity(entity);
    NewElementPlaced(entity, mkCreation);
  }
  FMouse->FreeCreationBox();
  return entity;
}

TNote* TfrmDesign::CreateNoteAt(ui::TMouseButton Button, int X, int Y) {
  TNote* note = nullptr;
  if (Button == ui::TMouseButton::mbLeft) {
    const ui::TRect r = FMouse->PlacementRect(X, Y);
    const int n = VisualModel->NextFreeNoteNumber();
    note = CreateNote(Desktop, FZoom, 1000, QStringLiteral("Note_%1").arg(n),
                      QStringLiteral("Poznamka %1").arg(n), r.Left, r.Top, r.Width(), r.Height(), false,
                      ElementHandlers());
    VisualModel->AddNote(note);
    NewElementPlaced(note, mkDrawing);
  }
  FMouse->FreeCreationBox();
  return note;
}

TTextLabel* TfrmDesign::CreateTextLabelAt(ui::TMouseButton Button, int X, int Y) {
  TTextLabel* label = nullptr;
  if (Button == ui::TMouseButton::mbLeft) {
    const ui::TRect r = FMouse->PlacementRect(X, Y);
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
    NewElementPlaced(label, mkDrawing);
  }
  FMouse->FreeCreationBox();
  return label;
}

TProjectInfo* TfrmDesign::CreateProjectInfoAt(ui::TMouseButton Button, int X, int Y) {
  TProjectInfo* info = nullptr;
  if (Button == ui::TMouseButton::mbLeft && !VisualModel->ProjectInfo) {
    const ui::TRect r = FMouse->PlacementRect(X, Y);
    info = CreateProjectInfo(Desktop, FZoom, 1000, QStringLiteral("ProjectInfo_0"), r.Left, r.Top, true,
                             QString(), QString(), QString(), QString(), QString(), QString(),
                             VisualModel->DBModelName, VisualModel->CreatedAt, VisualModel->UpdatedAt,
                             ElementHandlers());
    KeepInsideDesktop(info);
    SetModified(true, mkDrawing);
    ClearSelection();
    Select(info);
    VisualModel->SetProjectInfo(info);
    ElementAdded(info);
  }
  if (Button == ui::TMouseButton::mbLeft && FHost) FHost->SetTool(toolArrow);
  FMouse->FreeCreationBox();
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
    SetModified(true, mkDrawing);
  }
  FMouse->ToolUsed();
  return point;
}
