// Generate of the whole script for models of N tables of 20 columns, each table with one
// unique constraint and one foreign key, against the floor: the same bytes appended line by
// line to one std::string.
#include <string>

#include "bench/support/ScriptBenchSupport.h"

namespace {

using ScriptBench::ModelPtr;

// Registry indexes and column parameter positions, as the program stores them.
enum {
  NUMERIC = 0,
  VARCHAR = 3,
  INTEGER = 7,
  DATE = 10
};
enum {
  NotNull = 0,
  Unique = 1,
  Default = 2,
  DefaultValue = 3,
  Check = 4
};

void AddColumns(Morvik::TTable* table) {
  for (int c = 0; c < 20; ++c) {
    Morvik::TColumn* column = table->AddColumn();
    column->SetName(("COL_" + std::to_string(c)).c_str());
    switch (c % 4) {
      case 0: {
        column->SetDataType(INTEGER);
        break;
      }
      case 1: {
        Morvik::TDataType* type = column->SetDataType(VARCHAR);
        type->SetParamValue(0, "40");
        type->SetParamValue(2, "WIN1250");
        break;
      }
      case 2: {
        Morvik::TDataType* type = column->SetDataType(NUMERIC);
        type->SetParamValue(0, "12");
        type->SetParamValue(1, "2");
        column->SetParamValue(Default, "1");
        column->SetParamValue(DefaultValue, "0");
        break;
      }
      default:
        column->SetDataType(DATE);
        column->SetParamValue(Check, "(COL_3 > '1.1.2000')");
        break;
    }
  }
  table->GetColumn(0)->SetKey(true);
  table->GetColumn(1)->SetParamValue(NotNull, "1");
  table->GetColumn(5)->SetParamValue(NotNull, "1");
}

ModelPtr Build(int tables) {
  ModelPtr m = ScriptBench::NewModel();
  for (int t = 0; t < tables; ++t) {
    Morvik::TTable* table = m->NewTable();
    table->SetName(("TABLE_" + std::to_string(t)).c_str());
    table->SetComment(("Rows of table " + std::to_string(t)).c_str());
    AddColumns(table);
    Morvik::TListParam* uniques = table->GetListParam(table->GetKindIndex(3));
    Morvik::TParamObject* unique = uniques->AddItem();
    for (const char* name : {"COL_1", "COL_5"}) unique->GetListParam(0)->AddItem()->SetParamValue(0, name);
  }
  // Each table refers to the one before it; the first to the last.
  for (int t = 0; t < tables; ++t) {
    Morvik::TTable* parent = m->GetTable((t + tables - 1) % tables);
    Morvik::TTable* child = m->GetTable(t);
    Morvik::TReference* r = m->NewReference(parent, child);
    r->SetName(("FK_" + std::to_string(t)).c_str());
    r->AddPair(parent->GetColumn(0), child->GetColumn(4));
    r->SetParamValue(0, "1");
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

BENCHMARK(BM_GenerateScript)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AppendFloor)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
