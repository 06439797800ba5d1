#include <gtest/gtest.h>

#include <QSignalSpy>

#include "gamepad/gamepad_driver.h"

namespace {

using Role = KoGamepadMapping::Role;
using pad::Input;

// The driver on the shipped arm, its pose fed back as the editor does, its clock in hand.
struct Rig {
  Rig() {
    pose.fill(500);
    driver.setClock([this] { return now; });
    driver.setPoseSource([this] { return pose; });
    QObject::connect(&driver, &KoGamepadDriver::positionsWanted,
                     [this](const KoChannelPositions& moves) {
                       ++sent;
                       for (size_t c = 0; c < moves.size(); ++c) {
                         if (moves[c]) pose[c] = moves[c];
                       }
                     });
    driver.setActive(true);
  }
  void set(Input input, double value) {
    pad::isAxis(input) ? void(state.axes[size_t(input)] = value) : state.setHeld(input, value > 0);
    driver.setState(state);
  }
  // Holds for `ms` in the timer's steps.
  void run(int ms) {
    for (int t = 0; t < ms; t += KoGamepadDriver::kTickMs) {
      now += KoGamepadDriver::kTickMs;
      driver.tick();
    }
  }
  QPointF tip() const { return kinematics::skeleton(profile, pose)[kinematics::kTip]; }

  KoArmProfile profile = KoArmProfile::shipped();
  KoChannelPositions pose;
  KoGamepadDriver driver;
  pad::State state;
  qint64 now = 1000;
  int sent = 0;
};

TEST(GamepadDriver, EachMotionTurnsItsJointTheWayItsInputSays) {
  struct Case {
    Input input;
    double value;
    KoArmJoints::Joint joint;
    int sign;  // of the joint's angle change
  };
  const Case cases[] = {
      {Input::RightX, 1, KoArmJoints::kBase, 1},
      {Input::RightX, -1, KoArmJoints::kBase, -1},
      {Input::RightY, -1, KoArmJoints::kWrist, -1},
      {Input::RightY, 1, KoArmJoints::kWrist, 1},
      {Input::LeftTrigger, 1, KoArmJoints::kGripper, 1},
      {Input::RightTrigger, 1, KoArmJoints::kGripper, -1},
      {Input::RightShoulder, 1, KoArmJoints::kWristRoll, 1},
      {Input::LeftShoulder, 1, KoArmJoints::kWristRoll, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(pad::inputName(c.input));
    Rig rig;
    const auto before = kinematics::jointAngles(rig.profile, rig.pose);
    rig.set(c.input, c.value);
    // The first step goes with the press, not a tick later.
    EXPECT_EQ(rig.sent, 1);
    rig.run(500);
    const auto after = kinematics::jointAngles(rig.profile, rig.pose);
    EXPECT_GT((after[c.joint] - before[c.joint]) * c.sign, 5);
    for (int j = 0; j < KoArmJoints::kJointCount; ++j) {
      EXPECT_TRUE(j == c.joint || after[size_t(j)] == before[size_t(j)]) << j;
    }
  }
}

TEST(GamepadDriver, LeftStickSteersTheTipFasterTheFurtherItIsPushed) {
  const auto travel = [](Input input, double value) {
    Rig rig;
    // Where the tip can go every way.
    rig.pose = kinematics::reach(rig.profile, rig.pose, {130, 180}).positions;
    const QPointF from = rig.tip();
    rig.set(input, value);
    rig.run(300);
    return rig.tip() - from;
  };
  const QPointF forward = travel(Input::LeftX, 1);
  const QPointF half = travel(Input::LeftX, 0.55);
  const QPointF up = travel(Input::LeftY, -1);
  EXPECT_GT(forward.x(), 15);
  EXPECT_NEAR(forward.y(), 0, 1.5);
  EXPECT_GT(half.x(), 3);
  EXPECT_LT(half.x(), forward.x() * 0.7);
  EXPECT_GT(up.y(), 15);
  EXPECT_NEAR(up.x(), 0, 1.5);
  EXPECT_LT(travel(Input::LeftX, -1).x(), -15);
}

TEST(GamepadDriver, ARestingStickMovesNothingHoweverLong) {
  Rig rig;
  rig.set(Input::LeftX, 0.09);
  rig.set(Input::LeftY, -0.08);
  rig.set(Input::RightX, -0.09);
  rig.set(Input::RightTrigger, 0.05);
  EXPECT_FALSE(rig.driver.moving());
  rig.run(10 * 60 * 1000);
  EXPECT_EQ(rig.sent, 0);
  // Let go after a move, nothing more goes: no creeping from fractions kept.
  rig.set(Input::RightX, 0.3);
  rig.run(200);
  rig.set(Input::RightX, 0.02);
  const int moved = rig.sent;
  EXPECT_GT(moved, 0);
  EXPECT_FALSE(rig.driver.moving());
  rig.run(60 * 1000);
  EXPECT_EQ(rig.sent, moved);
}

TEST(GamepadDriver, PressesRunOnceAndHeldInputsWaitForRestAfterAPause) {
  Rig rig;
  QSignalSpy pressed(&rig.driver, &KoGamepadDriver::actionPressed);
  rig.set(Input::A, 1);
  rig.set(Input::A, 1);
  rig.set(Input::A, 0);
  rig.set(Input::DpadDown, 1);
  ASSERT_EQ(pressed.size(), 2);
  EXPECT_EQ(pressed[0].at(0).value<Role>(), KoGamepadMapping::AddFrame);
  EXPECT_EQ(pressed[1].at(0).value<Role>(), KoGamepadMapping::NextRow);

  // Focus lost with the stick and a button held: on return neither does anything by itself.
  rig.set(Input::LeftX, 1);
  rig.driver.setActive(false);
  EXPECT_FALSE(rig.driver.moving());
  rig.set(Input::X, 1);
  const int sent = rig.sent;
  rig.run(200);
  rig.driver.setActive(true);
  rig.set(Input::LeftX, 1);
  rig.run(200);
  EXPECT_EQ(rig.sent, sent);
  EXPECT_EQ(pressed.size(), 2);
  rig.set(Input::LeftX, 0);
  rig.set(Input::LeftX, 1);
  EXPECT_GT(rig.sent, sent);

  // B stops the sticks too, until they are let go.
  rig.set(Input::B, 1);
  EXPECT_EQ(pressed.last().at(0).value<Role>(), KoGamepadMapping::StopAll);
  EXPECT_FALSE(rig.driver.moving());
  const int stopped = rig.sent;
  rig.run(200);
  EXPECT_EQ(rig.sent, stopped);
}

TEST(GamepadDriver, StaysInTheSafeRangesFromWhereSomethingElseLeftTheArm) {
  Rig rig;
  rig.profile.channels[5].highest = 640;
  rig.driver.setProfile(rig.profile);
  rig.set(Input::RightX, 1);
  rig.run(100);
  rig.pose[5] = 200;  // a slider, or a played frame
  rig.run(100);
  EXPECT_GT(*rig.pose[5], 200);
  EXPECT_LT(*rig.pose[5], 260);
  rig.run(20000);
  EXPECT_EQ(rig.pose[5], 640);
}

}  // namespace
