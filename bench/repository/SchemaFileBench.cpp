// A whole schema through the schema window's own path, bound to the real plug-in: N entities
// of 10 columns, 1.5 N relations between them (each with a reference of one column pair),
// N / 50 notes, N / 50 free text labels and a label on every tenth relation. Each measure
// stands beside its floor, measured in the same run over the same file:
// - opening (LoadSchema: read the file, bind the model, make every element, bind the tables
//   and the relations to their references, check the model) against one QXmlStreamReader
//   pass over the file's bytes;
// - saving (Save) against writing the same bytes through QSaveFile, each after one untimed
//   write of the file: the first write after a large allocation can pay for fresh pages of the
//   page cache (in a virtual machine, for pages its host took back), and either side could
//   come first;
// - closing the window, and deleting a selection of every box (which takes every relation
//   with it); "per_element" is the time per element removed, which stays flat as N grows
//   when the cost is in proportion to what is removed;
// - copying a selection of every box as clipboard text, per element copied likewise.

#include "bench/support/PluginBench.h"
#include "diagram/Entity.h"
#include "diagram/Note.h"
#include "diagram/Relation.h"
#include "diagram/TextLabel.h"
#include "editor/DesignSamples.h"
#include "editor/Repository.h"
#include "editor/SchemaClipboard.h"
#include "editor/SchemaFile.h"
#include "editor/VisualModel.h"
#include "editor/frmDesign.h"
#include "tests/editor/FakeDesignHost.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

