// Generate of the whole script for models with N of every schema-level object (domains,
// generators, exceptions, roles, views, procedures) and N indexes and N triggers spread over
// N/10 tables, against the floor: the same bytes appended line by line to one std::string.
#include <initializer_list>
#include <string>
#include <utility>

#include "bench/support/ScriptBenchSupport.h"

namespace {

using ScriptBench::ModelPtr;

Morvik::TListParam* List(Morvik::TParamObject* o, int pos) { return o->GetListParam(o->GetKindIndex(pos)); }

Morvik::TParamObject* Add(Morvik::TParamObject* o, int pos,
                          std::initializer_list<std::pair<int, std::string>> values) {
  Morvik::TParamObject* item = List(o, pos)->AddItem();
  for (const auto& [p, v] : values) item->SetParamValue(item->GetKindIndex(p), v.c_str());
  return item;
}

ModelPtr Build(int n) {
  ModelPtr m = ScriptBench::NewModel();
  for (int i = 0; i < n; ++i) {
    const std::string s = std::to_string(i);
    Add(m.get(), 15, {{0, "D_" + s}, {5, "3"}, {8, "40"}, {1, "'x'"}, {2, "1"}, {3, "(VALUE <> '')"}});
    Add(m.get(), 16, {{0, "G_" + s}, {1, "100"}});
    Add(m.get(), 17, {{0, "E_" + s}, {1, "Something went wrong in step " + s}});
    Add(m.get(), 18, {{0, "R_" + s}});
    Morvik::TParamObject* view =
        Add(m.get(), 19, {{0, "V_" + s}, {2, "SELECT A, B, C FROM T_0 WHERE A > " + s}, {3, "1"}});
    for (const char* c : {"A", "B", "C"}) Add(view, 1, {{0, c}});
    Morvik::TParamObject* proc =
        Add(m.get(), 20,
            {{0, "P_" + s}, {4, "^"}, {5, "SELECT COUNT(*) FROM T_0 INTO :X;\nR = X + A;\nSUSPEND;"}});
    Add(proc, 1, {{0, "A"}, {1, "7"}});
    Add(proc, 1, {{0, "B"}, {1, "3"}, {4, "20"}});
    Add(proc, 2, {{0, "R"}, {1, "0"}, {2, "15"}, {3, "2"}});
    Add(proc, 3, {{0, "X"}, {1, "7"}});
  }
  for (int t = 0; t < n / 10; ++t) {
    Morvik::TTable* table = m->NewTable();
    table->SetName(("T_" + std::to_string(t)).c_str());
    for (const char* c : {"A", "B", "C"}) table->AddColumn()->SetName(c);
    for (int k = 0; k < 10; ++k) {
      const std::string s = std::to_string(t * 10 + k);
      Morvik::TParamObject* index = Add(table, 1, {{0, "1"}, {1, "2"}, {2, "IX_" + s}});
      Add(index, 3, {{0, "A"}});
      Add(index, 3, {{0, "B"}});
      Morvik::TParamObject* trigger = Add(
          table, 2, {{0, "TR_" + s}, {1, "1"}, {2, "0"}, {3, "2"}, {4, "5"}, {6, "^"}, {7, "X = NEW.A;"}});
      Add(trigger, 5, {{0, "X"}, {1, "7"}});
    }
  }
  return m;
}

void BM_GenerateScript(benchmark::State& state) {
  ModelPtr m = Build(static_cast<int>(state.range(0)));
  ScriptBench::MeasureGenerate(state, *m);
}

void BM_AppendFloor(benchmark::State& state) {
  ModelPtr m = Build(static_cast<int>(state.range(0)));
  ScriptBench::MeasureAppendFloor(state, *m);
}

BENCHMARK(BM_GenerateScript)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AppendFloor)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
