// Components, controls and the desktop: removal notification, bounds and scaling, painting
// in z-order, hit test, and mouse capture from press to release.

#include "tests/support/PixelHelpers.h"
#include "ui/ComponentList.h"
#include "ui/Control.h"
#include "ui/Desktop.h"
#include "ui/Exception.h"

#include <QMouseEvent>
#include <algorithm>
#include <QApplication>
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

using namespace testing_pixels;

namespace {

// A control that fills itself with one colour and records what happens to it.
class TProbe : public ui::TControl {
public:
  TProbe(ui::TComponent* Owner, ui::TColor Color) : ui::TControl(Owner), FColor(Color) {}
  std::vector<std::string> Log;
  ui::TComponent* Watched = nullptr;
  bool ThrowInPaint = false;
  bool ThrowInResize = false;
  bool ThrowInMouseDown = false;
  int Paints = 0;
  // Removal notifications heard.
  int Removals = 0;

  void Watch(ui::TComponent* Other) {
    Watched = Other;
    if (Other) Other->FreeNotification(this);
  }

protected:
  void Paint() override {
    ++Paints;
    if (ThrowInPaint) throw ui::Exception("paint failed");
    Canvas()->Brush()->SetColor(FColor);
    Canvas()->FillRect(ClientRect());
  }
  void Resize() override {
    Log.push_back("resize");
    if (ThrowInResize) throw ui::Exception("resize failed");
  }
  void MouseDown(ui::TMouseButton, ui::TShiftState, int X, int Y) override {
    Log.push_back("down " + std::to_string(X) + "," + std::to_string(Y));
    if (ThrowInMouseDown) throw ui::Exception("press failed");
  }
  void MouseMove(ui::TShiftState, int X, int Y) override {
    Log.push_back("move " + std::to_string(X) + "," + std::to_string(Y));
    ui::TControl::MouseMove(ui::TShiftState{}, X, Y);
  }
  void MouseUp(ui::TMouseButton, ui::TShiftState, int X, int Y) override {
    Log.push_back("up " + std::to_string(X) + "," + std::to_string(Y));
  }
  void Click() override { Log.push_back("click"); }
  void DblClick() override { Log.push_back("dblclick"); }
  void Notification(ui::TComponent* AComponent, ui::TOperation Operation) override {
    ui::TControl::Notification(AComponent, Operation);
    if (Operation != ui::TOperation::opRemove) return;
    ++Removals;
    if (AComponent == Watched) Watched = nullptr;
  }

private:
  ui::TColor FColor;
};

void Send(QWidget* W, QEvent::Type Type, int X, int Y, Qt::MouseButton Button, Qt::MouseButtons Buttons) {
  QMouseEvent e(Type, QPointF(X, Y), W->mapToGlobal(QPointF(X, Y)), Button, Buttons, Qt::NoModifier);
  QApplication::sendEvent(W, &e);
}

// Two probes on Desktop, made 100 x 100: a (red) at (10, 10) and b (blue) at (50, 50), each
// 20 x 20, with nothing in their logs yet.
std::pair<TProbe*, TProbe*> TwoProbes(ui::TDesktop& Desktop) {
  Desktop.resize(100, 100);
  auto* a = new TProbe(&Desktop, ui::clRed);
  auto* b = new TProbe(&Desktop, ui::clBlue);
  a->SetParent(&Desktop);
  b->SetParent(&Desktop);
  a->SetBounds(10, 10, 20, 20);
  b->SetBounds(50, 50, 20, 20);
  a->Log.clear();
  b->Log.clear();
  return {a, b};
}

} // namespace

TEST(Component, RemovalNotificationReachesTheWatchersAndTheOwnerOnly) {
  ui::TDesktop desktop;
  auto* a = new TProbe(&desktop, ui::clRed);
  auto* b = new TProbe(&desktop, ui::clBlue);
  auto* bystander = new TProbe(&desktop, ui::clGreen);
  a->Watch(b); // same owner
  auto other = std::make_unique<ui::TComponent>(nullptr);
  auto* c = new TProbe(other.get(), ui::clLime);
  c->Watch(b); // another owner
  delete b;
  EXPECT_EQ(a->Watched, nullptr);
  EXPECT_EQ(c->Watched, nullptr);
  EXPECT_EQ(a->Removals, 1);
  EXPECT_EQ(c->Removals, 1);
  // A component that holds no pointer to the removed one is not told.
  EXPECT_EQ(bystander->Removals, 0);
  EXPECT_EQ(desktop.ComponentCount(), 2);
  // The owner frees what it owns; the watcher of a freed component is not called afterwards.
  auto* d = new TProbe(&desktop, ui::clRed);
  c->Watch(d);
  other.reset(); // frees c, which must leave d's watcher list
  delete d;      // must not notify the freed c
  EXPECT_EQ(desktop.ComponentCount(), 2);
  EXPECT_EQ(desktop.FindComponent(""), nullptr);
}

