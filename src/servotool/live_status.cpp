#include "servotool/live_status.h"

#include <QSettings>
#include <utility>

#include "link/usb_hid.h"
#include "widgets/prompter.h"

KoLiveStatus::KoLiveStatus(usbHid& link, QObject* parent) : QObject(parent), link_(link) {
  timer_.setInterval(kInterval);
  connect(&timer_, &QTimer::timeout, this, &KoLiveStatus::tick);
  on_ = QSettings().value(QLatin1String(kSettingsKey), false).toBool();
  KoTools::watchPrompts(this, [this](bool open) { setPaused(kPrompt, open); });
}

void KoLiveStatus::setOn(bool on) {
  QSettings().setValue(QLatin1String(kSettingsKey), on);
  on_ = on;
  stopped_ = false;
  update();
}

void KoLiveStatus::setPaused(Pause why, bool paused) {
  const int before = pauses_;
  pauses_ = paused ? pauses_ | why : pauses_ & ~why;
  if (pauses_ != before) update();
}

void KoLiveStatus::clearStopped() {
  if (!std::exchange(stopped_, false)) return;
  update();
}

void KoLiveStatus::update() {
  const bool poll = on_ && pauses_ == 0 && !stopped_;
  if (poll == timer_.isActive()) {
    emit stateChanged();
    return;
  }
  unanswered_ = 0;
  if (poll) {
    timer_.start();
    tick();  // the first reading at once, not half a second after the switch
  } else {
    timer_.stop();
  }
  emit stateChanged();
}

void KoLiveStatus::tick() {
  if (!on_ || pauses_ != 0 || stopped_ || link_.download()) return;
  if (unanswered_ >= kSilentPolls) {
    stopped_ = true;
    timer_.stop();
    emit stateChanged();
    emit servoWentSilent();
    return;
  }
  if (link_.sendReadServoInfoQuietly()) ++unanswered_;
}

bool KoLiveStatus::answered() { return std::exchange(unanswered_, 0) > 0; }
