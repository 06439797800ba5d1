#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include "batch_names.h"
#include "model/action_file.h"
#include "model/arm_profile.h"
#include "model/easing.h"
#include "model/move_frame.h"
#include "pseudo_terminal.h"
#include "temp_files.h"

// vornctl as its users run it, judged by its standard output, standard error and exit code.
namespace {

struct Outcome {
  int code = -1;
  QString out, err;

  // The frames it sent, as the trace shows them.
  QStringList sent() const {
    QStringList lines;
    for (const QString& l : err.split(u'\n'))
      if (l.startsWith(QLatin1String("> "))) lines.append(l.mid(2));
    return lines;
  }
};

// Settings come from configHome, by default an empty folder: English. With `typed` it runs on a
// pseudo-terminal, `out` holding all it showed, `typed` waiting to be read ("\x04" ends input).
Outcome vornctl(const QStringList& args, const QString& configHome = {},
                const std::optional<QByteArray>& typed = {}) {
  static QTemporaryDir empty;
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome.isEmpty() ? empty.path() : configHome);
  p.setProcessEnvironment(env);
  int master = -1, slave = -1;
  if (typed) {
    char name[128] = {};
    EXPECT_EQ(openpty(&master, &slave, name, nullptr, nullptr), 0);
    EXPECT_EQ(::write(master, typed->constData(), static_cast<size_t>(typed->size())),
              typed->size());
    p.setStandardInputFile(QString::fromLocal8Bit(name));
    p.setStandardOutputFile(QString::fromLocal8Bit(name));
    p.setStandardErrorFile(QString::fromLocal8Bit(name));
  }
  p.start(QStringLiteral(VORNCTL_PATH), args);
  p.closeWriteChannel();
  EXPECT_TRUE(p.waitForFinished(30000)) << args.join(u' ').toStdString();
  if (!typed) {
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
  }
  ::close(slave);  // the program's side is closed too: what it showed ends there
  QByteArray shown;
  char buf[4096];
  for (ssize_t n; (n = ::read(master, buf, sizeof buf)) > 0;) shown.append(buf, n);
  ::close(master);
  return {p.exitCode(), QString::fromUtf8(shown), {}};
}

QStringList simulated(QStringList args) {
  return args << QStringLiteral("--simulate") << QStringLiteral("--trace");
}

QByteArray actionFile(const QList<QList<int>>& frames) {
  QByteArray b("SOBARM");
  frame::appendLe16(b, frames.size());
  b.append(8, '\0');
  for (const QList<int>& f : frames)
    for (int v : f) frame::appendLe16(b, v);
  return b;
}

const QList<int> kFrame{1000, 500, 500, 500, 500, 500, 500};

// vornctl runs in the test's folder, so that its files are named as a user names them.
class Vornctl : public TempFilesTest {
 protected:
  void SetUp() override { QDir::setCurrent(dir.path()); }
  void TearDown() override { QDir::setCurrent(QDir::tempPath()); }

  // Positions over 1000 and absent channels (0x5555) must survive every conversion.
  const QByteArray wave_ = actionFile({kFrame, {500, 1200, 0x5555, 300, 400, 500, 0x5555}});
};

