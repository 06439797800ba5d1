#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include "temp_files.h"

// vornctl as its users see it: the built program run against the virtual board, judged by
// its standard output, standard error and exit code.
namespace {

struct Outcome {
  int code = -1;
  QString out;
  QString err;

  // The frames it sent, as the trace shows them.
  QStringList sent() const {
    QStringList lines;
    for (const QString& l : err.split(u'\n')) {
      if (l.startsWith(QLatin1String("> "))) lines.append(l.mid(2));
    }
    return lines;
  }
};

QString emptyConfig() {
  static QTemporaryDir dir;
  return dir.path();
}

// Runs with its settings in configHome: by default an empty folder, so that it speaks English
// whatever the language chosen on this machine.
Outcome vornctl(const QStringList& args, const QString& configHome = {}) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome.isEmpty() ? emptyConfig() : configHome);
  p.setProcessEnvironment(env);
  p.start(QStringLiteral(VORNCTL_PATH), args);
  p.closeWriteChannel();  // standard input is not a terminal
  EXPECT_TRUE(p.waitForFinished(30000)) << args.join(u' ').toStdString();
  return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
          QString::fromUtf8(p.readAllStandardError())};
}

// Runs on a terminal, as a person at the keyboard would: standard input, output and error
// are one pseudo-terminal, so `out` holds everything shown. `typed` is typed once the
// question shows ("\x04" alone is end of input); nothing is typed when it is empty.
Outcome onTerminal(const QStringList& args, const QByteArray& typed = {}) {
  std::vector<std::string> words{VORNCTL_PATH};
  for (const QString& a : args) words.push_back(a.toStdString());
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  std::vector<std::string> env{"XDG_CONFIG_HOME=" + emptyConfig().toStdString()};
  for (char** e = environ; *e; ++e) {
    if (!QByteArray(*e).startsWith("XDG_CONFIG_HOME=")) env.emplace_back(*e);
  }
  std::vector<char*> envp;
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);

  int terminal = -1;
  const pid_t pid = forkpty(&terminal, nullptr, nullptr, nullptr);
  if (pid == 0) {
    execve(VORNCTL_PATH, argv.data(), envp.data());
    _exit(127);
  }
  EXPECT_GT(pid, 0);
  QByteArray shown;
  bool asked = false;
  for (;;) {
    pollfd p{terminal, POLLIN, 0};
    if (::poll(&p, 1, 30000) <= 0) break;  // bounded: a program that hangs fails below
    char buf[4096];
    const ssize_t n = ::read(terminal, buf, sizeof buf);
    if (n <= 0) break;  // the program ended and closed the terminal
    shown.append(buf, n);
    if (!typed.isEmpty() && !asked && shown.contains("[y/N]")) {
      asked = true;
      EXPECT_EQ(::write(terminal, typed.constData(), static_cast<size_t>(typed.size())),
                typed.size());
    }
  }
  ::close(terminal);
  int status = 0;
  EXPECT_EQ(waitpid(pid, &status, 0), pid);
  EXPECT_EQ(asked, !typed.isEmpty()) << shown.toStdString();
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, QString::fromUtf8(shown), {}};
}

QStringList simulated(QStringList args) {
  return args << QStringLiteral("--simulate") << QStringLiteral("--trace");
}

QByteArray actionFile(const QList<QList<int>>& frames) {
  QByteArray b("SOBARM");
  auto le16 = [&b](int v) {
    b.append(static_cast<char>(v & 0xFF));
    b.append(static_cast<char>(v >> 8));
  };
  le16(static_cast<int>(frames.size()));
  b.append(8, '\0');
  for (const QList<int>& f : frames) {
    for (int v : f) le16(v);
  }
  return b;
}

class Vornctl : public TempFilesTest {
 protected:
  // Positions over 1000 and absent channels (0x5555) must survive every conversion.
  const QByteArray wave_ = actionFile(
      {{1000, 500, 500, 500, 500, 500, 500}, {500, 1200, 0x5555, 300, 400, 500, 0x5555}});
};

