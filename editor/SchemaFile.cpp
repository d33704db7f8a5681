#include "editor/SchemaFile.h"

#include "diagram/Entity.h"
#include "diagram/EntryPoint.h"
#include "diagram/Note.h"
#include "diagram/ProjectInfo.h"
#include "diagram/Relation.h"
#include "diagram/TextLabel.h"
#include "editor/CreateComp.h"
#include "editor/Repository.h"
#include "editor/RepositoryGraphics.h"
#include "editor/SchemaHost.h"
#include "editor/VisualModel.h"
#include "ui/Exception.h"

#include "Interface/MorvikInterface.h"

#include <QHash>

#include <algorithm>
#include <limits>

namespace {

// The keys of one group: its prefix with each key name after it, made in one buffer that
// keeps its room, so that no key takes an allocation of its own. A key holds until the next.
class TGroupKeys {
public:
  explicit TGroupKeys(const QString& Prefix) : FLength(Prefix.size()) {
    FKey.reserve(Prefix.size() + 16);
    FKey.append(Prefix);
  }
  const QString& operator()(QStringView Name) {
    FKey.truncate(FLength);
    FKey.append(Name);
    return FKey;
  }

private:
  qsizetype FLength;
  QString FKey;
};

// A name as the writers store it: with the clipboard's prefix when Clip. A name stored as it
// is is not copied.
class TClipName {
public:
  TClipName(bool Clip, const QString& Name) : FName(&Name) {
    if (!Clip) return;
    FPrefixed = ClipPrefix + Name;
    FName = &FPrefixed;
  }
  operator const QString&() const { return *FName; }

private:
  QString FPrefixed;
  const QString* FName;
};

const QString& NameOf(const ui::TComponent* Component) {
  static const QString none;
  return Component ? Component->Name() : none;
}

// The group path of a prefix: the prefix without its final ".".
QString GroupPath(const QString& Prefix) {
  return Prefix.endsWith(QLatin1Char('.')) ? Prefix.chopped(1) : Prefix;
}

void Step(Morvik::TProgress* Progress, const char* Text) {
  if (Progress) Progress->Step(Text);
}

// One element list of the file: its branch, its count, then its groups.
template <typename TElement, typename TSave>
void WriteList(TRepository& Store, const QString& List, const QString& Group,
               const std::vector<TElement*>& Elements, TSave Save) {
  Store.AddList(List);
  Store.WriteInteger(List + QStringLiteral(".Count"), static_cast<int>(Elements.size()));
  for (std::size_t i = 0; i < Elements.size(); ++i)
    Save(List + QLatin1Char('.') + Group + QString::number(i) + QLatin1Char('.'), *Elements[i]);
}

// A position relative to the view origin, as the writers store it: subtracted in a wider type,
// so that no origin can overflow it.
int Relative(int Position, int Origin) {
  return static_cast<int>(std::clamp<long long>(static_cast<long long>(Position) - Origin,
                                                std::numeric_limits<int>::min(),
                                                std::numeric_limits<int>::max()));
}

// A stored position placed at the view origin, as the readers read it: added in a wider type
// and held within the largest desktop at the zoom.
int Placed(const TRepository& Store, const QString& Key, int Origin, int Zoom) {
  return WithinDesktop(static_cast<long long>(Store.ReadInteger(Key, 0)) + Origin, Zoom, 1000);
}

TRelationKind KindOf(int Stored) {
  return Stored >= rkZeroOneToZeroOne && Stored <= rkUserDefined ? static_cast<TRelationKind>(Stored)
                                                                 : rkNone;
}

} // namespace

// ---- Writing ------------------------------------------------------------------------------

namespace {

// A box's place relative to the view origin, and its size.
void SaveBounds(TRepository& Store, TGroupKeys& Key, const ui::TControl& Box, const ui::TPoint& Origin) {
  Store.WriteInteger(Key(u"Left"), Relative(Box.Left(), Origin.x));
  Store.WriteInteger(Key(u"Top"), Relative(Box.Top(), Origin.y));
  Store.WriteInteger(Key(u"Width"), Box.Width());
  Store.WriteInteger(Key(u"Height"), Box.Height());
}

} // namespace

