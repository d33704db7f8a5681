#include "app/frmPrintProperties.h"

#include "app/MyPrinter.h"
#include "app/ZoomBox.h"
#include "diagram/Attributes.h"
#include "diagram/Entity.h"
#include "diagram/Note.h"
#include "diagram/ScrolledScrollBox.h"
#include "editor/CreateComp.h"
#include "editor/DesignSamples.h"
#include "editor/frmDesign.h"
#include "tests/editor/FakeDesignHost.h"
#include "ui/Exception.h"
#include "ui/ImageList.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

QString PdfText(const QString& Pdf) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {Pdf, QStringLiteral("-")});
  if (!p.waitForFinished(60000)) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}

// A PDF printer at 192 pixels per inch on A5 sheets.
std::unique_ptr<QPrinter> PdfPrinter() {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setResolution(192);
  printer->setPageSize(QPageSize(QPageSize::A5));
  return printer;
}

// A schema window of 2 x 2 printer pages on the PDF printer.
class PrintPropertiesTest : public ::testing::Test {
protected:
  PrintPropertiesTest() {
    TDesignSamples::SetCurrent(&Samples);
    SetDesignImages(&Images);
    Host.PageSize = QSize(Printer.PageWidth, Printer.PageHeight);
    Design = std::make_unique<TfrmDesign>(&Host);
    Design->setAttribute(Qt::WA_DeleteOnClose, false);
    Design->resize(700, 500);
    Design->SetDesktopSize(2, 2, 2 * Printer.PageWidth, 2 * Printer.PageHeight);
  }
  ~PrintPropertiesTest() override {
    Design.reset();
    SetDesignImages(nullptr);
    TDesignSamples::SetCurrent(nullptr);
  }

  TNote* Note(int Left, int Top, const QString& Text) {
    auto* note = new TNote(Design->Desktop);
    note->SetParent(Design->Desktop);
    note->SetBounds(Left, Top, 120, 60);
    note->SetText(Text);
    return note;
  }
  // Runs Action inside the dialog's modal loop.
  void InDialog(std::function<void()> Action) {
    QTimer::singleShot(0, [this, Action] {
      EXPECT_EQ(QApplication::activeModalWidget(), &Dialog);
      Action();
    });
  }
  QPoint CellCentre(int Column, int Row) const {
    const int w = Dialog.pbPreview->width() / GridColumns(Dialog.Pages);
    const int h = Dialog.pbPreview->height() / GridRows(Dialog.Pages);
    return QPoint(Column * w + w / 2, Row * h + h / 2);
  }
  QString Pdf() const { return Dir.filePath(QStringLiteral("schema.pdf")); }
  int Print() {
    return PrintDesign(Dialog, Printer, *Design, [this] { return Pdf(); });
  }

  TDesignSamples Samples;
  ui::TImageList Images{nullptr};
  FakeDesignHost Host;
  TMyPrinter Printer{PdfPrinter()};
  std::unique_ptr<TfrmDesign> Design;
  TfrmPrintProperties Dialog;
  QTemporaryDir Dir;
};

TEST_F(PrintPropertiesTest, PagePickerTogglesPagesOnTheGridAndSelectsAll) {
  Note(40, 40, QStringLiteral("A"));
  bool checked = false;
  InDialog([&] {
    ASSERT_EQ(GridColumns(Dialog.Pages), 2);
    ASSERT_EQ(GridRows(Dialog.Pages), 2);
    EXPECT_EQ(Dialog.Pages, TPageGrid({{true, true}, {true, true}}));
    // A click flips the page under it; a second click flips it back.
    QTest::mouseClick(Dialog.pbPreview, Qt::LeftButton, {}, CellCentre(1, 0));
    EXPECT_EQ(Dialog.Pages, TPageGrid({{true, false}, {true, true}}));
    QTest::mouseClick(Dialog.pbPreview, Qt::LeftButton, {}, CellCentre(0, 1));
    EXPECT_EQ(Dialog.Pages, TPageGrid({{true, false}, {false, true}}));
    QTest::mouseClick(Dialog.pbPreview, Qt::LeftButton, {}, CellCentre(1, 0));
    EXPECT_EQ(Dialog.Pages, TPageGrid({{true, true}, {false, true}}));

    // The shading marks the chosen pages only.
    const QImage shot = Dialog.pbPreview->grab().toImage();
    const QColor highlight = Dialog.palette().color(QPalette::Highlight);
    auto shaded = [&](QPoint P) {
      return shot.pixelColor(P) == highlight || shot.pixelColor(P + QPoint(1, 0)) == highlight;
    };
    EXPECT_TRUE(shaded(CellCentre(1, 1)));
    EXPECT_FALSE(shaded(CellCentre(0, 1)));

    QTest::mouseClick(Dialog.btnDeselectAll, Qt::LeftButton);
    EXPECT_EQ(Dialog.Pages, TPageGrid({{false, false}, {false, false}}));
    QTest::mouseClick(Dialog.btnSelectAll, Qt::LeftButton);
    EXPECT_EQ(Dialog.Pages, TPageGrid({{true, true}, {true, true}}));
    checked = true;
    QTest::keyClick(&Dialog, Qt::Key_Escape);
  });
  EXPECT_FALSE(Dialog.Execute(&Printer, Design.get()));
  EXPECT_TRUE(checked);
}

