#include "ui/Desktop.h"

#include "ui/Control.h"
#include "ui/Exception.h"
#include "ui/ScopeGuard.h"

#include <QHelpEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <QtDebug>
#include <algorithm>
#include <exception>

namespace ui {

namespace {

QString MessageOf(std::exception_ptr Error) { return ui::MessageOf(Error, QStringLiteral("Neznámá chyba.")); }

TMouseButton ButtonOf(Qt::MouseButton Button) {
  switch (Button) {
    case Qt::RightButton: return TMouseButton::mbRight;
    case Qt::MiddleButton: return TMouseButton::mbMiddle;
    default: return TMouseButton::mbLeft;
  }
}

} // namespace

TShiftState ShiftStateOf(Qt::KeyboardModifiers Modifiers, Qt::MouseButtons Buttons) {
  TShiftState s = 0;
  if (Modifiers & Qt::ShiftModifier) s |= ssShift;
  if (Modifiers & Qt::AltModifier) s |= ssAlt;
  if (Modifiers & Qt::ControlModifier) s |= ssCtrl;
  if (Buttons & Qt::LeftButton) s |= ssLeft;
  if (Buttons & Qt::RightButton) s |= ssRight;
  if (Buttons & Qt::MiddleButton) s |= ssMiddle;
  return s;
}

Qt::CursorShape CursorShapeOf(TCursor Cursor) {
  switch (Cursor) {
    case crCross: return Qt::CrossCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crSizeNESW: return Qt::SizeBDiagCursor;
    case crSizeNS: return Qt::SizeVerCursor;
    case crSizeNWSE: return Qt::SizeFDiagCursor;
    case crSizeWE: return Qt::SizeHorCursor;
    case crSizeAll: return Qt::SizeAllCursor;
    case crHourGlass: return Qt::WaitCursor;
    case crDrag: return Qt::DragMoveCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    default: return Qt::ArrowCursor;
  }
}

TDesktop::TDesktop(QWidget* Parent) : QWidget(Parent), TComponent(nullptr), FControls(&TControl::ParentSlot) {
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

TDesktop::~TDesktop() {
  // Owned controls go first (they take themselves off this desktop); controls of other
  // owners are only taken off.
  while (ComponentCount() > 0) delete Component(ComponentCount() - 1);
  for (TComponent* c : FControls.Items()) static_cast<TControl*>(c)->SetParent(nullptr);
}

TControl* TDesktop::Control(int Index) const { return static_cast<TControl*>(FControls.At(Index)); }

int TDesktop::IndexOfControl(const TControl* Control) const { return FControls.IndexOf(Control); }

void TDesktop::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  update();
}

void TDesktop::SetDefaultCursor(TCursor Value) {
  FDefaultCursor = Value;
  const QPoint p = mapFromGlobal(QCursor::pos());
  UpdateCursorAt(TPoint{p.x(), p.y()});
}

TControl* TDesktop::ControlAtPos(const TPoint& P, bool AllowDisabled) const {
  for (int i = ControlCount() - 1; i >= 0; --i) {
    TControl* c = Control(i);
    if (!c->Visible() || (!AllowDisabled && !c->Enabled())) continue;
    if (!PtInRect(c->BoundsRect(), P)) continue;
    if (c->HitTest(P.x - c->Left(), P.y - c->Top())) return c;
  }
  return nullptr;
}

void TDesktop::PaintControl(QPainter& Painter, TControl* Control, const QRect& Area) {
  const QRect bounds(Control->Left(), Control->Top(), Control->Width(), Control->Height());
  const QRect clip = bounds.intersected(Area);
  if (clip.isEmpty()) return;
  // A control inside the painted area is clipped by its canvas only where a primitive
  // reaches beyond it; one that crosses the area's edge is clipped by the painter.
  const bool inside = Area.contains(bounds);
  if (!inside) Painter.setClipRect(clip);
  Painter.translate(bounds.left(), bounds.top());
  TCanvas* canvas = Control->Canvas();
  canvas->Attach(&Painter);
  if (inside) canvas->SetClipBounds(TRect{0, 0, bounds.width(), bounds.height()});
  try {
    Control->DoPaint();
  } catch (...) {
    const QString msg = MessageOf(std::current_exception());
    if (FPaintFailures.emplace(Control, msg).second) ReportError(msg);
  }
  canvas->Detach();
  Painter.translate(-bounds.left(), -bounds.top());
  Painter.setClipping(false);
  Painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
}

void TDesktop::PaintControls(QPainter& Painter, const QRect& Area) {
  Painter.save();
  Painter.setRenderHint(QPainter::Antialiasing, false);
  Painter.fillRect(Area, ColorToQColor(FColor));
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Control(i);
    if (c->Visible() && c->Width() > 0 && c->Height() > 0) PaintControl(Painter, c, Area);
  }
  Painter.restore();
}

