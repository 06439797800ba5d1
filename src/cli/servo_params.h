#pragma once

#include <QJsonObject>
#include <QString>
#include <optional>

#include "link/protocol.h"

// The bus-servo parameters a user may write, each with its range, once: the options of
// "servo write", their checks and the printed record all come from here.
namespace vornctl {

enum class ServoParamKind { Number, Volts, Switch };

struct ServoParam {
  const char* option;  // long option of "servo write", also the printed name
  const char* jsonKey;
  const char* helpId;  // translation id of its help
  ServoParamKind kind;
  double min;
  double max;
  int alarmBit = 0;  // for the alarm switches, their bit in the alarm byte
};

// Indexes into kServoParams.
enum ServoParamIndex {
  kParamId,
  kParamMinAngle,
  kParamMaxAngle,
  kParamMinVoltage,
  kParamMaxVoltage,
  kParamTemperatureLimit,
  kParamLed,
  kParamStallAlarm,
  kParamOverVoltageAlarm,
  kParamOverTemperatureAlarm,
};

inline constexpr ServoParam kServoParams[] = {
    {"id", "id", QT_TRID_NOOP("ctl_help_param_id"), ServoParamKind::Number, 0, 253},
    {"min-angle", "minAngle", QT_TRID_NOOP("ctl_help_param_min_angle"), ServoParamKind::Number, 0,
     999},
    {"max-angle", "maxAngle", QT_TRID_NOOP("ctl_help_param_max_angle"), ServoParamKind::Number, 1,
     1000},
    {"min-voltage", "minVoltage", QT_TRID_NOOP("ctl_help_param_min_voltage"), ServoParamKind::Volts,
     4.5, 13.9},
    {"max-voltage", "maxVoltage", QT_TRID_NOOP("ctl_help_param_max_voltage"), ServoParamKind::Volts,
     4.6, 14.0},
    {"temperature-limit", "temperatureLimit", QT_TRID_NOOP("ctl_help_param_temperature"),
     ServoParamKind::Number, 50, 100},
    {"led", "led", QT_TRID_NOOP("ctl_help_param_led"), ServoParamKind::Switch, 0, 1},
    {"stall-alarm", "stallAlarm", QT_TRID_NOOP("ctl_help_param_stall"), ServoParamKind::Switch, 0,
     1, 4},
    {"over-voltage-alarm", "overVoltageAlarm", QT_TRID_NOOP("ctl_help_param_over_voltage"),
     ServoParamKind::Switch, 0, 1, 2},
    {"over-temperature-alarm", "overTemperatureAlarm",
     QT_TRID_NOOP("ctl_help_param_over_temperature"), ServoParamKind::Switch, 0, 1, 1},
};
inline constexpr int kServoParamCount = sizeof(kServoParams) / sizeof(kServoParams[0]);

// A parameter's value as a user gives and reads it: a number, volts, or 1 for "on".
double servoParamValue(const protocol::ServoInfo& info, int param);
// Throws CliError(kUsage) for a value out of range; keeps the record's other fields.
void setServoParam(protocol::ServoInfo& info, int param, double value);
// Throws CliError(kUsage) when the limits cross.
void checkServoLimits(const protocol::ServoInfo& info);

// The record with its live readings, as lines or as JSON.
QString servoInfoText(const protocol::ServoInfo& info);
QJsonObject servoInfoJson(const protocol::ServoInfo& info);

// The frame that writes the record (command 27).
QByteArray servoWriteFrame(const protocol::ServoInfo& info);

}  // namespace vornctl