TEST(Component, RemovingInAnyOrderKeepsTheOthersInTheirOrder) {
  ui::TComponent owner(nullptr);
  std::vector<ui::TComponent*> all;
  for (int i = 0; i < 100; ++i) {
    all.push_back(new ui::TComponent(&owner));
    all.back()->SetName(QStringLiteral("C%1").arg(i));
  }
  // Every third from the front, then the last ones, then what a walk finds at its place.
  std::vector<ui::TComponent*> kept;
  for (int i = 0; i < 100; ++i)
    if (i % 3 == 0 || i >= 90)
      delete all[static_cast<size_t>(i)];
    else
      kept.push_back(all[static_cast<size_t>(i)]);
  ASSERT_EQ(owner.ComponentCount(), static_cast<int>(kept.size()));
  for (int i = 0; i < owner.ComponentCount(); ++i)
    EXPECT_EQ(owner.Component(i), kept[static_cast<size_t>(i)]);
  EXPECT_THROW(owner.Component(owner.ComponentCount()), std::out_of_range);
  EXPECT_EQ(owner.FindComponent("C3"), nullptr);
  EXPECT_EQ(owner.FindComponent("c4"), kept[2]);
  // Removed components can come back, at the end.
  owner.RemoveComponent(kept[0]);
  owner.InsertComponent(kept[0]);
  EXPECT_EQ(owner.Component(owner.ComponentCount() - 1), kept[0]);
  EXPECT_EQ(owner.Component(0), kept[1]);
}

namespace {

// A component that keeps its slot in a list of its own kind.
struct TSlotted : ui::TComponent {
  TSlotted() : ui::TComponent(nullptr) {}
  mutable std::size_t Slot = 0;
};

std::size_t& SlotOfSlotted(const ui::TComponent* Component) {
  return static_cast<const TSlotted*>(Component)->Slot;
}

} // namespace

// The list against a plain vector through a long random run of additions at both ends and
// removals, growing well past the length at which it starts to keep an index and shrinking
// back to nothing, so that its short and its long form and the change between them are met;
// and the same for a list whose components keep their slots, beside a second list of that
// kind that takes the components the first one drops.
TEST(Component, AListAnswersAsAPlainVectorShortOrLong) {
  std::vector<std::unique_ptr<TSlotted>> pool;
  for (int i = 0; i < 60; ++i) pool.push_back(std::make_unique<TSlotted>());
  for (const bool slotted : {false, true}) {
    SCOPED_TRACE(slotted ? "slots in the components" : "slots in an index");
    auto list = slotted ? std::make_unique<ui::TComponentList>(&SlotOfSlotted)
                        : std::make_unique<ui::TComponentList>();
    ui::TComponentList other(&SlotOfSlotted);
    std::vector<ui::TComponent*> plain;
    std::mt19937 random(29);
    for (int step = 0; step < 4000; ++step) {
      // Mostly additions in the first half of the run, mostly removals in the second.
      const int phase = (step / 500) % 2;
      ui::TComponent* c = pool[random() % pool.size()].get();
      const auto at = std::find(plain.begin(), plain.end(), c);
      const unsigned roll = random() % 10;
      if (roll < (phase == 0 ? 4u : 1u)) {
        if (at == plain.end()) other.Remove(c);
        list->Add(c);
        if (at == plain.end()) plain.push_back(c);
      } else if (roll < (phase == 0 ? 7u : 2u)) {
        other.Remove(c);
        list->AddFirst(c);
        if (at == plain.end()) plain.insert(plain.begin(), c);
      } else {
        list->Remove(c);
        if (at != plain.end()) plain.erase(at);
        if (slotted && roll == 9) other.Add(c);
      }
      if (step % 997 == 0) list->Remove(nullptr), list->Add(nullptr);
      SCOPED_TRACE(step);
      ASSERT_EQ(list->Count(), static_cast<int>(plain.size()));
      ASSERT_EQ(list->IsEmpty(), plain.empty());
      ASSERT_EQ(list->Last(), plain.empty() ? nullptr : plain.back());
      if (step % 7 == 0) {
        ASSERT_EQ(list->Items(), plain);
        for (const auto& p : pool) {
          const auto where = std::find(plain.begin(), plain.end(), p.get());
          ASSERT_EQ(list->Contains(p.get()), where != plain.end());
          ASSERT_EQ(list->IndexOf(p.get()),
                    where == plain.end() ? -1 : static_cast<int>(where - plain.begin()));
          if (where != plain.end()) {
            ASSERT_FALSE(other.Contains(p.get()));
          }
        }
      } else if (!plain.empty()) {
        const std::size_t i = random() % plain.size();
        ASSERT_EQ(list->At(static_cast<int>(i)), plain[i]);
      }
      if (step % 1500 == 1499) {
        ASSERT_EQ(list->TakeAll(), plain);
        plain.clear();
        ASSERT_TRUE(list->IsEmpty());
      }
      if (step % 1000 == 999 && !plain.empty()) {
        list->RemoveLast();
        plain.pop_back();
      }
    }
    EXPECT_THROW(list->At(list->Count()), std::out_of_range);
  }
}

