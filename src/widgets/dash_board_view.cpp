#include "widgets/dash_board_view.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Readings from a faulty reply may be NaN; those rest at the low end like 0.
double clampReading(double value, double low, double high) {
  return std::isnan(value) ? low : std::clamp(value, low, high);
}

QRectF circle(QPointF centre, double radius) {
  return {centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius};
}

// QPainter::drawArc rounds angles to 1/16 degree, which would make the 2.7-degree marks uneven.
void drawArc(QPainter& painter, QPointF centre, double radius, double start, double sweep) {
  QPainterPath path;
  path.arcMoveTo(circle(centre, radius), start);
  path.arcTo(circle(centre, radius), start, sweep);
  painter.drawPath(path);
}

// The needle's look; only its 44-point length and the 16-point hub are given proportions.
constexpr double kNeedleLength = 44;
constexpr double kHubRadius = 8;
constexpr double kRingRadius = 10;
constexpr double kMinMarkRadius = 30;
constexpr double kMajorMarkWidth = 8;
// Between the needle's axis and the nearest number: half the needle's width and a little air.
constexpr double kNeedleClearance = 3;

double distance(QPointF p, QLineF segment) {
  const QPointF d = segment.p2() - segment.p1();
  const double squared = QPointF::dotProduct(d, d);
  const double t =
      squared == 0 ? 0 : std::clamp(QPointF::dotProduct(p - segment.p1(), d) / squared, 0.0, 1.0);
  return QLineF(p, segment.p1() + t * d).length();
}

// How far a segment passes from a box; 0 where it enters it.
double distance(QLineF segment, QRectF box) {
  if (box.contains(segment.p1()) || box.contains(segment.p2())) return 0;
  const QLineF sides[] = {{box.topLeft(), box.topRight()},
                          {box.topRight(), box.bottomRight()},
                          {box.bottomRight(), box.bottomLeft()},
                          {box.bottomLeft(), box.topLeft()}};
  double nearest = std::numeric_limits<double>::max();
  for (const QLineF& side : sides) {
    if (segment.intersects(side, nullptr) == QLineF::BoundedIntersection) return 0;
    nearest = std::min({nearest, distance(side.p1(), segment), distance(segment.p1(), side),
                        distance(segment.p2(), side)});
  }
  return nearest;
}

// Thermometer geometry in image points, y down. The fills mirror the y-up placement (column
// from 92 up, joint 78 to 94) about the image height so the column rises from the bulb.
constexpr double kImageWidth = 90;
constexpr double kImageHeight = 600;
constexpr double kColumnX = 40;
constexpr double kColumnWidth = 10;
constexpr double kColumnRadius = 5;
constexpr double kColumnBase = kImageHeight - 92;
constexpr double kJointBase = kImageHeight - 78;
constexpr double kJointHeight = 16;
constexpr double kLowJointPixels = 6;
constexpr double kLowJointPro = 4;
// The column's round top still fits the channel's round end (centre y 17, radius 7) here.
constexpr double kTubeTop = 12;
// The scale: a mark every 5 degrees, longer every 10, numbered every 20.
constexpr int kLowestMark = 0;
constexpr int kHighestMark = 120;

}  // namespace

KoDashBoardDial::KoDashBoardDial(const Scale& scale, QWidget* parent)
    : QWidget(parent), scale_(scale), needleAngle_(scale.start) {}

void KoDashBoardDial::progress(double value) {
  needleAngle_ = angleFor(value);
  update();
}

double KoDashBoardDial::side() const {
  return std::min({1.0 * kLargestSide, 1.0 * width(), 1.0 * height()});
}

QRectF KoDashBoardDial::face() const {
  return {QRectF(rect()).center() - QPointF(side(), side()) / 2, QSizeF(side(), side())};
}

// The 20-point frame round the dial shrinks with a small dial, so that one as small as the
// smallest window leaves it still has room for its numbers.
double KoDashBoardDial::frame() const { return std::clamp(20 - (200 - side()) * 0.2, 8.0, 20.0); }

