#include "link/hidapi_transport.h"

#include <gtest/gtest.h>

#include <QThread>

#include "wait.h"

using namespace std::chrono_literals;

namespace {

// The library as the I/O thread sees it; a read waits no longer than the read timeout.
struct FakeHid : HidapiBackend {
  std::mutex mutex;
  std::condition_variable changed;
  std::vector<DeviceInfo> devices = {{"/dev/hidraw0", "Keyboard"}, {"/dev/hidraw1", "TAVEN"}};
  std::set<std::string> denied;
  std::deque<QByteArray> reports;
  std::vector<QByteArray> written;
  std::set<std::thread::id> handleUsers;
  int polls = 0;
  bool failRead = false, failWrite = false, shortWrite = false;
  bool holdWrite = false, holding = false;  // a write kept in progress until let go

  ~FakeHid() override { EXPECT_LE(handleUsers.size(), 1u) << "a handle left the I/O thread"; }
  void change(const std::function<void()>& edit) {
    std::lock_guard lock(mutex);
    edit();
    changed.notify_all();
  }

  std::vector<DeviceInfo> enumerate(quint16 vendorId, quint16 productId) override {
    EXPECT_EQ(vendorId, HidTransport::kVendorId);
    EXPECT_EQ(productId, HidTransport::kProductId);
    std::lock_guard lock(mutex);
    ++polls;
    changed.notify_all();
    return devices;
  }
  std::unique_ptr<Handle> open(const std::string& path, QString* /*error*/) override {
    std::lock_guard lock(mutex);
    if (denied.count(path)) return nullptr;
    return std::make_unique<FakeHandle>(this);
  }

  struct FakeHandle : Handle {
    explicit FakeHandle(FakeHid* hid) : hid(hid) {}
    int write(const QByteArray& data) override {
      std::unique_lock lock(hid->mutex);
      hid->handleUsers.insert(std::this_thread::get_id());
      hid->holding = hid->holdWrite;
      hid->changed.notify_all();
      hid->changed.wait(lock, [&] { return !hid->holdWrite; });
      if (std::exchange(hid->failWrite, false)) return -1;
      if (std::exchange(hid->shortWrite, false)) return int(data.size()) - 1;
      hid->written.push_back(data);
      return int(data.size());
    }
    int readTimeout(unsigned char* data, int length, int milliseconds) override {
      std::unique_lock lock(hid->mutex);
      hid->handleUsers.insert(std::this_thread::get_id());
      hid->changed.wait_for(lock, std::chrono::milliseconds(milliseconds),
                            [&] { return !hid->reports.empty() || hid->failRead; });
      if (std::exchange(hid->failRead, false)) return -1;
      if (hid->reports.empty()) return 0;
      const int size = std::min(length, int(hid->reports.front().size()));
      std::copy_n(hid->reports.front().constData(), size, data);
      hid->reports.pop_front();
      return size;
    }
    FakeHid* hid;
  };
};

class HidapiTransportTest : public ::testing::Test {
 protected:
  void start() {
    transport =
        std::make_unique<HidapiTransport>(std::move(owned), HidapiTransport::Timing{1ms, 1ms, 10s});
    const auto record = [this](const QString& event) {
      EXPECT_EQ(QThread::currentThread(), qApp->thread());
      events << event;
    };
    HidTransport* t = transport.get();
    QObject::connect(t, &HidTransport::deviceArrived, [=](const QString& p) { record("+" + p); });
    QObject::connect(t, &HidTransport::deviceRemoved, [=](const QString& p) { record("-" + p); });
    QObject::connect(t, &HidTransport::reportReceived,
                     [=](const QByteArray& report) { record(report.toHex()); });
    QObject::connect(t, &HidTransport::accessDenied, [=](const QString& path, const QString& why) {
      record(path + (why.contains("70-vorn.rules") ? " denied, rule named" : " denied"));
    });
    transport->start();
  }
  std::string log() const { return events.join(' ').toStdString(); }

