// 1,000 entity boxes and 1,500 relations between them (a tenth of them loops around one box)
// routed and painted into a 4000 x 2000 image through the desktop, and, as the floor, the same
// rectangles, captions, lines, circles and triangles drawn by direct QPainter calls with
// everything precomputed. Also: moving one entity that has 20 relations re-routes exactly
// those 20, however many relations the desktop holds.

#include "diagram/Entity.h"
#include "diagram/Relation.h"
#include "ui/Desktop.h"
#include "bench/support/DesktopRenderBench.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr int kEntities = 1000;
constexpr int kRelations = 1500;
constexpr int kColumns = 40;
constexpr int kImageW = 4000;
constexpr int kImageH = 2000;

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
  std::unique_ptr<ui::TDesktop> Desktop;
  std::vector<TEntity*> Entities;
  std::vector<CountingRelation*> Relations;
};

TEntity* AddEntity(ui::TDesktop* Desktop, int I, int Left, int Top) {
  auto* e = new TEntity(Desktop);
  e->SetParent(Desktop);
  e->SetDrawAll(false);
  e->SetCaption(QStringLiteral("E_%1").arg(I + 1));
  e->SetBounds(Left, Top, 0, 0);
  return e;
}

CountingRelation* AddRelation(ui::TDesktop* Desktop, TEntity* Base, QPoint BaseAnchor, TEntity* Target,
                              QPoint TargetAnchor, TRelationKind Kind) {
  auto* r = new CountingRelation(Desktop);
  r->SetParent(Desktop);
  r->SendToBack();
  r->SetBase(Base);
  r->SetBaseXY(BaseAnchor.x(), BaseAnchor.y());
  r->SetTarget(Target);
  r->SetTargetXY(TargetAnchor.x(), TargetAnchor.y());
  r->SetRelationKind(Kind);
  return r;
}

QPoint Centre(const TEntity* E) { return QPoint(E->Width() / 2, E->Height() / 2); }

// Pairs of anchors (as fractions of the box in per cent) that give different loop shapes.
const int kSelfAnchors[][4] = {{25, 5, 75, 5},  {95, 20, 95, 80}, {25, 95, 75, 95}, {5, 20, 5, 80},
                               {25, 5, 95, 80}, {95, 20, 25, 95}, {75, 95, 5, 80},  {5, 20, 75, 5},
                               {25, 5, 25, 95}, {75, 5, 75, 95},  {95, 30, 5, 20},  {95, 30, 5, 80}};

Scene& TheScene() {
  static Scene scene = [] {
    Scene s;
    s.Desktop = std::make_unique<ui::TDesktop>();
    s.Desktop->resize(kImageW, kImageH);
    for (int i = 0; i < kEntities; ++i)
      s.Entities.push_back(
          AddEntity(s.Desktop.get(), i, (i % kColumns) * 100 + 10, (i / kColumns) * 80 + 30));
    for (int j = 0; j < kRelations; ++j) {
      const auto kind = static_cast<TRelationKind>(j % (rkArrowToNothing + 1));
      if (j % 10 == 9) {
        TEntity* e = s.Entities[(j * 7) % kEntities];
        const int* a = kSelfAnchors[(j / 10) % 12];
        const int w = e->Width(), h = e->Height();
        s.Relations.push_back(AddRelation(s.Desktop.get(), e, QPoint(w * a[0] / 100, h * a[1] / 100), e,
                                          QPoint(w * a[2] / 100, h * a[3] / 100), kind));
        continue;
      }
      const int a = j % kEntities;
      const int col = a % kColumns;
      int b = a + 1;                                                   // right neighbour
      if (j / kEntities == 1 || col == kColumns - 1) b = a + kColumns; // below
      if (b >= kEntities) b = a - kColumns;
      s.Relations.push_back(AddRelation(s.Desktop.get(), s.Entities[a], Centre(s.Entities[a]), s.Entities[b],
                                        Centre(s.Entities[b]), kind));
    }
    return s;
  }();
  return scene;
}

void BM_RouteAllRelations(benchmark::State& State) {
  Scene& s = TheScene();
  for (auto _ : State)
    for (CountingRelation* r : s.Relations) r->TryRepaint();
  State.counters["relations"] = kRelations;
}
BENCHMARK(BM_RouteAllRelations)->Unit(benchmark::kMillisecond);

void BM_PaintThroughDesktop(benchmark::State& State) {
  Scene& s = TheScene();
  RenderDesktopEachIteration(State, *s.Desktop, kImageW, kImageH);
  State.counters["entities"] = kEntities;
  State.counters["relations"] = kRelations;
}
BENCHMARK(BM_PaintThroughDesktop)->Unit(benchmark::kMillisecond);

