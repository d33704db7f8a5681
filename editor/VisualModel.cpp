#include "editor/VisualModel.h"

#include "diagram/Entity.h"
#include "diagram/EntryPoint.h"
#include "diagram/Note.h"
#include "diagram/ProjectInfo.h"
#include "diagram/Relation.h"
#include "diagram/TextLabel.h"

#include <algorithm>
#include <limits>

int NumberOfName(const QString& Name) {
  const qsizetype p = Name.lastIndexOf(QLatin1Char('_'));
  if (p < 0 || p == Name.size() - 1) return 0;
  bool ok = false;
  const int n = Name.mid(p + 1).toInt(&ok);
  // A number that has no successor in range counts as none, so numbering never overflows.
  return ok && n != std::numeric_limits<int>::max() ? n : 0;
}

QString RenumberClipName(const QString& Name, int Offset) {
  static const int PrefixLength = 6; // "_clip_"
  QString rest = Name.size() >= PrefixLength ? Name.mid(PrefixLength) : Name;
  const int k = NumberOfName(rest);
  rest.chop(QString::number(k).size());
  return rest + QString::number(static_cast<qint64>(k) + Offset);
}

int CompareByNumber(const ui::TComponent* A, const ui::TComponent* B) {
  const int a = NumberOfName(A->Name().toUpper()), b = NumberOfName(B->Name().toUpper());
  return a < b ? -1 : a > b ? 1 : 0;
}

namespace {

template <class T>
void SortByNumber(std::vector<T*>& List) {
  std::stable_sort(List.begin(), List.end(),
                   [](const T* a, const T* b) { return CompareByNumber(a, b) < 0; });
}

template <class T>
int LowestFreeNumberOf(std::vector<T*>& List) {
  SortByNumber(List);
  int n = 0;
  for (const T* element : List) {
    const int k = NumberOfName(element->Name());
    if (k == n)
      ++n;
    else if (k > n)
      break;
  }
  return n;
}

template <class T>
int NumberAfterHighestOf(std::vector<T*>& List) {
  SortByNumber(List);
  if (List.empty()) return 0;
  return NumberOfName(List.back()->Name()) + 1;
}

} // namespace

template <class T>
void TVisualModel::Add(std::vector<T*>& List, T* Element) {
  // The class test also refuses a pointer whose object is not of the kind after all.
  if (!Element || !dynamic_cast<T*>(static_cast<ui::TComponent*>(Element))) return;
  // A new element may stand where a removed one stood.
  DropMarked();
  List.push_back(Element);
}

template <class T>
void TVisualModel::Remove(std::vector<T*>& List, ui::TComponent* Component) {
  T* element = dynamic_cast<T*>(Component);
  if (!element) return;
  if (FRemovalRuns > 0) {
    ++FMarked[element];
    return;
  }
  auto it = std::find(List.begin(), List.end(), element);
  if (it != List.end()) List.erase(it);
}

template <class T>
T* TVisualModel::FindByName(const std::vector<T*>& List, const QString& Name) const {
  if (Name.isEmpty()) return nullptr;
  const QString upper = Name.toUpper();
  for (T* element : List)
    if (!Marked(element) && element->Name().toUpper() == upper) return element;
  return nullptr;
}

template <class T>
int TVisualModel::LowestFreeNumber(std::vector<T*>& List) {
  DropMarked();
  return LowestFreeNumberOf(List);
}

template <class T>
int TVisualModel::NumberAfterHighest(std::vector<T*>& List) {
  DropMarked();
  return NumberAfterHighestOf(List);
}

void TVisualModel::EndRemovals() {
  if (FRemovalRuns > 0 && --FRemovalRuns == 0) DropMarked();
}

void TVisualModel::DropMarked() {
  if (FMarked.IsEmpty()) return;
  auto drop = [this](auto& List) {
    // The first occurrences, as many as there were removals.
    List.erase(std::remove_if(List.begin(), List.end(),
                              [this](const ui::TComponent* e) {
                                int* marked = FMarked.Find(e);
                                if (!marked || *marked == 0) return false;
                                --*marked;
                                return true;
                              }),
               List.end());
  };
  drop(Entities);
  drop(Notes);
  drop(Relations);
  drop(TextLabels);
  drop(EntryPoints);
  FMarked.Clear();
}

TVisualModel::TVisualModel() : CreatedAt(QDateTime::currentDateTime()), UpdatedAt(CreatedAt) {}

