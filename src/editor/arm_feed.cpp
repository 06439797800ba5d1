#include "editor/arm_feed.h"

#include "link/usb_hid.h"
#include "model/value_utils.h"
#include "widgets/arm_view.h"

KoArmFeed::KoArmFeed(usbHid& hid, Views views, KoArmView* view, QObject* parent)
    : QObject(parent), hid_(hid), views_(std::move(views)), view_(view) {
  timer_.setInterval(kFrameMs);
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (view_->isVisible()) refresh();
  });
  timer_.start();
}

KoChannelPositions KoArmFeed::positions() const {
  KoChannelPositions out;
  const ChannelViews views = views_();
  // Serial moves never reach the board the link sees, and a download's frames are stored,
  // not played: the controls show those.
  const bool servos = hid_.connection() && !hid_.serial() && !hid_.download();
  HidTransport* transport = servos ? hid_.transport() : nullptr;
  for (int channel = 1; channel <= int(out.size()); ++channel) {
    if (transport) {
      if (auto p = transport->servoPosition(channel)) {
        out[channel - 1] = *p;
        continue;
      }
    }
    if (channel <= views.size()) {
      const QString text = views[channel - 1]->text();
      if (KoTools::isPureInt(text)) out[channel - 1] = int(KoTools::integerValue(text));
    }
  }
  return out;
}

void KoArmFeed::refresh() { view_->setPositions(positions()); }
