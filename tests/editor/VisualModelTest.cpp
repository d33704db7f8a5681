#include "editor/VisualModel.h"

#include "diagram/Entity.h"
#include "diagram/EntryPoint.h"
#include "diagram/Note.h"
#include "diagram/ProjectInfo.h"
#include "diagram/Relation.h"
#include "diagram/TextLabel.h"
#include "ui/Desktop.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

class DocumentTest : public ::testing::Test {
protected:
  template <class T>
  T* Make(const QString& Name) {
    auto* element = new T(&Desktop);
    element->SetParent(&Desktop);
    element->SetName(Name);
    return element;
  }
  TEntity* AddEntity(const QString& Name) {
    TEntity* e = Make<TEntity>(Name);
    Doc.AddEntity(e);
    return e;
  }
  QStringList EntityNames() const {
    QStringList names;
    for (const TEntity* e : Doc.Entities) names << e->Name();
    return names;
  }

  ui::TDesktop Desktop;
  TVisualModel Doc;
};

TEST(NameNumbers, NumberAfterTheLastUnderscore) {
  const struct {
    const char* Name;
    int Number;
  } cases[] = {
      {"Entity_12", 12},
      {"Entity_", 0},
      {"Entity", 0},
      {"_clip_Entity_3", 3},
      {"Entity_x", 0},
      {"Entity_1a", 0},
      {"Relation_2_7", 7},
      {"", 0},
      // Beyond the range of the numbering: no number.
      {"Entity_2147483647", 0},
      {"Entity_99999999999", 0},
      {"Entity_2147483646", 2147483646},
  };
  for (const auto& c : cases) EXPECT_EQ(NumberOfName(QString::fromLatin1(c.Name)), c.Number) << c.Name;
}