TEST_F(Vornctl, EachCommandSendsItsBytesOrEndsWithItsCodeAndSaysWhy) {
  write(QStringLiteral("7号wave.rob"), wave_);
  // The five steps of wave.rob into group 7: the count of frames, the pages, each frame, end.
  const QString wave4 =
      "06 05 01 07 02 00, 06 05 02 07 01 00, 06 05 03 07 00 00 01 00, 1B 05 04 07";
  const QString wave5 = wave4 + ", 15 05 04 07 00 01 04 F4 01 01 B0 04 03 2C 01 04 90 01 05 F4 01";
  const QString wave = wave5 + ", 04 05 05 07";
  write(QStringLiteral("3号damaged.rob"), QByteArray("SOBARM\x02"));
  write(QStringLiteral("over.rob"), actionFile(QList<QList<int>>(1021, kFrame)));
  struct Case {
    QString line;  // on the virtual board with --trace, unless it places --simulate
    int code;
    QString says;     // on standard output for a result, on standard error for a failure
    QString sends{};  // the frames sent, each as its leading bytes after the 55 55 header
  };
  const QList<Case> cases = {
      {"run 3", 0, "group 3 started", "05 06 03 01 00"},
      {"run 3 --times 300", 0, "group 3 started", "05 06 03 2C 01"},
      {"--verbose stop", 0, "stopped", "02 07"},
      {"erase 5 --yes", 0, "action group 5 erased", "03 08 05"},
      {"move 2 300 --time 500", 0, "servo 2 to 300", "08 03 01 F4 01 02 2C 01"},
      {"reset", 0, "servos 1 to 40", "7D 03 28 E8 03 01 F4 01 02 F4 01"},
      {"unload 1 3", 0, "unloaded 1 3", "05 14 02 01 03 00 00"},
      {"trims adjust 3 -10", 0, "servo 3 trim -10", "04 18 03 F6"},
      {"trims store", 0, "trims stored for 1 2 3", "09 16 06 01 02 03 04 05 06 00"},
      {"trims read 2 4", 0, "2 0\n4 0\n", "05 17 02 02 04"},
      {"servo motor 1 -100", 0, "motor speed -100", "06 1A 01 01 9C FF"},
      // Above 2000 the reading wrapped below zero.
      {"read-positions 3 --sim-fault reading:3:65531", 0, "3 0\n", "04 15 01 03"},
      {"download 7 7号wave.rob", 0, "7号wave.rob downloaded into group 7 (2 frames)\n", wave},
      // Only the given fields change: the rest go back as the servo reported them.
      {"servo write --led off --stall-alarm off --min-angle 100 --max-angle 900", 0,
       "min-angle                100",
       "09 15 06, 02 1C, 0E 1B 01 64 00 84 03 94 11 B0 36 55 01 03"},
      // Volts take their tenths, zeros in front or not: 5.5 V goes out as 5500 mV.
      {"servo write --min-voltage 05.5", 0, "min-voltage              5.5",
       "09 15 06, 02 1C, 0E 1B 01 00 00 E8 03 7C 15"},
      {"servo write --min-voltage 4.5 --max-voltage 14.0", 0, "max-voltage              14.0",
       "09 15 06, 02 1C, 0E 1B 01 00 00 E8 03 94 11 B0 36"},

      // Board options go before or after the command.
      {"--sim-servos=2 --simulate --trace servo check", 0, "answering: 2", "09 15"},

      // Failures of the board or of the user's files.
      {"download 7 7号wave.rob --sim-fault drop-ack:4 --timeout 300", 6,
       "did not acknowledge step 4 of group 7 within 300 ms", wave4},
      {"download 7 7号wave.rob --sim-fault unplug-after:4 --timeout 5000", 7,
       "board was lost while downloading group 7", wave5},
      {"servo read --sim-fault no-reply:28 --timeout 100", 6, "did not answer within 100 ms",
       "09 15, 02 1C"},
      {"servo read --sim-fault unplug-after:1 --timeout 5000", 7,
       "board was lost while waiting for its answer", "09 15, 02 1C"},
      // Pulled, the next write fails before the host hears of it, as on USB: lost, not failed.
      {"servo write --led off --sim-fault pull-after:2", 7, "board was lost while sending",
       "09 15, 02 1C, 0E 1B"},
      {"read-positions 1 9", 1, "no answer from servo 9", "05 15 02 01 09"},
      {"download-many 3号damaged.rob", 9, "damaged"},
      {"download 5 over.rob", 9, "holds 1021 frames; a group takes at most 1020"},

      // Refused: a bus servo is read or written only alone on the bus; nothing is erased unasked.
      {"servo write --id 2 --sim-servos=2", 8, "2 bus servos answer; writing needs exactly one",
       "09 15"},
      {"erase 3", 8, "standard input is not a terminal"},

      // Numbers are decimal: zeros in front change nothing (printf %03d gives 010 for group 10),
      // and anything else is refused, naming where.
      {"run 010", 0, "group 10 started", "05 06 0A 01 00"},
      {"move 1 500 --time 0300", 0, "servo 1 to 500", "08 03 01 2C 01 01 F4 01"},
      {"trims adjust 2 -010", 0, "servo 2 trim -10", "04 18 02 F6"},
      {"run 0x10", 2, "GROUP"},
      {"move 1 500 --time 0x12C", 2, "--time"},
      {"trims adjust 2 0x10", 2, "VALUE"},
      {"servo write --min-voltage 5,5", 2, "--min-voltage"},
      {"servo write --min-angle 100.5", 2, "--min-angle"},  // tenths only where volts

      // Arguments refused before anything is sent.
      {"servo write --min-angle 900 --max-angle 800", 2, "lower angle limit (900) must be below",
       "09 15, 02 1C"},
      {"bogus", 2, "\"bogus\" is not a command; the commands are: list, download,"},
      {"run 231", 2, "GROUP: 231 is out of range; give 0 to 230"},
      {"trims adjust 1 -101", 2, "VALUE: -101 is out of range; give -100 to 100"},
      {"servo write --max-voltage 14.04", 2,
       "--max-voltage: 14.04 is out of range; give 4.6 to 14.0"},
      {"read-positions 3 --sim-fault reading:3:70000", 2, "70000 is out of range; give 0 to 65535"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line.toStdString());
    const QStringList args = c.line.split(u' ');
    const Outcome r = vornctl(args.contains(u"--simulate") ? args : simulated(args));
    EXPECT_EQ(r.code, c.code) << r.err.toStdString();
    EXPECT_TRUE((c.code == 0 ? r.out : r.err).contains(c.says))
        << r.out.toStdString() << r.err.toStdString();
    // A failure shows no result; only a partial answer (code 1) shows the part that came.
    EXPECT_TRUE(c.code == 0 || c.code == 1 || r.out.isEmpty()) << r.out.toStdString();
    const QStringList sent = r.sent();
    const QStringList sends = c.sends.split(QStringLiteral(", "), Qt::SkipEmptyParts);
    ASSERT_EQ(sent.size(), sends.size()) << r.err.toStdString();
    for (qsizetype i = 0; i < sent.size(); ++i)
      EXPECT_TRUE(sent[i].startsWith("55 55 " + sends[i])) << sent[i].toStdString();
  }
}

