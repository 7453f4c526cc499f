#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include "platform/components/component.h"
#include "platform/components/events.h"

// A timer of the message loop: OnTimer runs on the window thread every
// Interval milliseconds while Enabled, in every loop, modal ones included.
// Turning it on or changing the interval starts the count again; ticks that
// fall due while the loop is busy come as one tick, and a tick never starts
// while the same timer's handler is still running.
class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* owner = nullptr);
  ~TTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned interval);

  TNotifyEvent OnTimer;

 private:
  friend bool FireDueTimers(uint64_t now);
  friend std::optional<uint64_t> NextTimerDue();
  void Restart();
  void Tick();
  // Counting towards a tick: on, with an interval, and not inside its handler.
  bool Waiting() const { return enabled_ && interval_ > 0 && !running_; }
  bool DueBy(uint64_t now) const { return Waiting() && due_ <= now; }

  bool enabled_ = true;
  unsigned interval_ = 1000;
  uint64_t due_ = 0;
  bool running_ = false;
  // Shared with a running tick, which learns from it whether its handler
  // freed the timer.
  std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// When the next timer falls due, on the application's clock; none when no
// timer is ticking (a timer whose handler runs does not count).
std::optional<uint64_t> NextTimerDue();
// Runs every timer that is due at `now`, earliest first; true when any ran.
bool FireDueTimers(uint64_t now);
