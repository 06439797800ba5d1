#pragma once

#include <QCoreApplication>
#include <chrono>
#include <functional>
#include <thread>

// Runs the event loop until `done` holds. The limit only keeps a broken test from hanging;
// nothing waits for time to pass.
inline bool processUntil(const std::function<bool()>& done,
                         std::chrono::milliseconds limit = std::chrono::seconds(10)) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    std::this_thread::yield();
  }
  return true;
}

// Lets every event and delayed call that is already due run (edit tips run with no delay
// in tests), and deletes what was left for deletion.
inline void processPending() {
  for (int i = 0; i < 5; ++i) QCoreApplication::processEvents(QEventLoop::AllEvents);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
