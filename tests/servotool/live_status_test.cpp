#include "servotool/live_status.h"

#include <QSignalSpy>

#include "link/protocol.h"
#include "servotool/servo_test_panel.h"
#include "servotool/strip_chart.h"
#include "tool_fixture.h"
#include "widgets/dash_board_view.h"
#include "widgets/number_field.h"
#include "widgets/slider.h"
#include "widgets/switch.h"

namespace {

using std::chrono::hours;
using std::chrono::milliseconds;

// Live status on a virtual clock: the poll timer never fires by itself, each poll is one
// tick() driven by the test, and the charts take their times from `now`.
class LiveStatusTest : public ToolFixture {
 protected:
  void SetUp() override {
    ToolFixture::SetUp();
    tool.setClock([this] { return now; });
    tool.liveStatus()->setInterval(hours(1));
    tool.liveStatus()->setOn(false);  // whatever an earlier test left in the settings
  }

  KoServoInfo& servo() { return board.busServos().first().info; }
  KoLiveStatus& live() { return *tool.liveStatus(); }

  // One poll, `ms` after the last; returns the read requests it sent.
  qsizetype poll(qint64 ms = 500) {
    processPending();  // frames already sent reach the board first
    now += ms;
    const qsizetype before = sent(protocol::kReadServoInfo).size();
    live().tick();
    processPending();
    return sent(protocol::kReadServoInfo).size() - before;
  }

