// Whether a classroom's day-long loop keeps memory and timing flat. Vorn's window runs on the
// virtual board (offscreen unless a platform is named) in three phases:
//  1. the editor loops eight frames of 50 ms online, with the live arm and the curves shown;
//  2. the bus-servo tool polls its servo's live status;
//  3. a 1,020-frame group is downloaded 100 times, a fault injected every tenth time.
// Every 10 s the first two phases note the resident memory and the first the run's lateness:
// each move's due time from the pass start against when it left the program, and against
// when the board, which shares the window's thread, took it. Each series is printed with its
// trend per hour, fitted by least squares after the first minute, when start-up allocations
// are over.
// Usage: vorn_soak [minutes [servo-minutes]]   (default 10, and the servo phase as long)
#include <unistd.h>
#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "app/app_delegate.h"
#include "app/top_black_view.h"
#include "app/window.h"
#include "board/virtual_board.h"
#include "editor/board/online_control.h"
#include "editor/motion/motion_controls.h"
#include "editor/velmar_view_controller.h"
#include "link/action_downloader.h"
#include "link/malloc_tuning.h"
#include "link/protocol.h"
#include "link/usb_hid.h"
#include "model/move_frame.h"
#include "noting_clock.h"
#include "scratch_settings.h"
#include "servotool/live_status.h"
#include "servotool/steer_debugging_tool.h"
#include "session/frame_list_model.h"
#include "session/online_run.h"
#include "silent_prompter.h"
#include "widgets/switch.h"

namespace {

using Clock = std::chrono::steady_clock;
using Ms = std::chrono::duration<double, std::milli>;

constexpr auto kSampleEvery = std::chrono::seconds(10);
constexpr auto kSettled = std::chrono::minutes(1);
constexpr int kFrameMs = 50;
constexpr int kLoopFrames = 8;
constexpr int kDownloadFrames = 1020;
constexpr int kDownloads = 100;
constexpr int kFaultEvery = 10;

long residentKb() {
  long pages = 0;
  long resident = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// The 1-minute load average, to read the timing figures against.
double loadAverage() {
  double load = 0;
  if (FILE* f = std::fopen("/proc/loadavg", "r")) {
    if (std::fscanf(f, "%lf", &load) != 1) load = 0;
    std::fclose(f);
  }
  return load;
}

// The least-squares slope of y over x; nullopt with fewer than two distinct x.
std::optional<double> slope(const std::vector<std::pair<double, double>>& points) {
  if (points.size() < 2) return std::nullopt;
  double sx = 0, sy = 0;
  for (const auto& [x, y] : points) {
    sx += x;
    sy += y;
  }
  const double n = double(points.size());
  const double mx = sx / n, my = sy / n;
  double sxx = 0, sxy = 0;
  for (const auto& [x, y] : points) {
    sxx += (x - mx) * (x - mx);
    sxy += (x - mx) * (y - my);
  }
  if (sxx == 0) return std::nullopt;
  return sxy / sxx;
}

double quantile(std::vector<double> values, double q) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[size_t(q * double(values.size() - 1))];
}

void printTrend(const char* what, const char* unit, std::optional<double> perHour) {
  if (perHour) {
    std::printf("%s trend after the first minute: %+.3f %s per hour\n", what, *perHour, unit);
  } else {
    std::printf("%s trend: too few samples after the first minute\n", what);
  }
}

// Runs the event loop for `span`, calling `sample` every kSampleEvery (and at the end). A loop
// of its own: the application's quit would close the window.
void runFor(Clock::duration span, const std::function<void(double seconds)>& sample) {
  const Clock::time_point start = Clock::now();
  QEventLoop loop;
  QTimer timer;
  timer.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    sample(seconds);
    if (Clock::now() - start >= span - std::chrono::milliseconds(500)) loop.quit();
  });
  timer.start(std::chrono::duration_cast<std::chrono::milliseconds>(
      std::min<Clock::duration>(kSampleEvery, span)));
  loop.exec();
}

void waitUntil(const std::function<bool()>& done, Clock::duration atMost) {
  const Clock::time_point until = Clock::now() + atMost;
  while (!done() && Clock::now() < until) {
    QApplication::processEvents(QEventLoop::AllEvents, 50);
  }
}

