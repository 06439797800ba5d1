#include "link/hidapi_transport.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <functional>
#include <map>

using namespace std::chrono_literals;

namespace {

constexpr auto kBound = 10s;

// The library as the I/O thread sees it. Every call notes itself so the test can check that
// the handle is never used by two calls at once; reads wait for the test to supply a report
// and give up after the transport's own (small) read timeout.
struct FakeHid {
  std::mutex mutex;
  std::condition_variable changed;
  std::vector<HidapiBackend::DeviceInfo> devices;
  std::set<std::string> denied;
  std::deque<QByteArray> reports;
  std::vector<QByteArray> written;
  std::vector<std::string> opened;
  int openHandles = 0;
  int enumerations = 0;
  int reads = 0;
  int callsInFlight = 0;
  bool overlapped = false;
  bool failNextRead = false;
  bool failNextWrite = false;
  bool holdWrites = false;
  int writesHeld = 0;

  template <typename F>
  auto get(F read) {
    std::lock_guard lock(mutex);
    return read();
  }
  void change(const std::function<void()>& edit) {
    std::lock_guard lock(mutex);
    edit();
    changed.notify_all();
  }
  bool waitUntil(const std::function<bool()>& condition) {
    std::unique_lock lock(mutex);
    return changed.wait_for(lock, kBound, condition);
  }
  // Later polls cannot report anything the earlier ones missed once a few have gone by.
  bool waitForPolls(int count) {
    int target = 0;
    change([&] { target = enumerations + count; });
    return waitUntil([&] { return enumerations >= target; });
  }
  void enter() {
    if (++callsInFlight > 1) overlapped = true;
  }
  void leave() {
    --callsInFlight;
    changed.notify_all();
  }
};

class FakeHandle : public HidapiBackend::Handle {
 public:
  explicit FakeHandle(std::shared_ptr<FakeHid> hid) : hid_(std::move(hid)) {}
  ~FakeHandle() override {
    hid_->change([&] { --hid_->openHandles; });
  }

  int write(const QByteArray& data) override {
    std::unique_lock lock(hid_->mutex);
    hid_->enter();
    ++hid_->writesHeld;
    hid_->changed.notify_all();
    hid_->changed.wait_for(lock, kBound, [&] { return !hid_->holdWrites; });
    --hid_->writesHeld;
    int result = static_cast<int>(data.size());
    if (hid_->failNextWrite) {
      hid_->failNextWrite = false;
      result = -1;
    } else {
      hid_->written.push_back(data);
    }
    hid_->leave();
    return result;
  }

  int readTimeout(unsigned char* data, int length, int milliseconds) override {
    std::unique_lock lock(hid_->mutex);
    hid_->enter();
    hid_->changed.wait_for(lock, std::chrono::milliseconds(milliseconds),
                           [&] { return !hid_->reports.empty() || hid_->failNextRead; });
    ++hid_->reads;
    int result = 0;
    if (hid_->failNextRead) {
      hid_->failNextRead = false;
      result = -1;
    } else if (!hid_->reports.empty()) {
      const QByteArray report = hid_->reports.front();
      hid_->reports.pop_front();
      result = std::min(length, static_cast<int>(report.size()));
      std::copy_n(report.constData(), result, data);
    }
    hid_->leave();
    return result;
  }

 private:
  std::shared_ptr<FakeHid> hid_;
};

class FakeBackend : public HidapiBackend {
 public:
  explicit FakeBackend(std::shared_ptr<FakeHid> hid) : hid_(std::move(hid)) {}

  std::vector<DeviceInfo> enumerate(quint16 vendorId, quint16 productId) override {
    EXPECT_EQ(vendorId, HidTransport::kVendorId);
    EXPECT_EQ(productId, HidTransport::kProductId);
    std::lock_guard lock(hid_->mutex);
    ++hid_->enumerations;
    hid_->changed.notify_all();
    return hid_->devices;
  }

  std::unique_ptr<Handle> open(const std::string& path, QString* error) override {
    std::lock_guard lock(hid_->mutex);
    if (hid_->denied.count(path)) {
      *error = QStringLiteral("Permission denied");
      return nullptr;
    }
    hid_->opened.push_back(path);
    ++hid_->openHandles;
    return std::make_unique<FakeHandle>(hid_);
  }

