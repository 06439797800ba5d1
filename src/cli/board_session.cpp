#include "cli/board_session.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QScopeGuard>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <cstdio>
#include <mutex>

#include "board/virtual_board.h"
#include "board/virtual_hid_transport.h"
#include "cli/arguments.h"
#include "cli/exit_codes.h"
#include "cli/usb_boards.h"
#include "link/hidapi_transport.h"
#include "link/protocol.h"
#include "link/serial_port.h"
#include "link/usb_hid.h"
#include "model/limits.h"

namespace vornctl {

namespace {

using std::chrono::milliseconds;

// A transport in front of another, passing on what the link hears.
class TransportInFront : public HidTransport {
 public:
  explicit TransportInFront(std::unique_ptr<HidTransport> inner) : inner_(std::move(inner)) {
    connect(inner_.get(), &HidTransport::deviceArrived, this, &HidTransport::deviceArrived);
    connect(inner_.get(), &HidTransport::deviceRemoved, this, &HidTransport::deviceRemoved);
    connect(inner_.get(), &HidTransport::accessDenied, this, &HidTransport::accessDenied);
    connect(inner_.get(), &HidTransport::reportReceived, this, [this](const QByteArray& report) {
      heard(report);
      emit reportReceived(report);
    });
  }
  void start() override { inner_->start(); }
  bool write(const QByteArray& frame) override { return inner_->write(frame); }
  QString name() const override { return inner_->name(); }
  bool simulated() const override { return inner_->simulated(); }

 protected:
  virtual void heard(const QByteArray&) {}

 private:
  std::unique_ptr<HidTransport> inner_;
};

// Shows every frame that goes out and every report that comes in, then passes them on.
class TracingTransport final : public TransportInFront {
 public:
  using TransportInFront::TransportInFront;
  bool write(const QByteArray& frame) override {
    traceFrame('>', frame);
    return TransportInFront::write(frame);
  }

 private:
  void heard(const QByteArray& report) override { traceFrame('<', report); }
};

// Pulls the virtual board out once `frames` frames went out. As with a real board, the next
// write fails at once and the host hears of the removal only a moment later.
class PullingTransport final : public TransportInFront {
 public:
  PullingTransport(std::unique_ptr<HidTransport> inner, VirtualBoard* board, int frames)
      : TransportInFront(std::move(inner)), board_(board), frames_(frames) {}
  bool write(const QByteArray& frame) override {
    if (written_++ == frames_) {
      const auto connection = board_->thread() == QThread::currentThread()
                                  ? Qt::DirectConnection
                                  : Qt::BlockingQueuedConnection;
      QMetaObject::invokeMethod(board_, &VirtualBoard::unplugNoticedLater, connection);
    }
    return TransportInFront::write(frame);
  }

 private:
  VirtualBoard* board_;
  int frames_;
  std::atomic<int> written_{0};
};

// Part `part` of a fault ("reading:3:700"), read like every other number on the line.
int faultNumber(const QString& fault, int part, limits::Range range) {
  const QString text = fault.section(u':', part, part);
  if (const auto problem = numberProblem(text.toStdString(), range.minimum, range.maximum)) {
    throw CliError(kUsage, qtTrId("ctl_bad_fault_number").arg(fault, *problem));
  }
  return text.toInt();
}

// The fault's parts after its kind, each in its range.
QList<int> faultNumbers(const QString& fault, std::initializer_list<limits::Range> ranges) {
  if (fault.count(u':') != static_cast<qsizetype>(ranges.size())) {
    throw CliError(kUsage, qtTrId("ctl_bad_fault").arg(fault));
  }
  QList<int> numbers;
  int part = 1;
  for (const limits::Range& r : ranges) numbers.append(faultNumber(fault, part++, r));
  return numbers;
}

// What a fault's numbers may be; the README lists the same.
constexpr limits::Range kDownloadStep{1, 5, 1};
constexpr limits::Range kCommandCode{0, 255, 0};
constexpr limits::Range kFrameCount{0, 1000000, 0};
constexpr limits::Range kWord{0, 65535, 0};

}  // namespace

void traceFrame(char direction, const QByteArray& bytes) {
  static std::mutex mutex;
  const QByteArray line = direction + (' ' + bytes.toHex(' ').toUpper()) + '\n';
  std::lock_guard lock(mutex);
  std::fwrite(line.constData(), 1, static_cast<size_t>(line.size()), stderr);
  std::fflush(stderr);
}

class BoardSession::SerialLine final : public ORSSerialPortDelegate {
 public:
  explicit SerialLine(const QString& path) : port(path) {}
  void serialPortWasRemovedFromSystem(ORSSerialPort*) override { removed = true; }
  void serialPortDidEncounterError(ORSSerialPort*, const QString& message) override {
    error = message;
  }

