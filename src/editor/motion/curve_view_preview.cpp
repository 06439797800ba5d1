// The curves' part in easing: the steps a plan would put in, drawn over the frames they
// replace before the plan is applied.
#include <QPainter>
#include <QPainterPath>

#include "editor/motion/curve_view.h"
#include "session/frame_list_model.h"
#include "widgets/theme.h"

namespace {

constexpr double kDotRadius = 2.5;

qint16 shown(const std::optional<qint64>& position) {
  return position ? qint16(limits::kPosition.clamp(*position)) : KoCurveSummary::kAbsent;
}

}  // namespace

void KoCurveView::setPreview(const easing::EasePlan& plan) {
  preview_.clear();
  const VelmarFrames& frames = model_->frames();
  // The end times of the list up to each move's start, summed once for all moves.
  qint64 ms = 0;
  int summed = 0;
  for (const easing::EasedMove& move : plan.moves) {
    if (move.row < 1 || move.row >= frames.size()) continue;
    for (; summed < move.row; ++summed) ms += frames[summed]->time;
    std::vector<PreviewPoint> points;
    points.reserve(size_t(move.steps.size()) + 1);
    PreviewPoint start{ms, {}};
    const frame::ArmPositions from = frames[move.row - 1]->armPositions();
    for (int c = 0; c < kChannels; ++c) start.positions[size_t(c)] = shown(from[size_t(c)]);
    points.push_back(start);
    qint64 at = ms;
    for (const VelmarFrame& step : move.steps) {
      at += step->time;
      PreviewPoint p{at, {}};
      const frame::ArmPositions arm = step->armPositions();
      for (int c = 0; c < kChannels; ++c) p.positions[size_t(c)] = shown(arm[size_t(c)]);
      points.push_back(p);
    }
    preview_.push_back(std::move(points));
  }
  update();
}

std::optional<QPointF> KoCurveView::previewPoint(int move, int step, int channel) const {
  if (move < 0 || size_t(move) >= preview_.size() || channel < 1 || channel > kChannels) {
    return std::nullopt;
  }
  const std::vector<PreviewPoint>& points = preview_[size_t(move)];
  // Step 0 is where the move starts.
  if (step < 0 || size_t(step) >= points.size()) return std::nullopt;
  const PreviewPoint& p = points[size_t(step)];
  const qint16 position = p.positions[size_t(channel - 1)];
  if (position == KoCurveSummary::kAbsent) return std::nullopt;
  sync();
  const QRectF plot = plotRect();
  return QPointF(xOfTime(p.ms),
                 plot.bottom() - plot.height() * position / limits::kPosition.maximum);
}

void KoCurveView::drawPreview(QPainter& p) const {
  if (preview_.empty()) return;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setClipRect(plotRect());
  for (size_t m = 0; m < preview_.size(); ++m) {
    for (int c = 1; c <= kChannels; ++c) {
      const QColor colour = channelColour(c);
      QPainterPath path;
      QList<QPointF> dots;
      bool open = false;
      for (size_t s = 0; s < preview_[m].size(); ++s) {
        const std::optional<QPointF> at = previewPoint(int(m), int(s), c);
        if (!at) {
          open = false;
          continue;
        }
        open ? path.lineTo(*at) : path.moveTo(*at);
        open = true;
        if (s > 0) dots.append(*at);
      }
      // The plot's colour under the channel's, so the preview stands out from the curves it
      // covers.
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(KoTheme::roles().inset, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawPath(path);
      p.setPen(QPen(colour, 2, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin));
      p.drawPath(path);
      p.setPen(QPen(KoTheme::roles().inset, 1));
      p.setBrush(colour);
      for (const QPointF& d : dots) p.drawEllipse(d, kDotRadius, kDotRadius);
    }
  }
  p.restore();
}
