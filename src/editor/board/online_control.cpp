#include "editor/board/online_control.h"

#include "editor/board/strike_question.h"
#include "link/ko_serial.h"
#include "link/protocol.h"
#include "link/usb_hid.h"
#include "model/frame_encoding.h"
#include "model/limits.h"
#include "model/move_frame.h"
#include "session/arm_ranges.h"
#include "session/editor_session.h"
#include "session/frame_list_model.h"
#include "session/frame_marks.h"
#include "session/online_run.h"
#include "widgets/image_title_button.h"
#include "widgets/prompter.h"
#include "widgets/switch.h"

KoOnlineControl::KoOnlineControl(KoEditorSession& session, KoSerial& serial, QObject* parent)
    : QObject(parent),
      session_(session),
      hid_(session.link()),
      serial_(serial),
      model_(session.list()),
      run_(session.run()),
      ranges_(session.ranges()),
      marks_(session.marks()) {
  // Runs on the sender thread: only the moves taken at the start and atomic flags are read.
  session.setRunSender([this](int frame) {
    const bool soft = frame == 0 && softPending_.exchange(false);
    if (serial_.carriesMoves()) {
      serial_.sendData(soft ? softSerial_ : serialMoves_.value(frame), 0);
    } else {
      hid_.sendData(soft ? softUsb_ : usbMoves_.value(frame));
    }
  });
  connect(run_, &KoOnlineRun::stepPlayed, this, [this](int frame) {
    model_->setSelectIndex(frame);
    emit scrollToRow(frame);
    frameOnSliders(frame);
  });
  connect(run_, &KoOnlineRun::runOver, this, [this] {
    showRunning(false);
    emit runEnded();
    showStopMessage();
  });
}

void KoOnlineControl::setControls(KoImageTitleButton* runButton, KoSwitch* loopSwitch) {
  runButton_ = runButton;
  loopSwitch_ = loopSwitch;
}

VelmarFrame KoOnlineControl::sent(int row, KoArmRanges::FirstMoved& first) const {
  const VelmarFrame frame = model_->frameAt(row);
  KoArmRanges::Channels moved = 0;
  const VelmarFrame inside = ranges_->inRange(frame, KoArmRanges::kAllChannels, &moved);
  first.note(row, moved);
  return inside;
}

void KoOnlineControl::tellClamped(const KoArmRanges::FirstMoved& first) {
  if (first) {
    emit statusChanged(ranges_->clampedNotice(model_->number(first.frame), first.bits), false);
  }
}

void KoOnlineControl::showRunning(bool running) {
  // While a run plays, the button says what a press does now.
  if (!runButton_) return;
  runButton_->setImage(running ? QStringLiteral(":/images/stop.svg")
                               : QStringLiteral(":/images/play.svg"));
  runButton_->setMyTitle(running ? QStringLiteral("stop") : QStringLiteral("run_online"));
}

bool KoOnlineControl::stopped() const { return !run_->isRunning(); }

bool KoOnlineControl::buttonClick(EditorAction action) {
  switch (action) {
    case kResetServos:
      session_.resetPositions();
      hid_.sendData(resetMove());
      return true;
    case kLoop:
      run_->setLoop(loopSwitch_ && loopSwitch_->isOn());
      return true;
    case kRun:
      startOrStop();
      return true;
    case kUnload:
      KoTools::showTipWithMessage(qtTrId("motor_off_tips"));
      hid_.sendMotorLost(session_.pose().shownIds());
      return true;
    case kReadPositions: {
      const QList<int> ids = session_.pose().shownIds();
      // An empty list would be sent, answered with nothing and called a success.
      if (ids.isEmpty()) {
        KoTools::showTipWithMessage(qtTrId("read_no_channel"));
        return true;
      }
      readAngel_ = true;
      hid_.sendReadAngle(ids);
      emit listEdited();
      return true;
    }
    default:
      return false;
  }
}

