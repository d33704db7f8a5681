// A schema window of the editor tests, bound to the built plug-in's InterBase 6 model and
// shown, and mouse events sent to its desktop as the window gets them.
#pragma once

#include "diagram/ScrolledScrollBox.h"
#include "editor/frmDesign.h"

#include <QApplication>
#include <QMouseEvent>

// Binds the window, shows it at Width x Height and puts the view at the desktop's top-left
// corner; false when the model could not be bound (the window's LoadError says why).
inline bool BindAndShow(TfrmDesign& Design, int Width, int Height) {
  Design.setAttribute(Qt::WA_DeleteOnClose, false);
  if (!Design.BindModel(QStringLiteral("varne.so"), QStringLiteral("InterBase 6"), "2.0")) return false;
  Design.resize(Width, Height);
  Design.show();
  QApplication::processEvents();
  Design.sbxDesktop->SetHorzPosition(0);
  Design.sbxDesktop->SetVertPosition(0);
  return true;
}

// A mouse event at P in the window's desktop coordinates.
inline void SendMouse(TfrmDesign& Design, QEvent::Type Type, QPoint P, Qt::MouseButton Button,
                      Qt::MouseButtons Held, Qt::KeyboardModifiers Keys = Qt::NoModifier) {
  QWidget* w = Design.Desktop;
  QMouseEvent e(Type, QPointF(P), w->mapToGlobal(QPointF(P)), Button, Held, Keys);
  QApplication::sendEvent(w, &e);
}
