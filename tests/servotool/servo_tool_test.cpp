#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>

#include "app/fonts.h"
#include "link/action_downloader.h"
#include "link/protocol.h"
#include "link_fixture.h"
#include "model/action_text.h"
#include "model/language.h"
#include "recording_prompter.h"
#include "servo_record.h"
#include "servotool/live_status.h"
#include "servotool/mass_download_panel.h"
#include "servotool/parameter_panels.h"
#include "servotool/servo_test_panel.h"
#include "servotool/steer_debugging_tool.h"
#include "servotool/strip_chart.h"
#include "temp_files.h"
#include "widgets/dash_board_view.h"
#include "widgets/image_title_button.h"
#include "widgets/number_field.h"
#include "widgets/slider.h"
#include "widgets/status_line.h"
#include "widgets/switch.h"
#include "widgets/tool_view.h"

// The bus-servo tool on the virtual board: the single-servo check, reading and writing a
// servo, motor mode, live status and the batch download.
namespace {

using std::chrono::hours;
using std::chrono::milliseconds;

// The tool on a virtual board that answers at once, in English from fresh settings. Each poll
// of live status is one tick() driven by the test, and the charts take their times from `now`.
class ToolFixture : public LinkFixture {
 protected:
  void SetUp() override {
    QSettings().clear();
    KoLanguage::instance().load();
    LinkFixture::SetUp();
    tool.setSetRest(milliseconds(0));
    tool.setClock([this] { return now; });
    EXPECT_EQ(live().interval(), milliseconds(500));  // until the test takes the clock over
    live().setInterval(hours(1));
    live().setOn(false);  // whatever an earlier test left in the settings
  }

  // Shows the tool and waits for its single-servo check to be answered.
  void showTool(int busServos = 1) {
    board.setBusServoCount(busServos);
    tool.show();
    ASSERT_TRUE(
        processUntil([this] { return tool.check() != KoSteerDebuggingTool::Check::Pending; }));
    processPending();
  }

  void click(QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); }

  void typeId(const QString& id) {
    panels().textID->selectAll();
    QTest::keyClick(panels().textID, Qt::Key_Backspace);
    QTest::keyClicks(panels().textID, id);
  }

  // Presses "set" and lets it be written, answering `yes` should it ask about a new id.
  void set(bool yes = true) {
    prompter().answers = {yes};
    click(tool.buttonSetting());
    processPending();
  }

  void read() {
    tool.resultLine()->clearMessage();
    click(tool.buttonRead());
    ASSERT_TRUE(processUntil([&] { return result() == qtTrId("read_success"); }));
  }
  QString result() const { return tool.resultLine()->text(); }

  // What the panels show: id, trim, LED, angle limits (lower, upper), voltage limits,
  // temperature limit, then the position, temperature and voltage readings.
  QStringList shown() {
    KoServoParameterPanels& p = panels();
    QStringList texts{p.textID->text()};
    for (QLabel* l : {p.labelDeviation, p.labelLED, p.lableAngleBottom, p.lableAngleTop,
                      p.lableVoltageRangeMin, p.lableVoltageRangeMax, p.lableTemperatureRange,
                      p.textCurrentPosition, p.textCurrentTemperature, p.textCurrentVoltage}) {
      texts.append(l->text());
    }
    return texts;
  }

  QStringList sent(int command) const {
    QStringList frames;
    for (const QByteArray& f : board.receivedWith(command)) frames.append(f.toHex(' '));
    return frames;
  }
  KoServoParameterPanels& panels() { return *tool.panels(); }
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

  KoSteerDebuggingTool tool{link};
  qint64 now = 0;
};

using Check = KoSteerDebuggingTool::Check;

