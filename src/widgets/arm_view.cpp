#include "widgets/arm_view.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include "widgets/colours.h"

KoArmView::KoArmView(QWidget* parent, KoArmJoints joints)
    : QWidget(parent), joints_(std::move(joints)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  positions_.fill(500);
}

void KoArmView::setPositions(const KoChannelPositions& positions) {
  if (positions == positions_) return;
  positions_ = positions;
  update();
}

void KoArmView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), QColor(0x2b, 0x2d, 0x31));

  const auto angles = armJointAngles(joints_, positions_);
  const auto points = armSkeleton(angles);
  // Upright the arm reaches 1.08 units up; stretched out, 0.86 either side.
  const double scale = std::min(height() * 0.8 / 1.08, width() * 0.46 / 0.86);
  const QPointF origin(width() * 0.5, height() * 0.88);
  const auto toScreen = [&](QPointF a) { return origin + QPointF(a.x(), -a.y()) * scale; };

  // Below the ground, where a pose would strike the table.
  p.fillRect(QRectF(0, origin.y(), width(), height() - origin.y()), QColor(0x22, 0x23, 0x26));
  p.setPen(QPen(QColor(0x55, 0x58, 0x5e), 1));
  p.drawLine(QPointF(0, origin.y()), QPointF(width(), origin.y()));
  p.setBrush(QColor(0x44, 0x47, 0x4d));
  p.drawRoundedRect(
      QRectF(origin.x() - scale * 0.12, origin.y() - scale * 0.04, scale * 0.24, scale * 0.04), 3,
      3);

  const double thickness = std::max(4.0, scale * 0.045);
  for (int s = 0; s + 1 < int(points.size()); ++s) {
    p.setPen(QPen(s == 0 ? QColor(0x80, 0x84, 0x8c) : KoColours::orange(), thickness, Qt::SolidLine,
                  Qt::RoundCap));
    p.drawLine(toScreen(points[s]), toScreen(points[s + 1]));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xe8, 0xe8, 0xe8));
  for (int s = 1; s < 4; ++s)
    p.drawEllipse(toScreen(points[s]), thickness * 0.45, thickness * 0.45);

  // The jaws open around the hand's direction; a roll turns them out of the picture plane.
  const QPointF wrist = toScreen(points[3]);
  const QPointF tip = toScreen(points[4]);
  const QPointF along =
      (tip - wrist) / std::max(1.0, std::hypot(tip.x() - wrist.x(), tip.y() - wrist.y()));
  const QPointF across(-along.y(), along.x());
  const double open =
      std::sin(qDegreesToRadians(std::clamp(angles[KoArmJoints::kGripper], 0.0, 90.0))) *
      std::abs(std::cos(qDegreesToRadians(angles[KoArmJoints::kWristRoll])));
  const double jaw = scale * 0.09;
  p.setPen(
      QPen(QColor(0xe8, 0xe8, 0xe8), std::max(2.0, thickness * 0.5), Qt::SolidLine, Qt::RoundCap));
  for (int side : {-1, 1}) {
    const QPointF base = tip + across * side * (thickness * 0.6);
    p.drawLine(base, base + along * jaw + across * side * jaw * open);
  }

  // The base's turn, seen from above.
  const double r = scale * 0.08;
  const QPointF dial(width() - r * 1.6, r * 1.6);
  p.setPen(QPen(QColor(0x80, 0x84, 0x8c), 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(dial, r, r);
  const double yaw = qDegreesToRadians(angles[KoArmJoints::kBase]);
  p.setPen(QPen(KoColours::orange(), 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(dial, dial + QPointF(std::sin(yaw), -std::cos(yaw)) * r);
}
