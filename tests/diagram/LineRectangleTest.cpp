// Lines between boxes: slots, anchors, straight route, hit test, zoom; boxes: entry point,
// painting, selection rectangle.

#include "DiagramTestKit.h"
#include "ErrorNumber.h"
#include "diagram/Errors.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace testing_pixels;

namespace {

class TCountingBox : public TRectangle {
public:
  using TRectangle::TRectangle;
  int PenChanges = 0;
  void PenChanged(ui::TObject* Sender) override {
    ++PenChanges;
    TRectangle::PenChanged(Sender);
  }
};

} // namespace

TEST(Rectangle, LineSlotsAreReusedAndGrowByTen) {
  ui::TDesktop desktop;
  auto* box = new TRectangle(&desktop);
  EXPECT_EQ(box->SlotCount(), 10);
  std::vector<TTestLine*> lines;
  for (int i = 0; i < 11; ++i) {
    lines.push_back(new TTestLine(&desktop));
    lines.back()->SetBase(box);
  }
  EXPECT_EQ(box->SlotCount(), 20);
  EXPECT_EQ(lines[10]->BaseSlot(), 10);
  EXPECT_EQ(box->LineCount(), 11);
  EXPECT_EQ(box->GetLine(10), lines[10]);
  EXPECT_EQ(box->GetLine(19), nullptr);

  delete lines[0];
  EXPECT_EQ(box->LineCount(), 10);
  EXPECT_EQ(box->GetLine(0), nullptr);
  EXPECT_EQ(box->SlotCount(), 20);
  auto* again = new TTestLine(&desktop);
  again->SetBase(box);
  EXPECT_EQ(again->BaseSlot(), 0);
  EXPECT_EQ(lines[5]->BaseSlot(), 5); // slots are never compacted
}

TEST(Rectangle, GetLineOutsideTheSlotsRaisesError9) {
  ui::TDesktop desktop;
  auto* box = new TRectangle(&desktop);
  auto* line = new TTestLine(&desktop);
  line->SetBase(box);
  EXPECT_EQ(box->GetLine(9), nullptr);
  EXPECT_EQ(ErrorNumberOf([&] { box->GetLine(10); }), 9);
  EXPECT_EQ(ErrorNumberOf([&] { box->GetLine(-1); }), 9);
}

TEST(Line, SelfRelationTakesTwoSlotsAndFreesBoth) {
  ui::TDesktop desktop;
  auto* box = new TRectangle(&desktop);
  auto* line = new TTestLine(&desktop);
  line->SetBase(box);
  EXPECT_FALSE(line->SelfRelation());
  line->SetTarget(box);
  EXPECT_TRUE(line->SelfRelation());
  EXPECT_EQ(line->SelfRelationCalls, 1);
  EXPECT_EQ(box->LineCount(), 2);
  delete line;
  EXPECT_EQ(box->LineCount(), 0);
  EXPECT_EQ(box->GetLine(0), nullptr);
  EXPECT_EQ(box->GetLine(1), nullptr);
}

TEST(Line, AnchorSettersAcceptOnlyValuesInsideTheBox) {
  ui::TDesktop desktop;
  auto* box = Place(desktop, new TRectangle(&desktop), 0, 0, 100, 60);
  auto* line = new TTestLine(&desktop);
  EXPECT_EQ(line->BaseX(), 1);
  line->SetBaseX(500); // no box yet: only the lower limit applies
  EXPECT_EQ(line->BaseX(), 500);
  line->SetBase(box);
  EXPECT_EQ(line->BaseX(), 99); // clamped into the box
  struct Case {
    int value, expected;
  };
  for (const Case& c : {Case{1, 99}, Case{100, 99}, Case{2, 2}, Case{99, 99}, Case{0, 99}}) {
    line->SetBaseX(50);
    line->SetBaseX(c.value);
    EXPECT_EQ(line->BaseX(), c.value == 1 || c.value == 100 || c.value == 0 ? 50 : c.expected) << c.value;
  }
  line->SetBaseY(59);
  EXPECT_EQ(line->BaseY(), 59);
  line->SetBaseY(60);
  EXPECT_EQ(line->BaseY(), 59);

  line->SetBaseXY(10, 10);
  EXPECT_EQ(ui::Point(line->BaseX(), line->BaseY()), ui::Point(10, 10));
  line->SetBaseXY(20, 60); // y outside: neither is stored
  line->SetBaseXY(1, 20);  // x below 2
  EXPECT_EQ(ui::Point(line->BaseX(), line->BaseY()), ui::Point(10, 10));

  line->SetTolerance(-1);
  EXPECT_EQ(line->Tolerance(), 4);
  line->SetTolerance(0);
  EXPECT_EQ(line->Tolerance(), 0);
}

