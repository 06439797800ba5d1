#include "link/servo_info.h"

#include <QDebug>
#include <algorithm>

#include "link/protocol.h"

namespace {

constexpr int kWire16Max = 0xFFFF;
constexpr int kVoltageStep = 100;  // millivolts, the sliders' 0.1 V

int onWire(int value) { return std::clamp(value, 0, kWire16Max); }

}  // namespace

std::optional<KoServoInfo> KoServoInfo::fromReply(QByteArrayView report) {
  const std::optional<protocol::ServoInfo> s = protocol::decodeServoInfo(report);
  if (!s) {
    qWarning().noquote() << QStringLiteral("ignoring a servo parameter reply cut short (%1 bytes)")
                                .arg(report.size());
    return std::nullopt;
  }
  KoServoInfo info;
  info.servoId = s->id;
  info.angleMin = s->minAngle;
  info.angleMax = s->maxAngle;
  info.voltageMin = s->minVoltage;
  info.voltageMax = s->maxVoltage;
  info.temperatureLimit = s->temperatureLimit;
  info.ledOn = s->led == 0;
  info.alarmStall = s->alarm & kAlarmStall;
  info.alarmOverVoltage = s->alarm & kAlarmOverVoltage;
  info.alarmOverTemperature = s->alarm & kAlarmOverTemperature;
  info.deviation = s->deviation;
  info.currentPosition = std::min(s->position, kPositionReadingMax);
  info.currentTemperature = s->temperature;
  info.currentVoltage = std::min(static_cast<float>(s->voltage) / 1000.0f, kVoltageReadingMax);
  return info;
}

void KoServoInfo::reset() {
  KoServoInfo fresh;
  fresh.currentPosition = currentPosition;
  fresh.currentTemperature = currentTemperature;
  fresh.currentVoltage = currentVoltage;
  *this = fresh;
}

void KoServoInfo::moveAngleMin(int value) {
  angleMin = onWire(value >= angleMax ? angleMax - 1 : value);
}

void KoServoInfo::moveAngleMax(int value) {
  angleMax = onWire(value <= angleMin ? angleMin + 1 : value);
}

void KoServoInfo::moveVoltageMin(int mv) {
  voltageMin = onWire(mv >= voltageMax ? voltageMax - kVoltageStep : mv);
}

void KoServoInfo::moveVoltageMax(int mv) {
  voltageMax = onWire(mv <= voltageMin ? voltageMin + kVoltageStep : mv);
}

int KoServoInfo::alarmByte() const {
  return (alarmStall ? kAlarmStall : 0) | (alarmOverVoltage ? kAlarmOverVoltage : 0) |
         (alarmOverTemperature ? kAlarmOverTemperature : 0);
}

QVariantList KoServoInfo::writeValues() const {
  return {servoId,    angleMin,         angleMax,      voltageMin,
          voltageMax, temperatureLimit, ledOn ? 0 : 1, alarmByte()};
}

QString KoServoInfo::voltsText(int mv) { return QString::asprintf("%.1f", mv / 1000.0); }

QString KoServoInfo::temperatureLimitText(int degrees) {
  return QStringLiteral("%1 ℃").arg(degrees);
}

QString KoServoInfo::temperatureReadingText(int degrees) {
  return QStringLiteral("%1℃").arg(degrees);
}

QString KoServoInfo::voltageReadingText(float volts) {
  return QString::asprintf("%.1fV", static_cast<double>(volts));
}
