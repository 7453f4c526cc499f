// The movement timer and the screen-edge hotspots, on a clock the test moves.
#include "ui/main/bi_tools.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/backend/frame_fit.h"
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
    timer->SetOnTimer(counter);
    clock.Settle();
    return timer;
  }

  THeadlessSession session;
  VirtualTickClock clock;
  int ticks = 0;
  const TNotifyEvent counter = [this](TComponent*) { ++ticks; };
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
  timer->SetOnTimer(counter);
  clock.Advance(99);
  EXPECT_EQ(ticks, 0);
  clock.Advance(1);
  EXPECT_EQ(ticks, 1);
}

TEST_F(TickTest, NoHandlerRunsAfterTheTimerWent) {
  auto timer = CountingTimer(10);
  clock.Move(10);  // the tick waits for the window thread
  timer.reset();   // and the timer goes first; stopping it must not hang
  Application.ProcessMessages();
  EXPECT_EQ(ticks, 0);
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
  EXPECT_TRUE(ticks >= 5 && ticks <= 25) << ticks;
  EXPECT_TRUE(elsewhere == 0 && in_modal > 0)
      << elsewhere << " off the window thread, " << in_modal << " in the modal loop";
}

// The main window's bands lie 10 pixels deep along the edges of the frame
// below the menu bar and end 10 pixels from its corners; an edge line is
// outside a band, the next line inside, except the frame's own outermost
// column or row, where a pointer pushed against the window's edge rests: it
// is inside the band along it (the top's is the menu bar's, in none). On that
// line and in a black bar beside the frame a band reaches as far along as it
// does inside the frame; a corner of a bar or of the frame, and a pointer
// outside the window, are in no band.
TEST_F(TickTest, TheMainWindowBandsStartOneLineInsideTheirEdgesOrOnTheFramesOuterLine) {
  TGMRSDI window(".", clock);
  const int menu = window.KVELDMenu->Height();
  ASSERT_GT(menu, 0);
  const struct {
    const char* band;
    TPoint edge, next;
  } cases[] = {
      {"HotTop", {400, menu}, {400, menu + 1}},    {"HotTop", {400, menu + 10}, {400, menu + 9}},
      {"HotTop", {10, menu + 5}, {11, menu + 5}},  {"HotTop", {789, menu + 5}, {788, menu + 5}},
      {"HotBottom", {10, 599}, {11, 599}},         {"HotBottom", {400, 589}, {400, 590}},
      {"HotLeft", {0, menu + 10}, {0, menu + 11}}, {"HotLeft", {10, 300}, {9, 300}},
      {"HotLeft", {5, menu + 10}, {5, menu + 11}}, {"HotRight", {799, 589}, {799, 588}},
      {"HotRight", {789, 300}, {790, 300}},        {"HotRight", {795, menu + 10}, {795, menu + 11}},
      {"HotBottom", {789, 599}, {788, 599}},       {"HotLeft", {-1, menu + 10}, {-1, menu + 11}},
      {"HotLeft", {-240, 589}, {-240, 588}},       {"HotRight", {800, menu + 10}, {800, menu + 11}},
      {"HotRight", {1039, 589}, {1039, 588}},      {"HotTop", {10, -1}, {11, -1}},
      {"HotTop", {789, -150}, {788, -150}},        {"HotBottom", {10, 600}, {11, 600}},
      {"HotBottom", {789, 749}, {788, 749}},
  };
  for (const auto& c : cases) {
    const auto* band = FindOwned<TBI_Hotspot>(window, c.band);
    EXPECT_FALSE(band->Inside(c.edge)) << c.band << " at " << c.edge.X << "," << c.edge.Y;
    EXPECT_TRUE(band->Inside(c.next)) << c.band << " at " << c.next.X << "," << c.next.Y;
  }
  const struct {
    const char* band;
    TPoint point;
  } outer_lines_and_the_next[] = {{"HotLeft", {0, 300}},     {"HotLeft", {1, 300}},
                                  {"HotRight", {799, 300}},  {"HotRight", {798, 300}},
                                  {"HotBottom", {400, 599}}, {"HotBottom", {400, 598}}};
  for (const auto& c : outer_lines_and_the_next) {
    EXPECT_TRUE(FindOwned<TBI_Hotspot>(window, c.band)->Inside(c.point))
        << c.band << " at " << c.point.X << "," << c.point.Y;
  }
  for (const TPoint beside_no_band :
       {TPoint{-1, menu + 5}, TPoint{5, -1}, TPoint{794, 605}, TPoint{805, 594}, TPoint{400, 0},
        TPoint{5, 599}, TPoint{799, 594}, kPointerOutsideWindow}) {
    for (const char* name : {"HotTop", "HotBottom", "HotLeft", "HotRight"}) {
      EXPECT_FALSE(FindOwned<TBI_Hotspot>(window, name)->Inside(beside_no_band))
          << name << " at " << beside_no_band.X << "," << beside_no_band.Y;
    }
  }
}

// Every 55 ms an active hotspot reports the pointer inside, and its coming and going once.
TEST_F(TickTest, EachPollReportsWhereThePointerRestsAndComingAndGoingOnce) {
  TForm screen;  // the pointer moves over a window
  screen.Show();
  TBI_Hotspot hotspot(nullptr, clock);
  hotspot.RectLeft = hotspot.RectTop = 100;
  hotspot.RectRight = hotspot.RectBottom = 200;
  std::vector<std::string> events;
  hotspot.OnInHotspot = [&](TComponent*, TPoint) { events.push_back("in"); };
  hotspot.OnEnter = [&](TComponent*) { events.push_back("enter"); };
  hotspot.OnLeave = [&](TComponent*) { events.push_back("leave"); };
  hotspot.SetActive(true);
  session.Backend().MouseMove({150, 150});
  clock.Advance(54);
  EXPECT_TRUE(events.empty());
  clock.Advance(56);
  session.Backend().MouseMove({300, 300});
  clock.Advance(110);
  EXPECT_EQ(events, (std::vector<std::string>{"in", "enter", "in", "leave"}));
}

}  // namespace
