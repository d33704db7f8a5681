#include "app/PagePrinting.h"

#include "app/MyPrinter.h"
#include "diagram/MorvikAbstract.h"
#include "ui/Canvas.h"
#include "ui/Desktop.h"
#include "ui/Exception.h"
#include "ui/Graphics.h"

#include <QFileDialog>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

TPageFigures FiguresOf(const TMyPrinter& Printer) {
  return TPageFigures{Printer.PageWidth,   Printer.PageHeight, Printer.PrinterDpiX,
                      Printer.PrinterDpiY, Printer.ScreenDpiX, Printer.ScreenDpiY};
}

QPrinter* PrinterForJob(TMyPrinter& Printer, const std::function<QString()>& AskFile) {
  QPrinter* printer = Printer.Printer();
  if (!printer || !Printer.IsPdf()) return printer;
  const QString file = AskFile ? AskFile() : QString();
  if (file.isEmpty()) return nullptr;
  printer->setOutputFileName(file);
  return printer;
}

QString AskPdfFileName(QWidget* Parent) {
  return QFileDialog::getSaveFileName(Parent, QStringLiteral("Tisk do souboru PDF"), QString(),
                                      QStringLiteral("PDF (*.pdf)"));
}

TPageGrid MakePageGrid(int Columns, int Rows, bool Value) {
  if (Columns <= 0 || Rows <= 0) return {};
  return TPageGrid(static_cast<size_t>(Rows), std::vector<bool>(static_cast<size_t>(Columns), Value));
}

int GridRows(const TPageGrid& Pages) { return static_cast<int>(Pages.size()); }

int GridColumns(const TPageGrid& Pages) { return Pages.empty() ? 0 : static_cast<int>(Pages.front().size()); }

int PagesFor(int Extent, int PageSize) {
  if (Extent <= 0 || PageSize <= 0) return 0;
  return static_cast<int>((static_cast<long long>(Extent) + PageSize - 1) / PageSize);
}

bool IsOnPage(const TPageFigures& Figures, int Column, int Row, int OffsetX, int OffsetY,
              const ui::TControl* Control) {
  if (!Control || !Figures.HasPage()) return false;
  const long long x0 = static_cast<long long>(Control->Left()) + OffsetX;
  const long long y0 = static_cast<long long>(Control->Top()) + OffsetY;
  const long long x1 = x0 + std::max(Control->Width(), 1);
  const long long y1 = y0 + std::max(Control->Height(), 1);
  const long long pageLeft = static_cast<long long>(Column - 1) * Figures.PageWidth;
  const long long pageTop = static_cast<long long>(Row - 1) * Figures.PageHeight;
  return x0 < pageLeft + Figures.PageWidth && x1 > pageLeft && y0 < pageTop + Figures.PageHeight &&
         y1 > pageTop;
}

std::vector<TMorvikAbstract*> ElementsOnPage(const TPageFigures& Figures, ui::TDesktop& Desktop, int Column,
                                             int Row, int OffsetX, int OffsetY) {
  std::vector<TMorvikAbstract*> out;
  for (int i = 0; i < Desktop.ControlCount(); ++i) {
    auto* element = dynamic_cast<TMorvikAbstract*>(Desktop.Control(i));
    if (element && IsOnPage(Figures, Column, Row, OffsetX, OffsetY, element)) out.push_back(element);
  }
  return out;
}

namespace {

// Paints the page's elements with the given scale onto Canvas at the page's origin.
void PaintElements(const std::vector<TMorvikAbstract*>& Elements, const TPageFigures& Figures, int MulX,
                   int MulY, int DivX, int DivY, int Column, int Row, int OffsetX, int OffsetY,
                   ui::TCanvas& Canvas) {
  for (TMorvikAbstract* element : Elements) {
    const int x = element->Left() + OffsetX - (Column - 1) * Figures.PageWidth;
    const int y = element->Top() + OffsetY - (Row - 1) * Figures.PageHeight;
    element->PaintSelfToPrintCanvas(MulX, MulY, DivX, DivY, x, y, &Canvas);
  }
}

bool CanPrint(const TPageFigures& Figures) {
  return Figures.HasPage() && Figures.PrinterDpiX > 0 && Figures.PrinterDpiY > 0 && Figures.ScreenDpiX > 0 &&
         Figures.ScreenDpiY > 0;
}

// Calls Print(Column, Row, Elements) for every chosen page that holds at least one element,
// column by column.
void ForEachPageToPrint(
    const TPageFigures& Figures, const TPageGrid& Pages, int OffsetX, int OffsetY, ui::TDesktop& Desktop,
    const std::function<void(int Column, int Row, const std::vector<TMorvikAbstract*>& Elements)>& Print) {
  if (!CanPrint(Figures)) return;
  for (int column = 1; column <= GridColumns(Pages); ++column) {
    for (int row = 1; row <= GridRows(Pages); ++row) {
      const auto& cells = Pages[static_cast<size_t>(row - 1)];
      if (static_cast<size_t>(column - 1) >= cells.size() || !cells[static_cast<size_t>(column - 1)])
        continue;
      const auto elements = ElementsOnPage(Figures, Desktop, column, row, OffsetX, OffsetY);
      if (!elements.empty()) Print(column, row, elements);
    }
  }
}

} // namespace

