#pragma once
// A desktop cut into printer-sized pages: which elements lie on a page, a page painted at
// screen scale (the print dialog's miniature) and the chosen pages printed, each element
// through its own print paint at the printer's resolution.
//
// Pages are counted from 1, column by column; page (Column, Row) covers the desktop area
// [(Column - 1) * PageWidth, Column * PageWidth) x [(Row - 1) * PageHeight, Row * PageHeight).

#include <QString>
#include <functional>
#include <vector>

class QPrinter;
class QWidget;
class TMorvikAbstract;
class TMyPrinter;
namespace ui {
class TCanvas;
class TControl;
class TDesktop;
class TFont;
}

// One printer page in screen pixels and the resolutions of printer and screen.
struct TPageFigures {
  int PageWidth = -1;
  int PageHeight = -1;
  int PrinterDpiX = 0;
  int PrinterDpiY = 0;
  int ScreenDpiX = 0;
  int ScreenDpiY = 0;
  // Both page sides are known and positive.
  bool HasPage() const { return PageWidth > 0 && PageHeight > 0; }
};

// The figures of the program's printer.
TPageFigures FiguresOf(const TMyPrinter& Printer);

// The printer for one print job: the program's printer, which on a PDF printer first takes
// the file that AskFile names; null when no file was named.
QPrinter* PrinterForJob(TMyPrinter& Printer, const std::function<QString()>& AskFile);
// The save dialog that asks for the PDF file of a print job.
QString AskPdfFileName(QWidget* Parent);

// The chosen pages: one row per page row, one flag per page column; true prints the page.
using TPageGrid = std::vector<std::vector<bool>>;

// A grid of Rows x Columns pages (none when either is not positive), every flag Value.
TPageGrid MakePageGrid(int Columns, int Rows, bool Value);
int GridColumns(const TPageGrid& Pages);
int GridRows(const TPageGrid& Pages);

// Pages needed to hold Extent pixels: Extent / PageSize rounded up; 0 without a page size.
int PagesFor(int Extent, int PageSize);

// Whether Control, moved by (OffsetX, OffsetY), covers any pixel of the page. An element
// with no width or height counts as the one pixel at its corner.
bool IsOnPage(const TPageFigures& Figures, int Column, int Row, int OffsetX, int OffsetY,
              const ui::TControl* Control);

// The elements of Desktop on the page, in child order.
std::vector<TMorvikAbstract*> ElementsOnPage(const TPageFigures& Figures, ui::TDesktop& Desktop, int Column,
                                             int Row, int OffsetX, int OffsetY);

// Paints the page's elements at screen scale onto Canvas, whose origin is the page's
// top-left corner.
void PaintPage(const TPageFigures& Figures, ui::TDesktop& Desktop, ui::TCanvas& Canvas, int Row, int Column,
               int OffsetX, int OffsetY);

// The label printed at the top-left of a page: "Column, Row".
QString PageLabel(int Column, int Row);

// The number of sheets that PrintPages prints: the chosen pages that hold at least one element.
int CountPagesToPrint(const TPageFigures& Figures, const TPageGrid& Pages, int OffsetX, int OffsetY,
                      ui::TDesktop& Desktop);

// Prints every chosen page that holds at least one element, column by column, one sheet
// each, labelled with PageLabel in Font at the printer's scale. The sheet's whole area
// counts from its top-left corner, whatever part of it the printer can reach. Returns the
// number of sheets printed; with none the printer document is never begun. A printer that
// refuses to start or to feed a sheet raises ui::Exception.
int PrintPages(const TPageFigures& Figures, QPrinter& Printer, const ui::TFont& Font, const TPageGrid& Pages,
               int OffsetX, int OffsetY, ui::TDesktop& Desktop);

// "Tisk dokončen."
QString PrintDoneText();
