#include "model/arm_pose.h"

#include <QDebug>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

const char* const KoArmJoints::kSettingsKey = "armJoints";
const char* const KoArmJoints::kNames[kJointCount] = {"base",  "shoulder",   "elbow",
                                                      "wrist", "wrist_roll", "gripper"};

namespace {

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

KoArmJoints KoArmJoints::shipped(const QString& resource) {
  if (!QFile::exists(resource)) return fallback();
  QFile file(resource);
  if (file.open(QIODevice::ReadOnly)) {
    if (auto t = parse(file.readAll())) return *t;
  }
  qWarning() << "arm joints resource unreadable:" << resource;
  return fallback();
}
