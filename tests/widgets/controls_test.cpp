#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>
#include <chrono>
#include <functional>

#include "model/notification_center.h"
#include "widgets/image_title_button.h"
#include "widgets/number_field.h"
#include "widgets/progress_view.h"
#include "widgets/segmented_control.h"
#include "widgets/slanted_tabs.h"
#include "widgets/slider.h"
#include "widgets/switch.h"
#include "widgets/tool_view.h"

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

void runEvents(int passes = 50) {
  for (int i = 0; i < passes; ++i) QApplication::processEvents();
}

// Stands in for a language: every key it knows reads as its own, longer text.
class FakeLanguage : public QTranslator {
 public:
  FakeLanguage() { QCoreApplication::installTranslator(this); }
  ~FakeLanguage() override { QCoreApplication::removeTranslator(this); }
  bool isEmpty() const override { return false; }
  QString translate(const char*, const char* key, const char*, int) const override {
    return QStringLiteral("«%1 in another language»").arg(QLatin1String(key));
  }
};

void postLanguageChange() { KoNotificationCenter::defaultCenter().postChangeLanguage(nullptr); }

// A 0..1000 slider whose track is 200 points long, as the position slider.
struct PositionSlider {
  PositionSlider() {
    slider.setRange(0, 1000);
    slider.resize(218, 24);
    slider.setValue(500);
  }
  QPointF rightEnd() const { return {slider.width() - 1.0, 12}; }
  KoSlider slider{Qt::Horizontal, KoSliderCell::KoSpeedSlider};
};

TEST(SliderPress, StepsOnceTowardThePointerAndRepeatsOnlyWhileHeld) {
  struct Case {
    const char* name;
    KoSlider::Delay hold;
    bool releaseAtOnce;
    double expected;
  };
  const Case cases[] = {
      // Repeating stops one step short of the value under the pointer.
      {"held past the hold delay", 0ms, false, 999},
      {"held, hold delay not over", 1h, false, 501},
      {"released before the hold delay", 0ms, true, 501},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PositionSlider s;
    s.slider.setRepeatDelays(c.hold, 0ms);
    QSignalSpy actions(&s.slider, &KoSlider::sliderAction);
    press(&s.slider, s.rightEnd());
    EXPECT_EQ(s.slider.value(), 501);
    ASSERT_EQ(actions.size(), 1);
    EXPECT_EQ(actions[0][0].toDouble(), 501);
    if (c.releaseAtOnce) release(&s.slider, s.rightEnd());
    runEvents([&] { return s.slider.value() >= 999; });
    runEvents();
    EXPECT_EQ(s.slider.value(), c.expected);
    EXPECT_EQ(actions.size(), static_cast<int>(c.expected) - 500);
    EXPECT_EQ(actions.last()[0].toDouble(), c.expected);
  }
}

TEST(SliderPress, StepsDownwardAndOnVerticalSlidersUpward) {
  KoSlider horizontal(Qt::Horizontal);
  horizontal.setRange(0, 100);
  horizontal.resize(218, 24);
  horizontal.setValue(50);
  horizontal.setRepeatDelays(1h, 1h);
  press(&horizontal, {1, 12});
  EXPECT_EQ(horizontal.value(), 49);

  // The temperature slider: larger values are higher up.
  KoSlider vertical(Qt::Vertical, KoSliderCell::KoToolSlider);
  vertical.setRange(50, 100);
  vertical.resize(24, 160);
  vertical.setValue(85);
  vertical.setRepeatDelays(1h, 1h);
  press(&vertical, {12, 1});
  EXPECT_EQ(vertical.value(), 86);
  release(&vertical, {12, 1});
  press(&vertical, {12, 159});
  EXPECT_EQ(vertical.value(), 85);
}

