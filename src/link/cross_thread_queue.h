#pragma once

#include <QObject>
#include <functional>
#include <mutex>
#include <vector>

// Runs work handed over from any thread on the owner's thread, in order. The hand-over goes
// through a mutex of ours and a string-named queued call, so ThreadSanitizer can see the
// synchronisation that Qt's (uninstrumented) event queue provides.
class CrossThreadQueue : public QObject {
  Q_OBJECT

 public:
  // Lives and dies with the owner; pending work dies with it.
  explicit CrossThreadQueue(QObject* owner);

  void post(std::function<void()> work);

 private:
  Q_INVOKABLE void drain();

  std::mutex mutex_;
  std::vector<std::function<void()>> pending_;
};
