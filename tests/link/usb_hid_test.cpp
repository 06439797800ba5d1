#include "link/usb_hid.h"

#include <gtest/gtest.h>

#include "fake_channel_view.h"
#include "link/protocol.h"
#include "link_fixture.h"
#include "recording_prompter.h"

namespace {

using std::chrono::hours;
using std::chrono::milliseconds;

QStringList& tips() { return RecordingPrompter::instance().tips; }

// Records what the screen in front is told, and when the link already said connected.
class RecordingDelegate : public QObject, public UsbHidDelegate {
 public:
  explicit RecordingDelegate(usbHid& link) : link_(link) {}
  void usbhidDidReadPositions(const protocol::PositionsRead& r) override {
    reports.append(QStringLiteral("positions %1").arg(r.readings.size()));
  }
  void usbhidDidCountServos(int count) override {
    reports.append(QStringLiteral("count %1").arg(count));
  }
  void usbhidDidReadTrims(const QList<protocol::ServoDeviation>& t) override {
    reports.append(QStringLiteral("trims %1").arg(t.size()));
  }
  void usbhidDidReadServoInfo(const KoServoInfo& info) override {
    reports.append(QStringLiteral("servo %1").arg(info.servoId));
  }
  void usbhidDidEraseGroups() override { reports.append(QStringLiteral("erased")); }
  void usbhidDidMatch() override { events.append(link_.connection() ? "match+" : "match-"); }
  void usbhidDidRemove() override { events.append(link_.connection() ? "remove+" : "remove-"); }
  QStringList reports;
  QStringList events;

