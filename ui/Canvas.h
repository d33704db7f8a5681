#pragma once
// A drawing surface over QPainter with the pixel rules the diagram code is written for:
// - a line from A to B leaves out the pixel B (so joined lines never draw a pixel twice);
// - Rectangle(x1, y1, x2, y2) and FillRect cover columns x1..x2-1 and rows y1..y2-1;
// - Ellipse(x1, y1, x2, y2) lies in the same half-open box;
// - text is placed by its top-left corner and, with a solid brush, drawn on the brush colour.
// The pen mode applies to lines and fills (Xor combines with the pixels), not to text.
// Without a painter the canvas still measures text (for layout outside painting) and
// ignores drawing calls.

#include "ui/Graphics.h"
#include "ui/Types.h"

#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QString>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>
#include <span>

class QPainter;
class QPaintDevice;

namespace ui {

class TCanvas {
public:
  TCanvas();
  explicit TCanvas(QPainter* Painter);
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;
  ~TCanvas();

  // Binds the canvas to an active painter (null: measuring only).
  void Attach(QPainter* Painter);
  void Detach() { Attach(nullptr); }
  QPainter* Painter() const { return FPainter; }
  // Keeps drawing inside R (painter coordinates): a primitive that would reach beyond it
  // is clipped, one inside it is drawn without clipping. Cleared by Attach.
  void SetClipBounds(const TRect& R) { FClipBounds = R; }

  TPen* Pen() { return &FPen; }
  TBrush* Brush() { return &FBrush; }
  TFont* Font() { return &FFont; }

  TPoint PenPos() const { return FPenPos; }
  void MoveTo(int X, int Y);
  // Line from the pen position to (X, Y), without the pixel (X, Y); the pen moves there.
  void LineTo(int X, int Y);
  // Joined lines through the points (the last point itself is left out).
  void Polyline(std::span<const TPoint> Points);
  void Polyline(std::initializer_list<TPoint> Points);
  // Closed outline with the pen, filled with the brush.
  void Polygon(std::span<const TPoint> Points);
  void Polygon(std::initializer_list<TPoint> Points);
  // Outline with the pen and inside filled with the brush, over [X1, X2) x [Y1, Y2).
  void Rectangle(int X1, int Y1, int X2, int Y2);
  void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
  // Fill with the brush only, over [Left, Right) x [Top, Bottom).
  void FillRect(const TRect& R);
  void Ellipse(int X1, int Y1, int X2, int Y2);
  void SetPixel(int X, int Y, TColor Color);

  void TextOut(int X, int Y, const QString& Text);
  // Text at (X, Y) clipped to R; with a solid brush R is filled first.
  void TextRect(const TRect& R, int X, int Y, const QString& Text);
  int TextWidth(const QString& Text);
  int TextHeight(const QString& Text);

  // Copies an image with its top-left corner at (X, Y).
  void Draw(int X, int Y, const QImage& Image);
  // Copies an image stretched over R (nothing when R is empty).
  void StretchDraw(const TRect& R, const QImage& Image);

private:
  void PenChanged() { FPenApplied = false; }
  void ApplyPen();
  void ApplyBrush();
  void ApplyMode(bool ForText);
  void ApplyFontPen();
  QPaintDevice* MeasureDevice() const;
  // Clips the painter to the clip bounds while a primitive covering Box is drawn.
  class TClipScope {
  public:
    TClipScope(TCanvas& Canvas, long long Left, long long Top, long long Right, long long Bottom);
    ~TClipScope();

  private:
    QPainter* FPainter = nullptr;
  };
  // Text widths and heights are kept per font and text until the device's resolution
  // changes, so that layout and painting measure each text once.
  const QFontMetrics& Metrics();
  void FontChanged();

  QPainter* FPainter = nullptr;
  TPen FPen;
  TBrush FBrush;
  TFont FFont;
  TPoint FPenPos;
  bool FPenApplied = false;   // painter's pen reflects FPen
  bool FBrushApplied = false; // painter's brush reflects FBrush
  bool FFontApplied = false;  // painter's font reflects FFont
  bool FTextPen = false;      // painter's pen holds the font colour
  int FMode = -1;             // composition currently set (-1 unknown)
  std::optional<TRect> FClipBounds;
  // Measurements of one font on the current device.
  struct TFontEntry {
    QFont Font;
    std::optional<QFontMetrics> Metrics;
    QHash<QString, int> Widths;
    int Height = -1;
  };
  TFontEntry& Entry();
  std::vector<std::pair<QString, TFontEntry>> FEntries; // keyed by font name, height, style
  TFontEntry* FEntry = nullptr;
  int FMetricsDpiX = -1, FMetricsDpiY = -1;
};

} // namespace ui
