#include "widgets/arm_view.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cmath>

#include "model/notification_center.h"
#include "model/send_check.h"
#include "widgets/accessible_controls.h"
#include "widgets/colours.h"
#include "widgets/switch.h"
#include "widgets/theme.h"
#include "widgets/widget_tools.h"

namespace {

// A press this near the dial's rim takes it.
constexpr double kDialSlack = 7;

// The pointer's angle round the dial, 0 pointing up and growing clockwise, as the dial draws it.
double dialAngle(QPointF from, QPointF centre) {
  const QPointF d = from - centre;
  return qRadiansToDegrees(std::atan2(d.x(), -d.y()));
}

}  // namespace

KoArmView::KoArmView(QWidget* parent, KoArmProfile profile)
    : QWidget(parent), profile_(std::move(profile)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  KoAccessible::setRole(this, QAccessible::Graphic);
  setMouseTracking(true);
  positions_.fill(500);
  holdTimer_.setSingleShot(true);
  holdTimer_.setInterval(kDefaultHoldMs);
  connect(&holdTimer_, &QTimer::timeout, this, [this] {
    if (dragging_ == Drag::None) update();
  });

  lockRow_ = new QWidget(this);
  auto* row = new QHBoxLayout(lockRow_);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(6);
  lockWrist_ = new KoSwitch;
  lockCaption_ = new QLabel;
  lockCaption_->setForegroundRole(QPalette::PlaceholderText);
  lockCaption_->setFont(KoTheme::font(KoTheme::Type::Caption));
  row->addWidget(lockWrist_);
  row->addWidget(lockCaption_);
  KoTools::setAccessibleKeys(lockWrist_, QT_TRID_NOOP("arm_lock_wrist"),
                             QT_TRID_NOOP("arm_lock_wrist_tips"));
  connect(lockWrist_, &KoSwitch::toggledByUser, this, [this](bool on) {
    setWristHold(on ? kinematics::WristHold::LockJoint : kinematics::WristHold::KeepAngleToGround);
    emit wristHoldChanged(hold_);
  });

  KoTools::setAccessibleKeys(this, QT_TRID_NOOP("arm_view"), QT_TRID_NOOP("arm_view_tips"));
  auto& center = KoNotificationCenter::defaultCenter();
  connect(&center, &KoNotificationCenter::changeLanguage, this, &KoArmView::retranslate);
  retranslate();
}

void KoArmView::retranslate() {
  lockCaption_->setText(qtTrId("arm_lock_wrist"));
  lockWrist_->setToolTip(qtTrId("arm_lock_wrist_tips"));
  lockRow_->adjustSize();
  placeControls();
  update();
}

void KoArmView::setProfile(const KoArmProfile& profile) {
  if (profile == profile_) return;
  profile_ = profile;
  // A drag measured on the old arm means nothing on the new one.
  dragging_ = Drag::None;
  target_.reset();
  clamped_ = false;
  update();
}

void KoArmView::setWristHold(kinematics::WristHold hold) {
  hold_ = hold;
  lockWrist_->setOn(hold == kinematics::WristHold::LockJoint);
}

void KoArmView::setPositions(const KoChannelPositions& positions) {
  if (isPosing() || positions == positions_) return;
  // Something else moved the arm: a target set by the keys no longer stands for this pose.
  target_.reset();
  clamped_ = false;
  positions_ = positions;
  update();
}

KoArmView::Frame KoArmView::frame() const {
  // A profile with no length yet still draws, at the size of a 1 mm arm.
  const double reach = std::max(1.0, profile_.reachMm());
  const double column = std::max(0.0, profile_.linksMm[KoArmProfile::kColumn]);
  // Upright the arm stands its column and reach high; stretched out, its reach either side.
  const double mmScale = std::min(height() * 0.8 / (column + reach), width() * 0.46 / reach);
  // The trimmings keep the proportions they have on the shipped arm, whose reach is 0.86 of
  // its unit.
  return {mmScale, mmScale * reach / 0.86, QPointF(width() * 0.5, height() * 0.88)};
}

QPointF KoArmView::toScreen(QPointF mm) const {
  const Frame f = frame();
  return f.origin + QPointF(mm.x(), -mm.y()) * f.mmScale;
}

