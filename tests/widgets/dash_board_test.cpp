#include <gtest/gtest.h>

#include <QImage>
#include <limits>

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

// The column rises with the reading and stops at the tube's top; no reading is none.
TEST(DashBoardThermometer, TheColumnFollowsTheReading) {
  KoDashBoardTemperatureView view(nullptr, kImage);
  view.resize(90, 600);
  for (const auto& [pro, column] :
       {std::pair{0.0, 0.0}, {-20, 0}, {kNaN, 0}, {70, 253.5}, {1e6, 496}}) {
    view.setPro(pro);
    EXPECT_EQ(view.fill().column, QRectF(40, 508 - column, 10, column)) << pro;
  }
}

}  // namespace
