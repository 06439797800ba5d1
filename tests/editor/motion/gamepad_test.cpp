#include <gtest/gtest.h>

#include "editor/board/teach_recorder.h"
#include "editor/motion/arm_feed.h"
#include "editor/motion/gamepad_controls.h"
#include "editor/motion/gamepad_dialog.h"
#include "editor/motion/motion_controls.h"
#include "editor_fixture.h"
#include "gamepad/gamepad_driver.h"
#include "gamepad/gamepad_source.h"
#include "session/arm_ranges.h"
#include "virtual_pad.h"
#include "widgets/arm_view.h"
#include "widgets/switch.h"

namespace {

using pad::Input;

// The editor on the virtual board with a virtual controller plugged in, the gamepad on and
// the window active; the sticks' steps and the moves' throttle on a clock the test moves.
class GamepadOnBoard : public EditorOnBoardFixture {
 protected:
  void SetUp() override {
    EditorOnBoardFixture::SetUp();
    controls = editor.motion()->gamepad();
    controls->driver()->setClock([this] { return now; });
    controls->moves()->setClock([this] { return now; });
    controls->setOn(true);
    QApplication::setActiveWindow(&editor);
    pump();
    ASSERT_TRUE(controls->isListening());
  }
  void TearDown() override {
    controls->setOn(false);
    EditorOnBoardFixture::TearDown();
  }
  void pump() {
    controls->source()->poll();
    processPending();
  }
  void set(Input input, double value) {
    pad::isAxis(input) ? pad.setAxis(input, value) : pad.setButton(input, value > 0);
    pump();
  }
  // Held for `ms`, then let go; a button pressed.
  void hold(Input input, int ms = 0, double value = 1) {
    set(input, value);
    run(ms);
    set(input, 0);
  }
  // Time passes in the timers' steps, each doing what its timer would.
  void run(int ms) {
    for (int t = 0; t < ms; t += KoGamepadDriver::kTickMs) {
      now += KoGamepadDriver::kTickMs;
      if (controls->driver()->moving()) controls->driver()->tick();
      controls->moves()->flush();
      processPending();
    }
  }
  // Each single-servo move the board received: (servo, position).
  QList<std::pair<int, int>> servoMoves() const {
    QList<std::pair<int, int>> out;
    for (const QByteArray& f : board.receivedWith(protocol::kMultiServoMove)) {
      if (quint8(f[4]) == 1) out.append({quint8(f[7]), frame::le16(f, 8)});
    }
    return out;
  }
  KoFrameListModel* model() const { return editor.model(); }
  int position(int channel) const { return int(editor.session()->pose().positions[channel - 1]); }