  qint64 now = 0;
};

TEST_F(LiveStatusTest, PollsUpdateTheReadingsAndLeaveTheUsersEditsAlone) {
  showTool();
  EXPECT_FALSE(live().isPolling());  // off by default
  EXPECT_EQ(poll(), 0);

  click(panels().switchLive);
  ASSERT_TRUE(live().isPolling());
  KoServoParameterPanels& p = panels();

  // The user edits a limit and an alarm while the servo warms, sags and turns.
  p.sliderTemperature->setValue(60);
  p.sliderClick(KoServoParameterPanels::kTemperature);
  click(p.switchStall);
  ASSERT_FALSE(p.switchStall->isOn());
  servo().currentTemperature = 55;
  servo().currentVoltage = 6100;
  servo().currentPosition = 730;
  servo().temperatureLimit = 80;
  ASSERT_EQ(poll(), 1);
  EXPECT_EQ(shown(), (QStringList{"1", "", qtTrId("led_on"), "0", "1000", "4.5", "14.0", "60 ℃",
                                  "730", "55℃", "6.1V"}));
  EXPECT_NEAR(p.voltageGauge->needleAngle(), KoDashBoardView::needleAngleDegrees(6.1), 1e-4);
  EXPECT_FALSE(p.switchStall->isOn());
  EXPECT_FALSE(tips().contains(qtTrId("read_success")));

  // An alarm the user has not touched follows the servo, until a read ends the edits.
  servo().setAlarmByte(KoServoInfo::kAlarmStall);
  ASSERT_EQ(poll(), 1);
  EXPECT_FALSE(p.switchOverTemperature->isOn());
  EXPECT_FALSE(p.switchStall->isOn());
  read();
  EXPECT_EQ(tips().last(), qtTrId("read_success"));
  EXPECT_TRUE(p.switchStall->isOn());
  EXPECT_EQ(p.lableTemperatureRange->text(), "80 ℃");

  // Each chart keeps two minutes of readings, the newest at the right.
  EXPECT_EQ(p.chartTemperature->samples().last(), QPointF(now, 55));
  ASSERT_EQ(poll(KoStripChart::kSpanMs + 1), 1);
  EXPECT_EQ(p.chartTemperature->samples().size(), 1);
  EXPECT_EQ(p.chartVoltage->samples().first(), QPointF(now, 6.1));

  // The switch is kept: a new tool takes it from the settings, though it polls only when shown.
  KoSteerDebuggingTool second(link);
  EXPECT_TRUE(second.liveStatus()->isOn());
  EXPECT_TRUE(second.panels()->switchLive->isOn());
  EXPECT_FALSE(second.liveStatus()->isPolling());
}

// A classroom polls all day: each chart's history stays within its span and is never
// reallocated once the tool is built.
TEST_F(LiveStatusTest, ADayOfReadingsKeepsEveryChartInTheRoomItStartedWith) {
  KoServoParameterPanels& p = panels();
  constexpr qint64 kEvery = KoLiveStatus::kInterval.count();
  constexpr qint64 kPerSpan = KoStripChart::kSpanMs / kEvery;
  for (KoStripChart* chart : {p.chartTemperature, p.chartVoltage, p.chartPosition}) {
    const qsizetype room = chart->samples().capacity();
    for (qint64 n = 0; n < 10 * kPerSpan; ++n) chart->addSample(n * kEvery, 1, "1");
    EXPECT_EQ(chart->samples().size(), kPerSpan + 1);
    EXPECT_EQ(chart->samples().capacity(), room);
  }
}

TEST_F(LiveStatusTest, PausesForAWriteATestMoveADownloadAndAHiddenTab) {
  showTool();
  click(panels().switchLive);
  ASSERT_TRUE(live().isPolling());
  tool.setDelays(hours(1), milliseconds(0));
  set();
  EXPECT_EQ(sent(protocol::kWriteServoInfo).size(), 1);
  EXPECT_EQ(poll(), 0);
  live().setPaused(KoLiveStatus::kWriting, false);  // as the rest ends
  EXPECT_EQ(poll(), 1);

  // A test move goes out in the time typed first, and holds polling back while it runs.
  KoServoTestPanel& t = *tool.servoTest();
  t.textDebuggingtime->setText(QStringLiteral("300"));
  QTest::keyClick(t.textDebuggingtime, Qt::Key_Return);
  t.textDebuggingPostion->setText(QStringLiteral("720"));
  QTest::keyClick(t.textDebuggingPostion, Qt::Key_Return);
  EXPECT_EQ(poll(), 0);
  EXPECT_EQ(sent(protocol::kMultiServoMove), QStringList{"55 55 08 03 01 2c 01 01 d0 02"});
  EXPECT_EQ(t.sliderTime->value(), 300);
  live().setPaused(KoLiveStatus::kTestMove, false);

  link.setDownload(true);
  EXPECT_EQ(poll(), 0);
  link.setDownload(false);
  EXPECT_EQ(poll(), 1);

  tool.hide();
  EXPECT_FALSE(live().isPolling());
  EXPECT_EQ(poll(), 0);
}

TEST_F(LiveStatusTest, StopsWithANoticeWhenTheServoGoesSilent) {
  link.setReplyTimeout(milliseconds(0));  // a timed read would time out at once
  QSignalSpy timedOut(&link, &usbHid::replyTimedOut);
  showTool();
  click(panels().switchLive);
  processPending();
  board.dropRepliesTo(protocol::kReadServoInfo);
  board.clearReceived();
  for (int i = 0; i < KoLiveStatus::kSilentPolls; ++i) ASSERT_EQ(poll(), 1);
  EXPECT_TRUE(live().isPolling());
  EXPECT_EQ(poll(), 0);
  EXPECT_TRUE(live().isStopped());
  EXPECT_FALSE(live().isPolling());
  EXPECT_TRUE(tool.notice().endsWith(qtTrId("live_stopped")));
  // It counts the servos again; one still answers that, so the stop stands.
  EXPECT_EQ(sent(protocol::kReadPositions).size(), 1);
  EXPECT_EQ(tool.check(), KoSteerDebuggingTool::Check::Single);
  EXPECT_EQ(poll(), 0);
  EXPECT_TRUE(timedOut.isEmpty());
  EXPECT_FALSE(tips().contains(qtTrId("read_success")));

  // A new check, as when the servo is put back on the bus, lets it be polled again.
  board.clearFaults();
  tool.connection();
  processPending();
  EXPECT_FALSE(live().isStopped());
  EXPECT_TRUE(live().isPolling());
  EXPECT_FALSE(tool.notice().contains(qtTrId("live_stopped")));
}

// A new id is asked for first, naming both ids, and the servo is read again under it.
TEST_F(LiveStatusTest, ChangingTheIdAsksAndChecksTheServoAgain) {
  showTool();
  ASSERT_EQ(tool.servoIdOnBus(), 1);
  const QStringList& questions = RecordingPrompter::instance().questions;
  typeId("7");
  set(false);
  ASSERT_EQ(questions, QStringList{qtTrId("servo_id_change_ask").arg(1).arg(7)});
  EXPECT_TRUE(sent(protocol::kWriteServoInfo).isEmpty());

  set();
  ASSERT_EQ(sent(protocol::kWriteServoInfo).size(), 1);
  EXPECT_EQ(servo().servoId, 7);
  EXPECT_EQ(tips().last(), qtTrId("servo_id_change_done").arg(7));
  EXPECT_EQ(tool.servoIdOnBus(), 7);

  // Written again under the same id: nothing to ask.
  set();
  EXPECT_EQ(questions.size(), 2);
  EXPECT_EQ(sent(protocol::kWriteServoInfo).size(), 2);

  // A servo that kept its id is named by the id it answers to.
  board.busServos().first().keepsId = true;
  typeId("9");
  set();
  EXPECT_EQ(tips().last(), qtTrId("servo_id_change_other").arg(7).arg(9));

  // A servo that does not answer after the change is named as silent.
  board.dropRepliesTo(protocol::kReadServoInfo);
  tool.setIdCheckWait(milliseconds(0));
  typeId("8");
  set();
  const QString silent = qtTrId("servo_id_change_silent").arg(8);
  EXPECT_TRUE(processUntil([&] { return tips().last() == silent; })) << tips().last().toStdString();
}

}  // namespace
