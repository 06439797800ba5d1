#include "link/protocol.h"

#include <gtest/gtest.h>

namespace {

QByteArray hex(const char* h) { return QByteArray::fromHex(h); }

QByteArray padded(const char* h, int size) {
  QByteArray b = hex(h);
  b.append(size - b.size(), '\0');
  return b;
}

struct Built {
  const char* name;
  QByteArray bytes;
  QByteArray expected;
};

TEST(ProtocolBuilders, PinnedBytes) {
  using namespace protocol;
  const Built cases[] = {
      {"move time 0", oneSteering(2, 500, 0), hex("55550803 010000 02f401")},
      {"move negative time", oneSteering(2, 500, -7), hex("55550803010000 02f401")},
      {"move time 300", oneSteering(1, 1000, 300), hex("55550803 012c01 01e803")},
      {"serial move", serialOneSteering(6, 250), hex("55550803 011400 06fa00")},
      {"run group 3", actionsRun(3), hex("55550506030100")},
      {"stop", stopActions(), hex("55550207")},
      {"erase 5", removeActions(5), hex("5555030805")},
      {"erase all", removeActions(-1), hex("55550308ff")},
      {"trim -10", adjustmentDeviation(3, -10), hex("5555041803f6")},
      {"trim 100", adjustmentDeviation(1, 100), hex("555504180164")},
      {"read parameters", readServoInfo(), hex("5555021c")},
      {"connection check", checkManyConnectServo(), hex("5555091506010203040506")},
      {"read positions", idList(kReadPositions, {1, 2, 3, 4, 5, 6}),
       padded("55550915 06 010203040506", 45)},
      {"unload, all hidden", idList(kUnloadServos, {}), padded("55550314 00", 45)},
      {"read trims 2,4", idList(kReadDeviations, {2, 4}), padded("55550517 02 0204", 45)},
      {"store trims", idList(kDownloadDeviations, {1}), padded("55550416 01 01", 45)},
      {"speed -100 hex", speed("1", "ffffff9c", 1), hex("5555061a01019cff")},
      {"speed 100", speed("1", "100", 1), hex("5555061a01016400")},
      {"speed servo mode", speed("7", "0", 0), hex("5555061a07000000")},
      {"speed bad hex", speed("1", "zzzzzz", 1), hex("5555061a01010000")},
      {"write parameters",
       writeServoInfo({1, QStringLiteral("0"), 1000, QStringLiteral("4500"), 14000, 85, 1, 7}),
       hex("55550e1b01 0000 e803 9411 b036 55 01 07")},
      {"step 1, 10 frames", downloadStep1(12, 10), padded("55550605010c0a", 248)},
      {"step 1, 255 frames", downloadStep1(12, 255), padded("55550605010cff00", 248)},
      {"step 1, 300 frames", downloadStep1(12, 300), padded("55550605010cff2d", 248)},
      {"step 1, 0 frames", downloadStep1(0, 0), padded("5555060501 0000", 248)},
      {"step 2, 255 frames", downloadStep2(12, 255), hex("55550605020c0100")},
      {"step 2, 256 frames", downloadStep2(12, 256), hex("55550605020c0200")},
      {"step 2, 0 frames", downloadStep2(12, 0), hex("55550605020c0000")},
      {"step 3, 300 frames", downloadStep3(12, 300), padded("55550705030c00 0001", 248)},
      {"step 3, 10 frames", downloadStep3(12, 10), padded("55550605030c00 0001", 248)},
      {"step 3, 0 frames", downloadStep3(12, 0), padded("55550505030c00 0001", 248)},
      {"step 4", downloadStep4(12, 1, 44, hex("55550b03 022003 015802 02bc02")),
       hex("55550f05040c012c 022003 015802 02bc02")},
      {"step 5", downloadStep5(230), hex("5555040505e6")},
  };
  for (const Built& c : cases) EXPECT_EQ(c.bytes.toHex(' '), c.expected.toHex(' ')) << c.name;
}

TEST(ProtocolBuilders, ResetAllServos) {
  const QByteArray b = protocol::reSetAllSteer();
  ASSERT_EQ(b.size(), 127);
  EXPECT_EQ(b.first(7), hex("55557d0328e803"));
  for (int id = 1; id <= 40; ++id)
    EXPECT_EQ(b.mid(4 + 3 * id, 3), hex("00f401").replace(0, 1, QByteArray(1, char(id))));
}

TEST(ProtocolBuilders, StepThreeListsEveryPage) {
  const QByteArray b = protocol::downloadStep3(1, protocol::kMaxDownloadFrames);
  ASSERT_EQ(b.size(), 248);
  EXPECT_EQ(static_cast<quint8>(b[2]), 241 + 5);
  EXPECT_EQ(b[6], 1);  // 241 / 200
  for (int p = 0; p < 241; ++p) EXPECT_EQ(static_cast<quint8>(b[7 + p]), p);
  const QByteArray one = protocol::downloadStep1(1, protocol::kMaxDownloadFrames);
  EXPECT_EQ(static_cast<quint8>(one[6 + 240]), 0xFF);
  EXPECT_EQ(one[6 + 241], 0);
}

TEST(ProtocolBuilders, RefuseWhatWouldNotFit) {
  using namespace protocol;
  QList<int> ids(41, 1);
  EXPECT_THROW(idList(kReadPositions, ids), FrameError);
  EXPECT_NO_THROW(idList(kReadPositions, QList<int>(40, 1)));
  EXPECT_THROW(downloadStep1(1, kMaxDownloadFrames + 1), FrameError);
  EXPECT_THROW(downloadStep2(1, -1), FrameError);
  EXPECT_THROW(downloadStep3(1, kMaxDownloadFrames + 1), FrameError);
  EXPECT_THROW(downloadStep4(1, 0, 0, hex("5555")), FrameError);
  EXPECT_THROW(downloadStep4(1, 0, 0, QByteArray(254, 0)), FrameError);
  EXPECT_THROW(writeServoInfo({1, 2, 3}), FrameError);
  EXPECT_THROW(frame::multiServoMove(0, QList<ServoPosition>(84, {1, 500})), FrameError);
  EXPECT_EQ(frame::multiServoMove(0, QList<ServoPosition>(83, {1, 500})).size(), 7 + 3 * 83);
  EXPECT_STREQ(removeActionsConfirmKey(-1), "comfirm_all_erase");
  EXPECT_STREQ(removeActionsConfirmKey(0), "comfirm_single_erase");
}

TEST(ProtocolReplies, DownloadAcknowledgement) {
  EXPECT_EQ(protocol::decodeDownloadAck(padded("5555040503", 64)), 3);
  EXPECT_EQ(protocol::decodeDownloadAck(hex("55550405")), std::nullopt);
  EXPECT_EQ(protocol::decodeDownloadAck(padded("5555040803", 64)), std::nullopt);
  EXPECT_EQ(protocol::replyCommand(hex("555504")), -1);
  EXPECT_EQ(protocol::replyCommand(padded("55550408", 64)), 8);
}

TEST(ProtocolReplies, Positions) {
  const QByteArray report = padded("55551115 03 01f401 02e803 03dc05", 64);
  EXPECT_EQ(protocol::decodePositions(report),
            (QList<ServoPosition>{{1, 500}, {2, 1000}, {3, 1500}}));
  EXPECT_TRUE(protocol::decodePositions(hex("55551115")).isEmpty());
}

TEST(ProtocolReplies, CountsBeyondTheReportStopAtItsEnd) {
  // 255 readings promised; 19 lie wholly inside a 64-byte report (5 + 3 x 19 = 62).
  QByteArray report = padded("555511 15 ff", 64);
  EXPECT_EQ(protocol::decodePositions(report).size(), 19);
  report[3] = 0x17;
  EXPECT_EQ(protocol::decodeDeviations(report).size(), 29);  // 5 + 2 x 29 = 63
  EXPECT_EQ(protocol::decodePositions(report.first(10)).size(), 1);
  EXPECT_EQ(protocol::decodeDeviations(report.first(6)).size(), 0);
}

TEST(ProtocolReplies, DeviationsAreTwosComplement) {
  const QByteArray report = padded("5555 0b 17 04 01f6 027e 037f 8080", 64);
  EXPECT_EQ(protocol::decodeDeviations(report),
            (QList<protocol::ServoDeviation>{{1, -10}, {2, 126}, {3, 127}, {128, -128}}));
}

TEST(ProtocolReplies, ServoParameters) {
  const QByteArray report = padded("5555141c 05 0000 e803 9411 b036 55 01 06 f6 ffff 28 3a1e", 64);
  const auto info = protocol::decodeServoInfo(report);
  ASSERT_TRUE(info);
  const protocol::ServoInfo expected{5, 0, 1000, 4500, 14000, 85, 1, 6, -10, 0, 40, 7738};
  EXPECT_EQ(*info, expected);
  EXPECT_FALSE(protocol::decodeServoInfo(report.first(21)));
}

}  // namespace