TEST(Component, NamesAreUniqueAmongOneOwnersComponentsIgnoringCase) {
  ui::TComponent owner(nullptr);
  auto* a = new ui::TComponent(&owner);
  auto* b = new ui::TComponent(&owner);
  a->SetName("Entity_1");
  EXPECT_EQ(owner.FindComponent("ENTITY_1"), a);
  // A second component of that name is refused and keeps its own.
  b->SetName("Entity_2");
  try {
    b->SetName("entity_1");
    ADD_FAILURE() << "renamed";
  } catch (const ui::Exception& e) {
    EXPECT_EQ(e.Message(), QString::fromUtf8("Komponenta se jménem entity_1 již existuje."));
  }
  EXPECT_EQ(b->Name(), "Entity_2");
  EXPECT_EQ(owner.FindComponent("Entity_2"), b);
  // A rename frees the old name; a change of case alone is the same component.
  a->SetName("Entity_3");
  EXPECT_EQ(owner.FindComponent("Entity_1"), nullptr);
  a->SetName("ENTITY_3");
  EXPECT_EQ(owner.FindComponent("entity_3"), a);
  b->SetName("Entity_1");
  EXPECT_EQ(owner.FindComponent("Entity_1"), b);
  // A named component cannot join an owner that has its name; it stays where it was.
  ui::TComponent other(nullptr);
  auto* c = new ui::TComponent(&other);
  c->SetName("entity_1");
  EXPECT_THROW(owner.InsertComponent(c), ui::Exception);
  EXPECT_EQ(c->Owner(), &other);
  EXPECT_EQ(other.FindComponent("Entity_1"), c);
  // Freed and taken away components leave their names free.
  delete b;
  EXPECT_EQ(owner.FindComponent("Entity_1"), nullptr);
  owner.InsertComponent(c);
  EXPECT_EQ(owner.FindComponent("Entity_1"), c);
  EXPECT_EQ(other.FindComponent("Entity_1"), nullptr);
  // Letters beyond ASCII fold too.
  c->SetName(QString::fromUtf8("Čára_Ω"));
  EXPECT_EQ(owner.FindComponent(QString::fromUtf8("čÁRA_ω")), c);
  // Unnamed components are many.
  new ui::TComponent(&owner);
  new ui::TComponent(&owner);
  EXPECT_EQ(owner.FindComponent(""), nullptr);
}

TEST(Control, BoundsChangeNotifiesOnlyOnChangeAndAFailingNotificationRestoresThem) {
  ui::TDesktop desktop;
  auto* p = new TProbe(&desktop, ui::clRed);
  p->SetBounds(10, 20, 30, 40);
  p->SetBounds(10, 20, 30, 40);
  EXPECT_EQ(p->Log.size(), 1u);
  p->SetLeft(11);
  EXPECT_EQ(p->Log.size(), 2u);
  p->ThrowInResize = true;
  EXPECT_THROW(p->SetBounds(0, 0, 5, 5), ui::Exception);
  EXPECT_EQ(p->BoundsRect(), ui::Rect(11, 20, 41, 60));
}

