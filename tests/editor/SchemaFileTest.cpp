// The schema's key tree through the real plug-in: a schema of every element kind saved, loaded
// into a new window and saved again gives the same bytes; a file written by hand loads with
// its elements at their places; bad files fail and leave nothing behind.

#include "SchemaTestWindow.h"

#include "diagram/Entity.h"
#include "diagram/EntryPoint.h"
#include "diagram/Note.h"
#include "diagram/ProjectInfo.h"
#include "diagram/Relation.h"
#include "diagram/TextLabel.h"
#include "editor/Repository.h"
#include "editor/RepositoryGraphics.h"
#include "editor/SchemaFile.h"
#include "ui/Exception.h"

#include "editor/SchemaClipboard.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <chrono>
#include <limits>

namespace {

using SchemaFileTest::TSchemaWindow;

QByteArray Save(TSchemaWindow& Window, const QString& File) {
  TRepository store;
  WriteSchema(store, Window.Document, Window.Model.get(), Window.Desktop, Window.Origin);
  store.SaveToFile(File);
  QFile f(File);
  f.open(QIODevice::ReadOnly);
  return f.readAll();
}

// Loads as the schema window does: the plug-in keys, the model, the desktop, the view origin
// (half the desktop by default) and the elements.
void Load(TSchemaWindow& Window, const QString& File) {
  TRepository store;
  store.LoadFromFile(File);
  const TSchemaIdentity identity = ReadSchemaIdentity(store);
  Window.Document.DLLFileName = identity.DLLFileName;
  Window.Document.DBModelName = identity.DBModelName;
  Window.Document.DLLVersion = identity.DLLVersion;
  ReadSchemaModel(store, Window.Model.get());
  Window.Desktop = ReadSchemaDesktop(store);
  Window.Origin =
      ReadViewOrigin(store, ui::TPoint{Window.Desktop.WidthPix / 2, Window.Desktop.HeightPix / 2});
  ReadSchemaElements(Window, store, Window.Origin);
}

QString Fixture(const char* Name) { return QString(REPOSITORY_FIXTURES "/") + Name; }

class SchemaFile : public SchemaFileTest::WindowTest {};

TEST_F(SchemaFile, EverythingSurvivesSaveLoadSaveByteForByte) {
  TSchemaWindow source(Plugin);
  source.FillEveryKind();
  QTemporaryDir dir;
  const QByteArray first = Save(source, dir.filePath("a.xml"));

  TSchemaWindow loaded(Plugin);
  Load(loaded, dir.filePath("a.xml"));
  const QByteArray second = Save(loaded, dir.filePath("b.xml"));
  EXPECT_EQ(second, first);
  // Written straight into its text, without the tree kept, the schema gives the same bytes.
  TRepository streamed(TRepository::TStreamed{});
  WriteSchema(streamed, source.Document, source.Model.get(), source.Desktop, source.Origin);
  EXPECT_EQ(streamed.SaveToBytes(), first);
  if (second != first) {
    const QList<QByteArray> a = first.split('\n'), b = second.split('\n');
    for (int i = 0; i < std::min(a.size(), b.size()); ++i)
      if (a[i] != b[i]) {
        ADD_FAILURE() << "line " << i << ":\n" << a[i].toStdString() << "\n" << b[i].toStdString();
        break;
      }
  }

  // What the bytes hold, read back element by element.
  const TVisualModel& d = loaded.Document;
  EXPECT_EQ(loaded.Origin, source.Origin);
  EXPECT_EQ(loaded.Desktop.WidthPag, 3);
  EXPECT_EQ(loaded.Desktop.HeightPix, 2500);
  EXPECT_EQ(SchemaTest::GetParam(loaded.Model.get(), "CharSet"), "WIN1250");
  EXPECT_EQ(d.DocumentationPath, "/doc/site");
  EXPECT_EQ(d.DBModelName, "InterBase 6");
  ASSERT_EQ(d.Entities.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    const TEntity* a = source.Document.Entities[i];
    const TEntity* b = d.Entities[i];
    EXPECT_EQ(b->Name(), a->Name());
    EXPECT_EQ(b->Caption(), a->Caption());
    EXPECT_EQ(SchemaFileTest::Bounds(b), SchemaFileTest::Bounds(a));
    EXPECT_EQ(b->DrawAll(), a->DrawAll());
    ASSERT_NE(b->Table(), nullptr);
    EXPECT_EQ(b->Table()->GetColumnCount(), a->Table()->GetColumnCount());
  }
  EXPECT_STREQ(d.Entities[0]->Table()->GetComment(), "Orders\r\nof the shop");
  ASSERT_EQ(d.Notes.size(), 1u);
  EXPECT_EQ(d.Notes[0]->Text(), "first\nsecond");
  EXPECT_EQ(SchemaFileTest::Bounds(d.Notes[0]), SchemaFileTest::Bounds(source.Document.Notes[0]));
  ASSERT_EQ(d.EntryPoints.size(), 1u);
  EXPECT_EQ(d.EntryPoints[0]->Entity(), d.Entities[1]);
  ASSERT_EQ(d.TextLabels.size(), 2u);
  const TTextLabel* free = d.TextLabels[0];
  EXPECT_EQ(free->Tag(), 0);
  EXPECT_EQ(free->Font()->Color(), ui::clRed);
  EXPECT_EQ(free->Brush()->Color(), ui::clYellow);
  EXPECT_EQ(free->Pen()->Width(), 3);
  ASSERT_EQ(d.Relations.size(), 2u);
  const TRelation* fk = d.Relations[0];
  EXPECT_EQ(fk->Base(), d.Entities[0]);
  EXPECT_EQ(fk->Target(), d.Entities[1]);
  EXPECT_EQ(fk->RelationKind(), rkOneOneToZeroMany);
  EXPECT_EQ(fk->BaseX(), source.Document.Relations[0]->BaseX());
  EXPECT_EQ(fk->TargetY(), source.Document.Relations[0]->TargetY());
  EXPECT_EQ(fk->MainLabel(), d.TextLabels[1]);
  EXPECT_EQ(d.TextLabels[1]->Caption(), "FK_ORDER_ITEM");
  ASSERT_NE(fk->Reference(), nullptr);
  EXPECT_EQ(fk->Reference()->GetPairCount(), 1);
  EXPECT_STREQ(fk->Reference()->GetPairColumn(1, 0)->GetName(), "ORDER_ID");
  EXPECT_EQ(d.Relations[1]->Reference(), nullptr); // a note's relation has no plug-in object
  ASSERT_NE(d.ProjectInfo, nullptr);
  EXPECT_EQ(d.ProjectInfo->Author(), QString::fromUtf8("Jiří Novák"));
  EXPECT_EQ(d.ProjectInfo->DBServer(), "InterBase 6");
  EXPECT_EQ(d.ProjectInfo->Left(), source.Document.ProjectInfo->Left());
  EXPECT_EQ(d.CreatedAt, source.Document.ProjectInfo->CreatedAt());
  EXPECT_EQ(loaded.Model->GetTableCount(), 2);
  EXPECT_EQ(loaded.Model->GetReferenceCount(), 1);
  // Browser: entities, note, entry point, block, the complete relation, the free label.
  EXPECT_EQ(loaded.Browser.size(), 7u);
}

// Positions are stored relative to the view origin: a window that shows another part of the
// desktop writes other numbers for the same places.
TEST_F(SchemaFile, PositionsAreRelativeToTheViewOrigin) {
  TSchemaWindow window(Plugin);
  window.AddEntity("Entity_0", 700, 450);
  window.Origin = ui::TPoint{600, 400};
  TRepository store;
  WriteSchema(store, window.Document, window.Model.get(), window.Desktop, window.Origin);
  EXPECT_EQ(store.ReadInteger("Entities.E0.Left", 0), 100);
  EXPECT_EQ(store.ReadInteger("Entities.E0.Top", 0), 50);
  EXPECT_EQ(store.ReadInteger("ViewOriginX", 0), 600);
}

// Without a project block the file says so and still keeps both time stamps of the schema.
TEST_F(SchemaFile, SchemaWithoutProjectBlockKeepsItsTimeStamps) {
  TSchemaWindow source(Plugin);
  ASSERT_EQ(source.Document.ProjectInfo, nullptr);
  const QDateTime created(QDate(2003, 2, 1), QTime(8, 15, 30));
  const QDateTime updated(QDate(2004, 11, 20), QTime(17, 45, 10));
  source.Document.CreatedAt = created;
  source.Document.UpdatedAt = updated;
  QTemporaryDir dir;
  Save(source, dir.filePath("a.xml"));
  {
    TRepository store;
    store.LoadFromFile(dir.filePath("a.xml"));
    EXPECT_FALSE(store.ReadBoolean("ProjectInfo.Created", true));
    EXPECT_EQ(store.ReadDateTime("ProjectInfo.CreatedAt", QDateTime()), created);
    EXPECT_EQ(store.ReadDateTime("ProjectInfo.UpdatedAt", QDateTime()), updated);
  }

  TSchemaWindow loaded(Plugin);
  Load(loaded, dir.filePath("a.xml"));
  EXPECT_EQ(loaded.Document.ProjectInfo, nullptr);
  EXPECT_EQ(loaded.Document.CreatedAt, created);
  EXPECT_EQ(loaded.Document.UpdatedAt, updated);
  EXPECT_TRUE(loaded.Browser.empty());
}

TEST_F(SchemaFile, HandWrittenFileLoadsWithElementsInPlace) {
  TSchemaWindow window(Plugin);
  Load(window, Fixture("schema.xml"));
  const TVisualModel& d = window.Document;
  EXPECT_EQ(window.Origin, (ui::TPoint{1000, 500}));
  EXPECT_EQ(window.Desktop.WidthPix, 5000);
  ASSERT_EQ(d.Entities.size(), 2u);
  EXPECT_EQ(d.Entities[0]->Name(), "Entity_0");
  EXPECT_EQ(d.Entities[0]->Left(), 1040);
  EXPECT_EQ(d.Entities[0]->Top(), 530);
  EXPECT_EQ(d.Entities[0]->Caption(), "CUSTOMER"); // the table's name, not the stored caption
  EXPECT_EQ(d.Entities[1]->Left(), 1300);
  EXPECT_FALSE(d.Entities[1]->DrawAll());
  ASSERT_EQ(d.Entities[0]->Table()->GetColumnCount(), 2);
  EXPECT_STREQ(d.Entities[0]->Table()->GetColumn(1)->GetDataType()->GetName(), "VARCHAR");
  EXPECT_TRUE(d.Entities[0]->Table()->GetColumn(0)->GetKey());
  ASSERT_EQ(d.Notes.size(), 1u);
  EXPECT_EQ(d.Notes[0]->Left(), 1010);
  EXPECT_EQ(d.Notes[0]->Text(), QString::fromUtf8("Poznámka\nna dva řádky"));
  ASSERT_EQ(d.EntryPoints.size(), 1u);
  EXPECT_EQ(d.EntryPoints[0]->Entity(), d.Entities[0]);
  ASSERT_EQ(d.Relations.size(), 1u);
  EXPECT_EQ(d.Relations[0]->Base(), d.Entities[0]);
  EXPECT_EQ(d.Relations[0]->MainLabel(), d.TextLabels[0]);
  EXPECT_EQ(d.TextLabels[0]->Caption(), "FK_ORDER_CUSTOMER");
  EXPECT_STREQ(d.Relations[0]->Reference()->GetPairColumn(0, 0)->GetName(), "ID");
  ASSERT_NE(d.ProjectInfo, nullptr);
  EXPECT_EQ(d.ProjectInfo->Left(), 1500);
  EXPECT_EQ(d.ProjectInfo->Project(), "Shop");
  EXPECT_EQ(d.CreatedAt, QDateTime(QDate(2001, 6, 1), QTime(9, 30)));
}

// Decided behaviour for irregular files: what still loads, and what loads nothing.
TEST_F(SchemaFile, IrregularFilesLoadWhatIsThere) {
  // A count far beyond the groups, a missing group, a kind out of range, desktop sizes
  // beyond the limits, a label named by two relations, and a table with two columns of one
  // name.
  TSchemaWindow window(Plugin);
  const auto start = std::chrono::steady_clock::now();
  Load(window, Fixture("schema-irregular.xml"));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
  const TVisualModel& d = window.Document;
  ASSERT_EQ(d.Entities.size(), 2u); // E0 and E2; no phantom for E1
  EXPECT_EQ(d.Entities[1]->Name(), "Entity_2");
  EXPECT_EQ(d.Entities[1]->Table()->GetColumnCount(), 2);
  EXPECT_EQ(window.Model->GetTableCount(), 2);
  EXPECT_EQ(window.Desktop.WidthPag, 0);
  EXPECT_EQ(window.Desktop.HeightPag, 0);
  EXPECT_EQ(window.Desktop.WidthPix, TSchemaDesktop::DefaultWidthPix);
  EXPECT_EQ(window.Desktop.HeightPix, TSchemaDesktop::DefaultHeightPix);
  ASSERT_EQ(d.Relations.size(), 2u);
  // 20 and -3 both read as rkNone, for which the factory chooses the kind.
  EXPECT_EQ(d.Relations[0]->RelationKind(), d.Relations[1]->RelationKind());
  EXPECT_LE(d.Relations[0]->RelationKind(), rkUserDefined);
  EXPECT_EQ(d.Relations[0]->MainLabel(), d.TextLabels[0]);
  EXPECT_EQ(d.Relations[1]->MainLabel(), nullptr);
  EXPECT_EQ(d.TextLabels[0]->Tag(), reinterpret_cast<intptr_t>(d.Relations[0]));
}

// Positions and view origins at the integer limits, from a file and from the clipboard: every
// element lands within the largest desktop, an origin out of range takes its default, and a
// writer never overflows whatever origin it is given.
TEST_F(SchemaFile, PositionsAtTheIntegerLimitsAreHeldOnTheDesktop) {
  constexpr int Max = std::numeric_limits<int>::max(), Min = std::numeric_limits<int>::min();
  TSchemaWindow source(Plugin);
  source.FillEveryKind();
  TRepository written;
  WriteSchema(written, source.Document, source.Model.get(), source.Desktop, source.Origin);
  // Every integer of one key name set to Value.
  auto withAll = [](QString Text, const char* Key, int Value) {
    return Text.replace(QRegularExpression(QString("(<integer name=\"%1\" value=\")-?[0-9]+").arg(Key)),
                        QString("\\1%1").arg(Value));
  };
  auto expectOnDesktop = [](const TVisualModel& D) {
    std::vector<const ui::TControl*> boxes(D.Entities.begin(), D.Entities.end());
    boxes.insert(boxes.end(), D.Notes.begin(), D.Notes.end());
    boxes.insert(boxes.end(), D.TextLabels.begin(), D.TextLabels.end());
    if (D.ProjectInfo) boxes.push_back(D.ProjectInfo);
    // A relation's label is placed by its relation, beside the line.
    std::erase_if(boxes, [](const ui::TControl* b) { return b->Tag() != 0; });
    EXPECT_FALSE(boxes.empty());
    for (const ui::TControl* b : boxes) {
      SCOPED_TRACE(b->Name().toStdString());
      for (int v : {b->Left(), b->Top(), b->Width(), b->Height()}) {
        EXPECT_GE(v, 0);
        EXPECT_LE(v, TDesignSamples::MaxDesktopPix);
      }
    }
  };
  const struct {
    const char* Name;
    int Left, Top, OriginX, OriginY;
  } cases[] = {
      {"largest positions", Max, Max, 1000, 1000},
      {"smallest positions", Min, Min, 1000, 1000},
      {"origins at the limits", 5, 5, Max, Min},
      {"everything at the limit", Max, Min, Max, Max},
  };
  const TVisualModel& d = source.Document;
  const QString copied = CopySchemaText(
      d, {d.Entities[0], d.Entities[1], d.Notes[0], d.TextLabels[0], d.ProjectInfo}, source.Origin);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    auto atLimits = [&](QString Text) {
      Text = withAll(Text, "Left", c.Left);
      Text = withAll(Text, "Top", c.Top);
      Text = withAll(Text, "ViewOriginX", c.OriginX);
      Text = withAll(Text, "ViewOriginY", c.OriginY);
      return withAll(Text, "Width", Max);
    };
    const QString text = atLimits(written.SaveToText());
    TRepository store;
    store.LoadFromText(text);
    ASSERT_EQ(store.ReadInteger("Entities.E0.Left", 0), c.Left);
    const ui::TPoint fallback{2000, 1000};
    const ui::TPoint origin = ReadViewOrigin(store, fallback);
    EXPECT_EQ(origin.x, c.OriginX == Max ? fallback.x : c.OriginX);
    EXPECT_EQ(origin.y, c.OriginY < 0 || c.OriginY == Max ? fallback.y : c.OriginY);
    TSchemaWindow loaded(Plugin);
    ReadSchemaElements(loaded, store, origin);
    expectOnDesktop(loaded.Document);
    // Pasted at a view origin of the window, the same text lands on the desktop too.
    TSchemaWindow pasted(Plugin);
    ASSERT_EQ(PasteSchemaText(pasted, atLimits(copied), ui::TPoint{TSchemaDesktop::MaxPixels, 0}),
              TPasteResult::Pasted);
    expectOnDesktop(pasted.Document);
  }
  // Writers subtract any origin without overflow.
  for (const ui::TPoint origin : {ui::TPoint{Min, Max}, ui::TPoint{Max, Min}}) {
    TRepository store;
    WriteSchema(store, source.Document, source.Model.get(), source.Desktop, origin);
    const TEntity* e = source.Document.Entities[0];
    EXPECT_EQ(store.ReadInteger("Entities.E0.Left", 0), origin.x == Min ? Max : e->Left() - Max);
    EXPECT_EQ(store.ReadInteger("Entities.E0.Top", 0), origin.y == Min ? Max : e->Top() - Max);
  }
}

