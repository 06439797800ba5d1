#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

// Which channel drives which joint of the arm, and the angle each joint takes at positions
// 0 and 1000 (linear in between). An arm profile holds one; a table once kept on its own in
// the settings (kSettingsKey) becomes a profile when the profiles are first loaded.
struct KoArmJoint {
  int channel = 0;
  double angleAt0 = 0;
  double angleAt1000 = 0;
};

struct KoArmJoints {
  enum Joint { kBase, kShoulder, kElbow, kWrist, kWristRoll, kGripper, kJointCount };
  std::array<KoArmJoint, kJointCount> joints;

  static const char* const kSettingsKey;
  static const char* const kNames[kJointCount];

  // The shipped table alone, whatever the settings hold. A program built without the
  // resource (vornctl) gets the same table from fallback().
  static KoArmJoints shipped(const QString& resource = QStringLiteral(":/armJoints.json"));
  // Null when the text is not a whole table: every joint once, channels 1 to 16, angles
  // within one turn either way.
  static std::optional<KoArmJoints> parse(const QByteArray& json);
  static KoArmJoints fallback();
};

// One channel position per channel 1 to 6; absent ones hold no value.
using KoChannelPositions = std::array<std::optional<int>, 6>;
