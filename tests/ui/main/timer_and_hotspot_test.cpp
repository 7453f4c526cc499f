// The movement timer and the screen-edge hotspots, on a clock the test moves.
#include "ui/main/bi_tools.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/backend/headless_backend.h"
#include "platform/forms/application.h"
#include "ui/main/main_form.h"
#include "virtual_tick_clock.h"

namespace {

class TickTest : public ::testing::Test {
 protected:
  // A timer on the virtual clock that counts its ticks.
  std::unique_ptr<TBI_Timer> CountingTimer(unsigned interval) {
    auto timer = std::make_unique<TBI_Timer>(nullptr, clock);
    timer->SetInterval(interval);
    timer->SetOnTimer(Counter());
    clock.Settle();
    return timer;
  }
  TNotifyEvent Counter() {
    return [this](TComponent*) { ++ticks; };
  }

  THeadlessSession session;
  VirtualTickClock clock;
  int ticks = 0;
};

// A tick comes a full interval after the timer starts, and never without an interval.
TEST_F(TickTest, ATimerTicksAFullIntervalAfterItStartsAndNeverWithoutAnInterval) {
  struct Case {
    unsigned interval, elapsed;
    int ticks;
  };
  for (const Case& c : {Case{100, 99, 0}, Case{100, 100, 1}, Case{0, 1000, 0}}) {
    ticks = 0;
    auto timer = CountingTimer(c.interval);
    clock.Advance(c.elapsed);
    EXPECT_EQ(ticks, c.ticks) << "interval " << c.interval << " after " << c.elapsed << " ms";
  }
}

TEST_F(TickTest, ATimerWithoutAHandlerRestsAndAssigningOneStartsAFullInterval) {
  auto timer = CountingTimer(100);
  clock.Advance(60);
  timer->SetOnTimer(nullptr);
  clock.Advance(500);
  EXPECT_EQ(ticks, 0);
  timer->SetOnTimer(Counter());
  clock.Advance(99);
  EXPECT_EQ(ticks, 0);
  clock.Advance(1);
  EXPECT_EQ(ticks, 1);
}

TEST_F(TickTest, NoHandlerRunsAfterTheTimerWentEvenOneFreedByItsOwnTick) {
  auto timer = CountingTimer(10);
  clock.Move(10);  // the tick waits for the window thread
  timer.reset();   // and the timer goes first; stopping it must not hang
  Application.ProcessMessages();
  EXPECT_EQ(ticks, 0);

  timer = CountingTimer(10);
  timer->SetOnTimer([&](TComponent*) {
    ++ticks;
    timer.reset();
  });
  clock.Advance(50);
  EXPECT_EQ(ticks, 1);
}

// The one test on real time, on a backend whose loop really waits.
class RealTimeBackend : public THeadlessBackend {
  bool WaitForEvents(std::optional<uint64_t>) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
    return true;
  }
};

TEST(TimerOnRealTime, TicksOnTheWindowThreadAlsoInsideAModalLoop) {
  THeadlessSession session;
  RealTimeBackend backend;
  Application.SetBackend(&backend);
  const auto start = std::chrono::steady_clock::now();
  const auto elapsed = [&] { return std::chrono::steady_clock::now() - start; };
  TForm dialog;
  int ticks = 0, elsewhere = 0, in_modal = 0;
  {
    TBI_Timer timer;
    timer.SetInterval(10);
    timer.SetOnTimer([&, window_thread = std::this_thread::get_id()](TComponent*) {
      ++ticks;
      elsewhere += std::this_thread::get_id() != window_thread;
      in_modal += dialog.Modal();
      if (elapsed() >= std::chrono::milliseconds(200)) dialog.SetModalResult(mrOk);
    });
    while (elapsed() < std::chrono::milliseconds(100)) Application.HandleMessage(nullptr);
    dialog.ShowModal();
    TBI_Timer sleeping;  // freed in the middle of a long sleep
    sleeping.SetInterval(60000);
    sleeping.SetOnTimer(timer.OnTimer());
  }
  Application.SetBackend(&session.Backend());
  EXPECT_GE(ticks, 5);
  EXPECT_LE(ticks, 25);
  EXPECT_EQ(elsewhere, 0);
  EXPECT_GT(in_modal, 0);
}

// The main window's bands lie 10 pixels deep along the frame's edges and end
// 10 pixels from its corners; each holds the points strictly between its edges.
TEST_F(TickTest, TheMainWindowBandsStartOneLineInsideTheirEdges) {
  TGMRSDI window(".", clock);
  const struct {
    const char* band;
    TRect edges;
  } bands[] = {{"HotTop", {10, 0, 789, 10}},
               {"HotBottom", {10, 589, 789, 599}},
               {"HotLeft", {0, 10, 10, 589}},
               {"HotRight", {789, 10, 799, 589}}};
  for (const auto& [band, edges] : bands) {
    const TBI_Hotspot& hotspot = *FindOwned<TBI_Hotspot>(window, band);
    const TPoint middle{(edges.Left + edges.Right) / 2, (edges.Top + edges.Bottom) / 2};
    EXPECT_FALSE(hotspot.Inside({edges.Left, middle.Y}) ||
                 hotspot.Inside({edges.Right, middle.Y}) || hotspot.Inside({middle.X, edges.Top}) ||
                 hotspot.Inside({middle.X, edges.Bottom}))
        << band << " holds an edge line";
    EXPECT_TRUE(
        hotspot.Inside({edges.Left + 1, middle.Y}) && hotspot.Inside({edges.Right - 1, middle.Y}) &&
        hotspot.Inside({middle.X, edges.Top + 1}) && hotspot.Inside({middle.X, edges.Bottom - 1}))
        << band << " misses a line next to an edge";
  }
  EXPECT_FALSE(window.HotTop->Inside({-1, -1})) << "the pointer off the frame";
}

// Every 55 ms an active hotspot reports the pointer inside, and its coming and going once.
TEST_F(TickTest, EachPollReportsWhereThePointerRestsAndComingAndGoingOnce) {
  TForm screen;  // the pointer moves over a window
  screen.SetBounds(0, 0, 800, 600);
  screen.Show();
  TBI_Hotspot hotspot(nullptr, clock);
  hotspot.RectLeft = hotspot.RectTop = 100;
  hotspot.RectRight = hotspot.RectBottom = 200;
  std::vector<std::string> events;
  hotspot.OnInHotspot = [&](TComponent*, TPoint) { events.push_back("in"); };
  hotspot.OnEnter = [&](TComponent*) { events.push_back("enter"); };
  hotspot.OnLeave = [&](TComponent*) { events.push_back("leave"); };
  hotspot.SetActive(true);
  clock.Settle();
  session.Backend().MouseMove({150, 150});
  clock.Advance(54);
  EXPECT_TRUE(events.empty());
  clock.Advance(56);
  session.Backend().MouseMove({300, 300});
  clock.Advance(110);
  hotspot.SetActive(false);
  session.Backend().MouseMove({150, 150});
  clock.Advance(110);
  EXPECT_EQ(events, (std::vector<std::string>{"in", "enter", "in", "leave"}));
}

}  // namespace
