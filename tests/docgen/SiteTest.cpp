// Whole sites of one schema with names that HTML and links get wrong when they are written
// as they stand: read back page by page with lxml, for switches all off, all on and mixed.

#include "tests/docgen/DocSchema.h"

#include "diagram/Entity.h"
#include "diagram/Note.h"
#include "diagram/ProjectInfo.h"
#include "diagram/Relation.h"

#include <QDir>
#include <QJsonArray>

#include <gtest/gtest.h>

using namespace docgen_test;

namespace {

const QString CustomerTable = QString::fromUtf8("ZÁKAZNÍK <\"&#1>");
const QString NameColumn = QString::fromUtf8("Jméno & \"příjmení\"");
const QString IdColumn = QStringLiteral("id<#>");
const QString OrderTable = QString::fromUtf8("objednávka#2");
const QString CustomerColumn = QString::fromUtf8("zákazník");
const QString ReferenceName = QString::fromUtf8("FK <&> \"ř\"#");
const QString OddNote = QStringLiteral("Note_<1>&\"#\"");
const QString NoteText = QString::fromUtf8("<script>alert('x')</script>\nřádek & <b>tučně</b>");
const QString TableComment = QStringLiteral("<script>alert(1)</script> & more");
const QString TriggerBody = QString::fromUtf8("BEGIN\n  /* <b>tělo</b> & \"x\" */\nEND");
const QString Script = QString::fromUtf8("CREATE TABLE \"<x>\" (a INTEGER); -- & ž");

QStringList Texts(const QJsonArray& Links, const char* Key) {
  QStringList out;
  for (const QJsonValue& link : Links) out << link.toObject().value(Key).toString();
  return out;
}

QStringList Strings(const QJsonValue& Array) {
  QStringList out;
  for (const QJsonValue& v : Array.toArray()) out << v.toString();
  return out;
}

QStringList HtmlFiles(const QString& Folder) {
  return QDir(Folder).entryList({"*.html"}, QDir::Files, QDir::Name);
}

class SiteTest : public DocSchemaTest {
protected:
  void SetUp() override {
    DocSchemaTest::SetUp();
    if (HasFatalFailure()) return;
    TEntity* customer = AddEntity("Entity_0", CustomerTable.toUtf8().constData());
    Morvik::TColumn* name = SchemaTest::AddColumn(model.get(), customer->Table(),
                                                  {NameColumn.toStdString(), "VARCHAR", {{"Length", "40"}}});
    name->SetKey(true);
    Morvik::TColumn* id =
        SchemaTest::AddColumn(model.get(), customer->Table(), {IdColumn.toStdString(), "INTEGER"});
    SchemaTest::SetParam(id, "Default", "7"); // names no option
    SchemaTest::SetParam(id, "Check", "a < b & c > \"d\"");
    customer->Table()->SetComment(TableComment.toUtf8().constData());

    TEntity* order = AddEntity("Entity_1", OrderTable.toUtf8().constData());
    Morvik::TColumn* ref =
        SchemaTest::AddColumn(model.get(), order->Table(), {CustomerColumn.toStdString(), "INTEGER"});
    Morvik::TParamObject* trigger = SchemaTest::AddItem(order->Table(), "Triggers", {});
    SchemaTest::SetParam(trigger, "Name", "TR_<1>");
    SchemaTest::SetParam(trigger, "Body", TriggerBody.toStdString());

    AddEntity("Entity_2", ""); // no table name, no columns

    Morvik::TReference* reference =
        AddRelation("Relation_0", customer, order, ReferenceName.toUtf8().constData())->Reference();
    reference->AddPair(name, ref);

    TNote* odd = AddNote(OddNote, NoteText);
    LinkNote("Relation_1", odd, customer);
    LinkNote("Relation_2", odd, order);
    AddNote("Note_0", QString::fromUtf8("druhá poznámka"));

    Morvik::TParamObject* exception = SchemaTest::AddItem(model.get(), "Exceptions", {});
    SchemaTest::SetParam(exception, "Name", "E_<x>");

    auto* info = new TProjectInfo(&Desktop);
    info->SetParent(&Desktop);
    info->SetName("ProjectInfo_0");
    info->SetProject(QString::fromUtf8("Projekt <Ž> & \"spol\""));
    Doc.SetProjectInfo(info);
    Doc.Script = Script;
    Doc.FileName = QString::fromUtf8("/schémata/<a>&b.xml");
  }

