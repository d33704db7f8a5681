// The schema window's editing side: its component browser and error list, the model check
// that every structural change re-runs, the deletion of elements together with their
// plug-in objects, relation labels, and the property commands that open each element's
// dialog through the host.

#include "editor/frmDesign.h"

#include "Interface/MorvikInterface.h"
#include "diagram/Entity.h"
#include "diagram/EntryPoint.h"
#include "diagram/Note.h"
#include "diagram/ProjectInfo.h"
#include "diagram/Relation.h"
#include "diagram/ScrolledScrollBox.h"
#include "diagram/TextLabel.h"
#include "editor/VisualModel.h"
#include "editor/frmBrowser.h"
#include "editor/frmErrorBrowser.h"
#include "ui/ScopeGuard.h"

#include <algorithm>

namespace {

// The relation whose label Element is, or null.
TRelation* RelationOfLabel(const TMorvikGraphic* Element) {
  return Element && Element->DiagramKind() == TDiagramKind::TextLabel
             ? static_cast<const TTextLabel*>(Element)->Relation()
             : nullptr;
}

} // namespace

// ---- Browsers ----------------------------------------------------------------------------

void TfrmDesign::CreateBrowsers() {
  Browser = new TfrmBrowser(this, this);
  ErrorBrowser = new TfrmErrorBrowser(this, Browser, this);
}

void TfrmDesign::AddBrowserNode(TMorvikGraphic* Element) {
  if (!Browser || !Element) return;
  switch (Element->DiagramKind()) {
    case TDiagramKind::Entity: Browser->AddEntityNode(static_cast<TEntity*>(Element)); break;
    case TDiagramKind::EntryPoint: Browser->AddEntryPointNode(static_cast<TEntryPoint*>(Element)); break;
    case TDiagramKind::Note: Browser->AddNoteNode(static_cast<TNote*>(Element)); break;
    case TDiagramKind::TextLabel: Browser->AddTextLabelNode(static_cast<TTextLabel*>(Element)); break;
    case TDiagramKind::Relation: Browser->AddRelationNode(static_cast<TRelation*>(Element)); break;
    case TDiagramKind::ProjectInfo: Browser->AddProjectInfoNode(static_cast<TProjectInfo*>(Element)); break;
    default: break;
  }
}

void TfrmDesign::FindSelectedInBrowser() {
  if (Selection.size() != 1 || !Browser) return;
  TMorvikGraphic* element = Selection.front();
  if (TRelation* relation = RelationOfLabel(element)) element = relation;
  Browser->ShowElement(element);
}

// ---- TBrowserHost ------------------------------------------------------------------------

TVisualModel* TfrmDesign::DesignDocument() { return VisualModel.get(); }

Morvik::TModel* TfrmDesign::DesignModel() { return Model; }

void TfrmDesign::ScrollIntoView(const ui::TControl* Element) {
  if (!Element) return;
  const int h = sbxDesktop->HorzPosition(), v = sbxDesktop->VertPosition();
  const int w = ClientWidth(), ht = ClientHeight();
  // A box not wholly in view is brought to the middle of the view.
  if (Element->Left() < h || Element->Left() + Element->Width() > h + w)
    sbxDesktop->SetHorzPosition(Element->Left() + Element->Width() / 2 - w / 2);
  if (Element->Top() < v || Element->Top() + Element->Height() > v + ht)
    sbxDesktop->SetVertPosition(Element->Top() + Element->Height() / 2 - ht / 2);
}

void TfrmDesign::LocateElement(TMorvikGraphic* Element) {
  if (!Element) return;
  ScrollIntoView(Element);
  SelectOnly(Element);
}

void TfrmDesign::PopupElementMenu(TMorvikGraphic* Element, const QPoint& Pos) {
  if (!Element || !FHost) return;
  if (Element->IsBox() || Element->DiagramKind() == TDiagramKind::Relation)
    FHost->PopupMenu(this, MenuOf(Element), Pos);
}

