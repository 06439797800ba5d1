#include "link/cross_thread_queue.h"

#include <QPointer>

CrossThreadQueue::CrossThreadQueue(QObject* owner) : QObject(owner) {}

void CrossThreadQueue::post(std::function<void()> work) {
  std::lock_guard lock(mutex_);
  pending_.push_back(std::move(work));
  // One queued call drains everything posted before it runs.
  if (pending_.size() == 1) QMetaObject::invokeMethod(this, "drain", Qt::QueuedConnection);
}

void CrossThreadQueue::drain() {
  std::vector<std::function<void()>> work;
  {
    std::lock_guard lock(mutex_);
    work.swap(pending_);
  }
  // Work may destroy the owner (a board that leaves ends its transport); the rest is dropped.
  const QPointer<CrossThreadQueue> alive(this);
  for (const auto& w : work) {
    w();
    if (!alive) return;
  }
}
