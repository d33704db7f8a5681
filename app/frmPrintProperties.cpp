#include "app/frmPrintProperties.h"

#include "app/MyPrinter.h"
#include "app/ZoomBox.h"
#include "diagram/ScrolledScrollBox.h"
#include "editor/DesignHost.h"
#include "editor/frmDesign.h"
#include "ui/Canvas.h"
#include "ui/Graphics.h"
#include "ui/MB.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr int kPreviewWidth = 2000;
constexpr int kPreviewHeight = 1000;
const QColor kSilver(192, 192, 192);

// The busy cursor of the program while it lives.
class TBusy {
public:
  explicit TBusy(TfrmDesign* Design) : FHost(Design ? Design->Host() : nullptr) {
    if (FHost) FHost->SetBusy(true);
  }
  ~TBusy() {
    if (FHost) FHost->SetBusy(false);
  }
  TBusy(const TBusy&) = delete;
  TBusy& operator=(const TBusy&) = delete;

private:
  TDesignHost* FHost;
};

// Keeps a schema window's zoom and scroll positions and gives them back when it goes.
class TViewKeeper {
public:
  explicit TViewKeeper(TfrmDesign& Design)
      : FDesign(Design), FZoom(Design.Zoom()), FHorz(Design.sbxDesktop->HorzPosition()),
        FVert(Design.sbxDesktop->VertPosition()) {}
  ~TViewKeeper() {
    try {
      if (FDesign.Zoom() != FZoom) FDesign.SetZoomCentered(FZoom);
      FDesign.sbxDesktop->SetHorzPosition(FHorz);
      FDesign.sbxDesktop->SetVertPosition(FVert);
    } catch (...) {
      FDesign.ReportError(QStringLiteral("Nepodařilo se obnovit zvětšení schématu."));
    }
  }
  TViewKeeper(const TViewKeeper&) = delete;
  TViewKeeper& operator=(const TViewKeeper&) = delete;

private:
  TfrmDesign& FDesign;
  int FZoom, FHorz, FVert;
};

// The font of a widget as the canvas takes it.
void AssignFont(const QFont& From, ui::TFont& To) {
  To.SetName(From.family());
  if (From.pixelSize() > 0)
    To.SetHeight(-From.pixelSize());
  else
    To.SetSize(qRound(From.pointSizeF()));
}

} // namespace

TPreviewBox::TPreviewBox(TfrmPrintProperties* Owner) : QWidget(Owner), FOwner(Owner) {
  setObjectName(QStringLiteral("pbPreview"));
  setMinimumSize(200, 100);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TPreviewBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  FOwner->pbPreviewPaint(painter);
}

void TPreviewBox::mousePressEvent(QMouseEvent* Event) {
  if (Event->button() == Qt::LeftButton) {
    const QPoint p = Event->position().toPoint();
    FOwner->pbPreviewMouseDown(p.x(), p.y());
  }
}

