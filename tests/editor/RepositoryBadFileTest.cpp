// Files the reader must refuse whole, with the error each gives, and files it reads in part
// as it always has.

#include "editor/Repository.h"
#include "StoreErrors.h"
#include "tests/support/WatchedFifo.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QByteArray Header = "<?xml version=\"1.0\" encoding=\"windows-1250\" standalone=\"yes\"?>\r\n";

QByteArray Nested(int Depth) {
  QByteArray text = Header + "<repository>";
  for (int i = 0; i < Depth; ++i) text += "<list name=\"L\">";
  for (int i = 0; i < Depth; ++i) text += "</list>";
  return text + "</repository>";
}

QByteArray FixtureBytes() {
  QFile file(REPOSITORY_FIXTURES "/example.xml");
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class RepositoryBadFile : public ::testing::Test {
protected:
  QString Write(const QByteArray& Bytes) {
    const QString name = dir.filePath(QString("f%1.xml").arg(++count));
    QFile file(name);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Bytes);
    return name;
  }
  QTemporaryDir dir;
  int count = 0;
};

} // namespace

TEST_F(RepositoryBadFile, RefusedWholeWithTheirError) {
  const QByteArray example = FixtureBytes();
  ASSERT_FALSE(example.isEmpty());
  struct Case {
    const char* what;
    QByteArray bytes;
    int number;
    bool badAsText = true;      // also unreadable as clipboard text
    const char* Text = nullptr; // the program's own words in the error, where it has them
  } cases[] = {
      {"not XML", "Dear colleague, the schema is attached.", reMalformedFile},
      {"truncated", example.left(example.size() / 2), reMalformedFile},
      {"truncated after a whole line", example.left(example.indexOf("</note>")), reMalformedFile},
      {"0-byte file", "", reMalformedFile},
      {"10,000 nested elements", Nested(10000), reMalformedFile},
      {"65 levels", Nested(64), reMalformedFile, true, "prvky vnořené hlouběji než do 64 úrovní (řádek "},
      {"bad integer", Header + "<repository><integer name=\"I\" value=\"12x\"/></repository>",
       reMalformedFile, true, "\"12x\" není celé číslo (value \"I\") (řádek 2, sloupec "},
      {"integer without its value", Header + "<repository><integer name=\"I\"/></repository>",
       reMalformedFile},
      {"pen without its width",
       Header + "<repository><pen name=\"P\" color=\"0\" style=\"0\" mode=\"4\"/></repository>",
       reMalformedFile},
      {"integer out of range", Header + "<repository><integer name=\"I\" value=\"2147483648\"/></repository>",
       reMalformedFile},
      {"unknown encoding", "<?xml version=\"1.0\" encoding=\"koi8-r\"?><repository></repository>",
       reMalformedFile, false, "nepodporované kódování \"koi8-r\""},
      {"declared UTF-8 but Windows-1250 bytes",
       "<?xml version=\"1.0\" encoding=\"utf-8\"?><repository><string name=\"S\" value=\"\xF8\"/>"
       "</repository>",
       reMalformedFile, false},
      {"text after the root", Header + "<repository></repository><repository>", reMalformedFile},
      {"bad reference", Header + "<repository><string name=\"S\" value=\"&#xZZ;\"/></repository>",
       reMalformedFile},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TRepository store;
    store.WriteString("Before", "kept");
    EXPECT_STORE_ERROR(store.LoadFromFile(Write(c.bytes)), c.number);
    if (c.Text) {
      const auto e = StoreError([&] { store.LoadFromFile(Write(c.bytes)); });
      ASSERT_TRUE(e);
      EXPECT_TRUE(e->Message().contains(QString::fromUtf8(c.Text))) << e->Message().toStdString();
    }
    EXPECT_EQ(store.Root().Count(), 1); // nothing partly loaded
    // The clipboard stays silent and adds nothing.
    TRepository pasted;
    EXPECT_NO_THROW(pasted.LoadFromText(QString::fromLatin1(c.bytes)));
    if (c.badAsText) {
      EXPECT_EQ(pasted.Root().Count(), 0);
    }
  }
  TRepository deepest;
  deepest.LoadFromFile(Write(Nested(63))); // 64 levels with the root
  EXPECT_EQ(deepest.Root().Count(), 1);
}