QPointF KoArmView::toMm(QPointF pixel) const {
  const Frame f = frame();
  const QPointF d = (pixel - f.origin) / std::max(f.mmScale, 1e-9);
  return {d.x(), -d.y()};
}

QPointF KoArmView::tipOnScreen() const {
  return toScreen(kinematics::skeleton(profile_, positions_)[kinematics::kTip]);
}

double KoArmView::dialRadius() const { return frame().unit * 0.08; }

QPointF KoArmView::dialCentre() const {
  const double r = dialRadius();
  return {width() - r * 1.6, r * 1.6};
}

KoArmView::Drag KoArmView::hit(QPointF pixel) const {
  const QPointF tip = tipOnScreen();
  if (std::hypot(pixel.x() - tip.x(), pixel.y() - tip.y()) <= kGrabReach) return Drag::Tip;
  const QPointF dial = dialCentre();
  if (std::hypot(pixel.x() - dial.x(), pixel.y() - dial.y()) <= dialRadius() + kDialSlack) {
    return Drag::Dial;
  }
  return Drag::None;
}

void KoArmView::want(const KoChannelPositions& next) {
  KoChannelPositions moves;
  bool any = false;
  for (std::size_t c = 0; c < next.size(); ++c) {
    if (next[c] && next[c] != positions_[c]) {
      moves[c] = next[c];
      any = true;
    }
  }
  positions_ = next;
  holdTimer_.start();
  update();
  if (any) emit positionsWanted(moves);
}

void KoArmView::steer(const KoChannelPositions& wanted) {
  if (dragging_ != Drag::None) return;
  KoChannelPositions next = positions_;
  for (std::size_t c = 0; c < next.size(); ++c) {
    if (wanted[c]) next[c] = wanted[c];
  }
  positions_ = next;
  holdTimer_.start();
  update();
}

void KoArmView::showSteering(std::optional<QPointF> target, bool clamped, quint8 strike) {
  if (dragging_ != Drag::None) return;
  target_ = target;
  clamped_ = target && clamped;
  strike_ = target ? strike : 0;
  reachedTip_ = kinematics::skeleton(profile_, positions_)[kinematics::kTip];
  if (target) holdTimer_.start();
  update();
}

void KoArmView::reachFor(QPointF targetMm) {
  const kinematics::Reach r = kinematics::reach(profile_, positions_, targetMm, hold_);
  target_ = targetMm;
  reachedTip_ = r.tip;
  clamped_ = r.clamped;
  strike_ = 0;
  want(r.positions);
}

void KoArmView::turnBaseTo(double degrees) {
  const int channel = profile_.joints.joints[KoArmJoints::kBase].channel;
  if (channel < 1 || channel > int(positions_.size())) return;
  KoChannelPositions next = positions_;
  // A dial turned on past the end of the base's turn stays at that end; as a heading it
  // might lie nearer the other end, but the arm does not swing round to it.
  const KoArmJoint& base = profile_.joints.joints[KoArmJoints::kBase];
  next[channel - 1] = kinematics::basePositionFor(
      profile_, std::clamp(degrees, std::min(base.angleAt0, base.angleAt1000),
                           std::max(base.angleAt0, base.angleAt1000)));
  // Held at the end of the range, the dial answers at once when turned back.
  baseAngle_ = kinematics::jointAngles(profile_, next)[KoArmJoints::kBase];
  if (std::abs(baseAngle_ - degrees) < 1) baseAngle_ = degrees;
  want(next);
}

void KoArmView::endPosing() {
  dragging_ = Drag::None;
  target_.reset();
  clamped_ = false;
  strike_ = 0;
  holdTimer_.start();
  update();
}

void KoArmView::showHover(Drag over) {
  const Drag shown = dragging_ != Drag::None ? dragging_ : over;
  if (dragging_ != Drag::None) {
    setCursor(Qt::ClosedHandCursor);
  } else if (over != Drag::None) {
    setCursor(Qt::OpenHandCursor);
  } else {
    unsetCursor();
  }
  if (shown != hover_) {
    hover_ = shown;
    update();
  }
}