void TDesktop::RenderTo(QImage& Image, const TPoint& Origin) {
  QPainter painter(&Image);
  painter.translate(-Origin.x, -Origin.y);
  PaintControls(painter, QRect(Origin.x, Origin.y, Image.width(), Image.height()));
}

void TDesktop::ReportError(const QString& Message) {
  if (OnError) {
    try {
      OnError(Message);
      return;
    } catch (...) {
      // The reporter itself failed: the message goes to the log below.
    }
  }
  qWarning("%s", qPrintable(Message));
}

bool TDesktop::Guard(const std::function<void()>& Action) {
  try {
    Action();
    return true;
  } catch (...) {
    // One report per failure and gesture: a drag that keeps failing is not reported at
    // every mouse move.
    const QString msg = MessageOf(std::current_exception());
    if (msg != FLastGuardError) {
      FLastGuardError = msg;
      ReportError(msg);
    }
    return false;
  }
}

void TDesktop::InsertControl(TControl* Control) { FControls.Add(Control); }

void TDesktop::Forget(const TComponent* Control) {
  if (FClicked && static_cast<const TComponent*>(FClicked) == Control) FClicked = nullptr;
  if (FCaptured && static_cast<const TComponent*>(FCaptured) == Control) {
    FCaptured = nullptr;
    FClickPending = false;
  }
  for (auto it = FPaintFailures.begin(); it != FPaintFailures.end();)
    it = static_cast<const TComponent*>(it->first) == Control ? FPaintFailures.erase(it) : std::next(it);
}

void TDesktop::RemoveControl(TControl* Control) {
  if (!FControls.Remove(Control)) return;
  InvalidateRect(Control->BoundsRect());
  Forget(Control);
}

void TDesktop::MoveControl(TControl* Control, bool ToFront) {
  if (!FControls.Remove(Control)) return;
  if (ToFront)
    FControls.Add(Control);
  else
    FControls.AddFirst(Control);
}

void TDesktop::InvalidateRect(const TRect& R) {
  if (R.IsEmpty()) return;
  update(QRect(R.Left, R.Top, R.Width(), R.Height()));
}

void TDesktop::ControlCursorChanged(TControl* Control) {
  if (!underMouse()) return;
  UpdateCursorAt(TPoint{mapFromGlobal(QCursor::pos()).x(), mapFromGlobal(QCursor::pos()).y()});
}

TControl* TDesktop::MouseTarget(const TPoint& P) const {
  if (FCaptured) return FCaptured;
  return FHeldByDesktop ? nullptr : ControlAtPos(P);
}

void TDesktop::UpdateCursorAt(const TPoint& P) {
  TControl* c = MouseTarget(P);
  setCursor(CursorShapeOf(c && c->Cursor() != crDefault ? c->Cursor() : FDefaultCursor));
}

void TDesktop::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove) Forget(AComponent);
}

void TDesktop::paintEvent(QPaintEvent* Event) {
  try {
    QPainter painter(this);
    PaintControls(painter, Event->rect());
  } catch (...) {
    ReportError(MessageOf(std::current_exception()));
  }
}

void TDesktop::EndStaleCapture(Qt::MouseButtons Held) {
  // A control keeps the mouse only while a button is held. When a press opens a modal window
  // (a double click opens a dialog), its release goes to that window, and the desktop learns
  // that the button is up only from the next event.
  if (Held != Qt::NoButton) return;
  FHeldByDesktop = false;
  FCaptured = nullptr;
  FClickPending = false;
}

