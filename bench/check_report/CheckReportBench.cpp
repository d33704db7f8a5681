// The whole check walk over plug-in models of N tables, each with three columns and one
// reference to the next table. Every tenth table shares its name with the one before it,
// so that the name checks find something.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "Interface/MorvikInterface.h"
#include "bench/support/CheckBench.h"
#include "bench/support/PluginBench.h"

namespace {

using PluginBench::AddColumn;
using PluginBench::DataType;
using PluginBench::ModelPtr;

int Scalar(const Morvik::TParamObjectInfo& info, const char* name) {
  for (int i = 0; i < info.GetParamCount(); ++i)
    if (!std::strcmp(info.GetParam(i)->GetName(), name)) return i;
  std::fprintf(stderr, "no parameter %s\n", name);
  std::exit(1);
}

ModelPtr Build(int n) {
  ModelPtr m = PluginBench::NewModel();
  const int integer = DataType(*m, "INTEGER");
  const int varchar = DataType(*m, "VARCHAR");
  for (int i = 0; i < n; ++i) {
    Morvik::TTable* table = m->NewTable();
    table->SetName(("T_" + std::to_string(i % 10 == 9 ? i - 1 : i)).c_str());
    AddColumn(table, "ID", integer)->SetKey(true);
    Morvik::TDataType* name = AddColumn(table, "NAME", varchar)->GetDataType();
    name->SetParamValue(Scalar(*name, "Length"), "40");
    AddColumn(table, "NEXT_ID", integer);
  }
  for (int i = 0; i < n; ++i) {
    Morvik::TTable* parent = m->GetTable((i + 1) % n);
    Morvik::TTable* child = m->GetTable(i);
    Morvik::TReference* reference = m->NewReference(parent, child);
    reference->SetName(("FK_" + std::to_string(i)).c_str());
    reference->AddPair(parent->GetColumn(0), child->GetColumn(2));
  }
  return m;
}

void BM_CheckWalk(benchmark::State& state) {
  const int tables = static_cast<int>(state.range(0));
  ModelPtr model = Build(tables);
  state.counters["findings"] = CheckBench::MeasureCheckWalk(state, *model);
  state.counters["tables/s"] =
      benchmark::Counter(static_cast<double>(tables) * state.iterations(), benchmark::Counter::kIsRate);
  state.SetComplexityN(tables);
}

// The floor: the plug-in calls that the walk makes, in its order, with nothing recorded and
// no name or enabling tests. What the walk costs beyond this is the walk's own.
void AskObject(Morvik::TParamObject* object) {
  benchmark::DoNotOptimize(object->Check(-1));
  const int count = object->GetParamCount() + object->GetListParamCount();
  for (int p = 0; p < count; ++p) {
    benchmark::DoNotOptimize(object->GetDependParam(p));
    benchmark::DoNotOptimize(object->Check(p));
    if (object->GetParamKind(p) == Morvik::pkVector) {
      Morvik::TListParam* list = object->GetListParam(object->GetKindIndex(p));
      for (int i = 0; i < list->GetItemsCount(); ++i) AskObject(list->GetItem(i));
    }
  }
}

void BM_ModelCallsOnly(benchmark::State& state) {
  const int tables = static_cast<int>(state.range(0));
  ModelPtr model = Build(tables);
  for (auto _ : state) {
    AskObject(model.get());
    for (int i = 0; i < model->GetTableCount(); ++i) {
      Morvik::TTable* table = model->GetTable(i);
      benchmark::DoNotOptimize(table->GetName());
      AskObject(table);
      for (int j = 0; j < table->GetColumnCount(); ++j) {
        Morvik::TColumn* column = table->GetColumn(j);
        benchmark::DoNotOptimize(column->GetName());
        AskObject(column);
        AskObject(column->GetDataType());
      }
    }
    for (int k = 0; k < model->GetReferenceCount(); ++k) {
      Morvik::TReference* reference = model->GetReference(k);
      benchmark::DoNotOptimize(reference->GetName());
      AskObject(reference);
      benchmark::DoNotOptimize(reference->CheckPairs(-1));
      for (int i = 0; i < reference->GetPairCount(); ++i) {
        benchmark::DoNotOptimize(reference->CheckPairs(i));
        const std::string child = reference->GetPairColumn(1, i)->GetDataType()->Generate();
        benchmark::DoNotOptimize(child == reference->GetPairColumn(0, i)->GetDataType()->Generate());
      }
    }
  }
  state.SetComplexityN(tables);
}

BENCHMARK(BM_ModelCallsOnly)
    ->Arg(200)
    ->Arg(2000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_CheckWalk)
    ->Arg(200)
    ->Arg(2000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace

BENCHMARK_MAIN();
