#include "app/MyPrinter.h"

#include <QGuiApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>

namespace {

std::unique_ptr<QPrinter> DefaultPrinter() {
  if (!QPrinterInfo::availablePrinters().isEmpty()) {
    auto printer = std::make_unique<QPrinter>(QPrinterInfo::defaultPrinter(), QPrinter::HighResolution);
    if (printer->isValid()) return printer;
  }
  auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
  pdf->setOutputFormat(QPrinter::PdfFormat);
  return pdf;
}

} // namespace

TMyPrinter::TMyPrinter() : TMyPrinter(DefaultPrinter()) {}

TMyPrinter::TMyPrinter(std::unique_ptr<QPrinter> Printer) : FPrinter(std::move(Printer)) { Measure(); }

TMyPrinter::~TMyPrinter() = default;

bool TMyPrinter::IsPdf() const { return FPrinter->outputFormat() == QPrinter::PdfFormat; }

void TMyPrinter::Measure() {
  PrinterDpiX = PrinterDpiY = FPrinter->resolution();
  const QScreen* screen = QGuiApplication::primaryScreen();
  ScreenDpiX = screen ? qRound(screen->logicalDotsPerInchX()) : 96;
  ScreenDpiY = screen ? qRound(screen->logicalDotsPerInchY()) : 96;
  const QRect sheet = FPrinter->pageLayout().fullRectPixels(FPrinter->resolution());
  // The product first, the quotient truncated.
  PageWidth = static_cast<int>(static_cast<long long>(sheet.width()) * ScreenDpiX / PrinterDpiX);
  PageHeight = static_cast<int>(static_cast<long long>(sheet.height()) * ScreenDpiY / PrinterDpiY);
}