  ORSSerialPort port;
  QString error;
  bool removed = false;
};

BoardSession::BoardSession(const BoardOptions& options) : options_(options) {}

BoardSession::~BoardSession() {
  if (serial_) serial_->port.setDelegate(nullptr);
  link_.reset();
  board_.reset();
}

void BoardSession::open() {
  if (overSerial()) {
    serial_ = std::make_unique<SerialLine>(options_.serialPort);
    if (!serial_->port.setBaudRate(options_.baud)) {
      throw CliError(kUsage, qtTrId("ctl_bad_baud").arg(options_.baud));
    }
    serial_->port.setDelegate(serial_.get());
    serial_->port.open();
    if (!serial_->port.isOpen()) {
      throw CliError(kNoBoard,
                     qtTrId("ctl_serial_open_failed").arg(options_.serialPort, serial_->error));
    }
    return;
  }
  link_ = std::make_unique<usbHid>();
  link_->setReplyTimeout(options_.timeout);
  if (options_.simulate) {
    openSimulated();
  } else {
    openUsb();
  }
  if (!waitUntil([this] { return link_->connection(); }, options_.timeout)) {
    throw CliError(kTimeOut, qtTrId("ctl_no_board_in_time").arg(options_.timeout.count()));
  }
}

// Faults, for trying what scripts meet on a real board:
//   drop-ack:STEP          the board does not acknowledge download step STEP
//   no-reply:COMMAND       the board answers no frame with this command code
//   unplug-after:FRAMES    the board goes away instead of taking the frame after FRAMES frames
//   pull-after:FRAMES      the board is pulled out after FRAMES frames; the next write fails
//   reading:ID:VALUE       channel servo ID reads VALUE, as the board sends it (0 to 65535)
//   bus-reading:POSITION:MILLIVOLTS   the bus servos report these readings
void BoardSession::openSimulated() {
  board_ = std::make_unique<VirtualBoard>();
  board_->setReplyLatency(milliseconds(0));
  if (options_.simulatedServos >= 0) board_->setBusServoCount(options_.simulatedServos);
  // A reading is set by hand on a limp servo; done first, so that the unload that makes it
  // limp does not count towards unplug-after.
  for (const QString& fault : options_.faults) {
    if (fault.section(u':', 0, 0) != QLatin1String("reading")) continue;
    const QList<int> n = faultNumbers(fault, {limits::kServoId, kWord});
    board_->receive(protocol::idList(protocol::kUnloadServos, {n[0]}));
    board_->poseByHand(n[0], n[1]);
  }
  int pullAfter = -1;
  for (const QString& fault : options_.faults) {
    const QString kind = fault.section(u':', 0, 0);
    if (kind == QLatin1String("reading")) continue;
    if (kind == QLatin1String("drop-ack")) {
      board_->dropAcknowledgement(faultNumbers(fault, {kDownloadStep})[0]);
    } else if (kind == QLatin1String("unplug-after")) {
      board_->unplugAfterFrames(faultNumbers(fault, {kFrameCount})[0]);
    } else if (kind == QLatin1String("pull-after")) {
      pullAfter = faultNumbers(fault, {kFrameCount})[0];
    } else if (kind == QLatin1String("no-reply")) {
      board_->dropRepliesTo(faultNumbers(fault, {kCommandCode})[0]);
    } else if (kind == QLatin1String("bus-reading")) {
      const QList<int> n = faultNumbers(fault, {kWord, kWord});
      for (VirtualBoard::BusServo& s : board_->busServos()) {
        s.info.currentPosition = n[0];
        s.info.currentVoltage = n[1];
      }
    } else {
      throw CliError(kUsage, qtTrId("ctl_unknown_fault").arg(fault));
    }
  }
  std::unique_ptr<HidTransport> t = std::make_unique<VirtualHidTransport>(board_.get());
  if (pullAfter >= 0) t = std::make_unique<PullingTransport>(std::move(t), board_.get(), pullAfter);
  if (options_.trace) t = std::make_unique<TracingTransport>(std::move(t));
  link_->setTransport(std::move(t));
}

void BoardSession::openUsb() {
  // Asked before the link opens the board, so that "none", "several" and "not allowed" each
  // get their own answer instead of a time-out.
  oneUsbBoard(findUsbBoards(*makeHidapiBackend()));
  std::unique_ptr<HidTransport> t = std::make_unique<HidapiTransport>();
  if (options_.trace) t = std::make_unique<TracingTransport>(std::move(t));
  link_->setTransport(std::move(t));
}

bool BoardSession::waitUntil(const std::function<bool()>& done, milliseconds limit) {
  if (done()) return true;
  QEventLoop loop;
  QTimer deadline;
  deadline.setSingleShot(true);
  QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
  QObject::connect(link_.get(), &usbHid::connectionChanged, &loop, [&] {
    if (done()) loop.quit();
  });
  QEventLoop* outer = std::exchange(waiting_, &loop);
  deadline.start(limit);
  loop.exec();
  waiting_ = outer;
  return done();
}

void BoardSession::lost(const QString& message) { throw CliError(kBoardLost, message); }

void BoardSession::send(const QByteArray& frame) {
  if (serial_) {
    if (options_.trace) traceFrame('>', frame);
    if (serial_->removed || !serial_->port.sendData(frame)) {
      throw CliError(kBoardLost, (qtTrId("ctl_serial_write_failed").arg(options_.serialPort) +
                                  u' ' + serial_->error)
                                     .trimmed());
    }
    return;
  }
  sendWith([&] { return link_->sendData(frame); });
}

void BoardSession::sendWith(const std::function<bool()>& write) {
  if (!link_->connection()) lost(qtTrId("ctl_lost_sending"));
  if (!write()) sendFailed();
}

void BoardSession::sendFailed() {
  // A board pulled out fails the write before the link's next poll notices it is gone.
  waitUntil([this] { return !link_->connection(); },
            std::min(usbHid::kRemovalGrace, options_.timeout));
  if (!link_->connection()) lost(qtTrId("ctl_lost_sending"));
  throw CliError(kFailed, qtTrId("ctl_send_failed"));
}

template <class T, class... A>
T BoardSession::ask(const std::function<bool()>& write, void (usbHid::*signal)(A...),
                    const std::function<bool(const T&)>& accept) {
  std::optional<T> answer;
  const QMetaObject::Connection heard =
      QObject::connect(link_.get(), signal, link_.get(), [&](A... values) {
        if (answer) return;
        T value(values...);
        if (accept && !accept(value)) return;
        answer = std::move(value);
        if (waiting_) waiting_->quit();
      });
  const auto forget = qScopeGuard([&] { QObject::disconnect(heard); });
  sendWith(write);
  waitUntil([&] { return answer || !link_->connection(); }, options_.timeout);
  if (answer) return *answer;
  if (!link_->connection()) lost(qtTrId("ctl_lost_waiting"));
  throw CliError(kTimeOut, qtTrId("ctl_no_answer").arg(options_.timeout.count()));
}

void BoardSession::erase(int group) {
  // The link asks nothing: the command has confirmed (or been told --yes) before it came here.
  ask<bool>([&] { return link_->sendRemoveActions(group); }, &usbHid::groupsErased);
}

protocol::PositionsRead BoardSession::readPositions(const QList<int>& ids) {
  return ask<protocol::PositionsRead>(
      [&] { return link_->sendData(protocol::idList(protocol::kReadPositions, ids)); },
      &usbHid::positionsRead);
}

QList<protocol::ServoDeviation> BoardSession::readTrims(const QList<int>& ids) {
  return ask<QList<protocol::ServoDeviation>>(
      [&] { return link_->sendData(protocol::idList(protocol::kReadDeviations, ids)); },
      &usbHid::trimsRead);
}

void BoardSession::storeTrims(const QList<int>& ids) {
  ask<bool>([&] { return link_->sendData(protocol::idList(protocol::kDownloadDeviations, ids)); },
            &usbHid::trimsStored);
}

int BoardSession::countBusServos() {
  return ask<int>([&] { return link_->sendCheckManyConnectServo(); }, &usbHid::servosCounted);
}

KoServoInfo BoardSession::readServoInfo() {
  return ask<KoServoInfo>([&] { return link_->sendData(protocol::readServoInfo()); },
                          &usbHid::servoInfoRead);
}

void BoardSession::download(const QList<DownloadJob>& jobs,
                            const std::function<void(int, int)>& onFrame) {
  QEventLoop loop;
  struct Listener final : DownloadListener {
    QEventLoop* loop = nullptr;
    std::function<void(int, int)> onFrame;
    std::optional<DownloadResult> result;
    void downloadFrameSent(int job, int frame) override {
      if (onFrame) onFrame(job, frame);
    }
    void downloadFinished(const DownloadResult& r) override {
      result = r;
      loop->quit();
    }
  } listener;
  listener.loop = &loop;
  listener.onFrame = onFrame;

  ActionDownloader downloader(*link_);
  downloader.setListener(&listener);
  downloader.setAckTimeout(options_.timeout);
  QString why;
  if (!downloader.start(jobs, &why)) {
    if (!link_->connection()) lost(qtTrId("ctl_lost_starting"));
    throw CliError(kFileError, qtTrId("ctl_cannot_download").arg(why));
  }
  loop.exec();

  const DownloadResult& r = *listener.result;
  const QString group = r.job >= 0 ? QString::number(jobs[r.job].group) : QString();
  switch (r.end) {
    case DownloadEnd::Done:
      return;
    case DownloadEnd::NoAcknowledgement:
      throw CliError(
          kTimeOut,
          qtTrId("ctl_no_acknowledgement").arg(r.step).arg(group).arg(options_.timeout.count()));
    case DownloadEnd::BoardLost:
      lost(qtTrId("ctl_lost_downloading").arg(group));
    case DownloadEnd::SendFailed:
      throw CliError(kFailed, qtTrId("ctl_step_not_sent").arg(r.step).arg(group));
    case DownloadEnd::Cancelled:
      break;
  }
  throw CliError(kFailed, qtTrId("ctl_download_cancelled"));
}

void BoardSession::settle() {
  // Posted frames (the virtual board) and queued writes go out on the next turns of the loop.
  for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

}  // namespace vornctl
