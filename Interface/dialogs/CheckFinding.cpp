#include "Interface/dialogs/CheckFinding.h"

#include "Interface/edit/CheckRecord.h"

QString CheckFindingText(const Morvik::TCheckRecord* Record) {
  if (!Record) return QString();
  return QStringLiteral("Přesná lokace:\r\n\t") + QString::fromUtf8(Record->Path()) +
         QStringLiteral("\r\n\r\nPopis chyby:\r\n\t") + QString::fromUtf8(Record->Message());
}