  // Generates into a fresh folder of its own and reads the site back; fails the test when the
  // site does not hold together.
  QJsonObject Site(const QString& Name, bool Tables, bool Relations, bool Script, bool Notes,
                   bool FurtherInfo, bool ParamHelp) {
    const QString folder = Temp.filePath(Name);
    const QString error = Generate(folder, Tables, Relations, Script, Notes, FurtherInfo, ParamHelp);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    QString faults;
    const QJsonObject site = ReadSite(folder, faults);
    EXPECT_TRUE(faults.isEmpty()) << Name.toStdString() << ":\n" << faults.toStdString();
    return site;
  }
};

TEST_F(SiteTest, EverySwitchSettingGivesItsPagesAndAMenuOfThemInTheFixedOrder) {
  const struct {
    const char* Name;
    bool Tables, Relations, Script, Notes, FurtherInfo, ParamHelp;
    QStringList Pages;
    QStringList Menu;
  } cases[] = {
      {"off",
       false,
       false,
       false,
       false,
       false,
       false,
       {"index.html", "model_b.html", "model_m.html"},
       {"informace"}},
      {"on",
       true,
       true,
       true,
       true,
       true,
       true,
       {"columns.html",     "columns_b.html",   "columns_l.html", "columns_m.html", "index.html",
        "model_b.html",     "model_m.html",     "notes.html",     "notes_b.html",   "notes_m.html",
        "other.html",       "other_b.html",     "other_m.html",   "relations.html", "relations_b.html",
        "relations_l.html", "relations_m.html", "script.html",    "script_b.html",  "script_m.html",
        "tables.html",      "tables_b.html",    "tables_l.html",  "tables_m.html"},
       {"informace", "skript", "tabulky", "sloupce", "relace", "poznámky", "další informace"}},
      {"tables-notes-other",
       true,
       false,
       false,
       true,
       true,
       false,
       {"columns.html", "columns_b.html", "columns_l.html", "columns_m.html", "index.html", "model_b.html",
        "model_m.html", "notes.html", "notes_b.html", "notes_m.html", "other.html", "other_b.html",
        "other_m.html", "tables.html", "tables_b.html", "tables_l.html", "tables_m.html"},
       {"informace", "tabulky", "sloupce", "poznámky", "další informace"}},
      {"relations-script-help",
       false,
       true,
       true,
       false,
       false,
       true,
       {"index.html", "model_b.html", "model_m.html", "relations.html", "relations_b.html",
        "relations_l.html", "relations_m.html", "script.html", "script_b.html", "script_m.html"},
       {"informace", "skript", "relace"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    const QJsonObject site =
        Site(c.Name, c.Tables, c.Relations, c.Script, c.Notes, c.FurtherInfo, c.ParamHelp);
    const QString folder = Temp.filePath(c.Name);
    EXPECT_EQ(HtmlFiles(folder), c.Pages);
    for (const char* image : {"IEStyle.css", "blank.gif", "line.gif", "item_multiple.gif"})
      EXPECT_TRUE(QFile::exists(folder + "/images/" + image)) << image;

    // Every menu page names every entry; its own is the one that is not a link.
    for (const QString& page : c.Pages) {
      if (!page.endsWith("_m.html")) continue;
      const QJsonObject menu = site.value(page).toObject();
      const QStringList linked = Texts(menu.value("links").toArray(), "text");
      EXPECT_EQ(linked.size(), c.Menu.size() - 1) << page.toStdString();
      for (const QString& entry : c.Menu)
        EXPECT_TRUE(menu.value("text").toString().contains(entry))
            << page.toStdString() << entry.toStdString();
      for (const QJsonValue& link : menu.value("links").toArray())
        EXPECT_EQ(link.toObject().value("target").toString(), "_top");
    }
    // The model's menu page lists the other entries in the fixed order.
    const QStringList modelMenu =
        Texts(site.value("model_m.html").toObject().value("links").toArray(), "text");
    EXPECT_EQ(QStringList(c.Menu.mid(1)), modelMenu);
  }
  // With every switch off the one entry is neither a link nor given a width.
  EXPECT_TRUE(FileText(Temp.filePath("off/model_m.html"))
                  .contains("\t\t\t\t<td><p align=\"left\"><font color=\"#FFFFFF\" size=\"2\" "
                            "face=\"Arial\">informace</font></p></td>\n"));
}

TEST_F(SiteTest, NamesAndTextsComeBackIntactAndLinkToTheirPlaces) {
  const QJsonObject site = Site("on", true, true, true, true, true, true);
  auto page = [&](const char* Name) { return site.value(Name).toObject(); };

  // Tables: listed by table name (the entity's name where the table has none), anchored by
  // the entity's name.
  const QJsonArray tables = page("tables_l.html").value("links").toArray();
  EXPECT_EQ(Texts(tables, "text"), QStringList({CustomerTable, OrderTable, "Entity_2"}));
  EXPECT_EQ(Texts(tables, "anchor"), QStringList({"Entity_0", "Entity_1", "Entity_2"}));

  // Columns: anchored by table name, ":" and column name.
  const QJsonArray columns = page("columns_l.html").value("links").toArray();
  const QStringList columnNames = {CustomerTable + ":" + NameColumn, CustomerTable + ":" + IdColumn,
                                   OrderTable + ":" + CustomerColumn};
  EXPECT_EQ(Texts(columns, "text"), columnNames);
  EXPECT_EQ(Texts(columns, "anchor"), columnNames);
  EXPECT_EQ(Strings(page("columns_b.html").value("anchors")), columnNames);

  // The relation and the columns of its pair.
  const QJsonArray relations = page("relations_l.html").value("links").toArray();
  EXPECT_EQ(Texts(relations, "text"), QStringList({ReferenceName}));
  const QJsonArray relationLinks = page("relations_b.html").value("links").toArray();
  EXPECT_EQ(Texts(relationLinks, "text"),
            QStringList({CustomerTable, OrderTable, CustomerTable + ":" + NameColumn,
                         OrderTable + ":" + CustomerColumn}));

  // Notes: the text as typed, a script in it only text; the odd name anchors and links.
  const QJsonObject notes = page("notes_b.html");
  EXPECT_EQ(Strings(notes.value("anchors")), QStringList({OddNote, "Note_0"}));
  QStringList pre = Strings(notes.value("pre"));
  for (QString& text : pre) text.remove('\r');
  EXPECT_EQ(pre, QStringList({NoteText, QString::fromUtf8("druhá poznámka")}));
  EXPECT_EQ(Texts(notes.value("links").toArray(), "text"), QStringList({CustomerTable, OrderTable}));
  const QJsonArray noteLinks = page("tables_b.html").value("links").toArray();
  int toOddNote = 0;
  for (const QJsonValue& link : noteLinks)
    if (link.toObject().value("anchor").toString() == OddNote) ++toOddNote;
  EXPECT_EQ(toOddNote, 2);

  // The script, the title block and the schema file's name.
  EXPECT_EQ(Strings(page("script_b.html").value("pre")), QStringList({Script}));
  const QStringList cells = Strings(page("model_b.html").value("cells"));
  EXPECT_TRUE(cells.contains(QString::fromUtf8("Projekt: Projekt <Ž> & \"spol\"")));
  EXPECT_TRUE(cells.contains(QString::fromUtf8("Název souboru: /schémata/<a>&b.xml")));
  EXPECT_TRUE(cells.contains(QString::fromUtf8("Počet relací: 1")));

  // Long texts go to the further-information page: the table's comment and the trigger's
  // body, each linked back to its place.
  const QJsonObject other = page("other_b.html");
  pre = Strings(other.value("pre"));
  EXPECT_TRUE(pre.contains(TableComment));
  EXPECT_TRUE(pre.contains(TriggerBody));
  const QStringList otherText = Strings(other.value("cells"));
  EXPECT_TRUE(otherText.contains("#0 " + CustomerTable + " (tabulka) - poznámka"))
      << otherText.join("|").toStdString();
  EXPECT_TRUE(otherText.contains("#1 " + OrderTable + " (tabulka) - detail"))
      << otherText.join("|").toStdString();

  // Help texts, also in the images' alt texts.
  EXPECT_TRUE(Strings(page("model_b.html").value("alts"))
                  .contains("User-defined error messages for triggers&procedures"));
  EXPECT_TRUE(page("model_b.html")
                  .value("text")
                  .toString()
                  .contains("(User-defined error messages for triggers&procedures)"));
  EXPECT_TRUE(page("model_b.html").value("text").toString().contains("Name = \"E_<x>\""));
}

// The model's own long text links back to the model page: the body frame shows that page,
// not the whole site again inside itself (the site checker refuses a frameset there).
TEST_F(SiteTest, LabelsReadAsWrittenAndTheModelEntryLinksToTheModelPage) {
  model->SetComment("Model comment");
  const QJsonObject site = Site("labels", true, true, true, true, true, false);
  auto text = [&](const char* Name) { return site.value(Name).toObject().value("text").toString(); };

  const QJsonArray links = site.value("other_b.html").toObject().value("links").toArray();
  QStringList toModel;
  for (const QJsonValue& link : links)
    if (link.toObject().value("text").toString() == "Model")
      toModel << link.toObject().value("file").toString() + " " + link.toObject().value("target").toString();
  EXPECT_EQ(toModel, QStringList({"model_b.html body"}));

  const struct {
    const char* Page;
    const char* Label;
  } labels[] = {
      {"tables_b.html", "Příslušné poznámky: "},
      {"notes_b.html", "Příslušné tabulky: "},
  };
  for (const auto& c : labels) EXPECT_TRUE(text(c.Page).contains(QString::fromUtf8(c.Label))) << c.Label;
  for (const QString& page : site.keys())
    for (const char* typo : {"Príslušné", "rozšírené"})
      EXPECT_FALSE(text(page.toUtf8().constData()).contains(QString::fromUtf8(typo))) << page.toStdString();
}

TEST_F(SiteTest, AnEmptySchemaSaysSoOnEveryPage) {
  for (TEntity* e : Doc.Entities) e->SetTable(nullptr);
  Doc.Entities.clear();
  Doc.Relations.clear();
  Doc.Notes.clear();
  Doc.Script.clear();
  Doc.SetProjectInfo(nullptr);
  const QJsonObject site = Site("empty", true, true, true, true, true, false);
  auto text = [&](const char* Name) { return site.value(Name).toObject().value("text").toString(); };
  EXPECT_TRUE(text("tables_b.html").contains(QString::fromUtf8("V projektu nebyly nalezeny žádné tabulky.")));
  EXPECT_TRUE(text("columns_b.html")
                  .contains(QString::fromUtf8("V projektu nebyly nalezeny žádné tabulky - sloupce.")));
  EXPECT_TRUE(
      text("relations_b.html").contains(QString::fromUtf8("V projektu nebyly nalezeny žádné relace.")));
  EXPECT_TRUE(text("notes_b.html").contains(QString::fromUtf8("V projektu nebyly nalezeny žádné poznámky.")));
  EXPECT_TRUE(text("script_b.html").contains(QString::fromUtf8("V projektu nebyl vygenerován SQL skript.")));
  EXPECT_TRUE(text("model_b.html").contains(QString::fromUtf8("Počet entit: 0")));
  // The model has no long text: the further-information page holds the message alone.
  EXPECT_TRUE(text("other_b.html")
                  .contains(QString::fromUtf8("V projektu nebyly nalezeny žádné rozšířené informace.")));
  EXPECT_TRUE(site.value("other_b.html").toObject().value("pre").toArray().isEmpty());
  EXPECT_TRUE(site.value("tables_l.html").toObject().value("links").toArray().isEmpty());
}

} // namespace
