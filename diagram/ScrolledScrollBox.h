// The scroll box that carries a schema window's desktop. Besides the plain scroll area it
// reports every scrolling done by the user, and it lets the window set the scroll positions
// as properties with an event that reports the position each scroll bar actually took.
#pragma once

#include <QScrollArea>

#include <functional>

class TScrolledScrollBox;

enum TSettingPosition {
  spVertical,
  spHorizontal
};

using TScrollEvent = std::function<void(TScrolledScrollBox* Sender)>;
using TPositionEvent = std::function<void(TScrolledScrollBox* Sender, TSettingPosition SettingPosition,
                                          int OldValue, int NewValue)>;

class TScrolledScrollBox : public QScrollArea {
public:
  explicit TScrolledScrollBox(QWidget* Parent = nullptr);

  // Fired after the user scrolled with either scroll bar (arrows, page, drag, wheel),
  // once per scroll step, after the contents moved. Never fired by HorzPosition or
  // VertPosition.
  TScrollEvent OnScroll;
  // Fired after HorzPosition or VertPosition was set, also when nothing changed, with the
  // position the scroll bar took after clamping to its range.
  TPositionEvent OnChangedPosition;

  int HorzPosition() const;
  void SetHorzPosition(int Value);
  int VertPosition() const;
  void SetVertPosition(int Value);

private:
  void UserScrolled(QScrollBar* Bar);
  void SetPosition(QScrollBar* Bar, TSettingPosition Which, int Value);
};