 private:
  usbHid& link_;
};

using UsbHidTest = LinkFixture;

TEST_F(UsbHidTest, MissingRepliesShowTheirTip) {
  const struct {
    QByteArray frame;
    const char* tip;  // nullptr: times out silently
  } cases[] = {
      {protocol::removeActions(3), "erase_fail"},
      {protocol::idList(protocol::kReadPositions, {1}), "wait_timeout"},
      {protocol::idList(protocol::kDownloadDeviations, {1}), "wait_timeout"},
      {protocol::idList(protocol::kReadDeviations, {1}), "read_timeout"},
      {protocol::readServoInfo(), "read_timeout"},
      {protocol::actionsRun(1), nullptr},
      {protocol::stopActions(), nullptr},
      {protocol::idList(protocol::kUnloadServos, {1}), nullptr},
      {protocol::speed(1, 0, 0), nullptr},
  };
  link.setReplyTimeout(milliseconds(0));
  for (const auto& c : cases) {
    const int command = static_cast<quint8>(c.frame[3]);
    SCOPED_TRACE(command);
    tips().clear();
    board.dropRepliesTo(command);
    ASSERT_TRUE(link.sendData(c.frame));
    EXPECT_EQ(link.pendingTimeouts(command), 1);
    ASSERT_TRUE(processUntil([&] { return link.pendingTimeouts(command) == 0; }));
    processPending();
    EXPECT_EQ(tips(), c.tip ? QStringList{c.tip} : QStringList{});
  }
}

TEST_F(UsbHidTest, ReplyCancelsEveryPendingTimeoutOfItsCode) {
  link.setReplyTimeout(hours(1));
  board.dropRepliesTo(protocol::kReadServoInfo, 1);
  link.sendReadServoInfo();
  link.sendReadServoInfo();
  EXPECT_EQ(link.pendingTimeouts(protocol::kReadServoInfo), 2);
  ASSERT_TRUE(processUntil([&] { return link.pendingTimeouts(protocol::kReadServoInfo) == 0; }));
  EXPECT_TRUE(tips().isEmpty());
}

// Moves need no answer, and a poller counts its own unanswered reads: the link neither times
// them nor tips. Without a board nothing goes out at all.
TEST_F(UsbHidTest, MovesAndQuietReadsAreNotTimed) {
  link.setReplyTimeout(milliseconds(0));
  board.dropRepliesTo(protocol::kReadServoInfo);
  EXPECT_TRUE(link.sendOneSteering(1, 700, 0));
  EXPECT_TRUE(link.sendReadServoInfoQuietly());
  EXPECT_EQ(link.pendingTimeouts(protocol::kMultiServoMove), 0);
  EXPECT_EQ(link.pendingTimeouts(protocol::kReadServoInfo), 0);
  ASSERT_TRUE(processUntil([&] { return board.received().size() == 2; }));

  board.unplug();
  EXPECT_FALSE(link.connection());
  EXPECT_FALSE(link.sendReadServoInfo());
  EXPECT_FALSE(link.sendOneSteering(1, 500, 0));
  EXPECT_EQ(link.pendingTimeouts(protocol::kReadServoInfo), 0);
  processPending();
  EXPECT_EQ(board.received().size(), 2);
  EXPECT_TRUE(tips().isEmpty());
}

// What the link refuses never goes out: anything but a download step while a download runs,
// and an id list too long for its frame.
TEST_F(UsbHidTest, RefusedFramesAreNotSent) {
  FakeSliders many(41);
  EXPECT_FALSE(link.sendReadAngle(many.views()));
  link.setDownload(true);
  EXPECT_FALSE(link.sendOneSteering(1, 700, 0));
  EXPECT_FALSE(link.sendReadServoInfo());
  EXPECT_FALSE(link.sendActionsRun(1));
  EXPECT_TRUE(link.sendDownloadStep1WithAction(1, 1));
  processPending();
  ASSERT_EQ(board.received().size(), 1);
  EXPECT_EQ(board.received().first().bytes[3], protocol::kActionDownload);
  EXPECT_TRUE(tips().isEmpty());
}

// Erasing asks a destructive question first and sends nothing on no.
TEST_F(UsbHidTest, EraseAsksFirst) {
  auto& prompter = RecordingPrompter::instance();
  prompter.answers = {false, true};
  EXPECT_FALSE(link.sendRemoveActions(protocol::kAllGroups));
  EXPECT_TRUE(link.sendRemoveActions(4));
  EXPECT_EQ(prompter.destructive, (QStringList{"comfirm_all_erase", "comfirm_single_erase"}));
  ASSERT_TRUE(processUntil([&] { return !board.received().isEmpty(); }));
  processPending();
  ASSERT_EQ(board.received().size(), 1);
  EXPECT_EQ(board.received().first().bytes, QByteArray::fromHex("5555030804"));
}

TEST_F(UsbHidTest, ArrivalAndRemovalReachTheDelegateAfterTheFlag) {
  RecordingDelegate delegate(link);
  link.setDelegate(&delegate);
  board.unplug();
  board.plug();
  EXPECT_EQ(delegate.events, (QStringList{"remove-", "match+"}));
  // The virtual board is named as such, never as a device on USB.
  EXPECT_EQ(notifier.titles.last(), "virtual_connected");

  link.setTransport(nullptr);  // the board goes with its transport, and says which it was
  EXPECT_EQ(delegate.events.last(), "remove-");
  EXPECT_EQ(notifier.titles.last(), "virtual_disconnected");
  EXPECT_FALSE(notifier.titles.join(' ').contains("USB"));
}

TEST_F(UsbHidTest, RepliesReachTheDelegateDecodedAndBadOnesDoNoHarm) {
  auto delegate = std::make_unique<RecordingDelegate>(link);
  link.setDelegate(delegate.get());
  board.sendReport(QByteArray::fromHex("5555"));  // too short to name a command
  QByteArray garbage(64, '\xA7');
  board.sendReport(garbage);
  board.sendReport(QByteArray(300, '\xFF'));
  board.sendReport(QByteArray::fromHex("5555031c"));  // a parameter reply cut short
  link.sendReadServoInfo();
  link.sendReadDeviation({});
  // A positions reply answers the servo check only while one is out: the arm's read that
  // follows is no count.
  link.sendCheckManyConnectServo();
  link.sendReadAngle({});
  link.sendData(protocol::removeActions(3));
  ASSERT_TRUE(processUntil([&] { return delegate->reports.size() == 5; }));
  EXPECT_EQ(delegate->reports,
            (QStringList{"servo 1", "trims 0", "count 1", "positions 0", "erased"}));

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

// A board on USB is named in its notices, and a burst of failed sends gives one tip.
TEST(UsbHidOnUsb, NamedInItsNoticesAndOneTipForABurstOfFailedSends) {
  RecordingNotifier notifier;
  DesktopNotifier::install(&notifier);
  usbHid link;
  auto owned = std::make_unique<FailingTransport>();
  FailingTransport* transport = owned.get();
  link.setTransport(std::move(owned));
  ASSERT_TRUE(link.connection());
  EXPECT_EQ(link.productName(), "TAVEN");
  link.setReplyTimeout(hours(1));
  for (int i = 0; i < 5; ++i) EXPECT_FALSE(link.sendOneSteering(1, 100 * i, 0));
  EXPECT_FALSE(link.sendReadServoInfo());
  EXPECT_EQ(link.pendingTimeouts(protocol::kReadServoInfo), 0);
  EXPECT_EQ(tips(), QStringList{"send_fail"});

  transport->failing = false;
  EXPECT_TRUE(link.sendOneSteering(1, 500, 0));
  transport->failing = true;
  EXPECT_FALSE(link.sendOneSteering(1, 500, 0));
  EXPECT_EQ(tips(), (QStringList{"send_fail", "send_fail"}));

  link.setTransport(nullptr);
  EXPECT_EQ(notifier.titles, (QStringList{"USB-HID Connected", "USB-HID Disconnected"}));
  EXPECT_EQ(notifier.bodies.join(' ').count("TAVEN"), 2);
  EXPECT_TRUE(link.productName().isEmpty());
  DesktopNotifier::install(nullptr);
}

// Shows each tip "modally": the event loop runs while it is open, as in a real dialog.
class ModalPrompter : public Prompter {
 public:
  std::function<void()> whileOpen;
  QStringList tips;
  void showTip(const QString& message) override {
    tips.append(message);
    if (whileOpen) std::exchange(whileOpen, nullptr)();
  }
  bool confirm(const QString&) override { return false; }
};

TEST_F(UsbHidTest, BoardNewsWaitsForAnOpenDialog) {
  ModalPrompter modal;
  KoTools::installPrompter(&modal);
  RecordingDelegate delegate(link);
  link.setDelegate(&delegate);
  link.setReplyTimeout(milliseconds(0));
  board.dropRepliesTo(protocol::kReadDeviations);

  modal.whileOpen = [&] {
    link.sendReadServoInfo();  // its reply comes while the tip is open
    link.sendReadDeviation({});
    processPending();
    EXPECT_TRUE(delegate.reports.isEmpty());
    EXPECT_EQ(modal.tips.size(), 1);  // no time-out tip on top of this one
  };
  KoTools::showTipWithMessage(QStringLiteral("first"));
  ASSERT_TRUE(processUntil([&] { return modal.tips.size() == 2; }));
  EXPECT_EQ(delegate.reports.size(), 1);
  EXPECT_EQ(modal.tips.last(), "read_timeout");
  processPending();
  EXPECT_EQ(modal.tips.size(), 2);  // the reply that came cancelled its own time-out
  KoTools::installPrompter(&RecordingPrompter::instance());
}

}  // namespace
