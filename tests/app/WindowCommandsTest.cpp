// The main window's commands on its schema windows, the program started as it starts: the
// window arrangement (cascade, tiles, minimise all), the window menu's list and closing the
// active window, showing and hiding the rulers, and the printer setup, whose new page the
// rulers then mark.
#include "app/MyPrinter.h"
#include "app/Startup.h"
#include "app/dmMain.h"
#include "app/frmMain.h"
#include "editor/Ruler.h"
#include "editor/frmDesign.h"
#include "diagram/ScrolledScrollBox.h"
#include "tests/app/StartedProgram.h"
#include "ui/MB.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPageSetupDialog>
#include <QPageSize>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

// No command shows a message.
class WindowCommands : public TStartedProgram {
protected:
  void TearDown() override {
    TStartedProgram::TearDown();
    EXPECT_TRUE(messages.isEmpty()) << qPrintable(messages.join("|"));
  }
};

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

// The window entries of the window menu as it opens: their captions, and which is checked.
std::vector<std::pair<QString, bool>> WindowEntries() {
  emit dmMain->miWindow->aboutToShow();
  std::vector<std::pair<QString, bool>> entries;
  for (QAction* a : dmMain->miWindow->actions())
    if (a->property("windowEntry").toBool() && !a->isSeparator())
      entries.emplace_back(a->text(), a->isChecked());
  return entries;
}

// Answers the next message box with the button of the given caption and keeps its text.
void AnswerBox(const QString& Caption, QStringList* Asked) {
  QTimer::singleShot(0, [Caption, Asked] {
    auto* box = qobject_cast<TfMB*>(QApplication::activeModalWidget());
    if (!box) return AnswerBox(Caption, Asked);
    *Asked << box->lMsg->text();
    for (QPushButton* b : box->Buttons())
      if (b->text() == Caption) b->click();
  });
}

// The frame's caption names the active schema once while it is maximised, whatever opens,
// renames, switches or closes meanwhile.
TEST_F(WindowCommands, TheCaptionNamesTheMaximisedSchemaOnce) {
  TfrmDesign* first = New();
  ASSERT_NE(first, nullptr);
  QMdiSubWindow* firstWindow = frmMain->ClientArea->currentSubWindow();
  const auto expected = [] {
    QMdiSubWindow* w = frmMain->ClientArea->currentSubWindow();
    return w && w->isMaximized() ? "Morvik - [" + w->windowTitle() + "]" : QStringLiteral("Morvik");
  };
  struct Step {
    const char* What;
    std::function<void()> Do;
    const char* Caption; // the caption's schema part, or null for "Morvik" alone
  };
  QString firstCaption;
  const Step steps[] = {
      {"maximised", [&] { firstWindow->showMaximized(); }, nullptr},
      {"a schema file opened meanwhile", [] { dmMain->OpenFile(SCHEMA_FIXTURES "/schema.xml"); },
       "schema.xml (InterBase 6)"},
      {"back to the first", [&] { frmMain->ClientArea->setActiveSubWindow(firstWindow); }, nullptr},
      {"the first renamed", [&] { first->SetFileName(QString(), "Sklad"); }, "Sklad (InterBase 6)"},
      {"restored", [&] { firstWindow->showNormal(); }, ""},
      {"maximised again and closed",
       [&] {
         firstWindow->showMaximized();
         Settle();
         first->CloseWithoutQuery();
       },
       nullptr},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(s.What);
    s.Do();
    Settle();
    const QString caption = frmMain->windowTitle();
    EXPECT_EQ(caption.toStdString(), expected().toStdString());
    EXPECT_LE(caption.count(" - ["), 1);
    if (s.Caption)
      EXPECT_EQ(caption.toStdString(), *s.Caption ? "Morvik - [" + std::string(s.Caption) + "]" : "Morvik");
  }
  EXPECT_EQ(frmMain->ChildWindows().size(), 1u);
}

