#pragma once

#include <pybind11/pybind11.h>

#include <functional>
#include <future>
#include <memory>
#include <mutex>

// Every board's Qt objects live on one thread of the module's own, which runs the Qt event
// loop that their replies and time-outs need, whatever Python does meanwhile. Python threads
// hand work to it and wait with the GIL released.
namespace vornpy {

class LinkThread {
 public:
  static LinkThread& instance();

  // Runs `work` there and returns its result or throws what it threw. Calls from several
  // Python threads run one at a time, so that one board's waits never nest in another's. A
  // call made on the thread itself (a progress callback asking the board) runs at once.
  template <class F>
  auto call(F work) -> decltype(work()) {
    using R = decltype(work());
    if (isCurrent()) return work();
    auto task = std::make_shared<std::packaged_task<R()>>(std::move(work));
    std::future<R> done = task->get_future();
    {
      pybind11::gil_scoped_release released;
      std::lock_guard inTurn(turn_);
      post([task] { (*task)(); });
      done.wait();
    }
    return done.get();
  }
  // Runs `work` there without waiting. Throws Error once the thread has ended.
  void post(std::function<void()> work);
  bool isCurrent() const;
  bool hasEnded() const;
  // Ends the thread if it started: the module calls it as the interpreter exits.
  static void quitIfStarted();

 private:
  LinkThread();
  struct Running;
  std::unique_ptr<Running> running_;
  std::mutex turn_;
};

}  // namespace vornpy
