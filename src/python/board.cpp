// Python's headers come before Qt's, whose `slots` keyword they use as a name.
#include <pybind11/pybind11.h>

#include "python/board.h"

#include <QCoreApplication>
#include <algorithm>
#include <thread>

#include "board/virtual_board.h"
#include "cli/exit_codes.h"
#include "cli/servo_params.h"
#include "link/protocol.h"
#include "link/usb_hid.h"
#include "python/link_thread.h"
#include "session/online_run.h"

namespace py = pybind11;
using namespace std::chrono_literals;

namespace vornpy {

namespace {

// Moves and runs on a virtual board that take no time: a frame's time passes as soon as the
// run waits for it. Each wait still gives a stop a moment, so that a looping run goes at a pace
// a script can stop.
class InstantClock final : public KoRunClock {
 public:
  Clock::time_point now() override { return Clock::time_point(Clock::duration(ticks_.load())); }
  bool sleepUntil(Clock::time_point due, std::condition_variable& wake,
                  std::unique_lock<std::mutex>& lock,
                  const std::function<bool()>& cancelled) override {
    wake.wait_for(lock, 1ms, cancelled);
    if (cancelled()) return false;
    ticks_ = std::max(ticks_.load(), due.time_since_epoch().count());
    return true;
  }

 private:
  std::atomic<Clock::rep> ticks_{0};
};

[[noreturn]] void lostWhilePlaying() {
  throw vornctl::CliError(vornctl::kBoardLost, qtTrId("ctl_lost_sending"));
}

}  // namespace

struct Board::Run {
  InstantClock instantClock;
  std::unique_ptr<KoOnlineRun> online;
  QList<QByteArray> moves;  // set while no run plays; the sender reads them
  QByteArray softFirst;
  std::atomic<bool> softPending{false};
  std::optional<std::promise<PlayEnd>> ending;
  int plays = 0;  // counts play() calls, so that a late word of an old run is not taken
};

Board::Board(const Options& options) : options_(options) {}

Board::~Board() {
  if (LinkThread::instance().hasEnded()) {
    // The interpreter is ending: the session's thread is gone, so its objects are let go.
    (void)run_.release();
    (void)session_.release();
    return;
  }
  close();
}

template <class F>
auto Board::onBoard(F work) -> decltype(work()) {
  if (!open_) throw Error(QStringLiteral("the board is closed"));
  return LinkThread::instance().call(std::move(work));
}

std::shared_ptr<Board> Board::open(const Options& options) {
  std::shared_ptr<Board> board(new Board(options));
  LinkThread::instance().call([&] {
    auto session = std::make_unique<vornctl::BoardSession>(options.session);
    try {
      session->open();
    } catch (const vornctl::CliError& e) {
      // No board came within the time: for a script, there is none.
      if (e.code() == vornctl::kTimeOut) throw vornctl::CliError(vornctl::kNoBoard, e.message());
      // vornctl's hint names its own option.
      if (e.message() == qtTrId("ctl_no_usb_board")) {
        throw vornctl::CliError(vornctl::kNoBoard, qtTrId("py_no_usb_board"));
      }
      throw;
    }
    board->session_ = std::move(session);
    if (options.instant && board->session_->virtualBoard()) {
      // Each reading of the board's clock is an hour on, so every move has ended by the next.
      auto hours = std::make_shared<std::atomic<int>>(0);
      board->session_->virtualBoard()->setClock([start = VirtualBoard::Clock::now(), hours] {
        return start + std::chrono::hours(++*hours);
      });
    }
    auto run = std::make_unique<Run>();
    std::weak_ptr<Board> weak = board;
    // The board outlives its run's sender: close() stops the run before the board goes.
    run->online = std::make_unique<KoOnlineRun>([weak, b = board.get(), r = run.get()](int frame) {
      const bool soft = frame == 0 && r->softPending.exchange(false);
      const QByteArray move = soft ? r->softFirst : r->moves.value(frame);
      // The serial line is written from its own thread; USB from any.
      if (b->overSerial() || !b->session_->link()->sendData(move)) {
        LinkThread::instance().post([weak, move] {
          const std::shared_ptr<Board> b = weak.lock();
          if (!b || !b->session_) return;
          try {
            b->session_->send(move);
          } catch (...) {
            b->endPlay(std::nullopt, std::current_exception());
          }
        });
      }
    });
    if (options.instant) run->online->setClock(&run->instantClock);
    board->run_ = std::move(run);
    if (usbHid* link = board->session_->link()) {
      QObject::connect(link, &usbHid::connectionChanged, link, [weak](bool connected) {
        const std::shared_ptr<Board> b = weak.lock();
        if (connected || !b || !b->run_) return;
        try {
          lostWhilePlaying();
        } catch (...) {
          b->endPlay(std::nullopt, std::current_exception());
        }
      });
    }
    QObject::connect(board->run_->online.get(), &KoOnlineRun::runOver, board->run_->online.get(),
                     [weak] {
                       if (const std::shared_ptr<Board> b = weak.lock()) b->playedToEnd();
                     });
  });
  board->open_ = true;
  return board;
}

void Board::close() {
  if (!open_.exchange(false)) return;
  LinkThread::instance().call([this] {
    endPlay(PlayEnd::Stopped);
    run_.reset();
    session_->settle();
    std::lock_guard lock(sessionMutex_);
    session_.reset();
  });
}

void Board::endPlay(std::optional<PlayEnd> end, std::exception_ptr error) {
  if (!run_) return;
  run_->online->stop();
  if (!run_->ending) return;
  if (end) {
    run_->ending->set_value(*end);
  } else {
    run_->ending->set_exception(error);
  }
  run_->ending.reset();
}

void Board::playedToEnd() {
  // A run on the instant clock is over as soon as its last frame is due, which may be before
  // the sender has taken the frame up: a run played to its end has sent every frame.
  while (run_->online->queuedSends() > 0) std::this_thread::yield();
  run_->online->stop();
  // Told after what the last frames bring (the board gone, say), which is queued ahead.
  QMetaObject::invokeMethod(
      run_->online.get(),
      [weak = weak_from_this(), play = run_->plays] {
        const std::shared_ptr<Board> b = weak.lock();
        if (b && b->run_ && b->run_->plays == play) b->endPlay(PlayEnd::Played);
      },
      Qt::QueuedConnection);
}

void Board::move(const QList<ServoPosition>& servos, int ms) {
  // Moves a script may have on their way to the board before the next waits: a loop of moves
  // must not bury the answers other calls wait for under a backlog.
  constexpr int kMovesAhead = 16;
  const QByteArray move = frame::multiServoMove(ms, servos);
  bool sent = false;
  {
    // A move needs no answer: over USB it goes out from the caller's thread, as a run's moves
    // do, and only a failure is left to the link thread to tell.
    py::gil_scoped_release released;
    std::lock_guard lock(sessionMutex_);
    if (open_ && !overSerial() && *movesAhead_ < kMovesAhead && session_->link()->sendData(move)) {
      ++*movesAhead_;
      // Runs once the link thread has handled what came before it, the move included.
      LinkThread::instance().post([ahead = movesAhead_] { --*ahead; });
      sent = true;
    }
  }
  if (!sent) onBoard([&] { session_->send(move); });
}

QList<ServoPosition> Board::positions(const QList<int>& ids) {
  return onBoard([&] { return session_->readPositions(ids).readings; });
}

void Board::unload(const QList<int>& ids) {
  onBoard([&] { session_->send(protocol::idList(protocol::kUnloadServos, ids)); });
}

QList<protocol::ServoDeviation> Board::trims(const QList<int>& ids) {
  return onBoard([&] { return session_->readTrims(ids); });
}

void Board::setTrim(int id, int trim) {
  onBoard([&] { session_->send(protocol::adjustmentDeviation(id, trim)); });
}

void Board::storeTrims(const QList<int>& ids) {
  onBoard([&] { session_->storeTrims(ids); });
}

void Board::download(const Frames& frames, const QString& name, int group,
                     const std::function<void(int, int)>& progress) {
  DownloadJob job{group, movesOf(frames), name};
  onBoard([&] {
    session_->download({job}, [&](int, int frame) {
      if (progress) progress(frame + 1, int(job.frames.size()));
    });
    session_->settle();
  });
}

void Board::run(int group, int times) {
  onBoard([&] {
    stopPlaying();
    session_->send(protocol::actionsRun(group, times));
  });
}

void Board::stop() {
  onBoard([&] {
    stopPlaying();
    session_->send(protocol::stopActions());
  });
}

void Board::erase(int group) {
  onBoard([&] { session_->erase(group); });
}

int Board::servoCount() {
  return onBoard([&] { return session_->countBusServos(); });
}

KoServoInfo Board::readServo() {
  return onBoard([&] {
    // Only a lone servo answers a read, and a write would reach every servo there is.
    const int count = session_->countBusServos();
    if (count != 1) {
      throw vornctl::CliError(vornctl::kRefused, qtTrId("ctl_not_one_servo_to_read", count));
    }
    return session_->readServoInfo();
  });
}

KoServoInfo Board::writeServo(const QList<std::pair<int, double>>& params) {
  return onBoard([&] {
    const int count = session_->countBusServos();
    if (count != 1) throw vornctl::CliError(vornctl::kRefused, qtTrId("ctl_not_one_servo", count));
    KoServoInfo info = session_->readServoInfo();
    bool limitsGiven = false;
    for (auto [index, value] : params) {
      vornctl::setServoParam(info, index, value);
      limitsGiven =
          limitsGiven || (index >= vornctl::kParamMinAngle && index <= vornctl::kParamMaxVoltage);
    }
    // The screen moves a limit apart; a script would not see that happen.
    if (limitsGiven) vornctl::checkServoLimits(info);
    session_->send(protocol::writeServoInfo(info));
    return info;
  });
}

std::shared_future<PlayEnd> Board::play(const Frames& frames, bool loop, int softStartMs) {
  const QList<QByteArray> moves = movesOf(frames);
  QList<int> durations;
  for (const Frame& f : frames) durations.append(f.timeMs);
  return onBoard([&] {
    stopPlaying();
    ++run_->plays;
    run_->moves = moves;
    run_->softFirst =
        moves.isEmpty() ? QByteArray() : frame::withTimeAtLeast(moves[0], softStartMs);
    run_->softPending = softStartMs > 0;
    run_->ending.emplace();
    std::shared_future<PlayEnd> ended = run_->ending->get_future().share();
    if (moves.isEmpty()) {
      endPlay(PlayEnd::Played);
    } else {
      run_->online->start(durations, loop, softStartMs);
    }
    return ended;
  });
}

void Board::stopPlaying() {
  if (LinkThread::instance().isCurrent()) return endPlay(PlayEnd::Stopped);
  if (open_) onBoard([&] { endPlay(PlayEnd::Stopped); });
}

bool Board::isPlaying() const { return open_ && run_ && run_->online->isRunning(); }

QList<QByteArray> Board::simulatedFrames(int command) {
  return onBoard([&] {
    QCoreApplication::processEvents();
    VirtualBoard* v = session_->virtualBoard();
    return v ? v->receivedWith(command) : QList<QByteArray>();
  });
}

}  // namespace vornpy
