#include "DiagramFixture.h"
#include "diagram/Errors.h"
#include "diagram/TextLabel.h"

#include <string>

namespace {

using testing_pixels::Column;
using testing_pixels::CountInk;
using testing_pixels::Px;
using testing_pixels::Row;
using ui::TPoint;
using ui::TRect;

class RelationPaintTest : public DiagramFixture {
protected:
  // Two boxes side by side: the base end leaves the right side of the base at (100, 25),
  // its symbol area is x 100..119, y 21..29; the target's is x 180..199, y 21..29.
  TRelation* Horizontal(TRelationKind Kind) { return SideBySide(Kind); }
  // One above the other: base area x 46..54, y 50..69; target area x 46..54, y 180..199.
  TRelation* Vertical(TRelationKind Kind) {
    base = Box(0, 0, 100, 50);
    target = Box(0, 200, 100, 50);
    return Relate(base, {50, 25}, target, {50, 25}, Kind);
  }
  ui::TColor Face() const { return ui::ColorToRGB(ui::clBtnFace); }
};

TEST_F(RelationPaintTest, OneOneToZeroManyAlongARow) {
  TRelation* r = Horizontal(rkOneOneToZeroMany);
  const QImage img = Render();
  // Base end: bars at offsets 5 and 8 across the whole width, the stem in the middle row.
  for (int y = 21; y <= 29; ++y)
    EXPECT_EQ(Row(img, y, 100, 110), y == 25 ? "###########" : ".....#..#..") << y;
  // The line between the ends.
  EXPECT_EQ(Row(img, 25, 120, 181), std::string(62, '#'));
  EXPECT_EQ(Px(img, 150, 24), ui::clWhite);
  // Target end: a crow's foot from the outer corners of the area at the box edge to the
  // stem at offset 7 (x 192), a filled circle from offset 9 outwards (x 182..190).
  EXPECT_EQ(Px(img, 199, 21), ui::clBlack);
  EXPECT_EQ(Px(img, 199, 29), ui::clBlack);
  EXPECT_EQ(Px(img, 195, 23), ui::clBlack);
  EXPECT_EQ(Px(img, 195, 27), ui::clBlack);
  EXPECT_EQ(Px(img, 197, 25), ui::clBlack); // stem
  EXPECT_EQ(Px(img, 196, 21), ui::clWhite);
  EXPECT_EQ(Px(img, 186, 25), Face());      // inside the circle
  EXPECT_EQ(Px(img, 186, 21), ui::clBlack); // its outline, top
  EXPECT_EQ(Px(img, 186, 20), ui::clWhite); // nothing above the area
  EXPECT_EQ(Px(img, 191, 25), ui::clBlack); // stem between circle and foot
  EXPECT_EQ(r->PaintedBaseEnd(), (TPoint{120, 25}));
  EXPECT_EQ(r->PaintedTargetEnd(), (TPoint{180, 25}));
  EXPECT_TRUE(r->Painted());
}

TEST_F(RelationPaintTest, ZeroOneToOneManyDownAColumn) {
  Vertical(rkZeroOneToOneMany);
  const QImage img = Render();
  // Base end on the bottom side: a bar at offset 5 (y 55), a circle from offset 9 (y 59..67).
  EXPECT_EQ(Row(img, 55, 45, 55), ".#########.");
  EXPECT_EQ(Px(img, 50, 63), Face());
  EXPECT_EQ(Px(img, 50, 59), ui::clBlack);
  EXPECT_EQ(Column(img, 50, 50, 58), "#########");
  EXPECT_EQ(Column(img, 47, 50, 58), ".....#...");
  // Target end on the top side: a crow's foot from (46, 199) and (54, 199) up to the stem at
  // y 192, a bar at offset 8 (y 191).
  EXPECT_EQ(Row(img, 199, 45, 55), ".#...#...#.");
  EXPECT_EQ(Row(img, 195, 45, 55), "...#.#.#...");
  EXPECT_EQ(Row(img, 191, 45, 55), ".#########.");
  EXPECT_EQ(Px(img, 50, 150), ui::clBlack);
  EXPECT_EQ(Px(img, 51, 150), ui::clWhite);
}

TEST_F(RelationPaintTest, ArrowAtTheTargetOnly) {
  Horizontal(rkNothingToArrow);
  const QImage img = Render();
  // The triangle: tip on the box edge (199, 25), base 10 pixels out at x 189, y 21..29.
  EXPECT_EQ(Px(img, 199, 25), ui::clBlack);
  EXPECT_EQ(Column(img, 189, 21, 29), "#########");
  EXPECT_EQ(Px(img, 192, 25), Face());
  EXPECT_EQ(Px(img, 188, 21), ui::clWhite);
  // Nothing at the base end but the line itself.
  EXPECT_EQ(CountInk(img, 100, 15, 130, 35), 31);
}

// Every kind along a row: each end's symbol shows its features at the offsets counted out
// from the box edge (base area x 100..119 from its left, target area x 199..180 from its
// right; rows 21..29, stem at row 25).
TEST_F(RelationPaintTest, EndSymbolsOfEveryKind) {
  enum Sym {
    ZeroOne,
    OneOne,
    ZeroMany,
    OneMany,
    Arrow,
    Nothing
  };
  auto symbols = [](int k) -> std::pair<Sym, Sym> {
    if (k == rkNothingToArrow) return {Nothing, Arrow};
    if (k == rkArrowToNothing) return {Arrow, Nothing};
    return {static_cast<Sym>(k / 4), static_cast<Sym>(k % 4)};
  };
  for (int k = rkZeroOneToZeroOne; k <= rkArrowToNothing; ++k) {
    SCOPED_TRACE(testing::Message() << "kind " << k);
    TRelation* r = Horizontal(static_cast<TRelationKind>(k));
    const QImage img = Render();
    const auto [baseSym, targetSym] = symbols(k);
    for (bool isBase : {true, false}) {
      SCOPED_TRACE(isBase ? "base end" : "target end");
      const Sym sym = isBase ? baseSym : targetSym;
      auto x = [&](int offset) { return isBase ? 100 + offset : 199 - offset; };
      const std::string full(9, '#');
      auto column = [&](int offset) { return Column(img, x(offset), 21, 29); };
      auto barAt = [&](int offset) { EXPECT_EQ(column(offset), full) << "bar at offset " << offset; };
      auto circle = [&] {
        EXPECT_EQ(Px(img, x(13), 25), Face());      // filled, over the stem
        EXPECT_EQ(Px(img, x(13), 21), ui::clBlack); // outline at the area's edge
        EXPECT_EQ(Px(img, x(13), 29), ui::clBlack);
        EXPECT_EQ(Px(img, x(9), 21), ui::clWhite);  // round, not square
        EXPECT_EQ(Px(img, x(18), 25), ui::clBlack); // stem beyond it
      };
      auto inkIn = [&](int offset) { return CountInk(img, x(offset), 21, x(offset), 29); };
      auto foot = [&] {
        EXPECT_EQ(column(0), "#...#...#"); // toes at the area's corners, the stem between
        // Two slanted lines (one pixel per column) that meet the stem at offset 7.
        EXPECT_EQ(inkIn(3), 3);
        EXPECT_EQ(inkIn(5), 3);
        EXPECT_EQ(Px(img, x(3), 21), ui::clWhite);
      };
      switch (sym) {
        case ZeroOne:
          barAt(5);
          circle();
          EXPECT_EQ(column(8), "....#....");
          break;
        case OneOne:
          barAt(5);
          barAt(8);
          EXPECT_EQ(column(9), "....#....");
          break;
        case ZeroMany:
          foot();
          circle();
          EXPECT_EQ(inkIn(8), 1);
          break;
        case OneMany:
          foot();
          barAt(8);
          EXPECT_EQ(inkIn(9), 1);
          break;
        case Arrow:
          EXPECT_EQ(column(0), "....#...."); // the tip on the box edge
          // Its base across the area (the corner pixels are the outline's business).
          EXPECT_EQ(column(10).substr(1, 7), "#######");
          EXPECT_EQ(Px(img, x(7), 25), Face());
          EXPECT_EQ(column(11), "....#....");
          break;
        case Nothing:
          // Only the line: one ink pixel per column at the stem row.
          EXPECT_EQ(CountInk(img, std::min(x(0), x(19)), 21, std::max(x(0), x(19)), 29), 20);
          break;
      }
    }
    delete r;
    delete base;
    delete target;
  }
}

TEST_F(RelationPaintTest, At25PercentOnlyTheStemsAreDrawn) {
  TRelation* r = Horizontal(rkOneOneToZeroMany);
  for (int i = 0; i < 2; ++i)
    for (TMorvikAbstract* e : std::initializer_list<TMorvikAbstract*>{base, target, r})
      e->ChangeScale(50, 100);
  r->AdjustAfterScaling();
  ASSERT_EQ(r->ConclusionLength(), 5);
  const QImage img = Render();
  // Boxes 25 x 13 at x 0 and 50; the relation is one stem row between them.
  const TRect b = r->BoundsRect();
  EXPECT_EQ(b.Left, 25);
  EXPECT_EQ(b.Right, 50);
  const int stemY = b.Top + r->BaseConclusionRect().Top + r->BaseConclusionRect().Height() / 2;
  EXPECT_EQ(Row(img, stemY, 25, 49), std::string(25, '#'));
  EXPECT_EQ(CountInk(img, 25, b.Top, 49, b.Bottom - 1), 25);
}

TEST_F(RelationPaintTest, NoSymbolsDrawsBorderToBorder) {
  Horizontal(rkNone);
  const QImage img = Render();
  EXPECT_EQ(Row(img, 25, 99, 200), std::string(102, '#')); // box borders included
  EXPECT_EQ(CountInk(img, 101, 20, 198, 30), 98);
}

TEST_F(RelationPaintTest, SelfLoopUnderTheBox) {
  TRectangle* box = Box(100, 100, 100, 60);
  TRelation* r = Relate(box, {95, 25}, box, {5, 40}, rkOneOneToOneOne);
  ASSERT_EQ(r->RouteShape(), TLoopShape::AroundBottom);
  const QImage img = Render();
  // Out of the right side at y 125, down the right edge of the bounds (x 229), along the
  // bottom (y 189), up the left edge (x 70) and into the left side at y 140.
  EXPECT_EQ(Row(img, 125, 200, 229), std::string(30, '#'));
  EXPECT_EQ(Column(img, 229, 125, 189), std::string(65, '#'));
  EXPECT_EQ(Row(img, 189, 70, 229), std::string(160, '#'));
  EXPECT_EQ(Column(img, 70, 140, 189), std::string(50, '#'));
  EXPECT_EQ(Row(img, 140, 70, 99), std::string(30, '#'));
  EXPECT_EQ(Px(img, 150, 175), ui::clWhite);
  EXPECT_EQ(r->PaintedBaseEnd(), (TPoint{220, 125}));
  EXPECT_EQ(r->PaintedTargetEnd(), (TPoint{80, 140}));
}

TEST_F(RelationPaintTest, UserHookDrawsTheEndsOfAUserDefinedRelation) {
  TRelation* r = Horizontal(rkOneOneToZeroMany);
  std::vector<std::pair<bool, TSide>> calls;
  r->SetOnDrawConclusion([&](TLine* sender, const TRect& rect, bool isBase, TSide direction, int& x, int& y) {
    EXPECT_EQ(sender, r);
    calls.push_back({isBase, direction});
    auto* relation = static_cast<TRelation*>(sender);
    ASSERT_NE(relation->DrawingCanvas(), nullptr);
    relation->DrawingCanvas()->Brush()->SetColor(ui::clRed);
    relation->DrawingCanvas()->FillRect(rect);
    x = isBase ? rect.Right : rect.Left;
    y = rect.Top;
  });
  Render();
  EXPECT_TRUE(calls.empty()); // only rkUserDefined asks the hook
  r->SetRelationKind(rkUserDefined);
  const QImage img = Render();
  EXPECT_EQ(calls, (std::vector<std::pair<bool, TSide>>{{true, TSide::Right}, {false, TSide::Left}}));
  EXPECT_EQ(Px(img, 110, 28), ui::clRed);
  EXPECT_EQ(Px(img, 190, 22), ui::clRed);
  EXPECT_EQ(Row(img, 21, 120, 179), std::string(60, '#')); // the line joins the hook's points
  EXPECT_EQ(r->DrawingCanvas(), nullptr);
}

TEST_F(RelationPaintTest, PrintsBlackOnWhiteWithScaledSymbols) {
  TRelation* r = Horizontal(rkOneOneToZeroMany);
  r->Pen()->SetColor(ui::clBlue);
  QImage img = testing_pixels::MakeImage(700, 200);
  {
    testing_pixels::ImageCanvas page(img);
    // Twice the size, the relation's left and top (100, 21) relative to the page.
    r->PaintSelfToPrintCanvas(2, 2, 1, 1, 100, 21, &page.Canvas);
  }
  // Base area (0, 0, 20, 9) becomes (200, 42) - (240, 60); stem at y 51; bars at offsets 10, 16.
  EXPECT_EQ(Column(img, 210, 42, 59), std::string(18, '#'));
  EXPECT_EQ(Column(img, 216, 42, 59), std::string(18, '#'));
  EXPECT_EQ(Column(img, 212, 42, 59), std::string(9, '.') + "#" + std::string(8, '.'));
  EXPECT_EQ(Px(img, 300, 51), ui::clBlack);
  // The circle is filled white, not with the relation's brush.
  EXPECT_EQ(Px(img, 372, 51), ui::clWhite);
  EXPECT_EQ(CountInk(img, 0, 0, 699, 199, ui::clWhite) > 0, true);
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 700; ++x)
      ASSERT_TRUE(Px(img, x, y) == ui::clWhite || Px(img, x, y) == ui::clBlack) << x << "," << y;
  // The offsets are back at their screen values.
  EXPECT_EQ(r->BarOffset(), 5);
  EXPECT_EQ(r->SecondBarOffset(), 8);
  EXPECT_EQ(r->CircleOffset(), 9);
  EXPECT_EQ(r->FootOffset(), 7);
  EXPECT_EQ(r->ArrowOffset(), 10);
}