// The batch rule's table: each refused name is named; with --skip-refused the rest go, else none.
TEST_F(Vornctl, DownloadManyTakesTheToolsBatchRule) {
  QStringList names;
  for (const BatchName& b : kBatchNames) {
    names.append(QString::fromUtf8(b.name));
    write(names.last(), actionFile({kFrame}));
  }
  const Outcome all = vornctl(simulated(QStringList{"download-many"} + names));
  EXPECT_EQ(all.code, 9);
  EXPECT_TRUE(all.sent().isEmpty());
  const Outcome some = vornctl(simulated(QStringList{"download-many", "--skip-refused"} + names));
  EXPECT_EQ(some.code, 1);
  int refused = 0;
  for (const BatchName& b : kBatchNames) {
    const QString name = QString::fromUtf8(b.name);
    SCOPED_TRACE(name.toStdString());
    const QString stored =
        QStringLiteral("%1 downloaded into group %2 (1 frame)\n").arg(name).arg(b.group);
    const QString named = QStringLiteral("vornctl: %1: the name must begin").arg(name);
    EXPECT_EQ(some.out.contains(stored), b.group >= 0) << some.out.toStdString();
    EXPECT_EQ(some.err.contains(named), b.group < 0) << some.err.toStdString();
    EXPECT_EQ(all.err.contains(named), b.group < 0) << all.err.toStdString();
    refused += b.group < 0;
  }
  EXPECT_TRUE(all.err.endsWith(
      QStringLiteral("%1 files refused: nothing sent; --skip-refused sends the others\n")
          .arg(refused)))
      << all.err.toStdString();
  EXPECT_TRUE(some.err.endsWith(
      QStringLiteral("%1 files refused and not sent; the others are stored\n").arg(refused)))
      << some.err.toStdString();
}

