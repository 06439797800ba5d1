#include "widgets/velmar_slider_view.h"

#include <gtest/gtest.h>
#include <QApplication>

#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QSvgWidget>
#include <QTest>

#include "model/language.h"
#include "model/frame_encoding.h"
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
