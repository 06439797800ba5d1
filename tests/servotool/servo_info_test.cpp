#include "servotool/servo_info.h"

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
    const char* tail;
    int deviation;
    int position;
    int temperature;
    float volts;
  };
  const Case cases[] = {
      {"f6 f401 20 e81c", -10, 500, 32, 7.4f},
      {"7e e903 40 803e", 126, 1000, 64, 15.0f},  // position and voltage clamp
      {"7f ffff 00 ffff", 127, 0, 0, 0.0f},       // FF FF reads as no value
      {"80 0000 28 0000", -128, 0, 40, 0.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tail);
    const auto info = KoServoInfo::fromReply(replyWithReadings(c.tail));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->deviation, c.deviation);
    EXPECT_EQ(info->currentPosition, c.position);
    EXPECT_EQ(info->currentTemperature, c.temperature);
    EXPECT_FLOAT_EQ(*info->currentVoltage, c.volts);
  }
  EXPECT_EQ(KoServoInfo::voltageReadingText(7.4f), "7.4V");
  EXPECT_EQ(KoServoInfo::temperatureReadingText(40), "40℃");
  EXPECT_EQ(KoServoInfo::temperatureLimitText(70), "70 ℃");
}

TEST(ServoInfo, AlarmBitsAndLedComeApart) {
  const auto info = KoServoInfo::fromReply(reply(QByteArray::fromHex("0a00000000000000004601fd")));
  ASSERT_TRUE(info);
  EXPECT_TRUE(info->alarmStall);
  EXPECT_FALSE(info->alarmOverVoltage);  // 0xFD: bit 1 clear, higher bits ignored
  EXPECT_TRUE(info->alarmOverTemperature);
  EXPECT_FALSE(info->ledOn);
  EXPECT_EQ(info->temperatureLimit, 70);
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

TEST(ServoInfo, LimitSlidersStayClearOfTheirPartner) {
  struct Case {
    const char* what;
    void (KoServoInfo::*move)(int);
    int to;
    int KoServoInfo::*field;
    int expected;
  };
  const Case cases[] = {
      {"upper onto lower", &KoServoInfo::moveAngleMax, 300, &KoServoInfo::angleMax, 301},
      {"lower onto upper", &KoServoInfo::moveAngleMin, 1000, &KoServoInfo::angleMin, 999},
      {"upper free", &KoServoInfo::moveAngleMax, 700, &KoServoInfo::angleMax, 700},
      {"min V onto max", &KoServoInfo::moveVoltageMin, 12000, &KoServoInfo::voltageMin, 11900},
      {"max V below min", &KoServoInfo::moveVoltageMax, 4600, &KoServoInfo::voltageMax, 5100},
      {"lower under a zero upper", &KoServoInfo::moveAngleMin, 0, &KoServoInfo::angleMin, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    KoServoInfo info;
    info.angleMin = 300;
    info.angleMax = 1000;
    info.voltageMin = 5000;
    info.voltageMax = 12000;
    if (c.to == 0) info.angleMax = 0;  // as a reply of FF FF leaves it
    (info.*c.move)(c.to);
    EXPECT_EQ(info.*c.field, c.expected);
  }
}

}  // namespace
