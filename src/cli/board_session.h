#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <memory>

#include "link/action_downloader.h"
#include "link/protocol.h"
#include "link/servo_info.h"

class QEventLoop;
class usbHid;
class VirtualBoard;
class ORSSerialPort;

namespace vornctl {

// How a board command reaches the board.
struct BoardOptions {
  bool simulate = false;
  int simulatedServos = -1;  // servos on the virtual board's bus; -1 keeps its one
  QStringList faults;        // virtual-board faults, see BoardSession::openSimulated()
  QString serialPort;        // set: servo moves go over this serial line instead of USB
  int baud = 9600;
  std::chrono::milliseconds timeout{10000};
  bool trace = false;
};

// Writes one trace line ("> 55 55 ..." or "< 55 55 ...") to standard error; any thread.
void traceFrame(char direction, const QByteArray& bytes);

// One connection to the board for the length of a command: the USB board (checked to be
// alone and accessible), the virtual board, or a serial line for servo moves. Every wait is
// bounded by the time-out; failures throw CliError with their exit code.
class BoardSession {
 public:
  explicit BoardSession(const BoardOptions& options);
  ~BoardSession();

  // Connects; throws kNoBoard, kSeveralBoards, kNoPermission or kTimeOut.
  void open();
  bool overSerial() const { return !options_.serialPort.isEmpty(); }
  // The USB link (none over serial) and the virtual board (none on a real one), for front ends
  // that keep the session open and play on it.
  usbHid* link() const { return link_.get(); }
  VirtualBoard* virtualBoard() const { return board_.get(); }

  // Sends a frame that gets no reply.
  void send(const QByteArray& frame);
  // Requests that wait for the board's answer.
  void erase(int group);
  protocol::PositionsRead readPositions(const QList<int>& ids);
  QList<protocol::ServoDeviation> readTrims(const QList<int>& ids);
  void storeTrims(const QList<int>& ids);
  // How many bus servos answer the check.
  int countBusServos();
  KoServoInfo readServoInfo();

  // Downloads the jobs; onFrame, if given, is called after each frame went out.
  void download(const QList<DownloadJob>& jobs,
                const std::function<void(int job, int frame)>& onFrame);

  // Lets frames still on their way reach the board before the program ends.
  void settle();

 private:
  class SerialLine;

  bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit);
  // Sends and waits for the link's `signal`; its value is the answer.
  template <class T, class... A>
  T ask(const std::function<bool()>& write, void (usbHid::*signal)(A...),
        const std::function<bool(const T&)>& accept = {});
  void sendWith(const std::function<bool()>& write);
  // A failed write: lost when the link hears of the removal within the grace, else failed.
  [[noreturn]] void sendFailed();
  void openUsb();
  void openSimulated();
  [[noreturn]] void lost(const QString& message);

  BoardOptions options_;
  std::unique_ptr<VirtualBoard> board_;
  std::unique_ptr<usbHid> link_;
  std::unique_ptr<SerialLine> serial_;
  QEventLoop* waiting_ = nullptr;  // the wait under way, woken by an answer
};

}  // namespace vornctl
