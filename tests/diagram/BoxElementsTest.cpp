#include "DiagramFixture.h"
#include "diagram/Entity.h"
#include "diagram/EntryPoint.h"
#include "diagram/Errors.h"
#include "diagram/Note.h"
#include "diagram/ProjectInfo.h"
#include "diagram/TextLabel.h"

#include <QDateTime>
#include <QLocale>

namespace {

using testing_pixels::Column;
using testing_pixels::CountInk;
using testing_pixels::Px;
using testing_pixels::Row;
using ui::TRect;

// Text measured as the elements measure it.
int TextHeightIn(const ui::TFont* Font, const QString& Text) {
  ui::TCanvas c;
  c.Font()->Assign(Font);
  return c.TextHeight(Text);
}
int TextWidthIn(const ui::TFont* Font, const QString& Text) {
  ui::TCanvas c;
  c.Font()->Assign(Font);
  return c.TextWidth(Text);
}

// Zooms an element 100 -> 50 -> 25 -> 50 -> 100 % and resets its metrics.
void ZoomRoundTrip(TMorvikAbstract* E) {
  E->ChangeScale(50, 100);
  E->ChangeScale(50, 100);
  E->AdjustAfterScaling();
  E->ChangeScale(200, 100);
  E->ChangeScale(200, 100);
  E->AdjustAfterScaling();
  E->AdjustScaling(-1);
}

class NoteTest : public DiagramFixture {};

TEST_F(NoteTest, KeepsTheGivenSizeButNeverLessThanTheMinimum) {
  auto* n = Place<TNote>(Desktop);
  EXPECT_EQ(n->Brush()->Color(), ui::clYellow);
  EXPECT_TRUE(n->Effect3D());
  EXPECT_FALSE(n->AutoSize());
  n->SetBounds(10, 10, 200, 100);
  n->SetText(QStringLiteral("one\ntwo"));
  EXPECT_EQ(n->BoundsRect(), ui::Bounds(10, 10, 200, 100));
  n->SetBounds(10, 10, 20, 10);
  EXPECT_EQ(n->BoundsRect(), ui::Bounds(10, 10, 50, 35));
}

TEST_F(NoteTest, AutoSizeMeasuresTheLines) {
  auto* n = Place<TNote>(Desktop);
  n->SetAutoSize(true);
  EXPECT_EQ(n->Width(), 50);
  EXPECT_EQ(n->Height(), 35);
  const QString longest = QStringLiteral("Příliš žluťoučký kůň úpěl ďábelské ódy");
  n->SetLines({QStringLiteral("a"), longest, QStringLiteral("b")});
  const int lh = TextHeightIn(n->Font(), QStringLiteral("MyŠ"));
  EXPECT_EQ(n->Height(), std::max(35, 3 * lh + 17));
  EXPECT_EQ(n->Width(), std::max(50, TextWidthIn(n->Font(), longest) + 20));
  // A size given by hand is replaced by the measured one.
  const TRect measured = n->BoundsRect();
  n->SetBounds(n->Left(), n->Top(), 500, 500);
  EXPECT_EQ(n->BoundsRect(), measured);
  EXPECT_EQ(n->Text(), QStringLiteral("a\n") + longest + QStringLiteral("\nb"));
}

TEST_F(NoteTest, ZoomReturnsToTheExactMetrics) {
  auto* n = Place<TNote>(Desktop);
  n->SetAutoSize(true);
  n->SetText(QStringLiteral("first line\nsecond"));
  const TRect before = n->BoundsRect();
  const int fontSize = n->Font()->Size();
  ZoomRoundTrip(n);
  EXPECT_EQ(n->FoldSize(), 10);
  EXPECT_EQ(n->LeftMargin(), 10);
  EXPECT_EQ(n->MinWidth(), 50);
  EXPECT_EQ(n->MinHeight(), 35);
  EXPECT_EQ(n->Font()->Size(), fontSize);
  EXPECT_EQ(n->Width(), before.Width());
  EXPECT_EQ(n->Height(), before.Height());
}

TEST_F(NoteTest, PaintsASheetWithAFoldedCorner) {
  auto* n = Place<TNote>(Desktop);
  n->SetEffect3D(false);
  n->SetBounds(10, 10, 100, 60); // own x 0..99: the fold spans x 89..99, y 0..10
  n->SetText(QStringLiteral("WWW"));
  const QImage img = Render(200, 100);
  EXPECT_EQ(Row(img, 10, 10, 109), std::string(100, '#'));   // top edge and the square's top
  EXPECT_EQ(Column(img, 109, 10, 69), std::string(60, '#')); // right edge
  EXPECT_EQ(Row(img, 69, 10, 109), std::string(100, '#'));   // bottom edge
  for (int k = 0; k <= 10; ++k) EXPECT_EQ(Px(img, 99 + k, 10 + k), ui::clBlack) << k; // the fold
  EXPECT_EQ(Column(img, 99, 10, 20), std::string(11, '#'));                           // its inner edges
  EXPECT_EQ(Row(img, 20, 99, 109), std::string(11, '#'));
  EXPECT_EQ(Px(img, 105, 13), ui::clYellow); // paper above the fold
  EXPECT_EQ(Px(img, 102, 17), ui::clYellow); // and below it
  EXPECT_EQ(Px(img, 60, 60), ui::clYellow);
  // The text row starts one line height below the top, at the left margin.
  const int lh = TextHeightIn(n->Font(), QStringLiteral("MyŠ"));
  EXPECT_GT(CountInk(img, 20, 10 + lh, 60, 10 + 2 * lh - 1, ui::clYellow), 10);
  EXPECT_EQ(CountInk(img, 11, 11, 60, 10 + lh - 1, ui::clYellow), 0);

  n->SetEffect3D(true);
  const QImage bevel = Render(200, 100);
  EXPECT_EQ(Px(bevel, 11, 30), ui::clWhite); // left bevel
  EXPECT_EQ(Px(bevel, 108, 40), ui::clGray); // right bevel below the fold
  EXPECT_EQ(Px(bevel, 50, 68), ui::clGray);  // bottom bevel
}

TEST_F(NoteTest, PrintsOutlineAndTextInBlackOnWhite) {
  auto* n = Place<TNote>(Desktop);
  n->SetBounds(0, 0, 100, 60);
  n->SetText(QStringLiteral("Hello\nWorld"));
  QImage img = testing_pixels::MakeImage(300, 200, ui::clRed); // not yet cleared paper
  {
    testing_pixels::ImageCanvas page(img);
    n->PaintSelfToPrintCanvas(2, 2, 1, 1, 10, 10, &page.Canvas); // at (20, 20), 200 x 120
  }
  EXPECT_EQ(Px(img, 20, 20), ui::clBlack);
  EXPECT_EQ(Px(img, 219, 20), ui::clBlack); // the corner square's outer edges
  EXPECT_EQ(Px(img, 219, 25), ui::clBlack);
  EXPECT_EQ(Px(img, 219, 139), ui::clBlack);
  EXPECT_EQ(Px(img, 200, 30), ui::clWhite);  // no inner fold edge on paper
  EXPECT_EQ(Px(img, 100, 130), ui::clWhite); // the area below the rows is cleared
  int ink = 0;
  for (int y = 21; y < 139; ++y)
    for (int x = 21; x < 199; ++x) {
      const ui::TColor c = Px(img, x, y);
      if (c != ui::clWhite) ++ink;
      ASSERT_TRUE(c == ui::clWhite || c == ui::clBlack || (c & 0xFF) == ((c >> 8) & 0xFF)) << x << "," << y;
    }
  EXPECT_GT(ink, 20); // the two rows of text
}

class TextLabelTest : public DiagramFixture {};

TEST_F(TextLabelTest, TakesTheSizeOfItsText) {
  auto* l = Place<TTextLabel>(Desktop);
  EXPECT_EQ(l->Caption(), QStringLiteral("TextLabel"));
  EXPECT_EQ(l->Tag(), 0);
  const int w = TextWidthIn(l->Font(), l->Caption()), h = TextHeightIn(l->Font(), l->Caption());
  EXPECT_EQ(l->Width(), w + 8);
  EXPECT_EQ(l->Height(), h + 6);
  l->SetBounds(40, 30, 300, 200); // moves, but snaps back to its text
  EXPECT_EQ(l->BoundsRect(), ui::Bounds(40, 30, w + 8, h + 6));
  l->SetCaption(QStringLiteral("A much longer caption"));
  EXPECT_EQ(l->Width(), TextWidthIn(l->Font(), l->Caption()) + 8);
  EXPECT_EQ(l->Left(), 40);
}

TEST_F(TextLabelTest, ZoomReturnsToTheExactSize) {
  auto* l = Place<TTextLabel>(Desktop);
  l->SetCaption(QStringLiteral("Relation caption"));
  const TRect before = l->BoundsRect();
  ZoomRoundTrip(l);
  EXPECT_EQ(l->MarginX(), 3);
  EXPECT_EQ(l->MarginY(), 2);
  EXPECT_EQ(l->Width(), before.Width());
  EXPECT_EQ(l->Height(), before.Height());
}

TEST_F(TextLabelTest, PaintsAFrameOnePixelInsideItsBounds) {
  auto* l = Place<TTextLabel>(Desktop);
  l->SetBounds(10, 10, 0, 0);
  const int W = l->Width(), H = l->Height();
  const QImage img = Render(200, 60);
  const ui::TColor frame = ui::ColorToRGB(ui::clWindowFrame);
  EXPECT_EQ(Px(img, 10, 10), frame);
  EXPECT_EQ(Px(img, 10 + W - 2, 10 + H - 2), frame);
  EXPECT_EQ(Px(img, 10 + W - 1, 12), ui::clWhite); // the last column stays free
  EXPECT_EQ(Px(img, 10 + W - 3, 10 + H - 3), ui::ColorToRGB(ui::clBtnFace));
}

TEST_F(TextLabelTest, PrintsFrameAndCaptionInBlack) {
  auto* l = Place<TTextLabel>(Desktop);
  l->SetBounds(0, 0, 0, 0);
  const int W = l->Width() * 2, H = l->Height() * 2;
  QImage img = testing_pixels::MakeImage(W + 40, H + 40);
  {
    testing_pixels::ImageCanvas page(img);
    l->PaintSelfToPrintCanvas(2, 2, 1, 1, 5, 5, &page.Canvas); // at (10, 10)
  }
  EXPECT_EQ(Px(img, 10, 10), ui::clBlack);
  EXPECT_EQ(Px(img, 10 + W - 2, 10 + H - 2), ui::clBlack);
  EXPECT_EQ(Px(img, 10 + W - 1, 10 + H / 2), ui::clWhite);
  EXPECT_GT(CountInk(img, 11, 11, 10 + W - 3, 10 + H - 3), 20); // the caption, twice the size
  EXPECT_EQ(Px(img, 12, 12), ui::clWhite);                      // white, not the label's face
}

class ProjectInfoTest : public DiagramFixture {
protected:
  TProjectInfo* Block() {
    auto* p = Place<TProjectInfo>(Desktop);
    p->SetCreatedAt(QDateTime(QDate(2026, 3, 5), QTime(7, 8, 9)));
    p->SetUpdatedAt(QDateTime(QDate(2026, 12, 10), QTime(13, 45, 0)));
    return p;
  }
};

TEST(FormatDateTime, LettersOfTheFormat) {
  const QDateTime t(QDate(2026, 3, 5), QTime(7, 8, 9, 45));
  const std::pair<const char*, const char*> cases[] = {
      {"d. m. yyyy hh:nn:ss", "5. 3. 2026 07:08:09"},
      {"dd.mm.yy", "05.03.26"},
      {"hh:mm", "07:08"}, // m after an hour means minutes
      {"h:m:s.zzz", "7:8:9.045"},
      {"'m' m \"d\" d", "m 3 d 5"},
      {"yyyy-mm-dd", "2026-03-05"},
  };
  for (const auto& [format, text] : cases)
    EXPECT_EQ(FormatDateTime(QString::fromUtf8(format), t), QString::fromUtf8(text)) << format;

  // Three letters name the day or month shortly, four in full, in Czech; a fifth letter
  // starts the next run.
  const QLocale czech(QLocale::Czech, QLocale::CzechRepublic);
  const QString dayShort = czech.dayName(4, QLocale::ShortFormat),
                dayLong = czech.dayName(4, QLocale::LongFormat);
  const QString monthShort = czech.monthName(3, QLocale::ShortFormat);
  const QString monthLong = czech.monthName(3, QLocale::LongFormat);
  ASSERT_NE(dayShort, dayLong);
  EXPECT_EQ(FormatDateTime("ddd|dddd|ddddd", t), dayShort + "|" + dayLong + "|" + dayLong + "5");
  EXPECT_EQ(FormatDateTime("mmm|mmmm|mmmmm", t), monthShort + "|" + monthLong + "|" + monthLong + "3");
  EXPECT_EQ(FormatDateTime("hh:mmm", t), "07:" + monthShort); // three m after an hour: the month
}

TEST_F(ProjectInfoTest, MeasuresItsRowsAndRefusesAnyOtherSize) {
  TProjectInfo* p = Block();
  EXPECT_EQ(p->FormatStr(), QStringLiteral("d. m. yyyy hh:nn:ss"));
  EXPECT_EQ(p->Brush()->Color(), ui::clOlive);
  EXPECT_EQ(p->Font()->Color(), ui::clYellow);
  const ui::TFont* f = p->Font();
  int labels = 0;
  for (const char* caption : {"Projekt: ", "Verze: ", "Model: ", "Podmodel: ", "Autor: ", "Firma: ",
                              "DB Server: ", "Vytvořeno: ", "Upraveno: "})
    labels = std::max(labels, TextWidthIn(f, QString::fromUtf8(caption)));
  const int values = TextWidthIn(f, QStringLiteral("10. 12. 2026 13:45:00"));
  const int rowHeight = TextHeightIn(f, QStringLiteral("XyŠ")) + 1;
  EXPECT_EQ(p->LabelWidth(), labels);
  EXPECT_EQ(p->RowHeight(), rowHeight);
  EXPECT_EQ(p->Width(), labels + values + 25);
  EXPECT_EQ(p->Height(), 9 * rowHeight + 35);

  const TRect measured = p->BoundsRect();
  p->SetBounds(40, 50, 10, 10);
  EXPECT_EQ(p->BoundsRect(), ui::Bounds(40, 50, measured.Width(), measured.Height()));

  p->SetProject(QStringLiteral("A project with a name wider than any date"));
  EXPECT_EQ(p->Width(), labels + TextWidthIn(f, p->Project()) + 25);
  p->SetProject(QString());
  p->SetFormatStr(QStringLiteral("yyyy")); // re-measures
  EXPECT_EQ(p->Width(), labels + TextWidthIn(f, QStringLiteral("2026")) + 25);
}

TEST_F(ProjectInfoTest, WithoutADesktopNothingIsMeasured) {
  auto* p = new TProjectInfo(&Desktop);
  p->SetBounds(5, 6, 70, 80);
  p->SetProject(QStringLiteral("x"));
  EXPECT_EQ(p->BoundsRect(), ui::Bounds(5, 6, 70, 80));
  p->SetParent(&Desktop);
  EXPECT_NE(p->Width(), 70);
}

TEST_F(ProjectInfoTest, PaintsRowsWithTwoSeparators) {
  TProjectInfo* p = Block();
  p->SetBounds(10, 10, 0, 0);
  const int W = p->Width(), H = p->Height(), rh = p->RowHeight();
  const QImage img = Render(W + 40, H + 40);
  EXPECT_EQ(Px(img, 10, 10), ui::clBlack); // black edge
  EXPECT_EQ(Px(img, 10 + W - 1, 10 + H - 1), ui::clBlack);
  EXPECT_EQ(Px(img, 15, 15), ui::clOlive); // filled
  // Separators in grey, from the margin to W - margin, after row 1 and after row 6.
  const int first = 10 + 10 + rh + 4, second = 10 + 10 + rh + 10 + 5 * rh + 4;
  EXPECT_EQ(Row(img, first, 20, 10 + W - 11, ui::clGray, ui::clOlive), std::string(W - 20, '#'));
  EXPECT_EQ(Row(img, second, 20, 10 + W - 11, ui::clGray, ui::clOlive), std::string(W - 20, '#'));
  EXPECT_EQ(Px(img, 19, first), ui::clOlive);
  EXPECT_EQ(Px(img, 10 + W - 10, first), ui::clOlive);
  // Captions and values written on the olive rows.
  auto yellowIn = [&](int x0, int y0, int x1, int y1) { return CountInk(img, x0, y0, x1, y1, ui::clOlive); };
  const int valueX = 10 + 10 + p->LabelWidth() + 5;
  EXPECT_GT(yellowIn(20, 20, valueX - 1, 20 + rh - 1), 10);    // "Projekt: "
  EXPECT_EQ(yellowIn(valueX, 20, 10 + W - 2, 20 + rh - 1), 0); // empty project
  const int lastRow = 10 + 10 + rh + 10 + 5 * rh + 10 + 2 * rh;
  EXPECT_GT(yellowIn(valueX, lastRow, 10 + W - 2, lastRow + rh - 1), 10); // the update stamp
}

TEST_F(ProjectInfoTest, ZoomReturnsToTheExactSize) {
  TProjectInfo* p = Block();
  const TRect before = p->BoundsRect();
  ZoomRoundTrip(p);
  EXPECT_EQ(p->Margin(), 10);
  EXPECT_EQ(p->ExtraHeight(), 35);
  EXPECT_EQ(p->Width(), before.Width());
  EXPECT_EQ(p->Height(), before.Height());
}

TEST_F(ProjectInfoTest, PrintsBlackOnWhite) {
  TProjectInfo* p = Block();
  p->SetBounds(0, 0, 0, 0);
  QImage img = testing_pixels::MakeImage(p->Width() + 20, p->Height() + 20);
  {
    testing_pixels::ImageCanvas page(img);
    p->PaintSelfToPrintCanvas(1, 1, 1, 1, 5, 5, &page.Canvas);
  }
  EXPECT_EQ(Px(img, 5, 5), ui::clBlack);
  EXPECT_EQ(Px(img, 5 + p->Width() - 2, 5 + p->Height() - 2), ui::clBlack);
  EXPECT_EQ(Row(img, 5 + 10 + p->RowHeight() + 4, 15, 5 + p->Width() - 11),
            std::string(p->Width() - 20, '#'));
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) {
      const ui::TColor c = Px(img, x, y);
      ASSERT_TRUE((c & 0xFF) == ((c >> 8) & 0xFF) && (c & 0xFF) == ((c >> 16) & 0xFF)) << x << "," << y;
    }
}

