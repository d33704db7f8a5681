// The store's XML form: exact bytes of the writer, what the reader makes of each form, round
// trips, text encoding and replacing a file only when it was written whole.

#include "editor/Repository.h"
#include "editor/RepositoryXMLReader.h"
#include "editor/XMLMaker.h"
#include "StoreErrors.h"
#include "ui/Exception.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray ReadBytes(const QString& FileName) {
  QFile file(FileName);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

QString Fixture(const char* Name) { return QString(REPOSITORY_FIXTURES "/") + Name; }

const QDateTime CreatedAt(QDate(2001, 6, 1), QTime(9, 30));

// The tree of the example file.
void FillExample(TRepository& Store) {
  Store.WriteInteger("DesktopWPag", 4);
  Store.AddProjectInfo("ProjectInfo");
  Store.WriteDateTime("ProjectInfo.CreatedAt", CreatedAt);
  Store.AddList("Notes");
  Store.WriteInteger("Notes.Count", 1);
  Store.AddNote("Notes.N0");
  Store.WriteString("Notes.N0.Name", "Note_0");
  Store.WriteMemo("Notes.N0.Text", "Price < 10 & more\r\nsecond line");
  Store.WriteBoolean("Notes.N0.AutoSize", true);
  Store.AddList("TextLabels");
  Store.WriteInteger("TextLabels.Count", 1);
  Store.AddTextLabel("TextLabels.TL0");
  Store.WriteFont("TextLabels.TL0.Font", TFontValue{"Arial", -11, 8, 238, 0, 0, 1});
  Store.WriteBrush("TextLabels.TL0.BrushColor", TBrushValue{16777215, 0});
  Store.WritePen("TextLabels.TL0.PenColor", TPenValue{0, 0, 1, 4});
}

// Texts that need each kind of escaping.
const QString Czech = QString::fromUtf8("Příliš žluťoučký kůň úpěl ďábelské ódy");
const QString Escapes = "\"a\" & 'b' <c>";
const QString Lines = "first\r\nsecond\ttab";
const QString Outside = QString::fromUtf8("αβ 😀 „ok“");
const QString Control = QString("a\x01"
                                "b\x1B"
                                "c") +
                        QChar(0);
const QString Memo = QString("line 1\r\nline\t2\tend #x09\a \x01");

void FillEncoding(TRepository& Store) {
  Store.AddList(QString::fromUtf8("Texty"));
  Store.WriteString(QString::fromUtf8("Texty.Kůň"), Czech);
  Store.WriteString("Texty.Escapes", Escapes);
  Store.WriteString("Texty.Lines", Lines);
  Store.WriteString("Texty.Outside", Outside);
  Store.WriteString("Texty.Control", Control);
  Store.WriteMemo("Texty.Memo", Memo);
  Store.WriteBoolean("Texty.Off", false);
  Store.WriteInteger("Texty.Negative", -2147483643);
}

} // namespace

TEST(RepositoryXml, ExampleIsWrittenByteForByte) {
  QTemporaryDir dir;
  TRepository store;
  FillExample(store);
  const QString file = dir.filePath("example.xml");
  store.SaveToFile(file);
  const QByteArray expected = ReadBytes(Fixture("example.xml"));
  ASSERT_FALSE(expected.isEmpty());
  EXPECT_EQ(ReadBytes(file), expected);

  // The text form: no line break after the header, one CRLF after the root's end line.
  const QString header = "<?xml version=\"1.0\" encoding=\"windows-1250\" standalone=\"yes\"?>";
  const QString text = store.SaveToText();
  EXPECT_EQ(text, header + QString::fromLatin1(expected.mid(header.size() + 2).chopped(2)));
  EXPECT_TRUE(text.endsWith("</repository>\r\n\r\n"));
}

TEST(RepositoryXml, ExampleReadsBackAndRewritesTheSameBytes) {
  TRepository store;
  store.LoadFromFile(Fixture("example.xml"));
  EXPECT_EQ(store.ReadInteger("DesktopWPag", 0), 4);
  EXPECT_EQ(store.ReadDateTime("ProjectInfo.CreatedAt", {}), CreatedAt);
  EXPECT_EQ(store.ReadMemo("Notes.N0.Text", ""), "Price < 10 & more\r\nsecond line");
  EXPECT_TRUE(store.ReadBoolean("Notes.N0.AutoSize", false));
  EXPECT_EQ(store.ReadFont("TextLabels.TL0.Font", {}), (TFontValue{"Arial", -11, 8, 238, 0, 0, 1}));
  EXPECT_EQ(store.ReadBrush("TextLabels.TL0.BrushColor", {}), (TBrushValue{16777215, 0}));
  EXPECT_EQ(store.ReadPen("TextLabels.TL0.PenColor", {}), (TPenValue{0, 0, 1, 4}));
  const TRepositoryItem* info = nullptr;
  ASSERT_EQ(store.FindItem("ProjectInfo", rtProjectInfo, &info), rrOk);
  QTemporaryDir dir;
  store.SaveToFile(dir.filePath("again.xml"));
  EXPECT_EQ(ReadBytes(dir.filePath("again.xml")), ReadBytes(Fixture("example.xml")));
}

