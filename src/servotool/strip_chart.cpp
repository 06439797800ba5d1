#include "servotool/strip_chart.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {

constexpr double kLegendGap = 6;

QFont legendFont() { return KoTheme::font(KoTheme::Type::Caption); }

}  // namespace

KoStripChart::KoStripChart(const char* captionKey, double low, double high,
                           QColor KoTheme::Roles::*line, QWidget* parent)
    : QWidget(parent), captionKey_(captionKey), low_(low), high_(high), line_(line) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void KoStripChart::reserveFor(std::chrono::milliseconds every) {
  // Twice the span: a list whose oldest samples are dropped from the front moves the rest
  // back instead of growing only while it is under two-thirds full.
  samples_.reserve(2 * (kSpanMs / std::max<qint64>(1, every.count()) + 1));
}

void KoStripChart::addSample(qint64 msecs, double value, const QString& text) {
  samples_.append(QPointF(double(msecs), value));
  const double oldest = double(msecs - kSpanMs);
  samples_.erase(samples_.begin(),
                 std::find_if(samples_.begin(), samples_.end(),
                              [oldest](const QPointF& p) { return p.x() >= oldest; }));
  latestText_ = text;
  update();
}

void KoStripChart::clear() {
  samples_.clear();
  latestText_.clear();
  update();
}

QColor KoStripChart::textColour() { return KoTheme::roles().mutedText; }

QColor KoStripChart::background() { return KoTheme::roles().inset; }

KoStripChart::Legend KoStripChart::legend() const {
  const QFontMetricsF metrics(legendFont());
  const QRectF line = QRectF(rect()).adjusted(5.5, 1.5, -5.5, 0);
  const double valueWidth = metrics.horizontalAdvance(latestText_);
  const double room = line.width() - valueWidth - kLegendGap;
  // The caption's language can change between paints, so it is looked up each time. On a
  // narrow chart the span goes first, then the value moves to a line of its own.
  const QString caption = qtTrId(captionKey_);
  const QString withSpan = caption + QStringLiteral(" · ") + qtTrId("live_chart_span");
  Legend l;
  l.caption = metrics.horizontalAdvance(withSpan) <= room ? withSpan : caption;
  l.captionBox =
      QRectF(line.topLeft(), QSizeF(metrics.horizontalAdvance(l.caption), metrics.height()));
  const double valueTop = l.captionBox.width() <= room ? line.top() : l.captionBox.bottom();
  l.valueBox = QRectF(line.right() - valueWidth, valueTop, valueWidth, metrics.height());
  return l;
}

QSize KoStripChart::minimumSizeHint() const {
  const QFontMetricsF metrics(legendFont());
  // The caption, or the widest value the charts show, whichever is wider.
  const double legend = std::max(metrics.horizontalAdvance(qtTrId(captionKey_)),
                                 metrics.horizontalAdvance(QStringLiteral("15.0V"))) +
                        11;
  return {static_cast<int>(std::ceil(legend)), 40};
}

void KoStripChart::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange || event->type() == QEvent::FontChange) {
    updateGeometry();
  }
  QWidget::changeEvent(event);
}

void KoStripChart::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  p.setPen(QPen(KoTheme::roles().grid, 1));
  p.setBrush(background());
  p.drawRoundedRect(box, 4, 4);

  p.setFont(legendFont());
  p.setPen(textColour());
  const Legend l = legend();
  p.drawText(l.captionBox, Qt::AlignLeft | Qt::AlignTop, l.caption);
  p.drawText(l.valueBox, Qt::AlignRight | Qt::AlignTop, latestText_);

  // The line runs under the legend, one line or two.
  const double top = std::max(l.captionBox.bottom(), l.valueBox.bottom()) + 1;
  const QRectF plot = box.adjusted(5, top - box.top(), -5, -4);
  if (samples_.isEmpty() || plot.height() <= 0) return;
  const double newest = samples_.last().x();
  const auto at = [&](const QPointF& s) {
    const double x = plot.right() - (newest - s.x()) / kSpanMs * plot.width();
    const double v = std::clamp((s.y() - low_) / (high_ - low_), 0.0, 1.0);
    return QPointF(x, plot.bottom() - v * plot.height());
  };
  QPainterPath path(at(samples_.first()));
  for (const QPointF& s : samples_) path.lineTo(at(s));
  const QColor line = KoTheme::roles().*line_;
  p.setPen(QPen(line, 1.6));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  p.setBrush(line);
  p.drawEllipse(at(samples_.last()), 2, 2);
}
