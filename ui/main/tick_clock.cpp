#include "ui/main/tick_clock.h"

#include <chrono>

namespace {

class TRealTickClock : public TTickClock {
 public:
  bool WaitUntil(std::unique_lock<std::mutex>& lock, const std::function<bool()>& done,
                 std::optional<unsigned> ms) override {
    if (!ms) {
      wake_.wait(lock, done);
      return true;
    }
    return wake_.wait_for(lock, std::chrono::milliseconds(*ms), done);
  }
  void Notify() override { wake_.notify_all(); }

 private:
  std::condition_variable wake_;
};

}  // namespace

TTickClock& RealTickClock() {
  static TRealTickClock clock;
  return clock;
}
