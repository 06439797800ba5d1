#pragma once

#include <QString>
#include <stdexcept>

// vornctl's exit codes, listed in its --help. Scripts rely on them: never renumber.
namespace vornctl {

enum ExitCode : int {
  kDone = 0,
  kFailed = 1,         // anything not covered below (the board answered only in part, ...)
  kUsage = 2,          // bad arguments
  kNoBoard = 3,        // no board on USB, or the serial port could not be opened
  kSeveralBoards = 4,  // more than one board on USB
  kNoPermission = 5,   // a board is there but may not be opened
  kTimeOut = 6,        // the board did not answer in time
  kBoardLost = 7,      // the board went away while working
  kRefused = 8,        // refused by the board or by the user
  kFileError = 9,      // a file could not be read, was damaged or could not be written
};

struct ExitCodeInfo {
  int code;
  const char* meaningId;  // translation id
};

inline constexpr ExitCodeInfo kExitCodes[] = {
    {kDone, QT_TRID_NOOP("ctl_exit_done")},
    {kFailed, QT_TRID_NOOP("ctl_exit_failed")},
    {kUsage, QT_TRID_NOOP("ctl_exit_usage")},
    {kNoBoard, QT_TRID_NOOP("ctl_exit_no_board")},
    {kSeveralBoards, QT_TRID_NOOP("ctl_exit_several_boards")},
    {kNoPermission, QT_TRID_NOOP("ctl_exit_no_permission")},
    {kTimeOut, QT_TRID_NOOP("ctl_exit_time_out")},
    {kBoardLost, QT_TRID_NOOP("ctl_exit_board_lost")},
    {kRefused, QT_TRID_NOOP("ctl_exit_refused")},
    {kFileError, QT_TRID_NOOP("ctl_exit_file_error")},
};

// Ends a command: main() prints the message on standard error and exits with the code.
class CliError : public std::runtime_error {
 public:
  CliError(int code, const QString& message)
      : std::runtime_error(message.toStdString()), code_(code), message_(message) {}
  int code() const { return code_; }
  // The message as made: a name that is not UTF-8 keeps its bytes here, not in what().
  const QString& message() const { return message_; }

 private:
  int code_;
  QString message_;
};

}  // namespace vornctl
