#include <gtest/gtest.h>

#include <QtMath>
#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <vector>

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

// Narrowed safe ranges, a shoulder table off centre, an elbow table running the other way and
// a reversed wrist servo: every step still turns its joint by 0.24 degrees, so a hand angle can
// be kept exactly in whole positions.
KoArmProfile oddArm() {
  KoArmProfile p = arm();
  p.joints.joints[KoArmJoints::kShoulder] = {kShoulderChannel, 150, -90};
  p.joints.joints[KoArmJoints::kElbow] = {kElbowChannel, -120, 120};
  p.channels[kShoulderChannel - 1] = {{}, 200, 850, false};
  p.channels[kElbowChannel - 1] = {{}, 150, 800, false};
  p.channels[kWristChannel - 1] = {{}, 100, 700, true};
  return p;
}

// Elbow and wrist servos mounted a third of a turn round: their angles run past a half turn.
KoArmProfile turnedArm() {
  KoArmProfile p = arm();
  p.joints.joints[KoArmJoints::kElbow] = {kElbowChannel, 240, 0};
  p.joints.joints[KoArmJoints::kWrist] = {kWristChannel, 0, -240};
  p.channels[kElbowChannel - 1] = {{}, 100, 900, false};
  return p;
}

KoChannelPositions pose(int shoulder, int elbow, int wrist) {
  KoChannelPositions p;
  p.fill(500);
  p[kShoulderChannel - 1] = shoulder;
  p[kElbowChannel - 1] = elbow;
  p[kWristChannel - 1] = wrist;
  return p;
}

QPointF tipOf(const KoArmProfile& profile, const KoChannelPositions& p) {
  return skeleton(profile, p)[kTip];
}

double distance(QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); }

double pitchOf(const KoArmProfile& profile, const KoChannelPositions& p) {
  return handPitch(jointAngles(profile, p));
}

// What every answer of the solver must be, whatever it was asked.
void expectSound(const KoArmProfile& profile, const KoChannelPositions& current, const Reach& r) {
  for (int c : kPitchChannels) {
    ASSERT_TRUE(r.positions[c - 1]) << "channel " << c;
    EXPECT_TRUE(profile.inRange(c, *r.positions[c - 1])) << "channel " << c;
    EXPECT_TRUE(limits::kPosition.contains(*r.positions[c - 1])) << "channel " << c;
  }
  for (int c : {1, 2, 6}) EXPECT_EQ(r.positions[c - 1], current[c - 1]) << "channel " << c;
  EXPECT_TRUE(std::isfinite(r.tip.x()) && std::isfinite(r.tip.y()));
}

// Every channel's position drawn from its safe range.
KoChannelPositions randomPose(const KoArmProfile& profile, std::mt19937& random) {
  KoChannelPositions p;
  for (int c = 1; c <= limits::kArmChannels; ++c) {
    p[c - 1] = std::uniform_int_distribution<int>(profile.channel(c).lowest,
                                                  profile.channel(c).highest)(random);
  }
  return p;
}

TEST(ArmKinematics, SkeletonOfHandMadePoses) {
  const double s120 = 119 * std::sin(qDegreesToRadians(120.0));
  using Case = std::tuple<const char*, KoChannelPositions, QPointF, QPointF, QPointF, double>;
  const Case cases[] = {
      {"upright", pose(500, 500, 500), {0, 196}, {0, 301}, {0, 378}, 0},
      {"shoulder level forward", pose(125, 500, 500), {119, 77}, {224, 77}, {301, 77}, 90},
      {"forearm back up", pose(125, 875, 500), {119, 77}, {119, 182}, {119, 259}, 0},
      {"leaning back, hand up", pose(875, 500, 125), {-119, 77}, {-224, 77}, {-224, 154}, 0},
      {"shoulder at its end",
       pose(0, 500, 500),
       {s120, 17.5},
       {s120 + 105 * s120 / 119, -35},
       {s120 + 182 * s120 / 119, -73.5},
       120},
  };
  const KoArmProfile profile = arm();
  for (const auto& [what, positions, elbow, wrist, tip, pitch] : cases) {
    SCOPED_TRACE(what);
    const Skeleton s = skeleton(profile, positions);
    EXPECT_EQ(s[kFoot], QPointF(0, 0));
    EXPECT_EQ(s[kShoulder], QPointF(0, 77));
    const QPointF expected[] = {elbow, wrist, tip};
    for (int p = kElbow; p <= kTip; ++p) {
      EXPECT_NEAR(s[p].x(), expected[p - kElbow].x(), 1e-9) << p;
      EXPECT_NEAR(s[p].y(), expected[p - kElbow].y(), 1e-9) << p;
    }
    EXPECT_NEAR(pitchOf(profile, positions), pitch, 1e-9);
  }
}