void TVisualModel::AddEntity(TEntity* Entity) { Add(Entities, Entity); }
void TVisualModel::RemoveEntity(ui::TComponent* Component) { Remove(Entities, Component); }
void TVisualModel::AddNote(TNote* Note) { Add(Notes, Note); }
void TVisualModel::RemoveNote(ui::TComponent* Component) { Remove(Notes, Component); }
void TVisualModel::AddRelation(TRelation* Relation) { Add(Relations, Relation); }
void TVisualModel::RemoveRelation(ui::TComponent* Component) { Remove(Relations, Component); }
void TVisualModel::AddTextLabel(TTextLabel* TextLabel) { Add(TextLabels, TextLabel); }
void TVisualModel::RemoveTextLabel(ui::TComponent* Component) { Remove(TextLabels, Component); }
void TVisualModel::AddEntryPoint(TEntryPoint* EntryPoint) { Add(EntryPoints, EntryPoint); }
void TVisualModel::RemoveEntryPoint(ui::TComponent* Component) { Remove(EntryPoints, Component); }

void TVisualModel::SetProjectInfo(TProjectInfo* Info) {
  if (Info && dynamic_cast<TProjectInfo*>(static_cast<ui::TComponent*>(Info))) ProjectInfo = Info;
}

void TVisualModel::RemoveProjectInfo(ui::TComponent* Component) {
  if (dynamic_cast<TProjectInfo*>(Component)) ProjectInfo = nullptr;
}

int TVisualModel::NextFreeEntityNumber() { return LowestFreeNumber(Entities); }
int TVisualModel::NextFreeNoteNumber() { return LowestFreeNumber(Notes); }
int TVisualModel::NextFreeRelationNumber() { return LowestFreeNumber(Relations); }
int TVisualModel::NextFreeTextLabelNumber() { return LowestFreeNumber(TextLabels); }
int TVisualModel::NextFreeEntryPointNumber() { return LowestFreeNumber(EntryPoints); }
int TVisualModel::NextEntityNumber() { return NumberAfterHighest(Entities); }
int TVisualModel::NextNoteNumber() { return NumberAfterHighest(Notes); }
int TVisualModel::NextRelationNumber() { return NumberAfterHighest(Relations); }
int TVisualModel::NextTextLabelNumber() { return NumberAfterHighest(TextLabels); }
int TVisualModel::NextEntryPointNumber() { return NumberAfterHighest(EntryPoints); }

TEntity* TVisualModel::FindEntityByName(const QString& Name) const { return FindByName(Entities, Name); }

TNote* TVisualModel::FindNoteByName(const QString& Name) const { return FindByName(Notes, Name); }

TTextLabel* TVisualModel::FindTextLabelByName(const QString& Name) const {
  return FindByName(TextLabels, Name);
}

TRectangle* TVisualModel::FindRectangleByName(const QString& Name) const {
  if (TEntity* e = FindEntityByName(Name)) return e;
  if (TNote* n = FindNoteByName(Name)) return n;
  return FindTextLabelByName(Name);
}

TEntity* TVisualModel::FindEntityByTable(const Morvik::TTable* Table) const {
  if (!Table) return nullptr;
  for (TEntity* e : Entities)
    if (!Marked(e) && e->Table() == Table) return e;
  return nullptr;
}

TEntryPoint* TVisualModel::FindEntryPointByEntity(const TRectangle* Entity) const {
  if (!Entity) return nullptr;
  for (TEntryPoint* p : EntryPoints)
    if (!Marked(p) && p->Entity() == Entity) return p;
  return nullptr;
}

TRelation* TVisualModel::FindRelationByReference(const Morvik::TReference* Reference) const {
  if (!Reference) return nullptr;
  for (TRelation* r : Relations)
    if (!Marked(r) && r->Reference() == Reference) return r;
  return nullptr;
}

TRelation* TVisualModel::RelationAt(const ui::TPoint& P) const {
  for (TRelation* r : Relations) {
    if (Marked(r)) continue;
    const int t = r->Tolerance();
    if (r->Left() - t < P.x && P.x < r->Left() + r->Width() + t && r->Top() - t < P.y &&
        P.y < r->Top() + r->Height() + t && r->IsClickAcceptable(P.x, P.y))
      return r;
  }
  return nullptr;
}

bool TVisualModel::IsRelationComplete(const TRelation* Relation) {
  return Relation && dynamic_cast<const TEntity*>(Relation->Base()) &&
         dynamic_cast<const TEntity*>(Relation->Target());
}
