#include "widgets/slider.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include "widgets/theme.h"

#include "widgets/accessible_controls.h"

namespace {

constexpr KoSlider::Delay kDefaultHold{500};
constexpr KoSlider::Delay kDefaultRepeat{100};

// Digits after the decimal point that the step needs (0.1 -> 1, 0.25 -> 2, 1 -> 0).
int decimalsOf(double step) {
  for (int d = 0; d < 9; ++d) {
    const double scaled = step * std::pow(10.0, d);
    if (std::abs(scaled - std::round(scaled)) < 1e-9 * std::max(1.0, scaled)) return d;
  }
  return 9;
}

}  // namespace

KoSlider::KoSlider(Qt::Orientation orientation, KoSliderCell cell, QWidget* parent)
    : QWidget(parent),
      orientation_(orientation),
      cell_(cell),
      holdDelay_(kDefaultHold),
      repeatDelay_(kDefaultRepeat) {
  setFocusPolicy(Qt::StrongFocus);
  setSizePolicy(orientation == Qt::Horizontal
                    ? QSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed)
                    : QSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding));
  holdTimer_.setSingleShot(true);
  connect(&holdTimer_, &QTimer::timeout, this, &KoSlider::repeatStep);
  connect(&repeatTimer_, &QTimer::timeout, this, &KoSlider::repeatStep);
  KoAccessible::install();
  connect(this, &KoSlider::valueChanged, this, [this](double value) {
    QAccessibleValueChangeEvent event(this, value);
    KoAccessible::tell(&event);
  });
}

void KoSlider::setRepeatDelays(Delay hold, Delay repeat) {
  holdDelay_ = hold;
  repeatDelay_ = repeat;
}

void KoSlider::setRange(double minimum, double maximum) {
  const double before = value();
  minimum_ = minimum;
  maximum_ = std::max(minimum, maximum);
  regrid(before);
}

void KoSlider::setStep(double step) {
  if (!(step > 0)) return;
  const double before = value();
  step_ = step;
  decimals_ = decimalsOf(step);
  regrid(before);
}

void KoSlider::regrid(double before) {
  // The small allowance keeps (1.0 - 0.3) / 0.1 = 6.9999999 at 7 steps.
  steps_ = static_cast<qint64>(std::floor((maximum_ - minimum_) / step_ + 1e-7));
  position_ = positionFor(before);
  update();
  if (value() != before) emit valueChanged(value());
}

qint64 KoSlider::positionFor(double value) const {
  const double clamped = std::clamp(value, minimum_, maximum_);
  return std::clamp<qint64>(std::llround((clamped - minimum_) / step_), 0, steps_);
}

double KoSlider::valueOf(qint64 position) const {
  const double raw = minimum_ + static_cast<double>(position) * step_;
  const double scale = std::pow(10.0, decimals_);
  return std::round(raw * scale) / scale;
}

double KoSlider::value() const { return valueOf(position_); }

int KoSlider::intValue() const { return static_cast<int>(std::lround(value())); }

void KoSlider::setValue(double value) {
  if (!std::isnan(value)) setPosition(positionFor(value));
}

bool KoSlider::setPosition(qint64 position) {
  if (position == position_) return false;
  position_ = position;
  update();
  emit valueChanged(value());
  return true;
}

void KoSlider::setValueByUser(double value) { userSetPosition(positionFor(value)); }

void KoSlider::userSetPosition(qint64 position) {
  if (setPosition(position)) emit sliderAction(value());
}

void KoSlider::setCell(KoSliderCell cell) {
  cell_ = cell;
  update();
}

qreal KoSlider::knobSize() const { return cell_ == KoSliderCell::KoToolSlider ? 16 : 18; }

qreal KoSlider::trackLength() const {
  const qreal length = orientation_ == Qt::Horizontal ? width() : height();
  return std::max<qreal>(1, length - knobSize());
}

qint64 KoSlider::positionAt(const QPointF& point) const {
  const qreal half = knobSize() / 2;
  const qreal along =
      orientation_ == Qt::Horizontal ? point.x() - half : height() - half - point.y();
  const qreal fraction = std::clamp<qreal>(along / trackLength(), 0, 1);
  return std::llround(fraction * static_cast<double>(steps_));
}

QPointF KoSlider::pointFor(double value) const {
  const qreal half = knobSize() / 2;
  const double span = maximum_ - minimum_;
  const qreal fraction = span > 0 ? std::clamp((value - minimum_) / span, 0.0, 1.0) : 0;
  if (orientation_ == Qt::Horizontal) return {half + fraction * trackLength(), height() / 2.0};
  return {width() / 2.0, height() - half - fraction * trackLength()};
}

QRectF KoSlider::knobRect() const {
  const qreal side = knobSize();
  const QPointF centre = pointFor(value());
  return {centre.x() - side / 2, centre.y() - side / 2, side, side};
}