// Each joint follows the channel its table names, held at the servo's ends; absent, mid-way.
// A reversed channel turns its joint the other way about its middle angle, not about 0.
TEST(ArmKinematics, JointAnglesFollowTheTablesChannelsAndReversal) {
  const KoArmProfile swapped = with(arm(), [](P p) {
    p.joints.joints[KoArmJoints::kBase] = {1, -90, 90};
    p.joints.joints[KoArmJoints::kGripper] = {6, 45, 0};
  });
  const std::tuple<int, std::optional<int>, KoArmJoints::Joint, double> cases[] = {
      {1, 1000, KoArmJoints::kBase, 90}, {1, 1500, KoArmJoints::kBase, 90},
      {1, -40, KoArmJoints::kBase, -90}, {1, std::nullopt, KoArmJoints::kBase, 0},
      {6, 0, KoArmJoints::kGripper, 45}, {6, 1000, KoArmJoints::kGripper, 0}};
  for (const auto& [channel, position, joint, angle] : cases) {
    KoChannelPositions p = pose(500, 500, 500);
    p[channel - 1] = position;
    EXPECT_DOUBLE_EQ(jointAngles(swapped, p)[joint], angle) << channel << " " << joint;
  }

  KoArmProfile plain = arm();
  plain.joints.joints[KoArmJoints::kShoulder] = {kShoulderChannel, 150, -90};
  KoArmProfile mirrored = plain;
  mirrored.channels[kShoulderChannel - 1].reversed = true;
  const std::tuple<int, double, double> reversals[] = {
      {0, 150, -90}, {1000, -90, 150}, {250, 90, -30}};
  for (const auto& [position, plainAngle, mirroredAngle] : reversals) {
    SCOPED_TRACE(position);
    const KoChannelPositions p = pose(position, 300, 700);
    EXPECT_DOUBLE_EQ(jointAngles(plain, p)[KoArmJoints::kShoulder], plainAngle);
    EXPECT_DOUBLE_EQ(jointAngles(mirrored, p)[KoArmJoints::kShoulder], mirroredAngle);
    EXPECT_DOUBLE_EQ(jointAngles(mirrored, p)[KoArmJoints::kElbow],
                     jointAngles(plain, p)[KoArmJoints::kElbow]);
    for (const KoArmProfile* profile : {&plain, &mirrored}) {
      const double angle = jointAngles(*profile, p)[KoArmJoints::kShoulder];
      EXPECT_NEAR(positionForAngle(*profile, KoArmJoints::kShoulder, angle), position, 1e-9);
      EXPECT_NEAR(angleForPosition(*profile, KoArmJoints::kShoulder, position), angle, 1e-9);
    }
  }
}

// The nearest the arm comes to each target over a grid of its allowed positions.
struct BruteForce {
  std::vector<QPointF> tips;
  BruteForce(const KoArmProfile& profile, const KoChannelPositions& current, WristHold hold) {
    const auto span = [&](int channel, int step) {
      std::vector<int> v;
      const KoChannelProfile c = profile.channel(channel);
      for (int p = c.lowest; p < c.highest; p += step) v.push_back(p);
      v.push_back(c.highest);
      return v;
    };
    const bool locked = hold == WristHold::LockJoint;
    const std::vector<int> wrists =
        locked ? std::vector<int>{*current[kWristChannel - 1]} : span(kWristChannel, 10);
    KoChannelPositions p = current;
    for (int s : span(kShoulderChannel, locked ? 2 : 10)) {
      for (int e : span(kElbowChannel, locked ? 2 : 10)) {
        for (int w : wrists) {
          p[kShoulderChannel - 1] = s, p[kElbowChannel - 1] = e, p[kWristChannel - 1] = w;
          tips.push_back(tipOf(profile, p));
        }
      }
    }
  }
  double nearest(QPointF target) const {
    double best = std::numeric_limits<double>::infinity();
    for (const QPointF& t : tips) {
      const QPointF d = t - target;
      best = std::min(best, QPointF::dotProduct(d, d));
    }
    return std::sqrt(best);
  }
};

