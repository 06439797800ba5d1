#include "widgets/velmar_slider_view.h"

#include <gtest/gtest.h>
#include <QApplication>

#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QSvgWidget>
#include <QTest>
#include <QWheelEvent>

#include "model/frame_encoding.h"
#include "model/language.h"
#include "model/notification_center.h"
#include "widgets/velmar_pan_view.h"

namespace {

struct Report {
  KoVelmarSliderView* view;
  qint64 value;
  int type;
  friend bool operator==(const Report&, const Report&) = default;
};

class RecordingSliderDelegate : public QObject, public KoVelmarSliderViewDelegate {
 public:
  void sliderTextFieldView(KoVelmarSliderView* view, qint64 value, int type) override {
    reports.append({view, value, type});
  }
  QList<Report> reports;
};

class ChannelSliderTest : public ::testing::Test {
 protected:
  RecordingSliderDelegate delegate;
  KoVelmarSliderView view{1003, QStringLiteral("ID:3"), &delegate, QStringLiteral("tag_left"),
                          QStringLiteral("tag_right")};
};

TEST_F(ChannelSliderTest, UserMovesReportOnceWithTheirFlag) {
  view.slider()->triggerAction(QAbstractSlider::SliderToMaximum);
  EXPECT_EQ(view.textField()->text(), "1000");
  view.sliderSmall()->setSliderPosition(-20);  // as a drag does
  EXPECT_EQ(view.lableSmall()->text(), "-20");
  EXPECT_EQ(delegate.reports, (QList<Report>{{&view, 1000, 1}, {&view, -20, 0}}));
  EXPECT_EQ(view.textField()->property("tag").toInt(), 1003);
}

TEST_F(ChannelSliderTest, ValuesFromCodeMoveTheSlidersSilently) {
  view.setText(QStringLiteral("250"));
  EXPECT_EQ(view.slider()->value(), 250);
  view.setControlText(QStringLiteral("sliderSmall"), QStringLiteral("-30"));
  view.setControlText(QStringLiteral("lableSmall"), QStringLiteral("-30"));
  EXPECT_EQ(view.sliderSmall()->value(), -30);
  EXPECT_EQ(view.lableSmall()->text(), "-30");
  view.setText(QStringLiteral("5000"));  // beyond the range: the slider stops at its end
  EXPECT_EQ(view.slider()->value(), 1000);
  EXPECT_TRUE(delegate.reports.isEmpty());

  // Putting a frame onto the sliders sends nothing back either.
  VelmarFrame f = std::make_shared<KoVelmarPwmModel>();
  f->setId(1, 733);
  KoTools::sendSetAngleWithVelmarSliderViews({&view}, *f);
  EXPECT_EQ(view.slider()->value(), 733);
  EXPECT_TRUE(delegate.reports.isEmpty());
}

TEST_F(ChannelSliderTest, GoneDelegateIsNotCalled) {
  auto* gone = new RecordingSliderDelegate;
  KoVelmarSliderView orphan(1001, QStringLiteral("ID:1"), gone, {}, {});
  delete gone;
  orphan.slider()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(orphan.textField()->text(), "501");
}

void type(QLineEdit* field, const QString& text) {
  field->selectAll();
  QTest::keyClicks(field, text);
}

TEST_F(ChannelSliderTest, ATypedValueIsSentOnceOnEnterClampedToItsRange) {
  type(view.textField(), QStringLiteral("737"));
  EXPECT_TRUE(delegate.reports.isEmpty());  // nothing while typing
  QTest::keyClick(view.textField(), Qt::Key_Return);
  EXPECT_EQ(view.slider()->value(), 737);
  type(view.textField(), QStringLiteral("4000"));
  QTest::keyClick(view.textField(), Qt::Key_Enter);
  EXPECT_EQ(view.textField()->text(), "1000");
  type(view.lableSmall(), QStringLiteral("-37"));
  QTest::keyClick(view.lableSmall(), Qt::Key_Return);
  type(view.lableSmall(), QStringLiteral("-250"));
  QTest::keyClick(view.lableSmall(), Qt::Key_Return);
  EXPECT_EQ(view.lableSmall()->text(), "-100");
  EXPECT_EQ(view.sliderSmall()->value(), -100);
  EXPECT_EQ(delegate.reports,
            (QList<Report>{{&view, 737, 1}, {&view, 1000, 1}, {&view, -37, 0}, {&view, -100, 0}}));
  EXPECT_FALSE(view.textField()->isReadOnly());
  EXPECT_TRUE(view.textField()->focusPolicy() & Qt::TabFocus);
}

TEST_F(ChannelSliderTest, EscapeLeavingOrNothingTypedPutsTheShownValueBack) {
  view.setText(QStringLiteral("250"));
  type(view.textField(), QStringLiteral("9"));
  QTest::keyClick(view.textField(), Qt::Key_Escape);
  EXPECT_EQ(view.textField()->text(), "250");
  type(view.lableSmall(), QStringLiteral("12"));
  QFocusEvent away(QEvent::FocusOut, Qt::TabFocusReason);
  QApplication::sendEvent(view.lableSmall(), &away);
  EXPECT_EQ(view.lableSmall()->text(), "0");
  view.textField()->clear();
  QTest::keyClick(view.textField(), Qt::Key_Return);
  EXPECT_EQ(view.textField()->text(), "250");
  type(view.textField(), QStringLiteral("x-1"));  // only digits go in
  EXPECT_EQ(view.textField()->text(), "1");
  EXPECT_TRUE(delegate.reports.isEmpty());
}

TEST_F(ChannelSliderTest, StepKeysOnTheFieldsAndSlidersMoveOneOrTen) {
  QTest::keyClick(view.textField(), Qt::Key_Up);
  QTest::keyClick(view.textField(), Qt::Key_PageDown);
  QTest::keyClick(view.slider(), Qt::Key_PageUp);
  QTest::keyClick(view.slider(), Qt::Key_Left);
  QTest::keyClick(view.lableSmall(), Qt::Key_Down);
  QTest::keyClick(view.lableSmall(), Qt::Key_PageUp);
  EXPECT_EQ(delegate.reports, (QList<Report>{{&view, 501, 1},
                                             {&view, 491, 1},
                                             {&view, 501, 1},
                                             {&view, 500, 1},
                                             {&view, -1, 0},
                                             {&view, 9, 0}}));
  EXPECT_EQ(view.textField()->text(), "500");
  EXPECT_EQ(view.lableSmall()->text(), "9");
}

void wheel(QWidget* w, int delta, Qt::KeyboardModifiers modifiers = {}) {
  const QPointF at(w->width() / 2.0, w->height() / 2.0);
  QWheelEvent e(at, w->mapToGlobal(at), {}, QPoint(0, delta), Qt::NoButton, modifiers,
                Qt::NoScrollPhase, false);
  QApplication::sendEvent(w, &e);
}

TEST_F(ChannelSliderTest, AWheelNotchMovesOneOrTenWithShiftOrCtrl) {
  wheel(view.slider(), QWheelEvent::DefaultDeltasPerStep);
  wheel(view.slider(), -2 * QWheelEvent::DefaultDeltasPerStep, Qt::ShiftModifier);
  // Half notches of a fine wheel add up to one.
  wheel(view.sliderSmall(), QWheelEvent::DefaultDeltasPerStep / 2, Qt::ControlModifier);
  wheel(view.sliderSmall(), QWheelEvent::DefaultDeltasPerStep / 2, Qt::ControlModifier);
  wheel(view.sliderSmall(), -QWheelEvent::DefaultDeltasPerStep);
  EXPECT_EQ(delegate.reports,
            (QList<Report>{{&view, 501, 1}, {&view, 481, 1}, {&view, 10, 0}, {&view, 9, 0}}));
}

void mouse(QWidget* w, QEvent::Type type, QPointF at) {
  QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton,
                type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, {});
  QApplication::sendEvent(w, &e);
}

