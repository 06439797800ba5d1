// The curves' part in the frame marks: which pixel columns are tinted, and the tip under
// the pointer.
#include "editor/motion/curve_view.h"

#include <QHelpEvent>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "session/frame_marks.h"
#include "widgets/theme.h"

namespace {

// How many pixel columns either side of a marked frame's own are tinted with it.
constexpr int kTintReach = 2;

}  // namespace

void KoCurveView::setMarks(const KoFrameMarks* marks) {
  if (marks_) disconnect(marks_, nullptr, this, nullptr);
  marks_ = marks;
  if (marks_) {
    // A new profile may mark any frame; a change of frames redraws its own columns.
    connect(marks_, &KoFrameMarks::marksReset, this, [this] {
      redrawAll_ = true;
      update();
    });
  }
  redrawAll_ = true;
  update();
}

QColor KoCurveView::outsideTint() { return KoTheme::roles().warningTint; }
QColor KoCurveView::strikeTint() { return KoTheme::roles().dangerTint; }

std::vector<quint8> KoCurveView::columnTints(int from, int to) const {
  std::vector<quint8> tints(size_t(std::max(0, to - from + 1)), kNoTint);
  if (!marks_ || marks_->count() == 0) return tints;
  const int first = std::max(0, from - kTintReach);
  const int last = std::min(summary_.columns() - 1, to + kTintReach);
  for (int c = first; c <= last; ++c) {
    quint8 tint = kNoTint;
    const int end = summary_.firstRowOf(c + 1);
    for (int row = summary_.firstRowOf(c); row < end && tint != kStrikeTint; ++row) {
      const KoFrameMarks::Mark mark = marks_->at(row);
      tint = std::max<quint8>(tint, mark.faults ? kStrikeTint : mark.outside ? kOutsideTint : 0);
    }
    if (tint == kNoTint) continue;
    for (int x = std::max(from, c - kTintReach); x <= std::min(to, c + kTintReach); ++x) {
      tints[size_t(x - from)] = std::max(tints[size_t(x - from)], tint);
    }
  }
  return tints;
}

int KoCurveView::markedRowNear(int x) const {
  if (!marks_) return -1;
  for (int c = std::max(0, x - kTintReach); c <= std::min(summary_.columns() - 1, x + kTintReach);
       ++c) {
    const int end = summary_.firstRowOf(c + 1);
    for (int row = summary_.firstRowOf(c); row < end; ++row) {
      if (marks_->at(row)) return row;
    }
  }
  return -1;
}

QString KoCurveView::markTipAt(QPointF at) const {
  sync();
  summary_.placeRows();
  const QRectF plot = plotRect();
  if (!plot.contains(at)) return {};
  const int row = markedRowNear(int(std::floor((at.x() - plot.left()) * devicePixelRatioF())));
  return row < 0 ? QString() : marks_->frameTip(row);
}

bool KoCurveView::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    const auto* help = static_cast<QHelpEvent*>(event);
    if (const QString tip = markTipAt(help->pos()); !tip.isEmpty()) {
      QToolTip::showText(help->globalPos(), tip, this);
      return true;
    }
  }
  return QWidget::event(event);
}
