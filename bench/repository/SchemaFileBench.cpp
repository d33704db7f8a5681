// Saving and loading a schema file through the real plug-in: N entities, each with a table of
// 20 columns, and N relations, each with a reference of one column pair. Saving walks the
// plug-in's objects into a new store and writes the file; loading reads the file into a new
// store and rebuilds every table and reference in a new model. The floors, measured in the
// same run over the same file: writing its bytes to a file, and one QXmlStreamReader pass
// over its bytes.

#include "bench/support/PluginBench.h"
#include "editor/Repository.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

namespace {

using PluginBench::ModelPtr;

// Registry indexes of the data types the columns take.
enum {
  NUMERIC = 0,
  VARCHAR = 3,
  INTEGER = 7,
  DATE = 10
};

ModelPtr Build(int Entities) {
  ModelPtr m = PluginBench::NewModel();
  for (int t = 0; t < Entities; ++t) {
    Morvik::TTable* table = m->NewTable();
    table->SetName(("TABLE_" + std::to_string(t)).c_str());
    table->SetComment(("Rows of table " + std::to_string(t) + "\r\nsecond line").c_str());
    for (int c = 0; c < 20; ++c) {
      Morvik::TColumn* column = table->AddColumn();
      column->SetName(("COL_" + std::to_string(c)).c_str());
      static const int types[] = {INTEGER, VARCHAR, NUMERIC, DATE};
      Morvik::TDataType* type = column->SetDataType(types[c % 4]);
      if (c % 4 == 1) type->SetParamValue(0, "40");
    }
    table->GetColumn(0)->SetKey(true);
  }
  for (int t = 0; t < Entities; ++t) {
    Morvik::TTable* parent = m->GetTable((t + Entities - 1) % Entities);
    Morvik::TTable* child = m->GetTable(t);
    Morvik::TReference* r = m->NewReference(parent, child);
    r->SetName(("FK_" + std::to_string(t)).c_str());
    r->AddPair(parent->GetColumn(0), child->GetColumn(4));
  }
  return m;
}

// The keys of the schema file: the model, one entity group per table and one relation group
// per reference, as the schema window writes them.
void Save(const Morvik::TModel& Model, const QString& FileName) {
  TRepository store;
  store.SaveModel("Model", &Model);
  store.AddList("Entities");
  store.WriteInteger("Entities.Count", Model.GetTableCount());
  for (int e = 0; e < Model.GetTableCount(); ++e) {
    const QString entity = QStringLiteral("Entities.E") + QString::number(e);
    store.AddEntity(entity);
    store.WriteString(entity + ".Name", QStringLiteral("Entity_") + QString::number(e));
    store.WriteString(entity + ".Caption", QString::fromUtf8(Model.GetTable(e)->GetName()));
    for (const char* key : {".Left", ".Top", ".Width", ".Height"}) store.WriteInteger(entity + key, e % 1000);
    store.WriteBoolean(entity + ".ShowAttrib", true);
    store.SaveTable(entity + ".Data", Model.GetTable(e));
  }
  store.AddList("Relations");
  store.WriteInteger("Relations.Count", Model.GetReferenceCount());
  for (int r = 0; r < Model.GetReferenceCount(); ++r) {
    const QString relation = QStringLiteral("Relations.R") + QString::number(r);
    store.AddRelation(relation);
    store.WriteString(relation + ".Name", QStringLiteral("Relation_") + QString::number(r));
    store.WriteString(relation + ".Base",
                      QStringLiteral("Entity_") + QString::number((r + 1) % Model.GetTableCount()));
    store.WriteString(relation + ".Target", QStringLiteral("Entity_") + QString::number(r));
    for (const char* key : {".BaseX", ".BaseY", ".TargetX", ".TargetY"})
      store.WriteInteger(relation + key, 10);
    store.WriteInteger(relation + ".RelationKind", 18);
    store.SaveReference(relation + ".Data", Model.GetReference(r));
  }
  store.SaveToFile(FileName);
}

void Load(const QString& FileName, Morvik::TModel& Model) {
  TRepository store;
  store.LoadFromFile(FileName);
  store.LoadModel("Model", &Model);
  const int entities = store.ReadInteger("Entities.Count", 0);
  for (int e = 0; e < entities; ++e)
    store.LoadTable(QStringLiteral("Entities.E%1.Data").arg(e), Model.NewTable(), &Model);
  const int relations = store.ReadInteger("Relations.Count", 0);
  for (int r = 0; r < relations; ++r)
    store.LoadReference(QStringLiteral("Relations.R%1.Data").arg(r),
                        Model.NewReference(Model.GetTable((r + entities - 1) % entities), Model.GetTable(r)));
}

struct TFixture {
  QTemporaryDir Dir;
  QString File;
  QByteArray Bytes;
};

TFixture& Fixture(int Entities) {
  static std::map<int, std::unique_ptr<TFixture>> fixtures;
  auto& f = fixtures[Entities];
  if (!f) {
    f = std::make_unique<TFixture>();
    f->File = f->Dir.filePath("schema.xml");
    Save(*Build(Entities), f->File);
    QFile file(f->File);
    file.open(QIODevice::ReadOnly);
    f->Bytes = file.readAll();
  }
  return *f;
}

void BM_SaveSchema(benchmark::State& State) {
  const ModelPtr model = Build(static_cast<int>(State.range(0)));
  const TFixture& f = Fixture(static_cast<int>(State.range(0)));
  const QString file = f.Dir.filePath("saved.xml");
  for (auto _ : State) Save(*model, file);
  State.SetBytesProcessed(State.iterations() * f.Bytes.size());
}

// The floor of saving: the same bytes written to a file.
void BM_SaveFloor(benchmark::State& State) {
  const TFixture& f = Fixture(static_cast<int>(State.range(0)));
  const QString name = f.Dir.filePath("floor.xml");
  for (auto _ : State) {
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly) || file.write(f.Bytes) != f.Bytes.size())
      State.SkipWithError("write");
  }
  State.SetBytesProcessed(State.iterations() * f.Bytes.size());
}

void BM_LoadSchema(benchmark::State& State) {
  const TFixture& f = Fixture(static_cast<int>(State.range(0)));
  for (auto _ : State) {
    ModelPtr model = PluginBench::NewModel();
    Load(f.File, *model);
    benchmark::DoNotOptimize(model->GetTableCount());
    State.PauseTiming();
    model.reset();
    State.ResumeTiming();
  }
  State.SetBytesProcessed(State.iterations() * f.Bytes.size());
}

// The floor of loading: every token of the file scanned from the file, with each attribute's
// value looked at.
void BM_LoadFloor(benchmark::State& State) {
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

} // namespace

BENCHMARK(BM_SaveSchema)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFloor)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadSchema)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFloor)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
