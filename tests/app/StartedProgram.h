// The program started as it starts, with its main window shown at a fixed size, for the tests
// that drive it through the main window. The caller frees what it returns.
#pragma once

#include "app/Startup.h"
#include "app/frmMain.h"

#include <QApplication>
#include <QString>
#include <QStringList>

// Arguments: the command line after the program's name.
inline TStartup* StartProgram(const QString& ProgramPath, const QStringList& Arguments = {}) {
  auto* startup = new TStartup(ProgramPath, Arguments);
  startup->Start();
  frmMain->resize(900, 700);
  frmMain->show();
  QApplication::processEvents();
  return startup;
}
