#include "app/frmReport.h"

#include "app/SqlLexer.h"
#include "app/frmFindDialog.h"
#include "ui/MB.h"

#include <Qsci/qsciscintilla.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

const QString Script = QStringLiteral("/* Tabulka zákazníků */\n"
                                      "CREATE TABLE CUSTOMER (\n"
                                      "  ID INTEGER NOT NULL,\n"
                                      "  NAME VARCHAR(40)\n"
                                      ");\n"
                                      "CREATE TABLE ORDERS (\n"
                                      "  CUSTOMER_ID INTEGER\n"
                                      ");\n");

QByteArray ReadBytes(const QString& Path) {
  QFile f(Path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

QString PdfText(const QString& Pdf) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), Pdf, QStringLiteral("-")});
  if (!p.waitForFinished(30000)) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}

// The box of the first occurrence of Word on the first page, in points.
QRectF WordBox(const QString& Pdf, const QString& Word) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), Pdf, QStringLiteral("-")});
  if (!p.waitForFinished(30000)) return {};
  const QString html = QString::fromUtf8(p.readAllStandardOutput());
  const QRegularExpression re(QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                                             "yMax=\"([\\d.]+)\">") +
                              QRegularExpression::escape(Word) + QStringLiteral("</word>"));
  const auto m = re.match(html);
  if (!m.hasMatch()) return {};
  return QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
}

class ReportTest : public ::testing::Test {
protected:
  ReportTest() : Report(&Find) {
    Report.LoadText(Script, QStringLiteral("Vygenerovaný skript"), true);
    Report.AskSaveFileName = [this](const QString&) {
      ++Asked;
      return NextFileName;
    };
  }

  QString Selected() const { return Report.seReport->selectedText(); }
  long Caret() const { return Report.seReport->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS); }
  long PositionOf(const QString& Text, int From = 0) const {
    return static_cast<long>(Script.left(Script.indexOf(Text, From)).toUtf8().size());
  }
  void Search(const QString& Text, bool Backwards = false) {
    Find.edSearchText->setText(Text);
    (Backwards ? Find.rbBackward : Find.rbForward)->setChecked(true);
  }

  TfrmFindDialog Find;
  TfrmReport Report;
  int Asked = 0;
  QString NextFileName;
  QTemporaryDir Dir;
};

TEST_F(ReportTest, ShowsTheTextUnderItsCaptionWithHighlightingAsAsked) {
  EXPECT_EQ(Report.Text(), Script);
  EXPECT_EQ(Report.windowTitle(), QStringLiteral("Vygenerovaný skript"));
  EXPECT_TRUE(Report.FileName().isEmpty());
  EXPECT_TRUE(Report.acSyntax->isChecked());
  EXPECT_EQ(Report.seReport->lexer(), Report.snSQL);
  EXPECT_EQ(Report.sbPanel0->text(), QStringLiteral("1 : 1"));

  // Switching the highlighting off and showing a new text with highlighting turns it on again.
  Report.acSyntax->trigger();
  EXPECT_FALSE(Report.acSyntax->isChecked());
  EXPECT_EQ(Report.seReport->lexer(), nullptr);
  Report.LoadText(QStringLiteral("SELECT 1"), QStringLiteral("Jiný"), true);
  EXPECT_TRUE(Report.acSyntax->isChecked());
  EXPECT_EQ(Report.seReport->lexer(), Report.snSQL);
  Report.LoadText(QStringLiteral("SELECT 1"), QStringLiteral("Jiný"), false);
  EXPECT_EQ(Report.seReport->lexer(), nullptr);
}

// The highlighter's style of each word, in order of appearance: "WORD:style", or
// "WORD:mixed" when the word's bytes differ.
QStringList WordStyles(QsciScintilla* Editor, const QByteArray& Text, const QList<QByteArray>& Words) {
  static const char* names[TSqlLexer::stCount] = {"default", "comment",  "keyword", "number",
                                                  "string",  "operator", "name"};
  QStringList out;
  qsizetype from = 0;
  for (const QByteArray& word : Words) {
    const qsizetype at = Text.indexOf(word, from);
    if (at < 0) {
      out << QString::fromUtf8(word) + ":missing";
      continue;
    }
    from = at + word.size();
    const long first =
        Editor->SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, static_cast<unsigned long>(at));
    bool same = true;
    for (qsizetype k = at; k < from; ++k)
      same = same &&
             Editor->SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, static_cast<unsigned long>(k)) == first;
    out << QString::fromUtf8(word) + ":" +
               (same && first >= 0 && first < TSqlLexer::stCount ? names[first] : "mixed");
  }
  return out;
}

