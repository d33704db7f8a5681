#pragma once
// The document of one schema window: the elements its desktop holds, one list per kind,
// the schema's times, names and the identity of the plug-in model it was designed for.
// The lists only point at the elements; the desktop owns and frees them.

#include "ui/PointerTable.h"
#include "ui/Types.h"

#include <QDateTime>
#include <QString>
#include <vector>

namespace ui {
class TComponent;
}
namespace Morvik {
class TTable;
class TReference;
}
class TEntity;
class TNote;
class TRelation;
class TTextLabel;
class TEntryPoint;
class TProjectInfo;
class TRectangle;

// The number after the last "_" of a name; 0 when there is none, it is not an integer or it
// is the largest integer (which has no next number).
int NumberOfName(const QString& Name);
// The name a pasted element takes: the "_clip_" prefix dropped and its number raised by
// Offset.
QString RenumberClipName(const QString& Name, int Offset);
// Negative, 0 or positive as the name number of A is below, equal to or above that of B
// (names compared upper-cased).
int CompareByNumber(const ui::TComponent* A, const ui::TComponent* B);

class TVisualModel {
public:
  TVisualModel();
  ~TVisualModel() = default;
  TVisualModel(const TVisualModel&) = delete;
  TVisualModel& operator=(const TVisualModel&) = delete;

  std::vector<TEntity*> Entities;
  std::vector<TNote*> Notes;
  std::vector<TRelation*> Relations;
  // Free labels (Tag 0) and relation labels (Tag holds the relation) alike.
  std::vector<TTextLabel*> TextLabels;
  std::vector<TEntryPoint*> EntryPoints;
  QDateTime CreatedAt;
  QDateTime UpdatedAt;
  // Last structural change and last model check; null until the first one.
  QDateTime ChangedAt;
  QDateTime CheckedAt;
  QString Script;
  QString SchemeName;
  QString FileName;
  QString DocumentationPath;
  QString DLLFileName;
  QString DBModelName;
  QString DLLVersion;
  TProjectInfo* ProjectInfo = nullptr;

  // Registration: Add ignores null and objects of another class; Remove takes out the
  // first occurrence (within a run of removals, when the run ends).
  void AddEntity(TEntity* Entity);
  void RemoveEntity(ui::TComponent* Component);
  void AddNote(TNote* Note);
  void RemoveNote(ui::TComponent* Component);
  void AddRelation(TRelation* Relation);
  void RemoveRelation(ui::TComponent* Component);
  void AddTextLabel(TTextLabel* TextLabel);
  void RemoveTextLabel(ui::TComponent* Component);
  void AddEntryPoint(TEntryPoint* EntryPoint);
  void RemoveEntryPoint(ui::TComponent* Component);
  void SetProjectInfo(TProjectInfo* Info);
  void RemoveProjectInfo(ui::TComponent* Component);

  // A run of removals (runs nest; the outermost one counts): until it ends, Remove only
  // marks the element, and the end takes every marked one out of its list in one pass,
  // keeping the order of the rest. Meanwhile the lists still hold the marked elements, which
  // may be freed already: only the look-ups below, which pass them over, read the lists, and
  // Add and the numbering close the run's gaps first.
  void BeginRemovals() { ++FRemovalRuns; }
  void EndRemovals();

  // The lowest number not yet taken by the kind (for a new element); these sort the
  // kind's list by name number.
  int NextFreeEntityNumber();
  int NextFreeNoteNumber();
  int NextFreeRelationNumber();
  int NextFreeTextLabelNumber();
  int NextFreeEntryPointNumber();
  // One more than the highest number of the kind (the offset of pasted elements).
  int NextEntityNumber();
  int NextNoteNumber();
  int NextRelationNumber();
  int NextTextLabelNumber();
  int NextEntryPointNumber();

  // Name look-ups ignore case; an empty name finds nothing.
  TEntity* FindEntityByName(const QString& Name) const;
  TNote* FindNoteByName(const QString& Name) const;
  TTextLabel* FindTextLabelByName(const QString& Name) const;
  // Entities first, then notes, then text labels.
  TRectangle* FindRectangleByName(const QString& Name) const;
  TEntity* FindEntityByTable(const Morvik::TTable* Table) const;
  TEntryPoint* FindEntryPointByEntity(const TRectangle* Entity) const;
  TRelation* FindRelationByReference(const Morvik::TReference* Reference) const;
  // The first relation in list order whose bounds (widened by its tolerance, strictly)
  // hold P and whose segment test accepts it.
  TRelation* RelationAt(const ui::TPoint& P) const;
  // Both ends are entities.
  static bool IsRelationComplete(const TRelation* Relation);

private:
  template <class T>
  void Add(std::vector<T*>& List, T* Element);
  template <class T>
  void Remove(std::vector<T*>& List, ui::TComponent* Component);
  template <class T>
  T* FindByName(const std::vector<T*>& List, const QString& Name) const;
  // The numbering of a kind, over the list without the elements of the run under way.
  template <class T>
  int LowestFreeNumber(std::vector<T*>& List);
  template <class T>
  int NumberAfterHighest(std::vector<T*>& List);
  // Whether Element was removed in the run under way.
  bool Marked(const ui::TComponent* Element) const { return FMarked.Contains(Element); }
  // Takes the marked elements out of their lists.
  void DropMarked();

  int FRemovalRuns = 0;
  // How many times each element was removed in the run under way.
  ui::TPointerTable<int> FMarked;
};

// A run of removals of one document for the life of the object.
class TRemovalRun {
public:
  explicit TRemovalRun(TVisualModel& Document) : FDocument(Document) { FDocument.BeginRemovals(); }
  ~TRemovalRun() { FDocument.EndRemovals(); }
  TRemovalRun(const TRemovalRun&) = delete;
  TRemovalRun& operator=(const TRemovalRun&) = delete;

private:
  TVisualModel& FDocument;
};
