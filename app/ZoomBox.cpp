#include "app/ZoomBox.h"

#include "editor/frmDesign.h"

#include <QComboBox>
#include <QSignalBlocker>

#include <algorithm>

void TZoomBox::Fill(QComboBox* Box) {
  Box->addItems({QStringLiteral("400%"), QStringLiteral("200%"), QStringLiteral("100%"),
                 QStringLiteral("50%"), QStringLiteral("25%"), QStringLiteral("12%")});
}

int TZoomBox::ZoomOfText(const QString& Text) {
  return std::max(Text.left(Text.size() - 1).toInt() * 10, TfrmDesign::MinZoom);
}

QString TZoomBox::TextOfZoom(int PerMille) { return QString::number(PerMille / 10) + QLatin1Char('%'); }

void TZoomBox::Show(QComboBox* Box, int PerMille) {
  const QSignalBlocker block(Box);
  Box->setCurrentIndex(Box->findText(TextOfZoom(PerMille)));
}