class EntryPointTest : public DiagramFixture {};

TEST_F(EntryPointTest, StandsOnTheTopRightOfItsBoxAndFollowsIt) {
  TRectangle* box = Box(100, 200, 120, 60);
  auto* e = Place<TEntryPoint>(Desktop);
  EXPECT_EQ(e->Width(), 9);
  EXPECT_EQ(e->Height(), 17);
  e->SetEntity(box);
  EXPECT_EQ(box->EntryPoint(), e);
  EXPECT_EQ(e->Left(), 211);
  EXPECT_EQ(e->Top(), 183);
  box->SetBounds(10, 50, 80, 40);
  EXPECT_EQ(e->Left(), 81);
  EXPECT_EQ(e->Top(), 33);
  EXPECT_FALSE(e->IsInRect(ui::Rect(0, 0, 1000, 1000)));
  EXPECT_TRUE(box->IsInRect(ui::Rect(0, 0, 1000, 1000)));
}

TEST_F(EntryPointTest, SecondMarkerIsRefusedAndBothSidesStayLinked) {
  TRectangle* a = Box(100, 200, 120, 60);
  TRectangle* b = Box(300, 200, 120, 60);
  auto* first = Place<TEntryPoint>(Desktop);
  auto* second = Place<TEntryPoint>(Desktop);
  first->SetEntity(a);
  second->SetEntity(b);
  try {
    second->SetEntity(a);
    FAIL() << "no error";
  } catch (const EMorvikError& e) {
    EXPECT_EQ(e.ErrorCode(), 1);
    EXPECT_EQ(e.ErrorType(), 1);
    EXPECT_EQ(e.DeveloperCode(), dcGA);
  }
  EXPECT_EQ(a->EntryPoint(), first);
  EXPECT_EQ(first->Entity(), a);
  EXPECT_EQ(b->EntryPoint(), second); // not unlinked by the failed call
  EXPECT_EQ(second->Entity(), b);
  // Setting the box it already marks is no error.
  EXPECT_NO_THROW(first->SetEntity(a));
  EXPECT_EQ(a->EntryPoint(), first);
}

