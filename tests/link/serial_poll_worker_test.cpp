#include <gtest/gtest.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QFileInfo>
#include <QSet>
#include <atomic>
#include <memory>
#include <mutex>

#include "link/serial_port_manager.h"
#include "wait.h"

namespace {

// The kernel's id of the calling thread: unlike std::thread::id it is not handed to a new
// thread as soon as an old one ends, so one id really is one thread.
long threadId() { return static_cast<long>(syscall(SYS_gettid)); }

// Enumerates nothing, noting which thread each enumeration ran on.
struct Enumerations {
  std::mutex mutex;
  QSet<long> threads;
  std::atomic<int> count{0};

  ORSSerialPortManager::Enumerator enumerator() {
    return [this] {
      std::lock_guard lock(mutex);
      threads.insert(threadId());
      ++count;
      return QStringList{};
    };
  }
  QSet<long> seen() {
    std::lock_guard lock(mutex);
    return threads;
  }
};

// The program polls twice a second all day: the first list and every poll after it are read
// on one thread, not on a new one each time.
TEST(SerialPollWorker, OneThreadEnumeratesHoweverManyPollsRan) {
  Enumerations enumerations;
  ORSSerialPortManager manager(enumerations.enumerator(), nullptr,
                               ORSSerialPortManager::FirstList::InBackground);
  constexpr int kPolls = 50;
  ASSERT_TRUE(processUntil([&] {
    manager.pollAhead();
    return enumerations.count >= kPolls;
  }));
  EXPECT_TRUE(manager.listed());
  const QSet<long> threads = enumerations.seen();
  EXPECT_EQ(threads.size(), 1);
  EXPECT_FALSE(threads.contains(threadId()));
}

TEST(SerialPollWorker, TheWorkerEndsWithTheManager) {
  Enumerations enumerations;
  auto manager = std::make_unique<ORSSerialPortManager>(
      enumerations.enumerator(), nullptr, ORSSerialPortManager::FirstList::InBackground);
  manager->listInBackground();
  ASSERT_TRUE(processUntil([&] { return manager->listed(); }));
  const QString task = QStringLiteral("/proc/self/task/%1").arg(*enumerations.seen().begin());
  EXPECT_TRUE(QFileInfo::exists(task)) << "it waits for the next poll";
  manager.reset();
  // A joined thread leaves the task list a moment after the join returns.
  EXPECT_TRUE(processUntil([&] { return !QFileInfo::exists(task); }));
}

}  // namespace