TEST_F(Vornctl, BoardCommandsSendTheProtocolsBytes) {
  struct Case {
    QStringList args;
    QStringList frames;  // the frames sent, each as its leading bytes
    QString out;
  };
  const QList<Case> cases = {
      {{"run", "3"}, {"55 55 05 06 03 01 00"}, "group 3 started"},
      {{"stop"}, {"55 55 02 07"}, "stopped"},
      {{"erase", "5", "--yes"}, {"55 55 03 08 05"}, "action group 5 erased"},
      {{"erase", "all", "-y"}, {"55 55 03 08 FF"}, "every action group erased"},
      {{"move", "2", "300", "--time", "500"}, {"55 55 08 03 01 F4 01 02 2C 01"}, "servo 2 to 300"},
      {{"reset"}, {"55 55 7D 03 28 E8 03 01 F4 01 02 F4 01"}, "servos 1 to 40"},
      {{"unload", "1", "3"}, {"55 55 05 14 02 01 03 00 00"}, "unloaded 1 3"},
      {{"trims", "adjust", "3", "-10"}, {"55 55 04 18 03 F6"}, "servo 3 trim -10"},
      {{"trims", "store"}, {"55 55 09 16 06 01 02 03 04 05 06 00"}, "trims stored for 1 2 3"},
      {{"servo", "motor", "1", "-100"}, {"55 55 06 1A 01 01 9C FF"}, "motor speed -100"},
      {{"servo", "mode", "4", "servo"}, {"55 55 06 1A 04 00 00 00"}, "servo 4 in servo mode"},
      {{"servo", "check"}, {"55 55 09 15 06 01 02 03 04 05 06"}, "bus servos answering: 1"},
      // Only the given fields change: the rest go back as the servo reported them.
      {{"servo", "write", "--led", "off", "--stall-alarm", "off", "--max-angle", "900",
        "--sim-servos", "1"},
       {"55 55 09 15 06", "55 55 02 1C", "55 55 0E 1B 01 00 00 84 03 94 11 B0 36 55 01 03"},
       "max-angle                900"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.join(u' ').toStdString());
    const Outcome r = vornctl(simulated(c.args));
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(c.out)) << r.out.toStdString();
    const QStringList sent = r.sent();
    ASSERT_EQ(sent.size(), c.frames.size()) << r.err.toStdString();
    for (qsizetype i = 0; i < sent.size(); ++i) EXPECT_TRUE(sent[i].startsWith(c.frames[i]));
  }
}

TEST_F(Vornctl, DownloadSendsTheFiveStepsAndEachFrame) {
  const QString file = write(QStringLiteral("7号wave.rob"), wave_);
  for (const QStringList& args :
       {QStringList{"download", "7", file}, QStringList{"download-many", file}}) {
    const Outcome r = vornctl(simulated(args));
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QStringList sent = r.sent();
    ASSERT_EQ(sent.size(), 6);
    EXPECT_TRUE(sent[0].startsWith(QLatin1String("55 55 06 05 01 07 02 00")));
    EXPECT_EQ(sent[1], QLatin1String("55 55 06 05 02 07 01 00"));
    EXPECT_TRUE(sent[2].startsWith(QLatin1String("55 55 06 05 03 07 00 00 01 00")));
    EXPECT_EQ(sent[4], QLatin1String("55 55 15 05 04 07 00 01 04 F4 01 01 B0 04 03 2C 01 04 90 01 "
                                     "05 F4 01"));
    EXPECT_EQ(sent[5], QLatin1String("55 55 04 05 05 07"));
    EXPECT_EQ(r.err.count(QLatin1String("\n< 55 55 03 05")), 6);
    EXPECT_TRUE(r.out.contains(QStringLiteral("7号wave.rob downloaded into group 7 (2 frames)")));
  }
}

