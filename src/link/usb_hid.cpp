#include "link/usb_hid.h"

#include <QCoreApplication>
#include <QDebug>
#include <QThread>
#include <QTimer>

#include "link/desktop_notifier.h"
#include "link/protocol.h"

namespace {

usbHid* sharedInstance = nullptr;

int commandOf(const QByteArray& frame) { return static_cast<quint8>(frame[3]); }

}  // namespace

usbHid& usbHid::sharedManager() {
  // Created on the main thread at start-up, before any worker can ask for it.
  if (!sharedInstance) {
    sharedInstance = new usbHid;
    qAddPostRoutine([] {
      delete sharedInstance;
      sharedInstance = nullptr;
    });
  }
  return *sharedInstance;
}

usbHid::usbHid(QObject* parent) : QObject(parent), mainThread_(new CrossThreadQueue(this)) {}

usbHid::~usbHid() {
  std::lock_guard lock(writeMutex_);
  transport_.reset();
}

void usbHid::setTransport(std::unique_ptr<HidTransport> transport) {
  if (connection_) deviceRemoved(productName_);
  {
    std::lock_guard lock(writeMutex_);
    transport_ = std::move(transport);
  }
  if (!transport_) return;
  HidTransport* t = transport_.get();
  connect(t, &HidTransport::deviceArrived, this,
          [this](const QString& name) { defer([this, name] { deviceArrived(name); }); });
  connect(t, &HidTransport::deviceRemoved, this,
          [this](const QString& name) { defer([this, name] { deviceRemoved(name); }); });
  connect(t, &HidTransport::reportReceived, this,
          [this](const QByteArray& report) { defer([this, report] { inputReport(report); }); });
  connect(t, &HidTransport::accessDenied, this, [this](const QString& path, const QString& why) {
    defer([this, path, why] { deviceDenied(path, why); });
  });
  qInfo().noquote() << "looking for the board:" << transport_->name();
  transport_->start();
}

void usbHid::setDelegate(UsbHidDelegate* delegate) { delegate_.set(delegate); }

UsbHidDelegate* usbHid::delegate() const { return delegate_.get(); }

void usbHid::defer(std::function<void()> news) {
  if (deferral_) {
    deferral_(std::move(news));
  } else {
    news();
  }
}

int usbHid::pendingTimeouts(int command) const { return timeouts_.value(command).count; }

bool usbHid::sendFrame(const QByteArray& frame, bool mayTime) {
  if (frame.size() < 4) {
    qWarning() << "not a command frame:" << frame.toHex(' ');
    return false;
  }
  if (!connection_) {
    qInfo().noquote() << "没有找到设备 - ";
    return false;
  }
  const int command = commandOf(frame);
  if (download_ && command != protocol::kActionDownload) return false;

  // Armed before the write so that a reply can never overtake its own time-out.
  const bool timed = mayTime && command != protocol::kMultiServoMove;
  const bool onMain = QThread::currentThread() == thread();
  if (timed) {
    if (onMain) {
      armTimeout(command);
    } else {
      mainThread_->post([this, command] { armTimeout(command); });
    }
  }
  bool sent = false;
  {
    std::lock_guard lock(writeMutex_);
    sent = transport_ && transport_->write(frame);
  }
  if (sent) {
    sendFailureReported_ = false;
    return true;
  }
  qWarning().noquote() << "发送数据失败!";
  if (onMain) {
    writeFailed(command);
  } else {
    mainThread_->post([this, command] { writeFailed(command); });
  }
  return false;
}

void usbHid::writeFailed(int command) {
  // A frame that did not go out gets no reply to wait for.
  cancelTimeouts(command);
  // A download says itself how it ended, and whether the board was lost.
  if (download_) return;
  if (!sendFailureReported_.exchange(true)) emit sendFailed(command);
}

void usbHid::armTimeout(int command) {
  PendingReplies& p = timeouts_[command];
  if (!p.timer) {
    p.timer = new QTimer(this);
    p.timer->setSingleShot(true);
    connect(p.timer, &QTimer::timeout, this, [this, command] {
      // A reply held back with it may have come in time after all.
      defer([this, command] {
        if (timeouts_.value(command).count > 0) timeoutMethod(command);
      });
    });
  }
  if (!p.timer->isActive()) p.timer->start(replyTimeout_.load());
  ++p.count;
}

void usbHid::cancelTimeouts(int command) {
  const auto it = timeouts_.find(command);
  if (it == timeouts_.end()) return;
  it->timer->stop();
  it->count = 0;
}

void usbHid::timeoutMethod(int command) {
  cancelTimeouts(command);
  emit replyTimedOut(command);
}

void usbHid::setDeviceRef(bool present, const QString& productName) {
  productName_ = present ? productName : QString();
  if (connection_.exchange(present) != present) emit connectionChanged(present);
}

void usbHid::deviceArrived(const QString& productName) {
  setDeviceRef(true, productName);
  sendFailureReported_ = false;
  qInfo().noquote() << "打开设备成功!" << (transport_ ? transport_->name() : QString());
  qInfo().noquote() << QStringLiteral("%1 \n设备插入,现在usb设备数量:%2")
                           .arg(transport_ ? transport_->name() : QString())
                           .arg(1);
  if (UsbHidDelegate* d = delegate()) d->usbhidDidMatch();
  if (transport_ && transport_->simulated()) {
    DesktopNotifier::current().notify(qtTrId("virtual_connected"),
                                      qtTrId("virtual_connected_text"));
    return;
  }
  DesktopNotifier::current().notify(
      qtTrId("USB-HID Connected"),
      qtTrId("USB-HID") + u' ' + productName + u' ' + qtTrId("was connected to your Mac."));
}

