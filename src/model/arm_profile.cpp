#include "model/arm_profile.h"

#include <QSettings>

const char* const KoArmProfile::kLinkNames[kLinkCount] = {"column", "upperArm", "forearm", "hand"};
const QString KoArmProfile::kShippedName = QStringLiteral("Vorn arm");
const char* const KoArmProfiles::kSettingsKey = "armProfiles";
const char* const KoArmProfiles::kChosenKey = "armProfile";

KoArmProfile KoArmProfile::shipped() {
  KoArmProfile p;
  p.name = kShippedName;
  p.joints = KoArmJoints::load();
  p.linksMm = {77, 119, 105, 77};
  p.columnRadiusMm = 30;
  const char* names[] = {"Gripper", "Wrist roll", "Wrist", "Elbow", "Shoulder", "Base"};
  for (int c = 0; c < limits::kArmChannels; ++c) p.channels[c].name = QString::fromLatin1(names[c]);
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

// To be written: the JSON format, its validation and the settings store.
QByteArray KoArmProfile::toJson() const { return {}; }

std::optional<KoArmProfile> KoArmProfile::fromJson(const QByteArray&, QString* error) {
  if (error) *error = QStringLiteral("not yet");
  return std::nullopt;
}

KoArmProfiles KoArmProfiles::load() {
  KoArmProfiles p;
  p.profiles_.append(KoArmProfile::shipped());
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

void KoArmProfiles::save() const {}

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

bool KoArmProfiles::put(const KoArmProfile&) { return false; }
bool KoArmProfiles::remove(const QString&) { return false; }
QString KoArmProfiles::freeName(const QString& base) const { return base; }
