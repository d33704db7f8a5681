// The main window's commands on its schema windows, the program started as it starts: the
// window arrangement (cascade, tiles, minimise all).
#include "app/MorvikApplication.h"
#include "app/Startup.h"
#include "app/dmMain.h"
#include "app/frmMain.h"
#include "editor/frmDesign.h"
#include "tests/app/StartedProgram.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

const QString ProgramPath = QStringLiteral(MORVIK_PLUGIN_DIR "/../morvik");

class WindowCommands : public ::testing::Test {
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
  void TearDown() override {
    for (TfrmDesign* d : frmMain->Designs()) d->CloseWithoutQuery();
    Settle();
    EXPECT_TRUE(messages.isEmpty()) << qPrintable(messages.join("|"));
  }
  static void Settle() {
    for (int i = 0; i < 3; ++i) {
      QApplication::processEvents();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
  }
  static TfrmDesign* New() {
    TfrmDesign* d = dmMain->NewDesign("varne.so", "InterBase 6", "2.0");
    Settle();
    return d;
  }

  static TStartup* startup;
  static QStringList messages;
};
TStartup* WindowCommands::startup = nullptr;
QStringList WindowCommands::messages;

// How the child windows lie after an arrangement command.
enum class TArrangement {
  Cascade,
  Rows,
  Columns,
  Minimised
};

TEST_F(WindowCommands, ArrangeTheChildWindows) {
  for (int i = 0; i < 3; ++i) ASSERT_NE(New(), nullptr);
  const std::vector<QMdiSubWindow*> windows = frmMain->ChildWindows();
  ASSERT_EQ(windows.size(), 3u);
  struct Case {
    QAction* Action;
    TArrangement Arrangement;
  };
  const Case cases[] = {{dmMain->acWindowCascade, TArrangement::Cascade},
                        {dmMain->acWindowTileHorizontal, TArrangement::Rows},
                        {dmMain->acWindowTileVertical, TArrangement::Columns},
                        {dmMain->acWindowMinimizeAll, TArrangement::Minimised}};
  for (const Case& c : cases)
    for (const bool maximised : {false, true}) {
      SCOPED_TRACE(c.Action->objectName().toStdString() + (maximised ? " from a maximised window" : ""));
      // Each command starts from windows of their own size and place, or from a maximised one, whose
      // caption the main window shows.
      for (QMdiSubWindow* w : windows) w->showNormal();
      for (size_t i = 0; i < windows.size(); ++i) windows[i]->setGeometry(40 * int(i), 30 * int(i), 300, 200);
      frmMain->ClientArea->setActiveSubWindow(windows[1]);
      if (maximised) windows[1]->showMaximized();
      Settle();
      ASSERT_EQ(frmMain->windowTitle(),
                maximised ? "Morvik - [" + windows[1]->windowTitle() + "]" : "Morvik");
      dmMain->UpdateActions();
      ASSERT_TRUE(c.Action->isEnabled());
      c.Action->trigger();
      Settle();

      const QRect area = frmMain->ClientArea->viewport()->rect();
      EXPECT_EQ(frmMain->windowTitle(), "Morvik");
      EXPECT_EQ(frmMain->ChildWindows().size(), 3u);
      for (QMdiSubWindow* w : windows) {
        EXPECT_FALSE(w->isMaximized());
        EXPECT_EQ(w->isMinimized(), c.Arrangement == TArrangement::Minimised);
      }
      std::vector<QRect> frames;
      for (QMdiSubWindow* w : windows) frames.push_back(w->geometry());
      switch (c.Arrangement) {
        case TArrangement::Cascade: {
          // One size, each window lower and further right than the one before, all inside.
          std::sort(frames.begin(), frames.end(),
                    [](const QRect& a, const QRect& b) { return a.x() < b.x(); });
          for (size_t i = 0; i < frames.size(); ++i) {
            EXPECT_TRUE(area.contains(frames[i])) << i;
            EXPECT_EQ(frames[i].size(), frames[0].size()) << i;
            if (i > 0) {
              EXPECT_GT(frames[i].x(), frames[i - 1].x()) << i;
              EXPECT_GT(frames[i].y(), frames[i - 1].y()) << i;
            }
          }
          break;
        }
        case TArrangement::Rows:
        case TArrangement::Columns: {
          // The windows share the area without overlapping: full width one above another, or
          // full height side by side.
          const bool rows = c.Arrangement == TArrangement::Rows;
          const auto start = [rows](const QRect& r) { return rows ? r.y() : r.x(); };
          const auto length = [rows](const QRect& r) { return rows ? r.height() : r.width(); };
          std::sort(frames.begin(), frames.end(),
                    [&start](const QRect& a, const QRect& b) { return start(a) < start(b); });
          int next = 0;
          for (const QRect& r : frames) {
            EXPECT_EQ(start(r), next);
            EXPECT_EQ(rows ? r.x() : r.y(), 0);
            EXPECT_EQ(rows ? r.width() : r.height(), rows ? area.width() : area.height());
            EXPECT_GT(length(r), 0);
            next = start(r) + length(r);
          }
          EXPECT_EQ(next, rows ? area.height() : area.width());
          break;
        }
        case TArrangement::Minimised: break;
      }
      // The commands stay available while the child windows exist.
      dmMain->UpdateActions();
      for (const Case& other : cases) EXPECT_TRUE(other.Action->isEnabled());
    }
}

} // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  TMorvikApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
