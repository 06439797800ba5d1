#include "model/arm_kinematics.h"

#include <QtMath>
#include <algorithm>
#include <cmath>

namespace kinematics {

std::array<double, KoArmJoints::kJointCount> jointAngles(const KoArmProfile& profile,
                                                         const KoChannelPositions& positions) {
  std::array<double, KoArmJoints::kJointCount> out{};
  for (int j = 0; j < KoArmJoints::kJointCount; ++j) {
    const KoArmJoint& joint = profile.joints.joints[j];
    double position = limits::kPosition.start;
    if (joint.channel >= 1 && joint.channel <= int(positions.size()) &&
        positions[joint.channel - 1]) {
      position = limits::kPosition.clamp(*positions[joint.channel - 1]);
    }
    if (profile.channel(joint.channel).reversed) position = limits::kPosition.maximum - position;
    out[j] = joint.angleAt0 +
             (joint.angleAt1000 - joint.angleAt0) * position / double(limits::kPosition.maximum);
  }
  return out;
}

double handPitch(const std::array<double, KoArmJoints::kJointCount>& angles) {
  return angles[KoArmJoints::kShoulder] + angles[KoArmJoints::kElbow] + angles[KoArmJoints::kWrist];
}

Skeleton skeleton(const KoArmProfile& profile,
                  const std::array<double, KoArmJoints::kJointCount>& angles) {
  Skeleton points;
  points[kFoot] = QPointF(0, 0);
  points[kShoulder] = QPointF(0, profile.linksMm[KoArmProfile::kColumn]);
  double pitch = 0;
  for (int s = 0; s < 3; ++s) {
    pitch += angles[KoArmJoints::kShoulder + s];
    const double a = qDegreesToRadians(pitch);
    const double length = profile.linksMm[KoArmProfile::kUpperArm + s];
    points[kElbow + s] = points[kShoulder + s] + QPointF(std::sin(a), std::cos(a)) * length;
  }
  return points;
}

Skeleton skeleton(const KoArmProfile& profile, const KoChannelPositions& positions) {
  return skeleton(profile, jointAngles(profile, positions));
}

double positionForAngle(const KoArmProfile& profile, KoArmJoints::Joint joint, double degrees) {
  const KoArmJoint& j = profile.joints.joints[joint];
  const double span = j.angleAt1000 - j.angleAt0;
  double position = span == 0 ? limits::kPosition.start
                              : (degrees - j.angleAt0) * limits::kPosition.maximum / span;
  if (profile.channel(j.channel).reversed) position = limits::kPosition.maximum - position;
  return position;
}

int basePositionFor(const KoArmProfile& profile, double degrees) {
  const int channel = profile.joints.joints[KoArmJoints::kBase].channel;
  return profile.clamp(channel,
                       std::llround(positionForAngle(profile, KoArmJoints::kBase, degrees)));
}

// To be written: the solver.
Reach reach(const KoArmProfile& profile, const KoChannelPositions& current, QPointF target,
            WristHold) {
  Reach r;
  r.positions = current;
  r.tip = skeleton(profile, current)[kTip];
  r.clamped = r.tip != target;
  return r;
}

quint8 poseFaults(const KoArmProfile& profile, const KoChannelPositions& positions) {
  const Skeleton points = skeleton(profile, positions);
  const double shoulderHeight = profile.linksMm[KoArmProfile::kColumn];
  quint8 faults = kNoFault;
  for (int p = kElbow; p < kPointCount; ++p) {
    if (points[p].y() < 0) faults |= kBelowGround;
    if (std::abs(points[p].x()) < profile.columnRadiusMm && points[p].y() < shoulderHeight) {
      faults |= kIntoColumn;
    }
  }
  return faults;
}

}  // namespace kinematics
