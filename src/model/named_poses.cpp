#include "model/named_poses.h"

#include <QDebug>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSettings>
#include <algorithm>
#include <cmath>

#include "model/limits.h"

const char* const KoNamedPoses::kSettingsKey = "namedPoses";
const char* const KoNamedPoses::kUnreadableKey = "namedPosesUnreadable";

namespace {

QString channelKey(size_t index) { return QStringLiteral("ch%1").arg(index + 1); }

QString cleanName(const QString& name) {
  return name.simplified().left(KoNamedPoses::kMaxNameLength);
}

bool hasChannel(const KoChannelPositions& positions) {
  return std::any_of(positions.begin(), positions.end(),
                     [](const auto& p) { return p.has_value(); });
}

// A pose from its JSON object, or the fault.
std::optional<KoNamedPose> poseOf(const QJsonValue& value, QString* fault) {
  if (!value.isObject()) {
    *fault = qtTrId("poses_fault_not_object");
    return std::nullopt;
  }
  const QJsonObject o = value.toObject();
  KoNamedPose pose;
  const QJsonValue name = o.value(QLatin1String("name"));
  pose.name = cleanName(name.toString());
  if (pose.name.isEmpty()) {
    *fault = qtTrId("poses_fault_name");
    return std::nullopt;
  }
  for (size_t j = 0; j < pose.positions.size(); ++j) {
    const QJsonValue v = o.value(channelKey(j));
    if (v.isNull() || v.isUndefined()) continue;
    const double d = v.toDouble(-1);
    if (!v.isDouble() || d != std::floor(d) || !limits::kPosition.contains(qint64(d))) {
      *fault = qtTrId("poses_fault_channel")
                   .arg(channelKey(j))
                   .arg(limits::kPosition.minimum)
                   .arg(limits::kPosition.maximum);
      return std::nullopt;
    }
    pose.positions[j] = int(d);
  }
  if (!hasChannel(pose.positions)) {
    *fault = qtTrId("poses_fault_no_channel");
    return std::nullopt;
  }
  return pose;
}

}  // namespace

int KoNamedPoses::indexOf(const QString& name) const {
  for (int i = 0; i < poses_.size(); ++i) {
    if (poses_[i].name == name) return i;
  }
  return -1;
}

bool KoNamedPoses::put(KoNamedPose pose) {
  pose.name = cleanName(pose.name);
  if (pose.name.isEmpty() || !hasChannel(pose.positions)) return false;
  for (auto& p : pose.positions) {
    if (p) p = limits::kPosition.clamp(*p);
  }
  if (const int i = indexOf(pose.name); i >= 0) {
    poses_[i] = pose;
  } else {
    poses_.append(pose);
  }
  return true;
}

bool KoNamedPoses::remove(const QString& name) {
  const int i = indexOf(name);
  if (i < 0) return false;
  poses_.removeAt(i);
  return true;
}

QString KoNamedPoses::freeName(const QString& base) const {
  const QString b = cleanName(base);
  if (indexOf(b) < 0) return b;
  for (int n = 2;; ++n) {
    const QString suffix = QStringLiteral(" %1").arg(n);
    const QString name = b.left(kMaxNameLength - suffix.size()) + suffix;
    if (indexOf(name) < 0) return name;
  }
}

QByteArray KoNamedPoses::toJson() const {
  QJsonArray list;
  for (const KoNamedPose& pose : poses_) {
    QJsonObject o;
    o.insert(QLatin1String("name"), pose.name);
    for (size_t j = 0; j < pose.positions.size(); ++j) {
      o.insert(channelKey(j),
               pose.positions[j] ? QJsonValue(*pose.positions[j]) : QJsonValue(QJsonValue::Null));
    }
    list.append(o);
  }
  QJsonObject root;
  root.insert(QLatin1String("version"), kVersion);
  root.insert(QLatin1String("poses"), list);
  return QJsonDocument(root).toJson();
}

std::optional<QList<KoNamedPose>> KoNamedPoses::fromJson(const QByteArray& json, QString* error) {
  const auto failed = [error](const QString& why) -> std::optional<QList<KoNamedPose>> {
    if (error) *error = why;
    return std::nullopt;
  };
  QJsonParseError parse;
  const QJsonDocument doc = QJsonDocument::fromJson(json, &parse);
  if (parse.error != QJsonParseError::NoError) {
    return failed(qtTrId("poses_fault_not_json").arg(parse.offset));
  }
  const QJsonValue list = doc.object().value(QLatin1String("poses"));
  if (!list.isArray()) {
    return failed(qtTrId("poses_fault_no_list"));
  }
  QList<KoNamedPose> poses;
  const QJsonArray entries = list.toArray();
  for (qsizetype i = 0; i < entries.size(); ++i) {
    QString fault;
    const std::optional<KoNamedPose> pose = poseOf(entries[i], &fault);
    if (!pose) return failed(qtTrId("poses_fault_at").arg(i + 1).arg(fault));
    poses.append(*pose);
  }
  return poses;
}

int KoNamedPoses::merge(const QList<KoNamedPose>& poses) {
  int added = 0;
  for (KoNamedPose pose : poses) {
    pose.name = freeName(pose.name);
    added += put(pose) ? 1 : 0;
  }
  return added;
}

KoNamedPoses KoNamedPoses::load() {
  KoNamedPoses p;
  const QVariant stored = QSettings().value(QLatin1String(kSettingsKey));
  if (!stored.isValid()) return p;
  QString error;
  const auto poses = fromJson(stored.toString().toUtf8(), &error);
  if (!poses) {
    qWarning().noquote() << "named poses in the settings unreadable:" << error;
    return p;
  }
  for (const KoNamedPose& pose : *poses) p.put(pose);
  return p;
}

void KoNamedPoses::save() const {
  QSettings settings;
  const QLatin1String key(kSettingsKey);
  const QVariant old = settings.value(key);
  if (old.isValid() && !fromJson(old.toString().toUtf8())) {
    settings.setValue(QLatin1String(kUnreadableKey), old);
  }
  settings.setValue(key, QString::fromUtf8(toJson()));
}
