#include "widgets/arm_view.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include "mouse.h"
#include "widgets/switch.h"

namespace {

using kinematics::WristHold;

// Poses list the gripper, roll, wrist, elbow, shoulder and base.
constexpr int kWristChannel = 3, kBaseChannel = 6;

QPointF tipOf(const KoArmProfile& profile, const KoChannelPositions& positions) {
  return kinematics::skeleton(profile, positions)[kinematics::kTip];
}

// Pixels within 10 of `at` drawn in the out-of-reach red.
int redPixelsNear(const QImage& image, QPointF at) {
  int n = 0;
  for (int y = int(at.y()) - 10; y <= int(at.y()) + 10; ++y)
    for (int x = int(at.x()) - 10; x <= int(at.x()) + 10; ++x) {
      const QColor c = image.rect().contains(x, y) ? image.pixelColor(x, y) : QColor();
      n += c.red() > 180 && c.green() < 110 && c.blue() < 110;
    }
  return n;
}

class ArmViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    view.resize(480, 480);
    view.setHoldMs(0);
    view.setPositions(KoChannelPositions{500, 500, 600, 620, 560, 500});
  }
  // `onto` with every move the view asked for, in order.
  KoChannelPositions wanted(KoChannelPositions onto = {}) const {
    KoChannelPositions out = onto;
    for (const QList<QVariant>& args : spy) {
      const auto moves = args.at(0).value<KoChannelPositions>();
      for (std::size_t c = 0; c < out.size(); ++c)
        if (moves[c]) out[c] = moves[c];
    }
    return out;
  }
  // Drags the tip from where it is to `targetMm`, in a few steps, and keeps holding it.
  void dragTipTo(QPointF targetMm) {
    const QPointF from = view.tipOnScreen();
    press(&view, from);
    const QPointF to = view.toScreen(targetMm);
    for (double f : {0.25, 0.5, 0.75, 1.0}) drag(&view, from + (to - from) * f);
  }

  KoArmProfile profile = KoArmProfile::shipped();
  KoArmView view{nullptr, profile};
  QSignalSpy spy{&view, &KoArmView::positionsWanted};
};

// Asked beyond reach, the view shows in red where the tip was asked to go until it is let go.
TEST_F(ArmViewTest, TheTipIsTakenWithinItsReachAndATargetOutOfReachIsShownUntilLetGo) {
  const QPointF tip = view.tipOnScreen();
  for (const double off : {25.5, 22.5}) {  // the reach is 24 pixels
    const bool inside = off < 24;
    const QPointF at = tip + QPointF(0, off);
    drag(&view, at);
    EXPECT_EQ(view.cursor().shape(), inside ? Qt::OpenHandCursor : Qt::ArrowCursor) << off;
    press(&view, at);
    drag(&view, at + QPointF(-20, 0));
    release(&view, at + QPointF(-20, 0));
    EXPECT_EQ(spy.count() > 0, inside) << off;
    EXPECT_FALSE(view.target());
  }

  const QPointF far(-200, 340);  // 330 mm from the shoulder; the arm reaches 301
  dragTipTo(far);
  ASSERT_TRUE(view.isClamped());
  ASSERT_TRUE(view.target());
  EXPECT_LT(QLineF(*view.target(), far).length(), 1e-6);
  const QPointF ring = view.toScreen(far);
  EXPECT_GT(redPixelsNear(view.grab().toImage(), ring), 20);

  release(&view, ring);
  EXPECT_FALSE(view.isClamped());
  EXPECT_EQ(redPixelsNear(view.grab().toImage(), ring), 0);
}