  std::unique_ptr<FakeHid> owned = std::make_unique<FakeHid>();
  FakeHid* const hid = owned.get();
  std::unique_ptr<HidapiTransport> transport;
  QStringList events;
};

QByteArray frameOf(int size, char tag, int index) {
  QByteArray frame(size, tag);
  for (int i = 1; i < size; ++i) frame[i] = char(i * 37 + index);
  return frame;
}

TEST(HidapiOutputReports, FrameFollowsReportIdZeroWholeOrInPaddedReports) {
  const QByteArray frame = frameOf(65, 'F', 0);
  EXPECT_EQ(hidapiOutputReports(frame, 0), QList<QByteArray>{'\0' + frame});
  EXPECT_EQ(
      hidapiOutputReports(frame, 64),
      (QList<QByteArray>{'\0' + frame.first(64), '\0' + frame.last(1) + QByteArray(63, '\0')}));
  EXPECT_EQ(hidapiOutputReports(frame.first(64), 64), QList<QByteArray>{'\0' + frame.first(64)});
}

// Only a listed, rightly named, openable board is served, one at a time; an I/O error is an
// unplug until a poll reopens it. Writes follow report id 0; reports reach the main thread whole.
TEST_F(HidapiTransportTest, PollingFollowsTheBoardThroughRefusalErrorsAndRemoval) {
  hid->devices.push_back({"/dev/hidraw2", "TAVEN"});
  hid->denied = {"/dev/hidraw1", "/dev/hidraw2"};
  start();
  const auto step = [&](const std::function<void()>& edit, int count) {
    hid->change(edit);
    ASSERT_TRUE(processUntil([&] { return events.size() >= count; })) << log();
    // Once a few more polls have gone by, nothing they missed can still be reported.
    std::unique_lock lock(hid->mutex);
    const int target = hid->polls + 3;
    ASSERT_TRUE(hid->changed.wait_for(lock, 10s, [&] { return hid->polls >= target; }));
    lock.unlock();
    processPending();
  };
  step([] {}, 2);
  EXPECT_FALSE(transport->write("x"));
  step([&] { hid->devices.pop_back(); }, 2);
  step([&] { hid->devices.push_back({"/dev/hidraw2", "TAVEN"}); }, 3);  // replugged, still denied
  step([&] { hid->denied.clear(); }, 4);  // the udev rule is installed
  step([&] { hid->failRead = true; }, 6);
  hid->change([&] { hid->failWrite = true; });
  EXPECT_FALSE(transport->write("x"));
  step([] {}, 8);
  EXPECT_TRUE(transport->write("x"));
  EXPECT_TRUE(hid->written.back().startsWith(QByteArray("\0x", 2)));
  step([&] { hid->reports.push_back(frameOf(4, 'R', 0)); }, 9);
  hid->change([&] { hid->shortWrite = true; });
  EXPECT_FALSE(transport->write("x"));  // cut short: not sent, though the board stays open
  step([&] { hid->devices.resize(1); }, 10);
  EXPECT_FALSE(transport->write("x"));
  EXPECT_EQ(hid->written.size(), 1u) << "a frame sent went out once";
  EXPECT_EQ(log(),
            "/dev/hidraw1 denied, rule named /dev/hidraw2 denied, rule named /dev/hidraw2 denied, "
            "rule named +TAVEN -TAVEN +TAVEN -TAVEN +TAVEN 52254a6f -TAVEN");
}

// A frame still queued when its board fails goes nowhere, not to the next board plugged in.
TEST_F(HidapiTransportTest, AFrameQueuedWhenItsBoardFailsIsNotSentToTheNextBoard) {
  start();
  ASSERT_TRUE(processUntil([&] { return events.size() == 1; })) << log();
  hid->change([&] { hid->holdWrite = true; });
  std::thread held([&] { EXPECT_FALSE(transport->write("a")); });
  {
    std::unique_lock lock(hid->mutex);
    ASSERT_TRUE(hid->changed.wait_for(lock, 10s, [&] { return hid->holding; }));
  }
  std::thread queued([&] { EXPECT_FALSE(transport->write("b")); });
  ASSERT_TRUE(processUntil([&] { return transport->queuedWrites() == 1; }));
  hid->change([&] { hid->holdWrite = false, hid->failWrite = true; });
  held.join();
  queued.join();
  ASSERT_TRUE(processUntil([&] { return events.size() == 3; })) << log();  // gone and back
  ASSERT_TRUE(transport->write("c"));  // queued behind anything stale
  ASSERT_EQ(hid->written.size(), 1u);
  EXPECT_TRUE(hid->written[0].startsWith(QByteArray("\0c", 2)));
}

}  // namespace
