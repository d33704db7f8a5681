#pragma once
// The schema's key tree in the store: the writers of the document, its elements and plug-in
// objects, and the readers that rebuild them in a schema window. Positions are stored at
// 100 % relative to the view origin: a writer stores left - origin, a reader adds the origin.
// The clipboard uses the same groups with every component name prefixed "_clip_".

#include "ui/Types.h"

#include <QDateTime>
#include <QHash>
#include <QString>
#include <memory>
#include <vector>

class TRepository;
class TVisualModel;
class TSchemaHost;
class TEntity;
class TNote;
class TEntryPoint;
class TTextLabel;
class TRelation;
class TProjectInfo;
class TRectangle;
class TMorvikGraphic;
namespace Morvik {
class TModel;
class TTable;
class TReference;
class TProgress;
} // namespace Morvik

// The prefix of every component name in clipboard text.
inline const QString ClipPrefix = QStringLiteral("_clip_");

// The desktop size keys: pages (0: the size is given in pixels) and pixels at 100 %.
struct TSchemaDesktop {
  static constexpr int MaxPages = 100;
  static constexpr int MaxPixels = 100000;
  static constexpr int DefaultWidthPix = 4000;
  static constexpr int DefaultHeightPix = 2000;
  int WidthPag = 0;
  int HeightPag = 0;
  int WidthPix = DefaultWidthPix;
  int HeightPix = DefaultHeightPix;
};

// The plug-in that a schema or clipboard text was made for.
struct TSchemaIdentity {
  QString DLLFileName;
  QString DBModelName;
  QString DLLVersion;
};

// ---- Writing ------------------------------------------------------------------------------

// Group writers: each adds the group branch Prefix without its final "." and its keys. With
// Clip every component name of the group is written with ClipPrefix.
void SaveEntity(TRepository& Store, const QString& Prefix, bool Clip, const TEntity& Entity,
                const ui::TPoint& Origin);
void SaveNote(TRepository& Store, const QString& Prefix, bool Clip, const TNote& Note,
              const ui::TPoint& Origin);
void SaveEntryPoint(TRepository& Store, const QString& Prefix, bool Clip, const TEntryPoint& EntryPoint);
void SaveTextLabel(TRepository& Store, const QString& Prefix, bool Clip, const TTextLabel& Label,
                   const ui::TPoint& Origin);
void SaveRelation(TRepository& Store, const QString& Prefix, bool Clip, const TRelation& Relation);
// The project-information keys under Prefix (the "ProjectInfo" branch exists already):
// "Created", the block's keys when Info is given, and always the two stamps (the block's,
// else the document's).
void SaveProjectInfo(TRepository& Store, const QString& Prefix, bool Clip, const TVisualModel& Document,
                     const TProjectInfo* Info, const ui::TPoint& Origin);

// The whole schema into an empty store, in the order of the file: desktop keys, the model's
// parameters, the documentation path, the plug-in keys, the element lists with their counts
// first, and the project information. The elements must stand at 100 %; Origin is the view
// origin at 100 %. Progress, when given, gets one step per part. Raises what the store and
// the plug-in raise.
void WriteSchema(TRepository& Store, const TVisualModel& Document, const Morvik::TModel* Model,
                 const TSchemaDesktop& Desktop, const ui::TPoint& Origin,
                 Morvik::TProgress* Progress = nullptr);

// ---- Reading ------------------------------------------------------------------------------

TSchemaIdentity ReadSchemaIdentity(const TRepository& Store);
// The desktop keys held to the limits of the settings: a page count outside 0 ... MaxPages
// or a pixel size outside 1 ... MaxPixels takes its default.
TSchemaDesktop ReadSchemaDesktop(const TRepository& Store);
// The stored view origin held to the limits of the desktop: a coordinate that is missing or
// outside 0 ... MaxPixels takes its Default.
ui::TPoint ReadViewOrigin(const TRepository& Store, const ui::TPoint& Default);
// The bound model's own parameters, when the store holds "Model".
void ReadSchemaModel(const TRepository& Store, Morvik::TModel* Model);

// The elements of a schema file read into the host's window, whose document holds none yet:
// the documentation path, entities with their tables, notes, entry points, the project
// information, text labels and relations with their references, each listed in the document
// and offered to the browser. Origin is the view origin at 100 %, which every stored position
// is relative to. Two elements of one name fail before anything is made; any failure removes
// again what was made, with its plug-in objects, and raises.
void ReadSchemaElements(TSchemaHost& Host, const TRepository& Store, const ui::TPoint& Origin,
                        Morvik::TProgress* Progress = nullptr);

// The group readers, shared by loading and pasting. Each creates its element, binds it,
// lists it in the document and offers it to the browser, and remembers what it made so that
// RemoveAll can take it away again. Elements that a group names are looked up among those
// this reader made.
class TSchemaReader {
public:
  TSchemaReader(TSchemaHost& Host, const TRepository& Store, const ui::TPoint& Origin);
  ~TSchemaReader();
  TSchemaReader(const TSchemaReader&) = delete;
  TSchemaReader& operator=(const TSchemaReader&) = delete;

  TEntity* LoadEntity(const QString& Prefix);
  TNote* LoadNote(const QString& Prefix);
  TEntryPoint* LoadEntryPoint(const QString& Prefix);
  TProjectInfo* LoadProjectInfo(const QString& Prefix);
  TTextLabel* LoadTextLabel(const QString& Prefix);
  TRelation* LoadRelation(const QString& Prefix);

  // The group prefixes ("Entities.E0." ...) of a list whose groups exist: the list's "Count"
  // bounded by what the list holds, missing groups left out.
  static std::vector<QString> GroupPrefixes(const TRepository& Store, const QString& List,
                                            const QString& Group, int GroupType);
  // Raises when two groups of the store name their elements alike (compared as component
  // names are, without regard to case).
  static void CheckUniqueNames(const TRepository& Store);

  // Everything made so far, in the order it was made.
  const std::vector<TEntity*>& Entities() const { return FEntities; }
  const std::vector<TNote*>& Notes() const { return FNotes; }
  const std::vector<TEntryPoint*>& EntryPoints() const { return FEntryPoints; }
  const std::vector<TTextLabel*>& TextLabels() const { return FTextLabels; }
  const std::vector<TRelation*>& Relations() const { return FRelations; }
  TProjectInfo* ProjectInfo() const { return FProjectInfo; }

  // Takes every element made away from the document and the desktop, and deletes the tables
  // and references made for them from the model.
  void RemoveAll();

private:
  // The entity, note or text label made of that name (compared as component names are), or
  // null.
  TRectangle* FindMade(const QString& Name) const;
  void RememberMade(TRectangle* Box);
  int M() const;

  TSchemaHost& FHost;
  const TRepository& FStore;
  ui::TPoint FOrigin;
  std::vector<TEntity*> FEntities;
  std::vector<TNote*> FNotes;
  std::vector<TEntryPoint*> FEntryPoints;
  std::vector<TTextLabel*> FTextLabels;
  std::vector<TRelation*> FRelations;
  TProjectInfo* FProjectInfo = nullptr;
  std::vector<Morvik::TTable*> FTables;
  std::vector<Morvik::TReference*> FReferences;
  // The entities, notes and text labels made, by case-folded name: component names are unique
  // among the desktop's components, so a name finds at most one of them.
  QHash<QString, TRectangle*> FMade;
};
