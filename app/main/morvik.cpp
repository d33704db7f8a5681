// The program's entry: brings the program up and runs it until the main window closes.
#include "app/MorvikApplication.h"
#include "app/Startup.h"

#include <QCoreApplication>
#include <exception>

int main(int argc, char** argv) {
  TMorvikApplication application(argc, argv);
  try {
    TStartup startup(QCoreApplication::applicationFilePath(), QCoreApplication::arguments().mid(1));
    startup.Start();
    return startup.Run();
  } catch (...) {
    TMorvikApplication::ShowException(std::current_exception());
    return 0;
  }
}
