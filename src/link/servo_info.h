#pragma once

#include <QByteArrayView>
#include <QString>
#include <QVariantList>
#include <optional>

// What a control offers for one value: its range, its step and where it starts.
struct KoServoRange {
  double minimum;
  double maximum;
  double step;
  double start;
};

// The parameter set of one bus servo as the tool shows it. The controls are bound to this
// record and the write request is built from it, so what is shown is what is written.
// Values from a reply are kept as they came, also beyond the ranges the controls offer.
struct KoServoInfo {
  static constexpr KoServoRange kServoId{0, 40, 1, 1};
  // Every id a bus servo can take (254 speaks to all); the command line offers them all.
  static constexpr KoServoRange kAnyServoId{0, 253, 1, 1};
  static constexpr KoServoRange kAngleMin{0, 999, 1, 0};
  static constexpr KoServoRange kAngleMax{1, 1000, 1, 1000};
  static constexpr KoServoRange kVoltageMin{4.5, 13.9, 0.1, 4.5};  // volts
  static constexpr KoServoRange kVoltageMax{4.6, 14.0, 0.1, 14.0};
  static constexpr KoServoRange kTemperatureLimit{50, 100, 1, 85};  // degrees Celsius
  // The servo test's move time (ms), target position and motor speed.
  static constexpr KoServoRange kMoveTime{0, 3000, 1, 0};
  static constexpr KoServoRange kTargetPosition{0, 1000, 1, 0};
  static constexpr KoServoRange kMotorSpeed{-1000, 1000, 1, 0};
  // The alarm byte's bits.
  static constexpr int kAlarmStall = 4;
  static constexpr int kAlarmOverVoltage = 2;
  static constexpr int kAlarmOverTemperature = 1;
  // Readings above these are shown at these.
  static constexpr int kPositionReadingMax = 1000;
  static constexpr float kVoltageReadingMax = 15.0f;

  int servoId = static_cast<int>(kServoId.start);
  int angleMin = static_cast<int>(kAngleMin.start);
  int angleMax = static_cast<int>(kAngleMax.start);
  int voltageMin = millivolts(kVoltageMin.start);
  int voltageMax = millivolts(kVoltageMax.start);
  int temperatureLimit = static_cast<int>(kTemperatureLimit.start);
  bool ledOn = true;
  bool alarmStall = true;
  bool alarmOverVoltage = true;
  bool alarmOverTemperature = true;
  // Read only: the servo's trim and its readings, none until a reply brings them.
  std::optional<int> deviation;
  std::optional<int> currentPosition;
  std::optional<int> currentTemperature;
  std::optional<float> currentVoltage;

  static constexpr int millivolts(double volts) {
    return static_cast<int>(volts * 1000 + (volts < 0 ? -0.5 : 0.5));
  }

  // The record a parameter reply (command 28) describes; nullopt when the report is too
  // short to hold every field.
  static std::optional<KoServoInfo> fromReply(QByteArrayView report);

  // The start values of the parameters, with the trim cleared; the readings stay.
  void reset();

  // A limit slider moved to `value`: the limit stays at least one step (1, or 0.1 V) clear
  // of its partner, and inside what the request's 16-bit field can carry.
  void moveAngleMin(int value);
  void moveAngleMax(int value);
  void moveVoltageMin(int millivolts);
  void moveVoltageMax(int millivolts);

  int alarmByte() const;
  // The write request's eight values: id, lower and upper angle, minimum and maximum mV,
  // temperature limit, LED wire value (0 = on), alarm bits.
  QVariantList writeValues() const;

  // How the labels show the values.
  static QString voltsText(int millivolts);            // "7.4"
  static QString temperatureLimitText(int degrees);    // "85 ℃"
  static QString temperatureReadingText(int degrees);  // "40℃"
  static QString voltageReadingText(float volts);      // "7.4V"
};
