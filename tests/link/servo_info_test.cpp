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

TEST(ServoInfo, WhatAReplyBroughtIsWrittenBackAsItCame) {
  // Limits the wrong way round included: the screen moves them apart only when touched.
  const auto odd = KoServoInfo::fromReply(reply(QByteArray::fromHex("c8ed03640049115a3b5a0106")));
  ASSERT_TRUE(odd);
  EXPECT_EQ(protocol::writeServoInfo(*odd).toHex(' '),
            "55 55 0e 1b c8 ed 03 64 00 49 11 5a 3b 5a 01 06");
  EXPECT_TRUE(odd->anglesCross());
  EXPECT_FALSE(KoServoInfo::fromReply(QByteArray::fromHex("5555141c01")));
}

TEST(ServoInfo, LimitsCrossWithinOneStep) {
  KoServoInfo info;
  info.angleMin = 499;
  info.angleMax = 500;
  EXPECT_FALSE(info.anglesCross());
  info.angleMin = 500;
  EXPECT_TRUE(info.anglesCross());
  info.voltageMin = 7000;
  info.voltageMax = 7100;
  EXPECT_FALSE(info.voltagesCross());
  info.voltageMax = 7099;
  EXPECT_TRUE(info.voltagesCross());
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
