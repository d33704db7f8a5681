#include "editor/DockedWindow.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void UndockWindow(QWidget* Window, QWidget* Owner) {
  const QSize client = Window->size();
  Window->setParent(Owner, Qt::Tool);
  const QScreen* screen = QGuiApplication::primaryScreen();
  Window->move(screen ? screen->availableGeometry().topLeft() : QPoint(0, 0));
  Window->resize(client);
}
