#include "app/ClipboardOffer.h"

#include <QClipboard>
#include <QMimeData>

TClipboardOffer::TClipboardOffer(QClipboard* Clipboard, QObject* Parent)
    : QObject(Parent), FClipboard(Clipboard) {
  connect(FClipboard, &QClipboard::dataChanged, this, [this] { Update(); });
  Update();
}

void TClipboardOffer::Update() {
  const QMimeData* data = FClipboard->mimeData();
  FHasText = data && data->hasText();
}
