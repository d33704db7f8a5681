#include "ui/SystemError.h"

#include <clocale>
#include <cstring>
#include <locale.h>

namespace ui {

QString SystemErrorText(int Code) {
  // The program speaks Czech whatever the locale it was started in.
  if (const locale_t czech = newlocale(LC_MESSAGES_MASK | LC_CTYPE_MASK, "cs_CZ.UTF-8", locale_t(nullptr))) {
    const QString text = QString::fromUtf8(strerror_l(Code, czech));
    freelocale(czech);
    return text;
  }
  char buffer[256];
  return QString::fromLocal8Bit(strerror_r(Code, buffer, sizeof buffer));
}

} // namespace ui