TEST_F(RelationPaintTest, PrintsASelfLoopAtItsPlaceOnThePage) {
  TRectangle* box = Box(100, 100, 100, 60);
  TRelation* r = Relate(box, {95, 25}, box, {5, 40}, rkOneOneToOneOne);
  ASSERT_EQ(r->BoundsRect(), ui::Bounds(70, 121, 160, 69));
  QImage img = testing_pixels::MakeImage(200, 100);
  {
    testing_pixels::ImageCanvas page(img);
    r->PaintSelfToPrintCanvas(1, 1, 1, 1, 10, 10, &page.Canvas);
  }
  // The same loop as on screen, shifted to (10, 10): right edge x 169, bottom y 78.
  EXPECT_EQ(Row(img, 14, 140, 169), std::string(30, '#'));
  EXPECT_EQ(Column(img, 169, 14, 78), std::string(65, '#'));
  EXPECT_EQ(Row(img, 78, 10, 169), std::string(160, '#'));
  EXPECT_EQ(Column(img, 10, 29, 78), std::string(50, '#'));
  EXPECT_EQ(Row(img, 29, 10, 39), std::string(30, '#'));
  EXPECT_EQ(Column(img, 145, 10, 18), std::string(9, '#')); // bar at offset 5 of the base end
  EXPECT_EQ(Px(img, 100, 50), ui::clWhite);
}

