#include "editor/board/board_groups.h"

#include <QDebug>
#include <limits>

#include "editor/board/strike_question.h"
#include "link/usb_hid.h"
#include "session/arm_ranges.h"
#include "session/frame_list_model.h"
#include "session/frame_marks.h"
#include "widgets/image_title_button.h"
#include "widgets/prompter.h"

KoBoardGroups::KoBoardGroups(usbHid& hid, KoFrameListModel* model, Group group, QObject* parent)
    : QObject(parent), hid_(hid), model_(model), group_(std::move(group)), downloader_(hid) {
  downloader_.setListener(this);
  over_.setSingleShot(true);
  connect(&over_, &QTimer::timeout, this, &KoBoardGroups::groupOver);
}

bool KoBoardGroups::buttonClick(EditorAction action) {
  switch (action) {
    case kRunGroup:
      runGroup();
      return true;
    case kStopGroup:
      stopGroup();
      return true;
    case kEraseGroup:
      eraseGroup(group_());
      return true;
    case kEraseAll:
      eraseGroup(protocol::kAllGroups);
      return true;
    case kDownload:
      download();
      return true;
    default:
      return false;
  }
}

void KoBoardGroups::runGroup() {
  const int group = group_();
  if (!hid_.sendActionsRun(group)) return;
  runningGroup_ = group;
  over_.stop();
  // The board says nothing when a group ends; a group downloaded here has a known length.
  if (const auto length = lengths_.constFind(group); length != lengths_.constEnd()) {
    over_.start(int(std::min<qint64>(*length, std::numeric_limits<int>::max())));
  }
  emit statusChanged(qtTrId("group_running").arg(group), true);
}

void KoBoardGroups::stopGroup() {
  const int group = runningGroup_;
  if (!hid_.sendStopActions()) return;
  over_.stop();
  runningGroup_ = -1;
  if (group >= 0) emit statusChanged(qtTrId("group_stopped").arg(group), false);
}

void KoBoardGroups::eraseGroup(int group) {
  const bool all = group == protocol::kAllGroups;
  const QString question =
      all ? qtTrId("comfirm_all_erase") : qtTrId("comfirm_single_erase").arg(group);
  if (!KoTools::showCancelAndOkWithMessage(question, KoTools::Question::Destructive)) return;
  if (!hid_.sendRemoveActions(group)) return;
  erasing_ = group;
  if (all) {
    lengths_.clear();
  } else {
    lengths_.remove(group);
  }
}

void KoBoardGroups::groupsErased() {
  emit statusChanged(erasing_ == protocol::kAllGroups ? qtTrId("groups_erased")
                                                      : qtTrId("group_erased").arg(erasing_),
                     false);
}

void KoBoardGroups::groupOver() {
  if (runningGroup_ < 0) return;
  emit statusChanged(qtTrId("group_over").arg(runningGroup_), false);
  runningGroup_ = -1;
}

void KoBoardGroups::download() {
  if (model_->count() == 0) {
    KoTools::showTipWithMessage(qtTrId("add_action_first"));
    return;
  }
  if (marks_ && !KoTools::confirmSending(*marks_, *model_, QT_TRID_NOOP("strike_ask_download"))) {
    return;
  }
  DownloadJob job;
  job.group = downloadGroup_ = group_();
  downloadLength_ = 0;
  KoArmRanges::FirstMoved first;
  for (int row = 0; row < model_->count(); ++row) {
    VelmarFrame frame = model_->frameAt(row);
    if (ranges_) {
      KoArmRanges::Channels moved = 0;
      frame = ranges_->inRange(frame, KoArmRanges::kAllChannels, &moved);
      first.note(row, moved);
    }
    job.frames.append(frame->bytes);
    downloadLength_ += frame->time;
  }
  downloadCount_ = int(job.frames.size());
  QString why;
  if (!downloader_.start({job}, &why)) {
    qWarning().noquote() << "download not started:" << why;
    KoTools::showTipWithMessage(downloadFailMessage(groupName(), DownloadEnd::SendFailed, 1));
    return;
  }
  showRunning(true);
  if (first) {
    emit statusChanged(ranges_->clampedNotice(model_->number(first.frame), first.bits), false);
  }
}

void KoBoardGroups::showRunning(bool running) {
  if (!button_) return;
  // The button picks a title colour that reads on either fill.
  button_->setBackgroundColor(running ? KoImageTitleButton::busyBackgroundColor()
                                      : KoImageTitleButton::defaultBackgroundColor());
  // Wide enough for the last frame's count from the start, so the row does not shift as the
  // count grows.
  button_->setMyTitle(running ? progressText(downloadCount_) : QString());
  button_->setMinimumWidth(running ? button_->sizeHint().width() : 0);
  button_->setMyTitle(running ? QStringLiteral("progress") : QStringLiteral("download"));
  button_->update();
}

QString KoBoardGroups::groupName() const {
  return QStringLiteral("%1 %2").arg(qtTrId("action_group")).arg(downloadGroup_);
}

QString KoBoardGroups::progressText(int frame) const {
  return qtTrId("download_frame").arg(frame).arg(downloadCount_);
}

void KoBoardGroups::downloadFrameSent(int, int frame) {
  // The table and the sliders walk through the list as the frames go out.
  emit frameSent(frame);
  // The count is shown as it is: it has no key of its own to look up.
  if (button_) button_->setMyTitle(progressText(frame + 1));
}

void KoBoardGroups::downloadFinished(const DownloadResult& result) {
  showRunning(false);
  if (result.end == DownloadEnd::Done) {
    lengths_[downloadGroup_] = downloadLength_;
    emit statusChanged(qtTrId("group_stored", downloadCount_).arg(downloadGroup_), false);
  } else if (result.end != DownloadEnd::Cancelled) {
    qWarning().noquote() << QStringLiteral("download of group %1 ended at step %2")
                                .arg(downloadGroup_)
                                .arg(result.step);
    KoTools::showTipWithMessage(downloadFailMessage(groupName(), result.end, result.step));
  }
}

void KoBoardGroups::connectionLost() {
  // What ran on a board that went away is no longer known; the groups may be another's.
  if (runningGroup_ >= 0) emit statusChanged({}, false);
  runningGroup_ = -1;
  over_.stop();
  lengths_.clear();
  if (!hid_.download()) return;
  // The downloader ends its worker itself and reports the lost board.
  showRunning(false);
}
