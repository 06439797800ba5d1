#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QSettings>
#include <cmath>
#include <tuple>

#include "editor/motion/arm_feed.h"
#include "editor/motion/motion_controls.h"
#include "editor/profiles/arm_profile_dialog.h"
#include "editor_fixture.h"
#include "widgets/arm_view.h"
#include "widgets/switch.h"

namespace {

// A channel's move as it went out: when, which channel, to where.
using Sent = std::tuple<qint64, int, int>;

KoChannelPositions only(std::initializer_list<std::pair<int, int>> moves) {
  KoChannelPositions out;
  for (const auto& [channel, position] : moves) out[channel - 1] = position;
  return out;
}

struct ThrottleCase {
  const char* name;
  // At a time, the moves wanted; none means the timer fired.
  std::vector<std::pair<qint64, KoChannelPositions>> steps;
  QList<Sent> sent;
};

void PrintTo(const ThrottleCase& c, std::ostream* os) { *os << c.name; }

class ArmMovesTest : public testing::TestWithParam<ThrottleCase> {};

TEST_P(ArmMovesTest, AtMostOneMovePerChannelPerIntervalAndAlwaysTheLatest) {
  qint64 now = 0;
  QList<Sent> sent;
  KoArmMoves moves([&](int channel, int position) { sent.append({now, channel, position}); });
  moves.setClock([&] { return now; });
  for (const auto& [at, wanted] : GetParam().steps) {
    now = at;
    if (wanted == KoChannelPositions{}) {
      moves.flush();
    } else {
      moves.want(wanted);
    }
  }
  EXPECT_EQ(sent, GetParam().sent);
  EXPECT_FALSE(moves.pending());
  EXPECT_FALSE(moves.timer().isActive());
}

const KoChannelPositions kTimer{};

INSTANTIATE_TEST_SUITE_P(
    Scripts, ArmMovesTest,
    testing::Values(
        ThrottleCase{"OneChannel",
                     {{0, only({{3, 100}})},
                      {5, only({{3, 110}})},
                      {12, only({{3, 120}})},
                      {19, kTimer},  // early: nothing is due yet
                      {20, kTimer},
                      {25, only({{3, 130}})},
                      {40, kTimer},
                      {70, only({{3, 140}})}},
                     {{0, 3, 100}, {20, 3, 120}, {40, 3, 130}, {70, 3, 140}}},
        ThrottleCase{"ChannelsKeepTheirOwnIntervals",
                     {{0, only({{3, 100}, {6, 400}})},
                      {10, only({{4, 200}})},
                      {12, only({{3, 101}, {4, 201}})},
                      {20, kTimer},
                      {30, kTimer}},
                     {{0, 3, 100}, {0, 6, 400}, {10, 4, 200}, {20, 3, 101}, {30, 4, 201}}},
        ThrottleCase{
            "TheLatestGoesEvenIfSentBefore",
            {{0, only({{2, 300}})}, {5, only({{2, 310}})}, {8, only({{2, 300}})}, {20, kTimer}},
            {{0, 2, 300}, {20, 2, 300}}}),
    [](const testing::TestParamInfo<ThrottleCase>& info) { return info.param.name; });

// The timer is set for when the first waiting move may go, not a whole interval on.
TEST(ArmMoves, TheTimerIsDueWhenTheFirstWaitingMoveMayGo) {
  qint64 now = 0;
  int sends = 0;
  KoArmMoves moves([&](int, int) { ++sends; });
  moves.setClock([&] { return now; });
  moves.want(only({{1, 10}}));
  EXPECT_FALSE(moves.timer().isActive());
  now = 4;
  moves.want(only({{2, 10}}));
  now = 7;
  moves.want(only({{1, 11}, {2, 11}}));
  ASSERT_TRUE(moves.timer().isActive());
  EXPECT_EQ(moves.timer().interval(), 13);  // channel 1 may go at 20
  now = 20;
  moves.flush();
  EXPECT_EQ(sends, 3);
  EXPECT_EQ(moves.timer().interval(), 4);  // channel 2 at 24
}

void mouse(QWidget* view, QEvent::Type type, QPointF at) {
  QMouseEvent event(
      type, at, view->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(view, &event);
}

// Turning the base on the live arm's dial moves the servo as its slider would: the control
// shows the position and the board gets the move, no faster than the interval allows, and
// the servo's read-back does not pull the dragged arm back meanwhile.
TEST_F(EditorOnBoardFixture, TheLiveArmsMovesGoOutAsSliderMoves) {
  const struct Forget {
    ~Forget() { QSettings().remove(QStringLiteral("liveArm")); }
  } forget;
  KoMotionControls* motion = editor.motion();
  motion->liveSwitch()->setOn(true);
  emit motion->liveSwitch()->toggledByUser(true);
  KoArmView* arm = motion->armView();
  ASSERT_NE(arm, nullptr);
  qint64 now = 1000;
  motion->armMoves()->setClock([&] { return now; });
  motion->armFeed()->refresh();
  ASSERT_EQ(arm->positions()[5], 500);
  board.clearReceived();

  const QPointF c = arm->dialCentre();
  const double r = arm->dialRadius();
  mouse(arm, QEvent::MouseButtonPress, c + QPointF(0, -r));
  mouse(arm, QEvent::MouseMove, c + QPointF(r * std::sqrt(3) / 2, -r / 2));  // 60 degrees
  ASSERT_TRUE(processUntil([this] { return board.targetPosition(6) == 750; }));
  EXPECT_EQ(cardText(6), "750");
  mouse(arm, QEvent::MouseMove, c + QPointF(r, -r * 0.2));
  mouse(arm, QEvent::MouseMove, c + QPointF(r, 0));  // 90 degrees, within the interval
  processPending();
  EXPECT_EQ(board.targetPosition(6), 750);
  motion->armFeed()->refresh();
  EXPECT_EQ(arm->positions()[5], 875);

  now += KoArmMoves::kIntervalMs;
  motion->armMoves()->flush();
  ASSERT_TRUE(processUntil([this] { return board.targetPosition(6) == 875; }));
  EXPECT_EQ(cardText(6), "875");
  EXPECT_EQ(board.receivedWith(protocol::kMultiServoMove).size(), 2);
  mouse(arm, QEvent::MouseButtonRelease, c + QPointF(r, 0));
}

// The profile button beside the live arm opens the profile dialog over the editor's window,
// without blocking it.
TEST_F(EditorOnBoardFixture, TheProfileButtonOpensTheProfileDialog) {
  const auto dialogs = [] {
    QList<KoArmProfileDialog*> open;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* d = qobject_cast<KoArmProfileDialog*>(w); d && d->isVisible()) open.append(d);
    }
    return open;
  };
  ASSERT_TRUE(dialogs().isEmpty());
  editor.motion()->profileButton()->click();
  processPending();
  const QList<KoArmProfileDialog*> open = dialogs();
  ASSERT_EQ(open.size(), 1);
  EXPECT_EQ(open.first()->parentWidget(), editor.motion()->liveRow()->window());
  open.first()->reject();
  processPending();
  EXPECT_TRUE(dialogs().isEmpty());
}

}  // namespace
