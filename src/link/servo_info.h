#pragma once

#include <QByteArrayView>
#include <QString>
#include <optional>

#include "model/limits.h"

// What a control offers for one value: its range, its step and where it starts, in the unit
// the control shows (volts for the voltage limits).
struct KoServoRange {
  double minimum;
  double maximum;
  double step;
  double start;

  static constexpr KoServoRange whole(limits::Range r) {
    return {double(r.minimum), double(r.maximum), 1, double(r.start)};
  }
  static constexpr KoServoRange volts(limits::Range millivolts) {
    return {millivolts.minimum / 1000.0, millivolts.maximum / 1000.0,
            limits::bus::kVoltageStep / 1000.0, millivolts.start / 1000.0};
  }
};

// The parameter set of one bus servo: the one record the tool's controls, vornctl and the
// virtual board share. A parameter reply (command 28) decodes into it and the write request
// (command 27) is built from it (both in link/protocol), so what is shown is what is
// written. Values from a reply are kept as they came, also beyond the ranges the controls
// offer; only the live readings are held to what a servo can report.
struct KoServoInfo {
  static constexpr KoServoRange kServoId = KoServoRange::whole(limits::bus::kToolServoId);
  // Every id a bus servo can take; the command line offers them all.
  static constexpr KoServoRange kAnyServoId = KoServoRange::whole(limits::kServoId);
  static constexpr KoServoRange kAngleMin = KoServoRange::whole(limits::bus::kAngleMin);
  static constexpr KoServoRange kAngleMax = KoServoRange::whole(limits::bus::kAngleMax);
  static constexpr KoServoRange kVoltageMin = KoServoRange::volts(limits::bus::kVoltageMin);
  static constexpr KoServoRange kVoltageMax = KoServoRange::volts(limits::bus::kVoltageMax);
  static constexpr KoServoRange kTemperatureLimit =
      KoServoRange::whole(limits::bus::kTemperatureLimit);
  // The servo test's move time (ms), target position and motor speed.
  static constexpr KoServoRange kMoveTime = KoServoRange::whole(limits::bus::kTestMoveTime);
  static constexpr KoServoRange kTargetPosition = KoServoRange::whole(limits::bus::kTargetPosition);
  static constexpr KoServoRange kMotorSpeed = KoServoRange::whole(limits::bus::kMotorSpeed);
  // The alarm byte's bits.
  static constexpr int kAlarmStall = 4;
  static constexpr int kAlarmOverVoltage = 2;
  static constexpr int kAlarmOverTemperature = 1;

  int servoId = limits::bus::kToolServoId.start;
  int angleMin = limits::bus::kAngleMin.start;
  int angleMax = limits::bus::kAngleMax.start;
  int voltageMin = limits::bus::kVoltageMin.start;  // millivolts
  int voltageMax = limits::bus::kVoltageMax.start;
  int temperatureLimit = limits::bus::kTemperatureLimit.start;  // degrees Celsius
  bool ledOn = true;
  bool alarmStall = true;
  bool alarmOverVoltage = true;
  bool alarmOverTemperature = true;
  // Read only: the servo's trim and its readings, none until a reply brings them.
  std::optional<int> deviation;
  std::optional<int> currentPosition;
  std::optional<int> currentTemperature;  // degrees Celsius
  std::optional<int> currentVoltage;      // millivolts

  friend bool operator==(const KoServoInfo&, const KoServoInfo&) = default;

  static constexpr int millivolts(double volts) {
    return static_cast<int>(volts * 1000 + (volts < 0 ? -0.5 : 0.5));
  }

  // The record a parameter reply describes, readings held to what a servo can report;
  // nullopt when the report is too short to hold every field.
  static std::optional<KoServoInfo> fromReply(QByteArrayView report);

  // The start values of the parameters, with the trim cleared; the readings stay.
  void reset();

  // A limit slider moved to `value`: the limit stays at least one step (1, or 0.1 V) clear
  // of its partner, and inside what the request's 16-bit field can carry.
  void moveAngleMin(int value);
  void moveAngleMax(int value);
  void moveVoltageMin(int millivolts);
  void moveVoltageMax(int millivolts);
  // Where the screen keeps limits apart by moving them, the command line refuses these.
  bool anglesCross() const { return angleMin >= angleMax; }
  bool voltagesCross() const { return voltageMin + limits::bus::kVoltageStep > voltageMax; }

  int alarmByte() const;
  void setAlarmByte(int bits);
  // The LED's wire value: 0 = on.
  int ledByte() const { return ledOn ? 0 : 1; }

  // How the labels show the values.
  static QString voltsText(int millivolts);            // "7.4"
  static QString temperatureLimitText(int degrees);    // "85 ℃"
  static QString temperatureReadingText(int degrees);  // "40℃"
  static QString voltageReadingText(int millivolts);   // "7.4V"
};
