// A streamed store: the text of every write made at once gives the bytes the kept tree gives,
// the same results for repeated names, and refuses a write it cannot place.

#include "editor/Repository.h"
#include "editor/RepositoryStream.h"
#include "StoreErrors.h"
#include "ui/Exception.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

QByteArray ReadBytes(const QString& FileName) {
  QFile file(FileName);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every kind of item in the order of a file: nested branches, a return to an outer branch
// after an inner one, an empty branch, a long list and a memo long enough to end a chunk.
void WriteTree(TRepository& Store) {
  Store.WriteInteger("DesktopWPag", 4);
  Store.WriteString("Text", "Price < 10 & \"more\" 'x' >");
  Store.AddProjectInfo("ProjectInfo");
  Store.WriteString("ProjectInfo.DBModelName", "InterBase 6");
  Store.WriteDateTime("ProjectInfo.CreatedAt", QDateTime(QDate(2001, 6, 1), QTime(9, 30)));
  Store.AddList("Entities");
  Store.WriteInteger("Entities.Count", 40);
  for (int i = 0; i < 40; ++i) {
    const QString e = QStringLiteral("Entities.E%1").arg(i);
    Store.AddEntity(e);
    Store.WriteString(e + ".Name", QStringLiteral("Entity_%1").arg(i));
    Store.AddList(e + ".Inner");
    Store.WriteBoolean(e + ".Inner.Flag", i % 2 == 0);
    Store.AddList(e + ".Inner.Empty");
    Store.WriteInteger(e + ".Left", i); // back in the entity after its inner branches
  }
  Store.WriteMemo("Long", QString(40000, QLatin1Char('m')) + "\r\n\tline");
  Store.WriteFont("Font", TFontValue{"Arial", -11, 8, 238, 255, 1, 3});
  Store.WriteBrush("Brush", TBrushValue{0xFF00, 1});
  Store.WritePen("Pen", TPenValue{0x80, 2, 3, 4});
}

} // namespace

TEST(RepositoryStream, GivesTheBytesOfTheKeptTreeInEveryForm) {
  TRepository kept;
  WriteTree(kept);
  TRepository held(TRepository::TStreamed{});
  WriteTree(held);
  EXPECT_EQ(held.SaveToBytes(), kept.SaveToBytes());
  EXPECT_EQ(held.SaveToText(), kept.SaveToText());
  // Nothing written is kept to be read.
  EXPECT_EQ(held.ReadInteger("DesktopWPag", -1), -1);

  QTemporaryDir dir;
  const QString keptFile = dir.filePath("kept.xml"), streamedFile = dir.filePath("streamed.xml");
  kept.SaveToFile(keptFile);
  TRepository toFile(TRepository::TStreamed{streamedFile});
  WriteTree(toFile);
  // The text went to the file: it is not held to be given otherwise.
  EXPECT_THROW(toFile.SaveToBytes(), ui::Exception);
  toFile.SaveToFile(streamedFile);
  EXPECT_EQ(ReadBytes(streamedFile), ReadBytes(keptFile));
}

TEST(RepositoryStream, AFileLeftUnfinishedStaysAsItWas) {
  QTemporaryDir dir;
  const QString file = dir.filePath("schema.xml");
  {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("old");
  }
  {
    TRepository streamed(TRepository::TStreamed{file});
    WriteTree(streamed);
  }
  EXPECT_EQ(ReadBytes(file), "old");
}

TEST(RepositoryStream, RepeatedNamesAndBadArgumentsGiveTheResultsOfTheKeptTree) {
  for (const bool stream : {false, true}) {
    SCOPED_TRACE(stream ? "streamed" : "kept");
    std::unique_ptr<TRepository> s =
        stream ? std::make_unique<TRepository>(TRepository::TStreamed{}) : std::make_unique<TRepository>();
    s->WriteInteger("A", 1);
    EXPECT_STORE_ERROR(s->WriteInteger("A", 2), rrAlreadyExists);
    EXPECT_STORE_ERROR(s->WriteString("", "x"), rrWrongParameters);
    EXPECT_EQ(s->AddItem("B", rtString), rrWrongParameters);
    s->AddList("L");
    // A long list finds its names through its index.
    for (int i = 0; i < 30; ++i) s->WriteInteger(QStringLiteral("L.I%1").arg(i), i);
    EXPECT_STORE_ERROR(s->WriteInteger("L.I3", 0), rrAlreadyExists);
    EXPECT_STORE_ERROR(s->WriteInteger("L.I29", 0), rrAlreadyExists);
    EXPECT_EQ(s->AddItem("L.I30", rtInteger, 30), rrOk);
  }
}

TEST(RepositoryStream, AWriteOutOfTheFilesOrderIsRefused) {
  // The kept tree places the first and gives its own numbers for the others; the streamed one
  // cannot tell them apart and refuses them all, for the writer to turn to the kept tree.
  const struct {
    const char* What;
    std::function<void(TRepository&)> Write;
  } cases[] = {
      {"into a closed branch",
       [](TRepository& s) {
         s.AddList("A");
         s.AddList("B");
         s.WriteInteger("A.X", 1);
       }},
      {"under a missing parent", [](TRepository& s) { s.WriteInteger("Missing.X", 1); }},
      {"under a leaf",
       [](TRepository& s) {
         s.WriteInteger("Leaf", 1);
         s.WriteInteger("Leaf.X", 1);
       }},
  };
  for (const auto& c : cases) {
    TRepository streamed(TRepository::TStreamed{});
    EXPECT_THROW(c.Write(streamed), ERepositoryStreamOrder) << c.What;
  }
}
