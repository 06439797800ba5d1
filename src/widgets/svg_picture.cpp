#include "widgets/svg_picture.h"

#include <QPainter>

KoSvgPicture::KoSvgPicture(const QString& path, QWidget* parent)
    : QWidget(parent), drawing_(path) {}

void KoSvgPicture::resizeEvent(QResizeEvent* event) {
  // Until first painted: a window dragged larger goes through many sizes, each drawn when
  // painted.
  drawing_.drawAhead(size() * devicePixelRatioF());
  QWidget::resizeEvent(event);
}

void KoSvgPicture::paintEvent(QPaintEvent*) {
  const QImage& picture = drawing_.at(size() * devicePixelRatioF(), devicePixelRatioF());
  if (picture.isNull()) return;
  QPainter painter(this);
  painter.drawImage(QPointF(0, 0), picture);
}
