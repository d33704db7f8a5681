#pragma once
// The desktop: one widget that holds windowless controls, paints them in z-order (the first
// control at the bottom), finds the topmost visible control under a point and routes the
// mouse to it, keeping the control that received a press captured until the release.
// It paints the same way into any QPainter (a QImage for tests, a preview bitmap).
// No exception of a control leaves the event loop: the desktop catches it, and reports it
// through OnError (a failing paint is reported once per control and message).

#include "ui/Color.h"
#include "ui/Component.h"
#include "ui/Types.h"

#include <QWidget>
#include <functional>
#include <set>
#include <utility>
#include <vector>

class QPainter;
class QImage;

namespace ui {

class TControl;

class TDesktop : public QWidget, public TComponent {
public:
  explicit TDesktop(QWidget* Parent = nullptr);
  ~TDesktop() override;

  int ControlCount() const { return FControls.Count(); }
  TControl* Control(int Index) const;
  int IndexOfControl(const TControl* Control) const;

  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  // The cursor where no control is, and over controls that leave the cursor to the desktop
  // (crDefault).
  TCursor DefaultCursor() const { return FDefaultCursor; }
  void SetDefaultCursor(TCursor Value);

  // Topmost visible (and, unless AllowDisabled, enabled) control whose rectangle holds P
  // and whose HitTest accepts it; null when there is none.
  TControl* ControlAtPos(const TPoint& P, bool AllowDisabled = false) const;

  // The control that holds the mouse between a press and its release, or null.
  TControl* Captured() const { return FCaptured; }

  // Paints the background and every visible control meeting Area (desktop coordinates)
  // through Painter, whose origin is the desktop's top-left corner.
  void PaintControls(QPainter& Painter, const QRect& Area);
  // Paints the part of the desktop at Origin into Image (of the image's size).
  void RenderTo(QImage& Image, const TPoint& Origin = TPoint{0, 0});

  // Desktop mouse events: a press with no control under it, and moves and releases that
  // no control holds; after such a press the desktop keeps the mouse until its release, over
  // controls too. Coordinates are desktop coordinates.
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnDblClick;
  // Receives the message of every exception caught at the event loop's edge.
  std::function<void(const QString& Message)> OnError;

  // Reports Message through OnError (or the log when OnError is not set).
  void ReportError(const QString& Message);
  // Runs Action and reports any exception instead of letting it pass; true on success.
  // The same message is reported once until the next press.
  bool Guard(const std::function<void()>& Action);

  // Used by TControl.
  void InsertControl(TControl* Control);
  void RemoveControl(TControl* Control);
  void MoveControl(TControl* Control, bool ToFront);
  void InvalidateRect(const TRect& R);
  void ControlCursorChanged(TControl* Control);

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void paintEvent(QPaintEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;
  void mouseMoveEvent(QMouseEvent* Event) override;
  void mouseReleaseEvent(QMouseEvent* Event) override;
  void mouseDoubleClickEvent(QMouseEvent* Event) override;
  bool event(QEvent* Event) override;

private:
  void PaintControl(QPainter& Painter, TControl* Control, const QRect& Area);
  void UpdateCursorAt(const TPoint& P);
  // Drops every pointer to a control that is going away (compared only, never used).
  void Forget(const TComponent* Control);
  // Ends the capture when an event shows no button Held: the release went elsewhere.
  void EndStaleCapture(Qt::MouseButtons Held);
  // The control that gets a mouse event at P: the one holding the mouse, none while the
  // desktop holds it, else the one under P.
  TControl* MouseTarget(const TPoint& P) const;

  // The controls in z-order; only TControls are put in.
  TComponentList FControls;
  TColor FColor = clWhite;
  TCursor FDefaultCursor = crDefault;
  TControl* FCaptured = nullptr;
  // The control being clicked while its click runs; null once the click removed it.
  TControl* FClicked = nullptr;
  // A press on free desktop holds the mouse for the desktop's own events until its release.
  bool FHeldByDesktop = false;
  bool FClickPending = false;
  std::set<std::pair<const TControl*, QString>> FPaintFailures;
  QString FLastGuardError;
};

// Mouse state of a Qt event as buttons and keys held.
TShiftState ShiftStateOf(Qt::KeyboardModifiers Modifiers, Qt::MouseButtons Buttons);
Qt::CursorShape CursorShapeOf(TCursor Cursor);

} // namespace ui
