#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QVariantList>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>

#include "link/cross_thread_queue.h"
#include "link/hid_transport.h"
#include "link/protocol.h"
#include "model/weak_delegate.h"

class QTimer;

// The screen in front; told of every arrival and removal and of every reply, decoded, on the
// main thread. A screen overrides the replies it asked for.
class UsbHidDelegate {
 public:
  virtual ~UsbHidDelegate() = default;
  virtual void usbhidDidMatch() = 0;
  virtual void usbhidDidRemove() = 0;
  virtual void usbhidDidReadPositions(const protocol::PositionsRead&) {}
  // The answer to sendCheckManyConnectServo(): how many bus servos answered.
  virtual void usbhidDidCountServos(int) {}
  virtual void usbhidDidReadTrims(const QList<protocol::ServoDeviation>&) {}
  virtual void usbhidDidStoreTrims() {}
  virtual void usbhidDidReadServoInfo(const KoServoInfo&) {}
  virtual void usbhidDidEraseGroups() {}
};

// The one link to the board over USB HID: sends command frames, arms reply time-outs,
// hands arrivals, removals and reports to its delegate, and carries the flags of the board
// it talks to (connected, downloading). It never asks or tips: what goes wrong comes out as
// a signal with what it concerns (sendFailed, replyTimedOut, accessDenied), and the screens
// or vornctl put it into words.
class usbHid : public QObject {
  Q_OBJECT
  Q_PROPERTY(bool connection READ connection NOTIFY connectionChanged)

 public:
  static constexpr std::chrono::milliseconds kDefaultReplyTimeout{10000};
  // A write fails as soon as a board is pulled, before the next poll reports it gone: how
  // long a caller gives that poll before it calls the failure a failed send.
  static constexpr std::chrono::milliseconds kRemovalGrace{1500};

  // The program's link; setTransport() must have been called before its first use.
  static usbHid& sharedManager();

  explicit usbHid(QObject* parent = nullptr);
  ~usbHid() override;

  // Replaces the transport (USB or the virtual board); a board on the old one is reported
  // gone. Takes ownership.
  void setTransport(std::unique_ptr<HidTransport> transport);
  HidTransport* transport() const { return transport_.get(); }

  // The delegate must be a QObject too; it is held weakly.
  void setDelegate(UsbHidDelegate* delegate);
  UsbHidDelegate* delegate() const;

  // Runs a piece of the board's news (an arrival, a removal, a report, a refusal to open, a
  // reply time-out) now or later. The program holds news back while a dialog is open, so that
  // replies never stack dialogs or act behind one; without a deferral news is handled at once.
  using Deferral = std::function<void(std::function<void()> news)>;
  void setDeferral(Deferral deferral) { deferral_ = std::move(deferral); }

  bool download() const { return download_; }
  void setDownload(bool on) { download_ = on; }
  bool connection() const { return connection_; }
  // The board's product name while one is connected.
  QString productName() const { return productName_; }

  void setReplyTimeout(std::chrono::milliseconds timeout) { replyTimeout_ = timeout; }
  // Pending reply time-outs for a command code (for tests and diagnostics).
  int pendingTimeouts(int command) const;

  // Sends one frame; true when it went out. Callable from any thread.
  bool sendData(const QByteArray& frame) { return sendFrame(frame, true); }
  // A reply did not come in time.
  void timeoutMethod(int command);

  bool sendOneSteering(int servoId, int angle, int time);
  bool adjustmentDeviationServoId(int servoId, int deviation);
  // Channel commands for the servos with these ids (1-based), in order.
  bool sendMotorLost(const QList<int>& ids);
  bool sendReadAngle(const QList<int>& ids);
  bool sendDownloadDeviation(const QList<int>& ids);
  bool sendReadDeviation(const QList<int>& ids);
  // Erases a stored group, -1 every group, without asking: a screen confirms first.
  bool sendRemoveActions(int group);
  bool sendActionsRun(int group);
  bool sendStopActions();
  bool sendReadServoInfo();
  // The same request without a reply time-out or its tip: a caller that polls counts the
  // unanswered requests itself.
  bool sendReadServoInfoQuietly();
  bool sendWriteServoInfo(const KoServoInfo& info);
  bool sendSpeed(int servoId, int speed, int mode);
  bool sendDownloadStep1WithAction(int group, int frameCount);
  bool sendDownloadStep2WithAction(int group, int frameCount);
  bool sendDownloadStep3WithAction(int group, int frameCount);
  bool sendDownloadStep4WithAction(int group, int page, int index, const QByteArray& moveFrame);
  bool sendDownloadStep5WithAction(int group);
  bool sendCheckManyConnectServo();

 signals:
  void connectionChanged(bool connected);
  // Every reply, decoded, after the delegate has had it; the download handshake and
  // vornctl listen here.
  void downloadAcknowledged(int step);
  void groupsErased();
  void positionsRead(const protocol::PositionsRead& reading);
  void servosCounted(int count);
  void trimsRead(const QList<protocol::ServoDeviation>& trims);
  void trimsStored();
  // No reply came in time to a command of this code. Moves and quiet reads are not timed.
  void replyTimedOut(int command);
  // A frame of this command code did not go out, outside a download (which says itself how it
  // ended). Once per burst: the next frame that goes out, or a board that arrives, ends it.
  void sendFailed(int command);
  void servoInfoRead(const KoServoInfo& info);
  // Every input report as it came, for tracing.
  void reportReceived(const QByteArray& report);
  // A board is there but cannot be opened; `reason` is the system's own words.
  void accessDenied(const QString& devicePath, const QString& reason);

 private:
  void setDeviceRef(bool present, const QString& productName);
  void deviceArrived(const QString& productName);
  void deviceRemoved(QString productName);  // a copy: it may be our own productName_
  void inputReport(const QByteArray& report);
  void deliver(const protocol::Reply& reply);
  void deviceDenied(const QString& path, const QString& reason);
  bool sendFrame(const QByteArray& frame, bool mayTime);
  void armTimeout(int command);
  void cancelTimeouts(int command);
  void writeFailed(int command);
  // Runs news through the deferral, if one is set.
  void defer(std::function<void()> news);
  // Builds and sends; a frame that would not fit is logged and not sent.
  bool sendBuilt(const std::function<QByteArray()>& build);

  std::unique_ptr<HidTransport> transport_;
  WeakDelegate<UsbHidDelegate> delegate_;
  Deferral deferral_;
  QString productName_;

  std::atomic<bool> download_{false};
  std::atomic<bool> connection_{false};
  // One sendFailed per burst of failed sends: cleared by the next send that goes out.
  std::atomic<bool> sendFailureReported_{false};
  // A reply 21 answers the bus-servo check while one is out, else a position read.
  bool servoCheckPending_ = false;

  CrossThreadQueue* mainThread_;
  std::mutex writeMutex_;
  std::atomic<std::chrono::milliseconds> replyTimeout_{kDefaultReplyTimeout};
  // Per command code: the earliest pending time-out decides, since when it fires it cancels
  // the rest, so one timer and a count stand for all of them.
  struct PendingReplies {
    QTimer* timer = nullptr;
    int count = 0;
  };
  QHash<int, PendingReplies> timeouts_;
};