class RelationHitTest : public RelationPaintTest {};

TEST_F(RelationHitTest, PlainRelationWithinToleranceOfTheSegmentOnly) {
  // Border to border (no symbol areas): the drawn segment runs from (100, 25) to (199, 25).
  TRelation* r = Horizontal(rkNone);
  Render();
  ASSERT_EQ(r->PaintedBaseEnd(), (TPoint{100, 25}));
  ASSERT_EQ(r->PaintedTargetEnd(), (TPoint{199, 25}));
  struct Case {
    int x, y;
    bool hit;
  };
  const Case cases[] = {
      {150, 25, true},
      {150, 21, true},
      {150, 29, true},
      {150, 20, false},
      {150, 30, false},
      // Beyond the ends: judged by the distance to the nearer end.
      {203, 25, true},
      {204, 25, false},
      {202, 27, true},
      {96, 25, true},
      {95, 25, false},
      // Far beyond the end near the line's extension: never a hit.
      {250, 25, false},
      {290, 25, false},
      {260, 26, false},
      {20, 25, false},
  };
  for (const Case& c : cases) EXPECT_EQ(r->IsClickAcceptable(c.x, c.y), c.hit) << c.x << "," << c.y;
}

TEST_F(RelationHitTest, DiagonalRelationAndSymbolAreas) {
  TRectangle* b = Box(0, 0, 100, 100);
  TRectangle* t = Box(300, 200, 100, 100);
  TRelation* r = Relate(b, {50, 50}, t, {50, 50});
  Render(450, 350);
  ASSERT_EQ(r->PaintedBaseEnd(), (TPoint{120, 83}));
  ASSERT_EQ(r->PaintedTargetEnd(), (TPoint{280, 216}));
  struct Case {
    int x, y;
    bool hit;
  };
  const Case cases[] = {
      {200, 150, true},  // 0.4 from the line
      {203, 147, true},  // 3.8
      {204, 146, false}, // 5.2
      {110, 80, true},   // inside the base symbol area
      {290, 217, true},  // inside the target symbol area
      {300, 230, false}, // beyond the target end, inside the box
  };
  for (const Case& c : cases) EXPECT_EQ(r->IsClickAcceptable(c.x, c.y), c.hit) << c.x << "," << c.y;
}