 private:
  std::shared_ptr<FakeHid> hid_;
};

// Runs the main thread's event loop until the condition holds or the bound passes.
bool pumpUntil(const std::function<bool()>& condition) {
  QTimer deadline;
  deadline.setSingleShot(true);
  deadline.start(kBound);
  while (!condition() && deadline.isActive()) {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  return condition();
}

// What the transport told the main thread, and whether it was told on the main thread.
struct Events {
  QStringList arrived;
  QStringList removed;
  QList<QByteArray> reports;
  QList<std::pair<QString, QString>> denied;
  bool offMainThread = false;

  void watch(HidapiTransport& transport) {
    const auto onMain = [this] {
      if (QThread::currentThread() != QCoreApplication::instance()->thread()) offMainThread = true;
    };
    QObject::connect(&transport, &HidTransport::deviceArrived, [=, this](const QString& name) {
      onMain();
      arrived << name;
    });
    QObject::connect(&transport, &HidTransport::deviceRemoved, [=, this](const QString& name) {
      onMain();
      removed << name;
    });
    QObject::connect(&transport, &HidTransport::reportReceived, [=, this](const QByteArray& r) {
      onMain();
      reports << r;
    });
    QObject::connect(&transport, &HidTransport::accessDenied,
                     [=, this](const QString& path, const QString& reason) {
                       onMain();
                       denied.append({path, reason});
                     });
  }
};

QByteArray patterned(int size, int seed) {
  QByteArray frame(size, '\0');
  for (int i = 0; i < size; ++i) frame[i] = static_cast<char>((i * 37 + seed) & 0xFF);
  return frame;
}

class HidapiTransportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    hid_->devices = {{"/dev/hidraw0", "Keyboard"}, {"/dev/hidraw1", "TAVEN"}};
  }
  void TearDown() override {
    transport_.reset();
    EXPECT_EQ(hid_->openHandles, 0) << "the handle outlived the transport";
    EXPECT_FALSE(hid_->overlapped) << "two calls used the handle at once";
  }

  // A poll interval of an hour means only the first poll runs: nothing reopens the board.
  void start(std::chrono::milliseconds pollInterval = 1ms,
             std::chrono::milliseconds writeTimeout = kBound) {
    transport_ =
        std::make_unique<HidapiTransport>(std::make_unique<FakeBackend>(hid_),
                                          HidapiTransport::Timing{pollInterval, 1ms, writeTimeout});
    events_.watch(*transport_);
    transport_->start();
  }
  void startAndArrive(std::chrono::milliseconds pollInterval = 1ms,
                      std::chrono::milliseconds writeTimeout = kBound) {
    start(pollInterval, writeTimeout);
    ASSERT_TRUE(pumpUntil([&] { return !events_.arrived.isEmpty(); }));
  }
  // Lets several polls go by and delivers everything they posted.
  void settle() {
    ASSERT_TRUE(hid_->waitForPolls(3));
    QCoreApplication::processEvents();
  }

  std::shared_ptr<FakeHid> hid_ = std::make_shared<FakeHid>();
  std::unique_ptr<HidapiTransport> transport_;
  Events events_;
};

TEST(HidapiOutputReports, FrameGoesOutWholeAfterReportIdZero) {
  for (int size : {4, 45, 64, 65, 248}) {
    const QByteArray frame = patterned(size, size);
    EXPECT_EQ(hidapiOutputReports(frame, 0), QList<QByteArray>{QByteArray(1, '\0') + frame});
  }
}

TEST(HidapiOutputReports, FixedLengthSplitsIntoPaddedReports) {
  const struct {
    int frameSize;
    int reports;
    int padding;
  } cases[] = {{4, 1, 60}, {63, 1, 1}, {64, 1, 0}, {65, 2, 63}, {128, 2, 0}, {248, 4, 8}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.frameSize);
    const QByteArray frame = patterned(c.frameSize, 1);
    const QList<QByteArray> reports = hidapiOutputReports(frame, 64);
    ASSERT_EQ(reports.size(), c.reports);
    QByteArray payload;
    for (const QByteArray& report : reports) {
      ASSERT_EQ(report.size(), 65);
      EXPECT_EQ(report[0], '\0');
      payload += report.mid(1);
    }
    EXPECT_EQ(payload.left(c.frameSize), frame);
    EXPECT_EQ(payload.mid(c.frameSize), QByteArray(c.padding, '\0'));
  }
}

