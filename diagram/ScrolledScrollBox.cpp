#include "diagram/ScrolledScrollBox.h"

#include "ui/Desktop.h"
#include "ui/Exception.h"

#include <QScrollBar>
#include <QtDebug>

#include <exception>

TScrolledScrollBox::TScrolledScrollBox(QWidget* Parent) : QScrollArea(Parent) {
  for (QScrollBar* bar : {horizontalScrollBar(), verticalScrollBar()}) {
    // actionTriggered comes for every user step (arrow, page, drag with tracking, wheel)
    // and never for a position set by program code.
    connect(bar, &QAbstractSlider::actionTriggered, this, [this, bar](int) { UserScrolled(bar); });
  }
}

void TScrolledScrollBox::UserScrolled(QScrollBar* Bar) {
  try {
    // The slider announces the action before it applies it; apply it now so that the
    // contents have moved when the handler looks at them.
    Bar->setValue(Bar->sliderPosition());
    if (OnScroll) OnScroll(this);
  } catch (...) {
    // Never into the event loop: reported where the desktop reports its own failures.
    const QString message =
        ui::MessageOf(std::current_exception(), QStringLiteral("Neznámá chyba při posouvání."));
    if (auto* desktop = dynamic_cast<ui::TDesktop*>(widget()))
      desktop->ReportError(message);
    else
      qWarning("%s", qPrintable(message));
  }
}

int TScrolledScrollBox::HorzPosition() const { return horizontalScrollBar()->value(); }

void TScrolledScrollBox::SetHorzPosition(int Value) {
  SetPosition(horizontalScrollBar(), spHorizontal, Value);
}

int TScrolledScrollBox::VertPosition() const { return verticalScrollBar()->value(); }

void TScrolledScrollBox::SetVertPosition(int Value) { SetPosition(verticalScrollBar(), spVertical, Value); }

void TScrolledScrollBox::SetPosition(QScrollBar* Bar, TSettingPosition Which, int Value) {
  const int oldValue = Bar->value();
  Bar->setValue(Value);
  if (OnChangedPosition) OnChangedPosition(this, Which, oldValue, Bar->value());
}
