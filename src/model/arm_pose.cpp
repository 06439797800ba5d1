#include "model/arm_pose.h"

#include <QDebug>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <QtMath>
#include <algorithm>

#include "model/limits.h"

const char* const KoArmJoints::kSettingsKey = "armJoints";
const char* const KoArmJoints::kNames[kJointCount] = {"base",  "shoulder",   "elbow",
                                                      "wrist", "wrist_roll", "gripper"};

namespace {

constexpr double kSegments[] = {0.22, 0.34, 0.30, 0.22};  // column, upper arm, forearm, hand

bool validAngle(const QJsonValue& v) { return v.isDouble() && std::abs(v.toDouble()) <= 360; }

}  // namespace

KoArmJoints KoArmJoints::fallback() {
  KoArmJoints t;
  t.joints = {
      {{6, -120, 120}, {5, 120, -120}, {4, 120, -120}, {3, 120, -120}, {2, -120, 120}, {1, 60, 0}}};
  return t;
}

std::optional<KoArmJoints> KoArmJoints::parse(const QByteArray& json) {
  const QJsonObject root = QJsonDocument::fromJson(json).object();
  KoArmJoints t;
  for (int j = 0; j < kJointCount; ++j) {
    const QJsonObject o = root.value(QLatin1String(kNames[j])).toObject();
    const int channel = o.value(QLatin1String("channel")).toInt(0);
    if (channel < 1 || channel > 16 || !validAngle(o.value(QLatin1String("at0"))) ||
        !validAngle(o.value(QLatin1String("at1000")))) {
      return std::nullopt;
    }
    t.joints[j] = {channel, o.value(QLatin1String("at0")).toDouble(),
                   o.value(QLatin1String("at1000")).toDouble()};
  }
  return t;
}

KoArmJoints KoArmJoints::load(const QString& resource) {
  const QString own = QSettings().value(QLatin1String(kSettingsKey)).toString();
  if (!own.isEmpty()) {
    if (auto t = parse(own.toUtf8())) return *t;
    qWarning() << "arm joints in the settings are not a whole table; the shipped one is used";
  }
  return shipped(resource);
}

KoArmJoints KoArmJoints::shipped(const QString& resource) {
  if (!QFile::exists(resource)) return fallback();
  QFile file(resource);
  if (file.open(QIODevice::ReadOnly)) {
    if (auto t = parse(file.readAll())) return *t;
  }
  qWarning() << "arm joints resource unreadable:" << resource;
  return fallback();
}

std::array<double, KoArmJoints::kJointCount> armJointAngles(const KoArmJoints& table,
                                                            const KoChannelPositions& positions) {
  std::array<double, KoArmJoints::kJointCount> out{};
  for (int j = 0; j < KoArmJoints::kJointCount; ++j) {
    const KoArmJoint& joint = table.joints[j];
    int position = limits::kPosition.start;
    if (joint.channel >= 1 && joint.channel <= int(positions.size()) &&
        positions[joint.channel - 1]) {
      position = limits::kPosition.clamp(*positions[joint.channel - 1]);
    }
    out[j] = joint.angleAt0 +
             (joint.angleAt1000 - joint.angleAt0) * position / double(limits::kPosition.maximum);
  }
  return out;
}

std::array<QPointF, 5> armSkeleton(const std::array<double, KoArmJoints::kJointCount>& angles) {
  std::array<QPointF, 5> points;
  points[1] = QPointF(0, kSegments[0]);
  double pitch = 0;
  for (int s = 1; s < 4; ++s) {
    pitch += angles[KoArmJoints::kShoulder + s - 1];
    const double a = qDegreesToRadians(pitch);
    points[s + 1] = points[s] + QPointF(std::sin(a) * kSegments[s], std::cos(a) * kSegments[s]);
  }
  return points;
}