TEST(Control, ChangeScaleMultipliesThenDividesBoundsWithRounding) {
  struct Case {
    int l, t, w, h, m, d;
    ui::TRect expected;
  };
  const Case cases[] = {
      {10, 20, 30, 40, 200, 100, ui::Rect(20, 40, 80, 120)},
      {11, 21, 31, 41, 50, 100, ui::Rect(6, 11, 6 + 16, 11 + 21)},
      {-11, -3, 5, 1, 50, 100, ui::Rect(-6, -2, -6 + 3, -2 + 1)},
  };
  for (const Case& c : cases) {
    ui::TControl control(nullptr);
    control.SetBounds(c.l, c.t, c.w, c.h);
    control.ChangeScale(c.m, c.d);
    EXPECT_EQ(control.BoundsRect(), c.expected) << c.l << "," << c.t;
  }
}

TEST(Desktop, PaintsInZOrderAndSkipsInvisibleControls) {
  ui::TDesktop desktop;
  desktop.SetColor(ui::clWhite);
  auto* bottom = new TProbe(&desktop, ui::clRed);
  auto* top = new TProbe(&desktop, ui::clBlue);
  auto* hidden = new TProbe(&desktop, ui::clLime);
  for (TProbe* p : {bottom, top, hidden}) p->SetParent(&desktop);
  bottom->SetBounds(0, 0, 10, 10);
  top->SetBounds(5, 5, 10, 10);
  hidden->SetBounds(0, 0, 20, 20);
  hidden->SetVisible(false);
  QImage img = MakeImage(20, 20, ui::clBlack);
  desktop.RenderTo(img);
  EXPECT_EQ(Px(img, 2, 2), ui::clRed);
  EXPECT_EQ(Px(img, 7, 7), ui::clBlue);
  EXPECT_EQ(Px(img, 17, 2), ui::clWhite);
  EXPECT_EQ(hidden->Paints, 0);

  bottom->BringToFront();
  desktop.RenderTo(img);
  EXPECT_EQ(Px(img, 7, 7), ui::clRed);

  // Rendering a part of the desktop: the origin moves, the control stays where it is.
  QImage part = MakeImage(10, 10, ui::clBlack);
  desktop.RenderTo(part, ui::Point(5, 5));
  EXPECT_EQ(Px(part, 2, 2), ui::clRed);
  EXPECT_EQ(Px(part, 7, 7), ui::clBlue);
}

// The z-order through a long mixed run of raising, lowering, removing and adding, checked
// after each step against a plain list: controls sent to the back one after another, then
// removed in runs between which the order is read.
TEST(Desktop, ZOrderStaysExactThroughRunsOfMovesAndRemovals) {
  ui::TDesktop desktop;
  std::vector<ui::TControl*> expected;
  auto check = [&](const char* Step) {
    ASSERT_EQ(desktop.ControlCount(), static_cast<int>(expected.size())) << Step;
    for (int i = 0; i < desktop.ControlCount(); ++i) {
      ASSERT_EQ(desktop.Control(i), expected[static_cast<size_t>(i)]) << Step << " " << i;
      ASSERT_EQ(desktop.IndexOfControl(expected[static_cast<size_t>(i)]), i) << Step;
    }
  };
  auto add = [&](bool ToBack) {
    auto* c = new TProbe(&desktop, ui::clRed);
    c->SetParent(&desktop);
    if (ToBack) {
      c->SendToBack();
      expected.insert(expected.begin(), c);
    } else {
      expected.push_back(c);
    }
  };
  auto remove = [&](size_t Index) {
    delete expected[Index];
    expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(Index));
  };
  for (int i = 0; i < 60; ++i) add(i % 3 != 0);
  check("added");
  // Removals at the back, the front and between, read only at the end of each run.
  for (size_t from : {size_t{0}, size_t{17}, size_t{40}}) {
    for (int k = 0; k < 5; ++k) remove(std::min(from, expected.size() - 1));
    check("removed");
  }
  for (size_t i = 0; i < expected.size(); i += 4) {
    ui::TControl* c = expected[i];
    expected.erase(expected.begin() + static_cast<std::ptrdiff_t>(i));
    if (i % 8 == 0) {
      c->BringToFront();
      expected.push_back(c);
    } else {
      c->SendToBack();
      expected.insert(expected.begin(), c);
    }
  }
  check("moved");
  while (expected.size() > 3) remove(expected.size() / 2);
  for (int i = 0; i < 20; ++i) add(i % 2 == 0);
  check("emptied and filled again");
  ui::TControl* other = new TProbe(nullptr, ui::clBlue);
  EXPECT_EQ(desktop.IndexOfControl(other), -1);
  EXPECT_THROW(desktop.Control(desktop.ControlCount()), std::out_of_range);
  delete other;
}

