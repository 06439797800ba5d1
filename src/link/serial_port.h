#pragma once

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <memory>

class ORSSerialPort;

// Told what happens to a port. Callbacks arrive on the main thread, synchronously from open(),
// close() and the manager's poll(), or from the event loop for data and errors.
// The port holds its delegate weakly: a destroyed delegate is never called. A delegate that
// closes its port from its own destructor should clear itself as delegate first, and one that
// wants a port gone uses deleteLater, never delete, from inside a callback.
class ORSSerialPortDelegate {
 public:
  ORSSerialPortDelegate() = default;
  ORSSerialPortDelegate(const ORSSerialPortDelegate&) = delete;
  ORSSerialPortDelegate& operator=(const ORSSerialPortDelegate&) = delete;
  virtual ~ORSSerialPortDelegate() = default;

  virtual void serialPortWasRemovedFromSystem(ORSSerialPort* port) = 0;
  virtual void serialPortWasOpened(ORSSerialPort*) {}
  virtual void serialPortWasClosed(ORSSerialPort*) {}
  virtual void serialPortDidReceiveData(ORSSerialPort*, const QByteArray&) {}
  virtual void serialPortDidEncounterError(ORSSerialPort*, const QString&) {}

 private:
  friend class ORSSerialPort;
  // Expires with the delegate; ports keep only a weak reference to it.
  std::shared_ptr<char> alive_ = std::make_shared<char>();
};

// One serial line, used from the main thread only. Line settings: baudRate, 8 data bits,
// no parity, 1 stop bit, no flow control, RTS and DTR not asserted.
// Ports listed by the manager are owned by it and deleted (later) when they leave the system;
// hold them in a QPointer.
class ORSSerialPort : public QObject {
  Q_OBJECT
  Q_PROPERTY(qint32 baudRate READ baudRate WRITE setBaudRate NOTIFY baudRateChanged)
  Q_PROPERTY(bool isOpen READ isOpen NOTIFY isOpenChanged)

 public:
  static constexpr qint32 kDefaultBaudRate = 9600;

  explicit ORSSerialPort(const QString& path, QObject* parent = nullptr);
  // Closes the line without calling the delegate.
  ~ORSSerialPort() override;

  // The device name without "/dev/", shown to the user.
  QString name() const { return name_; }
  QString path() const { return path_; }

  qint32 baudRate() const { return baudRate_; }
  // Refuses (false, nothing changes) a rate that is not a standard one. An open line
  // takes the new rate at once.
  bool setBaudRate(qint32 rate);
  static bool isStandardBaudRate(qint32 rate);

  bool isOpen() const;
  // The outcome reaches the delegate: serialPortWasOpened, or an error with the port closed.
  void open();
  // Tells the delegate serialPortWasClosed if the port was open.
  void close();
  // Queues the bytes for the line; false, with nothing written, when the port is not open.
  bool sendData(const QByteArray& data);

  ORSSerialPortDelegate* delegate() const;
  void setDelegate(ORSSerialPortDelegate* delegate);

 signals:
  void baudRateChanged(qint32 rate);
  void isOpenChanged(bool open);

 private:
  friend class ORSSerialPortManager;
  // Called by the manager when the device has left the system.
  void wasRemovedFromSystem();

  void onError(QSerialPort::SerialPortError error);
  void reportError(const QString& message, bool lost);
  void onReadyRead();

  QString path_;
  QString name_;
  qint32 baudRate_ = kDefaultBaudRate;
  QSerialPort* serial_;
  ORSSerialPortDelegate* delegate_ = nullptr;
  std::weak_ptr<char> delegateAlive_;
  // Errors raised inside open() and close() are dealt with there.
  bool quiet_ = false;
  // Set from the first read or resource error until the queued close runs; the errors a
  // hang-up keeps raising meanwhile are dropped.
  bool failing_ = false;
};
