#pragma once
// A list of equally sized images drawn by index onto a canvas.

#include "ui/Component.h"
#include "ui/Types.h"

#include <QImage>
#include <vector>

namespace ui {

class TCanvas;

class TImageList : public TComponent {
public:
  explicit TImageList(TComponent* Owner, int Width = 16, int Height = 16);

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  int Count() const { return static_cast<int>(FImages.size()); }
  // Appends an image (scaled to the list's size when it differs); returns its index.
  int Add(const QImage& Image);
  void Clear() { FImages.clear(); }
  const QImage& Image(int Index) const { return FImages.at(static_cast<size_t>(Index)); }
  // Draws image Index with its top-left corner at (X, Y); a disabled image is drawn grey.
  // An index outside the list draws nothing.
  void Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled = true) const;
  // The same, stretched over R (a printer draws the images at its own scale).
  void StretchDraw(TCanvas* Canvas, const TRect& R, int Index, bool Enabled = true) const;

private:
  // Image Index as drawn: grey when disabled.
  QImage Shown(int Index, bool Enabled) const;

  int FWidth;
  int FHeight;
  std::vector<QImage> FImages;
};

} // namespace ui
