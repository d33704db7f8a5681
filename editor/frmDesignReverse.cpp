// The schema window's reverse-engineering command: the dialogs and the progress window of
// the program (through the host), the calls of the model's reverse-engineering object, and
// the diagram brought in line with the plug-in's result.
#include "diagram/Entity.h"
#include "diagram/EntryPoint.h"
#include "diagram/Relation.h"
#include "diagram/TextLabel.h"
#include "editor/CreateComp.h"
#include "editor/DesignSamples.h"
#include "editor/LayoutManager.h"
#include "diagram/ScrolledScrollBox.h"
#include "editor/VisualModel.h"
#include "editor/frmDesign.h"

#include "editor/PluginText.h"
#include "Interface/MorvikInterface.h"

#include <algorithm>
#include <exception>

namespace {

// The progress window and the busy cursor of one run, given back however the run ends.
class TReverseRun {
public:
  explicit TReverseRun(TDesignHost* Host) : host(Host) {}
  TReverseRun(const TReverseRun&) = delete;
  TReverseRun& operator=(const TReverseRun&) = delete;
  ~TReverseRun() {
    if (!host) return;
    if (progress) host->ShowProgress(false);
    if (busy) host->SetBusy(false);
  }
  void Busy(bool On) {
    if (host && busy != On) host->SetBusy(On);
    busy = On;
  }
  void Progress(bool On) {
    if (host && progress != On) host->ShowProgress(On);
    progress = On;
    Busy(On);
  }

private:
  TDesignHost* host;
  bool busy = false;
  bool progress = false;
};

bool ModelHoldsReference(const Morvik::TModel* Model, const Morvik::TReference* Reference) {
  if (!Model || !Reference) return false;
  for (int i = 0; i < Model->GetReferenceCount(); ++i)
    if (Model->GetReference(i) == Reference) return true;
  return false;
}

bool ModelHoldsTable(const Morvik::TModel* Model, const Morvik::TTable* Table) {
  if (!Model || !Table) return false;
  for (int i = 0; i < Model->GetTableCount(); ++i)
    if (Model->GetTable(i) == Table) return true;
  return false;
}

} // namespace

