#include "widgets/nine_slice.h"

#include <QPaintDevice>
#include <QPainter>
#include <cmath>

KoNineSlice::KoNineSlice(int border, Draw draw) : border_(border), draw_(std::move(draw)) {}

void KoNineSlice::paint(QPainter& painter, const QRect& target) {
  const int b = border_;
  const int side = 2 * b + 1;
  const qreal ratio = painter.device() ? painter.device()->devicePixelRatio() : 1.0;
  if (target.width() < side || target.height() < side || ratio != std::round(ratio)) {
    // Clipped as the slices are.
    painter.save();
    painter.setClipRect(target, Qt::IntersectClip);
    draw_(painter, target);
    painter.restore();
    return;
  }
  const int r = static_cast<int>(ratio);
  if (source_.isNull() || source_.devicePixelRatio() != ratio) {
    source_ = QImage(QSize(side, side) * r, QImage::Format_ARGB32_Premultiplied);
    source_.setDevicePixelRatio(ratio);
    source_.fill(Qt::transparent);
    QPainter p(&source_);
    draw_(p, QRect(0, 0, side, side));
  }
  painter.save();
  // Stretched slices repeat their one pixel; smoothing would blend in their neighbours.
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  // Slices in logical pixels: the source's, then the target's.
  const int xs[] = {0, b, b + 1, side};
  const int ys[] = {0, b, b + 1, side};
  const int xt[] = {target.left(), target.left() + b, target.right() + 1 - b, target.right() + 1};
  const int yt[] = {target.top(), target.top() + b, target.bottom() + 1 - b, target.bottom() + 1};
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 3; ++column) {
      const QRect to(QPoint(xt[column], yt[row]), QPoint(xt[column + 1] - 1, yt[row + 1] - 1));
      const QRect from(xs[column] * r, ys[row] * r, (xs[column + 1] - xs[column]) * r,
                       (ys[row + 1] - ys[row]) * r);
      if (to.isEmpty()) continue;
      if (row == 1 && column == 1) {
        // One colour throughout: a plain fill, the cheapest thing a painter does.
        painter.fillRect(to, source_.pixelColor(b * r, b * r));
        continue;
      }
      painter.drawImage(to, source_, from);
    }
  }
  painter.restore();
}
