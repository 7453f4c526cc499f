#pragma once
// A clock for the timer threads that moves only when a test moves it. After
// each step it waits until every thread has come to rest (asleep, suspended,
// or waiting for its tick to run), so the tests see whole ticks and no races.
#include <cstdint>

#include "platform/forms/application.h"
#include "ui/main/tick_clock.h"

class VirtualTickClock : public TTickClock {
 public:
  bool WaitUntil(std::unique_lock<std::mutex>& lock, const std::function<bool()>& done,
                 std::optional<unsigned> ms) override {
    const std::optional<std::uint64_t> deadline = ms ? std::optional(now_ + *ms) : std::nullopt;
    std::optional<std::uint64_t> seen;  // the epoch this thread last counted itself settled in
    for (;;) {
      if (done() || (deadline && now_ >= *deadline)) {
        if (seen == epoch_) --settled_;
        return done();
      }
      if (seen != epoch_) {
        seen = epoch_;
        ++settled_;
        rest_.notify_all();
      }
      wake_.wait(lock);
    }
  }
  void Notify() override {
    std::lock_guard lock(Mutex());
    NewEpoch();
  }
  void ThreadStarted() override { ++threads_; }
  void ThreadEnded() override {
    --threads_;
    rest_.notify_all();
  }

  // Waits until every thread rests.
  void Settle() {
    std::unique_lock lock(Mutex());
    rest_.wait(lock, [this] { return settled_ == threads_; });
  }
  // Moves the clock on, one millisecond at a time, handing each tick to the
  // threads; the window thread runs nothing.
  void Move(unsigned ms) {
    for (unsigned step = 0; step < ms; ++step) {
      Settle();
      {
        std::lock_guard lock(Mutex());
        ++now_;
      }
      Notify();
      Settle();
    }
  }
  // Moves the clock on and runs each tick on the window thread as it falls due.
  void Advance(unsigned ms) {
    for (unsigned step = 0; step < ms; ++step) {
      Move(1);
      Application.ProcessMessages();
    }
    Settle();
  }

 private:
  void NewEpoch() {
    ++epoch_;
    settled_ = 0;
    wake_.notify_all();
  }

  std::condition_variable wake_, rest_;
  std::uint64_t now_ = 0, epoch_ = 0;
  int threads_ = 0, settled_ = 0;
};
