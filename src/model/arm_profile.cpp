#include "model/arm_profile.h"

#include <QDebug>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QSettings>
#include <algorithm>
#include <cmath>

const char* const KoArmProfile::kLinkNames[kLinkCount] = {"column", "upperArm", "forearm", "hand"};
const QString KoArmProfile::kShippedName = QStringLiteral("Vorn arm");
const char* const KoArmProfiles::kSettingsKey = "armProfiles";
const char* const KoArmProfiles::kChosenKey = "armProfile";
const char* const KoArmProfiles::kUnreadableKey = "armProfilesUnreadable";
const QString KoArmProfiles::kMigratedName = QStringLiteral("My arm");

namespace {

// The first fault of a profile's JSON; fromJson() turns it into its error text.
struct Fault {
  QString message;
};

// A value with the place it was found, as the messages name it ("joints.elbow.channel").
struct Node {
  QJsonValue value;
  QString path;
};

QString numberText(double v) { return QString::number(v, 'g', QLocale::FloatingPointShortest); }

[[noreturn]] void fail(const QString& path, const QString& what) {
  throw Fault{path.isEmpty() ? what : qtTrId("arm_profile_fault_at").arg(path, what)};
}

Node at(const QJsonObject& object, const QString& path, const char* key) {
  const QString where = path.isEmpty() ? QLatin1String(key) : path + u'.' + QLatin1String(key);
  const QJsonValue v = object.value(QLatin1String(key));
  if (v.isUndefined()) fail(where, qtTrId("arm_profile_missing"));
  return {v, where};
}

QJsonObject asObject(const Node& n) {
  if (!n.value.isObject()) fail(n.path, qtTrId("arm_profile_not_object"));
  return n.value.toObject();
}

QString asText(const Node& n) {
  if (!n.value.isString()) fail(n.path, qtTrId("arm_profile_not_text"));
  return n.value.toString();
}

bool asBool(const Node& n) {
  if (!n.value.isBool()) fail(n.path, qtTrId("arm_profile_not_bool"));
  return n.value.toBool();
}

double asNumber(const Node& n, double lowest, double highest) {
  if (!n.value.isDouble()) fail(n.path, qtTrId("arm_profile_not_number"));
  const double v = n.value.toDouble();
  if (!(v >= lowest && v <= highest)) {
    fail(n.path,
         qtTrId("arm_profile_beyond").arg(numberText(v), numberText(lowest), numberText(highest)));
  }
  return v;
}

int asWhole(const Node& n, int lowest, int highest) {
  const double v = n.value.toDouble();
  if (!n.value.isDouble() || std::trunc(v) != v) {
    fail(n.path, qtTrId("arm_profile_not_whole").arg(lowest).arg(highest));
  }
  return static_cast<int>(asNumber(n, lowest, highest));
}

double asLink(const Node& n) {
  if (!n.value.isDouble()) fail(n.path, qtTrId("arm_profile_not_number"));
  const double v = n.value.toDouble();
  if (!(v > 0 && v <= KoArmProfile::kMaxLinkMm)) {
    fail(n.path,
         qtTrId("arm_profile_link").arg(numberText(KoArmProfile::kMaxLinkMm), numberText(v)));
  }
  return v;
}

KoArmProfile profileOf(const QJsonObject& root) {
  KoArmProfile p;
  const Node name = at(root, {}, "name");
  p.name = asText(name);
  if (p.name.trimmed().isEmpty()) fail(name.path, qtTrId("arm_profile_empty_name"));
  if (p.name.size() > KoArmProfile::kMaxNameLength) {
    fail(name.path,
         qtTrId("arm_profile_name_too_long").arg(KoArmProfile::kMaxNameLength).arg(p.name.size()));
  }
  if (const std::optional<char32_t> c = KoTools::firstUnprintable(p.name)) {
    fail(name.path, qtTrId("arm_profile_name_unprintable").arg(KoTools::codePointName(*c)));
  }

  const Node links = at(root, {}, "links");
  const QJsonObject linksObject = asObject(links);
  for (int l = 0; l < KoArmProfile::kLinkCount; ++l) {
    p.linksMm[l] = asLink(at(linksObject, links.path, KoArmProfile::kLinkNames[l]));
  }
  p.columnRadiusMm = asNumber(at(root, {}, "columnRadius"), 0, KoArmProfile::kMaxColumnRadiusMm);

  const Node joints = at(root, {}, "joints");
  const QJsonObject jointsObject = asObject(joints);
  for (int j = 0; j < KoArmJoints::kJointCount; ++j) {
    const Node joint = at(jointsObject, joints.path, KoArmJoints::kNames[j]);
    const QJsonObject o = asObject(joint);
    KoArmJoint& out = p.joints.joints[j];
    out.channel = asWhole(at(o, joint.path, "channel"), 1, KoArmProfile::kMaxJointChannel);
    const double turn = KoArmProfile::kMaxJointAngle;
    out.angleAt0 = asNumber(at(o, joint.path, "at0"), -turn, turn);
    out.angleAt1000 = asNumber(at(o, joint.path, "at1000"), -turn, turn);
  }

  const Node channels = at(root, {}, "channels");
  if (!channels.value.isArray()) fail(channels.path, qtTrId("arm_profile_not_list"));
  const QJsonArray list = channels.value.toArray();
  std::array<bool, limits::kArmChannels> seen{};
  for (qsizetype i = 0; i < list.size(); ++i) {
    const Node entry{list[i], channels.path + QStringLiteral("[%1]").arg(i)};
    const QJsonObject o = asObject(entry);
    const Node number = at(o, entry.path, "channel");
    const int c = asWhole(number, 1, limits::kArmChannels);
    if (seen[c - 1]) fail(number.path, qtTrId("arm_profile_channel_twice").arg(c));
    seen[c - 1] = true;
    KoChannelProfile& out = p.channels[c - 1];
    out.name = asText(at(o, entry.path, "name"));
    out.lowest =
        asWhole(at(o, entry.path, "lowest"), limits::kPosition.minimum, limits::kPosition.maximum);
    out.highest =
        asWhole(at(o, entry.path, "highest"), limits::kPosition.minimum, limits::kPosition.maximum);
    if (out.lowest > out.highest) {
      fail(entry.path, qtTrId("arm_profile_lowest_above_highest").arg(out.lowest).arg(out.highest));
    }
    out.reversed = asBool(at(o, entry.path, "reversed"));
  }
  for (int c = 1; c <= limits::kArmChannels; ++c) {
    if (!seen[c - 1]) fail(channels.path, qtTrId("arm_profile_channel_missing").arg(c));
  }
  return p;
}

// One value as JSON writes it: strings escaped, numbers as short as they read back exactly.
QByteArray jsonText(const QJsonValue& v) {
  const QByteArray a = QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact);
  return a.mid(1, a.size() - 2);
}

