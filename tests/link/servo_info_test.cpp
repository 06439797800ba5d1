#include "link/servo_info.h"

#include <gtest/gtest.h>

#include "link/protocol.h"

namespace {

// A parameter reply as the board sends it: 64 bytes, fields at their offsets.
QByteArray reply(const QByteArray& fields) {
  QByteArray r = QByteArray::fromHex("5555141c") + fields;
  r.append(protocol::kReportSize - r.size(), '\0');
  return r;
}

// id 1, angles 0..1000, 4500..14000 mV, limit 85, LED on, alarms 7, then the given tail:
// trim, position (2), temperature, voltage (2).
QByteArray replyWithReadings(const char* tailHex) {
  return reply(QByteArray::fromHex("010000e8039411b036550007") + QByteArray::fromHex(tailHex));
}

TEST(ServoInfo, RepliesDecodeTheWayTheyAreShown) {
  struct Case {
    const char* tail;  // trim, position (2), temperature, voltage (2)
    int deviation;
    int position;
    float volts;
  };
  const Case cases[] = {
      {"f6 f401 20 e81c", -10, 500, 7.4f},
      {"7f e903 40 803e", 127, 1000, 15.0f},  // a trim byte is two's complement; readings clamp
      {"80 ffff 00 ffff", -128, 0, 0.0f},     // FF FF reads as no value
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tail);
    const auto info = KoServoInfo::fromReply(replyWithReadings(c.tail));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->deviation, c.deviation);
    EXPECT_EQ(info->currentPosition, c.position);
    EXPECT_FLOAT_EQ(*info->currentVoltage, c.volts);
  }
  const auto alarms =
      KoServoInfo::fromReply(reply(QByteArray::fromHex("0a00000000000000004601fd")));
  ASSERT_TRUE(alarms);
  EXPECT_EQ(std::tuple(alarms->alarmStall, alarms->alarmOverVoltage, alarms->alarmOverTemperature),
            std::tuple(true, false, true));  // 0xFD: bit 1 clear, higher bits ignored
  EXPECT_FALSE(alarms->ledOn);
}

TEST(ServoInfo, AReportCutShortIsNotDecoded) {
  const QByteArray full = replyWithReadings("f6f40120e81c");
  EXPECT_TRUE(KoServoInfo::fromReply(full.first(22)));
  EXPECT_FALSE(KoServoInfo::fromReply(full.first(21)));
  EXPECT_FALSE(KoServoInfo::fromReply({}));
}

TEST(ServoInfo, WriteRequestFromTheRecord) {
  auto bytes = [](const KoServoInfo& info) {
    return protocol::writeServoInfo(info.writeValues()).toHex(' ');
  };
  KoServoInfo info;
  EXPECT_EQ(bytes(info), "55 55 0e 1b 01 00 00 e8 03 94 11 b0 36 55 00 07");
  info.ledOn = false;
  info.alarmStall = info.alarmOverVoltage = false;
  info.voltageMin = KoServoInfo::millivolts(4.6);
  info.voltageMax = KoServoInfo::millivolts(13.9);
  EXPECT_EQ(bytes(info), "55 55 0e 1b 01 00 00 e8 03 f8 11 4c 36 55 01 01");
  info.alarmOverTemperature = false;
  info.alarmStall = true;
  EXPECT_EQ(protocol::writeServoInfo(info.writeValues())[15], 4);

  // What a reply brought goes back as it came, limits the wrong way round included.
  const auto odd = KoServoInfo::fromReply(reply(QByteArray::fromHex("c8ed03640049115a3b5a0106")));
  ASSERT_TRUE(odd);
  EXPECT_EQ(bytes(*odd), "55 55 0e 1b c8 ed 03 64 00 49 11 5a 3b 5a 01 06");
}

TEST(ServoInfo, ALimitMovedPastItsPartnerStaysWhereTheWireCanCarryIt) {
  KoServoInfo info;
  info.voltageMin = 5000;
  info.moveVoltageMax(4600);
  EXPECT_EQ(info.voltageMax, 5100);
  info.angleMax = 0;  // as a reply of FF FF leaves it
  info.moveAngleMin(0);
  EXPECT_EQ(info.angleMin, 0);
}

}  // namespace
