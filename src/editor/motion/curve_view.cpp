#include "editor/motion/curve_view.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "model/limits.h"
#include "model/notification_center.h"
#include "model/song_envelope.h"
#include "model/value_utils.h"
#include "session/frame_list_model.h"
#include "widgets/accessible_controls.h"
#include "widgets/colours.h"
#include "widgets/theme.h"
#include "widgets/widget_tools.h"

namespace {

constexpr double kLegendHeight = 18;
constexpr double kMargin = 10;
// The plot spans the positions from 0 at the bottom to this at the top.
constexpr int kTop = limits::kPosition.maximum;
constexpr int kGridLevels[] = {0, kTop / 4, kTop / 2, 3 * kTop / 4, kTop};
// An arrow key or a sideways notch moves the view by this share of its width.
constexpr double kPanShare = 0.1;
constexpr int kBandPixels = 32768;
// Where a page turned by the playhead puts it: this share of the width in from the left.
constexpr double kFollowLead = 0.05;
constexpr int kZoomButtonSide = 18;

// Names and tooltips of the zoom buttons, in the order of KoCurveView::ZoomButton.
struct ZoomKeys {
  const char* text;
  const char* name;
  const char* tips;
};
const ZoomKeys kZoomKeys[] = {
    {"\u2212", QT_TRID_NOOP("curves_zoom_out"), QT_TRID_NOOP("curves_zoom_out_tips")},
    {"+", QT_TRID_NOOP("curves_zoom_in"), QT_TRID_NOOP("curves_zoom_in_tips")},
    {"\u2194", QT_TRID_NOOP("curves_fit"), QT_TRID_NOOP("curves_fit_tips")},
};

}  // namespace

KoCurveView::KoCurveView(KoFrameListModel* model, QWidget* parent)
    : QWidget(parent), model_(model) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(false);
  setFocusPolicy(Qt::StrongFocus);
  KoAccessible::setRole(this, QAccessible::Chart);
  connect(model_, &KoFrameListModel::framesChanged, this, &KoCurveView::framesChanged);
  connect(model_, &KoFrameListModel::selectIndexChanged, this, &KoCurveView::updateMarks);
  for (size_t i = 0; i < zoomButtons_.size(); ++i) {
    auto* button = new QToolButton(this);
    button->setText(QString::fromUtf8(kZoomKeys[i].text));
    button->setAutoRaise(true);
    button->setFixedSize(kZoomButtonSide, kZoomButtonSide);
    KoTools::setAccessibleKeys(button, kZoomKeys[i].name, kZoomKeys[i].tips);
    zoomButtons_[i] = button;
  }
  // About the plot's middle, as + and - are.
  const auto middle = [this] { return plotRect().center().x(); };
  connect(zoomButton(ZoomButton::In), &QToolButton::clicked, this,
          [this, middle] { zoom(kZoomStep, middle()); });
  connect(zoomButton(ZoomButton::Out), &QToolButton::clicked, this,
          [this, middle] { zoom(1 / kZoomStep, middle()); });
  connect(zoomButton(ZoomButton::Whole), &QToolButton::clicked, this, &KoCurveView::showWhole);
  connect(&KoNotificationCenter::defaultCenter(), &KoNotificationCenter::changeLanguage, this,
          &KoCurveView::retranslate);
  retranslate();
}

QToolButton* KoCurveView::zoomButton(ZoomButton which) const { return zoomButtons_[size_t(which)]; }

void KoCurveView::retranslate() {
  for (size_t i = 0; i < zoomButtons_.size(); ++i) {
    zoomButtons_[i]->setToolTip(qtTrId(kZoomKeys[i].tips));
  }
}

void KoCurveView::resizeEvent(QResizeEvent* event) {
  // In the legend's row, at its right end.
  int x = width() - int(kMargin);
  for (auto it = zoomButtons_.rbegin(); it != zoomButtons_.rend(); ++it) {
    x -= kZoomButtonSide;
    (*it)->move(x, 1);
  }
  QWidget::resizeEvent(event);
}

QColor KoCurveView::channelColour(int channel) {
  return KoTheme::roles().channels[size_t(std::clamp(channel, 1, kChannels) - 1)];
}