// A group's worth goes out whole; without a terminal progress is a line every tenth.
TEST_F(Vornctl, AFullGroupDownloadsAndTellsItsProgressByTenths) {
  write(QStringLiteral("full.rob"),
        actionFile(QList<QList<int>>(limits::kMaxFramesPerGroup, kFrame)));
  const Outcome r = vornctl({"download", "5", "full.rob", "--simulate"});
  EXPECT_EQ(r.code, 0) << r.err.toStdString();
  QString tenths;
  for (int done = 102; done <= 1020; done += 102)
    tenths += QStringLiteral("group 5: %1/1020 frames\n").arg(done);
  EXPECT_EQ(r.err.toStdString(), tenths.toStdString());
}

TEST_F(Vornctl, OnATerminalEraseGoesAheadOnlyOnYes) {
  const std::pair<QByteArray, bool> cases[] = {
      {"y\n", true}, {"YES\n", true}, {"\n", false}, {"yeah\n", false}, {"\x04", false}};
  for (const auto& [typed, erased] : cases) {
    SCOPED_TRACE(typed.toStdString());
    const Outcome r = vornctl(simulated({"erase", "5"}), {}, typed);
    EXPECT_EQ(r.code, erased ? 0 : 8) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QLatin1String("[y/N]"))) << r.out.toStdString();
    EXPECT_EQ(r.out.contains(QLatin1String("> 55 55 03 08 05")), erased) << r.out.toStdString();
    EXPECT_EQ(r.out.contains(QLatin1String("nothing erased")), !erased);
  }
}

TEST_F(Vornctl, MovesGoOverASerialLine) {
  Pty line;
  const Outcome r =
      vornctl({"move", "1", "300", "--serial", line.path, "--baud", "115200", "--trace"});
  EXPECT_EQ(r.code, 0) << r.err.toStdString();
  EXPECT_TRUE(line.pump([&] { return !line.received.isEmpty(); }));
  EXPECT_EQ(line.received.toHex(' ').toUpper(), QByteArray("55 55 08 03 01 14 00 01 2C 01"));
  EXPECT_TRUE(r.err.contains("> 55 55 08 03 01 14 00 01 2C 01")) << r.err.toStdString();
  line.received.clear();  // a time given, even 0, is the time sent
  EXPECT_EQ(vornctl({"move", "1", "300", "--serial", line.path, "--time", "0"}).code, 0);
  EXPECT_TRUE(line.pump([&] { return line.received.size() == 10; }));
  EXPECT_EQ(line.received.toHex(' ').toUpper(), QByteArray("55 55 08 03 01 00 00 01 2C 01"));

  EXPECT_EQ(vornctl({"move", "1", "300", "--serial", "/nonexistent/tty"}).code, 3);
  EXPECT_EQ(vornctl({"run", "1", "--serial", line.path}).code, 2);  // only moves go over serial
}

