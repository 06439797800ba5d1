#include <gtest/gtest.h>

#include <QImage>
#include <limits>
#include <numbers>

#include "widgets/dash_board_view.h"

namespace {

const QString kImage = QStringLiteral(VORN_SOURCE_DIR "/resources/images/temperature2.svg");
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The needle's angle sweeps the scale and clamps; progress turns the drawn needle.
TEST(DashBoardNeedle, AnglesSweepTheScaleAndClampAndProgressTurnsTheDrawnNeedle) {
  const auto volts = &KoDashBoardView::needleAngleDegrees;
  // Position inputs are positions divided by 10: 0, 500 and 1000 are 0, 50 and 100.
  const auto position = &KoDashBoardPostionView::needleAngleDegrees;
  const std::tuple<double (*)(double), double, double> cases[] = {
      {volts, 0, 180},      {volts, 7.5, 90},    {volts, 15, 0},       {volts, -2, 180},
      {volts, 15.1, 0},     {volts, kNaN, 180},  {position, 0, 225},   {position, 50, 90},
      {position, 100, -45}, {position, -1, 225}, {position, 101, -45}, {position, kNaN, 225}};
  for (const auto& [angle, input, degrees] : cases) {
    EXPECT_NEAR(angle(input), degrees, 1e-9) << (angle == volts ? "volts " : "position ") << input;
  }

  KoDashBoardView dial;
  dial.resize(220, 220);
  dial.show();
  dial.progress(7.5);
  EXPECT_DOUBLE_EQ(dial.needleAngle(), 90);
  // Drawn straight up, not mirrored below the hub.
  const QImage image = dial.grab().toImage();
  EXPECT_EQ(image.pixel(110, 80), dial.scale().colour.rgb());
  EXPECT_NE(image.pixel(110, 140), dial.scale().colour.rgb());
  dial.resize(240, 240);
  EXPECT_DOUBLE_EQ(dial.needleAngle(), 180);  // a resize rests it
}

// Labels sit on their circle in widget coordinates, and their boxes stay clear of the marks.
TEST(DashBoardLabels, SitOnTheirCircleClearOfTheMarks) {
  // Label radius (w - 2) / 2 - 48 of the shorter side: 61 at 220.
  const std::tuple<QSize, double, QPointF> cases[] = {
      {{220, 220}, 0, {171, 110}},
      {{220, 220}, std::numbers::pi / 2, {110, 49}},  // up on screen
      {{300, 220}, 0, {211, 110}},                    // a wide frame keeps its height's radius
      {{60, 60}, std::numbers::pi, {30, 30}},         // too small for labels: no radius
  };
  for (const auto& [size, radians, expected] : cases) {
    KoDashBoardView dial;
    dial.resize(size);
    const QPointF p = dial.calculateTextPositonWithArcCenter(QRectF(dial.rect()).center(), radians);
    EXPECT_NEAR(QLineF(p, expected).length(), 0, 1e-9) << size.width() << " " << radians;
  }

  for (const int side : {140, 180, 220, 300}) {
    KoDashBoardView voltage;
    KoDashBoardPostionView position;
    for (KoDashBoardDial* dial : std::initializer_list<KoDashBoardDial*>{&voltage, &position}) {
      dial->resize(side, side);
      const QPointF centre = QRectF(dial->rect()).center();
      // Inside the inner edge of the widest (8-point) marks.
      const double clear = dial->markRadius() - 4;
      for (int mark = 0; mark < dial->scale().scaleNumber; mark += dial->scale().majorEvery) {
        const QRectF box = dial->labelRect(mark);
        for (const QPointF& corner :
             {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()}) {
          EXPECT_LE(QLineF(centre, corner).length(), clear)
              << dial->metaObject()->className() << " " << side << " mark " << mark;
        }
      }
    }
  }
}

TEST(DashBoardThermometer, ColumnAndJointFollowProAtTwoSizes) {
  // Pro, column height in image points and joint height in pixels at scales 1 and 0.5. The
  // joint is low up to pro 4; the column stops at the tube's top.
  constexpr double kUnit = 507.0 / 140;  // column points per unit of pro
  const std::tuple<double, double, double, double> cases[] = {
      {0, 0, 6, 6},          {-20, 0, 6, 6},     {kNaN, 0, 6, 6},  {4, 4 * kUnit, 6, 6},
      {5, 5 * kUnit, 16, 8}, {70, 253.5, 16, 8}, {1e6, 496, 16, 8}};
  // Frame, scale and where the image's top left lands.
  const std::tuple<QSize, double, QPointF> frames[] = {{{90, 600}, 1, {0, 0}},
                                                       {{60, 300}, 0.5, {7.5, 0}}};
  for (const auto& [size, s, origin] : frames) {
    for (const auto& [pro, column, joint, halfJoint] : cases) {
      SCOPED_TRACE(testing::Message() << size.width() << " pro " << pro);
      KoDashBoardTemperatureView view(nullptr, kImage);
      view.resize(size);
      view.setPro(pro);
      const auto f = view.fill();
      EXPECT_EQ(f.image, QRectF(origin, QSizeF(90 * s, 600 * s)));
      EXPECT_EQ(f.column,
                QRectF(origin.x() + 40 * s, origin.y() + (508 - column) * s, 10 * s, column * s));
      const double j = s == 1 ? joint : halfJoint;
      EXPECT_EQ(f.joint, QRectF(origin.x() + 40 * s, origin.y() + 522 * s - j, 10 * s, j));
    }
  }
  // A frame too small for the 6-pixel joint keeps it inside the tube.
  EXPECT_NEAR(KoDashBoardTemperatureView::fillFor({3, 6}, 2).joint.height(), 510 * 0.01, 1e-9);
}

}  // namespace