namespace {

// Registry indexes of the data types the columns take.
enum {
  NUMERIC = 0,
  VARCHAR = 3,
  INTEGER = 7,
  DATE = 10
};

constexpr int Columns = 10;
constexpr int GridColumns = 100;

int RelationCount(int Entities) { return Entities * 3 / 2; }
int NoteCount(int Entities) { return Entities / 50; }
int LabelCount(int Entities) { return Entities / 50; }
int RelationLabelCount(int Entities) { return (RelationCount(Entities) + 9) / 10; }

// The parent and the child entity of relation R: every entity is a child once and every
// other one a second time, of parents spread over the schema.
int ParentOf(int R, int Entities) { return (R * 7 + 3) % Entities; }
int ChildOf(int R, int Entities) {
  const int child = R < Entities ? R : (R - Entities) * 2;
  return child == ParentOf(R, Entities) ? (child + 1) % Entities : child;
}

QString Number(const char* Prefix, int I) { return QString::fromLatin1(Prefix) + QString::number(I); }

// The plug-in objects of the schema: one table per entity, one reference per relation.
PluginBench::ModelPtr Build(int Entities) {
  PluginBench::ModelPtr m = PluginBench::NewModel();
  for (int t = 0; t < Entities; ++t) {
    Morvik::TTable* table = m->NewTable();
    table->SetName(("TABLE_" + std::to_string(t)).c_str());
    table->SetComment(("Rows of table " + std::to_string(t) + "\r\nsecond line").c_str());
    for (int c = 0; c < Columns; ++c) {
      Morvik::TColumn* column = table->AddColumn();
      column->SetName(("COL_" + std::to_string(c)).c_str());
      static const int types[] = {INTEGER, VARCHAR, NUMERIC, DATE};
      Morvik::TDataType* type = column->SetDataType(types[c % 4]);
      if (c % 4 == 1) type->SetParamValue(0, "40");
    }
    table->GetColumn(0)->SetKey(true);
  }
  for (int r = 0; r < RelationCount(Entities); ++r) {
    Morvik::TTable* parent = m->GetTable(ParentOf(r, Entities));
    Morvik::TTable* child = m->GetTable(ChildOf(r, Entities));
    Morvik::TReference* reference = m->NewReference(parent, child);
    reference->SetName(("FK_" + std::to_string(r)).c_str());
    reference->AddPair(parent->GetColumn(0), child->GetColumn(4 + 4 * (r % 2)));
  }
  return m;
}

void WriteBox(TRepository& Store, const QString& Group, const QString& Name, int I) {
  Store.WriteString(Group + ".Name", Name);
  Store.WriteInteger(Group + ".Left", 20 + (I % GridColumns) * 200);
  Store.WriteInteger(Group + ".Top", 20 + (I / GridColumns) * 300);
}

// The schema file as the schema window writes it.
void WriteFile(int Entities, const QString& FileName) {
  const PluginBench::ModelPtr model = Build(Entities);
  TRepository store;
  const int rows = (Entities + NoteCount(Entities) + LabelCount(Entities)) / GridColumns + 1;
  store.WriteInteger("DesktopWPag", 0);
  store.WriteInteger("DesktopHPag", 0);
  store.WriteInteger("DesktopWPix", GridColumns * 200 + 200);
  store.WriteInteger("DesktopHPix", std::min(rows * 300 + 300, TSchemaDesktop::MaxPixels));
  store.WriteInteger("ViewOriginX", 0);
  store.WriteInteger("ViewOriginY", 0);
  store.SaveModel("Model", model.get());
  store.WriteString("DocumentationPath", QString());
  store.AddProjectInfo("ProjectInfo");
  store.WriteString("ProjectInfo.DBModelName", "InterBase 6");
  store.WriteString("ProjectInfo.DLLFileName", "varne.dll");
  store.WriteString("ProjectInfo.DLLVersion", "1.0");
  int place = 0;
  store.AddList("Entities");
  store.WriteInteger("Entities.Count", Entities);
  for (int e = 0; e < Entities; ++e) {
    const QString group = Number("Entities.E", e);
    store.AddEntity(group);
    WriteBox(store, group, Number("Entity_", e), place++);
    store.WriteString(group + ".Caption", QString::fromUtf8(model->GetTable(e)->GetName()));
    store.WriteInteger(group + ".Width", 150);
    store.WriteInteger(group + ".Height", 200);
    store.WriteBoolean(group + ".ShowAttrib", true);
    store.SaveTable(group + ".Data", model->GetTable(e));
  }
  store.AddList("Notes");
  store.WriteInteger("Notes.Count", NoteCount(Entities));
  for (int n = 0; n < NoteCount(Entities); ++n) {
    const QString group = Number("Notes.N", n);
    store.AddNote(group);
    WriteBox(store, group, Number("Note_", n), place++);
    store.WriteMemo(group + ".Text", "A note\r\nof two lines");
    store.WriteInteger(group + ".Width", 120);
    store.WriteInteger(group + ".Height", 60);
    store.WriteBoolean(group + ".AutoSize", true);
  }
  store.AddList("EntryPoints");
  store.WriteInteger("EntryPoints.Count", 0);
  const int labels = LabelCount(Entities) + RelationLabelCount(Entities);
  store.AddList("TextLabels");
  store.WriteInteger("TextLabels.Count", labels);
  for (int l = 0; l < labels; ++l) {
    const QString group = Number("TextLabels.TL", l);
    store.AddTextLabel(group);
    WriteBox(store, group, Number("TextLabel_", l), place++);
    store.WriteString(group + ".Caption", Number("Label ", l));
  }
  store.AddList("Relations");
  store.WriteInteger("Relations.Count", RelationCount(Entities));
  for (int r = 0; r < RelationCount(Entities); ++r) {
    const QString group = Number("Relations.R", r);
    store.AddRelation(group);
    store.WriteString(group + ".Name", Number("Relation_", r));
    store.WriteString(group + ".Base", Number("Entity_", ParentOf(r, Entities)));
    store.WriteString(group + ".Target", Number("Entity_", ChildOf(r, Entities)));
    if (r % 10 == 0)
      store.WriteString(group + ".MainLabel", Number("TextLabel_", LabelCount(Entities) + r / 10));
    for (const char* key : {".BaseX", ".BaseY", ".TargetX", ".TargetY"}) store.WriteInteger(group + key, 10);
    store.WriteInteger(group + ".RelationKind", rkOneOneToZeroMany);
    store.SaveReference(group + ".Data", model->GetReference(r));
  }
  store.WriteBoolean("ProjectInfo.Created", false);
  store.WriteDateTime("ProjectInfo.CreatedAt", QDateTime(QDate(2024, 3, 1), QTime(8, 15)));
  store.WriteDateTime("ProjectInfo.UpdatedAt", QDateTime(QDate(2024, 3, 2), QTime(9, 30)));
  store.SaveToFile(FileName);
}

QByteArray Bytes(const QString& FileName) {
  QFile file(FileName);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// One schema file of N entities, and what the window saves of it.
struct TFixture {
  QTemporaryDir Dir;
  QString File;
  QByteArray Bytes;
  QString Saved;
  QByteArray SavedBytes;
};

// The program around the windows, and the look samples their factories read.
struct TProgram {
  TProgram() { TDesignSamples::SetCurrent(&Samples); }
  ~TProgram() { TDesignSamples::SetCurrent(nullptr); }
  TDesignSamples Samples;
  FakeDesignHost Host;
};

TProgram& Program() {
  static TProgram program;
  return program;
}

// A window that opened FileName, as opening a file does; null when it did not open.
std::unique_ptr<TfrmDesign> Open(const QString& FileName) {
  auto window = std::make_unique<TfrmDesign>(&Program().Host);
  window->setAttribute(Qt::WA_DeleteOnClose, false);
  window->SetFileName(FileName, QString());
  if (!window->LoadSchema()) return nullptr;
  return window;
}

// Whether the window holds the whole schema of N entities.
bool Complete(const TfrmDesign& Window, int Entities) {
  const TVisualModel& d = *Window.VisualModel;
  return static_cast<int>(d.Entities.size()) == Entities &&
         static_cast<int>(d.Relations.size()) == RelationCount(Entities) &&
         static_cast<int>(d.Notes.size()) == NoteCount(Entities) &&
         static_cast<int>(d.TextLabels.size()) == LabelCount(Entities) + RelationLabelCount(Entities);
}

int ElementCount(int Entities) {
  return Entities + RelationCount(Entities) + NoteCount(Entities) + LabelCount(Entities) +
         RelationLabelCount(Entities);
}

TFixture& Fixture(int Entities) {
  static std::map<int, std::unique_ptr<TFixture>> fixtures;
  auto& f = fixtures[Entities];
  if (!f) {
    f = std::make_unique<TFixture>();
    f->File = f->Dir.filePath("schema.xml");
    WriteFile(Entities, f->File);
    f->Bytes = Bytes(f->File);
    f->Saved = f->Dir.filePath("saved.xml");
    Program().Host.SaveName = f->Saved;
    std::unique_ptr<TfrmDesign> window = Open(f->File);
    if (!window || !Complete(*window, Entities) || !window->SaveAs()) {
      std::fprintf(stderr, "the schema of %d entities does not open and save whole: %s\n", Entities,
                   qPrintable(Program().Host.Joined.join(QLatin1Char('|'))));

      std::exit(1);
    }
    f->SavedBytes = Bytes(f->Saved);
  }
  return *f;
}

void PerElement(benchmark::State& State, int Elements) {
  State.counters["per_element"] = benchmark::Counter(Elements, benchmark::Counter::kIsIterationInvariantRate |
                                                                   benchmark::Counter::kInvert);
}

void BM_Open(benchmark::State& State) {
  const int entities = static_cast<int>(State.range(0));
  const TFixture& f = Fixture(entities);
  for (auto _ : State) {
    std::unique_ptr<TfrmDesign> window = Open(f.File);
    if (!window || !Complete(*window, entities)) State.SkipWithError("the schema did not open whole");
    State.PauseTiming();
    window.reset();
    State.ResumeTiming();
  }
  State.SetBytesProcessed(State.iterations() * f.Bytes.size());
}

// The floor of opening: every token of the file scanned from the file, with each attribute's
// value looked at.
void BM_OpenFloor(benchmark::State& State) {
  const TFixture& f = Fixture(static_cast<int>(State.range(0)));
  for (auto _ : State) {
    QFile file(f.File);
    file.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&file);
    qsizetype total = 0;
    while (!xml.atEnd())
      if (xml.readNext() == QXmlStreamReader::StartElement)
        for (const auto& a : xml.attributes()) total += a.value().size();
    if (xml.hasError()) State.SkipWithError("scanner error");
    benchmark::DoNotOptimize(total);
  }
  State.SetBytesProcessed(State.iterations() * f.Bytes.size());
}

void BM_Save(benchmark::State& State) {
  const TFixture& f = Fixture(static_cast<int>(State.range(0)));
  std::unique_ptr<TfrmDesign> window = Open(f.Saved);
  if (!window || !window->Save()) return State.SkipWithError("the schema did not open and save");
  for (auto _ : State)
    if (!window->Save()) State.SkipWithError("save failed");
  if (Bytes(f.Saved) != f.SavedBytes) State.SkipWithError("saving again gave other bytes");
  State.SetBytesProcessed(State.iterations() * f.SavedBytes.size());
}

// The floor of saving: the same bytes written through QSaveFile.
void BM_SaveFloor(benchmark::State& State) {
  const TFixture& f = Fixture(static_cast<int>(State.range(0)));
  const QString name = f.Dir.filePath("floor.xml");
  const auto write = [&] {
    QSaveFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(f.SavedBytes) == f.SavedBytes.size() &&
           file.commit();
  };
  if (!write()) return State.SkipWithError("write");
  for (auto _ : State)
    if (!write()) State.SkipWithError("write");
  State.SetBytesProcessed(State.iterations() * f.SavedBytes.size());
}

// A window that opened FileName, made while the timing is paused; the timing stays paused.
std::unique_ptr<TfrmDesign> OpenUntimed(benchmark::State& State, const QString& FileName) {
  State.PauseTiming();
  std::unique_ptr<TfrmDesign> window = Open(FileName);
  if (!window) State.SkipWithError("the schema did not open");
  return window;
}

void BM_Close(benchmark::State& State) {
  const int entities = static_cast<int>(State.range(0));
  const TFixture& f = Fixture(entities);
  for (auto _ : State) {
    std::unique_ptr<TfrmDesign> window = OpenUntimed(State, f.File);
    State.ResumeTiming();
    window->close();
    window.reset();
  }
  PerElement(State, ElementCount(entities));
}

// Selects every box of the window: entities, notes and free labels.
void SelectAll(TfrmDesign& Window) {
  TVisualModel& d = *Window.VisualModel;
  for (TEntity* e : d.Entities) Window.Select(e);
  for (TNote* n : d.Notes) Window.Select(n);
  for (TTextLabel* l : d.TextLabels)
    if (l->Tag() == 0) Window.Select(l);
}

// Every box selected and deleted: the relations go with their ends, the labels with their
// relations.
void BM_DeleteAll(benchmark::State& State) {
  const int entities = static_cast<int>(State.range(0));
  const TFixture& f = Fixture(entities);
  for (auto _ : State) {
    std::unique_ptr<TfrmDesign> window = OpenUntimed(State, f.File);
    TVisualModel& d = *window->VisualModel;
    SelectAll(*window);
    State.ResumeTiming();
    window->DeleteSelection();
    State.PauseTiming();
    if (!d.Entities.empty() || !d.Relations.empty() || !d.TextLabels.empty() || !d.Notes.empty())
      State.SkipWithError("not everything was deleted");
    window.reset();
    State.ResumeTiming();
  }
  PerElement(State, ElementCount(entities));
}

// Every box selected and copied as clipboard text (every relation goes with its two ends);
// "per_element" is the time per element copied.
void BM_CopyAll(benchmark::State& State) {
  const int entities = static_cast<int>(State.range(0));
  const TFixture& f = Fixture(entities);
  std::unique_ptr<TfrmDesign> window = Open(f.File);
  if (!window) return State.SkipWithError("the schema did not open");
  SelectAll(*window);
  for (auto _ : State) {
    const QString text = CopySchemaText(*window->VisualModel, window->Selection, ui::TPoint{0, 0});
    if (text.isEmpty()) State.SkipWithError("nothing was copied");
  }
  PerElement(State, ElementCount(entities));
}

} // namespace

BENCHMARK(BM_Open)->Arg(2000)->Arg(8000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenFloor)->Arg(2000)->Arg(8000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Save)->Arg(2000)->Arg(8000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFloor)->Arg(2000)->Arg(8000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Close)->Arg(2000)->Arg(8000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeleteAll)->Arg(2000)->Arg(8000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyAll)->Arg(2000)->Arg(8000)->Arg(20000)->Unit(benchmark::kMillisecond);
