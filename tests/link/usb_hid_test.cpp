#include "link/usb_hid.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include "link/protocol.h"
#include "link_fixture.h"

namespace {

using std::chrono::hours;
using std::chrono::milliseconds;

// The command codes a spy on replyTimedOut or sendFailed heard.
QList<int> commands(const QSignalSpy& spy) {
  QList<int> out;
  for (const QList<QVariant>& args : spy) out.append(args.at(0).toInt());
  return out;
}

// Records what the screen in front is told, and when the link already said connected.
class RecordingDelegate : public QObject, public UsbHidDelegate {
 public:
  explicit RecordingDelegate(usbHid& link) : link_(link) {}
  void usbhidDidReadPositions(const protocol::PositionsRead& r) override {
    reports.append(QStringLiteral("positions %1").arg(r.readings.size()));
  }
  void usbhidDidCountServos(int count) override { reports << "count " + QString::number(count); }
  void usbhidDidReadTrims(const QList<protocol::ServoDeviation>& t) override {
    reports.append(QStringLiteral("trims %1").arg(t.size()));
  }
  void usbhidDidReadServoInfo(const KoServoInfo& info) override {
    reports.append(QStringLiteral("servo %1").arg(info.servoId));
  }
  void usbhidDidEraseGroups() override { reports.append(QStringLiteral("erased")); }
  void usbhidDidMatch() override { events.append(link_.connection() ? "match+" : "match-"); }
  void usbhidDidRemove() override { events.append(link_.connection() ? "remove+" : "remove-"); }
  QStringList reports, events;