// An object on one line, its fields in the order given.
QByteArray jsonLine(std::initializer_list<std::pair<const char*, QJsonValue>> fields) {
  QByteArray out("{");
  for (const auto& [key, value] : fields) {
    if (out.size() > 1) out += ", ";
    out += '"' + QByteArray(key) + "\": " + jsonText(value);
  }
  return out + '}';
}

std::optional<QJsonArray> storedArray(const QVariant& stored) {
  if (stored.typeId() != QMetaType::QString && stored.typeId() != QMetaType::QByteArray) {
    return std::nullopt;
  }
  const QJsonDocument doc = QJsonDocument::fromJson(stored.toString().toUtf8());
  if (!doc.isArray()) return std::nullopt;
  return doc.array();
}

}  // namespace

bool KoTools::isUnprintable(char32_t c) {
  switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
      return true;
    default:
      return QChar::isNonCharacter(c);
  }
}

std::optional<char32_t> KoTools::firstUnprintable(QStringView text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    char32_t c = text[i].unicode();
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      c = QChar::surrogateToUcs4(text[i], text[i + 1]);
      ++i;
    }
    if (isUnprintable(c)) return c;
  }
  return std::nullopt;
}

QString KoTools::codePointName(char32_t c) {
  return QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper();
}

QStringView KoTools::leftWhole(QStringView text, qsizetype length) {
  if (length >= text.size()) return text;
  if (length <= 0) return text.first(0);
  return text.first(text[length - 1].isHighSurrogate() && text[length].isLowSurrogate() ? length - 1
                                                                                        : length);
}

namespace {

struct ShippedChannel {
  const char* name;
  const char* textId;
};
const ShippedChannel kShippedChannels[limits::kArmChannels] = {
    {"Gripper", QT_TRID_NOOP("arm_profile_joint_gripper")},
    {"Wrist roll", QT_TRID_NOOP("arm_profile_joint_wrist_roll")},
    {"Wrist", QT_TRID_NOOP("arm_profile_joint_wrist")},
    {"Elbow", QT_TRID_NOOP("arm_profile_joint_elbow")},
    {"Shoulder", QT_TRID_NOOP("arm_profile_joint_shoulder")},
    {"Base", QT_TRID_NOOP("arm_profile_joint_base")}};

}  // namespace

QString KoChannelProfile::shownName() const {
  for (const ShippedChannel& shipped : kShippedChannels) {
    if (name == QLatin1String(shipped.name)) return qtTrId(shipped.textId);
  }
  return name;
}