TEST_F(SchemaFile, BadFilesFailAndLeaveNothing) {
  QTemporaryDir dir;
  TSchemaWindow source(Plugin);
  source.FillEveryKind();
  const QByteArray good = Save(source, dir.filePath("good.xml"));
  auto replaced = [&](const char* From, const char* To) {
    QByteArray bytes = good;
    return bytes.replace(From, To);
  };
  struct Case {
    const char* Name;
    QByteArray Bytes;
    const char* Message; // a part of the error's text
  };
  const Case cases[] = {
      {"truncated", good.left(good.size() / 2), "není čitelný soubor schématu"},
      {"not XML", "This is a sentence copied from somewhere else.", "není čitelný soubor schématu"},
      {"two entities of one name", replaced("\"Entity_1\"", "\"Entity_0\""), "Entity_0"},
      {"an entity and a note of one name", replaced("\"Note_0\"", "\"ENTITY_0\""), "ENTITY_0"},
      {"a table the plug-in cannot read",
       replaced("name=\"CountOfColumns\" value=\"2\"", "name=\"CountOfColumns\" value=\"9\""), "Not exists"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    const QString file = dir.filePath("bad.xml");
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(c.Bytes);
    f.close();
    TSchemaWindow window(Plugin);
    try {
      Load(window, file);
      ADD_FAILURE() << "loaded";
    } catch (const ui::Exception& e) {
      EXPECT_TRUE(e.Message().contains(QString::fromUtf8(c.Message))) << e.Message().toStdString();
    }
    EXPECT_TRUE(window.Document.Entities.empty());
    EXPECT_TRUE(window.Document.Notes.empty());
    EXPECT_TRUE(window.Document.TextLabels.empty());
    EXPECT_TRUE(window.Document.Relations.empty());
    EXPECT_EQ(window.Document.ProjectInfo, nullptr);
    EXPECT_EQ(window.Model->GetTableCount(), 0);
    EXPECT_EQ(window.Model->GetReferenceCount(), 0);
    EXPECT_EQ(window.Desktop_.ComponentCount(), 0);
  }
}

} // namespace
