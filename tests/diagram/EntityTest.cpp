// Entity boxes: layout from the contents, painting expanded and folded, the toggle box,
// zoom steps with the exact return to 100 %, and printing in black on white.

#include "DiagramTestKit.h"
#include "diagram/Entity.h"
#include "ui/ImageList.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QMouseEvent>
#include <QApplication>
#include <gtest/gtest.h>

#include <limits>

using namespace testing_pixels;

namespace {

// Measures text as the entity does.
struct Metrics {
  explicit Metrics(const TEntity& E) { Canvas.Font()->Assign(E.Font()); }
  int Width(const QString& S, bool Bold = false) {
    Canvas.Font()->SetStyle(Bold ? ui::TFontStyles{ui::fsBold} : ui::TFontStyles{0});
    return Canvas.TextWidth(S);
  }
  int Height(const QString& S) { return Canvas.TextHeight(S); }
  int Delta() { return Canvas.TextHeight(QString::fromUtf8("XyŠ")) + 2; }
  ui::TCanvas Canvas;
};

TEntity* MakeEntity(ui::TDesktop& Desktop, const QString& Caption, int X = 20, int Y = 10) {
  auto* e = new TEntity(&Desktop);
  e->SetParent(&Desktop);
  e->SetBounds(X, Y, 50, 50);
  e->SetCaption(Caption);
  return e;
}

void AddRows(TEntity* E) {
  E->Attributes()->BeginUpdate();
  E->Attributes()->Add("ID", "INTEGER", 1);
  E->Attributes()->Add("NAME", "VARCHAR(40)", 0);
  E->Attributes()->Add("BIRTH_DATE", "DATE", 0);
  E->Attributes()->EndUpdate();
}

} // namespace

TEST(Entity, ConstructionDefaults) {
  TEntity e(nullptr);
  EXPECT_EQ(e.Brush()->Color(), 0xC0C0C0);
  EXPECT_TRUE(e.AutoSize());
  EXPECT_TRUE(e.DrawAll());
  EXPECT_TRUE(e.DrawProperty());
  EXPECT_TRUE(e.Effect3D());
  EXPECT_EQ(e.EntityType(), TEntityType::etNone);
  EXPECT_EQ(e.Images(), nullptr);
  EXPECT_EQ(e.Attributes()->Count(), 0);
  EXPECT_EQ(e.Font()->Name(), "Arial");
  EXPECT_EQ(e.Font()->Charset(), 238);
  EXPECT_EQ(e.ToggleSize(), 10);
  EXPECT_EQ(e.Margin(), 20);
  EXPECT_EQ(e.ExtraHeight(), 14);
  EXPECT_EQ(e.MinWidth(), 50);
  EXPECT_EQ(e.MinHeight(), 35);
}

TEST(Entity, SizesItselfToCaptionRowsAndFolding) {
  ui::TDesktop desktop;
  TEntity* e = MakeEntity(desktop, "Customer_Account_Entity");
  Metrics m(*e);
  const int delta = m.Delta();
  const int captionW = m.Width("Customer_Account_Entity");
  // No rows yet: the expanded height formula with one text row.
  EXPECT_EQ(e->Delta(), delta);
  EXPECT_EQ(e->Width(), std::max(50, captionW + 20));
  EXPECT_EQ(e->Height(), std::max(35, 10 + 14 + delta));

  AddRows(e);
  const int nameMax = std::max({m.Width("ID", true), m.Width("NAME"), m.Width("BIRTH_DATE")});
  const int propMax = std::max({m.Width("INTEGER", true), m.Width("VARCHAR(40)"), m.Width("DATE")});
  EXPECT_EQ(e->Height(), 10 + 14 + 4 * delta);
  EXPECT_EQ(e->Width(), std::max({50, captionW + 20, nameMax + propMax + 24}));

  e->SetDrawProperty(false);
  EXPECT_EQ(e->Width(), std::max({50, captionW + 20, nameMax + 24}));

  e->SetDrawAll(false);
  EXPECT_EQ(e->Height(), std::max(35, m.Height("Customer_Account_Entity") + 30));

  e->SetEntityType(TEntityType::etKernel);
  EXPECT_EQ(e->Width(), std::max(50, captionW + 28));

  // Without AutoSize the box keeps its size, but never below the minimum.
  e->SetAutoSize(false);
  e->SetBounds(e->Left(), e->Top(), 300, 10);
  EXPECT_EQ(e->Width(), 300);
  EXPECT_EQ(e->Height(), 35);

  EXPECT_EQ(e->GetAttributeIndex("NAME"), 1);
  EXPECT_EQ(e->GetAttributeIndex("name"), -1);
}