TDesignMenu TfrmDesign::MenuOf(const TMorvikGraphic* Element) {
  switch (Element ? Element->DiagramKind() : TDiagramKind::Other) {
    case TDiagramKind::Entity: return TDesignMenu::Entity;
    case TDiagramKind::Note: return TDesignMenu::Note;
    case TDiagramKind::ProjectInfo: return TDesignMenu::ProjectInfo;
    case TDiagramKind::TextLabel: return TDesignMenu::TextLabel;
    case TDiagramKind::Relation: return TDesignMenu::Relation;
    default: return TDesignMenu::Desktop;
  }
}

bool TfrmDesign::EditModelAt(const Morvik::TCheckRecord* Record) {
  return FHost && Model && FHost->EditModel(this, Record);
}

bool TfrmDesign::EditEntityAt(TEntity* Entity, const Morvik::TCheckRecord* Record) {
  return FHost && Entity && Model && FHost->EditEntity(this, Entity, Record);
}

bool TfrmDesign::EditRelationAt(TRelation* Relation, const Morvik::TCheckRecord* Record) {
  if (!FHost || !Relation || !Model) return false;
  return EditRelation(Relation, Record);
}

void TfrmDesign::DockedWindowHidden(QWidget* Window) {
  if (Window && Window == Browser)
    pnLeftDockUnDock();
  else if (Window && Window == ErrorBrowser)
    pnBottomDockUnDock();
}

// ---- Deleting ----------------------------------------------------------------------------

namespace {

bool HasName(const Morvik::TReference* Reference) {
  const char* name = Reference ? Reference->GetName() : nullptr;
  return name && *name;
}

bool BetweenEntities(const TRelation* Relation) {
  return Relation && Relation->Base() && Relation->Base()->DiagramKind() == TDiagramKind::Entity &&
         Relation->Target() && Relation->Target()->DiagramKind() == TDiagramKind::Entity;
}

// The model's references by table for the life of a deletion: made when none is kept yet, so
// that the deletions nested in it share the outermost one.
class TReferenceScope {
public:
  TReferenceScope(std::unique_ptr<TReferenceIndex>& Slot, const Morvik::TModel* Model)
      : FSlot(Slot), FOwn(!Slot && Model) {
    if (FOwn) FSlot = std::make_unique<TReferenceIndex>(*Model);
  }
  ~TReferenceScope() {
    if (FOwn) FSlot.reset();
  }
  TReferenceScope(const TReferenceScope&) = delete;
  TReferenceScope& operator=(const TReferenceScope&) = delete;

private:
  std::unique_ptr<TReferenceIndex>& FSlot;
  bool FOwn;
};

// A run of removals of the window's document and of its browser's nodes together.
class TDeletionRun {
public:
  TDeletionRun(TVisualModel& Document, TfrmBrowser* Browser) : FDocument(Document), FNodes(Browser) {}

private:
  TRemovalRun FDocument;
  TNodeRemovalRun FNodes;
};

// The one selected element when it is a T, else null.
template <class T>
T* OnlySelected(const std::vector<TMorvikGraphic*>& Selection) {
  return Selection.size() == 1 ? dynamic_cast<T*>(Selection.front()) : nullptr;
}

} // namespace

void TfrmDesign::DeleteSelection() {
  DeleteSelectionElements();
  SetModified(true, mkModel);
}

