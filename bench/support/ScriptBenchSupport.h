// What the whole-script benchmarks share: the plug-in loaded as the program loads it, models
// created through it, and the two measured loops, Generate of the whole script and the floor
// (the same script's lines appended to one std::string).
#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "Interface/MorvikInterface.h"
#include "bench/support/PluginBench.h"

namespace ScriptBench {

using PluginBench::ModelPtr;
using PluginBench::NewModel;

// Generate of the whole script, reported as script bytes per second.
inline void MeasureGenerate(benchmark::State& state, Morvik::TModel& model) {
  std::size_t bytes = 0;
  for (auto _ : state) {
    const char* text = model.Generate();
    benchmark::DoNotOptimize(text);
    bytes += std::char_traits<char>::length(text);
  }
  state.SetBytesProcessed(static_cast<int64_t>(bytes));
  state.counters["script_bytes"] = static_cast<double>(std::char_traits<char>::length(model.Generate()));
}

// The floor: the model's script split into lines once, the lines appended to one string.
inline void MeasureAppendFloor(benchmark::State& state, Morvik::TModel& model) {
  const std::string script = model.Generate();
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < script.size();) {
    const std::size_t end = script.find('\n', at);
    const std::size_t next = end == std::string::npos ? script.size() : end + 1;
    lines.push_back(script.substr(at, next - at));
    at = next;
  }
  std::string out;
  std::size_t bytes = 0;
  for (auto _ : state) {
    out.clear();
    for (const auto& line : lines) out.append(line);
    benchmark::DoNotOptimize(out.data());
    bytes += out.size();
  }
  state.SetBytesProcessed(static_cast<int64_t>(bytes));
}

} // namespace ScriptBench
