#pragma once

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <atomic>

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

  // Whether the arm's moves go over this line instead of USB: set by whoever opens its port
  // (the editor's serial controls) from the moment the port opens until it closes or leaves.
  // Read by the online run's sender thread too.
  bool carriesMoves() const { return carriesMoves_; }
  void setCarriesMoves(bool on) { carriesMoves_ = on; }

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
  std::atomic<bool> carriesMoves_{false};
  CrossThreadQueue* mainThread_;
};
