#include <CLI/CLI.hpp>
#include <QCoreApplication>
#include <cstdio>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "model/language.h"

namespace vornctl {

namespace {

bool verbose = false;

void logHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (verbose || type == QtFatalMsg) printError(message);
}

// Speaks the language chosen in the desktop program, English until one is chosen there, with
// English underneath for any text the chosen language lacks.
void installTranslations() {
  QCoreApplication::setOrganizationName(QStringLiteral("Vorn"));
  QCoreApplication::setApplicationName(QStringLiteral("Vorn"));
  KoLanguage::instance().install(KoLanguage::instance().code());
}

std::string exitCodeList() {
  std::string text = h(qtTrId("ctl_help_exit_codes")) + "\n";
  for (const ExitCodeInfo& e : kExitCodes) {
    text += "  " + std::to_string(e.code) + "  " + h(qtTrId(e.meaningId)) + "\n";
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
      command->add_flag("--simulate", args.simulate, h(qtTrId("ctl_help_simulate")));
  wholeIn(
      command->add_option("--sim-servos", args.simulatedServos, h(qtTrId("ctl_help_sim_servos"))),
      kSimulatedServos)
      ->needs(simulate);
  command->add_option("--sim-fault", args.faults, "")->group("")->needs(simulate);
  if (serial) {
    CLI::Option* port =
        command->add_option("--serial", args.serialPort, h(qtTrId("ctl_help_serial")))
            ->type_name("PORT");
    wholeIn(command->add_option("--baud", args.baud, h(qtTrId("ctl_help_baud"))), kBaud)
        ->needs(port);
    port->excludes(simulate);
  }
  wholeIn(command->add_option("--timeout", args.timeoutMs, h(qtTrId("ctl_help_timeout"))),
          kTimeoutMs);
  command->add_flag("--trace", args.trace, h(qtTrId("ctl_help_trace")));
}

}  // namespace vornctl

int main(int argc, char** argv) {
  using namespace vornctl;
  qInstallMessageHandler(logHandler);
  QCoreApplication app(argc, argv);
  installTranslations();

  CLI::App cli(h(qtTrId("ctl_help_app")), "vornctl");
  cli.set_version_flag("--version", std::string("vornctl ") + VORN_VERSION);
  cli.add_flag("--verbose", verbose, h(qtTrId("ctl_help_verbose")));
  cli.require_subcommand(1);
  cli.footer(exitCodeList());
  // CLI11's messages quote what was typed, escape sequences and all.
  cli.failure_message([](const CLI::App* app, const CLI::Error& e) {
    return forTerminal(QString::fromStdString(CLI::FailureMessage::simple(app, e))).toStdString();
  });
  addBoardCommands(cli);
  addFileCommands(cli);
  addProfilesCommand(cli);

  // Every board option, to tell where each may go and which take a value.
  CLI::App boardOptions;
  BoardArgs unused;
  addBoardOptions(&boardOptions, unused, true);
  std::vector<std::string> given(argv + 1, argv + argc);
  std::vector<std::string> reversed = normalizedArgs(cli, boardOptions, given);
  std::reverse(reversed.begin(), reversed.end());

  try {
    cli.parse(reversed);
  } catch (const CLI::ParseError& e) {
    if (e.get_exit_code() != 0) {
      if (const std::optional<QString> problem = commandProblem(cli, boardOptions, given)) {
        printError(QStringLiteral("vornctl: ") + *problem);
        return kUsage;
      }
    }
    const int code = cli.exit(e);
    return code == 0 ? kDone : kUsage;
  } catch (const CliError& e) {
    printError(QStringLiteral("vornctl: ") + e.message());
    return e.code();
  }
  return kDone;
}