TEST_F(Vornctl, FilesAndAnswersKeepTheirShapeAFailedImportWritesNothingAndAnyNameOpens) {
  const QString rob = write(QStringLiteral("wave.rob"), wave_);
  for (const char* format : {"json", "csv"}) {
    SCOPED_TRACE(format);
    const QString text = QStringLiteral("wave.") + format;
    ASSERT_EQ(vornctl({"file", "export", rob, "-o", text}).code, 0);
    ASSERT_EQ(vornctl({"file", "import", text, "-o", "back.rob"}).code, 0);
    EXPECT_EQ(read(dir.filePath("back.rob")), wave_);
  }
  const Outcome shown = vornctl({"file", "show", rob});
  EXPECT_TRUE(shown.out.contains(QLatin1String("    2    500  1200     -   300   400   500     -")))
      << shown.out.toStdString();
  EXPECT_TRUE(shown.out.startsWith("frame   time   ch1   ch2   ch3   ch4   ch5   ch6\n"));

  // Every JSON document has a version and one shape per key ("servos" is always a list).
  auto json = [](QStringList args) {
    const Outcome r = vornctl(args << QStringLiteral("--json"));
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    const QJsonObject o = QJsonDocument::fromJson(r.out.toUtf8()).object();
    EXPECT_EQ(o["version"], 1) << args.join(u' ').toStdString();
    EXPECT_TRUE(!o.contains(QLatin1String("servos")) || o["servos"].isArray());
    return o;
  };
  // The position is shown as the screens show it, with the raw reading beside it.
  const QJsonArray positions =
      json(simulated({"read-positions", "2", "5", "--sim-fault", "reading:5:1500"}))["servos"]
          .toArray();
  ASSERT_EQ(positions.size(), 2);
  EXPECT_EQ(positions[1]["position"], 1000);
  EXPECT_EQ(positions[1]["raw"], 1500);
  EXPECT_EQ(json(simulated({"servo", "check", "--sim-servos", "2"}))["count"], 2);
  const QJsonObject servo = json(simulated({"servo", "read"}));
  EXPECT_EQ(servo["voltage"], 7.4);
  EXPECT_TRUE(servo["led"].isBool() && servo["minAngle"].isDouble());
  EXPECT_EQ(json({"file", "show", rob})["frames"].toArray().size(), 2);

  const QString csv = write(QStringLiteral("bad.csv"),
                            "time,ch1,ch2,ch3,ch4,ch5,ch6\n1000,1,2,3,4,5,6\n500,1,2,+3,4,5,6\n");
  const QStringList before = QDir(dir.path()).entryList(QDir::Files);
  const Outcome bad = vornctl({"file", "import", csv, "-o", rob});
  EXPECT_EQ(bad.code, 9);
  EXPECT_TRUE(bad.err.contains(QLatin1String("bad.csv:3, ch3:"))) << bad.err.toStdString();
  EXPECT_EQ(read(rob), wave_);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), before);  // no stray temporary file

  // A name is taken as the shell's bytes.
  const int fd = ::open("caf\xe9.rob", O_WRONLY | O_CREAT | O_EXCL, 0600);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(::write(fd, wave_.constData(), size_t(wave_.size())), wave_.size());
  ::close(fd);
  QProcess shell;
  shell.start("sh", {"-c", "\"$0\" file show \"$(printf 'caf\\351.rob')\"", VORNCTL_PATH});
  ASSERT_TRUE(shell.waitForFinished(30000));
  EXPECT_EQ(shell.exitCode(), 0) << shell.readAllStandardError().toStdString();
  EXPECT_TRUE(shell.readAllStandardOutput().contains("frames: 2"));
  ::unlink("caf\xe9.rob");  // the temporary folder's own removal cannot name it
}