QPointF knobCentre(QSlider* s) {
  QStyleOptionSlider option;
  option.initFrom(s);
  option.orientation = s->orientation();
  option.minimum = s->minimum();
  option.maximum = s->maximum();
  option.sliderPosition = s->sliderPosition();
  option.sliderValue = s->value();
  return QRectF(s->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, s))
      .center();
}

TEST_F(ChannelSliderTest, ADragMovesAFewUnitsPerPixelWhereverThePointerGoes) {
  view.show();  // lays the sliders out
  QSlider* s = view.slider();
  const QPointF knob = knobCentre(s);
  mouse(s, QEvent::MouseButtonPress, knob);
  EXPECT_EQ(s->value(), 500);  // a grab, no step
  mouse(s, QEvent::MouseMove, knob + QPointF(1, 0));
  mouse(s, QEvent::MouseMove, knob + QPointF(30, 0));
  mouse(s, QEvent::MouseMove, knob + QPointF(400, 0));  // far past the slider's end
  mouse(s, QEvent::MouseButtonRelease, knob + QPointF(400, 0));
  EXPECT_EQ(delegate.reports, (QList<Report>{{&view, 502, 1}, {&view, 560, 1}, {&view, 1000, 1}}));
  EXPECT_FALSE(s->isSliderDown());

  delegate.reports.clear();
  QSlider* trim = view.sliderSmall();
  const QPointF left(1, trim->height() / 2.0);  // beside the knob: a page step toward it
  mouse(trim, QEvent::MouseButtonPress, left);
  mouse(trim, QEvent::MouseMove, left + QPointF(-7, 0));
  mouse(trim, QEvent::MouseButtonRelease, left + QPointF(-7, 0));
  EXPECT_EQ(delegate.reports, (QList<Report>{{&view, -10, 0}, {&view, -17, 0}}));
  view.hide();
}

