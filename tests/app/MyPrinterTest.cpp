// The program's printer: page size in screen pixels from the sheet and both resolutions,
// measured again after the printer changed; a PDF printer where there is no printer queue.
#include "app/MyPrinter.h"

#include <QPageSize>
#include <QPrinter>
#include <gtest/gtest.h>

namespace {

std::unique_ptr<QPrinter> PdfPrinter(QPageSize::PageSizeId Size) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setPageSize(QPageSize(Size));
  return printer;
}

TEST(MyPrinter, MeasuresTheWholeSheetInScreenPixels) {
  TMyPrinter printer(PdfPrinter(QPageSize::A4));
  ASSERT_TRUE(printer.IsPdf());
  EXPECT_EQ(printer.PrinterDpiX, 1200);
  EXPECT_EQ(printer.PrinterDpiY, 1200);
  ASSERT_GT(printer.ScreenDpiX, 0);
  // A4 is 210 x 297 mm: 9921 x 14031 printer pixels at 1200 dpi, margins included.
  EXPECT_EQ(printer.PageWidth, 9921 * printer.ScreenDpiX / 1200);
  EXPECT_EQ(printer.PageHeight, 14031 * printer.ScreenDpiY / 1200);

  printer.Printer()->setPageSize(QPageSize(QPageSize::A3));
  printer.Measure();
  EXPECT_EQ(printer.PageWidth, 14031 * printer.ScreenDpiX / 1200);
  printer.Printer()->setPageOrientation(QPageLayout::Landscape);
  printer.Measure();
  EXPECT_GT(printer.PageWidth, printer.PageHeight);
}

TEST(MyPrinter, TheDefaultPrinterIsAlwaysMeasured) {
  TMyPrinter printer;
  ASSERT_NE(printer.Printer(), nullptr);
  EXPECT_GT(printer.PageWidth, 0);
  EXPECT_GT(printer.PageHeight, 0);
}

} // namespace