void TfrmDesign::DeleteSelectionElements() {
  if (FHost) FHost->SetBusy(true);
  const ui::TScopeGuard busy([this] {
    if (FHost) FHost->SetBusy(false);
  });
  const TReferenceScope references(FReferenceIndex, Model);
  const TDeletionRun removals(*VisualModel, Browser);
  // The selection is taken whole and walked in its order: each element is deselected just
  // before it goes, and one that went with an earlier one is passed over. Should a deletion
  // fail, what is left of it is the selection again.
  std::vector<TMorvikGraphic*> chosen;
  chosen.swap(Selection);
  const ui::TScopeGuard rest([this, &chosen] { KeepSelected(chosen); });
  for (TMorvikGraphic* element : chosen) {
    if (!FSelected.contains(element)) continue;
    Deselect(element);
    switch (element->DiagramKind()) {
      case TDiagramKind::Relation: DeleteRelation(static_cast<TRelation*>(element)); break;
      case TDiagramKind::Entity: DeleteEntity(static_cast<TEntity*>(element)); break;
      case TDiagramKind::Note: DeleteNote(static_cast<TNote*>(element)); break;
      case TDiagramKind::ProjectInfo: DeleteProjectInfo(static_cast<TProjectInfo*>(element)); break;
      case TDiagramKind::TextLabel: DeleteTextLabel(static_cast<TTextLabel*>(element)); break;
      default: break;
    }
  }
}

void TfrmDesign::DeleteAttachedRelations(TRectangle* Element) {
  if (!Element) return;
  Deselect(Element);
  // A line's destructor empties its slot, so the walk starts from the first slot each time.
  while (Element->LineCount() > 0) {
    TLine* line = nullptr;
    for (int i = 0; i < Element->SlotCount() && !line; ++i) line = Element->GetLine(i);
    auto* relation = dynamic_cast<TRelation*>(line);
    if (!relation) break;
    DeleteRelation(relation);
  }
}

void TfrmDesign::DeleteEntity(TEntity* Entity) {
  if (!Entity) return;
  const TDeletionRun removals(*VisualModel, Browser);
  DeleteAttachedRelations(Entity);
  if (TEntryPoint* point = VisualModel->FindEntryPointByEntity(Entity)) DeleteEntryPoint(point);
  Morvik::TTable* table = Entity->Table();
  const bool dropTable = table && !Entity->TableDropped() && Model;
  VisualModel->RemoveEntity(Entity);
  if (Browser) Browser->RemoveEntityNode(Entity);
  if (table && Model) {
    // No reference may outlive its table: those that no relation on the desktop showed
    // go too, and a relation that still shows one goes with it.
    const TReferenceScope scope(FReferenceIndex, Model);
    const std::vector<Morvik::TReference*> references = FReferenceIndex->Of(table);
    for (auto it = references.rbegin(); it != references.rend(); ++it) {
      if (TRelation* relation = VisualModel->FindRelationByReference(*it)) DeleteRelation(relation);
      // Deleting the relation may have taken the reference already.
      if (FReferenceIndex->Contains(*it)) DeleteModelReference(*it);
    }
  }
  Entity->SetTable(nullptr);
  if (dropTable) Model->DeleteTable(table);
  delete Entity;
}

void TfrmDesign::DeleteRelation(TRelation* Relation) {
  if (!Relation) return;
  const TDeletionRun removals(*VisualModel, Browser);
  Deselect(Relation);
  if (TTextLabel* label = Relation->MainLabel()) DeleteTextLabel(label);
  VisualModel->RemoveRelation(Relation);
  if (Browser) Browser->RemoveRelationNode(Relation);
  Morvik::TReference* reference = Relation->Reference();
  Relation->SetReference(nullptr);
  if (reference && !Relation->ReferenceDropped() && Model) DeleteModelReference(reference);
  delete Relation;
}

void TfrmDesign::DeleteModelReference(Morvik::TReference* Reference) {
  Model->DeleteReference(Reference);
  if (FReferenceIndex) FReferenceIndex->Deleted(Reference);
}

void TfrmDesign::DeleteNote(TNote* Note) {
  if (!Note) return;
  const TDeletionRun removals(*VisualModel, Browser);
  DeleteAttachedRelations(Note);
  VisualModel->RemoveNote(Note);
  if (Browser) Browser->RemoveNoteNode(Note);
  delete Note;
}

void TfrmDesign::DeleteTextLabel(TTextLabel* TextLabel) {
  if (!TextLabel) return;
  const TDeletionRun removals(*VisualModel, Browser);
  DeleteAttachedRelations(TextLabel);
  VisualModel->RemoveTextLabel(TextLabel);
  if (Browser) Browser->RemoveTextLabelNode(TextLabel);
  if (TRelation* relation = RelationOfLabel(TextLabel))
    if (relation->MainLabel() == TextLabel) relation->SetMainLabel(nullptr);
  delete TextLabel;
}

