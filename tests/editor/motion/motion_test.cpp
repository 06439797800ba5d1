#include <QtTest>
#include <QtWidgets>
#include <cmath>

#include "editor/board/teach_recorder.h"
#include "editor/motion/arm_feed.h"
#include "editor/motion/curve_view.h"
#include "editor/motion/motion_controls.h"
#include "editor/profiles/arm_profile_dialog.h"
#include "editor_fixture.h"
#include "link/ko_serial.h"
#include "motion/motion_frames.h"
#include "widgets/arm_view.h"
#include "widgets/number_field.h"
#include "widgets/switch.h"

using std::chrono::milliseconds;

namespace {

class SoftStartTest : public EditorOnBoardFixture,
                      public testing::WithParamInterface<std::pair<int, int>> {};

// The second pass of a loop shifts too, but its first frame keeps its own time.
TEST_P(SoftStartTest, FirstFrameTakesAtLeastTheSoftTimeAndTheRestShiftsAndItIsKept) {
  const auto [firstTime, shift] = GetParam();
  editor.model()->appendMany({frameOf({100, 500, 500, 500, 500, 500}, firstTime),
                              frameOf({200, 500, 500, 500, 500, 500}, 500),
                              frameOf({300, 500, 500, 500, 500, 500}, 2000)});
  const auto forget = qScopeGuard([] {
    for (const char* key : {"softStart", "softStartTime"}) QSettings().remove(QLatin1String(key));
  });
  KoMotionControls* motion = editor.motion();
  motion->softStartSwitch()->setOn(true);
  emit motion->softStartSwitch()->toggledByUser(true);
  motion->softStartField()->setText(QStringLiteral("1200"));
  emit motion->softStartField()->editingFinished();
  clock.setHorizon(milliseconds(firstTime + shift + 2500 + firstTime + 500));
  static_cast<KoSwitch*>(editor.control(KoOnlineControl::kLoop))->setOn(true);
  editor.online()->buttonClick(KoOnlineControl::kRun);
  ASSERT_TRUE(moves(5));
  const int t0 = firstTime + shift;
  EXPECT_EQ(clock.sleeps().mid(0, 6),
            (QList<int>{0, t0, t0 + 500, t0 + 2500, t0 + 2500 + firstTime, t0 + 3000 + firstTime}));
  EXPECT_EQ(moveFields(kMoveTime).mid(0, 5),
            (QList<int>{firstTime + shift, 500, 2000, firstTime, 500}));
  KoCurveView* curves = editor.motion()->curveView();
  ASSERT_TRUE(processUntil([curves] { return curves->playingFrame() == 2; }));
  editor.online()->buttonClick(KoOnlineControl::kRun);
  EXPECT_EQ(curves->playingFrame(), -1);  // a stopped run marks no place

  // A frame played from its row is softened the same way; the stored frame is not.
  board.clearReceived();
  editor.online()->play(0);
  ASSERT_TRUE(moves(1));
  EXPECT_EQ(moveFields(kMoveTime), QList<int>{firstTime + shift});
  EXPECT_EQ(editor.model()->frameAt(0)->time, firstTime);

  KoVelmarViewController next{link, nullptr, &ports};
  EXPECT_TRUE(next.motion()->softStartSwitch()->isOn());
  EXPECT_EQ(next.motion()->softStartField()->value(), 1200);
  EXPECT_EQ(next.online()->softStart(), 1200);
}

INSTANTIATE_TEST_SUITE_P(Shifts, SoftStartTest,
                         testing::Values(std::pair{300, 900}, std::pair{1500, 0}));

// Shown, the arm takes the still picture's place; its dial moves the base as the slider would,
// no faster than the interval, and the profile button opens its dialog without blocking.
TEST_F(EditorOnBoardFixture, TheLiveArmIsMadeWhenFirstShownAndItsDialMovesTheBase) {
  const auto forget = qScopeGuard([] { QSettings().remove(QStringLiteral("liveArm")); });
  KoMotionControls* motion = editor.motion();
  motion->profileButton()->click();
  processPending();
  QPointer dialog = motion->liveRow()->window()->findChild<KoArmProfileDialog*>();
  ASSERT_FALSE(dialog.isNull());
  EXPECT_TRUE(dialog->isVisible());
  dialog->reject();
  processPending();
  EXPECT_TRUE(dialog.isNull());
  EXPECT_EQ(motion->armView(), nullptr);
  motion->liveSwitch()->setOn(true);
  emit motion->liveSwitch()->toggledByUser(true);
  KoArmView* arm = motion->armView();
  ASSERT_NE(arm, nullptr);
  QWidget* picture = editor.panView()->imageVelmar();
  EXPECT_TRUE(arm->isVisible());
  EXPECT_EQ(arm->geometry(), picture->geometry());
  // Drawn to the editor's profile, and to each new one.
  KoArmProfile longer = editor.armRanges()->profile();
  longer.linksMm[KoArmProfile::kForearm] += 40;
  editor.armRanges()->setProfile(longer);
  EXPECT_EQ(arm->profile(), longer);
  picture->setGeometry(picture->geometry().adjusted(10, 0, 0, 0));
  EXPECT_EQ(arm->geometry(), picture->geometry());
  editor.session()->setPosition(1, 120);
  motion->armFeed()->refresh();
  EXPECT_EQ(arm->positions()[0], 500);  // the virtual board's servo, not the typed value

  qint64 now = 1000;
  motion->armMoves()->setClock([&] { return now; });
  ASSERT_EQ(arm->positions()[5], 500);
  board.clearReceived();
  const QPointF c = arm->dialCentre();
  const double r = arm->dialRadius();
  sendMouse(arm, QEvent::MouseButtonPress, c + QPointF(0, -r));
  sendMouse(arm, QEvent::MouseMove, c + QPointF(r * std::sqrt(3) / 2, -r / 2));  // 60 degrees
  ASSERT_TRUE(processUntil([this] { return board.targetPosition(6) == 750; }));
  EXPECT_EQ(cardText(6), "750");
  sendMouse(arm, QEvent::MouseMove, c + QPointF(r, -r * 0.2));
  sendMouse(arm, QEvent::MouseMove, c + QPointF(r, 0));  // 90 degrees, within the interval
  processPending();
  EXPECT_EQ(board.targetPosition(6), 750);
  motion->armFeed()->refresh();
  EXPECT_EQ(arm->positions()[5], 875);
  now += KoArmMoves::kIntervalMs;
  motion->armMoves()->flush();
  ASSERT_TRUE(processUntil([this] { return board.targetPosition(6) == 875; }));
  EXPECT_EQ(cardText(6), "875");
  EXPECT_EQ(board.receivedWith(protocol::kMultiServoMove).size(), 2);
  sendMouse(arm, QEvent::MouseButtonRelease, c + QPointF(r, 0));

  motion->liveSwitch()->setOn(false);
  emit motion->liveSwitch()->toggledByUser(false);
  EXPECT_FALSE(arm->isVisible());
}

// A point is taken within its radius, the nearest where several lie close; dragged, it edits
// its frame through the list.
TEST(CurveView, PointsAreFoundNearTheirPlaceAndDraggingOneEditsItsFrame) {
  KoFrameListModel model;
  model.appendMany({frameOf({100, 900, 500, 500, 500, -1}, 1000),
                    frameOf({300, 900, 500, 500, 500, 800}, 1000),
                    frameOf({500, 900, 500, 500, 500, 800}, 2000)});
  KoCurveView view{&model};
  view.resize(400, 200);
  const QPointF p1 = view.pointOf(1, 1);
  const std::pair<QPointF, std::optional<KoCurveView::Hit>> cases[] = {
      {p1 + QPointF(KoCurveView::kHitRadius - 1, 0), KoCurveView::Hit{1, 1}},
      {p1 + QPointF(0, KoCurveView::kHitRadius + 2), std::nullopt},
      {view.pointOf(2, 6), KoCurveView::Hit{2, 6}},
      {view.pointOf(0, 6), std::nullopt},  // an absent channel has no point to take
      // Channels 3 to 5 coincide at 500 on the last frame; 1 lies right there too.
      {view.pointOf(2, 1) + QPointF(0, 1), KoCurveView::Hit{2, 1}},
  };
  for (const auto& [at, hit] : cases) {
    SCOPED_TRACE(testing::Message() << at.x() << "," << at.y());
    EXPECT_EQ(view.hitTest(at), hit);
  }
  // Frame times decide where points lie: the last frame lasts twice as long.
  EXPECT_NEAR(view.pointOf(2, 1).x() - view.pointOf(1, 1).x(),
              2 * (view.pointOf(1, 1).x() - view.pointOf(0, 1).x()), 1);

  QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
  KoFrameHistory history(&model);
  QObject::connect(&view, &KoCurveView::editStarted, &history, &KoFrameHistory::beginStep);
  QObject::connect(&view, &KoCurveView::editFinished, &history, &KoFrameHistory::endStep);
  const int stepsBefore = history.count();
  const QPoint from = view.pointOf(1, 2).toPoint();
  QTest::mousePress(&view, Qt::LeftButton, {}, from);
  EXPECT_EQ(model.selectIndex(), 1);
  const QPointF mid = view.pointOf(1, 2);
  for (double dy : {20.0, 2000.0})
    sendMouse(&view, QEvent::MouseMove, QPointF(from.x(), mid.y() + dy));
  QTest::mouseRelease(&view, Qt::LeftButton, {}, from);
  processPending();

  // Dragged below the plot: held at the end, the edit made through the list's setData.
  EXPECT_EQ(valuesOf(model, 2), (QList<int>{900, 0, 900}));
  // The drag is one step back, whatever it passed through.
  EXPECT_EQ(history.count(), stepsBefore + 1);
  history.undo();
  EXPECT_EQ(valuesOf(model, 2), (QList<int>{900, 900, 900}));

  // A press beside every point selects nothing and edits nothing.
  changed.clear();
  QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(2, 2));
  QTest::mouseMove(&view, QPoint(2, 150));
  QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(2, 150));
  EXPECT_TRUE(changed.isEmpty());
  EXPECT_EQ(model.selectIndex(), 1);
  EXPECT_EQ(history.count(), stepsBefore + 1);  // and leaves no empty step
}

