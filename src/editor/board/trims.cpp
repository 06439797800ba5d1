#include "editor/board/trims.h"

#include <QStringList>

#include "link/protocol.h"
#include "link/usb_hid.h"
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
        hid_.sendDownloadDeviation(session_.pose().shownIds());
      }
      return true;
    case kReset:
      session_.resetTrims();
      return true;
    default:
      return false;
  }
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
  KoTools::showTipWithMessage(qtTrId("read_success"));
  firstAdjustment_ = false;
}