// The moves the board took since the last call, in order. The board may keep only its
// latest frames, so they are told apart by their arrival time.
class MoveArrivals {
 public:
  explicit MoveArrivals(VirtualBoard& board) : board_(board) {}
  std::vector<VirtualBoard::ReceivedFrame> take() {
    const QList<VirtualBoard::ReceivedFrame> frames = board_.received();
    std::vector<VirtualBoard::ReceivedFrame> fresh;
    for (auto it = frames.crbegin(); it != frames.crend() && it->at > last_; ++it) {
      if (it->bytes.size() > 3 && quint8(it->bytes[3]) == protocol::kMultiServoMove) {
        fresh.push_back(*it);
      }
    }
    std::reverse(fresh.begin(), fresh.end());
    if (!frames.isEmpty()) last_ = std::max(last_, frames.back().at);
    return fresh;
  }

 private:
  VirtualBoard& board_;
  Clock::time_point last_{};
};

struct Sample {
  double seconds;
  long kb;
};

std::optional<double> kbPerHour(const std::vector<Sample>& samples) {
  std::vector<std::pair<double, double>> points;
  for (const Sample& s : samples) {
    if (s.seconds >= std::chrono::duration<double>(kSettled).count()) {
      points.emplace_back(s.seconds / 3600, double(s.kb));
    }
  }
  return slope(points);
}

void editorLoop(AppDelegate& app, Clock::duration span) {
  auto* editor = static_cast<KoVelmarViewController*>(app.vc1());
  KoMotionControls* motion = editor->motion();
  motion->liveSwitch()->setOn(true);
  emit motion->liveSwitch()->toggledByUser(true);
  static_cast<KoSwitch*>(editor->control(KoOnlineControl::kLoop))->setOn(true);
  editor->buttonClick(KoOnlineControl::kLoop);

  NotingClock clock;
  editor->online()->run()->setClock(&clock);
  // The arrivals are read every sample: the board keeps them that long here (filled within
  // the first minute) and, in the program, only a few.
  app.virtualBoard()->setReceivedKept(VirtualBoard::kReceivedKept);
  MoveArrivals arrivals(*app.virtualBoard());
  long moves = 0;
  std::vector<Sample> memory;
  // Lateness when each move left the program (the run's own timing: a real board takes it
  // then) and when the virtual board took it, which lives on the window's thread and so
  // adds whatever the window was doing.
  std::vector<std::pair<double, double>> p99s;
  // The sent and board lateness of the first and of the last minute's moves.
  struct Minute {
    std::vector<double> sent;
    std::vector<double> board;
  } firstMinute, lastMinute;
  const double spanSeconds = std::chrono::duration<double>(span).count();

  std::printf("\n== editor: %d frames of %d ms looping online, live arm and curves shown\n",
              kLoopFrames, kFrameMs);
  std::printf("lateness of each move when it left the program (sent) and at the board\n");
  std::printf("%7s %9s %9s %9s %9s %9s %6s\n", "s", "rss KB", "moves", "sent p50", "sent p99",
              "board p99", "load");
  editor->buttonClick(KoOnlineControl::kRun);
  runFor(span, [&](double seconds) {
    std::vector<double> late;
    std::vector<double> boardLate;
    for (const VirtualBoard::ReceivedFrame& frame : arrivals.take()) {
      const auto due = clock.passStart + std::chrono::milliseconds(kFrameMs) * moves++;
      const double ms = Ms(frame.sent - due).count();
      const double boardMs = Ms(frame.at - due).count();
      late.push_back(ms);
      boardLate.push_back(boardMs);
      const double since = std::chrono::duration<double>(frame.sent - clock.passStart).count();
      const auto note = [ms, boardMs](Minute& minute) {
        minute.sent.push_back(ms);
        minute.board.push_back(boardMs);
      };
      if (since < 60) note(firstMinute);
      if (since >= spanSeconds - 60) note(lastMinute);
    }
    memory.push_back({seconds, residentKb()});
    const double p99 = quantile(late, 0.99);
    if (seconds >= std::chrono::duration<double>(kSettled).count()) {
      p99s.emplace_back(seconds / 3600, p99);
    }
    std::printf("%7.0f %9ld %9ld %9.3f %9.3f %9.3f %6.2f\n", seconds, memory.back().kb, moves,
                quantile(late, 0.5), p99, quantile(boardLate, 0.99), loadAverage());
    std::fflush(stdout);
  });
  editor->stopEverything(true);
  editor->online()->run()->setClock(nullptr);

  const double expected =
      std::chrono::duration<double>(Clock::now() - clock.passStart).count() * 1000 / kFrameMs;
  std::printf("moves: %ld arrived, about %.0f due\n", moves, expected);
  printTrend("memory", "KB", kbPerHour(memory));
  printTrend("sent lateness p99", "ms", slope(p99s));
  std::printf("sent lateness p99: first minute %.3f ms, last minute %.3f ms\n",
              quantile(firstMinute.sent, 0.99), quantile(lastMinute.sent, 0.99));
  std::printf("board lateness p99: first minute %.3f ms, last minute %.3f ms\n",
              quantile(firstMinute.board, 0.99), quantile(lastMinute.board, 0.99));
}