void SaveEntity(TRepository& Store, const QString& Prefix, bool Clip, const TEntity& Entity,
                const ui::TPoint& Origin) {
  TGroupKeys key(Prefix);
  Store.AddEntity(GroupPath(Prefix));
  Store.WriteString(key(u"Name"), TClipName(Clip, Entity.Name()));
  Store.WriteString(key(u"Caption"), Entity.Caption());
  SaveBounds(Store, key, Entity, Origin);
  Store.WriteBoolean(key(u"ShowAttrib"), Entity.DrawAll());
  if (Entity.Table()) Store.SaveTable(key(u"Data"), Entity.Table());
}

void SaveNote(TRepository& Store, const QString& Prefix, bool Clip, const TNote& Note,
              const ui::TPoint& Origin) {
  TGroupKeys key(Prefix);
  Store.AddNote(GroupPath(Prefix));
  Store.WriteString(key(u"Name"), TClipName(Clip, Note.Name()));
  Store.WriteMemo(key(u"Text"), Note.Text());
  SaveBounds(Store, key, Note, Origin);
  Store.WriteBoolean(key(u"AutoSize"), Note.AutoSize());
}

void SaveEntryPoint(TRepository& Store, const QString& Prefix, bool Clip, const TEntryPoint& EntryPoint) {
  TGroupKeys key(Prefix);
  Store.AddEntryPoint(GroupPath(Prefix));
  Store.WriteString(key(u"Name"), TClipName(Clip, EntryPoint.Name()));
  Store.WriteString(key(u"Entity"), TClipName(Clip, NameOf(EntryPoint.Entity())));
}

void SaveTextLabel(TRepository& Store, const QString& Prefix, bool Clip, const TTextLabel& Label,
                   const ui::TPoint& Origin) {
  TGroupKeys key(Prefix);
  Store.AddTextLabel(GroupPath(Prefix));
  Store.WriteString(key(u"Name"), TClipName(Clip, Label.Name()));
  Store.WriteString(key(u"Caption"), Label.Caption());
  Store.WriteInteger(key(u"Left"), Relative(Label.Left(), Origin.x));
  Store.WriteInteger(key(u"Top"), Relative(Label.Top(), Origin.y));
  if (Label.Tag() != 0) return; // a relation's label takes the look of relation labels
  Store.WriteBrush(key(u"BrushColor"), BrushValue(*Label.Brush()));
  Store.WritePen(key(u"PenColor"), PenValue(*Label.Pen()));
  Store.WriteFont(key(u"Font"), FontValue(*Label.Font()));
}

void SaveRelation(TRepository& Store, const QString& Prefix, bool Clip, const TRelation& Relation) {
  TGroupKeys key(Prefix);
  Store.AddRelation(GroupPath(Prefix));
  Store.WriteString(key(u"Name"), TClipName(Clip, Relation.Name()));
  Store.WriteString(key(u"Base"), TClipName(Clip, NameOf(Relation.Base())));
  Store.WriteString(key(u"Target"), TClipName(Clip, NameOf(Relation.Target())));
  if (Relation.MainLabel())
    Store.WriteString(key(u"MainLabel"), TClipName(Clip, Relation.MainLabel()->Name()));
  Store.WriteInteger(key(u"BaseX"), Relation.BaseX());
  Store.WriteInteger(key(u"BaseY"), Relation.BaseY());
  Store.WriteInteger(key(u"TargetX"), Relation.TargetX());
  Store.WriteInteger(key(u"TargetY"), Relation.TargetY());
  Store.WriteInteger(key(u"RelationKind"), static_cast<int>(Relation.RelationKind()));
  if (TVisualModel::IsRelationComplete(&Relation) && Relation.Reference())
    Store.SaveReference(key(u"Data"), Relation.Reference());
}