TEST(Line, StraightRouteFollowsTheBoxesAndLeavesOutTheTargetPixel) {
  ui::TDesktop desktop;
  auto* a = Place(desktop, new TRectangle(&desktop), 0, 0, 20, 20);
  auto* b = Place(desktop, new TRectangle(&desktop), 200, 100, 20, 20);
  auto* line = new TTestLine(&desktop);
  line->SetParent(&desktop);
  line->SetBase(a);
  line->SetTarget(b);
  line->SetBaseXY(10, 10);
  line->SetTargetXY(10, 10);
  EXPECT_EQ(line->BoundsRect(), ui::Rect(10, 10, 211, 111));
  EXPECT_FALSE(line->Falling());

  QImage img = Render(desktop, 260, 160);
  EXPECT_EQ(Px(img, 30, 20), ui::clBlack); // on the line outside the boxes
  EXPECT_EQ(Px(img, 110, 60), ui::clBlack);
  EXPECT_EQ(Px(img, 190, 100), ui::clBlack);

  // Moving the target box above the base box turns the line around.
  b->SetBounds(200, -100, 20, 20);
  EXPECT_EQ(line->BoundsRect(), ui::Rect(10, -90, 211, 11));
  EXPECT_TRUE(line->Falling());
  b->SetBounds(-200, -100, 20, 20);
  EXPECT_FALSE(line->Falling());
  b->SetBounds(-200, 100, 20, 20);
  EXPECT_TRUE(line->Falling());
}

TEST(Line, AnchorsStayInsideABoxThatShrinks) {
  ui::TDesktop desktop;
  auto* a = Place(desktop, new TRectangle(&desktop), 0, 0, 100, 60);
  auto* b = Place(desktop, new TRectangle(&desktop), 300, 0, 100, 60);
  auto* line = new TTestLine(&desktop);
  line->SetBase(a);
  line->SetTarget(b);
  line->SetBaseXY(90, 50);
  a->SetBounds(0, 0, 50, 30); // the line follows and clamps its anchor to the last pixel
  EXPECT_EQ(ui::Point(line->BaseX(), line->BaseY()), ui::Point(49, 29));
  EXPECT_EQ(line->MinX(), 49);
  line->CenterAnchorsInEntities();
  EXPECT_EQ(ui::Point(line->BaseX(), line->BaseY()), ui::Point(25, 15));
  EXPECT_EQ(ui::Point(line->TargetX(), line->TargetY()), ui::Point(50, 30));
  EXPECT_EQ(line->BoundsRect(), ui::Rect(25, 15, 351, 31));
}

TEST(Line, WithAnEndMissingPaintsThePlaceholderAndKeepsItsBounds) {
  ui::TDesktop desktop;
  auto* a = Place(desktop, new TRectangle(&desktop), 200, 200, 20, 20);
  auto* line = Place(desktop, new TTestLine(&desktop), 10, 10, 50, 50);
  line->SetBase(a);
  EXPECT_EQ(line->BoundsRect(), ui::Rect(10, 10, 60, 60));
  QImage img = Render(desktop, 80, 80);
  for (auto [x, y] :
       std::vector<std::pair<int, int>>{{0, 0}, {49, 0}, {49, 49}, {0, 49}, {25, 25}, {10, 10}, {39, 10}})
    EXPECT_EQ(Px(img, 10 + x, 10 + y), ui::clBlack) << x << "," << y;
  EXPECT_EQ(Px(img, 10 + 25, 10 + 5), ui::clWhite);
}

