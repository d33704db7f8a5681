// A settings file of N lines in three sections, read whole and every key looked up once, as
// the settings load looks up its keys; against the floor of reading the same file and splitting
// its lines into keys and values. The ratio stays the same for every N when reading is linear.

#include "ui/IniFile.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int Sections = 3;

QString Key(int Line) { return QStringLiteral("Key_%1").arg(Line); }
QString Section(int Line) { return QStringLiteral("Section_%1").arg(Line % Sections); }

// A file of Lines keys spread over the sections, written once per size.
class TSettingsFile {
public:
  explicit TSettingsFile(int Lines) : FLines(Lines) {
    QString text;
    for (int s = 0; s < Sections; ++s) {
      text += QStringLiteral("[Section_%1]\r\n").arg(s);
      for (int i = s; i < Lines; i += Sections) text += Key(i) + QStringLiteral("=%1\r\n").arg(i);
    }
    QFile file(Path());
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(Path()));
      std::exit(1);
    }
  }
  QString Path() const { return FDir.filePath(QStringLiteral("settings.ini")); }
  int Lines() const { return FLines; }

private:
  QTemporaryDir FDir;
  int FLines;
};

void BM_ReadSettings(benchmark::State& State) {
  const TSettingsFile file(static_cast<int>(State.range(0)));
  for (auto _ : State) {
    const TIniFile ini(file.Path());
    long long sum = 0;
    for (int i = 0; i < file.Lines(); ++i) sum += ini.ReadInteger(Section(i), Key(i), 0);
    benchmark::DoNotOptimize(sum);
  }
  State.SetItemsProcessed(State.iterations() * file.Lines());
}

void BM_SplitFloor(benchmark::State& State) {
  const TSettingsFile file(static_cast<int>(State.range(0)));
  for (auto _ : State) {
    QFile f(file.Path());
    if (!f.open(QIODevice::ReadOnly)) State.SkipWithError("cannot read the file");
    const QString text = QString::fromUtf8(f.readAll());
    long long sum = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
      const qsizetype eq = line.indexOf(QLatin1Char('='));
      if (eq > 0) sum += line.mid(eq + 1).trimmed().toInt() + line.left(eq).size();
    }
    // The floor forms the names looked up too, as the reading does.
    for (int i = 0; i < file.Lines(); ++i) sum += Section(i).size() + Key(i).size();
    benchmark::DoNotOptimize(sum);
  }
  State.SetItemsProcessed(State.iterations() * file.Lines());
}

BENCHMARK(BM_ReadSettings)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SplitFloor)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