TEST_F(PrintPropertiesTest, MiniatureShowsEachPageInItsCell) {
  Note(Printer.PageWidth + 20, Printer.PageHeight + 20, QStringLiteral("B"));
  InDialog([&] {
    const QImage& mini = Dialog.FullPreview();
    // Cells of 1000 x 500: silver pages, the note's outline black in the lower right one.
    const QColor silver(192, 192, 192);
    EXPECT_EQ(mini.pixelColor(500, 250), silver);
    EXPECT_EQ(mini.pixelColor(1500, 250), silver);
    int black = 0;
    for (int y = 500; y < 1000; ++y)
      for (int x = 1000; x < 2000; ++x) black += mini.pixelColor(x, y) == Qt::black;
    EXPECT_GT(black, 50);
    QTest::mouseClick(Dialog.btnCancel, Qt::LeftButton);
  });
  Dialog.Execute(&Printer, Design.get());
}

TEST_F(PrintPropertiesTest, ZoomEntriesZoomTheWindowAndTheGridFollows) {
  EXPECT_EQ(TZoomBox::ZoomOfText(QStringLiteral("12%")), 125);
  EXPECT_EQ(TZoomBox::ZoomOfText(QStringLiteral("400%")), 4000);
  EXPECT_EQ(TZoomBox::TextOfZoom(125), QStringLiteral("12%"));
  InDialog([&] {
    EXPECT_EQ(Dialog.cbxZoom->currentText(), QStringLiteral("100%"));
    Dialog.cbxZoomChange(QStringLiteral("12%"));
    EXPECT_EQ(Design->Zoom(), 125);
    EXPECT_EQ(Dialog.Pages, TPageGrid({{true}}));
    Dialog.cbxZoomChange(QStringLiteral("200%"));
    EXPECT_EQ(Design->Zoom(), 2000);
    EXPECT_EQ(GridColumns(Dialog.Pages), 4);
    EXPECT_EQ(GridRows(Dialog.Pages), 4);
    QTest::mouseClick(Dialog.btnCancel, Qt::LeftButton);
  });
  Dialog.Execute(&Printer, Design.get());
}

TEST_F(PrintPropertiesTest, PrintsTheChosenPagesAndGivesTheViewBack) {
  const int W = Printer.PageWidth, H = Printer.PageHeight;
  Note(40, 40, QStringLiteral("LEFT_TOP"));
  Note(W + 40, 40, QStringLiteral("RIGHT_TOP"));
  Note(40, H + 40, QStringLiteral("LEFT_BOTTOM"));
  auto* entity = new TEntity(Design->Desktop);
  entity->SetParent(Design->Desktop);
  entity->SetBounds(200, H + 100, 150, 80);
  entity->SetCaption(QStringLiteral("CUSTOMER"));
  entity->Attributes()->Add(QStringLiteral("CUSTOMER_ID"), QStringLiteral("INTEGER"), 1);
  Design->show();
  Design->SetZoomCentered(500);
  const int horz = Design->sbxDesktop->HorzPosition(), vert = Design->sbxDesktop->VertPosition();

  InDialog([&] {
    EXPECT_EQ(Design->Zoom(), 1000);
    QTest::mouseClick(Dialog.pbPreview, Qt::LeftButton, {}, CellCentre(1, 0)); // no RIGHT_TOP
    QTest::mouseClick(Dialog.btnPrint, Qt::LeftButton);
  });
  EXPECT_EQ(Print(), 2);
  EXPECT_EQ(Host.Messages, QStringList({QStringLiteral("Tisk dokončen.")}));
  const QString text = PdfText(Pdf());
  EXPECT_TRUE(text.contains(QStringLiteral("LEFT_TOP")));
  EXPECT_TRUE(text.contains(QStringLiteral("LEFT_BOTTOM")));
  EXPECT_TRUE(text.contains(QStringLiteral("CUSTOMER_ID")));
  EXPECT_FALSE(text.contains(QStringLiteral("RIGHT_TOP")));
  EXPECT_LT(text.indexOf(QStringLiteral("1, 1")), text.indexOf(QStringLiteral("1, 2")));
  EXPECT_EQ(Design->Zoom(), 500);
  EXPECT_EQ(Design->sbxDesktop->HorzPosition(), horz);
  EXPECT_EQ(Design->sbxDesktop->VertPosition(), vert);
  EXPECT_FALSE(Host.BusyCalls.empty());
  EXPECT_FALSE(Host.BusyCalls.back());
}

