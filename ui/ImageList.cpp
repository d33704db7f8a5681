#include "ui/ImageList.h"

#include "ui/Canvas.h"

namespace ui {

TImageList::TImageList(TComponent* Owner, int Width, int Height)
    : TComponent(Owner), FWidth(Width), FHeight(Height) {}

int TImageList::Add(const QImage& Image) {
  QImage img = Image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  if (img.width() != FWidth || img.height() != FHeight)
    img = img.scaled(FWidth, FHeight, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  FImages.push_back(std::move(img));
  return Count() - 1;
}

QImage TImageList::Shown(int Index, bool Enabled) const {
  const QImage& image = FImages[static_cast<size_t>(Index)];
  return Enabled ? image : image.convertToFormat(QImage::Format_Grayscale8);
}

void TImageList::Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled) const {
  if (!Canvas || Index < 0 || Index >= Count()) return;
  Canvas->Draw(X, Y, Shown(Index, Enabled));
}

void TImageList::StretchDraw(TCanvas* Canvas, const TRect& R, int Index, bool Enabled) const {
  if (!Canvas || Index < 0 || Index >= Count()) return;
  Canvas->StretchDraw(R, Shown(Index, Enabled));
}

} // namespace ui
