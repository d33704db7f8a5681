// Point in rectangle and the crossing of a segment with a box's border.

#include "diagram/Errors.h"
#include "diagram/Geometry.h"
#include "diagram/Rectangle.h"

#include <gtest/gtest.h>

TEST(Geometry, ContaintCountsAllFourBoundsAsInside) {
  const ui::TRect r = ui::Rect(10, 20, 30, 40);
  struct Case {
    int x, y;
    bool inside;
  };
  const Case cases[] = {{10, 20, true},  {30, 40, true},  {20, 30, true},  {9, 20, false},
                        {31, 40, false}, {10, 19, false}, {30, 41, false}, {-5, -5, false}};
  for (const Case& c : cases) EXPECT_EQ(Containt(ui::Point(c.x, c.y), r), c.inside) << c.x << "," << c.y;
  EXPECT_TRUE(Containt(ui::Point(-5, -5), ui::Rect(-10, -10, -5, -5)));
}

TEST(Geometry, IntersectionWithEverySideAndCorner) {
  struct Case {
    const char* name;
    int left, top, width, height;
    int x1, y1, x2, y2;
    int x, y, side;
  };
  const Case cases[] = {
      {"right", 0, 0, 100, 50, 50, 25, 1000, 25, 100, 25, 2},
      {"top", 0, 0, 100, 50, 50, 25, 50, -1000, 50, 0, 1},
      {"bottom", 0, 0, 100, 50, 50, 25, 50, 1000, 50, 50, 3},
      {"left", 0, 0, 100, 50, 50, 25, -1000, 25, 0, 25, 4},
      {"top-left corner reports top", 0, 0, 100, 50, 50, 25, -50, -25, 0, 0, 1},
      {"top-right corner reports top", 0, 0, 100, 50, 50, 25, 150, -25, 100, 0, 1},
      {"bottom-right corner reports bottom", 0, 0, 100, 50, 50, 25, 150, 75, 100, 50, 3},
      {"bottom-left corner reports bottom", 0, 0, 100, 50, 50, 25, -50, 75, 0, 50, 3},
      {"right side, y truncated", 0, 0, 100, 50, 50, 25, 250, 75, 100, 37, 2},
      {"from outside inwards", 0, 0, 100, 50, 300, 25, 50, 25, 100, 25, 2},
      {"starts on the left border", 0, 0, 100, 50, 0, 25, -100, 25, 0, 25, 4},
      {"ends on the bottom border", 0, 0, 100, 50, 50, 25, 50, 50, 50, 50, 3},
      {"ends on the right border", 0, 0, 100, 50, 50, 10, 100, 10, 100, 10, 2},
      {"negative box, top", -200, -100, 100, 50, -150, -75, -150, -1000, -150, -100, 1},
      {"negative box, left", -200, -100, 100, 50, -150, -75, -1000, -75, -200, -75, 4},
      {"negative x truncated towards zero", -200, -100, 100, 50, -150, -75, -151, -200, -150, -100, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TRectangle box(nullptr);
    box.SetBounds(c.left, c.top, c.width, c.height);
    int x = 0, y = 0;
    TSide side = TSide::None;
    EXPECT_EQ(GetIntersectionWith(&box, c.x1, c.y1, c.x2, c.y2, x, y, side), 0);
    EXPECT_EQ(x, c.x);
    EXPECT_EQ(y, c.y);
    EXPECT_EQ(static_cast<int>(side), c.side); // 1 top, 2 right, 3 bottom, 4 left
  }
}

TEST(Geometry, NoIntersectionRaisesTheGeometryError) {
  struct Case {
    const char* name;
    int x1, y1, x2, y2;
  };
  const Case cases[] = {
      {"stops inside", 50, 25, 60, 30},
      {"misses the box", 200, 200, 300, 300},
      {"stops short of the border", 150, 25, 101, 25},
      {"a point", 50, 25, 50, 25},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TRectangle box(nullptr);
    box.SetBounds(0, 0, 100, 50);
    int x = 0, y = 0;
    TSide side = TSide::None;
    try {
      GetIntersectionWith(&box, c.x1, c.y1, c.x2, c.y2, x, y, side);
      ADD_FAILURE() << "no exception";
    } catch (const EMorvikError& e) {
      EXPECT_EQ(e.ErrorType(), 2);
      EXPECT_EQ(e.ErrorCode(), 3);
      EXPECT_TRUE(e.Message().endsWith("Description: No intersection exists."));
    }
    EXPECT_EQ(side, TSide::None);
  }
}

TEST(Geometry, ABoxWithoutWidthOrHeightIsGivenOne) {
  TRectangle box(nullptr);
  box.SetBounds(10, 10, 0, 0);
  int x = 0, y = 0;
  TSide side = TSide::None;
  GetIntersectionWith(&box, 10, 10, 10, -100, x, y, side);
  EXPECT_EQ(box.Width(), 1);
  EXPECT_EQ(box.Height(), 1);
  EXPECT_EQ(side, TSide::Top);
  EXPECT_EQ(y, 10);
}
