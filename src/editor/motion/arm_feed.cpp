#include "editor/motion/arm_feed.h"

#include <QElapsedTimer>
#include <algorithm>
#include <limits>

#include "link/ko_serial.h"
#include "link/usb_hid.h"
#include "session/editor_session.h"
#include "widgets/arm_view.h"

KoArmFeed::KoArmFeed(const KoEditorSession& session, KoArmView* view, QObject* parent)
    : QObject(parent), session_(session), view_(view) {
  timer_.setInterval(kFrameMs);
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (view_->isVisible()) refresh();
  });
  timer_.start();
}

KoChannelPositions KoArmFeed::positions() const {
  KoChannelPositions out;
  const usbHid& hid = session_.link();
  // Serial moves never reach the board the link sees, and a download's frames are stored,
  // not played: the controls show those.
  const bool overSerial = line_ && line_->carriesMoves();
  const bool servos = hid.connection() && !overSerial && !hid.download();
  HidTransport* transport = servos ? hid.transport() : nullptr;
  for (int channel = 1; channel <= int(out.size()); ++channel) {
    if (transport) {
      if (auto p = transport->servoPosition(channel)) {
        out[channel - 1] = *p;
        continue;
      }
    }
    if (channel <= KoPose::kChannels)
      out[channel - 1] = int(session_.pose().positions[channel - 1]);
  }
  return out;
}

void KoArmFeed::refresh() { view_->setPositions(positions()); }

KoArmMoves::KoArmMoves(Send send, QObject* parent) : QObject(parent), send_(std::move(send)) {
  clock_ = [started = [] {
    QElapsedTimer t;
    t.start();
    return t;
  }()] { return started.elapsed(); };
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &KoArmMoves::flush);
}

void KoArmMoves::want(const KoChannelPositions& moves) {
  for (int c = 0; c < kChannels; ++c) {
    if (moves[c]) waiting_[c] = moves[c];
  }
  flush();
}

void KoArmMoves::flush() {
  const qint64 now = clock_();
  bool sent = false;
  for (int c = 0; c < kChannels; ++c) {
    if (!waiting_[c] || (sentAt_[c] && now - *sentAt_[c] < interval_)) continue;
    const int position = *waiting_[c];
    waiting_[c].reset();
    sentAt_[c] = now;
    sent = true;
    send_(c + 1, position);
  }
  if (together_ && sent) sentAt_.fill(now);
  schedule();
}

bool KoArmMoves::pending() const {
  return std::any_of(waiting_.begin(), waiting_.end(), [](const auto& w) { return bool(w); });
}

void KoArmMoves::cancel() {
  for (auto& w : waiting_) w.reset();
  timer_.stop();
}

void KoArmMoves::schedule() {
  const qint64 now = clock_();
  qint64 due = std::numeric_limits<qint64>::max();
  for (int c = 0; c < kChannels; ++c) {
    if (waiting_[c]) due = std::min(due, (sentAt_[c] ? *sentAt_[c] : now) + interval_);
  }
  if (due == std::numeric_limits<qint64>::max()) {
    timer_.stop();
    return;
  }
  timer_.start(int(std::clamp<qint64>(due - now, 0, interval_)));
}