void SaveProjectInfo(TRepository& Store, const QString& Prefix, bool Clip, const TVisualModel& Document,
                     const TProjectInfo* Info, const ui::TPoint& Origin) {
  TGroupKeys key(Prefix);
  Store.WriteBoolean(key(u"Created"), Info != nullptr);
  if (Info) {
    Store.WriteString(key(u"Name"), TClipName(Clip, Info->Name()));
    Store.WriteInteger(key(u"Left"), Relative(Info->Left(), Origin.x));
    Store.WriteInteger(key(u"Top"), Relative(Info->Top(), Origin.y));
    Store.WriteString(key(u"Author"), Info->Author());
    Store.WriteString(key(u"Firm"), Info->Firm());
    Store.WriteString(key(u"Project"), Info->Project());
    Store.WriteString(key(u"Version"), Info->Version());
    Store.WriteString(key(u"Model"), Info->Model());
    Store.WriteString(key(u"SubModel"), Info->SubModel());
  }
  Store.WriteDateTime(key(u"CreatedAt"), Info ? Info->CreatedAt() : Document.CreatedAt);
  Store.WriteDateTime(key(u"UpdatedAt"), Info ? Info->UpdatedAt() : Document.UpdatedAt);
}

void WriteSchema(TRepository& Store, const TVisualModel& Document, const Morvik::TModel* Model,
                 const TSchemaDesktop& Desktop, const ui::TPoint& Origin, Morvik::TProgress* Progress) {
  Step(Progress, "Základní nastavení");
  Store.WriteInteger(QStringLiteral("DesktopWPag"), Desktop.WidthPag);
  Store.WriteInteger(QStringLiteral("DesktopHPag"), Desktop.HeightPag);
  Store.WriteInteger(QStringLiteral("DesktopWPix"), Desktop.WidthPix);
  Store.WriteInteger(QStringLiteral("DesktopHPix"), Desktop.HeightPix);
  Store.WriteInteger(QStringLiteral("ViewOriginX"), Origin.x);
  Store.WriteInteger(QStringLiteral("ViewOriginY"), Origin.y);
  if (Model) Store.SaveModel(QStringLiteral("Model"), Model);
  Store.WriteString(QStringLiteral("DocumentationPath"), Document.DocumentationPath);
  Store.AddProjectInfo(QStringLiteral("ProjectInfo"));
  Store.WriteString(QStringLiteral("ProjectInfo.DBModelName"), Document.DBModelName);
  Store.WriteString(QStringLiteral("ProjectInfo.DLLFileName"), Document.DLLFileName);
  Store.WriteString(QStringLiteral("ProjectInfo.DLLVersion"), Document.DLLVersion);
  // The project keys follow at once: the file holds one branch of them.
  SaveProjectInfo(Store, QStringLiteral("ProjectInfo."), false, Document, Document.ProjectInfo, Origin);

  Step(Progress, "Entity");
  WriteList(Store, QStringLiteral("Entities"), QStringLiteral("E"), Document.Entities,
            [&](const QString& Prefix, const TEntity& E) { SaveEntity(Store, Prefix, false, E, Origin); });
  Step(Progress, "Poznámky");
  WriteList(Store, QStringLiteral("Notes"), QStringLiteral("N"), Document.Notes,
            [&](const QString& Prefix, const TNote& N) { SaveNote(Store, Prefix, false, N, Origin); });
  Step(Progress, "Vstupní body");
  WriteList(Store, QStringLiteral("EntryPoints"), QStringLiteral("EP"), Document.EntryPoints,
            [&](const QString& Prefix, const TEntryPoint& P) { SaveEntryPoint(Store, Prefix, false, P); });
  Step(Progress, "Popisky");
  WriteList(
      Store, QStringLiteral("TextLabels"), QStringLiteral("TL"), Document.TextLabels,
      [&](const QString& Prefix, const TTextLabel& L) { SaveTextLabel(Store, Prefix, false, L, Origin); });
  Step(Progress, "Relace");
  WriteList(Store, QStringLiteral("Relations"), QStringLiteral("R"), Document.Relations,
            [&](const QString& Prefix, const TRelation& R) { SaveRelation(Store, Prefix, false, R); });
}

// ---- Reading ------------------------------------------------------------------------------

