#include "model/arm_kinematics.h"

#include <QtMath>
#include <algorithm>
#include <cmath>
#include <utility>

namespace kinematics {

namespace {

// Read straight from the table: channel() hands back a copy, name and all, and the ground
// check asks for every joint of every frame of a file.
bool reversed(const KoArmProfile& profile, int channel) {
  return channel >= 1 && channel <= limits::kArmChannels && profile.channels[channel - 1].reversed;
}

// The positions a channel may be sent: its safe range, within the servo's. A range whose ends
// cross holds its lower end only.
std::pair<int, int> safeRange(const KoArmProfile& profile, int channel) {
  const KoChannelProfile c = profile.channel(channel);
  const int lo = limits::kPosition.clamp(c.lowest);
  return {lo, std::max(lo, limits::kPosition.clamp(c.highest))};
}

}  // namespace

std::array<double, KoArmJoints::kJointCount> jointAngles(const KoArmProfile& profile,
                                                         const KoChannelPositions& positions) {
  std::array<double, KoArmJoints::kJointCount> out{};
  for (int j = 0; j < KoArmJoints::kJointCount; ++j) {
    const int channel = profile.joints.joints[j].channel;
    double position = limits::kPosition.start;
    if (channel >= 1 && channel <= int(positions.size()) && positions[channel - 1]) {
      position = limits::kPosition.clamp(*positions[channel - 1]);
    }
    out[j] = angleForPosition(profile, KoArmJoints::Joint(j), position);
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

// A reversed servo turns the other way about its middle, so the joint mirrors about the angle
// of the middle position; the table keeps describing the arm as built.
double positionForAngle(const KoArmProfile& profile, KoArmJoints::Joint joint, double degrees) {
  const KoArmJoint& j = profile.joints.joints[joint];
  const double span = j.angleAt1000 - j.angleAt0;
  double position = span == 0 ? limits::kPosition.start
                              : (degrees - j.angleAt0) * limits::kPosition.maximum / span;
  if (reversed(profile, j.channel)) position = limits::kPosition.maximum - position;
  return position;
}

double angleForPosition(const KoArmProfile& profile, KoArmJoints::Joint joint, double position) {
  const KoArmJoint& j = profile.joints.joints[joint];
  if (reversed(profile, j.channel)) position = limits::kPosition.maximum - position;
  return j.angleAt0 + (j.angleAt1000 - j.angleAt0) * position / limits::kPosition.maximum;
}

int basePositionFor(const KoArmProfile& profile, double degrees) {
  const auto [lo, hi] = safeRange(profile, profile.joints.joints[KoArmJoints::kBase].channel);
  const int middle = std::clamp(limits::kPosition.start, lo, hi);
  if (!std::isfinite(degrees)) return middle;
  // Far beyond a turn only the heading is left to go by.
  if (std::abs(degrees) > 1e6) degrees = std::remainder(degrees, 360.0);
  double best = 0, bestOff = qInf();
  for (int turns : {0, -1, 1, -2, 2, -3, 3}) {
    const double p = positionForAngle(profile, KoArmJoints::kBase, degrees + 360.0 * turns);
    if (!std::isfinite(p)) return middle;
    const double off = p < lo ? lo - p : (p > hi ? p - hi : 0);
    if (off < bestOff) best = p, bestOff = off;
  }
  return int(std::lround(std::clamp(best, double(lo), double(hi))));
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

namespace {

// Whether the segment a-b runs through the inside of the column (|x| < radius, below the
// shoulder), more than touching its edge.
bool crossesColumn(QPointF a, QPointF b, double radius, double top) {
  double t0 = 0, t1 = 1;
  // Each side as value + t * slope < limit.
  const auto keep = [&](double value, double slope, double limit) {
    if (slope == 0) return value < limit;
    const double t = (limit - value) / slope;
    if (slope > 0) {
      t1 = std::min(t1, t);
    } else {
      t0 = std::max(t0, t);
    }
    return t0 < t1;
  };
  const QPointF d = b - a;
  return keep(a.x(), d.x(), radius) && keep(-a.x(), -d.x(), radius) && keep(a.y(), d.y(), top);
}

}  // namespace

quint8 poseFaults(const KoArmProfile& profile, const KoChannelPositions& positions) {
  const Skeleton points = skeleton(profile, positions);
  const double shoulderHeight = profile.linksMm[KoArmProfile::kColumn];
  const double radius = profile.columnRadiusMm;
  quint8 faults = kNoFault;
  for (int p = kElbow; p < kPointCount; ++p) {
    if (points[p].y() < 0) faults |= kBelowGround;
    if (std::abs(points[p].x()) < radius && points[p].y() < shoulderHeight) faults |= kIntoColumn;
  }
  // Ends on either side of the column, a link can still pass through it. The ground needs no
  // such check: a link lies below it only where one of its ends does.
  if (!(faults & kIntoColumn) && radius > 0) {
    for (int p = kElbow; p + 1 < kPointCount; ++p) {
      if (crossesColumn(points[p], points[p + 1], radius, shoulderHeight)) faults |= kIntoColumn;
    }
  }
  return faults;
}

}  // namespace kinematics
