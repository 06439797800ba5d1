#pragma once

#include <CLI/CLI.hpp>
#include <QByteArray>
#include <QJsonValue>
#include <QString>

#include "cli/board_session.h"

namespace vornctl {

// The options every board command shares; one subcommand runs, so they share one record.
struct BoardArgs {
  bool simulate = false;
  int simulatedServos = -1;
  std::vector<std::string> faults;
  std::string serialPort;
  int baud = 9600;
  int timeoutMs = 10000;
  bool trace = false;

  BoardOptions options() const;
};

void addBoardCommands(CLI::App& app);
void addFileCommands(CLI::App& app);

// --simulate, --timeout, --trace (and --serial, --baud where moves may go over serial).
void addBoardOptions(CLI::App* command, BoardArgs& args, bool serial);

// The image of an action file; throws CliError(kFileError) for a file that cannot be read,
// is too large, too short or lacks the "SOBARM" header.
QByteArray readActionFile(const QString& path);

void printJson(const QJsonValue& value);
void printText(const QString& text);
// One line on standard error.
void printError(const QString& line);
// A translated text as CLI11's help wants it.
std::string h(const QString& text);
bool stdinIsTerminal();
bool stdoutIsTerminal();

}  // namespace vornctl