TEST_F(Vornctl, FailuresEndWithTheirCodeAndSayWhy) {
  const QString wave = write(QStringLiteral("wave.rob"), wave_);
  const QString damaged = write(QStringLiteral("3号damaged.rob"), QByteArray("SOBARM\x02"));
  struct Case {
    QStringList args;
    int code;
    QString message;
    bool sendsNothing;
  };
  const QList<Case> cases = {
      {{"download", "4", wave, "--sim-fault", "drop-ack:4", "--timeout", "300"},
       6,
       "did not acknowledge step 4 of group 4 within 300 ms",
       false},
      {{"download", "4", wave, "--sim-fault", "unplug-after:4", "--timeout", "5000"},
       7,
       "board was lost while downloading group 4",
       false},
      {{"servo", "read", "--sim-fault", "no-reply:28", "--timeout", "100"},
       6,
       "did not answer within 100 ms",
       false},
      {{"download", "4", damaged}, 9, "damaged", true},
      {{"download-many", damaged}, 9, "damaged", true},
      {{"download-many", wave}, 9, "must begin with a group number", true},
      {{"erase", "3"}, 8, "standard input is not a terminal", true},
      {{"servo", "write", "--id", "2", "--sim-servos", "2"}, 8, "2 bus servos answer", false},
      {{"servo", "write", "--sim-servos", "1", "--min-angle", "900", "--max-angle", "800"},
       2,
       "lower angle limit (900) must be below",
       false},
      {{"read-positions", "1", "9"}, 1, "no answer from servo 9", false},
      {{"move", "1", "1001"}, 2, "POS", true},
      {{"run", "231"}, 2, "GROUP", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.join(u' ').toStdString());
    const Outcome r = vornctl(simulated(c.args));
    EXPECT_EQ(r.code, c.code);
    EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
    if (c.sendsNothing) {
      EXPECT_TRUE(r.sent().isEmpty()) << r.err.toStdString();
    }
    if (c.code == 8) {
      EXPECT_FALSE(r.err.contains(QLatin1String("> 55 55 0E 1B")));
    }
  }
}

TEST_F(Vornctl, EveryJsonDocumentHasAVersionAndOneShapePerKey) {
  const QString rob = write(QStringLiteral("wave.rob"), wave_);
  auto json = [](QStringList args) {
    args << QStringLiteral("--json");
    const Outcome r = vornctl(args.first() == u"list"   ? args << QStringLiteral("--simulate")
                              : args.first() == u"file" ? args
                                                        : simulated(args));
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
    EXPECT_EQ(o.value(QLatin1String("version")), 1) << args.join(u' ').toStdString();
    // A count is "count"; "servos" is always a list.
    if (o.contains(QLatin1String("servos"))) {
      EXPECT_TRUE(o.value(QLatin1String("servos")).isArray());
    }
    return o;
  };
  EXPECT_EQ(json({"read-positions", "2", "5"}).value(QLatin1String("servos")).toArray().size(), 2);
  EXPECT_EQ(json({"trims", "read"}).value(QLatin1String("servos")).toArray().size(), 6);
  EXPECT_EQ(json({"servo", "check", "--sim-servos", "2"}).value(QLatin1String("count")), 2);
  const QJsonObject servo = json({"servo", "read"});
  EXPECT_EQ(servo.value(QLatin1String("maxVoltage")).toDouble(), 14.0);
  EXPECT_EQ(servo.value(QLatin1String("stallAlarm")), true);
  EXPECT_EQ(json({"servo", "write", "--led", "off"}).value(QLatin1String("led")), false);
  EXPECT_FALSE(json({"list"}).value(QLatin1String("boards")).toArray().isEmpty());
  EXPECT_EQ(json({"file", "show", rob}).value(QLatin1String("frames")).toArray().size(), 2);
}

TEST_F(Vornctl, ReadingsAreShownAsTheScreensShowThem) {
  // Past the end stop reads as the end; above 2000 the reading wrapped below zero.
  struct Case {
    int reading;
    int shown;
  };
  for (const Case& c : {Case{0, 0}, Case{1000, 1000}, Case{1001, 1000}, Case{1500, 1000},
                        Case{2000, 1000}, Case{2001, 0}, Case{65531, 0}}) {
    SCOPED_TRACE(c.reading);
    const QString fault = QStringLiteral("reading:3:%1").arg(c.reading);
    const Outcome text = vornctl(simulated({"read-positions", "3", "--sim-fault", fault}));
    EXPECT_EQ(text.code, 0) << text.err.toStdString();
    EXPECT_EQ(text.out, QStringLiteral("3 %1\n").arg(c.shown));
    const Outcome json =
        vornctl(simulated({"read-positions", "3", "--sim-fault", fault, "--json"}));
    const QJsonObject servo = QJsonDocument::fromJson(json.out.toUtf8())
                                  .object()
                                  .value(QLatin1String("servos"))
                                  .toArray()
                                  .first()
                                  .toObject();
    EXPECT_EQ(servo.value(QLatin1String("position")), c.shown);
    EXPECT_EQ(servo.value(QLatin1String("raw")), c.reading);
  }

  // A bus servo's readings are held to what a servo can report: 1000 and 15 V.
  const QStringList over{"servo", "read", "--sim-fault", "bus-reading:1001:16000"};
  const Outcome text = vornctl(simulated(over));
  EXPECT_TRUE(text.out.contains(QLatin1String("position                 1000\n")))
      << text.out.toStdString();
  EXPECT_TRUE(text.out.contains(QLatin1String("voltage                  15.0\n")));
  const QJsonObject json =
      QJsonDocument::fromJson(vornctl(simulated(QStringList(over) << "--json")).out.toUtf8())
          .object();
  EXPECT_EQ(json.value(QLatin1String("position")), 1000);
  EXPECT_EQ(json.value(QLatin1String("voltage")), 15.0);
}

