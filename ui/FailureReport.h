#pragma once
// The one way a failure leaves a slot or an event handler: caught there and shown with MB
// under a window's title (the program's name when none is given); when even the message box
// fails, the log gets the text. Nothing reaches the event loop.

#include <QObject>
#include <QString>
#include <exception>
#include <functional>
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

// Connects Signal of Sender to Action (which takes no arguments) in Context, guarded.
template <class TSender, class TSignal, class TAction>
QMetaObject::Connection GuardedConnect(TSender* Sender, TSignal Signal, QObject* Context, TAction Action) {
  return QObject::connect(Sender, Signal, Context, [Action = std::move(Action)] { Guarded(Action); });
}

} // namespace ui
