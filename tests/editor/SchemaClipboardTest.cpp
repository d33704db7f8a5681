// Copy and paste of schema elements as clipboard text, through the real plug-in: twice into
// one window and into another, refused from another model, and a failed paste taken back.

#include "SchemaTestWindow.h"

#include "editor/SchemaClipboard.h"
#include "ui/Exception.h"

namespace {

using SchemaFileTest::Bounds;
using SchemaFileTest::TSchemaWindow;

class SchemaClipboard : public SchemaFileTest::WindowTest {
protected:
  // Both entities, the note, the free label and the block of a schema of every kind.
  static std::vector<TMorvikGraphic*> Selection(TSchemaWindow& W) {
    const TVisualModel& d = W.Document;
    return {d.Entities[0], d.Entities[1], d.Notes[0], d.TextLabels[0], d.ProjectInfo};
  }
  static QStringList Names(const auto& Elements) {
    QStringList names;
    for (const auto* e : Elements) names << e->Name();
    return names;
  }
};

TEST_F(SchemaClipboard, CopiesTheSelectionWithClipNames) {
  TSchemaWindow a(Plugin);
  a.FillEveryKind();
  // Only the first entity: neither relation has both ends, so neither is copied, nor the
  // relation label; the entry point belongs to the other entity.
  const QString one = CopySchemaText(a.Document, {a.Document.Entities[0]}, a.Origin);
  EXPECT_TRUE(one.contains("value=\"_clip_Entity_0\""));
  EXPECT_FALSE(one.contains("Entity_1"));
  EXPECT_FALSE(one.contains("<relation"));
  EXPECT_FALSE(one.contains("<entrypoint"));
  EXPECT_FALSE(one.contains("name=\"Created\""));
  EXPECT_TRUE(one.contains("<string name=\"DLLFileName\" value=\"varne.dll\"/>"));

  const QString all = CopySchemaText(a.Document, Selection(a), a.Origin);
  for (const char* name :
       {"_clip_Entity_1", "_clip_Note_0", "_clip_EntryPoint_0", "_clip_TextLabel_0", "_clip_TextLabel_1",
        "_clip_Relation_0", "_clip_Relation_1", "_clip_ProjectInfo_0"})
    EXPECT_TRUE(all.contains(QString("value=\"%1\"").arg(name))) << name;
}

TEST_F(SchemaClipboard, PastesTwiceIntoOneWindowAndIntoAnother) {
  TSchemaWindow a(Plugin);
  a.FillEveryKind();
  const QString text = CopySchemaText(a.Document, Selection(a), a.Origin);

  TPastedElements pasted;
  ASSERT_EQ(PasteSchemaText(a, text, a.Origin, &pasted), TPasteResult::Pasted);
  ASSERT_EQ(PasteSchemaText(a, text, a.Origin), TPasteResult::Pasted);
  const TVisualModel& d = a.Document;
  EXPECT_EQ(Names(d.Entities),
            (QStringList{"Entity_0", "Entity_1", "Entity_2", "Entity_3", "Entity_4", "Entity_5"}));
  EXPECT_EQ(Names(d.Notes), (QStringList{"Note_0", "Note_1", "Note_2"}));
  EXPECT_EQ(Names(d.EntryPoints), (QStringList{"EntryPoint_0", "EntryPoint_1", "EntryPoint_2"}));
  EXPECT_EQ(Names(d.Relations).mid(2), (QStringList{"Relation_2", "Relation_3", "Relation_4", "Relation_5"}));
  EXPECT_EQ(Names(d.TextLabels).mid(2),
            (QStringList{"TextLabel_2", "TextLabel_3", "TextLabel_4", "TextLabel_5"}));
  EXPECT_EQ(d.ProjectInfo, a.Document.ProjectInfo); // the window has its block: the copy is left out
  EXPECT_EQ(a.Model->GetTableCount(), 6);
  EXPECT_EQ(a.Model->GetReferenceCount(), 3);
  // Same places as the originals; the entry point and relation belong to pasted elements.
  EXPECT_EQ(Bounds(d.Entities[2]), Bounds(d.Entities[0]));
  EXPECT_EQ(d.EntryPoints[1]->Entity(), d.Entities[3]);
  EXPECT_EQ(d.Relations[2]->Base(), d.Entities[2]);
  EXPECT_EQ(d.Relations[2]->MainLabel(), d.TextLabels[3]);
  EXPECT_EQ(d.TextLabels[3]->Caption(), "FK_ORDER_ITEM");
  EXPECT_NE(d.Relations[2]->Reference(), d.Relations[0]->Reference());
  EXPECT_EQ(d.Relations[2]->Reference()->GetParentTable(), d.Entities[2]->Table());
  // The first paste's elements to select: entities, note, both labels; not relations.
  EXPECT_EQ(Names(pasted.Selected),
            (QStringList{"Entity_2", "Entity_3", "Note_1", "TextLabel_2", "TextLabel_3"}));
  EXPECT_EQ(pasted.Relations.size(), 2u);

  // Into an empty window of the same model that shows another part of the desktop.
  TSchemaWindow b(Plugin);
  b.Document.DLLFileName = "VARNE.DLL"; // the file name is compared without regard to case
  b.Origin = ui::TPoint{100, 50};
  const QDateTime created(QDate(2020, 1, 2), QTime(3, 4, 5));
  b.Document.CreatedAt = created;
  b.Document.UpdatedAt = created;
  ASSERT_EQ(PasteSchemaText(b, text, b.Origin), TPasteResult::Pasted);
  EXPECT_EQ(Names(b.Document.Entities), (QStringList{"Entity_0", "Entity_1"}));
  EXPECT_EQ(b.Document.Entities[0]->Left(), d.Entities[0]->Left() - a.Origin.x + 100);
  EXPECT_EQ(b.Document.Entities[0]->Top(), d.Entities[0]->Top() - a.Origin.y + 50);
  ASSERT_NE(b.Document.ProjectInfo, nullptr);
  EXPECT_EQ(b.Document.ProjectInfo->Name(), "ProjectInfo_0");
  EXPECT_EQ(b.Document.ProjectInfo->CreatedAt(), created);
  EXPECT_EQ(b.Document.CreatedAt, created);
  EXPECT_EQ(b.Document.ProjectInfo->Author(), a.Document.ProjectInfo->Author());
  EXPECT_EQ(b.Model->GetTableCount(), 2);
}

TEST_F(SchemaClipboard, PasteOfOtherDataChangesNothing) {
  TSchemaWindow a(Plugin);
  a.FillEveryKind();
  const QString text = CopySchemaText(a.Document, Selection(a), a.Origin);
  TSchemaWindow other(Plugin);
  other.Document.DBModelName = "Oracle 8";
  EXPECT_EQ(PasteSchemaText(other, text, other.Origin), TPasteResult::OtherModel);
  EXPECT_EQ(PasteSchemaText(other, "Text from another program.", other.Origin), TPasteResult::NoSchemaData);
  EXPECT_EQ(PasteSchemaText(other, "<repository><list name=\"Entities\"/></repository>", other.Origin),
            TPasteResult::NoSchemaData);
  EXPECT_EQ(other.Desktop_.ComponentCount(), 0);
  EXPECT_EQ(other.Model->GetTableCount(), 0);
}

// A paste that fails part-way takes back every element and plug-in object it made, the
// table of the entity it failed on included; two elements of one name fail before anything.
TEST_F(SchemaClipboard, FailedPasteLeavesTheSchemaAsItWas) {
  TSchemaWindow a(Plugin);
  a.FillEveryKind();
  const QString text = CopySchemaText(a.Document, Selection(a), a.Origin);
  // The second entity's table (three columns) claims a fourth.
  const QString badTable =
      QString(text).replace("name=\"CountOfColumns\" value=\"3\"", "name=\"CountOfColumns\" value=\"4\"");
  ASSERT_NE(badTable, text);
  const QString twice = QString(text).replace("\"_clip_Note_0\"", "\"_clip_Entity_1\"");
  TSchemaWindow b(Plugin);
  b.Document.CreatedAt = QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5));
  for (const QString& bad : {badTable, twice}) {
    EXPECT_THROW(PasteSchemaText(b, bad, b.Origin), ui::Exception);
    EXPECT_EQ(b.Desktop_.ComponentCount(), 0);
    EXPECT_TRUE(b.Document.Entities.empty());
    EXPECT_EQ(b.Document.ProjectInfo, nullptr);
    EXPECT_EQ(b.Model->GetTableCount(), 0);
    EXPECT_EQ(b.Model->GetReferenceCount(), 0);
    EXPECT_EQ(b.Document.CreatedAt, QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5)));
  }
}

} // namespace
