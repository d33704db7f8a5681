// The schema window's file and clipboard commands on windows bound to the real plug-in:
// saving and opening again to the same bytes, the zoom and view kept over a save, files that
// cannot be opened, and copying and pasting between windows.
#include "FakeDesignHost.h"

#include "Interface/MorvikInterface.h"
#include "diagram/Entity.h"
#include "diagram/Note.h"
#include "diagram/EntryPoint.h"
#include "diagram/ProjectInfo.h"
#include "diagram/Relation.h"
#include "diagram/ResizeBox.h"
#include "diagram/ScrolledScrollBox.h"
#include "diagram/TextLabel.h"
#include "editor/Repository.h"
#include "editor/DesignSamples.h"
#include "editor/SchemaClipboard.h"
#include "editor/VisualModel.h"
#include "editor/frmBrowser.h"
#include "editor/frmDesign.h"
#include "ui/MB.h"
#include "tests/support/WatchedFifo.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

const QString ModelName = QStringLiteral("InterBase 6");

QString Fixture(const char* Name) { return QString(REPOSITORY_FIXTURES "/") + Name; }

QByteArray Bytes(const QString& Path) {
  QFile f(Path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Write(const QString& Path, const QByteArray& Bytes) {
  QFile f(Path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(Bytes);
}

std::vector<QString> Names(const std::vector<TEntity*>& Entities) {
  std::vector<QString> names;
  for (const TEntity* e : Entities) names.push_back(e->Name());
  return names;
}

// The XML of a table of two INTEGER columns, ID (the key) and REF_ID, at indentation Tabs.
QString TableXml(const QString& Name, int Tabs) {
  const QString t(Tabs, QLatin1Char('\t'));
  auto paramObject = [&](const QString& In) {
    return In + "<paramobject name=\"ParamObject\">\r\n" + In + "\t<memo name=\"Note\" value=\"\"/>\r\n" +
           In + "\t<list name=\"Scalar\">\r\n" + In + "\t</list>\r\n" + In + "\t<list name=\"Vector\">\r\n" +
           In + "\t</list>\r\n" + In + "</paramobject>\r\n";
  };
  QString xml = t + "<table name=\"Data\">\r\n" + t + "\t<string name=\"Name\" value=\"" + Name + "\"/>\r\n" +
                paramObject(t + "\t") + t + "\t<integer name=\"CountOfColumns\" value=\"2\"/>\r\n";
  const char* columns[] = {"ID", "REF_ID"};
  for (int c = 0; c < 2; ++c) {
    const QString in = t + "\t\t";
    xml += t + "\t<column name=\"" + QString::number(c) + "\">\r\n" + in + "<string name=\"Name\" value=\"" +
           columns[c] + "\"/>\r\n" + paramObject(in) + in + "<boolean name=\"Primary\" value=\"" +
           (c == 0 ? "true" : "false") + "\"/>\r\n" + in + "<datatype name=\"DataType\">\r\n" + in +
           "\t<string name=\"Name\" value=\"INTEGER\"/>\r\n" + paramObject(in + "\t") + in +
           "</datatype>\r\n" + t + "\t</column>\r\n";
  }
  return xml + t + "</table>\r\n";
}

// A schema file of Entities entities in a ring of relations (each relation's ends named in
// capitals, every third relation with a label), notes tied to entities, an entry point on
// every fifth entity and the project block.
QByteArray GeneratedSchema(int Entities) {
  QString x = "<?xml version=\"1.0\" encoding=\"windows-1250\" standalone=\"yes\"?>\r\n<repository>\r\n";
  auto leaf = [&](int Tabs, const char* Type, const QString& Name, const QString& Value) {
    x += QString(Tabs, QLatin1Char('\t')) + "<" + Type + " name=\"" + Name + "\" value=\"" + Value +
         "\"/>\r\n";
  };
  auto open = [&](int Tabs, const char* Type, const QString& Name) {
    x += QString(Tabs, QLatin1Char('\t')) + "<" + Type + " name=\"" + Name + "\">\r\n";
  };
  auto close = [&](int Tabs, const char* Type) {
    x += QString(Tabs, QLatin1Char('\t')) + "</" + Type + ">\r\n";
  };
  auto number = [](int N) { return QString::number(N); };
  const int notes = Entities / 4, relations = Entities + notes;
  for (const char* key : {"DesktopWPag", "DesktopHPag"}) leaf(1, "integer", key, "0");
  leaf(1, "integer", "DesktopWPix", "5000");
  leaf(1, "integer", "DesktopHPix", "5000");
  leaf(1, "integer", "ViewOriginX", "100");
  leaf(1, "integer", "ViewOriginY", "50");
  leaf(1, "string", "DocumentationPath", "");
  open(1, "projectinfo", "ProjectInfo");
  leaf(2, "string", "DBModelName", "InterBase 6");
  leaf(2, "string", "DLLFileName", "varne.dll");
  leaf(2, "string", "DLLVersion", "1.0");
  close(1, "projectinfo");
  open(1, "list", "Entities");
  leaf(2, "integer", "Count", number(Entities));
  for (int e = 0; e < Entities; ++e) {
    open(2, "entity", "E" + number(e));
    leaf(3, "string", "Name", "Entity_" + number(e));
    leaf(3, "string", "Caption", "T_" + number(e));
    leaf(3, "integer", "Left", number((e % 15) * 300));
    leaf(3, "integer", "Top", number((e / 15) * 200));
    leaf(3, "boolean", "ShowAttrib", e % 2 ? "true" : "false");
    x += TableXml("T_" + number(e), 3);
    close(2, "entity");
  }
  close(1, "list");
  open(1, "list", "Notes");
  leaf(2, "integer", "Count", number(notes));
  for (int n = 0; n < notes; ++n) {
    open(2, "note", "N" + number(n));
    leaf(3, "string", "Name", "Note_" + number(n));
    leaf(3, "memo", "Text", "Note " + number(n));
    leaf(3, "integer", "Left", number(4600));
    leaf(3, "integer", "Top", number(n * 100));
    close(2, "note");
  }
  close(1, "list");
  open(1, "list", "EntryPoints");
  leaf(2, "integer", "Count", number(Entities / 5));
  for (int p = 0; p < Entities / 5; ++p) {
    open(2, "entrypoint", "EP" + number(p));
    leaf(3, "string", "Name", "EntryPoint_" + number(p));
    leaf(3, "string", "Entity", "entity_" + number(p * 5));
    close(2, "entrypoint");
  }
  close(1, "list");
  const int labels = (relations + 2) / 3;
  open(1, "list", "TextLabels");
  leaf(2, "integer", "Count", number(labels));
  for (int l = 0; l < labels; ++l) {
    open(2, "textlabel", "TL" + number(l));
    leaf(3, "string", "Name", "TextLabel_" + number(l));
    leaf(3, "string", "Caption", "label");
    close(2, "textlabel");
  }
  close(1, "list");
  open(1, "list", "Relations");
  leaf(2, "integer", "Count", number(relations));
  for (int r = 0; r < relations; ++r) {
    const bool toNote = r >= Entities;
    open(2, "relation", "R" + number(r));
    leaf(3, "string", "Name", "Relation_" + number(r));
    leaf(3, "string", "Base", toNote ? "NOTE_" + number(r - Entities) : "ENTITY_" + number(r));
    leaf(3, "string", "Target", "ENTITY_" + number((r + 1) % Entities));
    if (r % 3 == 0) leaf(3, "string", "MainLabel", "TEXTLABEL_" + number(r / 3));
    for (const char* key : {"BaseX", "BaseY", "TargetX", "TargetY"}) leaf(3, "integer", key, "10");
    leaf(3, "integer", "RelationKind", toNote ? "18" : "7");
    if (!toNote) {
      open(3, "reference", "Data");
      leaf(4, "string", "Name", "FK_" + number(r));
      x += QString(4, QLatin1Char('\t')) +
           "<paramobject name=\"ParamObject\">\r\n\t\t\t\t\t<memo name=\"Note\" "
           "value=\"\"/>\r\n\t\t\t\t\t<list name=\"Scalar\">\r\n\t\t\t\t\t</list>\r\n\t\t\t\t\t<list "
           "name=\"Vector\">\r\n\t\t\t\t\t</list>\r\n\t\t\t\t</paramobject>\r\n";
      leaf(4, "integer", "CountOfPair", "1");
      leaf(4, "string", "Parent_0", "ID");
      leaf(4, "string", "Child_0", "REF_ID");
      close(3, "reference");
    }
    close(2, "relation");
  }
  close(1, "list");
  open(1, "projectinfo", "ProjectInfo");
  leaf(2, "boolean", "Created", "true");
  leaf(2, "string", "Name", "ProjectInfo_0");
  leaf(2, "string", "Project", "Generated");
  leaf(2, "datetime", "CreatedAt", "1.6.2001 9:30:00");
  leaf(2, "datetime", "UpdatedAt", "2.6.2001 10:00:00");
  close(1, "projectinfo");
  x += "</repository>\r\n";
  return x.toLatin1();
}

class DesignFile : public ::testing::Test {
protected:
  void SetUp() override {
    TDesignSamples::SetCurrent(&samples);
    ASSERT_TRUE(dir.isValid());
  }
  void TearDown() override {
    windows.clear();
    TDesignSamples::SetCurrent(nullptr);
  }

  TfrmDesign* NewWindow() {
    auto window = std::make_unique<TfrmDesign>(&host);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->resize(800, 600);
    window->show();
    QApplication::processEvents();
    window->OnModelChecked = [this, w = window.get()] { ++checks[w]; };
    windows.push_back(std::move(window));
    return windows.back().get();
  }
  // A window that opened Path, as opening a file does.
  TfrmDesign* Open(const QString& Path, bool* Loaded = nullptr) {
    TfrmDesign* window = NewWindow();
    window->SetFileName(Path, QString());
    const bool loaded = window->LoadSchema();
    if (Loaded) *Loaded = loaded;
    return window;
  }
  // An empty window of the same plug-in model as the fixture.
  TfrmDesign* Empty() {
    TfrmDesign* window = NewWindow();
    EXPECT_TRUE(window->BindModel("varne.dll", ModelName, "1.0")) << qPrintable(window->LoadError);
    window->SetFileName(QString(), "Nepojmenovaný 1");
    return window;
  }
  QString Temp(const char* Name) const { return dir.filePath(QLatin1String(Name)); }
  static QPoint View(const TfrmDesign* W) {
    return QPoint(W->sbxDesktop->HorzPosition(), W->sbxDesktop->VertPosition());
  }
  static void SelectAllEntities(TfrmDesign* W) {
    for (TEntity* e : W->VisualModel->Entities) W->Select(e);
  }

  TDesignSamples samples;
  FakeDesignHost host;
  QTemporaryDir dir;
  std::vector<std::unique_ptr<TfrmDesign>> windows;
  std::map<const TfrmDesign*, int> checks;
};

TEST_F(DesignFile, SaveCloseOpenAndSaveAgainGiveTheSameBytes) {
  bool loaded = false;
  TfrmDesign* first = Open(Fixture("schema.xml"), &loaded);
  ASSERT_TRUE(loaded) << qPrintable(host.Joined.join("|"));
  EXPECT_EQ(first->windowTitle(), "schema.xml (InterBase 6)");
  EXPECT_FALSE(first->Modified());
  EXPECT_EQ(checks[first], 1);
  EXPECT_EQ(first->VisualModel->Entities.size(), 2u);
  EXPECT_EQ(View(first), QPoint(1000, 500));

  // Save as: the dialog is preset with the file, the window takes the new name.
  host.SaveName = Temp("a.xml");
  first->SetModified(true, mkDrawing);
  ASSERT_TRUE(first->SaveAs());
  EXPECT_EQ(host.SavePresets.last(), Fixture("schema.xml"));
  EXPECT_EQ(first->VisualModel->FileName, Temp("a.xml"));
  EXPECT_EQ(first->windowTitle(), "a.xml (InterBase 6)");
  EXPECT_FALSE(first->Modified());
  EXPECT_EQ(host.Reopened.last(), Temp("a.xml"));
  const QByteArray saved = Bytes(Temp("a.xml"));
  ASSERT_FALSE(saved.isEmpty());
  windows.clear();

  TfrmDesign* second = Open(Temp("a.xml"), &loaded);
  ASSERT_TRUE(loaded);
  host.SaveName = Temp("b.xml");
  ASSERT_TRUE(second->SaveAs());
  EXPECT_EQ(Bytes(Temp("b.xml")), saved);
  // Save writes back to the window's file.
  ASSERT_TRUE(second->Save());
  EXPECT_EQ(Bytes(Temp("b.xml")), saved);
  EXPECT_TRUE(host.Joined.isEmpty()) << qPrintable(host.Joined.join("|"));
}

TEST_F(DesignFile, AGeneratedSchemaOfManyElementsOpensWholeAndSavesToTheSameBytesAgain) {
  constexpr int Entities = 120;
  Write(Temp("generated.xml"), GeneratedSchema(Entities));
  bool loaded = false;
  TfrmDesign* first = Open(Temp("generated.xml"), &loaded);
  ASSERT_TRUE(loaded) << qPrintable(host.Joined.join("|"));
  // Every element named in another case than its own is still found.
  const TVisualModel& d = *first->VisualModel;
  EXPECT_EQ(d.Entities.size(), static_cast<size_t>(Entities));
  EXPECT_EQ(d.Notes.size(), static_cast<size_t>(Entities / 4));
  EXPECT_EQ(d.EntryPoints.size(), static_cast<size_t>(Entities / 5));
  ASSERT_EQ(d.Relations.size(), static_cast<size_t>(Entities + Entities / 4));
  EXPECT_EQ(first->Model->GetReferenceCount(), Entities);
  for (size_t r = 0; r < d.Relations.size(); ++r) {
    const TRelation* relation = d.Relations[r];
    EXPECT_EQ(relation->MainLabel() != nullptr, r % 3 == 0) << r;
    if (relation->MainLabel()) {
      EXPECT_EQ(relation->MainLabel()->Tag(), reinterpret_cast<intptr_t>(relation)) << r;
    }
  }
  host.SaveName = Temp("a.xml");
  ASSERT_TRUE(first->SaveAs());
  TfrmDesign* second = Open(Temp("a.xml"), &loaded);
  ASSERT_TRUE(loaded);
  host.SaveName = Temp("b.xml");
  ASSERT_TRUE(second->SaveAs());
  EXPECT_EQ(Bytes(Temp("b.xml")), Bytes(Temp("a.xml")));

  // Deleting every box at once takes every relation, label, entry point, table and
  // reference with it.
  for (TEntity* e : second->VisualModel->Entities) second->Select(e);
  for (TNote* n : second->VisualModel->Notes) second->Select(n);
  second->Select(second->VisualModel->ProjectInfo);
  second->DeleteSelection();
  const TVisualModel& left = *second->VisualModel;
  EXPECT_TRUE(left.Entities.empty() && left.Notes.empty() && left.Relations.empty() &&
              left.TextLabels.empty() && left.EntryPoints.empty() && !left.ProjectInfo);
  EXPECT_EQ(second->Model->GetTableCount(), 0);
  EXPECT_EQ(second->Model->GetReferenceCount(), 0);
  EXPECT_TRUE(second->Selection.empty());
  EXPECT_TRUE(host.Joined.isEmpty()) << qPrintable(host.Joined.join("|"));
}

// What is left after deleting a selection at once, in every list, the browser and the
// model, in order: the elements and plug-in objects in their order, and the browser's nodes.
QStringList Left(const TfrmDesign& W) {
  QStringList left;
  auto names = [&left](const char* Kind, const auto& List) {
    left << Kind;
    for (const auto* e : List) left << e->Name();
  };
  const TVisualModel& d = *W.VisualModel;
  names("entities", d.Entities);
  names("notes", d.Notes);
  names("relations", d.Relations);
  names("labels", d.TextLabels);
  names("points", d.EntryPoints);
  left << "tables";
  for (int t = 0; t < W.Model->GetTableCount(); ++t) left << W.Model->GetTable(t)->GetName();
  left << "references";
  for (int r = 0; r < W.Model->GetReferenceCount(); ++r) left << W.Model->GetReference(r)->GetName();
  for (int g = 0; g < W.Browser->tvComponents->topLevelItemCount(); ++g) {
    const QTreeWidgetItem* group = W.Browser->tvComponents->topLevelItem(g);
    left << group->text(0);
    for (int i = 0; i < group->childCount(); ++i) left << group->child(i)->text(0);
  }
  for (int i = 0; i < W.Desktop->ControlCount(); ++i) left << W.Desktop->Control(i)->Name();
  return left;
}

// A selection deleted at once leaves what deleting its elements one after another leaves,
// also where an element goes with one selected before it (a relation's label with the
// relation's end) and with references that no relation shows.
TEST_F(DesignFile, DeletingASelectionAtOnceLeavesWhatDeletingItsElementsOneByOneLeaves) {
  Write(Temp("generated.xml"), GeneratedSchema(60));
  bool loaded = false;
  TfrmDesign* atOnce = Open(Temp("generated.xml"), &loaded);
  ASSERT_TRUE(loaded) << qPrintable(host.Joined.join("|"));
  TfrmDesign* oneByOne = Open(Temp("generated.xml"), &loaded);
  ASSERT_TRUE(loaded) << qPrintable(host.Joined.join("|"));
  QStringList chosen;
  for (int e = 1; e < 60; e += 3) chosen << QStringLiteral("Entity_%1").arg(e);
  chosen << "TextLabel_1"
         << "Note_2"
         << "Entity_30"
         << "ProjectInfo_0";
  for (TfrmDesign* w : {atOnce, oneByOne}) {
    w->Model->NewReference(w->VisualModel->Entities[30]->Table(), w->VisualModel->Entities[2]->Table());
    w->Model->NewReference(w->VisualModel->Entities[3]->Table(), w->VisualModel->Entities[5]->Table());
  }
  auto find = [](TfrmDesign* W, const QString& Name) -> TMorvikGraphic* {
    if (W->VisualModel->ProjectInfo && W->VisualModel->ProjectInfo->Name() == Name)
      return W->VisualModel->ProjectInfo;
    return W->VisualModel->FindRectangleByName(Name);
  };
  ASSERT_EQ(find(atOnce, "TextLabel_1")->Tag(),
            reinterpret_cast<intptr_t>(atOnce->VisualModel->Relations[3]));
  for (const QString& name : chosen) atOnce->Select(find(atOnce, name));
  ASSERT_EQ(atOnce->Selection.size(), static_cast<size_t>(chosen.size()));
  atOnce->DeleteSelection();
  for (const QString& name : chosen)
    if (TMorvikGraphic* e = find(oneByOne, name)) {
      oneByOne->SelectOnly(e);
      oneByOne->DeleteSelection();
    }
  EXPECT_TRUE(atOnce->Selection.empty());
  EXPECT_EQ(atOnce->VisualModel->Entities.size(), 39u);
  EXPECT_EQ(Left(*atOnce), Left(*oneByOne));
  EXPECT_TRUE(host.Joined.isEmpty()) << qPrintable(host.Joined.join("|"));
}

TEST_F(DesignFile, SavingAtAnyZoomKeepsTheZoomAndTheViewAlsoWhenItFails) {
  TfrmDesign* window = Open(Fixture("schema.xml"));
  TEntity* entity = window->VisualModel->Entities.at(0);
  const ui::TRect natural = entity->BoundsRect();
  window->SetZoomCentered(250);
  window->sbxDesktop->SetHorzPosition(70);
  window->sbxDesktop->SetVertPosition(40);
  const QPoint view = View(window);
  const ui::TRect zoomed = entity->BoundsRect();

  window->SetFileName(Temp("zoomed.xml"), QString());
  ASSERT_TRUE(window->Save());
  EXPECT_EQ(window->Zoom(), 250);
  EXPECT_EQ(View(window), view);
  EXPECT_EQ(entity->BoundsRect(), zoomed);

  // A failed save comes back to the same zoom and view, still modified.
  window->SetModified(true, mkDrawing);
  window->SetFileName(Temp("missing/folder/x.xml"), QString());
  EXPECT_FALSE(window->Save());
  ASSERT_EQ(host.Joined.size(), 1);
  EXPECT_TRUE(host.Joined[0].startsWith(QStringLiteral("Chyba při ukládání schématu.\n")))
      << qPrintable(host.Joined[0]);
  EXPECT_EQ(window->Zoom(), 250);
  EXPECT_EQ(View(window), view);
  EXPECT_TRUE(window->Modified());

  // The file holds the positions at 100 %.
  TfrmDesign* reopened = Open(Temp("zoomed.xml"));
  EXPECT_EQ(reopened->Zoom(), 1000);
  EXPECT_EQ(reopened->VisualModel->Entities.at(0)->BoundsRect(), natural);
}

TEST_F(DesignFile, FailedSaveKeepsTheOldFileAndSaveAsKeepsTheOldName) {
  Write(Temp("old.xml"), Bytes(Fixture("schema.xml")));
  TfrmDesign* window = Open(Temp("old.xml"));
  // A column without a data type cannot be stored.
  Morvik::TColumn* broken = window->VisualModel->Entities.at(0)->Table()->AddColumn();
  broken->SetName("BROKEN");
  broken->SetDataType(-1);
  ASSERT_EQ(broken->GetDataType(), nullptr);
  window->SetModified(true, mkModel);

  host.SaveName = Temp("new.xml");
  EXPECT_FALSE(window->SaveAs());
  EXPECT_EQ(window->VisualModel->FileName, Temp("old.xml"));
  EXPECT_EQ(window->windowTitle(), "old.xml (InterBase 6)");
  EXPECT_FALSE(QFile::exists(Temp("new.xml")));

  EXPECT_FALSE(window->Save());
  EXPECT_EQ(Bytes(Temp("old.xml")), Bytes(Fixture("schema.xml")));
  EXPECT_TRUE(window->Modified());
  ASSERT_EQ(host.Joined.size(), 2);
  for (const QString& m : host.Joined)
    EXPECT_TRUE(m.startsWith(QStringLiteral("Chyba při ukládání schématu.\n")));
  EXPECT_TRUE(host.Reopened.isEmpty() || host.Reopened.last() != Temp("new.xml"));

  // Cancelled in the dialog: nothing happens.
  host.SaveName.clear();
  EXPECT_FALSE(window->SaveAs());
  EXPECT_EQ(host.Joined.size(), 2);
}

TEST_F(DesignFile, SaveAsOverAnExistingFileAsksAndOnlyYesOverwrites) {
  Write(Temp("old.xml"), Bytes(Fixture("schema.xml")));
  const QByteArray other("other contents");
  Write(Temp("taken.xml"), other);
  host.SaveName = Temp("taken.xml");
  // Button 0 overwrites, button 1 cancels; -1 closes the box without an answer.
  const struct {
    int Button;
    bool Overwrites;
  } cases[] = {{1, false}, {-1, false}, {0, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Button);
    TfrmDesign* window = Open(Temp("old.xml"));
    window->SetModified(true, mkDrawing);
    QString shown;
    QTimer::singleShot(0, [&shown, &c] {
      auto* box = qobject_cast<TfMB*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      shown = box->lMsg->text();
      if (c.Button < 0)
        box->close();
      else
        box->Buttons().at(c.Button)->click();
    });
    EXPECT_EQ(window->SaveAs(), c.Overwrites);
    EXPECT_EQ(shown, "Soubor " + Temp("taken.xml") + " existuje.\nPřepsat?");
    if (c.Overwrites) {
      EXPECT_NE(Bytes(Temp("taken.xml")), other);
      EXPECT_EQ(window->VisualModel->FileName, Temp("taken.xml"));
      EXPECT_EQ(window->windowTitle(), "taken.xml (InterBase 6)");
      EXPECT_FALSE(window->Modified());
    } else {
      EXPECT_EQ(Bytes(Temp("taken.xml")), other);
      EXPECT_EQ(window->VisualModel->FileName, Temp("old.xml"));
      EXPECT_EQ(window->windowTitle(), "old.xml (InterBase 6)");
      EXPECT_TRUE(window->Modified());
    }
  }
  EXPECT_TRUE(host.Joined.isEmpty()) << qPrintable(host.Joined.join("|"));
}

TEST_F(DesignFile, FilesThatCannotBeOpenedGiveTheirErrorAndOpenNothing) {
  const QByteArray good = Bytes(Fixture("schema.xml"));
  QByteArray traversal = good;
  traversal.replace("value=\"varne.dll\"", "value=\"../DLL/varne.dll\"");
  struct Case {
    const char* What;
    QByteArray Content; // null: no file
    const char* Expected;
  };
  const Case cases[] = {
      {"missing", QByteArray(), "missing.xml"},
      {"truncated", good.left(good.size() / 2), nullptr},
      {"not XML", "This is not a schema.", nullptr},
      {"traversal", traversal, "Nepodařilo se načíst příslušnou DLL knihovnu!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    host.Joined.clear();
    const QString path =
        Temp("missing.xml").replace("missing", QString::fromLatin1(c.What).replace(' ', '_'));
    if (!c.Content.isNull()) Write(path, c.Content);
    bool loaded = true;
    TfrmDesign* window = Open(path, &loaded);
    EXPECT_FALSE(loaded);
    ASSERT_EQ(host.Joined.size(), 1);
    const QString& message = host.Joined[0];
    EXPECT_TRUE(message.startsWith(QStringLiteral("Chyba při načítání schématu.\n"))) << qPrintable(message);
    if (c.Expected)
      EXPECT_TRUE(message.contains(QString::fromUtf8(c.Expected))) << qPrintable(message);
    else
      EXPECT_FALSE(message.contains(QStringLiteral("DLL"))) << qPrintable(message);
    EXPECT_TRUE(window->VisualModel->Entities.empty());
    EXPECT_EQ(window->Desktop->ControlCount(), 0);
    EXPECT_FALSE(window->Modified());
    EXPECT_EQ(checks[window], 0);
  }

  // An oversized desktop is held to the limits: the default size, not a giant widget.
  QByteArray oversized = good;
  oversized.replace("name=\"DesktopWPix\" value=\"5000\"", "name=\"DesktopWPix\" value=\"2000000000\"");
  oversized.replace("name=\"DesktopHPix\" value=\"3000\"", "name=\"DesktopHPix\" value=\"-5\"");
  Write(Temp("oversized.xml"), oversized);
  bool loaded = false;
  TfrmDesign* window = Open(Temp("oversized.xml"), &loaded);
  EXPECT_TRUE(loaded);
  EXPECT_EQ(window->DesktopWidthPix(), 4000);
  EXPECT_EQ(window->DesktopHeightPix(), 2000);
  EXPECT_EQ(window->Desktop->width(), 4000);
}

// A pipe, a device, a folder or a giant file named as the schema is refused with its message;
// the program neither waits nor reads without end, and the other open schemas stay as they were.
TEST_F(DesignFile, OddFilesAreRefusedAndHarmNoOtherWindow) {
  TfrmDesign* other = Open(Fixture("schema.xml"));
  other->SetModified(true, mkDrawing);
  const std::size_t entities = other->VisualModel->Entities.size();
  ASSERT_GT(entities, 0U);
  const test_support::TWatchedFifo fifo(Temp("pipe.xml"));
  ASSERT_TRUE(fifo.Made());
  {
    QFile huge(Temp("huge.xml"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(MaxSchemaFileSize + 1));
  }
  const struct {
    QString Path;
    const char* Says;
  } cases[] = {
      {Temp("pipe.xml"), "není obyčejný soubor"}, {"/dev/zero", "není obyčejný soubor"},
      {"/dev/urandom", "není obyčejný soubor"},   {dir.path(), "není obyčejný soubor"},
      {Temp("huge.xml"), "je větší než 256 MB"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Path.toStdString());
    host.Joined.clear();
    bool loaded = true;
    TfrmDesign* window = Open(c.Path, &loaded);
    EXPECT_FALSE(loaded);
    ASSERT_EQ(host.Joined.size(), 1);
    EXPECT_TRUE(host.Joined[0].startsWith(QStringLiteral("Chyba při načítání schématu.\n")))
        << qPrintable(host.Joined[0]);
    EXPECT_TRUE(host.Joined[0].contains(QString::fromUtf8(c.Says))) << qPrintable(host.Joined[0]);
    EXPECT_TRUE(window->VisualModel->Entities.empty());
  }
  EXPECT_FALSE(fifo.Opened());
  EXPECT_TRUE(other->Modified());
  EXPECT_EQ(other->VisualModel->Entities.size(), entities);
}

TEST_F(DesignFile, CopyAndPasteBetweenWindowsAndTwiceIntoOne) {
  TfrmDesign* source = Open(Fixture("schema.xml"));
  SelectAllEntities(source);
  source->SetZoomCentered(500);
  const QPoint sourceView = View(source);
  ASSERT_TRUE(source->CopyToClipboard());
  EXPECT_EQ(source->Zoom(), 500);
  EXPECT_EQ(View(source), sourceView);

  TfrmDesign* target = Empty();
  target->sbxDesktop->SetHorzPosition(1000);
  target->sbxDesktop->SetVertPosition(500);
  ASSERT_TRUE(target->PasteFromClipboard()) << qPrintable(host.Joined.join("|"));
  const TVisualModel& d = *target->VisualModel;
  EXPECT_EQ(Names(d.Entities), (std::vector<QString>{"Entity_0", "Entity_1"}));
  ASSERT_EQ(d.Relations.size(), 1u);
  EXPECT_NE(d.Relations[0]->Reference(), nullptr);
  ASSERT_EQ(d.EntryPoints.size(), 1u);
  EXPECT_EQ(d.EntryPoints[0]->Entity(), d.Entities[0]);
  // The same place in the view as in the source window at 100 %.
  EXPECT_EQ(d.Entities[0]->Left(), 1040);
  EXPECT_EQ(d.Entities[0]->Top(), 530);
  EXPECT_EQ(target->Selection.size(), 3u); // two entities and the relation's label
  EXPECT_TRUE(target->Modified());
  EXPECT_EQ(checks[target], 1);

  // Again into the same window: numbered after the first copy, with tables of its own.
  ASSERT_TRUE(target->PasteFromClipboard());
  EXPECT_EQ(Names(d.Entities), (std::vector<QString>{"Entity_0", "Entity_1", "Entity_2", "Entity_3"}));
  EXPECT_EQ(d.Relations.size(), 2u);
  EXPECT_NE(d.Entities[2]->Table(), d.Entities[0]->Table());
  EXPECT_EQ(d.Entities[2]->Left(), d.Entities[0]->Left());
  EXPECT_EQ(target->Model->GetTableCount(), 4);
  EXPECT_EQ(checks[target], 2);
  EXPECT_TRUE(host.Joined.isEmpty()) << qPrintable(host.Joined.join("|"));
}

// Copying with nothing selected puts a schema without elements on the clipboard and leaves the
// window as it was; pasting that adds nothing, but counts as a change.
TEST_F(DesignFile, CopyingAnEmptySelectionPutsASchemaWithoutElementsOnTheClipboard) {
  TfrmDesign* source = Open(Fixture("schema.xml"));
  source->ClearSelection();
  source->SetZoomCentered(500);
  const QPoint view = View(source);
  const int controls = source->Desktop->ControlCount();
  QGuiApplication::clipboard()->setText("before");
  ASSERT_TRUE(source->CopyToClipboard());
  EXPECT_EQ(source->Zoom(), 500);
  EXPECT_EQ(View(source), view);
  EXPECT_EQ(source->Desktop->ControlCount(), controls);
  EXPECT_TRUE(source->Selection.empty());
  EXPECT_FALSE(source->Modified());

  TRepository store;
  store.LoadFromText(QGuiApplication::clipboard()->text());
  EXPECT_EQ(store.ReadString("ProjectInfo.DLLFileName", ""), "varne.dll");
  EXPECT_EQ(store.ReadString("ProjectInfo.DBModelName", ""), ModelName);
  for (const char* list : {"Entities", "EntryPoints", "Notes", "TextLabels", "Relations"})
    EXPECT_EQ(store.ReadInteger(QString(list) + ".Count", -1), 0) << list;
  EXPECT_EQ(store.ReadString("ProjectInfo.Name", "none"), "none");

  TfrmDesign* target = Empty();
  ASSERT_TRUE(target->PasteFromClipboard());
  EXPECT_EQ(target->Desktop->ControlCount(), 0);
  EXPECT_TRUE(target->Selection.empty());
  EXPECT_EQ(target->Model->GetTableCount(), 0);
  EXPECT_TRUE(target->Modified());
  EXPECT_EQ(checks[target], 1);
  EXPECT_TRUE(host.Joined.isEmpty()) << qPrintable(host.Joined.join("|"));
}

TEST_F(DesignFile, PasteFromAnotherModelOrProgramChangesNothing) {
  TfrmDesign* source = Open(Fixture("schema.xml"));
  SelectAllEntities(source);
  ASSERT_TRUE(source->CopyToClipboard());
  QString text = QGuiApplication::clipboard()->text();
  text.replace("value=\"InterBase 6\"", "value=\"Other server\"");
  QGuiApplication::clipboard()->setText(text);

  TfrmDesign* target = Empty();
  target->SetZoomCentered(500);
  target->sbxDesktop->SetHorzPosition(120);
  target->sbxDesktop->SetVertPosition(80);
  const QPoint view = View(target);
  QString shown;
  QTimer::singleShot(0, [&shown] {
    auto* box = qobject_cast<TfMB*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    shown = box->windowTitle() + "|" + box->lMsg->text();
    box->Buttons().front()->click();
  });
  EXPECT_FALSE(target->PasteFromClipboard());
  EXPECT_EQ(shown, "Chyba!|" + IncompatibleModelText);
  EXPECT_TRUE(target->VisualModel->Entities.empty());
  EXPECT_EQ(target->Desktop->ControlCount(), 0);
  EXPECT_EQ(target->Zoom(), 500);
  EXPECT_EQ(View(target), view);
  EXPECT_FALSE(target->Modified());
  EXPECT_EQ(checks[target], 0);

  // Text of another program: nothing happens and nothing is shown.
  QGuiApplication::clipboard()->setText("plain text");
  EXPECT_FALSE(target->PasteFromClipboard());
  EXPECT_EQ(View(target), view);
  EXPECT_TRUE(host.Joined.isEmpty() && host.Messages.isEmpty());
}

TEST_F(DesignFile, ARelationIsNeverSelectedTogetherWithBoxes) {
  TfrmDesign* window = Open(Fixture("schema.xml"));
  ASSERT_FALSE(window->VisualModel->Relations.empty());
  TRelation* relation = window->VisualModel->Relations.front();
  SelectAllEntities(window);
  ASSERT_EQ(window->Selection.size(), 2u);
  window->Select(relation);
  EXPECT_EQ(window->Selection, std::vector<TMorvikGraphic*>{relation});
  TEntity* entity = window->VisualModel->Entities.front();
  window->Select(entity);
  EXPECT_EQ(window->Selection, std::vector<TMorvikGraphic*>{entity});
}

TEST_F(DesignFile, AnEntitySizedByItsContentsCannotBeResized) {
  TfrmDesign* window = Open(Fixture("schema.xml"));
  TEntity* entity = window->VisualModel->Entities.front();
  for (const bool AutoSize : {true, false}) {
    SCOPED_TRACE(AutoSize);
    window->ClearSelection();
    entity->SetAutoSize(AutoSize);
    window->Select(entity);
    TResizeBox* box = window->ResizeBoxOf(entity);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->EnableResize(), !AutoSize);
    EXPECT_TRUE(box->EnableMove());
  }
}

TEST_F(DesignFile, TheProjectBlockMovesButIsNeverResized) {
  TfrmDesign* window = Empty();
  TProjectInfo* block = window->CreateProjectInfoAt(ui::TMouseButton::mbLeft, 100, 100);
  ASSERT_NE(block, nullptr);
  window->ClearSelection();
  window->Select(block);
  TResizeBox* box = window->ResizeBoxOf(block);
  ASSERT_NE(box, nullptr);
  EXPECT_FALSE(box->EnableResize());
  EXPECT_TRUE(box->EnableMove());
}

TEST_F(DesignFile, TextLabelsAreNeverResizedAndARelationsLabelStaysWithIt) {
  TfrmDesign* window = Open(Fixture("schema.xml"));
  for (TTextLabel* label : window->VisualModel->TextLabels) {
    SCOPED_TRACE(label->Caption().toStdString());
    bool ofRelation = false;
    for (const TRelation* r : window->VisualModel->Relations)
      if (r->MainLabel() == label) ofRelation = true;
    window->ClearSelection();
    window->Select(label);
    TResizeBox* box = window->ResizeBoxOf(label);
    ASSERT_NE(box, nullptr);
    EXPECT_FALSE(box->EnableResize());
    EXPECT_EQ(box->EnableMove(), !ofRelation);
  }
}

} // namespace