TSchemaIdentity ReadSchemaIdentity(const TRepository& Store) {
  return TSchemaIdentity{Store.ReadString(QStringLiteral("ProjectInfo.DLLFileName"), QString()),
                         Store.ReadString(QStringLiteral("ProjectInfo.DBModelName"), QString()),
                         Store.ReadString(QStringLiteral("ProjectInfo.DLLVersion"), QString())};
}

TSchemaDesktop ReadSchemaDesktop(const TRepository& Store) {
  auto read = [&](const char* Key, int Default, int Min, int Max) {
    const int value = Store.ReadInteger(QString::fromLatin1(Key), Default);
    return value >= Min && value <= Max ? value : Default;
  };
  TSchemaDesktop d;
  d.WidthPag = read("DesktopWPag", 0, 0, TSchemaDesktop::MaxPages);
  d.HeightPag = read("DesktopHPag", 0, 0, TSchemaDesktop::MaxPages);
  d.WidthPix = read("DesktopWPix", TSchemaDesktop::DefaultWidthPix, 1, TSchemaDesktop::MaxPixels);
  d.HeightPix = read("DesktopHPix", TSchemaDesktop::DefaultHeightPix, 1, TSchemaDesktop::MaxPixels);
  return d;
}

ui::TPoint ReadViewOrigin(const TRepository& Store, const ui::TPoint& Default) {
  auto read = [&](const char* Key, int Default) {
    const int value = Store.ReadInteger(QString::fromLatin1(Key), Default);
    return value >= 0 && value <= TSchemaDesktop::MaxPixels ? value : Default;
  };
  return ui::TPoint{read("ViewOriginX", Default.x), read("ViewOriginY", Default.y)};
}

void ReadSchemaModel(const TRepository& Store, Morvik::TModel* Model) {
  if (Model && Store.FindItem(QStringLiteral("Model"), rtModel) == rrOk)
    Store.LoadModel(QStringLiteral("Model"), Model);
}

void ReadSchemaElements(TSchemaHost& Host, const TRepository& Store, const ui::TPoint& Origin,
                        Morvik::TProgress* Progress) {
  TSchemaReader::CheckUniqueNames(Store);
  TVisualModel& document = Host.SchemaDocument();
  TSchemaReader reader(Host, Store, Origin);
  try {
    document.DocumentationPath = Store.ReadString(QStringLiteral("DocumentationPath"), QString());
    Step(Progress, "Entity");
    for (const QString& p :
         TSchemaReader::GroupPrefixes(Store, QStringLiteral("Entities"), QStringLiteral("E"), rtEntity))
      reader.LoadEntity(p);
    Step(Progress, "Poznámky");
    for (const QString& p :
         TSchemaReader::GroupPrefixes(Store, QStringLiteral("Notes"), QStringLiteral("N"), rtNote))
      reader.LoadNote(p);
    Step(Progress, "Vstupní body");
    for (const QString& p : TSchemaReader::GroupPrefixes(Store, QStringLiteral("EntryPoints"),
                                                         QStringLiteral("EP"), rtEntryPoint))
      reader.LoadEntryPoint(p);
    reader.LoadProjectInfo(QStringLiteral("ProjectInfo."));
    Step(Progress, "Popisky");
    for (const QString& p :
         TSchemaReader::GroupPrefixes(Store, QStringLiteral("TextLabels"), QStringLiteral("TL"), rtTextLabel))
      reader.LoadTextLabel(p);
    Step(Progress, "Relace");
    for (const QString& p :
         TSchemaReader::GroupPrefixes(Store, QStringLiteral("Relations"), QStringLiteral("R"), rtRelation))
      reader.LoadRelation(p);
    // Relation labels have their relation only now: the browser lists the free ones.
    for (TTextLabel* label : reader.TextLabels())
      if (label->Tag() == 0) Host.AddToBrowser(label);
  } catch (...) {
    reader.RemoveAll();
    throw;
  }
}

// ---- Group readers ------------------------------------------------------------------------

TSchemaReader::TSchemaReader(TSchemaHost& Host, const TRepository& Store, const ui::TPoint& Origin)
    : FHost(Host), FStore(Store), FOrigin(Origin) {}

TSchemaReader::~TSchemaReader() = default;

int TSchemaReader::M() const { return FHost.SchemaZoom(); }

