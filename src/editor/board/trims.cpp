#include "editor/board/trims.h"

#include <QStringList>

#include "link/protocol.h"
#include "link/usb_hid.h"
#include "model/limits.h"
#include "session/editor_session.h"
#include "widgets/prompter.h"

KoTrims::KoTrims(KoEditorSession& session, Click click, QObject* parent)
    : QObject(parent), session_(session), hid_(session.link()), click_(std::move(click)) {}

bool KoTrims::buttonClick(EditorAction action) {
  switch (action) {
    case kRead:
      if (KoTools::showCancelAndOkWithMessage(qtTrId("replace_deviation"))) {
        hid_.sendReadDeviation(session_.pose().shownIds());
      }
      return true;
    case kStore:
      if (KoTools::showCancelAndOkWithMessage(qtTrId("download_dev_tips"))) {
        resetting_ = false;
        hid_.sendDownloadDeviation(session_.pose().shownIds());
      }
      return true;
    case kReset:
      if (KoTools::showCancelAndOkWithMessage(qtTrId("reset_dev_tips"))) reset();
      return true;
    default:
      return false;
  }
}

// Every channel, hidden ones too, as the controls are all cleared: zero trims on the servos
// and in their memory, or a power cycle would bring the old ones back.
void KoTrims::reset() {
  QList<int> ids;
  for (int id = 1; id <= KoPose::kChannels; ++id) {
    if (!hid_.adjustmentDeviationServoId(id, limits::kTrim.start)) return;
    ids.append(id);
  }
  if (!hid_.sendDownloadDeviation(ids)) return;
  resetting_ = true;
  firstAdjustment_ = false;
  session_.resetTrims();
}

void KoTrims::trimsStored() {
  emit statusChanged(resetting_ ? qtTrId("trims_reset") : qtTrId("trims_stored"), false);
  resetting_ = false;
}

void KoTrims::trimMoved(int servoId, int value) {
  if (!firstAdjustment_) {
    hid_.adjustmentDeviationServoId(servoId, value);
    return;
  }
  // Trims adjusted from zero would overwrite what the servos hold: offer to read them first.
  firstAdjustment_ = false;
  if (KoTools::showCancelAndOkWithMessage(qtTrId("read_dev_first"))) click_(kRead);
}

void KoTrims::deviationsReceived(const QList<protocol::ServoDeviation>& trims) {
  QList<std::pair<int, int>> read;
  for (const protocol::ServoDeviation& d : trims) read.append({d.id, d.deviation});
  const QList<int> waiting = session_.takeTrims(read);
  if (!waiting.isEmpty()) {
    QStringList missing;
    for (int id : waiting) missing.append(QString::number(id));
    KoTools::showTipWithMessage(qtTrId("read_dev_erro") + u' ' + missing.join(u','));
    return;
  }
  emit statusChanged(qtTrId("trims_read", int(read.size())), false);
  firstAdjustment_ = false;
}
