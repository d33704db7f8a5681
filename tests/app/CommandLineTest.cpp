// The schema file named on the command line: the program opens it when its main window first
// shows and records it as recent; a file that cannot be opened is reported and the program
// runs on without it. Every case starts the program anew, as the user would.
#include "app/Startup.h"
#include "app/dmMain.h"
#include "app/frmMain.h"
#include "editor/VisualModel.h"
#include "editor/frmDesign.h"
#include "tests/app/StartedProgram.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace {

const QString Fixtures = QStringLiteral(SCHEMA_FIXTURES);

// Keeps the text of every message box that comes up while it lives and closes the box.
class TMessageBoxes {
public:
  TMessageBoxes() {
    QObject::connect(&Timer, &QTimer::timeout, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        Texts << box->text();
        box->accept();
      }
    });
    Timer.start(20);
  }
  QStringList Texts;

private:
  QTimer Timer;
};

QStringList Titles() {
  QStringList titles;
  for (TfrmDesign* d : frmMain->Designs()) titles << d->windowTitle();
  return titles;
}

TEST(CommandLine, TheFirstArgumentIsOpenedAtStartAndAFailureIsReported) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString missing = dir.filePath("chybí.xml");
  const QString folder = dir.filePath("složka.xml");
  ASSERT_TRUE(QDir().mkdir(folder));
  const QString garbage = dir.filePath("garbage.xml");
  QFile f(garbage);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("<no schema");
  f.close();
  const QString schema = Fixtures + "/schema.xml";
  const QString second = dir.filePath("second.xml");
  ASSERT_TRUE(QFile::copy(schema, second));
  const QString LoadFailed = QStringLiteral("Chyba při načítání schématu.\n");

  // Names without a folder are taken from the folder the program starts in.
  const QString startFolder = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(dir.path()));

  struct Case {
    const char* What;
    QStringList Arguments;
    QStringList Titles; // the schema windows open once the program is up
    QString Message;    // how the one message shown starts; empty: no message
    QString Recent;     // the newest recent file afterwards; empty: none was added
  };
  const Case cases[] = {
      {"no argument", {}, {}, {}, {}},
      {"a schema", {schema}, {"schema.xml (InterBase 6)"}, {}, schema},
      {"two schemas: the second is left", {schema, second}, {"schema.xml (InterBase 6)"}, {}, schema},
      {"a schema of the start folder", {"second.xml"}, {"second.xml (InterBase 6)"}, {}, second},
      {"a file that does not exist", {missing}, {}, LoadFailed, missing},
      {"a file of the start folder that does not exist", {"chybí.xml"}, {}, LoadFailed, missing},
      {"a folder", {folder}, {}, LoadFailed, folder},
      {"a file that is no schema", {garbage}, {}, LoadFailed, garbage},
      {"an empty argument", {""}, {}, {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    TMessageBoxes boxes;
    std::unique_ptr<TStartup> startup(StartProgram(ProgramPath, c.Arguments));
    Settle();
    EXPECT_EQ(Titles(), c.Titles);
    if (c.Message.isEmpty()) {
      EXPECT_TRUE(boxes.Texts.isEmpty()) << qPrintable(boxes.Texts.join("|"));
    } else {
      ASSERT_EQ(boxes.Texts.size(), 1);
      EXPECT_TRUE(boxes.Texts[0].startsWith(c.Message)) << qPrintable(boxes.Texts[0]);
      EXPECT_TRUE(boxes.Texts[0].contains(c.Arguments.first())) << qPrintable(boxes.Texts[0]);
    }
    if (!c.Titles.isEmpty()) {
      ASSERT_NE(frmMain->ActiveDesign(), nullptr);
      EXPECT_EQ(frmMain->ActiveDesign()->VisualModel->Entities.size(), 2u);
      EXPECT_FALSE(frmMain->ActiveDesign()->Modified());
    }
    // The named file is the newest recent file, with its whole path, also when it could not be
    // opened.
    if (!c.Recent.isEmpty()) {
      EXPECT_EQ(dmMain->ReopenFiles().value(0), c.Recent);
    }
    EXPECT_FALSE(dmMain->ReopenFiles().contains(QString()));

    // Showing the main window again opens nothing more.
    frmMain->hide();
    frmMain->show();
    frmMain->activateWindow();
    Settle();
    EXPECT_EQ(Titles(), c.Titles);
    EXPECT_EQ(boxes.Texts.size(), c.Message.isEmpty() ? 0 : 1);

    // The program goes on: it opens a schema as the user asks.
    EXPECT_TRUE(frmMain->isVisible());
    dmMain->OpenFile(second);
    Settle();
    EXPECT_EQ(Titles().size(), c.Titles.size() + 1);
    EXPECT_EQ(frmMain->ActiveDesign()->windowTitle(), "second.xml (InterBase 6)");

    for (TfrmDesign* d : frmMain->Designs()) d->CloseWithoutQuery();
    Settle();
  }
  QDir::setCurrent(startFolder);
}

} // namespace
