// The generator's folder, files and failures, and the exact shape of its parameter trees.

#include "tests/docgen/DocSchema.h"

#include "diagram/Entity.h"
#include "diagram/Errors.h"
#include "docgen/Documentation.h"
#include "docgen/DocumentationHost.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace docgen_test;

namespace {

int OpenFiles() {
  return static_cast<int>(QDir("/proc/self/fd").entryList(QDir::Files | QDir::System).size());
}

QString Img(const char* File) {
  return QStringLiteral("<IMG height=22 width=16 src=\"images/%1\" align=\"absmiddle\">").arg(File);
}

class GeneratorTest : public DocSchemaTest {};

TEST_F(GeneratorTest, MissingPartsAndAFolderThatCannotBeMadeFailBeforeAnyPage) {
  QFile blocker(Temp.filePath("file"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  const struct {
    const char* Case;
    TVisualModel* Document;
    bool WithModel;
    QString Folder;
    int Number;
  } cases[] = {
      {"no document", nullptr, true, Temp.filePath("a"), deNullParameters},
      {"no model", &Doc, false, Temp.filePath("b"), deNullParameters},
      {"no folder", &Doc, true, QString(), deNullParameters},
      {"a file on the way", &Doc, true, Temp.filePath("file/site"), deCannotCreateDirectory},
  };
  for (const auto& c : cases) {
    TDocumentation documentation(c.Document, c.WithModel ? model.get() : nullptr, c.Folder);
    try {
      documentation.Generate(true, true, true, true, true, true, DOCGEN_IMAGES_DIR);
      ADD_FAILURE() << c.Case << ": no error";
    } catch (const EMorvikError& e) {
      EXPECT_EQ(e.DeveloperCode(), dcGB) << c.Case;
      EXPECT_EQ(e.ErrorType(), emDocumentation) << c.Case;
      EXPECT_EQ(e.ErrorCode(), c.Number) << c.Case;
    }
  }
  EXPECT_EQ(QDir(Temp.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList({"file"}));
}

TEST_F(GeneratorTest, ARelativeFolderIsTakenFromTheSchemaFileAndMadeWithItsParents) {
  Doc.FileName = Temp.filePath("schémata/model.xml");
  ASSERT_TRUE(Generate("dokumentace/2024/web", false, false, false, false, false, false).isEmpty());
  EXPECT_TRUE(QFile::exists(Temp.filePath("schémata/dokumentace/2024/web/index.html")));
  EXPECT_TRUE(QFile::exists(Temp.filePath("schémata/dokumentace/2024/web/images/IEStyle.css")));
  EXPECT_EQ(TDocumentation::SiteFolder(&Doc, "../web/"), Temp.filePath("web"));
  EXPECT_EQ(TDocumentation::SiteFolder(&Doc, "/srv/doc/"), "/srv/doc");
}

TEST_F(GeneratorTest, PagesAreRewrittenButImagesOnceCopiedStayAndAMissingOneIsPassedOver) {
  // The program's images without the folder image.
  const QString images = Temp.filePath("program-images");
  QDir().mkpath(images);
  for (const char* name : TDocumentation::ImageFiles())
    if (QString(name) != "item_folder.gif")
      QFile::copy(QString(DOCGEN_IMAGES_DIR "/") + name, images + "/" + name);
  const QString site = Temp.filePath("site");
  auto generate = [&] {
    TDocumentation documentation(&Doc, model.get(), site);
    documentation.Generate(false, false, true, false, false, false, images);
  };

  Doc.Script = "first";
  ASSERT_NO_THROW(generate());
  EXPECT_FALSE(QFile::exists(site + "/images/item_folder.gif"));
  EXPECT_TRUE(QFile::exists(site + "/images/line.gif"));
  QFile changed(site + "/images/IEStyle.css");
  ASSERT_TRUE(changed.open(QIODevice::WriteOnly | QIODevice::Truncate));
  changed.write("/* kept */");
  changed.close();

  Doc.Script = "second";
  ASSERT_NO_THROW(generate());
  EXPECT_EQ(FileText(site + "/images/IEStyle.css"), "/* kept */");
  EXPECT_TRUE(FileText(site + "/script_b.html").contains("second"));
  EXPECT_FALSE(FileText(site + "/script_b.html").contains("first"));
}

TEST_F(GeneratorTest, APageThatCannotBeCreatedStopsGenerationWithEveryFileClosed) {
  AddEntity("Entity_0", "T");
  const QString site = Temp.filePath("site");
  QDir().mkpath(site + "/tables.html"); // a folder where a page goes
  const int before = OpenFiles();
  TDocumentation documentation(&Doc, model.get(), site);
  try {
    documentation.Generate(true, true, true, true, true, false, DOCGEN_IMAGES_DIR);
    ADD_FAILURE() << "no error";
  } catch (const EFCreateError& e) {
    EXPECT_TRUE(e.Message().contains("tables.html")) << e.Message().toStdString();
  }
  EXPECT_EQ(OpenFiles(), before);
  // The pages before the failing one are complete.
  for (const char* page : {"index.html", "model_b.html", "script.html", "script_b.html", "other.html"}) {
    EXPECT_TRUE(FileText(site + "/" + page).endsWith("</html>\n")) << page;
  }
  EXPECT_FALSE(QFile::exists(site + "/tables_b.html"));
}

// Trees: one line per shown parameter; lines under a branch that has more siblings below
// continue with line.gif, under the last one with blank.gif; the last shown parameter of a
// node takes the corner image.
TEST_F(GeneratorTest, ParameterTreesShowSetValuesWithTheImagesOfTheirPlace) {
  TEntity* entity = AddEntity("Entity_0", "T<1>");
  Morvik::TTable* table = entity->Table();
  Morvik::TColumn* column = SchemaTest::AddColumn(model.get(), table, {"c&d", "INTEGER"});
  SchemaTest::SetParam(column, "NotNull", "1");
  SchemaTest::SetParam(column, "Default", "7"); // an enumeration value that names no option
  SchemaTest::SetParam(column, "Check", "a < \"b\"");
  Morvik::TParamObject* first = SchemaTest::AddItem(table, "Indexes", {});
  SchemaTest::SetParam(first, "Unique", "1");
  SchemaTest::SetParam(first, "Sort", "1");
  SchemaTest::SetParam(first, "Name", "IX_<A>");
  Morvik::TParamObject* second = SchemaTest::AddItem(table, "Indexes", {});
  SchemaTest::SetParam(second, "Sort", "-1"); // not shown
  AddEntity("Entity_1", "");                  // a table with nothing set

  const int sort = SchemaTest::ScalarIndex(*first, "Sort");
  const QString sortText = QString::fromUtf8(first->GetParam(sort)->GetOption(1));
  const QString uniqueHelp =
      QString::fromUtf8(first->GetParam(SchemaTest::ScalarIndex(*first, "Unique"))->GetHelp());
  ASSERT_TRUE(Generate(Temp.filePath("site"), true, false, false, false, false, false).isEmpty());
  ASSERT_TRUE(Generate(Temp.filePath("help"), true, false, false, false, false, true).isEmpty());

  const QString columnTree = "\t\t\t\t\t" + Img("item_multiple.gif") + "c&amp;d<br>" + Img("line_item.gif") +
                             Img("item.gif") + "NotNull = TRUE<br>" + Img("line_item.gif") + Img("item.gif") +
                             "Unique = FALSE<br>" + Img("line_item_corner_bottom.gif") + Img("item.gif") +
                             "Check = \"a &lt; &quot;b&quot;\"<br>\t\t\t<tr class=Empty>";
  EXPECT_TRUE(FileText(Temp.filePath("site/columns_b.html")).contains(columnTree));

  const QString firstPrefix = Img("blank.gif") + Img("line.gif");
  const QString secondPrefix = Img("blank.gif") + Img("blank.gif");
  const QString tableTree =
      "\t\t\t\t\t" + Img("item_multiple.gif") + "T&lt;1&gt;<br>" + Img("branch_item_corner_bottom.gif") +
      Img("item_folder.gif") + "Indexes<br>" + Img("blank.gif") + Img("branch_item.gif") +
      Img("item_multiple.gif") + "IX_&lt;A&gt;<br>" + firstPrefix + Img("line_item.gif") + Img("item.gif") +
      "Unique = TRUE<br>" + firstPrefix + Img("line_item.gif") + Img("item.gif") + "Sort = " + sortText +
      "<br>" + firstPrefix + Img("line_item_corner_bottom.gif") + Img("item.gif") +
      "Name = \"IX_&lt;A&gt;\"<br>" + Img("blank.gif") + Img("branch_item_corner_bottom.gif") +
      Img("item_multiple.gif") + "Indexes<br>" + secondPrefix + Img("line_item_corner_bottom.gif") +
      Img("item.gif") + "Unique = FALSE<br>\t\t\t<tr class=Empty>";
  const QString tables = FileText(Temp.filePath("site/tables_b.html"));
  EXPECT_TRUE(tables.contains(tableTree)) << tables.toStdString();
  // Nothing shown: the root line alone, without the indenting tabs.
  EXPECT_TRUE(
      tables.contains("\t\t\t\t<td>\n" + Img("item_multiple.gif") + "Entity_1<br>\t\t\t<tr class=Empty>"));

  // With help texts: in the image's alt text and after the value.
  const QString help = uniqueHelp.toHtmlEscaped();
  EXPECT_TRUE(
      FileText(Temp.filePath("help/tables_b.html"))
          .contains(firstPrefix + Img("line_item.gif") +
                    QStringLiteral(
                        "<IMG height=22 width=16 src=\"images/item.gif\" align=\"absmiddle\" alt=\"%1\">")
                        .arg(help) +
                    "Unique = TRUE <span class=TreeComment><i>(" + help + ")</i></span><br>"));
}

TEST_F(GeneratorTest, ProgressRunsThroughEveryTableAndRelationToItsTotal) {
  struct : TDocumentationProgress {
    void Progress(int Done, int Total) override { Steps.emplace_back(Done, Total); }
    std::vector<std::pair<int, int>> Steps;
  } progress;
  TEntity* a = AddEntity("Entity_0", "A");
  TEntity* b = AddEntity("Entity_1", "B");
  AddRelation("Relation_0", a, b, "FK");
  LinkNote("Relation_1", AddNote("Note_0", "text"), a); // no relation page entry
  TDocumentation documentation(&Doc, model.get(), Temp.filePath("site"), &progress);
  documentation.Generate(true, true, false, true, false, false, DOCGEN_IMAGES_DIR);
  const std::vector<std::pair<int, int>> expected = {{1, 5}, {2, 5}, {3, 5}, {4, 5}, {5, 5}};
  EXPECT_EQ(progress.Steps, expected);
}

TEST_F(GeneratorTest, LongTextsWithoutTheFurtherInformationPageShowDots) {
  TEntity* entity = AddEntity("Entity_0", "T");
  entity->Table()->SetComment("a comment");
  Morvik::TParamObject* trigger = SchemaTest::AddItem(entity->Table(), "Triggers", {});
  SchemaTest::SetParam(trigger, "Body", "BEGIN END");
  ASSERT_TRUE(Generate(Temp.filePath("site"), true, false, false, false, false, false).isEmpty());
  const QString tables = FileText(Temp.filePath("site/tables_b.html"));
  EXPECT_TRUE(tables.contains("Body = ...<br>"));
  EXPECT_FALSE(tables.contains("poznámka"));
  EXPECT_FALSE(tables.contains("other_b.html"));
}

} // namespace