TEST(Entity, PaintsCaptionSeparatorRowsBorderAndToggle) {
  ui::TDesktop desktop;
  TEntity* e = MakeEntity(desktop, "Person");
  AddRows(e);
  const int L = e->Left(), T = e->Top(), W = e->Width(), H = e->Height();
  const int d = e->Delta();
  QImage img = Render(desktop, 300, 200);
  // Border.
  EXPECT_EQ(Px(img, L, T + H / 2), ui::clBlack);
  EXPECT_EQ(Px(img, L + W - 1, T + H - 1), ui::clBlack);
  EXPECT_EQ(Px(img, L + W, T + H / 2), ui::clWhite);
  // Separator below the caption: grey, then white (3-D).
  const int sy = T + 10 + d + 5;
  // (the bevel's white left edge covers its first pixel)
  EXPECT_EQ(Row(img, sy, L + 2, L + W - 3, ui::clGray, ui::clWhite),
            std::string(static_cast<size_t>(W - 4), '#'));
  EXPECT_EQ(Px(img, L + W / 2, sy + 1), ui::clWhite);
  // Caption ink in the caption row, centred; row ink starts at Margin / 2.
  EXPECT_GT(CountInk(img, L + 11, T + 10, L + W - 2, T + 10 + d - 3, ui::clSilver), 10);
  const int firstRow = T + 10 + d + 11;
  EXPECT_GT(CountInk(img, L + 10, firstRow, L + 30, firstRow + d - 3, ui::clSilver), 5);
  EXPECT_EQ(CountInk(img, L + 2, firstRow, L + 9, firstRow + 3 * d - 3, ui::clSilver), 0);
  // Toggle box with its downward triangle; the box itself is filled with the brush.
  EXPECT_EQ(Column(img, L + 9, T, T + 10, ui::clBlack, ui::clSilver), "##########.");
  EXPECT_EQ(Row(img, T + 9, L, L + 10, ui::clBlack, ui::clSilver), "##########.");
  EXPECT_EQ(Px(img, L + 3, T + 3), ui::clBlack);
  EXPECT_EQ(Px(img, L + 5, T + 5), ui::clBlack);

  e->SetDrawAll(false);
  const int FH = e->Height(), FW = e->Width();
  img = Render(desktop, 300, 200);
  EXPECT_EQ(Px(img, L + FW / 2, T + FH - 1), ui::clBlack); // bottom border of the folded box
  EXPECT_EQ(Px(img, L + FW / 2, T + FH), ui::clWhite);
  EXPECT_NE(Px(img, L + 3, T + 3), ui::clBlack); // the triangle points up now
  EXPECT_EQ(Px(img, L + 5, T + 3), ui::clBlack);
  EXPECT_EQ(Px(img, L + 3, T + 6), ui::clBlack);
}

TEST(Entity, KeyRowsAreBoldAndCarryTheirIcon) {
  ui::TDesktop desktop;
  TEntity* key = MakeEntity(desktop, "A", 10, 10);
  TEntity* plain = MakeEntity(desktop, "A", 200, 10);
  key->Attributes()->Add("CUSTOMER", "INTEGER", 1);
  plain->Attributes()->Add("CUSTOMER", "INTEGER", 0);
  QImage img = Render(desktop, 400, 120);
  const int d = key->Delta();
  const int y = 10 + 10 + d + 11;
  const int keyInk = CountInk(img, 10 + 10, y, 10 + key->Width() - 2, y + d - 3, ui::clSilver);
  const int plainInk = CountInk(img, 200 + 10, y, 200 + plain->Width() - 2, y + d - 3, ui::clSilver);
  EXPECT_GT(keyInk, plainInk);
  EXPECT_GE(key->Width(), plain->Width());

  // With an image list the key row shows icon 0 at x = 6 and every name moves right.
  ui::TImageList images(nullptr, 8, 8);
  QImage red(8, 8, QImage::Format_RGB32);
  red.fill(Qt::red);
  images.Add(red);
  const int widthBefore = key->Width();
  key->SetImages(&images);
  plain->SetImages(&images);
  EXPECT_EQ(key->Width(), widthBefore + 8 + 6);
  img = Render(desktop, 400, 120);
  EXPECT_EQ(Px(img, 10 + 6, y), ui::clRed);
  EXPECT_EQ(Px(img, 10 + 13, y + 7), ui::clRed);
  EXPECT_NE(Px(img, 200 + 6, y), ui::clRed); // no icon on an ordinary row
  EXPECT_EQ(CountInk(img, 200 + 2, y, 200 + 8 + 10 + 3, y + d - 3, ui::clSilver), 0);
}