class TeachTest : public LinkFixture {
 protected:
  void SetUp() override {
    LinkFixture::SetUp();
    recorder.setAutoTick(false);
    QObject::connect(
        &link, &usbHid::positionsRead, &recorder,
        [this](const protocol::PositionsRead& r) { recorder.positionsReceived(r.readings); });
    link.sendMotorLost(session.pose().shownIds());
    ASSERT_TRUE(processUntil([this] { return board.isUnloaded(6); }));
  }
  // One reading: the test's hand has moved the servos, the recorder asks and gets its answer.
  void reading() {
    const int asked = int(board.receivedWith(protocol::kReadPositions).size());
    recorder.tick();
    processUntil([&] { return board.receivedWith(protocol::kReadPositions).size() > asked; });
    processPending();
  }

  KoEditorSession session{link};
  KoFrameListModel& model = *session.list();
  KoFrameHistory& history = *session.history();
  KoTeachRecorder recorder{session};
};

TEST_F(TeachTest, RecordsTheHandsMovesAndMergesStillReadings) {
  QSignalSpy shown(&recorder, &KoTeachRecorder::scrollToRow);
  ASSERT_TRUE(recorder.start());  // the first reading is asked at once
  processPending();
  board.poseByHand(1, 600);
  reading();
  board.poseByHand(1, 604);  // within the threshold: the frame before lasts longer
  reading();
  reading();
  board.poseByHand(2, 700);
  reading();
  board.poseByHand(2, 705);  // a move of the threshold itself is a move
  reading();
  EXPECT_EQ(valuesOf(model, 1), (QList<int>{500, 600, 604, 604}));
  EXPECT_EQ(valuesOf(model, 2), (QList<int>{500, 500, 700, 705}));
  EXPECT_EQ(valuesOf(model, kTimes), (QList<int>{250, 750, 250, 250}));
  EXPECT_EQ(shown.isEmpty() ? -1 : shown.last().at(0), 3) << "the table follows to the newest";
  EXPECT_TRUE(tips().isEmpty());

  // Channel 6 stops answering: the recording ends, what it holds stays.
  board.setChannelServos({1, 2, 3, 4, 5});
  reading();
  EXPECT_FALSE(recorder.isRecording());
  EXPECT_EQ(tips(), QStringList{"connect_velmar"});
  EXPECT_EQ(model.count(), 4);
  // The whole recording is one step back.
  history.undo();
  EXPECT_EQ(model.count(), 0);
}

