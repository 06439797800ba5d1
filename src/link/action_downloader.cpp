#include "link/action_downloader.h"

#include <QDebug>

#include "link/cross_thread_queue.h"
#include "link/malloc_tuning.h"
#include "link/protocol.h"
#include "link/usb_hid.h"

QString downloadFailMessage(const QString& what, DownloadEnd end, int step) {
  const char* why = QT_TRID_NOOP("download_send_fail");
  if (end == DownloadEnd::NoAcknowledgement) why = QT_TRID_NOOP("download_no_ack");
  if (end == DownloadEnd::BoardLost) why = QT_TRID_NOOP("download_board_lost");
  return qtTrId("download_fail").arg(what, QString::number(step), qtTrId(why));
}

ActionDownloader::ActionDownloader(usbHid& link, QObject* parent)
    : QObject(parent), link_(link), mainThread_(new CrossThreadQueue(this)) {
  connect(&link_, &usbHid::downloadAcknowledged, this, &ActionDownloader::onAcknowledged);
  connect(&link_, &usbHid::connectionChanged, this, [this](bool connected) {
    if (!connected) abort(DownloadEnd::BoardLost);
  });
}

ActionDownloader::~ActionDownloader() {
  abort(DownloadEnd::Cancelled);
  if (worker_.joinable()) worker_.join();
}

bool ActionDownloader::start(const QList<DownloadJob>& jobs, QString* why) {
  auto refuse = [why](const QString& reason) {
    qWarning().noquote() << "download not started:" << reason;
    if (why) *why = reason;
    return false;
  };
  if (running_) return refuse(QStringLiteral("a download is running"));
  if (!link_.connection()) return refuse(QStringLiteral("no board"));
  for (const DownloadJob& job : jobs) {
    if (job.frames.size() > protocol::kMaxDownloadFrames) {
      return refuse(QStringLiteral("group %1 has too many frames").arg(job.group));
    }
    for (const QByteArray& f : job.frames) {
      if (f.size() < frame::kMoveHeaderSize || f.size() > protocol::kMaxRecordMoveSize) {
        return refuse(QStringLiteral("group %1 holds a malformed frame").arg(job.group));
      }
    }
  }
  if (worker_.joinable()) worker_.join();  // a finished worker not yet collected
  {
    std::lock_guard lock(mutex_);
    aborted_ = false;
    awaiting_ = 0;
    acknowledged_ = false;
  }
  running_ = true;
  link_.setDownload(true);
  worker_ = std::thread([this, jobs] { run(jobs); });
  return true;
}

void ActionDownloader::cancel() { abort(DownloadEnd::Cancelled); }

void ActionDownloader::abort(DownloadEnd why) {
  std::lock_guard lock(mutex_);
  if (!running_ || aborted_) return;
  aborted_ = true;
  abortReason_ = why;
  wake_.notify_all();
}

void ActionDownloader::onAcknowledged(int step) {
  std::lock_guard lock(mutex_);
  // Acknowledgements of other steps, and those that come between steps, are not ours.
  if (awaiting_ != 0 && step == awaiting_) {
    acknowledged_ = true;
    wake_.notify_all();
  }
}

DownloadEnd ActionDownloader::step(int k, const std::function<bool()>& send) {
  {
    // Awaiting before sending: an acknowledgement that beats the wait is kept.
    std::lock_guard lock(mutex_);
    if (aborted_) return abortReason_;
    awaiting_ = k;
    acknowledged_ = false;
  }
  if (!send()) {
    // A write fails as soon as a board is pulled, before the next poll reports it gone: give
    // that poll its time, so an unplug is told as a lost board and not as a failed send.
    std::unique_lock lock(mutex_);
    awaiting_ = 0;
    if (link_.connection()) {
      wake_.wait_for(lock, usbHid::kRemovalGrace, [this] { return aborted_; });
    }
    if (aborted_) return abortReason_;
    return link_.connection() ? DownloadEnd::SendFailed : DownloadEnd::BoardLost;
  }
  if (k == 5 && !awaitFinish_) {
    std::lock_guard lock(mutex_);
    awaiting_ = 0;
    return DownloadEnd::Done;
  }
  std::unique_lock lock(mutex_);
  wake_.wait_for(lock, ackTimeout_.load(), [this] { return acknowledged_ || aborted_; });
  awaiting_ = 0;
  if (acknowledged_) return DownloadEnd::Done;
  return aborted_ ? abortReason_ : DownloadEnd::NoAcknowledgement;
}

void ActionDownloader::run(QList<DownloadJob> jobs) {
  DownloadResult result;
  auto post = [this](std::function<void()> fn) { mainThread_->post(std::move(fn)); };
  for (int j = 0; j < jobs.size() && result.end == DownloadEnd::Done; ++j) {
    const DownloadJob& job = jobs[j];
    const int g = job.group;
    const int count = static_cast<int>(job.frames.size());
    result.job = j;
    post([this, j] {
      if (listener_) listener_->downloadJobStarted(j);
    });
    auto ok = [&](int k, const std::function<bool()>& send) {
      result.end = step(k, send);
      result.step = k;
      return result.end == DownloadEnd::Done;
    };
    if (!ok(1, [&] { return link_.sendDownloadStep1WithAction(g, count); })) break;
    if (!ok(2, [&] { return link_.sendDownloadStep2WithAction(g, count); })) break;
    if (!ok(3, [&] { return link_.sendDownloadStep3WithAction(g, count); })) break;
    for (int i = 0; i < count; ++i) {
      const int page = i / protocol::kFramesPerPage;
      const int index = i % protocol::kFramesPerPage;
      const bool sent = ok(4, [&] {
        if (!link_.sendDownloadStep4WithAction(g, page, index, job.frames[i])) return false;
        post([this, j, i] {
          if (listener_) listener_->downloadFrameSent(j, i);
        });
        return true;
      });
      if (!sent) break;
    }
    if (result.end != DownloadEnd::Done) break;
    ok(5, [&] { return link_.sendDownloadStep5WithAction(g); });
  }
  if (result.end == DownloadEnd::Done) result.step = 0;
  link_.setDownload(false);
  post([this, result] { finish(result); });
}

void ActionDownloader::finish(const DownloadResult& result) {
  if (worker_.joinable()) worker_.join();
  running_ = false;
  releaseFreedMemory();
  if (listener_) listener_->downloadFinished(result);
}