std::vector<QString> TSchemaReader::GroupPrefixes(const TRepository& Store, const QString& List,
                                                  const QString& Group, int GroupType) {
  std::vector<QString> prefixes;
  const TRepositoryItem* list = nullptr;
  if (Store.FindItem(List, rtList, &list) != rrOk) return prefixes;
  // A count beyond what the list holds finds no more groups: no loop runs longer than the
  // list is.
  const int count =
      std::min(Store.ReadInteger(List + QStringLiteral(".Count"), 0), list->Children()->Count());
  for (int i = 0; i < count; ++i) {
    const QString group = List + QLatin1Char('.') + Group + QString::number(i);
    if (Store.FindItem(group, static_cast<TRepositoryType>(GroupType)) == rrOk)
      prefixes.push_back(group + QLatin1Char('.'));
  }
  return prefixes;
}

void TSchemaReader::CheckUniqueNames(const TRepository& Store) {
  QHash<QString, QString> seen; // upper-cased name -> the name as stored
  auto check = [&](const QString& Name) {
    if (Name.isEmpty()) return;
    const QString key = Name.toUpper();
    if (seen.contains(key))
      throw ui::Exception(QStringLiteral("Schéma obsahuje více prvků se jménem \"%1\".").arg(Name));
    seen.insert(key, Name);
  };
  const struct {
    const char* List;
    const char* Group;
    TRepositoryType Type;
  } lists[] = {{"Entities", "E", rtEntity},
               {"Notes", "N", rtNote},
               {"EntryPoints", "EP", rtEntryPoint},
               {"TextLabels", "TL", rtTextLabel},
               {"Relations", "R", rtRelation}};
  for (const auto& l : lists)
    for (const QString& p :
         GroupPrefixes(Store, QString::fromLatin1(l.List), QString::fromLatin1(l.Group), l.Type))
      check(Store.ReadString(p + QStringLiteral("Name"), QString()));
  if (Store.ReadBoolean(QStringLiteral("ProjectInfo.Created"), false))
    check(Store.ReadString(QStringLiteral("ProjectInfo.Name"), QString()));
}

TRectangle* TSchemaReader::FindMade(const QString& Name) const {
  if (Name.isEmpty()) return nullptr;
  return FMade.value(Name.toCaseFolded(), nullptr);
}

void TSchemaReader::RememberMade(TRectangle* Box) {
  if (!Box->Name().isEmpty()) FMade.insert(Box->Name().toCaseFolded(), Box);
}

TEntity* TSchemaReader::LoadEntity(const QString& Prefix) {
  Morvik::TModel* model = FHost.SchemaModel();
  if (!model) throw ui::Exception(QStringLiteral("Schéma nemá připojený databázový model."));
  const TRepository& s = FStore;
  TEntity* entity = CreateEntity(
      FHost.SchemaDesktop(), M(), 1000, s.ReadString(Prefix + QStringLiteral("Name"), QString()),
      s.ReadString(Prefix + QStringLiteral("Caption"), QStringLiteral("Entita")),
      Placed(s, Prefix + QStringLiteral("Left"), FOrigin.x, M()),
      Placed(s, Prefix + QStringLiteral("Top"), FOrigin.y, M()),
      s.ReadInteger(Prefix + QStringLiteral("Width"), 0), s.ReadInteger(Prefix + QStringLiteral("Height"), 0),
      s.ReadBoolean(Prefix + QStringLiteral("ShowAttrib"), true), false, true, FHost.SchemaHandlers());
  FEntities.push_back(entity);
  RememberMade(entity);
  Morvik::TTable* table = model->NewTable();
  FTables.push_back(table);
  s.LoadTable(Prefix + QStringLiteral("Data"), table, model);
  FHost.BindEntityToTable(entity, table);
  entity->SetTable(table);
  FHost.SchemaDocument().AddEntity(entity);
  FHost.AddToBrowser(entity);
  return entity;
}

