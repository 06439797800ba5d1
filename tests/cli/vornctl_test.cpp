#include <gtest/gtest.h>
#include <pty.h>
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

// Runs with its settings in configHome: by default an empty folder, so that it speaks English
// whatever the language chosen on this machine.
Outcome vornctl(const QStringList& args, const QString& configHome = {}) {
  static QTemporaryDir emptyConfig;
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("XDG_CONFIG_HOME"),
             configHome.isEmpty() ? emptyConfig.path() : configHome);
  p.setProcessEnvironment(env);
  p.start(QStringLiteral(VORNCTL_PATH), args);
  p.closeWriteChannel();  // standard input is not a terminal
  EXPECT_TRUE(p.waitForFinished(30000)) << args.join(u' ').toStdString();
  return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
          QString::fromUtf8(p.readAllStandardError())};
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

TEST_F(Vornctl, ReadingsPrintJsonForScripts) {
  auto json = [](QStringList args) {
    args << QStringLiteral("--json");
    const Outcome r =
        vornctl(args.first() == u"list" ? args << QStringLiteral("--simulate") : simulated(args));
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    return QJsonDocument::fromJson(r.out.toUtf8()).object();
  };
  EXPECT_EQ(json({"read-positions", "2", "5"}).value(QLatin1String("servos")).toArray().size(), 2);
  EXPECT_EQ(json({"trims", "read"}).value(QLatin1String("servos")).toArray().size(), 6);
  EXPECT_EQ(json({"servo", "check", "--sim-servos", "1"}).value(QLatin1String("servos")), 1);
  const QJsonObject servo = json({"servo", "read"});
  EXPECT_EQ(servo.value(QLatin1String("maxVoltage")).toDouble(), 14.0);
  EXPECT_EQ(servo.value(QLatin1String("stallAlarm")), true);
  EXPECT_FALSE(json({"list"}).value(QLatin1String("boards")).toArray().isEmpty());
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
