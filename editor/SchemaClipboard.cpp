#include "editor/SchemaClipboard.h"

#include "diagram/Entity.h"
#include "diagram/EntryPoint.h"
#include "diagram/Note.h"
#include "diagram/ProjectInfo.h"
#include "diagram/Relation.h"
#include "diagram/TextLabel.h"
#include "editor/Repository.h"
#include "editor/SchemaFile.h"
#include "editor/SchemaHost.h"
#include "editor/VisualModel.h"

#include <algorithm>
#include <unordered_set>

namespace {

// The selected elements, to tell at once whether one is selected.
class TSelectedSet {
public:
  explicit TSelectedSet(const std::vector<TMorvikGraphic*>& Selection)
      : FElements(Selection.begin(), Selection.end()) {}
  bool Holds(const ui::TComponent* Element) const { return Element && FElements.count(Element) > 0; }

private:
  std::unordered_set<const ui::TComponent*> FElements;
};

// One list of the clipboard: its branch, its groups, then its count.
template <typename TElement, typename TSave>
void WriteList(TRepository& Store, const QString& List, const QString& Group,
               const std::vector<TElement*>& Elements, TSave Save) {
  Store.AddList(List);
  for (std::size_t i = 0; i < Elements.size(); ++i)
    Save(List + QLatin1Char('.') + Group + QString::number(i) + QLatin1Char('.'), *Elements[i]);
  Store.WriteInteger(List + QStringLiteral(".Count"), static_cast<int>(Elements.size()));
}

template <typename TElement>
std::vector<TElement*> Selected(const std::vector<TElement*>& Elements, const TSelectedSet& Selection) {
  std::vector<TElement*> result;
  for (TElement* e : Elements)
    if (Selection.Holds(e)) result.push_back(e);
  return result;
}

bool EndsSelected(const TRelation* Relation, const TSelectedSet& Selection) {
  return Selection.Holds(Relation->Base()) && Selection.Holds(Relation->Target());
}

} // namespace

QString CopySchemaText(const TVisualModel& Document, const std::vector<TMorvikGraphic*>& Selection,
                       const ui::TPoint& Origin) {
  const TSelectedSet selected(Selection);
  TRepository store;
  store.AddProjectInfo(QStringLiteral("ProjectInfo"));
  store.WriteString(QStringLiteral("ProjectInfo.DBModelName"), Document.DBModelName);
  store.WriteString(QStringLiteral("ProjectInfo.DLLFileName"), Document.DLLFileName);

  WriteList(store, QStringLiteral("Entities"), QStringLiteral("E"), Selected(Document.Entities, selected),
            [&](const QString& Prefix, const TEntity& E) { SaveEntity(store, Prefix, true, E, Origin); });
  std::vector<TEntryPoint*> points;
  for (TEntryPoint* p : Document.EntryPoints)
    if (selected.Holds(p->Entity())) points.push_back(p);
  WriteList(store, QStringLiteral("EntryPoints"), QStringLiteral("EP"), points,
            [&](const QString& Prefix, const TEntryPoint& P) { SaveEntryPoint(store, Prefix, true, P); });
  WriteList(store, QStringLiteral("Notes"), QStringLiteral("N"), Selected(Document.Notes, selected),
            [&](const QString& Prefix, const TNote& N) { SaveNote(store, Prefix, true, N, Origin); });
  std::vector<TRelation*> relations;
  std::unordered_set<const TTextLabel*> relationLabels;
  for (TRelation* r : Document.Relations)
    if (EndsSelected(r, selected)) {
      relations.push_back(r);
      relationLabels.insert(r->MainLabel());
    }
  std::vector<TTextLabel*> labels;
  for (TTextLabel* l : Document.TextLabels) {
    const bool relationLabel = l->Tag() != 0;
    if ((!relationLabel && selected.Holds(l)) || (relationLabel && relationLabels.count(l) > 0))
      labels.push_back(l);
  }
  WriteList(
      store, QStringLiteral("TextLabels"), QStringLiteral("TL"), labels,
      [&](const QString& Prefix, const TTextLabel& L) { SaveTextLabel(store, Prefix, true, L, Origin); });
  WriteList(store, QStringLiteral("Relations"), QStringLiteral("R"), relations,
            [&](const QString& Prefix, const TRelation& R) { SaveRelation(store, Prefix, true, R); });
  if (selected.Holds(Document.ProjectInfo))
    SaveProjectInfo(store, QStringLiteral("ProjectInfo."), true, Document, Document.ProjectInfo, Origin);
  return store.SaveToText();
}

