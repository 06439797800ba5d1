#include "editor/curve_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

#include "editor/frame_list_model.h"
#include "model/limits.h"
#include "model/value_utils.h"
#include "widgets/colours.h"

namespace {

constexpr double kLegendHeight = 18;
constexpr double kMargin = 10;
// The plot spans the positions from 0 at the bottom to this at the top.
constexpr int kTop = limits::kPosition.maximum;

}  // namespace

KoCurveView::KoCurveView(KoFrameListModel* model, QWidget* parent)
    : QWidget(parent), model_(model) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(false);
  connect(model_, &QAbstractItemModel::rowsInserted, this, &KoCurveView::markDirty);
  connect(model_, &QAbstractItemModel::rowsRemoved, this, &KoCurveView::markDirty);
  connect(model_, &QAbstractItemModel::modelReset, this, &KoCurveView::markDirty);
  connect(model_, &KoFrameListModel::timesChanged, this, &KoCurveView::markDirty);
  connect(model_, &QAbstractItemModel::dataChanged, this, qOverload<>(&QWidget::update));
  connect(model_, &KoFrameListModel::selectIndexChanged, this, qOverload<>(&QWidget::update));
}

QColor KoCurveView::channelColour(int channel) {
  static const QColor colours[kChannels] = {QColor(0xff, 0xb1, 0x46), QColor(0x4f, 0xc3, 0xf7),
                                            QColor(0x81, 0xc7, 0x84), QColor(0xf0, 0x62, 0x92),
                                            QColor(0xba, 0x9c, 0xf5), QColor(0xe0, 0xe0, 0x6a)};
  return colours[std::clamp(channel, 1, kChannels) - 1];
}

void KoCurveView::markDirty() {
  dirty_ = true;
  if (playing_ >= model_->count()) playing_ = -1;
  update();
}

void KoCurveView::ensureTimes() const {
  if (!dirty_ && ends_.size() == model_->count()) return;
  ends_.resize(model_->count());
  qint64 t = 0;
  const VelmarFrames& frames = model_->frames();
  for (int i = 0; i < frames.size(); ++i) ends_[i] = t += std::max<qint64>(0, frames[i]->time);
  dirty_ = false;
}

QRectF KoCurveView::plotRect() const {
  // Room on the left for the positions and at the bottom for the times.
  const QFontMetrics metrics(font());
  const double left = kMargin + metrics.horizontalAdvance(QString::number(kTop)) + 4;
  const double bottom = metrics.height() + 4;
  return QRectF(left, kLegendHeight + 4, width() - left - kMargin,
                height() - kLegendHeight - 4 - bottom);
}

double KoCurveView::xOfTime(qint64 ms) const {
  const QRectF plot = plotRect();
  const qint64 total = ends_.isEmpty() ? 0 : ends_.last();
  if (total <= 0) return plot.left();
  return plot.left() + plot.width() * double(ms) / double(total);
}

int KoCurveView::positionAtY(double y) const {
  const QRectF plot = plotRect();
  return limits::kPosition.clamp(std::lround((plot.bottom() - y) / plot.height() * kTop));
}

QPointF KoCurveView::pointOf(int row, int channel) const {
  ensureTimes();
  const QRectF plot = plotRect();
  const VelmarFrame f = model_->frameAt(row);
  const double position = f ? limits::kPosition.clamp(f->id(channel)) : 0;
  return {xOfTime(ends_.value(row)), plot.bottom() - plot.height() * position / kTop};
}