TEST_F(EntryPointTest, DeletingMarkerOrBoxUnlinks) {
  TRectangle* a = Box(100, 200, 120, 60);
  auto* first = Place<TEntryPoint>(Desktop);
  first->SetEntity(a);
  delete first;
  EXPECT_EQ(a->EntryPoint(), nullptr);
  auto* next = Place<TEntryPoint>(Desktop);
  EXPECT_NO_THROW(next->SetEntity(a));
  delete a;
  EXPECT_EQ(next->Entity(), nullptr);
  next->SetEntity(nullptr);
}

TEST_F(EntryPointTest, PaintsAndPrintsADownwardTriangle) {
  TRectangle* box = Box(100, 200, 120, 60);
  auto* e = Place<TEntryPoint>(Desktop);
  e->SetEntity(box);
  const QImage img = Render(300, 300);
  EXPECT_EQ(Row(img, 183, 210, 220), ".#########.");
  EXPECT_EQ(Px(img, 215, 199), ui::clBlack); // the tip, over the middle column
  EXPECT_EQ(Px(img, 211, 199), ui::clWhite);
  EXPECT_EQ(Px(img, 215, 190), ui::clBlack);

  QImage page = testing_pixels::MakeImage(100, 100);
  {
    testing_pixels::ImageCanvas c(page);
    e->PaintSelfToPrintCanvas(2, 2, 1, 1, 10, 10, &c.Canvas); // 18 x 34 at (20, 20)
  }
  EXPECT_EQ(Row(page, 20, 19, 38), "." + std::string(18, '#') + ".");
  EXPECT_EQ(Px(page, 28, 53), ui::clBlack); // tip at x 20 + 18 / 2 - 1
}