double KoDashBoardDial::outerRadius() const {
  return std::max(0.0, (side() - 2) / 2 - frame() - 5);
}

double KoDashBoardDial::markRadius() const {
  return std::max(0.0, (side() - 2) / 2 - frame() - scale_.markInset - 12);
}

double KoDashBoardDial::labelRadius() const {
  return std::max(0.0, (side() - 2) / 2 - frame() - scale_.markInset - 24);
}

bool KoDashBoardDial::labelsShown() const { return markRadius() > kMinMarkRadius; }

QPointF KoDashBoardDial::calculateTextPositonWithArcCenter(QPointF center,
                                                           double angleRadians) const {
  const double r = labelRadius();
  return center + QPointF(r * std::cos(angleRadians), -r * std::sin(angleRadians));
}

QRectF KoDashBoardDial::labelRect(int mark) const {
  const QPointF centre = QRectF(rect()).center();
  const QFont font = numberFont();
  const QFontMetricsF metrics(font);
  const QSizeF text(metrics.horizontalAdvance(labelText(mark)) + 2, metrics.height());
  // As far out as the inner edge of the widest marks leaves room, with a point to spare.
  const double clear = markRadius() - kMajorMarkWidth / 2 - 1;
  const auto placed = [&](double degrees) {
    const double a = qDegreesToRadians(degrees);
    const QPointF outward(std::cos(a), -std::sin(a));
    double low = 0;
    double high = clear;
    for (int i = 0; i < 24; ++i) {
      const double t = (low + high) / 2;
      const QRectF box(centre + outward * t - QPointF(text.width(), text.height()) / 2, text);
      double farthest = 0;
      for (const QPointF& corner :
           {box.topLeft(), box.topRight(), box.bottomLeft(), box.bottomRight()}) {
        farthest = std::max(farthest, QLineF(centre, corner).length());
      }
      (farthest <= clear ? low : high) = t;
    }
    return QRectF(centre + outward * low - QPointF(text.width(), text.height()) / 2, text);
  };
  const double angle = scale_.start - perAngle() * mark;
  const bool first = mark == 0;
  const bool last = mark == scale_.scaleNumber - 1;
  if ((!first && !last) || scale_.angle >= 360) return placed(angle);
  // A number at an end of the scale stands under the end of the arc, where the needle never
  // goes, so it does not limit the needle's length.
  const double end = qDegreesToRadians(first ? scale_.start : scale_.start - scale_.angle);
  const QPointF tip = centre + outerRadius() * QPointF(std::cos(end), -std::sin(end));
  return {QPointF(tip.x() - text.width() / 2, tip.y() + 4), text};
}

// A small dial takes smaller numbers, down to three quarters, so that they keep clear of each
// other and of the needle.
QFont KoDashBoardDial::numberFont() const {
  QFont font = this->font();
  font.setPointSizeF(scale_.fontPoints * std::clamp(side() / 170, 0.75, 1.0));
  return font;
}

QList<QRectF> KoDashBoardDial::labelRects() const {
  QList<QRectF> boxes;
  if (!labelsShown()) return boxes;
  for (int i = 0; i < scale_.scaleNumber; ++i) {
    if (labelled(i)) boxes.append(labelRect(i));
  }
  return boxes;
}

double KoDashBoardDial::needleLength() const {
  const QPointF centre = QRectF(rect()).center();
  const QList<QRectF> boxes = labelRects();
  // Whether a needle this long comes within the clearance of a number at some reading.
  const auto touches = [&](double length) {
    for (double d = 0; d <= scale_.angle; d += 1) {
      const double a = qDegreesToRadians(scale_.start - std::min(d, scale_.angle));
      const QLineF needle(centre, centre + length * QPointF(std::cos(a), -std::sin(a)));
      for (const QRectF& box : boxes) {
        if (distance(needle, box) < kNeedleClearance) return true;
      }
    }
    return false;
  };
  double low = 0;
  // A larger dial takes a longer needle, in proportion.
  double high = std::clamp(outerRadius() - 6, 0.0, kNeedleLength * std::max(1.0, side() / 200));
  if (!touches(high)) return high;
  for (int i = 0; i < 16; ++i) {
    const double length = (low + high) / 2;
    (touches(length) ? high : low) = length;
  }
  return low;
}

