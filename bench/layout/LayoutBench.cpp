// Arranges N entity boxes (2,000 and 20,000), each joined to the next by a relation that
// follows its boxes, alternately on two desktop widths so that every box moves each time.
// The floor moves the same boxes to the same places, precomputed, by SetBounds alone.

#include "diagram/Entity.h"
#include "diagram/Relation.h"
#include "editor/LayoutManager.h"
#include "editor/VisualModel.h"
#include "ui/Desktop.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <vector>

namespace {

constexpr int kWidths[2] = {4000, 3000};
constexpr int kBottom = 1000000;

struct Scene {
  std::unique_ptr<ui::TDesktop> Desktop;
  TVisualModel Document;
  // Where the boxes stand after arranging on each width.
  std::vector<ui::TRect> Places[2];
};

// The scenes stay until the process ends: freeing a desktop of tens of thousands of
// elements takes longer than the measurement.
Scene& TheScene(int N) {
  static auto* scenes = new std::map<int, Scene*>;
  Scene*& scene = (*scenes)[N];
  if (scene) return *scene;
  scene = new Scene;
  Scene& s = *scene;
  s.Desktop = std::make_unique<ui::TDesktop>();
  TEntity* previous = nullptr;
  for (int i = 0; i < N; ++i) {
    auto* e = new TEntity(s.Desktop.get());
    e->SetParent(s.Desktop.get());
    e->SetAutoSize(false);
    e->SetBounds(0, 0, 100 + i % 3 * 20, 50 + i % 5 * 10);
    s.Document.AddEntity(e);
    if (previous) {
      auto* r = new TRelation(s.Desktop.get());
      r->SetParent(s.Desktop.get());
      r->SetBase(previous);
      r->SetBaseXY(previous->Width() / 2, previous->Height() / 2);
      r->SetTarget(e);
      r->SetTargetXY(e->Width() / 2, e->Height() / 2);
      s.Document.AddRelation(r);
    }
    previous = e;
  }
  for (int w = 0; w < 2; ++w) {
    TLayoutManager().ArrangeAll(&s.Document, kWidths[w], kBottom);
    for (const TEntity* e : s.Document.Entities) s.Places[w].push_back(e->BoundsRect());
  }
  return s;
}

void BM_ArrangeAll(benchmark::State& State) {
  Scene& s = TheScene(static_cast<int>(State.range(0)));
  int w = 0;
  for (auto _ : State) {
    TLayoutManager().ArrangeAll(&s.Document, kWidths[w], kBottom);
    w = 1 - w;
  }
  State.counters["boxes"] = static_cast<double>(State.range(0));
}
BENCHMARK(BM_ArrangeAll)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

void BM_MoveBoxesFloor(benchmark::State& State) {
  Scene& s = TheScene(static_cast<int>(State.range(0)));
  int w = 0;
  for (auto _ : State) {
    const std::vector<ui::TRect>& places = s.Places[w];
    for (size_t i = 0; i < places.size(); ++i) {
      const ui::TRect& p = places[i];
      s.Document.Entities[i]->SetBounds(p.Left, p.Top, p.Width(), p.Height());
    }
    w = 1 - w;
  }
  State.counters["boxes"] = static_cast<double>(State.range(0));
}
BENCHMARK(BM_MoveBoxesFloor)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond);

} // namespace
