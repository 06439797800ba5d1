#include "session/editor_session.h"

#include "session/arm_ranges.h"
#include "session/frame_history.h"
#include "session/frame_list_model.h"
#include "session/frame_marks.h"

KoEditorSession::KoEditorSession(usbHid& link, QObject* parent)
    : QObject(parent),
      link_(link),
      list_(new KoFrameListModel(this)),
      ranges_(new KoArmRanges(this)),
      // Before every other listener to the list, so that the marks are up to date for them.
      marks_(new KoFrameMarks(list_, ranges_, this)),
      history_(new KoFrameHistory(list_, this)),
      run_(new KoOnlineRun(
          [this](int frame) {
            if (runSender_) runSender_(frame);
          },
          this)) {
  list_->setRanges(ranges_);
  list_->setMarks(marks_);
  pose_ = clamped(pose_);
  // A new profile's ranges cut off what lies beyond them, as the sliders do.
  connect(ranges_, &KoArmRanges::profileChanged, this, [this] { setPose(pose_); });
}

// Nothing may go out once the run's sender is gone with the rest of the session.
KoEditorSession::~KoEditorSession() { run_->stop(); }

KoPose KoEditorSession::clamped(KoPose pose) const {
  // The ranges already hold each channel's range to the positions there are.
  for (int i = 0; i < KoPose::kChannels; ++i) {
    pose.positions[size_t(i)] = ranges_->channel(i + 1).clamp(pose.positions[size_t(i)]);
    pose.trims[size_t(i)] = limits::kTrim.clamp(pose.trims[size_t(i)]);
  }
  return pose;
}

void KoEditorSession::setPose(KoPose pose) {
  pose = clamped(pose);
  if (pose == pose_) return;
  pose_ = pose;
  emit poseChanged(pose_);
}

void KoEditorSession::setPosition(int channel, qint64 position) {
  if (channel < 1 || channel > KoPose::kChannels) return;
  KoPose p = pose_;
  p.positions[size_t(channel - 1)] = position;
  setPose(p);
}

void KoEditorSession::setTrim(int channel, qint64 trim) {
  if (channel < 1 || channel > KoPose::kChannels) return;
  KoPose p = pose_;
  p.trims[size_t(channel - 1)] = trim;
  setPose(p);
}

void KoEditorSession::setShown(int channel, bool shown) {
  if (channel < 1 || channel > KoPose::kChannels) return;
  KoPose p = pose_;
  p.shown[size_t(channel - 1)] = shown;
  setPose(p);
}

void KoEditorSession::setFrameTime(qint64 time) {
  KoPose p = pose_;
  p.time = time;
  setPose(p);
}

void KoEditorSession::resetPositions() {
  KoPose p = pose_;
  p.positions.fill(limits::kPosition.start);
  setPose(p);
  emit channelsReset({1, 2, 3, 4, 5, 6});
}

void KoEditorSession::resetTrims() {
  KoPose p = pose_;
  p.trims.fill(limits::kTrim.start);
  setPose(p);
  emit channelsReset({1, 2, 3, 4, 5, 6});
}

QList<int> KoEditorSession::takeTrims(const QList<std::pair<int, int>>& trims) {
  KoPose p = pose_;
  QList<int> waiting = p.shownIds();
  QList<int> taken;
  for (const auto& [id, trim] : trims) {
    if (id < 1 || id > KoPose::kChannels) continue;
    p.trims[size_t(id - 1)] = trim;
    taken.append(id);
    waiting.removeAll(id);
  }
  setPose(p);
  if (!taken.isEmpty()) emit channelsReset(taken);
  return waiting;
}
