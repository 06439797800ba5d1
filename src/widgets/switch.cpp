#include "widgets/switch.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "widgets/accessible_controls.h"
#include "widgets/colours.h"
#include "widgets/theme.h"

KoSwitch::KoSwitch(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setCursor(Qt::PointingHandCursor);
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  KoAccessible::install();
}

void KoSwitch::setOn(bool on) {
  if (on == on_) return;
  on_ = on;
  update();
  // Whatever flipped it, a screen reader hears the new state.
  QAccessible::State changed;
  changed.checked = true;
  QAccessibleStateChangeEvent event(this, changed);
  KoAccessible::tell(&event);
  emit stateChanged(on_);
}

void KoSwitch::toggle() {
  setOn(!on_);
  emit toggledByUser(on_);
}

QSize KoSwitch::sizeHint() const { return {44, 24}; }

void KoSwitch::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  pressed_ = true;
}

// Toggles on release over the switch, like a button, so the user can still back out.
void KoSwitch::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
  const bool wasPressed = pressed_;
  pressed_ = false;
  if (wasPressed && rect().contains(event->position().toPoint())) toggle();
}

void KoSwitch::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
    toggle();
    return;
  }
  QWidget::keyPressEvent(event);
}

void KoSwitch::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  if (!isEnabled()) painter.setOpacity(0.5);

  // The track keeps the switch's 11:6 proportion whatever the widget's size.
  const qreal trackHeight = std::min<qreal>(height(), width() * 6.0 / 11.0);
  const qreal trackWidth = trackHeight * 11.0 / 6.0;
  const QRectF track((width() - trackWidth) / 2, (height() - trackHeight) / 2, trackWidth,
                     trackHeight);
  const qreal radius = trackHeight / 2;
  painter.setPen(Qt::NoPen);
  const KoTheme::Roles& colours = KoTheme::roles();
  painter.setBrush(on_ ? colours.accent : colours.track);
  painter.drawRoundedRect(track, radius, radius);
  // Inside the track's edge, which fills the widget, and under the knob. Light and dark
  // panels both hold switches: two tones, one for each.
  if (hasFocus()) KoColours::paintFocusRing(painter, track, radius);

  const qreal inset = 2;
  const qreal knob = trackHeight - 2 * inset;
  const qreal x = on_ ? track.right() - inset - knob : track.left() + inset;
  const QRectF knobRect(x, track.top() + inset, knob, knob);
  painter.setBrush(colours.knobShadow);
  painter.drawEllipse(knobRect.translated(0, 1));
  painter.setBrush(colours.accentTrack);
  painter.drawEllipse(knobRect);
}
