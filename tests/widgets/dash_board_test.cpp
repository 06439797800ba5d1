#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <cmath>
#include <limits>
#include <memory>
#include <numbers>

#include "widgets/dash_board_view.h"

namespace {

const QString kImage = QStringLiteral(VORN_SOURCE_DIR "/resources/images/temperature2.svg");
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kPi = std::numbers::pi;

// Antialiasing and 8-bit pixels blur a colour by a step or two.
bool sameColour(QColor a, QColor b) {
  return std::abs(a.red() - b.red()) <= 2 && std::abs(a.green() - b.green()) <= 2 &&
         std::abs(a.blue() - b.blue()) <= 2;
}

struct AngleCase {
  double (*angle)(double);
  double input;
  double degrees;
};

TEST(DashBoardNeedle, AnglesSweepTheScaleAndClamp) {
  const auto volts = &KoDashBoardView::needleAngleDegrees;
  // Position inputs are positions divided by 10: 0, 500 and 1000 are 0, 50 and 100.
  const auto position = &KoDashBoardPostionView::needleAngleDegrees;
  const AngleCase cases[] = {
      {volts, 0, 180},     {volts, 7.5, 90},     {volts, 15, 0},         {volts, 3, 144},
      {volts, -2, 180},    {volts, 15.1, 0},     {volts, kInf, 0},       {volts, kNaN, 180},
      {position, 0, 225},  {position, 50, 90},   {position, 100, -45},   {position, 10, 198},
      {position, -1, 225}, {position, 101, -45}, {position, -kInf, 225}, {position, kNaN, 225},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(c.angle(c.input), c.degrees, 1e-9)
        << (c.angle == volts ? "volts " : "position ") << c.input;
  }
}

TEST(DashBoardNeedle, ProgressTurnsTheNeedleAndAResizeRestsIt) {
  KoDashBoardView volts;
  KoDashBoardPostionView position;
  volts.resize(220, 220);
  position.resize(220, 220);
  volts.show();
  position.show();

  volts.progress(7.5);
  position.progress(100);
  volts.grab();  // an ordinary repaint keeps the needle where it is
  EXPECT_DOUBLE_EQ(volts.needleAngle(), 90);
  EXPECT_DOUBLE_EQ(position.needleAngle(), -45);

  volts.resize(240, 240);
  position.resize(240, 240);
  EXPECT_DOUBLE_EQ(volts.needleAngle(), 180);
  EXPECT_DOUBLE_EQ(position.needleAngle(), 225);
}

TEST(DashBoardNeedle, NeedleIsDrawnWhereItsAnglePoints) {
  // Straight up at 7.5 V: catches a needle mirrored about the horizontal axis.
  KoDashBoardView volts;
  volts.resize(220, 220);
  volts.show();
  volts.progress(7.5);
  const QImage up = volts.grab().toImage();
  const QColor colour = volts.scale().colour;
  EXPECT_TRUE(sameColour(up.pixelColor(110, 110 - 30), colour));
  EXPECT_FALSE(sameColour(up.pixelColor(110, 110 + 30), colour));

  volts.progress(0);
  const QImage left = volts.grab().toImage();
  EXPECT_TRUE(sameColour(left.pixelColor(110 - 30, 110), colour));
  EXPECT_FALSE(sameColour(left.pixelColor(110, 110 - 30), colour));
}

struct LabelCase {
  QSize size;
  double radians;
  QPointF expected;
};

TEST(DashBoardLabels, VoltageLabelsSitOnTheirCircleInWidgetCoordinates) {
  // Label radius (w - 2) / 2 - 48 of the shorter side: 61 at 220, 111 at 320.
  const LabelCase cases[] = {
      {{220, 220}, 0, {171, 110}},  {{220, 220}, kPi / 2, {110, 49}},  // up on screen
      {{220, 220}, kPi, {49, 110}}, {{320, 320}, kPi / 2, {160, 49}},
      {{300, 220}, 0, {211, 110}},  // a wide frame keeps the radius of its height
      {{60, 60}, kPi, {30, 30}},    // too small for labels: no radius
  };
  for (const auto& c : cases) {
    KoDashBoardView dial;
    dial.resize(c.size);
    const QPointF centre = QRectF(dial.rect()).center();
    const QPointF p = dial.calculateTextPositonWithArcCenter(centre, c.radians);
    EXPECT_NEAR(p.x(), c.expected.x(), 1e-9) << c.size.width() << " " << c.radians;
    EXPECT_NEAR(p.y(), c.expected.y(), 1e-9) << c.size.width() << " " << c.radians;
  }
}

TEST(DashBoardLabels, PositionLabelsSitOnTheirOwnCircle) {
  KoDashBoardPostionView dial;
  dial.resize(220, 220);
  const QPointF p = dial.calculateTextPositonWithArcCenter({110, 110}, 5 * kPi / 4);
  const double leg = 60 / std::sqrt(2.0);
  EXPECT_NEAR(p.x(), 110 - leg, 1e-9);
  EXPECT_NEAR(p.y(), 110 + leg, 1e-9);  // lower left
}

struct ThermoCase {
  double pro;
  double columnPoints;  // column height in image points
  bool lowJoint;        // joint 6 pixels instead of 16 points
};

TEST(DashBoardThermometer, ColumnAndJointFollowProAtTwoSizes) {
  constexpr double kCap = 496;  // from the column's base at 508 to the tube's top at 12
  const ThermoCase cases[] = {
      {0, 0, true},       {4, 4 * 507.0 / 140, true}, {5, 5 * 507.0 / 140, false},
      {70, 253.5, false}, {1e6, kCap, false},         {-20, 0, true},
      {kNaN, 0, true},
  };
  struct Frame {
    QSize size;
    double scale;
    QPointF origin;  // where the image's top left lands
  };
  const Frame frames[] = {{{90, 600}, 1, {0, 0}}, {{60, 300}, 0.5, {7.5, 0}}};
  for (const auto& frame : frames) {
    for (const auto& c : cases) {
      KoDashBoardTemperatureView view(nullptr, kImage);
      view.resize(frame.size);
      view.setPro(c.pro);
      const auto f = view.fill();
      const double s = frame.scale;
      SCOPED_TRACE(testing::Message()
                   << frame.size.width() << "x" << frame.size.height() << " pro " << c.pro);
      EXPECT_DOUBLE_EQ(f.scale, s);
      EXPECT_EQ(f.image, QRectF(frame.origin, QSizeF(90 * s, 600 * s)));
      EXPECT_NEAR(f.column.height(), c.columnPoints * s, 1e-9);
      EXPECT_NEAR(f.column.bottom(), frame.origin.y() + 508 * s, 1e-9);
      EXPECT_NEAR(f.column.left(), frame.origin.x() + 40 * s, 1e-9);
      EXPECT_NEAR(f.column.width(), 10 * s, 1e-9);
      EXPECT_NEAR(f.joint.height(), c.lowJoint ? 6 : 16 * s, 1e-9);
      EXPECT_NEAR(f.joint.bottom(), frame.origin.y() + 522 * s, 1e-9);
      EXPECT_EQ(f.joint.left(), f.column.left());
      EXPECT_GE(f.column.top(), frame.origin.y() + 12 * s - 1e-9);
    }
  }
}

TEST(DashBoardThermometer, ColumnRisesFromTheBulb) {
  KoDashBoardTemperatureView view(nullptr, kImage);
  ASSERT_TRUE(view.hasImage());
  view.resize(90, 600);
  const QPoint inColumn(45, 508 - 120);  // inside a 253.5-point column, above the neck
  const auto redness = [&](double pro) {
    view.setPro(pro);
    const QColor c = view.grab().toImage().pixelColor(inColumn);
    return c.red() - c.blue();
  };
  EXPECT_LT(redness(0), 60);
  EXPECT_GT(redness(70), 150);
}

TEST(DashBoardThermometer, TinyFramesDoNotOverfillTheTube) {
  const auto f = KoDashBoardTemperatureView::fillFor({3, 6}, 2);
  EXPECT_LE(f.joint.height(), (522 - 12) * f.scale + 1e-9);
  EXPECT_GE(f.joint.top(), f.image.top());
  const auto empty = KoDashBoardTemperatureView::fillFor({0, 0}, 70);
  EXPECT_EQ(empty.column.height(), 0);
  EXPECT_EQ(empty.joint.height(), 0);
}

TEST(DashBoardRender, EveryGaugeDrawsAtAnySize) {
  std::unique_ptr<QWidget> gauges[] = {
      std::make_unique<KoDashBoardView>(), std::make_unique<KoDashBoardPostionView>(),
      std::make_unique<KoDashBoardTemperatureView>(nullptr, kImage)};
  const QSize sizes[] = {{0, 0}, {1, 1}, {10, 10}, {40, 40}, {100, 30}, {220, 220}};
  for (auto& gauge : gauges) {
    for (const QSize& size : sizes) {
      gauge->resize(size);
      EXPECT_EQ(gauge->grab().size(), size) << gauge->metaObject()->className();
    }
  }
}

TEST(DashBoardRender, ThermometerWithoutItsImageStillDrawsTheColumn) {
  KoDashBoardTemperatureView view(nullptr, QStringLiteral("/nonexistent/temperature2.svg"));
  EXPECT_FALSE(view.hasImage());
  view.resize(90, 600);
  view.setPro(70);
  EXPECT_TRUE(sameColour(view.grab().toImage().pixelColor(45, 400), QColor(234, 85, 20)));
}

}  // namespace
