#include "link/hidapi_transport.h"

#include <hidapi.h>

#include <QLatin1String>
#include <QMetaObject>
#include <algorithm>

#include "link/thread_priority.h"

namespace {

using Clock = std::chrono::steady_clock;

// Windows accepts only output reports of the descriptor's exact length; hidraw takes any.
#ifdef _WIN32
constexpr int kFixedReportSize = HidTransport::kReportSize;
#else
constexpr int kFixedReportSize = 0;
#endif

class HidapiDevice final : public HidapiBackend::Handle {
 public:
  explicit HidapiDevice(hid_device* device) : device_(device) {}
  ~HidapiDevice() override { hid_close(device_); }

  int write(const QByteArray& data) override {
    return hid_write(device_, reinterpret_cast<const unsigned char*>(data.constData()),
                     static_cast<size_t>(data.size()));
  }
  int readTimeout(unsigned char* data, int length, int milliseconds) override {
    return hid_read_timeout(device_, data, static_cast<size_t>(length), milliseconds);
  }

 private:
  hid_device* device_;
};

// hid_init and hid_exit are process-wide, so the library stays initialised while any
// backend is alive.
class HidapiLibrary final : public HidapiBackend {
 public:
  HidapiLibrary() {
    std::lock_guard lock(usersMutex());
    if (users()++ == 0) hid_init();
  }
  ~HidapiLibrary() override {
    std::lock_guard lock(usersMutex());
    if (--users() == 0) hid_exit();
  }

  std::vector<DeviceInfo> enumerate(quint16 vendorId, quint16 productId) override {
    std::vector<DeviceInfo> devices;
    hid_device_info* list = hid_enumerate(vendorId, productId);
    for (const hid_device_info* info = list; info != nullptr; info = info->next) {
      devices.push_back(
          {info->path ? info->path : "",
           info->product_string ? QString::fromWCharArray(info->product_string) : QString()});
    }
    hid_free_enumeration(list);
    return devices;
  }

  std::unique_ptr<Handle> open(const std::string& path, QString* error) override {
    hid_device* device = hid_open_path(path.c_str());
    if (device != nullptr) return std::make_unique<HidapiDevice>(device);
    const wchar_t* reason = hid_error(nullptr);
    *error = reason ? QString::fromWCharArray(reason) : QString();
    return nullptr;
  }

 private:
  static std::mutex& usersMutex() {
    static std::mutex mutex;
    return mutex;
  }
  static int& users() {
    static int count = 0;
    return count;
  }
};

QString accessDeniedReason(const std::string& path, const QString& error) {
  QString reason = QStringLiteral("Cannot open the board at %1").arg(QString::fromStdString(path));
  if (!error.isEmpty()) reason += QStringLiteral(" (%1)").arg(error);
  return reason + QStringLiteral(
                      ". Install the udev rule 70-vorn.rules (cmake --install, or the .deb), "
                      "reload udev (sudo udevadm control --reload-rules && sudo udevadm "
                      "trigger), then unplug and replug the board.");
}

}  // namespace

std::unique_ptr<HidapiBackend> makeHidapiBackend() { return std::make_unique<HidapiLibrary>(); }

QList<QByteArray> hidapiOutputReports(const QByteArray& frame, int reportSize) {
  if (reportSize <= 0) return {QByteArray(1, '\0') + frame};
  QList<QByteArray> reports;
  for (qsizetype offset = 0; offset < frame.size(); offset += reportSize) {
    QByteArray report(1, '\0');
    report += frame.mid(offset, reportSize);
    report.append(reportSize + 1 - report.size(), '\0');
    reports.append(report);
  }
  return reports;
}

struct HidapiTransport::WriteRequest {
  QByteArray frame;
  bool done = false;
  bool sent = false;
};

HidapiTransport::HidapiTransport(QObject* parent)
    : HidapiTransport(makeHidapiBackend(), Timing{}, parent) {}

HidapiTransport::HidapiTransport(std::unique_ptr<HidapiBackend> backend, Timing timing,
                                 QObject* parent)
    : HidTransport(parent),
      backend_(std::move(backend)),
      timing_(timing),
      mainThread_(new CrossThreadQueue(this)) {}

HidapiTransport::~HidapiTransport() {
  {
    std::lock_guard lock(mutex_);
    quit_ = true;
    open_ = false;
    failQueuedLocked();
  }
  wake_.notify_all();
  writeDone_.notify_all();
  if (thread_.joinable()) thread_.join();
  handle_.reset();
  backend_.reset();
}

void HidapiTransport::start() {
  if (thread_.joinable()) return;
  thread_ = std::thread(&HidapiTransport::run, this);
}