  VirtualPad pad;
  KoGamepadControls* controls = nullptr;
  qint64 now = 1000;
};

TEST_F(GamepadOnBoard, SticksMoveTheArmAndButtonsRunTheEditorsActions) {
  hold(Input::RightX, 200);
  const auto moves = servoMoves();
  ASSERT_GE(moves.size(), 5);
  // The base's channel only, one move per 20 ms at most, each further on, the last the pose.
  EXPECT_LE(moves.size(), 200 / KoArmMoves::kIntervalMs + 1);
  for (qsizetype i = 1; i < moves.size(); ++i) {
    EXPECT_EQ(moves[i].first, 6);
    EXPECT_GT(moves[i].second, moves[i - 1].second);
  }
  EXPECT_EQ(moves.last().second, position(6));

  hold(Input::A);
  ASSERT_EQ(model()->count(), 1);
  EXPECT_EQ(model()->frameAt(0)->id(6), position(6));
  hold(Input::LeftTrigger, 200);
  const int opened = position(1);
  EXPECT_LT(opened, 500);
  hold(Input::X);  // before the selected frame
  ASSERT_EQ(model()->count(), 2);
  EXPECT_EQ(model()->frameAt(0)->id(1), opened);
  hold(Input::RightShoulder, 100);
  hold(Input::Y);
  EXPECT_EQ(model()->frameAt(model()->selectIndex())->id(2), position(2));
  EXPECT_GT(position(2), 500);

  // The D-pad walks the rows and shows each on the arm.
  const int selected = model()->selectIndex();
  const qsizetype frames = board.receivedWith(protocol::kMultiServoMove).size();
  hold(selected == 0 ? Input::DpadDown : Input::DpadUp);
  EXPECT_NE(model()->selectIndex(), selected);
  EXPECT_EQ(board.receivedWith(protocol::kMultiServoMove).size(), frames + 1);

  // Start runs the list and stops it; so does B, whatever runs.
  clock.setHorizon(std::chrono::milliseconds(0));
  hold(Input::Start);
  EXPECT_FALSE(editor.online()->stopped());
  hold(Input::Start);
  EXPECT_TRUE(editor.online()->stopped());
  hold(Input::Start);
  ASSERT_FALSE(editor.online()->stopped());
  // The run moves the arm meanwhile; the sticks wait.
  const qsizetype running = servoMoves().size();
  hold(Input::RightX, 100);
  EXPECT_EQ(servoMoves().size(), running);
  hold(Input::B);
  EXPECT_TRUE(editor.online()->stopped());
}

TEST_F(GamepadOnBoard, NothingMovesFromRestAfterFocusLostUnplugOrTheBoardGone) {
  set(Input::LeftX, 0.08);
  set(Input::RightY, -0.09);
  run(60 * 1000);
  EXPECT_TRUE(servoMoves().isEmpty());
  // Of two controllers the last plugged in is heard; once it is unplugged, the one before.
  {
    VirtualPad second("Second pad");
    pump();
    hold(Input::RightX, 100);
    EXPECT_TRUE(servoMoves().isEmpty());
  }
  pump();
  EXPECT_EQ(status(), qtTrId("gamepad_connected").arg("Virtual pad"));

  // Mid-move, another window takes the focus, then the controller goes: what waited in the
  // throttle never goes, and nothing after it.
  editor.session()->setPosition(5, 400);
  QWidget other;
  for (const bool unplug : {false, true}) {
    set(Input::LeftX, 0);
    set(Input::LeftX, 1);
    run(30);
    ASSERT_TRUE(controls->moves()->pending());
    unplug ? pad.unplug() : (other.show(), QApplication::setActiveWindow(&other));
    pump();
    const qsizetype sent = servoMoves().size();
    run(500);
    EXPECT_EQ(servoMoves().size(), sent);
    EXPECT_FALSE(controls->isListening());
    QApplication::setActiveWindow(&editor);
    pump();
  }
  EXPECT_EQ(status(), qtTrId("gamepad_disconnected").arg("Virtual pad"));

  board.unplug();
  processUntil([this] { return !link.connection(); });
  EXPECT_FALSE(controls->gamepadSwitch()->isOn());
  EXPECT_FALSE(controls->source()->isStarted());
  EXPECT_EQ(status(), qtTrId("gamepad_board_gone"));
}

TEST_F(GamepadOnBoard, APoseThatWouldStrikeIsHeldAndTheArmViewSaysWhy) {
  editor.motion()->liveSwitch()->toggle();
  KoArmView* view = editor.motion()->armView();
  ASSERT_TRUE(view);
  const KoArmProfile& profile = editor.armRanges()->profile();
  editor.session()->setPosition(5, 300);
  set(Input::LeftY, 1);
  // No pose that went to the board strikes, as each step left it.
  KoChannelPositions sent;
  sent.fill(500);
  sent[4] = 300;
  for (int step = 0; step < 2000; ++step) {
    const qsizetype before = servoMoves().size();
    run(KoGamepadDriver::kTickMs);
    for (const auto& [servo, at] : servoMoves().mid(before)) sent[servo - 1] = at;
    ASSERT_EQ(kinematics::poseFaults(profile, sent), 0) << step;
  }
  EXPECT_GT(servoMoves().size(), 10);
  EXPECT_EQ(kinematics::poseFaults(profile, view->positions()), 0);
  controls->driver()->tick();  // the timer's, before any time went: the hold stays told
  EXPECT_TRUE(view->heldStrike() & kinematics::kBelowGround);
  set(Input::LeftY, 0);
  EXPECT_EQ(view->heldStrike(), 0);
}

TEST_F(GamepadOnBoard, WhileTheMappingIsEditedItsRowsFollowTheControllerAndTheArmWaits) {
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<KoGamepadDialog*>(QApplication::activeModalWidget());
    ASSERT_TRUE(dialog);
    set(Input::RightX, 1);
    run(100);
    EXPECT_EQ(dialog->level(KoGamepadMapping::BaseTurn), 1);
    EXPECT_TRUE(servoMoves().isEmpty());
    set(Input::RightX, 0);
    dialog->reject();
  });
  controls->editMapping();
  EXPECT_TRUE(controls->source()->isStarted());
}

TEST_F(GamepadOnBoard, RecordTakesThePoseTheSticksGiveAtTheInterval) {
  KoTeachRecorder* recorder = editor.motion()->recorder();
  recorder->setAutoTick(false);
  editor.buttonClick(EditorAction::Record);
  ASSERT_TRUE(recorder->isRecording());
  set(Input::RightX, 1);
  run(150);
  recorder->tick();
  set(Input::RightX, 0);
  recorder->tick();
  editor.buttonClick(EditorAction::Record);
  // The first frame where it started; the second where the stick left it, held twice as long.
  ASSERT_EQ(model()->count(), 2);
  EXPECT_EQ(model()->frameAt(0)->id(6), 500);
  EXPECT_EQ(model()->frameAt(1)->id(6), position(6));
  EXPECT_GT(position(6), 520);
  EXPECT_EQ(valuesOf(*model(), kTimes),
            (QList<int>{recorder->interval(), 2 * recorder->interval()}));
  // No read went to the board: the pose was in hand.
  EXPECT_TRUE(board.receivedWith(protocol::kReadPositions).isEmpty());
}

}  // namespace