TEST(SliderPress, DoesNotStepWithinOneStepOrOnTheKnob) {
  // 100 points per step, so the knob covers only the value it shows.
  KoSlider slider(Qt::Horizontal);
  slider.setRange(0, 4);
  slider.resize(418, 24);
  slider.setRepeatDelays(1h, 1h);
  struct Case {
    double from, pointer, expected;
  };
  const Case cases[] = {{1, 2, 1}, {1, 0, 1}, {1, 3, 2}, {3, 0, 2}, {2, 2, 2}, {0, 4, 1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.from << " pressed at " << c.pointer);
    slider.setValue(c.from);
    QSignalSpy actions(&slider, &KoSlider::sliderAction);
    press(&slider, slider.pointFor(c.pointer));
    runEvents();
    release(&slider, slider.pointFor(c.pointer));
    EXPECT_EQ(slider.value(), c.expected);
    EXPECT_EQ(actions.size(), c.expected == c.from ? 0 : 1);
  }

  // On the long position slider a press a few points off the knob's centre only grabs it.
  PositionSlider s;
  s.slider.setRepeatDelays(0ms, 0ms);
  QSignalSpy actions(&s.slider, &KoSlider::sliderAction);
  press(&s.slider, s.slider.knobRect().center() + QPointF(4, 0));
  runEvents();
  EXPECT_EQ(s.slider.value(), 500);
  EXPECT_EQ(actions.size(), 0);
}

TEST(SliderDrag, SetsTheValueFromThePointerAndEndsTheRepeat) {
  PositionSlider s;
  s.slider.setRepeatDelays(0ms, 0ms);
  QSignalSpy actions(&s.slider, &KoSlider::sliderAction);
  press(&s.slider, s.rightEnd());
  drag(&s.slider, {0, 12});
  EXPECT_EQ(s.slider.value(), 0);
  drag(&s.slider, {109, 12});  // the middle of the track
  EXPECT_EQ(s.slider.value(), 500);
  runEvents();
  EXPECT_EQ(s.slider.value(), 500) << "the repeat toward the press point went on";
  drag(&s.slider, {500, 12});
  EXPECT_EQ(s.slider.value(), 1000);
  release(&s.slider, {500, 12});
  drag(&s.slider, {0, 12});
  EXPECT_EQ(s.slider.value(), 1000) << "moves without a held button are not drags";

  QList<double> sent;
  for (const auto& a : actions) sent << a[0].toDouble();
  EXPECT_EQ(sent, (QList<double>{501, 0, 500, 1000}));
}

TEST(SliderValue, CodeSettersSendNoAction) {
  PositionSlider s;
  QSignalSpy actions(&s.slider, &KoSlider::sliderAction);
  QSignalSpy changes(&s.slider, &KoSlider::valueChanged);
  s.slider.setValue(700);
  s.slider.setValue(5000);
  s.slider.setRange(0, 600);
  s.slider.setValue(600);
  EXPECT_EQ(s.slider.value(), 600);
  EXPECT_EQ(actions.size(), 0);
  EXPECT_EQ(changes.size(), 3);
}

TEST(SliderValue, TenthStepsStayOnTheGrid) {
  KoSlider slider(Qt::Vertical, KoSliderCell::KoToolSlider);
  slider.setRange(4.5, 13.9);
  slider.setStep(0.1);
  EXPECT_EQ(slider.maximum(), 13.9);

  struct Case {
    double set, expected;
  };
  const Case cases[] = {{12.0, 12.0}, {4.56, 4.6}, {4.54, 4.5}, {13.9, 13.9},
                        {99, 13.9},   {-3, 4.5},   {7.3, 7.3}};
  for (const Case& c : cases) {
    slider.setValue(c.set);
    EXPECT_EQ(slider.value(), c.expected) << c.set;
  }

  // Walking the whole range by keyboard visits every tenth exactly, with no drift.
  slider.setValue(4.5);
  QSignalSpy actions(&slider, &KoSlider::sliderAction);
  for (int i = 1; i <= 100; ++i) QTest::keyClick(&slider, Qt::Key_Up);
  ASSERT_EQ(actions.size(), 94);
  for (int i = 0; i < actions.size(); ++i) {
    EXPECT_EQ(QString::number(actions[i][0].toDouble()), QString::number((46 + i) / 10.0));
    EXPECT_EQ(actions[i][0].toDouble(), (46 + i) / 10.0);
  }

  KoSlider upper(Qt::Vertical);
  upper.setStep(0.1);
  upper.setRange(4.6, 14.0);
  upper.setValue(14);
  EXPECT_EQ(upper.value(), 14.0);
}

