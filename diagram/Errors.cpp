#include "diagram/Errors.h"

EMorvikError::EMorvikError(int Author, int Number, int Module, const QString& Message, int Priority)
    : ui::Exception(Message), FDeveloperCode(Author), FErrorCode(Number), FErrorType(Module),
      FPriority(Priority) {
  SetMessage(CompleteMessageString());
}

QString EMorvikError::CompleteMessageString() const {
  return QStringLiteral("MorvikError: %1-%2-%3\rDescription: %4")
      .arg(QString::number(static_cast<uint>(FDeveloperCode), 16).toUpper(), 3, QLatin1Char('0'))
      .arg(QString::number(static_cast<uint>(FErrorType), 16).toUpper(), 2, QLatin1Char('0'))
      .arg(QString::number(static_cast<uint>(FErrorCode), 16).toUpper(), 4, QLatin1Char('0'))
      .arg(Message());
}

void RaiseDiagramError(int Number, int Module, const QString& Message) {
  throw EMorvikError(dcGA, Number, Module, Message, epDefault);
}
