// The store of a schema of N entities, each with a table of 20 columns: writing it as a
// file's bytes, reading those bytes back, and a plain QXmlStreamReader pass over the same
// bytes as the floor that reading is measured against.

#include "editor/Repository.h"
#include "editor/RepositoryXMLReader.h"
#include "ui/Windows1250.h"

#include <QBuffer>
#include <QXmlStreamReader>
#include <benchmark/benchmark.h>

namespace {

void ParamObject(TRepository& Store, const QString& Path, int Scalars) {
  Store.AddItem(Path, rtParamObject);
  Store.WriteMemo(Path + ".Note", "");
  Store.AddList(Path + ".Scalar");
  Store.AddList(Path + ".Vector");
  for (int i = 0; i < Scalars; ++i)
    Store.WriteString(QString("%1.Scalar.Param%2").arg(Path).arg(i), i % 2 ? "1" : "");
}

void FillSchema(TRepository& Store, int Entities) {
  Store.AddList("Entities");
  Store.WriteInteger("Entities.Count", Entities);
  for (int e = 0; e < Entities; ++e) {
    const QString entity = QString("Entities.E%1").arg(e);
    Store.AddEntity(entity);
    Store.WriteString(entity + ".Name", QString("Entity_%1").arg(e));
    Store.WriteString(entity + ".Caption", QString::fromUtf8("Entita_%1 žluťoučká").arg(e));
    for (const char* key : {".Left", ".Top", ".Width", ".Height"})
      Store.WriteInteger(entity + key, e * 7 % 1000);
    Store.WriteBoolean(entity + ".ShowAttrib", true);
    const QString table = entity + ".Data";
    Store.AddItem(table, rtTable);
    Store.WriteString(table + ".Name", QString("TABLE_%1").arg(e));
    ParamObject(Store, table + ".ParamObject", 1);
    for (const char* list : {".ParamObject.Vector.Indexes", ".ParamObject.Vector.Triggers"})
      Store.AddItem(table + list, rtListParam);
    Store.WriteInteger(table + ".CountOfColumns", 20);
    for (int c = 0; c < 20; ++c) {
      const QString column = QString("%1.%2").arg(table).arg(c);
      Store.AddItem(column, rtColumn);
      Store.WriteString(column + ".Name", QString("COLUMN_%1").arg(c));
      ParamObject(Store, column + ".ParamObject", 5);
      Store.WriteBoolean(column + ".Primary", c == 0);
      Store.AddItem(column + ".DataType", rtDataType);
      Store.WriteString(column + ".DataType.Name", "VARCHAR");
      ParamObject(Store, column + ".DataType.ParamObject", 3);
    }
  }
}

QByteArray FileBytes(int Entities) {
  TRepository store;
  FillSchema(store, Entities);
  return store.SaveToBytes();
}

void BM_Write(benchmark::State& State) {
  TRepository store;
  FillSchema(store, static_cast<int>(State.range(0)));
  qsizetype bytes = 0;
  for (auto _ : State) {
    const QByteArray file = store.SaveToBytes();
    bytes = file.size();
    benchmark::DoNotOptimize(file.data());
  }
  State.SetBytesProcessed(State.iterations() * bytes);
}

void BM_Read(benchmark::State& State) {
  const QByteArray file = FileBytes(static_cast<int>(State.range(0)));
  for (auto _ : State) {
    TRepository store;
    if (!TRepositoryXMLReader(store).ReadBytes(file)) State.SkipWithError("unreadable");
    benchmark::DoNotOptimize(store.Root().Count());
  }
  State.SetBytesProcessed(State.iterations() * file.size());
}

// The floor: every token of the same bytes, with each attribute's value looked at.
void BM_ScannerFloor(benchmark::State& State) {
  const QByteArray file = FileBytes(static_cast<int>(State.range(0)));
  for (auto _ : State) {
    QBuffer buffer;
    buffer.setData(file);
    buffer.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&buffer);
    qsizetype total = 0;
    while (!xml.atEnd())
      if (xml.readNext() == QXmlStreamReader::StartElement)
        for (const auto& a : xml.attributes()) total += a.value().size();
    if (xml.hasError()) State.SkipWithError("scanner error");
    benchmark::DoNotOptimize(total);
  }
  State.SetBytesProcessed(State.iterations() * file.size());
}

void BM_Lookup(benchmark::State& State) {
  const int entities = static_cast<int>(State.range(0));
  TRepository store;
  FillSchema(store, entities);
  int e = 0;
  for (auto _ : State) {
    benchmark::DoNotOptimize(store.ReadString(QString("Entities.E%1.Data.19.DataType.Name").arg(e), ""));
    e = (e + 997) % entities;
  }
}

} // namespace

BENCHMARK(BM_Write)->Arg(500)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Read)->Arg(500)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScannerFloor)->Arg(500)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Lookup)->Arg(500)->Arg(2000)->Unit(benchmark::kNanosecond);

BENCHMARK_MAIN();
