#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QSerialPortInfo>
#include <cstdio>
#include <iostream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/exit_codes.h"
#include "cli/profile_check.h"
#include "cli/servo_params.h"
#include "cli/usb_boards.h"
#include "link/hid_transport.h"
#include "link/hidapi_transport.h"
#include "link/protocol.h"
#include "model/action_file.h"
#include "model/limits.h"

namespace vornctl {

namespace {

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
  int position = limits::kPosition.start;
  int time = -1;
  int times = limits::kRunTimes.start;
  int value = 0;
  std::string mode;
  std::vector<std::optional<double>> params = std::vector<std::optional<double>>(kServoParamCount);
  QList<DownloadJob> jobs;  // read before connecting, so that a bad file costs no board time
  std::optional<QString> profile;
  bool skipRefused = false;
  int refused = 0;  // files of a batch left out
};

Args args;

QList<int> idsOrChannels() {
  QList<int> ids(args.ids.begin(), args.ids.end());
  if (ids.isEmpty()) {
    for (int id = 1; id <= limits::kArmChannels; ++id) ids.append(id);
  }
  if (ids.size() > protocol::kMaxIds) {
    throw CliError(kUsage, qtTrId("ctl_too_many_ids").arg(protocol::kMaxIds));
  }
  return ids;
}

QString idsText(const QList<int>& ids) {
  QStringList s;
  for (int id : ids) s.append(QString::number(id));
  return s.join(u' ');
}

// A board command: check what needs no board, connect, act, let the frames reach the board.
CLI::App* boardCommand(CLI::App& parent, const char* name, const std::string& help, bool serial,
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

void addIds(CLI::App* c) {
  wholeIn(c->add_option("ID", args.ids, h(qtTrId("ctl_help_ids"))), limits::kServoId);
}

void addServoId(CLI::App* c) {
  wholeIn(c->add_option("ID", args.id, h(qtTrId("ctl_help_servo_id")))->required(),
          limits::kServoId);
}

// Without it nothing is held to a profile: positions go out as given.
void addProfile(CLI::App* c) {
  c->add_option_function<std::string>(
       "--profile", [](const std::string& name) { args.profile = QString::fromStdString(name); },
       h(qtTrId("ctl_help_profile")))
      ->type_name("NAME");
}

// The frames of every job against the profile, after the files are read and before the
// board is reached.
void checkJobs() {
  if (!args.profile) return;
  const KoArmProfile profile = profileNamed(*args.profile);
  for (const DownloadJob& j : args.jobs) checkFrames(profile, j.name, j.frames);
}

void addGroup(CLI::App* c) {
  wholeIn(c->add_option("GROUP", args.group, h(qtTrId("ctl_help_group")))->required(),
          limits::kGroup);
}

// Readings of the asked ids, in the asked order; ids without a reading are reported missing.
// `shown` gives a reading's value and adds any further JSON fields.
template <class Reading>
void printReadings(const QList<int>& ids, const QList<Reading>& readings, const char* key,
                   const std::function<int(const Reading&, QJsonObject&)>& shown) {
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
    QJsonObject o{{QStringLiteral("id"), id}};
    const int value = shown(*it, o);
    o.insert(QLatin1String(key), value);
    found.append(o);
    text += QStringLiteral("%1 %2\n").arg(id).arg(value);
  }
  if (args.json) {
    printJson(QJsonObject{{QStringLiteral("servos"), found}, {QStringLiteral("missing"), missing}});
  } else {
    printText(text);
  }
  if (!missingIds.isEmpty()) {
    throw CliError(kFailed, qtTrId("ctl_no_answer_from").arg(missingIds.join(u' ')));
  }
}

// Shows how a download goes on standard error, so that standard output holds only results:
// a bar on a terminal, a line every tenth otherwise.
class Progress {
 public:
  explicit Progress(const QList<DownloadJob>& jobs) : jobs_(jobs), terminal_(stderrIsTerminal()) {}
  // A message after a broken-off bar starts on a line of its own.
  ~Progress() {
    if (barOpen_) std::fprintf(stderr, "\n");
  }

