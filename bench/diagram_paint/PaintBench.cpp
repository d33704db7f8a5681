// Paints 1,000 entity boxes with 10 attribute rows each into a 4000 x 2000 image through the
// desktop, and, as the floor, the same rectangles, lines and texts drawn by direct QPainter
// calls with everything precomputed.

#include "diagram/Entity.h"
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
constexpr int kRows = 10;
constexpr int kImageW = 4000;
constexpr int kImageH = 2000;

struct Scene {
  std::unique_ptr<ui::TDesktop> Desktop;
  std::vector<TEntity*> Entities;
};

Scene& TheScene() {
  static Scene scene = [] {
    Scene s;
    s.Desktop = std::make_unique<ui::TDesktop>();
    s.Desktop->resize(kImageW, kImageH);
    for (int i = 0; i < kEntities; ++i) {
      auto* e = new TEntity(s.Desktop.get());
      e->SetParent(s.Desktop.get());
      e->SetBounds((i % 40) * 100, (i / 40) * 80, 50, 50);
      e->SetCaption(QStringLiteral("Entity_%1").arg(i + 1));
      e->Attributes()->BeginUpdate();
      for (int r = 0; r < kRows; ++r)
        e->Attributes()->Add(QStringLiteral("COLUMN_%1").arg(r + 1),
                             r % 3 == 0 ? QStringLiteral("INTEGER") : QStringLiteral("VARCHAR(40)"),
                             r == 0 ? 1 : 0);
      e->Attributes()->EndUpdate();
      s.Entities.push_back(e);
    }
    return s;
  }();
  return scene;
}

void BM_EntitiesThroughDesktop(benchmark::State& State) {
  Scene& s = TheScene();
  RenderDesktopEachIteration(State, *s.Desktop, kImageW, kImageH);
  State.counters["entities"] = kEntities;
}
BENCHMARK(BM_EntitiesThroughDesktop)->Unit(benchmark::kMillisecond);

// What the floor draws for one entity.
struct Direct {
  QRect Bounds;
  QString Caption;
  QPoint CaptionAt;
  int SeparatorY;
  std::vector<QString> Names, Properties;
  std::vector<bool> Key;
  std::vector<QPoint> NameAt, PropertyAt;
};

void BM_EntitiesDirectFloor(benchmark::State& State) {
  Scene& s = TheScene();
  QFont regular(QStringLiteral("Arial"));
  regular.setPixelSize(11);
  QFont bold = regular;
  bold.setBold(true);
  const QFontMetrics fm(regular), fmb(bold);
  std::vector<Direct> items;
  for (TEntity* e : s.Entities) {
    Direct d;
    d.Bounds = QRect(e->Left(), e->Top(), e->Width(), e->Height());
    d.Caption = e->Caption();
    const int delta = e->Delta();
    d.CaptionAt =
        QPoint(e->Left() + (e->Width() - fm.horizontalAdvance(d.Caption)) / 2, e->Top() + 10 + fm.ascent());
    d.SeparatorY = e->Top() + 10 + delta + 5;
    int y = e->Top() + 10 + delta + 11;
    int nameMax = 0;
    for (const TAttributeRecord& r : e->Attributes()->Items())
      nameMax = std::max(nameMax, (r.Value ? fmb : fm).horizontalAdvance(r.Name));
    for (const TAttributeRecord& r : e->Attributes()->Items()) {
      d.Names.push_back(r.Name);
      d.Properties.push_back(r.Property);
      d.Key.push_back(r.Value != 0);
      d.NameAt.push_back(QPoint(e->Left() + 10, y + fm.ascent()));
      d.PropertyAt.push_back(QPoint(e->Left() + 10 + nameMax + 5, y + fm.ascent()));
      y += delta;
    }
    items.push_back(std::move(d));
  }
  QImage img(kImageW, kImageH, QImage::Format_RGB32);
  const QColor silver(192, 192, 192), grey(128, 128, 128);
  for (auto _ : State) {
    QPainter p(&img);
    p.fillRect(img.rect(), Qt::white);
    for (const Direct& d : items) {
      const QRect& b = d.Bounds;
      p.fillRect(b.adjusted(0, 0, -1, -1), silver);
      p.setPen(Qt::black);
      p.setBrush(Qt::NoBrush);
      p.drawRect(b.adjusted(0, 0, -1, -1));
      p.setPen(Qt::white);
      p.drawLine(b.left() + 1, b.bottom() - 1, b.left() + 1, b.top() + 1);
      p.drawLine(b.left() + 1, b.top() + 1, b.right() - 1, b.top() + 1);
      p.setPen(grey);
      p.drawLine(b.right() - 1, b.top() + 1, b.right() - 1, b.bottom() - 1);
      p.drawLine(b.right() - 1, b.bottom() - 1, b.left() + 1, b.bottom() - 1);
      p.drawLine(b.left() + 1, d.SeparatorY, b.right(), d.SeparatorY);
      p.setPen(Qt::white);
      p.drawLine(b.left() + 1, d.SeparatorY + 1, b.right(), d.SeparatorY + 1);
      p.setPen(Qt::black);
      p.setFont(regular);
      p.drawText(d.CaptionAt, d.Caption);
      for (size_t i = 0; i < d.Names.size(); ++i) {
        p.setFont(d.Key[i] ? bold : regular);
        p.drawText(d.NameAt[i], d.Names[i]);
        p.drawText(d.PropertyAt[i], d.Properties[i]);
      }
      p.setBrush(silver);
      p.drawRect(b.left(), b.top(), 9, 9);
      p.setBrush(Qt::black);
      const QPoint tri[3] = {b.topLeft() + QPoint(3, 3), b.topLeft() + QPoint(6, 3),
                             b.topLeft() + QPoint(5, 6)};
      p.drawPolygon(tri, 3);
    }
    p.end();
    benchmark::DoNotOptimize(img.constBits());
  }
  State.counters["entities"] = kEntities;
}
BENCHMARK(BM_EntitiesDirectFloor)->Unit(benchmark::kMillisecond);

} // namespace