// Names are whole words whatever their letters and however they begin: neither a Czech
// letter nor a leading "REM" makes a comment, a keyword or a grey gap of a name.
TEST_F(ReportTest, HighlightingKnowsNamesWithCzechLettersAndHasNoClientCommands) {
  const struct {
    const char* Text;
    QList<QByteArray> Words;
    QStringList Styles;
  } cases[] = {
      {"  REMARK VARCHAR(10),\n  NO INTEGER",
       {"REMARK", "VARCHAR", "(", "10", "NO"},
       {"REMARK:name", "VARCHAR:keyword", "(:operator", "10:number", "NO:keyword"}},
      {"REM poznámka\nCREATE TABLE ZÁKAZNÍK;",
       {"REM", "poznámka", "CREATE", "ZÁKAZNÍK", ";"},
       {"REM:name", "poznámka:name", "CREATE:keyword", "ZÁKAZNÍK:name", ";:operator"}},
      {"  JMéNO INTEGER,\n  ŽÁK_NO CHAR(1)",
       {"JMéNO", "INTEGER", "ŽÁK_NO", "CHAR"},
       {"JMéNO:name", "INTEGER:keyword", "ŽÁK_NO:name", "CHAR:keyword"}},
      {"/* Tabulka žáků\n   CREATE */ TABLE 'řetězec ''NO''' -- NO TABLE\nDROP \"Jméno\"",
       {"Tabulka žáků", "CREATE", "*/", "TABLE", "'řetězec ''NO'''", "-- NO TABLE", "DROP", "\"Jméno\""},
       {"Tabulka žáků:comment", "CREATE:comment", "*/:comment", "TABLE:keyword", "'řetězec ''NO''':string",
        "-- NO TABLE:comment", "DROP:keyword", "\"Jméno\":string"}},
  };
  QsciScintilla* editor = Report.seReport;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    Report.LoadText(QString::fromUtf8(c.Text), QStringLiteral("Skript"), true);
    editor->SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, -1L);
    EXPECT_EQ(WordStyles(editor, c.Text, c.Words).join(" | ").toStdString(),
              c.Styles.join(" | ").toStdString());
  }

  // Styling again from the middle of a comment goes on from where the line above ended.
  const QByteArray text = "/* a\nb\nc */ TABLE\n";
  Report.LoadText(QString::fromUtf8(text), QStringLiteral("Skript"), true);
  editor->SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0UL, -1L);
  const long third = editor->SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, 2UL);
  editor->SendScintilla(QsciScintillaBase::SCI_STARTSTYLING, static_cast<unsigned long>(third));
  editor->SendScintilla(QsciScintillaBase::SCI_SETSTYLING, 10UL, static_cast<long>(TSqlLexer::stDefault));
  editor->SendScintilla(QsciScintillaBase::SCI_COLOURISE, static_cast<unsigned long>(third), -1L);
  EXPECT_EQ(WordStyles(editor, text, {"c */", "TABLE"}).join(" | ").toStdString(),
            "c */:comment | TABLE:keyword");

  // Everything that is not highlighted takes the text's colour.
  for (int style : {TSqlLexer::stDefault, TSqlLexer::stName, TSqlLexer::stOperator})
    EXPECT_EQ(Report.snSQL->color(style), QColor(Qt::black)) << style;
  EXPECT_EQ(Report.snSQL->defaultColor(), QColor(Qt::black));
}

