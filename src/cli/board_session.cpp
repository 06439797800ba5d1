#include "cli/board_session.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <mutex>

#include "board/virtual_board.h"
#include "board/virtual_hid_transport.h"
#include "cli/exit_codes.h"
#include "cli/usb_boards.h"
#include "link/hidapi_transport.h"
#include "link/protocol.h"
#include "link/serial_port.h"
#include "link/usb_hid.h"

namespace vornctl {

namespace {

using std::chrono::milliseconds;

// Shows every frame that goes out and every report that comes in, then passes them on.
class TracingTransport final : public HidTransport {
 public:
  explicit TracingTransport(std::unique_ptr<HidTransport> inner) : inner_(std::move(inner)) {
    connect(inner_.get(), &HidTransport::deviceArrived, this, &HidTransport::deviceArrived);
    connect(inner_.get(), &HidTransport::deviceRemoved, this, &HidTransport::deviceRemoved);
    connect(inner_.get(), &HidTransport::accessDenied, this, &HidTransport::accessDenied);
    connect(inner_.get(), &HidTransport::reportReceived, this, [this](const QByteArray& report) {
      traceFrame('<', report);
      emit reportReceived(report);
    });
  }
  void start() override { inner_->start(); }
  bool write(const QByteArray& frame) override {
    traceFrame('>', frame);
    return inner_->write(frame);
  }
  QString name() const override { return inner_->name(); }

 private:
  std::unique_ptr<HidTransport> inner_;
};

int faultNumber(const QString& fault, int part) {
  bool ok = false;
  const int n = fault.section(u':', part, part).toInt(&ok);
  if (!ok) throw CliError(kUsage, qtTrId("ctl_bad_fault").arg(fault));
  return n;
}

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

void BoardSession::openSimulated() {
  board_ = std::make_unique<VirtualBoard>();
  board_->setReplyLatency(milliseconds(0));
  if (options_.simulatedServos >= 0) {
    QList<VirtualBoard::BusServo> servos;
    for (int id = 1; id <= options_.simulatedServos; ++id) {
      VirtualBoard::BusServo s;
      s.id = id;
      servos.append(s);
    }
    board_->busServos() = servos;
  }
  for (const QString& fault : options_.faults) {
    const QString kind = fault.section(u':', 0, 0);
    if (kind == QLatin1String("drop-ack")) {
      board_->dropAcknowledgement(faultNumber(fault, 1));
    } else if (kind == QLatin1String("unplug-after")) {
      board_->unplugAfterFrames(faultNumber(fault, 1));
    } else if (kind == QLatin1String("no-reply")) {
      board_->dropRepliesTo(faultNumber(fault, 1));
    } else {
      throw CliError(kUsage, qtTrId("ctl_unknown_fault").arg(fault));
    }
  }
  std::unique_ptr<HidTransport> t = std::make_unique<VirtualHidTransport>(board_.get());
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
  auto check = [&] {
    if (done()) loop.quit();
  };
  QObject::connect(link_.get(), &usbHid::reportReceived, &loop, check);
  QObject::connect(link_.get(), &usbHid::connectionChanged, &loop, check);
  deadline.start(limit);
  loop.exec();
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
  if (!link_->connection()) lost(qtTrId("ctl_lost_sending"));
  if (!link_->sendData(frame)) {
    if (!link_->connection()) lost(qtTrId("ctl_lost_sending"));
    throw CliError(kFailed, qtTrId("ctl_send_failed"));
  }
}

QByteArray BoardSession::request(const QByteArray& frame, int replyCommand) {
  QByteArray reply;
  QMetaObject::Connection c =
      QObject::connect(link_.get(), &usbHid::reportReceived, [&](const QByteArray& report) {
        if (reply.isEmpty() && protocol::replyCommand(report) == replyCommand) reply = report;
      });
  send(frame);
  waitUntil([&] { return !reply.isEmpty() || !link_->connection(); }, options_.timeout);
  QObject::disconnect(c);
  if (!reply.isEmpty()) return reply;
  if (!link_->connection()) lost(qtTrId("ctl_lost_waiting"));
  throw CliError(kTimeOut, qtTrId("ctl_no_answer").arg(options_.timeout.count()));
}

void BoardSession::download(const QList<DownloadJob>& jobs,
                            const std::function<void(int, int)>& onFrame) {
  QEventLoop loop;
  struct Listener final : DownloadListener {
    QEventLoop* loop = nullptr;
    std::function<void(int, int)> onFrame;
    std::optional<DownloadResult> result;
    void downloadFrameSent(int job, int frame) override { onFrame(job, frame); }
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
