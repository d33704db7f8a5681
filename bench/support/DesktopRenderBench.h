// The measured loop of the paint benchmarks: the whole desktop rendered into one image of
// the given size per iteration.
#pragma once

#include "ui/Desktop.h"

#include <QImage>
#include <benchmark/benchmark.h>

inline void RenderDesktopEachIteration(benchmark::State& State, ui::TDesktop& Desktop, int Width,
                                       int Height) {
  QImage img(Width, Height, QImage::Format_RGB32);
  for (auto _ : State) {
    Desktop.RenderTo(img);
    benchmark::DoNotOptimize(img.constBits());
  }
}