void KoArmView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  setFocus(Qt::MouseFocusReason);
  const QPointF at = event->position();
  dragging_ = hit(at);
  if (dragging_ != Drag::None) {
    // A target the keys left stands for nothing once the pointer takes over.
    target_.reset();
    clamped_ = false;
    strike_ = 0;
  }
  if (dragging_ == Drag::Tip) {
    grabOffsetMm_ = kinematics::skeleton(profile_, positions_)[kinematics::kTip] - toMm(at);
  } else if (dragging_ == Drag::Dial) {
    dialPointer_ = dialAngle(at, dialCentre());
    baseAngle_ = kinematics::jointAngles(profile_, positions_)[KoArmJoints::kBase];
  }
  showHover(dragging_);
}

void KoArmView::mouseMoveEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  if (dragging_ == Drag::Tip) {
    reachFor(toMm(at) + grabOffsetMm_);
  } else if (dragging_ == Drag::Dial) {
    const double pointer = dialAngle(at, dialCentre());
    // Unwrapped, so that passing the dial's bottom is a small turn, not a whole one.
    baseAngle_ += std::remainder(pointer - dialPointer_, 360.0);
    dialPointer_ = pointer;
    turnBaseTo(baseAngle_);
  }
  showHover(hit(at));
}

void KoArmView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || dragging_ == Drag::None) {
    return QWidget::mouseReleaseEvent(event);
  }
  endPosing();
  showHover(hit(event->position()));
}

void KoArmView::leaveEvent(QEvent* event) {
  if (dragging_ == Drag::None) showHover(Drag::None);
  QWidget::leaveEvent(event);
}

void KoArmView::keyPressEvent(QKeyEvent* event) {
  const bool large = event->modifiers() & Qt::ShiftModifier;
  const double mm = large ? kShiftKeyStepMm : kKeyStepMm;
  QPointF step;
  switch (event->key()) {
    case Qt::Key_Left:
      step = {-mm, 0};
      break;
    case Qt::Key_Right:
      step = {mm, 0};
      break;
    case Qt::Key_Up:
      step = {0, mm};
      break;
    case Qt::Key_Down:
      step = {0, -mm};
      break;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
      if (dragging_ != Drag::None) break;
      const double degrees = large ? kShiftKeyStepDegrees : kKeyStepDegrees;
      turnBaseTo(kinematics::jointAngles(profile_, positions_)[KoArmJoints::kBase] +
                 (event->key() == Qt::Key_PageUp ? degrees : -degrees));
      return;
    }
    default:
      return QWidget::keyPressEvent(event);
  }
  if (dragging_ != Drag::None) return;
  // From where the last key left the tip, not from its target: a target beyond reach would
  // otherwise need as many presses back before the arm moves again.
  const QPointF from =
      target_ ? reachedTip_ : kinematics::skeleton(profile_, positions_)[kinematics::kTip];
  reachFor(from + step);
}

void KoArmView::focusOutEvent(QFocusEvent* event) {
  if (dragging_ == Drag::None && target_) {
    target_.reset();
    clamped_ = false;
    strike_ = 0;
    update();
  }
  QWidget::focusOutEvent(event);
}

void KoArmView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  placeControls();
}

// In the ground strip's left corner, where the arm never stands.
void KoArmView::placeControls() {
  const QSize size = lockRow_->sizeHint();
  lockRow_->setGeometry(8, height() - size.height() - 6, size.width(), size.height());
}

