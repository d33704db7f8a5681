// Driving a window by keyboard in widget tests: keys go to the control that has the focus,
// as they do when a person types.
#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace testkeys {

// The control that has the window's focus (the window itself when none has).
inline QWidget* Focused(QWidget* Window) {
  QWidget* w = Window->focusWidget();
  return w != nullptr ? w : Window;
}

inline void Press(QWidget* Window, Qt::Key Key, Qt::KeyboardModifiers Modifiers = Qt::NoModifier) {
  QTest::keyClick(Focused(Window), Key, Modifiers);
}

// Tab (Forward) or Shift+Tab, Times times.
inline void Tab(QWidget* Window, int Times, bool Forward = true) {
  for (int i = 0; i < Times; ++i) {
    if (Forward)
      Press(Window, Qt::Key_Tab);
    else
      Press(Window, Qt::Key_Backtab, Qt::ShiftModifier);
  }
}

// The controls the Tab key visits from the window's first focus, up to the first repeat.
inline QList<QWidget*> TabChain(QWidget* Window, int Limit = 50) {
  QList<QWidget*> chain;
  QWidget* first = Focused(Window);
  chain << first;
  for (int i = 0; i < Limit; ++i) {
    Press(Window, Qt::Key_Tab);
    QWidget* w = Focused(Window);
    if (w == first) break;
    chain << w;
  }
  return chain;
}

} // namespace testkeys
