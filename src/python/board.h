#pragma once

#include <QByteArray>
#include <QList>
#include <atomic>
#include <future>
#include <memory>
#include <mutex>
#include <optional>

#include "cli/board_session.h"
#include "model/arm_profile.h"
#include "python/frames.h"

namespace pybind11 {
class module_;
}
class KoOnlineRun;

namespace vornpy {

// How one run of play() ended.
enum class PlayEnd { Played, Stopped };

// A board as Python holds it (vorn.Board): one BoardSession, as vornctl has for a command,
// kept open until close(), and an online run that plays frames on it. Its Qt objects live on
// the link thread; every member is called from Python threads and hands its work there.
class Board : public std::enable_shared_from_this<Board> {
 public:
  struct Options {
    vornctl::BoardOptions session;
    bool instant = false;  // the virtual board's moves and runs take no time
  };
  static std::shared_ptr<Board> open(const Options& options);
  ~Board();
  void close();
  bool isOpen() const { return open_; }

  std::optional<KoArmProfile> profile;  // set: every move, run and download is held to it

  void move(const QList<ServoPosition>& servos, int ms);
  QList<ServoPosition> positions(const QList<int>& ids);  // read back, missing servos left out
  void unload(const QList<int>& ids);
  QList<protocol::ServoDeviation> trims(const QList<int>& ids);
  void setTrim(int id, int trim);
  void storeTrims(const QList<int>& ids);
  void download(const Frames& frames, const QString& name, int group,
                const std::function<void(int done, int total)>& progress);
  void run(int group, int times);
  void stop();
  void erase(int group);
  int servoCount();
  KoServoInfo readServo();
  // Sets the parameters (indexes into vornctl::kServoParams) on the lone servo's record and
  // writes it; returns the record written.
  KoServoInfo writeServo(const QList<std::pair<int, double>>& params);
  bool overSerial() const { return options_.session.serialPort.size() > 0; }

  // Starts playing; the future ends with the run, or holds BoardLost.
  std::shared_future<PlayEnd> play(const Frames& frames, bool loop, int softStartMs);
  void stopPlaying();
  bool isPlaying() const;
  // The frames the virtual board took with this command code, for tests of scripts; none on a
  // real board.
  QList<QByteArray> simulatedFrames(int command);

 private:
  explicit Board(const Options& options);
  template <class F>
  auto onBoard(F work) -> decltype(work());
  void endPlay(std::optional<PlayEnd> end, std::exception_ptr error = {});
  void playedToEnd();

  struct Run;
  Options options_;
  std::atomic<bool> open_{false};
  std::unique_ptr<vornctl::BoardSession> session_;  // link thread; its going, under the lock
  std::mutex sessionMutex_;
  std::shared_ptr<std::atomic<int>> movesAhead_ = std::make_shared<std::atomic<int>>(0);
  std::unique_ptr<Run> run_;  // link thread
};

void bindBoard(pybind11::module_& m);

}  // namespace vornpy
