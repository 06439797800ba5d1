#include <gtest/gtest.h>

#include <QFile>

#include "model/arm_kinematics.h"
#include "model/arm_pose.h"

namespace {

constexpr auto kBase = KoArmJoints::kBase;
constexpr auto kShoulder = KoArmJoints::kShoulder;
constexpr auto kGripper = KoArmJoints::kGripper;

KoChannelPositions all(int p) {
  KoChannelPositions out;
  out.fill(p);
  return out;
}

// The shipped table on the shipped links, with nothing read from the settings.
KoArmProfile withTable(const KoArmJoints& table) {
  KoArmProfile p = KoArmProfile::shipped();
  p.joints = table;
  return p;
}

class ArmPoseTest : public ::testing::Test {};

TEST_F(ArmPoseTest, JointAnglesFollowTheirChannels) {
  const KoArmJoints table = KoArmJoints::fallback();
  struct Case {
    int channel;
    std::optional<int> position;
    KoArmJoints::Joint joint;
    double angle;
  };
  const Case cases[] = {
      {6, 0, kBase, -120},         {6, 1000, kBase, 120},  {6, 750, kBase, 60},
      {5, 250, kShoulder, 60},     {1, 1000, kGripper, 0}, {1, 0, kGripper, 60},
      {6, 1500, kBase, 120},       {6, -40, kBase, -120},  // held at the ends
      {6, std::nullopt, kBase, 0},                         // absent rests in the middle
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << "channel " << c.channel << " at " << c.position.value_or(-1));
    KoChannelPositions positions = all(500);
    positions[c.channel - 1] = c.position;
    const auto angles = kinematics::jointAngles(withTable(table), positions);
    EXPECT_DOUBLE_EQ(angles[c.joint], c.angle);
  }
}

TEST_F(ArmPoseTest, ShippedTableMatchesTheFallbackAndOnlyAWholeTableParses) {
  QFile file(QStringLiteral(VORN_SOURCE_DIR "/resources/armJoints.json"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const auto shipped = KoArmJoints::parse(file.readAll());
  ASSERT_TRUE(shipped);
  for (int j = 0; j < KoArmJoints::kJointCount; ++j) {
    EXPECT_EQ(shipped->joints[j].channel, KoArmJoints::fallback().joints[j].channel) << j;
    EXPECT_EQ(shipped->joints[j].angleAt1000, KoArmJoints::fallback().joints[j].angleAt1000) << j;
  }

  // Base on channel 1 and the gripper on channel 6: a swapped wiring.
  const QByteArray swapped = R"({"base":{"channel":1,"at0":-90,"at1000":90},
      "shoulder":{"channel":5,"at0":90,"at1000":-90},"elbow":{"channel":4,"at0":90,"at1000":-90},
      "wrist":{"channel":3,"at0":90,"at1000":-90},"wrist_roll":{"channel":2,"at0":0,"at1000":180},
      "gripper":{"channel":6,"at0":45,"at1000":0}})";
  const auto swappedTable = KoArmJoints::parse(swapped);
  ASSERT_TRUE(swappedTable);
  KoChannelPositions positions = all(500);
  positions[0] = 1000;
  EXPECT_DOUBLE_EQ(kinematics::jointAngles(withTable(*swappedTable), positions)[kBase], 90);

  // Broken, partial or out-of-range tables are no tables.
  for (const char* broken : {"{", "[]", R"({"base":{"channel":1,"at0":0,"at1000":90}})",
                             R"({"base":{"channel":0,"at0":0,"at1000":1}})",
                             R"({"base":{"channel":1e19,"at0":0,"at1000":1}})"}) {
    SCOPED_TRACE(broken);
    EXPECT_FALSE(KoArmJoints::parse(broken));
  }
  QByteArray tooFar = swapped;
  tooFar.replace("\"at1000\":180", "\"at1000\":720");
  EXPECT_FALSE(KoArmJoints::parse(tooFar));
}

TEST_F(ArmPoseTest, SkeletonStandsUpAtTheMiddleAndLeansWithTheShoulder) {
  const KoArmProfile arm = withTable(KoArmJoints::fallback());
  const auto upright = kinematics::skeleton(arm, all(500));
  for (const QPointF& p : upright) EXPECT_NEAR(p.x(), 0, 1e-9);
  EXPECT_GT(upright[4].y(), upright[1].y());

  // Shoulder a quarter turn forward: everything above it lies level, at shoulder height.
  KoChannelPositions forward = all(500);
  forward[4] = 125;  // 120 - 240 * 0.125 = 90 degrees
  const auto leaning = kinematics::skeleton(arm, forward);
  EXPECT_NEAR(leaning[4].y(), leaning[1].y(), 1e-9);
  EXPECT_GT(leaning[4].x(), leaning[2].x());

  // Elbow and wrist add to the shoulder: bent back by the same, the hand points up again.
  forward[3] = 875;  // elbow -90
  const auto bent = kinematics::skeleton(arm, forward);
  EXPECT_NEAR(bent[3].x(), bent[2].x(), 1e-9);
  EXPECT_GT(bent[3].y(), bent[2].y());
}

}  // namespace
