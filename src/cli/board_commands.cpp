#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QSerialPortInfo>
#include <cstdio>
#include <iostream>

#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/servo_params.h"
#include "cli/usb_boards.h"
#include "link/hid_transport.h"
#include "link/hidapi_transport.h"
#include "link/protocol.h"
#include "model/action_file.h"

namespace vornctl {

namespace {

constexpr int kDefaultChannels = 6;

struct Args {
  BoardArgs board;
  bool json = false;
  bool yes = false;
  int group = 0;
  std::string groupOrAll;
  std::string file;
  std::vector<std::string> files;
  std::vector<int> ids;
  int id = 1;
  int position = 500;
  int time = -1;
  int value = 0;
  std::string mode;
  std::vector<std::optional<double>> params = std::vector<std::optional<double>>(kServoParamCount);
  QList<DownloadJob> jobs;  // read before connecting, so that a bad file costs no board time
};

Args args;

QList<int> idsOrChannels() {
  QList<int> ids(args.ids.begin(), args.ids.end());
  if (ids.isEmpty()) {
    for (int id = 1; id <= kDefaultChannels; ++id) ids.append(id);
  }
  if (ids.size() > protocol::kMaxIds) {
    throw CliError(kUsage, QStringLiteral("at most %1 ids at a time").arg(protocol::kMaxIds));
  }
  return ids;
}

QString idsText(const QList<int>& ids) {
  QStringList s;
  for (int id : ids) s.append(QString::number(id));
  return s.join(u' ');
}

// A board command: check what needs no board, connect, act, let the frames reach the board.
CLI::App* boardCommand(CLI::App& parent, const char* name, const char* help, bool serial,
                       std::function<void(BoardSession&)> act, std::function<void()> prepare = {}) {
  CLI::App* c = parent.add_subcommand(name, help);
  addBoardOptions(c, args.board, serial);
  c->callback([act, prepare] {
    if (prepare) prepare();
    BoardSession session(args.board.options());
    session.open();
    act(session);
    session.settle();
  });
  return c;
}

void addIds(CLI::App* c, const char* help) {
  c->add_option("ID", args.ids, help)->check(CLI::Range(0, 253));
}

// Readings of the asked ids, in the asked order; ids without a reading are reported missing.
template <class Reading>
void printReadings(const QList<int>& ids, const QList<Reading>& readings, const char* key,
                   int Reading::*value) {
  QJsonArray found;
  QJsonArray missing;
  QStringList missingIds;
  QString text;
  for (int id : ids) {
    const auto it = std::find_if(readings.begin(), readings.end(),
                                 [id](const Reading& r) { return r.id == id; });
    if (it == readings.end()) {
      missing.append(id);
      missingIds.append(QString::number(id));
      text += QStringLiteral("%1 -\n").arg(id);
      continue;
    }
    found.append(QJsonObject{{QStringLiteral("id"), id}, {QLatin1String(key), (*it).*value}});
    text += QStringLiteral("%1 %2\n").arg(id).arg((*it).*value);
  }
  if (args.json) {
    printJson(QJsonObject{{QStringLiteral("servos"), found}, {QStringLiteral("missing"), missing}});
  } else {
    printText(text);
  }
  if (!missingIds.isEmpty()) {
    throw CliError(kFailed, QStringLiteral("no answer from servo %1").arg(missingIds.join(u' ')));
  }
}

// Shows how a download goes: a bar on a terminal, a line every tenth otherwise.
class Progress {
 public:
  explicit Progress(const QList<DownloadJob>& jobs) : jobs_(jobs), terminal_(stdoutIsTerminal()) {}
  // A message after a broken-off bar starts on a line of its own.
  ~Progress() {
    if (barOpen_) std::printf("\n");
  }