TfrmPrintProperties::TfrmPrintProperties(QWidget* Parent) : TfrmAbstractDialog(Parent) {
  setWindowTitle(QStringLiteral("Nastavení tisku"));
  auto* grid = new QGridLayout(Content());
  grid->setContentsMargins(0, 0, 0, 0);

  pbPreview = new TPreviewBox(this);
  pbPreview->setParent(Content());
  grid->addWidget(pbPreview, 0, 0, 1, 7);

  Label1 = new QLabel(QStringLiteral("Zvětšení:"), Content());
  cbxZoom = new QComboBox(Content());
  cbxZoom->setObjectName(QStringLiteral("cbxZoom"));
  TZoomBox::Fill(cbxZoom);
  Label1->setBuddy(cbxZoom);
  BitBtn3 = new QPushButton(QStringLiteral("Nastavení tiskárny..."), Content());
  BitBtn3->setObjectName(QStringLiteral("BitBtn3"));
  btnSelectAll = new QPushButton(QStringLiteral("&Označ vše"), Content());
  btnSelectAll->setObjectName(QStringLiteral("btnSelectAll"));
  btnDeselectAll = new QPushButton(QStringLiteral("O&deznač vše"), Content());
  btnDeselectAll->setObjectName(QStringLiteral("btnDeselectAll"));
  grid->addWidget(Label1, 1, 0);
  grid->addWidget(cbxZoom, 1, 1);
  grid->addWidget(BitBtn3, 1, 2);
  grid->setColumnStretch(3, 1);
  grid->addWidget(btnSelectAll, 1, 4);
  grid->addWidget(btnDeselectAll, 1, 5);
  grid->setRowStretch(0, 1);

  btnPrint = btnOK;
  btnPrint->setText(QStringLiteral("&Tisk"));
  btnPrint->setObjectName(QStringLiteral("btnPrint"));

  GuardedConnect(cbxZoom, &QComboBox::activated,
                 [this](int Index) { cbxZoomChange(cbxZoom->itemText(Index)); });
  GuardedConnect(btnSelectAll, &QPushButton::clicked, [this] { btnSelectAllClick(); });
  GuardedConnect(btnDeselectAll, &QPushButton::clicked, [this] { btnDeselectAllClick(); });
  GuardedConnect(BitBtn3, &QPushButton::clicked, [this] {
    if (!FPrinterSetup) return;
    FPrinterSetup->trigger();
    BuildPreview();
    pbPreview->update();
  });
  SetFirstFocus(btnPrint);
  SetDialogSize(600, 380, dsResizable, QSize(420, 260));
}

bool TfrmPrintProperties::Execute(TMyPrinter* Printer, TfrmDesign* Design) {
  FPrinter = Printer;
  FDesign = Design;
  Pages.clear();
  if (FDesign) FDesign->SetZoomCentered(1000);
  TZoomBox::Show(cbxZoom, FDesign ? FDesign->Zoom() : 1000);
  BuildPreview();
  return exec() == mrOk;
}

void TfrmPrintProperties::BuildPreview() {
  const TBusy busy(FDesign);
  imgFullPreview = QImage(kPreviewWidth, kPreviewHeight, QImage::Format_RGB32);
  imgFullPreview.fill(Qt::white);
  const TPageFigures figures = FPrinter ? FiguresOf(*FPrinter) : TPageFigures{};
  if (!FDesign || !figures.HasPage()) {
    Pages.clear();
    return;
  }
  const int columns = PagesFor(FDesign->HorzRange(), figures.PageWidth);
  const int rows = PagesFor(FDesign->VertRange(), figures.PageHeight);
  if (columns != GridColumns(Pages) || rows != GridRows(Pages)) Pages = MakePageGrid(columns, rows, true);
  if (Pages.empty()) return;

  imgPage = QImage(figures.PageWidth, figures.PageHeight, QImage::Format_RGB32);
  const int cellWidth = kPreviewWidth / columns, cellHeight = kPreviewHeight / rows;
  if (cellWidth == 0 || cellHeight == 0) return;
  QPainter preview(&imgFullPreview);
  for (int row = 1; row <= rows; ++row) {
    for (int column = 1; column <= columns; ++column) {
      imgPage.fill(kSilver);
      {
        QPainter page(&imgPage);
        ui::TCanvas canvas(&page);
        PaintPage(figures, *FDesign->Desktop, canvas, row, column, 0, 0);
        canvas.Detach();
      }
      preview.drawImage(QRect((column - 1) * cellWidth, (row - 1) * cellHeight, cellWidth, cellHeight),
                        imgPage);
    }
  }
}