  void frameSent(int job, int frame) {
    const DownloadJob& j = jobs_[job];
    const int done = frame + 1;
    const int total = static_cast<int>(j.frames.size());
    if (terminal_) {
      constexpr int kWidth = 30;
      const int filled = total > 0 ? done * kWidth / total : kWidth;
      std::fprintf(
          stderr, "\r%s [%s%s] %d/%d", qPrintable(qtTrId("ctl_progress_bar").arg(j.group, 3)),
          std::string(filled, '#').c_str(), std::string(kWidth - filled, '.').c_str(), done, total);
      barOpen_ = done != total;
      if (!barOpen_) std::fprintf(stderr, "\n");
      std::fflush(stderr);
    } else if (done == total || done % std::max(1, total / 10) == 0) {
      printError(qtTrId("ctl_progress_group", int(total)).arg(j.group).arg(done));
    }
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
    printText(qtTrId("ctl_downloaded", int(j.frames.size())).arg(j.name).arg(j.group) + u'\n');
  }
}

DownloadJob jobOf(const QString& path, int group) {
  DownloadJob job;
  job.group = group;
  job.name = QFileInfo(path).fileName();
  for (const PwmFrame& f : KoTools::readPwmData(readActionFile(path))) job.frames.append(f->bytes);
  // The editor's rule: a group holds this many frames, so a longer file is not begun.
  if (job.frames.size() > limits::kMaxFramesPerGroup) {
    throw CliError(kFileError, qtTrId("ctl_too_many_frames")
                                   .arg(path)
                                   .arg(job.frames.size())
                                   .arg(limits::kMaxFramesPerGroup));
  }
  return job;
}

// Each file of a batch is refused for its name (the bus-servo tool's rule), its content or the
// profile, and said so on its own line; by default one refusal stops the whole batch.
void prepareBatch() {
  const std::optional<KoArmProfile> profile =
      args.profile ? std::optional(profileNamed(*args.profile)) : std::nullopt;
  int firstCode = kDone;
  for (const std::string& f : args.files) {
    const QString path = pathOf(f);
    try {
      const KoTools::BatchGroup batch = KoTools::batchGroupOfFileName(QFileInfo(path).fileName());
      if (batch.problem != KoTools::BatchGroup::Problem::None) {
        throw CliError(kFileError, qtTrId("ctl_bad_file_name").arg(printable(path)));
      }
      DownloadJob job = jobOf(path, batch.group);
      if (profile) checkFrames(*profile, job.name, job.frames);
      args.jobs.append(job);
    } catch (const CliError& e) {
      printError(QStringLiteral("vornctl: ") + e.message());
      if (args.refused++ == 0) firstCode = e.code();
    }
  }
  if (args.refused > 0 && (!args.skipRefused || args.jobs.isEmpty())) {
    const char* id = args.jobs.isEmpty() ? QT_TRID_NOOP("ctl_batch_all_refused")
                                         : QT_TRID_NOOP("ctl_batch_refused");
    throw CliError(firstCode, qtTrId(id, args.refused));
  }
}

bool confirmed(const QString& question) {
  if (args.yes) return true;
  if (!stdinIsTerminal()) {
    throw CliError(kRefused, qtTrId("ctl_not_asked").arg(question));
  }
  std::fprintf(stderr, "%s %s ", qPrintable(question), qPrintable(qtTrId("ctl_yes_no")));
  std::fflush(stderr);
  std::string line;
  if (!std::getline(std::cin, line)) return false;
  const QString answer = QString::fromStdString(line).trimmed().toLower();
  return answer == u"y" || answer == u"yes";
}

int eraseGroup() {
  if (args.groupOrAll == "all") return protocol::kAllGroups;
  return std::stoi(args.groupOrAll);
}

QString eraseQuestion() {
  const int group = eraseGroup();
  return group == protocol::kAllGroups ? qtTrId("ctl_erase_all_question")
                                       : qtTrId("ctl_erase_group_question").arg(group);
}

void confirmErase() {
  if (!confirmed(eraseQuestion())) {
    throw CliError(kRefused, qtTrId("ctl_nothing_erased"));
  }
}

void erase(BoardSession& session) {
  const int group = eraseGroup();
  session.erase(group);
  printText((group == protocol::kAllGroups ? qtTrId("ctl_erased_all")
                                           : qtTrId("ctl_erased_group").arg(group)) +
            u'\n');
}

// Only a lone servo answers a parameter read, and a write would reach every servo there is.
void requireOneServo(BoardSession& session, const char* refusalId) {
  const int count = session.countBusServos();
  if (count != 1) throw CliError(kRefused, qtTrId(refusalId, count));
}

void printServo(const KoServoInfo& info) {
  if (args.json) {
    printJson(servoInfoJson(info));
  } else {
    printText(servoInfoText(info));
  }
}

void checkServoWrite() {
  bool any = false;
  for (const auto& p : args.params) any = any || p.has_value();
  if (!any) throw CliError(kUsage, qtTrId("ctl_nothing_to_write"));
}

void writeServo(BoardSession& session) {
  requireOneServo(session, QT_TRID_NOOP("ctl_not_one_servo"));
  KoServoInfo info = session.readServoInfo();
  for (int i = 0; i < kServoParamCount; ++i) {
    if (args.params[i]) setServoParam(info, i, *args.params[i]);
  }
  const bool limitsGiven = args.params[kParamMinAngle] || args.params[kParamMaxAngle] ||
                           args.params[kParamMinVoltage] || args.params[kParamMaxVoltage];
  if (limitsGiven) checkServoLimits(info);
  session.send(protocol::writeServoInfo(info));
  printServo(info);
}

void addList(CLI::App& app) {
  CLI::App* c = app.add_subcommand("list", h(qtTrId("ctl_help_list")));
  c->add_flag("--simulate", args.board.simulate, h(qtTrId("ctl_help_list_simulate")));
  // Accepted as by every board command; list sends no frames to show.
  c->add_flag("--trace", args.board.trace, h(qtTrId("ctl_help_trace")));
  c->add_flag("--json", args.json, h(qtTrId("ctl_help_json")));
  c->callback([] {
    QJsonArray boards;
    QString text = qtTrId("ctl_usb_boards") + u'\n';
    if (args.board.simulate) {
      boards.append(QJsonObject{{QStringLiteral("path"), QStringLiteral("virtual")},
                                {QStringLiteral("product"), HidTransport::kProductName},
                                {QStringLiteral("access"), QStringLiteral("ok")}});
      text += QStringLiteral("  %1\n").arg(qtTrId("ctl_virtual_board"));
    }
    for (const UsbBoard& b : findUsbBoards(*makeHidapiBackend())) {
      boards.append(
          QJsonObject{{QStringLiteral("path"), b.path},
                      {QStringLiteral("product"), b.product},
                      {QStringLiteral("access"),
                       b.accessible ? QStringLiteral("ok") : QStringLiteral("no permission")}});
      text += QStringLiteral("  %1  %2\n").arg(b.path, b.product);
      if (!b.accessible) {
        text += QStringLiteral("    %1\n").arg(qtTrId("ctl_no_permission_entry").arg(udevHint()));
      }
    }
    if (boards.isEmpty()) text += QStringLiteral("  %1\n").arg(qtTrId("ctl_none"));
    QJsonArray ports;
    text += qtTrId("ctl_serial_ports") + u'\n';
    for (const QSerialPortInfo& p : QSerialPortInfo::availablePorts()) {
      ports.append(QJsonObject{{QStringLiteral("name"), p.portName()},
                               {QStringLiteral("path"), p.systemLocation()},
                               {QStringLiteral("description"), p.description()}});
      const QString line = QStringLiteral("  %1  %2").arg(p.systemLocation(), p.description());
      text += line.left(line.size() - (p.description().isEmpty() ? 2 : 0)) + u'\n';
    }
    if (ports.isEmpty()) text += QStringLiteral("  %1\n").arg(qtTrId("ctl_none"));
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
      app, "download", h(qtTrId("ctl_help_download")), false,
      [](BoardSession& s) { download(s, args.jobs); },
      [] {
        args.jobs = {jobOf(pathOf(args.file), args.group)};
        checkJobs();
      });
  addGroup(c);
  c->add_option("FILE", args.file, h(qtTrId("ctl_help_rob_file")))->required();
  addProfile(c);

  // Every file is read and named right before the first frame goes out.
  c = boardCommand(
      app, "download-many", h(qtTrId("ctl_help_download_many")), false,
      [](BoardSession& s) {
        download(s, args.jobs);
        if (args.refused > 0) {
          s.settle();
          throw CliError(kFailed, qtTrId("ctl_batch_sent_rest", args.refused));
        }
      },
      prepareBatch);
  c->add_option("FILE", args.files, h(qtTrId("ctl_help_rob_files")))->required();
  addProfile(c);
  c->add_flag("--skip-refused", args.skipRefused, h(qtTrId("ctl_help_skip_refused")));
}

}  // namespace

void addBoardCommands(CLI::App& app) {
  addList(app);
  addDownloads(app);

  CLI::App* c = boardCommand(app, "run", h(qtTrId("ctl_help_run")), false, [](BoardSession& s) {
    s.send(protocol::actionsRun(args.group, args.times));
    printText(qtTrId("ctl_run_started").arg(args.group) + u'\n');
  });
  addGroup(c);
  wholeIn(c->add_option("--times", args.times, h(qtTrId("ctl_help_times"))), limits::kRunTimes);

  boardCommand(app, "stop", h(qtTrId("ctl_help_stop")), false, [](BoardSession& s) {
    s.send(protocol::stopActions());
    printText(qtTrId("ctl_stopped") + u'\n');
  });

  c = boardCommand(app, "erase", h(qtTrId("ctl_help_erase")), false, erase, confirmErase);
  wholeIn(c->add_option("GROUP", args.groupOrAll, h(qtTrId("ctl_help_group_or_all")))->required(),
          limits::kGroup, "all");
  c->add_flag("--yes,-y", args.yes, h(qtTrId("ctl_help_yes")));

  c = boardCommand(
      app, "move", h(qtTrId("ctl_help_move")), true,
      [](BoardSession& s) {
        const int time =
            args.time >= 0 ? args.time : (s.overSerial() ? protocol::kSerialMoveTime : 0);
        s.send(protocol::oneSteering(args.id, args.position, time));
        printText(qtTrId("ctl_moved").arg(args.id).arg(args.position).arg(time) + u'\n');
      },
      [] {
        if (args.profile) checkMove(profileNamed(*args.profile), args.id, args.position);
      });
  addServoId(c);
  wholeIn(c->add_option("POS", args.position, h(qtTrId("ctl_help_position")))->required(),
          limits::kPosition);
  wholeIn(c->add_option("--time", args.time, h(qtTrId("ctl_help_time"))), limits::kMoveTime);
  addProfile(c);

  boardCommand(app, "reset", h(qtTrId("ctl_help_reset")), true, [](BoardSession& s) {
    s.send(protocol::reSetAllSteer());
    printText(qtTrId("ctl_reset_done") + u'\n');
  });

  c = boardCommand(app, "unload", h(qtTrId("ctl_help_unload")), false, [](BoardSession& s) {
    const QList<int> ids = idsOrChannels();
    s.send(protocol::idList(protocol::kUnloadServos, ids));
    printText(qtTrId("ctl_unloaded").arg(idsText(ids)) + u'\n');
  });
  addIds(c);

  c = boardCommand(app, "read-positions", h(qtTrId("ctl_help_read_positions")), false,
                   [](BoardSession& s) {
                     const QList<int> ids = idsOrChannels();
                     // Past the end stop reads as the end, a wrapped reading as 0, as on the
                     // screens.
                     printReadings<ServoPosition>(ids, s.readPositions(ids).readings, "position",
                                                  [](const ServoPosition& r, QJsonObject& o) {
                                                    o.insert(QLatin1String("raw"), r.position);
                                                    return limits::readBackPosition(r.position);
                                                  });
                   });
  addIds(c);
  c->add_flag("--json", args.json, h(qtTrId("ctl_help_json")));

  CLI::App* trims = app.add_subcommand("trims", h(qtTrId("ctl_help_trims")));
  trims->require_subcommand(1);
  c = boardCommand(*trims, "read", h(qtTrId("ctl_help_trims_read")), false, [](BoardSession& s) {
    const QList<int> ids = idsOrChannels();
    printReadings<protocol::ServoDeviation>(
        ids, s.readTrims(ids), "trim",
        [](const protocol::ServoDeviation& r, QJsonObject&) { return r.deviation; });
  });
  addIds(c);
  c->add_flag("--json", args.json, h(qtTrId("ctl_help_json")));
  c = boardCommand(*trims, "store", h(qtTrId("ctl_help_trims_store")), false, [](BoardSession& s) {
    const QList<int> ids = idsOrChannels();
    s.storeTrims(ids);
    printText(qtTrId("ctl_trims_stored").arg(idsText(ids)) + u'\n');
  });
  addIds(c);
  c = boardCommand(*trims, "adjust", h(qtTrId("ctl_help_trims_adjust")), false,
                   [](BoardSession& s) {
                     s.send(protocol::adjustmentDeviation(args.id, args.value));
                     printText(qtTrId("ctl_trim_set").arg(args.id).arg(args.value) + u'\n');
                   });
  addServoId(c);
  wholeIn(c->add_option("VALUE", args.value, h(qtTrId("ctl_help_trim_value")))->required(),
          limits::kTrim);

  CLI::App* servo = app.add_subcommand("servo", h(qtTrId("ctl_help_servo")));
  servo->require_subcommand(1);
  c = boardCommand(*servo, "check", h(qtTrId("ctl_help_servo_check")), false, [](BoardSession& s) {
    const int n = s.countBusServos();
    if (args.json) {
      printJson(QJsonObject{{QStringLiteral("count"), n}});
    } else {
      printText(qtTrId("ctl_servo_count").arg(n) + u'\n');
    }
  });
  c->add_flag("--json", args.json, h(qtTrId("ctl_help_json")));
  c = boardCommand(*servo, "read", h(qtTrId("ctl_help_servo_read")), false, [](BoardSession& s) {
    requireOneServo(s, QT_TRID_NOOP("ctl_not_one_servo_to_read"));
    printServo(s.readServoInfo());
  });
  c->add_flag("--json", args.json, h(qtTrId("ctl_help_json")));
  c = boardCommand(*servo, "write", h(qtTrId("ctl_help_servo_write")), false, writeServo,
                   checkServoWrite);
  for (int i = 0; i < kServoParamCount; ++i) {
    const ServoParam& p = kServoParams[i];
    const std::string name = std::string("--") + p.option;
    if (p.kind == ServoParamKind::Switch) {
      c->add_option_function<std::string>(
           name, [i](const std::string& v) { args.params[i] = v == "on" ? 1.0 : 0.0; },
           h(qtTrId(p.helpId)))
          ->check(CLI::IsMember({"on", "off"}));
    } else {
      const int decimals = p.kind == ServoParamKind::Volts ? 1 : 0;
      numberIn(c->add_option_function<double>(
                   name, [i](const double& v) { args.params[i] = v; }, h(qtTrId(p.helpId))),
               p.min, p.max, decimals);
    }
  }
  c->add_flag("--json", args.json, h(qtTrId("ctl_help_json")));
  c = boardCommand(*servo, "motor", h(qtTrId("ctl_help_servo_motor")), false, [](BoardSession& s) {
    s.send(protocol::speed(args.id, args.value, 1));
    printText(qtTrId("ctl_motor_speed").arg(args.id).arg(args.value) + u'\n');
  });
  addServoId(c);
  wholeIn(c->add_option("SPEED", args.value, h(qtTrId("ctl_help_speed")))->required(),
          limits::bus::kMotorSpeed);
  c = boardCommand(*servo, "mode", h(qtTrId("ctl_help_servo_mode")), false, [](BoardSession& s) {
    s.send(protocol::speed(args.id, 0, args.mode == "motor" ? 1 : 0));
    const bool motor = args.mode == "motor";
    printText((motor ? qtTrId("ctl_in_motor_mode") : qtTrId("ctl_in_servo_mode")).arg(args.id) +
              u'\n');
  });
  addServoId(c);
  c->add_option("MODE", args.mode, h(qtTrId("ctl_help_mode")))
      ->required()
      ->check(CLI::IsMember({"servo", "motor"}));
}

}  // namespace vornctl
