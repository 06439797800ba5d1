#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <optional>

// The board's USB HID device as the link sees it: arrival and removal, input reports, and
// output reports. Implementations deliver every signal on the thread the transport lives
// in (the main thread); write() may be called from any thread.
class HidTransport : public QObject {
  Q_OBJECT

 public:
  static constexpr quint16 kVendorId = 0x0483;
  static constexpr quint16 kProductId = 0x5750;
  static constexpr const char* kProductName = "TAVEN";
  static constexpr int kReportSize = 64;

  using QObject::QObject;
  ~HidTransport() override = default;

  // Begins watching for the board; one already present is reported through deviceArrived.
  virtual void start() = 0;
  // Sends one frame exactly as built; false when no board is open or the write failed.
  virtual bool write(const QByteArray& frame) = 0;
  // A short description for logs and the window ("USB", "virtual board").
  virtual QString name() const = 0;
  // Whether the board behind it is the virtual one, so that notices can say so.
  virtual bool simulated() const { return false; }
  // Where a channel servo stands now, when the transport can see it (only a simulated board
  // can); called on the transport's thread.
  virtual std::optional<int> servoPosition(int /*id*/) const { return std::nullopt; }

 signals:
  void deviceArrived(const QString& productName);
  void deviceRemoved(const QString& productName);
  void reportReceived(const QByteArray& report);
  // A board is present but cannot be opened (permissions); reported once per device.
  void accessDenied(const QString& devicePath, const QString& reason);
};
