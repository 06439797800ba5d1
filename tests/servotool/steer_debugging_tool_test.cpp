
#include "servo_record.h"
#include "servotool/servo_test_panel.h"
#include "servotool/strip_chart.h"
#include "tool_fixture.h"
#include "widgets/colours.h"
#include "widgets/dash_board_view.h"
#include "widgets/progress_view.h"
#include "widgets/slider.h"
#include "widgets/switch.h"
#include "widgets/tool_view.h"

namespace {

using Check = KoSteerDebuggingTool::Check;

// Read and set need exactly one servo; otherwise the tool says how many answered, greys the
// buttons with that reason and shows no values: a reply, even to a read out, may be any servo's.
TEST_F(ToolFixture, TheCheckSaysHowManyServosAnsweredAndBlanksThePanels) {
  using Case = std::tuple<int, Check, QString>;
  const Case cases[] = {{1, Check::Single, qtTrId("single_servo_tips")},
                        {0, Check::None, "No servo answered the check"},
                        {2, Check::Many, "2 servos answered: connect only one to read or write"}};
  const QString none = KoServoParameterPanels::emptyText();
  QByteArray late = QByteArray::fromHex("5555141c07");
  late.append(protocol::kReportSize - late.size(), '\0');
  QColor calm;
  for (const auto& [servos, check, notice] : cases) {
    SCOPED_TRACE(servos);
    tool.hide();
    board.clearReceived();
    showTool(servos);
    EXPECT_EQ(sent(protocol::kReadPositions), QStringList{"55 55 09 15 06 01 02 03 04 05 06"});
    EXPECT_EQ(tool.check(), check);
    EXPECT_EQ(tool.labelOnlineState()->text(), notice);
    const QColor colour = tool.labelOnlineState()->palette().color(QPalette::WindowText);
    const QColor body(0x2b, 0x2d, 0x31);  // the window's, behind the tool
    EXPECT_GE(KoColours::contrastRatio(colour, body), 4.5);
    KoServoParameterPanels& p = panels();
    for (KoImageTitleButton* b : {tool.buttonSetting(), tool.buttonRead()}) {
      EXPECT_EQ(b->isEnabled(), servos == 1);
      EXPECT_EQ(b->toolTip(), servos == 1 ? QString() : notice);
    }
    EXPECT_EQ(p.viewLEDAlert->isEnabled(), servos == 1);
    if (servos == 1) {
      calm = colour;
      // The lone servo is read quietly at once: its id is known and its readings show.
      EXPECT_EQ(tool.servoIdOnBus(), 1);
      EXPECT_EQ(shown().mid(8), (QStringList{"500", "32℃", "7.4V"}));
      board.dropRepliesTo(protocol::kReadServoInfo, 1);
      click(tool.buttonRead());
      continue;
    }
    EXPECT_NE(colour, calm);  // a warning, where one servo's hint is calm
    board.sendReport(late);
    tool.buttonClick(KoSteerDebuggingTool::kSet);  // even when forced nothing is written
    processPending();
    EXPECT_TRUE(sent(protocol::kWriteServoInfo).isEmpty());
    EXPECT_FALSE(tool.servoIdOnBus());
    EXPECT_EQ(shown(), (QStringList{"", none, "", none, none, none, none, none, none, none, none}));
    EXPECT_DOUBLE_EQ(p.voltageGauge->needleAngle(), KoDashBoardView::needleAngleDegrees(0));
    EXPECT_DOUBLE_EQ(p.temperatureGauge->pro(), 0);
  }
  EXPECT_EQ(tips().count(qtTrId("single_servo_tips")), 1);  // the first visit only
  EXPECT_FALSE(tips().contains(qtTrId("read_success")));    // the quiet read tips nothing
}

TEST_F(ToolFixture, ReadFillsEveryControlAndGaugeAndSetWritesItBackUnchanged) {
  showTool();
  KoServoInfo& s = board.busServos().first().info;
  s = servoRecord(7, 1005, 100, 4420, 16000, 70, false, 5);
  s.deviation = -128;
  s.currentPosition = 1001;
  s.currentTemperature = 40;
  s.currentVoltage = 16000;
  read();
  EXPECT_EQ(tips().last(), qtTrId("read_success"));
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
  // The gauges grow with the window and still show the reading. Their numbers read on the
  // light panel, and the dials keep them at the size the smallest window gives.
  tool.resize(1400, 900);
  processPending();
  EXPECT_GT(p.voltageGauge->width(), 130);
  EXPECT_DOUBLE_EQ(p.voltageGauge->needleAngle(), KoDashBoardView::needleAngleDegrees(15));
  const QColor panel = p.viewGetState->backColor();
  for (KoDashBoardDial* dial :
       std::initializer_list<KoDashBoardDial*>{p.voltageGauge, p.positionGauge}) {
    SCOPED_TRACE(dial->metaObject()->className());
    EXPECT_GE(KoColours::contrastRatio(dial->scale().labelColour, panel), 4.5);
    dial->resize(dial->minimumSize());
    EXPECT_TRUE(dial->labelsShown());
  }
  EXPECT_GE(KoColours::contrastRatio(KoDashBoardTemperatureView::scaleColour(), panel), 4.5);
  EXPECT_GE(KoColours::contrastRatio(KoStripChart::textColour(), KoStripChart::background()), 4.5);

  set();
  EXPECT_EQ(sent(protocol::kWriteServoInfo),
            QStringList{"55 55 0e 1b 07 ed 03 64 00 44 11 80 3e 46 01 05"});
}

// The id takes 0 to 40 and a limit slider stops a step short of its partner; set writes what
// they show. Default puts all back, and set then rests one interval before writing again.
TEST_F(ToolFixture, ParameterEditsStayInRangeAndDefaultPutsThemBack) {
  showTool();
  KoServoParameterPanels& p = panels();
  for (const auto& [typed, shown] : {std::pair{"41", "4"}, {"40", "40"}, {"", "0"}, {"x7", "7"}}) {
    typeId(QString::fromLatin1(typed));
    EXPECT_EQ(p.textID->text(), shown) << typed;
    EXPECT_EQ(p.info().servoId, p.textID->text().toInt());
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

  tool.setDelays(std::chrono::hours(1), std::chrono::milliseconds(0));
  click(tool.buttonDefault());
  set();
  set();  // within the rest: the button is disabled
  EXPECT_EQ(sent(protocol::kWriteServoInfo),
            (QStringList{"55 55 0e 1b 07 2c 01 2d 01 7c 2e e0 2e 46 00 07",
                         "55 55 0e 1b 01 00 00 e8 03 94 11 b0 36 55 00 07"}));
  EXPECT_FALSE(tool.buttonSetting()->isEnabled());
  EXPECT_TRUE(tool.myprogress()->isVisible());
}

// Hiding the tool, as leaving its tab or closing the window does, puts the servo back into
// servo mode so that it is not left turning.
TEST_F(ToolFixture, MotorModeSpeedsAndServoModeAgainOnceTheToolIsHidden) {
  showTool();
  KoServoTestPanel& t = *tool.servoTest();
  t.sege->setIndex(1);
  t.selectTitleIndex(1);
  EXPECT_TRUE(tool.motorMode());
  EXPECT_TRUE(sent(protocol::kSetMotorMode).isEmpty());  // choosing motor mode sends nothing
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

}  // namespace