TEST(NameNumbers, PastedNamesLoseThePrefixAndMoveByTheOffset) {
  const struct {
    const char* Name;
    int Offset;
    const char* Result;
  } cases[] = {
      {"_clip_Entity_3", 5, "Entity_8"},         {"_clip_Note_0", 7, "Note_7"},
      {"_clip_Note_10", 2, "Note_12"},           {"_clip_Relation_9", 1, "Relation_10"},
      {"_clip_TextLabel_15", 0, "TextLabel_15"}, {"_clip_Entity_2147483646", 5, "Entity_2147483651"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(RenumberClipName(QString::fromLatin1(c.Name), c.Offset), QString::fromLatin1(c.Result))
        << c.Name;
}

TEST_F(DocumentTest, LowestFreeAndNextNumberOverTables) {
  const struct {
    std::vector<const char*> Names;
    int LowestFree;
    int Next;
  } cases[] = {
      {{}, 0, 0},
      {{"Entity_0", "Entity_2"}, 1, 3},
      {{"Entity_4", "Entity_0", "entity_04"}, 1, 5}, // two names of one number
      {{"Entity_1", "Entity_2"}, 0, 3},
      {{"Entity_3", "Entity_0", "Entity_1"}, 2, 4},
      {{"Entity_x", "Entity_1"}, 2, 2}, // no digits: number 0
      {{"Entity_", "Entity_0"}, 1, 1},  // a duplicate 0
      {{"entity_0", "ENTITY_1"}, 2, 2},
      {{"Entity_2147483647", "Entity_0"}, 1, 1}, // beyond the numbering: number 0
      {{"Entity_2147483646"}, 0, 2147483647},
      {{"Entity_2147483646", "Entity_-2147483647", "Entity_0"}, 1, 2147483647},
  };
  for (const auto& c : cases) {
    for (TEntity* e : Doc.Entities) delete e;
    Doc.Entities.clear();
    for (const char* name : c.Names) AddEntity(QString::fromLatin1(name));
    EXPECT_EQ(Doc.NextFreeEntityNumber(), c.LowestFree) << c.Names.size();
    EXPECT_EQ(Doc.NextEntityNumber(), c.Next) << c.Names.size();
  }
}

TEST_F(DocumentTest, NumberingSortsTheListByNumber) {
  AddEntity("Entity_5");
  AddEntity("Entity_1");
  AddEntity("Entity_3");
  EXPECT_EQ(Doc.NextFreeEntityNumber(), 0);
  EXPECT_EQ(EntityNames(), QStringList({"Entity_1", "Entity_3", "Entity_5"}));
}

TEST_F(DocumentTest, EveryKindIsNumberedInItsOwnList) {
  AddEntity("Entity_0");
  Doc.AddNote(Make<TNote>("Note_0"));
  Doc.AddNote(Make<TNote>("Note_1"));
  Doc.AddTextLabel(Make<TTextLabel>("TextLabel_1"));
  Doc.AddEntryPoint(Make<TEntryPoint>("EntryPoint_0"));
  Doc.AddEntryPoint(Make<TEntryPoint>("EntryPoint_2"));
  Doc.AddRelation(Make<TRelation>("Relation_4"));
  EXPECT_EQ(Doc.NextFreeEntityNumber(), 1);
  EXPECT_EQ(Doc.NextFreeNoteNumber(), 2);
  EXPECT_EQ(Doc.NextFreeTextLabelNumber(), 0);
  EXPECT_EQ(Doc.NextFreeEntryPointNumber(), 1);
  EXPECT_EQ(Doc.NextFreeRelationNumber(), 0);
  EXPECT_EQ(Doc.NextEntityNumber(), 1);
  EXPECT_EQ(Doc.NextNoteNumber(), 2);
  EXPECT_EQ(Doc.NextTextLabelNumber(), 2);
  EXPECT_EQ(Doc.NextEntryPointNumber(), 3);
  EXPECT_EQ(Doc.NextRelationNumber(), 5);
}

TEST_F(DocumentTest, RegistrationChecksTheClassAndRemovesTheFirstOccurrence) {
  TEntity* e = AddEntity("Entity_0");
  Doc.AddEntity(nullptr);
  EXPECT_EQ(Doc.Entities.size(), 1u);
  TNote* note = Make<TNote>("Note_0");
  Doc.RemoveEntity(note); // another class: nothing happens
  Doc.RemoveEntity(nullptr);
  EXPECT_EQ(Doc.Entities.size(), 1u);
  Doc.AddEntity(e);
  AddEntity("Entity_1");
  Doc.RemoveEntity(e);
  ASSERT_EQ(Doc.Entities.size(), 2u);
  EXPECT_EQ(Doc.Entities[0], e); // the later occurrence stays

  auto* info = Make<TProjectInfo>("ProjectInfo_0");
  Doc.SetProjectInfo(info);
  EXPECT_EQ(Doc.ProjectInfo, info);
  Doc.RemoveProjectInfo(e); // not a project-information block
  EXPECT_EQ(Doc.ProjectInfo, info);
  Doc.RemoveProjectInfo(info);
  EXPECT_EQ(Doc.ProjectInfo, nullptr);
}

// Within a run, removed elements (freed at once, as a deletion does) are passed over by every
// look-up and by the numbering; an element added meanwhile comes after the rest, and the end
// of the outermost run leaves each list in its order without the removed ones.
TEST_F(DocumentTest, ARunOfRemovalsPassesOverTheRemovedAndKeepsTheOrder) {
  std::vector<TEntity*> entities;
  for (int i = 0; i < 6; ++i) entities.push_back(AddEntity(QStringLiteral("Entity_%1").arg(i)));
  auto* table = reinterpret_cast<Morvik::TTable*>(0x1000);
  entities[1]->SetTable(table);
  auto* point = Make<TEntryPoint>("EntryPoint_0");
  point->SetEntity(entities[1]);
  Doc.AddEntryPoint(point);
  std::vector<TRelation*> relations;
  for (int i = 0; i < 3; ++i) {
    relations.push_back(Make<TRelation>(QStringLiteral("Relation_%1").arg(i)));
    relations.back()->SetReference(reinterpret_cast<Morvik::TReference*>(0x2000 + i));
    Doc.AddRelation(relations.back());
  }
  TTextLabel* label = Make<TTextLabel>("TextLabel_0");
  Doc.AddTextLabel(label);
  {
    const TRemovalRun outer(Doc);
    {
      const TRemovalRun inner(Doc);
      for (ui::TComponent* gone : std::initializer_list<ui::TComponent*>{entities[1], entities[4], point}) {
        Doc.RemoveEntity(gone);
        Doc.RemoveEntryPoint(gone);
        delete gone;
      }
      Doc.RemoveRelation(relations[0]);
      delete relations[0];
      Doc.RemoveTextLabel(label);
      delete label;
    }
    EXPECT_EQ(Doc.FindEntityByName("Entity_1"), nullptr);
    EXPECT_EQ(Doc.FindRectangleByName("TextLabel_0"), nullptr);
    EXPECT_EQ(Doc.FindEntityByTable(table), nullptr);
    EXPECT_EQ(Doc.FindEntryPointByEntity(entities[1]), nullptr);
    EXPECT_EQ(Doc.FindRelationByReference(reinterpret_cast<Morvik::TReference*>(0x2000)), nullptr);
    EXPECT_EQ(Doc.FindRelationByReference(reinterpret_cast<Morvik::TReference*>(0x2001)), relations[1]);
    EXPECT_EQ(Doc.RelationAt(ui::Point(-100, -100)), nullptr);
    EXPECT_EQ(Doc.FindEntityByName("entity_5"), entities[5]);
    EXPECT_EQ(Doc.NextFreeEntityNumber(), 1);
    AddEntity("Entity_6");
    // Removed twice in one run: the first two occurrences go.
    Doc.AddRelation(relations[2]);
    Doc.AddRelation(relations[1]);
    Doc.RemoveRelation(relations[1]);
    Doc.RemoveRelation(relations[1]);
  }
  EXPECT_EQ(EntityNames(), QStringList({"Entity_0", "Entity_2", "Entity_3", "Entity_5", "Entity_6"}));
  EXPECT_TRUE(Doc.EntryPoints.empty());
  EXPECT_TRUE(Doc.TextLabels.empty());
  EXPECT_EQ(Doc.Relations, (std::vector<TRelation*>{relations[2], relations[2]}));
  // Outside a run a removal is at once.
  Doc.RemoveRelation(relations[2]);
  EXPECT_EQ(Doc.Relations, (std::vector<TRelation*>{relations[2]}));
}

TEST_F(DocumentTest, NameLookUpsIgnoreCaseAndSearchEntitiesFirst) {
  TEntity* entity = AddEntity("Entity_3");
  // Names are unique on one desktop; a note of another desktop may share the entity's name.
  ui::TDesktop other;
  auto* note = new TNote(&other);
  note->SetParent(&other);
  note->SetName("Shared_1");
  Doc.AddNote(note);
  TTextLabel* label = Make<TTextLabel>("TextLabel_2");
  Doc.AddTextLabel(label);
  TEntity* sameAsNote = AddEntity("SHARED_1");
  TEntity* unnamed = AddEntity("");

  EXPECT_EQ(Doc.FindEntityByName("entity_3"), entity);
  EXPECT_EQ(Doc.FindEntityByName("ENTITY_3"), entity);
  EXPECT_EQ(Doc.FindEntityByName(""), nullptr);
  EXPECT_NE(unnamed, nullptr);
  EXPECT_EQ(Doc.FindNoteByName("shared_1"), note);
  EXPECT_EQ(Doc.FindTextLabelByName("textlabel_2"), label);
  EXPECT_EQ(Doc.FindNoteByName("Entity_3"), nullptr);
  EXPECT_EQ(Doc.FindRectangleByName("Shared_1"), sameAsNote);
  EXPECT_EQ(Doc.FindRectangleByName("TEXTLABEL_2"), label);
  EXPECT_EQ(Doc.FindRectangleByName("Nothing_1"), nullptr);
}

TEST_F(DocumentTest, LookUpsByTableReferenceAndMarkedBox) {
  TEntity* unbound = AddEntity("Entity_0");
  TEntity* bound = AddEntity("Entity_1");
  auto* table = reinterpret_cast<Morvik::TTable*>(0x1000);
  bound->SetTable(table);
  EXPECT_EQ(Doc.FindEntityByTable(table), bound);
  EXPECT_EQ(Doc.FindEntityByTable(nullptr), nullptr); // even though one entity has none

  auto* relation = Make<TRelation>("Relation_0");
  Doc.AddRelation(Make<TRelation>("Relation_1"));
  Doc.AddRelation(relation);
  auto* reference = reinterpret_cast<Morvik::TReference*>(0x2000);
  relation->SetReference(reference);
  EXPECT_EQ(Doc.FindRelationByReference(reference), relation);
  EXPECT_EQ(Doc.FindRelationByReference(nullptr), nullptr);

  auto* point = Make<TEntryPoint>("EntryPoint_0");
  point->SetEntity(bound);
  Doc.AddEntryPoint(Make<TEntryPoint>("EntryPoint_1"));
  Doc.AddEntryPoint(point);
  EXPECT_EQ(Doc.FindEntryPointByEntity(bound), point);
  EXPECT_EQ(Doc.FindEntryPointByEntity(unbound), nullptr);
  EXPECT_EQ(Doc.FindEntryPointByEntity(nullptr), nullptr);
}

TEST_F(DocumentTest, OnlyARelationBetweenTwoEntitiesIsComplete) {
  TEntity* a = AddEntity("Entity_0");
  TEntity* b = AddEntity("Entity_1");
  a->SetBounds(0, 0, 80, 60);
  b->SetBounds(300, 0, 80, 60);
  TNote* note = Make<TNote>("Note_0");
  note->SetBounds(0, 200, 80, 60);
  TTextLabel* label = Make<TTextLabel>("TextLabel_0");
  label->SetBounds(300, 200, 0, 0);

  int relations = 0;
  auto relate = [&](TRectangle* Base, TRectangle* Target) {
    auto* r = Make<TRelation>("Relation_" + QString::number(relations++));
    r->SetBase(Base);
    r->SetTarget(Target);
    return r;
  };
  EXPECT_TRUE(TVisualModel::IsRelationComplete(relate(a, b)));
  EXPECT_FALSE(TVisualModel::IsRelationComplete(relate(note, a)));
  EXPECT_FALSE(TVisualModel::IsRelationComplete(relate(label, b)));
  EXPECT_FALSE(TVisualModel::IsRelationComplete(relate(a, nullptr)));
  EXPECT_FALSE(TVisualModel::IsRelationComplete(nullptr));
}

TEST_F(DocumentTest, RelationAtReturnsTheFirstRelationWhoseLineIsHit) {
  TEntity* a = AddEntity("Entity_0");
  TEntity* b = AddEntity("Entity_1");
  a->SetAutoSize(false);
  b->SetAutoSize(false);
  a->SetBounds(0, 0, 60, 60);
  b->SetBounds(300, 0, 60, 60);
  TEntity* c = AddEntity("Entity_2");
  c->SetAutoSize(false);
  c->SetBounds(300, 200, 60, 60);
  auto relate = [&](const QString& Name, TRectangle* Target) {
    auto* r = Make<TRelation>(Name);
    r->SetBase(a);
    r->SetTarget(Target);
    r->SetRelationKind(rkOneOneToZeroMany);
    r->CenterAnchorsInEntities();
    Doc.AddRelation(r);
    return r;
  };
  TRelation* diagonal = relate("Relation_0", c);
  TRelation* first = relate("Relation_1", b);
  TRelation* second = relate("Relation_2", b); // the same line as the first
  QImage image(400, 300, QImage::Format_RGB32);
  Desktop.RenderTo(image); // a relation's hit test uses its painted ends

  EXPECT_EQ(Doc.RelationAt({150, a->Top() + 30}), first);
  Doc.RemoveRelation(first);
  EXPECT_EQ(Doc.RelationAt({150, a->Top() + 30}), second);
  // Inside the diagonal's bounds but far from its line and every other line.
  EXPECT_EQ(Doc.RelationAt({100, 200}), nullptr);
  const ui::TPoint onDiagonal{(30 + 330) / 2, (30 + 230) / 2};
  EXPECT_EQ(Doc.RelationAt(onDiagonal), diagonal);
  EXPECT_EQ(Doc.RelationAt({2000, 2000}), nullptr);
}

} // namespace