void TfrmDesign::ReverseEngineer(int SourceIndex, bool Differential) {
  if (SourceIndex == -1) return;
  ClearSelection();
  Morvik::TReverse* reverse = Model ? Model->GetReverse() : nullptr;
  if (!reverse) {
    if (FHost) FHost->ShowMessage(QStringLiteral("Model tohoto schématu nenabízí reverse engineering."));
    return;
  }
  TReverseRun run(FHost);
  reverse->SetProgress(FHost ? FHost->ReverseProgress() : nullptr);
  Morvik::TParamObject* options = reverse->GetParams(SourceIndex);

  TReverseLogin login;
  if (!FHost || !FHost->ReverseProperties(options, login)) return;

  try {
    run.Busy(true);
    reverse->Connect(login.User.toUtf8().constData(), login.Password.toUtf8().constData(),
                     login.DataSource.toUtf8().constData());
    run.Busy(false);
  } catch (const std::exception& e) {
    run.Busy(false);
    FHost->ShowMessage(QString::fromUtf8(e.what()));
    return;
  } catch (const Morvik::TException& e) {
    run.Busy(false);
    FHost->ShowMessage(FromPlugin(e.GetMessage()));
    return;
  } catch (...) {
    run.Busy(false);
    FHost->ShowMessage(QStringLiteral("Nepodařilo se připojit na server."));
    return;
  }

  // The two lists of the plug-in; a failed query is shown with the plug-in's text.
  auto query = [&](Morvik::TReverseGroups* (Morvik::TReverse::*Get)(), Morvik::TReverseGroups*& Groups) {
    run.Progress(true);
    try {
      Groups = (reverse->*Get)();
    } catch (const Morvik::QUERY_FAILED& e) {
      run.Progress(false);
      FHost->ShowMessage(FromPlugin(e.GetMessage()));
      return false;
    }
    run.Progress(false);
    return true;
  };
  Morvik::TReverseGroups* groups = nullptr;
  if (!query(&Morvik::TReverse::GetSchemas, groups)) return;
  if (!FHost->ReverseItems(groups, 0)) return;
  if (!query(&Morvik::TReverse::GetItems, groups)) return;
  if (!FHost->ReverseItems(groups, 1)) return;

  run.Progress(true);
  Morvik::TReverseResult* result = reverse->GetResult();
  run.Progress(false);
  if (!result) {
    FHost->ShowMessage(QStringLiteral("Model nevrátil výsledek reverse engineeringu."));
    return;
  }

  // Dropped references first: a dropped table's relations are gone before its entity, so
  // that no reference is deleted twice.
  for (int i = 0; i < result->GetDroppedReferenceCount(); ++i)
    if (TRelation* relation = VisualModel->FindRelationByReference(result->GetDroppedReference(i))) {
      relation->SetReferenceDropped(true);
      DeleteReversedRelation(relation);
    }
  for (int i = 0; i < result->GetDroppedTableCount(); ++i)
    if (TEntity* entity = VisualModel->FindEntityByTable(result->GetDroppedTable(i))) {
      entity->SetTableDropped(true);
      DeleteReversedEntity(entity);
    }

  // Tables the plug-in changed in place show their new names and columns.
  for (TEntity* entity : VisualModel->Entities)
    if (entity->Table()) BindEntityToTable(entity, entity->Table());
  for (TRelation* relation : VisualModel->Relations)
    if (relation->Reference()) BindRelationToReference(relation, relation->Reference());

  for (int i = 0; i < result->GetNewTableCount(); ++i) {
    const int n = VisualModel->NextFreeEntityNumber();
    TEntity* entity =
        CreateEntity(Desktop, FZoom, 1000, QStringLiteral("Entity_%1").arg(n),
                     QStringLiteral("Entita %1").arg(n), 0, 0, 0, 0, true, true, true, ElementHandlers());
    BindEntityToTable(entity, result->GetNewTable(i));
    VisualModel->AddEntity(entity);
    ElementAdded(entity);
  }
  PlaceNewEntities();

  const TDesignSamples* samples = TDesignSamples::Current();
  const bool labels = !samples || samples->CreateLabel();
  for (int i = 0; i < result->GetNewReferenceCount(); ++i) {
    Morvik::TReference* reference = result->GetNewReference(i);
    TEntity* base = VisualModel->FindEntityByTable(reference->GetParentTable());
    TEntity* target = VisualModel->FindEntityByTable(reference->GetChildTable());
    TRelation* relation = nullptr;
    if (base && target) {
      const int n = VisualModel->NextFreeRelationNumber();
      // Anchored at both boxes' centres, as if drawn by the mouse from centre to centre.
      relation = CreateRelation(Desktop, FZoom, 1000, QStringLiteral("Relation_%1").arg(n), base,
                                base->Width() / 2, base->Height() / 2, target, target->Width() / 2,
                                target->Height() / 2, rkNone, ElementHandlers());
    }
    // A reference that no relation shows would sit unseen in the script and dangle once
    // its table goes.
    if (!relation) {
      Model->DeleteReference(reference);
      continue;
    }
    const QString name = FromPlugin(reference->GetName());
    if (labels && !name.isEmpty()) {
      const int n = VisualModel->NextFreeTextLabelNumber();
      TTextLabel* label = CreateTextLabel(Desktop, FZoom, 1000, QStringLiteral("TextLabel_%1").arg(n), name,
                                          0, 0, ElementHandlers());
      relation->SetMainLabel(label);
      VisualModel->AddTextLabel(label);
    }
    BindRelationToReference(relation, reference);
    VisualModel->AddRelation(relation);
    ElementAdded(relation);
  }
  SetModified(true, mkModel);
  (void)Differential;
}

void TfrmDesign::DeleteReversedRelation(TRelation* Relation) {
  if (!Relation) return;
  Deselect(Relation);
  Morvik::TReference* reference = Relation->Reference();
  const bool dropped = Relation->ReferenceDropped();
  TTextLabel* label = Relation->MainLabel();
  VisualModel->RemoveRelation(Relation);
  if (label) VisualModel->RemoveTextLabel(label);
  delete Relation;
  delete label;
  if (!dropped && ModelHoldsReference(Model, reference)) Model->DeleteReference(reference);
}

void TfrmDesign::DeleteReversedEntity(TEntity* Entity) {
  if (!Entity) return;
  Deselect(Entity);
  std::vector<TRelation*> relations;
  for (TRelation* r : VisualModel->Relations)
    if (r->Base() == Entity || r->Target() == Entity) relations.push_back(r);
  for (TRelation* r : relations) DeleteReversedRelation(r);
  if (TEntryPoint* point = VisualModel->FindEntryPointByEntity(Entity)) {
    VisualModel->RemoveEntryPoint(point);
    delete point;
  }
  Morvik::TTable* table = Entity->Table();
  const bool dropped = Entity->TableDropped();
  VisualModel->RemoveEntity(Entity);
  delete Entity;
  if (!dropped && ModelHoldsTable(Model, table)) Model->DeleteTable(table);
}

// The layout manager places the new entities and gives the view origin that shows them.
void TfrmDesign::PlaceNewEntities() {
  int x = sbxDesktop->HorzPosition(), y = sbxDesktop->VertPosition();
  TLayoutManager().PlaceNew(VisualModel.get(), HorzRange(), VertRange(), x, y);
  sbxDesktop->SetHorzPosition(x);
  sbxDesktop->SetVertPosition(y);
}
