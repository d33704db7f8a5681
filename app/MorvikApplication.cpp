#include "app/MorvikApplication.h"

#include "ui/Exception.h"
#include "ui/FailureReport.h"
#include "ui/MB.h"

#include <exception>

TMorvikApplication::TMorvikApplication(int& Argc, char** Argv) : QApplication(Argc, Argv) {}

bool TMorvikApplication::notify(QObject* Receiver, QEvent* Event) {
  try {
    return QApplication::notify(Receiver, Event);
  } catch (...) {
    ShowException(std::current_exception());
    return false;
  }
}

void TMorvikApplication::ShowException(std::exception_ptr Error) { ui::ReportFailure(Error); }
