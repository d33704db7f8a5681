#pragma once
// Whether the clipboard offers text, kept up to date by the clipboard's change signal. Only the
// formats on offer are asked for, never the text itself, so that a large clipboard filled by
// another program costs nothing while the program waits; the text is fetched by a paste.

#include <QObject>

class QClipboard;

class TClipboardOffer : public QObject {
public:
  TClipboardOffer(QClipboard* Clipboard, QObject* Parent);

  bool HasText() const { return FHasText; }

private:
  void Update();

  QClipboard* FClipboard;
  bool FHasText = false;
};
