#include "link/serial_port_manager.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QSerialPortInfo>
#include <memory>

#include "link/cross_thread_queue.h"

QStringList ORSSerialPortManager::systemPorts() {
  QStringList paths;
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    paths.append(info.systemLocation());
  }
  return paths;
}

std::optional<qint64> ORSSerialPortManager::deviceFolderStamp() {
  struct stat folder {};
  if (::stat("/dev", &folder) != 0) return std::nullopt;
  return qint64(folder.st_mtim.tv_sec) * 1'000'000'000 + folder.st_mtim.tv_nsec;
}

ORSSerialPortManager::Enumerator ORSSerialPortManager::whenChanged(Enumerator enumerate,
                                                                   Stamp stamp) {
  struct Last {
    std::mutex mutex;
    std::optional<qint64> stamp;
    QStringList ports;
  };
  return [enumerate = std::move(enumerate), stamp = std::move(stamp),
          last = std::make_shared<Last>()] {
    std::lock_guard lock(last->mutex);
    // Read before enumerating: a device that comes during the enumeration changes the stamp
    // again, and the next call looks.
    const std::optional<qint64> now = stamp();
    if (!now || now != last->stamp) {
      last->ports = enumerate();
      last->stamp = now;
    }
    return last->ports;
  };
}

ORSSerialPortManager* ORSSerialPortManager::sharedSerialPortManager() {
  static QPointer<ORSSerialPortManager> shared;
  if (!shared) {
    // Every enumeration, of hundreds of files, runs beside the main thread.
    shared = new ORSSerialPortManager(whenChanged(&systemPorts, &deviceFolderStamp),
                                      QCoreApplication::instance(), FirstList::InBackground);
    shared->startPolling(kPollInterval, true);
  }
  return shared;
}

ORSSerialPortManager::ORSSerialPortManager(Enumerator enumerate, QObject* parent, FirstList first)
    : QObject(parent), enumerate_(std::move(enumerate)), mainThread_(new CrossThreadQueue(this)) {
  if (first == FirstList::Now) list(enumerate_());
  connect(&timer_, &QTimer::timeout, this, [this] { offThread_ ? pollAhead() : poll(); });
}

ORSSerialPortManager::~ORSSerialPortManager() {
  // The first list comes back by an event to this object, which must outlive the worker.
  {
    std::lock_guard lock(workMutex_);
    quit_ = true;
  }
  workWake_.notify_all();
  if (worker_.joinable()) worker_.join();
}

void ORSSerialPortManager::wakeWorker() {
  if (!worker_.joinable()) worker_ = std::thread([this] { work(); });
  workWake_.notify_one();
}

void ORSSerialPortManager::work() {
  std::unique_lock lock(workMutex_);
  for (;;) {
    workWake_.wait(lock, [this] { return quit_ || firstWanted_ || aheadPending_; });
    if (quit_) return;
    const bool first = std::exchange(firstWanted_, false);
    lock.unlock();
    QStringList found = enumerate_();
    if (first) {
      // Not a bare queued call: ThreadSanitizer sees the hand-over of the list only through
      // the queue's own mutex.
      mainThread_->post([this, found = std::move(found)]() mutable {
        if (listed_) return;
        list(std::move(found));
        if (!ports_.isEmpty()) emit availablePortsChanged();
        emit portsListed();
      });
      lock.lock();
      continue;
    }
    lock.lock();
    ahead_ = std::move(found);
    aheadPending_ = false;
  }
}

void ORSSerialPortManager::list(QStringList enumerated) {
  listed_ = true;
  enumerated_ = std::move(enumerated);
  for (const QString& path : std::as_const(enumerated_)) {
    if (!portWithPath(path)) ports_.append(new ORSSerialPort(path, this));
  }
}

void ORSSerialPortManager::listInBackground() {
  if (listed_ || firstAsked_) return;
  firstAsked_ = true;
  {
    std::lock_guard lock(workMutex_);
    firstWanted_ = true;
  }
  wakeWorker();
}

ORSSerialPort* ORSSerialPortManager::portWithPath(const QString& path) const {
  for (ORSSerialPort* port : ports_) {
    if (port->path() == path) return port;
  }
  return nullptr;
}

ORSSerialPort* ORSSerialPortManager::addPortWithPath(const QString& path) {
  if (path.isEmpty()) return nullptr;
  const QString absolute = QFileInfo(path).absoluteFilePath();
  if (ORSSerialPort* port = portWithPath(absolute)) return port;
  if (!QFileInfo::exists(absolute)) return nullptr;
  auto* port = new ORSSerialPort(absolute, this);
  ports_.append(port);
  handAdded_.insert(absolute);
  announce({port}, {});
  return port;
}

bool ORSSerialPortManager::stillPresent(const ORSSerialPort* port) const {
  const QString& path = port->path();
  return enumerated_.contains(path) || (handAdded_.contains(path) && QFileInfo::exists(path));
}

void ORSSerialPortManager::poll() {
  // Until the first list is in, there is nothing to compare with.
  if (!listed_) return listInBackground();
  compare(enumerate_());
}

void ORSSerialPortManager::pollAhead() {
  if (!listed_) return listInBackground();
  std::optional<QStringList> done;
  {
    std::lock_guard lock(workMutex_);
    if (aheadPending_) return;  // the last one is still reading
    done = std::exchange(ahead_, std::nullopt);
    aheadPending_ = true;
  }
  wakeWorker();
  if (done) compare(std::move(*done));
}

void ORSSerialPortManager::compare(QStringList enumerated) {
  enumerated_ = std::move(enumerated);
  QList<ORSSerialPort*> removed;
  for (ORSSerialPort* port : std::as_const(ports_)) {
    if (!stillPresent(port)) removed.append(port);
  }
  for (ORSSerialPort* port : std::as_const(removed)) {
    ports_.removeOne(port);
    handAdded_.remove(port->path());
  }
  QList<ORSSerialPort*> added;
  for (const QString& path : std::as_const(enumerated_)) {
    if (portWithPath(path)) continue;
    auto* port = new ORSSerialPort(path, this);
    ports_.append(port);
    added.append(port);
  }
  announce(added, removed);
}

void ORSSerialPortManager::announce(const QList<ORSSerialPort*>& added,
                                    const QList<ORSSerialPort*>& removed) {
  if (added.isEmpty() && removed.isEmpty()) return;
  // Removed ports outlive the announcement, so observers may still read them.
  const QList<QPointer<ORSSerialPort>> gone(removed.begin(), removed.end());
  for (ORSSerialPort* port : removed) port->wasRemovedFromSystem();
  emit availablePortsChanged();
  if (!removed.isEmpty()) {
    emit serialPortWasDisconnected({{kDisconnectedSerialPortsKey, QVariant::fromValue(removed)}});
  }
  if (!added.isEmpty()) {
    emit serialPortWasConnected({{kConnectedSerialPortsKey, QVariant::fromValue(added)}});
  }
  for (const QPointer<ORSSerialPort>& port : gone) {
    if (port) port->deleteLater();
  }
}

void ORSSerialPortManager::startPolling(std::chrono::milliseconds interval, bool offThread) {
  offThread_ = offThread;
  timer_.start(interval);
}

QList<ORSSerialPort*> ORSSerialPortManager::portsInUserInfo(const QVariantMap& userInfo,
                                                            const QString& key) {
  return userInfo.value(key).value<QList<ORSSerialPort*>>();
}
