// Pictures of the tool for a person to look at, not a check: runs only when VORN_SHOTS_DIR
// names a folder, e.g. under Xvfb with QT_QPA_PLATFORM=xcb.
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cmath>

#include "app/app_delegate.h"
#include "app/window.h"
#include "model/language.h"
#include "servotool/live_status.h"
#include "servotool/mass_download_panel.h"
#include "tool_fixture.h"

namespace {

void save(QWidget* window, const QString& name) {
  processPending();
  window->grab().save(QDir(qEnvironmentVariable("VORN_SHOTS_DIR")).filePath(name + ".png"));
}

QString actionFile(const QDir& dir, const QString& name, int frames) {
  QByteArray image("SOBARM");
  image.append(char(frames & 0xFF)).append(char(frames >> 8)).append(8, '\0');
  for (int i = 0; i < frames * 7; ++i) image.append(char(0xF4)).append(char(0x01));
  QFile f(dir.filePath(name));
  f.open(QIODevice::WriteOnly);
  f.write(image);
  return f.fileName();
}

TEST(Screenshots, TheToolInEveryLanguageAndState) {
  if (qEnvironmentVariableIsEmpty("VORN_SHOTS_DIR")) GTEST_SKIP() << "VORN_SHOTS_DIR not set";
  QSettings().clear();
  usbHid link;
  AppDelegate app(link, nullptr);
  app.applicationDidFinishLaunching(true);
  KoTools::installPrompter(&RecordingPrompter::instance());
  VirtualBoard& board = *app.virtualBoard();
  board.setReplyLatency(std::chrono::milliseconds(0));
  QWidget* window = app.window();
  window->show();
  app.selectTitleIndex(1);
  auto* tool = qobject_cast<KoSteerDebuggingTool*>(app.vc2());
  ASSERT_TRUE(tool);
  qint64 now = 0;
  VirtualBoard::Clock::time_point boardNow{};
  tool->setClock([&] { return now; });
  board.setClock([&] { return boardNow; });
  tool->liveStatus()->setInterval(std::chrono::hours(1));
  QTemporaryDir dir;
  const QStringList files{
      actionFile(dir.path(), "3号wave.rob", 12), actionFile(dir.path(), "4号walk.rob", 20),
      actionFile(dir.path(), "231号kick.rob", 5), actionFile(dir.path(), "plain.rob", 5)};
  tool->massDownload()->setFileChooser([&] { return files; });

  const QStringList languages = KoLanguage::languages();
  for (int l = 0; l < languages.size(); ++l) {
    KoLanguage::instance().choose(languages[l], nullptr);
    for (const QSize size : {QSize(1400, 880), QSize(960, 680)}) {
      window->resize(size);
      const QString stem = QStringLiteral("%1-%2").arg(l).arg(size.width());
      tool->liveStatus()->setOn(false);
      for (int servos : {0, 2, 1}) {
        board.setBusServoCount(servos);
        tool->connection();
        processUntil([&] { return tool->check() != KoSteerDebuggingTool::Check::Pending; });
        save(window, QStringLiteral("%1-%2servos").arg(stem).arg(servos));
      }
      // Two minutes of a warming servo turning in motor mode.
      tool->liveStatus()->setOn(true);
      link.sendSpeed(1, 400, 1);
      for (int i = 0; i < 240; ++i) {
        now += 500;
        boardNow += std::chrono::milliseconds(500);
        KoServoInfo& s = board.busServos().first().info;
        s.currentTemperature = 35 + i / 12;
        s.currentVoltage = 7400 - 300 * std::sin(i / 10.0) - 2 * i;
        tool->liveStatus()->tick();
        processPending();
      }
      save(window, stem + "-live");
      link.sendSpeed(1, 0, 0);
      tool->liveStatus()->setOn(false);
      tool->massDownload()->chooseFiles();
      save(window, stem + "-batch");
    }
  }
  KoLanguage::instance().choose(QStringLiteral("English"), nullptr);
}

}  // namespace