TEST_F(Vornctl, BoardOptionsGoBeforeOrAfterTheCommand) {
  struct Case {
    QStringList args;
    QString out;
  };
  const QList<Case> cases = {
      {{"--simulate", "--trace", "run", "3"}, "group 3 started"},
      {{"--simulate", "run", "3", "--trace"}, "group 3 started"},
      {{"--timeout", "300", "--simulate", "--trace", "trims", "read", "2"}, "2 0"},
      {{"--sim-servos=2", "--simulate", "--trace", "servo", "check"}, "answering: 2"},
      {{"--trace", "list", "--simulate"}, "virtual board"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.join(u' ').toStdString());
    const Outcome r = vornctl(c.args);
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(c.out)) << r.out.toStdString();
    if (c.args.first() != u"--trace") {
      EXPECT_FALSE(r.sent().isEmpty()) << r.err.toStdString();
    }
  }
  // --verbose is the program's, and shows the link's log wherever it is written.
  for (const QStringList& args : {QStringList{"--verbose", "stop", "--simulate"},
                                  QStringList{"stop", "--simulate", "--verbose"}}) {
    const Outcome r = vornctl(args);
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QLatin1String("looking for the board"))) << r.err.toStdString();
  }
  // Help still belongs to the command, board options included.
  const Outcome help = vornctl({"--simulate", "run", "--help"});
  EXPECT_EQ(help.code, 0);
  EXPECT_TRUE(help.out.contains(QLatin1String("vornctl run"))) << help.out.toStdString();
  EXPECT_TRUE(help.out.contains(QLatin1String("--timeout 1 to 600000")));
}

TEST_F(Vornctl, AnUnpluggedBoardIsLostNotFailed) {
  // pull-after:N pulls the board out after N frames; the host hears of it only afterwards,
  // so the next write fails first, as on USB.
  const QList<QStringList> cases = {
      {"run", "3", "--sim-fault", "pull-after:0"},
      {"move", "1", "300", "--sim-fault", "pull-after:0"},
      {"servo", "write", "--led", "off", "--sim-fault", "pull-after:2"},
  };
  for (const QStringList& args : cases) {
    SCOPED_TRACE(args.join(u' ').toStdString());
    const Outcome r = vornctl(simulated(args));
    EXPECT_EQ(r.code, 7);
    EXPECT_TRUE(r.err.contains(QLatin1String("board was lost while sending")))
        << r.err.toStdString();
    EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
  }
}

TEST_F(Vornctl, ResultsGoOneLineEachToStandardOutput) {
  const QString one =
      write(QStringLiteral("12号wave.rob"), actionFile({{1000, 500, 500, 500, 500, 500, 500}}));
  const QString two = write(QStringLiteral("4号bow.rob"), wave_);
  const Outcome r = vornctl({"download-many", one, two, "--simulate"});
  EXPECT_EQ(r.code, 0) << r.err.toStdString();
  EXPECT_EQ(r.out, QStringLiteral("12号wave.rob downloaded into group 12 (1 frame)\n"
                                  "4号bow.rob downloaded into group 4 (2 frames)\n"));
  // Progress is for people, on standard error.
  EXPECT_TRUE(r.err.contains(QLatin1String("group 4: 2/2"))) << r.err.toStdString();
}

TEST_F(Vornctl, AGroupTooLongForTheBoardIsRefusedBeforeAnythingIsSent) {
  const QList<int> frame{1000, 500, 500, 500, 500, 500, 500};
  const QString full =
      write(QStringLiteral("full.rob"), actionFile(QList<QList<int>>(1020, frame)));
  const QString over =
      write(QStringLiteral("over.rob"), actionFile(QList<QList<int>>(1021, frame)));
  const Outcome refused = vornctl(simulated({"download", "5", over}));
  EXPECT_EQ(refused.code, 9);
  EXPECT_TRUE(refused.err.contains(QLatin1String("holds 1021 frames; a group takes at most 1020")))
      << refused.err.toStdString();
  EXPECT_TRUE(refused.sent().isEmpty());
  const Outcome taken = vornctl(simulated({"download", "5", full}));
  EXPECT_EQ(taken.code, 0) << taken.err.right(500).toStdString();
  EXPECT_TRUE(taken.out.contains(QLatin1String("(1020 frames)")));
}

