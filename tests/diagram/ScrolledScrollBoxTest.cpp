#include "diagram/ScrolledScrollBox.h"
#include "GuiApp.h"
#include "ui/Desktop.h"

#include <QScrollBar>
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

struct PositionCall {
  TSettingPosition Which;
  int OldValue;
  int NewValue;
  bool operator==(const PositionCall&) const = default;
};

class ScrolledScrollBoxTest : public ::testing::Test {
protected:
  void SetUp() override {
    auto* desktop = new QWidget;
    desktop->setFixedSize(2000, 1500);
    box.setWidget(desktop);
    box.resize(400, 300);
    box.show();
    QApplication::processEvents();
    box.OnScroll = [this](TScrolledScrollBox* sender) {
      EXPECT_EQ(sender, &box);
      ++scrolls;
    };
    box.OnChangedPosition = [this](TScrolledScrollBox* sender, TSettingPosition which, int oldValue,
                                   int newValue) {
      EXPECT_EQ(sender, &box);
      positions.push_back({which, oldValue, newValue});
    };
  }

  QApplication& app = GuiApp(); // before any widget
  TScrolledScrollBox box;
  int scrolls = 0;
  std::vector<PositionCall> positions;
};

TEST_F(ScrolledScrollBoxTest, SettingPositionsReportsClampedValuesAndNeverScrollEvent) {
  const int hMax = box.horizontalScrollBar()->maximum();
  const int vMax = box.verticalScrollBar()->maximum();
  ASSERT_GT(hMax, 100);
  ASSERT_GT(vMax, 100);

  box.SetHorzPosition(100);
  box.SetHorzPosition(hMax + 500); // beyond the range
  box.SetVertPosition(-20);        // below the range, from 0
  box.SetVertPosition(50);
  box.SetVertPosition(50); // unchanged, still reported

  const std::vector<PositionCall> expected = {
      {spHorizontal, 0, 100}, {spHorizontal, 100, hMax}, {spVertical, 0, 0},
      {spVertical, 0, 50},    {spVertical, 50, 50},
  };
  EXPECT_EQ(positions, expected);
  EXPECT_EQ(box.HorzPosition(), hMax);
  EXPECT_EQ(box.VertPosition(), 50);
  EXPECT_EQ(scrolls, 0);
  // The contents followed the positions.
  EXPECT_EQ(box.widget()->pos(), QPoint(-hMax, -50));
}

TEST_F(ScrolledScrollBoxTest, UserScrollingFiresScrollOncePerStepAfterTheContentsMoved) {
  QPoint seen;
  box.OnScroll = [&](TScrolledScrollBox*) {
    ++scrolls;
    seen = box.widget()->pos();
  };
  QScrollBar* h = box.horizontalScrollBar();
  QScrollBar* v = box.verticalScrollBar();

  h->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(scrolls, 1);
  EXPECT_EQ(seen, QPoint(-h->value(), 0));
  EXPECT_GT(h->value(), 0);

  v->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(scrolls, 2);
  EXPECT_EQ(seen, QPoint(-h->value(), -v->value()));

  // Dragging the thumb: every tracked move is one scroll step.
  v->setSliderDown(true);
  v->setSliderPosition(200);
  v->setSliderPosition(260);
  v->setSliderDown(false);
  EXPECT_EQ(scrolls, 4);
  EXPECT_EQ(v->value(), 260);

  // A step at the end of the range still reports a scroll, as the window system does.
  h->setValue(h->maximum());
  h->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(scrolls, 5);

  EXPECT_TRUE(positions.empty());
}

TEST_F(ScrolledScrollBoxTest, ScrollHandlerThatThrowsIsReportedByTheDesktop) {
  auto* desktop = new ui::TDesktop;
  desktop->setFixedSize(2000, 1500);
  box.setWidget(desktop);
  QApplication::processEvents();
  QStringList reported;
  desktop->OnError = [&](const QString& message) { reported << message; };
  box.OnScroll = [](TScrolledScrollBox*) { throw std::runtime_error("handler failed"); };
  EXPECT_NO_THROW(box.verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd));
  EXPECT_GT(box.VertPosition(), 0);
  EXPECT_EQ(reported, QStringList{QStringLiteral("handler failed")});
}

} // namespace