void usbHid::deviceRemoved(QString productName) {
  if (!connection_) return;
  setDeviceRef(false, productName);
  qInfo().noquote() << QStringLiteral("%1 \n设备拔出,现在usb设备数量:%2")
                           .arg(transport_ ? transport_->name() : QString())
                           .arg(0);
  if (UsbHidDelegate* d = delegate()) d->usbhidDidRemove();
  if (transport_ && transport_->simulated()) {
    DesktopNotifier::current().notify(qtTrId("virtual_disconnected"),
                                      qtTrId("virtual_disconnected_text"));
    return;
  }
  DesktopNotifier::current().notify(
      qtTrId("USB-HID Disconnected"),
      qtTrId("USB-HID") + u' ' + productName + u' ' + qtTrId("was disconnected from your Mac."));
}

void usbHid::inputReport(const QByteArray& report) {
  if (report.size() < 4) {
    qWarning() << "ignoring a report too short to name a command:" << report.toHex(' ');
    return;
  }
  const int command = commandOf(report);
  cancelTimeouts(command);
  qInfo().noquote() << QStringLiteral("返回 cmd = %1").arg(command);
  emit reportReceived(report);
  deliver(protocol::decodeReply(report));
}

void usbHid::deliver(const protocol::Reply& reply) {
  UsbHidDelegate* d = delegate();
  if (const auto* ack = std::get_if<protocol::DownloadAck>(&reply)) {
    emit downloadAcknowledged(ack->step);
  } else if (std::holds_alternative<protocol::GroupErased>(reply)) {
    if (d) d->usbhidDidEraseGroups();
    emit groupsErased();
  } else if (const auto* read = std::get_if<protocol::PositionsRead>(&reply)) {
    if (std::exchange(servoCheckPending_, false)) {
      if (d) d->usbhidDidCountServos(read->count);
      emit servosCounted(read->count);
    } else {
      if (d) d->usbhidDidReadPositions(*read);
      emit positionsRead(*read);
    }
  } else if (const auto* trims = std::get_if<protocol::TrimsRead>(&reply)) {
    if (d) d->usbhidDidReadTrims(trims->trims);
    emit trimsRead(trims->trims);
  } else if (std::holds_alternative<protocol::TrimsStored>(reply)) {
    if (d) d->usbhidDidStoreTrims();
    emit trimsStored();
  } else if (const auto* info = std::get_if<protocol::ServoInfoRead>(&reply)) {
    if (d) d->usbhidDidReadServoInfo(info->info);
    emit servoInfoRead(info->info);
  }
}

void usbHid::deviceDenied(const QString& path, const QString& reason) {
  qWarning().noquote() << "cannot open" << path << ":" << reason;
  emit accessDenied(path, reason);
}

bool usbHid::sendBuilt(const std::function<QByteArray()>& build) {
  try {
    return sendData(build());
  } catch (const FrameError& e) {
    qWarning().noquote() << "frame not sent:" << e.what();
    return false;
  }
}

bool usbHid::sendOneSteering(int servoId, int angle, int time) {
  return sendData(protocol::oneSteering(servoId, angle, time));
}

bool usbHid::adjustmentDeviationServoId(int servoId, int deviation) {
  return sendData(protocol::adjustmentDeviation(servoId, deviation));
}

bool usbHid::sendMotorLost(const QList<int>& ids) {
  return sendBuilt([&] { return protocol::idList(protocol::kUnloadServos, ids); });
}

bool usbHid::sendReadAngle(const QList<int>& ids) {
  return sendBuilt([&] { return protocol::idList(protocol::kReadPositions, ids); });
}

bool usbHid::sendDownloadDeviation(const QList<int>& ids) {
  return sendBuilt([&] { return protocol::idList(protocol::kDownloadDeviations, ids); });
}

bool usbHid::sendReadDeviation(const QList<int>& ids) {
  return sendBuilt([&] { return protocol::idList(protocol::kReadDeviations, ids); });
}

bool usbHid::sendRemoveActions(int group) { return sendData(protocol::removeActions(group)); }

bool usbHid::sendActionsRun(int group) { return sendData(protocol::actionsRun(group)); }

bool usbHid::sendStopActions() { return sendData(protocol::stopActions()); }

bool usbHid::sendReadServoInfo() { return sendData(protocol::readServoInfo()); }

bool usbHid::sendReadServoInfoQuietly() { return sendFrame(protocol::readServoInfo(), false); }

bool usbHid::sendWriteServoInfo(const KoServoInfo& info) {
  return sendData(protocol::writeServoInfo(info));
}

bool usbHid::sendSpeed(int servoId, int speed, int mode) {
  return sendData(protocol::speed(servoId, speed, mode));
}

bool usbHid::sendDownloadStep1WithAction(int group, int frameCount) {
  return sendBuilt([&] { return protocol::downloadStep1(group, frameCount); });
}

bool usbHid::sendDownloadStep2WithAction(int group, int frameCount) {
  return sendBuilt([&] { return protocol::downloadStep2(group, frameCount); });
}

bool usbHid::sendDownloadStep3WithAction(int group, int frameCount) {
  return sendBuilt([&] { return protocol::downloadStep3(group, frameCount); });
}

bool usbHid::sendDownloadStep4WithAction(int group, int page, int index,
                                         const QByteArray& moveFrame) {
  return sendBuilt([&] { return protocol::downloadStep4(group, page, index, moveFrame); });
}

bool usbHid::sendDownloadStep5WithAction(int group) {
  return sendData(protocol::downloadStep5(group));
}

bool usbHid::sendCheckManyConnectServo() {
  // Set first: a virtual board answers before the send returns.
  servoCheckPending_ = true;
  const bool sent = sendData(protocol::checkManyConnectServo());
  if (!sent) servoCheckPending_ = false;
  return sent;
}