TEST_F(EntryPointTest, ZoomReturnsToItsSizeAndPlace) {
  TRectangle* box = Box(100, 200, 120, 60);
  auto* e = Place<TEntryPoint>(Desktop);
  e->SetEntity(box);
  for (TMorvikAbstract* x : std::initializer_list<TMorvikAbstract*>{box, e}) x->ChangeScale(50, 100);
  e->AdjustAfterScaling();
  EXPECT_EQ(e->Width(), 5);
  for (TMorvikAbstract* x : std::initializer_list<TMorvikAbstract*>{box, e}) x->ChangeScale(200, 100);
  e->AdjustAfterScaling();
  EXPECT_EQ(e->Width(), 10); // 9 -> 5 -> 10: rounding, until the size resets
  // The reset at 100 % places the marker for its new size at once, before any other call.
  e->AdjustScaling(-1);
  EXPECT_EQ(e->BoundsRect(), ui::Bounds(211, 183, 9, 17));
}

// Font sizes through zoom round trips: back at 100 % every box kind has exactly the font it
// had at 100 %, however often and however deep it was zoomed (the font is saved with the
// schema, so a drift would be written to disk).
class BoxFontZoomTest : public DiagramFixture {
protected:
  using Maker = TRectangle* (*)(ui::TDesktop&);
  struct Kind {
    const char* Name;
    Maker Make;
  };
  static std::vector<Kind> Kinds() {
    return {{"entity", [](ui::TDesktop& d) -> TRectangle* { return Place<TEntity>(d); }},
            {"note", [](ui::TDesktop& d) -> TRectangle* { return Place<TNote>(d); }},
            {"text label", [](ui::TDesktop& d) -> TRectangle* { return Place<TTextLabel>(d); }},
            {"project info", [](ui::TDesktop& d) -> TRectangle* { return Place<TProjectInfo>(d); }}};
  }
  // Zooms down by halves to 100 / 2^Depth and back up, as the schema window steps.
  static void Trip(TRectangle* E, int Depth) {
    for (int i = 0; i < Depth; ++i) E->ChangeScale(50, 100);
    E->AdjustAfterScaling();
    for (int i = 0; i < Depth; ++i) E->ChangeScale(200, 100);
    E->AdjustAfterScaling();
    E->AdjustScaling(-1);
  }
};

