#include "platform/forms/timer.h"

#include <algorithm>
#include <vector>

#include "platform/forms/application.h"

namespace {

std::vector<TTimer*> g_timers;

bool IsRegistered(const TTimer* timer) {
  return std::find(g_timers.begin(), g_timers.end(), timer) != g_timers.end();
}

}  // namespace

TTimer::TTimer(TComponent* owner) : TComponent(owner) {
  g_timers.push_back(this);
  Restart();
}

TTimer::~TTimer() {
  *alive_ = false;
  std::erase(g_timers, this);
}

void TTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Restart();
}

void TTimer::SetInterval(unsigned interval) {
  if (interval == interval_) return;
  interval_ = interval;
  Restart();
}

void TTimer::Restart() {
  due_ = Application.Now() + interval_;
}

void TTimer::Tick() {
  running_ = true;
  const std::shared_ptr<bool> alive = alive_;
  struct EndTick {
    TTimer* timer;
    const std::shared_ptr<bool>& alive;
    ~EndTick() {
      if (!*alive) return;
      timer->running_ = false;
      timer->Restart();
    }
  } end{this, alive};
  if (OnTimer) OnTimer(this);
}

std::optional<uint64_t> NextTimerDue() {
  std::optional<uint64_t> next;
  for (const TTimer* timer : g_timers) {
    if (!timer->Waiting()) continue;
    if (!next || timer->due_ < *next) next = timer->due_;
  }
  return next;
}

bool FireDueTimers(uint64_t now) {
  std::vector<TTimer*> due;
  for (TTimer* timer : g_timers) {
    if (timer->DueBy(now)) due.push_back(timer);
  }
  std::stable_sort(due.begin(), due.end(),
                   [](const TTimer* a, const TTimer* b) { return a->due_ < b->due_; });
  for (TTimer* timer : due) {
    // An earlier handler may have freed, stopped or restarted this one.
    if (IsRegistered(timer) && timer->DueBy(now)) timer->Tick();
  }
  return !due.empty();
}
