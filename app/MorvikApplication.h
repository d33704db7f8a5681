#pragma once
// The application object: an exception that escapes any event handler is shown with the
// message box and the program goes on.

#include <QApplication>

class TMorvikApplication : public QApplication {
public:
  TMorvikApplication(int& Argc, char** Argv);
  bool notify(QObject* Receiver, QEvent* Event) override;
  // Shows a caught failure with the message box; never throws.
  static void ShowException(std::exception_ptr Error);
};
