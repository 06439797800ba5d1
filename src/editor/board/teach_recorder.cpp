#include "editor/board/teach_recorder.h"

#include <algorithm>

#include "link/protocol.h"
#include "link/usb_hid.h"
#include "model/limits.h"
#include "model/pose.h"
#include "session/editor_session.h"
#include "session/frame_history.h"
#include "session/frame_list_model.h"
#include "widgets/prompter.h"

namespace {

// A frame's time cannot grow past this; a longer stillness starts a new frame.

}  // namespace

KoTeachRecorder::KoTeachRecorder(KoEditorSession& session, QObject* parent)
    : QObject(parent),
      session_(session),
      hid_(session.link()),
      model_(session.list()),
      history_(session.history()) {
  connect(&timer_, &QTimer::timeout, this, &KoTeachRecorder::tick);
}

void KoTeachRecorder::setInterval(int ms) {
  interval_ = std::clamp(ms, kMinInterval, kMaxInterval);
}

bool KoTeachRecorder::start() {
  if (recording_) return true;
  if (session_.pose().shownIds().isEmpty()) {
    KoTools::showTipWithMessage(qtTrId("read_no_channel"));
    return false;
  }
  recording_ = true;
  awaiting_ = false;
  last_.reset();
  history_->beginStep();
  emit recordingChanged(true);
  if (autoTick_) timer_.start(interval_);
  tick();
  return true;
}

void KoTeachRecorder::stop() {
  if (!recording_) return;
  timer_.stop();
  recording_ = false;
  awaiting_ = false;
  last_.reset();
  history_->endStep();
  emit recordingChanged(false);
}

void KoTeachRecorder::fail() {
  stop();
  KoTools::showTipWithMessage(qtTrId("connect_velmar"));
}

void KoTeachRecorder::connectionLost() {
  if (recording_) fail();
}

void KoTeachRecorder::tick() {
  if (!recording_) return;
  if (readsPose_) {
    KoPose pose = session_.pose();
    pose.time = interval_;
    take(KoTools::frameOfPose(pose, int(model_->count())));
    return;
  }
  if (awaiting_ || !hid_.sendReadAngle(session_.pose().shownIds())) {
    fail();
    return;
  }
  awaiting_ = true;
}

bool KoTeachRecorder::still(const KoVelmarPwmModel& previous,
                            const KoVelmarPwmModel& reading) const {
  for (int channel = 1; channel <= KoFrameListModel::kChannels; ++channel) {
    if (previous.isPresent(channel) != reading.isPresent(channel)) return false;
    if (reading.isPresent(channel) &&
        std::abs(previous.id(channel) - reading.id(channel)) >= threshold_) {
      return false;
    }
  }
  return true;
}

void KoTeachRecorder::positionsReceived(const QList<ServoPosition>& readings) {
  if (!recording_ || !awaiting_) return;
  awaiting_ = false;
  bool complete = false;
  const VelmarFrame reading = KoTools::frameOfReadings(readings, session_.pose().shownIds(),
                                                       model_->count(), interval_, &complete);
  if (!complete || !reading) {
    fail();
    return;
  }
  take(reading);
}

void KoTeachRecorder::take(const VelmarFrame& reading) {
  // The frame may have left the list (or been replaced) since; only a frame still there grows.
  const int lastRow = last_ ? int(model_->frames().lastIndexOf(last_)) : -1;
  if (lastRow >= 0 && still(*last_, *reading) &&
      last_->time + interval_ <= limits::kFrameTime.maximum) {
    model_->setData(model_->index(lastRow, KoFrameListModel::kTimeColumn),
                    QString::number(last_->time + interval_), Qt::EditRole);
    // An edit puts a new frame in the old one's place.
    last_ = model_->frameAt(lastRow);
    return;
  }
  model_->append(reading);
  last_ = reading;
  emit scrollToRow(model_->selectIndex());
}