// With nothing to print no file is asked for and none is written, and the job says it is
// done; cancelling the dialog or the file's name ends it without a word.
TEST_F(PrintPropertiesTest, NothingToPrintAsksForNoFileAndSaysTheJobIsDone) {
  Note(40, 40, QStringLiteral("A")); // on the first page only
  Design->SetZoomCentered(250);
  int asked = 0;
  auto print = [&](const QString& File) {
    return PrintDesign(Dialog, Printer, *Design, [&] {
      ++asked;
      return File;
    });
  };
  const struct {
    const char* Name;
    std::function<void()> Choose;
  } cases[] = {
      {"every page deselected", [&] { Dialog.btnDeselectAllClick(); }},
      {"only empty pages chosen",
       [&] { QTest::mouseClick(Dialog.pbPreview, Qt::LeftButton, {}, CellCentre(0, 0)); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    InDialog([&] {
      c.Choose();
      QTest::mouseClick(Dialog.btnPrint, Qt::LeftButton);
    });
    EXPECT_EQ(print(Pdf()), 0);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(Host.Messages, QStringList({QStringLiteral("Tisk dokončen.")}));
    EXPECT_FALSE(QFile::exists(Pdf()));
    EXPECT_EQ(Design->Zoom(), 250);
    Host.Messages.clear();
  }

  InDialog([&] { QTest::mouseClick(Dialog.btnPrint, Qt::LeftButton); });
  EXPECT_EQ(print(QString()), 0);
  EXPECT_EQ(asked, 1);
  InDialog([&] { QTest::mouseClick(Dialog.btnCancel, Qt::LeftButton); });
  EXPECT_EQ(print(Pdf()), 0);
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(Host.Messages.isEmpty());
  EXPECT_FALSE(QFile::exists(Pdf()));
  EXPECT_EQ(Design->Zoom(), 250);
}

TEST_F(PrintPropertiesTest, FailedPrintingStillGivesTheZoomBack) {
  Note(40, 40, QStringLiteral("A"));
  Design->SetZoomCentered(2000);
  InDialog([&] { QTest::mouseClick(Dialog.btnPrint, Qt::LeftButton); });
  const QString unwritable = Dir.filePath(QStringLiteral("missing/folder/schema.pdf"));
  EXPECT_THROW(PrintDesign(Dialog, Printer, *Design, [&] { return unwritable; }), ui::Exception);
  EXPECT_EQ(Design->Zoom(), 2000);
  EXPECT_TRUE(Host.Messages.isEmpty());
}

TEST_F(PrintPropertiesTest, WithoutAPageSizeTheGridIsEmptyAndNothingDividesByZero) {
  Note(40, 40, QStringLiteral("A"));
  Printer.PageWidth = Printer.PageHeight = -1;
  InDialog([&] {
    EXPECT_TRUE(Dialog.Pages.empty());
    Dialog.pbPreview->grab();
    QTest::mouseClick(Dialog.pbPreview, Qt::LeftButton, {}, QPoint(10, 10));
    Dialog.btnSelectAllClick();
    Dialog.cbxZoomChange(QStringLiteral("50%"));
    EXPECT_TRUE(Dialog.Pages.empty());
    QTest::mouseClick(Dialog.btnPrint, Qt::LeftButton);
  });
  EXPECT_EQ(Print(), 0);
  EXPECT_EQ(Host.Messages, QStringList({QStringLiteral("Tisk dokončen.")}));
}

} // namespace
