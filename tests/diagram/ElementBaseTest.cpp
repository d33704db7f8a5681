// Base classes of the diagram elements: defaults, selection, assignment, handle link.

#include "DiagramTestKit.h"
#include "diagram/Resizer.h"
#include "ui/Exception.h"

#include <gtest/gtest.h>

namespace {

class TCountingGraphic : public TMorvikGraphic {
public:
  using TMorvikGraphic::TMorvikGraphic;
  int Selects = 0, PenChanges = 0, BrushChanges = 0;
  void MySelect() override { ++Selects; }
  bool IsInRect(const ui::TRect&) override { return false; }
  void PenChanged(ui::TObject* Sender) override {
    ++PenChanges;
    TMorvikGraphic::PenChanged(Sender);
  }
  void BrushChanged(ui::TObject* Sender) override {
    ++BrushChanges;
    TMorvikGraphic::BrushChanged(Sender);
  }
};

class TCountingResizer : public TResizer {
public:
  using TResizer::TResizer;
  std::vector<ui::TObject*> Calls;
  void HostSizeChanged(ui::TObject* Sender) override { Calls.push_back(Sender); }
};

} // namespace

TEST(MorvikGraphic, NewElementDefaults) {
  TCountingGraphic g(nullptr);
  EXPECT_EQ(g.Brush()->Color(), 0xFFFF00);
  EXPECT_FALSE(g.Effect3D());
  EXPECT_FALSE(g.Selected());
  EXPECT_EQ(g.Resizer(), nullptr);
  EXPECT_TRUE(g.Visible());
  EXPECT_FALSE(g.Valid());
  EXPECT_FALSE(g.IsEntryPoint());
}

TEST(MorvikGraphic, SelectingShowsTheStateEvenWhenItDidNotChange) {
  TCountingGraphic g(nullptr);
  g.SetSelected(false);
  g.SetSelected(true);
  g.SetSelected(true);
  EXPECT_EQ(g.Selects, 3);
  EXPECT_TRUE(g.Selected());
}

TEST(MorvikGraphic, AssignCopiesPenBrushAnd3DAndRepaintsOnlyOnChange) {
  TCountingGraphic a(nullptr), b(nullptr);
  a.Assign(&b);
  EXPECT_EQ(a.PenChanges + a.BrushChanges, 0);

  b.Brush()->SetColor(ui::clRed);
  b.SetEffect3D(true);
  a.Assign(&b);
  EXPECT_EQ(a.BrushChanges, 1);
  EXPECT_EQ(a.PenChanges, 0);
  EXPECT_EQ(a.Brush()->Color(), ui::clRed);
  EXPECT_TRUE(a.Effect3D());

  b.Pen()->SetColor(ui::clBlue);
  b.Pen()->SetWidth(2);
  a.Assign(&b);
  EXPECT_EQ(a.PenChanges, 1);
  EXPECT_EQ(a.Pen()->Color(), ui::clBlue);
  EXPECT_EQ(a.Pen()->Width(), 2);

  // SetPen / SetBrush copy into the element's own objects, which keep notifying.
  ui::TPen pen;
  pen.SetColor(ui::clLime);
  a.SetPen(&pen);
  EXPECT_EQ(a.PenChanges, 2);
  EXPECT_NE(a.Pen(), &pen);
}

TEST(Resizer, EnableResizeAlsoSetsChangeCursorButNotTheOtherWay) {
  TCountingResizer r(nullptr);
  EXPECT_TRUE(r.EnableMove());
  EXPECT_TRUE(r.EnableResize());
  EXPECT_TRUE(r.ChangeCursor());
  EXPECT_EQ(r.DefaultCursor(), ui::crDefault);
  r.SetEnableResize(false);
  EXPECT_FALSE(r.ChangeCursor());
  r.SetChangeCursor(true);
  EXPECT_FALSE(r.EnableResize());
  EXPECT_TRUE(r.ChangeCursor());
}

TEST(Resizer, TheBaseClassHasNoWayToFollowAHost) {
  TResizer r(nullptr);
  try {
    r.HostSizeChanged(nullptr);
    FAIL() << "no exception";
  } catch (const ui::Exception& e) {
    EXPECT_EQ(e.Message(), "TResizer: Abstract error.");
  }
}

TEST(MorvikGraphic, HandleBoxIsToldOfChangesAndForgottenWhenRemoved) {
  ui::TDesktop desktop;
  auto* g = new TCountingGraphic(&desktop);
  auto* r = new TCountingResizer(&desktop);
  g->TellHimAboutMyChange(); // no handle box: nothing happens
  g->SetResizer(r);
  g->TellHimAboutMyChange();
  ASSERT_EQ(r->Calls.size(), 1u);
  EXPECT_EQ(r->Calls[0], g);
  delete r;
  EXPECT_EQ(g->Resizer(), nullptr);
  g->TellHimAboutMyChange();

  // Across owners too.
  ui::TComponent other(nullptr);
  auto* r2 = new TCountingResizer(&other);
  g->SetResizer(r2);
  delete r2;
  EXPECT_EQ(g->Resizer(), nullptr);
}
