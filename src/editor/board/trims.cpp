#include "editor/board/trims.h"

#include <QStringList>

#include "link/protocol.h"
#include "link/usb_hid.h"
#include "model/frame_encoding.h"
#include "model/limits.h"
#include "widgets/prompter.h"

KoTrims::KoTrims(usbHid& hid, Views views, Click click, QObject* parent)
    : QObject(parent), hid_(hid), views_(std::move(views)), click_(std::move(click)) {}

bool KoTrims::buttonClick(EditorAction action) {
  switch (action) {
    case kRead:
      if (KoTools::showCancelAndOkWithMessage(qtTrId("replace_deviation"))) {
        hid_.sendReadDeviation(KoTools::visibleChannelIds(views_()));
      }
      return true;
    case kStore:
      if (KoTools::showCancelAndOkWithMessage(qtTrId("download_dev_tips"))) {
        hid_.sendDownloadDeviation(KoTools::visibleChannelIds(views_()));
      }
      return true;
    case kReset:
      KoTools::sendReSetAllSteer(QStringLiteral("sliderSmall"), limits::kTrim.minimum,
                                 limits::kTrim.maximum, QString::number(limits::kTrim.start),
                                 views_());
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
  const ChannelViews views = views_();
  QList<int> waiting = KoTools::visibleChannelIds(views);
  for (const protocol::ServoDeviation& d : trims) {
    if (d.id < 1 || d.id > views.size()) continue;
    ChannelView* view = views[d.id - 1];
    view->setControlText(QStringLiteral("sliderSmall"), QString::number(d.deviation));
    view->setControlText(QStringLiteral("lableSmall"), QString::number(d.deviation));
    view->setShake(true);
    waiting.removeAll(d.id);
  }
  if (!waiting.isEmpty()) {
    QStringList missing;
    for (int id : waiting) missing.append(QString::number(id));
    KoTools::showTipWithMessage(qtTrId("read_dev_erro") + u' ' + missing.join(u','));
    return;
  }
  KoTools::showTipWithMessage(qtTrId("read_success"));
  firstAdjustment_ = false;
}
