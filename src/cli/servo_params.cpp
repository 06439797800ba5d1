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

double servoParamValue(const protocol::ServoInfo& info, int param) {
  switch (param) {
    case kParamId:
      return info.id;
    case kParamMinAngle:
      return info.minAngle;
    case kParamMaxAngle:
      return info.maxAngle;
    case kParamMinVoltage:
      return info.minVoltage / 1000.0;
    case kParamMaxVoltage:
      return info.maxVoltage / 1000.0;
    case kParamTemperatureLimit:
      return info.temperatureLimit;
    case kParamLed:
      return info.led == 0 ? 1 : 0;  // the wire says 0 for on
    default:
      return (info.alarm & kServoParams[param].alarmBit) != 0 ? 1 : 0;
  }
}

void setServoParam(protocol::ServoInfo& info, int param, double value) {
  const ServoParam& p = kServoParams[param];
  if (value < p.min - 1e-9 || value > p.max + 1e-9) {
    throw CliError(kUsage,
                   qtTrId("ctl_param_range")
                       .arg(QLatin1String(p.option), shown(p.min, p.kind), shown(p.max, p.kind)));
  }
  const int whole = static_cast<int>(std::lround(value));
  const int millivolts = static_cast<int>(std::lround(value * 1000));
  switch (param) {
    case kParamId:
      info.id = whole;
      break;
    case kParamMinAngle:
      info.minAngle = whole;
      break;
    case kParamMaxAngle:
      info.maxAngle = whole;
      break;
    case kParamMinVoltage:
      info.minVoltage = millivolts;
      break;
    case kParamMaxVoltage:
      info.maxVoltage = millivolts;
      break;
    case kParamTemperatureLimit:
      info.temperatureLimit = whole;
      break;
    case kParamLed:
      info.led = whole != 0 ? 0 : 1;
      break;
    default:
      info.alarm = whole != 0 ? (info.alarm | p.alarmBit) : (info.alarm & ~p.alarmBit);
  }
}

void checkServoLimits(const protocol::ServoInfo& info) {
  if (info.minAngle >= info.maxAngle) {
    throw CliError(kUsage, qtTrId("ctl_angle_limits_cross").arg(info.minAngle).arg(info.maxAngle));
  }
  if (info.minVoltage + 100 > info.maxVoltage) {
    throw CliError(kUsage, qtTrId("ctl_voltage_limits_cross"));
  }
}

QString servoInfoText(const protocol::ServoInfo& info) {
  QString out;
  for (int i = 0; i < kServoParamCount; ++i) {
    const ServoParam& p = kServoParams[i];
    out += QStringLiteral("%1 %2\n")
               .arg(QLatin1String(p.option), -24)
               .arg(shown(servoParamValue(info, i), p.kind));
  }
  out += QStringLiteral("%1 %2\n").arg(QStringLiteral("trim"), -24).arg(info.deviation);
  out += QStringLiteral("%1 %2\n").arg(QStringLiteral("position"), -24).arg(info.position);
  out += QStringLiteral("%1 %2\n").arg(QStringLiteral("temperature"), -24).arg(info.temperature);
  out += QStringLiteral("%1 %2\n")
             .arg(QStringLiteral("voltage"), -24)
             .arg(QString::number(info.voltage / 1000.0, 'f', 1));
  return out;
}

QJsonObject servoInfoJson(const protocol::ServoInfo& info) {
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
  o.insert(QLatin1String("trim"), info.deviation);
  o.insert(QLatin1String("position"), info.position);
  o.insert(QLatin1String("temperature"), info.temperature);
  o.insert(QLatin1String("voltage"), info.voltage / 1000.0);
  return o;
}

QByteArray servoWriteFrame(const protocol::ServoInfo& info) {
  return protocol::writeServoInfo({info.id, info.minAngle, info.maxAngle, info.minVoltage,
                                   info.maxVoltage, info.temperatureLimit, info.led, info.alarm});
}

}  // namespace vornctl
