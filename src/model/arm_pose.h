#pragma once

#include <QByteArray>
#include <QList>
#include <QPointF>
#include <QString>
#include <array>
#include <optional>

// Which channel drives which joint of the arm, and the angle each joint takes at positions
// 0 and 1000 (linear in between). A user's own table in the settings replaces the shipped
// one, provided it is whole and sane; anything else falls back to the shipped table.
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

  // The shipped table from its resource, or from the settings when a valid one is there.
  static KoArmJoints load(const QString& resource = QStringLiteral(":/armJoints.json"));
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

// Joint angles in degrees for positions; a joint whose channel has no position rests at the
// angle of the middle position 500. Positions beyond 0 to 1000 are held at the ends.
std::array<double, KoArmJoints::kJointCount> armJointAngles(const KoArmJoints& table,
                                                            const KoChannelPositions& positions);

// The arm seen from the side, in the plane it turns with the base, in units of its own reach:
// base foot, shoulder, elbow, wrist and fingertip, with y up. Pitch angles of 0 point
// straight up. The base's own turn is left to a view from above.
std::array<QPointF, 5> armSkeleton(const std::array<double, KoArmJoints::kJointCount>& angles);