// Targets from whole positions within the safe ranges are reached from another pose (for the
// hand keeping its angle, a pose with the same hand angle; with the wrist locked, the same
// wrist); for points anywhere the tip comes as near as a grid of the allowed poses does.
TEST(ArmKinematics, ReachesWhatItCanAndComesNearestToTheRest) {
  const std::pair<const char*, KoArmProfile> arms[] = {
      {"shipped", arm()}, {"narrowed", oddArm()}, {"turned", turnedArm()}};
  for (const auto& [name, profile] : arms) {
    for (WristHold hold : {WristHold::KeepAngleToGround, WristHold::LockJoint}) {
      SCOPED_TRACE(testing::Message() << name << (hold == WristHold::LockJoint ? " locked" : ""));
      std::mt19937 random(17);
      int tried = 0;
      for (int n = 0; n < 300;) {
        ASSERT_LT(++tried, 100000);
        const KoChannelPositions from = randomPose(profile, random);
        KoChannelPositions goal = randomPose(profile, random);
        if (hold == WristHold::LockJoint) {
          goal[kWristChannel - 1] = from[kWristChannel - 1];
        } else {
          const auto angles = jointAngles(profile, goal);
          const double wrist =
              pitchOf(profile, from) - angles[KoArmJoints::kShoulder] - angles[KoArmJoints::kElbow];
          const double p = positionForAngle(profile, KoArmJoints::kWrist, wrist);
          ASSERT_NEAR(p, std::round(p), 1e-6);
          if (!profile.inRange(kWristChannel, std::lround(p))) continue;
          goal[kWristChannel - 1] = int(std::lround(p));
        }
        ++n;
        const QPointF target = tipOf(profile, goal);
        const Reach r = reach(profile, from, target, hold);
        SCOPED_TRACE(testing::Message() << "target " << target.x() << ", " << target.y());
        expectSound(profile, from, r);
        EXPECT_FALSE(r.clamped);
        EXPECT_EQ(r.tip, tipOf(profile, r.positions));
        EXPECT_LE(distance(r.tip, target), 1.0);
        if (hold == WristHold::LockJoint) {
          EXPECT_EQ(r.positions[kWristChannel - 1], from[kWristChannel - 1]);
        } else {
          // Whole positions may give up a step of the hand's angle for a nearer tip.
          EXPECT_NEAR(pitchOf(profile, r.positions), pitchOf(profile, from), 0.25);
        }
        // Asked for the tip where it is, the arm stays as it is.
        EXPECT_EQ(reach(profile, goal, target, hold).positions, goal);
      }

      const KoChannelPositions current = pose(450, 560, 610);
      const BruteForce grid(profile, current, hold);
      random.seed(5);
      std::uniform_real_distribution<double> x(-450, 450), y(-300, 550);
      std::vector<QPointF> targets = {{0, 2000}, {0, -2000}, {-1000, 77}, {1000, 77},
                                      {0, 77},   {0, 0},     {40, 30},    {-1e9, 3e9}};
      for (int n = 0; n < 60; ++n) targets.emplace_back(x(random), y(random));
      int clamped = 0;
      for (const QPointF& target : targets) {
        SCOPED_TRACE(testing::Message() << "target " << target.x() << ", " << target.y());
        const Reach r = reach(profile, current, target, hold);
        expectSound(profile, current, r);
        EXPECT_EQ(r.tip, tipOf(profile, r.positions));
        const double d = distance(r.tip, target);
        EXPECT_LE(d, grid.nearest(target) + 0.25);
        // Reached, the tip lies within a step of the target; farther off, the solver says so.
        if (!r.clamped) {
          EXPECT_LE(d, 1.0);
        }
        if (d > 1.0) {
          EXPECT_TRUE(r.clamped);
        }
        if (distance(target, QPointF(0, 77)) > profile.reachMm() + 1) {
          EXPECT_TRUE(r.clamped);
        }
        clamped += r.clamped;
      }
      EXPECT_GT(clamped, 20);
    }
  }
}

