#pragma once
// The clock the timer threads of bi_timer sleep on. Every thread of one clock
// keeps its state under the clock's one lock and waits through the clock, so
// that a test can put a clock of its own in place of real time and know when
// every thread has come to rest.
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>

class TTickClock {
 public:
  virtual ~TTickClock() = default;

  std::mutex& Mutex() { return mutex_; }

  // Waits under `lock` (on Mutex()) until `done()` holds, or until `ms`
  // milliseconds have passed when a time is given. True when `done()` holds.
  virtual bool WaitUntil(std::unique_lock<std::mutex>& lock, const std::function<bool()>& done,
                         std::optional<unsigned> ms) = 0;
  // Wakes every waiting thread to look at its condition again; call it
  // after changing their state.
  virtual void Notify() = 0;
  // A thread that waits through this clock begins or ends; called under the lock.
  virtual void ThreadStarted() {}
  virtual void ThreadEnded() {}

 private:
  std::mutex mutex_;
};

// Real time, shared by every timer of the game.
TTickClock& RealTickClock();
