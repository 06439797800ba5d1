// Pictures of the bus-servo tool with 0, 1 and 2 servos, live status running and a batch
// with refused files, in every language at two window sizes, for a person to look at:
// build/default/tools/tool_shots/vorn_tool_shots /tmp/tool-shots
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cmath>
#include <cstdio>

#include "app/app_delegate.h"
#include "app/fonts.h"
#include "app/window.h"
#include "board/virtual_board.h"
#include "link/usb_hid.h"
#include "model/language.h"
#include "picture_run.h"
#include "servotool/live_status.h"
#include "servotool/mass_download_panel.h"
#include "servotool/steer_debugging_tool.h"
#include "silent_prompter.h"
#include "wait.h"
#include "widgets/prompter.h"

namespace {

int fail(const char* why) {
  fprintf(stderr, "vorn_tool_shots: %s\n", why);
  return 1;
}

void save(QWidget* window, const QString& out, const QString& name) {
  processPending();
  window->grab().save(QDir(out).filePath(name + ".png"));
}

QString actionFile(const QDir& dir, const QString& name, int frames) {
  QByteArray image("SOBARM");
  image.append(char(frames & 0xFF)).append(char(frames >> 8)).append(8, '\0');
  for (int i = 0; i < frames * 7; ++i) image.append(char(0xF4)).append(char(0x01));
  QFile f(dir.filePath(name));
  if (f.open(QIODevice::WriteOnly)) f.write(image);
  return f.fileName();
}

int render(const QString& out) {
  SilentPrompter prompter;
  usbHid link;
  AppDelegate app(link, nullptr);
  app.applicationDidFinishLaunching(true);
  KoTools::installPrompter(&prompter);
  VirtualBoard& board = *app.virtualBoard();
  board.setReplyLatency(std::chrono::milliseconds(0));
  QWidget* window = app.window();
  window->show();
  app.selectTitleIndex(1);
  auto* tool = qobject_cast<KoSteerDebuggingTool*>(app.vc2());
  if (!tool) return fail("the second tab is not the bus-servo tool");
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
        save(window, out, QStringLiteral("%1-%2servos").arg(stem).arg(servos));
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
      save(window, out, stem + "-live");
      link.sendSpeed(1, 0, 0);
      tool->liveStatus()->setOn(false);
      tool->massDownload()->chooseFiles();
      save(window, out, stem + "-batch");
    }
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  return runPictures(argc, argv, "vorn_tool_shots", "<language>-<width>-<state>.png", render);
}