void KoDashBoardDial::resizeEvent(QResizeEvent* event) {
  needleAngle_ = scale_.start;
  QWidget::resizeEvent(event);
}

void KoDashBoardDial::paintEvent(QPaintEvent*) {
  const double outer = outerRadius();
  if (outer <= 0) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPointF centre = QRectF(rect()).center();

  painter.setPen(QPen(KoTheme::roles().*scale_.colour, 4, Qt::SolidLine, Qt::FlatCap));
  painter.setBrush(Qt::NoBrush);
  drawArc(painter, centre, outer, scale_.start, -scale_.angle);

  const double marks = markRadius();
  const double labels = labelsShown() ? labelRadius() : 0;
  painter.setFont(numberFont());
  for (int i = 0; i < scale_.scaleNumber; ++i) {
    const double angle = scale_.start - perAngle() * i;
    const bool major = i % scale_.majorEvery == 0;
    if (marks > 0) {
      painter.setPen(QPen(KoTheme::roles().*scale_.colour, major ? kMajorMarkWidth : 4,
                          Qt::SolidLine, Qt::FlatCap));
      drawArc(painter, centre, marks, angle, -perAngle() / 5);
    }
    if (labels > 0 && labelled(i)) {
      painter.setPen(KoTheme::roles().*scale_.labelColour);
      painter.drawText(labelRect(i), Qt::AlignCenter, labelText(i));
    }
  }

  // Hub, ring and needle shrink with a small dial so they stay inside the outer arc.
  const double ring = std::min(kRingRadius, outer / 2);
  const double hub = ring * kHubRadius / kRingRadius;
  const double needle = needleLength();
  const double a = qDegreesToRadians(needleAngle_);
  painter.setPen(QPen(KoTheme::roles().*scale_.colour, 3, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(centre, centre + QPointF(needle * std::cos(a), -needle * std::sin(a)));
  painter.setPen(QPen(KoTheme::roles().*scale_.colour, 2));
  painter.drawEllipse(circle(centre, ring));
  painter.setPen(Qt::NoPen);
  painter.setBrush(KoTheme::roles().*scale_.colour);
  painter.drawEllipse(circle(centre, hub));
}

KoDashBoardView::KoDashBoardView(QWidget* parent)
    : KoDashBoardDial(
          {31, 180, 180, 6, 4, 9, &KoTheme::Roles::voltGauge, &KoTheme::Roles::voltLabel}, parent) {
}

double KoDashBoardView::needleAngleDegrees(double volts) {
  return 180 - 12 * clampReading(volts, 0, 15);
}

bool KoDashBoardView::labelled(int mark) const { return mark % scale().majorEvery == 0; }

QString KoDashBoardView::labelText(int mark) const { return QString::number(mark / 2); }

KoDashBoardPostionView::KoDashBoardPostionView(QWidget* parent)
    : KoDashBoardDial({101, 225, 270, 10, 5, 10, &KoTheme::Roles::positionGauge,
                       &KoTheme::Roles::positionLabel},
                      parent) {}

double KoDashBoardPostionView::needleAngleDegrees(double value) {
  return 225 - 2.7 * clampReading(value, 0, 100);
}

bool KoDashBoardPostionView::labelled(int mark) const {
  return mark == 0 || mark == 50 || mark == 100;
}

QString KoDashBoardPostionView::labelText(int mark) const { return QString::number(mark * 10); }

KoDashBoardTemperatureView::KoDashBoardTemperatureView(QWidget* parent, const QString& imagePath)
    : QWidget(parent), image_(new QSvgRenderer(imagePath, this)) {}

void KoDashBoardTemperatureView::setPro(double pro) {
  pro_ = pro;
  update();
}

KoDashBoardTemperatureView::Fill KoDashBoardTemperatureView::fillFor(QSizeF size, double pro) {
  // One scale for both axes keeps the column in the tube when the frame's shape differs from
  // the image's; the image is centred in the frame.
  const double s =
      std::max(0.0, std::min(size.width() / kImageWidth, size.height() / kImageHeight));
  const QRectF image((size.width() - kImageWidth * s) / 2, (size.height() - kImageHeight * s) / 2,
                     kImageWidth * s, kImageHeight * s);
  const auto at = [&](double x, double y) { return image.topLeft() + QPointF(x * s, y * s); };

  const double units = clampReading(pro, 0, (kColumnBase - kTubeTop) / kPerUnit);
  const double columnHeight = kPerUnit * units * s;
  const QPointF columnBase = at(kColumnX, kColumnBase);
  const QRectF column(columnBase.x(), columnBase.y() - columnHeight, kColumnWidth * s,
                      columnHeight);

  const double lowJoint = std::min(kLowJointPixels, (kJointBase - kTubeTop) * s);
  const double jointHeight = units <= kLowJointPro ? lowJoint : kJointHeight * s;
  const QPointF jointBase = at(kColumnX, kJointBase);
  const QRectF joint(jointBase.x(), jointBase.y() - jointHeight, kColumnWidth * s, jointHeight);
  return {s, image, column, joint};
}

QColor KoDashBoardTemperatureView::scaleColour() { return KoTheme::roles().mutedText; }

double KoDashBoardTemperatureView::levelFor(QSizeF size, double celsius) {
  return fillFor(size, celsius + 10).column.top();
}

// The numbers stand left of the tube, in a smaller font on a narrow thermometer.
QFont KoDashBoardTemperatureView::numberFont() const {
  const Fill f = fill();
  QFont font = this->font();
  font.setPointSizeF(8);
  const double widest = QFontMetricsF(font).horizontalAdvance(QStringLiteral("120"));
  const double room = f.image.left() + 28 * f.scale - 2;
  if (widest > room && room > 0) font.setPointSizeF(std::max(5.0, 8 * room / widest));
  return font;
}

QList<KoDashBoardTemperatureView::Number> KoDashBoardTemperatureView::numbers() const {
  const Fill f = fill();
  const double right = f.image.left() + 28 * f.scale;
  const QFontMetricsF metrics(numberFont());
  QList<Number> numbers;
  for (int c = kLowestMark; c <= kHighestMark; c += 20) {
    const QString text = QString::number(c);
    const double width = metrics.horizontalAdvance(text);
    const double y = levelFor(size(), c);
    numbers.append(
        {QRectF(right - width, y - metrics.height() / 2, width, metrics.height()), text});
  }
  return numbers;
}

void KoDashBoardTemperatureView::paintEvent(QPaintEvent*) {
  const Fill f = fill();
  if (f.scale <= 0) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  if (image_->isValid()) image_->render(&painter, f.image);

  const double s = f.scale;
  for (int c = kLowestMark; c <= kHighestMark; c += 5) {
    const double y = levelFor(size(), c);
    const double length = (c % 20 == 0 ? 16 : c % 10 == 0 ? 11 : 6) * s;
    painter.setPen(QPen(scaleColour(), c % 10 == 0 ? 2 : 1.2, Qt::SolidLine, Qt::RoundCap));
    const double x = f.image.left() + 62 * s;
    painter.drawLine(QPointF(x, y), QPointF(x + length, y));
  }
  painter.setFont(numberFont());
  for (const Number& n : numbers()) {
    painter.drawText(n.box, Qt::AlignRight | Qt::AlignVCenter, n.text);
  }

  painter.setPen(Qt::NoPen);
  painter.setBrush(KoTheme::roles().mercury);
  if (f.column.height() > 0) {
    // Only the top is round: a round base would leave a waist where the column meets the joint.
    const double r = kColumnRadius * f.scale;
    painter.save();
    painter.setClipRect(f.column);
    painter.drawRoundedRect(f.column.adjusted(0, 0, 0, r), r, r);
    painter.restore();
  }
  painter.fillRect(f.joint, KoTheme::roles().mercury);
}