TEST_F(HidapiTransportTest, MatchingBoardArrivesAndOthersAreIgnored) {
  startAndArrive();
  // A second board is not served while the first is open.
  hid_->change([&] { hid_->devices.push_back({"/dev/hidraw2", "TAVEN"}); });
  settle();
  EXPECT_EQ(events_.arrived, QStringList{"TAVEN"});
  EXPECT_EQ(hid_->opened, std::vector<std::string>{"/dev/hidraw1"});
  EXPECT_FALSE(events_.offMainThread);
}

TEST_F(HidapiTransportTest, BoardMissingFromTheListIsRemovedOnceAndCanReturn) {
  startAndArrive();
  hid_->change([&] { hid_->devices.pop_back(); });
  ASSERT_TRUE(pumpUntil([&] { return !events_.removed.isEmpty(); }));
  settle();
  EXPECT_EQ(events_.removed, QStringList{"TAVEN"});
  EXPECT_EQ(hid_->get([&] { return hid_->openHandles; }), 0);
  EXPECT_FALSE(transport_->write(patterned(4, 0)));

  hid_->change([&] { hid_->devices.push_back({"/dev/hidraw1", "TAVEN"}); });
  ASSERT_TRUE(pumpUntil([&] { return events_.arrived.size() == 2; }));
  EXPECT_TRUE(transport_->write(patterned(4, 0)));
}

TEST_F(HidapiTransportTest, WritesAreReportIdZeroThenTheFrameExactly) {
  startAndArrive();
  std::vector<QByteArray> expected;
  for (int size : {4, 45, 64, 65, 248}) {
    const QByteArray frame = patterned(size, size);
    EXPECT_TRUE(transport_->write(frame));
    expected.push_back(QByteArray(1, '\0') + frame);
  }
  std::lock_guard lock(hid_->mutex);
  EXPECT_EQ(hid_->written, expected);
}

TEST_F(HidapiTransportTest, WritesFromTwoThreadsGoOutWholeAndInEachThreadsOrder) {
  startAndArrive();
  constexpr int kPerThread = 200;
  // Reports keep coming meanwhile, so reads and writes contend for the handle.
  hid_->change([&] {
    for (int i = 0; i < 50; ++i) hid_->reports.push_back(patterned(64, i));
  });
  std::atomic<int> failures = 0;
  const auto writer = [&](char tag) {
    for (int i = 0; i < kPerThread; ++i) {
      QByteArray frame = patterned(45, i);
      frame[0] = tag;
      frame[1] = static_cast<char>(i);
      if (!transport_->write(frame)) ++failures;
    }
  };
  std::thread first(writer, 'A');
  std::thread second(writer, 'B');
  first.join();
  second.join();
  EXPECT_EQ(failures, 0);

  std::map<char, int> next;
  std::lock_guard lock(hid_->mutex);
  ASSERT_EQ(hid_->written.size(), 2u * kPerThread);
  for (const QByteArray& report : hid_->written) {
    const char tag = report[1];
    const int index = next[tag]++;
    QByteArray frame = patterned(45, index);
    frame[0] = tag;
    frame[1] = static_cast<char>(index);
    ASSERT_EQ(report, QByteArray(1, '\0') + frame);
  }
}

TEST_F(HidapiTransportTest, ReportsReachTheMainThreadInOrder) {
  startAndArrive();
  QList<QByteArray> sent;
  for (int i = 0; i < 100; ++i) sent << patterned(64, i);
  hid_->change([&] { hid_->reports.assign(sent.begin(), sent.end()); });
  ASSERT_TRUE(pumpUntil([&] { return events_.reports.size() == sent.size(); }));
  EXPECT_EQ(events_.reports, sent);
  EXPECT_FALSE(events_.offMainThread);
}

