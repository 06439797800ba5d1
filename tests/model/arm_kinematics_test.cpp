#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <random>

#include "model/arm_kinematics.h"

namespace {

using namespace kinematics;

constexpr int kShoulderChannel = 5, kElbowChannel = 4, kWristChannel = 3;
constexpr int kPitchChannels[] = {kShoulderChannel, kElbowChannel, kWristChannel};

// The shipped arm; it reads nothing from the settings.
KoArmProfile arm() { return KoArmProfile::shipped(); }

KoArmProfile with(KoArmProfile p, const std::function<void(KoArmProfile&)>& edit) {
  edit(p);
  return p;
}
using P = KoArmProfile&;

// Narrowed ranges, an off-centre shoulder, a reversed elbow table and wrist servo: each step
// still turns its joint 0.24 degrees, so a hand angle is kept exactly in whole positions.
KoArmProfile oddArm() {
  KoArmProfile p = arm();
  p.joints.joints[KoArmJoints::kShoulder] = {kShoulderChannel, 150, -90};
  p.joints.joints[KoArmJoints::kElbow] = {kElbowChannel, -120, 120};
  p.channels[kShoulderChannel - 1] = {{}, 200, 850, false};
  p.channels[kElbowChannel - 1] = {{}, 150, 800, false};
  p.channels[kWristChannel - 1] = {{}, 100, 700, true};
  return p;
}

KoChannelPositions pose(int shoulder, int elbow, int wrist) {
  return {500, 500, wrist, elbow, shoulder, 500};  // channels 1 to 6
}

QPointF tipOf(const KoArmProfile& a, const KoChannelPositions& p) { return skeleton(a, p)[kTip]; }

double distance(QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); }

double pitchOf(const KoArmProfile& profile, const KoChannelPositions& p) {
  return handPitch(jointAngles(profile, p));
}

// What every answer of the solver must be, whatever it was asked.
void expectSound(const KoArmProfile& profile, const KoChannelPositions& current, const Reach& r) {
  for (int c : kPitchChannels) {
    ASSERT_TRUE(r.positions[c - 1]) << "channel " << c;
    EXPECT_TRUE(profile.inRange(c, *r.positions[c - 1])) << "channel " << c;
  }
  for (int c : {1, 2, 6}) EXPECT_EQ(r.positions[c - 1], current[c - 1]) << "channel " << c;
  EXPECT_TRUE(std::isfinite(r.tip.x()) && std::isfinite(r.tip.y()));
  EXPECT_EQ(r.tip, tipOf(profile, r.positions));
}

// The straight arm leaning 120 degrees forward and down; the other exact points are level.
TEST(ArmKinematics, SkeletonOfAPoseLeaningDown) {
  const double s120 = 119 * std::sin(qDegreesToRadians(120.0));
  const Skeleton s = skeleton(arm(), pose(0, 500, 500));
  EXPECT_EQ(s[kFoot], QPointF(0, 0));
  EXPECT_EQ(s[kShoulder], QPointF(0, 77));
  const QPointF expected[] = {
      {s120, 17.5}, {s120 + 105 * s120 / 119, -35}, {s120 + 182 * s120 / 119, -73.5}};
  for (int p = kElbow; p <= kTip; ++p) EXPECT_LT(distance(s[p], expected[p - kElbow]), 1e-9) << p;
  EXPECT_NEAR(pitchOf(arm(), pose(0, 500, 500)), 120, 1e-9);
}

// Each joint follows the channel its table names, held at the servo's ends; absent, mid-way.
// A reversed channel turns its joint the other way about its middle angle, not about 0.
TEST(ArmKinematics, JointAnglesFollowTheTablesChannelsAndReversal) {
  KoArmProfile profile = with(arm(), [](P p) {
    p.joints.joints[KoArmJoints::kBase] = {1, -90, 90};
    p.joints.joints[KoArmJoints::kShoulder] = {kShoulderChannel, 150, -90};
  });
  KoChannelPositions positions = pose(250, 300, 700);
  positions[0] = 1500;
  EXPECT_DOUBLE_EQ(jointAngles(profile, positions)[KoArmJoints::kBase], 90);
  EXPECT_DOUBLE_EQ(jointAngles(profile, positions)[KoArmJoints::kShoulder], 90);
  positions[0].reset();
  profile.channels[kShoulderChannel - 1].reversed = true;
  EXPECT_DOUBLE_EQ(jointAngles(profile, positions)[KoArmJoints::kBase], 0);
  EXPECT_DOUBLE_EQ(jointAngles(profile, positions)[KoArmJoints::kShoulder], -30);
  EXPECT_NEAR(positionForAngle(profile, KoArmJoints::kShoulder, -30), 250, 1e-9);
}