TEST_F(RelationHitTest, NeverPaintedRelationIsHitOnlyInItsSymbolAreas) {
  TRelation* r = Horizontal(rkOneOneToZeroMany);
  EXPECT_FALSE(r->IsClickAcceptable(150, 25));
  EXPECT_TRUE(r->IsClickAcceptable(105, 25));
}

TEST_F(RelationHitTest, SelfLoopSegmentBySegment) {
  TRectangle* box = Box(100, 100, 100, 60);
  TRelation* r = Relate(box, {95, 25}, box, {5, 40}, rkOneOneToOneOne);
  Render();
  struct Case {
    int x, y;
    bool hit;
  };
  const Case cases[] = {
      {229, 150, true},  {233, 150, true},  {234, 150, false}, // right edge
      {150, 185, true},  {150, 184, false}, {150, 193, true},  // bottom edge
      {66, 160, true},   {65, 160, false},                     // left edge
      {90, 140, true},   {90, 145, false},                     // last piece into the box
      {205, 122, true},                                        // base symbol area
      {150, 150, false}, {150, 110, false},                    // inside the loop, the box
  };
  for (const Case& c : cases) EXPECT_EQ(r->IsClickAcceptable(c.x, c.y), c.hit) << c.x << "," << c.y;
}

class RelationLabelTest : public RelationPaintTest {
protected:
  TTextLabel* Label() {
    auto* l = new TTextLabel(&Desktop);
    l->SetParent(&Desktop);
    return l;
  }
};