TEST_F(BoxFontZoomTest, RoundTripsRestoreTheExactFont) {
  struct Case {
    int Depth; // 1: 50 %, 2: 25 %, 3: 12.5 %
    int Trips;
  };
  const Case cases[] = {{1, 1}, {2, 1}, {3, 1}, {1, 5}, {3, 4}};
  for (const Kind& kind : Kinds())
    for (const int size : {7, 9, 13})
      for (const Case& c : cases) {
        TRectangle* e = kind.Make(Desktop);
        e->Font()->SetSize(size);
        const int height = e->Font()->Height();
        for (int t = 0; t < c.Trips; ++t) Trip(e, c.Depth);
        EXPECT_EQ(e->Font()->Height(), height)
            << kind.Name << " size " << size << " depth " << c.Depth << " trips " << c.Trips;
        EXPECT_EQ(e->Font()->Size(), size) << kind.Name << " size " << size << " depth " << c.Depth;
        delete e;
      }
}

TEST_F(BoxFontZoomTest, ZoomedStepsStillScaleTheFont) {
  for (const Kind& kind : Kinds()) {
    TRectangle* e = kind.Make(Desktop);
    e->Font()->SetSize(9);
    e->ChangeScale(50, 100);
    EXPECT_EQ(e->Font()->Size(), 5) << kind.Name;
    e->ChangeScale(50, 100);
    EXPECT_EQ(e->Font()->Size(), 3) << kind.Name;
    // Back at 100 % without a reset: the 100 % font is there already.
    e->ChangeScale(200, 100);
    e->ChangeScale(200, 100);
    EXPECT_EQ(e->Font()->Size(), 9) << kind.Name;
    delete e;
  }
}

