#include "widgets/colours.h"

#include <algorithm>
#include <cmath>

namespace KoColours {

QColor orange() { return QColor::fromRgbF(1.0f, 0.694f, 0.275f); }
QColor darkText() { return QColor(0x1a, 0x1a, 0x1a); }
QColor lightText() { return QColor(0xf0, 0xf0, 0xf0); }
QColor lightGrey() { return QColor(0xd3, 0xd3, 0xd3); }
QColor focus() { return QColor(0x4d, 0xa3, 0xff); }
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

QColor textOn(const QColor& background) {
  return contrastRatio(darkText(), background) >= contrastRatio(lightText(), background)
             ? darkText()
             : lightText();
}

}  // namespace KoColours