TEST(Desktop, FindsTheTopmostVisibleControlUnderAPoint) {
  ui::TDesktop desktop;
  auto* a = new TProbe(&desktop, ui::clRed);
  auto* b = new TProbe(&desktop, ui::clBlue);
  a->SetParent(&desktop);
  b->SetParent(&desktop);
  a->SetBounds(0, 0, 10, 10);
  b->SetBounds(5, 5, 10, 10);
  struct Case {
    int x, y;
    ui::TControl* expected;
  };
  const Case cases[] = {{0, 0, a},         {9, 9, b},        {4, 9, a},       {14, 14, b},
                        {15, 15, nullptr}, {10, 2, nullptr}, {-1, 0, nullptr}};
  for (const Case& c : cases) EXPECT_EQ(desktop.ControlAtPos(ui::Point(c.x, c.y)), c.expected);
  b->SetVisible(false);
  EXPECT_EQ(desktop.ControlAtPos(ui::Point(9, 9)), a);
}

TEST(Desktop, KeepsThePressedControlCapturedUntilTheRelease) {
  ui::TDesktop desktop;
  const auto [a, b] = TwoProbes(desktop);
  std::vector<std::string> desktopLog;
  desktop.OnMouseDown = [&](ui::TObject*, ui::TMouseButton, ui::TShiftState, int X, int Y) {
    desktopLog.push_back("down " + std::to_string(X) + "," + std::to_string(Y));
  };
  desktop.OnMouseMove = [&](ui::TObject*, ui::TShiftState, int X, int Y) {
    desktopLog.push_back("move " + std::to_string(X) + "," + std::to_string(Y));
  };

  Send(&desktop, QEvent::MouseButtonPress, 15, 15, Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(desktop.Captured(), a);
  Send(&desktop, QEvent::MouseMove, 55, 55, Qt::NoButton, Qt::LeftButton);
  Send(&desktop, QEvent::MouseButtonRelease, 55, 55, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(desktop.Captured(), nullptr);
  // Moves and the release went to a in its own coordinates; no click outside it.
  EXPECT_EQ(a->Log, (std::vector<std::string>{"down 5,5", "move 45,45", "up 45,45"}));
  EXPECT_TRUE(b->Log.empty());

  a->Log.clear();
  Send(&desktop, QEvent::MouseButtonPress, 12, 13, Qt::LeftButton, Qt::LeftButton);
  Send(&desktop, QEvent::MouseButtonRelease, 12, 13, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(a->Log, (std::vector<std::string>{"down 2,3", "click", "up 2,3"}));

  // Nothing under the point: the desktop's own events in desktop coordinates.
  Send(&desktop, QEvent::MouseButtonPress, 90, 5, Qt::LeftButton, Qt::LeftButton);
  Send(&desktop, QEvent::MouseMove, 91, 6, Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(desktopLog, (std::vector<std::string>{"down 90,5", "move 91,6"}));
  Send(&desktop, QEvent::MouseButtonRelease, 91, 6, Qt::LeftButton, Qt::NoButton);
}

TEST(Desktop, APressOnFreeDesktopKeepsTheMouseForTheDesktopUntilTheRelease) {
  // A rubber band or a creation box dragged across a control goes on following the mouse.
  ui::TDesktop desktop;
  const auto [a, b] = TwoProbes(desktop);
  std::vector<std::string> log;
  const auto button = [](ui::TMouseButton B) { return B == ui::TMouseButton::mbLeft ? "left " : "right "; };
  desktop.OnMouseDown = [&](ui::TObject*, ui::TMouseButton B, ui::TShiftState, int X, int Y) {
    log.push_back("down " + std::string(button(B)) + std::to_string(X) + "," + std::to_string(Y));
  };
  desktop.OnMouseMove = [&](ui::TObject*, ui::TShiftState, int X, int Y) {
    log.push_back("move " + std::to_string(X) + "," + std::to_string(Y));
  };
  desktop.OnMouseUp = [&](ui::TObject*, ui::TMouseButton B, ui::TShiftState, int X, int Y) {
    log.push_back("up " + std::string(button(B)) + std::to_string(X) + "," + std::to_string(Y));
  };

  Send(&desktop, QEvent::MouseButtonPress, 90, 5, Qt::LeftButton, Qt::LeftButton);
  Send(&desktop, QEvent::MouseMove, 55, 55, Qt::NoButton, Qt::LeftButton);
  // A second button pressed over a control while the first is held.
  Send(&desktop, QEvent::MouseButtonPress, 15, 15, Qt::RightButton, Qt::LeftButton | Qt::RightButton);
  Send(&desktop, QEvent::MouseButtonRelease, 15, 15, Qt::RightButton, Qt::LeftButton);
  Send(&desktop, QEvent::MouseMove, 20, 20, Qt::NoButton, Qt::LeftButton);
  Send(&desktop, QEvent::MouseButtonRelease, 60, 60, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(log, (std::vector<std::string>{"down left 90,5", "move 55,55", "down right 15,15",
                                           "up right 15,15", "move 20,20", "up left 60,60"}));
  EXPECT_TRUE(a->Log.empty());
  EXPECT_TRUE(b->Log.empty());
  EXPECT_EQ(desktop.Captured(), nullptr);

  // Released: the controls get their moves again, also when the release went elsewhere.
  Send(&desktop, QEvent::MouseMove, 55, 56, Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(b->Log, (std::vector<std::string>{"move 5,6"}));
  Send(&desktop, QEvent::MouseButtonPress, 90, 5, Qt::LeftButton, Qt::LeftButton);
  Send(&desktop, QEvent::MouseMove, 55, 57, Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(b->Log, (std::vector<std::string>{"move 5,6", "move 5,7"}));
  Send(&desktop, QEvent::MouseButtonPress, 15, 15, Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(desktop.Captured(), a);
  Send(&desktop, QEvent::MouseButtonRelease, 15, 15, Qt::LeftButton, Qt::NoButton);
}

TEST(Desktop, APressWhoseReleaseWentToAnotherWindowHoldsTheMouseNoLonger) {
  // A double click that opens a modal dialog: the dialog takes the release, and the desktop
  // sees the button up only at its next event. A button held meanwhile keeps the capture.
  ui::TDesktop desktop;
  const auto [a, b] = TwoProbes(desktop);
  const struct {
    QEvent::Type type; // the first event after the lost release, at (55, 55)
    Qt::MouseButton button;
    Qt::MouseButtons held;
    std::vector<std::string> a, b;
  } cases[] = {
      {QEvent::MouseMove, Qt::NoButton, Qt::NoButton, {}, {"move 5,5"}},
      {QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {}, {"down 5,5"}},
      {QEvent::MouseButtonDblClick, Qt::LeftButton, Qt::LeftButton, {}, {"dblclick", "down 5,5"}},
      {QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {"move 45,45"}, {}},
      {QEvent::MouseButtonPress, Qt::RightButton, Qt::LeftButton | Qt::RightButton, {}, {}},
  };
  for (const auto& c : cases) {
    Send(&desktop, QEvent::MouseButtonPress, 15, 15, Qt::LeftButton, Qt::LeftButton);
    ASSERT_EQ(desktop.Captured(), a);
    a->Log.clear();
    b->Log.clear();
    Send(&desktop, c.type, 55, 55, c.button, c.held);
    EXPECT_EQ(a->Log, c.a) << c.type << " " << c.held.toInt();
    EXPECT_EQ(b->Log, c.b) << c.type << " " << c.held.toInt();
    Send(&desktop, QEvent::MouseButtonRelease, 55, 55, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(desktop.Captured(), nullptr);
  }
}

TEST(Desktop, ControlRemovedDuringADragIsForgotten) {
  ui::TDesktop desktop;
  auto* a = new TProbe(&desktop, ui::clRed);
  a->SetParent(&desktop);
  a->SetBounds(0, 0, 20, 20);
  Send(&desktop, QEvent::MouseButtonPress, 5, 5, Qt::LeftButton, Qt::LeftButton);
  ASSERT_EQ(desktop.Captured(), a);
  delete a;
  EXPECT_EQ(desktop.Captured(), nullptr);
  Send(&desktop, QEvent::MouseMove, 6, 6, Qt::NoButton, Qt::LeftButton);
  Send(&desktop, QEvent::MouseButtonRelease, 6, 6, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(desktop.ControlCount(), 0);
  // A click that frees its control, or takes it off the desktop, ends the release there: the
  // control hears of no release (and a freed one is never read).
  for (const bool free : {true, false}) {
    auto* b = new ui::TControl(&desktop);
    b->SetParent(&desktop);
    b->SetBounds(0, 0, 20, 20);
    int releases = 0;
    b->OnClick = [b, free](ui::TObject*) { free ? delete b : b->SetParent(nullptr); };
    b->OnMouseUp = [&releases](ui::TObject*, ui::TMouseButton, ui::TShiftState, int, int) { ++releases; };
    Send(&desktop, QEvent::MouseButtonPress, 5, 5, Qt::LeftButton, Qt::LeftButton);
    ASSERT_EQ(desktop.Captured(), b);
    Send(&desktop, QEvent::MouseButtonRelease, 5, 5, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(desktop.ControlCount(), 0);
    EXPECT_EQ(desktop.Captured(), nullptr);
    EXPECT_EQ(releases, 0);
    if (!free) delete b;
  }
}

TEST(Desktop, ExceptionsOfControlsStayInsideAndAFailingPaintIsReportedOnce) {
  ui::TDesktop desktop;
  std::vector<QString> errors;
  desktop.OnError = [&](const QString& m) { errors.push_back(m); };
  auto* bad = new TProbe(&desktop, ui::clRed);
  auto* good = new TProbe(&desktop, ui::clBlue);
  bad->SetParent(&desktop);
  good->SetParent(&desktop);
  bad->SetBounds(0, 0, 10, 10);
  good->SetBounds(10, 0, 10, 10);
  bad->ThrowInPaint = true;
  QImage img = MakeImage(20, 10);
  desktop.RenderTo(img);
  desktop.RenderTo(img);
  EXPECT_EQ(bad->Paints, 2);
  EXPECT_EQ(Px(img, 15, 5), ui::clBlue); // the others still paint
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "paint failed");

  bad->ThrowInMouseDown = true;
  Send(&desktop, QEvent::MouseButtonPress, 5, 5, Qt::LeftButton, Qt::LeftButton);
  Send(&desktop, QEvent::MouseButtonRelease, 5, 5, Qt::LeftButton, Qt::NoButton);
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[1], "press failed");
  EXPECT_EQ(desktop.Captured(), nullptr);

  // A move handler that fails at every move of a drag is reported once per gesture.
  good->OnMouseMove = [](ui::TObject*, ui::TShiftState, int, int) { throw ui::Exception("move failed"); };
  Send(&desktop, QEvent::MouseButtonPress, 15, 5, Qt::LeftButton, Qt::LeftButton);
  for (int i = 0; i < 5; ++i) Send(&desktop, QEvent::MouseMove, 15, 6, Qt::NoButton, Qt::LeftButton);
  Send(&desktop, QEvent::MouseButtonRelease, 15, 6, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(errors.size(), 3u);
}

namespace {
// Draws beyond its own rectangle on purpose.
class TOverflowing : public ui::TControl {
public:
  using ui::TControl::TControl;

protected:
  void Paint() override {
    ui::TCanvas* c = Canvas();
    c->Brush()->SetColor(ui::clRed);
    c->FillRect(ui::Rect(-5, -5, Width() + 5, Height() + 5));
    c->MoveTo(-10, 2);
    c->LineTo(Width() + 10, 2);
    c->Brush()->SetColor(ui::clLime);
    c->Ellipse(2, 2, Width() + 20, Height() + 20);
    c->TextOut(2, 2, "A text far longer than the control");
  }
};
} // namespace

TEST(Desktop, ControlsNeverPaintOutsideTheirRectangle) {
  ui::TDesktop desktop;
  auto* c = new TOverflowing(&desktop);
  c->SetParent(&desktop);
  c->SetBounds(10, 10, 20, 15);
  // The whole control inside the rendered part, and a part that cuts through the control.
  for (ui::TPoint origin : {ui::Point(0, 0), ui::Point(15, 12)}) {
    QImage img = MakeImage(60, 40, ui::clBlack);
    desktop.RenderTo(img, origin);
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) {
        const int dx = x + origin.x, dy = y + origin.y;
        const bool inside = dx >= 10 && dx < 30 && dy >= 10 && dy < 25;
        if (!inside) {
          ASSERT_EQ(Px(img, x, y), ui::clWhite) << dx << "," << dy;
        }
      }
    EXPECT_EQ(Px(img, 29 - origin.x, 24 - origin.y), ui::clLime);
  }
}
