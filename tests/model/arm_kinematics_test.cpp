#include <gtest/gtest.h>

#include <QtMath>
#include <cmath>
#include <limits>

#include "model/arm_kinematics.h"

namespace {

using namespace kinematics;

constexpr int kShoulderChannel = 5, kElbowChannel = 4, kWristChannel = 3;
constexpr int kPitchChannels[] = {kShoulderChannel, kElbowChannel, kWristChannel};

// The shipped arm, built here so that no settings or resources come into it.
KoArmProfile arm() {
  KoArmProfile p;
  p.joints = KoArmJoints::fallback();
  p.linksMm = {77, 119, 105, 77};
  p.columnRadiusMm = 30;
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

double pitchOf(const KoArmProfile& profile, const KoChannelPositions& p) {
  return handPitch(jointAngles(profile, p));
}

TEST(ArmKinematics, SkeletonOfHandMadePoses) {
  const double s120 = 119 * std::sin(qDegreesToRadians(120.0));
  struct Case {
    const char* what;
    KoChannelPositions positions;
    QPointF elbow, wrist, tip;
    double pitch;
  };
  KoChannelPositions noShoulder = pose(500, 125, 500);
  noShoulder[kShoulderChannel - 1].reset();
  const Case cases[] = {
      {"upright", pose(500, 500, 500), {0, 196}, {0, 301}, {0, 378}, 0},
      {"shoulder level forward", pose(125, 500, 500), {119, 77}, {224, 77}, {301, 77}, 90},
      {"forearm back up", pose(125, 875, 500), {119, 77}, {119, 182}, {119, 259}, 0},
      {"leaning back, hand up", pose(875, 500, 125), {-119, 77}, {-224, 77}, {-224, 154}, 0},
      {"absent shoulder stands up", noShoulder, {0, 196}, {105, 196}, {182, 196}, 90},
      {"shoulder at its end",
       pose(0, 500, 500),
       {s120, 17.5},
       {s120 + 105 * s120 / 119, -35},
       {s120 + 182 * s120 / 119, -73.5},
       120},
  };
  const KoArmProfile profile = arm();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Skeleton s = skeleton(profile, c.positions);
    EXPECT_EQ(s[kFoot], QPointF(0, 0));
    EXPECT_EQ(s[kShoulder], QPointF(0, 77));
    const QPointF expected[] = {c.elbow, c.wrist, c.tip};
    for (int p = kElbow; p <= kTip; ++p) {
      EXPECT_NEAR(s[p].x(), expected[p - kElbow].x(), 1e-9) << p;
      EXPECT_NEAR(s[p].y(), expected[p - kElbow].y(), 1e-9) << p;
    }
    EXPECT_NEAR(pitchOf(profile, c.positions), c.pitch, 1e-9);
  }
}

TEST(ArmKinematics, ReversalMirrorsTheJointNotTheStoredPosition) {
  KoArmProfile plain = arm();
  plain.joints.joints[KoArmJoints::kShoulder] = {kShoulderChannel, 150, -90};
  KoArmProfile mirrored = plain;
  mirrored.channels[kShoulderChannel - 1].reversed = true;

  // The joint turns the other way about its middle angle (30 degrees here), not about 0.
  struct Case {
    int position;
    double plain, mirrored;
  };
  for (const Case& c : {Case{0, 150, -90}, Case{1000, -90, 150}, Case{500, 30, 30},
                        Case{250, 90, -30}, Case{900, -66, 126}}) {
    SCOPED_TRACE(c.position);
    const KoChannelPositions p = pose(c.position, 300, 700);
    EXPECT_DOUBLE_EQ(jointAngles(plain, p)[KoArmJoints::kShoulder], c.plain);
    EXPECT_DOUBLE_EQ(jointAngles(mirrored, p)[KoArmJoints::kShoulder], c.mirrored);
    EXPECT_DOUBLE_EQ(jointAngles(mirrored, p)[KoArmJoints::kElbow],
                     jointAngles(plain, p)[KoArmJoints::kElbow]);
    for (const KoArmProfile* profile : {&plain, &mirrored}) {
      const double angle = jointAngles(*profile, p)[KoArmJoints::kShoulder];
      EXPECT_NEAR(positionForAngle(*profile, KoArmJoints::kShoulder, angle), c.position, 1e-9);
      EXPECT_NEAR(angleForPosition(*profile, KoArmJoints::kShoulder, c.position), angle, 1e-9);
    }
  }
}

TEST(ArmKinematics, GroundCheck) {
  KoArmProfile longHand = arm();
  longHand.linksMm[KoArmProfile::kHand] = 150;
  // The hand pointing straight down from a level forearm at shoulder height: the tip ends
  // 1 mm above the ground with the column 78 mm tall, 1 mm below with 76.
  const auto columnOf = [](double height) {
    KoArmProfile p = arm();
    p.linksMm[KoArmProfile::kColumn] = height;
    return p;
  };
  struct Case {
    const char* what;
    KoArmProfile profile;
    KoChannelPositions positions;
    quint8 faults;
  };
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
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(poseFaults(c.profile, c.positions), c.faults);
  }
}

TEST(ArmKinematics, BaseTurnsWithinItsRange) {
  KoArmProfile narrowed = arm();
  narrowed.channels[5].lowest = 300;
  narrowed.channels[5].highest = 700;
  KoArmProfile reversed = arm();
  reversed.channels[5].reversed = true;
  KoArmProfile wide = arm();
  wide.joints.joints[KoArmJoints::kBase] = {6, -360, 360};
  KoArmProfile flat = arm();
  flat.joints.joints[KoArmJoints::kBase] = {6, 10, 10};
  struct Case {
    const char* what;
    const KoArmProfile& profile;
    double degrees;
    int position;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const KoArmProfile shipped = arm();
  const Case cases[] = {
      {"ahead", shipped, 0, 500},
      {"an end", shipped, 120, 1000},
      {"the other end", shipped, -120, 0},
      {"a turn round", shipped, 420, 750},
      {"beyond: the nearer end", shipped, 200, 0},
      {"beyond the other way", shipped, -130, 0},
      {"heading far off", shipped, 1e300, 500},
      {"no number", shipped, nan, 500},
      {"narrowed", narrowed, 90, 700},
      {"narrowed other way", narrowed, -90, 300},
      {"reversed", reversed, 60, 250},
      {"a wide table keeps the heading asked", wide, 270, 875},
      {"flat table", flat, 45, 500},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const int p = basePositionFor(c.profile, c.degrees);
    if (c.degrees != 1e300) {
      EXPECT_EQ(p, c.position);
    }
    EXPECT_TRUE(c.profile.inRange(6, p));
  }
}

}  // namespace
