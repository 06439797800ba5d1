#include "widgets/colours.h"

#include <algorithm>
#include <cmath>

#include <QPainter>

namespace KoColours {

QColor orange() { return QColor::fromRgbF(1.0f, 0.694f, 0.275f); }
QColor darkText() { return QColor(0x1a, 0x1a, 0x1a); }
QColor lightText() { return QColor(0xf0, 0xf0, 0xf0); }
QColor lightGrey() { return QColor(0xd3, 0xd3, 0xd3); }
QColor focusDark() { return QColor(0x0a, 0x3a, 0x7a); }
QColor focusLight() { return QColor(0xb8, 0xdc, 0xff); }
QColor closeHover() { return QColor(0xc4, 0x2b, 0x1c); }

namespace {

double luminance(const QColor& c) {
  const auto channel = [](double v) {
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

}  // namespace

double contrastRatio(const QColor& a, const QColor& b) {
  const double la = luminance(a);
  const double lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor focusOn(const QColor& background) {
  return contrastRatio(focusDark(), background) >= contrastRatio(focusLight(), background)
             ? focusDark()
             : focusLight();
}

void paintFocusRing(QPainter& painter, const QRectF& outer, qreal radius, qreal width) {
  painter.save();
  painter.setBrush(Qt::NoBrush);
  const QColor tones[] = {focusLight(), focusDark()};
  for (int i = 0; i < 2; ++i) {
    const qreal in = width * (i + 0.5);
    painter.setPen(QPen(tones[i], width));
    painter.drawRoundedRect(outer.adjusted(in, in, -in, -in), std::max<qreal>(0, radius - in),
                            std::max<qreal>(0, radius - in));
  }
  painter.restore();
}

QColor textOn(const QColor& background) {
  return contrastRatio(darkText(), background) >= contrastRatio(lightText(), background)
             ? darkText()
             : lightText();
}

}  // namespace KoColours