TEST_F(ChannelSliderTest, ShakeRestartsAndStops) {
  QWidget parent;
  view.setParent(&parent);
  view.setGeometry(QRect(QPoint(40, 40), KoVelmarSliderView::kSize));
  view.setShake(true);
  EXPECT_TRUE(view.shake());
  view.setShake(true);  // again while running: one shake, restarted
  EXPECT_TRUE(view.shake());
  view.setShake(false);
  EXPECT_FALSE(view.shake());
  EXPECT_EQ(view.pos(), QPoint(40, 40));  // back home when stopped
  view.setParent(nullptr);                // the fixture owns it
}

TEST_F(ChannelSliderTest, PressBringsTheControlToTheFront) {
  QWidget parent;
  parent.resize(300, 300);
  view.setParent(&parent);
  view.move(10, 10);
  auto* other = new QWidget(&parent);
  other->setGeometry(0, 0, 200, 200);
  QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(view.down());
  EXPECT_EQ(view.point1(), QPoint(5, 5));
  EXPECT_EQ(parent.children().last(), &view);
  view.setParent(nullptr);
}

TEST(DirectionTag, ASingleLetterSitsFurtherRight) {
  KoLanguage::instance().load();
  KoLanguage::instance().setLanguage(QStringLiteral("en"));
  KoVelmarLabelView letter(QStringLiteral("tag_left"));  // "L" in English
  KoVelmarLabelView word(QStringLiteral("no_such_tag"));
  EXPECT_EQ(letter.textOrigin(), QPointF(5.5, 4.0));
  EXPECT_EQ(word.textOrigin(), QPointF(3.5, 4.0));
}

TEST(ChannelPanel, ControlsFollowThePlacements) {
  RecordingSliderDelegate delegate;
  KoVelmarPanView panel(&delegate);
  ASSERT_EQ(panel.sliders().size(), 6);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(panel.sliders()[i]->textField()->property("tag").toInt(), 1001 + i);
    EXPECT_EQ(panel.sliders()[i]->title()->text(), QStringLiteral("ID:%1").arg(i + 1));
  }
  panel.resize(KoVelmarPanView::kPictureSize);
  panel.show();  // lays the controls out
  EXPECT_EQ(panel.sliders()[0]->pos(), QPoint(455, 360));
  // Every control stays on the picture and clear of the others and of the legend.
  for (int i = 0; i < 6; ++i) {
    EXPECT_TRUE(panel.rect().contains(panel.sliders()[i]->geometry())) << i;
    EXPECT_FALSE(panel.sliders()[i]->geometry().intersects(panel.textTip()->geometry())) << i;
    for (int j = i + 1; j < 6; ++j) {
      EXPECT_FALSE(panel.sliders()[i]->geometry().intersects(panel.sliders()[j]->geometry()));
    }
  }
  EXPECT_EQ(panel.channelViews().size(), 6);
}

TEST(ChannelPanel, ThePictureShrinksWithTheViewAndTheControlsStayWhole) {
  RecordingSliderDelegate delegate;
  KoVelmarPanView panel(&delegate);
  panel.show();
  const QSize small = KoVelmarPanView::kMinimumSize;
  for (const QSize size :
       {small, QSize(900, small.height()), QSize(small.width(), 900), QSize(1200, 1000)}) {
    panel.resize(size);
    QApplication::processEvents();
    const QRect picture = panel.imageVelmar()->geometry();
    const int side = std::min({size.width(), size.height(), KoVelmarPanView::kPictureSize.width()});
    EXPECT_EQ(picture.size(), QSize(side, side)) << size.width() << "x" << size.height();
    EXPECT_EQ(picture.center(), panel.rect().center());
    for (int i = 0; i < 6; ++i) {
      EXPECT_TRUE(panel.rect().contains(panel.sliders()[i]->geometry()))
          << i << " at " << size.width() << "x" << size.height();
    }
  }
}

TEST(ChannelPanel, LegendOnlyInEnglish) {
  RecordingSliderDelegate delegate;
  KoVelmarPanView panel(&delegate);
  KoLanguage::instance().choose(QStringLiteral("English"), nullptr);
  KoNotificationCenter::defaultCenter().postChangeLanguage(nullptr);
  EXPECT_FALSE(panel.textTip()->isHidden());
  KoLanguage::instance().choose(QStringLiteral("简体"), nullptr);
  EXPECT_TRUE(panel.textTip()->isHidden());
  KoLanguage::instance().choose(QStringLiteral("English"), nullptr);
}

TEST(ChannelPanel, MissingPlacementsGiveNoControls) {
  RecordingSliderDelegate delegate;
  KoVelmarPanView panel(&delegate, nullptr, QStringLiteral(":/no/such.json"));
  EXPECT_TRUE(panel.sliders().isEmpty());
}

}  // namespace