TPasteResult PasteSchemaText(TSchemaHost& Host, const QString& Text, const ui::TPoint& Origin,
                             TPastedElements* Pasted) {
  TRepository store;
  store.LoadFromText(Text);
  const TSchemaIdentity identity = ReadSchemaIdentity(store);
  if (identity.DLLFileName.isEmpty() && identity.DBModelName.isEmpty()) return TPasteResult::NoSchemaData;
  TVisualModel& document = Host.SchemaDocument();
  if (identity.DLLFileName.compare(document.DLLFileName, Qt::CaseInsensitive) != 0 ||
      identity.DBModelName.compare(document.DBModelName, Qt::CaseInsensitive) != 0)
    return TPasteResult::OtherModel;
  TSchemaReader::CheckUniqueNames(store);

  // Pasted elements are numbered after the highest numbers the schema holds now.
  const int entityOffset = document.NextEntityNumber();
  const int noteOffset = document.NextNoteNumber();
  const int pointOffset = document.NextEntryPointNumber();
  const int relationOffset = document.NextRelationNumber();
  const int labelOffset = document.NextTextLabelNumber();

  const QDateTime createdAt = document.CreatedAt;
  const QDateTime updatedAt = document.UpdatedAt;
  const QString modelName = document.DBModelName;
  TSchemaReader reader(Host, store, Origin);
  TPastedElements pasted;
  try {
    auto groups = [&](const char* List, const char* Group, TRepositoryType Type) {
      return TSchemaReader::GroupPrefixes(store, QString::fromLatin1(List), QString::fromLatin1(Group), Type);
    };
    for (const QString& p : groups("Entities", "E", rtEntity))
      pasted.Selected.push_back(reader.LoadEntity(p));
    for (const QString& p : groups("EntryPoints", "EP", rtEntryPoint))
      if (TEntryPoint* point = reader.LoadEntryPoint(p)) {
        point->SetName(RenumberClipName(point->Name(), pointOffset));
        pasted.EntryPoints.push_back(point);
      }
    for (const QString& p : groups("Notes", "N", rtNote)) pasted.Selected.push_back(reader.LoadNote(p));
    if (!document.ProjectInfo) {
      if (TProjectInfo* info = reader.LoadProjectInfo(QStringLiteral("ProjectInfo."))) {
        // The one block of a schema has one name; the target's times stay.
        info->SetName(QStringLiteral("ProjectInfo_0"));
        info->SetCreatedAt(createdAt);
        info->SetUpdatedAt(updatedAt);
        info->SetDBServer(modelName);
        pasted.Selected.push_back(info);
      }
      document.CreatedAt = createdAt;
      document.UpdatedAt = updatedAt;
      document.DBModelName = modelName;
    }
    std::vector<TTextLabel*> labels;
    for (const QString& p : groups("TextLabels", "TL", rtTextLabel))
      labels.push_back(reader.LoadTextLabel(p));
    for (const QString& p : groups("Relations", "R", rtRelation))
      if (TRelation* relation = reader.LoadRelation(p)) {
        relation->SetName(RenumberClipName(relation->Name(), relationOffset));
        pasted.Relations.push_back(relation);
      }
    for (TTextLabel* label : labels) {
      if (label->Tag() == 0) Host.AddToBrowser(label);
      pasted.Selected.push_back(label);
    }
    for (TEntity* e : reader.Entities()) e->SetName(RenumberClipName(e->Name(), entityOffset));
    for (TNote* n : reader.Notes()) n->SetName(RenumberClipName(n->Name(), noteOffset));
    for (TTextLabel* l : reader.TextLabels()) l->SetName(RenumberClipName(l->Name(), labelOffset));
  } catch (...) {
    reader.RemoveAll();
    document.CreatedAt = createdAt;
    document.UpdatedAt = updatedAt;
    document.DBModelName = modelName;
    throw;
  }
  if (Pasted) *Pasted = std::move(pasted);
  return TPasteResult::Pasted;
}