// Read and set need exactly one servo; otherwise the tool says how many answered, greys the
// buttons and shows no values: a reply, even to a read out, may be any servo's.
TEST_F(ToolFixture, TheCheckSaysHowManyServosAnsweredAndBlanksThePanels) {
  using Case = std::tuple<int, Check, QString>;
  const Case cases[] = {{1, Check::Single, qtTrId("single_servo_tips")},
                        {0, Check::None, "No servo answered the check"},
                        {2, Check::Many, "2 servos answered: connect only one to read or write"}};
  const QString none = KoServoParameterPanels::emptyText();
  const QByteArray late = QByteArray::fromHex("5555141c07").leftJustified(protocol::kReportSize, 0);
  for (const auto& [servos, check, notice] : cases) {
    SCOPED_TRACE(servos);
    tool.hide();
    board.clearReceived();
    showTool(servos);
    EXPECT_EQ(tool.check(), check);
    EXPECT_EQ(tool.labelOnlineState()->text(), notice);
    for (auto* b : {tool.buttonSetting(), tool.buttonRead()})
      EXPECT_EQ(b->isEnabled(), servos == 1);
    if (servos == 1) {
      // The lone servo is read quietly at once: its readings show.
      EXPECT_EQ(shown().mid(8), (QStringList{"500", "32℃", "7.4V"}));
      board.dropRepliesTo(protocol::kReadServoInfo, 1);
      click(tool.buttonRead());
      continue;
    }
    board.sendReport(late);
    tool.buttonClick(KoSteerDebuggingTool::kSet);  // even when forced nothing is written
    processPending();
    EXPECT_TRUE(sent(protocol::kWriteServoInfo).isEmpty());
    EXPECT_FALSE(tool.servoIdOnBus());
    EXPECT_EQ(shown(), (QStringList{"", none, "", none, none, none, none, none, none, none, none}));
  }
  // No box repeats the notice, and the quiet read claims no result.
  EXPECT_TRUE(tips().isEmpty() && result().isEmpty());
}

TEST_F(ToolFixture, ReadFillsEveryControlAndGaugeAndSetWritesItBackUnchanged) {
  // The servo test's position field shows its knob, and both follow the servo once it is read.
  const KoServoTestPanel& t = *tool.servoTest();
  EXPECT_EQ(t.textDebuggingPostion->value(), t.sliderPostion->intValue());
  board.busServos().first().info.currentPosition = 791;
  showTool();
  EXPECT_EQ(t.textDebuggingPostion->text(), "791");
  KoServoInfo& s = servo() = servoRecord(7, 1005, 100, 4420, 16000, 70, false, 5);
  std::tie(s.deviation, s.currentPosition, s.currentTemperature, s.currentVoltage) =
      std::tuple(-128, 1001, 40, 16000);
  read();
  EXPECT_TRUE(tips().isEmpty() && tool.resultLine()->fading()) << "no box for a success";
  // Limits show as they came, sliders at their ends; readings hold at what a servo reports.
  EXPECT_EQ(shown(), (QStringList{"7", "-128", qtTrId("led_off"), "1005", "100", "4.4", "16.0",
                                  "70 ℃", "1000", "40℃", "15.0V"}));
  KoServoParameterPanels& p = panels();
  EXPECT_EQ(p.sliderAngleTwo->value(), 999);
  EXPECT_EQ(p.sliderTemperature->value(), 70);
  EXPECT_EQ((QList<bool>{p.switchLed->isOn(), p.switchStall->isOn(), p.switchOverpressure->isOn(),
                         p.switchOverTemperature->isOn()}),
            (QList<bool>{false, true, false, true}));
  EXPECT_DOUBLE_EQ(p.positionGauge->needleAngle(), KoDashBoardPostionView::needleAngleDegrees(100));
  EXPECT_DOUBLE_EQ(p.temperatureGauge->pro(), 50);
  EXPECT_EQ(t.textDebuggingPostion->text(), "1000");  // and its knob, whose value it shows

  set();
  EXPECT_EQ(sent(protocol::kWriteServoInfo),
            QStringList{"55 55 0e 1b 07 ed 03 64 00 44 11 80 3e 46 01 05"});
}