// Row values come from stored files as they stand: only 1 .. the number of icons draws an
// icon, and no value upsets painting or printing.
TEST(Entity, RowValuesOfAStoredFileNeverPickAMissingIcon) {
  ui::TDesktop desktop;
  TEntity* e = MakeEntity(desktop, "A", 10, 10);
  ui::TImageList images(nullptr, 8, 8);
  QImage red(8, 8, QImage::Format_RGB32);
  red.fill(Qt::red);
  images.Add(red);
  e->SetImages(&images);
  for (int32_t value : {std::numeric_limits<int32_t>::min(), -1, 2, std::numeric_limits<int32_t>::max()})
    e->Attributes()->Add(QStringLiteral("ROW_%1").arg(value), "INTEGER", value);
  const QImage img = Render(desktop, 400, 200);
  int redPixels = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) redPixels += Px(img, x, y) == ui::clRed;
  EXPECT_EQ(redPixels, 0);

  QImage page = MakeImage(e->Width() + 20, e->Height() + 20);
  ImageCanvas ic(page);
  e->PaintSelfToPrintCanvas(1, 1, 1, 1, 5, 5, &ic.Canvas);
}

TEST(Entity, ForgetsAnImageListThatIsFreed) {
  ui::TDesktop desktop;
  TEntity* e = MakeEntity(desktop, "A");
  auto* images = new ui::TImageList(nullptr);
  e->SetImages(images);
  delete images;
  EXPECT_EQ(e->Images(), nullptr);
}