TEST(Line, HitTestAroundTheLineWithoutDividingByZero) {
  ui::TDesktop desktop;
  auto* a = Place(desktop, new TRectangle(&desktop), 0, 0, 20, 20);
  auto* b = Place(desktop, new TRectangle(&desktop), 200, 100, 20, 20);
  auto* line = new TTestLine(&desktop);
  line->SetBase(a);
  line->SetTarget(b);
  line->SetBaseXY(10, 10);
  line->SetTargetXY(10, 10); // from (10, 10) to (210, 110)
  struct Case {
    int x, y;
    bool hit;
  };
  const Case cases[] = {{110, 60, true},  {110, 64, true}, {110, 65, false}, {110, 56, true},
                        {110, 55, false}, {10, 10, true},  {210, 110, true}, {211, 110, false},
                        {5, 5, false},    {200, 20, false}};
  for (const Case& c : cases) EXPECT_EQ(line->IsClickAcceptable(c.x, c.y), c.hit) << c.x << "," << c.y;

  // Both anchors on one pixel: hit only within the tolerance around it.
  b->SetBounds(5, 5, 20, 20);
  line->SetTargetXY(5, 5);
  ASSERT_EQ(line->BoundsRect(), ui::Rect(10, 10, 11, 11));
  const Case point[] = {{10, 10, true},  {13, 10, true}, {10, 14, true},
                        {14, 12, false}, {7, 8, true},   {7, 7, false}};
  for (const Case& c : point) EXPECT_EQ(line->IsClickAcceptable(c.x, c.y), c.hit) << c.x << "," << c.y;
}

TEST(Line, ZoomScalesAnchorsAndNeverLetsThemReachZero) {
  ui::TDesktop desktop;
  auto* line = new TTestLine(&desktop);
  line->ChangeScale(50, 100);
  EXPECT_EQ(line->BaseX(), 1);
  line->ChangeScale(200, 100);
  EXPECT_EQ(line->BaseX(), 2); // 1 -> 1 -> 2: the 100 % value 1 is not kept by zoom alone
  line->SetBaseXY(10, 31);
  line->ChangeScale(50, 100);
  EXPECT_EQ(ui::Point(line->BaseX(), line->BaseY()), ui::Point(5, 16));
  line->ChangeScale(200, 100);
  EXPECT_EQ(ui::Point(line->BaseX(), line->BaseY()), ui::Point(10, 32));
}

TEST(Line, ARemovedBoxLeavesTheLineWithoutThatEnd) {
  ui::TDesktop desktop;
  auto* a = new TRectangle(&desktop);
  auto* b = new TRectangle(&desktop);
  auto* line = new TTestLine(&desktop);
  line->SetBase(a);
  line->SetTarget(b);
  delete a;
  EXPECT_EQ(line->Base(), nullptr);
  EXPECT_EQ(line->Target(), b);
  EXPECT_EQ(b->LineCount(), 1);
  delete line;
  EXPECT_EQ(b->LineCount(), 0);
}

TEST(Rectangle, FreeAllLinesDestroysThemAndEmptiesTheOtherBoxes) {
  ui::TDesktop desktop;
  auto* a = new TRectangle(&desktop);
  auto* b = new TRectangle(&desktop);
  for (int i = 0; i < 3; ++i) {
    auto* line = new TTestLine(&desktop);
    line->SetBase(a);
    line->SetTarget(i == 2 ? a : b);
  }
  EXPECT_EQ(a->LineCount(), 4);
  a->FreeAllLines();
  EXPECT_EQ(a->LineCount(), 0);
  EXPECT_EQ(b->LineCount(), 0);
  EXPECT_EQ(desktop.ComponentCount(), 2);
}