// The id takes 0 to 40 and a limit slider stops a step short of its partner; set writes what
// they show. Default puts all back, and set then rests one interval before writing again.
TEST_F(ToolFixture, ParameterEditsStayInRangeAndDefaultPutsThemBack) {
  showTool();
  KoServoParameterPanels& p = panels();
  for (const auto& [typed, shown] : {std::pair{"41", "4"}, {"40", "40"}}) {
    typeId(QString::fromLatin1(typed));
    EXPECT_EQ(p.textID->text(), shown) << typed;
  }
  using Case = std::tuple<KoSlider*, double, QLabel*, const char*, double>;
  const Case cases[] = {
      {p.sliderAngleTwo, 300, p.lableAngleBottom, "300", 300},
      {p.sliderAngleOne, 300, p.lableAngleTop, "301", 301},
      {p.sliderAngleTwo, 999, p.lableAngleBottom, "300", 300},  // the upper limit is 301
      {p.sliderVoltageTwo, 12.0, p.lableVoltageRangeMax, "12.0", 12.0},
      {p.sliderVoltageOne, 12.0, p.lableVoltageRangeMin, "11.9", 11.9},
      {p.sliderTemperature, 70, p.lableTemperatureRange, "70 ℃", 70},
  };
  for (const auto& [slider, to, label, shown, sliderAt] : cases) {
    SCOPED_TRACE(shown);
    slider->setValue(to);
    p.sliderClick(slider->tag());
    EXPECT_EQ(label->text(), shown);
    EXPECT_DOUBLE_EQ(slider->value(), sliderAt);
  }
  set();  // the rest is no time at all here

  tool.setSetRest(hours(1));
  click(tool.buttonDefault());
  set();
  set();  // within the rest: the button is disabled
  EXPECT_EQ(sent(protocol::kWriteServoInfo),
            (QStringList{"55 55 0e 1b 28 2c 01 2d 01 7c 2e e0 2e 46 00 07",
                         "55 55 0e 1b 01 00 00 e8 03 94 11 b0 36 55 00 07"}));
  EXPECT_FALSE(tool.buttonSetting()->isEnabled());
}

// At every window size and language nothing scrolls or overlaps. Hiding the tool (leaving its
// tab, closing the window) puts the servo back in servo mode.
TEST_F(ToolFixture, MotorModeFitsEverySizeSpeedsAndStopsOnceTheToolIsHidden) {
  KoFonts::applyUiFont();
  showTool();
  KoServoTestPanel& t = *tool.servoTest();
  t.sege->setIndex(1);
  t.selectTitleIndex(1);
  EXPECT_TRUE(tool.motorMode());
  EXPECT_TRUE(sent(protocol::kSetMotorMode).isEmpty());  // choosing motor mode sends nothing
  KoServoParameterPanels& p = panels();
  const QScrollArea* scroll = tool.findChild<QScrollArea*>();
  for (const char* language : {"简体", "繁體", "English"}) {
    KoLanguage::instance().choose(QString::fromUtf8(language), nullptr);
    for (const QSize window : {QSize(960, 680), {1366, 768}, {1536, 840}, {1920, 1080}}) {
      SCOPED_TRACE(std::string(language) + " " + std::to_string(window.width()));
      tool.resize(window - QSize(10, 66));  // the window's edges, title bar and tab strip
      processPending();
      EXPECT_EQ(scroll->widget()->size(), scroll->viewport()->size());
      QList<std::pair<QString, QRectF>> boxes;
      const auto add = [&](const QString& name, const QWidget* w, const QRectF& r) {
        boxes.append({name, r.translated(w->mapTo(p.viewGetState, QPoint(0, 0)))});
      };
      for (const QLabel* l : p.viewGetState->findChildren<QLabel*>()) {
        const QSize text = l->fontMetrics().size(0, l->text());
        if (l->isVisible() && !l->text().isEmpty())
          add(l->text(), l, QStyle::alignedRect(Qt::LeftToRight, l->alignment(), text, l->rect()));
      }
      add("thermometer", p.temperatureGauge, p.temperatureGauge->fill().image);
      for (KoDashBoardDial* dial :
           std::initializer_list<KoDashBoardDial*>{p.voltageGauge, p.positionGauge}) {
        const QRectF face = dial->face();
        const QList<QRectF> numbers = dial->labelRects();
        EXPECT_FALSE(numbers.isEmpty());
        for (const QRectF& n : numbers) {
          EXPECT_TRUE(face.contains(n));
          add(dial->metaObject()->className(), dial, n);  // clear of each other and the rest
        }
        // At every reading the needle, 3 points wide, stays off the numbers.
        const double length = dial->needleLength();
        EXPECT_GT(length, 14);  // past the hub's ring
        for (double value = 0; value <= 100; value += 0.5) {
          dial->progress(value);
          const double a = qDegreesToRadians(dial->needleAngle());
          for (double r = 0; r <= length; r += 0.5) {
            const QPointF tip = face.center() + r * QPointF(std::cos(a), -std::sin(a));
            for (const QRectF& n : numbers)
              ASSERT_FALSE(n.adjusted(-1.5, -1.5, 1.5, 1.5).contains(tip)) << value;
          }
        }
      }
      for (const KoStripChart* chart : {p.chartTemperature, p.chartVoltage, p.chartPosition}) {
        add(chart->legend().caption, chart, chart->legend().captionBox);
        add(chart->latestText(), chart, chart->legend().valueBox);
      }
      for (int i = 0; i < boxes.size(); ++i) {
        const auto& [name, box] = boxes[i];
        EXPECT_TRUE(QRectF(p.viewGetState->rect()).contains(box)) << name.toStdString();
        for (int j = i + 1; j < boxes.size(); ++j)
          EXPECT_FALSE(box.intersects(boxes[j].second))
              << name.toStdString() << " / " << boxes[j].first.toStdString();
      }
      EXPECT_EQ((QList{t.textSpeed->x(), t.sliderSpeed->x(), t.sliderSpeed->width()}),
                (QList{t.textDebuggingtime->x(), t.sliderTime->x(), t.sliderTime->width()}));
    }
  }
  t.sliderSpeed->setValue(-500);
  t.sliderClick(KoServoTestPanel::kSpeedSlider);
  t.textSpeed->setText(QStringLiteral("-100"));
  QTest::keyClick(t.textSpeed, Qt::Key_Return);
  tool.hide();
  processPending();
  EXPECT_EQ(sent(protocol::kSetMotorMode),
            (QStringList{"55 55 06 1a 01 01 0c fe", "55 55 06 1a 01 01 9c ff",
                         "55 55 06 1a 01 00 00 00"}));
  EXPECT_FALSE(tool.motorMode());
  EXPECT_EQ(t.sege->index(), 0);
  EXPECT_EQ(t.textSpeed->text(), "0");
  EXPECT_EQ(t.sliderSpeed->value(), 0);
}