// A field with the cursor at the end of `text`, as after the user clicked into it.
struct Field {
  Field(int maximum, const QString& text) : field(maximum) {
    field.setText(text);
    field.setCursorPosition(text.size());
  }
  KoNumberField field;
};

TEST(NumberField, TypingKeepsDigitsWithinTheMaximum) {
  struct Case {
    int maximum;
    QString start;
    QString typed;
    QString expected;
  };
  const Case cases[] = {
      {40, "4", "0", "40"},         {40, "4", "1", "4"},         {40, "0", "41", "4"},
      {1000, "12", "a-.,3", "123"}, {3000, "3000", "0", "3000"}, {1000, "0", "007", "7"},
      {40, "0", " 3", "3"},
  };
  for (const Case& c : cases) {
    Field f(c.maximum, c.start);
    QTest::keyClicks(&f.field, c.typed);
    EXPECT_EQ(f.field.text(), c.expected)
        << c.start.toStdString() << " + " << c.typed.toStdString();
  }
}

TEST(NumberField, EmptiedShowsZeroAndTheNextDigitReplacesIt) {
  Field f(40, "7");
  QTest::keyClick(&f.field, Qt::Key_Backspace);
  EXPECT_EQ(f.field.text(), "0");
  EXPECT_EQ(f.field.value(), 0);
  QTest::keyClicks(&f.field, "25");
  EXPECT_EQ(f.field.text(), "25");
}

TEST(NumberField, PasteIsTakenOrRefusedAsAWhole) {
  struct Case {
    QString pasted;
    QString expected;
  };
  const Case cases[] = {
      {"35", "35"},
      {"3a", "12"},
      {"41", "12"},
      {"-5", "12"},
      {"99999999999999999999999999", "12"},
      {"0000000000000000000000000036", "36"},
  };
  for (const Case& c : cases) {
    Field f(40, "12");
    f.field.selectAll();
    QApplication::clipboard()->setText(c.pasted);
    f.field.paste();
    EXPECT_EQ(f.field.text(), c.expected) << c.pasted.toStdString();
  }
}

TEST(NumberField, OnlyEnterConfirms) {
  KoNumberField field(1000);
  field.setTag(2003);
  QSignalSpy confirmed(&field, &KoNumberField::confirmed);
  field.setText("250");
  field.setValue(5000);
  EXPECT_EQ(field.text(), "1000");
  EXPECT_EQ(confirmed.size(), 0);

  field.selectAll();
  QTest::keyClicks(&field, "640");
  QTest::keyClick(&field, Qt::Key_Return);
  ASSERT_EQ(confirmed.size(), 1);
  EXPECT_EQ(confirmed[0][0].toInt(), 640);
  QTest::keyClick(&field, Qt::Key_Enter);
  EXPECT_EQ(confirmed.size(), 2);
}

TEST(NumberField, NegativeMinimumKeepsASignedTextEditable) {
  // The speed field shows "-500" when the speed slider goes below zero.
  Field f(1000, "");
  f.field.setMinimum(-1000);
  f.field.setText("-500");
  f.field.setCursorPosition(4);
  QTest::keyClick(&f.field, Qt::Key_Backspace);
  EXPECT_EQ(f.field.text(), "-50");
  QTest::keyClicks(&f.field, "00");
  EXPECT_EQ(f.field.text(), "-500") << "-5000 is below the minimum";
  EXPECT_EQ(f.field.value(), -500);

  Field unsigned_(1000, "12");
  QTest::keyClicks(&unsigned_.field, "-");
  EXPECT_EQ(unsigned_.field.text(), "12");
}

