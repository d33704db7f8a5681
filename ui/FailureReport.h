#pragma once
// The one way a failure leaves a slot or an event handler: caught there and shown with MB
// under a window's title (the program's name when none is given); when even the message box
// fails, the log gets the text. Nothing reaches the event loop.

#include <QObject>
#include <QString>
#include <QWidget>
#include <concepts>
#include <exception>
#include <functional>
#include <type_traits>
#include <utility>

namespace ui {

// The message shown for a failure that carries no text of its own.
QString UnexpectedErrorText();

// Shows the caught Error; never throws.
void ReportFailure(std::exception_ptr Error, const QString& Title = QString());
// Shows the text of a failure; never throws.
void ReportFailureText(const QString& Message, const QString& Title = QString());

// Runs Action and reports whatever it throws; true when it ran through.
bool Guarded(const std::function<void()>& Action, const QString& Title = QString());

// The title a failure in Widget is shown under: its own title, or the title of the window it
// lies in when it has none.
QString FailureTitle(const QWidget* Widget);

// Whose title a guarded connect shows a failure under: the program's name, or (for a widget
// as the context) the context's title as FailureTitle gives it when the signal comes.
enum class TFailureTitle {
  Program,
  Context
};

// The slot of a guarded connect: runs Action with the signal's leading arguments that it takes
// (Qt offers them from all down to none) and reports whatever it throws.
template <class TContext, class TAction>
struct TGuardedSlot {
  TContext* Context;
  TFailureTitle Title;
  TAction Action;

  template <class... TArgs>
  requires std::invocable<const TAction&, const TArgs&...>
  void operator()(const TArgs&... Args) const {
    QString title;
    if constexpr (std::is_base_of_v<QWidget, TContext>)
      if (Title == TFailureTitle::Context) title = FailureTitle(Context);
    Guarded([&] { Action(Args...); }, title);
  }
};

// Connects Signal of Sender to Action in Context, guarded: whatever Action throws is reported.
// Action takes the signal's leading arguments, or none.
template <class TSender, class TSignal, class TContext, class TAction>
QMetaObject::Connection GuardedConnect(TSender* Sender, TSignal Signal, TContext* Context, TAction Action,
                                       TFailureTitle Title = TFailureTitle::Program) {
  static_assert(std::is_base_of_v<QObject, TContext>);
  return QObject::connect(Sender, Signal, Context,
                          TGuardedSlot<TContext, TAction>{Context, Title, std::move(Action)});
}

} // namespace ui
