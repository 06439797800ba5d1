#pragma once

#include <QPointF>
#include <QtGlobal>
#include <array>
#include <vector>

#include "model/arm_pose.h"
#include "model/arm_profile.h"

// The arm seen from the side, in the plane the base turns it to, in mm: x forward from the
// base's axis, y up from the ground (the base's foot).
namespace kinematics {

// Base foot, shoulder, elbow, wrist and the gripper's tip.
enum Point { kFoot, kShoulder, kElbow, kWrist, kTip, kPointCount };
using Skeleton = std::array<QPointF, kPointCount>;

// Joint angles (degrees) for stored positions, a reversed channel's joint turning the other
// way; an absent channel rests at the middle position.
std::array<double, KoArmJoints::kJointCount> jointAngles(const KoArmProfile& profile,
                                                         const KoChannelPositions& positions);
// Pitch angles add up from the shoulder; 0 points straight up, positive leans forward.
Skeleton skeleton(const KoArmProfile& profile,
                  const std::array<double, KoArmJoints::kJointCount>& angles);
Skeleton skeleton(const KoArmProfile& profile, const KoChannelPositions& positions);
// The hand's angle to the vertical (the three pitch joints added), in degrees.
double handPitch(const std::array<double, KoArmJoints::kJointCount>& angles);

// The position a joint's channel takes for an angle (fractional, not clamped), and back.
double positionForAngle(const KoArmProfile& profile, KoArmJoints::Joint joint, double degrees);
double angleForPosition(const KoArmProfile& profile, KoArmJoints::Joint joint, double position);

// What the wrist does while the tip is dragged.
enum class WristHold {
  KeepAngleToGround,  // the hand keeps its angle to the ground
  LockJoint,          // the wrist joint keeps its own angle
};

struct Reach {
  KoChannelPositions positions;  // `current` with the shoulder, elbow and wrist channels set
  QPointF tip;                   // where the tip ends up, in mm
  bool clamped = false;          // the target lay out of reach: the tip is at the nearest point
};

// Poses shoulder, elbow and wrist so the tip reaches `target` (mm), within each channel's
// safe range, choosing the solution nearest `current`. A target out of reach leaves the tip
// at the nearest point the arm can reach and says so.
// The hand keeping its angle to the ground gives way only where the tip could not reach the
// target otherwise, and then to the nearest angle at which it can; out of reach altogether,
// the tip's distance alone decides. Positions are whole, so the tip may lie a fraction of a
// millimetre off. A target that is no number leaves the arm as it stands, within range.
Reach reach(const KoArmProfile& profile, const KoChannelPositions& current, QPointF target,
            WristHold hold = WristHold::KeepAngleToGround);

// The base's channel position that turns the arm to `degrees`, within its safe range. A
// heading a whole turn away is the same heading: the one the base can turn to is taken, and
// out of range the nearer end (a heading that is no number turns the base to the middle).
int basePositionFor(const KoArmProfile& profile, double degrees);

// Why a pose would strike: a joint or the tip below the ground, or inside the base's column
// (a joint, or the forearm or hand passing through it; the upper arm hinges on its top).
enum Fault : quint8 { kNoFault = 0, kBelowGround = 1, kIntoColumn = 2 };
quint8 poseFaults(const KoArmProfile& profile, const KoChannelPositions& positions);

}  // namespace kinematics
