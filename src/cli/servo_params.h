#pragma once

#include <QJsonObject>
#include <QString>
#include <optional>

#include "link/servo_info.h"

// The bus-servo parameters a user may write: the options of "servo write", their checks and
// the printed record all come from here, with the ranges the desktop tool's controls offer.
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
    {"id", "id", QT_TRID_NOOP("ctl_help_param_id"), ServoParamKind::Number,
     KoServoInfo::kAnyServoId.minimum, KoServoInfo::kAnyServoId.maximum},
    {"min-angle", "minAngle", QT_TRID_NOOP("ctl_help_param_min_angle"), ServoParamKind::Number,
     KoServoInfo::kAngleMin.minimum, KoServoInfo::kAngleMin.maximum},
    {"max-angle", "maxAngle", QT_TRID_NOOP("ctl_help_param_max_angle"), ServoParamKind::Number,
     KoServoInfo::kAngleMax.minimum, KoServoInfo::kAngleMax.maximum},
    {"min-voltage", "minVoltage", QT_TRID_NOOP("ctl_help_param_min_voltage"), ServoParamKind::Volts,
     KoServoInfo::kVoltageMin.minimum, KoServoInfo::kVoltageMin.maximum},
    {"max-voltage", "maxVoltage", QT_TRID_NOOP("ctl_help_param_max_voltage"), ServoParamKind::Volts,
     KoServoInfo::kVoltageMax.minimum, KoServoInfo::kVoltageMax.maximum},
    {"temperature-limit", "temperatureLimit", QT_TRID_NOOP("ctl_help_param_temperature"),
     ServoParamKind::Number, KoServoInfo::kTemperatureLimit.minimum,
     KoServoInfo::kTemperatureLimit.maximum},
    {"led", "led", QT_TRID_NOOP("ctl_help_param_led"), ServoParamKind::Switch, 0, 1},
    {"stall-alarm", "stallAlarm", QT_TRID_NOOP("ctl_help_param_stall"), ServoParamKind::Switch, 0,
     1, KoServoInfo::kAlarmStall},
    {"over-voltage-alarm", "overVoltageAlarm", QT_TRID_NOOP("ctl_help_param_over_voltage"),
     ServoParamKind::Switch, 0, 1, KoServoInfo::kAlarmOverVoltage},
    {"over-temperature-alarm", "overTemperatureAlarm",
     QT_TRID_NOOP("ctl_help_param_over_temperature"), ServoParamKind::Switch, 0, 1,
     KoServoInfo::kAlarmOverTemperature},
};
inline constexpr int kServoParamCount = sizeof(kServoParams) / sizeof(kServoParams[0]);

// A parameter's value as a user gives and reads it: a number, volts, or 1 for "on".
double servoParamValue(const KoServoInfo& info, int param);
// Throws CliError(kUsage) for a value out of range; keeps the record's other fields.
void setServoParam(KoServoInfo& info, int param, double value);
// Throws CliError(kUsage) when the limits cross: the screen moves a limit apart, a script
// would not see that happen.
void checkServoLimits(const KoServoInfo& info);

// The record with its live readings (a reading the servo did not give shows as "-", or null),
// as lines or as JSON.
QString servoInfoText(const KoServoInfo& info);
QJsonObject servoInfoJson(const KoServoInfo& info);

}  // namespace vornctl