void TfrmPrintProperties::pbPreviewPaint(QPainter& Painter) {
  const int width = pbPreview->width(), height = pbPreview->height();
  const int columns = GridColumns(Pages), rows = GridRows(Pages);
  Painter.fillRect(0, 0, width, height, Qt::white);
  if (columns == 0 || rows == 0 || width / columns == 0 || height / rows == 0) {
    Painter.drawImage(QRect(0, 0, width, height), imgFullPreview);
    return;
  }
  const int cellWidth = width / columns, cellHeight = height / rows;
  // The cells of the miniature fill the same cells of the box.
  const QRect source(0, 0, kPreviewWidth / columns * columns, kPreviewHeight / rows * rows);
  Painter.drawImage(QRect(0, 0, cellWidth * columns, cellHeight * rows), imgFullPreview, source);

  Painter.setPen(Qt::black);
  for (int i = 0; i < rows; ++i) Painter.drawLine(0, i * cellHeight, width - 1, i * cellHeight);
  for (int j = 0; j < columns; ++j) Painter.drawLine(j * cellWidth, 0, j * cellWidth, height - 1);
  Painter.setPen(Qt::white);
  Painter.drawLine(0, height - 1, width - 1, height - 1);
  Painter.drawLine(width - 1, height - 1, width - 1, 0);

  // Chosen pages: every second pixel of each row of the cell, shifted by one on odd rows.
  QImage pattern(2, 2, QImage::Format_ARGB32);
  pattern.fill(Qt::transparent);
  const QColor highlight = palette().color(QPalette::Highlight);
  pattern.setPixelColor(0, 0, highlight);
  pattern.setPixelColor(1, 1, highlight);
  const QBrush shade(pattern);
  for (int row = 0; row < rows; ++row)
    for (int column = 0; column < columns; ++column) {
      if (!Pages[static_cast<size_t>(row)][static_cast<size_t>(column)]) continue;
      Painter.setBrushOrigin(column * cellWidth, row * cellHeight);
      Painter.fillRect(column * cellWidth, row * cellHeight, cellWidth, cellHeight, shade);
    }
}

void TfrmPrintProperties::pbPreviewMouseDown(int X, int Y) {
  const int columns = GridColumns(Pages), rows = GridRows(Pages);
  if (columns == 0 || rows == 0 || X < 0 || Y < 0) return;
  const int cellWidth = pbPreview->width() / columns, cellHeight = pbPreview->height() / rows;
  if (cellWidth == 0 || cellHeight == 0) return;
  const int column = X / cellWidth, row = Y / cellHeight;
  if (column >= columns || row >= rows) return;
  std::vector<bool>& cells = Pages[static_cast<size_t>(row)];
  cells[static_cast<size_t>(column)] = !cells[static_cast<size_t>(column)];
  pbPreview->update();
}

void TfrmPrintProperties::btnSelectAllClick() {
  for (auto& row : Pages) std::fill(row.begin(), row.end(), true);
  pbPreview->update();
}

void TfrmPrintProperties::btnDeselectAllClick() {
  for (auto& row : Pages) std::fill(row.begin(), row.end(), false);
  pbPreview->update();
}

void TfrmPrintProperties::cbxZoomChange(const QString& Text) {
  if (!Text.isEmpty() && FDesign) FDesign->SetZoomCentered(TZoomBox::ZoomOfText(Text));
  BuildPreview();
  pbPreview->update();
}

int PrintDesign(TfrmPrintProperties& Dialog, TMyPrinter& Printer, TfrmDesign& Design,
                const std::function<QString()>& AskPdfFile) {
  const TViewKeeper view(Design);
  if (!Dialog.Execute(&Printer, &Design)) return 0;
  const TPageFigures figures = FiguresOf(Printer);
  int printed = 0;
  // With nothing to print no file is asked for: the job ends at once.
  if (CountPagesToPrint(figures, Dialog.Pages, 0, 0, *Design.Desktop) > 0) {
    QPrinter* target = PrinterForJob(Printer, AskPdfFile);
    if (!target) return 0;
    const TBusy busy(&Design);
    ui::TFont font;
    AssignFont(Design.sbxDesktop->font(), font);
    printed = PrintPages(figures, *target, font, Dialog.Pages, 0, 0, *Design.Desktop);
  }
  if (Design.Host()) Design.Host()->ShowMessage(PrintDoneText());
  return printed;
}