QRectF KoCurveView::plotRect() const {
  // Room on the left for the positions and at the bottom for the times. Measured once per
  // font: shaping the text cost more than a whole mark repaint.
  if (marginLeft_ < 0) {
    const QFontMetrics metrics(font());
    marginLeft_ = kMargin + metrics.horizontalAdvance(QString::number(kTop)) + 4;
    marginBottom_ = metrics.height() + 4;
  }
  const double left = marginLeft_;
  const double bottom = marginBottom_;
  return QRectF(left, kLegendHeight + 4, std::max(1.0, width() - left - kMargin),
                std::max(1.0, height() - kLegendHeight - 4 - bottom));
}

double KoCurveView::wholeSpanMs(qint64 totalMs) {
  if (totalMs <= 0) return 0;
  const double grain = std::exp2(std::floor(std::log2(double(totalMs) / kWholeGrains)));
  return (std::floor(double(totalMs) / grain) + 1) * grain;
}

double KoCurveView::viewSpanMs() const {
  const double whole = wholeSpanMs(actionMs());
  return whole_ ? whole : std::min(span_, wholeSpanMs(reachMs()));
}

double KoCurveView::viewStartMs() const {
  return whole_ ? 0 : std::clamp(start_, 0.0, wholeSpanMs(reachMs()) - viewSpanMs());
}

bool KoCurveView::sync() const {
  if (stale_) {
    summary_.reset(model_->frames());
    stale_ = false;
    redrawAll_ = true;
  }
  const int columns = int(std::lround(plotRect().width() * devicePixelRatioF()));
  const double span = viewSpanMs();
  const double start = viewStartMs();
  if (std::max(1, columns) != summary_.columns() || start != summary_.startMs() ||
      std::max(span, 1.0) != summary_.spanMs()) {
    summary_.setColumns(columns, start, std::max(span, 1.0));
    redrawAll_ = true;
  }
  return !redrawAll_;
}

void KoCurveView::framesChanged(int row, int removed, int inserted) {
  if (playing_ >= model_->count()) playing_ = -1;
  preview_.clear();
  // A hidden view reads the list once it is shown rather than follow every change.
  if (stale_ || !isVisible()) {
    stale_ = true;
    return;
  }
  const qint64 totalBefore = summary_.total();
  summary_.splice(row, removed, inserted, model_->frames());
  if (!sync()) {
    update();
    return;
  }
  const auto columnOf = [this](int r) {
    return int(std::floor(summary_.xOfTime(summary_.endOf(r))));
  };
  // The segment from the frame before the change is redrawn too; what follows the change
  // moved unless it kept its time and its rows.
  const int from = row > 0 ? columnOf(row - 1) : 0;
  int to = summary_.columns() - 1;
  if (removed == inserted && summary_.total() == totalBefore && row + inserted < summary_.count()) {
    to = columnOf(row + inserted);
  }
  markColumns(from, to);
  updateMarks();
}

void KoCurveView::updateMarks() {
  if (!isVisible()) return;
  update(paintedMarks_);
  update(marksRect());
}

void KoCurveView::markColumns(int from, int to) {
  from = std::max(from, 0);
  to = std::min(to, summary_.columns() - 1);
  if (from > to) return;
  if (dirtyFrom_ > dirtyTo_) {
    dirtyFrom_ = from;
    dirtyTo_ = to;
  } else {
    dirtyFrom_ = std::min(dirtyFrom_, from);
    dirtyTo_ = std::max(dirtyTo_, to);
  }
  update(columnsRect(from, to));
}

QRect KoCurveView::columnsRect(int from, int to) const {
  // Wide enough for the points drawn on the edge columns.
  const QRectF plot = plotRect();
  const double dpr = devicePixelRatioF();
  return QRectF(plot.left() + from / dpr - 4, plot.top() - 4, (to - from + 1) / dpr + 8,
                plot.height() + 8)
      .toAlignedRect();
}

QRect KoCurveView::marksRect() const {
  const QRectF plot = plotRect();
  QRect marks;
  for (const int row : {model_->selectIndex(), playing_}) {
    if (row < 0 || row >= summary_.count()) continue;
    const double x = xOfTime(summary_.endOf(row));
    marks |= QRectF(x - 7, plot.top() - 7, 14, plot.height() + 14).toAlignedRect();
  }
  return marks;
}

double KoCurveView::xOfTime(qint64 ms) const {
  return plotRect().left() + summary_.xOfTime(ms) / devicePixelRatioF();
}