TEST_F(RepositoryBadFile, UnopenableFiles) {
  TRepository store;
  EXPECT_STORE_ERROR(store.LoadFromFile(dir.filePath("missing.xml")), reCannotOpenFile);
  EXPECT_STORE_ERROR(store.LoadFromFile(dir.path()), reCannotOpenFile);
  const auto e = StoreError([&] { store.LoadFromFile(dir.filePath("missing.xml")); });
  ASSERT_TRUE(e);
  EXPECT_TRUE(e->Message().contains("missing.xml"));
  EXPECT_TRUE(e->Message().contains(QString::fromUtf8("Adresář nebo soubor neexistuje")))
      << e->Message().toStdString();
}

// What is no regular file, or is far larger than any schema, is refused before a byte of it is
// read: a pipe would wait for its writer for good, a device would be read without end.
TEST_F(RepositoryBadFile, OnlyRegularFilesOfASchemasSizeAreRead) {
  const QString fifo = dir.filePath("pipe.xml");
  const test_support::TWatchedFifo watched(fifo);
  ASSERT_TRUE(watched.Made());
  const QString huge = dir.filePath("huge.xml");
  {
    QFile file(huge);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(MaxSchemaFileSize + 1)); // sparse: no disk space taken
  }
  ASSERT_TRUE(QFile::link(huge, dir.filePath("link.xml")));
  const struct {
    QString Path;
    const char* Says;
  } cases[] = {
      {fifo, "není obyčejný soubor"},
      {"/dev/zero", "není obyčejný soubor"},
      {"/dev/urandom", "není obyčejný soubor"},
      {dir.path(), "není obyčejný soubor"},
      {huge, "je větší než 256 MB"},
      {dir.filePath("link.xml"), "je větší než 256 MB"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Path.toStdString());
    TRepository store;
    store.WriteString("Before", "kept");
    const auto raised = StoreError([&] { store.LoadFromFile(c.Path); });
    ASSERT_TRUE(raised);
    EXPECT_EQ(raised->ErrorCode(), reCannotOpenFile);
    EXPECT_TRUE(raised->Message().contains(c.Path)) << raised->Message().toStdString();
    EXPECT_TRUE(raised->Message().contains(QString::fromUtf8(c.Says))) << raised->Message().toStdString();
    EXPECT_EQ(store.Root().Count(), 1);
  }
  EXPECT_FALSE(watched.Opened());
}

TEST_F(RepositoryBadFile, ReadAsBeforeWhereNothingIsBroken) {
  struct Case {
    const char* what;
    QByteArray bytes;
    QString path;
    QString value;
  } cases[] = {
      {"wrong root gives an empty tree", Header + "<schema><string name=\"S\" value=\"x\"/></schema>", "S",
       "default"},
      {"unknown element is ignored",
       Header + "<repository><widget name=\"W\"/><string name=\"S\" value=\"x\"/></repository>", "S", "x"},
      {"leaf without a name at the top is skipped",
       Header + "<repository><string value=\"x\"/><string name=\"S\" value=\"y\"/></repository>", "S", "y"},
      {"string without its value is empty", Header + "<repository><string name=\"S\"/></repository>", "S",
       ""},
      {"UTF-8 that declares it",
       "<?xml version=\"1.0\" encoding=\"UTF-8\"?><repository><string name=\"S\" value=\"" +
           QString::fromUtf8("Čeština ř ů").toUtf8() + "\"/></repository>",
       "S", QString::fromUtf8("Čeština ř ů")},
      {"UTF-8 with a byte-order mark and no declaration",
       "\xEF\xBB\xBF<repository><string name=\"S\" value=\"" + QString::fromUtf8("ž").toUtf8() +
           "\"/></repository>",
       "S", QString::fromUtf8("ž")},
      {"raw control bytes of an older writer",
       Header + "<repository><string name=\"S\" value=\"a\x07"
                "b\"/></repository>",
       "S",
       QString("a\x07"
               "b")},
      {"unreadable date-time keeps the default",
       Header + "<repository><datetime name=\"D\" value=\"soon\"/><string name=\"S\" "
                "value=\"x\"/></repository>",
       "S", "x"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TRepository store;
    EXPECT_NO_THROW(store.LoadFromFile(Write(c.bytes)));
    EXPECT_EQ(store.ReadString(c.path, "default"), c.value);
  }
}
