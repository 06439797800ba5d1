#include <CLI/CLI.hpp>
#include <QCoreApplication>
#include <cstdio>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "model/prompter.h"

namespace vornctl {

namespace {

bool verbose = false;

void logHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (verbose || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

// The link's own tips (time-outs, failed sends) are for the desktop; every command here
// reports its outcome itself, so they only go to the log.
class QuietPrompter final : public Prompter {
 public:
  void showTip(const QString& message) override { qInfo().noquote() << "tip:" << message; }
  bool confirm(const QString&) override { return false; }
};

std::string exitCodeList() {
  std::string text = "Exit codes:\n";
  for (const ExitCodeInfo& e : kExitCodes) {
    text += "  " + std::to_string(e.code) + "  " + e.meaning + "\n";
  }
  return text;
}

}  // namespace

BoardOptions BoardArgs::options() const {
  BoardOptions o;
  o.simulate = simulate;
  o.simulatedServos = simulatedServos;
  for (const std::string& f : faults) o.faults.append(QString::fromStdString(f));
  o.serialPort = QString::fromStdString(serialPort);
  o.baud = baud;
  o.timeout = std::chrono::milliseconds(timeoutMs);
  o.trace = trace;
  return o;
}

void addBoardOptions(CLI::App* command, BoardArgs& args, bool serial) {
  CLI::Option* simulate =
      command->add_flag("--simulate", args.simulate, "Use the virtual board instead of USB");
  command
      ->add_option("--sim-servos", args.simulatedServos,
                   "Servos on the virtual board's bus (default: the arm's six, one bus servo)")
      ->check(CLI::Range(1, 40))
      ->needs(simulate);
  command->add_option("--sim-fault", args.faults, "")->group("")->needs(simulate);
  if (serial) {
    CLI::Option* port =
        command->add_option("--serial", args.serialPort, "Send over this serial port instead");
    command->add_option("--baud", args.baud, "Serial speed (default 9600)")->needs(port);
    port->excludes(simulate);
  }
  command->add_option("--timeout", args.timeoutMs, "Wait at most this many ms (default 10000)")
      ->check(CLI::Range(1, 600000));
  command->add_flag("--trace", args.trace,
                    "Print every frame sent (>) and report received (<) as hex on stderr");
}

}  // namespace vornctl

int main(int argc, char** argv) {
  using namespace vornctl;
  qInstallMessageHandler(logHandler);
  QCoreApplication app(argc, argv);
  QuietPrompter prompter;
  KoTools::installPrompter(&prompter);

  CLI::App cli("vornctl: the robot arm's controller board and action files from the command line",
               "vornctl");
  cli.set_version_flag("--version", std::string("vornctl ") + VORN_VERSION);
  cli.add_flag("--verbose", verbose, "Show the link's log on standard error");
  cli.require_subcommand(1);
  cli.footer(exitCodeList());
  addBoardCommands(cli);
  addFileCommands(cli);

  try {
    cli.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    const int code = cli.exit(e);
    return code == 0 ? kDone : kUsage;
  } catch (const CliError& e) {
    std::fprintf(stderr, "vornctl: %s\n", e.what());
    return e.code();
  }
  return kDone;
}