int KoCurveView::positionAtY(double y) const {
  const QRectF plot = plotRect();
  return limits::kPosition.clamp(std::lround((plot.bottom() - y) / plot.height() * kTop));
}

QPointF KoCurveView::pointOf(int row, int channel) const {
  sync();
  if (row < 0 || row >= summary_.count()) return {};
  const QRectF plot = plotRect();
  const double position = std::max(0, summary_.position(row, channel));
  return {xOfTime(summary_.endOf(row)), plot.bottom() - plot.height() * position / kTop};
}

std::optional<KoCurveView::Hit> KoCurveView::hitTest(QPointF at) const {
  sync();
  if (summary_.count() == 0) return std::nullopt;
  const QRectF plot = plotRect();
  const double msPerPixel = summary_.msPerColumn() * devicePixelRatioF();
  const double leftMs = summary_.startMs() + (at.x() - kHitRadius - plot.left()) * msPerPixel;
  // Only frames ending within the radius can be hit; they are found by their end times.
  std::optional<Hit> best;
  double bestDistance = kHitRadius * kHitRadius + 0.5;
  for (int row = summary_.rowAtOrAfter(qint64(std::floor(leftMs))); row < summary_.count(); ++row) {
    if (pointOf(row, 1).x() > at.x() + kHitRadius) break;
    for (int channel = 1; channel <= kChannels; ++channel) {
      if (summary_.position(row, channel) == KoCurveSummary::kAbsent) continue;
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

qint64 KoCurveView::actionMs() const {
  // A long song would squeeze the action into the left edge: it reaches on beyond the view.
  return summary_.total() > 0 ? summary_.total() : reachMs();
}

qint64 KoCurveView::reachMs() const {
  return std::max(summary_.total(), song_ ? song_->durationMs : qint64(0));
}

void KoCurveView::setSong(const SongEnvelope* song) {
  song_ = song && !song->isEmpty() ? song : nullptr;
  redrawAll_ = true;
  update();
}

QRect KoCurveView::playheadRect() const {
  if (songAt_ < 0 || !song_) return {};
  const QRectF plot = plotRect();
  const double x = xOfTime(songAt_);
  if (x < plot.left() || x > plot.right()) return {};
  return QRectF(x - 2, plot.top(), 4, plot.height() + 1).toAlignedRect();
}

void KoCurveView::setSongPosition(qint64 ms) {
  if (ms == songAt_) return;
  const QRect before = playheadRect();
  songAt_ = ms;
  update(before.united(playheadRect()));
  if (song_) follow(double(ms));
}

void KoCurveView::setPlayingFrame(int row) {
  if (row == playing_) return;
  playing_ = row;
  updateMarks();
  if (!isVisible()) return;
  if (sync(); row >= 0 && row < summary_.count()) follow(double(summary_.endOf(row)));
}

void KoCurveView::showSpan(double startMs, double spanMs) {
  sync();
  const double reach = wholeSpanMs(reachMs());
  span_ = std::min(spanMs, reach);
  start_ = std::clamp(startMs, 0.0, reach - span_);
  // Shown whole, the view keeps showing the whole action as it grows.
  whole_ = start_ <= 0 && span_ == wholeSpanMs(actionMs());
  update();
}

void KoCurveView::follow(double ms) {
  // Not while the user holds the view; a page at a time, since each move redraws it all.
  if (ms < 0 || panFrom_ || drag_) return;
  const double start = viewStartMs();
  const double span = viewSpanMs();
  if (ms >= start && ms <= start + span) return;
  showSpan(ms - span * kFollowLead, span);
}

void KoCurveView::zoom(double factor, double anchorX) {
  sync();
  const double whole = wholeSpanMs(reachMs());
  if (whole <= 0 || factor <= 0) return;
  const QRectF plot = plotRect();
  const double share = std::clamp((anchorX - plot.left()) / plot.width(), 0.0, 1.0);
  const double span = viewSpanMs();
  const double at = viewStartMs() + share * span;
  const double zoomed = std::clamp(span / factor, std::min(kMinSpanMs, whole), whole);
  showSpan(at - share * zoomed, zoomed);
}

void KoCurveView::pan(double pixels) {
  sync();
  if (viewSpanMs() >= wholeSpanMs(reachMs())) return;
  showSpan(viewStartMs() + pixels * viewSpanMs() / plotRect().width(), viewSpanMs());
}

void KoCurveView::showWhole() {
  sync();
  showSpan(0, wholeSpanMs(actionMs()));
}

void KoCurveView::startPan(QPointF from) {
  drag_.reset();
  if (viewSpanMs() >= wholeSpanMs(reachMs())) return;
  panFrom_ = from;
  panStart_ = viewStartMs();
  setCursor(Qt::ClosedHandCursor);
}

void KoCurveView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressAt_ = event->position();
  drag_ = hitTest(event->position());
  if (!drag_) {
    // Beside every point, a press takes hold of the time axis.
    if (plotRect().contains(event->position())) startPan(event->position());
    return;
  }
  model_->setSelectIndex(drag_->row);
  emit frameClicked(drag_->row);
}

void KoCurveView::mouseMoveEvent(QMouseEvent* event) {
  // A point only moves up or down: taken sideways before any edit, it hands the drag to
  // the time axis, which a long list covers with points.
  const QPointF moved = event->position() - pressAt_;
  if (drag_ && !edited_ && std::abs(moved.x()) > kHitRadius &&
      std::abs(moved.x()) > 2 * std::abs(moved.y())) {
    startPan(pressAt_);
  }
  if (panFrom_) {
    const double dx = event->position().x() - panFrom_->x();
    showSpan(panStart_ - dx * viewSpanMs() / plotRect().width(), viewSpanMs());
    return;
  }
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
  if (panFrom_) {
    panFrom_.reset();
    unsetCursor();
  }
  drag_.reset();
  if (!edited_) return;
  edited_ = false;
  emit editFinished();
}

void KoCurveView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && !hitTest(event->position())) showWhole();
}