TEST_F(Vornctl, RefusalsSayWhatWasWrong) {
  struct Case {
    QStringList args;
    QString message;
  };
  const QList<Case> cases = {
      {{"bogus"}, "\"bogus\" is not a command; the commands are: list, download,"},
      {{"servo", "bogus"}, "\"bogus\" is not a command; the commands are: check, read, write"},
      {{"servo"}, "a command is needed: check, read, write"},
      {{"run", "abc"}, "GROUP: \"abc\" is not a decimal number; give 0 to 230"},
      {{"run", "0x10"}, "GROUP: \"0x10\" is not a decimal number"},
      {{"run", "231"}, "GROUP: 231 is out of range; give 0 to 230"},
      {{"erase", "al"}, "GROUP: \"al\" is not a decimal number; give 0 to 230, or all"},
      {{"move", "1", "1e2"}, "POS: \"1e2\" is not a decimal number; give 0 to 1000"},
      {{"move", "254", "500"}, "ID: 254 is out of range; give 0 to 253"},
      {{"move", "1", "500", "--time", "30001"}, "--time: 30001 is out of range; give 0 to 30000"},
      {{"trims", "adjust", "1", "-101"}, "VALUE: -101 is out of range; give -100 to 100"},
      {{"servo", "motor", "1", "1001"}, "SPEED: 1001 is out of range; give -1000 to 1000"},
      {{"read-positions", "1", "x"}, "ID: \"x\" is not a decimal number; give 0 to 253"},
      {{"servo", "write", "--max-voltage", "14.1"}, "14.1 is out of range; give 4.6 to 14.0"},
      {{"servo", "check", "--sim-servos", "41"}, "--sim-servos: 41 is out of range; give 0 to 40"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.join(u' ').toStdString());
    const Outcome r = vornctl(simulated(c.args));
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains(c.message)) << r.err.toStdString();
    EXPECT_TRUE(r.sent().isEmpty());
  }
  // The help says the same ranges in words.
  const Outcome help = vornctl({"erase", "--help"});
  EXPECT_TRUE(help.out.contains(QLatin1String("GROUP 0 to 230, or all"))) << help.out.toStdString();
  EXPECT_FALSE(help.out.contains(QLatin1String("INT"))) << help.out.toStdString();
}

TEST_F(Vornctl, EraseGoesAheadOnlyOnYes) {
  struct Case {
    QByteArray typed;
    bool erased;
  };
  const QList<Case> cases = {
      {"y\n", true},  {"yes\n", true},   {"YES\n", true}, {"Y\n", true},   {"\n", false},
      {"n\n", false}, {"yeah\n", false}, {"no\n", false}, {"\x04", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed.toStdString());
    const Outcome r = onTerminal(simulated({"erase", "5"}), c.typed);
    EXPECT_EQ(r.code, c.erased ? 0 : 8) << r.out.toStdString();
    EXPECT_EQ(r.out.contains(QLatin1String("> 55 55 03 08 05")), c.erased) << r.out.toStdString();
    EXPECT_EQ(r.out.contains(QLatin1String("nothing erased")), !c.erased);
  }
}

TEST_F(Vornctl, BusServosAreReadAndWrittenOnlyWhenOneAnswers) {
  struct Case {
    QStringList args;
    int servos;
    int code;
  };
  const QList<Case> cases = {
      {{"servo", "read"}, 0, 8},
      {{"servo", "read"}, 1, 0},
      {{"servo", "read"}, 2, 8},
      {{"servo", "write", "--led", "off"}, 0, 8},
      {{"servo", "write", "--led", "off"}, 1, 0},
      {{"servo", "write", "--led", "off"}, 2, 8},
  };
  for (const Case& c : cases) {
    const QStringList args = simulated(c.args)
                             << "--sim-servos" << QString::number(c.servos) << "--timeout"
                             << "1000";
    SCOPED_TRACE(args.join(u' ').toStdString());
    // On a terminal as well as in a script: nothing asks, the count decides.
    for (const Outcome& r : {vornctl(args), onTerminal(args)}) {
      EXPECT_EQ(r.code, c.code) << r.out.toStdString() << r.err.toStdString();
      const QString all = r.out + r.err;
      if (c.code == 8) {
        const QString doing =
            c.args[1] == u"read" ? QStringLiteral("reading") : QStringLiteral("writing");
        EXPECT_TRUE(all.contains(
            QStringLiteral("%1 bus servos answer; %2 needs exactly one").arg(c.servos).arg(doing)))
            << all.toStdString();
        // Refused before any parameter read or write went out.
        EXPECT_FALSE(all.contains(QLatin1String("> 55 55 02 1C")));
        EXPECT_FALSE(all.contains(QLatin1String("> 55 55 0E 1B")));
      }
    }
  }
}

