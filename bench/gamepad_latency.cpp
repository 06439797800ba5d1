// How soon the arm answers a gamepad, in Vorn's window on the virtual board (offscreen unless a
// platform is named), with a virtual controller from SDL and the live arm shown:
//  1. from rest: the right stick is pushed at a random moment, and the time until the board
//     took the base's move is noted;
//  2. while steering: the stick's deflection changes every 2 to 12 ms, and each change is timed to
//     the first move the board took after it (the throttle lets one out every 20 ms);
//  3. at rest: for a while (60 s by default) the sticks wobble inside their dead zone as a
//     worn stick does, and every move the board takes is counted: there should be none.
// Usage: vorn_gamepad_latency [trials [rest-seconds]]   (default 300 and 60)
#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "app/app_delegate.h"
#include "app/window.h"
#include "board/virtual_board.h"
#include "editor/motion/gamepad_controls.h"
#include "editor/motion/motion_controls.h"
#include "editor/velmar_view_controller.h"
#include "gamepad/gamepad_source.h"
#include "link/protocol.h"
#include "link/usb_hid.h"
#include "scratch_settings.h"
#include "silent_prompter.h"
#include "virtual_pad.h"
#include "widgets/switch.h"

namespace {

using Clock = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;

void spin(Clock::duration span) {
  const Clock::time_point until = Clock::now() + span;
  while (Clock::now() < until) {
    QApplication::processEvents(QEventLoop::AllEvents, 1);
  }
}

// The first move the board took at or after `since`, if any.
std::optional<Clock::time_point> moveSince(VirtualBoard& board, Clock::time_point since) {
  for (const VirtualBoard::ReceivedFrame& f : board.received()) {
    if (f.at >= since && f.bytes.size() > 4 && quint8(f.bytes[3]) == protocol::kMultiServoMove) {
      return f.at;
    }
  }
  return std::nullopt;
}

void report(const char* what, std::vector<double> ms) {
  if (ms.empty()) {
    std::printf("%s: no samples\n", what);
    return;
  }
  std::sort(ms.begin(), ms.end());
  const auto at = [&](double q) { return ms[std::min(ms.size() - 1, size_t(q * ms.size()))]; };
  std::printf("%s: %zu samples, median %.1f ms, p90 %.1f ms, p99 %.1f ms, max %.1f ms\n", what,
              ms.size(), at(0.5), at(0.9), at(0.99), ms.back());
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_LOGGING_RULES", "*.info=false;*.debug=false");
  const int trials = argc > 1 ? std::atoi(argv[1]) : 300;
  const double restSeconds = argc > 2 ? std::atof(argv[2]) : 60;
  if (trials <= 0 || restSeconds < 0) {
    std::fprintf(stderr, "usage: vorn_gamepad_latency [trials [rest-seconds]]\n");
    return 2;
  }
  // Going through languages and switches: in a scratch folder, not the user's settings.
  const ScratchSettings settings;
  QApplication qapp(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("VornGamepadBench"));
  QSettings().setValue(QStringLiteral("liveArm"), true);

  usbHid& link = usbHid::sharedManager();
  AppDelegate app(link, [] { return nullptr; });
  app.applicationDidFinishLaunching(true);
  SilentPrompter silent;
  KoTools::installPrompter(&silent);
  app.window()->show();
  QApplication::setActiveWindow(app.window());
  spin(std::chrono::milliseconds(300));
  if (!link.connection()) {
    std::fprintf(stderr, "the virtual board did not connect\n");
    return 1;
  }
  VirtualBoard& board = *app.virtualBoard();
  board.setReceivedKept(VirtualBoard::kReceivedKept);
  auto* editor = static_cast<KoVelmarViewController*>(app.vc1());
  KoGamepadControls* gamepad = editor->motion()->gamepad();
  VirtualPad pad;
  gamepad->setOn(true);
  spin(std::chrono::milliseconds(100));
  if (!gamepad->isListening()) {
    std::fprintf(stderr, "the gamepad is not heard: %s\n", qPrintable(gamepad->source()->error()));
    return 1;
  }

  std::mt19937 random(44);
  std::vector<double> fromRest;
  for (int i = 0; i < trials; ++i) {
    spin(std::chrono::milliseconds(std::uniform_int_distribution(40, 80)(random)));
    // Back and forth, so that the base never meets the end of its turn.
    const Clock::time_point pushed = Clock::now();
    pad.setAxis(pad::Input::RightX, i % 2 ? -0.6 : 0.6);
    std::optional<Clock::time_point> took;
    while (!took && Clock::now() - pushed < std::chrono::milliseconds(200)) {
      QApplication::processEvents(QEventLoop::AllEvents, 1);
      took = moveSince(board, pushed);
    }
    spin(std::chrono::milliseconds(30));
    pad.setAxis(pad::Input::RightX, 0);
    fromRest.push_back(took ? Ms(*took - pushed).count() : 200.0);
  }
  report("from rest to the board", fromRest);

  std::vector<double> steering;
  for (int i = 0; i < trials; ++i) {
    // At odd moments, so that the changes do not fall into step with the throttle.
    spin(std::chrono::microseconds(std::uniform_int_distribution(2000, 12000)(random)));
    const Clock::time_point changed = Clock::now();
    const double phase = (i / 40) % 2 ? -1 : 1;
    pad.setAxis(pad::Input::RightX, phase * (0.4 + 0.5 * ((i % 40) / 40.0)));
    std::optional<Clock::time_point> took;
    while (!took && Clock::now() - changed < std::chrono::milliseconds(200)) {
      QApplication::processEvents(QEventLoop::AllEvents, 1);
      took = moveSince(board, changed);
    }
    steering.push_back(took ? Ms(*took - changed).count() : 200.0);
  }
  pad.setAxis(pad::Input::RightX, 0);
  report("while steering, a change to the next move", steering);

  spin(std::chrono::milliseconds(200));
  const Clock::time_point restFrom = Clock::now();
  std::uniform_real_distribution<double> wobble(-0.08, 0.08);
  while (Clock::now() - restFrom < std::chrono::duration<double>(restSeconds)) {
    for (auto axis :
         {pad::Input::LeftX, pad::Input::LeftY, pad::Input::RightX, pad::Input::RightY}) {
      pad.setAxis(axis, wobble(random));
    }
    spin(std::chrono::milliseconds(5));
  }
  int moves = 0;
  for (const VirtualBoard::ReceivedFrame& f : board.received()) {
    if (f.at >= restFrom && quint8(f.bytes[3]) == protocol::kMultiServoMove) ++moves;
  }
  std::printf("at rest for %.0f s, sticks wobbling inside the dead zone: %d moves\n", restSeconds,
              moves);
  KoTools::installPrompter(nullptr);
  return 0;
}