// vorn's profiles and language hold here: out-of-range positions and striking poses go unsent.
// Characters that could steer the terminal are written out (\x1b); a name holding one is dropped.
TEST_F(Vornctl, AProfileRefusesBeforeAnythingIsSentAndNamesReachTheTerminalWrittenOut) {
  KoArmProfile profile = KoArmProfile::shipped();
  profile.name = QStringLiteral("Bench arm");
  profile.channels[2] = {QStringLiteral("Wr\x1bist\x07\u202e"), 100, 900, false};
  profile.channels[4] = {QString(), 200, 800, true};
  QJsonObject hostile = QJsonDocument::fromJson(profile.toJson()).object();
  hostile[QStringLiteral("name")] = QStringLiteral("Evil\x1b]0;owned\x07");
  // Stored as vorn keeps them, in configHome/Vorn/Vorn.conf.
  QSettings conf(dir.filePath("Vorn/Vorn.conf"), QSettings::IniFormat);
  const QJsonArray profiles{QJsonDocument::fromJson(profile.toJson()).object(), hostile};
  conf.setValue(KoArmProfiles::kSettingsKey,
                QString::fromUtf8(QJsonDocument(profiles).toJson(QJsonDocument::Compact)));
  conf.sync();

  const QByteArray reach = actionFile({kFrame, {500, 500, 500, 950, 500, 500, 500}});
  write(QStringLiteral("4号reach.rob"), reach);
  write(QStringLiteral("re\x1b[2Jach.rob"), reach);
  // An absent channel is not checked, and the pose is judged with it at the middle, as the
  // editor does: the shoulder (channel 5) at either end would take the wrist below the ground.
  write(QStringLiteral("3号gaps.rob"), actionFile({{1000, 0x5555, 100, 900, 500, 0x5555, 0}}));
  // The shoulder laid all the way forward takes the straight arm's tip below the ground.
  write(QStringLiteral("5号fall.rob"), actionFile({{500, 500, 500, 500, 500, 0, 500}, kFrame}));

  const QString bench = QStringLiteral("Bench arm"), vorn = QStringLiteral("Vorn arm");
  EXPECT_EQ(vornctl({"profiles"}, dir.path()).out, "Vorn arm\nBench arm\n");
  const struct {
    const char* line;  // on the virtual board with --trace, then --profile unless null
    QString profile;
    int code;
    QString says;  // on standard error for a failure
  } cases[] = {
      {"move 3 950", bench, 8,
       "vornctl: channel 3 (Wr\\x1bist\\x07\\u202e) may go from 100 to 900 in the arm profile "
       "\"Bench arm\", not to 950; nothing sent\n"},
      {"move 3 900 --time 200", bench, 0, ""},
      {"move 5 801", bench, 8, "channel 5 may go from 200 to 800"},
      {"move 7 1000", bench, 0, ""},  // no channel of the arm
      {"move 3 950", {}, 0, ""},
      {"move 5 0", vorn, 8,
       "vornctl: channel 5 (Shoulder) at 0 would strike the ground in the arm profile \"Vorn "
       "arm\"; nothing sent\n"},
      {"move 3 950", "bench arm", 2,
       "there is no arm profile \"bench arm\"; the profiles are: \"Vorn arm\", \"Bench arm\"\n"},
      {"move 3 500 --verbose", "No\x1b[2J\u202e\uffff\U000E0001", 2,
       "no arm profile \"No\\x1b[2J\\u202e\\uffff\\U000e0001\";"},
      {"bogus\x1b[2J", {}, 2, "\"bogus\\x1b[2J\" is not a command"},

      {"download 7 re\x1b[2Jach.rob", bench, 8,
       "vornctl: re\\x1b[2Jach.rob, frame 2: channel 3 (Wr\\x1bist\\x07\\u202e) at 950 is "
       "outside its safe range 100 to 900 in the arm profile \"Bench arm\"; nothing sent\n"},
      {"download 7 3号gaps.rob", vorn, 0, ""},
      {"download 3 5号fall.rob", vorn, 8,
       "vornctl: 5号fall.rob, frame 1 would strike the ground in the arm profile \"Vorn arm\"; "
       "nothing sent\n"},
      // The whole batch is checked before the first file goes out.
      {"download-many 3号gaps.rob 4号reach.rob", bench, 8, "4号reach.rob, frame 2: channel 3"},
  };
  for (const auto& c : cases) {
    QStringList line = QString::fromUtf8(c.line).split(u' ');
    if (!c.profile.isNull()) line << QStringLiteral("--profile") << c.profile;
    SCOPED_TRACE(line.join(u' ').toStdString());
    const Outcome r = vornctl(simulated(line), dir.path());
    EXPECT_EQ(r.code, c.code) << r.err.toStdString();
    if (c.code == 0) {
      EXPECT_FALSE(r.sent().isEmpty()) << r.err.toStdString();
    } else {
      EXPECT_TRUE(r.err.contains(c.says)) << r.err.toStdString();
      EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
      EXPECT_TRUE(r.sent().isEmpty()) << r.err.toStdString();
    }
    for (const QChar ch : r.out + r.err)
      EXPECT_TRUE(ch == u'\n' || !KoTools::isUnprintable(ch.unicode())) << int(ch.unicode());
  }
  // The language chosen there is vornctl's too.
  conf.setValue("AppLanguagesKey", "zh-Hans");
  conf.sync();
  EXPECT_EQ(vornctl(simulated({"run", "3"}), dir.path()).out, "动作组 3 已开始运行\n");
}