TEST(Entity, ClickInTheToggleBoxFoldsIncludingItsEdges) {
  ui::TDesktop desktop;
  TEntity* e = MakeEntity(desktop, "Toggle");
  AddRows(e);
  int clicks = 0;
  e->OnClick = [&](ui::TObject*) { ++clicks; };
  struct Case {
    int x, y;
    bool folds;
  };
  for (const Case& c : {Case{10, 10, true}, Case{0, 0, true}, Case{11, 5, false}, Case{5, 11, false}}) {
    const bool before = e->DrawAll();
    e->CustomClick(c.x, c.y);
    EXPECT_EQ(e->DrawAll() != before, c.folds) << c.x << "," << c.y;
  }
  EXPECT_EQ(clicks, 4);

  // Through the desktop: press and release on the toggle box.
  const bool before = e->DrawAll();
  const QPointF p(e->Left() + 4, e->Top() + 4);
  QMouseEvent press(QEvent::MouseButtonPress, p, desktop.mapToGlobal(p), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, p, desktop.mapToGlobal(p), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(&desktop, &press);
  QApplication::sendEvent(&desktop, &release);
  EXPECT_NE(e->DrawAll(), before);
  EXPECT_EQ(e->ClickPoint(), ui::Point(4, 4));
}

TEST(Entity, ZoomStepsScaleTheMetricsAndAdjustScalingRestoresThemExactly) {
  ui::TDesktop desktop;
  TEntity* e = MakeEntity(desktop, "Zoomed_Entity", 101, 51);
  AddRows(e);
  const ui::TRect at100 = e->BoundsRect();

  e->ChangeScale(50, 100);
  EXPECT_EQ(e->ToggleSize(), 5);
  EXPECT_EQ(e->Margin(), 10);
  EXPECT_EQ(e->ExtraHeight(), 7);
  EXPECT_EQ(e->MinWidth(), 25);
  EXPECT_EQ(e->MinHeight(), 18);
  EXPECT_EQ(e->Font()->Size(), 4);
  EXPECT_EQ(e->Left(), 51);
  EXPECT_LT(e->Height(), at100.Height());

  e->ChangeScale(50, 100); // 25 %
  e->ChangeScale(200, 100);
  e->ChangeScale(200, 100);
  e->AdjustAfterScaling();
  e->AdjustScaling(-1);
  EXPECT_EQ(e->ToggleSize(), 10);
  EXPECT_EQ(e->Margin(), 20);
  EXPECT_EQ(e->ExtraHeight(), 14);
  EXPECT_EQ(e->MinWidth(), 50);
  EXPECT_EQ(e->MinHeight(), 35);
  EXPECT_EQ(e->Font()->Size(), 8);
  EXPECT_EQ(e->Width(), at100.Width());
  EXPECT_EQ(e->Height(), at100.Height());

  // A positive font size is taken over.
  e->AdjustScaling(10);
  EXPECT_EQ(e->Font()->Size(), 10);
  EXPECT_GT(e->Height(), at100.Height());

  // Deep zoom never breaks painting.
  for (int i = 0; i < 4; ++i) e->ChangeScale(50, 100);
  EXPECT_GE(e->MinWidth(), 1);
  QImage img = Render(desktop, 200, 100);
  EXPECT_EQ(e->ToggleSize(), 1);
}

TEST(Entity, PaintsSmallerAtHalfZoomAndExactlyAsBeforeBackAtFullSize) {
  ui::TDesktop desktop;
  TEntity* e = MakeEntity(desktop, "Zoom_Pixels", 40, 20);
  AddRows(e);
  const QImage before = Render(desktop, 300, 200);
  const int W = e->Width(), H = e->Height();

  e->ChangeScale(50, 100);
  e->AdjustAfterScaling();
  const QImage half = Render(desktop, 300, 200);
  EXPECT_EQ(e->Left(), 20);
  EXPECT_EQ(e->Top(), 10);
  EXPECT_LT(e->Width(), W);
  EXPECT_LT(e->Height(), H);
  EXPECT_EQ(Px(half, 20 + e->Width() - 1, 10 + e->Height() - 1), ui::clBlack);
  EXPECT_EQ(Px(half, 20 + e->Width(), 10 + e->Height() / 2), ui::clWhite);
  EXPECT_EQ(Row(half, 10, 20, 24, ui::clBlack, ui::clSilver), "#####"); // toggle box of 5

  e->ChangeScale(200, 100);
  e->AdjustAfterScaling();
  e->AdjustScaling(-1);
  const QImage after = Render(desktop, 300, 200);
  EXPECT_EQ(e->BoundsRect(), ui::Bounds(40, 20, W, H));
  EXPECT_TRUE(after == before);
}

TEST(Entity, PrintsBlackOnWhiteWithoutScreenOnlyParts) {
  ui::TDesktop desktop;
  TEntity* e = MakeEntity(desktop, "Printed");
  AddRows(e);
  e->SetEntityType(TEntityType::etKernel);
  e->Brush()->SetColor(ui::clRed);
  e->Pen()->SetColor(ui::clBlue);
  e->Font()->SetColor(ui::clLime);
  const int W = e->Width(), H = e->Height();

  QImage img = MakeImage(2 * W + 40, 2 * H + 40);
  {
    ImageCanvas ic(img);
    e->PaintSelfToPrintCanvas(1, 1, 1, 1, 5, 5, &ic.Canvas);
  }
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const QColor c = img.pixelColor(x, y); // only black, white and the grey of smoothed text
      ASSERT_TRUE(c.red() == c.green() && c.green() == c.blue()) << x << "," << y;
    }
  EXPECT_EQ(Px(img, 5, 5), ui::clBlack);
  EXPECT_EQ(Px(img, 5 + W - 1, 5 + H - 1), ui::clBlack);
  EXPECT_EQ(Px(img, 5 + 3, 5 + 3), ui::clWhite);     // no toggle triangle
  EXPECT_EQ(Px(img, 5 + W - 4, 5 + 5), ui::clWhite); // no corner mark
  const int d = e->Delta();
  EXPECT_EQ(Px(img, 5 + W / 2, 5 + 10 + d + 5), ui::clBlack); // the separator

  // At twice the resolution the box doubles.
  QImage big = MakeImage(2 * W + 40, 2 * H + 40);
  {
    ImageCanvas ic(big);
    e->PaintSelfToPrintCanvas(2, 2, 1, 1, 5, 5, &ic.Canvas);
  }
  EXPECT_EQ(Px(big, 10, 10), ui::clBlack);
  EXPECT_EQ(Px(big, 10 + 2 * W - 1, 10 + 2 * H - 1), ui::clBlack);
  EXPECT_EQ(Px(big, 10 + 2 * W, 10 + 2 * H), ui::clWhite);
}

