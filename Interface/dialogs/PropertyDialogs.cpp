#include "Interface/dialogs/PropertyDialogs.h"

#include "Interface/dialogs/frmEntityProperties.h"
#include "Interface/dialogs/frmModelProperties.h"
#include "Interface/dialogs/frmNoteProperties.h"
#include "Interface/dialogs/frmProjectInfoProperties.h"
#include "Interface/dialogs/frmRelationProperties.h"
#include "Interface/dialogs/frmTextLabelProperties.h"
#include "diagram/Entity.h"
#include "diagram/Note.h"
#include "diagram/ProjectInfo.h"
#include "diagram/Relation.h"
#include "diagram/TextLabel.h"
#include "editor/VisualModel.h"
#include "editor/frmDesign.h"

#include <cstdint>

TPropertyDialogs::TPropertyDialogs()
    : frmEntityProperties(std::make_unique<TfrmEntityProperties>()),
      frmRelationProperties(std::make_unique<TfrmRelationProperties>(frmEntityProperties.get())),
      frmModelProperties(std::make_unique<TfrmModelProperties>()),
      frmNoteProperties(std::make_unique<TfrmNoteProperties>()),
      frmTextLabelProperties(std::make_unique<TfrmTextLabelProperties>()),
      frmProjectInfoProperties(std::make_unique<TfrmProjectInfoProperties>()) {}

TPropertyDialogs::~TPropertyDialogs() = default;

TRelation* TPropertyDialogs::RelationOfLabel(const TfrmDesign* Design, const TMorvikGraphic* Element) {
  if (!Design || !Element || Element->DiagramKind() != TDiagramKind::TextLabel) return nullptr;
  return static_cast<const TTextLabel*>(Element)->Relation();
}

int TPropertyDialogs::ModifiedKind(const TfrmDesign* Design, const TMorvikGraphic* Element) {
  if (dynamic_cast<const TEntity*>(Element) || dynamic_cast<const TRelation*>(Element) ||
      RelationOfLabel(Design, Element))
    return 2;
  return 1;
}

bool TPropertyDialogs::EditElement(TfrmDesign* Design, TMorvikGraphic* Element,
                                   const Morvik::TCheckRecord* Record) {
  if (!Design || !Element) return false;
  if (auto* entity = dynamic_cast<TEntity*>(Element)) {
    if (!entity->Table() || !Design->Model) return false;
    return frmEntityProperties->Execute(entity, Design->Model, Record);
  }
  TRelation* relation = dynamic_cast<TRelation*>(Element);
  if (!relation) relation = RelationOfLabel(Design, Element);
  if (relation) {
    // Only a relation between two entities has a reference to edit.
    if (!TVisualModel::IsRelationComplete(relation) || !relation->Reference() || !Design->Model) return false;
    return frmRelationProperties->Execute(relation, Design->VisualModel.get(), Record, Design->Model);
  }
  if (auto* label = dynamic_cast<TTextLabel*>(Element)) return frmTextLabelProperties->Execute(label);
  if (auto* note = dynamic_cast<TNote*>(Element)) return frmNoteProperties->Execute(note);
  if (auto* info = dynamic_cast<TProjectInfo*>(Element)) return frmProjectInfoProperties->Execute(info);
  return false;
}

bool TPropertyDialogs::EditModel(TfrmDesign* Design, const Morvik::TCheckRecord* Record) {
  if (!Design || !Design->Model) return false;
  return frmModelProperties->Execute(Design->Model, Record);
}
