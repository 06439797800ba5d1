#pragma once

#include <QList>
#include <chrono>
#include <mutex>

#include "session/online_run.h"

// Time that passes only when the run sleeps: each sleep jumps to its due time, unless the
// due time lies beyond the horizon, where the run waits until it is stopped.
class VirtualClock : public KoRunClock {
 public:
  Clock::time_point now() override {
    std::lock_guard lock(mutex_);
    return now_;
  }
  bool sleepUntil(Clock::time_point due, std::condition_variable& wake,
                  std::unique_lock<std::mutex>& lock,
                  const std::function<bool()>& cancelled) override {
    const auto at =
        std::chrono::duration_cast<std::chrono::milliseconds>(due - Clock::time_point{});
    bool beyond = false;
    {
      std::lock_guard own(mutex_);
      sleeps_.append(int(at.count()));
      beyond = at > horizon_;
      if (!beyond) now_ = std::max(now_, due + lateness_);
    }
    if (beyond) {
      wake.wait(lock, cancelled);
      return false;
    }
    return !cancelled();
  }
  QList<int> sleeps() {
    std::lock_guard lock(mutex_);
    return sleeps_;
  }
  void setHorizon(std::chrono::milliseconds h) {
    std::lock_guard lock(mutex_);
    horizon_ = h;
  }
  // Every wake-up comes this much after its due time, as a busy machine's would.
  void setLateness(std::chrono::milliseconds late) {
    std::lock_guard lock(mutex_);
    lateness_ = late;
  }

 private:
  std::mutex mutex_;
  Clock::time_point now_{};
  QList<int> sleeps_;
  std::chrono::milliseconds horizon_ = std::chrono::milliseconds::max();
  std::chrono::milliseconds lateness_{0};
};