TEST_F(RelationLabelTest, CentredInTheBoundsBeforeThePaintAndOnTheLineAfterIt) {
  TRelation* r = Horizontal(rkOneOneToZeroMany);
  // Make the line asymmetric inside its bounds: the hook returns other end points.
  r->SetRelationKind(rkUserDefined);
  r->SetOnDrawConclusion([](TLine*, const TRect& rect, bool isBase, TSide, int& x, int& y) {
    x = isBase ? rect.Right : rect.Left;
    y = isBase ? rect.Top : rect.Bottom - 1;
  });
  TTextLabel* l = Label();
  r->SetMainLabel(l);
  const int w = l->Width(), h = l->Height();
  ASSERT_GT(w, 8);
  // Bounds (100, 21, 100 x 9).
  EXPECT_EQ(l->Left(), 100 + (100 - w) / 2);
  EXPECT_EQ(l->Top(), 21 + (9 - h) / 2);
  Render();
  // Ends (120, 21) and (180, 29): midpoint (150, 25).
  EXPECT_EQ(l->Left(), 150 - w / 2);
  EXPECT_EQ(l->Top(), 25 - h / 2);
  EXPECT_EQ(l->Width(), w);
  EXPECT_EQ(l->Height(), h);
}

TEST_F(RelationLabelTest, SelfLoopLabelsStandOffTheBox) {
  TRectangle* box = Box(100, 100, 100, 60);
  TTextLabel* l = Label();
  struct Case {
    TPoint baseAnchor, targetAnchor;
    int shape;
  };
  const Case cases[] = {
      {{30, 5}, {70, 5}, 1}, {{95, 10}, {95, 50}, 2}, {{95, 25}, {5, 40}, 12}, {{30, 5}, {40, 55}, 9}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "shape " << c.shape);
    TRelation* r = Relate(box, c.baseAnchor, box, c.targetAnchor);
    ASSERT_EQ(static_cast<int>(r->RouteShape()), c.shape);
    r->SetMainLabel(l);
    const int w = l->Width(), h = l->Height();
    const TRect rb = r->BoundsRect();
    switch (c.shape) {
      case 1: // centred over the loop; pushed 3 above the box if it would touch it
        EXPECT_EQ(l->Left(), rb.Left + rb.Width() / 2 - w / 2);
        EXPECT_EQ(l->Top(), rb.Top - h / 2 + h >= 100 ? 100 - h - 3 : rb.Top - h / 2);
        break;
      case 2:
        EXPECT_EQ(l->Left(), rb.Right - w / 2);
        EXPECT_EQ(l->Top(), rb.Top + rb.Height() / 2 - h / 2);
        break;
      case 12:
        EXPECT_EQ(l->Left(), rb.Left + rb.Width() / 2 - w / 2);
        EXPECT_EQ(l->Top(), rb.Bottom - h / 2);
        break;
      case 9: // left of the loop, moved clear of the box
        EXPECT_EQ(l->Left(), rb.Left - w / 2 + w >= 100 ? 100 - w - 3 : rb.Left - w / 2);
        EXPECT_EQ(l->Top(), rb.Top + rb.Height() / 2 - h / 2);
        break;
    }
    r->SetMainLabel(nullptr);
    delete r;
  }
}

