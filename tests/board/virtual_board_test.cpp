#include "board/virtual_board.h"

#include <gtest/gtest.h>

#include <numeric>

#include "link/protocol.h"
#include "link_fixture.h"
#include "model/move_frame.h"
#include "servo_record.h"

namespace {

QList<int> range(int from, int count) {
  QList<int> out(count);
  std::iota(out.begin(), out.end(), from);
  return out;
}

// The board as the program sees it: through the link, replies collected as they come.
class VirtualBoardTest : public LinkFixture {
 protected:
  void SetUp() override {
    LinkFixture::SetUp();
    QObject::connect(&link, &usbHid::reportReceived,
                     [this](const QByteArray& r) { replies.append(r); });
  }
  QByteArray ask(const QByteArray& frame) {
    const qsizetype before = replies.size();
    EXPECT_TRUE(link.sendData(frame));
    EXPECT_TRUE(processUntil([&] { return replies.size() > before; }));
    return replies.value(before);
  }
  void tell(const QByteArray& frame) {
    const qsizetype before = board.received().size();
    EXPECT_TRUE(link.sendData(frame));
    EXPECT_TRUE(processUntil([&] { return board.received().size() > before; }));
  }
  QList<QByteArray> replies;
};

TEST_F(VirtualBoardTest, ReadsWhereServosAreAndWhatWasPosedByHand) {
  board.setChannelServos({1, 2, 3, 4});
  tell(frame::multiServoMove(0, {{1, 120}, {3, 880}}));
  tell(protocol::idList(protocol::kUnloadServos, {2}));
  EXPECT_TRUE(board.isUnloaded(2));
  board.poseByHand(2, 333);
  board.poseByHand(4, 999);  // powered: it holds its place

  const QByteArray reply = ask(protocol::idList(protocol::kReadPositions, {1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(protocol::decodePositions(reply),
            (QList<ServoPosition>{{1, 120}, {2, 333}, {3, 880}, {4, 500}}));

  tell(protocol::oneSteering(2, 700, 0));
  EXPECT_FALSE(board.isUnloaded(2));
}

// A reply is one report of what fits: 19 readings of three bytes (5 + 3 x 19 = 62), all 25
// trims of two. LEN counts itself, the command and the body.
TEST_F(VirtualBoardTest, RepliesForManyServosFitOneReport) {
  const QList<int> ids = range(1, 25);
  board.setChannelServos(ids);
  for (const auto& [command, count, width] :
       {std::tuple{protocol::kReadPositions, 19, 3}, {protocol::kReadDeviations, 25, 2}}) {
    const QByteArray reply = ask(protocol::idList(command, ids));
    EXPECT_EQ(reply.size(), protocol::kReportSize);
    EXPECT_EQ(quint8(reply[4]), count) << command;
    EXPECT_EQ(quint8(reply[2]), 3 + width * count) << command;
  }
}

// A write sets parameters, not readings; with several servos on the bus, or none, no reply.
TEST_F(VirtualBoardTest, ALoneBusServoTakesItsParametersAndAnswersReads) {
  board.setClock([] { return VirtualBoard::Clock::time_point{}; });  // no time to turn in
  const KoServoInfo written = servoRecord(3, 100, 900, 5000, 12000, 70, false, 5);
  tell(protocol::writeServoInfo(written));
  tell(protocol::speed(3, -100, 1));
  const auto info = protocol::decodeServoInfo(ask(protocol::readServoInfo()));
  ASSERT_TRUE(info);
  EXPECT_EQ(protocol::writeServoInfo(*info), protocol::writeServoInfo(written));
  EXPECT_EQ(info->currentPosition, 500);
  EXPECT_TRUE(board.busServos().first().motorMode);
  EXPECT_EQ(board.busServos().first().speed, -100);

  link.setReplyTimeout(std::chrono::hours(1));
  for (const int servos : {2, 0}) {
    board.setBusServoCount(servos);
    tell(protocol::readServoInfo());
    processPending();
    EXPECT_EQ(replies.size(), 1) << servos;
  }
}

// In motor mode the position advances with the signed speed and wraps; in servo mode it stays.
TEST_F(VirtualBoardTest, ABusServoInMotorModeTurns) {
  using namespace std::chrono_literals;
  VirtualBoard::Clock::time_point now{};
  board.setClock([&now] { return now; });
  const auto positionAfter = [&](std::chrono::milliseconds wait) {
    now += wait;
    return protocol::decodeServoInfo(ask(protocol::readServoInfo()))->currentPosition;
  };
  tell(protocol::speed(1, 300, 1));
  EXPECT_EQ(positionAfter(500ms), 650);
  EXPECT_EQ(positionAfter(1001ms), 950);
  EXPECT_EQ(positionAfter(2ms), 950);  // 0.9 units so far: kept, not lost
  EXPECT_EQ(positionAfter(2ms), 951);
  EXPECT_EQ(positionAfter(1000ms), 250);  // past 1000 it comes round from 0
  tell(protocol::speed(1, -500, 1));
  EXPECT_EQ(positionAfter(1000ms), 751);
  tell(protocol::speed(1, 0, 0));
  EXPECT_EQ(positionAfter(1000ms), 751);
}

TEST_F(VirtualBoardTest, DownloadStepsOutOfOrderAreRefusedAndErasesTakeOneOrAll) {
  // An erase takes one group, or with 0xFF (kAllGroups) every group.
  board.storeGroup(4, {}), board.storeGroup(6, {});
  ask(protocol::removeActions(4));
  EXPECT_TRUE(!board.group(4) && board.group(6));
  ask(protocol::removeActions(protocol::kAllGroups));
  EXPECT_FALSE(board.group(6));

  link.setDownload(true);
  ask(protocol::downloadStep1(2, 2));
  tell(protocol::downloadStep3(2, 2));  // step 2 skipped
  processPending();
  EXPECT_EQ(replies.size(), 3);
  EXPECT_FALSE(board.downloadError().isEmpty());

  ask(protocol::downloadStep1(2, 1));
  ask(protocol::downloadStep2(2, 1));
  ask(protocol::downloadStep3(2, 1));
  tell(protocol::downloadStep4(2, 0, 1, frame::multiServoMove(0, {{1, 1}})));  // wrong index
  processPending();
  EXPECT_FALSE(board.group(2));
  EXPECT_TRUE(board.downloadError().contains("out of order"));

  // A group past the last is refused at once, as the board has no room for it.
  tell(protocol::downloadStep1(231, 1));
  processPending();
  EXPECT_EQ(board.downloadError(), "no group 231");
}

// A move told apart from the others by its time: 50 ms and up.
QByteArray move(int n) { return frame::multiServoMove(50 + n, {{1, 500}}); }

QList<int> numbers(const VirtualBoard& board) {
  QList<int> out;
  for (const VirtualBoard::ReceivedFrame& r : board.received())
    out.append(frame::le16(r.bytes, 5) - 50);
  return out;
}

// A looped run sends frames all day: the board keeps only the latest, in order, by default a
// whole group's download. More can be asked for; asking for less drops the oldest at once.
TEST(VirtualBoardReceived, KeepsOnlyTheLatestFramesInOrder) {
  constexpr int kDefault = VirtualBoard::kReceivedKept;
  constexpr int kDownloadFrames = 1020 + 4;  // steps 1 to 3, a step 4 per frame, step 5
  const std::tuple<const char*, std::optional<int>, int, QList<int>> cases[] = {
      {"a looped run", {}, 5 * kDefault + 3, range(4 * kDefault + 3, kDefault)},
      {"a whole group's download", {}, kDownloadFrames, range(0, kDownloadFrames)},
      {"fewer, after they came", 4, 10, range(6, 4)}};
  for (const auto& [name, kept, sent, expected] : cases) {
    SCOPED_TRACE(name);
    VirtualBoard board;
    if (kept) board.setReceivedKept(std::max(*kept, 3000));
    for (int n = 0; n < sent; ++n) board.receive(move(n));
    if (kept) board.setReceivedKept(*kept);
    EXPECT_EQ(numbers(board), expected);
    board.receive(move(sent));
    EXPECT_EQ(numbers(board).size(), std::min<qsizetype>(board.receivedKept(), sent + 1));
    EXPECT_EQ(numbers(board).last(), sent);
  }
  VirtualBoard board;
  for (int n = 0; n < 2 * kDefault; ++n) board.receive(move(n));
  EXPECT_EQ(board.receivedWith(protocol::kMultiServoMove).size(), kDefault);
  EXPECT_EQ(board.targetPosition(1), 500) << "every frame is still handled";
  // A run takes the place of the group running, even one of a group the board does not hold.
  board.storeGroup(2, {move(0).mid(4)});
  board.receive(protocol::actionsRun(2));
  board.receive(protocol::actionsRun(9));
  EXPECT_EQ(board.runningGroup(), -1);
}

}  // namespace
