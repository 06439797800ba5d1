#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "link/cross_thread_queue.h"
#include "link/hid_transport.h"

// The few hidapi calls the transport makes, so that tests can stand in for the library.
// Only the transport's I/O thread calls into a backend and its handles.
class HidapiBackend {
 public:
  struct DeviceInfo {
    std::string path;
    QString product;
  };

  // One open device; destroying it closes the device.
  class Handle {
   public:
    virtual ~Handle() = default;
    // hidapi's conventions: bytes moved, 0 for a read that timed out, -1 for an error.
    virtual int write(const QByteArray& data) = 0;
    virtual int readTimeout(unsigned char* data, int length, int milliseconds) = 0;
  };

  virtual ~HidapiBackend() = default;
  virtual std::vector<DeviceInfo> enumerate(quint16 vendorId, quint16 productId) = 0;
  // Null when the device cannot be opened, with the platform's reason in *error.
  virtual std::unique_ptr<Handle> open(const std::string& path, QString* error) = 0;
};

// The backend over the real hidapi library.
std::unique_ptr<HidapiBackend> makeHidapiBackend();

// Whether a device with the board's vendor and product IDs is the board itself.
inline bool isBoardDevice(const HidapiBackend::DeviceInfo& device) {
  return device.product == QLatin1String(HidTransport::kProductName);
}

// The hidapi writes that carry one frame, each led by report ID 0. With reportSize 0 the frame
// goes out whole; otherwise it fills consecutive reports of exactly reportSize bytes after the
// ID, the last zero-padded, for platforms that refuse any other length.
QList<QByteArray> hidapiOutputReports(const QByteArray& frame, int reportSize);

// The board over hidapi. hidapi 0.13 has no hot-plug callback and a handle must not be read
// and written at once, so one I/O thread owns the handle: it polls the device list, opens the
// board, reads with a short timeout and performs the writes queued to it.
class HidapiTransport : public HidTransport {
  Q_OBJECT

 public:
  struct Timing {
    std::chrono::milliseconds pollInterval{500};
    std::chrono::milliseconds readTimeout{10};
    std::chrono::milliseconds writeTimeout{1000};
  };

  explicit HidapiTransport(QObject* parent = nullptr);
  HidapiTransport(std::unique_ptr<HidapiBackend> backend, Timing timing, QObject* parent = nullptr);
  ~HidapiTransport() override;

  void start() override;
  // A frame still queued after Timing::writeTimeout is withdrawn and reported unsent; one
  // already being written is waited for, so the result always says whether it went out.
  bool write(const QByteArray& frame) override;
  QString name() const override;
  // Frames waiting for the I/O thread; for tests.
  int queuedWrites() {
    std::lock_guard lock(mutex_);
    return int(queue_.size());
  }

 private:
  struct WriteRequest;
  enum class SendResult { kSent, kShort, kError };

  void run();
  void poll();
  void tryOpen(const std::vector<HidapiBackend::DeviceInfo>& boards);
  void readOnce(std::chrono::milliseconds timeout);
  SendResult send(const QByteArray& frame);
  void closeBoard();
  void failQueuedLocked();

  std::unique_ptr<HidapiBackend> backend_;
  const Timing timing_;
  std::thread thread_;

  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable writeDone_;
  std::deque<std::shared_ptr<WriteRequest>> queue_;
  // Signals go to the main thread through here, in order.
  CrossThreadQueue* mainThread_;
  bool open_ = false;
  bool quit_ = false;

  // Touched only by the I/O thread while it runs.
  std::unique_ptr<HidapiBackend::Handle> handle_;
  std::string path_;
  QString product_;
  std::set<std::string> deniedPaths_;
};