TEST_F(WindowCommands, TheWindowMenuListsTheWindowsAndClosesTheActiveOne) {
  EXPECT_TRUE(WindowEntries().empty());
  for (int i = 0; i < 3; ++i) ASSERT_NE(New(), nullptr);
  const std::vector<QMdiSubWindow*> windows = frmMain->ChildWindows();
  ASSERT_EQ(windows.size(), 3u);
  qobject_cast<TfrmDesign*>(windows[2]->widget())->SetFileName("/a/Tom & Jerry.xml", QString());
  Settle();
  const auto entry = [&windows](size_t I, bool Checked) {
    return std::pair{QStringLiteral("&%1 %2").arg(I + 1).arg(windows[I]->windowTitle()), Checked};
  };
  // Opened twice, the menu lists each window once, the active one checked; a "&" of a
  // caption is shown as it stands.
  WindowEntries();
  EXPECT_EQ(WindowEntries(),
            (std::vector{entry(0, false), entry(1, false),
                         std::pair{QStringLiteral("&3 Tom && Jerry.xml (InterBase 6)"), true}}));
  // Choosing an entry activates its window.
  for (QAction* a : dmMain->miWindow->actions())
    if (a->text() == entry(0, false).first) a->trigger();
  Settle();
  EXPECT_EQ(frmMain->ClientArea->activeSubWindow(), windows[0]);
  EXPECT_EQ(WindowEntries(),
            (std::vector{entry(0, true), entry(1, false),
                         std::pair{QStringLiteral("&3 Tom && Jerry.xml (InterBase 6)"), false}}));

  // Closing asks about unsaved changes: cancelled, the window stays; declined, it goes.
  QPointer<QMdiSubWindow> first(windows[0]);
  frmMain->ActiveDesign()->SetModified(true, mkDrawing);
  const std::pair<const char*, bool> answers[] = {{"&Zrušit", true}, {"&Ne", false}};
  for (const auto& [answer, stays] : answers) {
    SCOPED_TRACE(answer);
    QStringList asked;
    AnswerBox(QString::fromUtf8(answer), &asked);
    dmMain->UpdateActions();
    ASSERT_TRUE(dmMain->acWindowClose->isEnabled());
    dmMain->acWindowClose->trigger();
    Settle();
    EXPECT_EQ(asked.size(), 1);
    EXPECT_EQ(bool(first), stays);
    EXPECT_EQ(frmMain->ChildWindows().size(), stays ? 3u : 2u);
  }
  const std::vector<std::pair<QString, bool>> left = WindowEntries();
  ASSERT_EQ(left.size(), 2u);
  EXPECT_EQ(left[0].first, QStringLiteral("&1 %1").arg(windows[1]->windowTitle()));
  EXPECT_EQ(left[1].first, "&2 Tom && Jerry.xml (InterBase 6)");
}

TEST_F(WindowCommands, TheRulersActionShowsAndHidesTheActiveWindowsRulers) {
  TfrmDesign* a = New();
  TfrmDesign* b = New();
  ASSERT_TRUE(a && b);
  ASSERT_TRUE(dmMain->acShowRulers->isChecked());
  // The action's check follows the rulers of the window that is active, so that each use
  // turns them over.
  struct Step {
    TfrmDesign* Active;
    bool Before, After; // the action's check once the window is active, and after its use
    bool ShownA, ShownB;
  };
  const Step steps[] = {{b, true, false, true, false},
                        {a, true, false, false, false},
                        {b, false, true, false, true},
                        {a, false, true, true, true}};
  for (const Step& s : steps) {
    SCOPED_TRACE(s.Active == a ? "a" : "b");
    frmMain->ClientArea->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(s.Active->parentWidget()));
    Settle();
    ASSERT_EQ(frmMain->ActiveDesign(), s.Active);
    dmMain->UpdateActions();
    ASSERT_TRUE(dmMain->acShowRulers->isEnabled());
    EXPECT_EQ(dmMain->acShowRulers->isChecked(), s.Before);
    dmMain->acShowRulers->trigger();
    Settle();
    EXPECT_EQ(dmMain->acShowRulers->isChecked(), s.After);
    for (const auto& [design, shown] : {std::pair{a, s.ShownA}, std::pair{b, s.ShownB}}) {
      EXPECT_EQ(design->pbTopRuler->isVisible(), shown);
      EXPECT_EQ(design->pbLeftRuler->isVisible(), shown);
      // Without the rulers the desktop takes their room.
      const int offset = shown ? TfrmDesign::RulerSize : 0;
      EXPECT_EQ(design->sbxDesktop->geometry().topLeft(), QPoint(offset, offset));
    }
  }
}

// The number of black pixels in column X (or row Y) of Image.
int BlackColumn(const QImage& Image, int X) {
  int black = 0;
  for (int y = 0; y < Image.height(); ++y) black += Image.pixelColor(X, y) == Qt::black;
  return black;
}
int BlackRow(const QImage& Image, int Y) {
  int black = 0;
  for (int x = 0; x < Image.width(); ++x) black += Image.pixelColor(x, Y) == Qt::black;
  return black;
}