std::optional<KoCurveView::Hit> KoCurveView::hitTest(QPointF at) const {
  ensureTimes();
  if (ends_.isEmpty()) return std::nullopt;
  const QRectF plot = plotRect();
  const qint64 total = ends_.last();
  const auto timeAt = [&](double x) {
    return total <= 0 ? 0 : qint64(std::floor((x - plot.left()) / plot.width() * total));
  };
  // Only frames ending within the radius can be hit; they are found by their end times.
  const auto from = std::lower_bound(ends_.begin(), ends_.end(), timeAt(at.x() - kHitRadius));
  std::optional<Hit> best;
  double bestDistance = kHitRadius * kHitRadius + 0.5;
  for (auto it = from; it != ends_.end(); ++it) {
    const int row = int(it - ends_.begin());
    const VelmarFrame f = model_->frameAt(row);
    const QPointF first = pointOf(row, 1);
    if (first.x() > at.x() + kHitRadius) break;
    for (int channel = 1; channel <= kChannels; ++channel) {
      if (!f->isPresent(channel)) continue;
      const QPointF d = pointOf(row, channel) - at;
      const double distance = d.x() * d.x() + d.y() * d.y();
      if (distance < bestDistance) {
        bestDistance = distance;
        best = Hit{row, channel};
      }
    }
  }
  return best;
}

void KoCurveView::setPlayingFrame(int row) {
  if (row == playing_) return;
  playing_ = row;
  update();
}

void KoCurveView::mousePressEvent(QMouseEvent* event) {
  drag_ = event->button() == Qt::LeftButton ? hitTest(event->position()) : std::nullopt;
  if (!drag_) return;
  model_->setSelectIndex(drag_->row);
  emit frameClicked(drag_->row);
}

void KoCurveView::mouseMoveEvent(QMouseEvent* event) {
  if (!drag_) return;
  const VelmarFrame f = model_->frameAt(drag_->row);
  if (!f) return;
  const int position = positionAtY(event->position().y());
  if (position == f->id(drag_->channel)) return;
  if (!edited_) {
    edited_ = true;
    emit editStarted();
  }
  const QModelIndex cell =
      model_->index(drag_->row, KoFrameListModel::kFirstChannelColumn + drag_->channel - 1);
  model_->setData(cell, QString::number(position), Qt::EditRole);
}

void KoCurveView::mouseReleaseEvent(QMouseEvent*) {
  drag_.reset();
  if (!edited_) return;
  edited_ = false;
  emit editFinished();
}

void KoCurveView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QColor(0x26, 0x28, 0x2c));
  ensureTimes();
  drawAxes(p);
  drawCurves(p);
  drawMarks(p);
  drawLegend(p);
}

void KoCurveView::drawCurves(QPainter& p) const {
  const VelmarFrames& frames = model_->frames();
  const QRectF plot = plotRect();
  const qint64 total = ends_.isEmpty() ? 0 : ends_.last();
  const double perMs = total > 0 ? plot.width() / double(total) : 0;
  const double yScale = plot.height() / kTop;

  // One pass over the frames for all channels: each frame is touched once.
  struct Trace {
    QList<QPolygonF> lines{QPolygonF()};
    QList<QLineF> strokes;
    int column = INT_MIN;
    double low = 0, high = 0;
    void flushColumn() {
      if (column != INT_MIN && high - low >= 1) {
        strokes.append(QLineF(column + 0.5, low, column + 0.5, high));
      }
    }
    void gap() {
      flushColumn();
      column = INT_MIN;
      if (!lines.last().isEmpty()) lines.append(QPolygonF());
    }
    void add(double x, double y) {
      const int c = int(x);
      if (c == column) {
        low = std::min(low, y);
        high = std::max(high, y);
        lines.last().last() = QPointF(x, y);
        return;
      }
      flushColumn();
      column = c;
      low = high = y;
      lines.last().append(QPointF(x, y));
    }
  };
  std::array<Trace, kChannels> traces;
  for (int i = 0; i < frames.size(); ++i) {
    const KoVelmarPwmModel& f = *frames[i];
    const double x = plot.left() + ends_[i] * perMs;
    for (int channel = 1; channel <= kChannels; ++channel) {
      Trace& t = traces[channel - 1];
      if (!f.isPresent(channel)) {
        t.gap();
        continue;
      }
      t.add(x, plot.bottom() - limits::kPosition.clamp(f.id(channel)) * yScale);
    }
  }
  const bool dots = frames.size() <= plot.width() / 8;
  for (int channel = 1; channel <= kChannels; ++channel) {
    Trace& t = traces[channel - 1];
    t.flushColumn();
    p.setPen(QPen(channelColour(channel), 0));
    for (const QPolygonF& line : t.lines) {
      if (line.size() > 1) p.drawPolyline(line);
    }
    p.drawLines(t.strokes);
    if (!dots) continue;
    p.setBrush(channelColour(channel));
    for (int i = 0; i < frames.size(); ++i) {
      if (frames[i]->isPresent(channel)) p.drawEllipse(pointOf(i, channel), 2.5, 2.5);
    }
  }
}