// Pointing at an item of the viewer's tool bar or menus shows the item's hint in the second
// panel of the viewer's own status bar; pointing away empties it.
TEST_F(ReportTest, TheHintsOfItsItemsShowInItsStatusBar) {
  Report.resize(900, 400); // room for the whole tool bar
  Report.show();
  QApplication::processEvents();
  auto* tools = Report.findChild<QToolBar*>();
  auto* menus = Report.findChild<QMenuBar*>();
  ASSERT_TRUE(tools && menus);
  const std::pair<QAction*, const char*> cases[] = {
      {Report.acSave, "Uložení textu do souboru"},
      {Report.acPrint, "Vytištění textu"},
      {Report.acFind, "Vyhledávání slova v textu"},
      {Report.acSyntax, "Zapnutí/vypnutí zvýraznění syntaxe"},
      {Report.acPaste, "Vložení obsahu schránky do textu"},
  };
  for (const auto& [action, hint] : cases) {
    SCOPED_TRACE(hint);
    QWidget* button = tools->widgetForAction(action);
    ASSERT_TRUE(button && button->isVisible());
    Report.sbPanel1->clear();
    QTest::mouseMove(button);
    QApplication::processEvents();
    EXPECT_EQ(Report.sbPanel1->text(), QString::fromUtf8(hint));
    // The menus' items say the same, through the menu bar they hang from.
    Report.sbPanel1->clear();
    action->showStatusText(menus);
    EXPECT_EQ(Report.sbPanel1->text(), QString::fromUtf8(hint));
  }
  QTest::mouseMove(Report.seReport);
  QApplication::processEvents();
  EXPECT_TRUE(Report.sbPanel1->text().isEmpty());
}

TEST_F(ReportTest, CaretStatusCountsCharactersNotBytes) {
  Report.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Report));
  // The editor reports caret moves as it paints.
  auto moveTo = [this](int Line, int Index) {
    Report.seReport->setCursorPosition(Line, Index);
    Report.seReport->viewport()->repaint();
  };
  // "/* Tabulka zákazníků" holds three two-byte letters before the caret.
  moveTo(0, static_cast<int>(QStringLiteral("/* Tabulka zákazníků").toUtf8().size()));
  EXPECT_EQ(Report.sbPanel0->text(), QStringLiteral("21 : 1"));
  moveTo(3, 2);
  EXPECT_EQ(Report.sbPanel0->text(), QStringLiteral("3 : 4"));
  Report.hide();
}

TEST_F(ReportTest, FindSelectsTheFirstHitAndF3GoesOnUntilTheSearchFails) {
  EXPECT_FALSE(Report.acFindAgain->isEnabled()); // nothing searched yet
  Search(QStringLiteral("customer"));
  EXPECT_TRUE(Report.acFindAgain->isEnabled());
  Report.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Report));
  Report.seReport->setFocus();

  // The whole scope: from the start whatever the caret, ignoring case.
  Report.seReport->setCursorPosition(5, 0);
  ASSERT_TRUE(Report.FindFromDialog());
  EXPECT_EQ(Selected(), QStringLiteral("CUSTOMER"));
  EXPECT_EQ(Caret(), PositionOf(QStringLiteral("CUSTOMER (")) + 8);
  EXPECT_TRUE(Report.sbPanel1->text().isEmpty());

  const QString hits[] = {QStringLiteral("CUSTOMER_ID")};
  QTest::keyClick(Report.seReport, Qt::Key_F3);
  EXPECT_EQ(Selected(), QStringLiteral("CUSTOMER"));
  EXPECT_EQ(Caret(), PositionOf(hits[0]) + 8);
  EXPECT_TRUE(Report.SearchOptions().EntireScope); // stored again after F3

  // No further hit: the message, no selection, the caret where the last hit ended.
  QTest::keyClick(Report.seReport, Qt::Key_F3);
  EXPECT_EQ(Report.sbPanel1->text(), TfrmReport::NotFoundText());
  EXPECT_FALSE(Report.seReport->hasSelectedText());
  EXPECT_EQ(Caret(), PositionOf(hits[0]) + 8);

  // A new find starts from the caret when "from the cursor" is on: still nothing.
  Find.cbSearchFromCursor->setChecked(true);
  EXPECT_FALSE(Report.FindFromDialog());
  // Backwards from there finds the occurrence before the caret.
  Search(QStringLiteral("customer"), true);
  ASSERT_TRUE(Report.FindFromDialog());
  EXPECT_EQ(Caret(), PositionOf(hits[0]));
  EXPECT_TRUE(Report.sbPanel1->text().isEmpty());
  QTest::keyClick(Report.seReport, Qt::Key_F3);
  EXPECT_EQ(Caret(), PositionOf(QStringLiteral("CUSTOMER (")));
  QTest::keyClick(Report.seReport, Qt::Key_F3);
  EXPECT_EQ(Report.sbPanel1->text(), TfrmReport::NotFoundText());
  EXPECT_FALSE(Report.seReport->hasSelectedText());
  EXPECT_EQ(Caret(), PositionOf(QStringLiteral("CUSTOMER (")));
  Report.hide();
}

