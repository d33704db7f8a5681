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

void TImageList::Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled) const {
  if (!Canvas || Index < 0 || Index >= Count()) return;
  if (Enabled) {
    Canvas->Draw(X, Y, FImages[static_cast<size_t>(Index)]);
  } else {
    QImage grey = FImages[static_cast<size_t>(Index)].convertToFormat(QImage::Format_Grayscale8);
    Canvas->Draw(X, Y, grey);
  }
}

} // namespace ui
