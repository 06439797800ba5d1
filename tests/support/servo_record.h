#pragma once

#include "link/servo_info.h"

// A bus servo's parameters as its record holds them; the readings are left for the caller.
inline KoServoInfo servoRecord(int id, int angleMin, int angleMax, int mvMin, int mvMax,
                               int temperatureLimit, bool ledOn, int alarmBits) {
  KoServoInfo info;
  info.servoId = id;
  info.angleMin = angleMin;
  info.angleMax = angleMax;
  info.voltageMin = mvMin;
  info.voltageMax = mvMax;
  info.temperatureLimit = temperatureLimit;
  info.ledOn = ledOn;
  info.setAlarmByte(alarmBits);
  return info;
}