// `file ease` writes what the model eases; frames outside the moves and every move's end keep
// the file's own bytes, an absent channel and a position past the top included.
TEST_F(Vornctl, FileEaseWritesTheEasedFramesTheModelMakesOrRefusesWithTheCodeAndReason) {
  const QByteArray moves = actionFile({{1000, 500, 500, 500, 500, 500, 500},
                                       {1000, 100, 200, 300, 400, 500, 600},
                                       {600, 1200, frame::kAbsentChannel, 300, 400, 500, 600},
                                       {500, 500, 500, 500, 500, 500, 500}});
  write(QStringLiteral("wave.rob"), moves);
  const VelmarFrames frames = KoTools::readVelmarData(moves);
  const std::tuple<QStringList, QList<int>, easing::Curve, int> eases[] = {
      {{}, {0, 1, 2, 3}, easing::kInOut, 50},
      {{"--from", "2", "--to", "3", "--curve", "in", "--step", "200"}, {1, 2}, easing::kIn, 200},
      {{"--to", "2", "--curve", "0.1,0.9,0.2,1"}, {0, 1}, {0.1, 0.9, 0.2, 1}, 50},
      {{"--from", "3", "--curve", "out", "--step", "100"}, {2, 3}, easing::kOut, 100},
  };
  for (const auto& [options, rows, curve, step] : eases) {
    SCOPED_TRACE(options.join(u' ').toStdString());
    const Outcome r = vornctl(QStringList{"file", "ease", "wave.rob", "-o", "out.rob"} + options);
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const easing::EasePlan plan = easing::planEase(frames, rows, curve, step);
    EXPECT_EQ(read(dir.filePath("out.rob")), KoTools::changeToData(easing::applied(frames, plan)));
    EXPECT_TRUE(r.err.contains(
        QStringLiteral("%1 frames written to out.rob").arg(frames.size() + plan.added)))
        << r.err.toStdString();
  }
  // A refusal writes nothing.
  write(QStringLiteral("one.rob"), actionFile({kFrame}));
  QList<QList<int>> many(limits::kMaxFramesPerGroup - 5, {1000, 0, 0, 0, 0, 0, 0});
  write(QStringLiteral("full.rob"), actionFile(many));
  write(QStringLiteral("out.rob"), "kept");
  ASSERT_EQ(::mkfifo("fifo.rob", 0600), 0);
  const std::tuple<QStringList, int, const char*> refusals[] = {
      // Options are blamed only when given; otherwise the file has no move there.
      {{"wave.rob", "--from", "3", "--to", "3"}, 2, "--from 3 must come before --to 3"},
      {{"wave.rob", "--to", "5"}, 1, "wave.rob has 4 frames; there is no frame 5"},
      {{"one.rob"}, 1, "one.rob has no move between frames 1 and 1 (it has 1 frame)"},
      {{"wave.rob", "--curve", "in-and-out"}, 2, "in-and-out is no curve"},
      {{"wave.rob", "--step", "600"}, 1, "a move needs at least 1200 ms for two steps"},
      {{"full.rob", "--step", "500"},
       9,
       "full.rob: easing the move from frame 6 to frame 7 would make more than 1020 frames"},
      {{"missing.rob"}, 9, "cannot read missing.rob"},
      // A device gives without end and a FIFO's open waits for a writer: refused at once.
      {{"/dev/zero"}, 9, "/dev/zero: not a regular file"},
      {{"fifo.rob"}, 9, "fifo.rob: not a regular file"},
  };
  for (const auto& [args, code, says] : refusals) {
    SCOPED_TRACE(args.join(u' ').toStdString());
    const Outcome r = vornctl(QStringList{"file", "ease", "-o", "out.rob"} + args);
    EXPECT_EQ(r.code, code);
    EXPECT_TRUE(r.err.contains(QLatin1String(says))) << r.err.toStdString();
    EXPECT_EQ(read(dir.filePath("out.rob")), "kept");
  }
}

}  // namespace
