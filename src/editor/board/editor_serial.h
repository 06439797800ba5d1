#pragma once

#include <QObject>
#include <QPointer>

#include "editor/editor_actions.h"
#include "link/serial_port.h"

class QComboBox;
class QLabel;
class QPushButton;
class KoSerial;
class ORSSerialPortManager;
class usbHid;

// The editor's serial controls: the port box (ports come and go as they are plugged; a path
// can be typed, since pseudo-terminals are not listed), the baud-rate box, the connect
// button and the line's state image. While the line is open, moves go over it.
class KoEditorSerial : public QObject, public ORSSerialPortDelegate {
  Q_OBJECT

 public:
  static constexpr EditorAction kConnectTag = EditorAction::SerialPort;

  KoEditorSerial(usbHid& hid, KoSerial& serial, ORSSerialPortManager* manager,
                 QObject* parent = nullptr);

  void setControls(QComboBox* ports, QComboBox* bauds, QPushButton* connectButton,
                   QLabel* stateImage);
  bool isOpen() const;
  // The line the moves go over while the port is open (KoSerial::carriesMoves).
  KoSerial& line() const { return serial_; }

  // The connect button.
  void toggle();
  // A board found on USB takes over from the serial line.
  void closePort();
  // The USB board came or went.
  void usbConnectionChanged(bool connected);

  void serialPortWasRemovedFromSystem(ORSSerialPort* port) override;
  void serialPortWasOpened(ORSSerialPort* port) override;
  void serialPortWasClosed(ORSSerialPort* port) override;
  void serialPortDidEncounterError(ORSSerialPort* port, const QString& error) override;

 signals:
  // The line closed or its port left while a run may be going over it.
  void lineLost();

 private:
  void fillPorts();
  void choosePort(const QString& path);
  void portsChanged(const QVariantMap& userInfo, bool connected);
  void showState(bool open);

  usbHid& hid_;
  KoSerial& serial_;
  ORSSerialPortManager* manager_;
  QPointer<ORSSerialPort> port_;
  QComboBox* ports_ = nullptr;
  QComboBox* bauds_ = nullptr;
  QPushButton* connect_ = nullptr;
  QLabel* state_ = nullptr;
};