void TfrmDesign::DeleteProjectInfo(TProjectInfo* ProjectInfo) {
  if (!ProjectInfo) return;
  const TDeletionRun removals(*VisualModel, Browser);
  DeleteAttachedRelations(ProjectInfo);
  VisualModel->RemoveProjectInfo(ProjectInfo);
  if (Browser) Browser->RemoveProjectInfoNode();
  delete ProjectInfo;
}

void TfrmDesign::DeleteEntryPoint(TEntryPoint* EntryPoint) {
  if (!EntryPoint) return;
  Deselect(EntryPoint);
  VisualModel->RemoveEntryPoint(EntryPoint);
  if (Browser) Browser->RemoveEntryPointNode(EntryPoint);
  delete EntryPoint;
}

void TfrmDesign::DeleteSelectedEntity() {
  if (TEntity* entity = OnlySelected<TEntity>(Selection)) {
    DeleteEntity(entity);
    SetModified(true, mkModel);
  }
}

void TfrmDesign::DeleteSelectedRelation() {
  if (TRelation* relation = OnlySelected<TRelation>(Selection)) {
    DeleteRelation(relation);
    SetModified(true, mkModel);
  }
}

void TfrmDesign::DeleteSelectedNote() {
  if (TNote* note = OnlySelected<TNote>(Selection)) {
    DeleteNote(note);
    SetModified(true, mkDrawing);
  }
}

void TfrmDesign::DeleteSelectedProjectInfo() {
  if (TProjectInfo* info = OnlySelected<TProjectInfo>(Selection)) {
    DeleteProjectInfo(info);
    SetModified(true, mkDrawing);
  }
}

void TfrmDesign::DeleteSelectedTextLabel() {
  if (TTextLabel* label = OnlySelected<TTextLabel>(Selection)) {
    DeleteTextLabel(label);
    SetModified(true, mkDrawing);
  }
}

void TfrmDesign::DeleteSelectedEntryPoint() {
  if (TEntity* entity = OnlySelected<TEntity>(Selection)) {
    if (TEntryPoint* point = VisualModel->FindEntryPointByEntity(entity)) {
      DeleteEntryPoint(point);
      SetModified(true, mkDrawing);
    }
  }
}

bool TfrmDesign::SelectedEntityHasEntryPoint() const {
  const TEntity* entity = OnlySelected<TEntity>(Selection);
  return entity && VisualModel->FindEntryPointByEntity(entity);
}

// ---- Relation labels ---------------------------------------------------------------------

bool TfrmDesign::CanShowRelationLabel() const {
  const TRelation* relation = OnlySelected<TRelation>(Selection);
  return relation && !relation->MainLabel() && BetweenEntities(relation) && HasName(relation->Reference());
}

bool TfrmDesign::CanHideRelationLabel() const {
  const TRelation* relation = OnlySelected<TRelation>(Selection);
  return relation && BetweenEntities(relation) && relation->MainLabel();
}

void TfrmDesign::AddRelationLabel(TRelation* Relation) {
  const int n = VisualModel->NextFreeTextLabelNumber();
  TTextLabel* label =
      CreateTextLabel(Desktop, FZoom, 1000, QStringLiteral("TextLabel_%1").arg(n),
                      QString::fromUtf8(Relation->Reference()->GetName()), 0, 0, ElementHandlers());
  label->SetTag(reinterpret_cast<intptr_t>(Relation));
  Relation->SetMainLabel(label);
  VisualModel->AddTextLabel(label);
}

void TfrmDesign::ShowRelationLabel() {
  if (!CanShowRelationLabel()) return;
  AddRelationLabel(OnlySelected<TRelation>(Selection));
  SetModified(true, mkDrawing);
}

