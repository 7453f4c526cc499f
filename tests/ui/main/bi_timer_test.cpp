#include "ui/main/bi_timer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <memory>
#include <thread>

#include "platform/backend/headless_backend.h"
#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "virtual_tick_clock.h"

namespace {

class TimerTest : public ::testing::Test {
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

TEST_F(TimerTest, TicksAFullIntervalAfterItStartsAndNeverWithoutAnInterval) {
  struct Case {
    unsigned interval;
    unsigned elapsed;
    int ticks;
  };
  for (const Case& c : {Case{100, 99, 0}, Case{100, 100, 1}, Case{100, 300, 3}, Case{0, 1000, 0}}) {
    ticks = 0;
    auto timer = CountingTimer(c.interval);
    clock.Advance(c.elapsed);
    EXPECT_EQ(ticks, c.ticks) << "interval " << c.interval << " after " << c.elapsed << " ms";
  }
}

TEST_F(TimerTest, EveryChangeRestartsTheCountAndOnlyARunnableTimerResumes) {
  auto timer = CountingTimer(100);
  clock.Advance(60);
  timer->SetOnTimer(nullptr);
  clock.Advance(500);
  EXPECT_EQ(ticks, 0) << "a timer without a handler stays suspended";

  timer->SetOnTimer(Counter());
  clock.Advance(99);
  EXPECT_EQ(ticks, 0) << "assigning a handler starts a full interval";
  clock.Advance(1);
  EXPECT_EQ(ticks, 1);

  timer->SetEnabled(false);
  clock.Advance(500);
  timer->SetEnabled(true);
  clock.Advance(100);
  EXPECT_EQ(ticks, 2);
}

TEST_F(TimerTest, APriorityChangeAloneLeavesTheRunningThreadAsItIs) {
  auto timer = CountingTimer(100);
  clock.Advance(60);
  timer->SetThreadPriority(TThreadPriority::tpIdle);
  clock.Advance(40);
  EXPECT_EQ(ticks, 1) << "the sleep under way was not restarted";
  EXPECT_EQ(timer->RunningPriority(), TThreadPriority::tpNormal);

  timer->SetInterval(50);
  clock.Settle();
  EXPECT_EQ(timer->RunningPriority(), TThreadPriority::tpIdle) << "taken at the next start";
}

TEST_F(TimerTest, ATickHandedOverBeforeTheTimerWentRunsNoHandler) {
  auto timer = CountingTimer(10);
  clock.Move(10);  // the tick waits for the window thread
  timer.reset();   // and the timer goes first; stopping it must not hang
  Application.ProcessMessages();
  EXPECT_EQ(ticks, 0);
}

TEST_F(TimerTest, AHandlerMayFreeItsOwnTimer) {
  auto timer = CountingTimer(10);
  timer->SetOnTimer([&](TComponent*) {
    ++ticks;
    timer.reset();
  });
  clock.Advance(50);
  EXPECT_EQ(ticks, 1);
}

// The one test on real time: a backend whose loop really waits, and is woken
// when a tick is handed over.
class RealTimeBackend : public THeadlessBackend {
 public:
  uint64_t Now() override {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
  }
  bool WaitForEvents(std::optional<uint64_t> /*deadline*/) override {
    std::unique_lock lock(mutex_);
    woken_.wait_for(lock, std::chrono::milliseconds(2), [this] { return wake_; });
    wake_ = false;
    return true;
  }
  void Wake() override {
    std::lock_guard lock(mutex_);
    wake_ = true;
    woken_.notify_all();
  }

 private:
  std::mutex mutex_;
  std::condition_variable woken_;
  bool wake_ = false;
};

TEST(TimerOnRealTime, TicksOnTheWindowThreadAlsoInsideAModalLoop) {
  THeadlessSession session;
  RealTimeBackend backend;
  Application.SetBackend(&backend);
  const auto window_thread = std::this_thread::get_id();
  const auto start = std::chrono::steady_clock::now();
  const auto elapsed = [&] { return std::chrono::steady_clock::now() - start; };
  TForm dialog;
  int ticks = 0;
  int elsewhere = 0;
  int in_modal = 0;
  {
    TBI_Timer timer;
    timer.SetInterval(10);
    timer.SetOnTimer([&](TComponent*) {
      ++ticks;
      if (std::this_thread::get_id() != window_thread) ++elsewhere;
      if (dialog.Modal()) ++in_modal;
      if (elapsed() >= std::chrono::milliseconds(200)) dialog.SetModalResult(mrOk);
    });
    while (elapsed() < std::chrono::milliseconds(100)) Application.HandleMessage(nullptr);
    dialog.ShowModal();
    timer.SetEnabled(false);
  }
  {
    TBI_Timer sleeping;  // freed in the middle of a long sleep
    sleeping.SetInterval(60000);
    sleeping.SetOnTimer([&](TComponent*) { ++ticks; });
  }
  Application.SetBackend(&session.Backend());

  EXPECT_GE(ticks, 5);
  EXPECT_LE(ticks, 25);
  EXPECT_EQ(elsewhere, 0);
  EXPECT_GT(in_modal, 0);
}

}  // namespace