TEST_F(ReportTest, FindAsksInTheDialogAndSearchesOnlyWhenConfirmed) {
  // The dialog opens on the searched text; Return confirms it.
  QTimer::singleShot(0, [&] {
    ASSERT_EQ(QApplication::activeModalWidget(), &Find);
    EXPECT_EQ(Find.focusWidget(), Find.edSearchText);
    QTest::keyClicks(Find.edSearchText, QStringLiteral("orders"));
    QTest::keyClick(Find.edSearchText, Qt::Key_Return);
  });
  Report.acFind->trigger();
  EXPECT_EQ(Selected(), QStringLiteral("ORDERS"));
  EXPECT_TRUE(Report.acFindAgain->isEnabled());

  // Esc cancels: nothing is searched, the fields keep their values.
  Report.seReport->setCursorPosition(0, 0);
  QTimer::singleShot(0, [&] { QTest::keyClick(&Find, Qt::Key_Escape); });
  Report.acFind->trigger();
  EXPECT_FALSE(Report.seReport->hasSelectedText());
  EXPECT_EQ(Find.SearchText(), QStringLiteral("orders"));
}

TEST_F(ReportTest, CaseAndWholeWordOptionsNarrowTheSearch) {
  struct Case {
    const char* Text;
    bool MatchCase, WholeWord, Found;
  } cases[] = {
      {"customer", true, false, false},   {"CUSTOMER", true, false, true}, {"CUSTOM", false, true, false},
      {"customer_id", false, true, true}, {"zákazníků", true, true, true}, {"zákazník", false, true, false},
  };
  for (const Case& c : cases) {
    Search(QString::fromUtf8(c.Text));
    Find.cbSearchCaseSensitive->setChecked(c.MatchCase);
    Find.cbSearchWholeWords->setChecked(c.WholeWord);
    EXPECT_EQ(Report.FindFromDialog(), c.Found) << c.Text;
    if (c.Found) {
      EXPECT_EQ(Selected().toUpper(), QString::fromUtf8(c.Text).toUpper()) << c.Text;
    }
  }
}

TEST_F(ReportTest, SearchWithinTheSelectionOnly) {
  // The selection covers the second table only.
  const long start = PositionOf(QStringLiteral("CREATE TABLE ORDERS"));
  Report.seReport->SendScintilla(QsciScintillaBase::SCI_SETSEL, start,
                                 static_cast<long>(Script.toUtf8().size()));
  Search(QStringLiteral("CREATE"));
  Find.cbSearchSelectedOnly->setChecked(true);
  ASSERT_TRUE(Report.FindFromDialog());
  EXPECT_EQ(Caret(), start + 6);
  Report.seReport->SendScintilla(QsciScintillaBase::SCI_SETSEL, start,
                                 static_cast<long>(Script.toUtf8().size()));
  Search(QStringLiteral("NAME"));
  EXPECT_FALSE(Report.FindFromDialog());
}

TEST_F(ReportTest, SaveAsksForTheFileOnceThenWritesItSilentlyWithCrLf) {
  NextFileName = Dir.filePath(QStringLiteral("script.sql"));
  Report.acSave->trigger();
  EXPECT_EQ(Asked, 1);
  EXPECT_EQ(Report.FileName(), NextFileName);
  QByteArray expected = Script.toUtf8();
  expected.replace("\n", "\r\n");
  EXPECT_EQ(ReadBytes(NextFileName), expected);

  // An edit, saved again: no question, the same file; a last line without a break gets one,
  // and any line break becomes CR LF.
  Report.seReport->setText(QStringLiteral("A\r\nB\rC\nD"));
  Report.acSave->trigger();
  EXPECT_EQ(Asked, 1);
  EXPECT_EQ(ReadBytes(NextFileName), QByteArray("A\r\nB\r\nC\r\nD\r\n"));

  // A new text forgets the file.
  Report.LoadText(QStringLiteral("X"), QStringLiteral("Skript"), true);
  EXPECT_TRUE(Report.FileName().isEmpty());
  NextFileName.clear(); // the dialog cancelled
  Report.acSave->trigger();
  EXPECT_EQ(Asked, 2);
  EXPECT_TRUE(Report.FileName().isEmpty());
}

