#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>

#include "link/serial_port.h"

class CrossThreadQueue;

// Sends servo moves over the serial link. Lives on the main thread; sendData may be called from
// any thread.
class KoSerial : public QObject {
  Q_OBJECT
  Q_PROPERTY(ORSSerialPort* serialPort READ serialPort WRITE setSerialPort NOTIFY serialPortChanged)

 public:
  explicit KoSerial(QObject* parent = nullptr);

  ORSSerialPort* serialPort() const { return serialPort_; }
  void setSerialPort(ORSSerialPort* port);

  // After delaySeconds, on the main thread, writes the frame to serialPort if it is set and
  // open at that moment; otherwise the frame is dropped without a word.
  void sendData(const QByteArray& frame, double delaySeconds);
  // The single-servo move with the serial line's 20 ms time, sent with no delay.
  void sendOneSteering(int servoId, int angle);

 signals:
  void serialPortChanged(ORSSerialPort* port);

 private:
  void write(const QByteArray& frame);

  QPointer<ORSSerialPort> serialPort_;
  CrossThreadQueue* mainThread_;
};
