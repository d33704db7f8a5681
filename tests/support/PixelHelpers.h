#pragma once
// Pixel access for drawing tests: images filled with one colour and read back as $00BBGGRR.

#include "ui/Canvas.h"
#include "ui/Color.h"

#include <QImage>
#include <QPainter>
#include <memory>
#include <string>

namespace testing_pixels {

inline QImage MakeImage(int W, int H, ui::TColor Fill = ui::clWhite) {
  QImage img(W, H, QImage::Format_RGB32);
  img.fill(ui::ColorToQColor(Fill));
  return img;
}

inline ui::TColor Px(const QImage& Img, int X, int Y) { return ui::RgbToColor(Img.pixel(X, Y)); }

// One row of the image as characters: '#' for Ink, '.' for Background, '?' for anything else.
inline std::string Row(const QImage& Img, int Y, int X0, int X1, ui::TColor Ink = ui::clBlack,
                       ui::TColor Background = ui::clWhite) {
  std::string s;
  for (int x = X0; x <= X1; ++x) {
    const ui::TColor c = Px(Img, x, Y);
    s += c == Ink ? '#' : c == Background ? '.' : '?';
  }
  return s;
}

inline std::string Column(const QImage& Img, int X, int Y0, int Y1, ui::TColor Ink = ui::clBlack,
                          ui::TColor Background = ui::clWhite) {
  std::string s;
  for (int y = Y0; y <= Y1; ++y) {
    const ui::TColor c = Px(Img, X, y);
    s += c == Ink ? '#' : c == Background ? '.' : '?';
  }
  return s;
}

// Number of pixels in the rectangle [X0, X1] x [Y0, Y1] that are not Background.
inline int CountInk(const QImage& Img, int X0, int Y0, int X1, int Y1, ui::TColor Background = ui::clWhite) {
  int n = 0;
  for (int y = Y0; y <= Y1; ++y)
    for (int x = X0; x <= X1; ++x)
      if (Px(Img, x, y) != Background) ++n;
  return n;
}

// A canvas drawing into an image for the lifetime of the object.
struct ImageCanvas {
  explicit ImageCanvas(QImage& Img) : Painter(&Img), Canvas(&Painter) {}
  ~ImageCanvas() { Canvas.Detach(); }
  QPainter Painter;
  ui::TCanvas Canvas;
};

} // namespace testing_pixels
