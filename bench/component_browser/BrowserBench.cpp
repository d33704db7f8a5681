// The component browser of schemas of E entities and 1.5 E relations between them, bound to
// tables and named references of the built plug-in: filling a new browser with every node,
// and taking out one entity with its 20 relations. The floors do the same with a bare tree
// widget whose nodes and texts are ready beforehand, so that what the browser adds is its own.
#include "bench/support/PluginBench.h"

#include "Interface/MorvikInterface.h"
#include "diagram/Entity.h"
#include "diagram/Relation.h"
#include "editor/BrowserHost.h"
#include "editor/VisualModel.h"
#include "editor/frmBrowser.h"

#include <QApplication>

#include <QPoint>
#include <QString>
#include <QTreeWidget>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kRelationsOfTheDeleted = 20;

class TBenchHost : public TBrowserHost {
public:
  TVisualModel* DesignDocument() override { return &Document; }
  Morvik::TModel* DesignModel() override { return nullptr; }
  void LocateElement(TMorvikGraphic*) override {}
  void PopupElementMenu(TMorvikGraphic*, const QPoint&) override {}
  bool EditModelAt(const Morvik::TCheckRecord*) override { return false; }
  bool EditEntityAt(TEntity*, const Morvik::TCheckRecord*) override { return false; }
  bool EditRelationAt(TRelation*, const Morvik::TCheckRecord*) override { return false; }
  void SetModified(bool, TModifiedKind) override {}
  void DockedWindowHidden(QWidget*) override {}

  TVisualModel Document;
};

// Relations come in hubs: every 20th relation from one hub entity, so that each hub has
// exactly 20 relations spread over the whole list, and the hubs are spread over the entities.
// The elements have no owner, so that freeing them does not tell every other element.
struct Schema {
  explicit Schema(int Entities) : Model(PluginBench::NewModel()) {
    for (int i = 0; i < Entities; ++i) {
      Morvik::TTable* table = Model->NewTable();
      const QString name = QStringLiteral("TABLE_%1").arg(i);
      table->SetName(name.toUtf8().constData());
      auto* entity = new TEntity(nullptr);
      entity->SetCaption(name);
      entity->SetTable(table);
      Host.Document.Entities.push_back(entity);
    }
    const int relations = Entities * 3 / 2;
    const int hubs = relations / kRelationsOfTheDeleted;
    const int spacing = Entities / hubs;
    Hubs.resize(static_cast<size_t>(hubs));
    for (int h = 0; h < hubs; ++h) Hubs[static_cast<size_t>(h)].Entity = Entity(h * spacing);
    for (int i = 0; i < relations; ++i) {
      THub& hub = Hubs[static_cast<size_t>(i % hubs)];
      int t = (i * 7 + 3) % Entities;
      if (t % spacing == 0) t = (t + 1) % Entities; // not a hub
      TEntity* target = Entity(t);
      auto* relation = new TRelation(nullptr);
      relation->SetBase(hub.Entity);
      relation->SetTarget(target);
      Morvik::TReference* reference = Model->NewReference(hub.Entity->Table(), target->Table());
      reference->SetName(("FK_" + std::to_string(i)).c_str());
      relation->SetReference(reference);
      Host.Document.Relations.push_back(relation);
      hub.Relations.push_back(relation);
    }
  }
  ~Schema() {
    for (TRelation* r : Host.Document.Relations) delete r;
    for (TEntity* e : Host.Document.Entities) delete e;
  }
  TEntity* Entity(int I) const { return Host.Document.Entities[static_cast<size_t>(I)]; }

  void Fill(TfrmBrowser& Browser) const {
    for (TEntity* e : Host.Document.Entities) Browser.AddEntityNode(e);
    for (TRelation* r : Host.Document.Relations) Browser.AddRelationNode(r);
  }
  // The hubs in a fixed mixed order.
  std::vector<int> HubOrder() const {
    std::vector<int> order;
    const int n = static_cast<int>(Hubs.size());
    for (int i = 0; i < n; ++i) order.push_back((i * 37) % n);
    return order;
  }

  struct THub {
    TEntity* Entity = nullptr;
    std::vector<TRelation*> Relations;
  };
  std::vector<THub> Hubs;
  PluginBench::ModelPtr Model;
  TBenchHost Host;
};

// One schema per size, made once and freed before the application goes.
std::map<int, std::unique_ptr<Schema>> Schemas;

Schema& SchemaOf(int Entities) {
  std::unique_ptr<Schema>& s = Schemas[Entities];
  if (!s) s = std::make_unique<Schema>(Entities);
  return *s;
}

void Counters(benchmark::State& State, int Entities) {
  State.counters["entities"] = Entities;
  State.counters["relations"] = Entities * 3 / 2;
  State.SetComplexityN(Entities);
}

void BM_BuildBrowser(benchmark::State& State) {
  const int entities = static_cast<int>(State.range(0));
  Schema& s = SchemaOf(entities);
  for (auto _ : State) {
    auto browser = std::make_unique<TfrmBrowser>(&s.Host);
    s.Fill(*browser);
    benchmark::DoNotOptimize(browser.get());
    State.PauseTiming();
    browser.reset();
    State.ResumeTiming();
  }
  Counters(State, entities);
}