void servoPolling(AppDelegate& app, Clock::duration span) {
  app.virtualBoard()->setReceivedKept(AppDelegate::kBoardFramesKept);
  app.viewTop()->chooseTab(1);
  waitUntil([&] { return app.vc2() != nullptr; }, std::chrono::seconds(5));
  auto* tool = static_cast<KoSteerDebuggingTool*>(app.vc2());
  if (!tool) {
    std::printf("\n== bus-servo tool: not shown\n");
    return;
  }
  usbHid& link = usbHid::sharedManager();
  long readings = 0;
  QMetaObject::Connection counted =
      QObject::connect(&link, &usbHid::servoInfoRead, [&readings] { ++readings; });
  tool->liveStatus()->setOn(true);
  tool->connection();
  std::vector<Sample> memory;
  std::printf("\n== bus-servo tool: live status polled every %lld ms\n",
              static_cast<long long>(KoLiveStatus::kInterval.count()));
  std::printf("%7s %9s %9s %6s\n", "s", "rss KB", "readings", "load");
  runFor(span, [&](double seconds) {
    memory.push_back({seconds, residentKb()});
    std::printf("%7.0f %9ld %9ld %6.2f\n", seconds, memory.back().kb, readings, loadAverage());
    std::fflush(stdout);
  });
  tool->liveStatus()->setOn(false);
  QObject::disconnect(counted);
  std::printf("polling %s\n", tool->liveStatus()->isStopped() ? "stopped: the servo went silent"
                                                              : "ran throughout");
  printTrend("memory", "KB", kbPerHour(memory));
  app.viewTop()->chooseTab(0);
}

struct Finished : DownloadListener {
  void downloadFinished(const DownloadResult& r) override { result = r; }
  std::optional<DownloadResult> result;
};

const char* endName(DownloadEnd end) {
  switch (end) {
    case DownloadEnd::Done:
      return "stored";
    case DownloadEnd::NoAcknowledgement:
      return "failed: no acknowledgement";
    case DownloadEnd::SendFailed:
      return "failed: send failed";
    case DownloadEnd::BoardLost:
      return "failed: board lost";
    case DownloadEnd::Cancelled:
      return "failed: cancelled";
  }
  return "?";
}

// The faults take turns: a lost acknowledgement, an unplugged board, a garbage report in the
// middle, every acknowledgement twice.
void injectFault(VirtualBoard& board, int fault) {
  constexpr int kStep4 = 4;
  switch (fault % 4) {
    case 0:
      board.dropAcknowledgement(kStep4, kDownloadFrames / 2);
      break;
    case 1:
      board.unplugAfterFrames(kDownloadFrames / 3);
      break;
    case 2:
      QTimer::singleShot(1, &board, [&board] { board.sendReport(QByteArray(64, '\x7f')); });
      break;
    case 3:
      board.setDuplicateAcknowledgements(true);
      break;
  }
}

