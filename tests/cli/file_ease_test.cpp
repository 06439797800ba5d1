#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include "model/action_file.h"
#include "model/easing.h"
#include "model/move_frame.h"
#include "temp_files.h"

// `vornctl file ease` run as a user runs it, judged by its files, messages and exit code.
namespace {

struct Outcome {
  int code = -1;
  QString err;
};

Outcome vornctl(const QStringList& args) {
  static QTemporaryDir emptyConfig;  // no language chosen: English
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), emptyConfig.path());
  p.setProcessEnvironment(env);
  p.start(QStringLiteral(VORNCTL_PATH), args);
  p.closeWriteChannel();
  EXPECT_TRUE(p.waitForFinished(30000)) << args.join(u' ').toStdString();
  return {p.exitCode(), QString::fromUtf8(p.readAllStandardError())};
}

QByteArray actionFile(const QList<QList<int>>& frames) {
  QByteArray b("SOBARM");
  frame::appendLe16(b, frames.size());
  b.append(8, '\0');
  for (const QList<int>& f : frames) {
    for (int v : f) frame::appendLe16(b, v);
  }
  return b;
}

constexpr int X = frame::kAbsentChannel;

class FileEase : public TempFilesTest {
 protected:
  void SetUp() override { QDir::setCurrent(dir.path()); }
  void TearDown() override { QDir::setCurrent(QDir::tempPath()); }

  // An absent channel and a position past the top, which the file keeps as they are.
  const QByteArray wave_ = actionFile({{1000, 500, 500, 500, 500, 500, 500},
                                       {1000, 100, 200, 300, 400, 500, 600},
                                       {600, 1200, X, 300, 400, 500, 600},
                                       {500, 500, 500, 500, 500, 500, 500}});
};

// The command eases what the model eases and writes it whole; the frames outside the moves
// and every move's end keep the file's own bytes.
TEST_F(FileEase, WritesTheEasedFramesTheModelMakes) {
  write(QStringLiteral("wave.rob"), wave_);
  const VelmarFrames frames = KoTools::readVelmarData(wave_);
  const struct {
    QStringList options;
    QList<int> rows;
    easing::Curve curve;
    int step;
  } cases[] = {
      {{}, {0, 1, 2, 3}, easing::kInOut, 50},
      {{"--from", "2", "--to", "3", "--curve", "in", "--step", "200"}, {1, 2}, easing::kIn, 200},
      {{"--to", "2", "--curve", "0.1,0.9,0.2,1"}, {0, 1}, {0.1, 0.9, 0.2, 1}, 50},
      {{"--from", "3", "--curve", "out", "--step", "100"}, {2, 3}, easing::kOut, 100},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.options.join(u' ').toStdString());
    const Outcome r = vornctl(QStringList{"file", "ease", "wave.rob", "-o", "out.rob"} + c.options);
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const easing::EasePlan plan = easing::planEase(frames, c.rows, c.curve, c.step);
    EXPECT_EQ(read(dir.filePath("out.rob")), KoTools::changeToData(easing::applied(frames, plan)));
    EXPECT_TRUE(r.err.contains(
        QStringLiteral("%1 frames written to out.rob").arg(frames.size() + plan.added)))
        << r.err.toStdString();
  }
  // Time kept and the file's own values at the moves' ends.
  const VelmarFrames eased = KoTools::readVelmarData(read(dir.filePath("out.rob")));
  qint64 total = 0;
  for (const VelmarFrame& f : eased) total += f->time;
  EXPECT_EQ(total, 3100);
  EXPECT_EQ(eased.last()->data.sliced(2), frames.last()->data.sliced(2));
  EXPECT_EQ(eased[2]->data, frames[2]->data);
}

TEST_F(FileEase, RefusesWithTheCodeAndReasonAndWritesNothing) {
  write(QStringLiteral("wave.rob"), wave_);
  write(QStringLiteral("short.rob"), actionFile({{60, 1, 1, 1, 1, 1, 1}, {60, 9, 9, 9, 9, 9, 9}}));
  QList<QList<int>> many(limits::kMaxFramesPerGroup - 5, {1000, 0, 0, 0, 0, 0, 0});
  write(QStringLiteral("full.rob"), actionFile(many));
  write(QStringLiteral("out.rob"), "kept");
  const struct {
    QStringList args;
    int code;
    const char* says;
  } cases[] = {
      {{"wave.rob", "--from", "3", "--to", "3"}, 2, "--from 3 --to 3 names no move in wave.rob"},
      {{"wave.rob", "--to", "5"}, 2, "which has 4 frames"},
      {{"wave.rob", "--from", "0"}, 2, "--from"},
      {{"wave.rob", "--curve", "in-and-out"}, 2, "in-and-out is no curve"},
      {{"wave.rob", "--curve", "0,0,1,2"}, 2, "0,0,1,2 is no curve"},
      {{"wave.rob", "--step", "49"}, 2, "--step"},
      {{"short.rob"}, 1, "short.rob: no move there is long enough to ease"},
      {{"full.rob", "--step", "500"},
       9,
       "full.rob: easing the move from frame 6 to frame 7 would make more than 1020 frames"},
      {{"missing.rob"}, 9, "cannot read missing.rob"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.join(u' ').toStdString());
    const Outcome r = vornctl(QStringList{"file", "ease", "-o", "out.rob"} + c.args);
    EXPECT_EQ(r.code, c.code);
    EXPECT_TRUE(r.err.contains(QLatin1String(c.says))) << r.err.toStdString();
    EXPECT_EQ(read(dir.filePath("out.rob")), "kept");
  }
}

}  // namespace
