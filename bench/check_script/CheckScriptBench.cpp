// The model check walk and the whole script, with Drop on, of models of N tables. Each table
// has a key, an index and a trigger; a foreign key without a name joins every table to the one
// before it, and every tenth table also holds one back to it, so that some keys lie on cycles
// and the check finds them. The floor is a plain pass that reads every value of the same
// objects once: what the check and the script cost beyond it is their own.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "Interface/MorvikInterface.h"
#include "bench/support/CheckBench.h"
#include "bench/support/PluginBench.h"

namespace {

using PluginBench::AddColumn;
using PluginBench::DataType;
using PluginBench::ModelPtr;

// Positions of the table lists and of their items' parameters, as the plug-in declares them.
enum {
  Indexes = 1,
  Triggers = 2
};
enum {
  IndexName = 2,
  IndexColumns = 3
};
enum {
  TriggerName = 0,
  TriggerPlace = 2,
  TriggerOperation = 3,
  TriggerTerm = 6,
  TriggerBody = 7
};

int Position(const Morvik::TParamObject& object, const char* name) {
  for (int p = 0; p < object.GetParamCount() + object.GetListParamCount(); ++p) {
    const int k = object.GetKindIndex(p);
    const Morvik::TParamInfoCommon* info =
        object.GetParamKind(p) == Morvik::pkVector
            ? static_cast<const Morvik::TParamInfoCommon*>(object.GetListParamInfo(k))
            : object.GetParam(k);
    if (!std::strcmp(info->GetName(), name)) return p;
  }
  std::fprintf(stderr, "no parameter %s\n", name);
  std::exit(1);
}

Morvik::TListParam* List(Morvik::TParamObject* o, int pos) { return o->GetListParam(o->GetKindIndex(pos)); }
void Set(Morvik::TParamObject* o, int pos, const char* value) {
  o->SetParamValue(o->GetKindIndex(pos), value);
}

ModelPtr Build(int n) {
  ModelPtr m = PluginBench::NewModel();
  const int integer = DataType(*m, "INTEGER");
  const int varchar = DataType(*m, "VARCHAR");
  for (int i = 0; i < n; ++i) {
    const std::string s = std::to_string(i);
    Morvik::TTable* table = m->NewTable();
    table->SetName(("T_" + s).c_str());
    AddColumn(table, "ID", integer)->SetKey(true);
    Morvik::TDataType* name = AddColumn(table, "NAME", varchar)->GetDataType();
    name->SetParamValue(0, "40");
    AddColumn(table, "PREV_ID", integer);
    AddColumn(table, "NEXT_ID", integer);
    Morvik::TParamObject* index = List(table, Indexes)->AddItem();
    Set(index, IndexName, ("IX_" + s).c_str());
    List(index, IndexColumns)->AddItem()->SetParamValue(0, "NAME");
    Morvik::TParamObject* trigger = List(table, Triggers)->AddItem();
    Set(trigger, TriggerName, ("TR_" + s).c_str());
    Set(trigger, TriggerPlace, "0");
    Set(trigger, TriggerOperation, "0");
    Set(trigger, TriggerTerm, "^");
    Set(trigger, TriggerBody, "NEW.NAME = UPPER(NEW.NAME);");
  }
  for (int i = 1; i < n; ++i) {
    Morvik::TTable* parent = m->GetTable(i - 1);
    Morvik::TTable* child = m->GetTable(i);
    m->NewReference(parent, child)->AddPair(parent->GetColumn(0), child->GetColumn(2));
    if (i % 10 == 0) m->NewReference(child, parent)->AddPair(child->GetColumn(0), parent->GetColumn(3));
  }
  m->SetParamValue(m->GetKindIndex(Position(*m, "Drop")), "1");
  return m;
}

// Time per table, as seconds per table.
void PerTable(benchmark::State& state, int tables) {
  state.counters["per_table"] =
      benchmark::Counter(static_cast<double>(tables),
                         benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_Check(benchmark::State& state) {
  const int tables = static_cast<int>(state.range(0));
  ModelPtr model = Build(tables);
  state.counters["findings"] = CheckBench::MeasureCheckWalk(state, *model);
  PerTable(state, tables);
}

void BM_Script(benchmark::State& state) {
  const int tables = static_cast<int>(state.range(0));
  ModelPtr model = Build(tables);
  std::size_t bytes = 0;
  for (auto _ : state) {
    bytes = std::strlen(model->Generate());
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["script_bytes"] = static_cast<double>(bytes);
  PerTable(state, tables);
}

// The floor: every scalar value of every object that the check reads, read once.
std::size_t ReadValues(const Morvik::TParamObject* object) {
  std::size_t length = 0;
  for (int k = 0; k < object->GetParamCount(); ++k) length += std::strlen(object->GetParamValue(k));
  for (int k = 0; k < object->GetListParamCount(); ++k) {
    const Morvik::TListParam* list = object->GetListParam(k);
    for (int i = 0; i < list->GetItemsCount(); ++i) length += ReadValues(list->GetItem(i));
  }
  return length;
}

void BM_PlainPass(benchmark::State& state) {
  const int tables = static_cast<int>(state.range(0));
  ModelPtr model = Build(tables);
  for (auto _ : state) {
    std::size_t length = ReadValues(model.get());
    for (int t = 0; t < model->GetTableCount(); ++t) {
      const Morvik::TTable* table = model->GetTable(t);
      length += std::strlen(table->GetName()) + ReadValues(table);
      for (int c = 0; c < table->GetColumnCount(); ++c) {
        const Morvik::TColumn* column = table->GetColumn(c);
        length += std::strlen(column->GetName()) + ReadValues(column) + ReadValues(column->GetDataType());
      }
    }
    for (int r = 0; r < model->GetReferenceCount(); ++r) {
      const Morvik::TReference* reference = model->GetReference(r);
      length += std::strlen(reference->GetName()) + ReadValues(reference);
      for (int i = 0; i < reference->GetPairCount(); ++i)
        length += std::strlen(reference->GetPairColumn(0, i)->GetName()) +
                  std::strlen(reference->GetPairColumn(1, i)->GetName());
    }
    benchmark::DoNotOptimize(length);
  }
  PerTable(state, tables);
}

BENCHMARK(BM_PlainPass)->Arg(2000)->Arg(8000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Check)->Arg(2000)->Arg(8000)->Arg(20000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Script)->Arg(2000)->Arg(8000)->Arg(20000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