TEST_F(BoxFontZoomTest, AFontSetWhileZoomedCountsAtItsZoom) {
  for (const Kind& kind : Kinds()) {
    TRectangle* e = kind.Make(Desktop);
    e->Font()->SetSize(9);
    e->ChangeScale(50, 100);
    e->Font()->SetSize(6);          // chosen at 50 %: 12 at 100 %
    e->Font()->SetColor(ui::clRed); // not a size: changes nothing of the 100 % font
    e->ChangeScale(200, 100);
    e->AdjustAfterScaling();
    e->AdjustScaling(-1);
    EXPECT_EQ(e->Font()->Size(), 12) << kind.Name;
    // A size given to the reset wins and becomes the 100 % font.
    e->ChangeScale(50, 100);
    e->ChangeScale(200, 100);
    e->AdjustScaling(10);
    EXPECT_EQ(e->Font()->Size(), 10) << kind.Name;
    Trip(e, 3);
    EXPECT_EQ(e->Font()->Size(), 10) << kind.Name;
    delete e;
  }
}

TEST_F(BoxFontZoomTest, AssignFromAZoomedSampleKeepsThe100PercentFont) {
  for (const Kind& kind : Kinds()) {
    TRectangle* sample = kind.Make(Desktop);
    sample->Font()->SetSize(9);
    sample->ChangeScale(50, 100);
    TRectangle* e = kind.Make(Desktop);
    e->ChangeScale(50, 100);
    e->Assign(sample);
    EXPECT_EQ(e->Font()->Size(), 5) << kind.Name;
    e->ChangeScale(200, 100);
    e->AdjustScaling(-1);
    EXPECT_EQ(e->Font()->Size(), 9) << kind.Name;
    delete e;
    delete sample;
  }
}

} // namespace