KoArmProfile KoArmProfile::shipped() {
  KoArmProfile p;
  p.name = kShippedName;
  p.joints = KoArmJoints::shipped();
  p.linksMm = {77, 119, 105, 77};
  p.columnRadiusMm = 30;
  for (int c = 0; c < limits::kArmChannels; ++c) {
    p.channels[c].name = QString::fromLatin1(kShippedChannels[c].name);
  }
  return p;
}

KoChannelProfile KoArmProfile::channel(int channel) const {
  if (channel >= 1 && channel <= limits::kArmChannels) return channels[channel - 1];
  return {};
}

bool operator==(const KoArmProfile& a, const KoArmProfile& b) {
  for (int j = 0; j < KoArmJoints::kJointCount; ++j) {
    const KoArmJoint &x = a.joints.joints[j], &y = b.joints.joints[j];
    if (x.channel != y.channel || x.angleAt0 != y.angleAt0 || x.angleAt1000 != y.angleAt1000) {
      return false;
    }
  }
  return a.name == b.name && a.linksMm == b.linksMm && a.columnRadiusMm == b.columnRadiusMm &&
         a.channels == b.channels;
}

// Written by hand rather than by QJsonDocument, which sorts keys: a person reading or editing
// the text finds the name first and each joint and channel on a line of its own.
QByteArray KoArmProfile::toJson() const {
  QByteArray out("{\n  \"name\": " + jsonText(name) + ",\n  \"links\": {");
  for (int l = 0; l < kLinkCount; ++l) {
    out += (l ? ", \"" : "\"") + QByteArray(kLinkNames[l]) + "\": " + jsonText(linksMm[l]);
  }
  out += "},\n  \"columnRadius\": " + jsonText(columnRadiusMm) + ",\n  \"joints\": {\n";
  for (int j = 0; j < KoArmJoints::kJointCount; ++j) {
    const KoArmJoint& joint = joints.joints[j];
    out +=
        "    \"" + QByteArray(KoArmJoints::kNames[j]) + "\": " +
        jsonLine(
            {{"channel", joint.channel}, {"at0", joint.angleAt0}, {"at1000", joint.angleAt1000}}) +
        (j + 1 < KoArmJoints::kJointCount ? ",\n" : "\n");
  }
  out += "  },\n  \"channels\": [\n";
  for (int c = 0; c < limits::kArmChannels; ++c) {
    const KoChannelProfile& ch = channels[c];
    out += "    " +
           jsonLine({{"channel", c + 1},
                     {"name", ch.name},
                     {"lowest", ch.lowest},
                     {"highest", ch.highest},
                     {"reversed", ch.reversed}}) +
           (c + 1 < limits::kArmChannels ? ",\n" : "\n");
  }
  return out + "  ]\n}\n";
}

std::optional<KoArmProfile> KoArmProfile::fromJson(const QByteArray& json, QString* error) {
  QJsonParseError parse;
  const QJsonDocument doc = QJsonDocument::fromJson(json, &parse);
  try {
    if (parse.error != QJsonParseError::NoError) {
      const QByteArray before = json.left(parse.offset);
      const qsizetype lineStart = before.lastIndexOf('\n') + 1;
      fail({}, qtTrId("arm_profile_not_json")
                   .arg(parse.errorString())
                   .arg(before.count('\n') + 1)
                   .arg(parse.offset - lineStart + 1)
                   .arg(parse.offset));
    }
    if (!doc.isObject()) fail({}, qtTrId("arm_profile_not_one_object"));
    return profileOf(doc.object());
  } catch (const Fault& f) {
    if (error) *error = f.message;
    return std::nullopt;
  }
}

std::optional<QString> KoArmProfile::fault() const {
  QString error;
  if (fromJson(toJson(), &error)) return std::nullopt;
  return error;
}

KoArmProfiles::KoArmProfiles() : profiles_{KoArmProfile::shipped()} {}