void KoCurveView::wheelEvent(QWheelEvent* event) {
  const QPoint delta = event->angleDelta();
  const double notches = (delta.x() != 0 ? delta.x() : delta.y()) / 120.0;
  if (delta.x() != 0 || event->modifiers() & Qt::ShiftModifier) {
    pan(-notches * kPanShare * plotRect().width());
  } else {
    zoom(std::pow(kZoomStep, notches), event->position().x());
  }
  event->accept();
}

void KoCurveView::keyPressEvent(QKeyEvent* event) {
  const QRectF plot = plotRect();
  switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
      zoom(kZoomStep, plot.center().x());
      break;
    case Qt::Key_Minus:
      zoom(1 / kZoomStep, plot.center().x());
      break;
    case Qt::Key_0:
    case Qt::Key_Home:
      showWhole();
      break;
    case Qt::Key_Left:
      pan(-kPanShare * plot.width());
      break;
    case Qt::Key_Right:
      pan(kPanShare * plot.width());
      break;
    default:
      QWidget::keyPressEvent(event);
  }
}

void KoCurveView::changeEvent(QEvent* event) {
  // The margins, the scales and with them the columns follow the font.
  if (event->type() == QEvent::FontChange) {
    marginLeft_ = -1;
    redrawAll_ = true;
    update();
  }
  // A change of scheme: everything drawn ahead is drawn again in the new colours.
  if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange) {
    for (QImage& dot : selectedDots_) dot = QImage();
    redrawAll_ = true;
    update();
  }
  QWidget::changeEvent(event);
}