void KoArmView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  // In its panel, not a hole in it: the inset of fields and charts.
  const KoTheme::Roles& colours = KoTheme::roles();
  p.fillRect(rect(), colours.inset);

  const Frame f = frame();
  const double scale = f.unit;
  const QPointF origin = f.origin;
  const auto angles = kinematics::jointAngles(profile_, positions_);
  const kinematics::Skeleton points = kinematics::skeleton(profile_, angles);

  // Below the ground, where a pose would strike the table.
  p.fillRect(QRectF(0, origin.y(), width(), height() - origin.y()), colours.insetShade);
  p.setPen(QPen(colours.line, 1));
  p.drawLine(QPointF(0, origin.y()), QPointF(width(), origin.y()));
  p.setBrush(colours.track);
  p.drawRoundedRect(
      QRectF(origin.x() - scale * 0.12, origin.y() - scale * 0.04, scale * 0.24, scale * 0.04), 3,
      3);

  const double thickness = std::max(4.0, scale * 0.045);
  for (int s = 0; s + 1 < int(points.size()); ++s) {
    p.setPen(
        QPen(s == 0 ? colours.track : colours.accentLine, thickness, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(toScreen(points[s]), toScreen(points[s + 1]));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(colours.inset);
  for (int s = kinematics::kShoulder; s < kinematics::kTip; ++s)
    p.drawEllipse(toScreen(points[s]), thickness * 0.45, thickness * 0.45);

  // The jaws open around the hand's direction; a roll turns them out of the picture plane.
  const QPointF wrist = toScreen(points[kinematics::kWrist]);
  const QPointF tip = toScreen(points[kinematics::kTip]);
  const QPointF along =
      (tip - wrist) / std::max(1.0, std::hypot(tip.x() - wrist.x(), tip.y() - wrist.y()));
  const QPointF across(-along.y(), along.x());
  const double open =
      std::sin(qDegreesToRadians(std::clamp(angles[KoArmJoints::kGripper], 0.0, 90.0))) *
      std::abs(std::cos(qDegreesToRadians(angles[KoArmJoints::kWristRoll])));
  const double jaw = scale * 0.09;
  p.setPen(QPen(colours.text, std::max(2.0, thickness * 0.5), Qt::SolidLine, Qt::RoundCap));
  for (int side : {-1, 1}) {
    const QPointF base = tip + across * side * (thickness * 0.6);
    p.drawLine(base, base + along * jaw + across * side * jaw * open);
  }

  // The tip can be taken: a faint ring says so under the pointer, a firmer one while held.
  if (hover_ == Drag::Tip) {
    QColor ring = colours.text;
    ring.setAlpha(dragging_ == Drag::Tip ? 200 : 110);
    p.setPen(QPen(ring, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(tip, kGrabReach, kGrabReach);
  }

  // The base's turn, seen from above.
  const double r = dialRadius();
  const QPointF dial = dialCentre();
  const bool dialTaken = hover_ == Drag::Dial;
  p.setPen(QPen(dialTaken ? colours.text : colours.track, dialTaken ? 2.0 : 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(dial, r, r);
  const double yaw = qDegreesToRadians(angles[KoArmJoints::kBase]);
  p.setPen(QPen(colours.accentLine, 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(dial, dial + QPointF(std::sin(yaw), -std::cos(yaw)) * r);

  // Where the tip was asked to go and could not (over the dial, which it may reach): a red ring, a
  // dashed line to where it stopped.
  if (target_ && (clamped_ || strike_)) {
    const QPointF wanted = toScreen(*target_);
    const QPointF reached = toScreen(reachedTip_);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colours.danger, 1.5, Qt::DashLine));
    p.drawLine(reached, wanted);
    p.setPen(QPen(colours.danger, 2));
    p.drawEllipse(wanted, 7, 7);
    p.setFont(KoTheme::font(KoTheme::Type::Label));
    const QString text = strike_ ? qtTrId("arm_would_strike").arg(sending::strikeText(strike_))
                                 : qtTrId("arm_out_of_reach");
    const QRectF box = p.fontMetrics().boundingRect(text).adjusted(-4, -2, 4, 2);
    // Beside the ring on the side away from the tip, so that it covers neither; inside the view.
    QPointF at(wanted.x() < reached.x() ? wanted.x() - 12 - box.width() : wanted.x() + 12,
               wanted.y() < reached.y() ? wanted.y() - 12 - box.height() : wanted.y() + 12);
    at.setX(std::clamp(at.x(), 4.0, std::max(4.0, width() - box.width() - 4)));
    at.setY(std::clamp(at.y(), 4.0, std::max(4.0, height() - box.height() - 4)));
    const QRectF label(at, box.size());
    p.setPen(Qt::NoPen);
    QColor under = colours.inset;
    under.setAlpha(220);
    p.setBrush(under);
    p.drawRoundedRect(label, 3, 3);
    p.setPen(colours.danger);
    p.drawText(label, Qt::AlignCenter, text);
  }

  if (hasFocus()) {
    p.setPen(QPen(KoColours::focusOn(colours.inset), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  }
}