// Answers the printer setup dialog when it comes up: picks the page size (empty: keeps it),
// turns the page to landscape if asked, then confirms or cancels.
void AnswerPrinterSetup(const QString& PageSize, bool Landscape, bool Confirm, bool* Answered) {
  QTimer::singleShot(20, [=] {
    auto* dialog = qobject_cast<QPageSetupDialog*>(QApplication::activeModalWidget());
    if (!dialog) return AnswerPrinterSetup(PageSize, Landscape, Confirm, Answered);
    *Answered = true;
    if (!PageSize.isEmpty()) {
      auto* sizes = dialog->findChild<QComboBox*>(QStringLiteral("pageSizeCombo"));
      const int index = sizes ? sizes->findText(PageSize) : -1;
      EXPECT_GE(index, 0) << qPrintable(PageSize);
      if (index >= 0) sizes->setCurrentIndex(index);
    }
    if (Landscape) {
      auto* landscape = dialog->findChild<QRadioButton*>(QStringLiteral("landscape"));
      EXPECT_NE(landscape, nullptr);
      if (landscape) landscape->click();
    }
    if (Confirm)
      dialog->accept();
    else
      dialog->reject();
  });
}

TEST_F(WindowCommands, PrinterSetupMeasuresTheNewPageForTheRulers) {
  auto a4 = std::make_unique<QPrinter>(QPrinter::HighResolution);
  a4->setOutputFormat(QPrinter::PdfFormat);
  a4->setPageSize(QPageSize(QPageSize::A4));
  a4->setPageOrientation(QPageLayout::Portrait);
  dmMain->Printer = std::make_unique<TMyPrinter>(std::move(a4));
  TfrmDesign* d = New();
  ASSERT_NE(d, nullptr);
  qobject_cast<QMdiSubWindow*>(d->parentWidget())->showMaximized();
  d->sbxDesktop->SetHorzPosition(0);
  d->sbxDesktop->SetVertPosition(0);
  Settle();
  const int pagesW = d->DesktopWidthPag(), pagesH = d->DesktopHeightPag();
  const int pixW = d->DesktopWidthPix(), pixH = d->DesktopHeightPix();
  const double dpi = dmMain->Printer->ScreenDpiX;
  const auto pixels = [dpi](double Millimetres) { return Millimetres * dpi / 25.4; };

  struct Case {
    const char* What;
    QString PageSize;
    bool Landscape, Confirm;
    double Width, Height; // the page afterwards, in millimetres
  };
  const Case cases[] = {{"cancelled", "A6", false, false, 210, 297},
                        {"A6", "A6", false, true, 105, 148},
                        {"A6 landscape", {}, true, true, 148, 105}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    dmMain->UpdateActions();
    ASSERT_TRUE(dmMain->acSetPrinter->isEnabled());
    bool answered = false;
    AnswerPrinterSetup(c.PageSize, c.Landscape, c.Confirm, &answered);
    dmMain->acSetPrinter->trigger();
    Settle();
    ASSERT_TRUE(answered);
    const int width = dmMain->Printer->PageWidth, height = dmMain->Printer->PageHeight;
    EXPECT_NEAR(width, pixels(c.Width), 1.0);
    EXPECT_NEAR(height, pixels(c.Height), 1.0);
    // The open window keeps its desktop ...
    EXPECT_EQ(d->DesktopWidthPag(), pagesW);
    EXPECT_EQ(d->DesktopHeightPag(), pagesH);
    EXPECT_EQ(d->DesktopWidthPix(), pixW);
    EXPECT_EQ(d->DesktopHeightPix(), pixH);
    if (!c.Confirm) continue;
    // ... and its rulers, as the screen shows them, mark the new page.
    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(frmMain->winId()).toImage();
    const QRect top(d->pbTopRuler->mapTo(frmMain, QPoint(0, 0)), d->pbTopRuler->size());
    const QRect left(d->pbLeftRuler->mapTo(frmMain, QPoint(0, 0)), d->pbLeftRuler->size());
    ASSERT_GT(top.width(), TfrmDesign::RulerSize + width);
    ASSERT_GT(left.height(), height);
    EXPECT_EQ(BlackColumn(screen.copy(top), TfrmDesign::RulerSize + width), top.height());
    EXPECT_EQ(BlackRow(screen.copy(left), height), left.width());
  }
  // Without a printer there is nothing to set up.
  dmMain->Printer.reset();
  dmMain->UpdateActions();
  EXPECT_FALSE(dmMain->acSetPrinter->isEnabled());
  EXPECT_FALSE(dmMain->acPrint->isEnabled());
  dmMain->Printer = std::make_unique<TMyPrinter>();
}

} // namespace
