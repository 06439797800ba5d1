#include "link/servo_info.h"

#include <QDebug>
#include <algorithm>

#include "link/protocol.h"

namespace {

constexpr int kWire16Max = 0xFFFF;

int onWire(int value) { return std::clamp(value, 0, kWire16Max); }

}  // namespace

std::optional<KoServoInfo> KoServoInfo::fromReply(QByteArrayView report) {
  std::optional<KoServoInfo> info = protocol::decodeServoInfo(report);
  if (!info) {
    qWarning().noquote() << QStringLiteral("ignoring a servo parameter reply cut short (%1 bytes)")
                                .arg(report.size());
  }
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
  voltageMin = onWire(mv >= voltageMax ? voltageMax - limits::bus::kVoltageStep : mv);
}

void KoServoInfo::moveVoltageMax(int mv) {
  voltageMax = onWire(mv <= voltageMin ? voltageMin + limits::bus::kVoltageStep : mv);
}

int KoServoInfo::alarmByte() const {
  return (alarmStall ? kAlarmStall : 0) | (alarmOverVoltage ? kAlarmOverVoltage : 0) |
         (alarmOverTemperature ? kAlarmOverTemperature : 0);
}

void KoServoInfo::setAlarmByte(int bits) {
  alarmStall = bits & kAlarmStall;
  alarmOverVoltage = bits & kAlarmOverVoltage;
  alarmOverTemperature = bits & kAlarmOverTemperature;
}

QString KoServoInfo::voltsText(int mv) { return QString::asprintf("%.1f", mv / 1000.0); }

QString KoServoInfo::temperatureLimitText(int degrees) {
  return QStringLiteral("%1 ℃").arg(degrees);
}

QString KoServoInfo::temperatureReadingText(int degrees) {
  return QStringLiteral("%1℃").arg(degrees);
}

QString KoServoInfo::voltageReadingText(int mv) { return voltsText(mv) + u'V'; }