void KoCurveView::drawMarks(QPainter& p) const {
  const QRectF plot = plotRect();
  const int selected = model_->selectIndex();
  if (selected >= 0 && selected < ends_.size()) {
    const double x = xOfTime(ends_[selected]);
    p.setPen(QPen(QColor(0xe8, 0xe8, 0xe8), 1, Qt::DashLine));
    p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    const VelmarFrame f = model_->frameAt(selected);
    p.setPen(QPen(Qt::white, 1.5));
    for (int channel = 1; channel <= kChannels; ++channel) {
      if (!f->isPresent(channel)) continue;
      p.setBrush(channelColour(channel));
      p.drawEllipse(pointOf(selected, channel), 4.5, 4.5);
    }
  }
  if (playing_ >= 0 && playing_ < ends_.size()) {
    const double x = xOfTime(ends_[playing_]);
    p.setPen(QPen(KoColours::orange(), 2));
    p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
  }
}

double KoCurveView::timeStep(qint64 totalMs, double width, double minGap) {
  // Steps a reader counts in: 1, 2 and 5 times a power of ten.
  static constexpr double kSteps[] = {1, 2, 5};
  if (totalMs <= 0 || width <= 0) return 0;
  for (double decade = 10; decade < 1e9; decade *= 10) {
    for (double k : kSteps) {
      const double step = k * decade;
      if (width * step / double(totalMs) >= minGap) return step;
    }
  }
  return double(totalMs);
}

void KoCurveView::drawAxes(QPainter& p) const {
  const QRectF plot = plotRect();
  const QFontMetrics metrics(font());
  const QColor grid(0x44, 0x47, 0x4d);
  for (int level : {0, kTop / 4, kTop / 2, 3 * kTop / 4, kTop}) {
    const double y = plot.bottom() - plot.height() * level / kTop;
    p.setPen(grid);
    p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    p.setPen(KoColours::lightText());
    const QString label = QString::number(level);
    p.drawText(
        QPointF(plot.left() - 4 - metrics.horizontalAdvance(label), y + metrics.ascent() / 2.0 - 1),
        label);
  }
  // Time along the bottom, in seconds, at steps far enough apart to read.
  const qint64 total = ends_.isEmpty() ? 0 : ends_.last();
  const double step =
      timeStep(total, plot.width(), metrics.horizontalAdvance(QStringLiteral("00.00s")) + 16);
  const double baseline = plot.bottom() + 2 + metrics.ascent();
  p.setPen(KoColours::lightText());
  p.drawText(QPointF(plot.left(), baseline), QStringLiteral("0s"));
  if (step <= 0) return;
  for (double ms = step; ms <= double(total); ms += step) {
    const double x = xOfTime(qint64(ms));
    const QString label = KoTools::FloatKeepTwoBitsAndRemoveAllZero(float(ms / 1000.0));
    const double w = metrics.horizontalAdvance(label);
    if (x + w / 2 > width()) break;
    p.setPen(grid);
    p.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 3));
    p.setPen(KoColours::lightText());
    p.drawText(QPointF(x - w / 2, baseline), label);
  }
}

void KoCurveView::drawLegend(QPainter& p) const {
  const QFontMetrics metrics(font());
  double x = kMargin;
  const double y = 3;
  for (int channel = 1; channel <= kChannels; ++channel) {
    const QString label = QStringLiteral("ID:%1").arg(channel);
    p.fillRect(QRectF(x, y + 4, 14, 4), channelColour(channel));
    x += 18;
    p.setPen(KoColours::lightText());
    p.drawText(QPointF(x, y + metrics.ascent()), label);
    x += metrics.horizontalAdvance(label) + 12;
  }
}
