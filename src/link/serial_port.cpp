#include "link/serial_port.h"

#include <QPointer>
#include <algorithm>
#include <array>

namespace {

constexpr std::array<qint32, 11> kStandardBaudRates = {300,   600,   1200,  2400,   4800,  9600,
                                                       19200, 38400, 57600, 115200, 230400};

QString nameFromPath(const QString& path) {
  const QString dev = QStringLiteral("/dev/");
  return path.startsWith(dev) ? path.mid(dev.size()) : path;
}

}  // namespace

ORSSerialPort::ORSSerialPort(const QString& path, QObject* parent)
    : QObject(parent), path_(path), name_(nameFromPath(path)), serial_(new QSerialPort(this)) {
  serial_->setPortName(path);
  connect(serial_, &QSerialPort::errorOccurred, this, &ORSSerialPort::onError);
  connect(serial_, &QSerialPort::readyRead, this, &ORSSerialPort::onReadyRead);
}

ORSSerialPort::~ORSSerialPort() {
  // Whoever deletes the port is past caring about it; its delegate may already be half gone.
  serial_->disconnect(this);
  serial_->close();
}

bool ORSSerialPort::isStandardBaudRate(qint32 rate) {
  return std::find(kStandardBaudRates.begin(), kStandardBaudRates.end(), rate) !=
         kStandardBaudRates.end();
}

bool ORSSerialPort::setBaudRate(qint32 rate) {
  if (!isStandardBaudRate(rate)) return false;
  if (rate == baudRate_) return true;
  // The property must not claim a rate the open line refused.
  if (serial_->isOpen() && !serial_->setBaudRate(rate)) return false;
  baudRate_ = rate;
  emit baudRateChanged(rate);
  return true;
}

bool ORSSerialPort::isOpen() const { return serial_->isOpen(); }

void ORSSerialPort::open() {
  if (serial_->isOpen()) return;
  failing_ = false;
  serial_->setBaudRate(baudRate_);
  serial_->setDataBits(QSerialPort::Data8);
  serial_->setParity(QSerialPort::NoParity);
  serial_->setStopBits(QSerialPort::OneStop);
  serial_->setFlowControl(QSerialPort::NoFlowControl);

  quiet_ = true;
  const bool opened = serial_->open(QIODevice::ReadWrite);
  if (opened) {
    // A pseudo-terminal has no modem lines; refusing these is no reason to fail the open.
    serial_->setRequestToSend(false);
    serial_->setDataTerminalReady(false);
    // Whatever waited in the driver was sent to nobody.
    serial_->clear(QSerialPort::Input);
  }
  const QString failure = opened ? QString() : serial_->errorString();
  serial_->clearError();
  quiet_ = false;

  if (!opened) {
    if (auto* d = delegate()) d->serialPortDidEncounterError(this, failure);
    return;
  }
  QPointer<ORSSerialPort> self(this);
  emit isOpenChanged(true);
  if (!self) return;
  if (auto* d = delegate()) d->serialPortWasOpened(this);
}

void ORSSerialPort::close() {
  failing_ = false;
  if (!serial_->isOpen()) return;
  quiet_ = true;
  serial_->close();
  serial_->clearError();
  quiet_ = false;
  QPointer<ORSSerialPort> self(this);
  emit isOpenChanged(false);
  if (!self) return;
  if (auto* d = delegate()) d->serialPortWasClosed(this);
}

bool ORSSerialPort::sendData(const QByteArray& data) {
  if (!serial_->isOpen() || failing_) return false;
  if (serial_->write(data) != data.size()) return false;
  // Hand the bytes to the driver now rather than on a later turn of the event loop.
  serial_->flush();
  return true;
}

ORSSerialPortDelegate* ORSSerialPort::delegate() const {
  return delegateAlive_.expired() ? nullptr : delegate_;
}

void ORSSerialPort::setDelegate(ORSSerialPortDelegate* delegate) {
  delegate_ = delegate;
  delegateAlive_ = delegate ? std::weak_ptr<char>(delegate->alive_) : std::weak_ptr<char>();
}

void ORSSerialPort::wasRemovedFromSystem() {
  QPointer<ORSSerialPort> self(this);
  close();
  if (!self) return;
  if (auto* d = delegate()) d->serialPortWasRemovedFromSystem(this);
}

void ORSSerialPort::onError(QSerialPort::SerialPortError error) {
  if (error == QSerialPort::NoError || quiet_ || failing_) return;
  const QString message = serial_->errorString();
  // After a hang-up Qt SerialPort raises a read error on every turn of the event loop until
  // the port is closed; the first one closes it and is the only one reported.
  const bool lost = error == QSerialPort::ReadError || error == QSerialPort::ResourceError;
  failing_ = lost;
  // Errors are raised from inside QSerialPort's own notifiers, where closing it is unsafe; the
  // delegate, which may close or reopen the port, hears from the event loop instead.
  QMetaObject::invokeMethod(
      this, [this, message, lost] { reportError(message, lost); }, Qt::QueuedConnection);
}

void ORSSerialPort::reportError(const QString& message, bool lost) {
  QPointer<ORSSerialPort> self(this);
  if (auto* d = delegate()) d->serialPortDidEncounterError(this, message);
  // A close or reopen by the delegate meanwhile has cleared failing_.
  if (self && lost && failing_) close();
}

void ORSSerialPort::onReadyRead() {
  const QByteArray data = serial_->readAll();
  if (data.isEmpty()) return;
  if (auto* d = delegate()) d->serialPortDidReceiveData(this, data);
}