// The floor: the same nodes with the same texts and pictures put into a bare tree.
void BM_BuildTreeFloor(benchmark::State& State) {
  const int entities = static_cast<int>(State.range(0));
  Schema& s = SchemaOf(entities);
  QStringList entityTexts, relationTexts;
  for (TEntity* e : s.Host.Document.Entities) entityTexts << e->Caption();
  for (TRelation* r : s.Host.Document.Relations)
    relationTexts << QString::fromUtf8(r->Reference()->GetName());
  const QIcon icon(QStringLiteral(":/browser/entity.png"));
  for (auto _ : State) {
    auto tree = std::make_unique<QTreeWidget>();
    for (int g = 0; g < 5; ++g)
      tree->addTopLevelItem(new QTreeWidgetItem(QStringList{QStringLiteral("Group")}));
    for (const QString& text : entityTexts) {
      auto* node = new QTreeWidgetItem(QStringList{text});
      node->setIcon(0, icon);
      tree->topLevelItem(0)->addChild(node);
    }
    for (const QString& text : relationTexts) {
      auto* node = new QTreeWidgetItem(QStringList{text});
      node->setIcon(0, icon);
      tree->topLevelItem(4)->addChild(node);
    }
    benchmark::DoNotOptimize(tree.get());
    State.PauseTiming();
    tree.reset();
    State.ResumeTiming();
  }
  Counters(State, entities);
}

// Deleting hubs one after the other, each with its 20 relations; a tenth of the hubs gone,
// the browser is filled again while not timed.
void BM_DeleteEntityWith20Relations(benchmark::State& State) {
  const int entities = static_cast<int>(State.range(0));
  Schema& s = SchemaOf(entities);
  const std::vector<int> order = s.HubOrder();
  const size_t perRound = std::max<size_t>(1, order.size() / 10);
  auto browser = std::make_unique<TfrmBrowser>(&s.Host);
  s.Fill(*browser);
  size_t deleted = 0;
  for (auto _ : State) {
    const Schema::THub& hub = s.Hubs[static_cast<size_t>(order[deleted % order.size()])];
    for (TRelation* r : hub.Relations) browser->RemoveRelationNode(r);
    browser->RemoveEntityNode(hub.Entity);
    if (++deleted % perRound == 0) {
      State.PauseTiming();
      browser = std::make_unique<TfrmBrowser>(&s.Host);
      s.Fill(*browser);
      State.ResumeTiming();
    }
  }
  Counters(State, entities);
}

// The floor: the same nodes taken out of a bare tree of the same content, each by its row
// found beforehand, from the last row up.
void BM_DeleteTreeNodesFloor(benchmark::State& State) {
  const int entities = static_cast<int>(State.range(0));
  Schema& s = SchemaOf(entities);
  const std::vector<int> order = s.HubOrder();
  const size_t perRound = std::max<size_t>(1, order.size() / 10);
  std::map<const void*, QTreeWidgetItem*> nodes;
  auto fill = [&] {
    auto tree = std::make_unique<QTreeWidget>();
    nodes.clear();
    for (int g = 0; g < 5; ++g)
      tree->addTopLevelItem(new QTreeWidgetItem(QStringList{QStringLiteral("Group")}));
    for (TEntity* e : s.Host.Document.Entities) {
      auto* node = new QTreeWidgetItem(QStringList{e->Caption()});
      tree->topLevelItem(0)->addChild(node);
      nodes[e] = node;
    }
    for (TRelation* r : s.Host.Document.Relations) {
      auto* node = new QTreeWidgetItem(QStringList{QString::fromUtf8(r->Reference()->GetName())});
      tree->topLevelItem(4)->addChild(node);
      nodes[r] = node;
    }
    return tree;
  };
  std::unique_ptr<QTreeWidget> tree = fill();
  std::vector<std::pair<QTreeWidgetItem*, int>> doomed;
  size_t deleted = 0;
  for (auto _ : State) {
    State.PauseTiming();
    const Schema::THub& hub = s.Hubs[static_cast<size_t>(order[deleted % order.size()])];
    doomed.clear();
    QTreeWidgetItem* relations = tree->topLevelItem(4);
    for (TRelation* r : hub.Relations) doomed.push_back({relations, relations->indexOfChild(nodes[r])});
    std::sort(doomed.begin(), doomed.end(), [](const auto& A, const auto& B) { return A.second > B.second; });
    doomed.push_back({tree->topLevelItem(0), tree->topLevelItem(0)->indexOfChild(nodes[hub.Entity])});
    State.ResumeTiming();
    for (const auto& [parent, row] : doomed) delete parent->takeChild(row);
    if (++deleted % perRound == 0) {
      State.PauseTiming();
      tree = fill();
      State.ResumeTiming();
    }
  }
  Counters(State, entities);
}

BENCHMARK(BM_BuildTreeFloor)
    ->Arg(200)
    ->Arg(2000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_BuildBrowser)
    ->Arg(200)
    ->Arg(2000)
    ->Arg(20000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_DeleteTreeNodesFloor)->Arg(200)->Arg(2000)->Arg(20000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DeleteEntityWith20Relations)->Arg(200)->Arg(2000)->Arg(20000)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // The floor's picture comes from the browser's resource.
  Q_INIT_RESOURCE(frmBrowser);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  Schemas.clear();
  return 0;
}
