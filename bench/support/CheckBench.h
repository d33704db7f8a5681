// The measured loop of the benchmarks of the model check: the program's whole check walk over
// one model, as often as the benchmark asks.
#pragma once

#include <benchmark/benchmark.h>

#include "Interface/MorvikInterface.h"
#include "Interface/edit/CheckReport.h"

namespace CheckBench {

// Walks the model once per iteration; the number of findings of the last walk.
inline int MeasureCheckWalk(benchmark::State& state, Morvik::TModel& model) {
  int findings = 0;
  for (auto _ : state) {
    Morvik::TCheckReport report(&model);
    findings = report.Count();
    benchmark::DoNotOptimize(findings);
  }
  return findings;
}

} // namespace CheckBench
