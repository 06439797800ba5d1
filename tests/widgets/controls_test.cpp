#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>
#include <limits>
#include <tuple>

#include "model/language.h"
#include "model/notification_center.h"
#include "mouse.h"
#include "recording_prompter.h"
#include "temp_files.h"
#include "widgets/accessible_controls.h"
#include "widgets/dash_board_view.h"
#include "widgets/drag_view.h"
#include "widgets/image_title_button.h"
#include "widgets/number_field.h"
#include "widgets/progress_view.h"
#include "widgets/segmented_control.h"
#include "widgets/slider.h"
#include "widgets/switch.h"

using namespace std::chrono_literals;

namespace {

// Lets zero-interval timers fire until `settled` holds; the count only stops a broken loop.
void runEvents(const std::function<bool()>& settled, int limit = 5000) {
  for (int i = 0; i < limit && !settled(); ++i) QApplication::processEvents();
}

QList<double> sent(const QSignalSpy& actions) {
  QList<double> values;
  for (const auto& a : actions) values << a[0].toDouble();
  return values;
}

TEST(SliderPress, StepsTowardThePointerRepeatingAfterTheHoldDelayWhileHeldStill) {
  // kShort: held for less than the hold delay; kLetGo: released at once, after the first step.
  enum Then { kHeld, kShort, kDrag, kLetGo };
  // Press points count from the minimum end of a 400-point track. Held, the repeat stops one
  // step short of the pointer; within one step of it or on the knob, a press does not step.
  const auto h = Qt::Horizontal, v = Qt::Vertical;
  using Case = std::tuple<Qt::Orientation, double, double, double, Then, double>;
  const Case cases[] = {
      {v, 4, 1, 300, kShort, 2},
      {h, 1000, 500, 400, kHeld, 999},
      {h, 1000, 500, 400, kDrag, 250},
      {h, 1000, 500, 400, kLetGo, 501},
  };
  for (const auto& [orientation, maximum, from, along, then, expected] : cases) {
    SCOPED_TRACE(testing::Message()
                 << orientation << " " << from << " at " << along << " " << then);
    const bool horizontal = orientation == h;
    auto at = [&](double a) { return horizontal ? QPointF(9 + a, 12) : QPointF(12, 409 - a); };
    KoSlider slider(orientation);
    slider.setRange(0, maximum);
    slider.setValue(from);
    slider.setRepeatDelays(then == kShort ? 1h : 0h, 0ms);
    slider.resize(horizontal ? QSize(418, 24) : QSize(24, 418));
    QSignalSpy actions(&slider, &KoSlider::sliderAction);
    press(&slider, at(along));
    if (then == kDrag) drag(&slider, at(100));
    if (then == kLetGo) release(&slider, at(along));
    runEvents([&] { return slider.value() == expected; });
    runEvents([] { return false; }, 50);
    EXPECT_EQ(slider.value(), expected);
    EXPECT_EQ(sent(actions).value(0, from),
              from == expected ? from : from + (along > from * 400 / maximum ? 1 : -1));
    EXPECT_EQ(sent(actions).value(actions.size() - 1, from), expected);
  }
}

TEST(SliderValue, KeysWalkTheTenthGridWithoutDriftAndCodeSettersSnapToItSilently) {
  KoSlider slider(Qt::Vertical, KoSliderCell::KoToolSlider);
  slider.setStep(0.1);
  slider.setRange(4.5, 13.9);
  QSignalSpy actions(&slider, &KoSlider::sliderAction);
  for (int i = 1; i <= 100; ++i) QTest::keyClick(&slider, Qt::Key_Up);
  const QList<double> values = sent(actions);
  ASSERT_EQ(values.size(), 94);
  for (int i = 0; i < values.size(); ++i) EXPECT_EQ(values[i], (46 + i) / 10.0);

  actions.clear();
  QSignalSpy changes(&slider, &KoSlider::valueChanged);
  const std::pair<double, double> cases[] = {{4.56, 4.6}, {4.54, 4.5}, {99, 13.9}, {7.3, 7.3}};
  for (const auto& [set, expected] : cases) {
    slider.setValue(set);
    EXPECT_EQ(slider.value(), expected) << set;
  }
  slider.setRange(4.5, 7);
  EXPECT_EQ(slider.value(), 7);
  EXPECT_EQ(changes.size(), 5);
  EXPECT_EQ(actions.size(), 0);

  // (1.0 - 0.3) / 0.1 falls just short of 7 in binary; the top is still reached.
  slider.setRange(0.3, 1.0);
  QTest::keyClick(&slider, Qt::Key_End);
  EXPECT_EQ(slider.value(), 1.0);

  // A screen reader reads the range, and its move is the user's, on the grid.
  auto* reader = QAccessible::queryAccessibleInterface(&slider)->valueInterface();
  EXPECT_EQ(reader->minimumValue().toDouble(), 0.3);
  reader->setCurrentValue(0.44);
  EXPECT_EQ(sent(actions), QList<double>{0.4});
}

TEST(NumberField, TypingAndPastingKeepAWholeNumberInRangeAndACodeValueConfirmsNothing) {
  // Pasted or typed over a selected "12" in a field that takes at most 40.
  using Case = std::tuple<bool, int, QString, QString>;
  // 2^64 + 35 would read as 35 if the digits overflowed.
  const QString huge = "18446744073709551651", padded = QString(20, '0') + "36";
  const Case cases[] = {{false, 0, "41", "4"},       {false, 0, "a-., 3", "3"},
                        {false, -40, "-405", "-40"}, {true, 0, "41", "12"},
                        {true, 0, huge, "12"},       {true, 0, padded, "36"}};
  for (const auto& [paste, minimum, input, expected] : cases) {
    KoNumberField field(40);
    field.setMinimum(minimum);
    field.setText("12");
    field.selectAll();
    QApplication::clipboard()->setText(input);
    paste ? field.paste() : QTest::keyClicks(&field, input);
    EXPECT_EQ(field.text(), expected) << input.toStdString();
  }

  // A value from code is clamped and confirms nothing; Enter's confirmation is LiveStatusTest's
  // test move.
  KoNumberField field(1000);
  QSignalSpy confirmed(&field, &KoNumberField::confirmed);
  field.setValue(5000);
  EXPECT_EQ(field.text(), "1000");
  EXPECT_EQ(confirmed.size(), 0);
}

struct RecordingDelegate : KoSegmentedControlDelegate {
  void selectTitleIndex(int index) override { calls << index; }
  QList<int> calls;
};

int checkedChanges = 0;  // told to assistive technology

TEST(Choices, UserPicksAreReportedCodeChangesAreNotAndAScreenReaderHearsBoth) {
  KoAccessible::setListener([](QAccessibleEvent* event) {
    checkedChanges += event->type() == QAccessible::StateChanged &&
                      static_cast<QAccessibleStateChangeEvent*>(event)->changedStates().checked;
  });
  KoSwitch sw;
  sw.resize(44, 24);
  QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(&sw);
  EXPECT_TRUE(reader->role() == QAccessible::CheckBox && reader->state().checkable);
  QSignalSpy byUser(&sw, &KoSwitch::toggledByUser);
  QSignalSpy changes(&sw, &KoSwitch::stateChanged);
  sw.setOn(true);
  sw.setOn(true);
  EXPECT_EQ(changes.size(), 1);
  EXPECT_TRUE(reader->state().checked);
  QTest::mouseClick(&sw, Qt::LeftButton);
  press(&sw, {10, 10});
  release(&sw, {100, 10});  // letting go outside backs out
  EXPECT_FALSE(sw.isOn());
  QTest::keyClick(&sw, Qt::Key_Space);
  // The reader's own toggle is the user's, and a disabled switch takes none.
  reader->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  sw.setEnabled(false);
  reader->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  EXPECT_EQ(sent(byUser), (QList<double>{false, true, false}));
  EXPECT_EQ(checkedChanges, 4);
  KoAccessible::setListener(nullptr);

  KoSegmentedControl control;
  control.resize(240, 30);
  const QList<QPainterPath> paths = control.paths();
  RecordingDelegate delegate;
  control.setDelegate(&delegate);
  // Just right of the shared slanted side, near the bottom, is the second tab.
  press(&control, QPointF(paths[1].elementAt(0)) + QPointF(3, -2));
  EXPECT_EQ(delegate.calls, QList<int>{1});
  press(&control, paths[1].boundingRect().center());  // already selected
  control.setIndex(0);
  EXPECT_EQ(delegate.calls, QList<int>{1});
  // Each segment is a tab a reader finds selected or presses as a click does.
  QAccessibleInterface* tabs = QAccessible::queryAccessibleInterface(&control);
  ASSERT_EQ(tabs->childCount(), 2);
  EXPECT_TRUE(tabs->child(0)->state().selected);
  tabs->child(1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(delegate.calls, (QList<int>{1, 1}));
}

TEST(ControlLanguage, TitlesAndAccessibleNamesFollowTheLanguage) {
  // A long title, so that its width decides the button's and differs between languages.
  const QString add = QStringLiteral(":/images/add.svg");
  KoImageTitleButton button(add, QStringLiteral("erase_all"));
  const QSize englishHint = button.sizeHint();
  button.setWrapsTitle(true);
  EXPECT_GT(button.sizeHint().height(), englishHint.height()) << "two lines are taller";
  button.setWrapsTitle(false);
  KoImageTitleButton wide(add, QStringLiteral("update_action"));
  const QSize wideInEnglish = wide.sizeHint();
  button.setMyTitle(QStringLiteral("add_action"));
  button.resize(90, 60);
  const QImage english = button.grab().toImage();
  KoLanguage::instance().install(QStringLiteral("zh-Hans"));  // without the notice yet
  EXPECT_NE(button.grab().toImage(), english) << "the button drew a title it had kept";
  KoNotificationCenter::defaultCenter().postChangeLanguage(nullptr);
  // The size it asks for is measured again in the new language.
  const QSize wideInChinese = KoImageTitleButton(add, QStringLiteral("update_action")).sizeHint();
  EXPECT_NE(wideInChinese, wideInEnglish);
  EXPECT_EQ(wide.sizeHint(), wideInChinese);
  KoLanguage::instance().install(QStringLiteral("en"));
}

const QString kImage = QStringLiteral(VORN_SOURCE_DIR "/resources/images/temperature2.svg");
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The needle's angle and the thermometer's column follow the reading and stop at the scale's
// ends; no reading is none.
TEST(DashBoard, NeedleAndColumnFollowTheReadingAndClamp) {
  const auto volts = &KoDashBoardView::needleAngleDegrees;
  // Position inputs are positions divided by 10: 0, 500 and 1000 are 0, 50 and 100.
  const auto position = &KoDashBoardPostionView::needleAngleDegrees;
  const std::tuple<double (*)(double), double, double> cases[] = {
      {volts, 7.5, 90},   {volts, -2, 180},    {volts, 15.1, 0},     {volts, kNaN, 180},
      {position, 50, 90}, {position, -1, 225}, {position, 101, -45}, {position, kNaN, 225}};
  for (const auto& [angle, input, degrees] : cases)
    EXPECT_NEAR(angle(input), degrees, 1e-9) << (angle == volts ? "volts " : "position ") << input;

  // Small or large, a dial keeps its needle inside the rim.
  KoDashBoardPostionView dial;
  for (int side : {50, 90, 160, 300}) {
    dial.resize(side, side);
    EXPECT_LT(dial.needleLength(), dial.outerRadius()) << side;
  }

  KoDashBoardTemperatureView view(nullptr, kImage);
  view.resize(90, 600);
  for (const auto& [pro, column] :
       {std::pair{0.0, 0.0}, {-20, 0}, {kNaN, 0}, {70, 253.5}, {1e6, 496}}) {
    view.setPro(pro);
    EXPECT_EQ(view.fill().column, QRectF(40, 508 - column, 10, column)) << pro;
  }
}

// Set again while the bar says it is complete runs afresh, not hidden by the run before.
TEST(ProgressView, ATimedRunFillsSaysCompleteAndGoesAndARestartRunsWhole) {
  KoProgressView bar;
  bar.setTimedRunDelays(0ms, 1h);
  bar.startTimedRun();
  runEvents([&] { return bar.title() == "set_complete"; });
  bar.setTimedRunDelays(0ms, 0ms);  // the first run's end is due at once
  bar.startTimedRun();
  double reached = 0;
  runEvents([&] { return (reached = std::max(reached, bar.pro())) && !bar.isVisible(); });
  EXPECT_GE(reached, 200);
}

class RecordingDragDelegate : public QObject, public KoDragViewDelegate {
 public:
  void returnDataArray(const DragViewResult& r) override { results.append(r); }
  QList<DragViewResult> results;
};

using DragViewTest = TempFilesTest;

TEST_F(DragViewTest, OnlyTheFirstActionFileOfADropIsLoadedAndOtherFilesAreRefused) {
  RecordingDragDelegate delegate;
  KoDragView view;
  view.setDelegate(&delegate);
  const QByteArray oneFrame = QByteArray("SOBARM\x01\0", 8) + QByteArray(8, 0) +
                              QByteArray::fromHex("e803f401f401f401f401f401f401");
  const QString a = write("a.rob", oneFrame);
  const QString b = write("b.rob", oneFrame + oneFrame.mid(16));
  QMimeData mime;
  mime.setUrls({QUrl::fromLocalFile(a), QUrl::fromLocalFile(b)});
  QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, {});
  QApplication::sendEvent(&view, &enter);
  EXPECT_TRUE(view.isDragIn());
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, {});
  QApplication::sendEvent(&view, &drop);
  EXPECT_FALSE(view.isDragIn());
  ASSERT_EQ(delegate.results.size(), 1);
  EXPECT_EQ(std::get<VelmarFrames>(delegate.results[0]).size(), 1);
  EXPECT_EQ(view.filePath(), a);

  view.dropFiles({write("b.ROB", oneFrame)});
  view.dropFiles({write("b.txt", oneFrame)});
  view.dropFiles({});
  EXPECT_EQ(delegate.results.size(), 1);
  EXPECT_EQ(RecordingPrompter::instance().tips, QStringList(3, qtTrId("file_damage")));
  EXPECT_EQ(view.filePath(), a);
}

}  // namespace
