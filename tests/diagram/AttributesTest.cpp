// Attribute rows of an entity and their stream form.

#include "diagram/Attributes.h"
#include "ErrorNumber.h"
#include "diagram/Errors.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

QByteArray Save(const TAttributes& A) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  A.SaveToStream(buffer);
  return buffer.data();
}

void Load(TAttributes& A, const QByteArray& Bytes) {
  QByteArray copy = Bytes;
  QBuffer buffer(&copy);
  buffer.open(QIODevice::ReadOnly);
  A.LoadFromStream(buffer);
}

QByteArray Int(int32_t v) {
  QByteArray b(4, '\0');
  for (int i = 0; i < 4; ++i) b[i] = static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xFF);
  return b;
}

} // namespace

TEST(Attributes, AddRefusesAnExactDuplicateName) {
  TAttributes a;
  a.Add("ID", "INTEGER", 1);
  a.Add("id", "INTEGER", 0); // differs in capitals only
  EXPECT_EQ(ErrorNumberOf([&] { a.Add("ID", "VARCHAR(10)", 0); }), 8);
  ASSERT_EQ(a.Count(), 2);
  EXPECT_EQ(a.GetAttribute(0), (TAttributeRecord{"ID", 1, "INTEGER"}));
  EXPECT_EQ(a.GetAttribute(1).Name, "id");
}

TEST(Attributes, GetAttributeOutsideTheRowsRaisesError7) {
  TAttributes a;
  a.Add("A", "X", 0);
  for (int index : {-1, 1, 100}) EXPECT_EQ(ErrorNumberOf([&] { a.GetAttribute(index); }), 7) << index;
}

TEST(Attributes, ChangesNotifyUnlessHeldAndOneEndUpdateEndsAnyNumberOfBegins) {
  TAttributes a;
  int changes = 0;
  a.OnChange = [&](ui::TObject* Sender) {
    EXPECT_EQ(Sender, &a);
    ++changes;
  };
  a.Add("A", "X", 0);
  EXPECT_EQ(changes, 1);
  a.BeginUpdate();
  a.BeginUpdate();
  a.Add("B", "X", 0);
  a.DeleteAll();
  a.Add("C", "X", 0);
  EXPECT_EQ(changes, 1);
  a.EndUpdate();
  EXPECT_EQ(changes, 2);
  a.DeleteAll();
  EXPECT_EQ(changes, 3);
  Load(a, Int(0));
  EXPECT_EQ(changes, 3); // loading does not notify
}

TEST(Attributes, StreamFormIsCountThenLengthPrefixedTextsAndValue) {
  TAttributes a;
  EXPECT_EQ(Save(a), QByteArray(4, '\0'));
  a.Add("ID", "INTEGER", 1);
  const QByteArray expected = Int(1) + Int(2) + "ID" + Int(7) + "INTEGER" + Int(1);
  EXPECT_EQ(Save(a), expected);

  // Texts are stored in the Central European code page and come back unchanged.
  TAttributes czech;
  czech.Add(QString::fromUtf8("Šířka"), QString::fromUtf8("NUMERIC(5,2)"), 0);
  czech.Add("KEY", "", -3);
  const QByteArray bytes = Save(czech);
  EXPECT_EQ(bytes.mid(8, 5), QByteArray("\x8A\xED\xF8ka"));
  TAttributes back;
  Load(back, bytes);
  EXPECT_EQ(back.Items(), czech.Items());

  // Every byte of a stored text comes back as it was written, also the five bytes the code
  // page leaves undefined.
  QByteArray allBytes;
  for (int b = 1; b < 256; ++b) allBytes += static_cast<char>(b);
  const QByteArray stream = Int(1) + Int(255) + allBytes + Int(0) + Int(0);
  TAttributes raw;
  Load(raw, stream);
  EXPECT_EQ(Save(raw), stream);
}

TEST(Attributes, ShortOrCorruptStreamRaisesAndLeavesTheRowsAsTheyWere) {
  const QByteArray good = Int(1) + Int(2) + "ID" + Int(7) + "INTEGER" + Int(1);
  struct Case {
    const char* name;
    QByteArray bytes;
  };
  const Case cases[] = {
      {"empty", QByteArray()},
      {"three bytes", QByteArray(3, '\0')},
      {"count without rows", Int(1)},
      {"huge count", Int(0x7FFFFFFF) + good},
      {"negative count", Int(-1)},
      {"negative name length", Int(1) + Int(-2) + "ID" + Int(7) + "INTEGER" + Int(1)},
      {"name longer than the rest", Int(1) + Int(1000) + "ID" + Int(7) + "INTEGER" + Int(1)},
      {"value missing", good.left(good.size() - 2)},
      {"second row missing", Int(2) + good.mid(4) + Int(0)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TAttributes a;
    a.Add("KEEP", "ME", 5);
    EXPECT_NE(ErrorNumberOf([&] { Load(a, c.bytes); }), 0);
    ASSERT_EQ(a.Count(), 1);
    EXPECT_EQ(a.GetAttribute(0), (TAttributeRecord{"KEEP", 5, "ME"}));
  }
  TAttributes ok;
  Load(ok, good);
  EXPECT_EQ(ok.Count(), 1);
}