using LiveStatusTest = ToolFixture;

TEST_F(LiveStatusTest, PollsUpdateTheReadingsLeaveTheUsersEditsAloneAndKeepADayInRoom) {
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
  KoServoInfo& s = servo();
  std::tie(s.currentTemperature, s.currentVoltage, s.currentPosition, s.temperatureLimit) =
      std::tuple(55, 6100, 730, 80);
  ASSERT_EQ(poll(), 1);
  EXPECT_EQ(shown(), (QStringList{"1", "", qtTrId("led_on"), "0", "1000", "4.5", "14.0", "60 ℃",
                                  "730", "55℃", "6.1V"}));
  EXPECT_NEAR(p.voltageGauge->needleAngle(), KoDashBoardView::needleAngleDegrees(6.1), 1e-4);
  EXPECT_FALSE(p.switchStall->isOn());
  EXPECT_EQ(result(), "");

  // An alarm the user has not touched follows the servo, until a read ends the edits.
  servo().setAlarmByte(KoServoInfo::kAlarmStall);
  ASSERT_EQ(poll(), 1);
  EXPECT_FALSE(p.switchOverTemperature->isOn());
  EXPECT_FALSE(p.switchStall->isOn());
  read();
  EXPECT_TRUE(p.switchStall->isOn());
  EXPECT_EQ(p.lableTemperatureRange->text(), "80 ℃");
  EXPECT_EQ(p.chartTemperature->samples().last(), QPointF(now, 55));

  // A classroom polls all day: a chart's history stays within its span and is never
  // reallocated once the tool is built (the charts are made alike).
  const qint64 every = KoLiveStatus::kInterval.count(), perSpan = KoStripChart::kSpanMs / every;
  const qsizetype room = p.chartPosition->samples().capacity();
  for (qint64 n = 1; n <= 10 * perSpan; ++n) p.chartPosition->addSample(now + n * every, 1, "1");
  EXPECT_EQ(p.chartPosition->samples().size(), perSpan + 1);
  EXPECT_EQ(p.chartPosition->samples().capacity(), room);
}

