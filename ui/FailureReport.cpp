#include "ui/FailureReport.h"

#include "ui/Exception.h"
#include "ui/MB.h"

#include <QtDebug>

namespace ui {

QString UnexpectedErrorText() { return QStringLiteral("Nastala neočekávaná chyba."); }

void ReportFailure(std::exception_ptr Error, const QString& Title) {
  ReportFailureText(MessageOf(Error, UnexpectedErrorText()), Title);
}

void ReportFailureText(const QString& Message, const QString& Title) {
  try {
    MB(Message, Title.isEmpty() ? QStringLiteral("Morvik") : Title, mtError, MsgButtons({mbOK}));
  } catch (...) {
    // The message box itself failed: the log is the last place the text can go.
    qWarning("%s", qPrintable(Message));
  }
}

bool Guarded(const std::function<void()>& Action, const QString& Title) {
  try {
    Action();
    return true;
  } catch (...) {
    ReportFailure(std::current_exception(), Title);
    return false;
  }
}

QString FailureTitle(const QWidget* Widget) {
  const QString own = Widget->windowTitle();
  return own.isEmpty() ? Widget->window()->windowTitle() : own;
}

} // namespace ui