// What the floor draws: every primitive in desktop coordinates.
struct Floor {
  struct Box {
    QRect Bounds;
    QString Caption;
    QPoint CaptionAt;
  };
  std::vector<Box> Boxes;
  std::vector<QLine> Lines;
  std::vector<QRect> Ellipses;
  std::vector<std::array<QPoint, 3>> Triangles;
  std::vector<std::vector<QPoint>> Paths;
};

// The end symbol's primitives, the same geometry the relation draws.
void AddEnd(Floor& F, const TRelation* R, const ui::TRect& Area, TSide Side, bool IsBase) {
  const QRect a(R->Left() + Area.Left, R->Top() + Area.Top, Area.Width(), Area.Height());
  const bool vertical = IsHorizontal(Side); // the stem stands upright off the top or bottom
  const int sx = a.left() + a.width() / 2, sy = a.top() + a.height() / 2;
  if (R->RelationKind() == rkNone) return;
  F.Lines.push_back(vertical ? QLine(sx, a.top(), sx, a.bottom()) : QLine(a.left(), sy, a.right(), sy));
  auto at = [&](int k) {
    switch (Side) {
      case TSide::Top: return a.bottom() - k;
      case TSide::Bottom: return a.top() + k;
      case TSide::Right: return a.left() + k;
      default: return a.right() - k;
    }
  };
  auto bar = [&](int k) {
    F.Lines.push_back(vertical ? QLine(a.left(), at(k), a.right(), at(k))
                               : QLine(at(k), a.top(), at(k), a.bottom()));
  };
  auto circle = [&] {
    const int w = vertical ? a.width() : a.height();
    const int c0 = std::min(at(9), at(9 + w - 1));
    F.Ellipses.push_back(vertical ? QRect(a.left(), c0, w - 1, w - 1) : QRect(c0, a.top(), w - 1, w - 1));
  };
  auto foot = [&] {
    if (vertical) {
      F.Lines.push_back(QLine(a.left(), at(0), sx, at(7)));
      F.Lines.push_back(QLine(a.right(), at(0), sx, at(7)));
    } else {
      F.Lines.push_back(QLine(at(0), a.top(), at(7), sy));
      F.Lines.push_back(QLine(at(0), a.bottom(), at(7), sy));
    }
  };
  const int k = R->RelationKind();
  int symbol; // 0 ZeroOne, 1 OneOne, 2 ZeroMany, 3 OneMany, 4 arrow, 5 nothing
  if (k <= rkOneManyToOneMany)
    symbol = IsBase ? k / 4 : k % 4;
  else if (k == rkNothingToArrow)
    symbol = IsBase ? 5 : 4;
  else
    symbol = IsBase ? 4 : 5;
  switch (symbol) {
    case 0:
      bar(5);
      circle();
      break;
    case 1:
      bar(5);
      bar(8);
      break;
    case 2:
      foot();
      circle();
      break;
    case 3:
      foot();
      bar(8);
      break;
    case 4:
      F.Triangles.push_back(vertical ? std::array<QPoint, 3>{QPoint(sx, at(0)), QPoint(a.left(), at(10)),
                                                             QPoint(a.right(), at(10))}
                                     : std::array<QPoint, 3>{QPoint(at(0), sy), QPoint(at(10), a.top()),
                                                             QPoint(at(10), a.bottom())});
      break;
    default: break;
  }
}

