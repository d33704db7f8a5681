#include "DiagramFixture.h"
#include "diagram/Errors.h"

#include <tuple>
#include <vector>

namespace {

using ui::TPoint;
using ui::TRect;

TEST(RelationOctant, OctantsRunClockwiseFromTheLeftHalfOfTheTop) {
  struct Case {
    int x, y, w, h, octant;
  };
  const Case cases[] = {
      // A 100 x 50 box: the diagonals part the halves.
      {40, 5, 100, 50, 1},
      {60, 5, 100, 50, 2},
      {90, 10, 100, 50, 3},
      {90, 40, 100, 50, 4},
      {60, 45, 100, 50, 5},
      {40, 45, 100, 50, 6},
      {10, 40, 100, 50, 7},
      {5, 20, 100, 50, 8},
      // The centre and points exactly on a diagonal fall on the anticlockwise side.
      {50, 25, 100, 50, 8},
      {20, 10, 100, 50, 8},
      {0, 0, 100, 50, 8},
      // A square: the anti-diagonal stays with the top, one step right goes to the right.
      {30, 10, 40, 40, 2},
      {31, 10, 40, 40, 3},
      {39, 39, 40, 40, 5},
      {21, 21, 40, 40, 5},
  };
  for (const Case& c : cases)
    EXPECT_EQ(static_cast<int>(TRelation::CountOctant(c.x, c.y, c.w, c.h)), c.octant)
        << c.x << "," << c.y << " in " << c.w << "x" << c.h;
}

TEST(RelationOctant, SelfShapeOfEveryPairOfOctants) {
  // Row: base octant 1..8, column: target octant 1..8.
  const int shapes[8][8] = {
      {1, 1, 5, 5, 9, 9, 8, 8},   {1, 1, 5, 5, 10, 10, 8, 8}, {5, 5, 2, 2, 6, 6, 12, 11},
      {5, 5, 2, 2, 6, 6, 12, 11}, {9, 10, 6, 6, 3, 3, 7, 7},  {9, 10, 6, 6, 3, 3, 7, 7},
      {8, 8, 12, 12, 7, 7, 4, 4}, {8, 8, 11, 11, 7, 7, 4, 4},
  };
  for (int o1 = 1; o1 <= 8; ++o1)
    for (int o2 = 1; o2 <= 8; ++o2)
      EXPECT_EQ(static_cast<int>(LoopShapeOf(static_cast<TOctant>(o1), static_cast<TOctant>(o2))),
                shapes[o1 - 1][o2 - 1])
          << o1 << " with " << o2;
}

class RelationRouteTest : public DiagramFixture {};

TEST_F(RelationRouteTest, CoordinateIntersectionKeepsEndsAwayFromCorners) {
  TRectangle* box = Box(100, 100, 100, 60);
  struct Case {
    int x, y, areaWidth, side, ex, ey;
  };
  const Case cases[] = {
      // Along the top and bottom sides, half of a 9 wide area is 4.
      {103, 100, 9, 1, 105, 100},
      {104, 100, 9, 1, 104, 100},
      {150, 100, 9, 1, 150, 100},
      {196, 100, 9, 1, 196, 100},
      {197, 100, 9, 1, 195, 100},
      {200, 160, 9, 3, 195, 160},
      {100, 160, 9, 3, 105, 160},
      // Along the right and left sides the same with y.
      {200, 103, 9, 2, 200, 105},
      {200, 156, 9, 2, 200, 156},
      {200, 157, 9, 2, 200, 155},
      {100, 160, 9, 4, 100, 155},
      {100, 100, 9, 4, 100, 105},
      // A 1 x 1 area (half width 0) only stays off the very corners.
      {200, 100, 1, 1, 200, 100},
      {99, 100, 1, 1, 101, 100},
      {100, 99, 1, 2, 100, 101},
  };
  for (const Case& c : cases) {
    int x = c.x, y = c.y;
    TRelation::CoordinateIntersection(x, y, c.areaWidth, static_cast<TSide>(c.side), box);
    EXPECT_EQ(x, c.ex) << c.x << "," << c.y << " side " << c.side;
    EXPECT_EQ(y, c.ey) << c.x << "," << c.y << " side " << c.side;
  }
}

struct RouteCase {
  const char* what;
  TRect base, target; // left, top, width, height
  TPoint baseAnchor, targetAnchor;
  TRelationKind kind;
  int baseSide, targetSide;
  TRect bounds; // left, top, width, height
  TRect baseArea, targetArea;
};

TEST_F(RelationRouteTest, PlainRoutes) {
  const RouteCase cases[] = {
      {"side by side",
       {0, 0, 100, 50},
       {200, 0, 100, 50},
       {50, 25},
       {50, 25},
       rkOneOneToZeroMany,
       2,
       4,
       {100, 21, 100, 9},
       {0, 0, 20, 9},
       {80, 0, 100, 9}},
      {"one above the other",
       {0, 0, 100, 50},
       {0, 200, 100, 50},
       {50, 25},
       {50, 25},
       rkZeroOneToOneMany,
       3,
       1,
       {46, 50, 9, 150},
       {0, 0, 9, 20},
       {0, 130, 9, 150}},
      {"diagonal",
       {0, 0, 100, 100},
       {300, 200, 100, 100},
       {50, 50},
       {50, 50},
       rkOneManyToZeroOne,
       2,
       4,
       {100, 79, 200, 142},
       {0, 0, 20, 9},
       {180, 133, 200, 142}},
      {"ends moved off the corners",
       {0, 0, 100, 100},
       {400, 390, 100, 100},
       {50, 50},
       {50, 50},
       rkZeroOneToZeroOne,
       2,
       4,
       {100, 91, 300, 309},
       {0, 0, 20, 9},
       {280, 300, 300, 309}},
      {"no symbols: border to border",
       {0, 0, 100, 50},
       {200, 0, 100, 50},
       {50, 25},
       {50, 25},
       rkNone,
       2,
       4,
       {100, 25, 100, 1},
       {0, 0, 1, 1},
       {99, 0, 100, 1}},
      {"arrow at the target only",
       {0, 0, 100, 50},
       {200, 0, 100, 50},
       {50, 25},
       {50, 25},
       rkNothingToArrow,
       2,
       4,
       {100, 21, 100, 9},
       {0, 4, 1, 5},
       {80, 0, 100, 9}},
  };
  for (const RouteCase& c : cases) {
    SCOPED_TRACE(c.what);
    TRectangle* base = Box(c.base.Left, c.base.Top, c.base.Right, c.base.Bottom);
    TRectangle* target = Box(c.target.Left, c.target.Top, c.target.Right, c.target.Bottom);
    TRelation* r = Relate(base, c.baseAnchor, target, c.targetAnchor, c.kind);
    EXPECT_FALSE(r->SelfRelation());
    EXPECT_EQ(static_cast<int>(r->BaseSide()), c.baseSide);
    EXPECT_EQ(static_cast<int>(r->TargetSide()), c.targetSide);
    EXPECT_EQ(r->BoundsRect(), ui::Bounds(c.bounds.Left, c.bounds.Top, c.bounds.Right, c.bounds.Bottom));
    EXPECT_EQ(r->BaseConclusionRect(), c.baseArea);
    EXPECT_EQ(r->TargetConclusionRect(), c.targetArea);
    delete r;
    delete base;
    delete target;
  }
}

TEST_F(RelationRouteTest, SelfRoutes) {
  // One box at (100, 100), 100 x 60: L 100, T 100, R 200, B 160.
  struct Case {
    TPoint baseAnchor, targetAnchor;
    int shape, baseSide, targetSide;
    TRect bounds; // left, top, width, height
    TRect baseArea, targetArea;
  };
  const Case cases[] = {
      // Both anchors in the top triangle: a loop 30 above the box.
      {{30, 5}, {70, 5}, 1, 1, 1, {126, 70, 49, 31}, {0, 10, 9, 30}, {40, 10, 49, 30}},
      // Both on the right.
      {{95, 10}, {95, 50}, 2, 2, 2, {200, 106, 30, 49}, {0, 0, 20, 9}, {0, 40, 20, 49}},
      // Octant 1 with the bottom: round the left side.
      {{30, 5}, {40, 55}, 9, 1, 3, {70, 70, 75, 120}, {56, 10, 65, 30}, {66, 90, 75, 110}},
      // Octant 3 with octant 7: under the box, 30 beyond left, right and bottom.
      {{95, 25}, {5, 40}, 12, 2, 4, {70, 121, 160, 69}, {130, 0, 150, 9}, {10, 15, 30, 24}},
      // Octant 8 with octant 3, both next to the top corners: over the box, ends moved down.
      {{2, 2}, {98, 2}, 11, 4, 2, {70, 70, 160, 40}, {10, 31, 30, 40}, {130, 31, 150, 40}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "shape " << c.shape);
    TRectangle* box = Box(100, 100, 100, 60);
    TRelation* r = Relate(box, c.baseAnchor, box, c.targetAnchor, rkOneOneToOneMany);
    EXPECT_TRUE(r->SelfRelation());
    EXPECT_EQ(box->LineCount(), 2);
    EXPECT_EQ(static_cast<int>(r->RouteShape()), c.shape);
    EXPECT_EQ(static_cast<int>(r->BaseSide()), c.baseSide);
    EXPECT_EQ(static_cast<int>(r->TargetSide()), c.targetSide);
    EXPECT_EQ(r->BoundsRect(), ui::Bounds(c.bounds.Left, c.bounds.Top, c.bounds.Right, c.bounds.Bottom));
    EXPECT_EQ(r->BaseConclusionRect(), c.baseArea);
    EXPECT_EQ(r->TargetConclusionRect(), c.targetArea);
    delete r;
    EXPECT_EQ(box->LineCount(), 0);
    delete box;
  }
}

TEST_F(RelationRouteTest, ReversedSelfPairTakesTheSameShape) {
  TRectangle* box = Box(100, 100, 100, 60);
  TRelation* r = Relate(box, {5, 40}, box, {95, 25});
  EXPECT_EQ(r->RouteShape(), TLoopShape::AroundBottom);
  EXPECT_EQ(r->BaseSide(), TSide::Left);
  EXPECT_EQ(r->TargetSide(), TSide::Right);
  EXPECT_EQ(r->BoundsRect(), ui::Bounds(70, 121, 160, 69));
}

TEST_F(RelationRouteTest, AnchorInsideTheOtherBoxOnlySpansTheAnchors) {
  TRelation* r = SideBySide();
  const TRect baseArea = r->BaseConclusionRect();
  // The target moves so that the base anchor (50, 25) lies inside it.
  target->SetBounds(40, 10, 100, 50);
  EXPECT_EQ(r->BoundsRect(), ui::Bounds(50, 25, 40, 10)); // anchors (50, 25) and (90, 35)
  EXPECT_EQ(r->BaseSide(), TSide::Right);                 // the route itself was left as it was
  EXPECT_EQ(r->BaseConclusionRect(), baseArea);
}

TEST_F(RelationRouteTest, UnroutableBoxKeepsThePreviousRouteAndRaisesNothing) {
  TRelation* r = SideBySide();
  const TRect before = r->BoundsRect();
  const TRect area = r->TargetConclusionRect();
  // A box without size: its anchor falls outside it and the segment misses its border.
  EXPECT_NO_THROW(base->SetBounds(0, 0, 0, 0));
  EXPECT_EQ(r->BoundsRect(), before);
  EXPECT_EQ(r->TargetConclusionRect(), area);
  EXPECT_NO_THROW(r->TryRepaint());
  EXPECT_EQ(r->BoundsRect(), before);
}

TEST_F(RelationRouteTest, MovingABoxReroutesItsRelations) {
  TRelation* r = SideBySide();
  target->SetBounds(0, 200, 100, 50);
  EXPECT_EQ(r->BaseSide(), TSide::Bottom);
  EXPECT_EQ(r->TargetSide(), TSide::Top);
  EXPECT_EQ(r->BoundsRect(), ui::Bounds(46, 50, 9, 150));
}

// Areas of both ends for every kind: length x width, at 100 % and after zooming to 25 %.
TEST_F(RelationRouteTest, SymbolAreasOfEveryKindAt100And25Percent) {
  for (int k = rkZeroOneToZeroOne; k <= rkNone; ++k) {
    const auto kind = static_cast<TRelationKind>(k);
    SCOPED_TRACE(testing::Message() << "kind " << k);
    TRectangle* base = Box(0, 0, 100, 52);
    TRectangle* target = Box(200, 0, 100, 52);
    TRelation* r = Relate(base, {50, 26}, target, {50, 26}, kind);
    const bool baseSymbol = kind <= rkOneManyToOneMany || kind == rkArrowToNothing;
    const bool targetSymbol = kind <= rkOneManyToOneMany || kind == rkNothingToArrow;
    auto check = [&](int length, int width) {
      // Horizontal route: an area's width runs along x (its length), its height is the width.
      const TRect b = r->BaseConclusionRect(), t = r->TargetConclusionRect();
      EXPECT_EQ(b.Width(), baseSymbol ? length : 1);
      EXPECT_EQ(b.Height(), baseSymbol ? width : 1);
      EXPECT_EQ(t.Width(), targetSymbol ? length : 1);
      EXPECT_EQ(t.Height(), targetSymbol ? width : 1);
      EXPECT_EQ(b.Left, 0);           // starts at the first column past the base
      EXPECT_EQ(t.Right, r->Width()); // ends just before the target
      EXPECT_EQ(r->Left(), base->Width());
      EXPECT_EQ(r->Left() + r->Width(), target->Left());
    };
    check(20, 9);
    for (TMorvikAbstract* e : std::initializer_list<TMorvikAbstract*>{base, target, r})
      e->ChangeScale(50, 100);
    for (TMorvikAbstract* e : std::initializer_list<TMorvikAbstract*>{base, target, r})
      e->ChangeScale(50, 100);
    r->AdjustAfterScaling();
    EXPECT_EQ(r->ConclusionLength(), 5);
    EXPECT_EQ(r->ConclusionWidth(), 3);
    check(5, 3);
    delete r;
    delete base;
    delete target;
  }
}

TEST_F(RelationRouteTest, ZoomStepsReturnExactlyToTheMetricsAt100Percent) {
  // Boxes and anchors that halve without remainder down to 25 %, so only the relation's
  // own metrics can drift.
  TRectangle* base = Box(0, 0, 100, 48);
  TRectangle* target = Box(200, 0, 100, 48);
  TRelation* r = Relate(base, {48, 24}, target, {48, 24});
  const TRect bounds = r->BoundsRect(), b = r->BaseConclusionRect(), t = r->TargetConclusionRect();
  auto step = [&](int m, int d) {
    for (TMorvikAbstract* e : std::initializer_list<TMorvikAbstract*>{base, target, r}) e->ChangeScale(m, d);
    r->AdjustAfterScaling();
  };
  step(200, 100);
  EXPECT_EQ(r->ConclusionLength(), 40);
  EXPECT_EQ(r->ConclusionWidth(), 18);
  EXPECT_EQ(r->BaseConclusionRect(), ui::Rect(0, 0, 40, 18));
  step(50, 100);
  step(50, 100);
  step(50, 100); // 25 %: width 9 -> 5 -> 3
  step(200, 100);
  step(200, 100);
  EXPECT_EQ(r->ConclusionWidth(), 12); // rounding drifted
  r->AdjustScaling(-1);
  EXPECT_EQ(r->ConclusionLength(), 20);
  EXPECT_EQ(r->ConclusionWidth(), 9);
  EXPECT_EQ(r->BoundsRect(), bounds);
  EXPECT_EQ(r->BaseConclusionRect(), b);
  EXPECT_EQ(r->TargetConclusionRect(), t);
}

// A zoom scales the boxes and the relations one after the other, in either order (the schema
// window scales the boxes first). An anchor beyond the half of its box must not be clamped to
// a box of the other scale: 50,25 in a box of 100 x 50 comes back as 50,25.
TEST_F(RelationRouteTest, AnchorsSurviveZoomStepsInEitherOrder) {
  for (const bool boxesFirst : {true, false}) {
    TRectangle* base = Box(0, 0, 100, 50);
    TRectangle* target = Box(200, 0, 100, 48);
    TRelation* r = Relate(base, {50, 25}, target, {96, 4});
    const TRect bounds = r->BoundsRect();
    auto step = [&](int m, int d) {
      const std::vector<TMorvikAbstract*> order = boxesFirst ? std::vector<TMorvikAbstract*>{base, target, r}
                                                             : std::vector<TMorvikAbstract*>{r, base, target};
      for (TMorvikAbstract* e : order) e->ChangeScale(m, d);
    };
    step(50, 100);
    step(50, 100);
    r->AdjustAfterScaling();
    EXPECT_EQ(r->BaseX(), 13) << boxesFirst;
    EXPECT_EQ(r->BaseY(), 7) << boxesFirst;
    step(200, 100);
    step(200, 100);
    r->AdjustAfterScaling();
    r->AdjustScaling(-1);
    EXPECT_EQ(ui::Point(r->BaseX(), r->BaseY()), ui::Point(50, 25)) << boxesFirst;
    EXPECT_EQ(ui::Point(r->TargetX(), r->TargetY()), ui::Point(96, 4)) << boxesFirst;
    EXPECT_EQ(r->BoundsRect(), bounds) << boxesFirst;
    // Out of zoom, a box that shrinks clamps the anchor as before.
    base->SetBounds(0, 0, 40, 20);
    EXPECT_EQ(ui::Point(r->BaseX(), r->BaseY()), ui::Point(39, 19)) << boxesFirst;
    delete r;
    delete base;
    delete target;
  }
}

TEST_F(RelationRouteTest, UserDefinedKindKeepsItsAreas) {
  TRelation* r = SideBySide(rkArrowToNothing);
  r->SetRelationKind(rkUserDefined);
  EXPECT_EQ(r->BaseAreaLength(), 20);
  EXPECT_EQ(r->BaseAreaWidth(), 9);
  EXPECT_EQ(r->TargetAreaLength(), 1);
  EXPECT_EQ(r->TargetAreaWidth(), 1);
}

} // namespace
