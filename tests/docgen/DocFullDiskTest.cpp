// A documentation site written again onto a really full disk: generation stops with the
// system's reason, and every page and image of the site is either the old one or whole.
#include "tests/docgen/DocSchema.h"

#include "diagram/Entity.h"

#include "tests/support/FullDisk.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <map>

#include <gtest/gtest.h>

using namespace docgen_test;
using test_support::NoSpaceText;
using test_support::TFullDisk;

namespace {

// Every file below Folder (hidden ones too, so that a left temporary file shows) with its bytes.
std::map<QString, QByteArray> Site(const QString& Folder) {
  std::map<QString, QByteArray> files;
  QDirIterator it(Folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    QFile file(it.next());
    if (file.open(QIODevice::ReadOnly))
      files[QDir(Folder).relativeFilePath(file.fileName())] = file.readAll();
  }
  return files;
}

class DocFullDisk : public DocSchemaTest {};

} // namespace

TEST_F(DocFullDisk, PagesKeepTheirOldBytesAndTheFailureGivesTheReason) {
  AddEntity("Entity_0", "CUSTOMER");
  // Nothing free, and 8 KB free for a script page that needs more.
  for (const qint64 free : {qint64(0), qint64(8 * 1024)}) {
    SCOPED_TRACE(free);
    TFullDisk disk(512 * 1024);
    ASSERT_TRUE(disk.Mounted());
    const QString site = disk.FilePath("site");
    Doc.Script = QStringLiteral("CREATE TABLE CUSTOMER (ID INTEGER);");
    ASSERT_EQ(Generate(site, true, true, true, true, true, false), QString());
    const std::map<QString, QByteArray> old = Site(site);
    disk.Fill(free);

    Doc.Script = QString(12 * 1024, QLatin1Char('s'));
    const QString error = Generate(site, true, true, true, true, true, false);
    EXPECT_TRUE(error.contains(NoSpaceText())) << qPrintable(error);
    // The unchanged pages written anew are the old bytes again; the grown one is not written.
    EXPECT_EQ(Site(site), old);
  }
}

TEST_F(DocFullDisk, ANewSiteHoldsOnlyWholeImagesAndPages) {
  TFullDisk disk;
  ASSERT_TRUE(disk.Mounted());
  disk.Fill(8 * 1024);
  const QString site = disk.FilePath("site");
  const QString error = Generate(site, true, true, true, true, false, false);
  EXPECT_TRUE(error.contains(NoSpaceText())) << qPrintable(error);
  for (const auto& [name, bytes] : Site(site)) {
    SCOPED_TRACE(name.toStdString());
    if (name.startsWith("images/")) {
      QFile source(QString(DOCGEN_IMAGES_DIR "/") + name.mid(7));
      ASSERT_TRUE(source.open(QIODevice::ReadOnly));
      EXPECT_EQ(bytes, source.readAll());
    } else {
      EXPECT_TRUE(bytes.endsWith("</html>\n"));
    }
  }
}