void TDesktop::mousePressEvent(QMouseEvent* Event) {
  const TPoint p{Event->position().toPoint().x(), Event->position().toPoint().y()};
  const TMouseButton button = ButtonOf(Event->button());
  const TShiftState shift = ShiftStateOf(Event->modifiers(), Event->buttons());
  EndStaleCapture(Event->buttons() & ~Event->button());
  if (!FCaptured) FLastGuardError.clear();
  Guard([&] {
    if (FCaptured) return; // a second button while one is held goes to the same control
    TControl* c = MouseTarget(p);
    if (c) {
      FCaptured = c;
      FClickPending = button == TMouseButton::mbLeft;
      c->DoMouseDown(button, shift, p.x - c->Left(), p.y - c->Top());
    } else {
      FHeldByDesktop = true;
      if (OnMouseDown) OnMouseDown(this, button, shift, p.x, p.y);
    }
  });
}

void TDesktop::mouseDoubleClickEvent(QMouseEvent* Event) {
  const TPoint p{Event->position().toPoint().x(), Event->position().toPoint().y()};
  const TMouseButton button = ButtonOf(Event->button());
  const TShiftState shift = ShiftStateOf(Event->modifiers(), Event->buttons()) | ssDouble;
  EndStaleCapture(Event->buttons() & ~Event->button());
  Guard([&] {
    TControl* c = MouseTarget(p);
    if (c) {
      FCaptured = c;
      FClickPending = false;
      if (button == TMouseButton::mbLeft) c->DoDblClick();
      if (FCaptured == c) c->DoMouseDown(button, shift, p.x - c->Left(), p.y - c->Top());
    } else {
      FHeldByDesktop = true;
      if (button == TMouseButton::mbLeft && OnDblClick) OnDblClick(this);
      if (OnMouseDown) OnMouseDown(this, button, shift, p.x, p.y);
    }
  });
}

void TDesktop::mouseMoveEvent(QMouseEvent* Event) {
  const TPoint p{Event->position().toPoint().x(), Event->position().toPoint().y()};
  const TShiftState shift = ShiftStateOf(Event->modifiers(), Event->buttons());
  EndStaleCapture(Event->buttons());
  Guard([&] {
    TControl* c = MouseTarget(p);
    if (c)
      c->DoMouseMove(shift, p.x - c->Left(), p.y - c->Top());
    else if (OnMouseMove)
      OnMouseMove(this, shift, p.x, p.y);
    UpdateCursorAt(p);
  });
}

void TDesktop::mouseReleaseEvent(QMouseEvent* Event) {
  const TPoint p{Event->position().toPoint().x(), Event->position().toPoint().y()};
  const TMouseButton button = ButtonOf(Event->button());
  const TShiftState shift = ShiftStateOf(Event->modifiers(), Event->buttons());
  Guard([&] {
    TControl* c = FCaptured;
    if (Event->buttons() == Qt::NoButton) {
      FCaptured = nullptr;
      FHeldByDesktop = false;
    }
    if (c) {
      const bool click = FClickPending && button == TMouseButton::mbLeft && PtInRect(c->BoundsRect(), p);
      FClickPending = false;
      // Click comes before the release, as the control library does it; either may remove
      // the control, which the removal notification tells us.
      TControl* target = c;
      if (click) {
        FClicked = target;
        const TScopeGuard clicked([this] { FClicked = nullptr; });
        target->DoClick();
        if (FClicked != target) return;
      }
      target->DoMouseUp(button, shift, p.x - target->Left(), p.y - target->Top());
    } else if (OnMouseUp) {
      OnMouseUp(this, button, shift, p.x, p.y);
    }
  });
  UpdateCursorAt(p);
}

bool TDesktop::event(QEvent* Event) {
  if (Event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(Event);
    TControl* c = ControlAtPos(TPoint{help->pos().x(), help->pos().y()});
    if (c && !c->Hint().isEmpty())
      QToolTip::showText(help->globalPos(), c->Hint(), this);
    else
      QToolTip::hideText();
    return true;
  }
  return QWidget::event(Event);
}

} // namespace ui
