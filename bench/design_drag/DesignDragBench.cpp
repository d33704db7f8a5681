// A group of 200 selected entities, with 600 relations among them and to entities outside
// the group, dragged by 50 mouse steps on a schema window and released; once on a desktop
// with nothing else and once with 5,000 further entities and relations. The drag moves only
// the group's frame until the release, which moves the entities and re-routes the relations
// that touch them; the counter "others_routed" shows that no other relation is routed.

#include "diagram/Entity.h"
#include "diagram/Relation.h"
#include "diagram/ResizeBox.h"
#include "editor/frmDesign.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

namespace {

constexpr int kGroup = 200;
constexpr int kGroupRelations = 600;
constexpr int kSteps = 50;

// A relation that counts how often it is routed.
class CountingRelation : public TRelation {
public:
  using TRelation::TRelation;
  void TryRepaint() override {
    ++Routes;
    TRelation::TryRepaint();
  }
  long Routes = 0;
};

struct Scene {
  std::unique_ptr<TfrmDesign> Design;
  std::vector<TEntity*> Group;
  std::vector<CountingRelation*> Others;
};

TEntity* AddEntity(TfrmDesign* Design, int I, int Left, int Top) {
  auto* e = new TEntity(Design->Desktop);
  e->SetParent(Design->Desktop);
  e->SetName(QStringLiteral("Entity_%1").arg(I));
  e->SetDrawAll(false);
  e->SetCaption(QStringLiteral("E_%1").arg(I));
  e->SetBounds(Left, Top, 0, 0);
  return e;
}

CountingRelation* AddRelation(TfrmDesign* Design, int I, TEntity* Base, TEntity* Target) {
  auto* r = new CountingRelation(Design->Desktop);
  r->SetParent(Design->Desktop);
  r->SendToBack();
  r->SetName(QStringLiteral("Relation_%1").arg(I));
  r->SetBase(Base);
  r->SetBaseXY(Base->Width() / 2, Base->Height() / 2);
  r->SetTarget(Target);
  r->SetTargetXY(Target->Width() / 2, Target->Height() / 2);
  r->SetRelationKind(rkOneOneToZeroMany);
  return r;
}

// The group in a 20 x 10 grid at the top left; Others entities and as many relations in a
// grid beside it. A third of the group's relations go to entities outside the group.
std::unique_ptr<Scene> MakeScene(int Others) {
  auto scene = std::make_unique<Scene>();
  scene->Design = std::make_unique<TfrmDesign>(nullptr);
  TfrmDesign* d = scene->Design.get();
  d->SetDesktopSize(0, 0, 40000, 40000);
  std::mt19937 random(7);
  int names = 0;
  for (int i = 0; i < kGroup; ++i)
    scene->Group.push_back(AddEntity(d, names++, 100 + (i % 20) * 150, 100 + (i / 20) * 150));
  std::vector<TEntity*> outside;
  const int outsideEntities = Others / 2 + 20;
  for (int i = 0; i < outsideEntities; ++i)
    outside.push_back(AddEntity(d, names++, 100 + (i % 100) * 150, 2000 + (i / 100) * 150));
  int relations = 0;
  for (int i = 0; i < kGroupRelations; ++i) {
    TEntity* base = scene->Group[random() % kGroup];
    TEntity* target = i % 3 == 0 ? outside[random() % 20] : scene->Group[random() % kGroup];
    AddRelation(d, relations++, base, target);
  }
  for (int i = 0; i < Others - outsideEntities + 20; ++i)
    scene->Others.push_back(AddRelation(d, relations++, outside[20 + random() % (outsideEntities - 20)],
                                        outside[20 + random() % (outsideEntities - 20)]));
  for (TEntity* e : scene->Group) d->Select(e);
  return scene;
}

// One drag of the group by (DX, DY) in kSteps mouse moves, pressed on the first entity's frame.
void Drag(TfrmDesign* Design, TEntity* Grip, int DX, int DY) {
  TResizeBox* box = Design->ResizeBoxOf(Grip);
  const int x = box->Width() / 2, y = box->Height() / 2;
  Design->Mouse().ResizeBoxMouseDown(box, ui::TMouseButton::mbLeft, ui::ssLeft, x, y);
  for (int s = 1; s <= kSteps; ++s)
    Design->Mouse().ResizeBoxMouseMove(box, ui::ssLeft, x + DX * s / kSteps, y + DY * s / kSteps);
  Design->Mouse().ResizeBoxMouseUp(box, ui::TMouseButton::mbLeft, 0, x + DX, y + DY);
}

void BM_DragGroup(benchmark::State& State) {
  auto scene = MakeScene(static_cast<int>(State.range(0)));
  for (auto& o : scene->Others) o->Routes = 0;
  for (auto _ : State) {
    Drag(scene->Design.get(), scene->Group[0], 500, 250);
    Drag(scene->Design.get(), scene->Group[0], -500, -250);
  }
  long others = 0;
  for (auto& o : scene->Others) others += o->Routes;
  State.counters["others_routed"] = static_cast<double>(others);
  State.counters["desktop_elements"] = static_cast<double>(scene->Design->Desktop->ControlCount());
  State.SetItemsProcessed(State.iterations() * 2 * kSteps);
}
BENCHMARK(BM_DragGroup)->Arg(0)->Arg(5000)->Unit(benchmark::kMillisecond);

} // namespace