TEST_F(HidapiTransportTest, AccessDeniedIsReportedOncePerBoardUntilItOpens) {
  hid_->devices.push_back({"/dev/hidraw2", "TAVEN"});
  hid_->denied = {"/dev/hidraw1", "/dev/hidraw2"};
  start();
  ASSERT_TRUE(pumpUntil([&] { return events_.denied.size() == 2; }));
  settle();
  ASSERT_EQ(events_.denied.size(), 2);
  EXPECT_EQ(events_.denied[0].first, "/dev/hidraw1");
  EXPECT_EQ(events_.denied[1].first, "/dev/hidraw2");
  EXPECT_TRUE(events_.denied[0].second.contains("70-vorn.rules"));
  EXPECT_TRUE(events_.denied[0].second.contains("replug"));
  EXPECT_TRUE(events_.arrived.isEmpty());
  EXPECT_FALSE(transport_->write(patterned(4, 0)));

  // Replugged with the rule installed.
  hid_->change([&] { hid_->denied.erase("/dev/hidraw1"); });
  ASSERT_TRUE(pumpUntil([&] { return !events_.arrived.isEmpty(); }));
  EXPECT_EQ(events_.denied.size(), 2);
}

TEST_F(HidapiTransportTest, ReadErrorRemovesTheBoardOnce) {
  startAndArrive(1h);
  hid_->change([&] { hid_->failNextRead = true; });
  ASSERT_TRUE(pumpUntil([&] { return !events_.removed.isEmpty(); }));
  EXPECT_EQ(hid_->get([&] { return hid_->openHandles; }), 0);
  EXPECT_FALSE(transport_->write(patterned(4, 0)));
  QCoreApplication::processEvents();
  EXPECT_EQ(events_.removed, QStringList{"TAVEN"});
}

TEST_F(HidapiTransportTest, WriteErrorFailsTheWriteAndRemovesTheBoard) {
  startAndArrive(1h);
  hid_->change([&] { hid_->failNextWrite = true; });
  EXPECT_FALSE(transport_->write(patterned(4, 0)));
  ASSERT_TRUE(pumpUntil([&] { return !events_.removed.isEmpty(); }));
  EXPECT_EQ(hid_->get([&] { return hid_->openHandles; }), 0);
  EXPECT_FALSE(transport_->write(patterned(4, 0)));
  QCoreApplication::processEvents();
  EXPECT_EQ(events_.removed.size(), 1);
}

TEST_F(HidapiTransportTest, WriteWithoutBoardFails) {
  hid_->devices.clear();
  EXPECT_FALSE(HidapiTransport(std::make_unique<FakeBackend>(hid_), {}).write(patterned(4, 0)));
  start();
  settle();
  EXPECT_FALSE(transport_->write(patterned(4, 0)));
  EXPECT_TRUE(hid_->get([&] { return hid_->written.empty(); }));
}

TEST_F(HidapiTransportTest, WriteInProgressIsAwaitedAndOneStillQueuedIsWithdrawn) {
  startAndArrive(1ms, 50ms);
  hid_->change([&] { hid_->holdWrites = true; });
  const QByteArray stuck = patterned(4, 1);
  const QByteArray withdrawn = patterned(4, 2);
  bool stuckSent = false;
  std::thread first([&] { stuckSent = transport_->write(stuck); });
  ASSERT_TRUE(hid_->waitUntil([&] { return hid_->writesHeld == 1; }));
  // Queued behind the stuck write, this one runs out of time and must never go out later;
  // the stuck one outlasts its own timeout but reports that it was sent.
  EXPECT_FALSE(transport_->write(withdrawn));
  hid_->change([&] { hid_->holdWrites = false; });
  first.join();
  EXPECT_TRUE(stuckSent);
  const int reads = hid_->get([&] { return hid_->reads; });
  ASSERT_TRUE(hid_->waitUntil([&] { return hid_->reads >= reads + 3; }));
  std::lock_guard lock(hid_->mutex);
  EXPECT_EQ(hid_->written, std::vector<QByteArray>{QByteArray(1, '\0') + stuck});
}

}  // namespace