void downloads(AppDelegate& app) {
  usbHid& link = usbHid::sharedManager();
  VirtualBoard& board = *app.virtualBoard();
  DownloadJob job;
  job.group = 7;
  for (int i = 0; i < kDownloadFrames; ++i) {
    job.frames.append(frame::multiServoMove(
        500, {{1, 400 + i % 200}, {2, 500}, {3, 500}, {4, 500}, {5, 500}, {6, 500}}));
  }
  Finished finished;
  ActionDownloader downloader(link);
  downloader.setListener(&finished);
  downloader.setAwaitFinishAcknowledgement(true);
  // Short enough that a lost acknowledgement costs little; the board answers at once.
  downloader.setAckTimeout(std::chrono::milliseconds(300));
  board.setReplyLatency(std::chrono::milliseconds(0));

  std::map<std::string, int> ends;
  int unended = 0;
  int wrongGroup = 0;
  std::optional<long> before;
  std::vector<std::pair<int, long>> tens;
  std::vector<std::pair<double, double>> perDownload;
  std::printf("\n== download: %d frames, %d times, a fault every %dth\n", kDownloadFrames,
              kDownloads, kFaultEvery);
  for (int i = 1; i <= kDownloads; ++i) {
    waitUntil([&] { return link.connection(); }, std::chrono::seconds(5));
    // After the first, which sets up what every later one reuses.
    if (i == 2) before = residentKb();
    board.clearFaults();
    board.clearReceived();
    finished.result.reset();
    const bool faulty = i % kFaultEvery == 0;
    if (faulty) injectFault(board, i / kFaultEvery - 1);
    QString why;
    if (!downloader.start({job}, &why)) {
      ++ends["not started: " + why.toStdString()];
      continue;
    }
    waitUntil([&] { return finished.result.has_value(); }, std::chrono::seconds(60));
    if (!finished.result) {
      ++unended;
      downloader.cancel();
      waitUntil([&] { return finished.result.has_value(); }, std::chrono::seconds(10));
      continue;
    }
    ++ends[std::string(endName(finished.result->end)) + (faulty ? " (fault)" : "")];
    if (finished.result->end == DownloadEnd::Done) {
      const auto stored = board.group(job.group);
      if (!stored || stored->size() != kDownloadFrames) ++wrongGroup;
    }
    if (!board.isPlugged()) board.plug();
    const long kb = residentKb();
    if (i >= 2) perDownload.emplace_back(double(i), double(kb));
    if (i % kFaultEvery == 0) tens.emplace_back(i, kb);
  }
  board.clearFaults();
  const long after = residentKb();
  std::printf("rss KB after downloads");
  for (const auto& [n, kb] : tens) std::printf(" %d: %ld", n, kb);
  std::printf("\n");
  for (const auto& [end, count] : ends) std::printf("%-40s %3d\n", end.c_str(), count);
  std::printf("%-40s %3d\n", "did not end within 60 s", unended);
  std::printf("%-40s %3d\n", "stored but not as sent", wrongGroup);
  std::printf("rss KB after the first download %ld, after the last %ld (%+ld)\n",
              before.value_or(0), after, after - before.value_or(0));
  // Every tenth unplugs the board or garbles a reply, and the link's recovery allocates
  // afresh just before that sample: the trend over all of them tells more than the ends.
  if (const auto perOne = slope(perDownload)) {
    std::printf("rss trend from the second download on: %+.1f KB per 100 downloads\n",
                *perOne * 100);
  }
}

}  // namespace

int main(int argc, char** argv) {
  capMallocArenas();  // as vorn starts
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_LOGGING_RULES", "*.info=false;*.debug=false");
  const double minutes = argc > 1 ? std::atof(argv[1]) : 10;
  const double servoMinutes = argc > 2 ? std::atof(argv[2]) : minutes;
  if (minutes <= 0 || servoMinutes < 0) {
    std::fprintf(stderr, "usage: vorn_soak [minutes [servo-minutes]]\n");
    return 2;
  }
  // Going through languages and switches: in a scratch folder, not the user's settings.
  const ScratchSettings settings;
  QApplication qapp(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("VornSoak"));
  QApplication::setApplicationName(QStringLiteral("vorn-soak"));
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) abort();
    if (type == QtCriticalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
  });

  usbHid& link = usbHid::sharedManager();
  AppDelegate app(link, [] { return nullptr; });
  app.applicationDidFinishLaunching(true);
  SilentPrompter silent;
  KoTools::installPrompter(&silent);
  app.window()->show();
  waitUntil([&] { return link.connection(); }, std::chrono::seconds(5));
  if (!link.connection()) {
    std::fprintf(stderr, "the virtual board did not connect\n");
    return 1;
  }

  QTemporaryDir files;
  const QString path = files.filePath(QStringLiteral("loop.csv"));
  if (QFile csv(path); csv.open(QIODevice::WriteOnly)) {
    csv.write("time,ch1,ch2,ch3,ch4,ch5,ch6\n");
    for (int i = 0; i < kLoopFrames; ++i) {
      csv.write(
          QStringLiteral("%1,%2,500,500,500,500,500\n").arg(kFrameMs).arg(400 + 25 * i).toLatin1());
    }
  }
  app.openFiles({path});
  QApplication::processEvents();
  auto* editor = static_cast<KoVelmarViewController*>(app.vc1());
  if (editor->model()->count() != kLoopFrames) {
    std::fprintf(stderr, "the loop's frames did not open\n");
    return 1;
  }

  std::printf("soak: %.1f min editor loop, %.1f min servo polling, then %d downloads\n", minutes,
              servoMinutes, kDownloads);
  const auto toSpan = [](double m) {
    return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(m * 60));
  };
  editorLoop(app, toSpan(minutes));
  if (servoMinutes > 0) servoPolling(app, toSpan(servoMinutes));
  downloads(app);
  KoTools::installPrompter(nullptr);
  return 0;
}