void KoOnlineControl::startOrStop() {
  if (model_->count() == 0) {
    KoTools::showTipWithMessage(qtTrId("add_action_tips"));
    return;
  }
  const bool loop = loopSwitch_ && loopSwitch_->isOn();
  if (run_->isRunning()) {
    stopRun();
    return;
  }
  if (!KoTools::confirmSending(*marks_, *model_, QT_TRID_NOOP("strike_ask_run"))) return;
  run_->stop();  // the sender may still be busy with the last run's final frame
  usbMoves_.clear();
  serialMoves_.clear();
  QList<int> durations;
  KoArmRanges::FirstMoved first;
  for (int row = 0; row < model_->count(); ++row) {
    const VelmarFrame frame = sent(row, first);
    usbMoves_.append(frame->bytes);
    serialMoves_.append(KoTools::sixServoMoveWithVelmarModel(*frame));
    durations.append(int(frame->time));
  }
  tellClamped(first);
  softUsb_ = frame::withTimeAtLeast(usbMoves_.first(), softStartMs_);
  softSerial_ = frame::withTimeAtLeast(serialMoves_.first(), softStartMs_);
  softPending_ = softStartMs_ > 0;
  showRunning(true);
  const bool withSong = followsSong_ && followsSong_();
  run_->start(durations, loop, softStartMs_,
              withSong ? KoOnlineRun::Timing::FollowSong : KoOnlineRun::Timing::Free);
}

void KoOnlineControl::stopRun() {
  run_->stop();
  showRunning(false);
  emit runEnded();
}

void KoOnlineControl::showStopMessage() {
  // A run that played to its end needs no click; one that lost its board does.
  if (serial_.carriesMoves() || hid_.connection()) {
    emit statusChanged(qtTrId("run_over"), false);
  } else {
    KoTools::showTipWithMessage(qtTrId("stop_run"));
  }
}

void KoOnlineControl::connectionLost() {
  if (stopped() || serial_.carriesMoves()) return;
  stopRun();
  KoTools::showTipWithMessage(qtTrId("stop_run"));
}

void KoOnlineControl::sliderMoved(int servoId, int value) {
  if (serial_.carriesMoves()) {
    serial_.sendOneSteering(servoId, value);
  } else {
    hid_.sendOneSteering(servoId, value, 0);
  }
}

void KoOnlineControl::play(int row) {
  if (!model_->frameAt(row)) return;
  KoArmRanges::FirstMoved first;
  const VelmarFrame frame = sent(row, first);
  model_->setSelectIndex(row);
  hid_.sendData(frame::withTimeAtLeast(frame->bytes, softStartMs_));
  tellClamped(first);
  frameOnSliders(row);
}

QByteArray KoOnlineControl::resetMove() const {
  QByteArray move = protocol::reSetAllSteer();
  // The arm's channels go to the middle as far as their ranges let them.
  for (qsizetype at = frame::kMoveHeaderSize; at + 2 < move.size(); at += 3) {
    const int id = quint8(move[at]);
    frame::putLe16(move, at + 1, ranges_->profile().clamp(id, frame::le16(move, at + 1)));
  }
  return move;
}

void KoOnlineControl::frameOnSliders(int row) {
  if (const VelmarFrame frame = model_->frameAt(row)) {
    session_.showFrame(*frame);
  }
}

void KoOnlineControl::positionsReceived(const QList<ServoPosition>& readings) {
  if (!stopped() || !readAngel_) return;
  bool complete = false;
  const VelmarFrame frame = KoTools::frameOfReadings(
      readings, session_.pose().shownIds(), model_->count(), session_.pose().time, &complete);
  if (!complete) KoTools::showTipWithMessage(qtTrId("connect_velmar"));
  if (!frame) return;
  model_->append(frame);
  if (complete) {
    emit statusChanged(qtTrId("positions_read", int(readings.size())).arg(model_->count()), false);
  }
  emit scrollToRow(model_->selectIndex());
}
