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
  const char* meaning;
};

inline constexpr ExitCodeInfo kExitCodes[] = {
    {kDone, "done"},
    {kFailed, "failed otherwise"},
    {kUsage, "bad usage"},
    {kNoBoard, "no board (or the serial port cannot be opened)"},
    {kSeveralBoards, "several boards on USB"},
    {kNoPermission, "no permission to open the board"},
    {kTimeOut, "the board did not answer in time"},
    {kBoardLost, "the board was lost"},
    {kRefused, "refused by the board or the user"},
    {kFileError, "file error"},
};

// Ends a command: main() prints the message on standard error and exits with the code.
class CliError : public std::runtime_error {
 public:
  CliError(int code, const QString& message)
      : std::runtime_error(message.toStdString()), code_(code) {}
  int code() const { return code_; }

 private:
  int code_;
};

}  // namespace vornctl
