#include "widgets/quiet_scroll_bar.h"

#include <QStyle>
#include <QStyleOptionSlider>

KoQuietScrollBar::Look KoQuietScrollBar::look() const {
  QStyleOptionSlider option;
  initStyleOption(&option);
  return {style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this),
          value() == minimum(), value() == maximum(), isEnabled() && maximum() > minimum()};
}

void KoQuietScrollBar::sliderChange(SliderChange change) {
  const bool moves = change == SliderRangeChange || change == SliderValueChange;
  if (!moves || !painted_) {
    QScrollBar::sliderChange(change);
    return;
  }
  // A new range and the value that follows it come one after the other; the look is
  // compared once both are in.
  if (checkPending_) return;
  checkPending_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        checkPending_ = false;
        if (!painted_ || look() != *painted_) update();
      },
      Qt::QueuedConnection);
}

void KoQuietScrollBar::paintEvent(QPaintEvent* event) {
  QScrollBar::paintEvent(event);
  painted_ = look();
}