TEST_F(LiveStatusTest, PausesForAWriteATestMoveADownloadABoxAndAHiddenTab) {
  showTool();
  click(panels().switchLive);
  ASSERT_TRUE(live().isPolling());

  // A box open for 10 s holds the replies back, as in the program: no silence, all answered.
  link.setDeferral(KoTools::afterPrompts);
  prompter().whileTipOpen = [this](const QString&) {
    for (int i = 0; i < 20; ++i) poll();
    EXPECT_EQ(panels().labelLiveState->text(), qtTrId("live_state_paused"));  // by the switch
  };
  tool.buttonClick(KoMassDownloadPanel::kDownload);  // nothing chosen: a tip
  EXPECT_EQ(tool.notice(), qtTrId("single_servo_tips"));
  EXPECT_TRUE(tool.buttonRead()->isEnabled() && tool.buttonSetting()->isEnabled());
  EXPECT_TRUE(poll() == 1 && live().unanswered() == 0) << "a poll goes out and is answered";
  tool.setSetRest(hours(1));
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
  const auto colour = [this] { return tool.labelOnlineState()->palette().windowText().color(); };
  const QColor calm = colour();
  // Switching Live off and on, or a new check as when the servo is put back on the bus, lets
  // it be polled again under a calm notice.
  const std::function<void()> restarts[] = {
      [this] { click(panels().switchLive), click(panels().switchLive); },
      [this] { tool.connection(); }};
  for (const auto& restart : restarts) {
    board.dropRepliesTo(protocol::kReadServoInfo);
    board.clearReceived();
    for (int i = 0; i < KoLiveStatus::kSilentPolls; ++i) ASSERT_EQ(poll(), 1);
    EXPECT_EQ(poll(), 0);
    EXPECT_TRUE(tool.notice().endsWith(qtTrId("live_stopped")));
    EXPECT_EQ(panels().labelLiveState->text(), qtTrId("live_state_stopped"));
    EXPECT_NE(colour(), calm);
    // It counts the servos again; one still answers that, so the stop stands.
    EXPECT_EQ(sent(protocol::kReadPositions).size(), 1);
    EXPECT_EQ(tool.check(), KoSteerDebuggingTool::Check::Single);
    EXPECT_EQ(poll(), 0);
    EXPECT_TRUE(timedOut.isEmpty());

    board.clearFaults();
    restart();
    processPending();
    EXPECT_TRUE(live().isPolling());
    EXPECT_EQ(tool.notice(), qtTrId("single_servo_tips"));
    EXPECT_EQ(colour(), calm);
  }
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
  EXPECT_EQ(result(), qtTrId("servo_id_change_done").arg(7));
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

  // The wait ends behind a box, where the answer waits too: that is not silence.
  board.busServos().first().keepsId = false;
  link.setDeferral(KoTools::afterPrompts);
  tool.setIdCheckWait(hours(1));
  prompter().whileTipOpen = [this](const QString&) {
    processPending();  // the rest ends and the answer to the new id waits behind the box
    for (QTimer* wait : tool.findChildren<QTimer*>())
      if (wait->remainingTime() > 60000) wait->start(0);
    processPending();
  };
  typeId("3");
  prompter().answers = {true};
  click(tool.buttonSetting());
  KoTools::showTipWithMessage(QStringLiteral("open"));
  processPending();
  EXPECT_EQ(tips().last(), QStringLiteral("open"));
  EXPECT_EQ(result(), qtTrId("servo_id_change_done").arg(3));
}

class MassDownloadTest : public ToolFixture, protected TempFiles {
 protected:
  void SetUp() override {
    ToolFixture::SetUp();
    showTool();
    tips().clear();
    mass().setFileChooser([this] { return chosen; });
  }

  KoMassDownloadPanel& mass() { return *tool.massDownload(); }

  // An action file of `frames` frames moving channel 1.
  QString rob(const QString& name, int frames) {
    QList<KoTools::ActionRecord> records;
    for (int i = 0; i < frames; ++i)
      records.append(KoTools::ActionRecord{500, {quint16(100 + i), 500, 500, 500, 500, 500}});
    return write(name, KoTools::actionImage(records));
  }

