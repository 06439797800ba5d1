#include "widgets/status_line.h"

#include <QGraphicsOpacityEffect>
#include <QPainter>
#include <QPropertyAnimation>

#include "widgets/elided_label.h"

KoStatusLine::KoStatusLine(QWidget* parent)
    : QLabel(parent),
      opacity_(new QGraphicsOpacityEffect(this)),
      fadeOut_(new QPropertyAnimation(opacity_, "opacity", this)) {
  setGraphicsEffect(opacity_);
  setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  setTextFormat(Qt::PlainText);
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  // A screen reader announces what the line says as it changes.
  setAccessibleName(QStringLiteral(" "));
  fade_.setSingleShot(true);
  fade_.setInterval(kDefaultFadeDelay);
  fadeOut_->setDuration(400);
  fadeOut_->setStartValue(1.0);
  fadeOut_->setEndValue(0.0);
  connect(&fade_, &QTimer::timeout, fadeOut_, [this] { fadeOut_->start(); });
  connect(fadeOut_, &QPropertyAnimation::finished, this, &KoStatusLine::clearMessage);
}

void KoStatusLine::show(const QString& text) {
  fadeOut_->stop();
  opacity_->setOpacity(1.0);
  setText(text);
  setAccessibleName(text);
  refit();
}

void KoStatusLine::showState(const QString& text) {
  fade_.stop();
  show(text);
}

void KoStatusLine::showResult(const QString& text) {
  show(text);
  fade_.start();
}

void KoStatusLine::clearMessage() {
  fade_.stop();
  fadeOut_->stop();
  clear();
  setAccessibleName(QStringLiteral(" "));
  refit();
}

QSize KoStatusLine::sizeHint() const { return {0, kLines * fontMetrics().lineSpacing()}; }

void KoStatusLine::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  refit();
}

void KoStatusLine::refit() {
  const FittedText fitted = fitText(text(), font(), width(), kLines);
  lines_ = fitted.lines;
  setToolTip(fitted.cut ? text() : QString());
  update();
}

void KoStatusLine::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setPen(palette().color(QPalette::WindowText));
  const int spacing = fontMetrics().lineSpacing();
  QRect line(0, (height() - int(lines_.size()) * spacing) / 2, width(), spacing);
  for (const QString& text : lines_) {
    p.drawText(line, (alignment() & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter, text);
    line.translate(0, spacing);
  }
}
