#include "editor/board/editor_serial.h"

#include <QComboBox>
#include <QDebug>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include "link/desktop_notifier.h"
#include "link/ko_serial.h"
#include "link/serial_port_manager.h"
#include "link/usb_hid.h"
#include "widgets/svg_images.h"

KoEditorSerial::KoEditorSerial(usbHid& hid, KoSerial& serial, ORSSerialPortManager* manager,
                               QObject* parent)
    : QObject(parent), hid_(hid), serial_(serial), manager_(manager) {
  connect(manager_, &ORSSerialPortManager::serialPortWasConnected, this,
          [this](const QVariantMap& info) { portsChanged(info, true); });
  connect(manager_, &ORSSerialPortManager::serialPortWasDisconnected, this,
          [this](const QVariantMap& info) { portsChanged(info, false); });
  // The ports present at start come after the window: listed, with no notice.
  connect(manager_, &ORSSerialPortManager::portsListed, this, [this] {
    if (!ports_) return;
    fillPorts();
    if (!port_ && ports_->count() > 0) choosePort(ports_->itemData(0).toString());
  });
}

void KoEditorSerial::setControls(QComboBox* ports, QComboBox* bauds, QPushButton* connectButton,
                                 QLabel* stateImage) {
  ports_ = ports;
  bauds_ = bauds;
  connect_ = connectButton;
  state_ = stateImage;
  ports_->setEditable(true);
  ports_->setInsertPolicy(QComboBox::NoInsert);
  connect(ports_, &QComboBox::activated, this,
          [this](int index) { choosePort(ports_->itemData(index).toString()); });
  // A path typed by hand, such as a pseudo-terminal's, which no enumeration lists.
  connect(ports_->lineEdit(), &QLineEdit::returnPressed, this, [this] {
    const QString typed = ports_->currentText().trimmed();
    const int known = ports_->findText(typed);
    if (known >= 0) {
      choosePort(ports_->itemData(known).toString());
    } else if (ORSSerialPort* added = manager_->addPortWithPath(typed)) {
      fillPorts();
      choosePort(added->path());
    }
  });
  connect(bauds_, &QComboBox::currentTextChanged, this, [this](const QString& rate) {
    if (port_) port_->setBaudRate(rate.toInt());
  });
  fillPorts();
  choosePort(ports_->count() > 0 ? ports_->itemData(0).toString() : QString());
  showState(false);
}

bool KoEditorSerial::isOpen() const { return port_ && port_->isOpen(); }

void KoEditorSerial::fillPorts() {
  const QString current = port_ ? port_->path() : QString();
  ports_->clear();
  for (ORSSerialPort* p : manager_->availablePorts()) ports_->addItem(p->name(), p->path());
  const int index = ports_->findData(current);
  ports_->setCurrentIndex(index);
  if (index < 0) ports_->setEditText(QString());
}

void KoEditorSerial::choosePort(const QString& path) {
  ORSSerialPort* chosen = path.isEmpty() ? nullptr : manager_->portWithPath(path);
  if (chosen == port_) {
    if (connect_) connect_->setEnabled(chosen != nullptr);
    return;
  }
  if (port_ && port_->delegate() == this) port_->setDelegate(nullptr);
  port_ = chosen;
  if (port_) {
    port_->setDelegate(this);
    port_->setBaudRate(bauds_->currentText().toInt());
    ports_->setCurrentIndex(ports_->findData(port_->path()));
  }
  serial_.setSerialPort(port_);
  connect_->setEnabled(port_ != nullptr);
}

void KoEditorSerial::toggle() {
  if (hid_.connection() || !port_) return;
  if (port_->isOpen()) {
    port_->close();
  } else {
    port_->open();
  }
}

void KoEditorSerial::closePort() {
  if (isOpen()) port_->close();
}

void KoEditorSerial::usbConnectionChanged(bool connected) {
  if (!ports_) return;
  // Connect stays clickable: the editor's gate says why it waits for the USB board to go.
  ports_->setEnabled(!connected && !isOpen());
  connect_->setEnabled(port_ != nullptr);
}

void KoEditorSerial::showState(bool open) {
  connect_->setText(qtTrId(open ? "wireless_disconnect" : "wireless_connect"));
  connect_->setProperty("titleKey", open ? "wireless_disconnect" : "wireless_connect");
  const qreal ratio = state_->devicePixelRatioF();
  QImage picture = KoSvgImages::take(
      open ? QStringLiteral(":/images/connect.svg") : QStringLiteral(":/images/disconnect.svg"),
      state_->size() * ratio);
  picture.setDevicePixelRatio(ratio);
  state_->setPixmap(QPixmap::fromImage(std::move(picture)));
}

void KoEditorSerial::serialPortWasOpened(ORSSerialPort*) {
  showState(true);
  ports_->setEnabled(false);
  bauds_->setEnabled(false);
  serial_.setCarriesMoves(true);
}

void KoEditorSerial::serialPortWasClosed(ORSSerialPort*) {
  showState(false);
  ports_->setEnabled(!hid_.connection());
  bauds_->setEnabled(true);
  serial_.setCarriesMoves(false);
  emit lineLost();
}

void KoEditorSerial::serialPortWasRemovedFromSystem(ORSSerialPort* port) {
  if (port == port_) {
    port_ = nullptr;
    serial_.setSerialPort(nullptr);
  }
  showState(false);
  serial_.setCarriesMoves(false);
  emit lineLost();
}

void KoEditorSerial::serialPortDidEncounterError(ORSSerialPort* port, const QString& error) {
  qWarning().noquote() << QStringLiteral("Serial port %1 encountered an error: %2")
                              .arg(port ? port->path() : QString(), error);
}

void KoEditorSerial::portsChanged(const QVariantMap& userInfo, bool connected) {
  const QString key = connected ? ORSSerialPortManager::kConnectedSerialPortsKey
                                : ORSSerialPortManager::kDisconnectedSerialPortsKey;
  const QList<ORSSerialPort*> changed = ORSSerialPortManager::portsInUserInfo(userInfo, key);
  QStringList names;
  for (ORSSerialPort* p : changed) {
    names.append(p->name());
    DesktopNotifier::current().notify(
        qtTrId(connected ? "Serial Port Connected" : "Serial Port Disconnected"),
        qtTrId("Serial Port") + u' ' + p->name() + u' ' +
            qtTrId(connected ? "was connected to your Mac." : "was disconnected from your Mac."));
  }
  qInfo().noquote() << (connected ? "Ports were connected:" : "Ports were disconnected:")
                    << names.join(QStringLiteral(", "));
  if (!ports_) return;
  fillPorts();
  if (!port_) {
    if (ports_->count() > 0)
      choosePort(ports_->itemData(0).toString());
    else
      connect_->setEnabled(false);
  }
  bauds_->setEnabled(!isOpen());
  ports_->setEnabled(!isOpen() && !hid_.connection());
}
