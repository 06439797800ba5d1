#include "widgets/widget_tools.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPainter>

#include "widgets/slider.h"

namespace {

struct PairCase {
  const char* comparison;
  const char* step;
  double slider;
  const char* bound;
  double knob;       // where the slider ends
  const char* text;  // what its own label says
};

TEST(PairedLimits, KeepEachSliderOnItsSide) {
  const PairCase cases[] = {
      {"<=", "1", 40, "50", 50, "51"},       {"<=", "1", 60, "50", 60, "60"},
      {"<=", "1", 50, "50", 50, "51"},       {">=", "1", 60, "50", 50, "49"},
      {">=", "1", 40, "50", 40, "40"},       {">=", "0.1", 9.0, "8.5", 8.5, "8.4"},
      {"<=", "0.1", 8.5, "8.5", 8.5, "8.6"}, {"<=", "0.1", 9.3, "8.5", 9.3, "9.3"},
      {"<", "1", 40, "50", 40, "own"},       {"<=", "2", 40, "50", 40, "own"},
  };
  for (const PairCase& c : cases) {
    SCOPED_TRACE(std::string(c.comparison) + " " + c.step + " " + std::to_string(c.slider));
    KoSlider slider;
    slider.setRange(0, 1000);
    slider.setStep(QString(c.step) == "0.1" ? 0.1 : 1);
    slider.setValue(c.slider);
    QLabel bound(c.bound);
    QLabel own(QStringLiteral("own"));
    KoTools::changeSliderValue(&slider, &bound, &own, c.comparison, c.step);
    EXPECT_DOUBLE_EQ(slider.value(), c.knob);
    EXPECT_EQ(own.text(), c.text);
  }
}

TEST(ResizeImage, CropsTheCentreToTheTargetShape) {
  EXPECT_EQ(KoTools::resizeImageSource({200, 100}, {50, 50}), QRect(50, 0, 100, 100));
  EXPECT_EQ(KoTools::resizeImageSource({100, 200}, {50, 50}), QRect(0, 50, 100, 100));
  EXPECT_EQ(KoTools::resizeImageSource({100, 100}, {0, 10}), QRect());

  QImage wide(200, 100, QImage::Format_RGB32);
  wide.fill(Qt::red);
  QPainter(&wide).fillRect(50, 0, 100, 100, Qt::blue);
  const QImage out = KoTools::resizeImage(wide, {40, 40});
  EXPECT_EQ(out.size(), QSize(40, 40));
  EXPECT_EQ(out.pixelColor(0, 0), QColor(Qt::blue));
  EXPECT_TRUE(KoTools::resizeImage(QImage(), {40, 40}).isNull());
}

TEST(WidgetHelpers, MenuItemsReflectionAndAnchors) {
  int chosen = 0;
  std::unique_ptr<QAction> item(KoTools::menuItemWithTitle(
      QStringLiteral("copy"), [&] { ++chosen; }, QKeySequence(QStringLiteral("Ctrl+C")), 7,
      nullptr));
  item->trigger();
  EXPECT_EQ(chosen, 1);
  EXPECT_EQ(item->data().toInt(), 7);

  EXPECT_TRUE(KoTools::getVariableWithClass(&QWidget::staticMetaObject, "windowTitle"));
  EXPECT_FALSE(KoTools::getVariableWithClass(&QWidget::staticMetaObject, "nothing"));

  QWidget w;
  EXPECT_EQ(KoTools::viewAnchorPoint(&w), QPointF(0.5, 0.5));
  w.move(10, 20);
  KoTools::setViewAnchorPoint({0, 1}, &w);
  EXPECT_EQ(KoTools::viewAnchorPoint(&w), QPointF(0, 1));
  EXPECT_EQ(w.pos(), QPoint(10, 20));
}

}  // namespace