TNote* TSchemaReader::LoadNote(const QString& Prefix) {
  const TRepository& s = FStore;
  TNote* note = CreateNote(
      FHost.SchemaDesktop(), M(), 1000, s.ReadString(Prefix + QStringLiteral("Name"), QString()),
      s.ReadMemo(Prefix + QStringLiteral("Text"), QString()),
      Placed(s, Prefix + QStringLiteral("Left"), FOrigin.x, M()),
      Placed(s, Prefix + QStringLiteral("Top"), FOrigin.y, M()),
      s.ReadInteger(Prefix + QStringLiteral("Width"), 0), s.ReadInteger(Prefix + QStringLiteral("Height"), 0),
      s.ReadBoolean(Prefix + QStringLiteral("AutoSize"), true), FHost.SchemaHandlers());
  FNotes.push_back(note);
  RememberMade(note);
  FHost.SchemaDocument().AddNote(note);
  FHost.AddToBrowser(note);
  return note;
}

TEntryPoint* TSchemaReader::LoadEntryPoint(const QString& Prefix) {
  const QString entityName = FStore.ReadString(Prefix + QStringLiteral("Entity"), QString());
  auto* entity = dynamic_cast<TEntity*>(FindMade(entityName));
  if (!entity) return nullptr;
  TEntryPoint* point =
      CreateEntryPoint(FHost.SchemaDesktop(), M(), 1000,
                       FStore.ReadString(Prefix + QStringLiteral("Name"), QStringLiteral("EntryPoint")),
                       entity, FHost.SchemaHandlers());
  if (!point) return nullptr; // the entity has its entry point already
  FEntryPoints.push_back(point);
  FHost.SchemaDocument().AddEntryPoint(point);
  FHost.AddToBrowser(point);
  return point;
}

TProjectInfo* TSchemaReader::LoadProjectInfo(const QString& Prefix) {
  const TRepository& s = FStore;
  TVisualModel& document = FHost.SchemaDocument();
  const QDateTime now = QDateTime::currentDateTime();
  const QDateTime created = s.ReadDateTime(Prefix + QStringLiteral("CreatedAt"), now);
  const QDateTime updated = s.ReadDateTime(Prefix + QStringLiteral("UpdatedAt"), now);
  TProjectInfo* info = nullptr;
  if (s.ReadBoolean(Prefix + QStringLiteral("Created"), false)) {
    auto read = [&](const char* Key) { return s.ReadString(Prefix + QString::fromLatin1(Key), QString()); };
    info = CreateProjectInfo(FHost.SchemaDesktop(), M(), 1000, read("Name"),
                             Placed(s, Prefix + QStringLiteral("Left"), FOrigin.x, M()),
                             Placed(s, Prefix + QStringLiteral("Top"), FOrigin.y, M()), true, read("Author"),
                             read("Firm"), read("Project"), read("Version"), read("Model"), read("SubModel"),
                             document.DBModelName, created, updated, FHost.SchemaHandlers());
    FProjectInfo = info;
    document.SetProjectInfo(info);
    FHost.AddToBrowser(info);
  }
  document.CreatedAt = created;
  document.UpdatedAt = updated;
  return info;
}

TTextLabel* TSchemaReader::LoadTextLabel(const QString& Prefix) {
  const TRepository& s = FStore;
  TTextLabel* label = CreateTextLabel(
      FHost.SchemaDesktop(), M(), 1000, s.ReadString(Prefix + QStringLiteral("Name"), QString()),
      s.ReadString(Prefix + QStringLiteral("Caption"), QString()),
      Placed(s, Prefix + QStringLiteral("Left"), FOrigin.x, M()),
      Placed(s, Prefix + QStringLiteral("Top"), FOrigin.y, M()), FHost.SchemaHandlers());
  FTextLabels.push_back(label);
  RememberMade(label);
  // The label was made with the look of relation labels, which is the default of each part.
  AssignBrushValue(*label->Brush(),
                   s.ReadBrush(Prefix + QStringLiteral("BrushColor"), BrushValue(*label->Brush())));
  AssignPenValue(*label->Pen(), s.ReadPen(Prefix + QStringLiteral("PenColor"), PenValue(*label->Pen())));
  AssignFontValue(*label->Font(), s.ReadFont(Prefix + QStringLiteral("Font"), FontValue(*label->Font())));
  FHost.SchemaDocument().AddTextLabel(label);
  return label;
}

