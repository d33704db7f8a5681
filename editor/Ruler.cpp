#include "editor/Ruler.h"

#include "ui/Exception.h"

#include <QPainter>
#include <exception>

void TRuler::paintEvent(QPaintEvent*) {
  try {
    QPainter painter(this);
    if (OnPaint) OnPaint(painter);
  } catch (...) {
    const QString message = ui::MessageOf(std::current_exception(), QStringLiteral("Neznámá chyba."));
    if (OnError) OnError(message);
  }
}
