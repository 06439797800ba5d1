#pragma once

#include <QList>
#include <QObject>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "link/thread_priority.h"

class CrossThreadQueue;

// The clock an online run keeps time by; tests put a virtual one in its place.
class KoRunClock {
 public:
  using Clock = std::chrono::steady_clock;
  virtual ~KoRunClock() = default;
  virtual Clock::time_point now() = 0;
  // Sleeps until `due` while `lock` is released; false as soon as `cancelled` holds.
  virtual bool sleepUntil(Clock::time_point due, std::condition_variable& wake,
                          std::unique_lock<std::mutex>& lock,
                          const std::function<bool()>& cancelled);
  static KoRunClock& steady();
};

// Plays a list of frame durations on the arm: a scheduler thread sleeps until each frame's
// due time, measured from the start of its pass, so lateness never adds up; the send itself
// goes to a sender thread so a slow link cannot delay the next frame. Both threads ask for a
// raised priority, so that a busy machine does not make frames late; they only ever wait
// between frames. Lives on the main thread, where its signals arrive.
class KoOnlineRun : public QObject {
  Q_OBJECT

 public:
  // Called on the sender thread with the frame's position in the list.
  using Sender = std::function<void(int frame)>;

  explicit KoOnlineRun(Sender send, QObject* parent = nullptr);
  ~KoOnlineRun() override;

  void setClock(KoRunClock* clock) { clock_ = clock ? clock : &KoRunClock::steady(); }
  // How the run's threads ask to be woken ahead of ordinary work. Set before the first run:
  // the sender thread asks once, at its first frame.
  void setSchedulingCalls(const SchedulingCalls& calls);

  // Stops any run first, so two passes never play side by side. The first frame of the
  // first pass takes at least `firstAtLeastMs`, and the rest of the run shifts with it.
  // A run that follows a song holds each pass until follow() says when the song started.
  enum class Timing { Free, FollowSong };
  void start(const QList<int>& durationsMs, bool loop, int firstAtLeastMs = 0,
             Timing timing = Timing::Free);
  // The song of the pass waiting for it started at `songStart` (by this run's clock): the
  // pass's frames are due from there, each when the song reaches its time. Any thread.
  void follow(KoRunClock::Clock::time_point songStart);
  KoRunClock::Clock::time_point now() const { return clock_->now(); }
  // Cancels every pending step at once and returns once no send is under way; the move in
  // progress finishes on the arm.
  void stop();
  // Honoured at the end of the current pass.
  void setLoop(bool loop) { loop_ = loop; }
  bool isRunning() const { return running_; }
  // Frames handed to the sender and not yet taken up by it.
  int queuedSends();

 signals:
  void stepPlayed(int frame);
  // A pass of a run that follows a song waits for its song. The song is to start `leadMs`
  // after this, once a soft start's longer first frame has had its extra time.
  void passWaiting(int pass, int leadMs);
  // The last frame of a pass without loop has had its time.
  void runOver();

 private:
  void schedule(QList<int> durations, int firstAtLeastMs, int generation, Timing timing,
                const SchedulingCalls& calls);
  void sendLoop();
  void post(int generation, std::function<void()> work);

  Sender send_;
  KoRunClock* clock_ = &KoRunClock::steady();
  CrossThreadQueue* mainThread_;
  std::atomic<bool> loop_{false};
  std::atomic<bool> running_{false};
  std::atomic<int> generation_{0};

  std::mutex mutex_;
  std::condition_variable wake_;
  bool cancelled_ = false;
  std::optional<KoRunClock::Clock::time_point> songStart_;
  std::thread scheduler_;

  std::mutex sendMutex_;
  std::condition_variable sendWake_;
  std::condition_variable sendIdle_;
  std::deque<int> sends_;
  bool sending_ = false;
  bool quit_ = false;
  SchedulingCalls scheduling_ = SchedulingCalls::system();
  std::thread sender_;
};
