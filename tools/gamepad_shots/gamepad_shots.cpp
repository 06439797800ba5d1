// Pictures of the editor steered by a gamepad: the switch on, the live arm held back before
// striking the ground, and the mapping dialog with a controller's inputs live, in every
// language at three window sizes, for a person to look at:
// build/default/tools/gamepad_shots/vorn_gamepad_shots /tmp/gamepad-shots
#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "app/app_delegate.h"
#include "app/fonts.h"
#include "app/window.h"
#include "board/virtual_board.h"
#include "editor/motion/arm_feed.h"
#include "editor/motion/gamepad_controls.h"
#include "editor/motion/gamepad_dialog.h"
#include "editor/motion/motion_controls.h"
#include "editor/velmar_view_controller.h"
#include "gamepad/gamepad_driver.h"
#include "gamepad/gamepad_source.h"
#include "link/usb_hid.h"
#include "model/language.h"
#include "picture_run.h"
#include "session/editor_session.h"
#include "silent_prompter.h"
#include "virtual_pad.h"
#include "wait.h"
#include "widgets/arm_view.h"
#include "widgets/prompter.h"
#include "widgets/theme.h"

namespace {

int fail(const char* why) {
  fprintf(stderr, "vorn_gamepad_shots: %s\n", why);
  return 1;
}

void save(QWidget* widget, const QString& out, const QString& name) {
  processPending();
  widget->grab().save(QDir(out).filePath(name + ".png"));
}

int render(const QString& out) {
  SilentPrompter prompter;
  usbHid link;
  QSettings().setValue(QStringLiteral("liveArm"), true);
  AppDelegate app(link, nullptr);
  app.applicationDidFinishLaunching(true);
  KoTools::installPrompter(&prompter);
  app.virtualBoard()->setReplyLatency(std::chrono::milliseconds(0));
  QWidget* window = app.window();
  window->show();
  QApplication::setActiveWindow(window);
  processUntil([&] { return link.connection(); });
  auto* editor = qobject_cast<KoVelmarViewController*>(app.vc1());
  if (!editor) return fail("the first tab is not the editor");
  KoGamepadControls* gamepad = editor->motion()->gamepad();
  qint64 now = 0;
  gamepad->driver()->setClock([&] { return now; });
  // The servos move on the same time as the sticks, so that the live arm shows where they went.
  app.virtualBoard()->setClock(
      [&] { return VirtualBoard::Clock::time_point(std::chrono::milliseconds(now)); });
  // Not a name from SDL's database, whose mapping would take over the virtual axes.
  VirtualPad pad("Classroom Gamepad");
  gamepad->setOn(true);
  gamepad->source()->poll();
  processPending();
  if (!gamepad->isListening()) return fail("the controller is not heard");

  const QStringList languages = KoLanguage::languages();
  for (int l = 0; l < languages.size(); ++l) {
    KoLanguage::instance().choose(languages[l], nullptr);
    for (const QSize size : {QSize(960, 680), QSize(1366, 768), QSize(1920, 1080)}) {
      window->resize(size);
      // Offscreen, a passing notice may take the activation a desktop would leave alone.
      processPending();
      QApplication::setActiveWindow(window);
      // Leaning forward, then steered down until the ground holds the tip back.
      pad.setAxis(pad::Input::LeftY, 0);
      gamepad->source()->poll();
      editor->session()->setPosition(5, 300);
      editor->session()->setPosition(4, 500);
      editor->session()->setPosition(3, 500);
      pad.setAxis(pad::Input::LeftY, 0.8);
      gamepad->source()->poll();
      for (int i = 0; i < 400; ++i) {
        now += KoGamepadDriver::kTickMs;
        gamepad->driver()->tick();
      }
      gamepad->moves()->flush();
      if (!editor->motion()->armView()->heldStrike()) return fail("the ground held nothing back");
      window->grab().save(
          QDir(out).filePath(QStringLiteral("%1-%2-steering.png").arg(l).arg(size.width())));
    }
    pad.setAxis(pad::Input::LeftY, 0);
    gamepad->source()->poll();

    // Opened as the button opens it, modal; pictured once it shows.
    QTimer::singleShot(0, [&] {
      auto* dialog = window->findChild<KoGamepadDialog*>();
      if (!dialog) return;
      pad.setAxis(pad::Input::LeftX, 0.6);
      pad.setAxis(pad::Input::RightY, -0.35);
      pad.setAxis(pad::Input::RightTrigger, 0.7);
      pad.setButton(pad::Input::A, true);
      gamepad->source()->poll();
      save(dialog, out, QStringLiteral("%1-mapping").arg(l));
      for (auto axis : {pad::Input::LeftX, pad::Input::RightY, pad::Input::RightTrigger}) {
        pad.setAxis(axis, 0);
      }
      pad.setButton(pad::Input::A, false);
      gamepad->source()->poll();
      dialog->reject();
    });
    gamepad->editMapping();
    QApplication::setActiveWindow(window);
  }
  gamepad->setOn(false);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  return runPictures(argc, argv, "vorn_gamepad_shots",
                     "<language>-<width>-steering.png and <language>-mapping.png", render);
}