// Czech letters as Windows-1250 bytes, the five entities, line breaks and TABs of a string as
// references, characters outside the code page and other control characters as references,
// and a memo's own codes (a "#x09" typed by the user reads back as a TAB).
TEST(RepositoryXml, EncodingIsExactAndSurvivesTheRoundTrip) {
  QTemporaryDir dir;
  TRepository store;
  FillEncoding(store);
  const QString file = dir.filePath("encoding.xml");
  store.SaveToFile(file);
  const QByteArray expected = ReadBytes(Fixture("encoding.xml"));
  ASSERT_FALSE(expected.isEmpty());
  EXPECT_EQ(ReadBytes(file), expected);

  TRepository read;
  read.LoadFromFile(file);
  EXPECT_EQ(read.ReadString(QString::fromUtf8("Texty.Kůň"), ""), Czech);
  EXPECT_EQ(read.ReadString("Texty.Escapes", ""), Escapes);
  EXPECT_EQ(read.ReadString("Texty.Lines", ""), Lines);
  EXPECT_EQ(read.ReadString("Texty.Outside", ""), Outside);
  EXPECT_EQ(read.ReadString("Texty.Control", ""), Control);
  EXPECT_EQ(read.ReadMemo("Texty.Memo", ""), QString("line 1\r\nline\t2\tend \t\a \x01"));
  EXPECT_FALSE(read.ReadBoolean("Texty.Off", true));
  EXPECT_EQ(read.ReadInteger("Texty.Negative", 0), -2147483643);
  read.SaveToFile(dir.filePath("again.xml"));
  EXPECT_EQ(ReadBytes(dir.filePath("again.xml")), expected);

  // The clipboard text carries the same escapes and reads back the same way.
  TRepository pasted;
  pasted.LoadFromText(store.SaveToText());
  EXPECT_EQ(pasted.SaveToText(), read.SaveToText());
}

TEST(RepositoryXml, EscapingIsOnePassPerCharacter) {
  EXPECT_EQ(TXMLMaker::StandardizeString(QString("&amp;<\"'>")), "&amp;amp;&lt;&quot;&apos;&gt;");
  EXPECT_EQ(TXMLMaker::StandardizeString(QString("\t\n\r\x7F")), "&#x09;&#x0A;&#x0D;\x7F");
  EXPECT_EQ(TXMLMaker::StandardizeMemo(QString("\a\b\f\n\r\t\v\x0E#")),
            "#x07#x08#x0C#x0A#x0D#x09#x0B&#x0E;#");
  // A lone surrogate is kept as a reference too, and reads back.
  const QString lone = QString("x") + QChar(0xD800) + QChar(0xFFFE) + QChar(0xE000) + QChar(0xE101);
  TRepository store;
  store.WriteString("S", lone);
  TRepository read;
  read.LoadFromText(store.SaveToText());
  EXPECT_EQ(read.ReadString("S", "missing"), lone);
  EXPECT_EQ(ConvertControlChars(QString("#x0d #x0#x0D #x0E #x0"), true), "#x0d #x0\r #x0E #x0");
}

