#pragma once

#include <CLI/CLI.hpp>
#include <QByteArray>
#include <QJsonObject>
#include <QString>

#include "cli/board_session.h"
#include "model/limits.h"

namespace vornctl {

// The longest wait for the board in ms, and the servos a virtual board's bus can hold.
inline constexpr limits::Range kTimeoutMs{1, 600000, 10000};
inline constexpr limits::Range kSimulatedServos{0, limits::bus::kToolServoId.maximum, 1};
inline constexpr limits::Range kBaud{1, 4000000, 9600};

// The options every board command shares; one subcommand runs, so they share one record.
struct BoardArgs {
  bool simulate = false;
  int simulatedServos = -1;
  std::vector<std::string> faults;
  std::string serialPort;
  int baud = kBaud.start;
  int timeoutMs = kTimeoutMs.start;
  bool trace = false;

  BoardOptions options() const;
};

void addBoardCommands(CLI::App& app);
void addFileCommands(CLI::App& app);
// `profiles`: the names --profile takes.
void addProfilesCommand(CLI::App& app);
// `file ease`, under the `file` command.
void addEaseCommand(CLI::App* file);

// --simulate, --timeout, --trace (and --serial, --baud where moves may go over serial).
void addBoardOptions(CLI::App* command, BoardArgs& args, bool serial);

// The image of an action file; throws CliError(kFileError) for a file that cannot be read,
// is too large, too short or lacks the "SOBARM" header.
QByteArray readActionFile(const QString& path);
// Writes an action file image to `path` in one step, or to standard output for "-" or no path;
// throws CliError(kFileError) when it cannot.
void writeOut(const QString& path, const QByteArray& bytes);

// A JSON document for scripts; each carries "version", raised when a shape changes.
inline constexpr int kJsonVersion = 1;
void printJson(QJsonObject document);
void printText(const QString& text);
// One line on standard error.
void printError(const QString& line);
// `text` with whatever could steer a terminal written out (see printable()), line by line: a
// file's name reaches the screen as text, whatever bytes it holds. printText and printError
// pass everything through it.
QString forTerminal(const QString& text);
// A translated text as CLI11's help wants it.
std::string h(const QString& text);
// A path given on the command line, as the bytes the system gave, UTF-8 or not.
QString pathOf(const std::string& argument);
bool stdinIsTerminal();
bool stderrIsTerminal();

}  // namespace vornctl