TEST_F(Vornctl, MovesGoOverASerialLine) {
  int master = -1;
  int slave = -1;
  char name[128] = {};
  ASSERT_EQ(openpty(&master, &slave, name, nullptr, nullptr), 0);
  const Outcome r = vornctl({"move", "1", "300", "--serial", name, "--baud", "115200", "--trace"});
  EXPECT_EQ(r.code, 0) << r.err.toStdString();
  unsigned char buf[64] = {};
  const ssize_t n = ::read(master, buf, sizeof buf);
  const QByteArray got(reinterpret_cast<char*>(buf), n > 0 ? n : 0);
  EXPECT_EQ(got.toHex(' ').toUpper(), QByteArray("55 55 08 03 01 14 00 01 2C 01"));
  EXPECT_EQ(r.sent(), QStringList{QStringLiteral("55 55 08 03 01 14 00 01 2C 01")});
  ::close(slave);
  ::close(master);

  EXPECT_EQ(vornctl({"move", "1", "300", "--serial", "/nonexistent/tty"}).code, 3);
  EXPECT_EQ(vornctl({"run", "1", "--serial", name}).code, 2);  // only moves go over serial
}

TEST_F(Vornctl, ExportThenImportGivesBackTheSameBytes) {
  const QString rob = write(QStringLiteral("wave.rob"), wave_);
  for (const char* format : {"json", "csv"}) {
    SCOPED_TRACE(format);
    const QString text = dir.filePath(QStringLiteral("wave.") + format);
    const QString back = dir.filePath(QStringLiteral("back.rob"));
    ASSERT_EQ(vornctl({"file", "export", rob, "-o", text}).code, 0);
    const Outcome r = vornctl({"file", "import", text, "-o", back});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_EQ(read(back), wave_);
  }
  const Outcome shown = vornctl({"file", "show", rob});
  EXPECT_TRUE(shown.out.contains(QLatin1String("    2    500  1200     -   300   400   500     -")))
      << shown.out.toStdString();
}

TEST_F(Vornctl, AFailedImportLeavesTheOutputAlone) {
  const QString out = write(QStringLiteral("kept.rob"), wave_);
  const QString csv = write(QStringLiteral("bad.csv"),
                            "time,ch1,ch2,ch3,ch4,ch5,ch6\n1000,1,2,3,4,5,6\n500,1,2,+3,4,5,6\n");
  const Outcome r = vornctl({"file", "import", csv, "-o", out});
  EXPECT_EQ(r.code, 9);
  EXPECT_TRUE(r.err.contains(QLatin1String("bad.csv:3, ch3:"))) << r.err.toStdString();
  EXPECT_EQ(read(out), wave_);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);  // no stray temporary file
}

TEST_F(Vornctl, SpeaksTheLanguageChosenInTheDesktopProgram) {
  ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Vorn")));
  write(QStringLiteral("Vorn/Vorn.conf"), "[General]\nAppLanguagesKey=zh-Hans\n");
  const Outcome ran = vornctl(simulated({"run", "3"}), dir.path());
  EXPECT_EQ(ran.code, 0);
  EXPECT_EQ(ran.out, QStringLiteral("动作组 3 已开始运行\n"));
  const Outcome refused = vornctl(simulated({"erase", "all"}), dir.path());
  EXPECT_EQ(refused.code, 8);
  EXPECT_TRUE(refused.err.contains(QStringLiteral("擦除控制板上的全部动作组？")))
      << refused.err.toStdString();
  EXPECT_TRUE(vornctl({"--help"}, dir.path()).out.contains(QStringLiteral("退出码")));
}

}  // namespace