bool HidapiTransport::write(const QByteArray& frame) {
  if (frame.isEmpty()) return false;
  auto request = std::make_shared<WriteRequest>();
  request->frame = frame;
  std::unique_lock lock(mutex_);
  if (!open_ || quit_) return false;
  queue_.push_back(request);
  wake_.notify_all();
  if (!writeDone_.wait_for(lock, timing_.writeTimeout, [&] { return request->done; })) {
    auto queued = std::find(queue_.begin(), queue_.end(), request);
    if (queued != queue_.end()) {
      queue_.erase(queued);
      return false;
    }
    // Already handed to hidapi, whose own transfer timeout bounds this wait; waiting for it
    // keeps the result true to what the board received.
    writeDone_.wait(lock, [&] { return request->done; });
  }
  return request->sent;
}

QString HidapiTransport::name() const { return QStringLiteral("USB"); }

void HidapiTransport::run() {
  // An online run's frames go out through this thread, so it asks for the head start the
  // run's own threads have; it only ever waits on the device, its queue or the next poll.
  raiseThreadPriority();
  auto nextPoll = Clock::now();
  std::unique_lock lock(mutex_);
  while (!quit_) {
    if (Clock::now() >= nextPoll) {
      lock.unlock();
      poll();
      nextPoll = Clock::now() + timing_.pollInterval;
      lock.lock();
      continue;
    }
    if (!handle_) {
      wake_.wait_until(lock, nextPoll, [&] { return quit_; });
      continue;
    }
    std::shared_ptr<WriteRequest> request;
    if (!queue_.empty()) {
      request = queue_.front();
      queue_.pop_front();
    }
    const bool morePending = !queue_.empty();
    lock.unlock();
    if (request) {
      const SendResult result = send(request->frame);
      {
        std::lock_guard done(mutex_);
        request->done = true;
        request->sent = result == SendResult::kSent;
      }
      writeDone_.notify_all();
      if (result == SendResult::kError) {
        closeBoard();
        lock.lock();
        continue;
      }
    }
    // Reads alternate with writes so that a steady stream of writes cannot starve replies;
    // while writes wait, the read only collects what has already arrived.
    readOnce(request || morePending ? std::chrono::milliseconds(0) : timing_.readTimeout);
    lock.lock();
  }
}

void HidapiTransport::poll() {
  std::vector<HidapiBackend::DeviceInfo> boards;
  for (auto& device : backend_->enumerate(kVendorId, kProductId)) {
    if (isBoardDevice(device)) boards.push_back(std::move(device));
  }
  const auto listed = [&](const std::string& path) {
    return std::any_of(boards.begin(), boards.end(),
                       [&](const HidapiBackend::DeviceInfo& board) { return board.path == path; });
  };
  // A board unplugged and plugged back in with its permissions still wrong is reported again.
  std::erase_if(deniedPaths_, [&](const std::string& path) { return !listed(path); });

  if (handle_) {
    if (!listed(path_)) closeBoard();
    return;
  }
  tryOpen(boards);
}

void HidapiTransport::tryOpen(const std::vector<HidapiBackend::DeviceInfo>& boards) {
  for (const auto& board : boards) {
    QString error;
    std::unique_ptr<HidapiBackend::Handle> handle = backend_->open(board.path, &error);
    if (!handle) {
      if (deniedPaths_.insert(board.path).second) {
        mainThread_->post(
            [this, path = QString::fromStdString(board.path),
             reason = accessDeniedReason(board.path, error)] { emit accessDenied(path, reason); });
      }
      continue;
    }
    deniedPaths_.erase(board.path);
    handle_ = std::move(handle);
    path_ = board.path;
    product_ = board.product;
    {
      std::lock_guard lock(mutex_);
      open_ = true;
    }
    mainThread_->post([this, product = product_] { emit deviceArrived(product); });
    return;
  }
}

void HidapiTransport::readOnce(std::chrono::milliseconds timeout) {
  unsigned char buffer[kReportSize];
  const int length = handle_->readTimeout(buffer, kReportSize, static_cast<int>(timeout.count()));
  if (length < 0) {
    closeBoard();
  } else if (length > 0) {
    mainThread_->post([this, report = QByteArray(reinterpret_cast<const char*>(buffer), length)] {
      emit reportReceived(report);
    });
  }
}

HidapiTransport::SendResult HidapiTransport::send(const QByteArray& frame) {
  for (const QByteArray& report : hidapiOutputReports(frame, kFixedReportSize)) {
    const int written = handle_->write(report);
    if (written < 0) return SendResult::kError;
    if (written != report.size()) return SendResult::kShort;
  }
  return SendResult::kSent;
}

// An I/O error is treated like an unplug: the board is closed and its removal reported once;
// it is opened afresh (and reported as arriving) only by a later poll.
void HidapiTransport::closeBoard() {
  {
    std::lock_guard lock(mutex_);
    open_ = false;
    failQueuedLocked();
  }
  writeDone_.notify_all();
  handle_.reset();
  mainThread_->post([this, product = product_] { emit deviceRemoved(product); });
  path_.clear();
  product_.clear();
}

void HidapiTransport::failQueuedLocked() {
  for (const auto& request : queue_) request->done = true;
  queue_.clear();
}
