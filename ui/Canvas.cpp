#include "ui/Canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QVector>
#include <cmath>
#include <cstdlib>

namespace ui {

TCanvas::TCanvas() {
  FPen.OnChange = [this](TObject*) {
    FPenApplied = false;
    FTextPen = false;
  };
  FBrush.OnChange = [this](TObject*) { FBrushApplied = false; };
  FFont.OnChange = [this](TObject*) { FontChanged(); };
}

TCanvas::TCanvas(QPainter* Painter) : TCanvas() { Attach(Painter); }

TCanvas::~TCanvas() = default;

void TCanvas::FontChanged() {
  FFontApplied = false;
  FTextPen = false;
  FEntry = nullptr;
}

TCanvas::TFontEntry& TCanvas::Entry() {
  QPaintDevice* dev = MeasureDevice();
  const int dpiX = dev ? dev->logicalDpiX() : 0;
  const int dpiY = dev ? dev->logicalDpiY() : 0;
  if (dpiX != FMetricsDpiX || dpiY != FMetricsDpiY) {
    FEntries.clear();
    FEntry = nullptr;
    FMetricsDpiX = dpiX;
    FMetricsDpiY = dpiY;
  }
  if (FEntry) return *FEntry;
  const QString key = QStringLiteral("%1|%2|%3").arg(FFont.Name()).arg(FFont.Height()).arg(FFont.Style());
  for (auto& e : FEntries)
    if (e.first == key) return *(FEntry = &e.second);
  if (FEntries.size() >= 16) FEntries.clear();
  FEntries.emplace_back(key, TFontEntry{});
  TFontEntry& e = FEntries.back().second;
  e.Font = FFont.ToQFont();
  if (dev)
    e.Metrics.emplace(e.Font, dev);
  else
    e.Metrics.emplace(e.Font);
  // Entries move when the list grows: only the last one is pointed at.
  FEntry = &e;
  return e;
}

const QFontMetrics& TCanvas::Metrics() { return *Entry().Metrics; }

TCanvas::TClipScope::TClipScope(TCanvas& Canvas, long long Left, long long Top, long long Right,
                                long long Bottom) {
  if (!Canvas.FClipBounds || !Canvas.FPainter || Canvas.FPainter->hasClipping()) return;
  const TRect& b = *Canvas.FClipBounds;
  if (Left >= b.Left && Top >= b.Top && Right <= b.Right && Bottom <= b.Bottom) return;
  FPainter = Canvas.FPainter;
  FPainter->setClipRect(QRect(b.Left, b.Top, b.Width(), b.Height()));
}

TCanvas::TClipScope::~TClipScope() {
  if (FPainter) FPainter->setClipping(false);
}

void TCanvas::Attach(QPainter* Painter) {
  FClipBounds.reset();
  FPainter = Painter;
  FPenApplied = FBrushApplied = FFontApplied = FTextPen = false;
  FMode = -1;
}

void TCanvas::ApplyMode(bool ForText) {
  int mode = 0;
  if (!ForText) {
    switch (FPen.Mode()) {
      case TPenMode::pmCopy: mode = 0; break;
      case TPenMode::pmXor: mode = 1; break;
      case TPenMode::pmNot: mode = 2; break;
    }
  }
  if (mode == FMode) return;
  FMode = mode;
  switch (mode) {
    case 0: FPainter->setCompositionMode(QPainter::CompositionMode_SourceOver); break;
    case 1: FPainter->setCompositionMode(QPainter::RasterOp_SourceXorDestination); break;
    case 2: FPainter->setCompositionMode(QPainter::RasterOp_NotDestination); break;
  }
}

void TCanvas::ApplyPen() {
  ApplyMode(false);
  if (FPenApplied && !FTextPen) return;
  if (FPen.Style() == TPenStyle::psClear) {
    FPainter->setPen(Qt::NoPen);
  } else {
    QPen pen(ColorToQColor(FPen.Color()));
    pen.setWidth(FPen.Width() <= 1 ? 0 : FPen.Width());
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    switch (FPen.Style()) {
      case TPenStyle::psDash: pen.setStyle(Qt::DashLine); break;
      case TPenStyle::psDot: pen.setStyle(Qt::DotLine); break;
      case TPenStyle::psDashDot: pen.setStyle(Qt::DashDotLine); break;
      case TPenStyle::psDashDotDot: pen.setStyle(Qt::DashDotDotLine); break;
      default: pen.setStyle(Qt::SolidLine); break;
    }
    FPainter->setPen(pen);
  }
  FPenApplied = true;
  FTextPen = false;
}

void TCanvas::ApplyBrush() {
  if (FBrushApplied) return;
  if (FBrush.Style() == TBrushStyle::bsClear)
    FPainter->setBrush(Qt::NoBrush);
  else
    FPainter->setBrush(ColorToQColor(FBrush.Color()));
  FBrushApplied = true;
}

void TCanvas::ApplyFontPen() {
  ApplyMode(true);
  if (!FFontApplied) {
    FPainter->setFont(Entry().Font);
    FFontApplied = true;
  }
  if (!FTextPen) {
    FPainter->setPen(ColorToQColor(FFont.Color()));
    FTextPen = true;
    FPenApplied = false;
  }
}

void TCanvas::MoveTo(int X, int Y) { FPenPos = TPoint{X, Y}; }

void TCanvas::LineTo(int X, int Y) {
  if (FPainter && (FPenPos.x != X || FPenPos.y != Y)) {
    ApplyPen();
    const int x1 = FPenPos.x, y1 = FPenPos.y;
    const long long pw = FPen.Width() > 1 ? FPen.Width() : 0;
    TClipScope clip(*this, std::min(x1, X) - pw, std::min(y1, Y) - pw, std::max(x1, X) + pw + 1,
                    std::max(y1, Y) + pw + 1);
    const long long dx = static_cast<long long>(X) - x1, dy = static_cast<long long>(Y) - y1;
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    // Qt leaves out the pixel at the larger end of the main axis; that is the end pixel
    // only for lines running right or down. Other lines are drawn with both end pixels up
    // to the pixel next to the end.
    if ((xMajor && dx > 0) || (!xMajor && dy > 0)) {
      FPainter->drawLine(x1, y1, X, Y);
    } else {
      const long long major = xMajor ? std::abs(dx) : std::abs(dy);
      int ex, ey;
      if (xMajor) {
        ex = X + 1;
        ey = Y - static_cast<int>(std::lround(static_cast<double>(dy) / major));
      } else {
        ey = Y + 1;
        ex = X - static_cast<int>(std::lround(static_cast<double>(dx) / major));
      }
      QPen pen = FPainter->pen();
      pen.setCapStyle(Qt::SquareCap);
      FPainter->setPen(pen);
      if (ex == x1 && ey == y1)
        FPainter->drawPoint(x1, y1);
      else
        FPainter->drawLine(x1, y1, ex, ey);
      pen.setCapStyle(Qt::FlatCap);
      FPainter->setPen(pen);
    }
  }
  FPenPos = TPoint{X, Y};
}

void TCanvas::Polyline(std::span<const TPoint> Points) {
  if (Points.empty()) return;
  MoveTo(Points[0].x, Points[0].y);
  for (size_t i = 1; i < Points.size(); ++i) LineTo(Points[i].x, Points[i].y);
}

void TCanvas::Polyline(std::initializer_list<TPoint> Points) {
  Polyline(std::span<const TPoint>(Points.begin(), Points.size()));
}

void TCanvas::Polygon(std::span<const TPoint> Points) {
  if (!FPainter || Points.empty()) return;
  ApplyPen();
  ApplyBrush();
  QVector<QPoint> pts;
  pts.reserve(static_cast<qsizetype>(Points.size()));
  int l = Points[0].x, t = Points[0].y, r = l, b = t;
  for (const TPoint& p : Points) {
    pts.append(QPoint(p.x, p.y));
    l = std::min(l, p.x);
    t = std::min(t, p.y);
    r = std::max(r, p.x);
    b = std::max(b, p.y);
  }
  const long long pw = FPen.Width() > 1 ? FPen.Width() : 0;
  TClipScope clip(*this, l - pw, t - pw, r + pw + 1, b + pw + 1);
  FPainter->drawPolygon(pts.constData(), static_cast<int>(pts.size()));
}

void TCanvas::Polygon(std::initializer_list<TPoint> Points) {
  Polygon(std::span<const TPoint>(Points.begin(), Points.size()));
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
  if (!FPainter) return;
  if (X2 < X1) std::swap(X1, X2);
  if (Y2 < Y1) std::swap(Y1, Y2);
  if (X2 - X1 < 1 || Y2 - Y1 < 1) return;
  ApplyPen();
  ApplyBrush();
  const long long pw = FPen.Width() > 1 ? FPen.Width() : 0;
  TClipScope clip(*this, X1 - pw, Y1 - pw, X2 + pw, Y2 + pw);
  if (FPen.Style() == TPenStyle::psClear) {
    // Without an outline the fill alone covers the box.
    if (FBrush.Style() != TBrushStyle::bsClear)
      FPainter->fillRect(QRect(X1, Y1, X2 - X1, Y2 - Y1), FPainter->brush());
    return;
  }
  if (X2 - X1 <= 2 || Y2 - Y1 <= 2) {
    // The outline covers the whole box.
    FPainter->fillRect(QRect(X1, Y1, X2 - X1, Y2 - Y1), ColorToQColor(FPen.Color()));
    return;
  }
  // An aliased outline of a QRect covers its size plus one pixel.
  FPainter->drawRect(QRect(X1, Y1, X2 - X1 - 1, Y2 - Y1 - 1));
}

void TCanvas::FillRect(const TRect& R) {
  if (!FPainter || R.IsEmpty() || FBrush.Style() == TBrushStyle::bsClear) return;
  ApplyMode(false);
  TClipScope clip(*this, R.Left, R.Top, R.Right, R.Bottom);
  FPainter->fillRect(QRect(R.Left, R.Top, R.Width(), R.Height()), ColorToQColor(FBrush.Color()));
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
  if (!FPainter) return;
  if (X2 < X1) std::swap(X1, X2);
  if (Y2 < Y1) std::swap(Y1, Y2);
  if (X2 - X1 < 2 || Y2 - Y1 < 2) return;
  ApplyPen();
  ApplyBrush();
  TClipScope clip(*this, X1 - 1, Y1 - 1, X2 + 1, Y2 + 1);
  FPainter->drawEllipse(QRect(X1, Y1, X2 - X1 - 1, Y2 - Y1 - 1));
}

void TCanvas::SetPixel(int X, int Y, TColor Color) {
  if (!FPainter) return;
  ApplyMode(false);
  TClipScope clip(*this, X, Y, X + 1, Y + 1);
  FPainter->fillRect(QRect(X, Y, 1, 1), ColorToQColor(Color));
}

QPaintDevice* TCanvas::MeasureDevice() const { return FPainter ? FPainter->device() : nullptr; }

int TCanvas::TextWidth(const QString& Text) {
  TFontEntry& e = Entry();
  auto it = e.Widths.constFind(Text);
  if (it != e.Widths.constEnd()) return it.value();
  if (e.Widths.size() > 4096) e.Widths.clear();
  const int w = e.Metrics->horizontalAdvance(Text);
  e.Widths.insert(Text, w);
  return w;
}

int TCanvas::TextHeight(const QString& Text) {
  TFontEntry& e = Entry();
  if (e.Height < 0) e.Height = e.Metrics->height();
  return e.Height;
}

void TCanvas::TextOut(int X, int Y, const QString& Text) {
  if (!FPainter || Text.isEmpty()) return;
  ApplyFontPen();
  const QFontMetrics& fm = Metrics();
  // Glyphs may reach a little beyond their cell.
  TClipScope clip(*this, X - 2, Y - 2, X + TextWidth(Text) + 2, Y + TextHeight(Text) + 2);
  if (FBrush.Style() == TBrushStyle::bsSolid)
    FPainter->fillRect(QRect(X, Y, TextWidth(Text), TextHeight(Text)), ColorToQColor(FBrush.Color()));
  FPainter->drawText(QPoint(X, Y + fm.ascent()), Text);
}

void TCanvas::TextRect(const TRect& R, int X, int Y, const QString& Text) {
  if (!FPainter || R.IsEmpty()) return;
  const std::optional<TRect> bounds = FClipBounds;
  FPainter->save();
  if (bounds && !FPainter->hasClipping())
    FPainter->setClipRect(QRect(bounds->Left, bounds->Top, bounds->Width(), bounds->Height()));
  FPainter->setClipRect(QRect(R.Left, R.Top, R.Width(), R.Height()), Qt::IntersectClip);
  if (FBrush.Style() == TBrushStyle::bsSolid) {
    FPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
    FPainter->fillRect(QRect(R.Left, R.Top, R.Width(), R.Height()), ColorToQColor(FBrush.Color()));
  }
  FPainter->setFont(FFont.ToQFont());
  FPainter->setPen(ColorToQColor(FFont.Color()));
  FPainter->setCompositionMode(QPainter::CompositionMode_SourceOver);
  FPainter->drawText(QPoint(X, Y + FPainter->fontMetrics().ascent()), Text);
  FPainter->restore();
  Attach(FPainter); // the painter's state was restored: apply everything again
  FClipBounds = bounds;
}

void TCanvas::Draw(int X, int Y, const QImage& Image) {
  if (!FPainter || Image.isNull()) return;
  ApplyMode(true);
  TClipScope clip(*this, X, Y, X + Image.width(), Y + Image.height());
  FPainter->drawImage(QPoint(X, Y), Image);
}

void TCanvas::StretchDraw(const TRect& R, const QImage& Image) {
  if (!FPainter || Image.isNull() || R.IsEmpty()) return;
  ApplyMode(true);
  TClipScope clip(*this, R.Left, R.Top, R.Right, R.Bottom);
  FPainter->drawImage(QRect(R.Left, R.Top, R.Width(), R.Height()), Image);
}

} // namespace ui
