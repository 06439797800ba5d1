#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "link/usb_hid.h"

class CrossThreadQueue;

// One action group to store on the board: its number and each frame's multi-servo move.
struct DownloadJob {
  int group = 0;
  QList<QByteArray> frames;
  QString name;  // shown while it goes out, e.g. the file it came from
};

enum class DownloadEnd {
  Done,
  NoAcknowledgement,  // the board did not acknowledge `step` in time
  SendFailed,         // the frame of `step` could not be sent
  BoardLost,          // the board went away
  Cancelled,
};

struct DownloadResult {
  DownloadEnd end = DownloadEnd::Done;
  int job = -1;  // the job that was going out when it ended
  int step = 0;  // the step that failed, for NoAcknowledgement and SendFailed
};

// The tip for a download that ended badly: "download_fail" naming what went out, the step
// and what happened.
QString downloadFailMessage(const QString& what, DownloadEnd end, int step);

// Told how a download goes, always on the main thread and never waited for.
class DownloadListener {
 public:
  virtual ~DownloadListener() = default;
  virtual void downloadJobStarted(int job) { Q_UNUSED(job) }
  virtual void downloadFrameSent(int job, int frame) {
    Q_UNUSED(job)
    Q_UNUSED(frame)
  }
  virtual void downloadFinished(const DownloadResult& result) = 0;
};

// Stores action groups on the board with the acknowledged five-step download. A worker
// thread sends each step through the link and waits for the board to acknowledge it;
// acknowledgements reach it from the link's report path on the main thread. The link's
// `download` flag is set for exactly the download's duration.
class ActionDownloader : public QObject {
  Q_OBJECT

 public:
  static constexpr std::chrono::milliseconds kDefaultAckTimeout{10000};

  explicit ActionDownloader(usbHid& link, QObject* parent = nullptr);
  ~ActionDownloader() override;

  void setListener(DownloadListener* listener) { listener_ = listener; }
  void setAckTimeout(std::chrono::milliseconds timeout) { ackTimeout_ = timeout; }
  // Whether the last step waits for its acknowledgement too.
  void setAwaitFinishAcknowledgement(bool on) { awaitFinish_ = on; }

  // Starts the jobs in order; false (nothing sent) when a download is running, no board is
  // connected, or a job cannot be downloaded (too many frames, malformed moves).
  bool start(const QList<DownloadJob>& jobs, QString* why = nullptr);
  bool isRunning() const { return running_; }
  void cancel();

 private:
  void run(QList<DownloadJob> jobs);
  // Sends one step and waits for its acknowledgement; Done when it came.
  DownloadEnd step(int k, const std::function<bool()>& send);
  void abort(DownloadEnd why);
  void onAcknowledged(int step);
  void finish(const DownloadResult& result);

  usbHid& link_;
  CrossThreadQueue* mainThread_;
  DownloadListener* listener_ = nullptr;
  std::atomic<std::chrono::milliseconds> ackTimeout_{kDefaultAckTimeout};
  std::atomic<bool> awaitFinish_{false};
  std::atomic<bool> running_{false};
  std::thread worker_;

  std::mutex mutex_;
  std::condition_variable wake_;
  int awaiting_ = 0;  // the step whose acknowledgement counts; 0 between steps
  bool acknowledged_ = false;
  bool aborted_ = false;
  DownloadEnd abortReason_ = DownloadEnd::Cancelled;
};