TEST(Entity, PrintsOntoAPrinterPage) {
  if (QStandardPaths::findExecutable("pdftotext").isEmpty()) GTEST_SKIP() << "pdftotext missing";
  ui::TDesktop desktop;
  TEntity* e = MakeEntity(desktop, "Invoice");
  AddRows(e);
  QTemporaryDir dir;
  const QString pdf = dir.filePath("entity.pdf");
  {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    QPainter painter(&printer);
    ui::TCanvas canvas(&painter);
    e->PaintSelfToPrintCanvas(printer.resolution(), printer.resolution(), 96, 96, 50, 50, &canvas);
    canvas.Detach();
  }
  QProcess p;
  p.start("pdftotext", {pdf, "-"});
  ASSERT_TRUE(p.waitForFinished(30000));
  const QString text = QString::fromUtf8(p.readAllStandardOutput());
  for (const char* word : {"Invoice", "ID", "NAME", "BIRTH_DATE", "VARCHAR(40)", "INTEGER"})
    EXPECT_TRUE(text.contains(word)) << word << " in " << text.toStdString();
}

// On a 1,200 dpi page the key icon grows with the resolution as the text does: read back,
// its 16 pixels span 16 screen pixels, and the key's name begins after it.
TEST(Entity, KeyIconsPrintAtThePrintersScale) {
  ui::TDesktop desktop;
  TEntity* e = MakeEntity(desktop, "Invoice");
  ui::TImageList images(nullptr, 16, 16);
  QImage blue(16, 16, QImage::Format_RGB32);
  blue.fill(Qt::blue);
  images.Add(blue);
  e->SetImages(&images);
  AddRows(e); // "ID" is the key
  QTemporaryDir dir;
  const QString pdf = dir.filePath("entity.pdf");
  {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(1200);
    printer.setFullPage(true); // the painter's origin at the sheet's corner
    printer.setOutputFileName(pdf);
    QPainter painter(&printer);
    ui::TCanvas canvas(&painter);
    e->PaintSelfToPrintCanvas(1200, 1200, 96, 96, 50, 50, &canvas);
    canvas.Detach();
  }
  auto run = [](const QString& Program, const QStringList& Arguments) {
    QProcess p;
    p.start(Program, Arguments);
    EXPECT_TRUE(p.waitForFinished(60000) && p.exitCode() == 0) << Program.toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
  };

  // pdfimages -list: page num type width height color comp bpc enc interp object ID x-ppi y-ppi ...
  QStringList icons;
  for (const QString& line : run("pdfimages", {"-list", pdf}).split('\n')) {
    const QStringList f = line.simplified().split(' ');
    if (f.size() > 13 && f[2] == "image") icons << f[3] + "x" + f[4] + " at " + f[12] + "x" + f[13] + " ppi";
  }
  EXPECT_EQ(icons, QStringList({"16x16 at 96x96 ppi"}));

  // At 96 dpi the icon is 16 x 16 pixels at (50 + 6, the first row's top).
  run("pdftoppm",
      {"-r", "96", "-aa", "no", "-aaVector", "no", "-png", "-singlefile", pdf, dir.filePath("page")});
  const QImage page(dir.filePath("page.png"));
  ASSERT_FALSE(page.isNull());
  QRect ink;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x) {
      const QColor c = page.pixelColor(x, y);
      if (c.blue() > 200 && c.red() < 60 && c.green() < 60) ink |= QRect(x, y, 1, 1);
    }
  const int rowTop = 50 + 10 + 11 + e->Delta();
  EXPECT_NEAR(ink.left(), 50 + 6, 1);
  EXPECT_NEAR(ink.top(), rowTop, 3);
  EXPECT_NEAR(ink.width(), 16, 1);
  EXPECT_NEAR(ink.height(), 16, 1);

  // The name: margin half, icon and 4 pixels right of the box's left edge, in points.
  const QString words = run("pdftotext", {"-bbox", pdf, "-"});
  const QRegularExpressionMatch id =
      QRegularExpression(QStringLiteral("<word xMin=\"([\\d.]+)\"[^>]*>ID</word>")).match(words);
  ASSERT_TRUE(id.hasMatch()) << words.toStdString();
  EXPECT_NEAR(id.captured(1).toDouble(), (50 + 10 + 16 + 4) * 72.0 / 96, 1.5);
}