QSize KoSlider::sizeHint() const {
  return orientation_ == Qt::Horizontal ? QSize(200, 24) : QSize(24, 160);
}

bool KoSlider::stepTowardTarget() {
  const qint64 distance = target_ - position_;
  if (std::abs(distance) <= 1) return false;
  userSetPosition(position_ + (distance > 0 ? 1 : -1));
  return true;
}

void KoSlider::repeatStep() {
  if (!pressed_ || !stepTowardTarget()) {
    stopRepeating();
    return;
  }
  if (!repeatTimer_.isActive()) repeatTimer_.start(repeatDelay_);
}

void KoSlider::stopRepeating() {
  holdTimer_.stop();
  repeatTimer_.stop();
}

void KoSlider::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  pressed_ = true;
  lastPoint_ = event->position();
  stopRepeating();
  // Stepping while the user holds the knob to drag it would make it creep under the pointer.
  if (knobRect().contains(lastPoint_)) return;
  target_ = positionAt(lastPoint_);
  if (stepTowardTarget()) holdTimer_.start(holdDelay_);
}

void KoSlider::mouseMoveEvent(QMouseEvent* event) {
  // Some platforms repeat a move event for a pointer that stands still.
  if (!pressed_ || event->position() == lastPoint_) return;
  lastPoint_ = event->position();
  stopRepeating();
  userSetPosition(positionAt(event->position()));
}

void KoSlider::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  pressed_ = false;
  stopRepeating();
}

void KoSlider::keyPressEvent(QKeyEvent* event) {
  qint64 position = position_;
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
      --position;
      break;
    case Qt::Key_Right:
    case Qt::Key_Up:
      ++position;
      break;
    case Qt::Key_PageDown:
      position -= std::max<qint64>(1, steps_ / 10);
      break;
    case Qt::Key_PageUp:
      position += std::max<qint64>(1, steps_ / 10);
      break;
    case Qt::Key_Home:
      position = 0;
      break;
    case Qt::Key_End:
      position = steps_;
      break;
    default:
      return QWidget::keyPressEvent(event);
  }
  userSetPosition(std::clamp<qint64>(position, 0, steps_));
}

// A slider that goes away or is disabled mid-press never sees the release.
void KoSlider::hideEvent(QHideEvent* event) {
  pressed_ = false;
  stopRepeating();
  QWidget::hideEvent(event);
}

void KoSlider::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange && !isEnabled()) {
    pressed_ = false;
    stopRepeating();
  }
  QWidget::changeEvent(event);
}

void KoSlider::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  if (!isEnabled()) painter.setOpacity(0.5);

  const bool tool = cell_ == KoSliderCell::KoToolSlider;
  const qreal thickness = tool ? 4 : 6;
  const bool horizontal = orientation_ == Qt::Horizontal;
  const QPointF start = pointFor(minimum_);
  const QPointF end = pointFor(maximum_);
  // A range across zero (the motor speed) fills from zero; others fill from the minimum.
  const QPointF origin = pointFor(minimum_ < 0 && maximum_ > 0 ? 0.0 : minimum_);
  const QPointF knob = pointFor(value());

  auto bar = [&](QPointF a, QPointF b) {
    const qreal half = thickness / 2;
    const QRectF r = horizontal ? QRectF(QPointF(std::min(a.x(), b.x()) - half, a.y() - half),
                                         QPointF(std::max(a.x(), b.x()) + half, a.y() + half))
                                : QRectF(QPointF(a.x() - half, std::min(a.y(), b.y()) - half),
                                         QPointF(a.x() + half, std::max(a.y(), b.y()) + half));
    painter.drawRoundedRect(r, half, half);
  };
  painter.setPen(Qt::NoPen);
  const KoTheme::Roles& colours = KoTheme::roles();
  const QColor orange = colours.accent;
  painter.setBrush(colours.track);
  bar(start, end);
  painter.setBrush(orange);
  if (knob != origin) bar(origin, knob);

  const QRectF knobBox = knobRect();
  painter.setBrush(colours.knobShadow);
  painter.drawEllipse(knobBox.translated(0, 1));
  if (tool) {
    painter.setBrush(colours.accentTrack);
    painter.setPen(QPen(orange, 2));
    painter.drawEllipse(knobBox.adjusted(1, 1, -1, -1));
  } else {
    painter.setBrush(orange);
    painter.drawEllipse(knobBox);
    painter.setBrush(colours.accentTrack);
    painter.drawEllipse(knobBox.adjusted(6, 6, -6, -6));
  }
  if (hasFocus()) {
    painter.setPen(QPen(orange.darker(150), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(knobBox.adjusted(-2, -2, 2, 2));
  }
}
