#include "session/frame_marks.h"

#include <QStringList>
#include <algorithm>

#include "model/arm_kinematics.h"
#include "session/frame_list_model.h"

KoFrameMarks::KoFrameMarks(KoFrameListModel* model, const KoArmRanges* ranges, QObject* parent)
    : QObject(parent), model_(model), ranges_(ranges) {
  connect(model_, &KoFrameListModel::framesChanged, this, &KoFrameMarks::framesChanged);
  connect(ranges_, &KoArmRanges::profileChanged, this, [this] {
    recomputeAll();
    emit marksReset();
  });
  recomputeAll();
}

KoFrameMarks::Mark KoFrameMarks::markOf(int row) const {
  const KoVelmarPwmModel& frame = *model_->frames()[row];
  return {ranges_->outside(frame), ranges_->faults(frame)};
}

void KoFrameMarks::recomputeAll() {
  marks_.resize(size_t(model_->count()));
  for (int row = 0; row < model_->count(); ++row) marks_[size_t(row)] = markOf(row);
}

void KoFrameMarks::framesChanged(int row, int removed, int inserted) {
  const size_t at = size_t(std::clamp(row, 0, count()));
  const size_t gone = std::min(size_t(std::max(removed, 0)), marks_.size() - at);
  marks_.erase(marks_.begin() + ptrdiff_t(at), marks_.begin() + ptrdiff_t(at + gone));
  marks_.insert(marks_.begin() + ptrdiff_t(at), size_t(std::max(inserted, 0)), Mark{});
  // A list that changed without telling (it cannot, but a wrong mark is worse than a slow one).
  if (count() != model_->count()) return recomputeAll();
  for (int r = int(at); r < int(at) + inserted; ++r) marks_[size_t(r)] = markOf(r);
}

int KoFrameMarks::firstStrike() const {
  const auto it =
      std::find_if(marks_.begin(), marks_.end(), [](const Mark& m) { return m.faults != 0; });
  return it == marks_.end() ? -1 : int(it - marks_.begin());
}

QString KoFrameMarks::strikeText(quint8 faults) { return sending::strikeText(faults); }

QString KoFrameMarks::rangeText(int channel) const {
  const KoChannelProfile c = ranges_->channel(channel);
  return qtTrId("range_outside").arg(ranges_->channelLabel(channel)).arg(c.lowest).arg(c.highest);
}

QString KoFrameMarks::cellTip(int row, int channel) const {
  const Mark mark = at(row);
  QStringList lines;
  if (channel >= 1 && channel <= limits::kArmChannels && mark.outside & KoArmRanges::bit(channel)) {
    lines.append(rangeText(channel));
  }
  if (mark.faults) lines.append(qtTrId("strike_mark").arg(strikeText(mark.faults)));
  return lines.join(u'\n');
}

QString KoFrameMarks::frameTip(int row) const {
  const Mark mark = at(row);
  if (!mark) return {};
  QStringList lines;
  for (int c = 1; c <= limits::kArmChannels; ++c) {
    if (mark.outside & KoArmRanges::bit(c)) lines.append(rangeText(c));
  }
  if (mark.faults) lines.append(qtTrId("strike_mark").arg(strikeText(mark.faults)));
  return qtTrId("mark_frame").arg(model_->number(row)) + u'\n' + lines.join(u'\n');
}
