#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <functional>
#include <tuple>

#include "model/language.h"
#include "model/notification_center.h"
#include "widgets/colours.h"
#include "widgets/image_title_button.h"
#include "widgets/number_field.h"
#include "widgets/progress_view.h"
#include "widgets/segmented_control.h"
#include "widgets/slider.h"
#include "widgets/switch.h"

using namespace std::chrono_literals;

namespace {

void sendMouse(QWidget* widget, QEvent::Type type, QPointF point) {
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, point, widget->mapToGlobal(point), button, held, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

void press(QWidget* w, QPointF p) { sendMouse(w, QEvent::MouseButtonPress, p); }
void drag(QWidget* w, QPointF p) { sendMouse(w, QEvent::MouseMove, p); }
void release(QWidget* w, QPointF p) { sendMouse(w, QEvent::MouseButtonRelease, p); }

// Lets zero-interval timers fire until `settled` holds; the count only stops a broken loop.
void runEvents(const std::function<bool()>& settled, int limit = 5000) {
  for (int i = 0; i < limit && !settled(); ++i) QApplication::processEvents();
}

void postLanguageChange() { KoNotificationCenter::defaultCenter().postChangeLanguage(nullptr); }

QList<double> sent(const QSignalSpy& actions) {
  QList<double> values;
  for (const auto& a : actions) values << a[0].toDouble();
  return values;
}

TEST(SliderPress, StepsTowardThePointerRepeatingAfterTheHoldDelayWhileHeldStill) {
  // kShort: held for less than the hold delay; kLift: released at once.
  enum Then { kHeld, kShort, kLift, kDrag };
  // Press points count from the minimum end of a 400-point track. Held, the repeat stops one
  // step short of the pointer; within one step of it or on the knob, a press does not step.
  const auto h = Qt::Horizontal, v = Qt::Vertical;
  using Case = std::tuple<Qt::Orientation, double, double, double, Then, double>;
  const Case cases[] = {{v, 4, 1, 300, kShort, 2},
                        {h, 1000, 500, 204, kHeld, 500},
                        {h, 1000, 500, 400, kHeld, 999},
                        {h, 1000, 500, 400, kLift, 501},
                        {h, 1000, 500, 400, kDrag, 250}};
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
    if (then == kLift) release(&slider, at(along));
    if (then >= kLift) drag(&slider, at(100));  // a drag only while the button is held
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
}

TEST(NumberField, TypingAndPastingKeepAWholeNumberInRangeAndACodeValueConfirmsNothing) {
  // Pasted or typed over a selected "12" in a field that takes at most 40.
  using Case = std::tuple<bool, int, QString, QString>;
  // 2^64 + 35 would read as 35 if the digits overflowed.
  const QString huge = "18446744073709551651", padded = QString(20, '0') + "36";
  const Case cases[] = {{false, 0, "41", "4"},       {false, 0, "a-., 3", "3"},
                        {false, -40, "-405", "-40"}, {true, 0, "41", "12"},
                        {true, 0, "3a", "12"},       {true, 0, huge, "12"},
                        {true, 0, padded, "36"}};
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

TEST(Switch, UserTogglesAreReportedCodeChangesAreNot) {
  KoSwitch sw;
  sw.resize(44, 24);
  QSignalSpy byUser(&sw, &KoSwitch::toggledByUser);
  QSignalSpy changes(&sw, &KoSwitch::stateChanged);
  sw.setOn(true);
  sw.setOn(true);
  EXPECT_EQ(changes.size(), 1);
  QTest::mouseClick(&sw, Qt::LeftButton);
  press(&sw, {10, 10});
  release(&sw, {100, 10});  // letting go outside backs out
  EXPECT_FALSE(sw.isOn());
  EXPECT_EQ(sent(byUser), QList<double>{false});
}

struct RecordingDelegate : KoSegmentedControlDelegate {
  void selectTitleIndex(int index) override { calls << index; }
  QList<int> calls;
};

// Only a user's pick of another tab reaches the delegate.
TEST(SegmentedControl, OnlyUserPicksReachTheDelegate) {
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
}

TEST(ProgressView, ShownWhileAboveZeroAndTheTimedRunCompletesAtTwoHundred) {
  KoProgressView view;
  for (const auto& [pro, shown] : {std::pair{0.1, true}, {0.0, false}, {150.0, true}}) {
    view.setPro(pro);
    EXPECT_EQ(view.isVisible(), shown) << pro;
  }

  view.setTimedRunDelays(0ms, 1h);
  QSignalSpy finished(&view, &KoProgressView::timedRunFinished);
  view.startTimedRun();
  runEvents([&] { return view.title() == "set_complete"; });
  EXPECT_TRUE(view.isVisible());
  // A new run cancels the pending hide of the last one, which the new delay makes due.
  view.setTimedRunDelays(0ms, 0ms);
  view.startTimedRun();
  runEvents([] { return false; }, 20);
  EXPECT_TRUE(view.isVisible());
  runEvents([&] { return !view.isRunning(); });
  EXPECT_FALSE(view.isVisible());
  EXPECT_EQ(view.title(), "settings");
  EXPECT_EQ(finished.size(), 1);
}

TEST(ControlLanguage, TitlesAndAccessibleNamesFollowTheLanguage) {
  // A long title, so that its width decides the button's and differs between languages.
  KoImageTitleButton button(QStringLiteral(":/images/add.svg"), QStringLiteral("erase_all"));
  const QSize englishHint = button.sizeHint();
  button.setWrapsTitle(true);
  EXPECT_GT(button.sizeHint().height(), englishHint.height()) << "two lines are taller";
  button.setWrapsTitle(false);
  KoImageTitleButton wide(QStringLiteral(":/images/add.svg"), QStringLiteral("update_action"));
  const QSize wideInEnglish = wide.sizeHint();
  button.setMyTitle(QStringLiteral("add_action"));
  button.resize(90, 60);
  KoSegmentedControl mode;  // its tabs fit their titles
  mode.resize(240, 30);
  const QList<QPainterPath> englishTabs = mode.paths();
  const QImage english = button.grab().toImage();
  KoLanguage::instance().install(QStringLiteral("zh-Hans"));  // without the notice yet
  EXPECT_NE(button.grab().toImage(), english) << "the button drew a title it had kept";
  postLanguageChange();
  const auto accessible = [](QWidget* w, QAccessible::Text text) {
    return QAccessible::queryAccessibleInterface(w)->text(text);
  };
  EXPECT_EQ(accessible(&button, QAccessible::Name), qtTrId("add_action"));
  // The size it asks for is measured again in the new language.
  const QSize wideInChinese =
      KoImageTitleButton(QStringLiteral(":/images/add.svg"), QStringLiteral("update_action"))
          .sizeHint();
  EXPECT_NE(wideInChinese, wideInEnglish);
  EXPECT_EQ(wide.sizeHint(), wideInChinese);
  EXPECT_NE(mode.paths(), englishTabs);
  KoLanguage::instance().install(QStringLiteral("en"));
}

TEST(Contrast, EveryButtonTitleReadsOnItsFill) {
  constexpr double kReadable = 4.5;
  KoImageTitleButton button(QStringLiteral(":/images/download.svg"), QStringLiteral("download"));
  const std::tuple<const char*, QColor, bool> fills[] = {
      {"light grey, a download running", KoColours::lightGrey(), true},
      {"disabled orange", KoColours::orange(), false},
      {"dark", QColor(0x2b, 0x2d, 0x31), true},
  };
  for (const auto& [name, background, enabled] : fills) {
    button.setBackgroundColor(background);
    button.setEnabled(enabled);
    EXPECT_GE(KoColours::contrastRatio(button.titleColor(), button.fillColor()), kReadable) << name;
  }

  KoSegmentedControl mode;
  for (const bool selected : {true, false}) {
    EXPECT_GE(KoColours::contrastRatio(mode.titleColor(selected), mode.fillColor(selected)),
              kReadable)
        << "mode segment, selected " << selected;
  }
  // The dialogs' buttons and the badge take their text the same way.
  for (const QColor& fill : {KoColours::orange(), KoColours::lightGrey()}) {
    EXPECT_GE(KoColours::contrastRatio(KoColours::textOn(fill), fill), kReadable);
  }
}

}  // namespace
