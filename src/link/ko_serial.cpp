#include "link/ko_serial.h"

#include <QTimer>
#include <algorithm>
#include <chrono>
#include <climits>

#include "link/cross_thread_queue.h"
#include "link/protocol.h"

KoSerial::KoSerial(QObject* parent) : QObject(parent), mainThread_(new CrossThreadQueue(this)) {}

void KoSerial::setSerialPort(ORSSerialPort* port) {
  if (serialPort_ == port) return;
  serialPort_ = port;
  emit serialPortChanged(port);
}

void KoSerial::sendData(const QByteArray& frame, double delaySeconds) {
  // A timer counts in int milliseconds; NaN and negative mean now.
  const double ms = delaySeconds > 0 ? std::min(delaySeconds * 1000.0 + 0.5, double(INT_MAX)) : 0;
  const auto delay = std::chrono::milliseconds(static_cast<int>(ms));
  // Online-run frames come from a worker thread, which may have no event loop to run a timer,
  // so the timer starts on this object's thread. The queue, not a bare queued call, lets
  // ThreadSanitizer see the frame handed over.
  mainThread_->post([this, frame, delay] {
    if (delay.count() == 0) {
      write(frame);
    } else {
      QTimer::singleShot(delay, this, [this, frame] { write(frame); });
    }
  });
}

void KoSerial::sendOneSteering(int servoId, int angle) {
  sendData(protocol::serialOneSteering(servoId, angle), 0);
}

void KoSerial::write(const QByteArray& frame) {
  if (serialPort_ && serialPort_->isOpen()) serialPort_->sendData(frame);
}
