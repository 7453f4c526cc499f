#pragma once
// A timer whose ticks come from a thread of its own instead of the message
// loop: the thread sleeps for the interval and hands each tick to the window
// thread, where OnTimer runs, also while a modal dialog has the loop. The
// screen-edge hotspots poll the pointer on it.
#include <memory>

#include "platform/components/component.h"
#include "platform/components/events.h"
#include "ui/main/tick_clock.h"

enum class TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

class bi_t_thread;

class TBI_Timer : public TComponent {
 public:
  explicit TBI_Timer(TComponent* owner = nullptr, TTickClock& clock = RealTickClock());
  ~TBI_Timer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  unsigned Interval() const { return interval_; }
  void SetInterval(unsigned interval);
  const TNotifyEvent& OnTimer() const { return on_timer_; }
  // A handler counts as changed whenever one is assigned or removed.
  void SetOnTimer(TNotifyEvent handler);
  // Kept for the next time the thread is started; a running thread keeps
  // the priority it has.
  TThreadPriority ThreadPriority() const { return priority_; }
  void SetThreadPriority(TThreadPriority priority) { priority_ = priority; }

  // The priority the thread was last started with.
  TThreadPriority RunningPriority() const;

 private:
  friend class bi_t_thread;
  void UpdateThread();
  void Tick();

  bool enabled_ = true;
  unsigned interval_ = 1000;
  TNotifyEvent on_timer_;
  TThreadPriority priority_ = TThreadPriority::tpNormal;
  std::unique_ptr<bi_t_thread> thread_;
};
