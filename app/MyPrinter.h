#pragma once
// The program's printer: the current printer and one page's size in screen pixels, with the
// printer's and the screen's resolution. Where the machine has no printer queue, the
// printer writes PDF to a file that the user picks when printing.

#include <QString>
#include <memory>

class QPrinter;

class TMyPrinter {
public:
  // The system's default printer, or a PDF printer when there is none; measured at once.
  TMyPrinter();
  // A given printer (the tests' PDF printer); measured at once.
  explicit TMyPrinter(std::unique_ptr<QPrinter> Printer);
  ~TMyPrinter();
  TMyPrinter(const TMyPrinter&) = delete;
  TMyPrinter& operator=(const TMyPrinter&) = delete;

  // One page (the whole sheet, margins included) in screen pixels; -1 until measured.
  int PageWidth = -1;
  int PageHeight = -1;
  int PrinterDpiX = 0;
  int PrinterDpiY = 0;
  int ScreenDpiX = 0;
  int ScreenDpiY = 0;

  // Reads the resolutions and the page size again (after the printer setup).
  void Measure();

  QPrinter* Printer() const { return FPrinter.get(); }
  // True when the printer writes a PDF file rather than to a printer queue.
  bool IsPdf() const;

private:
  std::unique_ptr<QPrinter> FPrinter;
};
