// How closely the online run keeps time: frames of 50 ms played into the virtual board,
// whose receive timestamps show when each frame arrived. Lateness is measured from each
// frame's due time, counted from the moment the run took as its pass start; the delay from
// the start call to that moment is reported on its own.
// The run's threads and the board's ask for a raised priority as in the program; --priority
// nice lets them ask for no more than a lower nice value, --priority off for nothing.
// Usage: vorn_online_run_timing [--priority full|nice|off] [frames] [frame-ms]
#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>

#include "board/virtual_board.h"
#include "board/virtual_hid_transport.h"
#include "link/protocol.h"
#include "link/thread_priority.h"
#include "link/usb_hid.h"
#include "model/move_frame.h"
#include "noting_clock.h"
#include "session/online_run.h"

namespace {

// The calls the run's threads may use, after --priority.
std::optional<SchedulingCalls> schedulingCalls(const char* choice) {
  if (!std::strcmp(choice, "full")) return SchedulingCalls::system();
  if (!std::strcmp(choice, "off")) return SchedulingCalls::refused();
  if (!std::strcmp(choice, "nice")) {
    SchedulingCalls calls = SchedulingCalls::system();
    calls.realtime = SchedulingCalls::refused().realtime;
    return calls;
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  std::optional<SchedulingCalls> calls = SchedulingCalls::system();
  int arg = 1;
  if (argc > 1 && !std::strcmp(argv[1], "--priority")) {
    calls = argc > 2 ? schedulingCalls(argv[2]) : std::nullopt;
    arg = 3;
  }
  if (!calls) {
    std::fprintf(stderr,
                 "usage: vorn_online_run_timing [--priority full|nice|off] [frames] [frame-ms]\n");
    return 2;
  }
  const int frames = argc > arg ? std::max(1, atoi(argv[arg])) : 500;
  const int frameMs = argc > arg + 1 ? std::max(1, atoi(argv[arg + 1])) : 50;

  VirtualBoard board;
  // Every frame's arrival is read at the end, however long the run.
  board.setReceivedKept(frames + 8);
  board.setReplyLatency(std::chrono::milliseconds(0));
  usbHid link;
  link.setTransport(std::make_unique<VirtualHidTransport>(&board));
  while (!link.connection()) QCoreApplication::processEvents();
  // The board takes each frame on this thread, as the USB transport's I/O thread takes it in
  // the program, so it asks for the priority that thread has. Asked only now: from here on
  // it just waits on its event loop.
  const ThreadPriority boardPriority = raiseThreadPriority(*calls);

  QList<QByteArray> moves;
  for (int i = 0; i < frames; ++i) {
    moves.append(frame::multiServoMove(frameMs, {{1, i % 1000}, {2, 500}, {3, 500}}));
  }
  NotingClock clock;
  KoOnlineRun run([&](int i) { link.sendData(moves[i]); });
  run.setClock(&clock);
  run.setSchedulingCalls(*calls);
  QObject::connect(&run, &KoOnlineRun::runOver, &app, &QCoreApplication::quit);

  // Started from inside the event loop, which has to be running to take the frames.
  std::chrono::steady_clock::time_point start;
  QTimer::singleShot(0, &app, [&] {
    start = std::chrono::steady_clock::now();
    run.start(QList<int>(frames, frameMs), false);
  });
  QCoreApplication::exec();

  std::vector<double> lateness;
  for (const VirtualBoard::ReceivedFrame& f : board.received()) {
    if (f.bytes.size() < 4 || quint8(f.bytes[3]) != protocol::kMultiServoMove) continue;
    const auto due = clock.passStart + std::chrono::milliseconds(frameMs) * lateness.size();
    lateness.push_back(std::chrono::duration<double, std::milli>(f.at - due).count());
  }
  if (int(lateness.size()) != frames) {
    std::fprintf(stderr, "%zu of %d frames arrived\n", lateness.size(), frames);
    return 1;
  }
  // Where the last frame landed against its due time: any error that adds up shows here.
  const double drift = lateness.back();
  std::vector<double> sorted = lateness;
  std::sort(sorted.begin(), sorted.end());
  const auto at = [&](double q) { return sorted[size_t(q * double(sorted.size() - 1))]; };
  std::printf(
      "online run: %d frames of %d ms, board thread at %s priority; pass started %.3f ms "
      "after the start call\n",
      frames, frameMs, qPrintable(priorityName(boardPriority)),
      std::chrono::duration<double, std::milli>(clock.passStart - start).count());
  std::printf("lateness p50 %.3f ms, p99 %.3f ms, max %.3f ms; drift of the last frame %.3f ms\n",
              at(0.5), at(0.99), sorted.back(), drift);
  return 0;
}
