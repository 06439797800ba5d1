#include "cli/servo_params.h"

#include <QVariantList>
#include <cmath>

#include "cli/exit_codes.h"

namespace vornctl {

namespace {

QString shown(double v, ServoParamKind kind) {
  switch (kind) {
    case ServoParamKind::Volts:
      return QString::number(v, 'f', 1);
    case ServoParamKind::Switch:
      return v != 0 ? QStringLiteral("on") : QStringLiteral("off");
    case ServoParamKind::Number:
      break;
  }
  return QString::number(v, 'f', 0);
}

}  // namespace

double servoParamValue(const KoServoInfo& info, int param) {
  switch (param) {
    case kParamId:
      return info.servoId;
    case kParamMinAngle:
      return info.angleMin;
    case kParamMaxAngle:
      return info.angleMax;
    case kParamMinVoltage:
      return info.voltageMin / 1000.0;
    case kParamMaxVoltage:
      return info.voltageMax / 1000.0;
    case kParamTemperatureLimit:
      return info.temperatureLimit;
    case kParamLed:
      return info.ledOn ? 1 : 0;
    default:
      return (info.alarmByte() & kServoParams[param].alarmBit) != 0 ? 1 : 0;
  }
}

void setServoParam(KoServoInfo& info, int param, double value) {
  const ServoParam& p = kServoParams[param];
  if (value < p.min - 1e-9 || value > p.max + 1e-9) {
    throw CliError(kUsage,
                   qtTrId("ctl_param_range")
                       .arg(QLatin1String(p.option), shown(p.min, p.kind), shown(p.max, p.kind)));
  }
  const int whole = static_cast<int>(std::lround(value));
  switch (param) {
    case kParamId:
      info.servoId = whole;
      break;
    case kParamMinAngle:
      info.angleMin = whole;
      break;
    case kParamMaxAngle:
      info.angleMax = whole;
      break;
    case kParamMinVoltage:
      info.voltageMin = KoServoInfo::millivolts(value);
      break;
    case kParamMaxVoltage:
      info.voltageMax = KoServoInfo::millivolts(value);
      break;
    case kParamTemperatureLimit:
      info.temperatureLimit = whole;
      break;
    case kParamLed:
      info.ledOn = whole != 0;
      break;
    default: {
      const int bits = info.alarmByte();
      info.setAlarmByte(whole != 0 ? (bits | p.alarmBit) : (bits & ~p.alarmBit));
    }
  }
}

void checkServoLimits(const KoServoInfo& info) {
  if (info.anglesCross()) {
    throw CliError(kUsage, qtTrId("ctl_angle_limits_cross").arg(info.angleMin).arg(info.angleMax));
  }
  if (info.voltagesCross()) {
    throw CliError(kUsage, qtTrId("ctl_voltage_limits_cross"));
  }
}

namespace {

QString readingText(const std::optional<int>& v) {
  return v ? QString::number(*v) : QStringLiteral("-");
}

QJsonValue readingJson(const std::optional<int>& v, double scale = 1) {
  return v ? QJsonValue(*v / scale) : QJsonValue(QJsonValue::Null);
}

}  // namespace

QString servoInfoText(const KoServoInfo& info) {
  QString out;
  auto line = [&out](const QString& name, const QString& value) {
    out += QStringLiteral("%1 %2\n").arg(name, -24).arg(value);
  };
  for (int i = 0; i < kServoParamCount; ++i) {
    const ServoParam& p = kServoParams[i];
    line(QLatin1String(p.option), shown(servoParamValue(info, i), p.kind));
  }
  line(QStringLiteral("trim"), readingText(info.deviation));
  line(QStringLiteral("position"), readingText(info.currentPosition));
  line(QStringLiteral("temperature"), readingText(info.currentTemperature));
  line(QStringLiteral("voltage"), info.currentVoltage
                                      ? QString::number(*info.currentVoltage / 1000.0, 'f', 1)
                                      : QStringLiteral("-"));
  return out;
}

QJsonObject servoInfoJson(const KoServoInfo& info) {
  QJsonObject o;
  for (int i = 0; i < kServoParamCount; ++i) {
    const ServoParam& p = kServoParams[i];
    const double v = servoParamValue(info, i);
    if (p.kind == ServoParamKind::Switch) {
      o.insert(QLatin1String(p.jsonKey), v != 0);
    } else {
      o.insert(QLatin1String(p.jsonKey), v);
    }
  }
  o.insert(QLatin1String("trim"), readingJson(info.deviation));
  o.insert(QLatin1String("position"), readingJson(info.currentPosition));
  o.insert(QLatin1String("temperature"), readingJson(info.currentTemperature));
  o.insert(QLatin1String("voltage"), readingJson(info.currentVoltage, 1000.0));
  return o;
}

}  // namespace vornctl