 private:
  usbHid& link_;
};

using UsbHidTest = LinkFixture;

// A reply cancels its code's pending time-outs; a missing one is told once, with its command.
TEST_F(UsbHidTest, AMissingReplyIsToldWithItsCommandAndAReplyCancelsItsTimeouts) {
  QSignalSpy timedOut(&link, &usbHid::replyTimedOut);
  link.setReplyTimeout(hours(1));
  board.dropRepliesTo(protocol::kReadServoInfo, 1);
  link.sendReadServoInfo();
  link.sendReadServoInfo();
  EXPECT_EQ(link.pendingTimeouts(protocol::kReadServoInfo), 2);
  ASSERT_TRUE(processUntil([&] { return link.pendingTimeouts(protocol::kReadServoInfo) == 0; }));

  // While a dialog is open every piece of news, time-outs too, goes to the screens' deferral.
  RecordingDelegate delegate(link);
  link.setDelegate(&delegate);
  QList<std::function<void()>> held;
  link.setDeferral([&](std::function<void()> news) { held.append(std::move(news)); });
  link.setReplyTimeout(milliseconds(0));
  board.dropRepliesTo(protocol::kReadDeviations);
  link.sendReadServoInfo();  // its reply comes while the news is held
  link.sendReadDeviation({});
  processPending();
  EXPECT_TRUE(delegate.reports.isEmpty());
  EXPECT_TRUE(timedOut.isEmpty());
  ASSERT_FALSE(held.isEmpty());
  link.setDeferral(nullptr);
  for (const auto& news : std::exchange(held, {})) news();
  EXPECT_EQ(delegate.reports, QStringList{"servo 1"});
  // The reply that came cancelled its own time-out.
  EXPECT_EQ(commands(timedOut), QList<int>{protocol::kReadDeviations});
}

// Moves and a poller's reads are not timed. What the link refuses never goes out and is no failed
// send: anything but a download step during one, too many ids, anything without a board.
TEST_F(UsbHidTest, MovesAndQuietReadsAreNotTimedAndRefusedFramesNotSent) {
  QSignalSpy timedOut(&link, &usbHid::replyTimedOut);
  QSignalSpy failed(&link, &usbHid::sendFailed);
  link.setReplyTimeout(milliseconds(0));
  EXPECT_FALSE(link.sendReadAngle(QList<int>(41, 1)));
  link.setDownload(true);
  EXPECT_FALSE(link.sendOneSteering(1, 700, 0));
  EXPECT_FALSE(link.sendReadServoInfo());
  EXPECT_FALSE(link.sendActionsRun(1));
  link.setDownload(false);

  board.dropRepliesTo(protocol::kReadServoInfo);
  EXPECT_TRUE(link.sendOneSteering(1, 700, 0));
  EXPECT_TRUE(link.sendReadServoInfoQuietly());
  ASSERT_TRUE(processUntil([&] { return board.received().size() == 2; }));
  EXPECT_EQ(board.received().first().bytes[3], protocol::kMultiServoMove);

  board.unplug();
  EXPECT_FALSE(link.connection());
  EXPECT_FALSE(link.sendReadServoInfo());
  EXPECT_FALSE(link.sendOneSteering(1, 500, 0));
  processPending();
  EXPECT_EQ(board.received().size(), 2);
  EXPECT_TRUE(timedOut.isEmpty());
  EXPECT_TRUE(failed.isEmpty());
}

// Arrival and removal reach the delegate after the flag, replies decoded, bad ones harmlessly.
// The virtual board is named as such in its notices, never as a device on USB.
TEST_F(UsbHidTest, BoardNewsAndRepliesReachTheDelegate) {
  auto delegate = std::make_unique<RecordingDelegate>(link);
  link.setDelegate(delegate.get());
  board.unplug();
  board.plug();
  EXPECT_EQ(delegate->events, (QStringList{"remove-", "match+"}));
  EXPECT_EQ(notifier.titles.last(), "virtual_connected");

  board.sendReport(QByteArray::fromHex("5555"));  // too short to name a command
  QByteArray garbage(64, '\xA7');
  board.sendReport(garbage);
  board.sendReport(QByteArray(300, '\xFF'));
  board.sendReport(QByteArray::fromHex("5555031c"));  // a parameter reply cut short
  link.sendReadServoInfo();
  link.sendReadDeviation({});
  // A positions reply is a servo count only while a check is out.
  link.sendCheckManyConnectServo();
  link.sendReadAngle({});
  link.sendData(protocol::removeActions(3));
  ASSERT_TRUE(processUntil([&] { return delegate->reports.size() == 5; }));
  EXPECT_EQ(delegate->reports,
            (QStringList{"servo 1", "trims 0", "count 1", "positions 0", "erased"}));

  link.setTransport(nullptr);  // the board goes with its transport, and says which it was
  EXPECT_EQ(delegate->events.last(), "remove-");
  EXPECT_EQ(notifier.titles.last(), "virtual_disconnected");
  EXPECT_FALSE(notifier.titles.join(' ').contains("USB"));

  link.setTransport(std::make_unique<VirtualHidTransport>(&board));
  delegate.reset();  // held weakly: a gone screen is not called
  board.sendReport(garbage);
  link.sendReadServoInfo();
  processPending();
}

// A board that takes no frames.
class FailingTransport : public HidTransport {
 public:
  void start() override { emit deviceArrived(QStringLiteral("TAVEN")); }
  bool write(const QByteArray&) override { return !failing; }
  QString name() const override { return QStringLiteral("failing"); }
  bool failing = true;
};

// A board on USB is named in its notices; a burst of failed sends is told once, by its first.
TEST_F(UsbHidTest, OnUsbNamedInItsNoticesAndABurstOfFailedSendsToldOnce) {
  QSignalSpy failed(&link, &usbHid::sendFailed);
  auto* transport = new FailingTransport;
  link.setTransport(std::unique_ptr<HidTransport>(transport));
  ASSERT_TRUE(link.connection());
  EXPECT_EQ(link.productName(), "TAVEN");
  link.setReplyTimeout(hours(1));
  EXPECT_FALSE(link.sendReadServoInfo());
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(link.sendOneSteering(1, 100 * i, 0));
  EXPECT_EQ(link.pendingTimeouts(protocol::kReadServoInfo), 0);
  EXPECT_EQ(commands(failed), QList<int>{protocol::kReadServoInfo});

  transport->failing = false;
  EXPECT_TRUE(link.sendOneSteering(1, 500, 0));
  transport->failing = true;
  EXPECT_FALSE(link.sendOneSteering(1, 500, 0));
  EXPECT_EQ(commands(failed), (QList<int>{protocol::kReadServoInfo, protocol::kMultiServoMove}));

  link.setTransport(nullptr);
  // After the virtual board's arrival and its removal with its transport.
  EXPECT_EQ(notifier.titles.sliced(2), (QStringList{"USB-HID Connected", "USB-HID Disconnected"}));
  EXPECT_EQ(notifier.bodies.sliced(2).join(' ').count("TAVEN"), 2);
  EXPECT_TRUE(link.productName().isEmpty());
}

}  // namespace
