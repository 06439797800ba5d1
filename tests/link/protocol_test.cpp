#include "link/protocol.h"

#include <gtest/gtest.h>

#include "bytes.h"
#include "servo_record.h"

// Expected bytes come from the frame tables (55 55 LEN CMD, 16 bits low byte first), not from
// the builders' own arithmetic. vornctl's tests check each command; these the ranges' edges.
namespace {

QByteArray padded(const char* h, int size) { return hex(h).leftJustified(size, '\0'); }

struct Built {
  const char* name;
  QByteArray bytes;
  QByteArray expected;
};

void expectBytes(std::initializer_list<Built> cases) {
  for (const Built& c : cases) EXPECT_EQ(c.bytes.toHex(' '), c.expected.toHex(' ')) << c.name;
}

// Each builder at the edges of its range; past them it throws rather than overrun its frame.
TEST(ProtocolBuilders, CommandsAtTheEdgesOfTheirRanges) {
  using namespace protocol;
  QByteArray forty = padded("55552b15 28", 45);
  QList<int> ids;
  for (int id = 1; id <= 40; ++id) {
    forty[4 + id] = char(id);
    ids.append(id);
  }
  QByteArray step1Most = padded("55550605 01 01", 248);
  QByteArray step3Most = hex("5555f6050301 01");  // 241 pages: LEN 246, 241 / 200 = 1
  for (int p = 0; p < kMaxPages; ++p) {
    step1Most[6 + p] = char(0xFF);
    step3Most += char(p);
  }
  expectBytes({
      {"move negative time", oneSteering(2, 500, -7), hex("55550803 010000 02f401")},
      {"move longest frame", oneSteering(253, 0, 30000), hex("55550803 013075 fd0000")},
      {"serial move", serialOneSteering(6, 250), hex("55550803 011400 06fa00")},
      {"run last group", actionsRun(230), hex("55550506e60100")},
      {"trim lowest", adjustmentDeviation(3, -100), hex("55550418039c")},
      // The motor speed is signed sixteen bits.
      {"fastest reverse", speed(1, -1000, 1), hex("5555061a010118fc")},
      {"parameters as they leave the factory", writeServoInfo(KoServoInfo{}),
       hex("55550e1b 01 0000 e803 9411 b036 55 00 07")},
      {"every highest parameter, stall only",
       writeServoInfo(
           servoRecord(253, 999, 1000, 13900, 14000, 100, true, KoServoInfo::kAlarmStall)),
       hex("55550e1b fd e703 e803 4c36 b036 64 00 04")},
      // Id lists fill 45 bytes.
      {"unload, all hidden", idList(kUnloadServos, {}), padded("55550314 00", 45)},
      {"forty ids", idList(kReadPositions, ids), forty},
      // Download steps across page boundaries.
      {"step 1, 255 frames", downloadStep1(12, 255), padded("55550605010cff00", 248)},
      {"step 1, every page", downloadStep1(1, kMaxDownloadFrames), step1Most},
      {"step 2, 255 frames", downloadStep2(12, 255), hex("55550605020c0100")},
      {"step 2, 256 frames", downloadStep2(12, 256), hex("55550605020c0200")},
      {"step 3, 300 frames", downloadStep3(12, 300), padded("55550705030c00 0001", 248)},
      {"step 3, every page", downloadStep3(1, kMaxDownloadFrames), step3Most},
      {"step 4, last index", downloadStep4(0, 3, 254, hex("55550803 010000 01f401")),
       hex("55550c050400 03fe 010000 01f401")},
  });
  EXPECT_THROW(idList(kReadPositions, ids + QList<int>{41}), FrameError);
  EXPECT_THROW(frame::multiServoMove(0, QList<ServoPosition>(84, {1, 500})), FrameError);
  EXPECT_EQ(frame::multiServoMove(0, QList<ServoPosition>(83, {1, 500})).size(), 7 + 3 * 83);
  EXPECT_THROW(downloadStep1(1, kMaxDownloadFrames + 1), FrameError);
  EXPECT_THROW(downloadStep3(1, kMaxDownloadFrames + 1), FrameError);
  EXPECT_THROW(downloadStep4(1, 0, 0, hex("5555")), FrameError);
  EXPECT_NO_THROW(downloadStep4(1, 0, 0, QByteArray(kMaxRecordMoveSize, 0)));
  EXPECT_THROW(downloadStep4(1, 0, 0, QByteArray(kMaxRecordMoveSize + 1, 0)), FrameError);
}

// What each reply decodes to, by the reply table: 21 count and (id, position) triples, 23
// (id, trim) pairs, 28 the parameter record, 5 the step, 8 nothing more.
TEST(ProtocolReplies, EachReplyDecodesOnceIntoItsType) {
  using namespace protocol;
  const auto positions =
      std::get<PositionsRead>(decodeReply(padded("55551115 03 01f401 02e803 03dc05", kReportSize)));
  EXPECT_EQ(positions.readings, (QList<ServoPosition>{{1, 500}, {2, 1000}, {3, 1500}}));
  // The check of the bus counts the servos that answered, which may be none.
  EXPECT_EQ(std::get<PositionsRead>(decodeReply(hex("5555031500"))).count, 0);

  const auto trims = std::get<TrimsRead>(
      decodeReply(padded("5555 0d 17 05 019c 02f6 0300 0464 0580", kReportSize)));
  EXPECT_EQ(trims.trims, (QList<ServoDeviation>{{1, -100}, {2, -10}, {3, 0}, {4, 100}, {5, -128}}));

  EXPECT_EQ(std::get<DownloadAck>(decodeReply(padded("5555040503", kReportSize))).step, 3);
  EXPECT_TRUE(std::holds_alternative<GroupErased>(decodeReply(padded("55550208", kReportSize))));

  // Counts stop at the report's end: 19 readings (5 + 3 x 19 = 62), 29 trims (5 + 2 x 29 = 63).
  QByteArray report = padded("555511 15 ff", 64);
  EXPECT_EQ(decodePositions(report).size(), 19);
  EXPECT_EQ(decodePositions(report.first(10)).size(), 1);
  report[3] = 0x17;
  EXPECT_EQ(decodeDeviations(report).size(), 29);

  // Too short to say what it carries, or naming nothing a screen asked for.
  for (const char* h : {"555504", "55550405", "55550415", "5555031c00", "555502ff", "55550203"}) {
    SCOPED_TRACE(h);
    EXPECT_TRUE(std::holds_alternative<OtherReply>(decodeReply(hex(h))));
  }
}

// Reply 28 by its offsets: 4 id, 5/7 angles, 9/11 mV, 13 limit, 14 LED, 15 alarms, 16 trim,
// 17 position, 19 temperature, 20 mV. FF FF is no value; readings hold at 1000 and 15 V.
TEST(ProtocolReplies, ServoParametersWithTheirReadingsHeldToWhatAServoReports) {
  const struct {
    const char* fields;  // offsets 4 to 21
    KoServoInfo expected;
    int deviation, position, temperature, millivolts;
  } cases[] = {
      {"fd e703 0100 4c36 f811 64 00 00 9c e803 00 983a",
       servoRecord(253, 999, 1, 13900, 4600, 100, true, 0), -100, 1000, 0, 15000},
      {"01 ffff ffff ffff ffff 32 00 07 64 e903 7f 993a", servoRecord(1, 0, 0, 0, 0, 50, true, 7),
       100, 1000, 127, 15000},
      {"01 0000 e803 9411 b036 55 00 fd 00 d007 20 ffff",
       servoRecord(1, 0, 1000, 4500, 14000, 85, true, 5), 0, 1000, 32, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.fields);
    const auto info =
        protocol::decodeServoInfo(padded((std::string("5555141c") + c.fields).c_str(), 64));
    KoServoInfo expected = c.expected;
    std::tie(expected.deviation, expected.currentPosition, expected.currentTemperature,
             expected.currentVoltage) =
        std::tuple(c.deviation, c.position, c.temperature, c.millivolts);
    EXPECT_EQ(info, expected);
  }
  const QByteArray full = padded("5555141c 01 0000 e803 9411 b036 55 00 07 00 f401 20 e81c", 64);
  EXPECT_TRUE(protocol::decodeServoInfo(full.first(protocol::kServoInfoReplySize)));
  EXPECT_FALSE(protocol::decodeServoInfo(full.first(protocol::kServoInfoReplySize - 1)));
}

// A limit moved onto its partner stays a step (1, or 0.1 V) clear, within the wire's 16 bits;
// an upper angle limit of 0 is what a reply of FF FF leaves.
TEST(ServoInfo, LimitsStayOneStepApart) {
  KoServoInfo one = servoRecord(1, 500, 0, 5000, 7100, 0, false, 0), two = one;
  one.moveAngleMax(500);
  one.moveVoltageMin(7100);
  two.moveVoltageMax(4600);
  two.moveAngleMin(0);
  EXPECT_EQ(std::tuple(one.angleMax, one.voltageMin, two.voltageMax, two.angleMin),
            std::tuple(501, 7000, 5100, 0));
}

}  // namespace