  // `whileRunning` is called once the download has started.
  void download(const std::function<void()>& whileRunning = {}) {
    click(mass().buttonbatchDownload);
    ASSERT_TRUE(mass().downloader().isRunning());
    EXPECT_TRUE(link.download());
    if (whileRunning) whileRunning();
    ASSERT_TRUE(processUntil([this] { return !mass().downloader().isRunning(); }));
    processPending();
    EXPECT_FALSE(link.download());
  }

  QStringList lines() const {
    QStringList shown;
    for (int i = 0; i < tool.massDownload()->listFiles->count(); ++i)
      shown.append(tool.massDownload()->listFiles->item(i)->text());
    return shown;
  }

  QStringList chosen;
};

// Before sending, the list says where each file goes or why not; after, how each came out.
TEST_F(MassDownloadTest, TheListNamesEveryFileItsGroupOrWhyItIsRefused) {
  chosen = {rob("0号a.rob", 2),  rob("12号b.rob", 3),           rob("231号c.rob", 2),
            rob("plain.rob", 2), write("7号broken.rob", "SOB"), rob("9号long.rob", 1021)};
  click(mass().buttonbatchOpen);
  EXPECT_TRUE(tips().isEmpty());
  EXPECT_EQ(lines(), (QStringList{"0号a.rob: group 0", "12号b.rob: group 12",
                                  "231号c.rob: refused, the group is over 230",
                                  "plain.rob: refused, the name has no group number",
                                  "7号broken.rob: refused, the file is damaged",
                                  "9号long.rob: refused, 1021 frames, a group holds 1020"}));

  download();
  EXPECT_TRUE(tips().isEmpty());
  EXPECT_EQ(result(), qtTrId("download_success"));
  EXPECT_EQ(lines().mid(0, 3),
            (QStringList{"0号a.rob: stored in group 0", "12号b.rob: stored in group 12",
                         "231号c.rob: refused, the group is over 230"}));
  ASSERT_TRUE(board.group(0) && board.group(12));
  EXPECT_EQ(board.group(0)->size(), 2);
  EXPECT_EQ(board.group(12)->size(), 3);
  EXPECT_FALSE(board.group(231) || board.group(7) || board.group(9));
}

// While a download runs the tool refuses its controls. The board goes at the second file's
// first frame: the list and the tip name that file, and say the first one is stored.
TEST_F(MassDownloadTest, ALostBoardIsNamedAndTheFilesAfterItAreNotSent) {
  chosen = {rob("3号a.rob", 2), rob("4号b.rob", 2), rob("5号c.rob", 2)};
  click(mass().buttonbatchOpen);
  mass().downloader().setAckTimeout(hours(1));
  board.unplugAfterFrames(6 + 3);
  download([this] {
    for (int tag : {int(KoSteerDebuggingTool::kRead), int(KoMassDownloadPanel::kDownload)}) {
      tips().clear();
      tool.buttonClick(tag);
      EXPECT_EQ(tips(), QStringList{qtTrId("progress")}) << tag;
    }
    // The file going out says which frame.
    ASSERT_TRUE(processUntil([this] { return lines().first().contains("frame"); }));
    EXPECT_TRUE(lines().first().startsWith("3号a.rob: group 3, sending frame "))
        << lines().first().toStdString();
  });
  const QString failed =
      qtTrId("download_fail").arg("4号b.rob", "4", qtTrId("download_board_lost"));
  EXPECT_EQ(mass().boxActions->currentText(), "4") << "the group it was sending";
  EXPECT_EQ(lines(), (QStringList{"3号a.rob: stored in group 3", failed,
                                  "5号c.rob: not sent, an earlier file failed"}));
  EXPECT_EQ(tips(),
            (QStringList{qtTrId("progress"), failed + ' ' + qtTrId("download_fail_earlier_kept")}));
  EXPECT_TRUE(board.group(3));
  EXPECT_FALSE(board.group(4) || board.group(5));

  tips().clear();
  click(mass().buttonbatchDownload);
  EXPECT_EQ(tips(), QStringList{qtTrId("connect_robot")});
}

}  // namespace
