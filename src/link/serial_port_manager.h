#pragma once

#include <QList>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "link/serial_port.h"

class CrossThreadQueue;

// Keeps the list of the computer's serial ports by polling an enumeration, and posts the
// arrival and removal notifications. Lives on the main thread; only the enumerations asked
// for by listInBackground() and pollAhead() run off it, on one worker thread of its own.
//
// A port typed in by hand (pseudo-terminals are not enumerated) stays listed while its path
// exists, whether or not the enumeration names it.
class ORSSerialPortManager : public QObject {
  Q_OBJECT
  Q_PROPERTY(QList<ORSSerialPort*> availablePorts READ availablePorts NOTIFY availablePortsChanged)

 public:
  static constexpr const char* kSerialPortWasConnectedNotification =
      "ORSSerialPortWasConnectedNotification";
  static constexpr const char* kSerialPortWasDisconnectedNotification =
      "ORSSerialPortWasDisconnectedNotification";
  static constexpr const char* kConnectedSerialPortsKey = "ORSConnectedSerialPortsKey";
  static constexpr const char* kDisconnectedSerialPortsKey = "ORSDisconnectedSerialPortsKey";
  static constexpr std::chrono::milliseconds kPollInterval{500};

  // Answers the device paths present now ("/dev/ttyUSB0").
  using Enumerator = std::function<QStringList()>;
  static QStringList systemPorts();
  // A value that changes whenever a device comes or goes; nullopt when it cannot be read.
  using Stamp = std::function<std::optional<qint64>()>;
  // The modification time of /dev, in nanoseconds: the kernel makes and removes every
  // device node there.
  static std::optional<qint64> deviceFolderStamp();
  // `enumerate`, run again only once `stamp` has changed (on every call while it cannot be
  // read); otherwise its last list. The system's enumeration reads hundreds of files and
  // makes thousands of allocations, twice a second for a whole day, while ports come and go
  // a few times an hour.
  static Enumerator whenChanged(Enumerator enumerate, Stamp stamp);

  // The program's manager over systemPorts(), polling every kPollInterval. Its first list
  // comes in the background: the enumeration reads hundreds of files, which a window's start
  // should not wait for.
  static ORSSerialPortManager* sharedSerialPortManager();

  enum class FirstList {
    Now,
    // Empty until listInBackground() or the first poll, then listed without notices.
    InBackground,
  };
  // Lists the ports present (now, or later as `first` says) without posting notifications;
  // polls only after startPolling() or on poll().
  explicit ORSSerialPortManager(Enumerator enumerate, QObject* parent = nullptr,
                                FirstList first = FirstList::Now);
  ~ORSSerialPortManager() override;

  // Starts the first enumeration on a worker thread, if the ports are not listed yet; its
  // result is listed on this thread, followed by portsListed().
  void listInBackground();
  bool listed() const { return listed_; }

  QList<ORSSerialPort*> availablePorts() const { return ports_; }
  ORSSerialPort* portWithPath(const QString& path) const;

  // The listed port with this path, added (and announced) if the path exists; nullptr if not.
  ORSSerialPort* addPortWithPath(const QString& path);

  // Compares the enumeration with the list. The list is updated first, then removed ports are
  // closed and their delegates told, then the signals go out; removed ports are deleted later.
  void poll();
  // Polls with the enumeration on the worker thread: each call compares the enumeration the
  // call before started, if it is done, and starts the next. The enumerator must then be safe
  // to call off the main thread. The comparison and its signals stay on this thread.
  void pollAhead();
  // Polls every interval, by pollAhead() when `offThread`.
  void startPolling(std::chrono::milliseconds interval = kPollInterval, bool offThread = false);

  // The ports a notification's user-info holds under key.
  static QList<ORSSerialPort*> portsInUserInfo(const QVariantMap& userInfo, const QString& key);

 signals:
  void availablePortsChanged();
  // The first list arrived (a manager that lists in the background); no notices came with it.
  void portsListed();
  // "ORSSerialPortWasConnectedNotification": "ORSConnectedSerialPortsKey" holds the new ports.
  void serialPortWasConnected(const QVariantMap& userInfo);
  // "ORSSerialPortWasDisconnectedNotification": "ORSDisconnectedSerialPortsKey" holds the
  // removed ports, still alive while the signal is delivered.
  void serialPortWasDisconnected(const QVariantMap& userInfo);

 private:
  bool stillPresent(const ORSSerialPort* port) const;
  // The first enumeration: its ports are listed without a notice.
  void list(QStringList enumerated);
  void compare(QStringList enumerated);
  void announce(const QList<ORSSerialPort*>& added, const QList<ORSSerialPort*>& removed);
  // Wakes the worker, started at the first call, for the work flagged under workMutex_.
  void wakeWorker();
  void work();

  Enumerator enumerate_;
  QStringList enumerated_;
  QList<ORSSerialPort*> ports_;
  QSet<QString> handAdded_;
  QTimer timer_;
  bool offThread_ = false;
  bool listed_ = false;
  bool firstAsked_ = false;

  // A poll every half second for a whole day: one long-lived thread, not one per poll. It
  // finishes the enumeration under way when the manager goes, then ends.
  std::thread worker_;
  std::mutex workMutex_;
  std::condition_variable workWake_;
  bool quit_ = false;
  // The first enumeration is wanted; it hands its list back through mainThread_.
  bool firstWanted_ = false;
  CrossThreadQueue* mainThread_;
  // A pollAhead() enumeration is wanted or under way; its result waits in ahead_.
  bool aheadPending_ = false;
  std::optional<QStringList> ahead_;
};