TEST(Rectangle, EntryPointOnlyOnceAndOnlyOfItsKind) {
  ui::TDesktop desktop;
  auto* box = new TRectangle(&desktop);
  auto* ep = new TTestEntryPoint(&desktop);
  auto* notEp = new TTestEntryPoint(&desktop);
  TTestLine other(nullptr);
  EXPECT_EQ(ErrorNumberOf([&] { box->SetEntryPoint(nullptr); }), 2);
  EXPECT_EQ(ErrorNumberOf([&] { box->SetEntryPoint(&other); }), 2);
  box->SetEntryPoint(ep);
  EXPECT_EQ(box->EntryPoint(), ep);
  EXPECT_EQ(ErrorNumberOf([&] { box->SetEntryPoint(ep); }), 1);
  EXPECT_EQ(ErrorNumberOf([&] { box->SetEntryPoint(notEp); }), 1);
  EXPECT_EQ(box->EntryPoint(), ep);

  box->SetBounds(40, 40, 80, 60); // the entry point follows the box
  EXPECT_GE(ep->Repaints, 1);

  box->DeleteEntryPoint();
  EXPECT_EQ(box->EntryPoint(), nullptr);
  box->SetEntryPoint(notEp);
  delete notEp;
  EXPECT_EQ(box->EntryPoint(), nullptr);
}

TEST(Rectangle, IsInRectWhenTheBoundsMeetTheRectangle) {
  TRectangle box(nullptr);
  box.SetBounds(10, 10, 50, 30); // covers 10..59, 10..39
  struct Case {
    ui::TRect r;
    bool in;
  };
  const Case cases[] = {{ui::Rect(0, 0, 11, 11), true},   {ui::Rect(0, 0, 10, 10), false},
                        {ui::Rect(59, 39, 70, 70), true}, {ui::Rect(60, 10, 70, 70), false},
                        {ui::Rect(20, 20, 30, 30), true}, {ui::Rect(0, 0, 100, 100), true}};
  for (const Case& c : cases) EXPECT_EQ(box.IsInRect(c.r), c.in) << c.r.Left << "," << c.r.Top;
}

TEST(Rectangle, PaintsFillBlackBorderAndBevelWithoutTouchingItsOwnPen) {
  ui::TDesktop desktop;
  auto* box = Place(desktop, new TCountingBox(&desktop), 10, 10, 30, 20);
  box->Brush()->SetColor(ui::clRed);
  box->Pen()->SetColor(ui::clBlue);
  box->PenChanges = 0;
  QImage img = Render(desktop, 60, 40);
  EXPECT_EQ(Row(img, 10, 9, 40), ".##############################.");
  EXPECT_EQ(Column(img, 39, 9, 30), ".####################.");
  EXPECT_EQ(Px(img, 20, 20), ui::clRed);
  EXPECT_EQ(box->Pen()->Color(), ui::clBlue);
  EXPECT_EQ(box->PenChanges, 0);

  box->SetEffect3D(true);
  img = Render(desktop, 60, 40);
  // Bevel: white left and top inner edges, grey right and bottom inner edges.
  EXPECT_EQ(Px(img, 11, 11), ui::clWhite);
  EXPECT_EQ(Px(img, 11, 27), ui::clWhite);
  EXPECT_EQ(Px(img, 37, 11), ui::clWhite);
  EXPECT_EQ(Px(img, 38, 11), ui::clGray);
  EXPECT_EQ(Px(img, 38, 28), ui::clGray);
  EXPECT_EQ(Px(img, 12, 28), ui::clGray);
  EXPECT_EQ(Px(img, 12, 12), ui::clRed);
  EXPECT_EQ(box->PenChanges, 0);
}
