#include "DiagramFixture.h"
#include "ErrorNumber.h"
#include "diagram/Errors.h"
#include "diagram/ResizeBox.h"
#include "diagram/ResizeLine.h"
#include "diagram/SelectingRect.h"

#include <QPainter>

namespace {

using testing_pixels::Column;
using testing_pixels::CountInk;
using testing_pixels::Px;
using testing_pixels::Row;
using ui::TRect;

// Errors of the handles are of type 1 and raised by this library.
int HandleErrorOf(const std::function<void()>& Action) {
  return ErrorNumberOf(Action, [](const EMorvikError& e) {
    EXPECT_EQ(e.ErrorType(), 1);
    EXPECT_EQ(e.DeveloperCode(), dcGA);
  });
}

class ResizeBoxTest : public DiagramFixture {};

TEST(ResizeBoxCodes, HandleCodeAtEveryBorderPoint) {
  // A frame of 105 x 65 with handles of 5: corners x 0..5 / 99..104, y 0..5 / 59..64;
  // middles x 50..55, y 30..35.
  struct Case {
    int x, y;
    uint8_t code;
  };
  const Case cases[] = {
      {0, 0, hcTopLeft},        {5, 5, hcTopLeft},       {6, 5, hcNone},       {5, 6, hcNone},
      {104, 64, hcBottomRight}, {99, 59, hcBottomRight}, {98, 59, hcNone},     {0, 64, hcBottomLeft},
      {5, 59, hcBottomLeft},    {0, 58, hcNone},         {104, 0, hcTopRight}, {99, 5, hcTopRight},
      {99, 6, hcNone},          {50, 0, hcTop},          {55, 5, hcTop},       {56, 0, hcNone},
      {49, 5, hcNone},          {52, 64, hcBottom},      {52, 59, hcBottom},   {52, 58, hcNone},
      {0, 30, hcLeft},          {5, 35, hcLeft},         {0, 36, hcNone},      {0, 29, hcNone},
      {104, 32, hcRight},       {99, 30, hcRight},       {98, 32, hcNone},     {52, 32, hcNone},
  };
  for (const Case& c : cases)
    EXPECT_EQ(TResizeBox::HandleCodeAt(c.x, c.y, 105, 65, 5), c.code) << c.x << "," << c.y;
  // On a narrow frame the corner rules win over the middle ones.
  EXPECT_EQ(TResizeBox::HandleCodeAt(0, 0, 10, 10, 5), hcTopLeft);
  EXPECT_EQ(TResizeBox::HandleCodeAt(3, 0, 10, 10, 5), hcTopLeft);
  EXPECT_EQ(TResizeBox::HandleCodeAt(9, 9, 10, 10, 5), hcBottomRight);
  EXPECT_EQ(TResizeBox::HandleCodeAt(4, 9, 10, 10, 5), hcBottomRight);
}

TEST_F(ResizeBoxTest, FrameFollowsItsHost) {
  TRectangle* host = Box(200, 100, 100, 60);
  auto* frame = Place<TResizeBox>(Desktop);
  EXPECT_EQ(frame->State(), rsSelectedAsOne);
  EXPECT_EQ(frame->HandleSize(), 5);
  frame->SetHost(host);
  EXPECT_EQ(host->Resizer(), frame);
  EXPECT_EQ(frame->BoundsRect(), ui::Bounds(198, 98, 105, 65));
  host->SetBounds(10, 20, 50, 40);
  host->TellHimAboutMyChange();
  EXPECT_EQ(frame->BoundsRect(), ui::Bounds(8, 18, 55, 45));
  // Another host: the first forgets the frame.
  TRectangle* other = Box(0, 0, 30, 30);
  frame->SetHost(other);
  EXPECT_EQ(host->Resizer(), nullptr);
  EXPECT_EQ(other->Resizer(), frame);
  delete frame;
  EXPECT_EQ(other->Resizer(), nullptr);
}

TEST_F(ResizeBoxTest, DraggedFrameMovesItsHostAndKeepsItsSize) {
  TRectangle* host = Box(200, 100, 100, 60);
  auto* frame = Place<TResizeBox>(Desktop);
  frame->SetHost(host);
  frame->SetBounds(frame->Left() + 10, frame->Top() + 10, frame->Width(), frame->Height());
  frame->SetHostPosition();
  EXPECT_EQ(host->BoundsRect(), ui::Bounds(210, 110, 100, 60));
  EXPECT_EQ(frame->BoundsRect(), ui::Bounds(208, 108, 105, 65));
  // Resized by the bottom-right handle.
  frame->SetBounds(208, 108, 125, 75);
  frame->SetHostPosition();
  EXPECT_EQ(host->BoundsRect(), ui::Bounds(210, 110, 120, 70));

  delete host;
  EXPECT_EQ(frame->Host(), nullptr);
  EXPECT_EQ(HandleErrorOf([&] { frame->SetHostPosition(); }), 4);
}

TEST_F(ResizeBoxTest, MouseMoveSetsCodeAndCursor) {
  TRectangle* host = Box(200, 100, 100, 60);
  auto* frame = Place<TResizeBox>(Desktop);
  frame->SetHost(host);
  struct Case {
    int x, y, code;
    ui::TCursor cursor;
  };
  const Case cases[] = {{2, 2, hcTopLeft, ui::crSizeNWSE},     {102, 62, hcBottomRight, ui::crSizeNWSE},
                        {2, 62, hcBottomLeft, ui::crSizeNESW}, {102, 2, hcTopRight, ui::crSizeNESW},
                        {52, 2, hcTop, ui::crSizeNS},          {52, 62, hcBottom, ui::crSizeNS},
                        {2, 32, hcLeft, ui::crSizeWE},         {102, 32, hcRight, ui::crSizeWE},
                        {40, 40, hcNone, ui::crDefault}};
  for (const Case& c : cases) {
    frame->DoMouseMove(0, c.x, c.y);
    EXPECT_EQ(frame->HandleCode(), c.code) << c.x << "," << c.y;
    EXPECT_EQ(frame->Cursor(), c.cursor) << c.x << "," << c.y;
  }
  frame->SetState(rsMoving);
  frame->DoMouseMove(0, 2, 2);
  EXPECT_EQ(frame->HandleCode(), hcMoving);
  EXPECT_EQ(frame->Cursor(), ui::crDefault);

  frame->SetState(rsSelectedAsOne);
  frame->DoMouseMove(0, 2, 2);
  frame->SetDefaultCursor(ui::crArrow);
  frame->SetEnableResize(false); // also stops changing the cursor
  frame->DoMouseMove(0, 52, 62);
  EXPECT_EQ(frame->HandleCode(), hcTopLeft); // kept
  EXPECT_EQ(frame->Cursor(), ui::crArrow);

  int moves = 0;
  frame->OnMouseMove = [&](ui::TObject*, ui::TShiftState, int, int) { ++moves; };
  frame->DoMouseMove(0, 1, 1);
  EXPECT_EQ(moves, 1);
}

TEST_F(ResizeBoxTest, DragFrameOfTheCreationTools) {
  auto* frame = Place<TResizeBox>(Desktop);
  frame->SetPosition(50, 10, 10, 40);
  EXPECT_EQ(frame->BoundsRect(), ui::Bounds(10, 10, 40, 30));
  frame->SetPosition(10, 40, 50, 10);
  EXPECT_EQ(frame->BoundsRect(), ui::Bounds(10, 10, 40, 30));
}

TEST_F(ResizeBoxTest, PaintsHandlesByState) {
  TRectangle* host = Box(200, 100, 100, 60);
  auto* frame = Place<TResizeBox>(Desktop);
  frame->SetHost(host);
  host->SetVisible(false);
  QImage img = Render();
  // Top-left handle covers the frame's x 198..202, y 98..102; the middle ones sit at
  // x 198 + 50 and y 98 + 30.
  EXPECT_EQ(Row(img, 98, 197, 204), ".#####..");
  EXPECT_EQ(Row(img, 100, 247, 254), ".#####..");
  EXPECT_EQ(Row(img, 160, 297, 303), "#####.."); // bottom-right at x 297..301 (W - S - 1 = 99)
  EXPECT_EQ(Column(img, 200, 127, 134), ".#####..");
  EXPECT_EQ(Px(img, 250, 130), ui::clWhite);
  EXPECT_EQ(CountInk(img, 190, 90, 320, 180), 8 * 25);

  frame->SetState(rsSelectedAsMany);
  img = Render();
  EXPECT_EQ(Px(img, 198, 98), ui::clGray);
  EXPECT_EQ(Px(img, 200, 100), ui::clGray);
  frame->SetState(rsSelectedAsUnactive);
  img = Render();
  EXPECT_EQ(Px(img, 198, 98), ui::clBlack);
  EXPECT_EQ(Px(img, 200, 100), ui::clGray);
  frame->SetState(rsMoving);
  img = Render();
  // An outline from (2, 2) to (W - 3, H - 3) and no handles.
  EXPECT_EQ(Px(img, 198, 98), ui::clWhite);
  EXPECT_EQ(Row(img, 100, 199, 301), "." + std::string(101, '#') + ".");
  EXPECT_EQ(Column(img, 300, 99, 161), "." + std::string(61, '#') + ".");
}

TEST_F(ResizeBoxTest, ZoomReturnsToTheHandleSize) {
  TRectangle* host = Box(200, 100, 100, 60);
  auto* frame = Place<TResizeBox>(Desktop);
  frame->SetHost(host);
  for (TMorvikAbstract* e : std::initializer_list<TMorvikAbstract*>{host, frame}) e->ChangeScale(50, 100);
  frame->AdjustAfterScaling();
  EXPECT_EQ(frame->HandleSize(), 3);
  EXPECT_EQ(frame->BoundsRect(), ui::Bounds(99, 49, 53, 33));
  for (TMorvikAbstract* e : std::initializer_list<TMorvikAbstract*>{host, frame}) e->ChangeScale(200, 100);
  frame->AdjustAfterScaling();
  frame->AdjustScaling(-1);
  EXPECT_EQ(frame->HandleSize(), 5);
  EXPECT_EQ(frame->BoundsRect(), ui::Bounds(198, 98, 105, 65));
}

class ResizeLineTest : public DiagramFixture {
protected:
  void SetUp() override {
    base = Box(0, 0, 100, 50);
    target = Box(200, 0, 100, 50);
    line = Relate(base, {50, 24}, target, {40, 20});
  }
  TResizeLine* Handle(THostSite Site) {
    auto* h = Place<TResizeLine>(Desktop);
    h->SetHostSite(Site);
    h->SetHost(line);
    return h;
  }
  TRelation* line = nullptr;
};

TEST_F(ResizeLineTest, CentredOnTheAnchorOfItsEnd) {
  TResizeLine* b = Handle(hsBase);
  TResizeLine* t = Handle(hsTarget);
  EXPECT_EQ(b->BoundsRect(), ui::Bounds(48, 22, 5, 5));
  EXPECT_EQ(t->BoundsRect(), ui::Bounds(238, 18, 5, 5));
  t->SetHostSite(hsBase);
  EXPECT_EQ(t->BoundsRect(), ui::Bounds(48, 22, 5, 5));
}

TEST_F(ResizeLineTest, LettingGoWithoutMovingKeepsTheAnchor) {
  TResizeLine* b = Handle(hsBase);
  TResizeLine* t = Handle(hsTarget);
  for (int i = 0; i < 3; ++i) {
    b->SetHostPosition();
    t->SetHostPosition();
    b->GotoHostPosition();
    t->GotoHostPosition();
  }
  EXPECT_EQ(line->BaseX(), 50);
  EXPECT_EQ(line->BaseY(), 24);
  EXPECT_EQ(line->TargetX(), 40);
  EXPECT_EQ(line->TargetY(), 20);
}

TEST_F(ResizeLineTest, DraggedHandleMovesTheAnchorWithinTheBox) {
  TResizeLine* t = Handle(hsTarget);
  t->SetBounds(t->Left() + 10, t->Top() + 5, 5, 5);
  t->SetHostPosition();
  EXPECT_EQ(line->TargetX(), 50);
  EXPECT_EQ(line->TargetY(), 25);
  // Outside the box the line refuses the anchor.
  t->SetBounds(150, 18, 5, 5);
  t->SetHostPosition();
  EXPECT_EQ(line->TargetX(), 50);
  EXPECT_EQ(line->TargetY(), 25);
}

TEST_F(ResizeLineTest, ErrorsWhenTheLineOrItsEndIsMissing) {
  auto* h = Place<TResizeLine>(Desktop);
  EXPECT_EQ(HandleErrorOf([&] { h->GotoHostPosition(); }), 4);
  EXPECT_EQ(HandleErrorOf([&] { h->SetHostPosition(); }), 4);
  auto* loose = new TRelation(&Desktop);
  loose->SetParent(&Desktop);
  h->SetHostSite(hsTarget);
  EXPECT_EQ(HandleErrorOf([&] { h->SetHost(loose); }), 6);
  EXPECT_EQ(HandleErrorOf([&] { h->SetHostSite(hsBase); }), 5); // follows the line to its base
  EXPECT_EQ(HandleErrorOf([&] { h->GotoHostPosition(); }), 5);
  EXPECT_NO_THROW(h->SetHostPosition()); // a missing end box is ignored
  delete loose;
  EXPECT_EQ(h->Host(), nullptr);
}

TEST_F(ResizeLineTest, CursorPaintAndZoom) {
  TResizeLine* b = Handle(hsBase);
  b->DoMouseMove(0, 1, 1);
  EXPECT_EQ(b->Cursor(), ui::crSizeAll);
  b->SetDefaultCursor(ui::crArrow);
  b->SetChangeCursor(false);
  b->DoMouseMove(0, 1, 1);
  EXPECT_EQ(b->Cursor(), ui::crArrow);

  base->SetVisible(false);
  const QImage img = Render();
  EXPECT_EQ(Row(img, 22, 47, 53), ".#####.");
  EXPECT_EQ(Row(img, 26, 47, 53), ".#####.");

  // Lines lie behind the boxes, so a zoom step scales them first.
  for (TMorvikAbstract* e : std::initializer_list<TMorvikAbstract*>{line, base, target, b})
    e->ChangeScale(50, 100);
  line->AdjustAfterScaling();
  b->AdjustAfterScaling();
  EXPECT_EQ(b->HandleSize(), 3);
  for (TMorvikAbstract* e : std::initializer_list<TMorvikAbstract*>{line, base, target, b})
    e->ChangeScale(200, 100);
  line->AdjustAfterScaling();
  b->AdjustAfterScaling();
  b->AdjustScaling(-1);
  EXPECT_EQ(b->HandleSize(), 5);
  EXPECT_EQ(b->BoundsRect(), ui::Bounds(48, 22, 5, 5));
}

class SelectingRectTest : public DiagramFixture {};

TEST_F(SelectingRectTest, RectangleAndDirectionFromTwoPoints) {
  auto* s = Place<TSelectingRect>(Desktop);
  EXPECT_EQ(s->Mode(), stRect);
  EXPECT_EQ(s->BoundsRect(), ui::Bounds(0, 0, 40, 20));
  struct Case {
    int x1, y1, x2, y2;
    bool rising;
  };
  const Case cases[] = {
      {50, 10, 10, 40, true}, {10, 10, 50, 40, false}, {10, 40, 50, 10, true}, {50, 40, 10, 10, false}};
  for (const Case& c : cases) {
    s->SetPosition(c.x1, c.y1, c.x2, c.y2);
    EXPECT_EQ(s->BoundsRect(), ui::Bounds(10, 10, 40, 30));
    EXPECT_EQ(s->Rising(), c.rising) << c.x1 << "," << c.y1 << " to " << c.x2 << "," << c.y2;
    TRect r;
    s->GetRect(r);
    EXPECT_EQ(r, ui::Rect(10, 10, 49, 39));
  }
}

// Paints the rubber band Times times over an image of the desktop colour.
QImage PaintOver(TSelectingRect* S, ui::TColor Background, int Times) {
  QImage img = testing_pixels::MakeImage(100, 80, Background);
  QPainter p(&img);
  p.translate(S->Left(), S->Top());
  S->Canvas()->Attach(&p);
  for (int i = 0; i < Times; ++i) S->DoPaint();
  S->Canvas()->Detach();
  return img;
}

TEST_F(SelectingRectTest, VisibleOnTheDesktopColourAndErasedExactly) {
  auto* s = Place<TSelectingRect>(Desktop);
  s->SetPosition(10, 10, 50, 40);
  for (ui::TColor background : {ui::clWhite, ui::clGray, ui::clBlack, ui::clTeal}) {
    SCOPED_TRACE(testing::Message() << std::hex << background);
    for (TSelectingType mode : {stRect, stLine}) {
      s->SetMode(mode);
      const QImage once = PaintOver(s, background, 1);
      const int changed = CountInk(once, 0, 0, 99, 79, background);
      EXPECT_GT(changed, mode == stRect ? 40 : 10);
      // Every changed pixel is the inverse of the background.
      EXPECT_EQ(changed, CountInk(once, 0, 0, 99, 79, background) -
                             (CountInk(once, 0, 0, 99, 79, 0xFFFFFF ^ background) - (100 * 80 - changed)));
      // Dotted: never two neighbours in a row along the top edge.
      if (mode == stRect) {
        for (int x = 10; x < 49; ++x)
          EXPECT_FALSE(Px(once, x, 10) != background && Px(once, x + 1, 10) != background) << x;
      }
      const QImage twice = PaintOver(s, background, 2);
      EXPECT_EQ(CountInk(twice, 0, 0, 99, 79, background), 0);
    }
  }
}

TEST_F(SelectingRectTest, RubberLineJoinsThePointsGiven) {
  auto* s = Place<TSelectingRect>(Desktop);
  s->SetMode(stLine);
  s->SetPosition(10, 40, 50, 10); // rising: lower-left to upper-right
  const QImage rising = PaintOver(s, ui::clWhite, 1);
  EXPECT_EQ(CountInk(rising, 10, 30, 20, 39),
            CountInk(rising, 0, 0, 99, 79) > 0 ? CountInk(rising, 10, 30, 20, 39) : -1);
  EXPECT_GT(CountInk(rising, 10, 30, 20, 39), 0);
  EXPECT_EQ(CountInk(rising, 10, 10, 20, 20), 0);
  s->SetPosition(10, 10, 50, 40); // falling
  const QImage falling = PaintOver(s, ui::clWhite, 1);
  EXPECT_GT(CountInk(falling, 10, 10, 20, 20), 0);
  EXPECT_EQ(CountInk(falling, 10, 30, 20, 39), 0);
}

} // namespace