  void frameSent(int job, int frame) {
    const DownloadJob& j = jobs_[job];
    const int done = frame + 1;
    const int total = static_cast<int>(j.frames.size());
    if (terminal_) {
      constexpr int kWidth = 30;
      const int filled = total > 0 ? done * kWidth / total : kWidth;
      std::printf("\rgroup %3d [%s%s] %d/%d", j.group, std::string(filled, '#').c_str(),
                  std::string(kWidth - filled, '.').c_str(), done, total);
      barOpen_ = done != total;
      if (!barOpen_) std::printf("\n");
    } else if (done == total || done % std::max(1, total / 10) == 0) {
      std::printf("group %d: %d/%d frames\n", j.group, done, total);
    }
    std::fflush(stdout);
  }

 private:
  const QList<DownloadJob>& jobs_;
  bool terminal_;
  bool barOpen_ = false;
};

void download(BoardSession& session, const QList<DownloadJob>& jobs) {
  {
    Progress progress(jobs);
    session.download(jobs, [&](int job, int frame) { progress.frameSent(job, frame); });
  }
  for (const DownloadJob& j : jobs) {
    printText(QStringLiteral("%1 downloaded into group %2 (%3 frames)\n")
                  .arg(j.name)
                  .arg(j.group)
                  .arg(j.frames.size()));
  }
}

DownloadJob jobOf(const QString& path, int group) {
  DownloadJob job;
  job.group = group;
  job.name = QFileInfo(path).fileName();
  for (const PwmFrame& f : KoTools::readPwmData(readActionFile(path))) job.frames.append(f->bytes);
  if (job.frames.size() > protocol::kMaxDownloadFrames) {
    throw CliError(kFileError, QStringLiteral("%1 holds %2 frames; a group takes at most %3")
                                   .arg(path)
                                   .arg(job.frames.size())
                                   .arg(protocol::kMaxDownloadFrames));
  }
  return job;
}

bool confirmed(const QString& question) {
  if (args.yes) return true;
  if (!stdinIsTerminal()) {
    throw CliError(kRefused, question + QStringLiteral(" Not asked: standard input is not a "
                                                       "terminal; add --yes."));
  }
  std::fprintf(stderr, "%s [y/N] ", qPrintable(question));
  std::fflush(stderr);
  std::string answer;
  std::getline(std::cin, answer);
  return answer == "y" || answer == "Y" || answer == "yes";
}

int eraseGroup() {
  if (args.groupOrAll == "all") return protocol::kAllGroups;
  return std::stoi(args.groupOrAll);
}

QString eraseWhat() {
  const int group = eraseGroup();
  return group == protocol::kAllGroups ? QStringLiteral("every action group")
                                       : QStringLiteral("action group %1").arg(group);
}

void confirmErase() {
  if (!confirmed(QStringLiteral("Erase %1 on the board?").arg(eraseWhat()))) {
    throw CliError(kRefused, QStringLiteral("nothing erased"));
  }
}

void erase(BoardSession& session) {
  session.request(protocol::removeActions(eraseGroup()), protocol::kEraseActionGroup);
  printText(QStringLiteral("%1 erased\n").arg(eraseWhat()));
}

int busServoCount(BoardSession& session) {
  const QByteArray reply =
      session.request(protocol::checkManyConnectServo(), protocol::kReadPositions);
  return reply.size() > 4 ? static_cast<quint8>(reply[4]) : 0;
}

protocol::ServoInfo readServo(BoardSession& session) {
  const auto info = protocol::decodeServoInfo(
      session.request(protocol::readServoInfo(), protocol::kReadServoInfo));
  if (!info) throw CliError(kFailed, QStringLiteral("the board's answer was too short"));
  return *info;
}

void checkServoWrite() {
  bool any = false;
  for (const auto& p : args.params) any = any || p.has_value();
  if (!any) throw CliError(kUsage, QStringLiteral("give at least one parameter to write"));
}

void writeServo(BoardSession& session) {
  const int count = busServoCount(session);
  if (count != 1) {
    throw CliError(kRefused, QStringLiteral("%1 bus servos answer; writing needs exactly one on "
                                            "the bus")
                                 .arg(count));
  }
  protocol::ServoInfo info = readServo(session);
  for (int i = 0; i < kServoParamCount; ++i) {
    if (args.params[i]) setServoParam(info, i, *args.params[i]);
  }
  const bool limitsGiven = args.params[kParamMinAngle] || args.params[kParamMaxAngle] ||
                           args.params[kParamMinVoltage] || args.params[kParamMaxVoltage];
  if (limitsGiven) checkServoLimits(info);
  session.send(servoWriteFrame(info));
  if (args.json) {
    printJson(servoInfoJson(info));
  } else {
    printText(servoInfoText(info));
  }
}

QByteArray motorFrame(int id, int speed, int mode) {
  // Negative speeds travel as two's-complement hex text, as the tool sends them.
  const QString text =
      speed < 0 ? QString::number(static_cast<quint32>(speed), 16) : QString::number(speed);
  return protocol::speed(QString::number(id), text, mode);
}

void addList(CLI::App& app) {
  CLI::App* c = app.add_subcommand("list", "Boards found on USB and the serial ports");
  c->add_flag("--simulate", args.board.simulate, "List the virtual board as well");
  c->add_flag("--json", args.json, "Print JSON");
  c->callback([] {
    QJsonArray boards;
    QString text = QStringLiteral("USB boards:\n");
    if (args.board.simulate) {
      boards.append(QJsonObject{{QStringLiteral("path"), QStringLiteral("virtual")},
                                {QStringLiteral("product"), HidTransport::kProductName},
                                {QStringLiteral("access"), QStringLiteral("ok")}});
      text += QStringLiteral("  virtual board\n");
    }
    for (const UsbBoard& b : findUsbBoards(*makeHidapiBackend())) {
      boards.append(
          QJsonObject{{QStringLiteral("path"), b.path},
                      {QStringLiteral("product"), b.product},
                      {QStringLiteral("access"),
                       b.accessible ? QStringLiteral("ok") : QStringLiteral("no permission")}});
      text += QStringLiteral("  %1  %2\n").arg(b.path, b.product);
      if (!b.accessible) text += QStringLiteral("    no permission: %1\n").arg(udevHint());
    }
    if (boards.isEmpty()) text += QStringLiteral("  none\n");
    QJsonArray ports;
    text += QStringLiteral("Serial ports:\n");
    for (const QSerialPortInfo& p : QSerialPortInfo::availablePorts()) {
      ports.append(QJsonObject{{QStringLiteral("name"), p.portName()},
                               {QStringLiteral("path"), p.systemLocation()},
                               {QStringLiteral("description"), p.description()}});
      const QString line = QStringLiteral("  %1  %2").arg(p.systemLocation(), p.description());
      text += line.left(line.size() - (p.description().isEmpty() ? 2 : 0)) + u'\n';
    }
    if (ports.isEmpty()) text += QStringLiteral("  none\n");
    if (args.json) {
      printJson(
          QJsonObject{{QStringLiteral("boards"), boards}, {QStringLiteral("serialPorts"), ports}});
    } else {
      printText(text);
    }
  });
}

void addDownloads(CLI::App& app) {
  CLI::App* c = boardCommand(
      app, "download", "Download an action file into a group", false,
      [](BoardSession& s) { download(s, args.jobs); },
      [] { args.jobs = {jobOf(QString::fromStdString(args.file), args.group)}; });
  c->add_option("GROUP", args.group, "Action group, 0 to 230")
      ->required()
      ->check(CLI::Range(0, 230));
  c->add_option("FILE", args.file, "Action file (.rob)")->required();

  // Every file is read and named right before the first frame goes out.
  c = boardCommand(
      app, "download-many",
      "Download action files, each into the group its name begins with (3号wave.rob)", false,
      [](BoardSession& s) { download(s, args.jobs); },
      [] {
        for (const std::string& f : args.files) {
          const QString path = QString::fromStdString(f);
          const int group = KoTools::groupOfFileName(QFileInfo(path).fileName());
          if (group < 0) {
            throw CliError(kFileError, QStringLiteral("%1: the name must begin with a group "
                                                      "number 0 to 230 and 号, as in 3号wave.rob")
                                           .arg(path));
          }
          args.jobs.append(jobOf(path, group));
        }
      });
  c->add_option("FILE", args.files, "Action files named <group>号<name>.rob")->required();
}

}  // namespace

void addBoardCommands(CLI::App& app) {
  addList(app);
  addDownloads(app);

  CLI::App* c = boardCommand(app, "run", "Run a stored action group", false, [](BoardSession& s) {
    s.send(protocol::actionsRun(args.group));
    printText(QStringLiteral("group %1 started\n").arg(args.group));
  });
  c->add_option("GROUP", args.group, "Action group, 0 to 230")
      ->required()
      ->check(CLI::Range(0, 230));

  boardCommand(app, "stop", "Stop the running action group", false, [](BoardSession& s) {
    s.send(protocol::stopActions());
    printText(QStringLiteral("stopped\n"));
  });

  c = boardCommand(app, "erase", "Erase an action group, or all of them", false, erase,
                   confirmErase);
  c->add_option("GROUP", args.groupOrAll, "Action group 0 to 230, or all")
      ->required()
      ->check(CLI::IsMember({"all"}) | CLI::Range(0, 230));
  c->add_flag("--yes,-y", args.yes, "Do not ask");

  c = boardCommand(app, "move", "Move one servo", true, [](BoardSession& s) {
    const int time = args.time >= 0 ? args.time : (s.overSerial() ? protocol::kSerialMoveTime : 0);
    s.send(protocol::oneSteering(args.id, args.position, time));
    printText(
        QStringLiteral("servo %1 to %2 in %3 ms\n").arg(args.id).arg(args.position).arg(time));
  });
  c->add_option("ID", args.id, "Servo id")->required()->check(CLI::Range(0, 253));
  c->add_option("POS", args.position, "Position, 0 to 1000")
      ->required()
      ->check(CLI::Range(0, 1000));
  c->add_option("--time", args.time, "Time of the move in ms (0 on USB, 20 on serial)")
      ->check(CLI::Range(0, 30000));

  boardCommand(app, "reset", "Move servos 1 to 40 to 500 in one second", true, [](BoardSession& s) {
    s.send(protocol::reSetAllSteer());
    printText(QStringLiteral("servos 1 to 40 to 500\n"));
  });

  c = boardCommand(app, "unload", "Power servos off so that the arm can be posed by hand", false,
                   [](BoardSession& s) {
                     const QList<int> ids = idsOrChannels();
                     s.send(protocol::idList(protocol::kUnloadServos, ids));
                     printText(QStringLiteral("unloaded %1\n").arg(idsText(ids)));
                   });
  addIds(c, "Servo ids (default 1 to 6)");

  c = boardCommand(app, "read-positions", "Read servo positions", false, [](BoardSession& s) {
    const QList<int> ids = idsOrChannels();
    const QByteArray reply =
        s.request(protocol::idList(protocol::kReadPositions, ids), protocol::kReadPositions);
    printReadings(ids, protocol::decodePositions(reply), "position", &ServoPosition::position);
  });
  addIds(c, "Servo ids (default 1 to 6)");
  c->add_flag("--json", args.json, "Print JSON");

  CLI::App* trims = app.add_subcommand("trims", "Servo position trims");
  trims->require_subcommand(1);
  c = boardCommand(*trims, "read", "Read trims", false, [](BoardSession& s) {
    const QList<int> ids = idsOrChannels();
    const QByteArray reply =
        s.request(protocol::idList(protocol::kReadDeviations, ids), protocol::kReadDeviations);
    printReadings(ids, protocol::decodeDeviations(reply), "trim",
                  &protocol::ServoDeviation::deviation);
  });
  addIds(c, "Servo ids (default 1 to 6)");
  c->add_flag("--json", args.json, "Print JSON");
  c = boardCommand(*trims, "store", "Store the servos' current trims in the servos", false,
                   [](BoardSession& s) {
                     const QList<int> ids = idsOrChannels();
                     s.request(protocol::idList(protocol::kDownloadDeviations, ids),
                               protocol::kDownloadDeviations);
                     printText(QStringLiteral("trims stored for %1\n").arg(idsText(ids)));
                   });
  addIds(c, "Servo ids (default 1 to 6)");
  c = boardCommand(*trims, "adjust", "Set a servo's trim (not stored until trims store)", false,
                   [](BoardSession& s) {
                     s.send(protocol::adjustmentDeviation(args.id, args.value));
                     printText(QStringLiteral("servo %1 trim %2\n").arg(args.id).arg(args.value));
                   });
  c->add_option("ID", args.id, "Servo id")->required()->check(CLI::Range(0, 253));
  c->add_option("VALUE", args.value, "Trim, -100 to 100")->required()->check(CLI::Range(-100, 100));

  CLI::App* servo = app.add_subcommand("servo", "A serial bus servo on the board's bus");
  servo->require_subcommand(1);
  c = boardCommand(*servo, "check", "Count the bus servos that answer (ids 1 to 6)", false,
                   [](BoardSession& s) {
                     const int n = busServoCount(s);
                     if (args.json) {
                       printJson(QJsonObject{{QStringLiteral("servos"), n}});
                     } else {
                       printText(QStringLiteral("%1 bus servo%2 answer%3\n")
                                     .arg(n)
                                     .arg(n == 1 ? "" : "s")
                                     .arg(n == 1 ? "s" : ""));
                     }
                   });
  c->add_flag("--json", args.json, "Print JSON");
  c = boardCommand(*servo, "read", "Read every parameter of the bus servo", false,
                   [](BoardSession& s) {
                     const protocol::ServoInfo info = readServo(s);
                     if (args.json) {
                       printJson(servoInfoJson(info));
                     } else {
                       printText(servoInfoText(info));
                     }
                   });
  c->add_flag("--json", args.json, "Print JSON");
  c = boardCommand(*servo, "write",
                   "Change the given parameters of the only servo on the bus (read, then write)",
                   false, writeServo, checkServoWrite);
  for (int i = 0; i < kServoParamCount; ++i) {
    const ServoParam& p = kServoParams[i];
    const std::string name = std::string("--") + p.option;
    if (p.kind == ServoParamKind::Switch) {
      c->add_option_function<std::string>(
           name, [i](const std::string& v) { args.params[i] = v == "on" ? 1.0 : 0.0; }, p.help)
          ->check(CLI::IsMember({"on", "off"}));
    } else if (p.kind == ServoParamKind::Volts) {
      c->add_option_function<double>(
           name, [i](const double& v) { args.params[i] = v; }, p.help)
          ->check(CLI::Range(p.min, p.max));
    } else {
      c->add_option_function<int>(
           name, [i](const int& v) { args.params[i] = v; }, p.help)
          ->check(CLI::Range(static_cast<int>(p.min), static_cast<int>(p.max)));
    }
  }
  c->add_flag("--json", args.json, "Print JSON");
  c = boardCommand(
      *servo, "motor", "Turn the servo as a motor at a signed speed", false, [](BoardSession& s) {
        s.send(motorFrame(args.id, args.value, 1));
        printText(QStringLiteral("servo %1 motor speed %2\n").arg(args.id).arg(args.value));
      });
  c->add_option("ID", args.id, "Servo id")->required()->check(CLI::Range(0, 253));
  c->add_option("SPEED", args.value, "Speed, -1000 to 1000")
      ->required()
      ->check(CLI::Range(-1000, 1000));
  c = boardCommand(*servo, "mode", "Switch the servo between servo and motor mode", false,
                   [](BoardSession& s) {
                     s.send(motorFrame(args.id, 0, args.mode == "motor" ? 1 : 0));
                     printText(QStringLiteral("servo %1 in %2 mode\n")
                                   .arg(args.id)
                                   .arg(QString::fromStdString(args.mode)));
                   });
  c->add_option("ID", args.id, "Servo id")->required()->check(CLI::Range(0, 253));
  c->add_option("MODE", args.mode, "servo or motor")
      ->required()
      ->check(CLI::IsMember({"servo", "motor"}));
}

}  // namespace vornctl
