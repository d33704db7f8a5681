#pragma once
// The print dialog: a miniature of a schema window's desktop cut into printer pages, on
// which the user picks the pages to print, and the zoom the desktop is printed at.
//
// The shell prints a schema window with PrintDesign (below); the dialog alone is Execute.

#include "app/PagePrinting.h"
#include "ui/frmAbstract.h"

#include <QImage>
#include <QWidget>
#include <functional>

class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class TMyPrinter;
class TfrmDesign;
class TfrmPrintProperties;

// The paint box of the miniature: paints and takes clicks through its dialog.
class TPreviewBox : public QWidget {
public:
  explicit TPreviewBox(TfrmPrintProperties* Owner);
  QSize sizeHint() const override { return QSize(500, 250); }

protected:
  void paintEvent(QPaintEvent* Event) override;
  void mousePressEvent(QMouseEvent* Event) override;

private:
  TfrmPrintProperties* FOwner;
};

class TfrmPrintProperties : public TfrmAbstractDialog {
  Q_OBJECT
public:
  explicit TfrmPrintProperties(QWidget* Parent = nullptr);

  // Shows the pages of Design's desktop at 100 % zoom, every page chosen, and lets the user
  // pick them; true when "&Tisk" was pressed. The window stays at the zoom chosen here, so
  // that the pages print as they were shown; PrintDesign gives the window its view back.
  bool Execute(TMyPrinter* Printer, TfrmDesign* Design);

  // The chosen pages: rows of page columns; its size follows the desktop at the current
  // zoom (empty without a page size).
  TPageGrid Pages;
  // The printer-setup action of the program that BitBtn3 runs; after it the miniature is
  // built again for the printer's new page.
  void SetPrinterSetupAction(QAction* Action) { FPrinterSetup = Action; }

  // Building the miniature: the page grid for the window's desktop at its zoom (kept when
  // its size did not change), each page painted at screen scale into its cell.
  void BuildPreview();
  const QImage& FullPreview() const { return imgFullPreview; }

  // The paint box: painting, and a click that flips the page under it.
  void pbPreviewPaint(QPainter& Painter);
  void pbPreviewMouseDown(int X, int Y);
  void btnSelectAllClick();
  void btnDeselectAllClick();
  // The zoom entry (its text) chosen: "12%" stands for 12.5 %.
  void cbxZoomChange(const QString& Text);

  TPreviewBox* pbPreview;
  QLabel* Label1;
  QComboBox* cbxZoom;
  QPushButton* btnPrint; // the base dialog's OK button
  QPushButton* BitBtn3;
  QPushButton* btnSelectAll;
  QPushButton* btnDeselectAll;

private:
  TMyPrinter* FPrinter = nullptr;
  TfrmDesign* FDesign = nullptr;
  QAction* FPrinterSetup = nullptr;
  QImage imgPage;
  QImage imgFullPreview;
};

// Prints Design's desktop on Printer: the dialog picks the pages and the zoom, then, when a
// chosen page holds elements and the printer is a PDF printer, AskPdfFile names the file
// (empty: the job is cancelled), and every chosen page with elements prints, each element
// through its own print paint at the printer's resolution. "Tisk dokončen." is shown through
// the window's host once the job has run, also when it had nothing to print.
// The window's zoom and scroll positions are given back in every case, also when printing
// fails (the failure then passes on). Returns the number of sheets printed.
int PrintDesign(TfrmPrintProperties& Dialog, TMyPrinter& Printer, TfrmDesign& Design,
                const std::function<QString()>& AskPdfFile);

// The program's one print dialog (made at start-up).
extern TfrmPrintProperties* frmPrintProperties;