TEST_F(RelationLabelTest, EveryLoopShapeFromEitherEnd) {
  // One box at (100, 100), 100 x 60: L 100, T 100, R 200, B 160. An anchor in each octant.
  const TPoint anchor[] = {{}, {30, 5}, {70, 5}, {95, 20}, {95, 40}, {70, 55}, {30, 55}, {5, 40}, {5, 20}};
  struct Case {
    int baseOctant, targetOctant;
    TLoopShape shape;
    TRect bounds;             // left, top, right, bottom
    std::vector<TPoint> path; // from the painted base end to the painted target end
    TPoint labelSpot;         // where a small label is centred
    TSide clear;              // the side of the box a large label is moved off, 3 pixels clear
  };
  const Case cases[] = {
      {1,
       2,
       TLoopShape::Top,
       {126, 70, 175, 101},
       {{130, 80}, {130, 70}, {170, 70}, {170, 80}},
       {150, 70},
       TSide::Top},
      {3,
       4,
       TLoopShape::Right,
       {200, 116, 230, 145},
       {{220, 120}, {229, 120}, {229, 140}, {220, 140}},
       {230, 130},
       TSide::Right},
      {6,
       5,
       TLoopShape::Bottom,
       {126, 160, 175, 190},
       {{130, 180}, {130, 189}, {170, 189}, {170, 180}},
       {150, 190},
       TSide::Bottom},
      {8,
       7,
       TLoopShape::Left,
       {70, 116, 100, 145},
       {{80, 120}, {70, 120}, {70, 140}, {80, 140}},
       {70, 130},
       TSide::Left},
      {1,
       3,
       TLoopShape::TopRight,
       {126, 70, 230, 125},
       {{130, 80}, {130, 70}, {229, 70}, {229, 120}, {220, 120}},
       {230, 70},
       TSide::Right},
      {3,
       1,
       TLoopShape::TopRight,
       {126, 70, 230, 125},
       {{220, 120}, {229, 120}, {229, 70}, {130, 70}, {130, 80}},
       {230, 70},
       TSide::Right},
      {4,
       5,
       TLoopShape::RightBottom,
       {166, 136, 230, 190},
       {{220, 140}, {229, 140}, {229, 189}, {170, 189}, {170, 180}},
       {230, 190},
       TSide::Right},
      {5,
       4,
       TLoopShape::RightBottom,
       {166, 136, 230, 190},
       {{170, 180}, {170, 189}, {229, 189}, {229, 140}, {220, 140}},
       {230, 190},
       TSide::Right},
      {6,
       7,
       TLoopShape::BottomLeft,
       {70, 136, 135, 190},
       {{130, 180}, {130, 189}, {70, 189}, {70, 140}, {80, 140}},
       {70, 190},
       TSide::Left},
      {7,
       6,
       TLoopShape::BottomLeft,
       {70, 136, 135, 190},
       {{80, 140}, {70, 140}, {70, 189}, {130, 189}, {130, 180}},
       {70, 190},
       TSide::Left},
      {8,
       2,
       TLoopShape::LeftTop,
       {70, 70, 175, 125},
       {{80, 120}, {70, 120}, {70, 70}, {170, 70}, {170, 80}},
       {70, 70},
       TSide::Left},
      {2,
       8,
       TLoopShape::LeftTop,
       {70, 70, 175, 125},
       {{170, 80}, {170, 70}, {70, 70}, {70, 120}, {80, 120}},
       {70, 70},
       TSide::Left},
      {1,
       6,
       TLoopShape::AroundLeft,
       {70, 70, 135, 190},
       {{130, 80}, {130, 70}, {70, 70}, {70, 189}, {130, 189}, {130, 180}},
       {70, 130},
       TSide::Left},
      {6,
       1,
       TLoopShape::AroundLeft,
       {70, 70, 135, 190},
       {{130, 180}, {130, 189}, {70, 189}, {70, 70}, {130, 70}, {130, 80}},
       {70, 130},
       TSide::Left},
      {2,
       5,
       TLoopShape::AroundRight,
       {166, 70, 230, 190},
       {{170, 80}, {170, 70}, {229, 70}, {229, 189}, {170, 189}, {170, 180}},
       {230, 130},
       TSide::Right},
      {5,
       2,
       TLoopShape::AroundRight,
       {166, 70, 230, 190},
       {{170, 180}, {170, 189}, {229, 189}, {229, 70}, {170, 70}, {170, 80}},
       {230, 130},
       TSide::Right},
      {3,
       8,
       TLoopShape::AroundTop,
       {70, 70, 230, 125},
       {{220, 120}, {229, 120}, {229, 70}, {70, 70}, {70, 120}, {80, 120}},
       {150, 70},
       TSide::Top},
      {8,
       3,
       TLoopShape::AroundTop,
       {70, 70, 230, 125},
       {{80, 120}, {70, 120}, {70, 70}, {229, 70}, {229, 120}, {220, 120}},
       {150, 70},
       TSide::Top},
      {4,
       7,
       TLoopShape::AroundBottom,
       {70, 136, 230, 190},
       {{220, 140}, {229, 140}, {229, 189}, {70, 189}, {70, 140}, {80, 140}},
       {150, 190},
       TSide::Bottom},
      {7,
       4,
       TLoopShape::AroundBottom,
       {70, 136, 230, 190},
       {{80, 140}, {70, 140}, {70, 189}, {229, 189}, {229, 140}, {220, 140}},
       {150, 190},
       TSide::Bottom},
  };
  TTextLabel* small = Label();
  small->SetCaption(QStringLiteral("R"));
  TTextLabel* large = Label();
  large->Font()->SetHeight(-90);
  large->SetCaption(QStringLiteral("WWWWWW"));
  ASSERT_LT(small->Width(), 40);
  ASSERT_LT(small->Height(), 40);
  ASSERT_GT(large->Width(), 200);
  ASSERT_GT(large->Height(), 80);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "octants " << c.baseOctant << " and " << c.targetOctant);
    TRectangle* box = Box(100, 100, 100, 60);
    TRelation* r = Relate(box, anchor[c.baseOctant], box, anchor[c.targetOctant], rkOneOneToOneMany);
    Render();
    EXPECT_EQ(r->RouteShape(), c.shape);
    const TLoopShapeInfo& info = LoopShapeInfo(c.shape);
    EXPECT_TRUE((r->BaseSide() == info.First && r->TargetSide() == info.Second) ||
                (r->BaseSide() == info.Second && r->TargetSide() == info.First));
    EXPECT_EQ(r->BoundsRect(), c.bounds);
    const TRect b = r->BoundsRect();
    std::vector<TPoint> path{r->PaintedBaseEnd()};
    for (const TPoint& p : LoopCorners(r->RouteShape(), r->BaseSide(), r->PaintedBaseEnd().x,
                                       r->PaintedBaseEnd().y, r->PaintedTargetEnd().x,
                                       r->PaintedTargetEnd().y, b.Left, b.Top, b.Right - 1, b.Bottom - 1))
      path.push_back(p);
    path.push_back(r->PaintedTargetEnd());
    EXPECT_EQ(path, c.path);

    r->SetMainLabel(small);
    EXPECT_EQ(small->Left(), c.labelSpot.x - small->Width() / 2);
    EXPECT_EQ(small->Top(), c.labelSpot.y - small->Height() / 2);
    r->SetMainLabel(large);
    const int w = large->Width(), h = large->Height();
    switch (c.clear) {
      case TSide::Top: EXPECT_EQ(large->Top() + h, 100 - 3); break;
      case TSide::Right: EXPECT_EQ(large->Left(), 200 + 3); break;
      case TSide::Bottom: EXPECT_EQ(large->Top(), 160 + 3); break;
      default: EXPECT_EQ(large->Left() + w, 100 - 3); break;
    }
    if (IsHorizontal(c.clear))
      EXPECT_EQ(large->Left(), c.labelSpot.x - w / 2);
    else
      EXPECT_EQ(large->Top(), c.labelSpot.y - h / 2);
    r->SetMainLabel(nullptr);
    delete r;
    delete box;
  }
}