TEST(Switch, UserTogglesAreReportedCodeChangesAreNot) {
  KoSwitch sw;
  sw.resize(44, 24);
  QSignalSpy byUser(&sw, &KoSwitch::toggledByUser);
  QSignalSpy changes(&sw, &KoSwitch::stateChanged);

  sw.setOn(true);
  sw.setOn(true);
  EXPECT_TRUE(sw.isOn());
  EXPECT_EQ(byUser.size(), 0);
  EXPECT_EQ(changes.size(), 1);

  QTest::mouseClick(&sw, Qt::LeftButton);
  EXPECT_FALSE(sw.isOn());
  QTest::keyClick(&sw, Qt::Key_Space);
  EXPECT_TRUE(sw.isOn());
  ASSERT_EQ(byUser.size(), 2);
  EXPECT_FALSE(byUser[0][0].toBool());
  EXPECT_TRUE(byUser[1][0].toBool());
  EXPECT_EQ(changes.size(), 3);

  // Letting go outside the switch backs out of the click.
  press(&sw, {10, 10});
  release(&sw, {100, 10});
  EXPECT_TRUE(sw.isOn());
}

struct RecordingDelegate : KoSegmentedControlDelegate {
  void selectTitleIndex(int index) override { calls << index; }
  QList<int> calls;
};

TEST(SegmentedControl, OnlyAUserClickOnAnotherSegmentReachesTheDelegate) {
  KoSegmentedControl control;
  control.setCornerRadius(0);
  control.resize(control.sizeHint());
  RecordingDelegate delegate;
  control.setDelegate(&delegate);
  const QList<QPainterPath> paths = control.paths();
  ASSERT_EQ(paths.size(), 2);

  press(&control, paths[0].boundingRect().center());
  EXPECT_TRUE(delegate.calls.isEmpty());

  // Just right of the shared slanted side, near the bottom, is the second tab.
  const QPointF slantFoot = paths[1].elementAt(0);
  press(&control, slantFoot + QPointF(3, -2));
  EXPECT_EQ(control.index(), 1);
  EXPECT_EQ(delegate.calls, QList<int>{1});

  press(&control, paths[1].boundingRect().center());
  press(&control, {control.width() + 50.0, 5});
  EXPECT_EQ(delegate.calls, QList<int>{1});

  control.setIndex(0);
  EXPECT_EQ(control.index(), 0);
  EXPECT_EQ(delegate.calls, QList<int>{1});
}

TEST(SegmentedControl, OutlinesAreTheSharedSlantedTabsForTheLocalizedTitles) {
  KoSegmentedControl control;
  control.setBorderWidth(2);
  control.setCornerRadius(0);
  control.resize(240, 30);
  auto expected = [&] {
    const QFontMetricsF metrics(control.font());
    QList<qreal> widths;
    for (const QString& key : control.titles()) {
      widths << metrics.horizontalAdvance(qtTrId(key.toUtf8().constData()));
    }
    return KoSlantedTabs::paths(
        KoSlantedTabs::layout(widths, control.maginLeftOne() + 1, control.maginLeftTwo(), 28, 29));
  };
  EXPECT_EQ(control.paths(), expected());
  const qreal before = control.paths()[0].boundingRect().width();
  {
    FakeLanguage language;
    postLanguageChange();
    EXPECT_EQ(control.paths(), expected());
    EXPECT_GT(control.paths()[0].boundingRect().width(), before);
  }
}

