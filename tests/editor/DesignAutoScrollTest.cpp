// A rubber band or a new relation dragged past the edge of a schema window's view scrolls the
// view a step towards the cursor on every move, while the point where the drag began stays on
// the desktop point it was pressed on. Events are sent to the desktop in its own positions, as
// the mouse gives them while a button holds it, also beyond the visible part.
#include "FakeDesignHost.h"
#include "ShownDesign.h"

#include "diagram/Entity.h"
#include "diagram/Relation.h"
#include "diagram/ScrolledScrollBox.h"
#include "diagram/SelectingRect.h"
#include "editor/DesignSamples.h"
#include "editor/VisualModel.h"
#include "editor/frmDesign.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

// How far one move beyond the edge scrolls the view.
constexpr int Step = 20;

class DesignAutoScroll : public ::testing::Test {
protected:
  void SetUp() override {
    TDesignSamples::SetCurrent(&samples);
    design = std::make_unique<TfrmDesign>(&host);
    ASSERT_TRUE(BindAndShow(*design, 800, 600)) << qPrintable(design->LoadError);
    design->SetDesktopSize(0, 0, 4000, 3000);
    W = design->ClientWidth();
    H = design->ClientHeight();
    ASSERT_GT(W, 200);
    ASSERT_GT(H, 200);
  }
  void TearDown() override {
    design.reset();
    TDesignSamples::SetCurrent(nullptr);
  }

  void Send(QEvent::Type Type, QPoint P, Qt::MouseButton Button, Qt::MouseButtons Held) {
    SendMouse(*design, Type, P, Button, Held);
  }
  void Press(QPoint P) { Send(QEvent::MouseButtonPress, P, Qt::LeftButton, Qt::LeftButton); }
  void Move(QPoint P) { Send(QEvent::MouseMove, P, Qt::NoButton, Qt::LeftButton); }
  void Release(QPoint P) { Send(QEvent::MouseButtonRelease, P, Qt::LeftButton, Qt::NoButton); }

  void ScrollTo(QPoint View) {
    design->sbxDesktop->SetHorzPosition(View.x());
    design->sbxDesktop->SetVertPosition(View.y());
  }
  QPoint View() const {
    return QPoint(design->sbxDesktop->HorzPosition(), design->sbxDesktop->VertPosition());
  }
  // The desktop point under a point of the view (which may lie outside it).
  QPoint At(QPoint InView) const { return View() + InView; }

  TEntity* AddEntity(QPoint TopLeft) {
    host.CurrentTool = toolEntity;
    Press(TopLeft);
    Move(TopLeft + QPoint(60, 40));
    Move(TopLeft + QPoint(120, 80));
    Release(TopLeft + QPoint(120, 80));
    design->ClearSelection();
    return design->VisualModel->Entities.empty() ? nullptr : design->VisualModel->Entities.back();
  }
  static QPoint Centre(const ui::TControl* C) {
    return QPoint(C->Left() + C->Width() / 2, C->Top() + C->Height() / 2);
  }
  static QRect RectOf(const TSelectingRect* R) { return QRect(R->Left(), R->Top(), R->Width(), R->Height()); }
  // The bounds spanned by two points, as the band and the line take them.
  static QRect Spanned(QPoint A, QPoint B) {
    return QRect(std::min(A.x(), B.x()), std::min(A.y(), B.y()), std::abs(A.x() - B.x()),
                 std::abs(A.y() - B.y()));
  }

  TDesignSamples samples;
  FakeDesignHost host;
  std::unique_ptr<TfrmDesign> design;
  int W = 0, H = 0; // the visible part of the desktop
};