void TfrmDesign::HideRelationLabel() {
  TRelation* relation = OnlySelected<TRelation>(Selection);
  if (!relation || !relation->MainLabel()) return;
  DeleteTextLabel(relation->MainLabel());
  SetModified(true, mkDrawing);
}

// ---- Properties --------------------------------------------------------------------------

bool TfrmDesign::EditSelectedEntity() {
  TEntity* entity = OnlySelected<TEntity>(Selection);
  if (!entity || !FHost || !Model || !FHost->EditEntity(this, entity, nullptr)) return false;
  if (Browser) Browser->UpdateEntityNode(entity);
  SetModified(true, mkModel);
  return true;
}

bool TfrmDesign::EditRelation(TRelation* Relation, const Morvik::TCheckRecord* Record) {
  if (!FHost || !Model || !BetweenEntities(Relation) || !Relation->Reference()) return false;
  // A named reference without a label: the user hid it, and it stays hidden.
  const bool hidden = !Relation->MainLabel() && HasName(Relation->Reference());
  if (!FHost->EditRelation(this, Relation, Record)) return false;
  Morvik::TReference* reference = Relation->Reference();
  if (HasName(reference)) {
    if (TTextLabel* label = Relation->MainLabel()) {
      label->SetCaption(QString::fromUtf8(reference->GetName()));
      Relation->ChangePositionOfMainLabel();
    } else if (!hidden) {
      AddRelationLabel(Relation);
    }
  } else if (TTextLabel* label = Relation->MainLabel()) {
    DeleteTextLabel(label);
  }
  return true;
}

bool TfrmDesign::EditSelectedRelation() {
  if (Selection.size() != 1) return false;
  TMorvikGraphic* only = Selection.front();
  TRelation* relation =
      only->DiagramKind() == TDiagramKind::Relation ? static_cast<TRelation*>(only) : RelationOfLabel(only);
  if (!relation || !EditRelation(relation, nullptr)) return false;
  if (Browser) Browser->UpdateRelationNode(relation);
  SetModified(true, mkModel);
  return true;
}

bool TfrmDesign::EditSelectedTextLabel() {
  TTextLabel* label = OnlySelected<TTextLabel>(Selection);
  if (!label) return false;
  if (RelationOfLabel(label)) return EditSelectedRelation();
  if (!FHost || !FHost->EditTextLabel(this, label)) return false;
  if (Browser) Browser->UpdateTextLabelNode(label);
  SetModified(true, mkDrawing);
  return true;
}

bool TfrmDesign::EditSelectedNote() {
  TNote* note = OnlySelected<TNote>(Selection);
  if (!note || !FHost || !FHost->EditNote(this, note)) return false;
  note->Invalidate();
  SetModified(true, mkDrawing);
  if (Browser) Browser->UpdateNoteNode(note);
  return true;
}

bool TfrmDesign::EditSelectedProjectInfo() {
  TProjectInfo* info = OnlySelected<TProjectInfo>(Selection);
  if (!info || !FHost || !FHost->EditProjectInfo(this, info)) return false;
  info->Invalidate();
  SetModified(true, mkDrawing);
  return true;
}

bool TfrmDesign::EditModelProperties() {
  if (!FHost || !Model || !FHost->EditModel(this, nullptr)) return false;
  SetModified(true, mkModel);
  return true;
}

bool TfrmDesign::EditElementProperties(TMorvikGraphic* Element) {
  if (!Element) return false;
  // The commands work on the selection: the element becomes the only selected one.
  if (Selection.size() != 1 || Selection.front() != Element) SelectOnly(Element);
  switch (Element->DiagramKind()) {
    case TDiagramKind::Entity: return EditSelectedEntity();
    case TDiagramKind::Relation: return EditSelectedRelation();
    case TDiagramKind::Note: return EditSelectedNote();
    case TDiagramKind::TextLabel: return EditSelectedTextLabel();
    case TDiagramKind::ProjectInfo: return EditSelectedProjectInfo();
    default: return false;
  }
}