TEST(RepositoryXml, ReaderRules) {
  const QString header = "<?xml version=\"1.0\" encoding=\"windows-1250\" standalone=\"yes\"?>";
  TRepository store;
  store.LoadFromText(header + R"(<repository>
        <list name="Empty"></list>
        <list name="Tag"/>
        <string name="AfterTag" value="top"/>
        <List name="Caps"><STRING name="S" value="s"/><string Name="N" value="capital"/></List>
        <list name="Twice"><string name="S" value="first"/><string name="S" value="second"/></list>
        <list name="Bools">
            <boolean name="T" value="TRUE"/><boolean name="Y" value="yes"/><boolean name="One" value="1"/>
        </list>
        <list zzz="ignored" aaa="ByFirstAttribute"><integer name="I" value=" 42 "/></list>
        <widget name="W"><string name="InUnknown" value="kept"/></widget>
        <list name="A"><list name="B"/>
            <list name="B.C"><string name="X" value="lost"/><list name="D"/></list>
            <string name="Y" value="still A"/><string name="Z.W" value="lost"/>
        </list>
    </repository>)");
  const TRepositoryItem* item = nullptr;
  ASSERT_EQ(store.FindItem("Empty", rtList, &item), rrOk);
  EXPECT_EQ(item->Children()->Count(), 0);
  ASSERT_EQ(store.FindItem("Tag", rtList, &item), rrOk);
  EXPECT_EQ(item->Children()->Count(), 0);
  EXPECT_EQ(store.ReadString("AfterTag", ""), "top");
  EXPECT_EQ(store.ReadString("Caps.S", ""), "s");
  EXPECT_EQ(store.ReadString("Caps.", ""), "capital"); // "Name" is not "name"
  EXPECT_EQ(store.ReadString("Twice.S", ""), "first");
  EXPECT_TRUE(store.ReadBoolean("Bools.T", false));
  EXPECT_FALSE(store.ReadBoolean("Bools.Y", true));
  EXPECT_FALSE(store.ReadBoolean("Bools.One", true));
  EXPECT_EQ(store.ReadInteger("ByFirstAttribute.I", 0), 42);
  EXPECT_EQ(store.ReadString("InUnknown", ""), "kept");
  // A branch name with '.' is dropped with its content and never shifts the reader's path.
  EXPECT_EQ(store.ReadString("A.Y", ""), "still A");
  ASSERT_EQ(store.FindItem("A.B", rtList, &item), rrOk);
  EXPECT_EQ(item->Children()->Count(), 0);
  ASSERT_EQ(store.FindItem("A", rtList, &item), rrOk);
  EXPECT_EQ(item->Children()->Count(), 2);
  EXPECT_EQ(store.FindItem("D", rtList, &item), rrNotExists);
}

TEST(RepositoryXml, LoadingAddsToWhatTheTreeHolds) {
  TRepository store;
  store.WriteInteger("DesktopWPag", 99);
  store.WriteString("Own", "kept");
  store.LoadFromFile(Fixture("example.xml"));
  EXPECT_EQ(store.ReadInteger("DesktopWPag", 0), 99); // the first value wins
  EXPECT_EQ(store.ReadString("Own", ""), "kept");
  EXPECT_EQ(store.ReadString("Notes.N0.Name", ""), "Note_0");
}

TEST(RepositoryXml, DateTimesHaveOneWrittenFormAndThreeReadForms) {
  TRepository store;
  store.WriteDateTime("D", QDateTime(QDate(2024, 12, 31), QTime(23, 5, 9)));
  EXPECT_TRUE(store.SaveToText().contains("<datetime name=\"D\" value=\"31.12.2024 23:05:09\"/>"));

  const QDateTime when(QDate(2001, 6, 1), QTime(9, 30, 0));
  const QDateTime fallback(QDate(1999, 1, 2), QTime(3, 4, 5));
  struct Case {
    QString text;
    QDateTime expected;
  } cases[] = {
      {"1.6.2001 9:30:00", when},
      {"2001-06-01T09:30:00", when},
      {QLocale::system().toString(when, QLocale::ShortFormat),
       QLocale::system().toDateTime(QLocale::system().toString(when, QLocale::ShortFormat),
                                    QLocale::ShortFormat)},
      {"1.6.2001", QDateTime(QDate(2001, 6, 1), QTime(0, 0))},
      {"9:30:00", QDateTime(QDate(1899, 12, 30), QTime(9, 30))},
      {"tomorrow", fallback},
      {"", fallback},
  };
  for (const Case& c : cases) {
    TRepository read;
    read.LoadFromText("<repository><datetime name=\"D\" value=\"" + c.text + "\"/></repository>");
    EXPECT_EQ(read.ReadDateTime("D", fallback), c.expected) << c.text.toStdString();
  }
}

// Past 32000 characters the writer starts a new chunk, which leaves one empty line after the
// element line at which it happened; the file still reads back to the same tree.
TEST(RepositoryXml, LongFilesKeepTheChunkLineAndReadBack) {
  TRepository store;
  store.AddList("L");
  for (int i = 0; i < 2000; ++i) store.WriteString(QString("L.S%1").arg(i), QString(20, 'x'));
  const QString text = store.SaveToText();
  const QStringList lines = text.split("\r\n");
  qsizetype size = 0;
  int flushedAfter = -1;
  for (int i = 0; i < lines.size(); ++i) {
    size += lines[i].size() + 2;
    if (i > 0 && size > 32000 + 64) { // the header shares the first line
      flushedAfter = i;
      break;
    }
  }
  ASSERT_GT(flushedAfter, 0);
  int firstEmpty = -1;
  for (int i = 0; i < lines.size(); ++i)
    if (lines[i].isEmpty()) {
      firstEmpty = i;
      break;
    }
  EXPECT_EQ(firstEmpty, flushedAfter + 1);
  TRepository read;
  read.LoadFromText(text);
  EXPECT_EQ(read.SaveToText(), text);
  EXPECT_EQ(read.ReadString("L.S1999", ""), QString(20, 'x'));
}