KoArmProfiles KoArmProfiles::load() {
  KoArmProfiles p;
  QSettings settings;
  const QVariant stored = settings.value(QLatin1String(kSettingsKey));
  const std::optional<QJsonArray> entries = storedArray(stored);
  if (stored.isValid() && !entries) {
    qWarning() << "arm profiles in the settings are no JSON array; only the shipped one is used";
  }
  for (const QJsonValue& entry : entries.value_or(QJsonArray{})) {
    QString error;
    std::optional<KoArmProfile> profile;
    try {
      if (!entry.isObject()) fail({}, qtTrId("arm_profile_not_one_object"));
      profile = profileOf(entry.toObject());
    } catch (const Fault& f) {
      error = f.message;
    }
    if (profile && std::any_of(p.profiles_.begin(), p.profiles_.end(),
                               [&](const KoArmProfile& q) { return q.name == profile->name; })) {
      error = QStringLiteral("the name \"%1\" is taken").arg(profile->name);
      profile.reset();
    }
    if (!profile) {
      qWarning().noquote() << "arm profile in the settings skipped:" << error;
      p.skipped_.append(entry);
      continue;
    }
    p.profiles_.append(*profile);
  }

  const QString chosen = settings.value(QLatin1String(kChosenKey)).toString();
  if (!chosen.isEmpty() && !p.choose(chosen)) {
    // Quoted, which writes out what a terminal would take for a command.
    qWarning() << "chosen arm profile" << chosen << "is not there; the shipped one is used";
  }

  // The table of the old key carries over once: its key goes, whether it was sane or not.
  const QLatin1String oldKey(KoArmJoints::kSettingsKey);
  if (settings.contains(oldKey)) {
    const QVariant old = settings.value(oldKey);
    const bool text = old.typeId() == QMetaType::QString || old.typeId() == QMetaType::QByteArray;
    if (const std::optional<KoArmJoints> table =
            text ? KoArmJoints::parse(old.toString().toUtf8()) : std::nullopt) {
      KoArmProfile mine = KoArmProfile::shipped();
      mine.name = p.freeName(kMigratedName);
      mine.joints = *table;
      p.put(mine);
      p.choose(mine.name);
      if (p.save() != QSettings::NoError) {
        qWarning() << "the arm profile made from the old joint table could not be saved";
      }
    } else {
      qWarning() << "arm joints under the old settings key are not a whole table; dropped";
    }
    settings.remove(oldKey);
  }
  return p;
}

KoArmProfile KoArmProfiles::current() { return load().chosen(); }

std::optional<KoArmProfile> KoArmProfiles::named(const QString& name) {
  const KoArmProfiles profiles = load();
  for (const KoArmProfile& p : profiles.all()) {
    if (p.name == name) return p;
  }
  return std::nullopt;
}

QSettings::Status KoArmProfiles::save() const {
  QSettings settings;
  const QLatin1String key(kSettingsKey);
  const QVariant old = settings.value(key);
  if (old.isValid() && !storedArray(old)) settings.setValue(QLatin1String(kUnreadableKey), old);
  QJsonArray entries;
  for (qsizetype i = 1; i < profiles_.size(); ++i) {
    entries.append(QJsonDocument::fromJson(profiles_[i].toJson()).object());
  }
  for (const QJsonValue& entry : skipped_) entries.append(entry);
  settings.setValue(key, QString::fromUtf8(QJsonDocument(entries).toJson(QJsonDocument::Compact)));
  settings.setValue(QLatin1String(kChosenKey), chosenName());
  settings.sync();
  return settings.status();
}

const KoArmProfile& KoArmProfiles::chosen() const { return profiles_.at(chosen_); }

bool KoArmProfiles::choose(const QString& name) {
  for (int i = 0; i < profiles_.size(); ++i) {
    if (profiles_[i].name == name) {
      chosen_ = i;
      return true;
    }
  }
  return false;
}

bool KoArmProfiles::put(const KoArmProfile& profile) {
  if (profile.name == KoArmProfile::kShippedName) return false;
  if (const std::optional<QString> fault = profile.fault()) {
    qWarning().noquote() << "arm profile not kept:" << *fault;
    return false;
  }
  for (qsizetype i = 1; i < profiles_.size(); ++i) {
    if (profiles_[i].name == profile.name) {
      profiles_[i] = profile;
      return true;
    }
  }
  profiles_.append(profile);
  return true;
}

bool KoArmProfiles::remove(const QString& name) {
  for (int i = 1; i < profiles_.size(); ++i) {
    if (profiles_[i].name != name) continue;
    profiles_.removeAt(i);
    if (chosen_ == i) {
      chosen_ = 0;
    } else if (chosen_ > i) {
      --chosen_;
    }
    return true;
  }
  return false;
}

QString KoArmProfiles::freeName(const QString& base) const {
  auto taken = [this](const QString& name) {
    return std::any_of(profiles_.begin(), profiles_.end(),
                       [&](const KoArmProfile& p) { return p.name == name; });
  };
  const auto cut = [&base](qsizetype length) {
    return KoTools::leftWhole(base, length).toString();
  };
  QString name = cut(KoArmProfile::kMaxNameLength);
  for (int n = 2; taken(name); ++n) {
    const QString suffix = u' ' + QString::number(n);
    name = cut(KoArmProfile::kMaxNameLength - suffix.size()) + suffix;
  }
  return name;
}