TEST_F(ReportTest, FailedSaveIsReportedAndKeepsTheOldFileName) {
  const QString good = Dir.filePath(QStringLiteral("good.sql"));
  NextFileName = good;
  Report.acSaveAs->trigger();
  ASSERT_EQ(Report.FileName(), good);
  const QByteArray before = ReadBytes(good);

  Report.seReport->setText(QStringLiteral("changed"));
  NextFileName = Dir.filePath(QStringLiteral("missing/folder/bad.sql"));
  QString shown;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<TfMB*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    shown = box->lMsg->text();
    box->done(mrOk);
  });
  Report.acSaveAs->trigger();
  EXPECT_TRUE(shown.startsWith(QStringLiteral("Chyba při ukládání skriptu"))) << shown.toStdString();
  EXPECT_TRUE(shown.contains(QStringLiteral("bad.sql")));
  EXPECT_EQ(Report.FileName(), good);
  EXPECT_EQ(ReadBytes(good), before);
  EXPECT_FALSE(QFile::exists(NextFileName));
}

TEST_F(ReportTest, EscInTheEditorClosesTheWindow) {
  QTimer::singleShot(0, [&] { QTest::keyClick(Report.seReport, Qt::Key_Escape); });
  Report.ShowText(Script, QStringLiteral("Skript"), true);
  EXPECT_FALSE(Report.isVisible());
  EXPECT_EQ(Report.result(), QDialog::Rejected);
}

TEST_F(ReportTest, PrintsTheScriptOnTheProgramsPrinter) {
  // Highlighted and plain, the words of the script reach the page, at the size of the
  // screen's text and 25 mm from the sheet's left edge.
  for (bool syntax : {true, false}) {
    const QString pdf = Dir.filePath(syntax ? QStringLiteral("on.pdf") : QStringLiteral("off.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    Report.Printer = [&printer] { return &printer; };
    Report.LoadText(Script, QStringLiteral("Vygenerovaný skript"), syntax);
    Report.acPrint->trigger();
    const QString text = PdfText(pdf);
    for (const char* word :
         {"CREATE TABLE CUSTOMER (", "NAME VARCHAR(40)", "CUSTOMER_ID INTEGER", "zákazníků"})
      EXPECT_TRUE(text.contains(QString::fromUtf8(word))) << word << " in " << text.toStdString();
    const QRectF box = WordBox(pdf, QStringLiteral("/*")) /* the first word of the first line */;
    EXPECT_NEAR(box.left(), 25 * 72 / 25.4, 3);
    EXPECT_GT(box.height(), 8); // points: 13 pixels at 96 dpi are 9.75
    EXPECT_LT(box.height(), 16);
  }
  // No printer chosen: nothing happens.
  Report.Printer = [] { return nullptr; };
  Report.acPrint->trigger();
}

TEST_F(ReportTest, LongTextPrintsOnAsManySheetsAsItNeeds) {
  QStringList lines;
  for (int i = 1; i <= 300; ++i) lines << QStringLiteral("ROW_%1").arg(i);
  const QString pdf = Dir.filePath(QStringLiteral("long.pdf"));
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdf);
  Report.LoadText(lines.join(QLatin1Char('\n')), QStringLiteral("Skript"), true);
  Report.PrintText(printer);
  const QStringList pages = PdfText(pdf).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
  ASSERT_GE(pages.size(), 5);
  EXPECT_TRUE(pages.first().contains(QStringLiteral("ROW_1\n")));
  QString all = pages.join(QString());
  for (int i = 1; i <= 300; ++i) EXPECT_TRUE(all.contains(QStringLiteral("ROW_%1\n").arg(i))) << i;
  EXPECT_FALSE(pages.last().trimmed().isEmpty()); // no blank sheet at the end
}

} // namespace
