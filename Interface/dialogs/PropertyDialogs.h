#pragma once
// The property dialogs of a schema's elements and of its model, made once and reused, and
// the entries through which the schema window's commands, its double clicks and the error
// list open them. Each entry answers whether anything was stored; the caller then marks the
// schema modified (ModifiedKind) and brings the browser and the check up to date.

#include <memory>

class TfrmDesign;
class TMorvikGraphic;
class TfrmEntityProperties;
class TfrmModelProperties;
class TfrmNoteProperties;
class TfrmProjectInfoProperties;
class TfrmRelationProperties;
class TfrmTextLabelProperties;
class TRelation;
namespace Morvik {
class TCheckRecord;
}

class TPropertyDialogs {
public:
  TPropertyDialogs();
  ~TPropertyDialogs();
  TPropertyDialogs(const TPropertyDialogs&) = delete;
  TPropertyDialogs& operator=(const TPropertyDialogs&) = delete;

  // Opens the dialog of Element on Design's schema: an entity, a relation between two
  // entities, a relation's label (its relation's dialog), a free text label, a note or the
  // project block. Record: the finding to show, or null. True when anything was stored.
  bool EditElement(TfrmDesign* Design, TMorvikGraphic* Element, const Morvik::TCheckRecord* Record = nullptr);
  // Opens the model dialog on Design's plug-in model; true when anything was stored.
  bool EditModel(TfrmDesign* Design, const Morvik::TCheckRecord* Record = nullptr);
  // The relation whose label Element is, among Design's relations; null for anything else.
  static TRelation* RelationOfLabel(const TfrmDesign* Design, const TMorvikGraphic* Element);
  // The modification kind of a store by Element's dialog: 2 (model) for an entity, a
  // relation and a relation's label, 1 (drawing) for the others.
  static int ModifiedKind(const TfrmDesign* Design, const TMorvikGraphic* Element);

  // The dialogs (the relation dialog opens the entity dialog).
  std::unique_ptr<TfrmEntityProperties> frmEntityProperties;
  std::unique_ptr<TfrmRelationProperties> frmRelationProperties;
  std::unique_ptr<TfrmModelProperties> frmModelProperties;
  std::unique_ptr<TfrmNoteProperties> frmNoteProperties;
  std::unique_ptr<TfrmTextLabelProperties> frmTextLabelProperties;
  std::unique_ptr<TfrmProjectInfoProperties> frmProjectInfoProperties;
};
