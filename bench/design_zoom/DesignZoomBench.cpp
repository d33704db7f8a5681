// One zoom step of a full schema window against one full repaint of its desktop, in the same
// run. A round trip 100 % -> 12.5 % -> 100 % is six steps; its time per step is the
// figure, and the aim is at most two repaints per step.
#include "../support/DesktopRenderBench.h"
#include "diagram/Entity.h"
#include "diagram/Relation.h"
#include "editor/CreateComp.h"
#include "editor/DesignHost.h"
#include "editor/VisualModel.h"
#include "editor/frmDesign.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

class BenchHost : public TDesignHost {
public:
  TDesignTool Tool() const override { return toolArrow; }
  bool StickyTool() const override { return false; }
  void SetTool(TDesignTool) override {}
  void SetBusy(bool) override {}
  QString PluginFolder() const override { return QString(); }
  QSize PrinterPageSize() const override { return QSize(); }
  void ModifiedChanged(TfrmDesign*) override {}
  void ShowZoom(TfrmDesign*, int) override {}
  void ShowMessage(const QString&) override {}
};

constexpr int Columns = 40;
constexpr int Rows = 25;

// 1,000 entities with three rows each in a grid, and 1,500 relations between neighbours.
std::unique_ptr<TfrmDesign> FullDesign(BenchHost& Host) {
  auto design = std::make_unique<TfrmDesign>(&Host);
  design->resize(1000, 700);
  ui::TDesktop* d = design->Desktop;
  std::vector<TEntity*> boxes;
  for (int i = 0; i < Columns * Rows; ++i) {
    const int x = (i % Columns) * 100 + 10, y = (i / Columns) * 80 + 10;
    TEntity* e = CreateEntity(d, 1, 1, QStringLiteral("Entity_%1").arg(i), QStringLiteral("Entita_%1").arg(i),
                              x, y, 0, 0, true, false, true, {});
    e->Attributes()->Add("ID", "INTEGER", 1);
    e->Attributes()->Add("NAME", "VARCHAR(40)", 0);
    design->VisualModel->AddEntity(e);
    boxes.push_back(e);
  }
  int n = 0;
  for (int i = 0; i < Columns * Rows && n < 1500; ++i) {
    const int right = i % Columns + 1 < Columns ? i + 1 : -1;
    const int down = i + Columns < Columns * Rows ? i + Columns : -1;
    for (int j : {right, down}) {
      if (j < 0 || n >= 1500) continue;
      TRelation* r =
          CreateRelation(d, 1, 1, QStringLiteral("Relation_%1").arg(n++), boxes[static_cast<size_t>(i)], 10,
                         10, boxes[static_cast<size_t>(j)], 10, 10, rkNone, {});
      design->VisualModel->AddRelation(r);
    }
  }
  return design;
}

void BM_FullRepaint(benchmark::State& State) {
  BenchHost host;
  auto design = FullDesign(host);
  RenderDesktopEachIteration(State, *design->Desktop, design->HorzRange(), design->VertRange());
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMillisecond);

// Six steps per iteration; the counter gives the time of one.
void BM_ZoomRoundTrip(benchmark::State& State) {
  BenchHost host;
  auto design = FullDesign(host);
  for (auto _ : State) {
    design->SetZoomCentered(125);
    design->SetZoomCentered(1000);
    benchmark::DoNotOptimize(design->Zoom());
  }
  State.counters["s_per_step"] =
      benchmark::Counter(6.0 * static_cast<double>(State.iterations()),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ZoomRoundTrip)->Unit(benchmark::kMillisecond);

} // namespace