TEST(ArmKinematics, SolverStaysInRangeWhateverItIsGiven) {
  using Case = std::tuple<const char*, KoArmProfile, KoChannelPositions, QPointF>;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const KoChannelPositions usual = pose(300, 600, 400);
  KoChannelPositions absent = usual;
  for (int c : kPitchChannels) absent[c - 1].reset();
  const KoArmProfile zeroLinks = with(oddArm(), [](P p) { p.linksMm = {0, 0, 0, 0}; });
  const KoArmProfile nanLinks = with(oddArm(), [&](P p) { p.linksMm = {nan, inf, 100, -inf}; });
  const KoArmProfile flatElbow = with(oddArm(), [](P p) {
    p.joints.joints[KoArmJoints::kElbow].angleAt1000 =
        p.joints.joints[KoArmJoints::kElbow].angleAt0;
  });
  const KoArmProfile sharedChannel =
      with(oddArm(), [](P p) { p.joints.joints[KoArmJoints::kWrist].channel = kElbowChannel; });
  const KoArmProfile wristElsewhere =
      with(oddArm(), [](P p) { p.joints.joints[KoArmJoints::kWrist].channel = 9; });

  const Case cases[] = {
      {"no number", oddArm(), usual, {nan, 100}},
      {"infinite", oddArm(), usual, {100, inf}},
      {"absent channels", oddArm(), absent, {150, 150}},
      {"positions beyond the servo", oddArm(), pose(-500, 5000, 1001), {150, 150}},
      {"all links zero", zeroLinks, usual, {150, 150}},
      {"links no number", nanLinks, usual, {100, 200}},
      {"elbow table flat", flatElbow, usual, {150, 200}},
      {"wrist and elbow on one channel", sharedChannel, usual, {150, 200}},
      {"wrist on a channel past the arm's", wristElsewhere, usual, {150, 200}},
  };
  for (const auto& [what, profile, current, target] : cases) {
    for (WristHold hold : {WristHold::KeepAngleToGround, WristHold::LockJoint}) {
      SCOPED_TRACE(testing::Message() << what << (hold == WristHold::LockJoint ? " locked" : ""));
      const Reach r = reach(profile, current, target, hold);
      expectSound(profile, current, r);
      if (!r.clamped) {
        EXPECT_LE(distance(r.tip, target), 1.0);
      }
      if (!std::isfinite(target.x()) || !std::isfinite(target.y())) {
        EXPECT_TRUE(r.clamped);
      }
    }
  }
}

TEST(ArmKinematics, GroundCheck) {
  const KoArmProfile longHand = with(arm(), [](P p) { p.linksMm[KoArmProfile::kHand] = 150; });
  // The hand pointing straight down from a level forearm at shoulder height: the tip ends
  // 1 mm above the ground with the column 78 mm tall, 1 mm below with 76.
  const auto columnOf = [](double mm) {
    return with(arm(), [mm](P p) { p.linksMm[KoArmProfile::kColumn] = mm; });
  };
  using Case = std::tuple<const char*, KoArmProfile, KoChannelPositions, quint8>;
  const Case cases[] = {
      {"upright", arm(), pose(500, 500, 500), kNoFault},
      {"reaching forward", arm(), pose(250, 600, 600), kNoFault},
      {"folded down below the ground", arm(), pose(125, 125, 500), kBelowGround},
      {"only the elbow below the ground", columnOf(30), pose(0, 1000, 500), kBelowGround},
      {"hand swung into the column", arm(), pose(250, 0, 125), kIntoColumn},
      {"folded under the shoulder", arm(), pose(0, 0, 500), kBelowGround | kIntoColumn},
      {"hand swung through the column", longHand, pose(250, 0, 125), kIntoColumn},
      {"tip just above the ground", columnOf(78), pose(125, 500, 125), kNoFault},
      {"tip just below the ground", columnOf(76), pose(125, 500, 125), kBelowGround},
      {"behind, clear of the column", arm(), pose(750, 500, 500), kNoFault},
  };
  for (const auto& [what, profile, positions, faults] : cases) {
    SCOPED_TRACE(what);
    EXPECT_EQ(poseFaults(profile, positions), faults);
  }
}

TEST(ArmKinematics, BaseTurnsWithinItsRange) {
  const KoArmProfile narrowed = with(arm(), [](P p) { p.channels[5] = {{}, 300, 700, false}; });
  const KoArmProfile reversed = with(arm(), [](P p) { p.channels[5].reversed = true; });
  const KoArmProfile wide = with(arm(), [](P p) {
    p.joints.joints[KoArmJoints::kBase] = {6, -360, 360};
  });
  const KoArmProfile flat = with(arm(), [](P p) {
    p.joints.joints[KoArmJoints::kBase] = {6, 10, 10};
  });
  using Case = std::tuple<const char*, const KoArmProfile&, double, int>;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const KoArmProfile shipped = arm();
  const Case cases[] = {
      {"ahead", shipped, 0, 500},
      {"a turn round", shipped, 420, 750},
      {"beyond: the nearer end", shipped, 200, 0},
      {"heading far off", shipped, 1e300, 500},
      {"no number", shipped, nan, 500},
      {"narrowed", narrowed, 90, 700},
      {"reversed", reversed, 60, 250},
      {"a wide table keeps the heading asked", wide, 270, 875},
      {"flat table", flat, 45, 500},
  };
  for (const auto& [what, profile, degrees, position] : cases) {
    SCOPED_TRACE(what);
    const int p = basePositionFor(profile, degrees);
    if (degrees != 1e300) {
      EXPECT_EQ(p, position);
    }
    EXPECT_TRUE(profile.inRange(6, p));
  }
}

}  // namespace