int CountPagesToPrint(const TPageFigures& Figures, const TPageGrid& Pages, int OffsetX, int OffsetY,
                      ui::TDesktop& Desktop) {
  int count = 0;
  ForEachPageToPrint(Figures, Pages, OffsetX, OffsetY, Desktop,
                     [&](int, int, const std::vector<TMorvikAbstract*>&) { ++count; });
  return count;
}

void PaintPage(const TPageFigures& Figures, ui::TDesktop& Desktop, ui::TCanvas& Canvas, int Row, int Column,
               int OffsetX, int OffsetY) {
  if (!Figures.HasPage() || Figures.ScreenDpiX <= 0 || Figures.ScreenDpiY <= 0) return;
  const auto elements = ElementsOnPage(Figures, Desktop, Column, Row, OffsetX, OffsetY);
  PaintElements(elements, Figures, Figures.ScreenDpiX, Figures.ScreenDpiY, Figures.ScreenDpiX,
                Figures.ScreenDpiY, Column, Row, OffsetX, OffsetY, Canvas);
}

QString PageLabel(int Column, int Row) {
  return QString::number(Column) + QStringLiteral(", ") + QString::number(Row);
}

QString PrintDoneText() { return QStringLiteral("Tisk dokončen."); }

int PrintPages(const TPageFigures& Figures, QPrinter& Printer, const ui::TFont& Font, const TPageGrid& Pages,
               int OffsetX, int OffsetY, ui::TDesktop& Desktop) {
  const TPageGrid pages = Pages;
  QPainter painter;
  ui::TCanvas canvas;
  // Where the printable area begins on the sheet: the painter's origin is there.
  QPoint sheetOffset;
  int printed = 0;
  auto printPage = [&](int column, int row, const std::vector<TMorvikAbstract*>& elements) {
    if (printed == 0) {
      if (!painter.begin(&Printer)) throw ui::Exception(QStringLiteral("Tiskárnu se nepodařilo spustit."));
      if (!Printer.fullPage())
        sheetOffset = Printer.pageRect(QPrinter::DevicePixel).topLeft().toPoint() -
                      Printer.paperRect(QPrinter::DevicePixel).topLeft().toPoint();
    } else if (!Printer.newPage()) {
      throw ui::Exception(QStringLiteral("Tiskárna nepřijala další stránku."));
    }
    painter.resetTransform();
    painter.translate(-sheetOffset);
    canvas.Attach(&painter);
    PaintElements(elements, Figures, Figures.PrinterDpiX, Figures.PrinterDpiY, Figures.ScreenDpiX,
                  Figures.ScreenDpiY, column, row, OffsetX, OffsetY, canvas);

    // The label sits at the corner of the printable area.
    canvas.Font()->Assign(&Font);
    canvas.Font()->SetHeight(ui::MulDiv(Font.Height(), Figures.PrinterDpiY, Figures.ScreenDpiY));
    canvas.Font()->SetColor(ui::clBlack);
    canvas.Brush()->SetColor(ui::clWhite);
    canvas.Brush()->SetStyle(ui::TBrushStyle::bsSolid);
    canvas.TextOut(sheetOffset.x() + 4, sheetOffset.y() + 4, PageLabel(column, row));
    canvas.Detach();
    ++printed;
  };
  try {
    ForEachPageToPrint(Figures, pages, OffsetX, OffsetY, Desktop, printPage);
  } catch (...) {
    canvas.Detach();
    if (painter.isActive()) {
      Printer.abort();
      painter.end();
    }
    throw;
  }
  if (painter.isActive() && !painter.end())
    throw ui::Exception(QStringLiteral("Tisk se nepodařilo dokončit."));
  return printed;
}
