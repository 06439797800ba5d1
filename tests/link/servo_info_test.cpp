#include "link/servo_info.h"

#include <gtest/gtest.h>

namespace {

// A limit moved onto or past its partner stays one step (1, or 0.1 V) clear of it, and
// where the wire's 16 bits can carry it.
TEST(ServoInfo, LimitsStayOneStepApart) {
  KoServoInfo info;
  info.angleMin = 500;
  info.moveAngleMax(500);
  EXPECT_EQ(info.angleMax, 501);
  info.voltageMax = 7100;
  info.moveVoltageMin(7100);
  EXPECT_EQ(info.voltageMin, 7000);
  EXPECT_FALSE(info.anglesCross() || info.voltagesCross());
  info.angleMin = 501;
  info.voltageMax = 7099;
  EXPECT_TRUE(info.anglesCross() && info.voltagesCross());

  info.voltageMin = 5000;
  info.moveVoltageMax(4600);
  EXPECT_EQ(info.voltageMax, 5100);
  info.angleMax = 0;  // as a reply of FF FF leaves it
  info.moveAngleMin(0);
  EXPECT_EQ(info.angleMin, 0);
}

}  // namespace
