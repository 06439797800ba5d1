#include "session/online_run.h"

#include <QDebug>

#include "link/cross_thread_queue.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// The default scheduler tick on Windows is about 15 ms; a run asks for 1 ms while it plays.
class TimerResolution {
 public:
#ifdef Q_OS_WIN
  TimerResolution() { timeBeginPeriod(1); }
  ~TimerResolution() { timeEndPeriod(1); }
#endif
};

// Which priority the run's threads obtained is said once in the life of the program, and only
// as a debug line: a refusal is the usual case for a user without the right to it.
void raisePriority(const SchedulingCalls& calls) {
  const ThreadPriority obtained = raiseThreadPriority(calls);
  static std::atomic_flag said;
  if (!said.test_and_set()) {
    qDebug().noquote() << "online run threads:" << priorityName(obtained) << "priority";
  }
}

}  // namespace

bool KoRunClock::sleepUntil(Clock::time_point due, std::condition_variable& wake,
                            std::unique_lock<std::mutex>& lock,
                            const std::function<bool()>& cancelled) {
  return !wake.wait_until(lock, due, cancelled);
}

KoRunClock& KoRunClock::steady() {
  struct Steady : KoRunClock {
    Clock::time_point now() override { return Clock::now(); }
  };
  static Steady clock;
  return clock;
}

KoOnlineRun::KoOnlineRun(Sender send, QObject* parent)
    : QObject(parent), send_(std::move(send)), mainThread_(new CrossThreadQueue(this)) {
  sender_ = std::thread([this] { sendLoop(); });
}

KoOnlineRun::~KoOnlineRun() {
  stop();
  {
    std::lock_guard lock(sendMutex_);
    quit_ = true;
  }
  sendWake_.notify_all();
  sender_.join();
}

void KoOnlineRun::start(const QList<int>& durationsMs, bool loop, int firstAtLeastMs,
                        Timing timing) {
  stop();
  if (durationsMs.isEmpty()) return;
  {
    std::lock_guard lock(mutex_);
    cancelled_ = false;
    songStart_.reset();
  }
  loop_ = loop;
  running_ = true;
  const int generation = ++generation_;
  SchedulingCalls calls;
  {
    std::lock_guard lock(sendMutex_);
    calls = scheduling_;
  }
  scheduler_ = std::thread([this, durationsMs, firstAtLeastMs, generation, timing, calls] {
    schedule(durationsMs, firstAtLeastMs, generation, timing, calls);
  });
}

void KoOnlineRun::stop() {
  {
    std::lock_guard lock(mutex_);
    cancelled_ = true;
  }
  wake_.notify_all();
  if (scheduler_.joinable()) scheduler_.join();
  {
    // Once stopped, nothing the run hands over is in use: the caller may change it.
    std::unique_lock lock(sendMutex_);
    sends_.clear();
    sendIdle_.wait(lock, [this] { return !sending_; });
  }
  // Whatever the old run still had posted to the main thread is now stale.
  ++generation_;
  running_ = false;
}

void KoOnlineRun::follow(KoRunClock::Clock::time_point songStart) {
  {
    std::lock_guard lock(mutex_);
    songStart_ = songStart;
  }
  wake_.notify_all();
}

void KoOnlineRun::setSchedulingCalls(const SchedulingCalls& calls) {
  std::lock_guard lock(sendMutex_);
  scheduling_ = calls;
}

int KoOnlineRun::queuedSends() {
  std::lock_guard lock(sendMutex_);
  return static_cast<int>(sends_.size());
}

void KoOnlineRun::post(int generation, std::function<void()> work) {
  mainThread_->post([this, generation, work = std::move(work)] {
    if (generation == generation_) work();
  });
}

void KoOnlineRun::schedule(QList<int> durations, int firstAtLeastMs, int generation, Timing timing,
                           const SchedulingCalls& calls) {
  [[maybe_unused]] TimerResolution resolution;  // does nothing off Windows
  raisePriority(calls);
  using std::chrono::milliseconds;
  std::unique_lock lock(mutex_);
  const auto cancelled = [this] { return cancelled_; };
  // Each frame is due at the pass's start plus the times before it, so lateness never adds
  // up; a pass that follows a song starts where the song did.
  auto passStart = clock_->now();
  for (int pass = 0;; ++pass) {
    const bool first = pass == 0;
    // A soft start lengthens the first frame: the song then starts when the rest of the pass
    // would have without it, and the first frame goes out that much ahead of the song.
    const int lead = first ? std::max(0, firstAtLeastMs - durations[0]) : 0;
    bool waiting = timing == Timing::FollowSong;
    if (waiting) {
      songStart_.reset();
      post(generation, [this, pass, lead] { emit passWaiting(pass, lead); });
    }
    qint64 at = 0;  // the frame's time from the pass's start
    for (int i = 0; i < durations.size(); ++i) {
      if (waiting && at >= lead) {
        wake_.wait(lock, [this] { return cancelled_ || songStart_.has_value(); });
        if (cancelled_) return;
        passStart = *songStart_ - milliseconds(lead);
        waiting = false;
      }
      if (!clock_->sleepUntil(passStart + milliseconds(at), wake_, lock, cancelled)) return;
      {
        std::lock_guard sendLock(sendMutex_);
        sends_.push_back(i);
      }
      sendWake_.notify_one();
      post(generation, [this, i] { emit stepPlayed(i); });
      // A frame of no time would turn a looping run into a spin, which at a raised priority
      // starves the machine.
      at += std::max(1, first && i == 0 ? std::max(durations[i], firstAtLeastMs) : durations[i]);
    }
    passStart += milliseconds(at);
    if (!loop_) break;
  }
  if (!clock_->sleepUntil(passStart, wake_, lock, cancelled)) return;
  post(generation, [this] {
    running_ = false;
    emit runOver();
  });
}

void KoOnlineRun::sendLoop() {
  std::unique_lock lock(sendMutex_);
  bool asked = false;
  for (;;) {
    sendWake_.wait(lock, [this] { return quit_ || !sends_.empty(); });
    if (quit_) return;
    // Asked at the first frame rather than at construction, so that the calls set for the
    // run apply.
    if (!asked) raisePriority(scheduling_);
    asked = true;
    const int frame = sends_.front();
    sends_.pop_front();
    sending_ = true;
    lock.unlock();
    send_(frame);
    lock.lock();
    sending_ = false;
    sendIdle_.notify_all();
  }
}