void BM_PaintDirectFloor(benchmark::State& State) {
  Scene& s = TheScene();
  {
    QImage warm(kImageW, kImageH, QImage::Format_RGB32);
    s.Desktop->RenderTo(warm); // the painted end points are known from here on
  }
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(11);
  const QFontMetrics fm(font);
  Floor f;
  for (TEntity* e : s.Entities) {
    const QRect b(e->Left(), e->Top(), e->Width(), e->Height());
    f.Boxes.push_back({b, e->Caption(),
                       QPoint(b.left() + (b.width() - fm.horizontalAdvance(e->Caption())) / 2,
                              b.top() + (b.height() - fm.height()) / 2 + fm.ascent())});
  }
  for (CountingRelation* r : s.Relations) {
    AddEnd(f, r, r->BaseConclusionRect(), r->BaseSide(), true);
    AddEnd(f, r, r->TargetConclusionRect(), r->TargetSide(), false);
    std::vector<QPoint> path{QPoint(r->PaintedBaseEnd().x, r->PaintedBaseEnd().y)};
    if (r->SelfRelation())
      for (const ui::TPoint& p :
           LoopCorners(r->RouteShape(), r->BaseSide(), r->PaintedBaseEnd().x, r->PaintedBaseEnd().y,
                       r->PaintedTargetEnd().x, r->PaintedTargetEnd().y, r->Left(), r->Top(),
                       r->Left() + r->Width() - 1, r->Top() + r->Height() - 1))
        path.push_back(QPoint(p.x, p.y));
    path.push_back(QPoint(r->PaintedTargetEnd().x, r->PaintedTargetEnd().y));
    f.Paths.push_back(std::move(path));
  }
  QImage img(kImageW, kImageH, QImage::Format_RGB32);
  const QColor silver(192, 192, 192), grey(128, 128, 128), face(240, 240, 240);
  for (auto _ : State) {
    QPainter p(&img);
    p.fillRect(img.rect(), Qt::white);
    // Relations lie behind the boxes.
    p.setPen(Qt::black);
    for (const auto& path : f.Paths) p.drawPolyline(path.data(), static_cast<int>(path.size()));
    for (const QLine& l : f.Lines) p.drawLine(l);
    p.setBrush(face);
    for (const QRect& e : f.Ellipses) p.drawEllipse(e);
    for (const auto& t : f.Triangles) p.drawPolygon(t.data(), 3);
    p.setFont(font);
    for (const Floor::Box& b : f.Boxes) {
      const QRect r = b.Bounds.adjusted(0, 0, -1, -1);
      p.fillRect(r, silver);
      p.setPen(Qt::black);
      p.setBrush(Qt::NoBrush);
      p.drawRect(r);
      p.setPen(Qt::white);
      p.drawLine(r.left() + 1, r.bottom() - 1, r.left() + 1, r.top() + 1);
      p.drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
      p.setPen(grey);
      p.drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
      p.drawLine(r.right() - 1, r.bottom() - 1, r.left() + 1, r.bottom() - 1);
      p.setPen(Qt::black);
      p.drawText(b.CaptionAt, b.Caption);
      p.setBrush(silver);
      p.drawRect(r.left(), r.top(), 9, 9);
      p.setBrush(Qt::black);
      const QPoint tri[3] = {r.topLeft() + QPoint(3, 6), r.topLeft() + QPoint(6, 6),
                             r.topLeft() + QPoint(5, 3)};
      p.drawPolygon(tri, 3);
    }
    p.end();
    benchmark::DoNotOptimize(img.constBits());
  }
  State.counters["primitives"] =
      static_cast<double>(f.Lines.size() + f.Ellipses.size() + f.Triangles.size() + f.Paths.size());
}
BENCHMARK(BM_PaintDirectFloor)->Unit(benchmark::kMillisecond);

// Moves one entity with 20 relations back and forth by one pixel. The desktop holds either
// only those 20 relations or all 1,500 of the scene besides; the time must not grow with it.
void BM_MoveEntityWith20Relations(benchmark::State& State) {
  const bool crowded = State.range(0) != 0;
  ui::TDesktop desktop;
  desktop.resize(kImageW, kImageH);
  std::vector<TEntity*> boxes;
  for (int i = 0; i < 21; ++i)
    boxes.push_back(AddEntity(&desktop, i, (i % 7) * 150 + 500, (i / 7) * 150 + 500));
  TEntity* moved = boxes[10];
  std::vector<CountingRelation*> own;
  for (int i = 0; i < 21; ++i)
    if (boxes[i] != moved)
      own.push_back(
          AddRelation(&desktop, moved, Centre(moved), boxes[i], Centre(boxes[i]), rkOneOneToZeroMany));
  std::vector<CountingRelation*> others;
  std::vector<TEntity*> far;
  if (crowded) {
    for (int i = 0; i < kEntities; ++i)
      far.push_back(AddEntity(&desktop, i, (i % kColumns) * 100 + 10, 1200 + (i / kColumns) * 30));
    for (int j = 0; j < kRelations; ++j) {
      TEntity* a = far[j % kEntities];
      TEntity* b = far[(j % kEntities + 1) % kEntities];
      others.push_back(AddRelation(&desktop, a, Centre(a), b, Centre(b), rkNone));
    }
  }
  for (CountingRelation* r : own) r->Routes = 0;
  for (CountingRelation* r : others) r->Routes = 0;
  long moves = 0;
  int dx = 1;
  for (auto _ : State) {
    moved->SetBounds(moved->Left() + dx, moved->Top(), moved->Width(), moved->Height());
    dx = -dx;
    ++moves;
  }
  long ownRoutes = 0, otherRoutes = 0;
  for (CountingRelation* r : own) ownRoutes += r->Routes;
  for (CountingRelation* r : others) otherRoutes += r->Routes;
  State.counters["rerouted_per_move"] = static_cast<double>(ownRoutes) / static_cast<double>(moves);
  State.counters["others_rerouted"] = static_cast<double>(otherRoutes);
  State.counters["relations_on_desktop"] = static_cast<double>(own.size() + others.size());
}
BENCHMARK(BM_MoveEntityWith20Relations)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
