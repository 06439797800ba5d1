#include "widgets/velmar_slider_view.h"

#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>
#include <utility>

#include "app/fonts.h"
#include "model/language.h"
#include "mouse.h"
#include "widgets/velmar_pan_view.h"

namespace {

// Each value reported, with 1 for the position or 0 for the trim.
using Heard = QList<std::pair<qint64, int>>;

class RecordingSliderDelegate : public QObject, public KoVelmarSliderViewDelegate {
 public:
  // That each report names its card is BoardControlTest's: the card's tag picks the servo.
  void sliderTextFieldView(KoVelmarSliderView*, qint64 value, int type) override {
    heard.append({value, type});
  }
  Heard heard;
};

class ChannelSliderTest : public ::testing::Test {
 protected:
  // What the card reported since last asked.
  Heard heard() { return std::exchange(delegate.heard, {}); }

  RecordingSliderDelegate delegate;
  KoVelmarSliderView view{1003, QStringLiteral("ID:3"), &delegate, QStringLiteral("tag_left"),
                          QStringLiteral("tag_right")};
};

void type(QLineEdit* field, const QString& text) {
  field->selectAll();
  QTest::keyClicks(field, text);
}

TEST_F(ChannelSliderTest, ATypedValueIsSentOnceOnEnterClampedAndAnythingElsePutsTheShownOneBack) {
  // Return on the position field, one move to the board, is BoardControlTest's.
  type(view.textField(), QStringLiteral("4000"));
  EXPECT_TRUE(heard().isEmpty());  // nothing while typing
  QTest::keyClick(view.textField(), Qt::Key_Enter);
  EXPECT_EQ(view.textField()->text(), "1000");
  for (const char* trim : {"-37", "-250"}) {
    type(view.lableSmall(), QString::fromLatin1(trim));
    QTest::keyClick(view.lableSmall(), Qt::Key_Return);
  }
  EXPECT_EQ(view.lableSmall()->text(), "-100");
  EXPECT_EQ(view.sliderSmall()->value(), -100);
  EXPECT_EQ(heard(), (Heard{{1000, 1}, {-37, 0}, {-100, 0}}));

  // Escape or an empty Enter puts the shown value back. A value set from code moves the slider
  // without a report.
  view.setPosition(250);
  EXPECT_EQ(view.slider()->value(), 250);
  type(view.textField(), QStringLiteral("9"));
  view.setPosition(250);  // the pose changed elsewhere: the value being typed stays
  EXPECT_EQ(view.textField()->text(), "9");
  QTest::keyClick(view.textField(), Qt::Key_Escape);
  EXPECT_EQ(view.textField()->text(), "250");
  view.textField()->clear();
  QTest::keyClick(view.textField(), Qt::Key_Return);
  EXPECT_EQ(view.textField()->text(), "250");
  EXPECT_TRUE(heard().isEmpty());
}

void wheel(QWidget* w, int delta, Qt::KeyboardModifiers modifiers = {}) {
  const QPointF at(w->width() / 2.0, w->height() / 2.0);
  QWheelEvent e(at, w->mapToGlobal(at), {}, QPoint(0, delta), Qt::NoButton, modifiers,
                Qt::NoScrollPhase, false);
  QApplication::sendEvent(w, &e);
}

TEST_F(ChannelSliderTest, StepKeysAndAWheelNotchMoveOneOrTenWithShiftOrCtrl) {
  const std::pair<QWidget*, Qt::Key> keys[] = {
      {view.textField(), Qt::Key_Up},    {view.textField(), Qt::Key_PageDown},
      {view.slider(), Qt::Key_PageUp},   {view.slider(), Qt::Key_Left},
      {view.lableSmall(), Qt::Key_Down}, {view.lableSmall(), Qt::Key_PageUp}};
  for (const auto& [control, key] : keys) QTest::keyClick(control, key);
  EXPECT_EQ(heard(), (Heard{{501, 1}, {491, 1}, {501, 1}, {500, 1}, {-1, 0}, {9, 0}}));
  EXPECT_EQ(view.textField()->text(), "500");
  EXPECT_EQ(view.lableSmall()->text(), "9");

  wheel(view.slider(), QWheelEvent::DefaultDeltasPerStep);
  wheel(view.slider(), -2 * QWheelEvent::DefaultDeltasPerStep, Qt::ShiftModifier);
  wheel(view.sliderSmall(), QWheelEvent::DefaultDeltasPerStep, Qt::ControlModifier);
  wheel(view.sliderSmall(), -QWheelEvent::DefaultDeltasPerStep);
  EXPECT_EQ(heard(), (Heard{{501, 1}, {481, 1}, {19, 0}, {18, 0}}));
  EXPECT_EQ(view.lableSmall()->text(), "18");  // the trim's field follows its slider
}

// The middle column of the knob's colour in a drawing of the slider; -1 if it is not drawn.
int knobColumn(QSlider* slider, QColor knob) {
  const QImage image = slider->grab().toImage();
  QList<int> columns;
  for (int x = 0; x < image.width(); ++x)
    if (image.pixelColor(x, image.height() / 2) == knob) columns.append(x);
  return columns.isEmpty() ? -1 : (columns.first() + columns.last()) / 2;
}

// Reversed, the knob stands at the other end. With Shift held a drag moves one unit per few
// pixels from where Shift went down.
TEST_F(ChannelSliderTest, TheKnobIsDrawnWhereTheValueIsAndStaysUnderTheDraggingPointer) {
  view.show();  // lays the sliders out
  QSlider* s = view.slider();
  const QColor knob(0x2b2d31);
  const auto knobAt = [&](int value) { return s->setValue(value), knobColumn(s, knob); };
  const int lowest = knobAt(0);
  EXPECT_TRUE(lowest >= 0 && lowest < s->width() / 4) << lowest;
  EXPECT_GT(knobAt(1000), s->width() * 3 / 4);

  for (auto* slider : {view.slider(), view.sliderSmall()}) {
    auto* channel = static_cast<KoChannelSlider*>(slider);
    slider->setValue(slider->minimum() + (slider->maximum() - slider->minimum()) / 4);
    slider->setFocus();  // the focus ring narrows the track
    const QPointF grab = channel->knobRect().center() + QPointF(2, 0);  // a little off centre
    press(slider, grab);
    for (const double x : {1.0, 7.0, -3.0, 400.0, 12.0}) {
      drag(slider, grab + QPointF(x, 0));
      if (x > 100) {
        EXPECT_EQ(slider->value(), slider->maximum());  // far past the end
      } else {
        EXPECT_NEAR(channel->knobRect().center().x() + 2, grab.x() + x, 1.5) << x;
      }
    }
    const int coarse = slider->value();
    drag(slider, grab + QPointF(12 + 4 * KoChannelSlider::kFinePixelsPerUnit, 0),
         Qt::ShiftModifier);
    EXPECT_EQ(slider->value(), coarse + 4);
    release(slider, grab);
  }
  EXPECT_FALSE(s->isSliderDown());

  QSlider* trim = view.sliderSmall();
  trim->setValue(0);
  heard();
  const QPointF left(1, trim->height() / 2.0);  // beside the knob: a page step toward it
  press(trim, left);
  release(trim, left);
  EXPECT_EQ(heard(), (Heard{{-10, 0}}));

  view.setChannelProfile({QStringLiteral("base"), 0, 1000, true});
  EXPECT_GT(knobAt(0), s->width() * 3 / 4) << "reversed: the lowest on the right";
  heard();
  const QPointF onKnob(knobColumn(s, knob), s->height() / 2.0);
  press(s, onKnob);
  release(s, onKnob);
  EXPECT_EQ(s->value(), 0);
  EXPECT_TRUE(heard().isEmpty());
}

TEST(ChannelPanel, ControlsFlankTheArmAndNothingOverlapsAtAnySizeOrLanguageWithALegendInEnglish) {
  KoFonts::applyUiFont();
  KoLanguage::instance().setLanguage(QStringLiteral("en"));  // the tags sized for its texts
  RecordingSliderDelegate delegate;
  QWidget window;
  KoVelmarPanView& panel = *new KoVelmarPanView(&delegate, &window);
  ASSERT_EQ(panel.sliders().size(), 6);
  // A corner wider than a card, as the live arm's caption is in Chinese.
  auto* corner = new QLabel(QStringLiteral("a caption wider than a card"));
  panel.setCornerWidget(corner);
  window.show();

  const QSize small = KoVelmarPanView::kMinimumSize;
  for (const QString& language : KoLanguage::languages()) {
    KoLanguage::instance().choose(language, nullptr);
    SCOPED_TRACE(language.toStdString());
    for (const QSize size : {small, QSize(small.width(), 900), QSize(1400, 1000)}) {
      panel.resize(size);
      QApplication::processEvents();
      SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
      // The letters on the tags need telling only in English.
      EXPECT_EQ(panel.textTip()->isHidden(), language != u"English");
      const QRect picture = panel.imageVelmar()->geometry();
      EXPECT_EQ(picture.width(), picture.height());
      EXPECT_GE(picture.width(), 180);
      QList<QRect> parts{picture, corner->geometry()};
      if (!panel.textTip()->isHidden()) parts.append(panel.textTip()->geometry());
      for (KoVelmarSliderView* v : panel.sliders()) parts.append(v->geometry());
      for (int i = 0; i < parts.size(); ++i) {
        EXPECT_TRUE(panel.rect().contains(parts[i])) << i;
        for (int j = i + 1; j < parts.size(); ++j)
          EXPECT_FALSE(parts[i].intersects(parts[j])) << i << "/" << j;
      }
      // The gripper, shoulder and elbow on the right, top down as on the arm; the rest left.
      const auto card = [&](int channel) { return panel.sliders()[channel - 1]->geometry(); };
      for (int channel : {1, 2, 3}) EXPECT_GT(card(channel).left(), picture.right());
      for (int channel : {4, 5, 6}) EXPECT_LT(card(channel).right(), picture.left());
      EXPECT_TRUE(card(3).top() < card(2).top() && card(2).top() < card(1).top());
      EXPECT_TRUE(card(4).top() < card(5).top() && card(5).top() < card(6).top());
    }
  }
  // With room, the picture takes its full size.
  EXPECT_EQ(panel.imageVelmar()->width(), KoVelmarPanView::kPictureSize.width());
  KoLanguage::instance().choose(QStringLiteral("English"), nullptr);
}

}  // namespace