// Whole-position targets are reached from another pose, keeping the hand angle or the wrist.
TEST(ArmKinematics, ReachesWhatItCan) {
  for (const KoArmProfile& profile : {arm(), oddArm()}) {
    for (WristHold hold : {WristHold::KeepAngleToGround, WristHold::LockJoint}) {
      SCOPED_TRACE(testing::Message() << profile.channel(kWristChannel).reversed << " "
                                      << (hold == WristHold::LockJoint ? "locked" : "kept"));
      std::mt19937 random(17);
      const auto any = [&](int c) {
        return std::uniform_int_distribution<int>(profile.channel(c).lowest,
                                                  profile.channel(c).highest)(random);
      };
      for (int n = 0; n < 200;) {
        const KoChannelPositions from = pose(any(5), any(4), any(3));
        KoChannelPositions goal = pose(any(5), any(4), from[kWristChannel - 1].value());
        if (hold == WristHold::KeepAngleToGround) {
          const auto angles = jointAngles(profile, goal);
          const double wrist =
              pitchOf(profile, from) - angles[KoArmJoints::kShoulder] - angles[KoArmJoints::kElbow];
          const long p = std::lround(positionForAngle(profile, KoArmJoints::kWrist, wrist));
          if (!profile.inRange(kWristChannel, int(p))) continue;
          goal[kWristChannel - 1] = int(p);
        }
        ++n;
        const QPointF target = tipOf(profile, goal);
        SCOPED_TRACE(testing::Message() << "target " << target.x() << ", " << target.y());
        const Reach r = reach(profile, from, target, hold);
        expectSound(profile, from, r);
        EXPECT_FALSE(r.clamped);
        EXPECT_LE(distance(r.tip, target), 0.5);  // whole positions: a fraction of a mm off
        if (hold == WristHold::LockJoint) {
          EXPECT_EQ(r.positions[kWristChannel - 1], from[kWristChannel - 1]);
        } else {
          // Whole positions may give up a step of the hand's angle for a nearer tip.
          EXPECT_NEAR(pitchOf(profile, r.positions), pitchOf(profile, from), 0.25);
        }
        // Asked for the tip where it is, the arm stays as it is.
        EXPECT_EQ(reach(profile, goal, target, hold).positions, goal);
      }
    }
  }
}

// A target out of reach leaves the tip at the nearest point, and says so.
TEST(ArmKinematics, SolverStaysInRangeWhateverItIsGiven) {
  using Case =
      std::tuple<const char*, KoArmProfile, KoChannelPositions, QPointF, std::optional<QPointF>>;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const KoChannelPositions usual = pose(300, 600, 400);
  KoChannelPositions absent = usual;
  for (int c : kPitchChannels) absent[c - 1].reset();
  const KoArmProfile sharedChannel =
      with(oddArm(), [](P p) { p.joints.joints[KoArmJoints::kWrist].channel = kElbowChannel; });

  const Case cases[] = {
      {"no number", oddArm(), usual, {nan, 100}, {}},
      {"infinite", oddArm(), usual, {100, inf}, {}},
      {"absent channels", oddArm(), absent, {150, 150}, {}},
      {"positions beyond the servo", oddArm(), pose(-500, 5000, 1001), {150, 150}, {}},
      {"wrist and elbow on one channel", sharedChannel, usual, {150, 200}, {}},
      {"far above", arm(), pose(500, 500, 500), {0, 2000}, QPointF(0, 378)},
      {"far ahead", arm(), pose(125, 500, 500), {1000, 77}, QPointF(301, 77)},
  };
  for (const auto& [what, profile, current, target, nearest] : cases) {
    for (WristHold hold : {WristHold::KeepAngleToGround, WristHold::LockJoint}) {
      SCOPED_TRACE(testing::Message() << what << (hold == WristHold::LockJoint ? " locked" : ""));
      const Reach r = reach(profile, current, target, hold);
      expectSound(profile, current, r);
      if (nearest) {
        EXPECT_TRUE(r.clamped);
        EXPECT_LE(distance(r.tip, *nearest), 1.0);
      } else if (!r.clamped) {
        EXPECT_LE(distance(r.tip, target), 1.0);
      }
      EXPECT_TRUE(r.clamped || (std::isfinite(target.x()) && std::isfinite(target.y())));
    }
  }
  // A hand of no number is no hand: the tip told is the wrist.
  const KoArmProfile noHand = with(oddArm(), [nan](P p) { p.linksMm[KoArmProfile::kHand] = nan; });
  const Reach r = reach(noHand, usual, {150, 150}, WristHold::LockJoint);
  EXPECT_LE(distance(r.tip, skeleton(noHand, r.positions)[kWrist]), 1e-9);
}

TEST(ArmKinematics, GroundCheck) {
  // The hand straight down from a level forearm: the tip 1 mm above ground on a 78 mm column.
  const auto columnOf = [](double mm) {
    return with(arm(), [mm](P p) { p.linksMm[KoArmProfile::kColumn] = mm; });
  };
  using Case = std::tuple<const char*, KoArmProfile, KoChannelPositions, quint8>;
  const Case cases[] = {
      {"upright", arm(), pose(500, 500, 500), kNoFault},
      {"only the elbow below the ground", columnOf(30), pose(0, 1000, 500), kBelowGround},
      {"hand swung into the column", arm(), pose(250, 0, 125), kIntoColumn},
      {"folded under the shoulder", arm(), pose(0, 0, 500), kBelowGround | kIntoColumn},
      {"tip just above the ground", columnOf(78), pose(125, 500, 125), kNoFault},
      {"tip just below the ground", columnOf(76), pose(125, 500, 125), kBelowGround},
  };
  for (const auto& [what, profile, positions, faults] : cases) {
    SCOPED_TRACE(what);
    EXPECT_EQ(poseFaults(profile, positions), faults);
  }
}

}  // namespace
