#include "app/PagePrinting.h"

#include "diagram/MorvikAbstract.h"
#include "diagram/Note.h"
#include "tests/support/PixelHelpers.h"
#include "ui/Desktop.h"
#include "ui/Graphics.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

using testing_pixels::Px;

QString Run(const QString& Program, const QStringList& Arguments) {
  QProcess p;
  p.start(Program, Arguments);
  if (!p.waitForFinished(60000) || p.exitCode() != 0) {
    ADD_FAILURE() << Program.toStdString() << " failed: " << p.readAllStandardError().toStdString();
    return {};
  }
  return QString::fromUtf8(p.readAllStandardOutput());
}

int PdfPageCount(const QString& Pdf) {
  const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(Run("pdfinfo", {Pdf}));
  return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The text of each page.
QStringList PdfPages(const QString& Pdf) {
  QStringList pages = Run("pdftotext", {"-layout", Pdf, "-"}).split(QLatin1Char('\f'));
  if (!pages.isEmpty() && pages.last().trimmed().isEmpty()) pages.removeLast();
  for (QString& page : pages) page = page.simplified();
  return pages;
}

// Each page as an image at Dpi, without smoothing.
std::vector<QImage> PdfImages(const QString& Pdf, int Dpi, const QString& Folder) {
  Run("pdftoppm",
      {"-r", QString::number(Dpi), "-aa", "no", "-aaVector", "no", "-png", Pdf, Folder + "/page"});
  std::vector<QImage> images;
  QDir dir(Folder);
  for (const QString& name : dir.entryList({"page-*.png"}, QDir::Files, QDir::Name))
    images.emplace_back(dir.filePath(name));
  return images;
}

// A PDF printer at 192 pixels per inch (twice the screen's 96) with margins of Margin mm,
// and its page figures.
class PagePrintingTest : public ::testing::Test {
protected:
  PagePrintingTest() {
    Printer.setOutputFormat(QPrinter::PdfFormat);
    Printer.setResolution(192);
    Printer.setPageSize(QPageSize(QPageSize::A5));
    Printer.setPageMargins(QMarginsF(15, 10, 15, 10), QPageLayout::Millimeter);
    Printer.setOutputFileName(Pdf());
    const QRectF paper = Printer.paperRect(QPrinter::DevicePixel);
    Figures.PrinterDpiX = Figures.PrinterDpiY = 192;
    Figures.ScreenDpiX = Figures.ScreenDpiY = 96;
    Figures.PageWidth = static_cast<int>(paper.width()) * 96 / 192;
    Figures.PageHeight = static_cast<int>(paper.height()) * 96 / 192;
    Desktop.SetColor(ui::clWhite);
  }

  TNote* Note(int Left, int Top, int Width, int Height, const QString& Text = QString()) {
    auto* note = new TNote(&Desktop);
    note->SetParent(&Desktop);
    note->SetBounds(Left, Top, Width, Height);
    if (!Text.isEmpty()) note->SetText(Text);
    return note;
  }
  QString Pdf() const { return Dir.filePath("print.pdf"); }
  int Print(const TPageGrid& Pages) { return PrintPages(Figures, Printer, Font, Pages, 0, 0, Desktop); }

  QTemporaryDir Dir;
  QPrinter Printer{QPrinter::HighResolution};
  TPageFigures Figures;
  ui::TDesktop Desktop;
  ui::TFont Font;
};

TEST_F(PagePrintingTest, AnElementIsOnEveryPageItsRectangleMeets) {
  const TPageFigures f{100, 50, 600, 600, 96, 96};
  ui::TDesktop desktop;
  auto* e = new TMorvikAbstract(&desktop); // takes any size, none included
  e->SetParent(&desktop);
  struct Case {
    int L, T, W, H;
    std::vector<std::pair<int, int>> On; // (column, row) of the pages among the first 3 x 3
  } cases[] = {
      {10, 10, 50, 20, {{1, 1}}},
      {90, 40, 20, 20, {{1, 1}, {2, 1}, {1, 2}, {2, 2}}}, // a corner of four pages
      {50, 10, 200, 20, {{1, 1}, {2, 1}, {3, 1}}},        // covers page 2 without a corner on it
      {-10, -10, 320, 170, {{1, 1}, {2, 1}, {3, 1}, {1, 2}, {2, 2}, {3, 2}, {1, 3}, {2, 3}, {3, 3}}},
      {0, 0, 100, 50, {{1, 1}}},   // ends exactly on the page edges
      {100, 50, 10, 10, {{2, 2}}}, // starts exactly on them
      {100, 20, 0, 0, {{2, 1}}},   // no size: the pixel at its corner
  };
  for (const Case& c : cases) {
    e->SetBounds(c.L, c.T, c.W, c.H);
    for (int column = 1; column <= 3; ++column)
      for (int row = 1; row <= 3; ++row) {
        const bool expected = std::find(c.On.begin(), c.On.end(), std::pair{column, row}) != c.On.end();
        EXPECT_EQ(IsOnPage(f, column, row, 0, 0, e), expected)
            << c.L << "," << c.T << " " << c.W << "x" << c.H << " page " << column << "," << row;
      }
  }
  // The offset moves the element; without a page size nothing is on any page.
  e->SetBounds(10, 10, 10, 10);
  EXPECT_TRUE(IsOnPage(f, 2, 1, 100, 0, e));
  EXPECT_FALSE(IsOnPage(TPageFigures{}, 1, 1, 0, 0, e));
}

TEST_F(PagePrintingTest, PagesAreCountedFromTheirExtent) {
  EXPECT_EQ(PagesFor(0, 100), 0);
  EXPECT_EQ(PagesFor(100, 100), 1);
  EXPECT_EQ(PagesFor(101, 100), 2);
  EXPECT_EQ(PagesFor(500, -1), 0);
  EXPECT_TRUE(MakePageGrid(0, 3, true).empty());
  const TPageGrid g = MakePageGrid(3, 2, true);
  EXPECT_EQ(GridColumns(g), 3);
  EXPECT_EQ(GridRows(g), 2);
}

TEST_F(PagePrintingTest, ChosenPagesWithElementsPrintColumnByColumnOneSheetEach) {
  const int W = Figures.PageWidth, H = Figures.PageHeight;
  // One note on every page of a 3 x 2 desktop but page (2, 2); page (3, 1) is not chosen.
  for (int column = 1; column <= 3; ++column)
    for (int row = 1; row <= 2; ++row)
      if (!(column == 2 && row == 2))
        Note((column - 1) * W + 40, (row - 1) * H + 60, 120, 60,
             QStringLiteral("NOTE_%1_%2").arg(column).arg(row));
  TPageGrid pages = MakePageGrid(3, 2, true);
  pages[0][2] = false;

  EXPECT_EQ(CountPagesToPrint(Figures, pages, 0, 0, Desktop), 4);
  EXPECT_EQ(Print(pages), 4);
  EXPECT_EQ(PdfPageCount(Pdf()), 4);
  const QStringList texts = PdfPages(Pdf());
  ASSERT_EQ(texts.size(), 4);
  const char* expected[][2] = {
      {"1, 1", "NOTE_1_1"}, {"1, 2", "NOTE_1_2"}, {"2, 1", "NOTE_2_1"}, {"3, 2", "NOTE_3_2"}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_TRUE(texts[i].startsWith(expected[i][0])) << texts[i].toStdString();
    EXPECT_TRUE(texts[i].contains(expected[i][1])) << texts[i].toStdString();
  }
}

TEST_F(PagePrintingTest, NothingToPrintBeginsNoDocument) {
  Note(40, 60, 120, 60);
  // Chosen pages without elements, or no chosen page with elements, or an empty grid.
  TPageGrid pages = MakePageGrid(2, 1, true);
  pages[0][0] = false;
  for (const TPageGrid& grid : {pages, MakePageGrid(2, 1, false), TPageGrid{}}) {
    EXPECT_EQ(CountPagesToPrint(Figures, grid, 0, 0, Desktop), 0);
    EXPECT_EQ(Print(grid), 0);
    EXPECT_FALSE(QFile::exists(Pdf()));
  }
  // Without page figures nothing divides by zero and nothing prints.
  Figures = TPageFigures{};
  EXPECT_EQ(Print(MakePageGrid(2, 1, true)), 0);
  EXPECT_FALSE(QFile::exists(Pdf()));
}

TEST_F(PagePrintingTest, ElementsPrintBlackOnWhiteAtTheirScaledPlaceOnTheSheet) {
  const int W = Figures.PageWidth, H = Figures.PageHeight;
  // A note on page (1, 1), and one across the corner of the four pages of a 2 x 2 desktop.
  Note(100, 60, 200, 100);
  Note(W - 50, H - 30, 100, 60);
  EXPECT_EQ(Print(MakePageGrid(2, 2, true)), 4);
  const auto sheets = PdfImages(Pdf(), 192, Dir.path());
  ASSERT_EQ(sheets.size(), 4u);

  // The first note: twice its size and place, whatever the margins of the sheet.
  const QImage& first = sheets[0];
  ASSERT_GE(first.width(), 2 * W - 1);
  EXPECT_EQ(Px(first, 200, 250), ui::clBlack); // left edge
  EXPECT_EQ(Px(first, 199, 250), ui::clWhite);
  EXPECT_EQ(Px(first, 201, 250), ui::clWhite);
  EXPECT_EQ(Px(first, 300, 120), ui::clBlack); // top edge
  EXPECT_EQ(Px(first, 300, 119), ui::clWhite);
  EXPECT_EQ(Px(first, 300, 319), ui::clBlack); // bottom edge
  EXPECT_EQ(Px(first, 300, 320), ui::clWhite);

  // The second note on each of the four sheets: its part of the box at the sheet's corner.
  struct Corner {
    int X, Y; // a pixel of the box's left or top edge on the sheet
    int InsideX, InsideY;
  } corners[] = {
      {2 * (W - 50), 2 * H - 20, 2 * (W - 50) + 10, 2 * H - 20}, // page 1, 1: left edge near the bottom
      {2 * (W - 50), 20, 2 * (W - 50) + 10, 20},                 // page 1, 2: left edge at the top
      {20, 2 * (H - 30), 20, 2 * (H - 30) + 10},                 // page 2, 1: top edge at the left
      {20, 2 * 30 - 1, 20, 2 * 30 - 10},                         // page 2, 2: bottom edge
  };
  for (int i = 0; i < 4; ++i) {
    const QImage& sheet = sheets[static_cast<size_t>(i)];
    EXPECT_EQ(Px(sheet, corners[i].X, corners[i].Y), ui::clBlack) << "sheet " << i + 1;
    EXPECT_EQ(Px(sheet, corners[i].InsideX, corners[i].InsideY), ui::clWhite) << "sheet " << i + 1;
  }
  EXPECT_EQ(PdfPages(Pdf()), QStringList({"1, 1", "1, 2", "2, 1", "2, 2"}));
}

TEST_F(PagePrintingTest, PreviewPaintsAPageAtScreenScale) {
  Note(Figures.PageWidth + 10, 20, 50, 40, QStringLiteral("X"));
  QImage page = testing_pixels::MakeImage(Figures.PageWidth, Figures.PageHeight, ui::clSilver);
  {
    testing_pixels::ImageCanvas c(page);
    PaintPage(Figures, Desktop, c.Canvas, 1, 2, 0, 0);
  }
  EXPECT_EQ(Px(page, 10, 40), ui::clBlack);
  EXPECT_EQ(Px(page, 9, 40), ui::clSilver);
  EXPECT_EQ(Px(page, 20, 40), ui::clWhite);
}

} // namespace