void KoCurveView::paintEvent(QPaintEvent* event) {
  sync();
  const QRectF plot = plotRect();
  const double dpr = devicePixelRatioF();
  const QSize size(summary_.columns(), int(std::lround(plot.height() * dpr)) + 1);
  if (image_.size() != size || image_.devicePixelRatio() != dpr) {
    image_ = QImage(size, QImage::Format_RGB32);
    image_.setDevicePixelRatio(dpr);
    redrawAll_ = true;
  }
  summary_.placeRows();
  // Points once there is room for them.
  const int shown = summary_.firstRowOf(summary_.columns()) - summary_.firstRowOf(0);
  if (const bool dots = shown <= plot.width() / 8; dots != dots_) {
    dots_ = dots;
    redrawAll_ = true;
  }
  if (redrawAll_) {
    summary_.refresh(0, summary_.columns() - 1);
    drawColumns(0, summary_.columns() - 1);
    drawFrame();
    redrawAll_ = false;
    dirtyFrom_ = 0;
    dirtyTo_ = -1;
  } else if (dirtyFrom_ <= dirtyTo_) {
    summary_.refresh(dirtyFrom_, dirtyTo_);
    const int pad = int(std::ceil(4 * dpr));
    drawColumns(dirtyFrom_ - pad, dirtyTo_ + pad);
    dirtyFrom_ = 0;
    dirtyTo_ = -1;
  }

  QPainter p(this);
  const QRect imageRect = QRectF(plot.topLeft(), QSizeF(image_.deviceIndependentSize())).toRect();
  if (!imageRect.contains(event->rect())) p.drawImage(0, 0, frame_);
  // In bands small enough that the paint engine copies each at once: a larger image is
  // handed to its thread pool, whose wake-ups cost more than the copy.
  const int band = std::max(1, kBandPixels / std::max(1, image_.width()));
  for (int y = 0; y < image_.height(); y += band) {
    const QRect source(0, y, image_.width(), std::min(band, image_.height() - y));
    p.drawImage(plot.topLeft() + QPointF(0, y / dpr), image_, source);
  }
  drawMarks(p);
  drawPreview(p);
  paintedMarks_ = marksRect();
  if (const QRect head = playheadRect(); !head.isEmpty()) {
    p.setPen(QPen(KoTheme::roles().playhead, 1.5));
    const double x = xOfTime(songAt_);
    p.drawLine(QPointF(x, head.top()), QPointF(x, head.bottom()));
  }
  if (hasFocus()) {
    p.setPen(QPen(KoColours::focusOn(KoTheme::roles().inset), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(plot.adjusted(-2, -2, 2, 2)));
  }
}

void KoCurveView::drawColumns(int from, int to) {
  from = std::max(from, 0);
  to = std::min(to, summary_.columns() - 1);
  if (from > to || image_.isNull()) return;
  const int height = image_.height();
  const double bottom = height - 1;
  const double perPosition = bottom / kTop;
  const auto yOf = [bottom, perPosition](int position) { return bottom - position * perPosition; };
  // Drawn column by column into memory laid out the same way, where a stroke is one run,
  // then copied into the image's rows. A byte per pixel, an index into the few colours the
  // plot has, so that there is a quarter of the memory to fill and to read back.
  enum : quint8 {
    kGroundIndex,
    kOutsideIndex,
    kStrikeIndex,
    kGridIndex,
    kSongIndex,
    kFirstChannelIndex
  };
  static_assert(int(kOutsideIndex) == int(kGroundIndex) + int(kOutsideTint) &&
                int(kStrikeIndex) == int(kGroundIndex) + int(kStrikeTint));
  const KoTheme::Roles& theme = KoTheme::roles();
  QRgb palette[kFirstChannelIndex + kChannels] = {theme.inset.rgb(), outsideTint().rgb(),
                                                  strikeTint().rgb(), theme.grid.rgb(),
                                                  theme.song.rgb()};
  for (int channel = 1; channel <= kChannels; ++channel) {
    palette[kFirstChannelIndex + channel - 1] = channelColour(channel).rgb();
  }
  columns_.resize(size_t(image_.width()) * size_t(height));
  const auto column = [this, height](int x) { return columns_.data() + size_t(x) * height; };
  // A marked column is tinted behind its lines and grid.
  std::array<std::vector<quint8>, kStrikeTint + 1> grounds;
  for (quint8 tint = kNoTint; tint <= kStrikeTint; ++tint) {
    std::vector<quint8>& ground = grounds[tint];
    ground.assign(size_t(height), quint8(kGroundIndex + tint));
    for (int level : kGridLevels) {
      ground[size_t(std::clamp(int(std::lround(yOf(level))), 0, height - 1))] = kGridIndex;
    }
  }
  const std::vector<quint8> tints = columnTints(from, to);
  for (int x = from; x <= to; ++x) {
    const std::vector<quint8>& ground = grounds[tints[size_t(x - from)]];
    std::copy(ground.begin(), ground.end(), column(x));
  }

  // The song's loudness about the middle, louder wider, its grid lines left showing; on a
  // square-root scale, so a quiet passage still shows its beats.
  if (song_) {
    const double perColumn = summary_.msPerColumn();
    const double middle = height / 2.0;
    for (int x = from; x <= to; ++x) {
      const double at = summary_.startMs() + x * perColumn;
      const double half =
          std::min(1.0, std::sqrt(double(song_->peak(at, at + perColumn)))) * middle;
      if (half < 0.5) continue;
      quint8* c = column(x);
      const int top = std::clamp(int(middle - half + 0.5), 0, height - 1);
      const int end = std::clamp(int(middle + half + 0.5), 0, height - 1);
      for (int y = top; y <= end; ++y) {
        if (c[y] != kGridIndex) c[y] = kSongIndex;
      }
    }
  }

  const auto span = [&](int x, double y0, double y1, quint8 colour) {
    if (y0 > y1) std::swap(y0, y1);
    const int top = std::clamp(int(y0 + 0.5), 0, height - 1);
    const int end = std::clamp(int(y1 + 0.5), 0, height - 1);
    std::fill(column(x) + top, column(x) + end + 1, colour);
  };
  // A straight line, as the part of it over each column: exact at any slope, and clipped
  // to the columns being drawn.
  const auto segment = [&](double xa, double ya, double xb, double yb, quint8 colour) {
    if (xb <= xa) {
      if (const int x = int(std::floor(xa)); x >= from && x <= to) span(x, ya, yb, colour);
      return;
    }
    const double slope = (yb - ya) / (xb - xa);
    const int first = std::max(from, int(std::floor(xa)));
    const int last = std::min(to, int(std::floor(xb)));
    for (int x = first; x <= last; ++x) {
      const double left = std::max(xa, double(x));
      const double right = std::min(xb, x + 1.0);
      span(x, ya + slope * (left - xa), ya + slope * (right - xa), colour);
    }
  };
  const int rows = summary_.count();
  const auto xOf = [this](int row) { return summary_.xOfTime(summary_.endOf(row)); };
  // A line joins a frame to the next one where the channel is present in both.
  const auto join = [&](int row, int channel, quint8 colour) {
    const int a = summary_.position(row, channel);
    const int b = summary_.position(row + 1, channel);
    if (a < 0 || b < 0) return;
    segment(xOf(row), yOf(a), xOf(row + 1), yOf(b), colour);
  };
  quint8 colours[kChannels];
  for (int channel = 1; channel <= kChannels; ++channel) {
    colours[channel - 1] = quint8(kFirstChannelIndex + channel - 1);
  }

  // Column by column, all channels, while the column's memory is at hand.
  for (int x = from; x <= to; ++x) {
    for (int channel = 1; channel <= kChannels; ++channel) {
      const KoCurveSummary::Cell& cell = summary_.cell(x, channel);
      if (cell.first < 0) continue;
      span(x, yOf(cell.low), yOf(cell.high), colours[channel - 1]);
      // The line arriving at the column's first point comes from an earlier column.
      if (cell.first > 0) join(cell.first - 1, channel, colours[channel - 1]);
    }
  }
  // The lines leaving the drawn columns towards a later point.
  const int next = summary_.firstRowOf(to + 1);
  for (int channel = 1; channel <= kChannels && next > 0 && next < rows; ++channel) {
    join(next - 1, channel, colours[channel - 1]);
  }
  // Copied in tiles, so that both sides are read and written a cache line at a time.
  constexpr int kTile = 16;
  const qsizetype stride = image_.bytesPerLine();
  uchar* bits = image_.bits();
  for (int y0 = 0; y0 < height; y0 += kTile) {
    const int y1 = std::min(height, y0 + kTile);
    for (int x0 = from; x0 <= to; x0 += kTile) {
      const int x1 = std::min(to + 1, x0 + kTile);
      for (int y = y0; y < y1; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(bits + y * stride);
        for (int x = x0; x < x1; ++x) line[x] = palette[column(x)[y]];
      }
    }
  }

  if (!dots_) return;
  const double dpr = devicePixelRatioF();
  QPainter p(&image_);
  p.setClipRect(QRectF(from / dpr, 0, (to - from + 1) / dpr, height / dpr));
  const int pad = int(std::ceil(4 * dpr));
  const int firstRow = summary_.firstRowOf(std::max(0, from - pad));
  const int endRow = summary_.firstRowOf(std::min(summary_.columns(), to + pad + 1));
  for (int channel = 1; channel <= kChannels; ++channel) {
    p.setPen(channelColour(channel));
    p.setBrush(channelColour(channel));
    for (int row = firstRow; row < endRow; ++row) {
      const int position = summary_.position(row, channel);
      if (position < 0) continue;
      p.drawEllipse(QPointF(xOf(row) / dpr, yOf(position) / dpr), 2.5, 2.5);
    }
  }
}

void KoCurveView::drawFrame() {
  const double dpr = devicePixelRatioF();
  if (frame_.size() != size() * dpr || frame_.devicePixelRatio() != dpr) {
    frame_ = QImage(size() * dpr, QImage::Format_RGB32);
    frame_.setDevicePixelRatio(dpr);
  }
  frame_.fill(KoTheme::roles().inset);
  QPainter p(&frame_);
  p.setFont(font());
  drawAxes(p);
  drawLegend(p);
}

void KoCurveView::drawMarks(QPainter& p) const {
  const QRectF plot = plotRect();
  const int selected = model_->selectIndex();
  if (selected >= 0 && selected < summary_.count()) {
    const double x = xOfTime(summary_.endOf(selected));
    p.setPen(QPen(KoTheme::roles().text, 1, Qt::DashLine));
    p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    for (int channel = 1; channel <= kChannels; ++channel) {
      if (summary_.position(selected, channel) == KoCurveSummary::kAbsent) continue;
      const QImage& dot = selectedDot(channel);
      const QPointF at = pointOf(selected, channel);
      const QSizeF half = dot.deviceIndependentSize() / 2;
      p.drawImage(QPointF(std::round(at.x() - half.width()), std::round(at.y() - half.height())),
                  dot);
    }
  }
  if (playing_ >= 0 && playing_ < summary_.count()) {
    const double x = xOfTime(summary_.endOf(playing_));
    p.setPen(QPen(KoTheme::roles().accentLine, 2));
    p.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
  }
}

const QImage& KoCurveView::selectedDot(int channel) const {
  // Stroked and filled once: drawing six outlined circles cost more than the rest of the marks.
  const double dpr = devicePixelRatioF();
  QImage& dot = selectedDots_[size_t(std::clamp(channel, 1, kChannels) - 1)];
  if (dot.isNull() || dot.devicePixelRatio() != dpr) {
    constexpr double kRadius = 4.5;
    constexpr int kSide = 2 * int(kRadius + 2);
    dot = QImage(QSize(kSide, kSide) * dpr, QImage::Format_ARGB32_Premultiplied);
    dot.setDevicePixelRatio(dpr);
    dot.fill(Qt::transparent);
    QPainter p(&dot);
    // Ringed in the plot's own colour, which parts it from the curve it sits on.
    p.setPen(QPen(KoTheme::roles().inset, 1.5));
    p.setBrush(channelColour(channel));
    p.drawEllipse(QPointF(kSide / 2.0, kSide / 2.0), kRadius, kRadius);
  }
  return dot;
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
  const KoTheme::Roles& colours = KoTheme::roles();
  p.setPen(colours.text);
  for (int level : kGridLevels) {
    const double y = plot.bottom() - plot.height() * level / kTop;
    const QString label = QString::number(level);
    p.drawText(
        QPointF(plot.left() - 4 - metrics.horizontalAdvance(label), y + metrics.ascent() / 2.0 - 1),
        label);
  }
  // Time along the bottom, in seconds, at steps far enough apart to read.
  const double start = viewStartMs();
  const double span = viewSpanMs();
  const double step = timeStep(qint64(std::ceil(span)), plot.width(),
                               metrics.horizontalAdvance(QStringLiteral("00.00s")) + 16);
  const double baseline = plot.bottom() + 2 + metrics.ascent();
  if (start <= 0) p.drawText(QPointF(plot.left(), baseline), QStringLiteral("0s"));
  if (step <= 0) return;
  for (double ms = std::max(step, std::ceil(start / step) * step); ms <= start + span; ms += step) {
    const double x = plot.left() + (ms - start) / span * plot.width();
    const QString label = KoTools::FloatKeepTwoBitsAndRemoveAllZero(float(ms / 1000.0));
    const double w = metrics.horizontalAdvance(label);
    if (x + w / 2 > width()) break;
    p.setPen(colours.line);
    p.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 3));
    p.setPen(colours.text);
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
    p.setPen(KoTheme::roles().text);
    p.drawText(QPointF(x, y + metrics.ascent()), label);
    x += metrics.horizontalAdvance(label) + 12;
  }
}
