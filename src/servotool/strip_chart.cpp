#include "servotool/strip_chart.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

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

void KoStripChart::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  p.setPen(QPen(KoTheme::roles().grid, 1));
  p.setBrush(background());
  p.drawRoundedRect(box, 4, 4);

  const QFont f = KoTheme::font(KoTheme::Type::Caption);
  p.setFont(f);
  const double textHeight = QFontMetricsF(f).height();
  const QRectF legend = box.adjusted(5, 1, -5, 0);
  p.setPen(textColour());
  const QFontMetricsF metrics(f);
  const double valueWidth = metrics.horizontalAdvance(latestText_) + 6;
  // The caption's language can change between paints, so it is looked up each time; on a
  // narrow chart it gives way to the value.
  const double room = legend.width() - valueWidth;
  QString caption = qtTrId(captionKey_) + QStringLiteral(" · ") + qtTrId("live_chart_span");
  if (metrics.horizontalAdvance(caption) > room) caption = qtTrId(captionKey_);
  // A caption cut short says less than none: the charts stand in the gauges' order, and the
  // value carries its unit.
  if (metrics.horizontalAdvance(caption) > room) caption.clear();
  p.drawText(legend, Qt::AlignLeft | Qt::AlignTop, caption);
  p.drawText(legend, Qt::AlignRight | Qt::AlignTop, latestText_);

  const QRectF plot = box.adjusted(5, textHeight + 2, -5, -4);
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