TRelation* TSchemaReader::LoadRelation(const QString& Prefix) {
  const TRepository& s = FStore;
  TRectangle* base = FindMade(s.ReadString(Prefix + QStringLiteral("Base"), QString()));
  TRectangle* target = FindMade(s.ReadString(Prefix + QStringLiteral("Target"), QString()));
  if (!base || !target) return nullptr;
  TRelation* relation = CreateRelation(
      FHost.SchemaDesktop(), M(), 1000, s.ReadString(Prefix + QStringLiteral("Name"), QString()), base,
      s.ReadInteger(Prefix + QStringLiteral("BaseX"), 0), s.ReadInteger(Prefix + QStringLiteral("BaseY"), 0),
      target, s.ReadInteger(Prefix + QStringLiteral("TargetX"), 0),
      s.ReadInteger(Prefix + QStringLiteral("TargetY"), 0),
      KindOf(s.ReadInteger(Prefix + QStringLiteral("RelationKind"), rkNone)), FHost.SchemaHandlers());
  if (!relation) return nullptr;
  FRelations.push_back(relation);
  const QString labelName = s.ReadString(Prefix + QStringLiteral("MainLabel"), QString());
  // A label that another relation took already stays with that one.
  if (auto* label = dynamic_cast<TTextLabel*>(FindMade(labelName)); label && label->Tag() == 0) {
    relation->SetMainLabel(label);
    label->SetTag(reinterpret_cast<intptr_t>(relation));
  }
  const bool complete = TVisualModel::IsRelationComplete(relation);
  if (complete) {
    Morvik::TModel* model = FHost.SchemaModel();
    if (!model) throw ui::Exception(QStringLiteral("Schéma nemá připojený databázový model."));
    // The factory may have swapped the ends; the base entity's table is the parent.
    auto* parent = static_cast<TEntity*>(relation->Base());
    auto* child = static_cast<TEntity*>(relation->Target());
    Morvik::TReference* reference = model->NewReference(parent->Table(), child->Table());
    FReferences.push_back(reference);
    s.LoadReference(Prefix + QStringLiteral("Data"), reference);
    FHost.BindRelationToReference(relation, reference);
    relation->SetReference(reference);
    if (TTextLabel* label = relation->MainLabel()) {
      // The label now shows the reference's name: it is placed again at its new size, so
      // that the place it is saved at is where it is loaded.
      relation->SetMainLabel(nullptr);
      relation->SetMainLabel(label);
    }
  }
  FHost.SchemaDocument().AddRelation(relation);
  if (complete) FHost.AddToBrowser(relation);
  return relation;
}

void TSchemaReader::RemoveAll() {
  TVisualModel& document = FHost.SchemaDocument();
  Morvik::TModel* model = FHost.SchemaModel();
  // One run: each list of the document closes up once, whatever the number removed.
  const TRemovalRun removals(document);
  // Relations first (they hold their ends and labels), then what marks an entity, then boxes.
  for (TRelation* r : FRelations) {
    document.RemoveRelation(r);
    delete r;
  }
  for (TEntryPoint* p : FEntryPoints) {
    document.RemoveEntryPoint(p);
    delete p;
  }
  for (TTextLabel* l : FTextLabels) {
    document.RemoveTextLabel(l);
    delete l;
  }
  for (TNote* n : FNotes) {
    document.RemoveNote(n);
    delete n;
  }
  if (FProjectInfo) {
    document.RemoveProjectInfo(FProjectInfo);
    delete FProjectInfo;
  }
  for (TEntity* e : FEntities) {
    document.RemoveEntity(e);
    delete e;
  }
  if (model) {
    for (Morvik::TReference* r : FReferences) model->DeleteReference(r);
    for (Morvik::TTable* t : FTables) model->DeleteTable(t);
  }
  FRelations.clear();
  FEntryPoints.clear();
  FTextLabels.clear();
  FNotes.clear();
  FProjectInfo = nullptr;
  FEntities.clear();
  FReferences.clear();
  FTables.clear();
  FMade.clear();
}