TEST_F(RelationLabelTest, TallLabelOverATopLoopIsPlacedThreePixelsAboveTheBox) {
  TRectangle* box = Box(100, 100, 100, 60);
  TTextLabel* l = Label();
  l->Font()->SetHeight(-60); // a label about 70 pixels high reaches down to the box
  l->CountNewSize(true);
  ASSERT_GT(l->Height(), 60);
  TRelation* r = Relate(box, {30, 5}, box, {70, 5});
  r->SetMainLabel(l);
  EXPECT_EQ(l->Top(), 100 - l->Height() - 3);
}

TEST_F(RelationLabelTest, RemovalNotificationsClearBothLinks) {
  TRelation* r = Horizontal(rkOneOneToZeroMany);
  TTextLabel* l = Label();
  r->SetMainLabel(l);
  l->SetTag(reinterpret_cast<intptr_t>(r));
  delete r;
  EXPECT_EQ(l->Tag(), 0); // never points to a deleted relation

  TRelation* r2 = Horizontal(rkOneOneToZeroMany);
  TTextLabel* l2 = Label();
  r2->SetMainLabel(l2);
  l2->SetTag(reinterpret_cast<intptr_t>(r2));
  delete l2;
  EXPECT_EQ(r2->MainLabel(), nullptr);
  Render(); // paints and places no label
}

TEST_F(RelationLabelTest, LabelOfRelationOwnedElsewhereStillHearsOfItsRemoval) {
  ui::TComponent otherOwner(nullptr);
  TRectangle* b = Box(0, 0, 100, 50);
  TRectangle* t = Box(200, 0, 100, 50);
  auto* r = new TRelation(&otherOwner);
  r->SetBase(b);
  r->SetTarget(t);
  TTextLabel* l = Label();
  r->SetMainLabel(l);
  l->SetTag(reinterpret_cast<intptr_t>(r));
  delete r;
  EXPECT_EQ(l->Tag(), 0);
}

} // namespace
