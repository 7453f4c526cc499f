#include "ui/main/bi_timer.h"

#include <pthread.h>
#include <sched.h>

#include <thread>

#include "platform/forms/application.h"

// The tick thread. Its flags live under the clock's lock. It never frees
// itself: the timer stops it with a flag and joins it, once.
class bi_t_thread {
 public:
  bi_t_thread(TBI_Timer* timer, TTickClock& clock)
      : clock_(clock), link_(std::make_shared<Link>(Link{timer})) {
    std::lock_guard lock(clock_.Mutex());
    clock_.ThreadStarted();
    thread_ = std::thread([this] { Execute(); });
  }

  ~bi_t_thread() {
    {
      std::lock_guard lock(clock_.Mutex());
      stop_ = true;
      running_ = false;
      // A tick already handed over finds no timer and does nothing.
      link_->timer = nullptr;
    }
    clock_.Notify();
    thread_.join();
  }

  // Every change of the timer stops the sleep in progress; the thread
  // starts a full interval again only when it is resumed.
  void Suspend() {
    {
      std::lock_guard lock(clock_.Mutex());
      running_ = false;
      ++generation_;
    }
    clock_.Notify();
  }

  void Resume(unsigned interval, TThreadPriority priority) {
    {
      std::lock_guard lock(clock_.Mutex());
      running_ = true;
      interval_ = interval;
      priority_ = priority;
    }
    clock_.Notify();
  }

  TThreadPriority RunningPriority() {
    std::lock_guard lock(clock_.Mutex());
    return applied_priority_;
  }

 private:
  struct Link {
    TBI_Timer* timer;
  };

  void Execute() {
    std::unique_lock lock(clock_.Mutex());
    for (;;) {
      clock_.WaitUntil(lock, [this] { return stop_ || running_; }, std::nullopt);
      if (stop_) break;
      ApplyPriority(priority_);
      const unsigned generation = generation_;
      const bool interrupted = clock_.WaitUntil(
          lock, [this, generation] { return stop_ || generation_ != generation; }, interval_);
      if (!interrupted) Synchronize(lock);
    }
    clock_.ThreadEnded();
  }

  // Runs the tick on the window thread and waits until it has run.
  void Synchronize(std::unique_lock<std::mutex>& lock) {
    auto done = std::make_shared<bool>(false);
    Application.QueueCall([link = link_, done, &clock = clock_] {
      TBI_Timer* timer = nullptr;
      {
        std::lock_guard guard(clock.Mutex());
        timer = link->timer;
      }
      if (timer) timer->Tick();
      {
        std::lock_guard guard(clock.Mutex());
        *done = true;
      }
      clock.Notify();
    });
    clock_.WaitUntil(lock, [this, &done] { return stop_ || *done; }, std::nullopt);
  }

  // Idle is the one priority a thread may take without privileges; every
  // other one runs as a normal thread.
  void ApplyPriority(TThreadPriority priority) {
    if (priority == applied_priority_) return;
    applied_priority_ = priority;
    sched_param param{};
    pthread_setschedparam(pthread_self(),
                          priority == TThreadPriority::tpIdle ? SCHED_IDLE : SCHED_OTHER, &param);
  }

  TTickClock& clock_;
  std::shared_ptr<Link> link_;
  std::thread thread_;
  bool stop_ = false;
  bool running_ = false;
  unsigned generation_ = 0;
  unsigned interval_ = 0;
  TThreadPriority priority_ = TThreadPriority::tpNormal;
  TThreadPriority applied_priority_ = TThreadPriority::tpNormal;
};

TBI_Timer::TBI_Timer(TComponent* owner, TTickClock& clock)
    : TComponent(owner), thread_(std::make_unique<bi_t_thread>(this, clock)) {}

TBI_Timer::~TBI_Timer() {
  enabled_ = false;
  UpdateThread();
  thread_.reset();
}

void TBI_Timer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  UpdateThread();
}

void TBI_Timer::SetInterval(unsigned interval) {
  if (interval == interval_) return;
  interval_ = interval;
  UpdateThread();
}

void TBI_Timer::SetOnTimer(TNotifyEvent handler) {
  on_timer_ = std::move(handler);
  UpdateThread();
}

TThreadPriority TBI_Timer::RunningPriority() const {
  return thread_->RunningPriority();
}

void TBI_Timer::UpdateThread() {
  thread_->Suspend();
  if (interval_ != 0 && enabled_ && on_timer_) thread_->Resume(interval_, priority_);
}

void TBI_Timer::Tick() {
  if (enabled_ && on_timer_) on_timer_(this);
}
