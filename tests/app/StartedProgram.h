// The program started as it starts, with its main window shown at a fixed size, for the tests
// that drive it through the main window; their main() is in StartedProgram.cpp.
#pragma once

#include "app/Startup.h"
#include "app/dmMain.h"
#include "app/frmMain.h"
#include "editor/frmDesign.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

// The built program, beside the folder of the built plug-in.
inline const QString ProgramPath = QStringLiteral(MORVIK_PLUGIN_DIR "/../morvik");

// The program at Path; Arguments: the command line after the program's name. The caller frees
// what it returns.
inline TStartup* StartProgram(const QString& Path, const QStringList& Arguments = {}) {
  auto* startup = new TStartup(Path, Arguments);
  startup->Start();
  frmMain->resize(900, 700);
  frmMain->show();
  QApplication::processEvents();
  return startup;
}

// Lets the waiting events run, the deferred deletions of closed windows included.
inline void Settle() {
  for (int i = 0; i < 3; ++i) {
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
}

// A suite run on one started program: it starts before the suite's first test and ends after
// its last. Each test's messages are kept in messages instead of being shown, and the schema
// windows it leaves are closed without a question.
class TStartedProgram : public ::testing::Test {
protected:
  static void SetUpTestSuite() { startup = StartProgram(ProgramPath); }
  static void TearDownTestSuite() {
    delete startup;
    startup = nullptr;
  }
  void SetUp() override {
    messages.clear();
    dmMain->MessageDisplay = [](const QString& m) { messages << m; };
  }
  void TearDown() override { CloseDesigns(); }

  static void CloseDesigns() {
    for (TfrmDesign* d : frmMain->Designs()) d->CloseWithoutQuery();
    Settle();
  }
  // A new schema window of the built plug-in's model.
  static TfrmDesign* New() {
    TfrmDesign* d = dmMain->NewDesign("varne.so", "InterBase 6", "2.0");
    Settle();
    return d;
  }

  static inline TStartup* startup = nullptr;
  static inline QStringList messages;
};