TEST_F(TeachTest, HiddenChannelsSilenceAStillnessNeverOverflowingAFrameAndTheArmFeed) {
  // With every channel hidden there is nothing to record: teaching does not start.
  for (int channel = 1; channel <= KoPose::kChannels; ++channel) session.setShown(channel, false);
  ASSERT_FALSE(recorder.start());  // what follows would wait on readings that never come
  EXPECT_EQ(tips(), QStringList{"read_no_channel"});
  EXPECT_EQ(history.count(), 0);
  for (int channel = 1; channel <= KoPose::kChannels; ++channel) session.setShown(channel, true);
  tips().clear();

  recorder.setInterval(5000);  // held at 2000
  ASSERT_TRUE(recorder.start());
  processPending();
  for (int i = 0; i < 15; ++i) reading();
  // 16 still readings of 2000 ms: one frame of 30000, the longest there is, then a new one.
  EXPECT_EQ(valuesOf(model, kTimes), (QList<int>{30000, 2000}));

  board.dropRepliesTo(protocol::kReadPositions);
  recorder.tick();
  recorder.tick();
  EXPECT_FALSE(recorder.isRecording());
  EXPECT_EQ(tips(), QStringList{"connect_velmar"});
  EXPECT_EQ(model.count(), 2);

  // The live arm shows the servos on the board, else the sliders.
  KoArmView view;
  KoArmFeed feed(session, &view);
  session.setPosition(1, 120);
  board.poseByHand(1, 640);
  KoSerial line;
  feed.setSerialLine(&line);
  line.setCarriesMoves(true);  // serial moves never reach the board this link sees
  EXPECT_EQ(feed.positions()[0], 120);
  line.setCarriesMoves(false);
  link.setDownload(true);  // the frame a download sends, which the board stores
  EXPECT_EQ(feed.positions()[0], 120);
  link.setDownload(false);
  EXPECT_EQ(feed.positions()[0], 640);
  board.unplug();
  ASSERT_TRUE(processUntil([this] { return !link.connection(); }));
  EXPECT_EQ(feed.positions()[0], 120);
}

}  // namespace
