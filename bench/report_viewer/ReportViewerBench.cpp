// Opens a script of 10,000 tables (about 10 MB) in the script viewer and finds the word that
// ends it, through the viewer's own load and find, and, as the floors, QScintilla's setText
// and findFirst on the same text in a bare editor and in one with the SQL highlighter.

#include "app/frmFindDialog.h"
#include "app/frmReport.h"

#include <Qsci/qscilexersql.h>
#include <Qsci/qsciscintilla.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <benchmark/benchmark.h>
#include <cstdlib>

namespace {

constexpr int kTables = 10000;
const QString kLastWord = QStringLiteral("KONEC_SKRIPTU");

// Tables of 24 columns with a primary key, a foreign key and a comment each, then one word.
const QString& Script() {
  static const QString script = [] {
    QString s;
    s.reserve(11 * 1000 * 1000);
    for (int t = 1; t <= kTables; ++t) {
      const QString table = QStringLiteral("TABLE_%1").arg(t);
      s += QStringLiteral("/* Tabulka %1: zákazníci, jejich objednávky a platby */\nCREATE TABLE %1 (\n")
               .arg(table);
      for (int c = 0; c < 24; ++c) {
        switch (c % 4) {
          case 0: s += QStringLiteral("  COL_%1 INTEGER NOT NULL,\n").arg(c); break;
          case 1: s += QStringLiteral("  COL_%1 VARCHAR(40) CHARACTER SET WIN1250,\n").arg(c); break;
          case 2: s += QStringLiteral("  COL_%1 NUMERIC(15, 2) DEFAULT 0,\n").arg(c); break;
          default: s += QStringLiteral("  COL_%1 DATE,\n").arg(c); break;
        }
      }
      s += QStringLiteral("  CONSTRAINT PK_%1 PRIMARY KEY (COL_0)\n);\n").arg(table);
      s +=
          QStringLiteral("ALTER TABLE %1 ADD CONSTRAINT FK_%1 FOREIGN KEY (COL_4) REFERENCES %1 (COL_0);\n\n")
              .arg(table);
    }
    s += QStringLiteral("/* ") + kLastWord + QStringLiteral(" */\n");
    return s;
  }();
  return script;
}

void CountBytes(benchmark::State& State) {
  State.SetBytesProcessed(static_cast<int64_t>(State.iterations()) * Script().toUtf8().size());
  State.counters["script_bytes"] = static_cast<double>(Script().toUtf8().size());
}

void BM_ViewerLoadAndFind(benchmark::State& State) {
  TfrmFindDialog find;
  TfrmReport report(&find);
  find.edSearchText->setText(kLastWord);
  find.rbForward->setChecked(true);
  find.cbSearchFromCursor->setChecked(false);
  for (auto _ : State) {
    report.LoadText(Script(), QStringLiteral("Vygenerovaný skript"), true);
    if (!report.FindFromDialog()) State.SkipWithError("the last word was not found");
  }
  CountBytes(State);
}
BENCHMARK(BM_ViewerLoadAndFind)->Unit(benchmark::kMillisecond);

void MeasureFloor(benchmark::State& State, bool Highlighter) {
  QsciScintilla editor;
  editor.setUtf8(true);
  QsciLexerSQL lexer;
  if (Highlighter) editor.setLexer(&lexer);
  for (auto _ : State) {
    editor.setText(Script());
    if (!editor.findFirst(kLastWord, false, false, false, false, true, 0, 0))
      State.SkipWithError("the last word was not found");
  }
  editor.setLexer(nullptr);
  CountBytes(State);
}

void BM_QScintillaFloor(benchmark::State& State) { MeasureFloor(State, false); }
BENCHMARK(BM_QScintillaFloor)->Unit(benchmark::kMillisecond);

void BM_QScintillaHighlightedFloor(benchmark::State& State) { MeasureFloor(State, true); }
BENCHMARK(BM_QScintillaHighlightedFloor)->Unit(benchmark::kMillisecond);

} // namespace