// A file of several megabytes goes to the disk in blocks as it is written; the file holds
// the same bytes as the whole text, and reads back from its bytes to the same tree as the
// text does, with and without characters that the scanner only takes rewritten.
TEST(RepositoryXml, LargeFilesAreWrittenInBlocksAndReadBackWhole) {
  QTemporaryDir dir;
  for (const QString& extra : {QString(), QString("bell\a and ") + QChar(0xFFFE)}) {
    TRepository store;
    store.AddList("L");
    for (int i = 0; i < 40000; ++i)
      store.WriteString(QString("L.S%1").arg(i), QString::fromUtf8("žluťoučký kůň %1 ").arg(i) + extra);
    store.WriteMemo("L.M", "a\r\nb" + extra);
    const QString file = dir.filePath("large.xml");
    store.SaveToFile(file);
    const QByteArray bytes = ReadBytes(file);
    ASSERT_GT(bytes.size(), 2 << 20);
    EXPECT_EQ(bytes, store.SaveToBytes());
    TRepository fromFile;
    fromFile.LoadFromFile(file);
    TRepository fromText;
    fromText.LoadFromText(store.SaveToText());
    EXPECT_EQ(fromFile.SaveToBytes(), bytes);
    EXPECT_EQ(fromText.SaveToBytes(), bytes);
  }
}

TEST(RepositoryXml, AFailedSaveLeavesTheOldFile) {
  QTemporaryDir dir;
  const QString file = dir.filePath("schema.xml");
  TRepository small;
  FillExample(small);
  small.SaveToFile(file);
  const QByteArray before = ReadBytes(file);

  TRepository large;
  large.AddList("L");
  for (int i = 0; i < 500; ++i) large.WriteString(QString("L.S%1").arg(i), QString(50, 'y'));
  // Files may not grow past a few bytes more than the old one: the write fails half way.
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit limited = old;
  limited.rlim_cur = static_cast<rlim_t>(before.size() + 100);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
  bool raised = false;
  try {
    large.SaveToFile(file);
  } catch (const ui::Exception&) {
    raised = true;
  }
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_TRUE(raised);
  EXPECT_EQ(ReadBytes(file), before);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"schema.xml"});

  EXPECT_THROW(small.SaveToFile(dir.filePath("missing/schema.xml")), ui::Exception);
}

// Every element form of the writer, with its indentation and line ends, and the three outputs.
TEST(RepositoryXml, WriterFormsAreExact) {
  TXMLMaker maker("1.1", "utf-8", false);
  maker.OpenElement(u"a");
  maker.OpenElement(u"b", {Attribute("x", 1), Attribute("y", "v")});
  maker.EmptyElement(u"c");
  maker.EmptyElement(u"d", {Attribute("z", -5)});
  maker.WholeElement(u"e");
  maker.WholeElement(u"f", TAttributes{Attribute("q", "w")});
  maker.WholeElement(u"g", QString("content"));
  maker.WholeElement(u"h", {Attribute("k", "l")}, QString("text"));
  maker.PCDATA(u"raw");
  maker.CloseElement(u"b");
  maker.CloseElement(u"a");
  EXPECT_EQ(maker.Depth(), 0);
  const QString body = "<a>\r\n"
                       "\t<b x=\"1\" y=\"v\">\r\n"
                       "\t\t<c/>\r\n"
                       "\t\t<d z=\"-5\"/>\r\n"
                       "\t\t<e/>\r\n"
                       "\t\t<f q=\"w\"/>\r\n"
                       "\t\t<g>\r\n\tcontent</g>\r\n"
                       "\t\t<h k=\"l\">\r\n\ttext</h>\r\n"
                       "\t\traw\t</b>\r\n"
                       "</a>\r\n\r\n";
  const QString header = "<?xml version=\"1.1\" encoding=\"utf-8\" standalone=\"no\"?>";
  EXPECT_EQ(maker.GenerateXMLString(), header + body);
  QStringList lines{"old"};
  maker.GenerateXMLStringList(lines, true);
  EXPECT_EQ(lines, (QStringList{header, body}));
  maker.GenerateXMLStringList(lines, false);
  EXPECT_EQ(lines.size(), 4);
  QTemporaryDir dir;
  maker.GenerateXMLFile(dir.filePath("forms.xml"));
  EXPECT_EQ(ReadBytes(dir.filePath("forms.xml")), (header + "\r\n" + body + "\r\n").toLatin1());
}