TEST(SlantedTabs, NeighboursShareASlantedSide) {
  const auto tabs = KoSlantedTabs::layout({40, 60}, 20, 20, 27.5, 38);
  ASSERT_EQ(tabs.size(), 2);
  auto corners = [](const QPainterPath& p) {
    QList<QPointF> points;
    for (int i = 0; i < 4; ++i) points << QPointF(p.elementAt(i));
    return points;
  };
  EXPECT_EQ(corners(tabs[0].path), (QList<QPointF>{{20, 38}, {80, 38}, {100, 10.5}, {40, 10.5}}));
  EXPECT_EQ(corners(tabs[1].path), (QList<QPointF>{{80, 38}, {160, 38}, {180, 10.5}, {100, 10.5}}));
  EXPECT_EQ(tabs[1].titleRect, QRectF(90, 10.5, 80, 27.5));
  EXPECT_EQ(KoSlantedTabs::rowWidth({40, 60}, 20, 20), 180);

  // Rounded corners stay inside the plain outline.
  const auto rounded = KoSlantedTabs::layout({40, 60}, 20, 20, 27.5, 38, 4);
  for (int i = 0; i < 2; ++i) {
    EXPECT_TRUE(tabs[i].path.boundingRect().contains(rounded[i].path.boundingRect()));
    EXPECT_TRUE(rounded[i].path.contains(tabs[i].titleRect.center()));
    EXPECT_FALSE(rounded[i].path.contains(tabs[i].path.elementAt(1)));
  }
}

TEST(ProgressView, ShownExactlyWhileTheValueIsAboveZero) {
  KoProgressView view;
  const std::pair<double, bool> cases[] = {{0.1, true}, {0, false}, {150, true}, {-1, false}};
  for (const auto& [pro, shown] : cases) {
    view.setPro(pro);
    EXPECT_EQ(view.isVisible(), shown) << pro;
  }
}

TEST(ProgressView, TimedRunCompletesAtTwoHundredAndHidesAfterTheDelay) {
  KoProgressView view;
  view.resize(200, 30);
  view.setTimedRunDelays(0ms, 1h);
  QSignalSpy finished(&view, &KoProgressView::timedRunFinished);
  view.startTimedRun();
  EXPECT_TRUE(view.isVisible());
  EXPECT_EQ(view.title(), "settings");
  runEvents([&] { return view.title() == "set_complete"; });
  // The 201st update is the first to find 200 or more.
  EXPECT_DOUBLE_EQ(view.pro(), 201.1);
  EXPECT_TRUE(view.isVisible());

  // A new run cancels the pending hide of the last one (which the new delay makes due).
  view.setTimedRunDelays(0ms, 0ms);
  view.startTimedRun();
  EXPECT_EQ(view.title(), "settings");
  EXPECT_DOUBLE_EQ(view.pro(), 0.1);
  runEvents(20);
  EXPECT_TRUE(view.isVisible());
  EXPECT_EQ(view.title(), "settings");
  runEvents([&] { return !view.isRunning(); });
  EXPECT_FALSE(view.isVisible());
  EXPECT_EQ(view.title(), "settings");
  EXPECT_EQ(finished.size(), 1);
}

TEST(ControlLanguage, TitlesFollowTheLanguage) {
  KoImageTitleButton button(QStringLiteral(":/images/add.svg"), QStringLiteral("add_action"));
  button.resize(90, 60);
  KoToolView panel(QStringLiteral("servo_test"));
  panel.resize(300, 200);
  const QImage english = button.grab().toImage();
  EXPECT_EQ(button.text(), "add_action");
  {
    FakeLanguage language;
    EXPECT_NE(button.grab().toImage(), english) << "the button drew a title it had kept";
    postLanguageChange();
    EXPECT_EQ(button.text(), "«add_action in another language»");
    EXPECT_EQ(panel.lableTitle()->text(), "«servo_test in another language»");
    button.setMyTitle(QStringLiteral("read"));
    EXPECT_EQ(button.text(), "«read in another language»");
    EXPECT_EQ(button.myTitle(), "read");
  }
  button.setMyTitle(QStringLiteral("add_action"));
  EXPECT_EQ(button.grab().toImage(), english);
}

}  // namespace
