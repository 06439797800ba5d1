#include "model/named_poses.h"

#include <QDebug>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QSettings>
#include <algorithm>
#include <cmath>

#include "model/arm_profile.h"
#include "model/limits.h"

const char* const KoNamedPoses::kSettingsKey = "namedPoses";
const char* const KoNamedPoses::kUnreadableKey = "namedPosesUnreadable";

namespace {

constexpr qsizetype kMaxName = KoNamedPoses::kMaxNameLength;

QString channelKey(size_t index) { return QStringLiteral("ch%1").arg(index + 1); }

// At most `length` UTF-16 units of a simplified name, with no space left at the end.
QString cut(const QString& name, qsizetype length) {
  QStringView kept = KoTools::leftWhole(name, length);
  while (!kept.isEmpty() && kept.back().isSpace()) kept.chop(1);
  return kept.toString();
}

// A name as the poses keep it. Tidying a tidy name changes nothing, which is what lets a free
// name stay free once kept.
QString tidy(const QString& name) { return cut(name.simplified(), kMaxName); }

bool hasChannel(const KoChannelPositions& positions) {
  return std::any_of(positions.begin(), positions.end(),
                     [](const auto& p) { return p.has_value(); });
}

// The pose as kept, or nothing when put() refuses it.
std::optional<KoNamedPose> kept(KoNamedPose pose) {
  pose.name = tidy(pose.name);
  if (pose.name.isEmpty() || KoTools::firstUnprintable(pose.name) || !hasChannel(pose.positions)) {
    return std::nullopt;
  }
  for (auto& p : pose.positions) {
    if (p) p = limits::kPosition.clamp(*p);
  }
  return pose;
}

// The names taken, and for each stem (a base cut to leave room for a number of so many
// digits) the next number to try: numbering n names costs O(n) however many share a stem,
// where trying "base 2", "base 3", ... afresh for each would cost O(n^2).
class FreeNames {
 public:
  explicit FreeNames(const QList<KoNamedPose>& poses) {
    taken_.reserve(poses.size());
    for (const KoNamedPose& p : poses) taken_.insert(p.name);
  }

  // `base` (tidy) if it is free, else the first free "base N", taken from now on.
  QString claim(const QString& base) {
    QString name = base;
    for (int digits = 1; taken_.contains(name); ++digits) {
      const qint64 first = digits == 1 ? 2 : power10(digits - 1);
      const QString stem = cut(base, kMaxName - 1 - digits) + u' ';
      qint64& next = next_[stem + QChar(u'0' + digits)];
      next = std::max(next, first);
      while (next < power10(digits) && taken_.contains(stem + QString::number(next))) ++next;
      if (next < power10(digits)) name = stem + QString::number(next++);
    }
    taken_.insert(name);
    return name;
  }

 private:
  static qint64 power10(int n) {
    qint64 p = 1;
    while (n-- > 0) p *= 10;
    return p;
  }

  QSet<QString> taken_;
  QHash<QString, qint64> next_;
};

// A pose from its JSON object, or the fault.
std::optional<KoNamedPose> poseOf(const QJsonValue& value, QString* fault) {
  if (!value.isObject()) {
    *fault = qtTrId("poses_fault_not_object");
    return std::nullopt;
  }
  const QJsonObject o = value.toObject();
  KoNamedPose pose;
  const QString name = o.value(QLatin1String("name")).toString();
  if (const std::optional<char32_t> c = KoTools::firstUnprintable(name)) {
    *fault = qtTrId("poses_fault_name_unprintable").arg(KoTools::codePointName(*c));
    return std::nullopt;
  }
  pose.name = tidy(name);
  if (pose.name.isEmpty()) {
    *fault = qtTrId("poses_fault_name");
    return std::nullopt;
  }
  for (size_t j = 0; j < pose.positions.size(); ++j) {
    const QJsonValue v = o.value(channelKey(j));
    if (v.isNull() || v.isUndefined()) continue;
    const double d = v.toDouble(-1);
    // Compared as a double: 1e19 has no integer to be converted to.
    if (!v.isDouble() || d != std::floor(d) || !(d >= limits::kPosition.minimum) ||
        !(d <= limits::kPosition.maximum)) {
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
  const std::optional<KoNamedPose> p = kept(std::move(pose));
  if (!p) return false;
  if (const int i = indexOf(p->name); i >= 0) {
    poses_[i] = *p;
  } else {
    poses_.append(*p);
  }
  return true;
}

bool KoNamedPoses::remove(const QString& name) {
  const int i = indexOf(name);
  if (i < 0) return false;
  poses_.removeAt(i);
  return true;
}

QString KoNamedPoses::tidyName(const QString& name) { return tidy(name); }

QString KoNamedPoses::freeName(const QString& base) const {
  const QString b = tidy(base);
  return b.isEmpty() ? b : FreeNames(poses_).claim(b);
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
  FreeNames names(poses_);
  int added = 0;
  for (const KoNamedPose& pose : poses) {
    std::optional<KoNamedPose> p = kept(pose);
    if (!p) continue;
    p->name = names.claim(p->name);
    poses_.append(*p);
    ++added;
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
  // As put() would, a later pose of a name replacing the earlier, without put()'s search.
  QHash<QString, qsizetype> at;
  for (const KoNamedPose& pose : *poses) {
    const std::optional<KoNamedPose> k = kept(pose);
    if (!k) continue;
    if (const auto it = at.constFind(k->name); it != at.cend()) {
      p.poses_[*it] = *k;
    } else {
      at.insert(k->name, p.poses_.size());
      p.poses_.append(*k);
    }
  }
  return p;
}

QSettings::Status KoNamedPoses::save() const {
  QSettings settings;
  const QLatin1String key(kSettingsKey);
  const QVariant old = settings.value(key);
  if (old.isValid() && !fromJson(old.toString().toUtf8())) {
    settings.setValue(QLatin1String(kUnreadableKey), old);
  }
  settings.setValue(key, QString::fromUtf8(toJson()));
  settings.sync();
  return settings.status();
}
