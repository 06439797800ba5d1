#pragma once

#include <QByteArray>
#include <QJsonArray>
#include <QList>
#include <QSettings>
#include <QString>
#include <QStringView>
#include <array>
#include <optional>

#include "model/arm_pose.h"
#include "model/limits.h"

// Names users give profiles and poses are shown in lists and printed by vornctl. A character
// that shows nothing of its own or turns the text around it (a control or format character
// such as U+202E, a line or paragraph separator, a lone surrogate, a non-character) would
// let two names look alike, and written to a terminal it can take the terminal over.
namespace KoTools {
bool isUnprintable(char32_t c);
// The first such character of `text`, if any.
std::optional<char32_t> firstUnprintable(QStringView text);
// "U+202E".
QString codePointName(char32_t c);
// At most `length` UTF-16 units of `text`, a surrogate pair never split.
QStringView leftWhole(QStringView text, qsizetype length);
}  // namespace KoTools

// What one channel is on a given arm: its name, the positions it may be sent, and whether
// its servo is mounted the other way round. Reversal is a matter of the screen only (the
// slider and the drawn joint turn the other way); stored and sent positions never change,
// so action files stay exchangeable between arms.
struct KoChannelProfile {
  QString name;
  int lowest = limits::kPosition.minimum;
  int highest = limits::kPosition.maximum;
  bool reversed = false;

  // The name as shown: the shipped profile's names (in a copy of it too) in the chosen
  // language, any other as the user wrote it. The stored name never changes with the language.
  QString shownName() const;
  limits::Range range() const { return {lowest, highest, lowest}; }
  bool contains(qint64 position) const { return range().contains(position); }
  int clamp(qint64 position) const { return range().clamp(position); }
  friend bool operator==(const KoChannelProfile&, const KoChannelProfile&) = default;
};

// One arm as the program knows it: which channel drives which joint (and at what angles),
// how long its links are, how wide the base's column is, and each channel's safe range.
struct KoArmProfile {
  // Base foot to shoulder axis, shoulder to elbow, elbow to wrist, wrist to the gripper's tip.
  enum Link { kColumn, kUpperArm, kForearm, kHand, kLinkCount };
  static const char* const kLinkNames[kLinkCount];
  // The name of the profile that ships with the program; it cannot be edited, only copied.
  static const QString kShippedName;
  // The longest name a profile may have; the dialog's name field takes no more.
  static constexpr int kMaxNameLength = 80;

  QString name;
  KoArmJoints joints;
  std::array<double, kLinkCount> linksMm{};
  // Half the width of the base's column, in mm: no joint may come nearer its axis than this
  // below the shoulder.
  double columnRadiusMm = 0;
  // Channel 1 at index 0.
  std::array<KoChannelProfile, limits::kArmChannels> channels;

  static KoArmProfile shipped();

  // Channels beyond the arm's six have the whole position range and no name.
  KoChannelProfile channel(int channel) const;
  bool inRange(int channel, qint64 position) const {
    return this->channel(channel).contains(position);
  }
  int clamp(int channel, qint64 position) const { return this->channel(channel).clamp(position); }
  // The arm's reach from the shoulder, in mm.
  double reachMm() const { return linksMm[kUpperArm] + linksMm[kForearm] + linksMm[kHand]; }

  // Bounds a profile is held to, shared by its JSON and the screens that edit it.
  static constexpr double kMaxLinkMm = 2000;
  static constexpr double kMaxColumnRadiusMm = 2000;
  static constexpr double kMaxJointAngle = 360;
  static constexpr int kMaxJointChannel = 16;

  // One profile as a JSON object (the format the README documents).
  QByteArray toJson() const;
  // The profile a JSON text holds; otherwise null, with `error` saying what is wrong and
  // where (the first fault found). Fields the format does not know are ignored.
  static std::optional<KoArmProfile> fromJson(const QByteArray& json, QString* error = nullptr);
  // Null when the profile breaks none of the rules fromJson() holds a text to, else the first
  // fault.
  std::optional<QString> fault() const;

  friend bool operator==(const KoArmProfile& a, const KoArmProfile& b);
};

// The profiles a user has, kept in the settings: the shipped one first (read-only), then the
// user's own, and the name of the chosen one.
class KoArmProfiles {
 public:
  static const char* const kSettingsKey;  // a JSON array of the user's own profiles
  static const char* const kChosenKey;    // the chosen profile's name
  // Where save() puts a value under kSettingsKey that is no JSON array, rather than lose it.
  static const char* const kUnreadableKey;
  // The name a joint table from the old settings key gets.
  static const QString kMigratedName;

  // The shipped profile alone, chosen.
  KoArmProfiles();

  // From the settings. The first time, a joint table under the old KoArmJoints::kSettingsKey
  // becomes a profile of its own (and is chosen, and saved); the old key is then removed.
  // A profile that is invalid or whose name is taken is skipped with a warning, and kept in
  // the settings by save(); an unknown choice means the shipped profile.
  static KoArmProfiles load();
  // The chosen profile as the settings have it now.
  static KoArmProfile current();
  // The profile of that name in the settings, if there is one.
  static std::optional<KoArmProfile> named(const QString& name);

  // Writes the user's profiles and the choice; anything but NoError means they are not kept.
  [[nodiscard]] QSettings::Status save() const;

  const QList<KoArmProfile>& all() const { return profiles_; }
  const KoArmProfile& chosen() const;
  QString chosenName() const { return chosen().name; }
  bool choose(const QString& name);
  // Adds or replaces (by name) one of the user's profiles; false for the shipped name or a
  // profile with a fault().
  bool put(const KoArmProfile& profile);
  // False for the shipped profile and unknown names. Removing the chosen one chooses the
  // shipped profile.
  bool remove(const QString& name);
  // A name not yet taken, from `base` ("Vorn arm copy", "Vorn arm copy 2", ...), cut to fit
  // kMaxNameLength with its number.
  QString freeName(const QString& base) const;

 private:
  QList<KoArmProfile> profiles_;  // the shipped one first
  int chosen_ = 0;
  QJsonArray skipped_;  // entries load() could not take, written back as they were
};