TEST_F(DesignAutoScroll, ARubberBandPastAnEdgeScrollsOneStepAndKeepsItsStart) {
  const int lastH = design->HorzRange() - W, lastV = design->VertRange() - H;
  struct Case {
    const char* What;
    QPoint View;     // the view before the move
    QPoint Cursor;   // where the move is, in view positions
    QPoint Scrolled; // the view after it
  };
  const Case cases[] = {
      {"left of the view", {1000, 1000}, {-30, H / 2}, {1000 - Step, 1000}},
      {"right of the view", {1000, 1000}, {W + 30, H / 2}, {1000 + Step, 1000}},
      {"above the view", {1000, 1000}, {W / 2, -30}, {1000, 1000 - Step}},
      {"below the view", {1000, 1000}, {W / 2, H + 30}, {1000, 1000 + Step}},
      {"beyond the top-left corner", {1000, 1000}, {-5, -5}, {1000 - Step, 1000 - Step}},
      {"beyond the bottom-right corner", {1000, 1000}, {W + 5, H + 5}, {1000 + Step, 1000 + Step}},
      {"inside the view", {1000, 1000}, {W - 3, H - 3}, {1000, 1000}},
      {"left at the desktop's left edge", {0, 0}, {-30, -30}, {0, 0}},
      {"right at the desktop's right edge", {lastH, lastV}, {W + 30, H + 30}, {lastH, lastV}},
      {"left, less than a step from the edge", {10, 5}, {-30, -30}, {0, 0}},
      {"right, less than a step from the end", {lastH - 10, lastV - 5}, {W + 30, H + 30}, {lastH, lastV}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    ScrollTo(c.View);
    ASSERT_EQ(View(), c.View);
    host.CurrentTool = toolArrow;
    const QPoint start = At(QPoint(W / 2, H / 2));
    Press(start);
    const QPoint cursor = At(c.Cursor);
    Move(cursor);
    EXPECT_EQ(View(), c.Scrolled);
    ASSERT_NE(design->Mouse().RubberBand(), nullptr);
    EXPECT_EQ(RectOf(design->Mouse().RubberBand()), Spanned(start, cursor));
    // The next move at the same place on the screen reaches the desktop further on; the band
    // still starts where it was pressed.
    const QPoint further = At(c.Cursor);
    Move(further);
    EXPECT_EQ(RectOf(design->Mouse().RubberBand()), Spanned(start, further));
    Release(further);
    EXPECT_FALSE(design->Mouse().RubberBanding());
    EXPECT_EQ(design->Mouse().RubberBand(), nullptr);
  }
}

TEST_F(DesignAutoScroll, ABandDrawnPastTheCornerSelectsWhatScrollingBroughtInAndNothingBeforeItsStart) {
  struct Case {
    const char* What;
    QPoint FromBeyond; // the release, from the centre of the entity beyond the corner
  };
  const Case cases[] = {
      {"released on free desktop", {100, 80}},
      {"released on an entity", {0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    SetUp();
    ScrollTo(QPoint(1000, 1000));
    // One entity just before the band's start, one beyond the view's bottom-right corner, and
    // one right beyond the view's edge, under the cursor while the view scrolls.
    TEntity* before = AddEntity(At(QPoint(W / 2 - 150, H / 2 - 110)));
    TEntity* beyond = AddEntity(At(QPoint(W + 100, H + 100)));
    TEntity* atTheEdge = AddEntity(At(QPoint(W + 10, H + 10)));
    ASSERT_NE(before, nullptr);
    ASSERT_NE(beyond, nullptr);
    ASSERT_NE(atTheEdge, nullptr);
    ASSERT_EQ(View(), QPoint(1000, 1000));

    host.CurrentTool = toolArrow;
    Press(At(QPoint(W / 2, H / 2)));
    const int moves = 15;
    for (int i = 0; i < moves; ++i) Move(At(QPoint(W + 20, H + 20)));
    EXPECT_EQ(View(), QPoint(1000 + moves * Step, 1000 + moves * Step));
    const QPoint end = Centre(beyond) + c.FromBeyond;
    Move(end);
    Release(end);
    EXPECT_EQ(design->Selection, (std::vector<TMorvikGraphic*>{beyond, atTheEdge}));
    EXPECT_FALSE(before->Selected());
    EXPECT_FALSE(design->Mouse().RubberBanding());
    EXPECT_EQ(design->Mouse().RubberBand(), nullptr);
    TearDown();
  }
}

TEST_F(DesignAutoScroll, ARelationDraggedPastAnEdgeKeepsItsStartOnTheBase) {
  struct Case {
    const char* What;
    QPoint Beyond; // where the cursor rests, in view positions
    QPoint Target; // top-left of the target entity, in view positions before the drag
    QPoint PerMove;
  };
  const Case cases[] = {
      {"right", {W + 40, H / 2}, {W + 150, H / 2 - 40}, {Step, 0}},
      {"down", {W / 2, H + 40}, {W / 2 - 60, H + 150}, {0, Step}},
      {"left", {-40, H / 2}, {-270, H / 2 - 40}, {-Step, 0}},
      {"up", {W / 2, -40}, {W / 2 - 60, -230}, {0, -Step}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.What);
    SetUp();
    ScrollTo(QPoint(1500, 1500));
    TEntity* base = AddEntity(At(QPoint(W / 2 - 60, H / 2 - 40)));
    TEntity* target = AddEntity(At(c.Target));
    ASSERT_NE(base, nullptr);
    ASSERT_NE(target, nullptr);

    host.CurrentTool = toolRelation;
    const QPoint start = Centre(base) + QPoint(7, -5);
    Press(start);
    const int moves = 12;
    for (int i = 0; i < moves; ++i) {
      const QPoint view = View();
      const QPoint cursor = At(c.Beyond);
      Move(cursor);
      ASSERT_EQ(View(), view + c.PerMove) << "move " << i;
      ASSERT_NE(design->Mouse().RelationLine(), nullptr);
      EXPECT_EQ(RectOf(design->Mouse().RelationLine()), Spanned(start, cursor)) << "move " << i;
    }
    const QPoint end = Centre(target) + QPoint(-4, 3);
    Move(end);
    Release(end);
    ASSERT_EQ(design->VisualModel->Relations.size(), 1u);
    const TRelation* r = design->VisualModel->Relations[0];
    EXPECT_EQ(r->Base(), base);
    EXPECT_EQ(r->Target(), target);
    EXPECT_EQ(QPoint(r->BaseX(), r->BaseY()), start - QPoint(base->Left(), base->Top()));
    EXPECT_EQ(QPoint(r->TargetX(), r->TargetY()), end - QPoint(target->Left(), target->Top()));
    EXPECT_EQ(design->Mouse().RelationLine(), nullptr);
    TearDown();
  }
}

} // namespace