// The keys step the tip and the base; the dial turns the base within its range.
TEST_F(ArmViewTest, KeysAndTheDialMoveTheTipAndTurnTheBase) {
  view.setPositions(KoChannelPositions{500, 500, 500, 500, 125, 500});  // stretched out ahead
  const QPointF tip = tipOf(profile, view.positions());
  QTest::keyClick(&view, Qt::Key_Right);
  ASSERT_TRUE(view.target());
  EXPECT_LT(QLineF(*view.target(), tip + QPointF(KoArmView::kKeyStepMm, 0)).length(), 1e-6);
  EXPECT_TRUE(view.isClamped());
  // On from where the first key left the tip, not from the target it fell short of.
  const QPointF reached = tipOf(profile, view.positions());
  QTest::keyClick(&view, Qt::Key_Up, Qt::ShiftModifier);
  EXPECT_LT(QLineF(*view.target(), reached + QPointF(0, KoArmView::kShiftKeyStepMm)).length(), 2.0);
  // Moved by a slider, say, the arm leaves a key's target behind, and its ring with it.
  for (int i = 0; i < 3 && view.isPosing(); ++i) QCoreApplication::processEvents();
  view.setPositions(KoChannelPositions{500, 500, 500, 500, 125, 500});
  EXPECT_FALSE(view.target() || view.isClamped());

  spy.clear();
  QTest::keyClick(&view, Qt::Key_PageUp);
  EXPECT_EQ(wanted()[kBaseChannel - 1], 521);  // 5 degrees
  QTest::keyClick(&view, Qt::Key_PageDown, Qt::ShiftModifier);
  EXPECT_EQ(wanted()[kBaseChannel - 1], 438);  // 20 back

  // Held at the end of the base's range, the dial answers the moment it is turned back. The
  // pointer takes over from a key's target.
  QTest::keyClick(&view, Qt::Key_Right);
  ASSERT_TRUE(view.isClamped());
  const QPointF c = view.dialCentre();
  const double r = view.dialRadius();
  press(&view, c + QPointF(0, -r));
  EXPECT_FALSE(view.target() || view.isClamped());
  for (const QPointF at : {QPointF(r, 0), QPointF(r, r), QPointF(-r, r)}) drag(&view, c + at);
  EXPECT_EQ(view.positions()[kBaseChannel - 1], 1000);  // 225 degrees, past the base's 120
  drag(&view, c + QPointF(r, r));                       // back by 90
  EXPECT_EQ(view.positions()[kBaseChannel - 1], 625);
  release(&view, c + QPointF(r, r));
}

// The hand keeps its angle to the ground or, with Lock wrist (next in the Tab order) on, the
// wrist joint's own angle.
TEST_F(ArmViewTest, TheTipGoesWhereItIsDraggedKeepingWhatTheSwitchChooses) {
  EXPECT_EQ(view.focusPolicy(), Qt::StrongFocus);
  view.show();
  view.activateWindow();
  view.setFocus();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
  KoSwitch* lock = view.lockWristSwitch();
  QSignalSpy holds(&view, &KoArmView::wristHoldChanged);
  for (const WristHold hold : {WristHold::KeepAngleToGround, WristHold::LockJoint}) {
    SCOPED_TRACE(hold == WristHold::LockJoint ? "locked" : "to the ground");
    if (hold == WristHold::LockJoint) {
      QTest::keyClick(&view, Qt::Key_Tab);
      ASSERT_TRUE(lock->hasFocus());
      QTest::keyClick(lock, Qt::Key_Space);
      ASSERT_EQ(holds.count(), 1);
      EXPECT_EQ(holds.last().at(0).value<WristHold>(), WristHold::LockJoint);
    }
    EXPECT_EQ(view.wristHold(), hold);
    // Shoulder 24 degrees, elbow 48 and wrist 18: the hand points ahead.
    view.setPositions(KoChannelPositions{500, 500, 425, 300, 400, 500});
    spy.clear();
    const KoChannelPositions start = view.positions();
    const double pitch = kinematics::handPitch(kinematics::jointAngles(profile, start));
    ASSERT_DOUBLE_EQ(pitch, 90);
    const QPointF target(200, 240);
    dragTipTo(target);
    EXPECT_FALSE(view.isClamped());
    const KoChannelPositions asked = wanted(start);
    EXPECT_EQ(view.positions(), asked);
    EXPECT_LT(QLineF(tipOf(profile, asked), target).length(), 2.0);
    if (hold == WristHold::LockJoint) {
      EXPECT_EQ(asked[kWristChannel - 1], start[kWristChannel - 1]);
    } else {
      EXPECT_NEAR(kinematics::handPitch(kinematics::jointAngles(profile, asked)), pitch, 0.5);
    }
    release(&view, view.toScreen(target));
    // The pose wanted is let go once the moves have had time to arrive.
    for (int i = 0; i < 3 && view.isPosing(); ++i) QCoreApplication::processEvents();
    ASSERT_FALSE(view.isPosing());
  }
}

}  // namespace
